#include "common/registry.h"
#include "discharge/area_ratio_method.h"

namespace velmora {

std::vector<const Window*> DischargeWindows() { return {&Form31()}; }

}  // namespace velmora
