// SPDX-License-Identifier: GPL-3.0-or-later
// Flood roughness of natural channels: the two tables and their instructions.
#include "reference/reference_windows.h"
#include "reference/table_builder.h"

namespace velmora {

const Table& ChannelRoughnessTable() {
  // JTJ 062-91: flood roughness 1/n of natural main channels.
  static const Table table =
      TableBuilder(4)
          .Title("河槽部分")
          .Headings({"河段平面及水流状态", "河床组成及河床情况", "岸壁及植被情况", "1/n"})
          .Row({Span("河段顺直或下游略有扩散；断面宽阔、规则；水流通畅", 6, 1),
                Span("砂质或土质河床，河底平顺", 2, 1), "平顺的土岸或人工提防", "55（45~65）"})
          .Row({"略有坍塌的土岸或杂草稀疏的平顺土岸", "50（40~60）"})
          .Row(
              {Span("卵石、圆砾河床，河底较平顺", 2, 1), "砂、圆砾河岸或平整的岩岸", "45（36~54）"})
          .Row({"不够平整的岩岸或灌丛中密的河岸", "40（32~48）"})
          .Row({Span("卵石、块石河床；河床上有水生植物", 2, 1), "不平顺的砂砾河岸；风化剥蚀的河岸",
                "35（28~42）"})
          .Row({"不平顺的岩岸或灌丛中密的河岸", "30（24~36）"})
          .Row({Span("河段上下游接弯道或下游有卡口、支流汇入等束水影响；复式断面；水流不够通畅", 6,
                     1),
                Span("砂、圆砾河床，边滩交错", 2, 1), "有坍塌的土岸或砂砾河岸；风化岩岸",
                "45（36~54）"})
          .Row({"不平顺的岩岸或灌丛中密的河岸", "40（32~48）"})
          .Row({Span("卵石、圆砾河床，河底不够平顺；长中密水生植物", 2, 1),
                "岩岸或不平整的卵石、圆砾河岸", "35（28~42）"})
          .Row({"不平顺的岩岸或灌丛中密的河岸", "30（24~36）"})
          .Row({Span("卵石、块石、圆飘河床；河底间有深坑、石梁或水生植物", 2, 1),
                "参差不齐的卵石、圆砾河岸或土岸；略有凹凸的岩岸", "25（20~30）"})
          .Row({"参差不齐的岩岸或灌木丛生的河岸", "20（16~24）"})
          .Row({Span("山区峡谷河段；急弯间的河段或弯曲河段；阻塞的复式断面；水流曲折不畅；流向紊乱",
                     6, 1),
                Span("砂、圆砾河床；边滩、砂洲犬牙交错", 2, 1), "人工堤防强制弯曲者",
                "35（28~42）"})
          .Row({"有矶石或丁坝挑流者", "30（24~36）"})
          .Row({Span("卵石、圆砾河床，起伏不平或长有水生植物", 2, 1),
                "参差不齐的卵石、圆砾河床或灌丛中密的河岸", "25（20~30）"})
          .Row({"参差不齐的岩岸或灌木中密的河岸", "20（16~24）"})
          .Row(
              {Span("卵石、块石、大漂石河床，石梁、跌水、孤石交错，或水生植物稠密，阻水严重", 2, 1),
               "参差不齐的岩岸或灌丛中密的河岸", "15（12~18）"})
          .Row({"两岸时有岩咀突出，很不平顺，形成强烈斜流、回水、死水的河岸", "12（10~14）"})
          .Build();
  return table;
}

const Table& FloodplainRoughnessTable() {
  // JTJ 062-91: flood roughness 1/n of floodplains.
  static const Table table =
      TableBuilder(3)
          .Title("河滩部分")
          .Headings({"滩地植被情况", "平面及水流状态", "1/n"})
          .Row({Span("基本无植物或仅有稀疏草丛", 2, 1),
                "平面顺直，纵面平坦，水流畅通，没有串流且滩宽不大者", "25（20~30）"})
          .Row({"下游有束水影响，水流不够畅通；水流虽畅通，但河滩甚宽者（滩宽在槽宽的三倍以上）",
                "20（15~25）"})
          .Row({Span("长有中等密度植物或已恳为耕地", 2, 1),
                "下游无束水影响，河滩甚宽，或有束水影响，滩宽较窄", "15（12~18）"})
          .Row({"平面不够平顺，下游有束水影响，河滩甚宽", "10~13"})
          .Row({"长有稠密灌木丛或杂草林木丛生，阻水严重", "人工堤防强制弯曲者", "7~10"})
          .Build();
  return table;
}

const Window& Form42() {
  static const Window window = ReferenceWindow("Form42", "天然河道洪水糙率系数（河槽部分）",
                                               {TableItem{&ChannelRoughnessTable}});
  return window;
}

const Window& Form43() {
  static const Window window = ReferenceWindow("Form43", "天然河道洪水糙率系数（河滩部分）",
                                               {TableItem{&FloodplainRoughnessTable}});
  return window;
}

namespace {

// The instructions, with the Chézy coefficient C = (1/n)·R^(1/6) and the mean velocity
// V = C·√(RI) set as formulas: a stacked fraction, an exponent and an overlined root.
constexpr std::string_view kRoughnessInstructions =
    "<html><head><style>"
    ".f { font-family: 'DejaVu Serif', 'Times New Roman', serif; font-size: 12pt; }"
    "td { vertical-align: middle; }"
    "p { margin-bottom: 6px; }"
    "</style></head><body>"
    "<p>采用曼宁糙率n的倒数1/n作为统计分析值，因此，从本表查得的1/n值必须用曼宁公式计算谢才系数，"
    "即</p>"
    "<table align=\"center\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
    "<td class=\"f\"><i>C</i>&nbsp;=&nbsp;</td>"
    "<td><table cellspacing=\"0\" cellpadding=\"0\">"
    "<tr><td class=\"f\" align=\"center\" style=\"border-bottom: 1px solid black;\">&nbsp;1&nbsp;"
    "</td></tr>"
    "<tr><td class=\"f\" align=\"center\"><i>n</i></td></tr></table></td>"
    "<td class=\"f\">&nbsp;<i>R</i><sup>1/6</sup></td>"
    "<td>；</td>"
    "</tr></table>"
    "<p>断面平均流用</p>"
    "<p align=\"center\"><span class=\"f\"><i>V</i>&nbsp;=&nbsp;<i>C</i>√"
    "<span style=\"text-decoration: overline;\"><i>RI</i></span></span>。</p>"
    "<p>表中描述的河段长度，一般为4~8倍高水位的河宽，但不应小于300m。</p>"
    "<p>河床组成分类及其平均粒径变幅为：砂（0.05~2.00mm）；圆砾（2~20mm），卵石（20~200mm）；"
    "块石、漂石（200mm）以上。</p>"
    "<p>包括河槽与河滩的断面称为复式断面，发生底沙运动的那部分河床（不包括河滩）成为河槽，只有"
    "洪水流过而不发生泥沙运动的那部分河流泛滥宽度成为河滩。河滩一般种有作物或茂密的植被。</p>"
    "<p>稀疏杂草或灌丛：人行其中无甚阻碍。</p>"
    "<p>中密灌丛或农作物：人行其中多受阻碍；</p>"
    "<p>稠密灌丛：人难入其中。</p>"
    "<p>表中1/n值：当洪水比降在千分之一以上者，可采用括号内较低的数值；洪水比降变化在万分之一"
    "以上者，可采用括号内较大的数值。</p>"
    "<p>河段的形态是千变万化的，可以形成各种各样的组合，应用时，首先应弄清调查工点的河段平面和"
    "水流状态属于表列三类的那一类，其次才是河床的组成和床面的情况，岸壁及植被情况是第三位的。"
    "调查工点的河段特性若与表列的组合方式不尽相同，可以根据实际情况，对表列数值做适当调整。</p>"
    "</body></html>";

}  // namespace

const Window& Form44() {
  static const Window window =
      ReferenceWindow("Form44", "天然河道洪水糙率系数（使用说明）",
                      {Label{.caption = "使 用 说 明",
                             .font = {.family = "宋体", .points = 15.75, .bold = true},
                             .align = Align::kCenter},
                       DocumentItem{kRoughnessInstructions}});
  return window;
}

}  // namespace velmora
