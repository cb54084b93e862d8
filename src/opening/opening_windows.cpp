#include "common/registry.h"

namespace velmora {

std::vector<const Window*> OpeningWindows() { return {}; }

}  // namespace velmora
