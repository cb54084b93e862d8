// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/channel_width_opening_length.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

class Form35Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form35Test, Compute) { ExpectPress(Form35(), GetParam()); }

// Inputs: Qp, Qc, Bc, Kq, n3. Result: Lj.
INSTANTIATE_TEST_SUITE_P(
    Table, Form35Test,
    testing::Values(
        // The worked example: the single 123.21953 shown with "####.###".
        Ordered(Form35(), "WorkedExample", {"1500", "1200", "120", "0.84", "0.9"}, {"123.22"}),
        // Qp = Qc leaves Kq × Bc, whatever n3.
        Ordered(Form35(), "EqualDischarges", {"800", "800", "150", "0.95", "0.73"}, {"142.5"}),
        // A whole exponent takes a negative ratio: 0.84 × 1.25² × 120.
        Ordered(Form35(), "NegativeRatioWholeExponent", {"-1500", "1200", "120", "0.84", "2"},
                {"157.5"}),
        // The untouched window: Qc reads as 0.
        Ordered(Form35(), "AllEmpty", {"", "", "", "", ""}, {}, FaultKind::kDivisionByZero),
        Ordered(Form35(), "ZeroChannelDischarge", {"1500", "0", "120", "0.84", "0.9"}, {},
                FaultKind::kDivisionByZero),
        Ordered(Form35(), "NegativeRatioFractionalExponent",
                {"-1500", "1200", "120", "0.84", "0.9"}, {}, FaultKind::kInvalidArgument),
        Ordered(Form35(), "ZeroRatioNegativeExponent", {"0", "1200", "120", "0.84", "-0.9"}, {},
                FaultKind::kInvalidArgument),
        Ordered(Form35(), "BeyondSingleRange", {"1e30", "1", "1e10", "1", "1"}, {},
                FaultKind::kOverflow)),
    RowName);

TEST(ChannelWidthOpeningLengthTest, ExponentIsHeldAsASingle) {
  // 0.9 as a single is 0.89999998; the power takes that value widened.
  const ChannelWidthOpeningResult r =
      ChannelWidthOpeningLength(1500, 1200, 120, 0.84, ToSingle(0.9));
  EXPECT_EQ(r.ratio.value(), 1.25);
  EXPECT_EQ(r.power.value(), std::pow(1.25, static_cast<double>(0.9F)));
  EXPECT_NEAR(r.lj.value(), 123.21953, 1e-4);
}

}  // namespace
}  // namespace velmora
