#include "scour/channel_pier_scour.h"

#include <gtest/gtest.h>

#include "scour_test_support.h"

namespace velmora {
namespace {

using scour_test::kKept;
using scour_test::PressCase;

const std::vector<std::string> kResults{"Text14", "Text15", "Text16", "Text17", "Text18",
                                        "Text19", "Text20", "Text21", "Text22", "Text23"};
const std::vector<std::string> kAllKept(10, kKept);

class Form3Test : public testing::TestWithParam<PressCase> {};

TEST_P(Form3Test, Compute) { scour_test::CheckPress(form3(), GetParam(), kResults); }

INSTANTIATE_TEST_SUITE_P(
    Table, Form3Test,
    testing::Values(
        // The worked example of the window's defaults.
        PressCase{
            "WorkedExample",
            "Command1",
            {},
            {"5.179", "1.682", "6.86", "4.76", "2.1", "3.746", "2.211", "5.956", "3.856", "2.1"}},
        // Vc = 0.3: V = 0.6095 < V0′ in 65-2, hb2 is taken as 0 and shown as "0"; pair 64-1/65-1
        // does not use Vc.
        PressCase{"SlowChannelVelocity",
                  "Command1",
                  {{"Text2", "0.3"}},
                  {"5.179", "1.682", "6.86", "4.76", "2.1", "3.746", "0", "3.746", "1.646", "2.1"}},
        // Qt1 = 300: Q2 = 1477.2695, hp2 = 3.2442674, hb2 = 2.0810255; pair 64-1/65-1 unchanged.
        PressCase{
            "FloodplainShare",
            "Command1",
            {{"Text24", "300"}},
            {"5.179", "1.682", "6.86", "4.76", "2.1", "3.244", "2.081", "5.325", "3.225", "2.1"}},
        // E = 0.05: V = 0.785 lies below V0′ = 1.208 in 65-1 (hand computation), so hb1 is taken
        // as 0 and the total is hp1 alone; pair 64-2/65-2 does not use E.
        PressCase{
            "SlowGeneralScourVelocity",
            "Command1",
            {{"Text11", "0.05"}},
            {"28.546", ".", "28.546", "26.446", "2.1", "3.746", "2.211", "5.956", "3.856", "2.1"}},
        // Faults leave all ten results as they were.
        PressCase{"ZeroMu", "Command1", {{"Text7", "0"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"ZeroBcj", "Command1", {{"Text5", ""}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"ZeroHcq", "Command1", {{"Text9", "0"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"ZeroE", "Command1", {{"Text11", "0"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"ZeroBcg", "Command1", {{"Text4", "0"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"ZeroB1", "Command1", {{"Text12", "0"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"LambdaOne", "Command1", {{"Text6", "1"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"ZeroGrain", "Command1", {{"Text3", "0"}}, kAllKept, FaultKind::kDivisionByZero},
        PressCase{"NoDischarge",
                  "Command1",
                  {{"Text1", "0"}, {"Text24", "0"}},
                  kAllKept,
                  FaultKind::kDivisionByZero},
        PressCase{
            "NegativeGrain", "Command1", {{"Text3", "-1"}}, kAllKept, FaultKind::kInvalidArgument},
        PressCase{"NegativeDepthRatio",
                  "Command1",
                  {{"Text8", "-2.1"}},
                  kAllKept,
                  FaultKind::kInvalidArgument},
        PressCase{
            "ShapeBeyondSingle", "Command1", {{"Text13", "1e39"}}, kAllKept, FaultKind::kOverflow}),
    scour_test::CaseName);

ChannelPierScourInput Defaults() {
  return {.qc = 1733,
          .vc = 3.052,
          .d = 22.61,
          .bcg = 738.58,
          .bcj = 690.58,
          .lambda = 0.075,
          .mu = 0.949,
          .hcm = 2.1,
          .hcq = 0.788,
          .ad = 1.655,
          .e = 0.86,
          .b1 = 1.3,
          .k_xi = ToSingle(1.0),
          .qp = 1733,
          .qt1 = 0,
          .bc = 738.58};
}

TEST(ChannelPierScourTest, WorkedExampleIntermediates) {
  const ChannelPierScourResult r = ChannelPierScour(Defaults());
  EXPECT_NEAR(r.hp1.value(), 5.1788551, 1e-7);
  EXPECT_NEAR(r.v1.value(), 4.3288352, 1e-7);
  EXPECT_NEAR(r.pair1.v0.value(), 1.7341696, 1e-7);
  EXPECT_NEAR(r.pair1.v0_prime.value(), 0.9509441, 1e-7);
  EXPECT_NEAR(r.pair1.n1.value(), 0.6612727, 1e-7);
  EXPECT_NEAR(r.pair1.hb1.value(), 1.6815316, 1e-7);
  EXPECT_FALSE(r.pair1.v_at_most_v0);
  EXPECT_EQ(r.q2.value(), 1733.0F);
  EXPECT_NEAR(r.hp2.value(), 3.7456017, 1e-7);
  EXPECT_NEAR(r.v2.value(), 6.2010848, 1e-7);
  EXPECT_NEAR(r.bed2.v0.value(), 1.3518521, 1e-7);
  EXPECT_NEAR(r.bed2.v0_prime.value(), 0.6749494, 1e-7);
  EXPECT_NEAR(r.n2.value(), 0.47601536, 1e-8);
  EXPECT_NEAR(r.hb2.value(), 2.2107454, 1e-7);
  EXPECT_FALSE(r.v2_at_most_v0);
}

TEST(ChannelPierScourTest, NegativeLocalScoursAreTakenAsZero) {
  ChannelPierScourInput in = Defaults();
  in.vc = 0.3;
  in.e = 0.05;
  const ChannelPierScourResult r = ChannelPierScour(in);
  // 65-1: V ≤ V0 and V < V0′ give a negative formula value.
  EXPECT_TRUE(r.pair1.v_at_most_v0);
  EXPECT_LT(r.pair1.hb1_formula.value(), 0.0);
  EXPECT_EQ(r.pair1.hb1.value(), 0.0);
  EXPECT_EQ(r.total1.value(), r.hp1.value());
  // 65-2: V = 0.6095, below V0′.
  EXPECT_NEAR(r.v2.value(), 0.6095, 5e-5);
  EXPECT_TRUE(r.v2_at_most_v0);
  EXPECT_LT(r.r2.value(), 0.0);
  EXPECT_EQ(r.hb2.value(), 0.0);
}

TEST(ChannelPierScourTest, ResultsAreEmptiedBeforeAnyIsWritten) {
  const scour_test::Pressed p = scour_test::PressWith(form3(), "Command1", {});
  ASSERT_EQ(p.effects.size(), 20U);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(std::get<effect::SetField>(p.effects[i]), (effect::SetField{kResults[i], ""}));
    EXPECT_EQ(std::get<effect::SetField>(p.effects[10 + i]).control, kResults[i]);
  }
}

TEST(ChannelPierScourTest, ClearEmptiesAllFieldsAndComputeThenFails) {
  const scour_test::Pressed cleared = scour_test::PressWith(form3(), "Command2", {});
  EXPECT_EQ(cleared.after.fields.size(), 26U);
  for (const auto& [control, text] : cleared.after.fields) EXPECT_EQ(text, "") << control;
  const Effects again = PressButton(form3(), "Command1", cleared.after);
  ASSERT_NE(FaultOf(again), nullptr);
  EXPECT_EQ(again.size(), 1U);  // nothing written before the fault
}

}  // namespace
}  // namespace velmora
