// SPDX-License-Identifier: GPL-3.0-or-later
// The chain's shared quantities: which field of which window produces each, and which inputs of
// other windows stand for it and follow it.
#pragma once

#include <string_view>
#include <vector>

namespace velmora::chain {

enum class Quantity {
  kQp,   // design discharge
  kQc,   // channel discharge
  kQt,   // floodplain discharge
  kBc,   // channel width (water surface)
  kBt,   // floodplain width (water surface)
  kBcg,  // channel width within the bridge's length
  kBcj,  // net opening width over the channel
  kBtj,  // net opening width over the floodplain
  kVc,   // channel mean velocity
  kVt,   // floodplain mean velocity
  kHcm,  // channel maximum depth
  kHcq,  // channel mean depth
  kHtm,  // floodplain maximum depth
  kHtq,  // floodplain mean depth
  kH,    // design water level elevation
  kD,    // bed grain size
  kLj,   // minimum net opening length
};

enum class Unit { kNone, kMetre, kMillimetre, kDischarge, kVelocity };

/// A field that stands for a quantity, in the unit its caption names.
struct QuantityField {
  std::string_view form;
  std::string_view control;
  Quantity quantity;
  Unit unit = Unit::kNone;
};

/// Where a quantity is produced. The source counts once its window has computed it (see
/// links.h); the caption names it in tooltips: "设计水位估算 河槽流量Qc".
struct Source {
  QuantityField field;
  std::string_view caption;
};

/// An input that takes the quantity's value from its source.
struct Link {
  QuantityField field;
  // "#####.###" like the windows' own hand-overs; a grain size in metres needs every digit.
  bool full_digits = false;
};

/// The window that holds the scour summary's own inputs (H among them); not a calculator.
inline constexpr std::string_view kSummaryForm = "ScourSummary";

const std::vector<Source>& Sources();
const std::vector<Link>& Links();
/// Fields that stand for a quantity without following it: filled by a window's own hand-over,
/// or the engineer's to enter. The plausibility checks read them.
const std::vector<QuantityField>& HeldFields();

const Source* SourceOf(Quantity quantity);
const Link* LinkAt(std::string_view form, std::string_view control);
/// The quantity a field stands for, among sources, links and held fields.
const QuantityField* QuantityAt(std::string_view form, std::string_view control);

/// The factor that takes a value in `from` to `to` (mm to m: 0.001).
double UnitFactor(Unit from, Unit to);

}  // namespace velmora::chain
