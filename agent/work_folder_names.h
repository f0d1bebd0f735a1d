// The names of the working folders, and the choice of the drive for the
// fallback working folder, from given facts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// tempFolder (with its trailing backslash) + "SETUP_" + the time-of-day half
// (low 16 bits) of the program file's DOS date-time in decimal: 0x6B3A gives
// SETUP_27450. Two processes of one program file get the same name.
std::string SetupWorkFolderName(std::string_view tempFolder, uint32_t programDosDateTime);

// What the probe of one drive found: 0 when the drive is not fixed or the
// probe file could not be written, -1 when its free space is unknown.
struct DriveSpace {
  char letter = '\0';
  double freeBytes = 0;
};

// The drive, of those given in order, with strictly the most free space, an
// earlier one winning ties; '\0' when none has more than 0 bytes free or the
// winner holds the temporary folder already.
char FallbackDrive(std::string_view tempFolder, const std::vector<DriveSpace>& drives);
// "D:\TEMP" for the letter d or D.
std::string DriveTempFolder(char letter);
// The drive's TEMP folder, or "D:\TEMP\TEMP" when D:\TEMP already exists, so
// that the fallback work folder (this + "_" + a number) lies inside it.
std::string FallbackTempRootOn(char letter, bool tempFolderExists);

}  // namespace vantor
