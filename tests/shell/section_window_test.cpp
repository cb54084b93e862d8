// SPDX-License-Identifier: GPL-3.0-or-later
// The surveyed-section window: pasting, the plot following edits, the hand-over into Form2.
#include <QAction>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLineSeries>
#include <QRadioButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>

#include "../section/river_section.h"
#include "common/menu.h"
#include "shell/fonts.h"
#include "shell/form_window.h"
#include "shell/section_window.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::SectionWindow;
using velmora::testing::Click;
using velmora::testing::Edit;
using velmora::testing::ModalAnswerer;
using velmora::testing::TemporaryReportFolder;

namespace {

// A series of the section plot by its object name (the chart, not the window, owns it).
QLineSeries* PlotSeries(QWidget* window, const char* name) {
  auto* view = window->findChild<QChartView*>(QStringLiteral("SectionChart"));
  for (QAbstractSeries* series : view->chart()->series()) {
    if (series->objectName() == QLatin1String(name)) return qobject_cast<QLineSeries*>(series);
  }
  return nullptr;
}

}  // namespace

class SectionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }

  void init() {
    manager_ = new velmora::WindowManager;
    // Opened the way the user opens it: from the 设计水位估算 menu.
    QWidget* main = manager_->Open("Form6");
    main->findChild<QAction*>(QStringLiteral("实测断面水位计算"))->trigger();
    window_ = qobject_cast<SectionWindow*>(manager_->Find(velmora::kSectionForm));
    QVERIFY(window_ != nullptr && window_->isVisible());
    table_ = window_->findChild<QTableWidget*>(QStringLiteral("Points"));
  }

  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void ctrlVPastesABlockWithItsHeaderLeftOut() {
    QGuiApplication::clipboard()->setText(
        QStringLiteral("起点距\t高程\r\n0\t5\r\n10\t1\r\n20\t5\r\n"));
    table_->setFocus();
    QTest::keyClick(table_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(table_->rowCount(), 3);
    QCOMPARE(table_->item(1, 0)->text(), QStringLiteral("10"));
    QCOMPARE(table_->item(2, 1)->text(), QStringLiteral("5"));
    // A comma-separated block pasted into the elevation column of the second row: one column
    // only, and the table grows by the row the block needs.
    table_->setCurrentCell(1, 1);
    window_->Paste(QStringLiteral("0.5,99\n4.5\n3\n"));
    QCOMPARE(table_->rowCount(), 4);
    QCOMPARE(table_->item(1, 0)->text(), QStringLiteral("10"));
    QCOMPARE(table_->item(1, 1)->text(), QStringLiteral("0.5"));
    QCOMPARE(table_->item(3, 1)->text(), QStringLiteral("3"));
    QCOMPARE(table_->item(3, 0), nullptr);
  }

  void plotFollowsAnEdit() {
    window_->SetInput(velmora::RiverSection(false));
    auto* ground = PlotSeries(window_, "Ground");
    QTRY_COMPARE(ground->count(), 17);
    const int before = window_->redraws();
    table_->item(8, 1)->setText(QStringLiteral("96.5"));
    QTRY_COMPARE(ground->at(8).y(), 96.5);
    QVERIFY(window_->redraws() > before);
    // A point beyond the old extremes widens the axis.
    auto* stations = qobject_cast<QValueAxis*>(
        window_->findChild<QChartView*>()->chart()->axes(Qt::Horizontal).value(0));
    table_->item(16, 0)->setText(QStringLiteral("400"));
    QTRY_VERIFY(stations->max() >= 400);
    table_->item(16, 0)->setText(QStringLiteral("280"));

    // With a level asked for, the water follows the edit too.
    Edit(window_, "Qp")->setText(QStringLiteral("800"));
    Edit(window_, "NChannel")->setText(QStringLiteral("0.03"));
    Edit(window_, "SlopeChannel")->setText(QStringLiteral("0.5"));
    Click(window_, "Solve");
    auto* surface = PlotSeries(window_, "WaterSurface");
    QCOMPARE(surface->count(), 2);
    const double level = surface->at(0).y();
    table_->item(8, 1)->setText(QStringLiteral("95.5"));  // a deeper channel carries 800 lower
    QTRY_VERIFY(surface->count() == 2 && surface->at(0).y() < level);
  }

  void handOverOpensForm2FilledAndItsTrialIsAccepted() {
    TemporaryReportFolder folder;
    // Form2 already holds a design discharge: the window takes it.
    manager_->Instance("Form2");
    manager_->SetField("Form2", "Text13", QStringLiteral("900"));
    window_->close();
    velmora::testing::Settle();
    manager_->Open(velmora::kSectionForm);
    window_ = qobject_cast<SectionWindow*>(manager_->Find(velmora::kSectionForm));
    QCOMPARE(Edit(window_, "Qp")->text(), QStringLiteral("900"));

    velmora::SectionInput input = velmora::RiverSection(true);
    input.qp = 900;
    window_->SetInput(input);
    Click(window_, "HandOver");
    auto* form2 = qobject_cast<velmora::FormWindow*>(manager_->Find("Form2"));
    QVERIFY(form2 && form2->isVisible());
    QVERIFY(form2->findChild<QRadioButton*>(QStringLiteral("Option2"))->isChecked());
    const velmora::SectionFlow flow(input);
    const velmora::Form2HandOver h = HandOverToForm2(flow, flow.Solve(900), 900);
    for (const auto& [control, text] : h.fields) {
      QCOMPARE(form2->FieldText(control), QString::fromStdString(text));
    }
    answerer_.Expect(QStringLiteral("^_^ 提示"), QStringLiteral("恭喜！估算成功"));
    Click(form2, "Command1");
    VELMORA_CHECK_BOXES(answerer_);
  }

  void badTableRowIsNamed() {
    window_->Paste(QStringLiteral("0\t5\n10\tx\n20\t5\n"));
    answerer_.Expect(QStringLiteral("实测断面水位计算"), QStringLiteral("第2行不是两个数"));
    Click(window_, "Solve");
    VELMORA_CHECK_BOXES(answerer_);
  }

 private:
  velmora::WindowManager* manager_ = nullptr;
  SectionWindow* window_ = nullptr;
  QTableWidget* table_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(SectionWindowTest)
#include "section_window_test.moc"
