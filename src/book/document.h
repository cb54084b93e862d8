// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation book as a document model: what a book says, not how it looks. The PDF and
// Word writers and the print preview all render this one model.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora::book {

enum class RunStyle { kPlain, kSubscript, kSuperscript };

/// A stretch of text in one style. Greek letters and primes are plain UTF-8 characters
/// (χ, μ, V0′); only sub- and superscripts need a style of their own.
struct Run {
  std::string text;
  RunStyle style = RunStyle::kPlain;
  bool italic = false;
  bool operator==(const Run&) const = default;
};
using Runs = std::vector<Run>;

/// Runs from a small markup: `_{...}` a subscript, `^{...}` a superscript, a single character
/// after `_` or `^` likewise; `\_` and `\^` stand for the characters themselves.
/// "h_{p1}" → h, p1 (sub); "R^{2/3}" → R, 2/3 (sup); "Q_{2%}"; "V_0′".
Runs Markup(std::string_view text);

/// The runs' text with the styles dropped (for tests and plain output).
std::string PlainText(const Runs& runs);

/// The runs with a zero-width space after each ×, + and − of the plain text: a long formula in a
/// narrow table cell then wraps between its terms, never inside a number.
Runs BreakableBetweenTerms(Runs runs);

struct Heading {
  int level = 1;  // 1: a chapter, 2: a section of it, 3: below that
  std::string text;
};

struct Paragraph {
  Runs runs;
};

/// One line of a formula, set apart from the text.
struct FormulaLine {
  Runs runs;
};

/// A table with a heading row; every cell is runs.
struct Table {
  std::vector<Runs> header;
  std::vector<std::vector<Runs>> rows;
  /// Relative column widths; empty means equal columns.
  std::vector<double> widths;
};

/// A warning set apart: "注意：…".
struct Note {
  Runs runs;
};

/// The names under 计算 / 复核 / 审核 with lines to sign on.
struct SignatureBlock {
  std::vector<std::pair<std::string, std::string>> roles;  // (role, name)
};

struct PageBreak {};

using Block = std::variant<Heading, Paragraph, FormulaLine, Table, Note, SignatureBlock, PageBreak>;

/// A whole book, or one calculator's chapter on its own.
struct Document {
  std::string title;               // the document's title (PDF metadata, Word core properties)
  std::string page_header;         // the text in every page's header, e.g. the project's name
  bool table_of_contents = false;  // a contents list of the level-1 headings after the cover
  std::vector<Block> blocks;
};

}  // namespace velmora::book
