// The design water level report: written as a file, shown in a viewer.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace velmora {

/// Writes the report's lines to the report file; a failure is shown to the user.
void WriteReportFile(QWidget* parent, const std::vector<std::string>& lines);

/// Shows the report file of the last accepted trial.
void ShowReportFile(QWidget* parent);

}  // namespace velmora
