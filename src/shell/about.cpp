// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <boost/version.hpp>

#include "common/texts.h"
#include "shell/text.h"

namespace velmora {

QString AboutText() {
  const QString boost = QStringLiteral("%1.%2.%3")
                            .arg(BOOST_VERSION / 100000)
                            .arg(BOOST_VERSION / 100 % 1000)
                            .arg(BOOST_VERSION % 100);
  return Q(texts::kAboutText)
      .arg(QStringLiteral(VELMORA_VERSION), QString::fromLatin1(qVersion()), boost);
}

void ShowAbout(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, Q(texts::kAboutTitle), AboutText(), QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("About"));
  box.setTextFormat(Qt::RichText);
  box.setWindowModality(Qt::ApplicationModal);
  box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
  box.exec();
}

}  // namespace velmora
