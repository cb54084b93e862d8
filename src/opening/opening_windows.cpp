// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"
#include "opening/channel_width_opening_length.h"
#include "opening/sediment_balance_opening_length.h"
#include "opening/unit_width_opening_length.h"

namespace velmora {

std::vector<const Window*> OpeningWindows() { return {&Form35(), &Form36(), &Form45()}; }

}  // namespace velmora
