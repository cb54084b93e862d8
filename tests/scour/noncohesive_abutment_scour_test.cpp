// SPDX-License-Identifier: GPL-3.0-or-later
#include "scour/noncohesive_abutment_scour.h"

#include <gtest/gtest.h>

#include "tests/common/press_rows.h"

namespace velmora {
namespace {

using namespace testing_rows;

const std::vector<std::string> kResults{"Text12", "Text13", "Text14", "Text15", "Text16"};
const char* const kAllKept = "kept kept kept kept kept";

class Form29Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form29Test, Compute) { ExpectPress(Form29(), GetParam()); }

// Command1 "一般河道冲刷计算" takes Az as entered, Command3 "宽浅河道冲刷计算" LD × h.
INSTANTIATE_TEST_SUITE_P(
    Table, Form29Test,
    testing::Values(
        // The worked example: Az = 20.2 = LD × h, so both buttons agree.
        PressCase{"OrdinaryWorkedExample",
                  "Command1",
                  {},
                  Shown(kResults, "5.938 6.62 6.428 6.62 484.51")},
        PressCase{"WideShallowWorkedExample",
                  "Command3",
                  {},
                  Shown(kResults, "5.938 6.62 6.428 6.62 484.51")},
        // h = 3: only the wide shallow river takes the larger area LD × h = 30.
        PressCase{"OrdinaryDeeper", "Command1", Typed("Text3=3"),
                  Shown(kResults, "5.486 6.62 6.428 6.62 484.51")},
        PressCase{"WideShallowDeeper", "Command3", Typed("Text3=3"),
                  Shown(kResults, "6.686 8.068 6.428 8.068 483.062")},
        // Az empty: formulas 95-1 and 95-2 give 0, FHQA is the largest; Az is not read by
        // Command3.
        PressCase{"OrdinaryNoArea", "Command1", Typed("Text1="),
                  Shown(kResults, ". . 6.428 6.428 484.702")},
        PressCase{"WideShallowNoArea", "Command3", Typed("Text1="),
                  Shown(kResults, "5.938 6.62 6.428 6.62 484.51")},
        // V = 1.0 ≤ Vc: n = 1, r = 0.8084146; FHQA is the largest.
        PressCase{"ClearWater", "Command1", Typed("Text4=1.0"),
                  Shown(kResults, "4.413 5.352 6.428 6.428 484.702")},
        // V = 0.3 < V0′: r = −0.2025425, hs2 = −1.341 is taken as 0.
        PressCase{"BelowIncipientScour", "Command1", Typed("Text4=0.3"),
                  Shown(kResults, "2.726 . 6.428 6.428 484.702")},
        // LD / y1 = 25 exactly takes the second FHQA form: hs3 = 6.3067911.
        PressCase{"LongEmbankment", "Command1", Typed("Text2=50.5"),
                  Shown(kResults, "5.938 6.62 6.307 6.62 484.51")},
        // α = 90: Kα = 1, so hs1 and hs2 are the worked example's divided by Kα = 0.9630045.
        PressCase{"FullSkew", "Command1", Typed("Text6=90"),
                  Shown(kResults, "6.166 6.875 6.428 6.875 484.255")},
        // α = 0: Kα = 0 and hs1 = hs2 = 0.
        PressCase{"NoSkew", "Command1", Typed("Text6=0"),
                  Shown(kResults, ". . 6.428 6.428 484.702")},
        // d = 0.2: V0′ = 3.583 exceeds Vc = 3.329, V ≤ Vc, r = 5.8368764, hs2 = 38.64.
        PressCase{"CoarseBed", "Command1", Typed("Text8=0.2"),
                  Shown(kResults, "5.938 38.64 6.428 38.64 452.49")},
        // Faults keep all five results.
        PressCase{"ZeroDepth",
                  "Command1",
                  Typed("Text3=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroGrain",
                  "Command1",
                  Typed("Text8=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroLength",
                  "Command1",
                  Typed("Text2=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"ZeroUpstreamDepth",
                  "Command1",
                  Typed("Text9=0"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kDivisionByZero},
        PressCase{"NegativeAngle",
                  "Command1",
                  Typed("Text6=-70"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeArea",
                  "Command1",
                  Typed("Text1=-20.2"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeWideShallowArea",
                  "Command3",
                  Typed("Text3=-2.02"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"NegativeUpstreamVelocity",
                  "Command1",
                  Typed("Text10=-2.1"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        // V > Vc with V0′ > Vc: a negative ratio under the fractional power n.
        PressCase{"FastOverCoarseBed",
                  "Command1",
                  Typed("Text8=0.2 Text4=5"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kInvalidArgument},
        PressCase{"LevelBeyondSingle",
                  "Command1",
                  Typed("Text11=1e39"),
                  Shown(kResults, kAllKept),
                  {},
                  FaultKind::kOverflow}),
    RowName);

// The default texts, in the order of the input struct.
NoncohesiveAbutmentInput Defaults() {
  return {20.2, 10, 2.02, 2.1, 0.95, 70, 2.02, 0.01, 2.02, 2.1, ToSingle(493.15)};
}

TEST(NoncohesiveAbutmentScourTest, WorkedExampleIntermediates) {
  const NoncohesiveAbutmentScourResult r =
      NoncohesiveAbutmentScour(Defaults(), RiverKind::kOrdinary);
  EXPECT_NEAR(r.fr.value(), 0.2227723, 1e-7);
  EXPECT_NEAR(r.k_alpha.value(), 0.9630045, 1e-7);
  EXPECT_NEAR(r.hs1.value(), 5.9379216, 1e-7);
  EXPECT_NEAR(r.vc.value(), 1.1326562, 1e-7);
  EXPECT_NEAR(r.v0_prime.value(), 0.4402431, 1e-7);
  EXPECT_FALSE(r.v_at_most_vc);
  EXPECT_NEAR(r.n.value(), 0.0000945, 1e-7);
  EXPECT_NEAR(r.r.value(), 1.0000826, 1e-7);
  EXPECT_NEAR(r.hs2.value(), 6.6204784, 1e-7);
  EXPECT_NEAR(r.m.value(), 4.950495, 1e-6);
  EXPECT_NEAR(r.fr1.value(), 0.4719876, 1e-7);
  EXPECT_NEAR(r.hs3.value(), 6.4275634, 1e-7);
  EXPECT_EQ(r.hs_max.value(), r.hs2.value());
  EXPECT_NEAR(r.z_min.value(), 484.50952, 1e-4);
  // The design water level enters as a single.
  EXPECT_EQ(static_cast<double>(r.z_min.value()),
            static_cast<double>(static_cast<float>((493.1499938964844 - 2.02) - r.hs_max.value())));
}

}  // namespace
}  // namespace velmora
