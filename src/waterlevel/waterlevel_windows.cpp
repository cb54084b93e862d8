#include "common/registry.h"

namespace velmora {

std::vector<const Window*> WaterLevelWindows() { return {}; }

}  // namespace velmora
