#include "opening/unit_width_opening_length.h"

#include <gtest/gtest.h>

#include "opening_case.h"

namespace velmora {
namespace {

class Form36Test : public testing::TestWithParam<OpeningCase> {};

TEST_P(Form36Test, Compute) { ExpectCompute(Form36(), GetParam()); }

// Inputs: Qp, Qc, Qt, qc. Result: Lj.
INSTANTIATE_TEST_SUITE_P(
    Table, Form36Test,
    testing::Values(
        // The worked example: β = 1.3669510, Lj = 109.733.
        OpeningCase{"WorkedExample", {"1500", "1200", "300", "10"}, {"109.733"}},
        // Qc = Qt gives β = 1.19: 1500 / 11.9 = 126.0504.
        OpeningCase{"EqualChannelAndFloodplain", {"1500", "500", "500", "10"}, {"126.05"}},
        // The untouched window: Qt reads as 0 when β is formed.
        OpeningCase{"AllEmpty", {"", "", "", ""}, {}, FaultKind::kDivisionByZero},
        OpeningCase{
            "NoFloodplainFlow", {"1500", "1200", "0", "10"}, {}, FaultKind::kDivisionByZero},
        OpeningCase{
            "NegativeRatio", {"1500", "-1200", "300", "10"}, {}, FaultKind::kInvalidArgument},
        // β × qc is zero when either is.
        OpeningCase{
            "ZeroUnitDischarge", {"1500", "1200", "300", "0"}, {}, FaultKind::kDivisionByZero},
        OpeningCase{
            "ZeroChannelDischarge", {"1500", "0", "300", "10"}, {}, FaultKind::kDivisionByZero},
        // qc is read only after β: a fault of β comes before an unreadable qc.
        OpeningCase{"BetaFaultsBeforeQcIsRead",
                    {"1500", "1200", "0", "1e999"},
                    {},
                    FaultKind::kDivisionByZero},
        OpeningCase{"UnreadableQc", {"1500", "1200", "300", "1e999"}, {}, FaultKind::kOverflow}),
    CaseName);

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
