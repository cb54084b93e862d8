// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "common/window.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::FormWindow;
using velmora::WindowManager;
using velmora::testing::Click;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;
using velmora::testing::Settle;
using velmora::testing::VisibleTopLevels;

namespace {

// A window whose first label reacts to a single click and the second to a double-click.
const velmora::Window& ClickWindow() {
  using namespace velmora;
  static const Window window{
      .form = "FormClick",
      .caption = "click",
      .blocks = {{.items = {Label{.control = "Label1",
                                  .caption = "open",
                                  .event = LabelEvent::kClick,
                                  .action = OpenAction{"Form31"}},
                            Label{.control = "Label2",
                                  .caption = "hint",
                                  .event = LabelEvent::kDoubleClick,
                                  .action = HintAction{"t", "double"}}}}},
  };
  return window;
}

// What an input method does when the user picks a text: commits it into the focused field.
void Commit(QWidget* edit, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(edit, &commit);
}

}  // namespace

class FormWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() {
    manager_ = new WindowManager;
    form31_ = qobject_cast<FormWindow*>(manager_->Open("Form31"));
    QVERIFY(form31_ != nullptr);
  }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void buildsFramesFieldsAndButtons() {
    QCOMPARE(form31_->windowTitle(), QStringLiteral("利用流域面积比拟法计算设计流量"));
    QCOMPARE(form31_->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
             QStringLiteral("参数输入"));
    QCOMPARE(form31_->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
             QStringLiteral("计算结果(m*3/s)"));
    QCOMPARE(form31_->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("计 算"));
    QCOMPARE(form31_->findChild<QLabel*>(QStringLiteral("Label6"))->text(),
             QStringLiteral("面积指数n："));
    // The result field's look, and the input fields' plain background.
    QVERIFY(Edit(form31_, "Text5")->styleSheet().contains(QStringLiteral("rgb(255, 192, 128)")));
    QVERIFY(Edit(form31_, "Text1")->styleSheet().isEmpty());
  }

  void computeWritesTheResult() {
    Edit(form31_, "Text1")->setText(QStringLiteral("120"));
    Edit(form31_, "Text2")->setText(QStringLiteral("850"));
    Edit(form31_, "Text3")->setText(QStringLiteral("100"));
    Edit(form31_, "Text4")->setText(QStringLiteral("0.6"));
    Click(form31_, "Command1");
    QCOMPARE(Edit(form31_, "Text5")->text(), QStringLiteral("948.261"));
    // Text typed into the result is overwritten and never read.
    Edit(form31_, "Text5")->setText(QStringLiteral("junk"));
    Click(form31_, "Command1");
    QCOMPARE(Edit(form31_, "Text5")->text(), QStringLiteral("948.261"));
  }

  void faultShowsABoxAndKeepsTheResult() {
    Edit(form31_, "Text5")->setText(QStringLiteral("before"));
    answerer_.Expect(QStringLiteral("计算错误"), QStringLiteral("除数为零（division by zero）"));
    Click(form31_, "Command1");
    VELMORA_CHECK_BOXES(answerer_);
    QCOMPARE(Edit(form31_, "Text5")->text(), QStringLiteral("before"));
    QVERIFY(form31_->isVisible());
  }

  void faultBoxNamesTheQuantityAndTheInput() {
    // The empty window: Q2 × (F1 / F2)^n divides by F2 read as 0; the other inputs being 0 stop
    // nothing.
    for (const char* control : {"Text1", "Text2", "Text3", "Text4"})
      Edit(form31_, control)->clear();
    answerer_.Expect(QStringLiteral("计算错误"),
                     QStringLiteral("未能算出：水文计算断面的设计流量\n只改动其中一项即不再出错的"
                                    "输入：水文站的汇水面积F2(km*2)（空白，按 0 计算；改为 1 时不再"
                                    "出错）\n"));
    Click(form31_, "Command1");
    VELMORA_CHECK_BOXES(answerer_);
  }

  void enterComputesAndEscapeCloses() {
    for (const auto& [control, text] : {std::pair("Text1", "120"), std::pair("Text2", "850"),
                                        std::pair("Text3", "100"), std::pair("Text4", "0.6")}) {
      Edit(form31_, control)->setText(QString::fromUtf8(text));
    }
    Edit(form31_, "Text2")->setFocus();
    QTest::keyClick(Edit(form31_, "Text2"), Qt::Key_Return);
    QCOMPARE(Edit(form31_, "Text5")->text(), QStringLiteral("948.261"));
    QTest::keyClick(Edit(form31_, "Text2"), Qt::Key_Escape);
    Settle();
    QVERIFY(!manager_->Find("Form31")->isVisible());  // closed, its state kept in the project
  }

  void enterPressesTheComputationOfTheFocusedSection() {
    // form1: the channel's inputs belong to 河槽冲刷计算, the floodplain's to 河滩冲刷计算.
    auto* form1 = qobject_cast<FormWindow*>(manager_->Open("form1"));
    Edit(form1, "Text13")->setFocus();
    QCOMPARE(form1->EnterButton(), std::string("Command2"));
    Edit(form1, "Text2")->setFocus();
    QCOMPARE(form1->EnterButton(), std::string("Command1"));
    // Form34: the shared area F goes to the first formula.
    auto* form34 = qobject_cast<FormWindow*>(manager_->Open("Form34"));
    Edit(form34, "Text10")->setFocus();
    QCOMPARE(form34->EnterButton(), std::string("Command4"));
    Edit(form34, "Text1")->setFocus();
    QCOMPARE(form34->EnterButton(), std::string("Command3"));
  }

  void tabPassesTheInputsInOrderAndSkipsResults() {
    // Form34: F, the inputs of formula (一) with the design frequency, the three of formula (二),
    // then the buttons.
    auto* form34 = qobject_cast<FormWindow*>(manager_->Open("Form34"));
    QWidget* at = Edit(form34, "Text1");
    QStringList order;
    while (order.size() < 11) {
      if (at->focusPolicy() & Qt::TabFocus) order << at->objectName();
      at = at->nextInFocusChain();
    }
    QCOMPARE(
        order.join(QLatin1Char(' ')),
        QStringLiteral("Text1 Text2 Text3 Text4 Text5 Text6 Text14 Text9 Text10 Text11 Command1"));
  }

  void fullWidthDigitsBecomeAscii() {
    QLineEdit* edit = Edit(form31_, "Text2");
    edit->clear();
    Commit(edit, QStringLiteral("８５０"));
    QCOMPARE(edit->text(), QStringLiteral("850"));
    QVERIFY(edit->styleSheet().isEmpty());
    edit->clear();
    Commit(edit, QStringLiteral("－１．５，２"));
    // The comma is no part of a number: it stays, and the field keeps its hint.
    QCOMPARE(edit->text(), QStringLiteral("-1.5，2"));
    QVERIFY(edit->toolTip().contains(QStringLiteral("将按 -1.5 计算")));
  }

  void helpButtonShowsItsNote() {
    answerer_.Expect(QStringLiteral(" ^_^ 帮助"), QStringLiteral("可将水文站的实测最大洪水流量"));
    Click(form31_, "Command2");
  }

  void labelReactsToDoubleClickOnly() {
    QWidget* label = form31_->findChild<QLabel*>(QStringLiteral("Label6"));
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(answerer_.seen().size(), std::size_t{0});
    answerer_.Expect(QStringLiteral(" ^_^ 提示"), QStringLiteral("n—经验指数"));
    QTest::mouseDClick(label, Qt::LeftButton);
    VELMORA_CHECK_BOXES(answerer_);
    // A label without an action ignores both.
    QWidget* plain = form31_->findChild<QLabel*>(QStringLiteral("Label2"));
    QTest::mouseClick(plain, Qt::LeftButton);
    QTest::mouseDClick(plain, Qt::LeftButton);
  }

  void inputOutsideItsAdvisedRangeIsTinted() {
    // The note of n advises 0.5 and above.
    QLineEdit* edit = Edit(form31_, "Text4");
    edit->setText(QStringLiteral("0.4"));
    QVERIFY(edit->toolTip().contains(QStringLiteral("≥0.5")));
    QVERIFY(edit->styleSheet().contains(QStringLiteral("rgb(255, 226, 226)")));
    edit->setText(QStringLiteral("0.6"));
    QVERIFY(edit->toolTip().isEmpty());
    QVERIFY(edit->styleSheet().isEmpty());
    // Text that is not wholly a number keeps its own hint.
    edit->setText(QStringLiteral("0.4m"));
    QVERIFY(edit->toolTip().contains(QStringLiteral("将按 0.4 计算")));
    // Advice only: the press computes with the value.
    edit->setText(QStringLiteral("0.4"));
    Edit(form31_, "Text1")->setText(QStringLiteral("120"));
    Edit(form31_, "Text2")->setText(QStringLiteral("850"));
    Edit(form31_, "Text3")->setText(QStringLiteral("100"));
    Click(form31_, "Command1");
    QCOMPARE(Edit(form31_, "Text5")->text(), QStringLiteral("914.306"));
  }

  void inputThatIsNotWhollyANumberIsHinted() {
    QLineEdit* edit = Edit(form31_, "Text1");
    struct Case {
      const char* text;
      const char* tip;  // empty: no hint
    };
    for (const Case& c : {Case{"1,733", "将按 1 计算"}, Case{"12.5m", "将按 12.5 计算"},
                          Case{"１２", "将按 0 计算"}, Case{"1e999", "溢出"}, Case{"1 733", ""},
                          Case{"", ""}, Case{"2.5e1", ""}}) {
      edit->setText(QString::fromUtf8(c.text));
      const QString tip = QString::fromUtf8(c.tip);
      if (tip.isEmpty()) {
        QVERIFY2(edit->toolTip().isEmpty(), c.text);
        QVERIFY2(edit->styleSheet().isEmpty(), c.text);
      } else {
        QVERIFY2(edit->toolTip().contains(tip), c.text);
        QVERIFY2(!edit->styleSheet().isEmpty(), c.text);
      }
    }
    // The hint changes nothing in the computation: "1,733" is read as 1.
    Edit(form31_, "Text1")->setText(QStringLiteral("1,733"));
    Edit(form31_, "Text2")->setText(QStringLiteral("850"));
    Edit(form31_, "Text3")->setText(QStringLiteral("1"));
    Click(form31_, "Command1");
    QCOMPARE(Edit(form31_, "Text5")->text(), QStringLiteral("850."));
  }

  void singleClickLabelActsOnClick() {
    form31_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FormWindow window(ClickWindow(), *manager_);
    window.show();
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
    QWidget* opened = manager_->Find("Form31");
    QVERIFY(opened && opened->isVisible());
    // The double-click label stays silent on a single click.
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(answerer_.seen().size(), std::size_t{0});
    answerer_.Expect(QStringLiteral("t"), QStringLiteral("double"));
    QTest::mouseDClick(window.findChild<QLabel*>(QStringLiteral("Label2")), Qt::LeftButton);
    VELMORA_CHECK_BOXES(answerer_);
    window.close();
  }

 private:
  WindowManager* manager_ = nullptr;
  FormWindow* form31_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(FormWindowTest)
#include "form_window_test.moc"
