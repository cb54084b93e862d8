// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"
#include "scour/channel_pier_scour.h"
#include "scour/cohesive_abutment_scour.h"
#include "scour/cohesive_pier_scour.h"
#include "scour/floodplain_pier_scour.h"
#include "scour/noncohesive_abutment_scour.h"

namespace velmora {

std::vector<const Window*> ScourWindows() {
  return {&form3(), &Form19(), &form1(), &Form29(), &Form30()};
}

}  // namespace velmora
