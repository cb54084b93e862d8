// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/message_box.h"

#include "common/texts.h"
#include "shell/text.h"

namespace velmora {
namespace {

QMessageBox::StandardButton Run(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void ShowHint(QWidget* parent, std::string_view title, std::string_view text) {
  Run(QMessageBox::Information, parent, Q(title), Q(text), QMessageBox::Ok);
}

QMessageBox::StandardButton ShowOkCancel(QWidget* parent, std::string_view title,
                                         std::string_view text) {
  return Run(QMessageBox::Information, parent, Q(title), Q(text),
             QMessageBox::Ok | QMessageBox::Cancel);
}

void ShowFault(QWidget* parent, std::string_view text, std::string_view detail) {
  QString message = Q(texts::kFaultLead) + Q(text) + QLatin1Char('\n');
  if (!detail.empty()) message += Q(detail) + QLatin1Char('\n');
  Run(QMessageBox::Critical, parent, Q(texts::kFaultTitle), message + Q(texts::kFaultAdvice),
      QMessageBox::Ok);
}

void ShowWarning(QWidget* parent, const QString& title, const QString& text) {
  Run(QMessageBox::Warning, parent, title, text, QMessageBox::Ok);
}

}  // namespace velmora
