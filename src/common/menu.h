// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar as data.
#pragma once

#include <string_view>
#include <vector>

namespace velmora {

enum class MenuKind {
  kSubmenu,    // opens the items below it
  kCommand,    // opens `form`, or does nothing when `form` is empty
  kSeparator,  // caption "-", does nothing
  kExit,       // ends the program at once
};

struct MenuItem {
  std::string_view control;
  std::string_view caption;
  MenuKind kind = MenuKind::kCommand;
  std::string_view form;  // the window a command opens
  std::vector<MenuItem> items;
};

/// The surveyed-section window: a shell window of its own, not built from a description, so it
/// has no entry in the registry.
inline constexpr std::string_view kSectionForm = "FormSection";

/// The top-level entries of the menu bar, left to right.
const std::vector<MenuItem>& MainMenu();

}  // namespace velmora
