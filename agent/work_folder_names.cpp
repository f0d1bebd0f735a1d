#include "agent/work_folder_names.h"

#include "base/text.h"

namespace vantor {

std::string SetupWorkFolderName(std::string_view tempFolder, uint32_t programDosDateTime) {
  return std::string(tempFolder) + "SETUP_" + std::to_string(programDosDateTime & 0xFFFFu);
}

char FallbackDrive(std::string_view tempFolder, const std::vector<DriveSpace>& drives) {
  const char tempLetter = tempFolder.empty() ? '\0' : UpperAscii(tempFolder.front());
  char best = tempLetter;
  double bestFree = 0;
  for (const DriveSpace& drive : drives) {
    if (drive.freeBytes > bestFree) {
      bestFree = drive.freeBytes;
      best = UpperAscii(drive.letter);
    }
  }
  return best == tempLetter ? '\0' : best;
}

std::string DriveTempFolder(char letter) { return std::string(1, UpperAscii(letter)) + ":\\TEMP"; }

std::string FallbackTempRootOn(char letter, bool tempFolderExists) {
  return tempFolderExists ? DriveTempFolder(letter) + "\\TEMP" : DriveTempFolder(letter);
}

}  // namespace vantor
