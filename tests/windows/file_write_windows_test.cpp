// SPDX-License-Identifier: GPL-3.0-or-later
// The checked write on Windows: wide names, replacing through MoveFileEx, Windows' errors in
// the reasons a user reads.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/file_write.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileWriteWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / PathFromUtf8("velmora 写入测试");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(FileWriteWindows, ChineseNamesFoldersAndReplacing) {
  const fs::path path = folder_ / PathFromUtf8("工具箱/Velmora/设计水位估算.txt");
  ASSERT_FALSE(WriteFileAtomically(path, "first\r\n").has_value());
  const auto failure = WriteFileAtomically(path, "第二\r\n");
  ASSERT_FALSE(failure.has_value()) << failure->system_text;
  EXPECT_EQ(Read(path), "第二\r\n");
  // Nothing but the file itself: the temporary one was renamed over it.
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator()), 1);
}

struct FailureCase {
  const char* name;
  const char* target;  // under the test's folder, which holds old.txt and folder.txt/
  int error;
};

class FileWriteWindowsFailure : public FileWriteWindows,
                                public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FileWriteWindowsFailure, OldFileStaysAndTheReasonIsNamed) {
  std::ofstream(folder_ / "old.txt", std::ios::binary) << "earlier";
  fs::create_directory(folder_ / "folder.txt");
  const auto failure = WriteFileAtomically(folder_ / PathFromUtf8(GetParam().target), "new");
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->error, GetParam().error) << failure->system_text;
  EXPECT_EQ(Read(folder_ / "old.txt"), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

INSTANTIATE_TEST_SUITE_P(Table, FileWriteWindowsFailure,
                         ::testing::Values(FailureCase{"FileWhereAFolderShouldBe",
                                                       "old.txt/子/new.txt", ENOTDIR},
                                           FailureCase{"TargetIsAFolder", "folder.txt", EISDIR}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
