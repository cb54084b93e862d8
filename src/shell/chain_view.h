// SPDX-License-Identifier: GPL-3.0-or-later
// The chain's links as the windows show them: linked inputs follow their sources, tinted, with
// the source in the tooltip; typing over one makes it the engineer's, 恢复链接 undoes that.
#pragma once

#include <string_view>

#include "project/project.h"

namespace velmora {

class FormWindow;
class WindowManager;

/// Set on an input whose tint and tooltip are the chain's (linked, overridden, doubtful): a
/// plain number typed there keeps them.
inline constexpr char kChainStyledProperty[] = "velmoraChainStyled";

/// After a press of `pressed` (`before` is the project just before it): the pressed window is
/// current, windows whose fields the press changed are marked 需重新计算, the inputs linked to
/// the pressed window's values follow (their windows 需重新计算 when they move). With no press,
/// after an edit of the scour summary: the inputs linked to it follow. Then ShowChain.
void RefreshChain(WindowManager& manager, std::string_view pressed = {},
                  const Project* before = nullptr);

/// Every calculator window shows its links, flags and 需重新计算 in its title.
void ShowChain(WindowManager& manager);

/// A calculator window just created with its defaults: its linked inputs take what the chain
/// already knows.
void ChainWindowOpened(WindowManager& manager, FormWindow& window);

/// The engineer typed into a field: φ follows P in Form34, and a linked input becomes theirs.
void ChainFieldEdited(WindowManager& manager, FormWindow& window, std::string_view control);

}  // namespace velmora
