// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "common/registry.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/text.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::FormWindow;
using velmora::WindowManager;
using velmora::testing::Click;
using velmora::testing::ModalAnswerer;
using velmora::testing::Q8;
using velmora::testing::Settle;
using velmora::testing::VisibleTopLevels;

namespace {

// A choice window like Form16 whose buttons lead to tables that exist on every branch.
const velmora::Window& LocalChoice() {
  using namespace velmora;
  static const Window window{
      .form = "FormChoice",
      .caption = "choice",
      .kind = WindowKind::kChoice,
      .blocks = {{.items = {Button{"Command1", "μ", OpenAction{"Form9"}},
                            Button{"Command2", "Kq", OpenAction{"Form47"}}}}},
  };
  return window;
}

}  // namespace

class ReferenceWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }
  void init() { manager_ = new WindowManager; }
  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void openingAgainBringsTheOneWindowToTheFront() {
    QWidget* form9 = manager_->Open("Form9");
    QVERIFY(QTest::qWaitForWindowActive(form9));
    QWidget* form42 = manager_->Open("Form42");
    QVERIFY(QTest::qWaitForWindowActive(form42));
    QCOMPARE(manager_->Open("Form9"), form9);
    QTRY_COMPARE(QApplication::activeWindow(), form9);
    QVERIFY(form42->isVisible());
  }

  void bothMenuItemsOpenForm46() {
    QWidget* main = manager_->Open("Form6");
    main->findChild<QAction*>(Q8("基本河宽公式"))->trigger();
    QWidget* form46 = manager_->Find("Form46");
    QVERIFY(form46 && form46->isVisible());
    QCOMPARE(form46->windowTitle(), Q8("水深1m时非粘性土部冲刷流速表"));
    main->findChild<QAction*>(Q8("水深1m时非粘性土不冲刷流速VH1表"))->trigger();
    QCOMPARE(manager_->Find("Form46"), form46);
    QCOMPARE(VisibleTopLevels().size(), 2);
  }

  void choiceButtonShowsItsNote() {
    QWidget* form12 = manager_->Open("Form12");
    answerer_.Expect(Q8(" ^_^ 温馨提示"),
                     Q8("暴雨等直线图(Sp=2%)见《公路桥涵设计手册（涵洞）》524页"));
    Click(form12, "Command2");
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(form12->isVisible());
  }

  void closingAChoiceWindowLeavesItsTablesOpen() {
    auto* choice = new FormWindow(LocalChoice(), *manager_);
    choice->setAttribute(Qt::WA_DeleteOnClose);
    choice->show();
    Click(choice, "Command1");
    Click(choice, "Command2");
    QWidget* form9 = manager_->Find("Form9");
    QWidget* form47 = manager_->Find("Form47");
    QVERIFY(form9 && form9->isVisible() && form47 && form47->isVisible());
    QVERIFY(form9->parentWidget() == nullptr);  // not owned by the choice window
    choice->close();
    Settle();
    QVERIFY(form9->isVisible());
    QVERIFY(form47->isVisible());
  }

  void closingForm16LeavesItsTablesOpen() {
    QWidget* form16 = manager_->Open("Form16");
    QList<QWidget*> opened;
    for (const char* button : {"Command1", "Command2", "Command3"}) {
      Click(form16, button);
    }
    for (const char* target : {"Form15", "Form11", "Form10"}) {
      if (QWidget* window = manager_->Find(target)) opened << window;
    }
    form16->close();
    Settle();
    QCOMPARE(manager_->Find("Form16"), nullptr);
    QCOMPARE(opened.size(), 3);
    for (QWidget* window : opened) QVERIFY(window->isVisible());
  }

  void aboutWindowClosesWithItsButton() {
    QWidget* about = manager_->Open("Form7");
    QCOMPARE(about->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), Q8("确 定"));
    QVERIFY(about->findChild<QWidget*>(QStringLiteral("bridge_pier")) != nullptr);
    Click(about, "Command1");
    Settle();
    QCOMPARE(manager_->Find("Form7"), nullptr);
  }

  void selectingACodeDoesNothing() {
    QWidget* codes = manager_->Open("Form22");
    auto* list = codes->findChild<QListWidget*>(QStringLiteral("List1"));
    QVERIFY(list != nullptr);
    QCOMPARE(list->count(), 5);
    const int before = VisibleTopLevels().size();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->item(3)).center());
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(VisibleTopLevels().size(), before);
  }

 private:
  WindowManager* manager_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(ReferenceWindowsTest)
#include "reference_windows_test.moc"
