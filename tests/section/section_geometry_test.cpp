// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora {
namespace {

struct GeometryCase {
  std::string name;
  std::vector<SectionPoint> points;
  std::optional<SectionSplits> splits;
  double level;
  SectionPart part;
  PartGeometry expected;
};

void PrintTo(const GeometryCase& c, std::ostream* os) { *os << c.name; }

class SectionGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

void ExpectRelative(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected))) << what;
}

TEST_P(SectionGeometryTest, AreaPerimeterWidthDepth) {
  const GeometryCase& c = GetParam();
  const PartGeometry g = SectionGeometry(c.points, c.splits).At(c.level)[c.part];
  ExpectRelative(g.area, c.expected.area, "A");
  ExpectRelative(g.perimeter, c.expected.perimeter, "chi");
  ExpectRelative(g.width, c.expected.width, "B");
  ExpectRelative(g.max_depth, c.expected.max_depth, "hmax");
}

const double kRoot2 = std::sqrt(2.0);
// Ground pieces of the island and split cases, worked by hand from their rise and run.
const double kSlope24 = std::hypot(2.0, 4.0);
const double kSlope13 = std::hypot(1.0, 3.0);
const double kSlope101 = std::hypot(10.0, 1.0);

// The split compound section: floodplains at 2 m, a channel 0 m deep between stations 20 and 30;
// the splits at 15 and 35 fall between points.
const std::vector<SectionPoint> kCompound = {{0, 3},  {10, 2}, {20, 2}, {22, 0},
                                             {28, 0}, {30, 2}, {40, 2}, {50, 3}};
// Vertical channel walls standing exactly on the splits.
const std::vector<SectionPoint> kWalled = {{0, 3}, {10, 2}, {10, 0}, {20, 0}, {20, 2}, {30, 3}};

INSTANTIATE_TEST_SUITE_P(
    HandWorked, SectionGeometryTest,
    ::testing::Values(
        GeometryCase{
            "Rectangle", {{0, 5}, {0, 0}, {10, 0}, {10, 5}}, {}, 2, kChannel, {20, 14, 10, 2}},
        GeometryCase{"Trapezoid",
                     {{0, 4}, {4, 0}, {14, 0}, {18, 4}},
                     {},
                     2,
                     kChannel,
                     {24, 10 + 4 * kRoot2, 14, 2}},
        GeometryCase{"V", {{0, 3}, {3, 0}, {6, 3}}, {}, 1.5, kChannel, {2.25, 3 * kRoot2, 3, 1.5}},
        GeometryCase{"VerticalWall",
                     {{0, 5}, {0, 0}, {4, 0}, {8, 4}},
                     {},
                     2,
                     kChannel,
                     {10, 6 + 2 * kRoot2, 6, 2}},
        // The bar at station 5 rises to 3 m: two wet stretches of 1 m depth, added.
        GeometryCase{"IslandAboveWater",
                     {{0, 4}, {2, 0}, {4, 0}, {5, 3}, {6, 0}, {8, 0}, {10, 4}},
                     {},
                     1,
                     kChannel,
                     {2 * (0.25 + 2 + 1.0 / 6), 2 * (kSlope24 / 4 + 2 + kSlope13 / 3),
                      2 * (0.5 + 2 + 1.0 / 3), 1}},
        // The level stands on the vertex (2, 2): the piece above it is dry, the one below wet.
        GeometryCase{"LevelAtVertex",
                     {{0, 4}, {2, 2}, {4, 0}, {6, 0}, {8, 4}},
                     {},
                     2,
                     kChannel,
                     {7, 2 * kRoot2 + 2 + kSlope24 / 2, 5, 2}},
        GeometryCase{"SplitBetweenPointsLeft",
                     kCompound,
                     SectionSplits{15, 35},
                     2.5,
                     kLeftFloodplain,
                     {3.75, kSlope101 / 2 + 5, 10, 0.5}},
        GeometryCase{"SplitBetweenPointsChannel",
                     kCompound,
                     SectionSplits{15, 35},
                     2.5,
                     kChannel,
                     {26, 16 + 4 * kRoot2, 20, 2.5}},
        GeometryCase{"SplitBetweenPointsRight",
                     kCompound,
                     SectionSplits{15, 35},
                     2.5,
                     kRightFloodplain,
                     {3.75, kSlope101 / 2 + 5, 10, 0.5}},
        // Without splits the same section is one channel: the parts' sums.
        GeometryCase{"NoSplitsWholeSection",
                     kCompound,
                     {},
                     2.5,
                     kChannel,
                     {33.5, 26 + 4 * kRoot2 + kSlope101, 40, 2.5}},
        // A wall on a split belongs to the water at its foot: both walls are the channel's.
        GeometryCase{"WallsOnSplitsChannel",
                     kWalled,
                     SectionSplits{10, 20},
                     2.5,
                     kChannel,
                     {25, 14, 10, 2.5}},
        GeometryCase{"WallsOnSplitsLeft",
                     kWalled,
                     SectionSplits{10, 20},
                     2.5,
                     kLeftFloodplain,
                     {1.25, kSlope101 / 2, 5, 0.5}},
        GeometryCase{
            "FloodplainDry", kCompound, SectionSplits{15, 35}, 1.5, kLeftFloodplain, {0, 0, 0, 0}}),
    [](const auto& info) { return info.param.name; });

struct BadSection {
  std::string name;
  std::vector<SectionPoint> points;
  std::optional<SectionSplits> splits;
  std::string message;  // a part of the message the user sees
};

void PrintTo(const BadSection& c, std::ostream* os) { *os << c.name; }

class BadSectionTest : public ::testing::TestWithParam<BadSection> {};

TEST_P(BadSectionTest, RefusedWithReason) {
  const BadSection& c = GetParam();
  try {
    SectionGeometry(c.points, c.splits);
    FAIL() << "accepted";
  } catch (const SectionError& e) {
    EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadSectionTest,
    ::testing::Values(
        BadSection{"TooFewPoints", {{0, 2}, {1, 0}}, {}, "断面点太少"},
        BadSection{
            "Unordered", {{0, 2}, {5, 0}, {3, 0}, {8, 2}}, {}, "第3点的起点距3小于前一点的5"},
        BadSection{"NotANumber", {{0, 2}, {1, NAN}, {2, 2}}, {}, "第2点的起点距或高程不是数"},
        BadSection{"EndsNotAboveBed", {{0, 0}, {1, 1}, {2, 2}}, {}, "断面两端须高于最低河床"},
        BadSection{"SplitOutside", {{0, 2}, {1, 0}, {2, 2}}, SectionSplits{0.5, 2.5}, "0至2m"},
        BadSection{"SplitsReversed",
                   {{0, 2}, {1, 0}, {2, 2}},
                   SectionSplits{1.5, 0.5},
                   "左滩槽分界须小于右滩槽分界"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace velmora
