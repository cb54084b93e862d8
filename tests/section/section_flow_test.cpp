// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_flow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/press.h"
#include "common/value_of_text.h"
#include "river_section.h"
#include "section/section_json.h"
#include "waterlevel/design_water_level_estimate.h"

namespace velmora {
namespace {

TEST(SectionFlowTest, RectangleByManning) {
  // A = 20 m², χ = 14 m, n = 0.025 (entered as 40), I = 1 ‰.
  SectionInput in;
  in.points = {{0, 5}, {0, 0}, {10, 0}, {10, 5}};
  in.n_channel = 40;
  in.slope_channel = 1;
  const SectionFlowAt at = SectionFlow(in).At(2);
  EXPECT_NEAR(at.q, 20 * 40 * std::pow(20.0 / 14, 2.0 / 3) * std::sqrt(0.001), 1e-12);
  EXPECT_NEAR(at.channel.v * 20, at.q, 1e-12);
  EXPECT_FALSE(at.floodplain);
}

struct SolveCase {
  std::string name;
  bool split;
  double qp;
};

void PrintTo(const SolveCase& c, std::ostream* os) { *os << c.name; }

class SectionSolveTest : public ::testing::TestWithParam<SolveCase> {};

// The level found carries Qp, and its hand-over makes Form2's own trial accept it.
TEST_P(SectionSolveTest, LevelCarriesQpAndForm2AcceptsIt) {
  const SolveCase& c = GetParam();
  const SectionFlow flow(RiverSection(c.split));
  const SectionFlowAt at = flow.Solve(c.qp);
  EXPECT_NEAR(at.q, c.qp, 1e-4 * c.qp);
  EXPECT_GT(at.level, flow.geometry().lowest_bed());
  EXPECT_LE(at.level, flow.geometry().brim());

  const Form2HandOver h = HandOverToForm2(flow, at, c.qp);
  FormState state = DefaultState(Form2());
  state.selected_option = h.option;
  for (const auto& [control, text] : h.fields) state.fields[control] = text;
  const Effects effects = PressButton(Form2(), "Command1", state);
  const std::string prefix = "恭喜！估算成功,设计流量和计算流量的偏差是(%):";
  bool accepted = false;
  for (const Effect& e : effects) {
    const auto* message = std::get_if<effect::Message>(&e);
    if (message == nullptr || !message->text.starts_with(prefix)) continue;
    accepted = true;
    EXPECT_LE(std::abs(ValueOfText(message->text.substr(prefix.size()))), 0.1) << message->text;
  }
  EXPECT_TRUE(accepted);
  const bool floodplain_wet = at.floodplain && at.floodplain->geometry.Wet();
  EXPECT_EQ(h.option, floodplain_wet ? "Option2" : "Option1");
  EXPECT_EQ(h.fields[5].second.empty(), !floodplain_wet);  // At
}

INSTANTIATE_TEST_SUITE_P(
    River, SectionSolveTest,
    ::testing::Values(SolveCase{"ChannelOnlySmall", false, 15},
                      SolveCase{"ChannelOnlyBankfull", false, 420},
                      SolveCase{"ChannelOnlyFlood", false, 1000},
                      // Below the banks the floodplains are dry: Form2 gets the channel alone.
                      SolveCase{"SplitFloodplainDry", true, 150},
                      SolveCase{"SplitFloodplainWet", true, 900},
                      SolveCase{"SplitNearBrim", true, 1140}),
    [](const auto& info) { return info.param.name; });

struct BadFlow {
  std::string name;
  SectionInput input;
  double qp;
  std::string message;
};

void PrintTo(const BadFlow& c, std::ostream* os) { *os << c.name; }

SectionInput With(bool split, void (*change)(SectionInput&)) {
  SectionInput in = RiverSection(split);
  change(in);
  return in;
}

class BadFlowTest : public ::testing::TestWithParam<BadFlow> {};

TEST_P(BadFlowTest, RefusedWithReason) {
  const BadFlow& c = GetParam();
  try {
    SectionFlow(c.input).Solve(c.qp);
    FAIL() << "accepted";
  } catch (const SectionError& e) {
    EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadFlowTest,
    ::testing::Values(
        BadFlow{"QpZero", RiverSection(false), 0, "设计流量Qp须大于0"},
        BadFlow{"QpNotANumber", RiverSection(false), NAN, "设计流量Qp须大于0"},
        BadFlow{"QpBeyondCapacity", RiverSection(true), 1e6, "设计流量超过断面过流能力"},
        BadFlow{"NoChannelRoughness", With(false, [](SectionInput& in) { in.n_channel.reset(); }),
                100, "河槽糙率未填"},
        BadFlow{"RoughnessBelowThreeDecimals",
                With(false, [](SectionInput& in) { in.n_channel = 0.0004; }), 100,
                "河槽糙率须大于0"},
        BadFlow{"NegativeSlope", With(false, [](SectionInput& in) { in.slope_channel = -0.5; }),
                100, "河槽水面比降须大于0"},
        // A fault inside the Manning computation becomes a message, not a crash of the window.
        BadFlow{"NumbersBeyondRange",
                With(false,
                     [](SectionInput& in) {
                       in.points = {{0, 1e307}, {1, -1e307}, {2, 1.5e307}};
                     }),
                100, "断面数值超出计算范围"},
        BadFlow{"SplitWithoutFloodplainSlope",
                With(true, [](SectionInput& in) { in.slope_floodplain.reset(); }), 100,
                "河滩水面比降未填"}),
    [](const auto& info) { return info.param.name; });

TEST(SectionFlowTest, CapacityIsNamedInTheMessage) {
  const SectionFlow flow(RiverSection(false));
  try {
    flow.Solve(flow.Capacity() * 1.01);
    FAIL();
  } catch (const SectionError& e) {
    EXPECT_NE(std::string(e.what()).find(SectionNumberText(flow.Capacity()) + "立方米/秒"),
              std::string::npos)
        << e.what();
  }
}

TEST(SectionFlowTest, RatingRunsFromBedToBrimInRoundSteps) {
  const SectionFlow flow(RiverSection(true));
  const double step = flow.RatingStep();
  EXPECT_EQ(step, 0.5);  // 6.6 m of range in at most 25 rows
  const std::vector<SectionFlowAt> rows = flow.Rating(step);
  EXPECT_EQ(rows.front().level, 97.6);
  EXPECT_EQ(rows.back().level, 104.2);
  EXPECT_EQ(rows[1].level, 98.0);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_GT(rows[i].level, rows[i - 1].level);
    EXPECT_GE(rows[i].q, rows[i - 1].q) << rows[i].level;
  }
}

TEST(SectionJsonTest, RoundTripAndDamage) {
  const SectionInput in = RiverSection(true);
  EXPECT_EQ(SectionInputFromJson(SectionInputToJson(in)), in);
  SectionInput bare;
  bare.points = {{0, 1}, {1, 0}, {2, 1}};
  EXPECT_EQ(SectionInputFromJson(SectionInputToJson(bare)), bare);

  for (const char* damaged : {R"({"points": [[0, 1], [1]]})", R"({"points": [[0, "x"]]})",
                              R"({"splits": [1, 2]})", R"({"points": [], "qp": "12"})"}) {
    EXPECT_THROW(SectionInputFromJson(nlohmann::json::parse(damaged)), SectionError) << damaged;
  }
}

}  // namespace
}  // namespace velmora
