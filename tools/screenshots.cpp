// Saves a PNG of windows as the program draws them, for looking at them and for the docs.
//
//   QT_QPA_PLATFORM=offscreen velmora-screenshots OUTDIR [FORM[:BUTTON...] ...]
//
// Without forms it takes every window of the registry. FORM:Command1 presses that button first
// (message boxes it raises are dismissed), so results show in the picture; FORM:Option1 turns an
// option button on. For the surveyed-section window, FORM:@FILE imports points, FORM:CONTROL=TEXT
// fills a field and FORM:BUTTON clicks a button; a target ending in ">NAME" is saved as NAME.png.
// Windows a press brings up (the report viewer) are saved too, as
// FORM_..._NAME.png. The report file goes to OUTDIR/report, never to the Documents folder.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "common/registry.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/report_file.h"
#include "shell/section_window.h"
#include "shell/text.h"
#include "shell/window_manager.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  for (QString target : targets) {
    QString name;
    if (const qsizetype arrow = target.indexOf(QLatin1Char('>')); arrow >= 0) {
      name = target.mid(arrow + 1);
      target.truncate(arrow);
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
        if (auto* option = form->findChild<QRadioButton*>(control)) {
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
