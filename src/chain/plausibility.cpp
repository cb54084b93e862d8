// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/plausibility.h"

#include "chain/links.h"
#include "common/format_pattern.h"
#include "common/registry.h"
#include "common/value_of_text.h"

namespace velmora::chain {

namespace {

// The field's value, or none when it is empty or not a number.
std::optional<double> ValueIn(const FormState& state, std::string_view control) {
  const auto it = state.fields.find(control);
  if (it == state.fields.end() || it->second.find_first_not_of(' ') == std::string::npos ||
      !IsPlainNumber(it->second)) {
    return std::nullopt;
  }
  return ValueOfText(it->second);
}

std::string Shown(double value) { return GeneralText(Real(value)); }

std::string NameOf(std::string_view form, std::string_view control) {
  const Window* window = FindWindow(form);
  const Field* field = window != nullptr ? FindField(*window, control) : nullptr;
  return field != nullptr ? std::string(FieldName(*field)) : std::string(control);
}

// The section's water surface width from the design water level, when it has produced it.
std::optional<double> SectionWidth(const Project& project, Quantity quantity) {
  const Source* source = SourceOf(quantity);
  if (source == nullptr) return std::nullopt;
  const std::optional<std::string> text = SourceText(project, ReadChainState(project), *source);
  if (!text) return std::nullopt;
  return ValueOfText(*text);
}

struct DepthCheck {
  std::string_view form;
  std::string_view scour;  // general scour hp
  std::string_view depth;  // the flow depth it starts from
};
constexpr DepthCheck kDepthChecks[] = {
    {"form3", "Text14", "Text8"}, {"form3", "Text19", "Text8"},  {"Form19", "Text14", "Text5"},
    {"form1", "Text19", "Text2"}, {"form1", "Text22", "Text11"},
};

struct WidthCheck {
  std::string_view form;
  std::string_view control;
  Quantity surface;  // the water surface the width lies in
};
constexpr WidthCheck kWidthChecks[] = {
    {"form3", "Text26", Quantity::kBc}, {"form3", "Text4", Quantity::kBc},
    {"form3", "Text5", Quantity::kBc},  {"Form19", "Text4", Quantity::kBt},
    {"form1", "Text4", Quantity::kBc},  {"form1", "Text13", Quantity::kBt},
};

}  // namespace

std::vector<Flag> FlagsOf(const Project& project, std::string_view form, const FormState& state) {
  std::vector<Flag> flags;
  const auto flag = [&](std::string_view control, std::string text) {
    flags.push_back({std::string(form), std::string(control), std::move(text)});
  };
  for (const DepthCheck& c : kDepthChecks) {
    if (c.form != form) continue;
    const auto hp = ValueIn(state, c.scour);
    const auto h = ValueIn(state, c.depth);
    if (hp && h && *h > 0.0 && *hp > kDeepScourFactor * *h) {
      flag(c.scour, NameOf(form, c.scour) + " " + Shown(*hp) + " m，超过" + NameOf(form, c.depth) +
                        " " + Shown(*h) + " m 的3倍，不像本断面的值：请核对流量与宽度");
    }
  }
  for (const WidthCheck& c : kWidthChecks) {
    if (c.form != form) continue;
    const auto width = ValueIn(state, c.control);
    auto surface = SectionWidth(project, c.surface);
    // Without the trial, the window's own natural channel width is the surface it knows.
    if (!surface && c.surface == Quantity::kBc && c.control != "Text26" && form == "form3") {
      surface = ValueIn(state, "Text26");
    }
    if (width && surface && *surface > 0.0 && *width > *surface) {
      flag(c.control, NameOf(form, c.control) + " " + Shown(*width) + " m，宽于水面宽 " +
                          Shown(*surface) + " m");
    }
  }
  // Sand and gravel lie between some 0.05 mm and a few hundred mm: a value outside says the
  // other unit was typed.
  const Window* window = FindWindow(form);
  for (const Field* field : window != nullptr ? Fields(*window) : std::vector<const Field*>{}) {
    const QuantityField* f = QuantityAt(form, field->control);
    if (f == nullptr || f->quantity != Quantity::kD) continue;
    const auto d = ValueIn(state, f->control);
    if (!d || *d <= 0.0) continue;
    if (f->unit == Unit::kMillimetre && *d < 0.05) {
      flag(f->control, "粒径 " + Shown(*d) + " mm 过小，像是按米填写的：本栏单位为mm");
    } else if (f->unit == Unit::kMetre && *d >= 1.0) {
      flag(f->control, "粒径 " + Shown(*d) + " m 过大，像是按毫米填写的：本栏单位为m");
    }
  }
  return flags;
}

std::vector<Flag> ProjectFlags(const Project& project) {
  std::vector<Flag> flags;
  for (const Window* window : AllWindows()) {
    const auto it = project.windows.find(window->form);
    if (it == project.windows.end()) continue;
    std::vector<Flag> more = FlagsOf(project, window->form, it->second.form);
    flags.insert(flags.end(), more.begin(), more.end());
  }
  return flags;
}

}  // namespace velmora::chain
