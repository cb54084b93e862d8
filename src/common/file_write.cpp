// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <random>
#include <system_error>

#include "common/texts.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace velmora {
namespace {

namespace fs = std::filesystem;

WriteFailure FailureOf(int error) {
  if (error == 0) error = EIO;  // a step failed without saying why
  return WriteFailure{error, std::generic_category().message(error)};
}

// A name beside the target that nobody else uses: a random suffix, tried until one is free.
fs::path TemporaryName(const fs::path& target, bool short_name, std::uint64_t salt) {
  static std::atomic<std::uint64_t> counter{0};
  static const std::uint64_t seed = std::random_device{}();
  std::uint64_t mixed =
      seed ^ salt ^ (++counter * 0x9E3779B97F4A7C15ULL) ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  mixed ^= mixed >> 31;
  mixed *= 0xBF58476D1CE4E5B9ULL;
  mixed ^= mixed >> 29;
  constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 8; ++i) {
    suffix += kDigits[mixed % 36];
    mixed /= 36;
  }
  // A hidden name that still says whose it is; a long file name would make it too long.
  fs::path name =
      short_name ? fs::path(".velmora-" + suffix + ".tmp")
                 : fs::path(".").concat(target.filename().native()).concat("." + suffix + ".tmp");
  return target.parent_path() / name;
}

#ifdef _WIN32

int ErrnoOfWindows(DWORD error) {
  switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    default:
      return EIO;
  }
}

int OpenNew(const fs::path& path) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                _S_IREAD | _S_IWRITE);
}
int WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1U << 30)));
}
int Sync(int fd) { return _commit(fd); }
int Close(int fd) { return _close(fd); }
void KeepMode(int, const fs::path&) {}  // Windows files have no permission bits to carry over
int Replace(const fs::path& from, const fs::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return 0;
  }
  return ErrnoOfWindows(GetLastError());
}
void SyncFolder(const fs::path&) {}  // MOVEFILE_WRITE_THROUGH has flushed the move

#else

int OpenNew(const fs::path& path) {
  // 0666 less the umask, as any new file; the old file's bits replace it below.
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
ssize_t WriteSome(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, std::min<std::size_t>(size, std::size_t{1} << 30));
}
int Sync(int fd) {
  int result;
  do {
    result = ::fsync(fd);
  } while (result != 0 && errno == EINTR);
  // A file system that cannot sync still has the data: not a failure of the write.
  if (result != 0 && (errno == EINVAL || errno == ENOTSUP)) result = 0;
  return result;
}
int Close(int fd) {
  // On Linux the descriptor is gone even when close reports EINTR.
  const int result = ::close(fd);
  return result != 0 && errno == EINTR ? 0 : result;
}
void KeepMode(int fd, const fs::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    (void)::fchmod(fd, old.st_mode & 07777);
  }
}
int Replace(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}
void SyncFolder(const fs::path& folder) {
  // Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  (void)::close(fd);
}

#endif

// Creates the folders on the way to `target`; a file standing where a folder should be is
// reported as such, not as the "file exists" the system says.
std::optional<WriteFailure> CreateFolders(const fs::path& folder) {
  if (folder.empty()) return std::nullopt;
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error) return std::nullopt;
  if (error == std::errc::file_exists || error == std::errc::not_a_directory) {
    return FailureOf(ENOTDIR);
  }
  return FailureOf(error.value());
}

// Writes all of `bytes` to `fd`: interrupted writes are retried, short writes continued.
int WriteAll(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const auto written = WriteSome(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return ENOSPC;  // a regular file that takes nothing more is full
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return 0;
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string WriteFailure::Reason() const {
  std::string_view words = texts::kWriteFailed;
  switch (error) {
    case ENOSPC:
      words = texts::kNoSpace;
      break;
#ifdef EDQUOT
    case EDQUOT:
      words = texts::kQuotaExceeded;
      break;
#endif
    case EACCES:
    case EPERM:
      words = texts::kNoPermission;
      break;
    case EROFS:
      words = texts::kReadOnlyFileSystem;
      break;
    case ENOTDIR:
      words = texts::kFileBlocksFolder;
      break;
    case EISDIR:
      words = texts::kFolderBlocksFile;
      break;
    case ENAMETOOLONG:
      words = texts::kNameTooLong;
      break;
    case ENOENT:
      words = texts::kNoSuchFolder;
      break;
    case EFBIG:
      words = texts::kFileTooLarge;
      break;
    case EIO:
      words = texts::kDeviceError;
      break;
    default:
      break;
  }
  std::string reason(words);
  if (!system_text.empty()) reason += "（" + system_text + "）";
  return reason;
}

std::optional<WriteFailure> WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  if (path.empty() || !path.has_filename()) return FailureOf(EISDIR);
  std::error_code error;
  // A link is kept as a link: the file it points at is the one replaced.
  fs::path target = path;
  if (fs::is_symlink(path, error)) {
    const fs::path resolved = fs::weakly_canonical(path, error);
    if (!error) target = resolved;
  }
  if (auto failure = CreateFolders(target.parent_path())) return failure;
  if (fs::is_directory(target, error)) return FailureOf(EISDIR);

  fs::path temporary;
  int fd = -1;
  bool short_name = false;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryName(target, short_name, static_cast<std::uint64_t>(attempt));
    fd = OpenNew(temporary);
    if (fd >= 0 || errno == EEXIST) continue;
    if (errno == ENAMETOOLONG && !short_name) {
      short_name = true;
      continue;
    }
    return FailureOf(errno);
  }
  if (fd < 0) return FailureOf(EEXIST);
  KeepMode(fd, target);

  int failed = WriteAll(fd, bytes);
  if (failed == 0 && Sync(fd) != 0) failed = errno;
  if (Close(fd) != 0 && failed == 0) failed = errno;
  if (failed == 0) failed = Replace(temporary, target);
  if (failed != 0) {
    fs::remove(temporary, error);
    return FailureOf(failed);
  }
  SyncFolder(target.parent_path());
  return std::nullopt;
}

}  // namespace velmora
