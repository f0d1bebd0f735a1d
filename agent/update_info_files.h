// The agent's two INI files beside it: the .original file, installed with the
// product (installed version, message texts, box fonts, schedule state), and
// the .info file downloaded from the server (the setup on offer and how to
// install it). Every key is listed here with its file, section and default;
// update_info_files_win.h reads and writes them. Values are read afresh at
// each use, so a newly downloaded .info file takes effect at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "agent/overrides.h"
#include "package/file_info.h"
#include "ui/box_options.h"

namespace vantor {

enum class AgentIni { Original, Info };

struct AgentIniFiles {
  std::string original;
  std::string info;
  const std::string& PathOf(AgentIni file) const { return file == AgentIni::Original ? original : info; }
};

// The files in folder named after item 1 of the package's setup descriptor:
// "Setup.1.0.info" gives Setup.1.0.info and Setup.original.
AgentIniFiles AgentIniFilesIn(std::string_view folder, const TGFileInfo& package);

struct TextKey {
  AgentIni file;
  std::string_view section;
  std::string_view name;
  std::string_view def = "";
};
// A decimal text read as a signed 64-bit number; missing or not a number
// gives the default. Versions, stamps and sizes are used as their low 32 bits.
struct IntKey {
  AgentIni file;
  std::string_view section;
  std::string_view name;
  int64_t def = 0;
};
// A time on the agent's seconds clock, stored beside a readable twin that
// only people read.
struct SecondsKey {
  IntKey value;
  std::string_view twin;
};
// True exactly when the text is "1"; a set override beats the file.
struct FlagKey {
  AgentIni file;
  std::string_view section;
  std::string_view name;
  std::optional<OverrideSlot> override = std::nullopt;
};

namespace OriginalSetup {
// 0 = one check per start of the agent, -1 = no automatic checks.
inline constexpr IntKey ProbeSecondsInterval{AgentIni::Original, "OriginalSetup", "ProbeSecondsInterval"};
inline constexpr SecondsKey ProbeSecondsLast{{AgentIni::Original, "OriginalSetup", "ProbeSecondsLast"},
                                             "__ProbeSecondsLast"};
// 0 or less = the same package is not offered again.
inline constexpr IntKey ReAskSecondsInterval{AgentIni::Original, "OriginalSetup", "ReAskSecondsInterval"};
inline constexpr SecondsKey ReAskSecondsLast{{AgentIni::Original, "OriginalSetup", "ReAskSecondsLast"},
                                             "__ReAskSecondsLast"};
// 0 or less counts as unreadable.
inline constexpr IntKey VersionOriginal{AgentIni::Original, "OriginalSetup", "VersionOriginal"};
inline constexpr IntKey Stamp{AgentIni::Original, "OriginalSetup", "Stamp"};
inline constexpr TextKey ProgramName{AgentIni::Original, "OriginalSetup", "ProgramName"};
}  // namespace OriginalSetup

namespace Directories {
inline constexpr TextKey TargetDir{AgentIni::Original, "Directories", "TargetDir"};
inline constexpr TextKey SharedDir{AgentIni::Original, "Directories", "SharedDir"};
inline constexpr TextKey AuxiliaryDir{AgentIni::Original, "Directories", "AuxiliaryDir"};
}  // namespace Directories

namespace UnInstall {
inline constexpr TextKey StartUpLink{AgentIni::Original, "UnInstall", "StartUpLink"};
inline constexpr TextKey CheckforNewUpdateLink{AgentIni::Original, "UnInstall", "CheckforNewUpdateLink"};
}  // namespace UnInstall

namespace MsgBox {
inline constexpr TextKey BtnText{AgentIni::Original, "MsgBox", "BtnText", kDefaultButtonCaptions};
inline constexpr TextKey Error{AgentIni::Original, "MsgBox", "Error", "Error"};
inline constexpr TextKey Confirm{AgentIni::Original, "MsgBox", "Confirm", "Confirm"};
inline constexpr TextKey Attention{AgentIni::Original, "MsgBox", "Attention", "Attention"};
// 177 and 178 also lay captions and boxes out from right to left.
inline constexpr IntKey CharSet{AgentIni::Original, "MsgBox", "CharSet", 0};
inline constexpr TextKey FontName{AgentIni::Original, "MsgBox", "FontName", "Tahoma"};
inline constexpr IntKey FontSize{AgentIni::Original, "MsgBox", "FontSize", 8};
}  // namespace MsgBox

// The agent's message texts; those without a default come from the product's
// setup, which writes the .original file.
namespace AutoUpdate {
inline constexpr TextKey s2{AgentIni::Original, "AutoUpdate", "s2"};
inline constexpr TextKey s3{AgentIni::Original, "AutoUpdate", "s3", "File Download Aborted!"};
inline constexpr TextKey s4{AgentIni::Original, "AutoUpdate", "s4", "File not Found!"};
inline constexpr TextKey s5{AgentIni::Original, "AutoUpdate", "s5", "Unable to Download File!"};
inline constexpr TextKey s11{AgentIni::Original, "AutoUpdate", "s11"};
inline constexpr TextKey s12{AgentIni::Original, "AutoUpdate", "s12"};
inline constexpr TextKey s13{AgentIni::Original, "AutoUpdate", "s13"};
inline constexpr TextKey s14{AgentIni::Original, "AutoUpdate", "s14"};
inline constexpr TextKey s15{AgentIni::Original, "AutoUpdate", "s15"};
inline constexpr TextKey s16{AgentIni::Original, "AutoUpdate", "s16"};
inline constexpr TextKey s17{AgentIni::Original, "AutoUpdate", "s17"};
inline constexpr TextKey s18{AgentIni::Original, "AutoUpdate", "s18"};
inline constexpr TextKey s19{AgentIni::Original, "AutoUpdate", "s19"};
inline constexpr TextKey s20{AgentIni::Original, "AutoUpdate", "s20"};
inline constexpr TextKey s21{AgentIni::Original, "AutoUpdate", "s21"};
inline constexpr TextKey s22{AgentIni::Original, "AutoUpdate", "s22"};
inline constexpr TextKey s23{AgentIni::Original, "AutoUpdate", "s23"};
inline constexpr TextKey s24{AgentIni::Original, "AutoUpdate", "s24"};
inline constexpr TextKey s31{AgentIni::Original, "AutoUpdate", "s31", "Downloading INFO File..."};
inline constexpr TextKey s32{AgentIni::Original, "AutoUpdate", "s32", "Downloading UPDATE File..."};
inline constexpr TextKey s33{AgentIni::Original, "AutoUpdate", "s33", "Downloading INFORM File..."};
inline constexpr TextKey s34{AgentIni::Original, "AutoUpdate", "s34", "New Version"};
inline constexpr TextKey s35{AgentIni::Original, "AutoUpdate", "s35", "Download"};
}  // namespace AutoUpdate

namespace NewSetup {
// A folder address (URL, drive or share) holding the update and notice files.
inline constexpr TextKey DownloadURL_UPDATE{AgentIni::Info, "NewSetup", "DownloadURL_UPDATE"};
inline constexpr TextKey NameOfUpdateFile{AgentIni::Info, "NewSetup", "NameOfUpdateFile"};
inline constexpr IntKey SizeOfUpdateFile{AgentIni::Info, "NewSetup", "SizeOfUpdateFile"};
inline constexpr FlagKey RequestConfirmationBeforeDownload{AgentIni::Info, "NewSetup",
                                                           "RequestConfirmationBeforeDownload",
                                                           OverrideSlot::RequestConfirmationBeforeDownload};
inline constexpr FlagKey RequestConfirmationBeforeDownloadForce{AgentIni::Info, "NewSetup",
                                                                "RequestConfirmationBeforeDownloadForce",
                                                                OverrideSlot::RequestConfirmationBeforeDownloadForce};
inline constexpr FlagKey RequestConfirmationBeforeInstall{AgentIni::Info, "NewSetup",
                                                          "RequestConfirmationBeforeInstall",
                                                          OverrideSlot::RequestConfirmationBeforeInstall};
inline constexpr FlagKey RequestConfirmationBeforeInstallForce{AgentIni::Info, "NewSetup",
                                                               "RequestConfirmationBeforeInstallForce",
                                                               OverrideSlot::RequestConfirmationBeforeInstallForce};
inline constexpr FlagKey BackgroundUpdate{AgentIni::Info, "NewSetup", "BackgroundUpdate",
                                          OverrideSlot::BackgroundUpdate};
inline constexpr TextKey ShutDownMethod{AgentIni::Info, "NewSetup", "ShutDownMethod"};
inline constexpr FlagKey RestartProcess{AgentIni::Info, "NewSetup", "RestartProcess", OverrideSlot::RestartProcess};
inline constexpr FlagKey InformFinish{AgentIni::Info, "NewSetup", "InformFinish", OverrideSlot::InformFinish};
// May hold directory macros.
inline constexpr TextKey RunningProcess{AgentIni::Info, "NewSetup", "RunningProcess"};
inline constexpr TextKey ProgramName{AgentIni::Info, "NewSetup", "ProgramName"};
inline constexpr IntKey VersionNew{AgentIni::Info, "NewSetup", "VersionNew"};
inline constexpr IntKey Stamp{AgentIni::Info, "NewSetup", "Stamp"};
// Comma-separated installed versions the update applies to; empty = all.
inline constexpr TextKey ValidVersions{AgentIni::Info, "NewSetup", "ValidVersions"};
inline constexpr FlagKey RemoveStartUpShortcut{AgentIni::Info, "NewSetup", "RemoveStartUpShortcut"};
inline constexpr FlagKey RemoveCheckForNewUpdateShortcut{AgentIni::Info, "NewSetup", "RemoveCheckForNewUpdateShortcut"};
}  // namespace NewSetup

namespace General {
// 1 = show a new-version notice instead of updating.
inline constexpr IntKey AutoInform{AgentIni::Info, "General", "AutoInform"};
}  // namespace General

namespace AutoInform {
inline constexpr TextKey DownloadURL_INFORM{AgentIni::Info, "AutoInform", "DownloadURL_INFORM"};
inline constexpr TextKey NameOfInformFile{AgentIni::Info, "AutoInform", "NameOfInformFile"};
inline constexpr IntKey SizeOfInformFile{AgentIni::Info, "AutoInform", "SizeOfInformFile"};
inline constexpr IntKey AutoInformW{AgentIni::Info, "AutoInform", "AutoInformW", 360};
inline constexpr IntKey AutoInformH{AgentIni::Info, "AutoInform", "AutoInformH", 360};
}  // namespace AutoInform

}  // namespace vantor
