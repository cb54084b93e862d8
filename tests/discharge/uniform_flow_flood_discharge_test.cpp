// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/uniform_flow_flood_discharge.h"

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

// The worked example: Ac 500, χc 120, nc 0.03, Ic 0.5 ‰; At 200, χt 150, nt 0.05, It 0.5 ‰.
Texts Example(const Texts& changes = {}) {
  return With({{"Text1", "500"},
               {"Text2", "120"},
               {"Text4", "0.03"},
               {"Text5", "0.5"},
               {"Text6", "200"},
               {"Text7", "150"},
               {"Text9", "0.05"},
               {"Text10", "0.5"}},
              changes);
}

PressCase Row(const char* name, const Texts& typed, const char* qc, const char* qt, const char* q) {
  return {name, "Command1", typed, {{"Text11", qc}, {"Text12", qt}, {"Text13", q}}};
}

PressCase Fault(const char* name, const Texts& typed, FaultKind kind) {
  return Faulty(name, "Command1", typed, kind);
}

class Form24Test : public testing::TestWithParam<PressCase> {};
TEST_P(Form24Test, Press) { ExpectPress(Form24(), GetParam()); }

// Expected texts: the worked example of the method, the others recomputed independently in
// double precision with single rounding at Ic, It, Vt and Q.
INSTANTIATE_TEST_SUITE_P(
    Table, Form24Test,
    testing::Values(
        Row("WorkedExample", Example(), "964.998", "108.352", "1073.35"),
        // An entry above 1 is 1/n: 40 for 0.025.
        Row("ChannelRoughnessAsInverse", Example({{"Text4", "40"}}), "1157.997", "108.352",
            "1266.349"),
        Row("RoughnessOfOne", Example({{"Text4", "1"}, {"Text9", "1"}}), "28.95", "5.418",
            "34.368"),
        Row("WidthsTakeNoPart", Example({{"Text3", "80"}, {"Text8", "1e300"}}), "964.998",
            "108.352", "1073.35"),
        Row("NoFloodplain", Example({{"Text6", "0"}, {"Text7", "1"}}), "964.998", ".", "964.998"),
        // Q is a single: above 10 000 it keeps fewer decimals than Qc and Qt.
        Row("LargeTotalHasSevenDigits",
            Example({{"Text1", "5000"},
                     {"Text2", "300"},
                     {"Text5", "2"},
                     {"Text6", "3000"},
                     {"Text7", "400"},
                     {"Text10", "2"}}),
            "48632.834", "10281.12", "58913.95"),
        Fault("AllEmpty", {}, FaultKind::kDivisionByZero),
        // A fault in the floodplain part keeps the channel result unwritten too.
        Fault("ZeroFloodplainPerimeter", Example({{"Text7", ""}}), FaultKind::kDivisionByZero),
        Fault("NegativeSlope", Example({{"Text5", "-0.5"}}), FaultKind::kInvalidArgument),
        Fault("TotalBeyondSingleRange", Example({{"Text1", "1e25"}}), FaultKind::kOverflow)),
    RowName);

TEST(UniformFlowPartTest, RoughnessEnteredEitherWay) {
  const ManningPart as_n = UniformFlowPart(500, 120, 0.025, ToSingle(0.5));
  const ManningPart as_inverse = UniformFlowPart(500, 120, 40, ToSingle(0.5));
  EXPECT_TRUE(as_inverse.inverse && !as_n.inverse);
  // The slope is per mille: 0.5 ‰ is 0.0005.
  EXPECT_NEAR(as_n.slope_root.value(), 0.0223606797749979, 1e-15);
  EXPECT_NEAR(as_n.velocity.value(), 2.315994368, 1e-9);
  EXPECT_NEAR(as_inverse.velocity.value(), as_n.velocity.value(), 1e-12);
}

}  // namespace
}  // namespace velmora
