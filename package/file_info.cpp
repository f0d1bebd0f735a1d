#include "package/file_info.h"

#include <algorithm>

#include "base/file_names.h"
#include "base/text.h"
#include "package/scramble.h"

namespace vantor {

namespace {

// One header record at offset: a u32 length and that many bytes. A length
// that runs past the end yields the bytes present, never a larger allocation.
std::string ReadHeaderText(ByteSource& file, int64_t offset, uint32_t& length) {
  length = 0;
  ReadU32At(file, offset, length);
  const int64_t available = std::max<int64_t>(0, file.Size() - (offset + 4));
  std::string text(static_cast<std::size_t>(std::min<int64_t>(length, available)), '\0');
  text.resize(file.ReadAt(offset + 4, text.data(), text.size()));
  return text;
}

std::string Item(const std::string& list, int index) { return BarItem(list, index, ""); }

}  // namespace

TGFileInfo::TGFileInfo(ByteSource* source) {
  if (source == nullptr) return;
  ReadTrailer(*source, trailer_);
  if (trailer_.Magic() != kPackageMagic) return;
  int64_t offset = trailer_.PayloadOffset();
  // Each text read moves the object's PayloadOffset past it, so that it ends
  // at the first file record.
  auto readNext = [&]() {
    uint32_t length = 0;
    std::string text = ReadHeaderText(*source, offset, length);
    offset += int64_t{4} + length;
    trailer_.SetU32(kOffsetPayloadOffset, trailer_.PayloadOffset() + length + 4);
    return text;
  };
  languageTable_ = readNext();
  setupDescriptor_ = readNext();
  if (trailer_.HeaderCount() >= 3) webDescriptor_ = readNext();
}

double TGFileInfo::SpaceRequiredFor(uint32_t clusterSize) const {
  return SelectSpaceRequired(trailer_, clusterSize);
}

std::string TGFileInfo::UpdateBase() const { return Item(setupDescriptor_, 0); }

std::string TGFileInfo::InfoFileName() const { return ExtractFileName(Item(setupDescriptor_, 1)); }

std::string TGFileInfo::InstalledVersionFileName() const {
  return FileNameWithoutExt(Item(setupDescriptor_, 1), true) + ".original";
}

std::string TGFileInfo::AgentExeName() const { return Item(setupDescriptor_, 2); }

std::string TGFileInfo::SetupToken(bool unscrambled) const {
  const std::string token = Item(setupDescriptor_, 3);
  return unscrambled ? Unscramble(token) : token;
}

bool TGFileInfo::QuietFlag() const { return Item(setupDescriptor_, 4) == "1"; }

std::string TGFileInfo::WebBase() const { return Item(webDescriptor_, 0); }

std::string TGFileInfo::SetupFileName() const { return Item(webDescriptor_, 1); }

bool TGFileInfo::NoLocalLookup() const { return Item(webDescriptor_, 2) == "1"; }

std::string TGFileInfo::WebToken(bool unscrambled) const {
  const std::string token = Item(webDescriptor_, 3);
  return unscrambled ? Unscramble(token) : token;
}

std::string TGFileInfo::SetupFileSizeText() const { return Item(webDescriptor_, 4); }

bool TGFileInfo::SameWebToken(const TGFileInfo& other) const {
  // Tokens that do not check never match: their random stand-ins could be
  // equal by chance and would accept a foreign file.
  const std::optional<std::string> mine = TryUnscramble(Item(webDescriptor_, 3));
  const std::optional<std::string> theirs = TryUnscramble(Item(other.webDescriptor_, 3));
  return mine && theirs && *mine == *theirs;
}

}  // namespace vantor
