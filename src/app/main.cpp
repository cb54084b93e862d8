#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "shell/fonts.h"
#include "shell/pictures.h"
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
  windows.Open("Form6");
  // The program ends when its last window closes, or at once on "退出".
  return QApplication::exec();
}
