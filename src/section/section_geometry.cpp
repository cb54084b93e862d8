// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace velmora {

std::string SectionNumberText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  std::string text(buffer);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

PartGeometry& PartGeometry::operator+=(const PartGeometry& other) {
  area += other.area;
  perimeter += other.perimeter;
  width += other.width;
  max_depth = std::max(max_depth, other.max_depth);
  return *this;
}

namespace {

std::string PointName(std::size_t index) { return "第" + std::to_string(index + 1) + "点"; }

}  // namespace

SectionGeometry::SectionGeometry(std::vector<SectionPoint> points,
                                 std::optional<SectionSplits> splits)
    : points_(std::move(points)), splits_(splits) {
  if (points_.size() < 3) {
    throw SectionError("断面点太少：至少需要3个点，现有" + std::to_string(points_.size()) + "个");
  }
  for (std::size_t i = 0; i < points_.size(); ++i) {
    if (!std::isfinite(points_[i].station) || !std::isfinite(points_[i].elevation)) {
      throw SectionError(PointName(i) + "的起点距或高程不是数");
    }
    if (i > 0 && points_[i].station < points_[i - 1].station) {
      throw SectionError("起点距须自左向右不减小：" + PointName(i) + "的起点距" +
                         SectionNumberText(points_[i].station) + "小于前一点的" +
                         SectionNumberText(points_[i - 1].station));
    }
  }
  const double first = points_.front().station;
  const double last = points_.back().station;
  if (!(first < last)) throw SectionError("断面宽度为零：所有点的起点距相同");

  lowest_bed_ = points_.front().elevation;
  for (const SectionPoint& p : points_) lowest_bed_ = std::min(lowest_bed_, p.elevation);
  brim_ = std::min(points_.front().elevation, points_.back().elevation);
  if (!(brim_ > lowest_bed_)) {
    throw SectionError("断面两端须高于最低河床（最低河床" + SectionNumberText(lowest_bed_) +
                       "m，两端较低者" + SectionNumberText(brim_) + "m）");
  }

  if (splits_) {
    const SectionSplits s = *splits_;
    if (!std::isfinite(s.left) || !std::isfinite(s.right)) {
      throw SectionError("滩槽分界的起点距不是数");
    }
    if (s.left < first || s.right > last) {
      throw SectionError("滩槽分界须在断面范围内（起点距" + SectionNumberText(first) + "至" +
                         SectionNumberText(last) + "m）");
    }
    if (!(s.left < s.right)) throw SectionError("左滩槽分界须小于右滩槽分界");
    bounds_ = {first, s.left, s.right, last};
  } else {
    // The whole section is the channel; the floodplains are empty.
    bounds_ = {first, first, last, last};
  }
}

namespace {

// Adds the wet share of a straight piece of ground from (u1, w1) to (u2, w2), u1 < u2.
void AddSlope(double level, double u1, double w1, double u2, double w2, PartGeometry& part) {
  const double d1 = level - w1;
  const double d2 = level - w2;
  if (d1 <= 0.0 && d2 <= 0.0) return;  // dry, or lying on the surface
  const double dx = u2 - u1;
  const double length = std::hypot(dx, w2 - w1);
  if (d1 >= 0.0 && d2 >= 0.0) {
    part.width += dx;
    part.area += 0.5 * (d1 + d2) * dx;
    part.perimeter += length;
    return;
  }
  // The surface meets the ground inside the piece: only the submerged end's share is wet.
  const double wet_depth = std::max(d1, d2);
  const double share = wet_depth / (wet_depth - std::min(d1, d2));
  part.width += share * dx;
  part.area += 0.5 * wet_depth * share * dx;
  part.perimeter += share * length;
}

double Interpolate(const SectionPoint& a, const SectionPoint& b, double station) {
  if (station <= a.station) return a.elevation;
  if (station >= b.station) return b.elevation;
  return a.elevation +
         (b.elevation - a.elevation) * (station - a.station) / (b.station - a.station);
}

}  // namespace

std::array<PartGeometry, 3> SectionGeometry::At(double level) const {
  std::array<PartGeometry, 3> parts{};
  std::array<double, 3> bed{HUGE_VAL, HUGE_VAL, HUGE_VAL};
  for (std::size_t i = 0; i + 1 < points_.size(); ++i) {
    const SectionPoint& a = points_[i];
    const SectionPoint& b = points_[i + 1];
    if (a.station == b.station) {
      // A vertical wall is wetted from its foot up to the level or its top, and belongs to the
      // water at its foot: on a split, a wall falling to the right is the right part's.
      const bool falls = b.elevation < a.elevation;
      std::size_t k = 0;
      for (std::size_t j = 0; j < 3; ++j) {
        if (bounds_[j] < bounds_[j + 1] && bounds_[j] <= a.station && a.station <= bounds_[j + 1]) {
          k = j;
          if (!(falls && a.station == bounds_[j + 1])) break;
        }
      }
      const double foot = std::min(a.elevation, b.elevation);
      const double top = std::max(a.elevation, b.elevation);
      parts[k].perimeter += std::max(0.0, std::min(level, top) - foot);
      continue;
    }
    for (std::size_t k = 0; k < 3; ++k) {
      const double u1 = std::max(a.station, bounds_[k]);
      const double u2 = std::min(b.station, bounds_[k + 1]);
      if (!(u1 < u2)) continue;
      const double w1 = Interpolate(a, b, u1);
      const double w2 = Interpolate(a, b, u2);
      bed[k] = std::min({bed[k], w1, w2});
      AddSlope(level, u1, w1, u2, w2, parts[k]);
    }
  }
  for (std::size_t k = 0; k < 3; ++k) {
    if (parts[k].Wet()) parts[k].max_depth = level - bed[k];
  }
  return parts;
}

std::vector<double> SectionGeometry::Breaks() const {
  std::vector<double> breaks;
  for (const SectionPoint& p : points_) {
    if (p.elevation > lowest_bed_ && p.elevation < brim_) breaks.push_back(p.elevation);
  }
  std::sort(breaks.begin(), breaks.end());
  breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
  return breaks;
}

}  // namespace velmora
