#include "common/registry.h"

namespace velmora {

std::vector<const Window*> ScourWindows() { return {}; }

}  // namespace velmora
