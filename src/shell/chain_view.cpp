// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/chain_view.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyle>

#include "chain/follow_edit.h"
#include "chain/links.h"
#include "chain/plausibility.h"
#include "common/registry.h"
#include "shell/form_window.h"
#include "shell/project_session.h"
#include "shell/text.h"
#include "shell/window_manager.h"

namespace velmora {

namespace {

// A pale blue for a value the chain brings, a pale violet for one typed over it.
const QString kLinkedStyle = QStringLiteral("QLineEdit { background-color: rgb(220, 235, 255); }");
const QString kOverriddenStyle =
    QStringLiteral("QLineEdit { background-color: rgb(236, 226, 255); }");
const QString kFlaggedStyle = QStringLiteral(
    "QLineEdit { border: 2px solid rgb(230, 120, 0); background-color: "
    "rgb(255, 192, 128); }");

const QString kFlagMark = QStringLiteral("velmoraFlag");

void KeepChainState(WindowManager& manager, const Project& project) {
  const auto it = project.tools.find(chain::kToolName);
  manager.project().SetTool(std::string(chain::kToolName),
                            it == project.tools.end() ? std::string() : it->second);
}

void Relink(WindowManager& manager, const std::string& form, const std::string& control) {
  Project project = manager.project().Snapshot();
  chain::Relink(project, form, control);
  const auto window = project.windows.find(form);
  if (window != project.windows.end()) {
    manager.SetField(form, control, Q(window->second.form.fields[control]));
  }
  KeepChainState(manager, project);
  ShowChain(manager);
}

void OfferRelink(WindowManager& manager, QLineEdit* edit, const std::string& form,
                 const std::string& control) {
  if (edit->property("velmoraRelink").toBool()) return;
  edit->setProperty("velmoraRelink", true);
  edit->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(edit, &QLineEdit::customContextMenuRequested, edit,
                   [&manager, edit, form, control](const QPoint& at) {
                     QMenu* menu = edit->createStandardContextMenu();
                     menu->addSeparator();
                     QAction* relink = menu->addAction(QStringLiteral("恢复链接"));
                     relink->setObjectName(QStringLiteral("恢复链接"));
                     const Project project = manager.project().Snapshot();
                     relink->setEnabled(chain::StatusOf(project, form, control).kind ==
                                        chain::LinkStatus::kOverridden);
                     QObject::connect(relink, &QAction::triggered, edit, [&manager, form, control] {
                       Relink(manager, form, control);
                     });
                     menu->setAttribute(Qt::WA_DeleteOnClose);
                     menu->popup(edit->mapToGlobal(at));
                   });
}

void Show(WindowManager& manager, const Project& project, FormWindow& window) {
  const std::string form(window.description().form);
  const chain::ChainState state = chain::ReadChainState(project);
  QString title = Q(window.description().caption);
  if (state.stale.contains(form)) title += QStringLiteral("（需重新计算）");
  window.setWindowTitle(title);
  for (auto* edit : window.findChildren<QLineEdit*>()) {
    for (QAction* mark : edit->actions()) {
      if (mark->objectName() == kFlagMark) delete mark;
    }
    if (edit->property(kChainStyledProperty).toBool()) {
      edit->setProperty(kChainStyledProperty, false);
      const Field* field = FindField(window.description(), U(edit->objectName()));
      edit->setStyleSheet(
          field != nullptr && field->role == FieldRole::kResult
              ? QStringLiteral("QLineEdit { background-color: rgb(255, 192, 128); }")
              : QString());
      edit->setToolTip(QString());
    }
  }
  for (const chain::Link& link : chain::Links()) {
    if (link.field.form != form) continue;
    auto* edit = window.findChild<QLineEdit*>(Q(link.field.control));
    if (edit == nullptr) continue;
    const chain::LinkStatus status = chain::StatusOf(project, form, link.field.control);
    const QString source = Q(chain::SourceTooltip(*status.source));
    edit->setProperty(kChainStyledProperty, true);
    if (status.kind == chain::LinkStatus::kLinked) {
      edit->setStyleSheet(kLinkedStyle);
      edit->setToolTip(source);
    } else if (status.kind == chain::LinkStatus::kOverridden) {
      edit->setStyleSheet(kOverriddenStyle);
      edit->setToolTip(QStringLiteral("已改写（%1，当前为 %2）；右键“恢复链接”")
                           .arg(source, Q(status.text.empty() ? "—" : status.text)));
    } else {
      edit->setToolTip(source + QStringLiteral("（尚未计算）"));
    }
    OfferRelink(manager, edit, form, std::string(link.field.control));
  }
  const auto held = project.windows.find(form);
  if (held == project.windows.end()) return;
  for (const chain::Flag& flag : chain::FlagsOf(project, form, held->second.form)) {
    if (auto* edit = window.findChild<QLineEdit*>(Q(flag.control))) {
      // A linked input keeps its source in the tooltip, the doubt below it.
      const QString text = QStringLiteral("请核对：") + Q(flag.text);
      const bool linked = edit->property(kChainStyledProperty).toBool();
      edit->setProperty(kChainStyledProperty, true);
      edit->setStyleSheet(kFlaggedStyle);
      edit->setToolTip(linked ? edit->toolTip() + QLatin1Char('\n') + text : text);
      // A warning sign in the field itself, seen without hovering.
      QAction* mark = edit->addAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                      QLineEdit::TrailingPosition);
      mark->setObjectName(kFlagMark);
      mark->setToolTip(text);
    }
  }
}

}  // namespace

void RefreshChain(WindowManager& manager, std::string_view pressed, const Project* before) {
  Project project = manager.project().Snapshot();
  const Window* window = pressed.empty() ? nullptr : FindWindow(pressed);
  const std::vector<chain::LinkChange> changes =
      window != nullptr && before != nullptr ? chain::AfterPress(project, *before, *window)
                                             : chain::ApplyLinksFrom(project, chain::kSummaryForm);
  for (const chain::LinkChange& change : changes) {
    manager.SetField(change.form, change.control, Q(change.after));
  }
  KeepChainState(manager, project);
  ShowChain(manager);
}

void ShowChain(WindowManager& manager) {
  const Project project = manager.project().Snapshot();
  for (const Window* window : AllWindows()) {
    if (auto* form = qobject_cast<FormWindow*>(manager.Find(window->form))) {
      Show(manager, project, *form);
    }
  }
}

void ChainWindowOpened(WindowManager& manager, FormWindow& window) {
  const Project project = manager.project().Snapshot();
  for (const chain::Link& link : chain::Links()) {
    if (link.field.form != window.description().form) continue;
    const chain::LinkStatus status = chain::StatusOf(project, link.field.form, link.field.control);
    if (status.kind == chain::LinkStatus::kLinked) {
      window.SetFieldText(link.field.control, Q(status.text));
    }
  }
  Show(manager, project, window);
}

void ChainFieldEdited(WindowManager& manager, FormWindow& window, std::string_view control) {
  for (const effect::SetField& set :
       chain::FollowEdit(window.description(), window.State(), control)) {
    window.SetFieldText(set.control, Q(set.text));
  }
  if (chain::LinkAt(window.description().form, control) == nullptr) return;
  Project project = manager.project().Snapshot();
  chain::Override(project, window.description().form, control);
  KeepChainState(manager, project);
  Show(manager, project, window);
}

}  // namespace velmora
