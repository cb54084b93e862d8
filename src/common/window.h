// SPDX-License-Identifier: GPL-3.0-or-later
// Window descriptions: what a window holds and how its controls react, as plain data.
//
// The shell builds widgets from a `Window`; the runner and the tests read the same description.
// Control names (`Text13`, `Label6`, `Command1`, `Frame1(0)`) are the names the design gives the
// controls; an element of a control array carries its index in brackets.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

class Press;
struct Table;
template <typename T>
class NameTable;
namespace book {
class Chapter;
}

/// A font named by a window; empty fields mean "as the window's own font".
struct FontSpec {
  std::string_view family;  // "宋体", "隶书", "黑体"
  double points = 0.0;
  bool bold = false;
  bool italic = false;
};

/// The result text of the windows that set it apart: 宋体 9 pt italic.
inline constexpr FontSpec kSongItalic{.family = "宋体", .points = 9.0, .italic = true};

enum class LabelEvent { kNone, kClick, kDoubleClick };
enum class Align { kLeft, kCenter };

/// Shows another window (`OpenWindow`).
struct OpenAction {
  std::string_view form;
};
/// A modal information box with one OK button (`ShowHint`).
struct HintAction {
  std::string_view title;
  std::string_view text;
};
using LabelAction = std::variant<std::monostate, OpenAction, HintAction>;

struct Label {
  std::string_view control;  // may be empty where the design names no control
  std::string_view caption;
  LabelEvent event = LabelEvent::kNone;
  LabelAction action = {};
  FontSpec font = {};
  Align align = Align::kLeft;
};

enum class FieldRole { kInput, kResult };

/// An open end of a range.
inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

/// The values an input is advised to keep, as the window's notes and tables give them. Advice
/// only: nothing is blocked by it. Open ends are infinite.
struct FieldRange {
  double low = -kUnbounded;
  double high = kUnbounded;
  // A roughness field takes n or, above 1, 1/n; the tables give 1/n, so n is compared as 1/n.
  bool roughness = false;
};

/// A single-line text field with its label to the left.
struct Field {
  std::string_view control;
  Label label;
  std::string_view default_text;
  FieldRole role = FieldRole::kInput;
  FontSpec text_font = {};  // the result text's font, where the window sets one
  // What the field holds, for the calculation book and the range warnings; the caption shown
  // stays the label's.
  std::string_view symbol = {};  // as typeset, in book::Markup: "h_{cm}", "χ_c", "V_0′"
  std::string_view unit = {};    // "m³/s"; empty for a pure number
  std::string_view name = {};    // the quantity's name where the caption's own will not do
  std::optional<FieldRange> range = {};

  /// This field with its symbol (book::Markup) and unit.
  Field Is(std::string_view symbol_markup, std::string_view unit_text = {}) const {
    Field f = *this;
    f.symbol = symbol_markup;
    f.unit = unit_text;
    return f;
  }
  /// This field with its advised range.
  Field Within(double low, double high) const {
    Field f = *this;
    f.range = FieldRange{.low = low, .high = high};
    return f;
  }
  /// This field with a roughness range, given as 1/n.
  Field RoughnessWithin(double low, double high) const {
    Field f = *this;
    f.range = FieldRange{.low = low, .high = high, .roughness = true};
    return f;
  }
  /// This field under a name of its own in the book.
  Field Named(std::string_view quantity_name) const {
    Field f = *this;
    f.name = quantity_name;
    return f;
  }
};

/// The quantity's name in the book: the field's own name, or the caption without its symbol,
/// unit and colon ("设计流量Qp（m*3/s）：" → "设计流量").
std::string_view FieldName(const Field& field);

/// An input field with its label, which may react to the mouse.
inline Field InputField(std::string_view control, std::string_view label_control,
                        std::string_view caption, std::string_view default_text = {},
                        LabelEvent event = LabelEvent::kNone, LabelAction action = {}) {
  return {.control = control,
          .label = {.control = label_control, .caption = caption, .event = event, .action = action},
          .default_text = default_text};
}

