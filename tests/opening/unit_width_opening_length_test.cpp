// SPDX-License-Identifier: GPL-3.0-or-later
#include "opening/unit_width_opening_length.h"

#include <gtest/gtest.h>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

class Form36Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form36Test, Compute) { ExpectPress(Form36(), GetParam()); }

// Inputs: Qp, Qc, Qt, qc. Result: Lj.
INSTANTIATE_TEST_SUITE_P(
    Table, Form36Test,
    testing::Values(
        // The worked example: β = 1.3669510, Lj = 109.733.
        Ordered(Form36(), "WorkedExample", {"1500", "1200", "300", "10"}, {"109.733"}),
        // Qc = Qt gives β = 1.19: 1500 / 11.9 = 126.0504.
        Ordered(Form36(), "EqualChannelAndFloodplain", {"1500", "500", "500", "10"}, {"126.05"}),
        // The untouched window: Qt reads as 0 when β is formed.
        Ordered(Form36(), "AllEmpty", {"", "", "", ""}, {}, FaultKind::kDivisionByZero),
        Ordered(Form36(), "NoFloodplainFlow", {"1500", "1200", "0", "10"}, {},
                FaultKind::kDivisionByZero),
        Ordered(Form36(), "NegativeRatio", {"1500", "-1200", "300", "10"}, {},
                FaultKind::kInvalidArgument),
        // β × qc is zero when either is.
        Ordered(Form36(), "ZeroUnitDischarge", {"1500", "1200", "300", "0"}, {},
                FaultKind::kDivisionByZero),
        Ordered(Form36(), "ZeroChannelDischarge", {"1500", "0", "300", "10"}, {},
                FaultKind::kDivisionByZero),
        // qc is read only after β: a fault of β comes before an unreadable qc.
        Ordered(Form36(), "BetaFaultsBeforeQcIsRead", {"1500", "1200", "0", "1e999"}, {},
                FaultKind::kDivisionByZero),
        Ordered(Form36(), "UnreadableQc", {"1500", "1200", "300", "1e999"}, {},
                FaultKind::kOverflow)),
    RowName);

TEST(UnitWidthOpeningLengthTest, WorkedExampleIntermediates) {
  const FlowDistribution flow = FlowDistributionCoefficient(1200, 300);
  EXPECT_EQ(flow.ratio.value(), 4.0);
  EXPECT_NEAR(flow.beta.value(), 1.3669510, 1e-7);
  const UnitWidthOpeningResult r = UnitWidthOpeningLength(1500, flow, 10);
  // β × qc is formed from the single β.
  EXPECT_EQ(r.beta_q.value(), static_cast<double>(flow.beta.value()) * 10);
  EXPECT_NEAR(r.lj.value(), 109.73327, 1e-4);
}

}  // namespace
}  // namespace velmora
