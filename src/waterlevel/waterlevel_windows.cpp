// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"
#include "waterlevel/design_water_level_estimate.h"

namespace velmora {

std::vector<const Window*> WaterLevelWindows() { return {&Form2()}; }

}  // namespace velmora
