// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/cohesive_pier_scour.h"

#include <gtest/gtest.h>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

// Channel results, then floodplain results.
const std::vector<std::string> kResults{"Text19", "Text20", "Text21", "Text25",
                                        "Text22", "Text23", "Text24", "Text26"};
const char* const kAllKept = "kept kept kept kept kept kept kept kept";

class Form1Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form1Test, Compute) { ExpectPress(form1(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Table, Form1Test,
    testing::Values(
        // The worked examples; each button leaves the other case's results alone.
        PressCase{"ChannelWorkedExample",
                  "Command1",
                  {},
                  Shown(kResults, "2.555 .41 2.965 1.735 kept kept kept kept")},
        PressCase{"FloodplainWorkedExample",
                  "Command2",
                  {},
                  Shown(kResults, "kept kept kept kept 3.477 .214 3.692 2.692")},
        // No discharge: hp = 0, V = 0 (channel) or hp^0.1 = 0 (floodplain), so hb = 0 and the
        // total below the ground is minus the maximum depth.
        PressCase{"ChannelNoDischarge", "Command1", Typed("Text1="),
                  Shown(kResults, ". . . -1.23 kept kept kept kept")},
        PressCase{"FloodplainNoDischarge", "Command2", Typed("Text10="),
                  Shown(kResults, "kept kept kept kept . . . -1.")},
        // Faults leave the case's four results as they were.
        PressCase{"ChannelZeroMu",
                  "Command1",
                  Typed("Text5=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ChannelZeroBcj",
                  "Command1",
                  Typed("Text4="),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ChannelZeroHcq",
                  "Command1",
                  Typed("Text3=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ChannelZeroGeneralIndex",
                  "Command1",
                  Typed("Text6=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ChannelZeroPierWidth",
                  "Command1",
                  Typed("Text9=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ChannelNegativeAd",
                  "Command1",
                  Typed("Text7=-1.432"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"ChannelNegativeDepthRatio",
                  "Command1",
                  Typed("Text2=-1.23"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"FloodplainZeroLocalIndex",
                  "Command2",
                  Typed("Text16=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        // The floodplain takes the formula with ILl^1.25, so a negative ILl fails.
        PressCase{"FloodplainNegativeLocalIndex",
                  "Command2",
                  Typed("Text16=-0.2"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"FloodplainZeroBtj",
                  "Command2",
                  Typed("Text13=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero}),
    RowName);

// The default texts of each frame, in the order of the input structs.
CohesiveChannelInput Channel() {
  return {85, 1.23, 0.655, 49.43, 0.951, 0.2, 0.2, 1.432, 1, ToSingle(1.3)};
}

CohesiveFloodplainInput Floodplain() { return {100, 1, 0.4, 40, 0.95, 0.2, 0.2, 1, ToSingle(1.3)}; }

TEST(CohesivePierScourTest, WorkedExampleIntermediates) {
  const CohesivePierScourResult c = CohesivePierScour(Channel());
  EXPECT_NEAR(c.hp.value(), 2.5549551, 1e-7);
  EXPECT_NEAR(c.v.value(), 2.8967693, 1e-6);
  EXPECT_NEAR(c.local.depth_ratio.value(), 1.965, 5e-4);
  EXPECT_FALSE(c.local.deep);
  EXPECT_NEAR(c.local.hb.value(), 0.4096481, 1e-7);
  const CohesivePierScourResult f = CohesivePierScour(Floodplain());
  EXPECT_NEAR(f.hp.value(), 3.4771917, 1e-7);
  EXPECT_EQ(f.v.value(), 1.6499999761581421);
  EXPECT_NEAR(f.local.depth_ratio.value(), 2.675, 5e-4);
  EXPECT_TRUE(f.local.deep);
  EXPECT_NEAR(f.local.hb.value(), 0.2143954, 1e-7);
}

TEST(CohesivePierScourTest, DepthRatioOfExactlyTwoAndAHalfTakesTheDeepFormula) {
  const Single b1 = ToSingle(1.3);
  const Real hp = 2.5 * b1;  // exact in double precision
  const CohesiveLocalScour at = CohesiveLocalScourAt(hp, b1, 1, 0.2, ToSingle(1.0));
  EXPECT_EQ(at.depth_ratio.value(), 2.5);
  EXPECT_TRUE(at.deep);
  EXPECT_FALSE(CohesiveLocalScourAt(hp - 1e-9, b1, 1, 0.2, ToSingle(1.0)).deep);
}

// Which liquidity index and depth feed the velocity differs between the two cases.
TEST(CohesivePierScourTest, VelocityInputsOfEachCase) {
  CohesiveChannelInput c = Channel();
  c.il_local = 0.5;
  EXPECT_EQ(CohesivePierScour(c).v.value(), CohesivePierScour(Channel()).v.value());
  c = Channel();
  c.il_general = 0.5;
  EXPECT_NE(CohesivePierScour(c).v.value(), CohesivePierScour(Channel()).v.value());

  const CohesivePierScourResult base = CohesivePierScour(Floodplain());
  CohesiveFloodplainInput f = Floodplain();
  f.il_local = 0.5;
  EXPECT_NE(CohesivePierScour(f).v.value(), base.v.value());
  EXPECT_EQ(CohesivePierScour(f).hp.value(), base.hp.value());
  f = Floodplain();
  f.il_general = 0.5;
  EXPECT_EQ(CohesivePierScour(f).v.value(), base.v.value());
  EXPECT_NE(CohesivePierScour(f).hp.value(), base.hp.value());
  f = Floodplain();
  f.htq = 0.5;
  EXPECT_EQ(CohesivePierScour(f).v.value(), base.v.value());
  EXPECT_NE(CohesivePierScour(f).hp.value(), base.hp.value());
}

}  // namespace
}  // namespace velmora
