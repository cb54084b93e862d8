// Saves a PNG of windows as the program draws them, for looking at them and for the docs.
//
//   QT_QPA_PLATFORM=offscreen velmora-screenshots OUTDIR [FORM[:BUTTON...] ...]
//
// Without forms it takes every window of the registry. FORM:Command1 presses that button first
// (message boxes it raises are dismissed), so results show in the picture; FORM:Option1 turns an
// option button on; FORM:ScrollHalf scrolls its table halfway down. Windows a press brings up (the
// report viewer) are saved too, as FORM_..._NAME.png. The report file goes to OUTDIR/report, never
// to the Documents folder.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <cstdio>

#include "common/registry.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/report_file.h"
#include "shell/text.h"
#include "shell/translations.h"
#include "shell/window_manager.h"

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
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(0);
  });
  dismiss.start(20);

  velmora::SetReportFolder(out.filePath(QStringLiteral("report")));
  velmora::WindowManager windows;
  int status = 0;
  for (const QString& target : targets) {
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
    QCoreApplication::processEvents();
    const QString base = QString(target).replace(QLatin1Char(':'), QLatin1Char('_'));
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
