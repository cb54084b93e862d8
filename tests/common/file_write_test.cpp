// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_write.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

int Entries(const fs::path& folder) {
  return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// A fresh folder per test; a small file system mounted on it when the test asks for one.
class FileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A parameterised test's name has a slash, which would leave its parent folder behind.
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '-');
    folder_ =
        fs::temp_directory_path() / ("velmora-write-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    fs::remove_all(folder_);
  }
  // A tmpfs of this size and inode count, or false where this process may not mount.
  bool MountSmall(const std::string& options) {
    mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    return mounted_;
  }

  fs::path folder_;
  bool mounted_ = false;
};

TEST_F(FileWriteTest, ReplacesWholeKeepsModeCreatesFoldersLeavesNoTemporary) {
  const fs::path path = folder_ / "a" / "b" / "设计水位估算.txt";
  ASSERT_FALSE(WriteFileAtomically(path, std::string(100000, 'x')).has_value());
  ::chmod(path.c_str(), 0640);
  const std::string shorter("short\r\n\0tail", 12);
  ASSERT_FALSE(WriteFileAtomically(path, shorter).has_value());
  EXPECT_EQ(Read(path), shorter);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640U);
  EXPECT_EQ(Entries(path.parent_path()), 1);
  ASSERT_FALSE(WriteFileAtomically(path, "").has_value());
  EXPECT_EQ(fs::file_size(path), 0U);
}

TEST_F(FileWriteTest, ThroughALinkTheLinkedFileIsReplaced) {
  Put(folder_ / "real.txt", "old");
  fs::create_symlink("real.txt", folder_ / "link.txt");
  ASSERT_FALSE(WriteFileAtomically(folder_ / "link.txt", "new").has_value());
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
  EXPECT_EQ(Read(folder_ / "real.txt"), "new");
}

struct FailureCase {
  const char* name;
  const char* mount_options;  // a small file system under the folder, or none
  // Prepares the folder; returns the path to write.
  std::function<fs::path(const fs::path&)> prepare;
  std::size_t size;
  int error;
  const char* reason;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class FileWriteFailureTest : public FileWriteTest,
                             public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FileWriteFailureTest, OldFileKeepsItsBytesAndTheReasonIsNamed) {
  const FailureCase& c = GetParam();
  if (c.mount_options != nullptr && !MountSmall(c.mount_options)) {
    GTEST_SKIP() << "cannot mount a small file system here";
  }
  const std::string old_bytes = "earlier report\r\n";
  Put(folder_ / "old.txt", old_bytes);
  const fs::path path = c.prepare(folder_);
  const int entries = Entries(folder_);

  const auto failure = WriteFileAtomically(path, std::string(c.size, 'n'));
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->error, c.error) << failure->system_text;
  EXPECT_EQ(failure->Reason(), std::string(c.reason) + "（" + failure->system_text + "）");
  EXPECT_EQ(Read(folder_ / "old.txt"), old_bytes);
  EXPECT_EQ(Entries(folder_), entries);  // no temporary file left behind
}

fs::path Old(const fs::path& folder) { return folder / "old.txt"; }

// Fills a small file system to its last block, so that a new file can hold nothing.
fs::path FillBlocks(const fs::path& folder) {
  std::ofstream filler(folder / "filler", std::ios::binary);
  const std::string block(4096, 'f');
  while (filler.write(block.data(), block.size())) {
  }
  return Old(folder);
}

// Uses up every inode: a new file cannot even be created.
fs::path FillInodes(const fs::path& folder) {
  for (int i = 0; i < 64; ++i) {
    std::ofstream probe(folder / ("n" + std::to_string(i)));
    if (!probe) break;
  }
  return Old(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FileWriteFailureTest,
    ::testing::Values(
        FailureCase{"FileWhereAFolderShouldBe", nullptr,
                    [](const fs::path& f) { return f / "old.txt" / "sub" / "new.txt"; }, 10,
                    ENOTDIR, "同名的文件挡住了文件夹"},
        FailureCase{"FileWhereTheLastFolderShouldBe", nullptr,
                    [](const fs::path& f) { return f / "old.txt" / "new.txt"; }, 10, ENOTDIR,
                    "同名的文件挡住了文件夹"},
        FailureCase{"TargetIsAFolder", nullptr,
                    [](const fs::path& f) {
                      fs::create_directory(f / "folder.txt");
                      return f / "folder.txt";
                    },
                    10, EISDIR, "同名的文件夹挡住了文件"},
        FailureCase{"NameTooLong", nullptr,
                    [](const fs::path& f) { return f / std::string(300, 'n'); }, 10, ENAMETOOLONG,
                    "文件名太长"},
        // The data is handed over in part before the disk is full.
        FailureCase{"DiskFullWhileWriting", "size=64k", Old, 256 * 1024, ENOSPC, "磁盘空间不足"},
        FailureCase{"DiskAlreadyFull", "size=64k", FillBlocks, 10, ENOSPC, "磁盘空间不足"},
        FailureCase{"NoInodeLeft", "size=1m,nr_inodes=8", FillInodes, 10, ENOSPC, "磁盘空间不足"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
