// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/project_book.h"

#include <QDate>
#include <algorithm>
#include <variant>

#include "chain/plausibility.h"
#include "common/format_pattern.h"
#include "project/recalculate.h"
#include "render/book_texts.h"
#include "render/press_chapter.h"

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

namespace {

book::Runs Plain(std::string text) { return {book::Run{std::move(text)}}; }

// Depths and elevations to the millimetre, as the summary window shows them, without the
// pattern's bare point after a whole number ("100." is 100).
std::string Metres(const std::optional<double>& value) {
  if (!value) return "—";
  std::string text = FormatPattern(Real(*value), "#####.###");
  if (text.ends_with('.')) text.pop_back();
  return text;
}

// Notes go after the chapter's own, before its lines to sign on.
void AddNotes(book::Document& chapter, const std::vector<std::string>& notes) {
  if (notes.empty()) return;
  auto end = std::find_if(chapter.blocks.begin(), chapter.blocks.end(), [](const book::Block& b) {
    return std::holds_alternative<book::SignatureBlock>(b);
  });
  const bool headed = std::any_of(chapter.blocks.begin(), end, [](const book::Block& b) {
    const auto* heading = std::get_if<book::Heading>(&b);
    return heading != nullptr && heading->level == 2 && heading->text == book_texts::kNotes;
  });
  std::vector<book::Block> added;
  if (!headed) added.push_back(book::Heading{2, std::string(book_texts::kNotes)});
  for (const std::string& note : notes) added.push_back(book::Note{Plain(note)});
  chapter.blocks.insert(end, added.begin(), added.end());
}

}  // namespace

book::Document ScourSummaryChapter(const chain::ScourSummary& summary) {
  book::Document chapter;
  chapter.title = std::string(book_texts::kScourSummary);
  std::vector<book::Block>& blocks = chapter.blocks;
  blocks.push_back(book::Heading{1, chapter.title});
  blocks.push_back(book::Paragraph{
      Plain("设计水位标高 H = " +
            (summary.water_level ? Metres(summary.water_level) + " m" : std::string("（未输入）")) +
            "；桥梁类别：" + (summary.special_bridge ? "特殊大桥" : "一般桥梁") + "。")});

  blocks.push_back(book::Heading{2, "各公式冲刷深度"});
  book::Table formulas{
      .header = {Plain("墩台"), Plain("公式"), Plain("一般冲刷(m)"), Plain("局部冲刷(m)"),
                 Plain("总冲刷深度(m)"), Plain("河床面以下(m)")},
      .widths = {2.2, 2.2, 1.2, 1.2, 1.3, 1.3}};
  for (const chain::ScourElement& e : summary.elements) {
    for (std::size_t i = 0; i < e.formulas.size(); ++i) {
      const chain::ScourFormula& f = e.formulas[i];
      formulas.rows.push_back({Plain(i == 0 ? e.caption : std::string()),
                               Plain(f.name + (i == e.governing ? "（控制）" : "")),
                               Plain(Metres(f.general)), Plain(Metres(f.local)),
                               Plain(Metres(f.total)), Plain(Metres(f.below_bed))});
    }
  }
  blocks.push_back(std::move(formulas));

  blocks.push_back(book::Heading{2, "最低冲刷线高程及基础埋深"});
  book::Table lines{.header = {Plain("墩台"), Plain("设计水位H(m)"), Plain("控制总冲刷深度(m)"),
                               Plain("最低冲刷线高程(m)"), Plain("基底高程(m)"), Plain("埋深(m)"),
                               Plain("埋深安全值(m)"), Plain("结论")},
                    .widths = {2, 1.2, 1.3, 1.4, 1.2, 1.3, 1.3, 1}};
  for (const chain::ScourElement& e : summary.elements) {
    const std::string verdict = !e.passes ? "—" : *e.passes ? "满足" : "不满足";
    lines.rows.push_back({Plain(e.caption), Plain(Metres(e.water_level)),
                          Plain(Metres(e.formulas[e.governing].total)), Plain(Metres(e.scour_line)),
                          Plain(Metres(e.foundation)), Plain(Metres(e.embedment)),
                          Plain(Metres(e.required)), Plain(verdict)});
  }
  blocks.push_back(std::move(lines));
  return chapter;
}

std::optional<book::Document> ProjectBook(const Project& project) {
  Project recalculated = project;
  const std::vector<ProjectPress> presses = RecalculateProject(recalculated);
  return ProjectBook(recalculated, presses);
}

std::optional<book::Document> ProjectBook(const Project& recalculated,
                                          const std::vector<ProjectPress>& presses) {
  if (presses.empty()) return std::nullopt;
  const std::vector<chain::Flag> flags = chain::ProjectFlags(recalculated);
  std::vector<book::Document> chapters;
  for (const ProjectPress& press : presses) {
    book::Document chapter = PressChapter(*press.window, press.button, press.before, press.effects);
    std::vector<std::string> notes;
    for (const chain::Flag& flag : flags) {
      if (flag.form == press.window->form) notes.push_back(flag.text);
    }
    AddNotes(chapter, notes);
    chapters.push_back(std::move(chapter));
  }
  const chain::ScourSummary summary = chain::SummarizeScour(recalculated);
  if (!summary.elements.empty()) chapters.push_back(ScourSummaryChapter(summary));

  const velmora::ProjectInfo& given = recalculated.info;
  const ProjectInfo info{
      .project_name = given.name,
      .bridge_name = given.bridge,
      .route = given.route,
      .design_unit = given.designer,
      .date = !given.date.empty()
                  ? given.date
                  : QDate::currentDate().toString(QStringLiteral("yyyy年M月d日")).toStdString(),
      .calculated_by = given.calculated_by,
      .checked_by = given.checked_by,
      .approved_by = given.approved_by};
  return AssembleProjectBook(info, chapters);
}

}  // namespace velmora::render
