// SPDX-License-Identifier: GPL-3.0-or-later
#include "waterlevel/design_water_level_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "water_level_examples.h"

namespace velmora {
namespace {

const std::string kRule = "***********************************************************";

// The separable example against Qp = 2000, so that the trial is accepted.
WaterLevelInputs AcceptedSeparable() {
  WaterLevelInputs in = SeparableExampleInputs();
  in.htm = 1.2;
  in.qp = 2000;
  return in;
}

std::vector<std::string> ReportOf(const WaterLevelInputs& in, SectionType section) {
  const DesignWaterLevelResult r = DesignWaterLevelEstimate(in, section);
  EXPECT_EQ(r.verdict, TrialVerdict::kAccepted);
  return DesignWaterLevelReport(in, r);
}

TEST(DesignWaterLevelReportTest, NotSeparableDefaultTrial) {
  // The default texts with "滩槽不可分". Numbers in the next 14-column zone after the label (a
  // Chinese character counts two columns): column 14 after a 12-column label, column 28 after
  // 16 to 24 columns; the hydraulic radius right after its label. The 15-digit texts were
  // computed independently in double precision.
  const std::vector<std::string> expected = {
      "   " + kRule,
      "   冲刷计算-设计水位估算",
      "   本程序除了速度单位为m/s，长度单位为m，流量单位为m^3/s。",
      "   " + kRule,
      "   计算参数设置如下：",
      "   本桥河床滩槽不可分",
      "   设计流量:   1733 ",
      "   桥下河槽最大水深:         2.1 ",
      "   河槽过水面积:             581.894 ",
      "   河槽过水断面湿周:         738.58 ",
      "   河槽过水断面宽度:         738.58 ",
      "   河槽糙率:   40 ",
      "   河槽水面比降(千分比):     8 ",
      "   " + kRule,
      "   设计水位估算中间计算参数:",
      "   河槽水力半径: 0.787855073248666 ",
      "   " + kRule,
      "   计算结果如下:",
      "",
      "   河槽流量:   1775.87783963679 ",
      "   河槽平均流速:             3.05189233715554 ",
      "   河槽最大水深:             2.1 ",
      "   河槽平均水深:             0.7878551 ",
  };
  EXPECT_EQ(ReportOf(WorkedExampleInputs(), SectionType::kNotSeparable), expected);
}

TEST(DesignWaterLevelReportTest, SeparableTrial) {
  const std::vector<std::string> lines = ReportOf(AcceptedSeparable(), SectionType::kSeparable);
  ASSERT_EQ(lines.size(), 36U);
  // The separable report alone opens with an unindented rule.
  EXPECT_EQ(lines[0], kRule);
  // A 14-column label: the number goes to the zone after the next, never flush against it.
  EXPECT_EQ(lines[6], "   设计流量Qp:               2000 ");
  EXPECT_EQ(lines[13], "");
  // The floodplain roughness as entered, n here.
  EXPECT_EQ(lines[18], "   河滩糙率:   0.05 ");
  EXPECT_EQ(lines[23], "   河滩水力半径: 0.5 ");
  EXPECT_EQ(lines[31], "");
  EXPECT_EQ(lines[32], "   河滩流量:   225.381529107827 ");
  EXPECT_EQ(lines[33], "   河滩平均流速:             1.12690764553914 ");
  EXPECT_EQ(lines[35], "   河滩平均水深:             0.5 ");
}

TEST(DesignWaterLevelReportTest, EnteredRoughnessAndNegativeValues) {
  WaterLevelInputs in = WorkedExampleInputs();
  in.nc = 0.025;
  in.hcm = -1.5;
  const std::vector<std::string> lines = ReportOf(in, SectionType::kNotSeparable);
  EXPECT_EQ(lines[11], "   河槽糙率:   0.025 ");
  // The minus sign takes the place of the leading space.
  EXPECT_EQ(lines[7], "   桥下河槽最大水深:        -1.5 ");
  EXPECT_EQ(lines[21], "   河槽最大水深:            -1.5 ");
}

TEST(DesignWaterLevelReportTest, NumberTexts) {
  EXPECT_EQ(ReportNumber(Real(0)), " 0 ");
  EXPECT_EQ(ReportNumber(ToSingle(-2.4741974)), "-2.474197 ");
  EXPECT_EQ(ReportNumber(Real(-0.5)), "-0.5 ");
}

}  // namespace
}  // namespace velmora
