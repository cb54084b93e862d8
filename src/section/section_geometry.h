// SPDX-License-Identifier: GPL-3.0-or-later
// A surveyed cross-section: a ground line of (station, elevation) points, split into the left
// floodplain, the channel and the right floodplain, and its geometry under a water level.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {

/// Input the section cannot be computed from; the message is for the user.
class SectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A number in a message: at most three decimals, no trailing zeros ("12.5", "0.25", "3").
std::string SectionNumberText(double value);

struct SectionPoint {
  double station;    // 起点距, m
  double elevation;  // 高程, m
  bool operator==(const SectionPoint&) const = default;
};

/// The two stations that divide the section into 左滩 / 河槽 / 右滩.
struct SectionSplits {
  double left;
  double right;
  bool operator==(const SectionSplits&) const = default;
};

enum SectionPart { kLeftFloodplain = 0, kChannel = 1, kRightFloodplain = 2 };

/// One part of the section under a level, added over every wet stretch.
struct PartGeometry {
  double area = 0.0;       // flow area A, m²
  double perimeter = 0.0;  // wetted perimeter χ: the ground line under water, m
  double width = 0.0;      // water-surface width B, m
  double max_depth = 0.0;  // level minus the lowest bed of the part, m; 0 when dry

  bool Wet() const { return area > 0.0; }
  /// Two floodplains as one: areas, perimeters and widths added, the larger maximum depth.
  PartGeometry& operator+=(const PartGeometry& other);
};

class SectionGeometry {
 public:
  /// Checks the points (at least 3, numbers, stations non-decreasing, ends above the lowest
  /// bed) and the splits (inside the section, left before right); throws SectionError.
  SectionGeometry(std::vector<SectionPoint> points, std::optional<SectionSplits> splits);

  const std::vector<SectionPoint>& points() const { return points_; }
  const std::optional<SectionSplits>& splits() const { return splits_; }
  double lowest_bed() const { return lowest_bed_; }
  /// The highest level the section holds: the lower of its two end elevations, m.
  double brim() const { return brim_; }

  /// The three parts under a level; without splits everything is the channel.
  std::array<PartGeometry, 3> At(double level) const;

  /// Distinct bed elevations strictly between the lowest bed and the brim, ascending: the
  /// levels where the geometry changes its law.
  std::vector<double> Breaks() const;

 private:
  std::vector<SectionPoint> points_;
  std::optional<SectionSplits> splits_;
  std::array<double, 4> bounds_{};  // part k spans [bounds_[k], bounds_[k + 1]]
  double lowest_bed_ = 0.0;
  double brim_ = 0.0;
};

}  // namespace velmora
