// TGFileInfo: the package information of one file (its trailer and header
// texts), read once at construction and then only queried.
#pragma once

#include <string>

#include "package/byte_source.h"
#include "package/package_layout.h"

namespace vantor {

class TGFileInfo {
 public:
  // Reads the trailer and, when the magic matches, the header texts. A null
  // source stands for a missing file and gives an empty object.
  explicit TGFileInfo(ByteSource* source);
  // Opens the file at path for shared reading (Windows layer, file_info_win.cpp).
  explicit TGFileInfo(const std::string& path);

  const PackageTrailer& Trailer() const { return trailer_; }
  const std::string& LanguageTable() const { return languageTable_; }
  const std::string& SetupDescriptor() const { return setupDescriptor_; }
  const std::string& WebDescriptor() const { return webDescriptor_; }

  // SpaceRequired for the cluster size of the drive (0 when unknown).
  double SpaceRequiredFor(uint32_t clusterSize) const;

  bool TempDriveNotice() const { return trailer_.HasFlag(kFlagTempDriveNotice); }
  bool MultiPart() const { return trailer_.HasFlag(kFlagMultiPart); }
  bool CdStart() const { return trailer_.HasFlag(kFlagCdStart); }
  bool CyclingBar() const { return trailer_.HasFlag(kFlagCyclingBar); }
  bool Logging() const { return trailer_.HasFlag(kFlagLogging); }
  bool WebSetup() const { return trailer_.Byte(kOffsetWebSetup) != 0; }
  bool AskBeforeDownload() const { return trailer_.Byte(kOffsetAskBeforeDownload) != 0; }
  bool CreateAgent() const { return trailer_.Byte(kOffsetCreateAgent) != 0; }
  bool IsAgent() const { return trailer_.Byte(kOffsetAgent) != 0; }

  std::string UpdateBase() const;
  std::string InfoFileName() const;           // file-name part of SetupDescriptor item 1
  std::string InstalledVersionFileName() const;  // item 1 without extensions + ".original"
  std::string AgentExeName() const;
  std::string SetupToken(bool unscrambled) const;
  bool QuietFlag() const;
  std::string WebBase() const;
  std::string SetupFileName() const;
  bool NoLocalLookup() const;
  std::string WebToken(bool unscrambled) const;
  std::string SetupFileSizeText() const;
  bool SameWebToken(const TGFileInfo& other) const;

 private:
  PackageTrailer trailer_;
  std::string languageTable_;
  std::string setupDescriptor_;
  std::string webDescriptor_;
};

}  // namespace vantor
