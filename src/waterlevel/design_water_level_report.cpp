// SPDX-License-Identifier: GPL-3.0-or-later
#include "waterlevel/design_water_level_report.h"

#include "common/format_pattern.h"

namespace velmora {

namespace {

// Built by appending: `"literal" + std::string` trips GCC 12's -Wrestrict false positive at -O2.
std::string Padded(bool negative, const std::string& number) {
  // GeneralText writes the minus sign itself; a value of zero or more gets a space in its place.
  std::string text = negative ? "" : " ";
  text += number;
  text += ' ';
  return text;
}

}  // namespace

std::string ReportNumber(Real value) { return Padded(value < 0.0, GeneralText(value)); }

std::string ReportNumber(Single value) { return Padded(value < 0.0, GeneralText(value)); }

std::size_t GbkColumns(std::string_view utf8) {
  // Every non-ASCII character is two bytes, two columns, in GBK. Counting the lead bytes of the
  // UTF-8 sequences counts the characters.
  std::size_t columns = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      columns += 1;
    } else if (byte >= 0xC0) {
      columns += 2;
    }
  }
  return columns;
}

namespace {

constexpr std::size_t kPrintZone = 14;
constexpr std::string_view kRule =
    "***********************************************************";  // 59 asterisks

// Most value lines set their number in the next 14-column print zone after the label, so that
// the numbers stand in columns; the hydraulic radii follow their labels directly.
std::string ZoneLine(std::string_view label, const std::string& number) {
  std::string line(label);
  const std::size_t columns = GbkColumns(label);
  const std::size_t zone = (columns / kPrintZone + 1) * kPrintZone;
  line.append(zone - columns, ' ');
  return line + number;
}

std::string DirectLine(std::string_view label, const std::string& number) {
  return std::string(label) + number;
}

std::string Indented(std::string_view text) { return "   " + std::string(text); }

}  // namespace

std::vector<std::string> DesignWaterLevelReport(const WaterLevelInputs& in,
                                                const DesignWaterLevelResult& result) {
  const bool separable = result.section == SectionType::kSeparable;
  const SubSectionFlow& c = result.channel;
  const SubSectionFlow& t = result.floodplain;
  std::vector<std::string> lines;
  lines.push_back(separable ? std::string(kRule) : Indented(kRule));
  lines.push_back("   冲刷计算-设计水位估算");
  lines.push_back("   本程序除了速度单位为m/s，长度单位为m，流量单位为m^3/s。");
  lines.push_back(Indented(kRule));
  lines.push_back("   计算参数设置如下：");
  if (separable) {
    lines.push_back("   本桥河床滩槽可分");
    lines.push_back(ZoneLine("   设计流量Qp:", ReportNumber(in.qp)));
    lines.push_back(ZoneLine("   桥下河槽最大水深m:", ReportNumber(in.hcm)));
  } else {
    lines.push_back("   本桥河床滩槽不可分");
    lines.push_back(ZoneLine("   设计流量:", ReportNumber(in.qp)));
    lines.push_back(ZoneLine("   桥下河槽最大水深:", ReportNumber(in.hcm)));
  }
  lines.push_back(ZoneLine("   河槽过水面积:", ReportNumber(in.ac)));
  lines.push_back(ZoneLine("   河槽过水断面湿周:", ReportNumber(in.chi_c)));
  lines.push_back(ZoneLine("   河槽过水断面宽度:", ReportNumber(in.bc)));
  lines.push_back(ZoneLine("   河槽糙率:", ReportNumber(in.nc)));
  lines.push_back(ZoneLine("   河槽水面比降(千分比):", ReportNumber(in.ic)));
  if (separable) {
    lines.emplace_back();
    lines.push_back(ZoneLine("   桥下河滩最大水深:", ReportNumber(in.htm)));
    lines.push_back(ZoneLine("   河滩过水面积:", ReportNumber(in.at)));
    lines.push_back(ZoneLine("   河滩过水断面湿周:", ReportNumber(in.chi_t)));
    lines.push_back(ZoneLine("   河滩过水断面宽度:", ReportNumber(in.bt)));
    lines.push_back(ZoneLine("   河滩糙率:", ReportNumber(in.nt)));
    lines.push_back(ZoneLine("   河滩水面比降(千分比):", ReportNumber(in.it)));
  }
  lines.push_back(Indented(kRule));
  lines.push_back("   设计水位估算中间计算参数:");
  lines.push_back(DirectLine("   河槽水力半径:", ReportNumber(c.r)));
  if (separable) lines.push_back(DirectLine("   河滩水力半径:", ReportNumber(t.r)));
  lines.push_back(Indented(kRule));
  lines.push_back("   计算结果如下:");
  lines.emplace_back();
  lines.push_back(ZoneLine("   河槽流量:", ReportNumber(c.q)));
  lines.push_back(ZoneLine("   河槽平均流速:", ReportNumber(c.v)));
  lines.push_back(ZoneLine("   河槽最大水深:", ReportNumber(in.hcm)));
  lines.push_back(ZoneLine("   河槽平均水深:", ReportNumber(c.hj)));
  if (separable) {
    lines.emplace_back();
    lines.push_back(ZoneLine("   河滩流量:", ReportNumber(t.q)));
    lines.push_back(ZoneLine("   河滩平均流速:", ReportNumber(t.v)));
    lines.push_back(ZoneLine("   河滩最大水深:", ReportNumber(in.htm)));
    lines.push_back(ZoneLine("   河滩平均水深:", ReportNumber(t.hj)));
  }
  return lines;
}

}  // namespace velmora
