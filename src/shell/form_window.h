// SPDX-License-Identifier: GPL-3.0-or-later
// One window built from its description: calculators, reference, choice and information windows.
#pragma once

#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/press.h"
#include "common/window.h"

class QKeyEvent;
class QLineEdit;
class QRadioButton;
class QGridLayout;

namespace velmora {

class WindowManager;

class FormWindow : public QWidget {
  Q_OBJECT

 public:
  FormWindow(const Window& description, WindowManager& manager);

  const Window& description() const { return description_; }

  /// The window's state as a press sees it: field texts, the option that is on, and
  /// `TrialSucceeded`.
  FormState State() const;

  void SetFieldText(std::string_view control, const QString& text);
  QString FieldText(std::string_view control) const;
  /// Turns on the option button with this control name (the others of its group go off).
  void SelectOption(std::string_view control);

  /// Presses a button as a click on it would.
  void PressButton(std::string_view control);

  /// Carries out the effects of a press in order; a fault's box adds `fault_detail`.
  void RunEffects(const Effects& effects, std::string_view fault_detail = {});

  /// The button Enter presses: a compute button, the one whose computation reads the field with
  /// the focus, or the first. Empty for a window without one.
  std::string EnterButton() const;

  /// "计算书": the print preview of the chapter of the last calculation made in this window;
  /// a hint instead when there is none yet or the inputs changed since.
  void ShowBook();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildBlock(const Block& block, bool holds_last_button);
  void AddItem(const Item& item, QGridLayout* grid, int row, int column);
  QWidget* BuildLabel(const Label& label);
  void RunLabelAction(const Label& label);

  const Window& description_;
  WindowManager& manager_;
  std::map<std::string, QLineEdit*, std::less<>> fields_;
  std::map<std::string, QRadioButton*, std::less<>> options_;
  // Tab order: what the user fills in, in reading order, then the buttons.
  std::vector<QWidget*> tab_inputs_;
  std::vector<QWidget*> tab_buttons_;

  // The last press that calculated (wrote results or faulted): what the book shows.
  struct CalculatedPress {
    std::string button;
    FormState before;
    Effects effects;
  };
  std::optional<CalculatedPress> last_calculation_;
};

}  // namespace velmora
