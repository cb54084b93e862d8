// SPDX-License-Identifier: GPL-3.0-or-later
// The chain's links as the windows show them: linked inputs follow their sources, tinted, with
// the source in the tooltip; typing over one makes it the engineer's, 恢复链接 undoes that.
#pragma once

#include <string_view>

#include "common/press.h"

namespace velmora {

class FormWindow;
class WindowManager;

/// After a press of `pressed` (or with no press, after an edit elsewhere): the pressed window is
/// current, windows it wrote into are marked 需重新计算, linked inputs follow their sources, and
/// every calculator window shows its links, flags and 需重新计算 in its title.
void RefreshChain(WindowManager& manager, std::string_view pressed = {},
                  const Effects& effects = {});

/// A calculator window just created with its defaults: its linked inputs take what the chain
/// already knows.
void ChainWindowOpened(WindowManager& manager, FormWindow& window);

/// The engineer typed into a field: φ follows P in Form34, and a linked input becomes theirs.
void ChainFieldEdited(WindowManager& manager, FormWindow& window, std::string_view control);

}  // namespace velmora
