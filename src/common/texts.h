// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the program shows outside any one window's description.
#pragma once

#include <string_view>

namespace velmora::texts {

inline constexpr std::string_view kFaultTitle = "计算错误";
inline constexpr std::string_view kFaultLead = "计算无法完成：";
inline constexpr std::string_view kFaultAdvice = "请检查输入的数据后重新计算。";
// The fault box's explanation, naming fields by their labels.
inline constexpr std::string_view kFaultNotComputed = "未能算出：";
inline constexpr std::string_view kFaultChangeAlone = "只改动其中一项即不再出错的输入：";
inline constexpr std::string_view kFaultChangedTo = "；改为 ";
inline constexpr std::string_view kFaultChangedToEnd = " 时不再出错";
inline constexpr std::string_view kFaultZero = "读作 0 的输入：";
inline constexpr std::string_view kFaultNotPositive = "读作 0 或负数的输入：";
inline constexpr std::string_view kFaultLargest = "数值最大的输入：";
inline constexpr std::string_view kFaultInputsRead = "计算用到的输入：";
inline constexpr std::string_view kFaultBlank = "空白，按 ";
inline constexpr std::string_view kFaultReadAs = "，按 ";
inline constexpr std::string_view kFaultReadAsEnd = " 计算";
inline constexpr std::string_view kFaultOutOfRange = "超出范围的数";

// The hint on an input field whose text is not wholly a number: %1 is the value that is used.
inline constexpr std::string_view kReadAs = "将按 %1 计算（只读取开头的数字）";
inline constexpr std::string_view kOutOfRange = "数值超出范围，计算时将报告溢出";

// Tooltips of the labels that react to the mouse.
inline constexpr std::string_view kClickOpens = "单击查看参考表";
inline constexpr std::string_view kClickExplains = "单击查看说明";
inline constexpr std::string_view kDoubleClickOpens = "双击查看参考表";
inline constexpr std::string_view kDoubleClickExplains = "双击查看说明";

// The design water level report file and its viewer.
inline constexpr std::string_view kReportFolder = "工具箱/Velmora";  // under the Documents folder
inline constexpr std::string_view kReportFile = "设计水位估算.txt";
inline constexpr std::string_view kReportTitle = "设计水位估算计算书";
inline constexpr std::string_view kReportNotWritten = "计算书未能写入文件：";
inline constexpr std::string_view kReportNotRead = "计算书文件未能打开：";
inline constexpr std::string_view kReportNotSaved = "计算书未能另存为：";
inline constexpr std::string_view kReportNotOpened = "系统编辑器未能打开文件：";
inline constexpr std::string_view kReason = "原因：";
inline constexpr std::string_view kNoGbkEncoder = "本程序所用的Qt不支持GBK编码";
inline constexpr std::string_view kReportSaveAs = "另存为…";
inline constexpr std::string_view kSaveAsTitle = "另存为";
inline constexpr std::string_view kReportOpenExternally = "用系统编辑器打开";
inline constexpr std::string_view kTextFileFilter = "文本文件 (*.txt);;所有文件 (*)";

// Why a file could not be written, as the system's error numbers say it.
inline constexpr std::string_view kNoSpace = "磁盘空间不足";
inline constexpr std::string_view kQuotaExceeded = "磁盘配额已用完";
inline constexpr std::string_view kNoPermission = "没有写入权限";
inline constexpr std::string_view kReadOnlyFileSystem = "只读文件系统";
inline constexpr std::string_view kFileBlocksFolder = "同名的文件挡住了文件夹";
inline constexpr std::string_view kFolderBlocksFile = "同名的文件夹挡住了文件";
inline constexpr std::string_view kNameTooLong = "文件名太长";
inline constexpr std::string_view kNoSuchFolder = "文件夹不存在";
inline constexpr std::string_view kFileTooLarge = "文件太大";
inline constexpr std::string_view kDeviceError = "读写设备出错";
inline constexpr std::string_view kWriteFailed = "写入失败";
inline constexpr std::string_view kNoHomeFolder =
    "找不到用户的主文件夹（环境变量HOME未设置，本账户也没有主文件夹）";
// The about box: %1 is the program's version, %2 Qt's, %3 Boost's.
inline constexpr std::string_view kAboutMenu = "关于 Velmora(&A)";
inline constexpr std::string_view kAboutTitle = "关于 Velmora";
inline constexpr std::string_view kAboutText =
    "<h3>Velmora %1</h3>"
    "<p>公路桥涵水文、水力计算工具箱，依据《公路桥位勘测设计规范》JTJ 062－91。</p>"
    "<p>本程序是自由软件：您可以依据自由软件基金会发布的 GNU 通用公共许可证"
    "（GPL）第 3 版或（由您选择）任何更新的版本再发布和/或修改它"
    "（SPDX：GPL-3.0-or-later）。发布本程序是希望它有用，但不提供任何担保，"
    "甚至不包括适销性或特定用途适用性的默示担保。许可证全文见随程序分发的 COPYING 文件，"
    "或 <a href=\"https://www.gnu.org/licenses/\">https://www.gnu.org/licenses/</a>。</p>"
    "<p>所用的库：</p><ul>"
    "<li>Qt %2（Qt Widgets，LGPL-3.0 / GPL）</li>"
    "<li>Boost.Math %3（Boost Software License 1.0）</li>"
    "</ul>";

// The context menu of a reference table.
inline constexpr std::string_view kCopy = "复制";
// Rows of a provincial table whose values are still to be copied from the handbook.
inline constexpr std::string_view kUnfilledRow = "此行数值尚未录入";
inline constexpr std::string_view kUnfilledNotice = "斜线底纹的行尚未录入数值。";

}  // namespace velmora::texts
