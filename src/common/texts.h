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

// The context menu of a reference table.
inline constexpr std::string_view kCopy = "复制";

}  // namespace velmora::texts
