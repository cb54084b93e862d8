// SPDX-License-Identifier: GPL-3.0-or-later
// Values that cannot belong to the section, flagged beside the result; never blocking.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"

namespace velmora::chain {

/// One doubtful value: the field it stands in and why it is doubtful.
struct Flag {
  std::string form;
  std::string control;
  std::string text;
  bool operator==(const Flag&) const = default;
};

/// A general scour this many times the flow depth cannot be the section's.
inline constexpr double kDeepScourFactor = 3.0;

/// The flags of one window in the given state; the project gives the section's widths.
std::vector<Flag> FlagsOf(const Project& project, std::string_view form, const FormState& state);
/// The flags of every window the project holds, in menu order.
std::vector<Flag> ProjectFlags(const Project& project);

}  // namespace velmora::chain
