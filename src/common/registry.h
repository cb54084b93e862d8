// SPDX-License-Identifier: GPL-3.0-or-later
// The one registry of windows: the menu, the runner's --list and the tests all read it.
#pragma once

#include <string_view>
#include <vector>

#include "common/window.h"

namespace velmora {

/// Every window of the program: the main window first, then each subsystem's windows in the
/// order of the menu.
const std::vector<const Window*>& AllWindows();

/// The window with this form name, or nullptr.
const Window* FindWindow(std::string_view form);

// Each subsystem lists its own windows, in menu order.
std::vector<const Window*> DischargeWindows();
std::vector<const Window*> OpeningWindows();
std::vector<const Window*> WaterLevelWindows();
std::vector<const Window*> ScourWindows();
std::vector<const Window*> ReferenceWindows();
std::vector<const Window*> FrequencyWindows();  // frequency and rainstorm parameter tables

/// The main window `Form6`: its caption and the welcome labels.
const Window& Form6();

}  // namespace velmora
