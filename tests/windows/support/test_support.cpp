#include "tests/windows/support/test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/folder_entries_win.h"

namespace vantor::testing {

namespace {

std::string UnixToWindowsPath(std::string path) {
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  UniqueFind find(FindFirstFileA((folder + "\\*").c_str(), &entry));
  if (find) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find.get(), &entry));
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

std::string ToolPath(const std::string& name) {
  const char* out = std::getenv("VANTOR_OUT");
  if (out == nullptr) ADD_FAILURE() << "VANTOR_OUT is not set";
  return UnixToWindowsPath(out ? out : "") + "\\" + name;
}

ScratchFolder::ScratchFolder(const std::string& label) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static unsigned counter = 0;
  path_ = std::string(temp) + "vt_" + label + "_" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++counter);
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

bool FileIsThere(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Quote(const std::string& text) { return "\"" + text + "\""; }

ProcessResult RunAndWait(const std::string& commandLine, DWORD timeoutMs) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string line = commandLine;
  ProcessResult result;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start: " << commandLine << " (error " << GetLastError() << ")";
    return result;
  }
  UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
  result.processId = pi.dwProcessId;
  if (WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "did not end in time: " << commandLine;
    TerminateProcess(process.get(), 1);
    return result;
  }
  GetExitCodeProcess(process.get(), &result.exitCode);
  result.finished = true;
  return result;
}

void Pack(const std::string& arguments) {
  const ProcessResult r = RunAndWait(Quote(ToolPath("vpack.exe")) + " " + arguments);
  ASSERT_TRUE(r.finished);
  ASSERT_EQ(r.exitCode, 0u) << "vpack " << arguments;
}

DebugViewer::DebugViewer(const std::string& outputFile) : outputFile_(outputFile) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string line = Quote(ToolPath("vdebugview.exe")) + " " + Quote(outputFile);
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start the debug viewer";
    return;
  }
  process_.reset(pi.hProcess);
  UniqueKernelHandle thread(pi.hThread);
  // The viewer is idle once its window exists and its loop waits for messages.
  WaitForInputIdle(process_.get(), 30000);
  EXPECT_NE(FindWindowA(".VDebug.", nullptr), nullptr) << "the debug viewer has no window";
}

DebugViewer::~DebugViewer() {
  if (const HWND window = FindWindowA(".VDebug.", nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
  if (process_) WaitForSingleObject(process_.get(), 30000);
}

std::vector<DebugViewer::Piece> DebugViewer::Pieces() const {
  const std::string data = ReadWholeFile(outputFile_);
  std::vector<Piece> pieces;
  std::size_t pos = 0;
  while (pos < data.size()) {
    const std::size_t blank = data.find(' ', pos);
    const std::size_t colon = data.find(':', blank);
    if (blank == std::string::npos || colon == std::string::npos) break;
    Piece piece;
    piece.source = static_cast<unsigned>(std::stoul(data.substr(pos, blank - pos)));
    const std::size_t length = std::stoul(data.substr(blank + 1, colon - blank - 1));
    piece.text = data.substr(colon + 1, length);
    pieces.push_back(piece);
    pos = colon + 1 + length + 1;
  }
  return pieces;
}

std::vector<std::string> DebugViewer::Lines() const {
  std::string all;
  for (const Piece& piece : Pieces()) all += piece.text;
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(all.substr(start, end - start));
  }
  return lines;
}

ClassWindow::ClassWindow(const std::string& className) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className.c_str();
  registration_ = WindowClassRegistration(RegisterClassA(&wc), wc.hInstance);
  window_.reset(CreateWindowA(className.c_str(), "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, nullptr));
  EXPECT_TRUE(window_.valid()) << "cannot create a window of class " << className;
}

std::vector<std::string> EntryNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const FolderEntry& entry : FolderEntries(folder + "\\*")) names.push_back(entry.name);
  return names;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if (done()) return true;
    Sleep(100);
  }
  return done();
}

}  // namespace vantor::testing
