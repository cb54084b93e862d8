// SPDX-License-Identifier: GPL-3.0-or-later
// The discharge of a surveyed section at a level, by the design-water-level window's own Manning
// computation, and the level that carries a design discharge.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "section/section_geometry.h"

namespace velmora {

/// Roughness (n, or 1/n when above 1) and water-surface slope (‰) of a part, as entered.
struct PartResistance {
  double roughness = 0.0;
  double slope = 0.0;
  bool operator==(const PartResistance&) const = default;
};

/// What the engineer enters for a section; a field left empty is nothing.
struct SectionInput {
  std::vector<SectionPoint> points;
  std::optional<SectionSplits> splits;
  std::optional<double> n_channel;
  std::optional<double> slope_channel;
  std::optional<double> n_floodplain;
  std::optional<double> slope_floodplain;
  std::optional<double> qp;  // design discharge, m³/s
  bool operator==(const SectionInput&) const = default;
};

/// The flow of the channel or of the two floodplains together.
struct PartFlow {
  PartGeometry geometry;
  double q = 0.0;  // m³/s
  double v = 0.0;  // mean velocity, m/s
};

struct SectionFlowAt {
  double level = 0.0;  // m
  PartFlow channel;
  std::optional<PartFlow> floodplain;  // only when the section has splits
  double q = 0.0;                      // Qc + Qt, m³/s
  double Area() const {
    return channel.geometry.area + (floodplain ? floodplain->geometry.area : 0);
  }
  double Width() const {
    return channel.geometry.width + (floodplain ? floodplain->geometry.width : 0);
  }
};

/// A checked section with the roughness and slopes the design-water-level window will hold.
class SectionFlow {
 public:
  /// Checks everything the flow needs (not Qp); throws SectionError with the reason.
  explicit SectionFlow(const SectionInput& input);

  const SectionGeometry& geometry() const { return geometry_; }
  const PartResistance& channel() const { return channel_; }
  const std::optional<PartResistance>& floodplain() const { return floodplain_; }

  /// Discharge at a level between the lowest bed and the brim (throws SectionError outside).
  SectionFlowAt At(double level) const;
  /// What the section carries brim-full, m³/s.
  double Capacity() const;
  /// The level (m) that carries qp, to a tenth of a millimetre; throws SectionError when qp is not
  /// positive or beyond the capacity.
  SectionFlowAt Solve(double qp) const;
  /// The stage–discharge table: the lowest bed, then every whole step above it, then the brim.
  std::vector<SectionFlowAt> Rating(double step) const;
  /// A round step (1, 2 or 5 × 10^k m) giving about `rows` rows from the lowest bed to the brim.
  double RatingStep(int rows = 25) const;

 private:
  SectionGeometry geometry_;
  PartResistance channel_;
  std::optional<PartResistance> floodplain_;
};

/// What "填入设计水位估算" writes into Form2: the option to select and the field texts.
struct Form2HandOver {
  std::string option;  // "Option1" 滩槽不可分 or "Option2" 滩槽可分
  std::vector<std::pair<std::string, std::string>> fields;  // Text1 … Text13 in order
};

/// The hand-over of a level and its design discharge. The floodplain goes over only when it is
/// wet; a dry channel cannot go over (SectionError).
Form2HandOver HandOverToForm2(const SectionFlow& flow, const SectionFlowAt& at, double qp);

}  // namespace velmora
