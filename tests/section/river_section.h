// SPDX-License-Identifier: GPL-3.0-or-later
// A surveyed river section shared by the section tests: floodplains on both sides of a channel
// about 70 m wide and 4 m deep.
#pragma once

#include "section/section_flow.h"

namespace velmora {

inline SectionInput RiverSection(bool split) {
  SectionInput in;
  in.points = {{0, 104.2},   {15, 103.1},  {40, 102.6},  {70, 102.3},  {95, 102.0}, {105, 100.8},
               {112, 99.2},  {120, 98.1},  {135, 97.6},  {150, 97.9},  {162, 98.8}, {170, 100.5},
               {180, 101.9}, {210, 102.2}, {240, 102.5}, {265, 103.3}, {280, 104.5}};
  in.n_channel = 0.03;
  in.slope_channel = 0.5;
  if (split) {
    in.splits = SectionSplits{100, 175};
    in.n_floodplain = 22;  // entered as 1/n
    in.slope_floodplain = 0.5;
  }
  return in;
}

}  // namespace velmora
