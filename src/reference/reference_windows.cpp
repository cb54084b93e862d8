// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/reference_windows.h"

#include "common/registry.h"

namespace velmora {

Window ReferenceWindow(std::string_view form, std::string_view caption, std::vector<Item> items) {
  return {.form = form,
          .caption = caption,
          .kind = WindowKind::kReference,
          .blocks = {{.framed = false, .items = std::move(items)}}};
}

std::vector<const Window*> ReferenceWindows() {
  return {// In the order of the menu...
          &Form46(), &Form33(), &Form23(), &Form42(), &Form43(), &Form44(), &Form20(), &Form21(),
          &Form22(), &Form7(),
          // ...then the windows that open from other windows only.
          &Form8(), &Form9(), &Form12(), &Form13(), &Form16(), &Form47()};
}

}  // namespace velmora
