// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/table_view.h"

#include <QAction>
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

#include "common/registry.h"
#include "common/table.h"
#include "shell/fonts.h"
#include "shell/text.h"
#include "shell/window_manager.h"
#include "shell_fixture.h"

using velmora::TableView;
using velmora::WindowManager;
using velmora::testing::ModalAnswerer;
using velmora::testing::Q8;
using velmora::testing::VisibleTopLevels;

class TableViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { velmora::InstallFonts(); }
  void init() { manager_ = new WindowManager; }
  void cleanup() { VELMORA_SHELL_CLEANUP(manager_, answerer_); }

  void ctrlCCopiesTheSelection_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QRect>("cells");  // columns x, rows y
    QTest::addColumn<QString>("copied");
    QTest::newRow("values") << QStringLiteral("Form9") << QRect(0, 8, 3, 2)
                            << QStringLiteral("3.00\t0.89\t0.91\n3.50\t0.87\t0.90\n");
    // A span's text stands once, in its top-left field; what it covers stays empty.
    QTest::newRow("spanned headings") << QStringLiteral("Form9") << QRect(0, 1, 3, 2)
                                      << Q8("设计流速Vp(m/s)\t标准净跨径（m）\t\n\t≤10\t13\n");
    // A field with a line break is quoted, as spreadsheets read it.
    QTest::newRow("multi-line cell")
        << QStringLiteral("Form21") << QRect(0, 5, 3, 1) << Q8("\"Ⅱ\n软质岩\"\tⅡ1\t5～15\n");
  }

  void ctrlCCopiesTheSelection() {
    QFETCH(QString, form);
    QFETCH(QRect, cells);
    QFETCH(QString, copied);
    TableView* view = ViewOf(form);
    QVERIFY(view != nullptr);
    Select(view, cells);
    QApplication::clipboard()->clear();
    QTest::keySequence(view, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), copied);
  }

  void contextMenuCopiesToo() {
    TableView* view = ViewOf(QStringLiteral("Form47"));
    QCOMPARE(view->contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* copy = nullptr;
    for (QAction* action : view->actions()) {
      if (action->text() == Q8("复制")) copy = action;
    }
    QVERIFY(copy != nullptr);
    Select(view, QRect(1, 2, 2, 1));
    QApplication::clipboard()->clear();
    copy->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.84\t0.9\n"));
  }

  void cellsCannotBeEdited() {
    TableView* view = ViewOf(QStringLiteral("Form47"));
    const QModelIndex cell = view->model()->index(2, 1);
    view->setCurrentIndex(cell);
    QTest::keyClick(view, Qt::Key_F2);
    QTest::keyClicks(view, QStringLiteral("9"));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(cell.data().toString(), QStringLiteral("0.84"));
  }

  // Each cell's text, wrapped in its cell's rectangle as the view paints it, fits inside it.
  void noTextIsCutOff() {
    for (const velmora::Window* window : velmora::AllWindows()) {
      const auto tables = velmora::TableItems(*window);
      if (tables.empty()) continue;
      CheckTextsFit(ViewOf(velmora::Q(window->form)), tables.front()->content(), window->form);
      manager_->Find(window->form)->close();
    }
  }

  // Tables that make the spans share out the room their texts need.
  void spansGetTheRoomTheirTextsNeed() {
    using velmora::CellRole;
    const std::string long_text =
        "河段上下游接弯道或下游有卡口、支流汇入等束水影响；复式断面；水流不够通畅";
    const velmora::Table tables[] = {
        // A long text down two one-line rows.
        {.rows = 2,
         .columns = 2,
         .cells = {{.row = 0, .column = 0, .row_span = 2, .text = long_text},
                   {.row = 0, .column = 1, .text = "1"},
                   {.row = 1, .column = 1, .text = "2"}}},
        // A long heading over two narrow columns, a word that cannot break, a multi-line cell.
        {.rows = 2,
         .columns = 3,
         .cells = {{.row = 0,
                    .column = 0,
                    .column_span = 2,
                    .role = CellRole::kHeading,
                    .text = long_text},
                   {.row = 0, .column = 2, .text = "0.000000000000000000000000000000000001"},
                   {.row = 1, .column = 0, .number = 1.0},
                   {.row = 1, .column = 1, .text = "a\nb\nc\nd"},
                   {.row = 1, .column = 2, .role = CellRole::kNote, .text = long_text}}},
    };
    for (const velmora::Table& table : tables) {
      TableView view(table);
      view.show();
      CheckTextsFit(&view, table, "synthetic");
    }
  }

  // A table that fits the screen shows whole; a wider one keeps the window on the screen and
  // scrolls.
  void windowShowsTheWholeTableWhereItFits() {
    TableView* small = ViewOf(QStringLiteral("Form46"));
    QVERIFY(QTest::qWaitForWindowExposed(small->window()));
    QVERIFY(!small->horizontalScrollBar()->isVisible());
    QVERIFY(!small->verticalScrollBar()->isVisible());

    TableView* wide = ViewOf(QStringLiteral("Form21"));
    QVERIFY(QTest::qWaitForWindowExposed(wide->window()));
    const QRect screen = wide->window()->screen()->availableGeometry();
    if (wide->sizeHint().width() <= screen.width()) QSKIP("the screen holds the whole table");
    QVERIFY(wide->window()->width() <= screen.width());
    QVERIFY(wide->horizontalScrollBar()->isVisible());
  }

  // A long Kp table scrolled halfway keeps its heading rows on top and its first column beside
  // the rows in view.
  void headingsStayInViewWhileScrolling() {
    TableView* view = ViewOf(QStringLiteral("Form37"));
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    // One heading row: P(%) across, Cv down.
    QCOMPARE(view->FrozenRows(), 1);
    QScrollBar* bar = view->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum() / 2);
    QCoreApplication::processEvents();
    auto* top = view->findChild<QTableView*>(QStringLiteral("FrozenRows"));
    auto* left = view->findChild<QTableView*>(QStringLiteral("FrozenColumns"));
    QVERIFY(top && left && top->isVisible() && left->isVisible());
    QCOMPARE(top->geometry().top(), view->viewport()->geometry().top());
    QCOMPARE(top->rowAt(0), 0);
    QCOMPARE(top->height(), view->rowHeight(0));
    // Beneath the headings, the first column shows the rows the view shows.
    const int below = top->height() + 5;
    QVERIFY(view->rowAt(below) > 10);
    QCOMPARE(left->rowAt(below), view->rowAt(below));
  }

 private:
  static void CheckTextsFit(TableView* view, const velmora::Table& table, std::string_view name) {
    for (const velmora::TableCell& cell : table.cells) {
      if (!cell.lower.empty()) continue;
      const QModelIndex index = view->model()->index(cell.row, cell.column);
      // A note shown above the table instead of in its row.
      if (view->isRowHidden(cell.row)) {
        QVERIFY2(view->TopNotes().contains(index.data().toString()), qPrintable(velmora::Q(name)));
        continue;
      }
      // The cell as painted (its rectangle leaves out the grid line), less the padding.
      const QRectF inner =
          QRectF(view->visualRect(index))
              .adjusted(TableView::kPadX, TableView::kPadY, -TableView::kPadX, -TableView::kPadY);
      const QFontMetricsF metrics(qvariant_cast<QFont>(index.data(Qt::FontRole)));
      const QRectF text =
          metrics.boundingRect(inner, Qt::AlignCenter | Qt::TextWordWrap, index.data().toString());
      QVERIFY2(text.width() <= inner.width() + 0.5 && text.height() <= inner.height() + 0.5,
               qPrintable(velmora::Q(name) + QStringLiteral(": ") + index.data().toString()));
    }
  }

  TableView* ViewOf(const QString& form) {
    QWidget* window = manager_->Open(velmora::U(form));
    return window ? window->findChild<TableView*>(QStringLiteral("Table")) : nullptr;
  }

  static void Select(TableView* view, const QRect& cells) {
    QAbstractItemModel* model = view->model();
    view->selectionModel()->select(QItemSelection(model->index(cells.top(), cells.left()),
                                                  model->index(cells.bottom(), cells.right())),
                                   QItemSelectionModel::ClearAndSelect);
  }

  WindowManager* manager_ = nullptr;
  ModalAnswerer answerer_;
};

QTEST_MAIN(TableViewTest)
#include "table_view_test.moc"
