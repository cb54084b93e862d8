// SPDX-License-Identifier: GPL-3.0-or-later
// Page geometry and typefaces shared by the PDF, the printout and the Word file, so that they
// agree on what a page holds.
#pragma once

#include <QStringList>
#include <QTextDocument>
#include <memory>
#include <string>
#include <vector>

#include "book/document.h"

class QPaintDevice;

namespace velmora::render {

// A4 with the margins usual for Chinese engineering documents (binding edge on the left).
inline constexpr double kPageWidthMm = 210.0;
inline constexpr double kPageHeightMm = 297.0;
inline constexpr double kTopMm = 25.0;
inline constexpr double kBottomMm = 20.0;
inline constexpr double kLeftMm = 25.0;
inline constexpr double kRightMm = 20.0;
// Where the page header and the footer stand, measured from the paper's top and bottom edges.
inline constexpr double kHeaderMm = 15.0;
inline constexpr double kFooterMm = 10.0;

// Type sizes in points: 五号 for the text, 三号 / 四号 / 小四 for the three heading levels.
inline constexpr double kBodyPoints = 10.5;
inline constexpr double kHeadingPoints[] = {16.0, 14.0, 12.0};
inline constexpr double kSmallPoints = 9.0;
// The cover of a book with contents: its title (二号) and its lines (四号), set in from the left.
inline constexpr double kCoverTitlePoints = 22.0;
inline constexpr double kCoverLinePoints = 14.0;
inline constexpr double kCoverIndentPoints = 100.0;

/// Families for the text, in order of preference: a serif face for Latin, Greek and digits, then
/// a Song (Ming) face for Chinese. Both are TrueType, which a PDF embeds as a subset whose text
/// copies out as written; Noto CJK (OpenType) is only the last resort, since its shared glyphs
/// copy out as Kangxi radicals (水 as ⽔).
QStringList TextFamilies();

/// The contents' title and the prefix of a note.
inline constexpr std::string_view kContentsTitle = "目    录";
inline constexpr std::string_view kNotePrefix = "注意：";

/// The footer of page `page` of `pages`: "第 x 页 共 y 页".
std::string FooterText(int page, int pages);

/// A laid-out book: the text document sized to the body of an A4 page of `device`, and the
/// first page of every level-1 heading (the contents' page numbers).
struct LaidOutBook {
  std::unique_ptr<QTextDocument> text;
  double dots_per_mm = 0.0;
  std::vector<int> chapter_pages;
};

/// Lays the book out against the metrics of `device` (its resolution decides the units).
LaidOutBook LayOut(const book::Document& document, QPaintDevice& device);

/// The level-1 headings that the contents list, in order.
std::vector<std::string> ChapterTitles(const book::Document& document);

/// Where the contents go: the index of the block before which they stand (after the cover, which
/// is whatever precedes the first page break that comes before the first chapter). The cover's
/// headings are set as its title and its paragraphs as its lines.
std::size_t ContentsPosition(const book::Document& document);

}  // namespace velmora::render
