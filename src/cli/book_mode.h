// SPDX-License-Identifier: GPL-3.0-or-later
// velmora-calc --book: a press's chapter, or a whole book, written as PDF or Word.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "book/document.h"

namespace velmora {

/// Exit status of a book that could not be written.
inline constexpr int kBookNotWritten = 3;

/// `--book OUT FORM BUTTON [CONTROL=TEXT ...]`: presses the button as the runner does, writes
/// the press's chapter to OUT (.pdf or .docx) and prints the press's JSON. `args` starts with
/// "--book". Returns 0, 2 for a request the runner cannot carry out, or 3 with the reason on
/// `err` when the book cannot be written (nothing is left at OUT then).
int RunBookMode(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// Writes any book (a chapter, or the project's book for `--project FILE --book OUT`) with a
/// QGuiApplication on the offscreen platform when none runs. Returns 0, or 3 with the reason.
int WriteBookFile(const book::Document& document, const std::string& path, std::ostream& err);

}  // namespace velmora
