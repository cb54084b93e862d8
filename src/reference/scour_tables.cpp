// SPDX-License-Identifier: GPL-3.0-or-later
// Tables consulted while computing pier and abutment scour and foundation depths.
#include "reference/reference_windows.h"
#include "reference/table_builder.h"

namespace velmora {

const Table& SedimentCoefficientTable() {
  // JTJ 062-91: coefficient E of the general scour formula by flood-season sediment content.
  static const Table table = TableBuilder(4)
                                 .Headings({"含沙量ρ（kg/m3）", "<1.0", "1~10", ">10"})
                                 .RowHeadings(1)
                                 .Numbers(2)
                                 .Row({"E", 0.46, 0.66, 0.86})
                                 .Build();
  return table;
}

const Table& PierContractionTable() {
  // JTJ 062-91: lateral contraction coefficient μ of piers by design velocity and clear span.
  static const Table table =
      TableBuilder(10)
          .Title("桥墩水流侧向压缩系数μ")
          .Headings({Span("设计流速Vp(m/s)", 2, 1), Span("标准净跨径（m）", 1, 9)})
          .Headings({"≤10", "13", "16", "20", "25", "30", "35", "40", "45"})
          .RowHeadings(1)
          .Numbers(2)
          .Row({"＜1", 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00, 1.00})
          .Row({1.00, 0.96, 0.97, 0.98, 0.99, 0.99, 0.99, 0.99, 0.99, 0.99})
          .Row({1.50, 0.96, 0.96, 0.97, 0.97, 0.98, 0.98, 0.98, 0.99, 0.99})
          .Row({2.00, 0.93, 0.94, 0.95, 0.97, 0.97, 0.98, 0.98, 0.98, 0.98})
          .Row({2.50, 0.90, 0.93, 0.94, 0.96, 0.96, 0.97, 0.97, 0.98, 0.98})
          .Row({3.00, 0.89, 0.91, 0.93, 0.95, 0.96, 0.96, 0.97, 0.97, 0.98})
          .Row({3.50, 0.87, 0.90, 0.92, 0.94, 0.95, 0.96, 0.96, 0.97, 0.97})
          .Row({"≥4", 0.85, 0.88, 0.91, 0.93, 0.94, 0.95, 0.96, 0.96, 0.97})
          .Note(
              "注：（1）桥墩水流侧向压缩系数μ是指墩台侧面因漩涡形成滞流区而减小过水面积的折减"
              "系数。")
          .Note(
              "（2）μ=1-0.375Vp/Lo，其中Lo为单孔净跨径。对不等跨的桥孔可采用各孔μ值的平均值，"
              "对于净跨径大于50m的桥梁，μ≈1.0。")
          .Build();
  return table;
}

const Table& FoundationDepthMarginTable() {
  // JTJ 062-91: embedment of pier and abutment foundations below total scour on non-rock beds.
  static const Table table =
      TableBuilder(6)
          .Title("非岩石河床墩台基底埋深安全值")
          .Headings({Span("桥梁类别", 2, 1), Span("基底埋深安全值", 1, 5)})
          .Headings({"0", "5", "10", "15", "20"})
          .RowHeadings(1)
          .Numbers(1, /*trim_zeros=*/true)
          .Row({"一般桥梁", 1.5, 2, 2.5, 3, 3.5})
          .Row({"特殊大桥", 2, 2.5, 3, 3.5, 4})
          .Note("注：（1）总冲刷深度为自河床面算起的河床自然演变冲刷、一般冲刷与局部冲刷深度之和。")
          .Note(
              "（2）表列数字为墩台基底埋入总冲刷深度以下的最小值；若设计流量、水位和原始断面资料"
              "无十分把握或河床演变尚不能获得准确资料时，其值可适当加大。")
          .Note(
              "（3）若桥位上下游有已建桥梁或属旧桥改建，应调查旧桥的特大洪水冲刷情况，新桥墩台"
              "基础埋置深度应在旧桥最大冲刷深度上酌加必要的安全值。")
          .Build();
  return table;
}

const Table& RockFoundationTable() {
  // JTJ 062-91: reference data on pier scour and foundation embedment on rock.
  static const Table table =
      TableBuilder(10)
          .Title("岩石地基桥墩冲刷及基底埋深参考数据表")
          .Headings({Span("岩石特征", 1, 5), Span("调查资料", 1, 2),
                     Span("建议埋入岩面深度（按施工枯水季平均水位至岩面的距离分级）（m）", 2, 3)})
          .Headings({Span("岩石类别", 2, 2), Span("机限抗压强度（MPa）", 2, 1),
                     Span("调查到有冲刷的桥渡岩石特征", 1, 2), Span("桥梁座数", 2, 1),
                     Span("各桥的最大冲刷深度（m）", 2, 1)})
          .Headings({"岩石名称", "特征", "h<2m", "h=2~10m", "h>10m"})
          .RowHeadings(2)
          // The feature paragraphs are literals split over lines, not missing commas.
          // NOLINTBEGIN(bugprone-suspicious-missing-comma)
          .Row({Span("Ⅰ\n极软岩", 1, 2), "<5", "胶结不良的长石砂岩，炭质页岩等",
                "岩石以泥质、炭质成分为主，胶结不良，节理裂隙发育，风化严重，浸水后易软化、崩解，抗"
                "冲刷能力很差。",
                "2", "0.65~3.0", "3~4", "4~5", "5~7"})
          .Row({Span("Ⅱ\n软质岩", 2, 1), "Ⅱ1", "5～15", "粘土岩、泥质页岩等",
                "岩石以粘土矿物为主，泥质胶结，节理较发育，易风化，浸水后易软化，抗冲刷能力差。",
                "10", "0.4～2.0", "2～3", "3～4", "4～5"})
          .Row({"Ⅱ2", "15～30", "砂质页岩、砂页岩互层、砂岩砾岩等",
                "岩石含砂质较多，胶结较好，节理裂隙较发育，风化程度中等，浸水后强度有所降低，有一定"
                "的抗冲刷能力。",
                "9", "0.4~1.25", "1~2", "2~3", "3~4"})
          .Row({Span("Ⅲ\n硬质岩", 1, 2), ">30", "板岩、钙质砂岩、石灰岩、花岗岩、流纹岩、石英岩等",
                "抗压强度大于30MPa的硬质岩，抗冲刷能力强；但节理发育、岩体破碎时仍应考虑冲刷，否则"
                "埋入岩面深度可采用0.2～0.5m。",
                "9", "0.4～0.7", "0.2～1.0", "0.2～2.0", "0.5～3.0"})
          // NOLINTEND(bugprone-suspicious-missing-comma)
          .Note("注：（1）条件较好时采用表列数值中的较小值，条件较差时采用较大值。")
          .Note("（2）调查资料中的最大冲刷深度，系指各桥冲刷最深的桥墩处的冲刷深度。")
          .Note("（3）选用表列数值时应以岩石的强度为依据，不宜仅按岩石名称确定。")
          .Note("（4）表列深度自岩面算起，岩面包括风化岩层在内。")
          .Note("（5）确定埋入深度时，应考虑岩石性质随深度的变化。")
          .Note("（6）表列数值适用于扩大基础和沉井基础；对于桩基础，可据以确定最大冲刷线。")
          .Build();
  return table;
}

const Table& BendAbutmentScourTable() {
  // Abutment scour depth along the concave bank of a river bend (Xi'an Highway University tests).
  static const Table table = TableBuilder(9)
                                 .Headings({"桥台位置", "进口", "θ/6", "θ/3", "θ/2", "2θ/3", "5θ/6",
                                            "θ", "下游直度（凹岸一侧）"})
                                 .RowHeadings(1)
                                 .Row({"冲刷深度", "0.73hs", "0.82hs", "0.95hs", "1.18hs", "1.21hs",
                                       "1.21hs", "1.54hs", "1.54hs→hs"})
                                 .Build();
  return table;
}

const Table& NonScouringVelocityTable() {
  // JTJ 062-91: non-scouring velocity VH1 of non-cohesive soil at 1 m depth.
  static const Table table =
      TableBuilder(4)
          .Title("水深1m时非粘性土不冲刷流速表")
          .Headings({Span("河床泥沙", 1, 2), "河槽泥沙平均粒径d（m）", "不冲刷流速VH1（m/s）"})
          .RowHeadings(2)
          .Row({Span("砂", 3, 1), "细", "0.05～0.25", "0.35~0.32"})
          .Row({"中", "0.25～0.50", "0.32~0.40"})
          .Row({"粗", "0.50～2.00", "0.40~0.60"})
          .Row({Span("圆砾", 3, 1), "细", "2.00～5.00", "0.60~0.90"})
          .Row({"中", "5.00～10.00", "0.90~1.20"})
          .Row({"粗", "10～20", "1.20~1.50"})
          .Row({Span("卵石", 3, 1), "细", "20～40", "1.50~2.00"})
          .Row({"中", "40～60", "2.00~2.30"})
          .Row({"粗", "60~200", "2.30~3.60"})
          .Row({Span("漂石", 3, 1), "细", "200~400", "3.60~4.70"})
          .Row({"中", "400~800", "4.70~6.00"})
          .Row({"粗", ">800", ">6.00"})
          .Build();
  return table;
}

const Window& Form8() {
  static const Window window = ReferenceWindow(
      "Form8", "与汛期含沙量有关的系数E值表：",
      {Label{.caption = "E 值 表", .font = {.points = 12, .bold = true}, .align = Align::kCenter},
       TableItem{&SedimentCoefficientTable},
       Label{.caption = "注：含沙量ρ采用历年汛期月最大含沙量平均值。"}});
  return window;
}

const Window& Form9() {
  static const Window window =
      ReferenceWindow("Form9", "桥墩水流侧向压缩系数μ", {TableItem{&PierContractionTable}});
  return window;
}

const Window& Form20() {
  static const Window window = ReferenceWindow("Form20", "非岩石河床墩台基底埋深安全值",
                                               {TableItem{&FoundationDepthMarginTable}});
  return window;
}

const Window& Form21() {
  static const Window window = ReferenceWindow("Form21", "岩石地基桥墩冲刷及基底埋深参考数据表",
                                               {TableItem{&RockFoundationTable}});
  return window;
}

const Window& Form33() {
  static const Window window = ReferenceWindow(
      "Form33", "河流弯道凹岸的桥台冲刷深度",
      {Label{.caption = "    在河流弯道凹岸的桥台，因在凹岸上下游位置不同，其冲刷深度是不同的。"
                        "若弯道从"},
       Label{.caption = "进口到出口的圆心角为θ，以hs表示桥台在直河段冲刷深度，河槽宽度为B，"
                        "则根据下表，"},
       Label{.caption = "确定凹岸桥台冲刷深度（西安公路交通大学实验）。"},
       TableItem{&BendAbutmentScourTable},
       Label{.caption = "注：表内凹岸冲刷深度自平均床面高程算起。"}});
  return window;
}

const Window& Form46() {
  // The caption's "部" stands as the window has always shown it; the table title says "不".
  static const Window window = ReferenceWindow("Form46", "水深1m时非粘性土部冲刷流速表",
                                               {TableItem{&NonScouringVelocityTable}});
  return window;
}

}  // namespace velmora
