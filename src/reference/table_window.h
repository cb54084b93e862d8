// SPDX-License-Identifier: GPL-3.0-or-later
// A reference window whose whole content is one table.
#pragma once

#include <string_view>

#include "common/window.h"

namespace velmora {

/// The description of a `ReferenceWindow` holding the table that `content` builds on first use.
inline Window TableWindow(std::string_view form, std::string_view caption,
                          const Table& (*content)()) {
  return Window{.form = form,
                .caption = caption,
                .kind = WindowKind::kReference,
                .blocks = {Block{.framed = false, .items = {TableItem{content}}}}};
}

}  // namespace velmora
