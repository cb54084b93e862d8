// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a PNG of windows as the program draws them, for looking at them and for the docs.
//
//   QT_QPA_PLATFORM=offscreen velmora-screenshots OUTDIR [FORM[:BUTTON...] ...]
//
// Without forms it takes every window of the registry. FORM:Command1 presses that button first
// (message boxes it raises are dismissed), so results show in the picture; FORM:Option1 turns an
// option button on; FORM:ScrollHalf scrolls its table halfway down. For the surveyed-section
// window, FORM:@FILE imports points, FORM:CONTROL=TEXT fills a field and FORM:BUTTON clicks a
// button; a target ending in ">NAME" is saved as NAME.png. Windows a press brings up (the report
// viewer) are saved too, as FORM_..._NAME.png. The report file goes to OUTDIR/report, never to
// the Documents folder.
//
//   velmora-screenshots OUTDIR --write-failures
//
// saves the warning of a report that could not be written, once for each reason, as
// write-failure-NAME.png. Run with HOME unset as an account without a home, it adds the
// warning that says so.
// FileMenu and ProjectInfo are the main window with its 文件 menu open and the 工程信息 dialog.
// ChainLink is the channel pier window of a small chain with a linked field's tooltip shown;
// ScourSummary is the 冲刷汇总 window of that chain with its drawing; ScourSummarySection the same
// over the surveyed example river.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

#include "chain/links.h"
#include "common/file_write.h"
#include "common/menu.h"
#include "common/registry.h"
#include "common/texts.h"
#include "shell/chain_view.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/message_box.h"
#include "shell/project_info_dialog.h"
#include "shell/project_session.h"
#include "shell/report_file.h"
#include "shell/section_window.h"
#include "shell/text.h"
#include "shell/translations.h"
#include "shell/user_files.h"
#include "shell/window_manager.h"

