// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::FormWindow;
using velmora::WindowManager;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;
using velmora::testing::Settle;
using velmora::testing::VisibleTopLevels;

class WindowManagerTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() { manager_ = new WindowManager; }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void openTwiceBringsTheSameWindowUnchanged() {
    QWidget* first = manager_->Open("Form31");
    QVERIFY(first && first->isVisible());
    Edit(first, "Text1")->setText(QStringLiteral("120"));
    QWidget* second = manager_->Open("Form31");
    QCOMPARE(second, first);
    QCOMPARE(Edit(second, "Text1")->text(), QStringLiteral("120"));
  }

  void unknownFormOpensNothing() {
    QCOMPARE(manager_->Open("Form99"), nullptr);
    QVERIFY(VisibleTopLevels().isEmpty());
  }

  // A calculator's state belongs to the project: closing hides the window with its texts, by
  // its exit button or by the frame, and a new project starts from the defaults.
  void closedWindowKeepsItsFields_data() {
    QTest::addColumn<bool>("by_button");
    QTest::newRow("exit button") << true;
    QTest::newRow("frame") << false;
  }

  void closedWindowKeepsItsFields() {
    QFETCH(bool, by_button);
    QWidget* window = manager_->Open("Form31");
    Edit(window, "Text1")->setText(QStringLiteral("120"));
    if (by_button) {
      window->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    } else {
      window->close();
    }
    Settle();
    QCOMPARE(manager_->Find("Form31"), window);
    QVERIFY(!window->isVisible());
    QCOMPARE(Edit(manager_->Open("Form31"), "Text1")->text(), QStringLiteral("120"));
    manager_->ResetCalculators();
    Settle();
    QCOMPARE(manager_->Find("Form31"), nullptr);
    QCOMPARE(Edit(manager_->Open("Form31"), "Text1")->text(), QString());
  }

  void writeIntoAbsentWindowCreatesItHidden() {
    manager_->SetField("Form31", "Text2", QStringLiteral("366.74"));
    QWidget* hidden = manager_->Find("Form31");
    QVERIFY(hidden != nullptr);
    QVERIFY(!hidden->isVisible());
    QWidget* shown = manager_->Open("Form31");
    QCOMPARE(shown, hidden);
    QCOMPARE(Edit(shown, "Text2")->text(), QStringLiteral("366.74"));
    // Closing the shown window keeps the written value with the rest.
    shown->close();
    Settle();
    QCOMPARE(Edit(manager_->Open("Form31"), "Text2")->text(), QStringLiteral("366.74"));
  }

  void writeIntoOpenWindowChangesItAtOnce() {
    QWidget* window = manager_->Open("Form31");
    manager_->SetField("Form31", "Text1", QStringLiteral("7"));
    QCOMPARE(Edit(window, "Text1")->text(), QStringLiteral("7"));
    QVERIFY(window->isVisible());
  }

  void valueBesideTheFieldsOutlivesTheWindow() {
    QWidget* window = manager_->Open("Form31");
    manager_->SetTrialSucceeded("Form31", true);
    window->close();
    Settle();
    QVERIFY(manager_->TrialSucceeded("Form31"));
    auto* reopened = qobject_cast<FormWindow*>(manager_->Open("Form31"));
    QVERIFY(reopened->State().trial_succeeded);
    QVERIFY(!manager_->TrialSucceeded("Form2"));
  }

 private:
  WindowManager* manager_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"
