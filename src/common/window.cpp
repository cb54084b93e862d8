#include "common/window.h"

#include <algorithm>

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
  return Named(Fields(window), control);
}
const Button* FindButton(const Window& window, std::string_view control) {
  return Named(Buttons(window), control);
}
const Option* FindOption(const Window& window, std::string_view control) {
  return Named(Options(window), control);
}
const Label* FindLabel(const Window& window, std::string_view control) {
  if (control.empty()) return nullptr;
  return Named(Labels(window), control);
}

}  // namespace velmora
