// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/file_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "shell/project_session.h"

namespace velmora {
namespace {

QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption,
                    const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  return action;
}

void AddSeparator(QMenu* menu, const QString& name) { menu->addSeparator()->setObjectName(name); }

// Filled each time it opens, so that a file deleted meanwhile shows greyed out.
void FillRecent(QMenu* menu, ProjectSession& session) {
  menu->clear();
  const QStringList files = session.RecentFiles();
  bool missing = false;
  for (int i = 0; i < files.size(); ++i) {
    QAction* action = menu->addAction(QStringLiteral("%1 %2").arg(i + 1).arg(files[i]));
    action->setObjectName(QStringLiteral("最近的工程%1").arg(i + 1));
    if (!QFileInfo::exists(files[i])) {
      action->setEnabled(false);
      missing = true;
    }
    const QString& file = files[i];
    QObject::connect(action, &QAction::triggered, &session,
                     [&session, file] { session.OpenFile(file); });
  }
  if (files.isEmpty()) menu->addAction(QStringLiteral("（无）"))->setEnabled(false);
  menu->addSeparator();
  QAction* remove =
      AddCommand(menu, QStringLiteral("移除不存在的工程"), QStringLiteral("移除不存在的工程"));
  remove->setEnabled(missing);
  QObject::connect(remove, &QAction::triggered, &session,
                   &ProjectSession::RemoveMissingRecentFiles);
  QAction* clear = AddCommand(menu, QStringLiteral("清空列表"), QStringLiteral("清空列表"));
  clear->setEnabled(!files.isEmpty());
  QObject::connect(clear, &QAction::triggered, &session, &ProjectSession::ClearRecentFiles);
}

}  // namespace

QMenu* AddFileMenu(QMainWindow* window, ProjectSession& session) {
  QMenuBar* bar = window->menuBar();
  auto* menu = new QMenu(QStringLiteral("文件(&F)"), bar);
  menu->setObjectName(QStringLiteral("文件"));
  menu->menuAction()->setObjectName(QStringLiteral("文件"));
  const QList<QAction*> existing = bar->actions();
  bar->insertMenu(existing.isEmpty() ? nullptr : existing.front(), menu);

  auto connect = [&](QAction* action, auto command) {
    QObject::connect(action, &QAction::triggered, &session,
                     [&session, command] { (session.*command)(); });
  };
  connect(
      AddCommand(menu, QStringLiteral("新建工程"), QStringLiteral("新建工程"), QKeySequence::New),
      &ProjectSession::New);
  connect(
      AddCommand(menu, QStringLiteral("打开工程"), QStringLiteral("打开工程…"), QKeySequence::Open),
      &ProjectSession::Open);
  QMenu* recent = menu->addMenu(QStringLiteral("最近打开的工程"));
  recent->setObjectName(QStringLiteral("最近打开的工程"));
  recent->menuAction()->setObjectName(QStringLiteral("最近打开的工程"));
  QObject::connect(recent, &QMenu::aboutToShow, recent,
                   [recent, &session] { FillRecent(recent, session); });
  FillRecent(recent, session);
  AddSeparator(menu, QStringLiteral("文件分隔1"));
  connect(
      AddCommand(menu, QStringLiteral("保存工程"), QStringLiteral("保存工程"), QKeySequence::Save),
      &ProjectSession::Save);
  connect(AddCommand(menu, QStringLiteral("工程另存为"), QStringLiteral("工程另存为…"),
                     QKeySequence(QStringLiteral("Ctrl+Shift+S"))),
          &ProjectSession::SaveAs);
  AddSeparator(menu, QStringLiteral("文件分隔2"));
  connect(AddCommand(menu, QStringLiteral("工程信息"), QStringLiteral("工程信息…")),
          &ProjectSession::EditInfo);
  connect(AddCommand(menu, QStringLiteral("全部重新计算"), QStringLiteral("全部重新计算")),
          &ProjectSession::RecalculateAll);
  AddSeparator(menu, QStringLiteral("文件分隔计算书"));
  QAction* book = AddCommand(menu, QStringLiteral("导出计算书"), QStringLiteral("导出计算书…"));
  connect(book, &ProjectSession::ExportBook);
  // Only a project with a calculation has a book.
  QObject::connect(menu, &QMenu::aboutToShow, book,
                   [book, &session] { book->setEnabled(session.HasCalculations()); });
  book->setEnabled(session.HasCalculations());
  AddSeparator(menu, QStringLiteral("文件分隔3"));
  connect(AddCommand(menu, QStringLiteral("关闭工程"), QStringLiteral("关闭工程")),
          &ProjectSession::Close);

  session.AttachMainWindow(window);
  return menu;
}

}  // namespace velmora
