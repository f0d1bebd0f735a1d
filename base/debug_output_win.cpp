#include <windows.h>

#include <cstdlib>
#include <string>

#include "base/debug_chunker.h"
#include "base/debug_output.h"
#include "base/handles.h"

namespace vantor {

namespace {

constexpr char kViewerClass[] = ".VDebug.";
constexpr char kViewerMessage[] = ".V_DebugMsg.";
// A piece is copied into a text of at most this many characters.
constexpr std::size_t kMaxPieceCopy = 10241;
// A viewer that stops answering must not stall the program for good.
constexpr UINT kViewerTimeoutMs = 5000;

struct DebugChannel {
  CRITICAL_SECTION lock;
  UINT viewerMessage = 0;
  uint16_t source = 1;
  ChunkingWriter buffer{[](std::string_view piece) {
    const std::string text(piece.substr(0, kMaxPieceCopy));
    SendToDebugViewer(text.c_str());
  }};
};

// Created at start-up and never freed: text still buffered when the process
// ends is handed over by an exit handler.
DebugChannel* channel = nullptr;

class LockGuard {
 public:
  explicit LockGuard(CRITICAL_SECTION& cs) : cs_(cs) { EnterCriticalSection(&cs_); }
  ~LockGuard() { LeaveCriticalSection(&cs_); }
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;

 private:
  CRITICAL_SECTION& cs_;
};

void FlushAtExit() { DebugOut().Flush(); }

}  // namespace

void InstallDebugOutput() {
  if (channel != nullptr) return;
  channel = new DebugChannel;
  InitializeCriticalSection(&channel->lock);
  channel->viewerMessage = RegisterWindowMessageA(kViewerMessage);
  std::atexit(FlushAtExit);
}

void SetDebugSource(uint16_t source) {
  if (channel != nullptr) channel->source = source;
}

void SendToDebugViewer(const char* text) {
  const HWND viewer = FindWindowA(kViewerClass, nullptr);
  if (viewer == nullptr || channel == nullptr) return;
  UniqueGlobalAtom atom(GlobalAddAtomA(text));
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(viewer, channel->viewerMessage, channel->source, static_cast<LPARAM>(atom.get()),
                      SMTO_NORMAL | SMTO_ABORTIFHUNG, kViewerTimeoutMs, &ignored);
}

DebugStream& DebugStream::operator<<(std::string_view text) {
  if (channel != nullptr) {
    LockGuard guard(channel->lock);
    channel->buffer.Write(text);
  }
  return *this;
}

void DebugStream::Flush() {
  if (channel == nullptr) return;
  LockGuard guard(channel->lock);
  channel->buffer.Flush();
}

DebugStream& DebugOut() {
  static DebugStream stream;
  return stream;
}

void DebugLinePid(std::string_view text) { DebugOut() << static_cast<uint32_t>(GetCurrentProcessId()) << text << '\n'; }

void DebugLine(std::string_view text) { DebugOut() << text << '\n'; }

}  // namespace vantor
