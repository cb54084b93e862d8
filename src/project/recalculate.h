// SPDX-License-Identifier: GPL-3.0-or-later
// Presses in a project without windows: the effects of a press carried out on the project's
// states, and the whole chain pressed again in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/press.h"
#include "project/project.h"

namespace velmora {

/// Whether a press of this button was a computation, the one to press again on recalculation:
/// a handler that wrote something or faulted (showing the report or a hint changes nothing).
bool IsComputation(const Window& window, std::string_view button, const Effects& effects);

/// Carries out a press's effects on the project as the windows would: the pressed window's
/// fields and `TrialSucceeded`, other windows' fields (a window the project does not hold starts
/// from its defaults), the report's lines, and the button as the last pressed computation.
void ApplyPress(Project& project, const Window& window, std::string_view button,
                const Effects& effects);

/// One press of a recalculation: the window's state before it and what it did.
struct ProjectPress {
  const Window* window = nullptr;
  std::string button;
  FormState before;
  Effects effects;
};

/// Presses the last pressed computation of every window the project holds, in the order of the
/// chain (discharge, design water level, bridge opening, pier scour, abutment scour), each press
/// seeing what the earlier ones wrote and the links brought (chain/links.h). Returns the presses in
/// order.
std::vector<ProjectPress> RecalculateProject(Project& project);

}  // namespace velmora
