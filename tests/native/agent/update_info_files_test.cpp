// Where the agent's two INI files lie.
#include <gtest/gtest.h>

#include <string>

#include "agent/update_info_files.h"
#include "package/byte_source.h"
#include "package/package_writer.h"

namespace vantor {
namespace {

TGFileInfo AgentWithInfoFile(const std::string& infoFile) {
  PackageSpec spec;
  spec.stub = "program";
  spec.setupDescriptor = "|http://example.com/|" + infoFile + "|Agent.exe|tok|0|";
  spec.trailer.agent = true;
  const BuiltPackage built = BuildPackage(spec);
  EXPECT_EQ(built.error, "");
  MemorySource source(built.bytes);
  return TGFileInfo(&source);
}

TEST(AgentIniFilesIn, NamesFollowTheInfoFileOfThePackage) {
  const struct {
    const char* folder;
    const char* infoFile;
    const char* original;
    const char* info;
  } cases[] = {
      {"C:\\App", "Widget.info", "C:\\App\\Widget.original", "C:\\App\\Widget.info"},
      {"C:\\App\\", "Setup.1.0.info", "C:\\App\\Setup.original", "C:\\App\\Setup.1.0.info"},
      {"D:\\P", "http://example.com/upd/Widget.2.info", "D:\\P\\Widget.original", "D:\\P\\Widget.2.info"},
      {"D:\\P", "\\\\server\\share\\W.info", "D:\\P\\W.original", "D:\\P\\W.info"},
  };
  for (const auto& c : cases) {
    const AgentIniFiles files = AgentIniFilesIn(c.folder, AgentWithInfoFile(c.infoFile));
    EXPECT_EQ(files.original, c.original) << c.infoFile;
    EXPECT_EQ(files.info, c.info) << c.infoFile;
    EXPECT_EQ(files.PathOf(AgentIni::Original), c.original);
    EXPECT_EQ(files.PathOf(AgentIni::Info), c.info);
  }
}

}  // namespace
}  // namespace vantor
