// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/channel_pier_scour.h"

#include <gtest/gtest.h>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

const std::vector<std::string> kResults{"Text14", "Text15", "Text16", "Text17", "Text18",
                                        "Text19", "Text20", "Text21", "Text22", "Text23"};
const char* const kAllKept = "kept kept kept kept kept kept kept kept kept kept";

class Form3Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form3Test, Compute) { ExpectPress(form3(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Table, Form3Test,
    testing::Values(
        // The worked example of the window's defaults.
        PressCase{"WorkedExample",
                  "Command1",
                  {},
                  Shown(kResults, "5.179 1.682 6.86 4.76 2.1 3.746 2.211 5.956 3.856 2.1")},
        // Vc = 0.3: V = 0.6095 < V0′ in 65-2, hb2 is taken as 0 and shown as "0"; pair 64-1/65-1
        // does not use Vc.
        PressCase{"SlowChannelVelocity", "Command1", Typed("Text2=0.3"),
                  Shown(kResults, "5.179 1.682 6.86 4.76 2.1 3.746 0 3.746 1.646 2.1")},
        // Qt1 = 300: Q2 = 1477.2695, hp2 = 3.2442674, hb2 = 2.0810255; pair 64-1/65-1 unchanged.
        PressCase{"FloodplainShare", "Command1", Typed("Text24=300"),
                  Shown(kResults, "5.179 1.682 6.86 4.76 2.1 3.244 2.081 5.325 3.225 2.1")},
        // E = 0.05: V = 0.785 lies below V0′ = 1.208 in 65-1 (hand computation), so hb1 is taken
        // as 0 and the total is hp1 alone; pair 64-2/65-2 does not use E.
        PressCase{"SlowGeneralScourVelocity", "Command1", Typed("Text11=0.05"),
                  Shown(kResults, "28.546 . 28.546 26.446 2.1 3.746 2.211 5.956 3.856 2.1")},
        // Faults leave all ten results as they were.
        PressCase{"ZeroMu",
                  "Command1",
                  Typed("Text7=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroBcj",
                  "Command1",
                  Typed("Text5="),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroHcq",
                  "Command1",
                  Typed("Text9=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroE",
                  "Command1",
                  Typed("Text11=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroBcg",
                  "Command1",
                  Typed("Text4=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroB1",
                  "Command1",
                  Typed("Text12=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"LambdaOne",
                  "Command1",
                  Typed("Text6=1"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroGrain",
                  "Command1",
                  Typed("Text3=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"NoDischarge",
                  "Command1",
                  Typed("Text1=0 Text24=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"NegativeGrain",
                  "Command1",
                  Typed("Text3=-1"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeDepthRatio",
                  "Command1",
                  Typed("Text8=-2.1"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"ShapeBeyondSingle",
                  "Command1",
                  Typed("Text13=1e39"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kOverflow}),
    RowName);

// The default texts, in the order of the input struct.
ChannelPierScourInput Defaults() {
  return {1733,  3.052, 22.61, 738.58, 690.58,        0.075, 0.949, 2.1,
          0.788, 1.655, 0.86,  1.3,    ToSingle(1.0), 1733,  0,     738.58};
}

TEST(ChannelPierScourTest, WorkedExampleIntermediates) {
  const ChannelPierScourResult r = ChannelPierScour(Defaults());
  EXPECT_NEAR(r.hp1.value(), 5.1788551, 1e-7);
  EXPECT_NEAR(r.v1.value(), 4.3288352, 1e-7);
  EXPECT_NEAR(r.pair1.v0.value(), 1.7341696, 1e-7);
  EXPECT_NEAR(r.pair1.v0_prime.value(), 0.9509441, 1e-7);
  EXPECT_NEAR(r.pair1.n1.value(), 0.6612727, 1e-7);
  EXPECT_NEAR(r.pair1.hb1.value(), 1.6815316, 1e-7);
  EXPECT_FALSE(r.pair1.v_at_most_v0);
  EXPECT_EQ(r.q2.value(), 1733.0F);
  EXPECT_NEAR(r.hp2.value(), 3.7456017, 1e-7);
  EXPECT_NEAR(r.v2.value(), 6.2010848, 1e-7);
  EXPECT_NEAR(r.bed2.v0.value(), 1.3518521, 1e-7);
  EXPECT_NEAR(r.bed2.v0_prime.value(), 0.6749494, 1e-7);
  EXPECT_NEAR(r.n2.value(), 0.47601536, 1e-8);
  EXPECT_NEAR(r.hb2.value(), 2.2107454, 1e-7);
  EXPECT_FALSE(r.v2_at_most_v0);
}

}  // namespace
}  // namespace velmora
