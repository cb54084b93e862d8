// One window built from its description: calculators, reference, choice and information windows.
#pragma once

#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "common/press.h"
#include "common/window.h"

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

  /// Presses a button as a click on it would.
  void PressButton(std::string_view control);

  /// Carries out the effects of a press in order.
  void RunEffects(const Effects& effects);

  /// "计算书": the print preview of the chapter of the last calculation made in this window;
  /// a hint instead when there is none yet or the inputs changed since.
  void ShowBook();

 private:
  QWidget* BuildBlock(const Block& block, bool holds_last_button);
  void AddItem(const Item& item, QGridLayout* grid, int row, int column);
  QWidget* BuildLabel(const Label& label);
  void RunLabelAction(const Label& label);

  const Window& description_;
  WindowManager& manager_;
  std::map<std::string, QLineEdit*, std::less<>> fields_;
  std::map<std::string, QRadioButton*, std::less<>> options_;

  // The last press that calculated (wrote results or faulted): what the book shows.
  struct CalculatedPress {
    std::string button;
    FormState before;
    Effects effects;
  };
  std::optional<CalculatedPress> last_calculation_;
};

}  // namespace velmora
