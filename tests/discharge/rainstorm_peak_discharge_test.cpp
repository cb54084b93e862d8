// SPDX-License-Identifier: GPL-3.0-or-later
#include "discharge/rainstorm_peak_discharge.h"

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

// The three discharges, and the largest written into the water level window.
PressCase Row(const char* name, const Texts& typed, const char* qr, const char* q1, const char* q2,
              const char* design) {
  return {name,
          "Command1",
          typed,
          {{"Text16", qr}, {"Text17", q1}, {"Text18", q2}},
          {{"Form2.Text13", design}}};
}

PressCase Fault(const char* name, const Texts& typed, FaultKind kind) {
  return Faulty(name, "Command1", typed, kind);
}

class Form5Test : public testing::TestWithParam<PressCase> {};
TEST_P(Form5Test, Press) { ExpectPress(Form5(), GetParam()); }

// Expected texts: the defaults are the worked example; the others are recomputed independently
// in double precision with single rounding at β1, n, λ2, λ3, τ, Q2 and the design discharge.
INSTANTIATE_TEST_SUITE_P(
    Table, Form5Test,
    testing::Values(
        Row("Defaults", {}, "247.647", "360.748", "366.74", "366.74"),
        // λ2 moves Q1 alone, λ3 moves Q2 alone; the design discharge follows the largest.
        Row("AreaExponentOfFormulaOne", {{"Text12", "1"}}, "247.647", "431.697", "366.74",
            "431.697"),
        Row("AreaExponentOfFormulaTwo", {{"Text15", "0.9"}}, "247.647", "360.748", "293.014",
            "360.748"),
        // n = 0 takes no decay: the rational formula gives the largest.
        Row("NoDecay", {{"Text9", "0"}}, "659.245", "360.748", "366.74", "659.245"),
        // Sp / τ^n below μ below Sp: a negative Qr is shown, not an error.
        Row("NegativeRational", {{"Text3", "1.5"}}, "-206.498", "102.225", "366.74", "366.74"),
        Row("EmptyArea", {{"Text1", ""}}, ".", ".", ".", "."),
        // μ above Sp: the rational formula alone could be evaluated, but nothing is written.
        Fault("LossAboveRain", {{"Text3", "50"}}, FaultKind::kInvalidArgument),
        Fault("ZeroSlope", {{"Text6", ""}}, FaultKind::kDivisionByZero),
        Fault("NegativeSlope", {{"Text6", "-16"}}, FaultKind::kInvalidArgument),
        Fault("ZeroConcentrationTime", {{"Text5", "0"}}, FaultKind::kDivisionByZero),
        Fault("NegativeRain", {{"Text2", "-45"}}, FaultKind::kInvalidArgument),
        // Qr is 2.78e39: a double, but the design discharge cannot be a single. It is rounded
        // before any write, so the three results are not left showing beside an error.
        Fault("DesignBeyondSingleRange", {{"Text1", "1e39"}}, FaultKind::kOverflow)),
    RowName);

TEST(RainstormPeakDischargeTest, WorkedExampleIntermediates) {
  const RainstormResult r = RainstormPeakDischarge({.f = 89,
                                                    .sp = 45,
                                                    .k1 = 0.75,
                                                    .beta1 = ToSingle(0.84),
                                                    .l = 21.32,
                                                    .iz = 16,
                                                    .k3 = 0.62,
                                                    .alpha1 = 0.71,
                                                    .n = ToSingle(0.65),
                                                    .psi = 0.14,
                                                    .m = 1.08,
                                                    .lambda2 = ToSingle(0.96),
                                                    .c = 0.025,
                                                    .beta = 1.4,
                                                    .lambda3 = ToSingle(0.95)});
  EXPECT_NEAR(r.tau.value(), 2.0340798, 1e-7);
  EXPECT_NEAR(r.mu.value(), 18.35523, 1e-5);
}

}  // namespace
}  // namespace velmora
