// OpenWindow / CloseWindow: one instance per form, created on first use.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <string>
#include <string_view>

namespace velmora {

class FormWindow;

class WindowManager : public QObject {
  Q_OBJECT

 public:
  WindowManager();
  ~WindowManager() override;

  /// `OpenWindow`: shows the form's instance, creating it with its defaults when none exists;
  /// an instance already shown comes to the front unchanged. Windows are top-level and not owned
  /// by the window that asked. Returns nullptr for a form the program does not have.
  QWidget* Open(std::string_view form);

  /// The form's instance, created hidden when none exists (a write into a window that is not
  /// open). nullptr for a form the program does not have.
  QWidget* Instance(std::string_view form);

  /// The form's instance if it exists, shown or hidden.
  QWidget* Find(std::string_view form) const;

  /// Keeps a window that has no description (the report viewer) with the others under `name`:
  /// `Find(name)` returns it, closing it discards it, and it goes with the rest on "退出".
  void Adopt(std::string_view name, QWidget* window);

  /// Writes a field of another window, creating that window hidden when needed.
  void SetField(std::string_view form, std::string_view control, const QString& text);

  /// Turns on an option button of another window, creating that window hidden when needed.
  void SelectOption(std::string_view form, std::string_view option);

  /// The value a form keeps beside its fields; it outlives the form's instances.
  bool TrialSucceeded(std::string_view form) const;
  void SetTrialSucceeded(std::string_view form, bool value);

  /// "退出": every window goes at once, without asking, and the program ends.
  void Quit();

 private:
  QWidget* Create(std::string_view form);

  std::map<std::string, QPointer<QWidget>, std::less<>> windows_;
  std::map<std::string, bool, std::less<>> trial_succeeded_;
};

}  // namespace velmora
