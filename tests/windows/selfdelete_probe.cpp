// A program for the self-removal tests: it asks for its own removal ("folder":
// with its folder) and ends at once, as the real program does at its end.
#include <string_view>

#include "base/files.h"

int main(int argc, char** argv) {
  vantor::DeleteMySelf(argc > 1 && std::string_view(argv[1]) == "folder");
  return 0;
}
