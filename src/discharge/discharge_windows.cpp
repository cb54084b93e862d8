// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"
#include "discharge/area_ratio_method.h"
#include "discharge/non_uniform_flow_flood_discharge.h"
#include "discharge/rainstorm_peak_discharge.h"
#include "discharge/regional_formula_discharge.h"
#include "discharge/uniform_flow_flood_discharge.h"

namespace velmora {

std::vector<const Window*> DischargeWindows() {
  return {&Form31(), &Form24(), &Form32(), &Form34(), &Form5()};
}

}  // namespace velmora
