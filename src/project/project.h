// SPDX-License-Identifier: GPL-3.0-or-later
// A project: one bridge's whole calculation, as kept in a `.velmora` file.
//
// The model holds what the windows hold (field texts, the option that is on, `TrialSucceeded`,
// the compute button last pressed, the lines of the last accepted report) for every calculator
// window that holds anything; windows never touched are absent and start from their defaults.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_write.h"
#include "common/press.h"

namespace velmora {

/// The project's information, shown in the 工程信息 dialog and the title.
struct ProjectInfo {
  std::string name;           // 工程名称
  std::string route;          // 路线及桩号
  std::string bridge;         // 桥名
  std::string designer;       // 设计单位
  std::string calculated_by;  // 计算
  std::string checked_by;     // 复核
  std::string approved_by;    // 审核
  std::string date;           // 日期
  std::string notes;          // 备注
  bool operator==(const ProjectInfo&) const = default;
};

/// One item of the project information: its key in the file, its caption, and where it is kept.
struct ProjectInfoItem {
  std::string_view key;
  std::string_view caption;
  std::string ProjectInfo::*member;
};
/// The items in the order of the dialog and the file.
const std::vector<ProjectInfoItem>& ProjectInfoItems();

/// What one calculator window holds in a project.
struct WindowState {
  FormState form;
  std::string pressed;              // the compute button last pressed, or empty
  std::vector<std::string> report;  // the last accepted report's lines, or none
  bool operator==(const WindowState& other) const {
    return form.fields == other.form.fields && form.selected_option == other.form.selected_option &&
           form.trial_succeeded == other.form.trial_succeeded && pressed == other.pressed &&
           report == other.report;
  }
};

struct Project {
  ProjectInfo info;
  /// Keyed by form name.
  std::map<std::string, WindowState, std::less<>> windows;
  /// Sections that other tools keep in the project, by tool name, each as JSON text; read and
  /// written back without being looked into.
  std::map<std::string, std::string, std::less<>> tools;
  bool operator==(const Project&) const = default;
};

/// The format version this program writes, and the newest it reads.
inline constexpr int kProjectVersion = 1;

/// The project as the text of a `.velmora` file: UTF-8 JSON, indented, one item a line, windows
/// in menu order and fields in the order of their window.
std::string WriteProject(const Project& project);

/// What reading a project file gave: the project, or why it was refused.
struct ProjectRead {
  std::optional<Project> project;
  std::string error;                 // the refusal, when there is no project
  std::vector<std::string> skipped;  // what this version does not know and left out, as paths
};

/// Reads the text of a project file. Windows, fields, options and buttons this version does not
/// know are left out and listed; anything else that is not as the format says refuses the file.
ProjectRead ParseProject(std::string_view text);

/// Reads a project file; a file that cannot be read is refused with the reason.
ProjectRead ReadProjectFile(const std::filesystem::path& path);

/// Writes the project file through the checked atomic write; the reason when it failed.
std::optional<WriteFailure> SaveProjectFile(const std::filesystem::path& path,
                                            const Project& project);

/// Whether the text is one JSON value, as a tool's section must be.
bool IsJsonValue(std::string_view text);

/// Whether a window keeps its state in a project: the calculator windows.
bool KeepsState(const Window& window);

/// The state the project holds for the window, or the window's defaults with its linked inputs.
WindowState StateIn(const Project& project, const Window& window);

/// Whether a window's state is worth keeping: anything differs from a fresh window.
bool IsTouched(const Window& window, const WindowState& state);

}  // namespace velmora
