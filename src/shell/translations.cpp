// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

bool InstallQtTranslations() {
  // Owned by the application, so it lives as long as the texts it translates.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace velmora
