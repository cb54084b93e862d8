// SPDX-License-Identifier: GPL-3.0-or-later
// The about window and the list of codes the program follows.
#include "reference/reference_windows.h"

namespace velmora {

const Window& Form7() {
  static const Window window{
      .form = "Form7",
      .caption = "作者简介",
      .kind = WindowKind::kInformation,
      .blocks =
          {
              {.framed = false,
               .place = {.row = 0, .column = 0},
               .items = {PictureItem{"bridge_pier"}}},
              {.framed = false,
               .place = {.row = 0, .column = 1},
               .items =
                   {
                       Label{.control = "Label1",
                             .caption = "Velmora 桥涵水文计算工具箱 " VELMORA_VERSION " 版",
                             .font = {.points = 14.25, .bold = true}},
                       Label{.control = "Label2", .caption = "制作：Velmora 开发组"},
                       Label{.control = "Label3",
                             .caption = "依据：《公路桥位勘测设计规范》JTJ 062－91"},
                       Label{.control = "Label4",
                             .caption = "计算结果仅供设计参考，请设计人员复核。"},
                   }},
              {.framed = false,
               .arrangement = Arrangement::kRow,
               .place = {.row = 1, .column = 0, .column_span = 2},
               .items = {Button{"Command1", "确 定", CloseAction{}}}},
          },
  };
  return window;
}

const Window& Form22() {
  static const Window window{
      .form = "Form22",
      .caption = "依据规范",
      .kind = WindowKind::kInformation,
      .blocks =
          {
              {.framed = false,
               .place = {.row = 0, .column = 0, .column_span = 2},
               .items = {Label{.control = "Label1",
                               .caption = "主要依据规范",
                               .font = {.family = "隶书", .points = 14.25},
                               .align = Align::kCenter}}},
              {.framed = false,
               .place = {.row = 1, .column = 0},
               .items = {PictureItem{"code_book"}}},
              {.framed = false,
               .place = {.row = 1, .column = 1},
               .items = {ListItem{.control = "List1",
                                  .entries = {"1、《公路桥位勘测设计规范》JTJ 062-91",
                                              "2、《公路工程水文勘测设计规范》JTG C30-2002",
                                              "3、《公路桥涵设计手册（涵洞》",
                                              "4、《公路桥涵设计手册（桥位设计）》",
                                              "5、《公路小桥涵设计流量计算方法》"}}}},
          },
  };
  return window;
}

}  // namespace velmora
