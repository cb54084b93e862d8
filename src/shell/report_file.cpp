#include "shell/report_file.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "common/texts.h"
#include "shell/message_box.h"
#include "shell/report_viewer.h"
#include "shell/text.h"
#include "shell/user_files.h"
#include "shell/window_manager.h"

namespace velmora {
namespace {

QString& FolderOverride() {
  static QString folder;
  return folder;
}

// GB18030 writes every character of GBK with the same bytes: the fallback where a Qt knows
// one name and not the other. Without ICU, Qt knows neither.
const char* GbkName() {
  for (const char* name : {"GBK", "GB18030"}) {
    if (QStringEncoder(name).isValid()) return name;
  }
  return nullptr;
}

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
  const char* name = GbkName();
  if (name == nullptr) {
    *error = Q(texts::kNoGbkEncoder);
    return {};
  }
  QStringEncoder encoder(name);
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes += encoder.encode(Q(line));
    bytes += "\r\n";
  }
  return bytes;
}

QString DecodeReport(const QByteArray& bytes) {
  const char* name = GbkName();
  if (name == nullptr) return QString::fromLocal8Bit(bytes);
  QStringDecoder decoder(name);
  return decoder.decode(bytes);
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
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace velmora
