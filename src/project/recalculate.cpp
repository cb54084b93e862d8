// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/recalculate.h"

#include "chain/links.h"
#include "common/registry.h"

namespace velmora {

bool IsComputation(const Window& window, std::string_view button, const Effects& effects) {
  const Button* found = FindButton(window, button);
  if (found == nullptr || !std::holds_alternative<Handler>(found->action)) return false;
  for (const Effect& e : effects) {
    if (std::holds_alternative<effect::SetField>(e) ||
        std::holds_alternative<effect::SetOtherField>(e) ||
        std::holds_alternative<effect::SetTrialSucceeded>(e) ||
        std::holds_alternative<effect::WriteReport>(e) ||
        std::holds_alternative<effect::Fault>(e)) {
      return true;
    }
  }
  return false;
}

void ApplyPress(Project& project, const Window& window, std::string_view button,
                const Effects& effects) {
  const Project before = project;
  WindowState state = StateIn(project, window);
  state.form = ApplyEffects(std::move(state.form), effects);
  if (IsComputation(window, button, effects)) state.pressed = std::string(button);
  for (const Effect& e : effects) {
    if (const auto* report = std::get_if<effect::WriteReport>(&e)) state.report = report->lines;
  }
  project.windows[std::string(window.form)] = std::move(state);

  for (const Effect& e : effects) {
    const auto* other = std::get_if<effect::SetOtherField>(&e);
    if (other == nullptr) continue;
    const Window* target = FindWindow(other->form);
    if (target == nullptr) continue;
    WindowState target_state = StateIn(project, *target);
    target_state.form.fields[other->control] = other->text;
    project.windows[other->form] = std::move(target_state);
  }
  chain::AfterPress(project, before, window);
}

std::vector<ProjectPress> RecalculateProject(Project& project) {
  std::vector<ProjectPress> presses;
  // Inputs whose sources changed without a press (the summary's H, a source typed over) follow
  // first; every window is pressed after.
  chain::ApplyLinks(project);
  // The opening-length windows follow the design water level: their Qc and Bc are its results.
  for (auto list : {DischargeWindows, WaterLevelWindows, OpeningWindows, ScourWindows}) {
    for (const Window* window : list()) {
      const auto it = project.windows.find(window->form);
      if (it == project.windows.end() || it->second.pressed.empty()) continue;
      ProjectPress press{.window = window, .button = it->second.pressed, .before = it->second.form};
      press.effects = PressButton(*window, press.button, press.before);
      ApplyPress(project, *window, press.button, press.effects);
      presses.push_back(std::move(press));
    }
  }
  return presses;
}

}  // namespace velmora
