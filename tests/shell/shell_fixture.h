// SPDX-License-Identifier: GPL-3.0-or-later
// What every shell test shares: modal boxes answered and checked instead of hanging the run.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>

class QLabel;
class QLineEdit;
class QWidget;

namespace velmora::testing {

/// Answers modal boxes as they appear. Each expected box is checked for its title and for text
/// that its message must contain, then closed with the given button. A box that nobody expected
/// is recorded and closed, so that a test fails instead of waiting forever.
class ModalAnswerer : public QObject {
  Q_OBJECT

 public:
  struct Seen {
    QString title;
    QString text;
  };

  ModalAnswerer();
  ~ModalAnswerer() override;

  void Expect(const QString& title, const QString& text_part,
              QMessageBox::StandardButton button = QMessageBox::Ok);

  /// Boxes that were expected but did not appear, and boxes that appeared unexpected or wrong.
  QStringList Problems() const;
  /// The problems so far, forgotten once taken, so that one test's failure stays its own.
  QStringList TakeProblems();
  const std::vector<Seen>& seen() const { return seen_; }
  void Clear();

 private:
  void Poll();

  struct Expected {
    QString title;
    QString text_part;
    QMessageBox::StandardButton button;
  };
  std::deque<Expected> expected_;
  std::vector<Seen> seen_;
  QStringList problems_;
  QTimer timer_;
};

/// Points the report file at a fresh temporary folder while it lives, so that no test writes
/// into the Documents folder.
class TemporaryReportFolder {
 public:
  TemporaryReportFolder();
  ~TemporaryReportFolder();
  TemporaryReportFolder(const TemporaryReportFolder&) = delete;
  TemporaryReportFolder& operator=(const TemporaryReportFolder&) = delete;

  QString path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

QString Q8(const char* utf8);

/// Controls of a window found by their control names.
QLineEdit* Edit(QWidget* window, const char* control);
QLabel* LabelOf(QWidget* window, const char* control);
/// Clicks the push button with this control name.
void Click(QWidget* window, const char* control);

/// Lets closed windows go, as the event loop would.
void Settle();

/// The top-level windows that are shown.
QList<QWidget*> VisibleTopLevels();

}  // namespace velmora::testing

/// Fails the current Qt test when the answerer saw a problem.
#define VELMORA_CHECK_BOXES(answerer)                                                \
  do {                                                                               \
    const QStringList problems_ = (answerer).TakeProblems();                         \
    QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral("; ")))); \
  } while (false)

/// The end of every shell test: the window manager and its windows go first, then the boxes
/// seen are checked and no window may be left showing, so that a failure stays with its test.
#define VELMORA_SHELL_CLEANUP(manager, answerer)                                     \
  do {                                                                               \
    const QStringList problems_ = (answerer).TakeProblems();                         \
    (answerer).Clear();                                                              \
    delete (manager);                                                                \
    (manager) = nullptr;                                                             \
    velmora::testing::Settle();                                                      \
    QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QStringLiteral("; ")))); \
    QVERIFY(velmora::testing::VisibleTopLevels().isEmpty());                         \
  } while (false)
