// SPDX-License-Identifier: GPL-3.0-or-later
// The coefficient labels of "桥孔长度的计算—河槽宽度公式": Kq opens its table on a double-click,
// n3 on a single click.
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "common/registry.h"
#include "shell/clickable_label.h"
#include "shell/fonts.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::ClickableLabel;
using velmora::WindowManager;
using velmora::testing::ModalAnswerer;
using velmora::testing::VisibleTopLevels;

namespace {

// Whether the window acts on the label's signal. Breaks that connection to find out, so it is the
// last thing a test asks of a window.
bool WindowListens(ClickableLabel* label, void (ClickableLabel::*signal)(), QWidget* window) {
  return QObject::disconnect(label, signal, window, nullptr);
}

bool TableShown(const WindowManager& manager) {
  const QWidget* table = manager.Find("Form47");
  return table != nullptr && table->isVisible();
}

}  // namespace

class OpeningLabelsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() {
    manager_ = new WindowManager;
    form35_ = manager_->Open("Form35");
    QVERIFY(form35_ != nullptr);
  }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void eachCoefficientLabelListensToItsOwnEvent() {
    auto* kq = form35_->findChild<ClickableLabel*>(QStringLiteral("Label4"));
    auto* n3 = form35_->findChild<ClickableLabel*>(QStringLiteral("Label5"));
    QVERIFY(kq != nullptr);
    QVERIFY(n3 != nullptr);
    QCOMPARE(kq->text(), QStringLiteral("系数Kq："));
    QCOMPARE(n3->text(), QStringLiteral("系数n3："));
    QCOMPARE(kq->toolTip(), QStringLiteral("双击查看参考表"));
    QCOMPARE(n3->toolTip(), QStringLiteral("单击查看参考表"));

    // A real mouse click on n3 is a click; a double-click on Kq is a double-click.
    QSignalSpy n3_clicks(n3, &ClickableLabel::clicked);
    QSignalSpy kq_double_clicks(kq, &ClickableLabel::doubleClicked);
    QTest::mouseClick(n3, Qt::LeftButton);
    QTest::mouseDClick(kq, Qt::LeftButton);
    QCOMPARE(n3_clicks.count(), 1);
    QCOMPARE(kq_double_clicks.count(), 1);

    // The other labels are plain.
    for (const char* plain : {"Label1", "Label2", "Label3", "Label6"}) {
      QWidget* label = form35_->findChild<QLabel*>(QString::fromUtf8(plain));
      QVERIFY2(label != nullptr, plain);
      QVERIFY2(qobject_cast<ClickableLabel*>(label) == nullptr, plain);
    }

    // The window acts on Kq's double-click and n3's single click, and on nothing else of theirs.
    QVERIFY(!WindowListens(kq, &ClickableLabel::clicked, form35_));
    QVERIFY(!WindowListens(n3, &ClickableLabel::doubleClicked, form35_));
    QVERIFY(WindowListens(kq, &ClickableLabel::doubleClicked, form35_));
    QVERIFY(WindowListens(n3, &ClickableLabel::clicked, form35_));
  }

  void clicksOpenTheCoefficientTable() {
    QVERIFY(velmora::FindWindow("Form47") != nullptr);
    auto* kq = form35_->findChild<QLabel*>(QStringLiteral("Label4"));
    auto* n3 = form35_->findChild<QLabel*>(QStringLiteral("Label5"));
    QTest::mouseClick(kq, Qt::LeftButton);
    QVERIFY(!TableShown(*manager_));
    QTest::mouseClick(n3, Qt::LeftButton);
    QVERIFY(TableShown(*manager_));
    manager_->Find("Form47")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!TableShown(*manager_));
    QTest::mouseDClick(kq, Qt::LeftButton);
    QVERIFY(TableShown(*manager_));
  }

 private:
  WindowManager* manager_ = nullptr;
  QWidget* form35_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(OpeningLabelsTest)
#include "opening_labels_test.moc"
