// SPDX-License-Identifier: GPL-3.0-or-later
// A bridge's chain built by pressing, as an engineer would: design discharge, design water
// level (channel only, accepted), pier scour in the channel and on cohesive soil.
#pragma once

#include <map>
#include <string>

#include "common/registry.h"
#include "project/recalculate.h"

namespace velmora {

inline void PressInto(Project& project, std::string_view form, std::string_view button,
                      const std::map<std::string, std::string>& inputs = {}) {
  const Window& window = *FindWindow(form);
  WindowState state = StateIn(project, window);
  for (const auto& [control, text] : inputs) {
    if (FindOption(window, control) != nullptr) {
      state.form.selected_option = control;
    } else {
      state.form.fields[control] = text;
    }
  }
  const Effects effects = PressButton(window, button, state.form);
  project.windows[std::string(form)] = state;
  ApplyPress(project, window, button, effects);
}

/// Form5 with its catchment area, Form2 with its channel area: at 89 km² and 229 m² the trial
/// is accepted (Qp = 366.74, D = -2.34 %).
inline Project ChainProject(const std::string& catchment, const std::string& channel_area) {
  Project project;
  project.info.bridge = "清水河大桥";
  PressInto(project, "Form5", "Command1", {{"Text1", catchment}});
  PressInto(project, "Form2", "Command1", {{"Option1", ""}, {"Text1", channel_area}});
  PressInto(project, "form3", "Command1");
  PressInto(project, "form1", "Command1");
  return project;
}

}  // namespace velmora
