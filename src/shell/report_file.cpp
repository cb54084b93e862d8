#include "shell/report_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include "common/texts.h"
#include "shell/message_box.h"
#include "shell/report_viewer.h"
#include "shell/screen_fit.h"
#include "shell/text.h"
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

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString FailureText(std::string_view lead, const QString& path, const QString& reason) {
  QString text = Q(lead) + QLatin1Char('\n') + Native(path);
  if (!reason.isEmpty()) text += QLatin1Char('\n') + Q(texts::kReason) + reason;
  return text;
}

}  // namespace

QString ReportFolder() {
  if (!FolderOverride().isEmpty()) return FolderOverride();
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  return documents.filePath(Q(texts::kReportFolder));
}

void SetReportFolder(const QString& folder) { FolderOverride() = folder; }

QString ReportPath() { return QDir(ReportFolder()).filePath(Q(texts::kReportFile)); }

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
  const QString path = ReportPath();
  QString reason;
  const QByteArray bytes = EncodeReport(lines, &reason);
  if (reason.isEmpty() && !QDir().mkpath(ReportFolder())) {
    reason = Q(texts::kFolderNotCreated) + Native(ReportFolder());
  }
  if (reason.isEmpty()) {
    // Written beside the file and renamed over it: a failure leaves the earlier report whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      reason = file.errorString();
    } else {
      file.write(bytes);
      if (!file.commit()) reason = file.errorString();
    }
  }
  if (reason.isEmpty()) return true;
  ShowWarning(parent, Q(texts::kReportTitle), FailureText(texts::kReportNotWritten, path, reason));
  return false;
}

void ShowReportFile(WindowManager& manager, QWidget* parent) {
  const QString path = ReportPath();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ShowWarning(parent, Q(texts::kReportTitle),
                FailureText(texts::kReportNotRead, path, file.errorString()));
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
