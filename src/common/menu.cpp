// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/menu.h"

namespace velmora {
namespace {

MenuItem Command(std::string_view control, std::string_view caption, std::string_view form = {}) {
  return {.control = control, .caption = caption, .kind = MenuKind::kCommand, .form = form};
}

MenuItem Separator(std::string_view control) {
  return {.control = control, .caption = "-", .kind = MenuKind::kSeparator};
}

MenuItem Submenu(std::string_view control, std::string_view caption, std::vector<MenuItem> items) {
  return {.control = control,
          .caption = caption,
          .kind = MenuKind::kSubmenu,
          .items = std::move(items)};
}

}  // namespace

const std::vector<MenuItem>& MainMenu() {
  static const std::vector<MenuItem> menu{
      Submenu(
          "流量计算", "流量计算",
          {
              Command("利用流域面积比拟法计算设计流量", "利用流域面积比拟法计算设计流量", "Form31"),
              Separator("bland1"),
              Submenu("利用历史洪水位推算设计流量", "利用历史洪水位推算设计流量",
                      {
                          Command("历史洪水流量计算I", "稳定均匀流洪峰流量的推算", "Form24"),
                          Command("历史洪水流量计算II", "稳定非均匀流洪峰流量的推算", "Form32"),
                      }),
              Separator("bland2"),
              Command("利用全国水文分区经验公式确定设计流量",
                      "利用全国水文分区经验公式确定设计流量", "Form34"),
              Separator("bland3"),
              Command("小流域暴雨洪峰流量计算", "利用暴雨资料推算设计洪水流量", "Form5"),
              Separator("blank4"),
          }),
      Submenu("桥孔设计", "桥孔设计",
              {
                  Submenu("桥孔长度的计算", "桥孔长度的计算",
                          {
                              Command("河槽宽度公式", "河槽宽度公式", "Form35"),
                              Command("单宽流量公式", "单宽流量公式", "Form36"),
                              Command("输沙平衡公式", "输沙平衡公式", "Form45"),
                              Command("基本河宽公式", "基本河宽公式", "Form46"),
                          }),
              }),
      Submenu("设计水位估算菜单", "设计水位估算",
              {
                  Command("设计水位估算", "设计水位估算", "Form2"),
                  Command("实测断面水位计算", "实测断面水位计算", kSectionForm),
              }),
      Submenu("冲刷计算", "冲刷计算",
              {
                  Submenu("非粘性土河床桥墩冲刷计算", "非粘性土河床桥墩冲刷计算",
                          {
                              Command("非粘性土河槽桥墩冲刷计算", "河槽桥墩冲刷计算", "form3"),
                              Command("非粘性土河滩桥墩冲刷计算", "河滩桥墩冲刷计算", "Form19"),
                          }),
                  Separator("bland5"),
                  Command("粘性土河床桥墩冲刷计算", "粘性土河床桥墩冲刷计算", "form1"),
                  Separator("blank6"),
                  Command("非粘性土河床桥台冲刷计算", "非粘性土河床桥台冲刷计算", "Form29"),
                  Separator("bland7"),
                  Command("粘性土河床桥台冲刷计算", "粘性土河床桥台冲刷计算", "Form30"),
                  Separator("bland8"),
                  Command("河流弯道凹岸的桥台冲刷深度", "河流弯道凹岸的桥台冲刷深度", "Form33"),
                  Separator("blank9"),
                  Command("冲刷汇总", "冲刷汇总及最低冲刷线高程", "ScourSummary"),
              }),
      Submenu(
          "帮助", "帮助",
          {
              Command("设计洪水频率标准", "设计洪水频率标准", "Form23"),
              Separator("blank10"),
              Command("皮尔逊III型曲线的离均系数Φ值表", "皮尔逊III型曲线的离均系数Φ值表", "Form25"),
              Separator("bland11"),
              Submenu("皮尔逊III型曲线模比系数Kp值表", "皮尔逊III型曲线模比系数Kp值表",
                      {
                          Command("表1", "Cs=Cv", "Form37"),
                          Command("表2", "Cs=2Cv", "Form26"),
                          Command("表3", "Cs=2.5Cv", "Form38"),
                          Command("表4", "Cs=3Cv", "Form27"),
                          Command("表5", "Cs=3.5Cv", "Form39"),
                          Command("表6", "Cs=4Cv", "Form28"),
                          Command("表7", "Cs=5Cv", "Form40"),
                          Command("表8", "Cs=6Cv", "Form41"),
                      }),
              Separator("blank8"),
              Command("全国分区经验公式成果表", "全国分区经验公式成果表"),
              Separator("bland12"),
              Command("全国分区Cv值表", "全国分区Cv值表"),
              Separator("bland13"),
              Command("全国分区CsCv经验关系表", "全国分区Cs/Cv经验关系表"),
              Separator("blank14"),
              Submenu("天然河道洪水糙率系数", "天然河道洪水糙率系数",
                      {
                          Command("河槽部分天然河道洪水糙率系数", "河槽部分", "Form42"),
                          Command("河滩部分天然河道洪水糙率系数", "河滩部分", "Form43"),
                          Command("使用说明", "使用说明", "Form44"),
                      }),
              Separator("blank15"),
              Command("水深1m时非粘性土不冲刷流速VH1表", "水深1m时非粘性土不冲刷流速VH1表",
                      "Form46"),
              Separator("blank16"),
              Command("非岩石河床墩台基底埋深安全值", "非岩石河床墩台基底埋深安全值", "Form20"),
              Separator("bland17"),
              Command("岩石地基桥墩冲刷及基底埋深参考数据表",
                      "岩石地基桥墩冲刷及基底埋深参考数据表", "Form21"),
              Separator("blank18"),
              Command("依据规范", "依据规范", "Form22"),
              Separator("blank19"),
              Command("作者简介", "作者简介", "Form7"),
              Separator("blank20"),
          }),
      MenuItem{.control = "退出", .caption = "退出", .kind = MenuKind::kExit},
  };
  return menu;
}

}  // namespace velmora
