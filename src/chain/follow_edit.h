// SPDX-License-Identifier: GPL-3.0-or-later
// What an edit fills in by itself within its window, beside the presses.
#pragma once

#include <string_view>
#include <vector>

#include "common/press.h"

namespace velmora::chain {

/// The fields an edit of `edited` fills in the window: Form34's φ follows P, Cv and Cs/Cv once
/// a design frequency P is entered. Nothing for any other edit.
std::vector<effect::SetField> FollowEdit(const Window& window, const FormState& state,
                                         std::string_view edited);

}  // namespace velmora::chain
