#include "scour/cohesive_abutment_scour.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scour_test_support.h"

namespace velmora {
namespace {

using scour_test::PressCase;

const std::vector<std::string> kResults{"Text5", "Text6"};
const char* const kAllKept = "kept kept";

class Form30Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form30Test, Compute) { scour_test::CheckPress(Form30(), GetParam(), kResults); }

INSTANTIATE_TEST_SUITE_P(
    Table, Form30Test,
    testing::Values(
        // The worked example: hs = 2.526496, Zmin = 1497.4735 (single).
        PressCase{"WorkedExample", "Command1", "", "2.526 1497.474"},
        // LD = 0: hs = (4.05 × 2.5 × 0.2)^(5/8) = 1.554 by hand.
        PressCase{"NothingBlocked", "Command1", "Text3=0", "1.554 1498.446"},
        // IL = 0: no scour, the lowest scour line is the design water level.
        PressCase{"NoLiquidity", "Command1", "Text4=0", ". 1500."},
        // LD = 2 B: E = 53.99 outweighs 3 / (1 − 2) = −3; hs = 25.495^(5/8) = 7.569 by hand.
        PressCase{"BlockedBeyondTheWidth", "Command1", "Text3=40", "7.569 1492.431"},
        PressCase{"ZeroWidth", "Command1", "Text2=", kAllKept, FaultKind::kDivisionByZero},
        PressCase{"FullyBlocked", "Command1", "Text3=20", kAllKept, FaultKind::kDivisionByZero},
        // r = 1.1: 3 / (1 − r) = −30 outweighs E.
        PressCase{"SlightlyOverBlocked", "Command1", "Text3=22", kAllKept,
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeDischarge", "Command1", "Text1=-50", kAllKept,
                  FaultKind::kInvalidArgument},
        // r = 400: e^(1.97 r) is beyond the double range.
        PressCase{"ExponentialBeyondRange", "Command1", "Text3=8000", kAllKept,
                  FaultKind::kOverflow}),
    scour_test::CaseName);

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
