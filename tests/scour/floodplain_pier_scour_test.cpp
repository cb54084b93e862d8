// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/floodplain_pier_scour.h"

#include <gtest/gtest.h>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

const std::vector<std::string> kResults{"Text14", "Text15", "Text16", "Text17", "Text18",
                                        "Text19", "Text20", "Text21", "Text22"};
const char* const kAllKept = "kept kept kept kept kept kept kept kept kept";
// The general scour of the defaults, written before the local scour can fail.
const char* const kGeneralOnly = "4.899 2.899 2. kept kept kept kept kept kept";

class Form19Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form19Test, Compute) { ExpectPress(Form19(), GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Table, Form19Test,
    testing::Values(
        // The worked example: "一般冲刷计算" writes the general scour and empties the rest.
        PressCase{
            "GeneralWorkedExample", "Command1", {}, Shown(kResults, "4.899 2.899 2. _ _ _ _ _ _")},
        PressCase{"TotalWorkedExample",
                  "Command2",
                  {},
                  Shown(kResults, "4.899 2.899 2. 1.016 1.346 5.915 6.246 3.915 4.246")},
        // VH1 = 0.3: hp = 21.808, V = 0.5557 below both V0′; hb1 = −0.5767 and hb2 are taken as
        // 0, so both totals equal the general scour.
        PressCase{"SlowSoilVelocity", "Command2", Typed("Text7=0.3"),
                  Shown(kResults, "21.808 19.808 2. . . 21.808 21.808 19.808 19.808")},
        // htm = 0: hp = 0; the total scour then fails at V0 / V = 0 / 0 after the early write.
        PressCase{"GeneralNoDepth", "Command1", Typed("Text5="),
                  Shown(kResults, ". . . _ _ _ _ _ _")},
        PressCase{"TotalNoDepth",
                  "Command2",
                  Typed("Text5="),
                  Shown(kResults, ". . . kept kept kept kept kept kept"),
                  {},
                  FaultKind::kDivisionByZero},
        // Local-scour inputs fail after the general scour is shown.
        PressCase{"ZeroGrain",
                  "Command2",
                  Typed("Text8=0"),
                  Shown(kResults, kGeneralOnly),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"NegativeGrain",
                  "Command2",
                  Typed("Text8=-30"),
                  Shown(kResults, kGeneralOnly),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"ZeroPierWidth",
                  "Command2",
                  Typed("Text13=0"),
                  Shown(kResults, kGeneralOnly),
                  {},
                  FaultKind::kDivisionByZero},
        // General-scour inputs fail before any field is written.
        PressCase{"NoDischarges",
                  "Command2",
                  Typed("Text2=0 Text3=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroMu",
                  "Command1",
                  Typed("Text23=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroBtj",
                  "Command2",
                  Typed("Text4=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroHtq",
                  "Command1",
                  Typed("Text6=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroVh1",
                  "Command2",
                  Typed("Text7=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"NegativeDepthRatio",
                  "Command2",
                  Typed("Text5=-2"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeDischarge",
                  "Command1",
                  Typed("Text1=-400"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument}),
    RowName);

// The default texts, in the order of the input struct.
FloodplainGeneralInput Defaults() { return {400, 100, 300, 40, 2, 0.8, 1.8, ToSingle(0.95)}; }

TEST(FloodplainPierScourTest, WorkedExampleIntermediates) {
  const FloodplainGeneralScour g = FloodplainGeneral(Defaults(), false);
  EXPECT_EQ(g.qt2.value(), 100.0);
  EXPECT_NEAR(g.hp.value(), 4.8994543, 1e-7);
  const FloodplainPierScourResult r = FloodplainPierScour(g.hp, 2, 1.8, 30, 1, ToSingle(1.3));
  EXPECT_NEAR(r.f651.k_eta1.value(), 0.6534454, 1e-7);
  EXPECT_NEAR(r.v.value(), 2.4734438, 1e-7);
  EXPECT_NEAR(r.f651.v0.value(), 1.9050946, 1e-7);
  EXPECT_NEAR(r.f651.v0_prime.value(), 1.0625496, 1e-7);
  EXPECT_NEAR(r.f651.n1.value(), 0.8828884, 1e-7);
  EXPECT_NEAR(r.f651.hb1.value(), 1.0158939, 1e-7);
  EXPECT_FALSE(r.f651.v_at_most_v0);
  EXPECT_NEAR(r.bed652.k_eta2.value(), 0.8482835, 1e-7);
  EXPECT_NEAR(r.bed652.v0.value(), 1.5514123, 1e-7);
  EXPECT_NEAR(r.bed652.v0_prime.value(), 0.7862237, 1e-7);
  EXPECT_NEAR(r.n2.value(), 0.7880514, 1e-7);
  EXPECT_NEAR(r.hb2.value(), 1.3463232, 1e-7);
  EXPECT_FALSE(r.v_at_most_v0_652);
}

TEST(FloodplainPierScourTest, GeneralScourButtonHoldsTheShareAsASingle) {
  FloodplainGeneralInput in = Defaults();
  in.qc = 200;  // Qt2 = 1/3 × 400 = 133.33333333333331, not exact in single precision
  const double share = (100.0 / 300.0) * 400.0;
  EXPECT_EQ(FloodplainGeneral(in, true).qt2.value(),
            static_cast<double>(static_cast<float>(share)));
  EXPECT_EQ(FloodplainGeneral(in, false).qt2.value(), share);
  EXPECT_NE(FloodplainGeneral(in, true).hp.value(), FloodplainGeneral(in, false).hp.value());
}

}  // namespace
}  // namespace velmora
