// Window descriptions: what a window holds and how its controls react, as plain data.
//
// The shell builds widgets from a `Window`; the runner and the tests read the same description.
// Control names (`Text13`, `Label6`, `Command1`, `Frame1(0)`) are the names the design gives the
// controls; an element of a control array carries its index in brackets.
#pragma once

#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

class Press;
struct Table;

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

/// A single-line text field with its label to the left.
struct Field {
  std::string_view control;
  Label label;
  std::string_view default_text;
  FieldRole role = FieldRole::kInput;
  FontSpec text_font = {};  // the result text's font, where the window sets one
};

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
/// `CloseWindow` on the window.
struct CloseAction {};
/// Sets every text field of the window to the empty text.
struct ClearAction {};
using ButtonAction = std::variant<Handler, HintAction, OpenAction, CloseAction, ClearAction>;

struct Button {
  std::string_view control;
  std::string_view caption;
  ButtonAction action;
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
const Button* FindButton(const Window& window, std::string_view control);
const Option* FindOption(const Window& window, std::string_view control);
const Label* FindLabel(const Window& window, std::string_view control);

}  // namespace velmora
