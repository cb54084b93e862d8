// SPDX-License-Identifier: GPL-3.0-or-later
// The rainstorm window hands its design discharge to the design water level window.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "common/registry.h"
#include "common/window.h"
#include "shell/fonts.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::WindowManager;
using velmora::testing::Click;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;
using velmora::testing::Settle;
using velmora::testing::VisibleTopLevels;

class DesignDischargeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() { manager_ = new WindowManager; }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void designDischargeWaitsInTheHiddenWaterLevelWindow() {
    const velmora::Window* form2 = velmora::FindWindow("Form2");
    QVERIFY(form2 != nullptr);
    const QString form2_default =
        QString::fromUtf8(velmora::FindField(*form2, "Text13")->default_text);

    QWidget* form5 = manager_->Open("Form5");
    QCOMPARE(manager_->Find("Form2"), nullptr);
    Click(form5, "Command1");
    QCOMPARE(Edit(form5, "Text18")->text(), QStringLiteral("366.74"));
    QWidget* hidden = manager_->Find("Form2");
    QVERIFY(hidden != nullptr);
    QVERIFY(!hidden->isVisible());

    QWidget* shown = manager_->Open("Form2");
    QCOMPARE(shown, hidden);
    QCOMPARE(Edit(shown, "Text13")->text(), QStringLiteral("366.74"));

    // Closing the water level window keeps the value in the project; a new project does not.
    shown->close();
    Settle();
    QCOMPARE(Edit(manager_->Open("Form2"), "Text13")->text(), QStringLiteral("366.74"));
    manager_->ResetCalculators();
    Settle();
    QCOMPARE(Edit(manager_->Open("Form2"), "Text13")->text(), form2_default);
    form5 = manager_->Open("Form5");

    // An open window takes the next press at once, over whatever was typed there.
    Edit(manager_->Find("Form2"), "Text13")->setText(QStringLiteral("1"));
    Edit(form5, "Text12")->setText(QStringLiteral("1"));
    Click(form5, "Command1");
    QCOMPARE(Edit(manager_->Find("Form2"), "Text13")->text(), QStringLiteral("431.697"));
  }

  void faultWritesNeitherWindow() {
    QWidget* form5 = manager_->Open("Form5");
    Edit(form5, "Text3")->setText(QStringLiteral("50"));
    answerer_.Expect(QStringLiteral("计算错误"), QStringLiteral("invalid argument"));
    Click(form5, "Command1");
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(Edit(form5, "Text16")->text(), QString());
    QCOMPARE(manager_->Find("Form2"), nullptr);
  }

 private:
  WindowManager* manager_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(DesignDischargeTest)
#include "design_discharge_test.moc"
