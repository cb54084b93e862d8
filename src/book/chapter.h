// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator's chapter of the calculation book: what one press computed, step by step.
//
// Each calculator writes its chapter beside its computation, as a `ChapterWriter` on the button
// that computes. The writer reads the inputs with the handler's own reader, names the steps of
// its result struct in the order they are computed, and runs the same computation; it never
// evaluates a formula itself. The result texts, the messages and the report are taken from the
// press itself, so the chapter cannot disagree with the window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "book/document.h"
#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora::book {

/// One row of the step table.
struct StepRow {
  std::string key;          // the writer's name of the value, e.g. "hp1"
  std::string item;         // 项目
  std::string symbol;       // markup
  std::string formula;      // markup: symbol = expression in symbols
  std::string substituted;  // markup: the expression in numbers
  double value = 0.0;       // the intermediate value of the press
  std::string value_text;   // the value as the table shows it
  std::string unit;
};

struct InputRow {
  std::string control;
  std::string symbol;  // markup
  std::string name;
  std::string text;  // as entered
  std::string unit;
};

struct ResultRow {
  std::string control;
  std::string label;  // the field's caption
  std::string text;   // exactly as the field shows it after the press
};

/// The step at which an arithmetic fault ended the press.
struct FailedStep {
  std::string item;    // the step's item, or the reading of the inputs
  std::string reason;  // the fault in words
};

/// A chapter as data; `ChapterDocument` lays it out.
struct ChapterContent {
  std::string caption;  // the window's caption, with the button's where a window has several
  std::vector<std::string> basis;  // 计算依据
  std::vector<InputRow> inputs;
  std::vector<StepRow> steps;
  std::vector<std::string> branches;  // markup: the branch each formula took
  std::optional<FailedStep> failure;
  std::vector<ResultRow> results;
  std::vector<std::string> messages;  // the boxes the press showed
  std::vector<std::string> writes;    // "窗口.字段 ← 文本" for other windows' fields
  std::vector<std::string> report;    // the report lines the press wrote
  std::vector<std::string> notes;     // 注意
};

/// What a chapter writer sees and fills.
class Chapter {
 public:
  Chapter(const Window& window, const Button& button, const FormState& before);
  Chapter(const Chapter&) = delete;
  Chapter& operator=(const Chapter&) = delete;

  /// A press over the state before, for the handler's own input reader.
  const Press& press() const { return press_; }

  /// A line of 计算依据, e.g. "《公路桥位勘测设计规范》JTJ 062-91 公式64-1、65-1".
  void Basis(std::string text);
  /// The inputs the computation reads, in its order: symbol, name, text as entered, unit.
  void Inputs(std::initializer_list<std::string_view> controls);

  /// Declares the next step: its value lands in `slot`. `formula` is the expression with `[key]`
  /// for an earlier step's value or `[Text5]` for an input's; the table shows it once with the
  /// symbols and once with the numbers. A step with `when` appears only when *when == expected
  /// (the branch a formula took).
  void Step(std::string_view key, std::string_view item, std::string_view symbol,
            std::string_view formula, Real& slot, std::string_view unit = {},
            const bool* when = nullptr, bool expected = true);
  void Step(std::string_view key, std::string_view item, std::string_view symbol,
            std::string_view formula, Single& slot, std::string_view unit = {},
            const bool* when = nullptr, bool expected = true);

  /// Reads the inputs; a fault while reading ends the chapter's computation there.
  template <typename F>
  void Read(F&& read) {
    try {
      read();
    } catch (const ArithmeticFault& fault) {
      read_fault_ = fault.kind();
    }
  }
  /// Runs the computation that fills the declared steps, then settles the step table: the steps
  /// computed, and the one an arithmetic fault stopped at.
  template <typename F>
  void Run(F&& compute) {
    if (!read_fault_) {
      try {
        compute();
      } catch (const ArithmeticFault& fault) {
        fault_ = fault.kind();
      }
    }
    Settle();
  }
  /// Whether the computation ran to its end.
  bool Completed() const { return ran_ && !read_fault_ && !fault_; }

  /// A sentence on the branch taken (markup); call after `Run`.
  void Branch(std::string text);
  void Note(std::string text);

  /// The chapter; the results, messages, writes and report come from the press of the button.
  ChapterContent Finish();

 private:
  struct Pending {
    std::string key, item, symbol, formula, unit;
    std::variant<Real*, Single*> slot;
    const bool* when;
    bool expected;
  };
  void Settle();

  const Window& window_;
  const Button& button_;
  FormState before_;
  Press press_;
  ChapterContent content_;
  std::vector<Pending> pending_;
  std::optional<FaultKind> read_fault_;
  std::optional<FaultKind> fault_;
  bool ran_ = false;
};

/// The content of the chapter of pressing `button` in a window in the state `before`; nullopt
/// when the button computes nothing (exit, help, clear, the report viewer).
std::optional<ChapterContent> ChapterContentFor(const Window& window, std::string_view button,
                                                const FormState& before);

/// The chapter's blocks: the caption as a level-1 heading, then 计算依据, 输入参数, 计算过程,
/// 计算结果 and 注意 as level-2 sections.
std::vector<Block> ChapterBlocks(const ChapterContent& content);

/// The chapter of a press as a document of its own (title: the window's caption).
std::optional<Document> ChapterFor(const Window& window, std::string_view button,
                                   const FormState& before);

/// A number in a step table: about five significant digits, no trailing zeros, a power of ten
/// in markup beyond 10^7 or below 10^-4 ("2.4×10^{-6}").
std::string StepNumber(double value);

/// The basis line of the design code with the formula numbers the window uses.
std::string CodeBasis(std::string_view formulas);

}  // namespace velmora::book