namespace {

QString next_box_file;  // where the next box is saved before it is closed

// The report's warning for each reason the system may give, as WriteReportFile shows it.
void WriteFailures(const QDir& out) {
  std::vector<std::pair<int, const char*>> reasons = {
      {ENOSPC, "no-space"},     {EACCES, "no-permission"}, {EROFS, "read-only"},
      {ENOTDIR, "file-blocks"}, {EISDIR, "folder-blocks"}, {ENAMETOOLONG, "long"},
      {ENOENT, "no-folder"},    {EFBIG, "too-large"},      {EIO, "device"},
      {EBUSY, "other"},
  };
#ifdef EDQUOT  // not on Windows
  reasons.insert(reasons.begin() + 1, {EDQUOT, "quota"});
#endif
  // Where the report goes for this user, not the tool's own folder.
  QString no_home;
  const QString path = QDir(QDir(velmora::DocumentsFolder(&no_home))
                                .filePath(velmora::Q(velmora::texts::kReportFolder)))
                           .filePath(velmora::Q(velmora::texts::kReportFile));
  for (const auto& [error, name] : reasons) {
    const velmora::WriteFailure failure{error, std::generic_category().message(error)};
    next_box_file = out.filePath(QStringLiteral("write-failure-%1.png").arg(QLatin1String(name)));
    std::printf("%s\n", qPrintable(next_box_file));
    velmora::ShowWarning(nullptr, velmora::Q(velmora::texts::kReportTitle),
                         velmora::FileFailureText(velmora::texts::kReportNotWritten, path,
                                                  velmora::Q(failure.Reason())));
  }
  if (qEnvironmentVariableIsEmpty("HOME")) {
    velmora::SetReportFolder(QString());
    next_box_file = out.filePath(QStringLiteral("write-failure-no-home.png"));
    std::printf("%s\n", qPrintable(next_box_file));
    velmora::WriteReportFile(nullptr, {"-"});
  }
}

velmora::ProjectInfo SampleInfo() {
  velmora::ProjectInfo info;
  info.name = "G210 线清水河段改建工程";
  info.route = "K12+350";
  info.bridge = "清水河大桥";
  info.designer = "某某公路勘察设计院";
  info.calculated_by = "张工";
  info.checked_by = "李工";
  info.date = "2026-12-10";
  info.notes = "设计洪水频率 1/100";
  return info;
}

// The main window with its 文件 menu dropped down, as one picture.
QPixmap FileMenuPicture(velmora::WindowManager& windows) {
  auto* main = qobject_cast<QMainWindow*>(windows.Open("Form6"));
  windows.project().SetInfo(SampleInfo());
  auto* menu = main->findChild<QMenu*>(QStringLiteral("文件"));
  const QRect item = main->menuBar()->actionGeometry(menu->menuAction());
  menu->popup(main->menuBar()->mapToGlobal(item.bottomLeft()));
  QCoreApplication::processEvents();
  const QPixmap window = main->grab();
  const QPixmap dropped = menu->grab();
  const QPoint at = main->mapFromGlobal(menu->pos());
  QPixmap canvas(window.width(), std::max(window.height(), at.y() + dropped.height()));
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  painter.drawPixmap(0, 0, window);
  painter.drawPixmap(at, dropped);
  menu->hide();
  return canvas;
}

// Rainstorm, an accepted trial over a 52 m channel, the channel pier and an abutment, with H
// and the foundations entered in the summary.
void BuildChain(velmora::WindowManager& windows) {
  const auto press = [&](const char* form,
                         std::initializer_list<std::pair<const char*, const char*>> inputs,
                         const char* button) {
    auto* window = qobject_cast<velmora::FormWindow*>(windows.Open(form));
    for (const auto& [control, text] : inputs) {
      if (auto* option = window->findChild<QRadioButton*>(QLatin1String(control))) {
        option->setChecked(true);
      } else {
        window->SetFieldText(control, velmora::Q(text));
      }
    }
    window->PressButton(button);
    QCoreApplication::processEvents();
  };
  press("Form5", {{"Text1", "89"}}, "Command1");
  press("Form2",
        {{"Option1", ""}, {"Text1", "80"}, {"Text2", "54"}, {"Text3", "52"}, {"Text11", "2.2"}},
        "Command1");
  press("form3", {}, "Command1");
  velmora::Project project = windows.project().Snapshot();
  velmora::chain::ChainState state = velmora::chain::ReadChainState(project);
  state.summary.water_level = "100";
  state.summary.foundations = {{"form3", "90.5"}, {"Form29", "92"}};
  velmora::chain::WriteChainState(project, state);
  windows.project().SetTool(std::string(velmora::chain::kToolName),
                            project.tools[std::string(velmora::chain::kToolName)]);
  velmora::RefreshChain(windows);
  press("Form29", {}, "Command1");
}

// The same over the surveyed example river: its level handed to the design water level, the
// channel and floodplain piers and an abutment, H the section's level.
void BuildSectionChain(velmora::WindowManager& windows) {
  auto* section = qobject_cast<velmora::SectionWindow*>(windows.Instance(velmora::kSectionForm));
  section->Import(QStringLiteral("data/sections/example_river.csv"));
  for (const auto& [control, text] : {std::pair{"SplitLeft", "182"},
                                      {"SplitRight", "330"},
                                      {"NChannel", "0.03"},
                                      {"SlopeChannel", "0.6"},
                                      {"NFloodplain", "0.05"},
                                      {"SlopeFloodplain", "0.6"},
                                      {"Qp", "1733"}}) {
    section->findChild<QLineEdit*>(QLatin1String(control))->setText(velmora::Q(text));
  }
  section->SolveLevel();
  section->HandOver();
  for (const auto& [form, button] : {std::pair{"Form2", "Command1"},
                                     {"form3", "Command1"},
                                     {"Form19", "Command2"},
                                     {"Form29", "Command1"}}) {
    qobject_cast<velmora::FormWindow*>(windows.Open(form))->PressButton(button);
    QCoreApplication::processEvents();
  }
  velmora::Project project = windows.project().Snapshot();
  velmora::chain::ChainState state = velmora::chain::ReadChainState(project);
  state.summary.water_level = "104.169";
  state.summary.foundations = {{"form3", "84"}, {"Form19", "99"}, {"Form29", "100.5"}};
  velmora::chain::WriteChainState(project, state);
  windows.project().SetTool(std::string(velmora::chain::kToolName),
                            project.tools[std::string(velmora::chain::kToolName)]);
  velmora::RefreshChain(windows);
  qobject_cast<velmora::FormWindow*>(windows.Open("Form29"))->PressButton("Command1");
  section->hide();
}

// The window with the tooltip of one field drawn over it, where the pointer would rest.
QPixmap WithTooltip(QWidget* window, const char* control) {
  auto* edit = window->findChild<QLineEdit*>(QLatin1String(control));
  const QPoint at = edit->mapTo(window, edit->rect().center());
  QPixmap picture = window->grab();
  QLabel tip(edit->toolTip());
  tip.setStyleSheet(QStringLiteral(
      "QLabel { background: rgb(255, 255, 220); border: 1px solid gray; padding: 3px; }"));
  tip.adjustSize();
  QPainter painter(&picture);
  painter.drawPixmap(at + QPoint(0, 14), tip.grab());
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::InstallQtTranslations();
  velmora::InstallFonts();
  const QStringList args = QApplication::arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: velmora-screenshots OUTDIR [FORM[:BUTTON...] ...]\n");
    return 2;
  }
  const QDir out(args[1]);
  QDir().mkpath(out.path());
  QStringList targets = args.mid(2);
  if (targets.isEmpty()) {
    for (const velmora::Window* window : velmora::AllWindows()) targets << velmora::Q(window->form);
  }

