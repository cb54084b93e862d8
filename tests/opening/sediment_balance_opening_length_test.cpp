// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/sediment_balance_opening_length.h"

#include <gtest/gtest.h>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

class Form45Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form45Test, Compute) { ExpectPress(Form45(), GetParam()); }

// Inputs: Qp, Q2%, Q̄, d. Results: Bo (a double), Lj (a single).
INSTANTIATE_TEST_SUITE_P(
    Table, Form45Test,
    testing::Values(
        // The worked example.
        Ordered(Form45(), "WorkedExample", {"1500", "1200", "600", "0.002"},
                {"481.352", "518.136"}),
        // Q2% is rounded to a whole number, a tie going to the even neighbour: 1200.5 is 1200,
        // 1201.5 is 1202 (517.851, as Q2% = 1202 gives).
        Ordered(Form45(), "TieRoundsDownToEven", {"1500", "1200.5", "600", "0.002"},
                {"481.352", "518.136"}),
        Ordered(Form45(), "TieRoundsUpToEven", {"1500", "1201.5", "600", "0.002"},
                {"481.352", "517.851"}),
        // A 2 % flood beyond 32767 m³/s computes: Q2% is held in 32 bits.
        Ordered(Form45(), "LargeRiverFlood", {"1500", "40000", "600", "0.002"},
                {"481.352", "162.89"}),
        // Qp = Q2% leaves Lj = Bo within single precision, up to the 32-bit limits.
        Ordered(Form45(), "EqualDischarges", {"1200", "1200", "600", "0.002"},
                {"481.352", "481.352"}),
        Ordered(Form45(), "LargestWholeQ2", {"2147483647", "2147483647", "600", "0.002"},
                {"481.352", "481.352"}),
        // The untouched window: d reads as 0, a division by zero in Bo.
        Ordered(Form45(), "AllEmpty", {"", "", "", ""}, {}, FaultKind::kDivisionByZero),
        Ordered(Form45(), "Q2BeyondInt32", {"1500", "2147483647.5", "600", "0.002"}, {},
                FaultKind::kOverflow),
        Ordered(Form45(), "Q2BelowInt32", {"1500", "-2147483649", "600", "0.002"}, {},
                FaultKind::kOverflow),
        Ordered(Form45(), "ZeroGrainSize", {"1500", "1200", "600", "0"}, {},
                FaultKind::kDivisionByZero),
        Ordered(Form45(), "NegativeGrainSize", {"1500", "1200", "600", "-0.002"}, {},
                FaultKind::kInvalidArgument),
        Ordered(Form45(), "NegativeMeanDischarge", {"1500", "1200", "-600", "0.002"}, {},
                FaultKind::kInvalidArgument),
        // 0.5 rounds to the even 0.
        Ordered(Form45(), "Q2RoundsToZero", {"1500", "0.5", "600", "0.002"}, {},
                FaultKind::kDivisionByZero),
        Ordered(Form45(), "NegativeRatio", {"-1500", "1200", "600", "0.002"}, {},
                FaultKind::kInvalidArgument)),
    RowName);

TEST(SedimentBalanceOpeningLengthTest, WorkedExampleIntermediates) {
  const SedimentBalanceResult r = SedimentBalanceOpeningLength(1500, 1200, 600, ToSingle(0.002));
  EXPECT_NEAR(r.bo.value(), 481.35243, 1e-4);
  EXPECT_EQ(r.ratio.value(), 1.25);
  // Lj is formed from the single ratio factor.
  EXPECT_EQ(r.lj.value(),
            static_cast<float>(static_cast<double>(r.ratio_factor.value()) * r.bo.value()));
  EXPECT_NEAR(r.lj.value(), 518.13562, 1e-4);
}

}  // namespace
}  // namespace velmora
