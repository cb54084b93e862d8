#include "common/registry.h"

namespace velmora {

std::vector<const Window*> ReferenceWindows() { return {}; }

}  // namespace velmora
