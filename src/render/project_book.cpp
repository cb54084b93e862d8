// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/project_book.h"

#include <variant>

#include "render/book_texts.h"

namespace velmora::render {

book::Document AssembleProjectBook(const ProjectInfo& info,
                                   const std::vector<book::Document>& chapters) {
  book::Document document;
  const std::string& subject = info.bridge_name.empty() ? info.project_name : info.bridge_name;
  document.title = subject + std::string(book_texts::kBookSuffix);
  document.page_header = info.project_name;
  document.table_of_contents = true;

  // The cover: what precedes the first page break (the renderers set it apart).
  std::vector<book::Block>& blocks = document.blocks;
  blocks.push_back(book::Heading{2, document.title});
  const auto line = [&](std::string_view label, const std::string& value) {
    blocks.push_back(book::Paragraph{{book::Run{std::string(label) + "：" + value}}});
  };
  line(book_texts::kProjectName, info.project_name);
  line(book_texts::kBridgeName, info.bridge_name);
  line(book_texts::kRoute, info.route);
  line(book_texts::kDesignUnit, info.design_unit);
  line(book_texts::kDate, info.date);
  blocks.push_back(book::PageBreak{});

  int number = 0;
  for (const book::Document& chapter : chapters) {
    if (number > 0) blocks.push_back(book::PageBreak{});
    ++number;
    for (const book::Block& block : chapter.blocks) {
      if (std::holds_alternative<book::SignatureBlock>(block)) continue;
      const auto* heading = std::get_if<book::Heading>(&block);
      if (heading != nullptr && heading->level <= 1) {
        blocks.push_back(book::Heading{1, std::to_string(number) + "  " + heading->text});
      } else {
        blocks.push_back(block);
      }
    }
  }
  blocks.push_back(
      book::SignatureBlock{{{std::string(book_texts::kCalculatedBy), info.calculated_by},
                            {std::string(book_texts::kCheckedBy), info.checked_by},
                            {std::string(book_texts::kApprovedBy), info.approved_by}}});
  return document;
}

}  // namespace velmora::render
