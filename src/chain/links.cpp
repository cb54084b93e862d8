// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/links.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "common/format_pattern.h"
#include "common/registry.h"
#include "common/value_of_text.h"

namespace velmora::chain {

namespace {

using Json = nlohmann::ordered_json;

std::string Key(std::string_view form, std::string_view control) {
  return std::string(form) + "." + std::string(control);
}

const std::string* FieldText(const Project& project, std::string_view form,
                             std::string_view control) {
  const auto window = project.windows.find(form);
  if (window == project.windows.end()) return nullptr;
  const auto field = window->second.form.fields.find(control);
  return field == window->second.form.fields.end() ? nullptr : &field->second;
}

// A source's text in a linked input's unit and digits.
std::string Converted(const std::string& text, const Source& source, const Link& link) {
  const double value = ValueOfText(text) * UnitFactor(source.field.unit, link.field.unit);
  if (!std::isfinite(value)) return text;
  return link.full_digits ? GeneralText(Real(value)) : FormatPattern(Real(value), "#####.###");
}

std::optional<std::string> LinkText(const Project& project, const ChainState& state,
                                    const Link& link) {
  const Source* source = SourceOf(link.field.quantity);
  if (source == nullptr) return std::nullopt;
  const std::optional<std::string> text = SourceText(project, state, *source);
  if (!text) return std::nullopt;
  return Converted(*text, *source, link);
}

// Which links to bring to their sources: all, those fed by one window, or one input.
struct LinkFilter {
  std::string_view source_form;
  const Link* only = nullptr;
  bool Takes(const Link& link) const {
    if (only != nullptr) return &link == only;
    const Source* source = SourceOf(link.field.quantity);
    return source_form.empty() || (source != nullptr && source->field.form == source_form);
  }
};

// Sets the window's linked inputs; returns what moved.
std::vector<LinkChange> LinkWindow(const Project& project, const ChainState& state,
                                   std::string_view form, FormState& fields,
                                   const LinkFilter& filter = {}) {
  std::vector<LinkChange> changes;
  for (const Link& link : Links()) {
    if (link.field.form != form || state.overridden.contains(Key(form, link.field.control)) ||
        !filter.Takes(link)) {
      continue;
    }
    const std::optional<std::string> text = LinkText(project, state, link);
    if (!text) continue;
    std::string& current = fields.fields[std::string(link.field.control)];
    if (current == *text) continue;
    changes.push_back({std::string(form), std::string(link.field.control), current, *text});
    current = *text;
  }
  return changes;
}

}  // namespace

ChainState ReadChainState(const Project& project) {
  ChainState state;
  const auto it = project.tools.find(kToolName);
  if (it == project.tools.end()) return state;
  // A section this version cannot read is left as if empty; the windows hold the values.
  const Json root = Json::parse(it->second, nullptr, /*allow_exceptions=*/false);
  if (!root.is_object()) return state;
  const auto strings = [&](const char* key, std::set<std::string, std::less<>>& into) {
    if (!root.contains(key) || !root[key].is_array()) return;
    for (const Json& item : root[key]) {
      if (item.is_string()) into.insert(item.get<std::string>());
    }
  };
  strings("overridden", state.overridden);
  strings("stale", state.stale);
  if (root.contains("summary") && root["summary"].is_object()) {
    const Json& summary = root["summary"];
    if (summary.contains("H") && summary["H"].is_string()) {
      state.summary.water_level = summary["H"].get<std::string>();
    }
    if (summary.contains("special_bridge") && summary["special_bridge"].is_boolean()) {
      state.summary.special_bridge = summary["special_bridge"].get<bool>();
    }
    if (summary.contains("foundations") && summary["foundations"].is_object()) {
      for (const auto& [key, value] : summary["foundations"].items()) {
        if (value.is_string()) state.summary.foundations[key] = value.get<std::string>();
      }
    }
  }
  return state;
}

void WriteChainState(Project& project, const ChainState& state) {
  if (state == ChainState{}) {
    project.tools.erase(std::string(kToolName));
    return;
  }
  Json root = Json::object();
  if (!state.overridden.empty()) root["overridden"] = state.overridden;
  if (!state.stale.empty()) root["stale"] = state.stale;
  if (state.summary != SummaryInputs{}) {
    Json summary = Json::object();
    summary["H"] = state.summary.water_level;
    summary["special_bridge"] = state.summary.special_bridge;
    summary["foundations"] = Json::object();
    for (const auto& [key, value] : state.summary.foundations) summary["foundations"][key] = value;
    root["summary"] = std::move(summary);
  }
  project.tools[std::string(kToolName)] = root.dump();
}

std::optional<std::string> SourceText(const Project& project, const ChainState& state,
                                      const Source& source) {
  const std::string_view form = source.field.form;
  std::string text;
  if (form == kSummaryForm) {
    text = state.summary.water_level;
  } else {
    const auto window = project.windows.find(form);
    if (window == project.windows.end() || window->second.pressed.empty() ||
        state.stale.contains(form)) {
      return std::nullopt;
    }
    // The depths and discharges of a rejected trial are not the section's.
    if (form == "Form2" && !window->second.form.trial_succeeded) return std::nullopt;
    const std::string* field = FieldText(project, form, source.field.control);
    if (field == nullptr) return std::nullopt;
    text = *field;
  }
  if (text.find_first_not_of(' ') == std::string::npos || !IsPlainNumber(text)) {
    return std::nullopt;
  }
  return text;
}

std::string SourceTooltip(const Source& source) { return "来自：" + std::string(source.caption); }

LinkStatus StatusOf(const Project& project, std::string_view form, std::string_view control) {
  LinkStatus status;
  const Link* link = LinkAt(form, control);
  if (link == nullptr) return status;
  status.source = SourceOf(link->field.quantity);
  const ChainState state = ReadChainState(project);
  if (state.overridden.contains(Key(form, control))) {
    status.kind = LinkStatus::kOverridden;
  }
  if (const std::optional<std::string> text = LinkText(project, state, *link)) {
    status.text = *text;
    if (status.kind == LinkStatus::kWaiting) status.kind = LinkStatus::kLinked;
  }
  return status;
}

FormState Linked(const Project& project, const Window& window, FormState state) {
  LinkWindow(project, ReadChainState(project), window.form, state);
  return state;
}

namespace {

// Brings the filtered links to their sources; a pressed window whose inputs moved is marked
// 需重新计算.
std::vector<LinkChange> Apply(Project& project, const LinkFilter& filter) {
  ChainState state = ReadChainState(project);
  std::vector<LinkChange> all;
  // A link may feed a window whose field is another link's source (form3's d into Form45), so
  // go round until nothing moves; the links form no cycle, so this ends.
  for (bool moved = true; moved;) {
    moved = false;
    for (auto& [form, window] : project.windows) {
      std::vector<LinkChange> changes = LinkWindow(project, state, form, window.form, filter);
      if (changes.empty()) continue;
      moved = true;
      if (!window.pressed.empty()) state.stale.insert(form);
      all.insert(all.end(), changes.begin(), changes.end());
    }
  }
  WriteChainState(project, state);
  return all;
}

}  // namespace

std::vector<LinkChange> ApplyLinks(Project& project) { return Apply(project, {}); }

std::vector<LinkChange> ApplyLinksFrom(Project& project, std::string_view source_form) {
  return Apply(project, {.source_form = source_form});
}

std::vector<LinkChange> AfterPress(Project& project, const Project& before, const Window& window) {
  ChainState state = ReadChainState(project);
  state.stale.erase(std::string(window.form));
  for (const auto& [form, after] : project.windows) {
    if (form == window.form || after.pressed.empty()) continue;
    const auto old = before.windows.find(form);
    if (old != before.windows.end() && old->second.form.fields != after.form.fields) {
      state.stale.insert(form);
    }
  }
  WriteChainState(project, state);
  // Only what this press produced moves: a source typed over since its own window's press
  // waits for that press.
  return ApplyLinksFrom(project, window.form);
}

void Override(Project& project, std::string_view form, std::string_view control) {
  if (LinkAt(form, control) == nullptr) return;
  ChainState state = ReadChainState(project);
  state.overridden.insert(Key(form, control));
  WriteChainState(project, state);
}

void Relink(Project& project, std::string_view form, std::string_view control) {
  const Link* link = LinkAt(form, control);
  if (link == nullptr) return;
  ChainState state = ReadChainState(project);
  state.overridden.erase(Key(form, control));
  WriteChainState(project, state);
  Apply(project, {.only = link});
}

}  // namespace velmora::chain
