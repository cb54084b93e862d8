// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/chapter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

#include "common/range_warnings.h"
#include "common/registry.h"
#include "common/value_of_text.h"

namespace velmora::book {
namespace {

constexpr std::string_view kCode = "《公路桥位勘测设计规范》JTJ 062-91";
constexpr std::string_view kReadingInputs = "读取输入参数";

std::string Trimmed(std::string_view text) {
  while (text.ends_with("：") || text.ends_with(":")) {
    text.remove_suffix(text.ends_with(":") ? 1 : std::string_view("：").size());
  }
  return std::string(text);
}

// A symbol inside an exponent or index: the runs cannot nest, so its own marks go.
std::string Flat(std::string_view markup) { return PlainText(Markup(markup)); }

// Whether a symbol is an expression (F_1/F_2, h_{p1}+h_{b1}), its indices and exponents aside.
bool Compound(std::string_view symbol) {
  std::string outside;
  int depth = 0;
  for (const char c : symbol) {
    if (c == '{') ++depth;
    if (depth == 0) outside += c;
    if (c == '}' && depth > 0) --depth;
  }
  return outside.find_first_of("/+×") != std::string::npos ||
         outside.find("−") != std::string::npos;
}

struct Named {
  std::string symbol;
  double value = 0.0;
};

// Fills a formula template: `[key]` becomes the symbol (numbers == false) or the value.
std::string Render(std::string_view formula, const std::map<std::string, Named, std::less<>>& names,
                   bool numbers) {
  std::string out;
  bool in_group = false;
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    if ((c == '^' || c == '_') && i + 1 < formula.size() && formula[i + 1] == '{') {
      in_group = true;
    } else if (c == '}') {
      in_group = false;
    }
    if (c != '[') {
      out += c;
      continue;
    }
    const std::size_t close = formula.find(']', i);
    const auto it = close == std::string_view::npos
                        ? names.end()
                        : names.find(formula.substr(i + 1, close - i - 1));
    if (it == names.end()) {
      out += c;
      continue;
    }
    if (numbers) {
      std::string number = StepNumber(it->second.value);
      // An exponent cannot hold another: 9.45×10^{-5} is written 9.45E-5 there.
      const std::size_t power = number.find("×10^{");
      if (in_group && power != std::string::npos) {
        number =
            number.substr(0, power) + "E" + number.substr(power + 6, number.size() - power - 7);
      }
      out += it->second.value < 0.0 && !in_group ? "(" + number + ")" : number;
    } else {
      const std::string& symbol = it->second.symbol;
      if (in_group) {
        out += Flat(symbol);
      } else if (Compound(symbol)) {
        out += "(" + symbol + ")";  // a compound symbol stands for one value
      } else {
        out += symbol;
      }
    }
    i = close;
  }
  return out;
}

Runs Cell(std::string_view text) { return Runs{Run{std::string(text)}}; }

// A report line as the book sets it: the report writes powers as "m^3/s", the book as m³/s;
// everything else stays as the report has it.
Runs ReportLine(std::string_view line) {
  Runs runs;
  std::size_t start = 0;
  for (std::size_t at = line.find('^'); at != std::string_view::npos; at = line.find('^', at + 1)) {
    std::size_t end = at + 1;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
    if (end == at + 1) continue;
    if (at > start) runs.push_back(Run{std::string(line.substr(start, at - start))});
    runs.push_back(Run{std::string(line.substr(at + 1, end - at - 1)), RunStyle::kSuperscript});
    start = end;
  }
  if (start < line.size() || runs.empty()) runs.push_back(Run{std::string(line.substr(start))});
  return runs;
}

}  // namespace

std::string StepNumber(double value) {
  if (value == 0.0) return "0";
  if (!std::isfinite(value)) return "—";
  const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const auto fixed = [](double v, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? std::string("0") : text;
  };
  if (exponent >= 7 || exponent < -4) {
    return fixed(value / std::pow(10.0, exponent), 4) + "×10^{" + std::to_string(exponent) + "}";
  }
  return fixed(value, std::max(3, 4 - exponent));
}

std::string CodeBasis(std::string_view formulas) {
  return std::string(kCode) + " 公式" + std::string(formulas);
}

Chapter::Chapter(const Window& window, const Button& button, const FormState& before)
    : window_(window), button_(button), before_(before), press_(window, before_) {
  content_.caption = std::string(window.caption);
  int computing = 0;
  for (const velmora::Button* b : Buttons(window)) computing += b->chapter != nullptr ? 1 : 0;
  if (computing > 1) content_.caption += "——" + std::string(button.caption);
}

