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
#include "shell/text.h"
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
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

}  // namespace velmora
