// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/report_file.h"

namespace velmora::testing {

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Poll);
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::Expect(const QString& title, const QString& text_part,
                           QMessageBox::StandardButton button) {
  expected_.push_back({title, text_part, button});
}

void ModalAnswerer::Clear() {
  expected_.clear();
  seen_.clear();
  problems_.clear();
}

QStringList ModalAnswerer::Problems() const {
  QStringList all = problems_;
  for (const Expected& e : expected_) {
    all << QStringLiteral("expected box \"%1\" did not appear").arg(e.title);
  }
  return all;
}

QStringList ModalAnswerer::TakeProblems() {
  const QStringList all = Problems();
  problems_.clear();
  expected_.clear();
  return all;
}

void ModalAnswerer::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  seen_.push_back({box->windowTitle(), box->text()});
  if (expected_.empty()) {
    problems_ << QStringLiteral("unexpected box \"%1\": %2").arg(box->windowTitle(), box->text());
    box->done(QMessageBox::Cancel);
    return;
  }
  const Expected e = expected_.front();
  expected_.pop_front();
  if (box->windowTitle() != e.title || !box->text().contains(e.text_part)) {
    problems_ << QStringLiteral("box \"%1\": %2, expected \"%3\": %4")
                     .arg(box->windowTitle(), box->text(), e.title, e.text_part);
  }
  if (QAbstractButton* button = box->button(e.button)) {
    button->click();
  } else {
    problems_ << QStringLiteral("box \"%1\" has no such button").arg(box->windowTitle());
    box->done(QMessageBox::Cancel);
  }
}

TemporaryReportFolder::TemporaryReportFolder() { SetReportFolder(dir_.path()); }

TemporaryReportFolder::~TemporaryReportFolder() { SetReportFolder(QString()); }

QString Q8(const char* utf8) { return QString::fromUtf8(utf8); }

QLineEdit* Edit(QWidget* window, const char* control) {
  return window->findChild<QLineEdit*>(QString::fromUtf8(control));
}

QLabel* LabelOf(QWidget* window, const char* control) {
  return window->findChild<QLabel*>(QString::fromUtf8(control));
}

void Click(QWidget* window, const char* control) {
  window->findChild<QPushButton*>(QString::fromUtf8(control))->click();
}

void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QList<QWidget*> VisibleTopLevels() {
  QList<QWidget*> shown;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && !qobject_cast<QMessageBox*>(w)) shown << w;
  }
  return shown;
}

}  // namespace velmora::testing
