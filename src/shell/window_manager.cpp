// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_manager.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include "chain/quantities.h"
#include "common/menu.h"
#include "common/registry.h"
#include "project/recalculate.h"
#include "shell/chain_view.h"
#include "shell/form_window.h"
#include "shell/main_window.h"
#include "shell/project_session.h"
#include "shell/scour_summary_window.h"
#include "shell/screen_fit.h"
#include "shell/section_window.h"
#include "shell/text.h"

namespace velmora {

WindowManager::WindowManager() : project_(std::make_unique<ProjectSession>(*this)) {}

WindowManager::~WindowManager() {
  for (auto& [form, window] : windows_) delete window.data();
}

namespace {

bool IsCalculator(const QWidget* widget) {
  const auto* form = qobject_cast<const FormWindow*>(widget);
  return form != nullptr && KeepsState(form->description());
}

}  // namespace

QWidget* WindowManager::Create(std::string_view form) {
  if (form == kSectionForm) {
    QWidget* widget = new SectionWindow(*this);
    Adopt(form, widget);
    // The section belongs to the project like a calculator's state.
    widget->setAttribute(Qt::WA_DeleteOnClose, false);
    return widget;
  }
  if (form == chain::kSummaryForm) {
    auto* summary = new ScourSummaryWindow(*this);
    Adopt(form, summary);
    return summary;
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
  if (IsCalculator(widget)) {
    // A calculator's state belongs to the project: closing only hides the window.
    widget->setAttribute(Qt::WA_DeleteOnClose, false);
    for (auto* edit : widget->findChildren<QLineEdit*>()) {
      connect(edit, &QLineEdit::textChanged, this, &WindowManager::Changed);
    }
    for (auto* radio : widget->findChildren<QRadioButton*>()) {
      connect(radio, &QRadioButton::toggled, this, &WindowManager::Changed);
    }
    if (project_) ChainWindowOpened(*this, *static_cast<FormWindow*>(widget));
  }
  return widget;
}

void WindowManager::Adopt(std::string_view name, QWidget* window) {
  // Closing any other window discards its controls; the next opening starts afresh.
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
  const bool first = !window->isVisible();
  if (first) FitToScreen(window);
  window->show();
  if (first) KeepOnScreen(window);
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
  emit Changed();
}

void WindowManager::NotePress(std::string_view form, std::string_view button,
                              const Effects& effects) {
  const Window* description = FindWindow(form);
  if (description == nullptr || !KeepsState(*description)) return;
  if (IsComputation(*description, button, effects)) pressed_[std::string(form)] = button;
  for (const Effect& e : effects) {
    if (const auto* report = std::get_if<effect::WriteReport>(&e)) {
      reports_[std::string(form)] = report->lines;
    }
  }
  emit Changed();
}

std::map<std::string, WindowState, std::less<>> WindowManager::WindowStates() const {
  std::map<std::string, WindowState, std::less<>> states;
  for (const auto& [form, widget] : windows_) {
    if (!IsCalculator(widget)) continue;
    const auto* window = qobject_cast<const FormWindow*>(widget.data());
    WindowState state{.form = window->State()};
    if (const auto it = pressed_.find(form); it != pressed_.end()) state.pressed = it->second;
    if (const auto it = reports_.find(form); it != reports_.end()) state.report = it->second;
    if (IsTouched(window->description(), state)) states.emplace(form, std::move(state));
  }
  return states;
}

void WindowManager::SetWindowState(std::string_view form, const WindowState& state) {
  auto* window = qobject_cast<FormWindow*>(Instance(form));
  if (window == nullptr || !KeepsState(window->description())) return;
  for (const auto& [control, text] : state.form.fields) window->SetFieldText(control, Q(text));
  for (auto* radio : window->findChildren<QRadioButton*>()) {
    // Exclusive buttons cannot all be turned off one by one.
    radio->setAutoExclusive(false);
    radio->setChecked(radio->objectName() == Q(state.form.selected_option));
    radio->setAutoExclusive(true);
  }
  trial_succeeded_[std::string(form)] = state.form.trial_succeeded;
  pressed_[std::string(form)] = state.pressed;
  reports_[std::string(form)] = state.report;
  emit Changed();
}

void WindowManager::ResetCalculators() {
  for (auto it = windows_.begin(); it != windows_.end();) {
    if (IsCalculator(it->second) || it->first == kSectionForm) {
      it->second->hide();
      it->second->deleteLater();
      it = windows_.erase(it);
    } else {
      ++it;
    }
  }
  trial_succeeded_.clear();
  pressed_.clear();
  reports_.clear();
  emit Changed();
}

void WindowManager::Quit() {
  if (!project_->ConfirmLeave()) return;
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
