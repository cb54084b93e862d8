// SPDX-License-Identifier: GPL-3.0-or-later
// OpenWindow / CloseWindow: one instance per form, created on first use.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/press.h"
#include "project/project.h"

namespace velmora {

class FormWindow;
class ProjectSession;

class WindowManager : public QObject {
  Q_OBJECT

 public:
  WindowManager();
  ~WindowManager() override;

  /// `OpenWindow`: shows the form's instance, creating it with its defaults when none exists;
  /// a calculator window closed earlier comes back as it was left, since its state belongs to
  /// the project;
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

  /// Notes a press carried out by a window: its computation as the one to press again, and
  /// the report it wrote.
  void NotePress(std::string_view form, std::string_view button, const Effects& effects);

  /// What the calculator windows hold, the hidden ones included; untouched windows are absent.
  std::map<std::string, WindowState, std::less<>> WindowStates() const;
  /// Puts a state into a calculator window, creating it hidden when it does not exist; a shown
  /// window shows the new state at once.
  void SetWindowState(std::string_view form, const WindowState& state);
  /// Every calculator window and the section window go, with what they hold: the next opening
  /// shows the defaults.
  void ResetCalculators();

  /// The project that the windows' states belong to.
  ProjectSession& project() { return *project_; }

  /// "退出": asks about unsaved changes first; then every window goes at once and the program
  /// ends.
  void Quit();

 signals:
  /// Something a project keeps has changed: a field, an option, a press.
  void Changed();

 private:
  QWidget* Create(std::string_view form);

  std::map<std::string, QPointer<QWidget>, std::less<>> windows_;
  std::map<std::string, bool, std::less<>> trial_succeeded_;
  std::map<std::string, std::string, std::less<>> pressed_;
  std::map<std::string, std::vector<std::string>, std::less<>> reports_;
  std::unique_ptr<ProjectSession> project_;
};

}  // namespace velmora
