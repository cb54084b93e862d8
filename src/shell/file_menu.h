// SPDX-License-Identifier: GPL-3.0-or-later
// The 文件 menu: projects, first in the main window's menu bar.
#pragma once

class QMainWindow;
class QMenu;

namespace velmora {

class ProjectSession;

/// Adds the 文件 menu as the menu bar's first entry and lets the window's title follow the
/// project. The groups are split by separators named 文件分隔1…3; the commands that export the
/// project (导出计算书…) have their own group, from 文件分隔计算书 to 文件分隔3 above 关闭工程.
QMenu* AddFileMenu(QMainWindow* window, ProjectSession& session);

}  // namespace velmora
