// SPDX-License-Identifier: GPL-3.0-or-later
// 工程信息: the project information in one dialog.
#pragma once

#include <QDialog>
#include <map>
#include <string_view>

#include "project/project.h"

class QLineEdit;
class QPlainTextEdit;

namespace velmora {

class ProjectInfoDialog : public QDialog {
  Q_OBJECT

 public:
  ProjectInfoDialog(const ProjectInfo& info, QWidget* parent);

  /// The information as the dialog shows it now.
  ProjectInfo Info() const;

 private:
  std::map<std::string_view, QLineEdit*> lines_;
  QPlainTextEdit* notes_ = nullptr;
};

}  // namespace velmora
