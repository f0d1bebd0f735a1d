// The download-only setup file's pure pieces: its agent copy and its
// download question.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The download-only file as an agent file: cut at its recorded PackageEnd
// (low half at 252, no PE test) so that data appended after the package, such
// as a signature, is dropped, then the trailer's agent byte (the 5th byte
// from the end) set to 1.
std::string DownloadOnlyAgentCopy(std::string bytes);

// The download question with "<SIZE>" as megabytes of the size text (0 when
// it is not a number).
std::string DownloadQuestion(std::string_view question, std::string_view setupFileSize);

}  // namespace vantor
