// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/report_file.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "common/texts.h"
#include "shell/message_box.h"
#include "shell/report_viewer.h"
#include "shell/screen_fit.h"
#include "shell/text.h"
#include "shell/user_files.h"
#include "shell/window_manager.h"

#ifdef _WIN32
#include "shell/gbk_windows.h"
#endif

namespace velmora {
namespace {

QString& FolderOverride() {
  static QString folder;
  return folder;
}

#ifndef _WIN32
// GB18030 writes every character of GBK with the same bytes: the fallback where a Qt knows
// one name and not the other. Without ICU, Qt knows neither.
const char* GbkName() {
  for (const char* name : {"GBK", "GB18030"}) {
    if (QStringEncoder(name).isValid()) return name;
  }
  return nullptr;
}
#endif

}  // namespace

QString ReportFolder(QString* note) {
  if (!FolderOverride().isEmpty()) return FolderOverride();
  QString why;
  const QString documents = DocumentsFolder(&why);
  if (documents.isEmpty()) {
    if (note != nullptr) *note = why;
    return {};
  }
  return QDir(documents).filePath(Q(texts::kReportFolder));
}

void SetReportFolder(const QString& folder) { FolderOverride() = folder; }

QString ReportPath(QString* note) {
  const QString folder = ReportFolder(note);
  return folder.isEmpty() ? QString() : QDir(folder).filePath(Q(texts::kReportFile));
}

QByteArray EncodeReport(const std::vector<std::string>& lines, QString* error) {
  QByteArray bytes;
#ifdef _WIN32
  (void)error;
  bytes = QByteArray::fromStdString(GbkLines(lines));
#else
  const char* name = GbkName();
  if (name == nullptr) {
    *error = Q(texts::kNoGbkEncoder);
    return {};
  }
  QStringEncoder encoder(name);
  for (const std::string& line : lines) {
    bytes += encoder.encode(Q(line));
    bytes += "\r\n";
  }
#endif
  return bytes;
}

QString DecodeReport(const QByteArray& bytes) {
#ifdef _WIN32
  return Q(Utf8FromGbk(std::string_view(bytes.constData(), bytes.size())));
#else
  const char* name = GbkName();
  if (name == nullptr) return QString::fromLocal8Bit(bytes);
  QStringDecoder decoder(name);
  return decoder.decode(bytes);
#endif
}

bool WriteReportFile(QWidget* parent, const std::vector<std::string>& lines) {
  QString reason;
  const QString path = ReportPath(&reason);
  if (reason.isEmpty()) {
    const QByteArray bytes = EncodeReport(lines, &reason);
    if (reason.isEmpty()) WriteUserFile(path, bytes, &reason);
  }
  if (reason.isEmpty()) return true;
  ShowWarning(parent, Q(texts::kReportTitle),
              FileFailureText(texts::kReportNotWritten,
                              path.isEmpty() ? Q(texts::kReportFile) : path, reason));
  return false;
}

void ShowReportFile(WindowManager& manager, QWidget* parent) {
  QString note;
  const QString path = ReportPath(&note);
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    ShowWarning(
        parent, Q(texts::kReportTitle),
        FileFailureText(texts::kReportNotRead, path.isEmpty() ? Q(texts::kReportFile) : path,
                        path.isEmpty() ? note : file.errorString()));
    return;
  }
  const QByteArray bytes = file.readAll();
  auto* viewer = qobject_cast<ReportViewer*>(manager.Find(kReportViewer));
  if (viewer == nullptr) {
    viewer = new ReportViewer;
    manager.Adopt(kReportViewer, viewer);
  }
  viewer->Show(path, bytes);
  if (viewer->isMinimized()) viewer->showNormal();
  const bool first = !viewer->isVisible();
  if (first) FitToScreen(viewer);
  viewer->show();
  if (first) KeepOnScreen(viewer);
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace velmora
