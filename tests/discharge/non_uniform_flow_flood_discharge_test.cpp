// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/non_uniform_flow_flood_discharge.h"

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

// The worked example: upstream Ac1 450, At1 150, χc1 110, χt1 120, nc1 0.03, nt1 0.05,
// H1 101.5; downstream Ac2 400, At2 120, χc2 105, χt2 110, nc2 0.03, nt2 0.05, H2 101.2;
// L 500, ξ 0.3.
Texts Example(const Texts& changes = {}) {
  return With({{"Text1", "450"},
               {"Text2", "150"},
               {"Text3", "110"},
               {"Text4", "120"},
               {"Text7", "0.03"},
               {"Text8", "0.05"},
               {"Text9", "101.5"},
               {"Text11", "400"},
               {"Text12", "120"},
               {"Text13", "105"},
               {"Text14", "110"},
               {"Text17", "0.03"},
               {"Text18", "0.05"},
               {"Text10", "101.2"},
               {"Text21", "500"},
               {"Text22", "0.3"}},
              changes);
}

PressCase Row(const char* name, const Texts& typed, const char* q) {
  return {name, "Command1", typed, {{"Text23", q}}};
}

PressCase Fault(const char* name, const Texts& typed, FaultKind kind) {
  return Faulty(name, "Command1", typed, kind);
}

// The downstream section made equal to the upstream one.
const Texts kEqualSections{
    {"Text11", "450"}, {"Text12", "150"}, {"Text13", "110"}, {"Text14", "120"}};

class Form32Test : public testing::TestWithParam<PressCase> {};
TEST_P(Form32Test, Press) { ExpectPress(Form32(), GetParam()); }

// Expected texts: the worked example of the method, the others recomputed independently in
// double precision with single rounding at H1, H2, ξ, ΔH, K̄ and Q.
INSTANTIATE_TEST_SUITE_P(
    Table, Form32Test,
    testing::Values(
        Row("WorkedExample", Example(), "899.312"),
        // Roughness entered as n or as 1/n gives the same discharge.
        Row("RoughnessAsN", Example({{"Text7", "0.025"}, {"Text17", "0.025"}}), "1046.578"),
        Row("RoughnessAsInverse",
            Example({{"Text7", "40"}, {"Text8", "20"}, {"Text17", "40"}, {"Text18", "20"}}),
            "1046.578"),
        Row("WidthsTakeNoPart",
            Example({{"Text5", "90"}, {"Text6", "1"}, {"Text15", "7"}, {"Text16", "1e300"}}),
            "899.312"),
        // A contraction downstream: ξ = −0.1.
        Row("NegativeLossCoefficient", Example({{"Text22", "-0.1"}}), "877.371"),
        // d = 0: Q = K̄ (ΔH / L)^0.5.
        Row("EqualSections", Example(kEqualSections), "1025.101"),
        Row("EqualLevels", Example({{"Text10", "101.5"}}), "."),
        Fault("AllEmpty", {}, FaultKind::kDivisionByZero),
        // No flow area upstream: its conveyance is 0, but K̄²/ω1² divides by zero.
        Fault("NoUpstreamArea", Example({{"Text1", "0"}, {"Text2", "0"}}),
              FaultKind::kDivisionByZero),
        Fault("ZeroDistanceWithEqualSections", Example(With(kEqualSections, {{"Text21", "0"}})),
              FaultKind::kDivisionByZero),
        Fault("DownstreamLevelAbove", Example({{"Text10", "101.8"}}), FaultKind::kInvalidArgument),
        Fault("MeanConveyanceBeyondSingleRange", Example({{"Text1", "1e25"}}),
              FaultKind::kOverflow)),
    RowName);

TEST(NonUniformFlowFloodDischargeTest, WorkedExampleIntermediates) {
  const NonUniformFlowResult r = NonUniformFlowFloodDischarge(
      {450, 150, 110, 120, 0.03, 0.05}, ToSingle(101.5), {400, 120, 105, 110, 0.03, 0.05},
      ToSingle(101.2), 500, ToSingle(0.3));
  // Levels near 100 m held as singles: ΔH is 0.3000031, not 0.3.
  EXPECT_NEAR(r.dh.value(), 0.3000031, 1e-7);
  EXPECT_NEAR(r.k_mean.value(), 38457.67, 0.01);
  EXPECT_NEAR(r.c.value(), 0.7 / 19.6, 1e-8);
}

}  // namespace
}  // namespace velmora
