// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "shell/fonts.h"
#include "shell/pictures.h"
#include "shell/project_session.h"
#include "shell/translations.h"
#include "shell/window_manager.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));
  QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  velmora::InstallQtTranslations();
  velmora::InstallFonts();
  QApplication::setWindowIcon(velmora::AppIcon());

  velmora::WindowManager windows;
  velmora::ProjectSession& project = windows.project();
  windows.Open("Form6");
  project.OfferRecovery();
  // `velmora FILE.velmora`, as a file manager starts it.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) project.OpenFile(arguments.at(1));

  // The program ends when its last window closes, or at once on "退出"; either way unsaved
  // changes are asked about first.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&app, &QGuiApplication::lastWindowClosed, &windows, [&windows, &project] {
    if (project.ConfirmLeave()) {
      QCoreApplication::quit();
    } else {
      windows.Open("Form6");
    }
  });
  return QApplication::exec();
}
