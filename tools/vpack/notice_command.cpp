#include "tools/vpack/notice_command.h"

#include <cstdio>

#include "package/notice_file.h"
#include "package/scramble.h"
#include "tools/vpack/file_io.h"
#include "tools/vpack/token_seed.h"
#include "tools/vpack/usage.h"

namespace vantor::vpack {

namespace {

constexpr unsigned kTokenPadding = 4;
constexpr unsigned kFirstKeyChar = 33;
constexpr unsigned kKeyChars = 90;  // 33..122

struct NoticeOptions {
  std::optional<std::string> token, bodyPath, outPath;
  bool scramble = false;
};

std::string ParseNoticeOptions(Arguments& args, NoticeOptions& options) {
  while (std::optional<std::string> argument = TakeArgument(args)) {
    std::string name = *argument;
    if (name == "--scramble") {
      options.scramble = true;
      continue;
    }
    std::optional<std::string> value = TakeValue(args, name);
    std::optional<std::string>* target = name == "--token"       ? &options.token
                                         : name == "--body-file" ? &options.bodyPath
                                         : name == "--out"       ? &options.outPath
                                                                 : nullptr;
    if (target == nullptr) return "unknown option for notice: " + name;
    if (!value) return name + " needs a value";
    *target = value;
  }
  if (!options.token || !options.bodyPath || !options.outPath) return "notice needs --token, --body-file and --out";
  return "";
}

}  // namespace

int RunTokenCommand(Arguments& args) {
  const std::optional<std::string> text = TakeArgument(args);
  if (!text || TakeArgument(args)) return Fail("token needs exactly one TEXT");
  std::printf("%s\n", ScrambleToken(*text, TextSeed(*text), kTokenPadding).c_str());
  return 0;
}

int RunNoticeCommand(Arguments& args) {
  NoticeOptions options;
  const std::string error = ParseNoticeOptions(args, options);
  if (!error.empty()) return Fail(error);
  std::string body;
  if (!ReadFileBytes(*options.bodyPath, body)) return Fail("cannot read body file: " + *options.bodyPath);
  std::optional<unsigned char> key;
  if (options.scramble) key = static_cast<unsigned char>(kFirstKeyChar + TextSeed(*options.token + body) % kKeyChars);
  const std::string content = MakeNoticeFile(*options.token, body, TextSeed(*options.token), key);
  if (!WriteFileBytes(*options.outPath, content)) return Fail("cannot write " + *options.outPath);
  return 0;
}

}  // namespace vantor::vpack
