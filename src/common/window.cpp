// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/window.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <utility>

#include "common/name_table.h"
#include "common/registry.h"

namespace velmora {
namespace {

template <typename T>
std::vector<const T*> ItemsOf(const Window& window) {
  std::vector<const T*> out;
  for (const Block& block : window.blocks) {
    for (const Item& item : block.items) {
      if (const T* found = std::get_if<T>(&item)) out.push_back(found);
    }
  }
  return out;
}

template <typename T>
const T* Named(const std::vector<const T*>& items, std::string_view control) {
  const auto it =
      std::find_if(items.begin(), items.end(), [&](const T* t) { return t->control == control; });
  return it == items.end() ? nullptr : *it;
}

// Only the registry's windows are indexed: they live for the whole run, so their addresses stay
// valid keys; any other window is searched as it stands.
struct ControlIndex {
  NameTable<const Field*> fields;
  NameTable<const Button*> buttons;
  NameTable<const Option*> options;
  NameTable<std::size_t> positions;  // in Fields(window)
};

template <typename T>
NameTable<const T*> ByName(const std::vector<const T*>& items) {
  NameTable<const T*> out;
  for (const T* item : items) out.Add(item->control, item);
  out.Seal();
  return out;
}

const ControlIndex* IndexOf(const Window& window) {
  static const std::unordered_map<const Window*, ControlIndex> indices = [] {
    std::unordered_map<const Window*, ControlIndex> out;
    for (const Window* w : AllWindows()) {
      const std::vector<const Field*> fields = ItemsOf<Field>(*w);
      ControlIndex index{
          ByName(fields), ByName(ItemsOf<Button>(*w)), ByName(ItemsOf<Option>(*w)), {}};
      for (std::size_t i = 0; i < fields.size(); ++i) index.positions.Add(fields[i]->control, i);
      index.positions.Seal();
      out.emplace(w, std::move(index));
    }
    return out;
  }();
  // Presses come in runs on one window.
  thread_local const Window* last = nullptr;
  thread_local const ControlIndex* last_index = nullptr;
  if (&window == last) return last_index;
  const auto it = indices.find(&window);
  last = &window;
  last_index = it == indices.end() ? nullptr : &it->second;
  return last_index;
}

template <typename T>
const T* Indexed(const NameTable<const T*>& index, std::string_view control) {
  const T* const* found = index.Find(control);
  return found == nullptr ? nullptr : *found;
}

bool CutSuffix(std::string_view& text, std::string_view suffix) {
  if (!text.ends_with(suffix)) return false;
  text.remove_suffix(suffix.size());
  return true;
}

// Cuts one trailing character of a symbol: Latin letters and digits, Greek letters, primes,
// and the marks the captions write into symbols (Q2%, Q~, n').
bool CutSymbolCharacter(std::string_view& text) {
  if (text.empty()) return false;
  const auto last = static_cast<unsigned char>(text.back());
  if (last < 0x80) {
    if (std::isalnum(last) != 0 ||
        std::string_view("%~'/*").find(char(last)) != std::string_view::npos) {
      text.remove_suffix(1);
      return true;
    }
    return false;
  }
  if (text.size() >= 2) {
    const auto lead = static_cast<unsigned char>(text[text.size() - 2]);
    if (lead == 0xCE || lead == 0xCF) {  // Greek and Coptic
      text.remove_suffix(2);
      return true;
    }
  }
  return CutSuffix(text, "′");
}

}  // namespace

std::string_view FieldName(const Field& field) {
  if (!field.name.empty()) return field.name;
  std::string_view name = field.label.caption;
  while (CutSuffix(name, "：") || CutSuffix(name, ":") || CutSuffix(name, " ")) {
  }
  // Captions mix the two kinds of bracket, even within one pair.
  if (name.ends_with(")") || name.ends_with("）")) {
    const std::size_t half = name.rfind('(');
    const std::size_t full = name.rfind("（");
    std::size_t at = std::string_view::npos;
    if (half != std::string_view::npos) at = half;
    if (full != std::string_view::npos && (at == std::string_view::npos || full > at)) at = full;
    if (at != std::string_view::npos) name = name.substr(0, at);
  }
  const std::string_view with_symbol = name;
  while (CutSymbolCharacter(name)) {
  }
  return name.empty() ? with_symbol : name;
}

std::vector<const Field*> Fields(const Window& window) { return ItemsOf<Field>(window); }
std::vector<const Button*> Buttons(const Window& window) { return ItemsOf<Button>(window); }
std::vector<const Option*> Options(const Window& window) { return ItemsOf<Option>(window); }
std::vector<const TableItem*> TableItems(const Window& window) {
  return ItemsOf<TableItem>(window);
}

std::vector<const Label*> Labels(const Window& window) {
  std::vector<const Label*> out;
  for (const Block& block : window.blocks) {
    for (const Item& item : block.items) {
      if (const auto* field = std::get_if<Field>(&item)) out.push_back(&field->label);
      if (const auto* label = std::get_if<Label>(&item)) out.push_back(label);
    }
  }
  return out;
}

const Field* FindField(const Window& window, std::string_view control) {
  if (const ControlIndex* index = IndexOf(window)) return Indexed(index->fields, control);
  return Named(Fields(window), control);
}
const NameTable<std::size_t>* FieldPositions(const Window& window) {
  const ControlIndex* index = IndexOf(window);
  return index == nullptr ? nullptr : &index->positions;
}
std::size_t FieldPosition(const Window& window, std::string_view control) {
  if (const ControlIndex* index = IndexOf(window)) {
    const std::size_t* at = index->positions.Find(control);
    return at == nullptr ? std::string_view::npos : *at;
  }
  const std::vector<const Field*> fields = Fields(window);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (fields[i]->control == control) return i;
  }
  return std::string_view::npos;
}
const Button* FindButton(const Window& window, std::string_view control) {
  if (const ControlIndex* index = IndexOf(window)) return Indexed(index->buttons, control);
  return Named(Buttons(window), control);
}
const Option* FindOption(const Window& window, std::string_view control) {
  if (const ControlIndex* index = IndexOf(window)) return Indexed(index->options, control);
  return Named(Options(window), control);
}
const Label* FindLabel(const Window& window, std::string_view control) {
  if (control.empty()) return nullptr;
  return Named(Labels(window), control);
}

}  // namespace velmora
