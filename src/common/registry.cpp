// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"

#include "common/name_table.h"

namespace velmora {

const Window& Form6() {
  // 隶书 21.75 pt: the size the welcome text was designed in.
  static constexpr FontSpec kWelcome{.family = "隶书", .points = 21.75};
  static const Window window{
      .form = "Form6",
      .caption = "Velmora",
      .kind = WindowKind::kMain,
      .blocks = {{
          .control = "Frame1",
          .items = {Label{.control = "Label1(0)",
                          .caption = "欢迎使用",
                          .font = kWelcome,
                          .align = Align::kCenter},
                    Label{.control = "Label1(1)",
                          .caption = "Velmora程序",
                          .font = kWelcome,
                          .align = Align::kCenter}},
      }},
  };
  return window;
}

const std::vector<const Window*>& AllWindows() {
  static const std::vector<const Window*> all = [] {
    std::vector<const Window*> windows{&Form6()};
    for (auto list : {DischargeWindows, OpeningWindows, WaterLevelWindows, ScourWindows,
                      ReferenceWindows, FrequencyWindows}) {
      for (const Window* w : list()) windows.push_back(w);
    }
    return windows;
  }();
  return all;
}

const Window* FindWindow(std::string_view form) {
  // Looked up once per press in a batch run: by hash, not by a walk over every window.
  static const NameTable<const Window*> by_form = [] {
    NameTable<const Window*> out;
    for (const Window* w : AllWindows()) out.Add(w->form, w);
    out.Seal();
    return out;
  }();
  const Window* const* found = by_form.Find(form);
  return found == nullptr ? nullptr : *found;
}

}  // namespace velmora
