// SPDX-License-Identifier: GPL-3.0-or-later
// Form2: one trial of an assumed design water level. Each sub-section's discharge by Manning's
// formula Q = A × (1/n) × R^(2/3) × I^(1/2), their sum against the design discharge Qp.
#pragma once

#include <optional>

#include "common/number.h"
#include "common/press.h"
#include "common/window.h"

namespace velmora {

/// "滩槽不可分": the channel parameters describe the whole section; "滩槽可分": channel and
/// floodplain are computed apart and their discharges added.
enum class SectionType { kNotSeparable, kSeparable };

/// The thirteen inputs as read: doubles, except the slopes, which the window holds as singles.
struct WaterLevelInputs {
  Real ac;     // channel flow area, m²
  Real chi_c;  // channel wetted perimeter, m
  Real bc;     // channel water-surface width, m
  Real nc;     // channel roughness as entered: n, or 1/n when above 1
  Single ic;   // channel water-surface slope, ‰
  Real at;     // floodplain flow area, m²
  Real chi_t;  // floodplain wetted perimeter, m
  Real bt;     // floodplain water-surface width, m
  Real nt;     // floodplain roughness as entered
  Single it;   // floodplain water-surface slope, ‰
  Real hcm;    // assumed maximum depth of the channel, m (carried, not computed with)
  Real htm;    // assumed maximum depth of the floodplain, m
  Real qp;     // design discharge, m³/s
};

/// Manning's formula over one sub-section.
struct SubSectionFlow {
  Real r;                        // hydraulic radius A / χ, m
  bool entered_inverse = false;  // the roughness entry was above 1, so 1/n itself
  Real k;                        // conveyance factor 1/n
  Real v;                        // mean velocity, m/s
  Real q;                        // discharge, m³/s
  Single hj;                     // mean depth A / B, m
};

enum class TrialVerdict {
  kNoSectionType,  // neither option chosen: only the channel was computed
  kAccepted,       // |D| <= 5 %
  kDepthTooSmall,  // D > 5 %: the section carries too little
  kDepthTooLarge,  // D < -5 %: the section carries too much
};

struct DesignWaterLevelResult {
  std::optional<SectionType> section;
  SubSectionFlow channel;
  SubSectionFlow floodplain;  // separable case only
  Real q;                     // computed discharge of the whole section, m³/s
  Single d;                   // deviation 100 × (Qp − Q) / Qp, %
  TrialVerdict verdict = TrialVerdict::kNoSectionType;
};

/// The discharge, velocity and depths of one sub-section (areas m², lengths m, slope in ‰).
SubSectionFlow ManningFlow(Real area, Real perimeter, Real width, Real roughness, Single slope);
void ManningFlow(Real area, Real perimeter, Real width, Real roughness, Single slope,
                 SubSectionFlow& f);

/// Evaluates one trial. The channel comes first, so its faults stand even without a section type.
DesignWaterLevelResult DesignWaterLevelEstimate(const WaterLevelInputs& in,
                                                std::optional<SectionType> section);
/// The same, filling `r` in the order computed, so that a fault leaves the values before it.
void DesignWaterLevelEstimate(const WaterLevelInputs& in, std::optional<SectionType> section,
                              DesignWaterLevelResult& r);

/// The inputs as the window's fields hold them, and the section type its options choose.
WaterLevelInputs ReadWaterLevelInputs(const Press& press);
std::optional<SectionType> SelectedSection(const Press& press);

/// The window "设计水位估算".
const Window& Form2();

}  // namespace velmora
