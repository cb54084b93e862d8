// SPDX-License-Identifier: GPL-3.0-or-later
// Time to open a reference window with a large table (120 rows × 17 columns, the size of the
// largest frequency tables) until it is shown on screen, the way a user meets it.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>
#include <string>

#include "common/table.h"
#include "shell/fonts.h"
#include "shell/table_view.h"

namespace {

velmora::Table LargeTable() {
  using velmora::CellRole;
  constexpr int kRows = 120;
  constexpr int kColumns = 17;
  velmora::Table table{.rows = kRows, .columns = kColumns};
  table.cells.push_back({.row = 0,
                         .column = 0,
                         .column_span = kColumns,
                         .role = CellRole::kTitle,
                         .text = "皮尔逊III型曲线的模比系数Kp值表（Cs=2Cv）"});
  table.cells.push_back(
      {.row = 1, .column = 0, .role = CellRole::kHeading, .text = "P(%)", .lower = "Cv"});
  for (int c = 1; c < kColumns; ++c) {
    table.cells.push_back({.row = 1,
                           .column = c,
                           .role = CellRole::kHeading,
                           .number = 0.01 * c * c,
                           .decimals = 2,
                           .trim_zeros = true});
  }
  for (int r = 2; r < kRows - 1; ++r) {
    if ((r - 1) % 6 == 0) continue;  // an empty row after every fifth
    for (int c = 0; c < kColumns; ++c) {
      table.cells.push_back({.row = r,
                             .column = c,
                             .role = c == 0 ? CellRole::kHeading : CellRole::kData,
                             .number = 1.0 + 0.37 * r / (c + 1),
                             .decimals = 2});
    }
  }
  table.cells.push_back({.row = kRows - 1,
                         .column = 0,
                         .column_span = kColumns,
                         .role = CellRole::kNote,
                         .text = "注：表中数值由皮尔逊III型分布计算。"});
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::InstallFonts();
  const velmora::Table table = LargeTable();
  // As at start: the main window with its Chinese text is already on screen.
  QLabel welcome(QString::fromUtf8("欢迎使用Velmora程序"));
  welcome.show();
  if (!QTest::qWaitForWindowExposed(&welcome, 5000)) return 1;
  // The first table also loads the bold face; the later ones are reopenings.
  for (int i = 0; i < 4; ++i) {
    QElapsedTimer clock;
    clock.start();
    auto* window = new QWidget;
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(velmora::CreateTableView(table));
    const qint64 built = clock.elapsed();
    window->resize(window->sizeHint().boundedTo(QSize(1800, 1000)));
    window->show();
    const bool shown = QTest::qWaitForWindowExposed(window, 5000);
    std::printf("table window %d: built after %lld ms, %s after %lld ms\n", i,
                static_cast<long long>(built), shown ? "shown" : "NOT shown",
                static_cast<long long>(clock.elapsed()));
    delete window;
  }
  return 0;
}
