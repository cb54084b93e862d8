// Texts the program shows outside any one window's description.
#pragma once

#include <string_view>

namespace velmora::texts {

inline constexpr std::string_view kFaultTitle = "计算错误";
inline constexpr std::string_view kFaultLead = "计算无法完成：";
inline constexpr std::string_view kFaultAdvice = "请检查输入的数据后重新计算。";

// The hint on an input field whose text is not wholly a number: %1 is the value that is used.
inline constexpr std::string_view kReadAs = "将按 %1 计算（只读取开头的数字）";
inline constexpr std::string_view kOutOfRange = "数值超出范围，计算时将报告溢出";

// Tooltips of the labels that react to the mouse.
inline constexpr std::string_view kClickOpens = "单击查看参考表";
inline constexpr std::string_view kClickExplains = "单击查看说明";
inline constexpr std::string_view kDoubleClickOpens = "双击查看参考表";
inline constexpr std::string_view kDoubleClickExplains = "双击查看说明";

// The context menu of a reference table.
inline constexpr std::string_view kCopy = "复制";

}  // namespace velmora::texts
