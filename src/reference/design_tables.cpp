// SPDX-License-Identifier: GPL-3.0-or-later
// Design standards and the coefficients of the channel-width formula.
#include "reference/reference_windows.h"
#include "reference/table_builder.h"

namespace velmora {

const Table& FloodFrequencyStandardTable() {
  // JTJ 062-91: design flood frequency by structure and highway class.
  static const Table table =
      TableBuilder(6)
          .Title("设计洪水频率标准")
          .Headings({Span("构造物名称", 2, 1), Span("公路等级", 1, 5)})
          .Headings({"高速公路", "一", "二", "三", "四"})
          .RowHeadings(1)
          .Row({"特大桥", "1/300", "1/300", "1/100", "1/100", "1/100"})
          .Row({"大、中桥", "1/100", "1/100", "1/100", "1/50", "1/50"})
          .Row({"小桥", "1/100", "1/100", "1/50", "1/25", "1/25"})
          .Row({"涵洞及小型排水构造物", "1/100", "1/100", "1/50", "1/25", "按具体情况确定"})
          .Row({"路基", "1/100", "1/100", "1/50", "1/25", "按具体情况确定"})
          .Note(
              "注：二级公路的特大桥及三、四级公路的大桥，在水势猛急、河床易于冲刷的情况下，可提高"
              "一级洪水频率验算基础冲刷深度。")
          .Build();
  return table;
}

const Table& ChannelWidthCoefficientTable() {
  // JTJ 062-91: coefficient Kq and exponent n3 of the channel-width formula by reach type.
  static const Table table = TableBuilder(3)
                                 .Title("Kq、n3值表")
                                 .Headings({"河段类型", "Kq", "n3"})
                                 .RowHeadings(1)
                                 .Numbers(2, /*trim_zeros=*/true)
                                 .Row({"开阔、顺直微弯河段", 0.84, 0.9})
                                 .Row({"分汊、弯曲河段", 0.95, 0.87})
                                 .Row({"滩、槽可分的不稳定河段", 0.69, 1.59})
                                 .Build();
  return table;
}

const Window& Form23() {
  static const Window window =
      ReferenceWindow("Form23", "设计洪水频率标准", {TableItem{&FloodFrequencyStandardTable}});
  return window;
}

const Window& Form47() {
  static const Window window =
      ReferenceWindow("Form47", "Kq、n3值表", {TableItem{&ChannelWidthCoefficientTable}});
  return window;
}

}  // namespace velmora