/// An input field whose label explains it on a double-click: opens a table or shows a note.
inline Field ExplainedField(std::string_view control, std::string_view label_control,
                            std::string_view caption, std::string_view default_text,
                            LabelAction action) {
  return InputField(control, label_control, caption, default_text, LabelEvent::kDoubleClick,
                    action);
}

/// A result field; the fonts are the result text's and the label's where the window sets them.
inline Field ResultField(std::string_view control, std::string_view label_control,
                         std::string_view caption, FontSpec text_font = {},
                         FontSpec label_font = {}) {
  return {.control = control,
          .label = {.control = label_control, .caption = caption, .font = label_font},
          .role = FieldRole::kResult,
          .text_font = text_font};
}

/// Runs the window's computation; see press.h.
using Handler = void (*)(Press&);
/// Writes the calculation book's chapter of a press of the button; see book/chapter.h.
using ChapterWriter = void (*)(book::Chapter&);
/// `CloseWindow` on the window.
struct CloseAction {};
/// Sets every text field of the window to the empty text.
struct ClearAction {};
using ButtonAction = std::variant<Handler, HintAction, OpenAction, CloseAction, ClearAction>;

struct Button {
  std::string_view control;
  std::string_view caption;
  ButtonAction action;
  ChapterWriter chapter = nullptr;  // the chapter of a press, for the buttons that compute
};

/// One of the window's mutually exclusive option buttons.
struct Option {
  std::string_view control;
  std::string_view caption;
};

/// A horizontal rule between items.
struct Rule {};

/// A read-only table; built on first use, since some tables are computed.
struct TableItem {
  const Table& (*content)();
};

/// A formatted text: a small subset of HTML (paragraphs, <sub>, <sup>, fractions as tables).
struct DocumentItem {
  std::string_view rich_text;
};

/// A picture the shell draws, named by what it shows.
struct PictureItem {
  std::string_view name;
};

/// A list box whose items can be selected and do nothing.
struct ListItem {
  std::string_view control;
  std::vector<std::string_view> entries;
};

using Item = std::variant<Field, Label, Button, Option, Rule, TableItem, DocumentItem, PictureItem,
                          ListItem>;

/// Where a block stands in the window's grid.
struct GridPlace {
  int row = 0;
  int column = 0;
  int row_span = 1;
  int column_span = 1;
};

enum class Arrangement { kColumn, kRow };

/// A frame, or a group of controls without a frame, in one cell of the window's grid.
struct Block {
  std::string_view control;  // "Frame1", "Frame2(1)"; empty for a group without a frame
  std::string_view caption;  // the frame's caption
  bool framed = true;
  Arrangement arrangement = Arrangement::kColumn;
  int columns = 1;  // fields of a column block shared out over this many side-by-side columns
  GridPlace place = {};
  std::vector<Item> items;
};

enum class WindowKind { kMain, kCalculator, kReference, kChoice, kInformation };

struct Window {
  std::string_view form;
  std::string_view caption;
  WindowKind kind = WindowKind::kCalculator;
  std::vector<Block> blocks;
};

}  // namespace velmora

namespace velmora {

/// The window's text fields, inputs and results, in the order of its description.
std::vector<const Field*> Fields(const Window& window);
std::vector<const Button*> Buttons(const Window& window);
std::vector<const Option*> Options(const Window& window);
/// Every label, the fields' labels included.
std::vector<const Label*> Labels(const Window& window);
/// The window's tables, in the order of its description.
std::vector<const TableItem*> TableItems(const Window& window);

const Field* FindField(const Window& window, std::string_view control);
/// The field's place in `Fields(window)`, or npos when the window has no such field.
std::size_t FieldPosition(const Window& window, std::string_view control);
/// The same for many names at a time: the places of the fields of a window of the registry by
/// name, or null for any other window.
const NameTable<std::size_t>* FieldPositions(const Window& window);
const Button* FindButton(const Window& window, std::string_view control);
const Option* FindOption(const Window& window, std::string_view control);
const Label* FindLabel(const Window& window, std::string_view control);

}  // namespace velmora