  // Boxes raised by a press would wait for a click: close each as it appears.
  QTimer dismiss;
  QObject::connect(&dismiss, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      if (!next_box_file.isEmpty()) box->grab().save(next_box_file);
      next_box_file.clear();
      box->done(0);
    }
  });
  dismiss.start(20);

  velmora::SetReportFolder(out.filePath(QStringLiteral("report")));
  if (targets == QStringList{QStringLiteral("--write-failures")}) {
    WriteFailures(out);
    return 0;
  }
  velmora::WindowManager windows;
  int status = 0;
  for (QString target : targets) {
    QString name;
    if (const qsizetype arrow = target.indexOf(QLatin1Char('>')); arrow >= 0) {
      name = target.mid(arrow + 1);
      target.truncate(arrow);
    }
    if (target == QStringLiteral("ChainLink") || target == QStringLiteral("ScourSummary")) {
      if (windows.Find("form3") == nullptr) BuildChain(windows);
      const QString file = out.filePath(target + QStringLiteral(".png"));
      if (target == QStringLiteral("ChainLink")) {
        WithTooltip(windows.Find("form3"), "Text25").save(file);
      } else {
        QWidget* summary = windows.Open(velmora::chain::kSummaryForm);
        QCoreApplication::processEvents();
        summary->grab().save(file);
      }
      std::printf("%s\n", qPrintable(file));
      continue;
    }
    if (target == QStringLiteral("ScourSummarySection")) {
      velmora::WindowManager surveyed;
      BuildSectionChain(surveyed);
      QWidget* summary = surveyed.Open(velmora::chain::kSummaryForm);
      QCoreApplication::processEvents();
      const QString file = out.filePath(target + QStringLiteral(".png"));
      summary->grab().save(file);
      std::printf("%s\n", qPrintable(file));
      continue;
    }
    if (target == QStringLiteral("FileMenu") || target == QStringLiteral("ProjectInfo")) {
      const QString file = out.filePath(target + QStringLiteral(".png"));
      if (target == QStringLiteral("FileMenu")) {
        FileMenuPicture(windows).save(file);
      } else {
        velmora::ProjectInfoDialog dialog(SampleInfo(), nullptr);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.grab().save(file);
      }
      std::printf("%s\n", qPrintable(file));
      continue;
    }
    const QStringList parts = target.split(QLatin1Char(':'));
    QWidget* window = windows.Open(velmora::U(parts[0]));
    if (window == nullptr) {
      std::fprintf(stderr, "no such form: %s\n", qPrintable(parts[0]));
      status = 2;
      continue;
    }
    const QWidgetList before = QApplication::topLevelWidgets();
    if (auto* form = qobject_cast<velmora::FormWindow*>(window)) {
      for (const QString& control : parts.mid(1)) {
        if (control == QStringLiteral("ScrollHalf")) {
          // A long table halfway down, where its frozen headings matter.
          if (auto* table = form->findChild<QTableView*>(QStringLiteral("Table"))) {
            QCoreApplication::processEvents();
            QScrollBar* bar = table->verticalScrollBar();
            bar->setValue((bar->minimum() + bar->maximum()) / 2);
          }
        } else if (auto* option = form->findChild<QRadioButton*>(control)) {
          option->setChecked(true);
        } else {
          form->PressButton(velmora::U(control));
        }
      }
    }
    if (auto* section = qobject_cast<velmora::SectionWindow*>(window)) {
      window->resize(1280, 760);
      for (const QString& step : parts.mid(1)) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        if (step.startsWith(QLatin1Char('@'))) {
          section->Import(step.mid(1));
        } else if (eq > 0) {
          if (auto* edit = section->findChild<QLineEdit*>(step.left(eq)))
            edit->setText(step.mid(eq + 1));
        } else if (auto* button = section->findChild<QPushButton*>(step)) {
          button->click();
        }
      }
      // Let the throttled plot catch up with the last edit.
      QEventLoop wait;
      QTimer::singleShot(300, &wait, &QEventLoop::quit);
      wait.exec();
    }
    QCoreApplication::processEvents();
    const QString base =
        name.isEmpty() ? QString(target).replace(QLatin1Char(':'), QLatin1Char('_')) : name;
    const QString file = out.filePath(base + QStringLiteral(".png"));
    window->grab().save(file);
    std::printf("%s\n", qPrintable(file));
    for (QWidget* other : QApplication::topLevelWidgets()) {
      if (other == window || before.contains(other) || !other->isVisible() ||
          qobject_cast<QMessageBox*>(other) != nullptr) {
        continue;
      }
      const QString extra =
          out.filePath(base + QLatin1Char('_') + other->objectName() + QStringLiteral(".png"));
      other->grab().save(extra);
      std::printf("%s\n", qPrintable(extra));
    }
  }
  return status;
}
