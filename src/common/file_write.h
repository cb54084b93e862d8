// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program writes a file that a user keeps: the report, its copies, projects,
// recovery copies, books, CSV.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

/// Why a file could not be written.
struct WriteFailure {
  int error = 0;            // the system's error number (errno)
  std::string system_text;  // the system's own text for it, e.g. "No space left on device"
  /// The reason as a Chinese engineer reads it, the system's text in brackets after it:
  /// "磁盘空间不足（No space left on device）".
  std::string Reason() const;
};

/// The path named by UTF-8 text (a command-line argument, a JSON string). A std::string alone
/// would be read in the ANSI code page on Windows, which has no room for most Chinese names.
std::filesystem::path PathFromUtf8(std::string_view utf8);

/// Writes `bytes` to `path` whole or not at all: into a temporary file beside it, every write,
/// the flush and the sync checked, and only then renamed over the old file. On any failure the
/// temporary file is removed, an existing file at `path` keeps its bytes, and the reason is
/// returned. Missing folders on the way are created.
std::optional<WriteFailure> WriteFileAtomically(const std::filesystem::path& path,
                                                std::string_view bytes);

}  // namespace velmora
