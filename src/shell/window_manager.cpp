#include "shell/window_manager.h"

#include <QApplication>

#include "common/menu.h"
#include "common/registry.h"
#include "shell/form_window.h"
#include "shell/main_window.h"
#include "shell/section_window.h"
#include "shell/text.h"

namespace velmora {

WindowManager::WindowManager() = default;

WindowManager::~WindowManager() {
  for (auto& [form, window] : windows_) delete window.data();
}

QWidget* WindowManager::Create(std::string_view form) {
  if (form == kSectionForm) {
    QWidget* widget = new SectionWindow(*this);
    Adopt(form, widget);
    return widget;
  }
  const Window* description = FindWindow(form);
  if (description == nullptr) return nullptr;
  QWidget* widget = nullptr;
  if (description->kind == WindowKind::kMain) {
    widget = new MainWindow(*description, *this);
  } else {
    widget = new FormWindow(*description, *this);
  }
  Adopt(form, widget);
  return widget;
}

void WindowManager::Adopt(std::string_view name, QWidget* window) {
  // Closing a window discards its controls; the next opening starts from the defaults.
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setObjectName(Q(name));
  windows_[std::string(name)] = window;
}

QWidget* WindowManager::Find(std::string_view form) const {
  const auto it = windows_.find(form);
  return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* WindowManager::Instance(std::string_view form) {
  if (QWidget* existing = Find(form)) return existing;
  return Create(form);
}

QWidget* WindowManager::Open(std::string_view form) {
  QWidget* window = Instance(form);
  if (window == nullptr) return nullptr;
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void WindowManager::SetField(std::string_view form, std::string_view control, const QString& text) {
  if (auto* target = qobject_cast<FormWindow*>(Instance(form))) {
    target->SetFieldText(control, text);
  }
}

void WindowManager::SelectOption(std::string_view form, std::string_view option) {
  if (auto* target = qobject_cast<FormWindow*>(Instance(form))) target->SelectOption(option);
}

bool WindowManager::TrialSucceeded(std::string_view form) const {
  const auto it = trial_succeeded_.find(form);
  return it != trial_succeeded_.end() && it->second;
}

void WindowManager::SetTrialSucceeded(std::string_view form, bool value) {
  trial_succeeded_[std::string(form)] = value;
}

void WindowManager::Quit() {
  // Quit runs inside a handler of one of these windows: let them go once it has returned.
  for (auto& [form, window] : windows_) {
    if (window) {
      window->hide();
      window->deleteLater();
    }
  }
  windows_.clear();
  QCoreApplication::exit(0);
}

}  // namespace velmora
