// SPDX-License-Identifier: GPL-3.0-or-later
// A book written to a file whole: PDF or Word by the file's extension.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "book/document.h"

namespace velmora::render {

enum class BookFormat { kPdf, kDocx };

/// The format a file name asks for (".pdf" or ".docx", in any case), or none.
std::optional<BookFormat> FormatOf(const std::filesystem::path& path);

/// Writes the book in the format its extension names. Returns the reason when it cannot be
/// written (the extension, the rendering or the file), in words a user reads; an existing file
/// at `path` is then left as it was. Needs a QGuiApplication for the fonts.
std::optional<std::string> WriteBook(const book::Document& document,
                                     const std::filesystem::path& path);

}  // namespace velmora::render