void Chapter::Basis(std::string text) { content_.basis.push_back(std::move(text)); }

void Chapter::Inputs(std::initializer_list<std::string_view> controls) {
  for (const std::string_view control : controls) {
    const Field* field = FindField(window_, control);
    if (field == nullptr) continue;
    const auto it = before_.fields.find(control);
    content_.inputs.push_back({.control = std::string(control),
                               .symbol = std::string(field->symbol),
                               .name = std::string(FieldName(*field)),
                               .text = it == before_.fields.end() ? std::string() : it->second,
                               .unit = std::string(field->unit)});
  }
}

void Chapter::Step(std::string_view key, std::string_view item, std::string_view symbol,
                   std::string_view formula, Real& slot, std::string_view unit, const bool* when,
                   bool expected) {
  // Not yet computed: the checked arithmetic never yields a NaN.
  slot = Real(std::numeric_limits<double>::quiet_NaN());
  pending_.push_back({std::string(key), std::string(item), std::string(symbol),
                      std::string(formula), std::string(unit), &slot, when, expected});
}

void Chapter::Step(std::string_view key, std::string_view item, std::string_view symbol,
                   std::string_view formula, Single& slot, std::string_view unit, const bool* when,
                   bool expected) {
  slot = Single(std::numeric_limits<float>::quiet_NaN());
  pending_.push_back({std::string(key), std::string(item), std::string(symbol),
                      std::string(formula), std::string(unit), &slot, when, expected});
}

void Chapter::Settle() {
  ran_ = true;
  std::map<std::string, Named, std::less<>> names;
  for (const Field* field : Fields(window_)) {
    const auto it = before_.fields.find(field->control);
    const double value = it == before_.fields.end() ? 0.0 : ValueOfText(it->second);
    names[std::string(field->control)] = {std::string(field->symbol), value};
  }
  if (read_fault_) {
    content_.failure = FailedStep{std::string(kReadingInputs), FaultDescription(*read_fault_)};
    return;
  }
  for (const Pending& p : pending_) {
    if (p.when != nullptr && *p.when != p.expected) continue;
    const double value =
        std::visit([](const auto* slot) { return static_cast<double>(slot->value()); }, p.slot);
    if (std::isnan(value)) {
      if (!fault_) continue;  // a step the computation had no need of
      content_.failure =
          FailedStep{Flat(p.item) + "（" + Flat(p.symbol) + "）", FaultDescription(*fault_)};
      return;
    }
    // A step that only names a value (A_z = A_z) shows the value's symbol once.
    const std::string expression = Render(p.formula, names, false);
    const bool naming = expression == p.symbol || expression == "(" + p.symbol + ")";
    StepRow row{.key = p.key,
                .item = p.item,
                .symbol = p.symbol,
                .formula = naming ? p.symbol : p.symbol + " = " + expression,
                .substituted = Render(p.formula, names, true),
                .value = value,
                .value_text = StepNumber(value),
                .unit = p.unit};
    names[p.key] = {p.symbol, value};
    content_.steps.push_back(std::move(row));
  }
  if (fault_) {
    // The fault came after the last declared step.
    content_.failure = FailedStep{"计算结果", FaultDescription(*fault_)};
  }
}

void Chapter::Branch(std::string text) { content_.branches.push_back(std::move(text)); }

void Chapter::Note(std::string text) { content_.notes.push_back(std::move(text)); }

ChapterContent Chapter::Finish() {
  const Effects effects = PressButton(window_, button_.control, before_);
  const FormState after = ApplyEffects(before_, effects);
  std::vector<std::string> written;
  for (const Effect& effect : effects) {
    if (const auto* set = std::get_if<effect::SetField>(&effect)) {
      written.push_back(set->control);
    } else if (const auto* message = std::get_if<effect::Message>(&effect)) {
      content_.messages.push_back(message->text);
    } else if (const auto* other = std::get_if<effect::SetOtherField>(&effect)) {
      const Window* target = FindWindow(other->form);
      const Field* field = target == nullptr ? nullptr : FindField(*target, other->control);
      std::string line = target == nullptr ? other->form : std::string(target->caption);
      line += "：";
      line += field == nullptr ? other->control : std::string(FieldName(*field));
      content_.writes.push_back(line + " ← " + other->text);
    } else if (const auto* report = std::get_if<effect::WriteReport>(&effect)) {
      content_.report = report->lines;
    }
  }
  for (const Field* field : Fields(window_)) {
    if (field->role != FieldRole::kResult) continue;
    if (std::find(written.begin(), written.end(), field->control) == written.end()) continue;
    const std::string& text = after.fields.at(std::string(field->control));
    if (text.empty()) continue;
    content_.results.push_back({std::string(field->control), Trimmed(field->label.caption), text});
  }
  std::vector<std::string> notes;
  for (const RangeWarning& warning : RangeWarnings(window_, before_)) {
    const bool read =
        std::any_of(content_.inputs.begin(), content_.inputs.end(),
                    [&](const InputRow& row) { return row.control == warning.control; });
    if (read) notes.push_back(warning.message);
  }
  notes.insert(notes.end(), content_.notes.begin(), content_.notes.end());
  content_.notes = std::move(notes);
  return std::move(content_);
}

