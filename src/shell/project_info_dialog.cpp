// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/project_info_dialog.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/text.h"

namespace velmora {
namespace {

// The one item written over several lines.
constexpr std::string_view kNotesKey = "notes";

}  // namespace

ProjectInfoDialog::ProjectInfoDialog(const ProjectInfo& info, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("工程信息"));
  setObjectName(QStringLiteral("ProjectInfoDialog"));
  auto* form = new QFormLayout;
  for (const ProjectInfoItem& item : ProjectInfoItems()) {
    const QString text = Q(info.*(item.member));
    QWidget* editor = nullptr;
    if (item.key == kNotesKey) {
      notes_ = new QPlainTextEdit(text);
      notes_->setTabChangesFocus(true);
      notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 12);
      editor = notes_;
    } else {
      auto* line = new QLineEdit(text);
      line->setMinimumWidth(320);
      if (item.key == "date") {
        line->setPlaceholderText(QDate::currentDate().toString(Qt::ISODate));
      }
      lines_[item.key] = line;
      editor = line;
    }
    editor->setObjectName(Q(item.key));
    form->addRow(Q(item.caption) + QStringLiteral("："), editor);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

ProjectInfo ProjectInfoDialog::Info() const {
  ProjectInfo info;
  for (const ProjectInfoItem& item : ProjectInfoItems()) {
    if (item.key == kNotesKey) {
      info.*(item.member) = U(notes_->toPlainText());
    } else {
      info.*(item.member) = U(lines_.at(item.key)->text().trimmed());
    }
  }
  return info;
}

}  // namespace velmora
