// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/registry.h"
#include "reference/frequency_tables.h"
#include "reference/rainstorm_tables.h"

namespace velmora {

std::vector<const Window*> FrequencyWindows() {
  return {// The Pearson type III tables, as the menu "帮助" lists them (Kp in the order of k).
          &Form25(), &Form37(), &Form26(), &Form38(), &Form27(), &Form39(), &Form28(), &Form40(),
          &Form41(),
          // The rainstorm parameter tables, as the choice windows and Form5's labels reach them.
          &Form14(), &Form15(), &Form11(), &Form10(), &Form17(), &Form18()};
}

}  // namespace velmora
