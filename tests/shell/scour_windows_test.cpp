// SPDX-License-Identifier: GPL-3.0-or-later
// The scour windows in the shell: label actions, clearing, and values written before opening.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "common/registry.h"
#include "common/texts.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/text.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::WindowManager;
using velmora::testing::Edit;
using velmora::testing::LabelOf;
using velmora::testing::ModalAnswerer;
using velmora::testing::Settle;
using velmora::testing::VisibleTopLevels;

namespace {

bool Shown(WindowManager& manager, std::string_view form) {
  QWidget* window = manager.Find(form);
  return window != nullptr && window->isVisible();
}

}  // namespace

class ScourWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() { manager_ = new WindowManager; }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  // The tooltip names what a label answers: a single click or a double-click.
  void labelsAnswerTheirEvent() {
    QWidget* form1 = manager_->Open("form1");
    QCOMPARE(LabelOf(form1, "Label11")->toolTip(), velmora::Q(velmora::texts::kClickOpens));
    QCOMPARE(LabelOf(form1, "Label5")->toolTip(), velmora::Q(velmora::texts::kDoubleClickOpens));
    QWidget* form19 = manager_->Open("Form19");
    for (const char* control : {"Label19(0)", "Label19(1)", "Label24"}) {
      QLabel* label = LabelOf(form19, control);
      QVERIFY2(label != nullptr, control);
      QCOMPARE(label->toolTip(), velmora::Q(velmora::texts::kDoubleClickOpens));
    }
    QCOMPARE(LabelOf(form19, "Label19(1)")->text(), QStringLiteral("地面以下冲刷深度(m):"));
  }

  void noteLabelsOfForm1() {
    QWidget* form1 = manager_->Open("form1");
    for (const char* control : {"Label6", "Label27", "Label12", "Label19"}) {
      QTest::mouseClick(LabelOf(form1, control), Qt::LeftButton);
      QCOMPARE(answerer_.seen().size(), std::size_t{0});
      answerer_.Expect(QStringLiteral(" ^_^ 提示"), QStringLiteral("一般冲刷中0.16~1.19"));
      QTest::mouseDClick(LabelOf(form1, control), Qt::LeftButton);
      VELMORA_CHECK_BOXES(answerer_);
      answerer_.Clear();
    }
    answerer_.Expect(QStringLiteral(" ^_^ 提示"),
                     QStringLiteral("单宽流量集中系数Ad，取1.0~1.2。"));
    QTest::mouseDClick(LabelOf(form1, "Label13"), Qt::LeftButton);
  }

  void muLabelsOfForm1OpenTheTable() {
    QVERIFY(velmora::FindWindow("Form9") != nullptr);
    QWidget* form1 = manager_->Open("form1");
    QTest::mouseClick(LabelOf(form1, "Label5"), Qt::LeftButton);
    QVERIFY(!Shown(*manager_, "Form9"));
    QTest::mouseDClick(LabelOf(form1, "Label5"), Qt::LeftButton);
    QVERIFY(Shown(*manager_, "Form9"));
    manager_->Find("Form9")->close();
    Settle();
    QTest::mouseClick(LabelOf(form1, "Label11"), Qt::LeftButton);
    QVERIFY(Shown(*manager_, "Form9"));
  }

  void bothVh1LabelsOpenTheTable() {
    QVERIFY(velmora::FindWindow("Form46") != nullptr);
    QWidget* form19 = manager_->Open("Form19");
    for (const char* control : {"Label19(0)", "Label19(1)"}) {
      QTest::mouseClick(LabelOf(form19, control), Qt::LeftButton);
      QVERIFY2(!Shown(*manager_, "Form46"), control);
      QTest::mouseDClick(LabelOf(form19, control), Qt::LeftButton);
      QVERIFY2(Shown(*manager_, "Form46"), control);
      manager_->Find("Form46")->close();
      Settle();
    }
  }

  void clearEmptiesAllTwentySixFields() {
    QWidget* form3 = manager_->Open("form3");
    form3->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(Edit(form3, "Text14")->text(), QStringLiteral("5.179"));
    form3->findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    const QList<QLineEdit*> fields = form3->findChildren<QLineEdit*>();
    QCOMPARE(fields.size(), 26);
    for (QLineEdit* field : fields)
      QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
    // Computing from nothing fails and leaves the fields empty.
    answerer_.Expect(QStringLiteral("计算错误"), QStringLiteral("除数为零"));
    form3->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    VELMORA_CHECK_BOXES(answerer_);
    QVERIFY(Edit(form3, "Text14")->text().isEmpty());
  }

  void valuesWrittenIntoAHiddenWindowShowWhenOpened() {
    manager_->SetField("form3", "Text1", QStringLiteral("1500."));
    manager_->SetField("form3", "Text8", QStringLiteral("2.5"));
    QWidget* hidden = manager_->Find("form3");
    QVERIFY(hidden != nullptr && !hidden->isVisible());
    QWidget* form3 = manager_->Open("form3");
    QCOMPARE(form3, hidden);
    QCOMPARE(Edit(form3, "Text1")->text(), QStringLiteral("1500."));
    QCOMPARE(Edit(form3, "Text8")->text(), QStringLiteral("2.5"));
    QCOMPARE(Edit(form3, "Text2")->text(), QStringLiteral("3.052"));  // a default untouched
    // The computation takes the written depth: the maximum depth is shown back.
    form3->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QCOMPARE(Edit(form3, "Text18")->text(), QStringLiteral("2.5"));
  }

 private:
  WindowManager* manager_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(ScourWindowsTest)
#include "scour_windows_test.moc"
