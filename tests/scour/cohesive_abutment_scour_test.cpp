// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/cohesive_abutment_scour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

const std::vector<std::string> kResults{"Text5", "Text6"};
const char* const kAllKept = "kept kept";

class Form30Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form30Test, Compute) { ExpectPress(Form30(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Table, Form30Test,
    testing::Values(
        // The worked example: hs = 2.526496, Zmin = 1497.4735 (single).
        PressCase{"WorkedExample", "Command1", {}, Shown(kResults, "2.526 1497.474")},
        // LD = 0: hs = (4.05 × 2.5 × 0.2)^(5/8) = 1.554 by hand.
        PressCase{"NothingBlocked", "Command1", Typed("Text3=0"),
                  Shown(kResults, "1.554 1498.446")},
        // IL = 0: no scour, the lowest scour line is the design water level.
        PressCase{"NoLiquidity", "Command1", Typed("Text4=0"), Shown(kResults, ". 1500.")},
        // LD = 2 B: E = 53.99 outweighs 3 / (1 − 2) = −3; hs = 25.495^(5/8) = 7.569 by hand.
        PressCase{"BlockedBeyondTheWidth", "Command1", Typed("Text3=40"),
                  Shown(kResults, "7.569 1492.431")},
        PressCase{"ZeroWidth",
                  "Command1",
                  Typed("Text2="),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"FullyBlocked",
                  "Command1",
                  Typed("Text3=20"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        // r = 1.1: 3 / (1 − r) = −30 outweighs E.
        PressCase{"SlightlyOverBlocked",
                  "Command1",
                  Typed("Text3=22"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeDischarge",
                  "Command1",
                  Typed("Text1=-50"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        // r = 400: e^(1.97 r) is beyond the double range.
        PressCase{"ExponentialBeyondRange",
                  "Command1",
                  Typed("Text3=8000"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kOverflow}),
    RowName);

TEST(CohesiveAbutmentScourTest, WorkedExampleIntermediates) {
  const CohesiveAbutmentScourResult r = CohesiveAbutmentScour(50, 20, 10, 0.2, ToSingle(1500.0));
  EXPECT_EQ(r.blocked.value(), 0.5);
  EXPECT_EQ(r.q.value(), 2.5F);
  EXPECT_NEAR(r.e.value(), 1.05 * std::exp(0.985), 1e-12);
  EXPECT_NEAR(r.hs.value(), 2.526496, 1e-6);
  EXPECT_NEAR(r.z_min.value(), 1497.4735, 1e-4);
}

}  // namespace
}  // namespace velmora
