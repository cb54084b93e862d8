// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/report_viewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "common/texts.h"
#include "shell/message_box.h"
#include "shell/report_file.h"
#include "shell/text.h"
#include "shell/user_files.h"

namespace velmora {
namespace {

// The report aligns its numbers in columns counting a Chinese character as two: a CJK
// monospace face keeps them aligned on screen.
QFont ReportFont() {
  QFont font(QStringList{Q("Noto Sans Mono CJK SC"), Q("NSimSun"), Q("新宋体"), Q("Sarasa Mono SC"),
                         Q("WenQuanYi Zen Hei Mono"), Q("Monospace")},
             10);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

ReportViewer::ReportViewer() : text_(new QPlainTextEdit) {
  text_->setObjectName(QStringLiteral("ReportText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(ReportFont());

  auto* save_as = new QPushButton(Q(texts::kReportSaveAs));
  save_as->setObjectName(QStringLiteral("SaveAs"));
  connect(save_as, &QPushButton::clicked, this, &ReportViewer::SaveAs);
  auto* open = new QPushButton(Q(texts::kReportOpenExternally));
  open->setObjectName(QStringLiteral("OpenExternally"));
  connect(open, &QPushButton::clicked, this, &ReportViewer::OpenExternally);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save_as);
  buttons->addWidget(open);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);

  const QFontMetrics metrics(text_->font());
  resize(metrics.horizontalAdvance(QLatin1Char('0')) * 80 + 40, metrics.lineSpacing() * 40);
}

void ReportViewer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ReportViewer::Show(const QString& path, const QByteArray& bytes) {
  path_ = path;
  bytes_ = bytes;
  setWindowTitle(QDir::toNativeSeparators(path));
  text_->setPlainText(DecodeReport(bytes));
}

bool ReportViewer::SaveCopy(const QString& target, QString* error) const {
  return WriteUserFile(target, bytes_, error);
}

void ReportViewer::SaveAs() {
  QString no_documents;  // then the dialog starts where it would anyway
  const QDir documents(DocumentsFolder(&no_documents));
  const QString target = QFileDialog::getSaveFileName(this, Q(texts::kSaveAsTitle),
                                                      documents.filePath(Q(texts::kReportFile)),
                                                      Q(texts::kTextFileFilter));
  if (target.isEmpty()) return;
  QString error;
  if (!SaveCopy(target, &error)) {
    ShowWarning(this, Q(texts::kReportTitle),
                FileFailureText(texts::kReportNotSaved, target, error));
  }
}

void ReportViewer::OpenExternally() {
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path_))) {
    ShowWarning(this, Q(texts::kReportTitle),
                Q(texts::kReportNotOpened) + QLatin1Char('\n') + QDir::toNativeSeparators(path_));
  }
}

}  // namespace velmora
