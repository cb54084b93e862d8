// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of formulas 65-1 and 65-2 in a chapter, shared by the pier windows that use them.
#pragma once

#include <string_view>

#include "book/chapter.h"
#include "scour/pier_local_scour.h"

namespace velmora {

/// Declares the steps of `Formula651` filling `f`, keyed "keta1", "v01", "v0p1",
/// "a1", "n1", "k1", "hb1f", "hb1"); the other arguments are the templates of d, B1, Kξ, hp, V.
void Formula651Steps(book::Chapter& ch, PierScour651& f, std::string_view d, std::string_view b1,
                     std::string_view k_xi, std::string_view hp, std::string_view v);

/// Declares the steps of `Formula652Bed` filling `t`: "keta2", "v02", "v0p2", "y2".
void Formula652BedSteps(book::Chapter& ch, BedTerms652& t, std::string_view d);

/// The branch a local scour formula took, and a negative depth taken as 0.
void LocalScourBranch(book::Chapter& ch, std::string_view formula, std::string_view index,
                      bool v_at_most_v0, Real hb_formula);

}  // namespace velmora
