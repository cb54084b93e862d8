#include "common/window.h"

#include <algorithm>
#include <unordered_map>

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

// The controls of one window by name. Only the registry's windows are indexed: they live for the
// whole run, so their addresses stay valid keys; any other window is searched as it stands.
struct ControlIndex {
  std::unordered_map<std::string_view, const Field*> fields;
  std::unordered_map<std::string_view, const Button*> buttons;
  std::unordered_map<std::string_view, const Option*> options;
};

// The first control of a name wins, as a search in description order would find it.
template <typename T>
std::unordered_map<std::string_view, const T*> ByName(const std::vector<const T*>& items) {
  std::unordered_map<std::string_view, const T*> out;
  for (const T* item : items) out.emplace(item->control, item);
  return out;
}

const ControlIndex* IndexOf(const Window& window) {
  static const std::unordered_map<const Window*, ControlIndex> indices = [] {
    std::unordered_map<const Window*, ControlIndex> out;
    for (const Window* w : AllWindows()) {
      out.emplace(w, ControlIndex{ByName(ItemsOf<Field>(*w)), ByName(ItemsOf<Button>(*w)),
                                  ByName(ItemsOf<Option>(*w))});
    }
    return out;
  }();
  const auto it = indices.find(&window);
  return it == indices.end() ? nullptr : &it->second;
}

template <typename T>
const T* Indexed(const std::unordered_map<std::string_view, const T*>& index,
                 std::string_view control) {
  const auto it = index.find(control);
  return it == index.end() ? nullptr : it->second;
}

}  // namespace

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
