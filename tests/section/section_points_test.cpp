// SPDX-License-Identifier: GPL-3.0-or-later
#include "section/section_points.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

struct PointsCase {
  std::string name;
  std::string text;
  std::vector<SectionPoint> expected;
};

void PrintTo(const PointsCase& c, std::ostream* os) { *os << c.name; }

class SectionPointsTest : public ::testing::TestWithParam<PointsCase> {};

TEST_P(SectionPointsTest, Read) {
  EXPECT_EQ(ParseSectionPoints(GetParam().text), GetParam().expected);
}

const std::vector<SectionPoint> kThree = {{0, 5.5}, {12.5, 1}, {20, 5}};

INSTANTIATE_TEST_SUITE_P(
    Formats, SectionPointsTest,
    ::testing::Values(
        PointsCase{"CommaWithHeaderAndComments",
                   "\xEF\xBB\xBF起点距,高程\r\n# 2024 survey\r\n0,5.5\r\n\r\n12.5,1\r\n20,5\r\n",
                   kThree},
        PointsCase{"TabsFromASpreadsheet", "0\t5.5\n12.5\t1\n20\t5", kThree},
        PointsCase{"SpacesAndExtraColumns", "  0   5.5  P1\n12.5 1 P2\n+20 5e0 P3\n", kThree},
        PointsCase{"FullWidthCommaAndSemicolon", "0，5.5\n12.5;1\n20 ,5\n", kThree}),
    [](const auto& info) { return info.param.name; });

TEST(SectionPointsTest, NamesTheLineThatIsNotTwoNumbers) {
  for (const auto& [text, line] :
       {std::pair{"0,1\n1,x\n", "第2行"}, std::pair{"0,1\nx,y\n", "第2行"},
        std::pair{"# c\n0,1\n2\n", "第3行"}}) {
    try {
      ParseSectionPoints(text);
      ADD_FAILURE() << text;
    } catch (const SectionError& e) {
      EXPECT_NE(std::string(e.what()).find(line), std::string::npos) << e.what();
    }
  }
}

TEST(SectionPointsTest, CellsOfAPastedLine) {
  EXPECT_EQ(SplitCells("1\t\t3"), (std::vector<std::string>{"1", "", "3"}));
  EXPECT_EQ(SplitCells(" 1  2 "), (std::vector<std::string>{"1", "2"}));
  EXPECT_FALSE(CellNumber("1,5"));
  EXPECT_FALSE(CellNumber("0x10"));
}

}  // namespace
}  // namespace velmora
