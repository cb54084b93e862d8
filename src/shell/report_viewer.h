// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only window showing the design water level report.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QPlainTextEdit;

namespace velmora {

class ReportViewer : public QWidget {
  Q_OBJECT

 public:
  ReportViewer();

  /// Shows these bytes of the file at `path`, decoded from GBK.
  void Show(const QString& path, const QByteArray& bytes);

  /// Writes the bytes shown to another file; false with `error` set on failure.
  bool SaveCopy(const QString& target, QString* error) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SaveAs();
  void OpenExternally();

  QString path_;
  QByteArray bytes_;
  QPlainTextEdit* text_;
};

}  // namespace velmora
