// What the Windows tests need to run the real programs as a user would:
// fresh folders, processes with exit codes, the packer and the debug viewer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/handles.h"

namespace vantor::testing {

// A program of the build (VantorStub.exe, vpack.exe, vdebugview.exe) as a Windows path.
std::string ToolPath(const std::string& name);
// A new empty folder for one test, removed with its files when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& label);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileIsThere(const std::string& path);
// The names in a folder, without "." and "..", as the system lists them.
std::vector<std::string> EntryNames(const std::string& folder);

struct ProcessResult {
  DWORD exitCode = 0;
  DWORD processId = 0;
  bool finished = false;
};
// Runs a command line and waits for it to end (at most timeoutMs).
ProcessResult RunAndWait(const std::string& commandLine, DWORD timeoutMs = 60000);
// Runs vpack.exe with the arguments; fails the test when it does not succeed.
void Pack(const std::string& arguments);
std::string Quote(const std::string& text);
// Polls every 100 ms, for at most timeoutMs, for the work of a process that
// the test has no handle to wait on (one started by another process, or a
// Unix process); true once done() holds.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000);

// A running vdebugview.exe that records every piece it receives.
class DebugViewer {
 public:
  struct Piece {
    unsigned source = 0;
    std::string text;
  };
  explicit DebugViewer(const std::string& outputFile);
  ~DebugViewer();
  DebugViewer(const DebugViewer&) = delete;
  DebugViewer& operator=(const DebugViewer&) = delete;
  // Every piece received so far.
  std::vector<Piece> Pieces() const;
  // The pieces joined and split at line feeds (the last, unfinished line dropped).
  std::vector<std::string> Lines() const;

 private:
  std::string outputFile_;
  UniqueKernelHandle process_;
};

// A top-level window of the given class owned by the test thread, so a
// program under test can find it by class name.
class ClassWindow {
 public:
  explicit ClassWindow(const std::string& className);
  ClassWindow(const ClassWindow&) = delete;
  ClassWindow& operator=(const ClassWindow&) = delete;

 private:
  WindowClassRegistration registration_;
  UniqueWindow window_;
};

}  // namespace vantor::testing
