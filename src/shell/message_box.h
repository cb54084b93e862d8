// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <string_view>

class QWidget;

namespace velmora {

/// `ShowHint`: a modal box with the information icon, a title, a text and one OK button.
void ShowHint(QWidget* parent, std::string_view title, std::string_view text);

/// The information box with OK and Cancel; returns the button that closed it.
QMessageBox::StandardButton ShowOkCancel(QWidget* parent, std::string_view title,
                                         std::string_view text);

/// The modal box of an abandoned press, titled "计算错误": the fault, then `detail` (which
/// quantity could not be computed and which inputs it came from), then the advice.
void ShowFault(QWidget* parent, std::string_view text, std::string_view detail = {});

/// A modal warning with the given title, for failures outside the calculations.
void ShowWarning(QWidget* parent, const QString& title, const QString& text);

}  // namespace velmora
