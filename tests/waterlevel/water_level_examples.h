// SPDX-License-Identifier: GPL-3.0-or-later
// The inputs of the design water level examples, shared by the trial and the report tests.
#pragma once

#include "waterlevel/design_water_level_estimate.h"

namespace velmora {

/// The worked example: Form2's default texts (channel only, Qp = 1733).
inline WaterLevelInputs WorkedExampleInputs() {
  WaterLevelInputs in;
  in.ac = 581.894;
  in.chi_c = 738.58;
  in.bc = 738.58;
  in.nc = 40;
  in.ic = ToSingle(8);
  in.hcm = 2.1;
  in.qp = 1733;
  return in;
}

/// The separable example: the worked example's channel and a floodplain of At = 200,
/// χt = 400, Bt = 400, nt = 0.05, It = 8 (Qt = 225.3815..., D = -15.479479 against Qp = 1733).
inline WaterLevelInputs SeparableExampleInputs() {
  WaterLevelInputs in = WorkedExampleInputs();
  in.at = 200;
  in.chi_t = 400;
  in.bt = 400;
  in.nt = 0.05;
  in.it = ToSingle(8);
  return in;
}

}  // namespace velmora
