// SPDX-License-Identifier: GPL-3.0-or-later
// Links over a project: inputs that stand for a quantity another window produced show its value,
// follow it when it changes, and mark their window 需重新计算; the engineer may type over one
// (overridden, kept through recalculation) and relink it.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "chain/quantities.h"
#include "project/project.h"

namespace velmora::chain {

/// The scour summary's own inputs: the design water level, the bridge class, and the foundation
/// bottom elevation of each pier or abutment (keyed as in `ScourElement::key`).
struct SummaryInputs {
  std::string water_level;      // H (m), as typed
  bool special_bridge = false;  // 特殊大桥 rather than 一般桥梁
  std::map<std::string, std::string, std::less<>> foundations;
  bool operator==(const SummaryInputs&) const = default;
};

/// What the chain keeps in a project beside the windows ("tools" → "chain" in the file).
struct ChainState {
  std::set<std::string, std::less<>> overridden;  // "form3.Text25"
  std::set<std::string, std::less<>> stale;       // forms to be pressed again: 需重新计算
  SummaryInputs summary;
  bool operator==(const ChainState&) const = default;
};

inline constexpr std::string_view kToolName = "chain";

/// The chain's state in the project; empty when the project holds none or a damaged one.
ChainState ReadChainState(const Project& project);
/// Keeps the state in the project, and nothing at all when it is empty.
void WriteChainState(Project& project, const ChainState& state);

/// The text a source gives its quantity now, or none while its window has not produced it: the
/// window must be pressed, not 需重新计算, and, for the design water level, accepted.
std::optional<std::string> SourceText(const Project& project, const ChainState& state,
                                      const Source& source);

/// How a linked input stands.
struct LinkStatus {
  enum Kind { kWaiting, kLinked, kOverridden } kind = kWaiting;
  const Source* source = nullptr;
  std::string text;  // the text the link gives, when the source has produced it
};
LinkStatus StatusOf(const Project& project, std::string_view form, std::string_view control);
/// "来自：设计水位估算 河槽流量Qc"
std::string SourceTooltip(const Source& source);

/// One linked input the links rewrote.
struct LinkChange {
  std::string form;
  std::string control;
  std::string before;
  std::string after;
};

/// The window's state with its linked inputs following their sources (overridden ones kept).
FormState Linked(const Project& project, const Window& window, FormState state);

/// Brings every linked input of the windows the project holds to its source; a window already
/// pressed whose inputs moved is marked 需重新计算.
std::vector<LinkChange> ApplyLinks(Project& project);
/// The same for the links fed by one window's values.
std::vector<LinkChange> ApplyLinksFrom(Project& project, std::string_view source_form);

/// After a press carried out on the project (`before` is the project as it was): the pressed
/// window is current again, a pressed window whose fields the press changed is marked
/// 需重新计算, and the links fed by the pressed window follow. Returns what the links moved.
std::vector<LinkChange> AfterPress(Project& project, const Project& before, const Window& window);

/// The engineer typed over a linked input: it keeps their value.
void Override(Project& project, std::string_view form, std::string_view control);
/// The input follows its source again (需重新计算 for its window when that moves it).
void Relink(Project& project, std::string_view form, std::string_view control);

}  // namespace velmora::chain
