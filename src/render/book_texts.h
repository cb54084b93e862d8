// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the calculation book that no window's description holds.
#pragma once

#include <string_view>

namespace velmora::book_texts {

inline constexpr std::string_view kInputs = "输入参数";
inline constexpr std::string_view kResults = "计算结果";
inline constexpr std::string_view kReport = "计算报告";
inline constexpr std::string_view kItem = "项目";
inline constexpr std::string_view kValue = "数值";
inline constexpr std::string_view kResult = "结果";
inline constexpr std::string_view kOption = "选项";
inline constexpr std::string_view kStopped = "计算中止：";
inline constexpr std::string_view kNotCalculated = "尚未计算";
inline constexpr std::string_view kBookSuffix = "计算书";
inline constexpr std::string_view kCalculate = "计算";  // a button's caption without its spaces

// The print preview and the 计算书 button of a calculator window.
inline constexpr std::string_view kBookButton = "计算书";
inline constexpr std::string_view kPrint = "打印…";
inline constexpr std::string_view kSavePdf = "保存为 PDF…";
inline constexpr std::string_view kSaveWord = "保存为 Word…";
inline constexpr std::string_view kClose = "关闭";
inline constexpr std::string_view kPdfFilter = "PDF 文件 (*.pdf)";
inline constexpr std::string_view kWordFilter = "Word 文档 (*.docx)";
inline constexpr std::string_view kNotSaved = "计算书未能保存：";
inline constexpr std::string_view kCalculateFirst = "请先计算，再生成计算书。";
inline constexpr std::string_view kInputsChanged =
    "输入已改动，计算结果尚未更新。请重新计算，再生成计算书。";

// The project's cover and signatures.
inline constexpr std::string_view kProjectName = "工程名称";
inline constexpr std::string_view kBridgeName = "桥名";
inline constexpr std::string_view kRoute = "路线及桩号";
inline constexpr std::string_view kDesignUnit = "设计单位";
inline constexpr std::string_view kDate = "日期";
inline constexpr std::string_view kCalculatedBy = "计算";
inline constexpr std::string_view kCheckedBy = "复核";
inline constexpr std::string_view kApprovedBy = "审核";
inline constexpr std::string_view kNotes = "注意";
inline constexpr std::string_view kScourSummary = "冲刷汇总及最低冲刷线高程";

}  // namespace velmora::book_texts
