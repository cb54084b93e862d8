#include "common/registry.h"

namespace velmora {

std::vector<const Window*> FrequencyWindows() { return {}; }

}  // namespace velmora
