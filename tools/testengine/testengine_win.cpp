// testengine: a setup engine that honours the launcher's contract and does
// what its command line asks, for tests and the demo.
//
// The launcher starts it as  Engine.exe [extra] /TH_ID=_1234 /OriginExe="..." [/AutoUpdateProg]
// and the package author's extra text (after "*" in the engine's record name)
// can steer it:
//   /TE_EXIT=n        exit code (default 0)
//   /TE_KEEPATOM      do not delete the completion atom (report "not finished")
//   /TE_WINDOW=ms     show a window of class ".SDialog_Class_Name." + token for that long
//   /TE_RECORD=path   append what it saw to that file (default: testengine.txt in the
//                     folder named by the environment variable VANTOR_ENGINE_RECORD_DIR, if set)
//   /TE_COPY=name     copy the file name of its own folder beside the record (the
//                     launcher removes the folder when the engine is done)
// The record holds "CommandLine=...", "AtomAtStart=TRUE|FALSE", "Folder=..." lines.
// A file "testengine.ini" beside the engine ([Engine] ExitCode, KeepAtom, WindowMs)
// gives defaults for the same settings.
#include <windows.h>

#include <string>

#include "base/files.h"
#include "base/handles.h"
#include "base/program_paths.h"
#include "base/switches.h"
#include "base/switches_win.h"
#include "base/text.h"

namespace {

using vantor::GetSwitchInt;
using vantor::GetSwitchText;
using vantor::HasSwitch;

int IniInt(const char* key, int def) {
  const std::string ini = vantor::ProgramFolder(true) + "testengine.ini";
  return static_cast<int>(GetPrivateProfileIntA("Engine", key, def, ini.c_str()));
}

std::string RecordPath() {
  std::string path = GetSwitchText("/TE_RECORD=");
  if (!path.empty() && path != "TRUE") return path;
  char folder[MAX_PATH] = {};
  if (GetEnvironmentVariableA("VANTOR_ENGINE_RECORD_DIR", folder, MAX_PATH) > 0) {
    return std::string(folder) + "\\testengine.txt";
  }
  return {};
}

void ShowEngineWindow(const std::string& token, int milliseconds) {
  const std::string cls = ".SDialog_Class_Name." + token;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = cls.c_str();
  vantor::WindowClassRegistration registration(RegisterClassA(&wc), instance);
  vantor::UniqueWindow window(CreateWindowA(cls.c_str(), "Test Engine", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100,
                                            100, 300, 120, nullptr, nullptr, instance, nullptr));
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
}

}  // namespace

int main() {
  const std::string token = GetSwitchText("/TH_ID=");
  const std::string atomName = "AutoUpdateAtomTokenByVantor" + token;
  const ATOM atom = GlobalFindAtomA(atomName.c_str());

  if (const std::string record = RecordPath(); !record.empty()) {
    vantor::AppendTextToFile(record,
                             "CommandLine=" + std::string(GetCommandLineA()) + "\r\nAtomAtStart=" +
                                 vantor::BoolText(atom != 0) + "\r\nFolder=" + vantor::ProgramFolder(false) + "\r\n",
                             0);
  }
  if (const std::string name = GetSwitchText("/TE_COPY="); !name.empty() && name != "TRUE") {
    if (const std::string record = RecordPath(); !record.empty()) {
      const std::string target = record.substr(0, record.rfind('\\') + 1) + name;
      CopyFileA((vantor::ProgramFolder(true) + name).c_str(), target.c_str(), FALSE);
    }
  }
  const int windowMs = static_cast<int>(GetSwitchInt("/TE_WINDOW=", IniInt("WindowMs", 0)));
  if (windowMs > 0 && !token.empty()) ShowEngineWindow(token, windowMs);

  const bool keepAtom = HasSwitch("/TE_KEEPATOM") || IniInt("KeepAtom", 0) != 0;
  if (atom != 0 && !keepAtom) GlobalDeleteAtom(atom);
  return static_cast<int>(GetSwitchInt("/TE_EXIT=", IniInt("ExitCode", 0)));
}
