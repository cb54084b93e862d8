// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/press_chapter.h"

#include <variant>

#include "book/chapter.h"
#include "render/book_texts.h"

namespace velmora::render {
namespace {

using book::Runs;

Runs Plain(std::string_view text) { return {book::Run{std::string(text)}}; }

// A label as a table's item: without the colon that leads to its field, and on one line.
std::string ItemText(std::string_view caption) {
  std::string text(caption);
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  for (std::string_view colon : {"：", ":"}) {
    while (text.ends_with(' ')) text.pop_back();
    if (text.ends_with(colon)) text.erase(text.size() - colon.size());
  }
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::vector<const Button*> CalculatingButtons(const Window& window) {
  std::vector<const Button*> calculating;
  for (const Button* button : Buttons(window)) {
    if (std::holds_alternative<Handler>(button->action)) calculating.push_back(button);
  }
  return calculating;
}

book::Document PressChapter(const Window& window, std::string_view button,
                            const FormState& before) {
  return PressChapter(window, button, before, PressButton(window, button, before));
}

book::Document PressChapter(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects) {
  // A calculator's own chapter, step by step, where it has one.
  if (std::optional<book::Document> own = book::ChapterFor(window, button, before)) {
    own->page_header = own->title + std::string(book_texts::kBookSuffix);
    own->blocks.push_back(book::SignatureBlock{
        {{std::string(book_texts::kCalculatedBy), ""}, {std::string(book_texts::kCheckedBy), ""}}});
    return *own;
  }
  book::Document chapter;
  chapter.title = std::string(window.caption);
  // A window with several calculations names the one pressed, unless it is plain "计算".
  const Button* pressed = FindButton(window, button);
  if (pressed != nullptr && CalculatingButtons(window).size() > 1) {
    std::string caption;
    for (char c : pressed->caption) {
      if (c != ' ') caption += c;
    }
    if (caption != book_texts::kCalculate) chapter.title += "（" + caption + "）";
  }
  chapter.page_header = chapter.title + std::string(book_texts::kBookSuffix);
  std::vector<book::Block>& blocks = chapter.blocks;
  blocks.push_back(book::Heading{1, chapter.title});

  blocks.push_back(book::Heading{2, std::string(book_texts::kInputs)});
  book::Table inputs{.header = {Plain(book_texts::kItem), Plain(book_texts::kValue)},
                     .widths = {3, 1}};
  for (const Field* field : Fields(window)) {
    if (field->role != FieldRole::kInput) continue;
    // A field left empty is one the calculation does not use (the other section type).
    const auto it = before.fields.find(field->control);
    if (it == before.fields.end() || it->second.empty()) continue;
    inputs.rows.push_back({Plain(ItemText(field->label.caption)), Plain(it->second)});
  }
  for (const Option* option : Options(window)) {
    if (option->control == before.selected_option) {
      inputs.rows.push_back({Plain(book_texts::kOption), Plain(option->caption)});
    }
  }
  blocks.push_back(std::move(inputs));

  const FormState after = ApplyEffects(before, effects);
  blocks.push_back(book::Heading{2, std::string(book_texts::kResults)});
  // One table per frame of results, under the frame's caption where the window has several
  // (the same quantity by two formulas).
  std::vector<std::pair<std::string_view, book::Table>> groups;
  for (const Block& block : window.blocks) {
    book::Table results{.header = {Plain(book_texts::kItem), Plain(book_texts::kResult)},
                        .widths = {3, 1}};
    for (const Item& item : block.items) {
      const auto* field = std::get_if<Field>(&item);
      if (field == nullptr || field->role != FieldRole::kResult) continue;
      const auto it = after.fields.find(field->control);
      if (it == after.fields.end() || it->second.empty()) continue;
      results.rows.push_back({Plain(ItemText(field->label.caption)), Plain(it->second)});
    }
    if (!results.rows.empty()) groups.emplace_back(block.caption, std::move(results));
  }
  if (groups.empty()) blocks.push_back(book::Paragraph{Plain(book_texts::kNotCalculated)});
  for (auto& [caption, table] : groups) {
    if (groups.size() > 1 && !caption.empty()) {
      blocks.push_back(book::Heading{3, ItemText(caption)});
    }
    blocks.push_back(std::move(table));
  }

  for (const Effect& effect : effects) {
    if (const auto* message = std::get_if<effect::Message>(&effect)) {
      blocks.push_back(book::Note{Plain(message->text)});
    } else if (const auto* fault = std::get_if<effect::Fault>(&effect)) {
      blocks.push_back(book::Note{Plain(std::string(book_texts::kStopped) + fault->text)});
    }
  }
  for (const Effect& effect : effects) {
    const auto* report = std::get_if<effect::WriteReport>(&effect);
    if (report == nullptr) continue;
    blocks.push_back(book::Heading{2, std::string(book_texts::kReport)});
    // The report writes powers as "m^3/s"; the book sets them as superscripts.
    for (const std::string& line : report->lines) {
      const std::string text = Trimmed(line);
      if (text.empty() || text.find_first_not_of('*') == std::string::npos) continue;
      blocks.push_back(book::Paragraph{book::Markup(text)});
    }
  }
  blocks.push_back(book::SignatureBlock{
      {{std::string(book_texts::kCalculatedBy), ""}, {std::string(book_texts::kCheckedBy), ""}}});
  return chapter;
}

}  // namespace velmora::render
