// SPDX-License-Identifier: GPL-3.0-or-later
#include "chain/follow_edit.h"

#include "discharge/regional_formula_discharge.h"

namespace velmora::chain {

std::vector<effect::SetField> FollowEdit(const Window& window, const FormState& state,
                                         std::string_view edited) {
  if (window.form != "Form34" || (edited != "Text14" && edited != "Text4" && edited != "Text5")) {
    return {};
  }
  if (const auto phi = PhiForFrequency(state)) return {{"Text6", *phi}};
  return {};
}

}  // namespace velmora::chain