std::optional<ChapterContent> ChapterContentFor(const Window& window, std::string_view button,
                                                const FormState& before) {
  const velmora::Button* found = FindButton(window, button);
  if (found == nullptr || found->chapter == nullptr) return std::nullopt;
  Chapter chapter(window, *found, before);
  found->chapter(chapter);
  return chapter.Finish();
}

std::vector<Block> ChapterBlocks(const ChapterContent& content) {
  std::vector<Block> blocks;
  blocks.emplace_back(Heading{1, content.caption});

  blocks.emplace_back(Heading{2, "计算依据"});
  for (const std::string& line : content.basis) blocks.emplace_back(Paragraph{Markup(line)});

  blocks.emplace_back(Heading{2, "输入参数"});
  Table inputs{.header = {Cell("符号"), Cell("名称"), Cell("数值"), Cell("单位")},
               .widths = {1, 4, 2, 1.5}};
  for (const InputRow& row : content.inputs) {
    // The text as entered, marks and all: never read as markup.
    inputs.rows.push_back({Markup(row.symbol), Cell(row.name), Cell(row.text), Cell(row.unit)});
  }
  blocks.emplace_back(std::move(inputs));

  blocks.emplace_back(Heading{2, "计算过程"});
  Table steps{.header = {Cell("步骤"), Cell("项目"), Cell("公式"), Cell("代入数值"), Cell("结果"),
                         Cell("单位")},
              .widths = {1, 2.2, 4, 4, 1.6, 1.2}};
  int number = 0;
  for (const StepRow& row : content.steps) {
    steps.rows.push_back({Cell(std::to_string(++number)), Markup(row.item), Markup(row.formula),
                          Markup(row.substituted), Markup(row.value_text), Cell(row.unit)});
  }
  blocks.emplace_back(std::move(steps));
  for (const std::string& branch : content.branches) blocks.emplace_back(Paragraph{Markup(branch)});
  if (content.failure) {
    blocks.emplace_back(
        Paragraph{Cell("计算在第" + std::to_string(content.steps.size() + 1) + "步“" +
                       content.failure->item + "”中止：" + content.failure->reason + "。")});
  }

  blocks.emplace_back(Heading{2, "计算结果"});
  if (!content.results.empty()) {
    Table results{.header = {Cell("项目"), Cell("结果")}, .widths = {3, 2}};
    for (const ResultRow& row : content.results) {
      results.rows.push_back({Cell(row.label), Cell(row.text)});
    }
    blocks.emplace_back(std::move(results));
  } else if (content.failure) {
    blocks.emplace_back(Paragraph{Cell("计算未完成，结果栏保持原有内容。")});
  }
  for (const std::string& message : content.messages) blocks.emplace_back(Paragraph{Cell(message)});
  for (const std::string& write : content.writes) blocks.emplace_back(Paragraph{Cell(write)});
  if (!content.report.empty()) {
    blocks.emplace_back(Heading{3, "计算书"});
    for (const std::string& line : content.report) blocks.emplace_back(Paragraph{ReportLine(line)});
  }

  if (!content.notes.empty()) {
    blocks.emplace_back(Heading{2, "注意"});
    for (const std::string& note : content.notes) blocks.emplace_back(Note{Cell(note)});
  }
  return blocks;
}

std::optional<Document> ChapterFor(const Window& window, std::string_view button,
                                   const FormState& before) {
  std::optional<ChapterContent> content = ChapterContentFor(window, button, before);
  if (!content) return std::nullopt;
  return Document{.title = content->caption, .blocks = ChapterBlocks(*content)};
}

}  // namespace velmora::book
