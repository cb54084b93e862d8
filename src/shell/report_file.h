// SPDX-License-Identifier: GPL-3.0-or-later
// The design water level report: written as a GBK file, shown in a viewer window.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace velmora {

class WindowManager;

/// The name under which the window manager keeps the report viewer.
inline constexpr std::string_view kReportViewer = "ReportViewer";

/// The folder of the report file: <Documents>/工具箱/Velmora, unless pointed elsewhere. Empty,
/// with `note` saying why, when the user has no Documents folder.
QString ReportFolder(QString* note = nullptr);
/// Points the report file at another folder (tests use a temporary one); an empty folder brings
/// back the Documents folder.
void SetReportFolder(const QString& folder);
/// The report file: <ReportFolder()>/设计水位估算.txt; empty as the folder is.
QString ReportPath(QString* note = nullptr);

/// The report's bytes: each line in GBK followed by CR LF. Empty with `error` set when this Qt
/// has no GBK encoder.
QByteArray EncodeReport(const std::vector<std::string>& lines, QString* error);
/// The text of a GBK file.
QString DecodeReport(const QByteArray& bytes);

/// Writes the report file whole, creating its folders; a failure is shown to the user with the
/// path and the reason. Returns whether the file was written.
bool WriteReportFile(QWidget* parent, const std::vector<std::string>& lines);

/// Shows the report file in the viewer window, read afresh; an open viewer comes to the front.
/// A file that cannot be read is a message instead.
void ShowReportFile(WindowManager& manager, QWidget* parent);

}  // namespace velmora
