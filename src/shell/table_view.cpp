#include "shell/table_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "common/table.h"
#include "shell/text.h"

namespace velmora {

QWidget* CreateTableView(const Table& table) {
  auto* view = new QTableWidget(table.rows, table.columns);
  view->setObjectName(QStringLiteral("Table"));
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  for (const TableCell& cell : table.cells) {
    auto* item = new QTableWidgetItem(Q(CellText(cell)));
    if (cell.role != CellRole::kData) item->setTextAlignment(Qt::AlignCenter);
    view->setItem(cell.row, cell.column, item);
    if (cell.row_span > 1 || cell.column_span > 1) {
      view->setSpan(cell.row, cell.column, cell.row_span, cell.column_span);
    }
  }
  view->resizeColumnsToContents();
  view->resizeRowsToContents();
  return view;
}

QWidget* CreatePicture(std::string_view name) {
  auto* label = new QLabel;
  label->setObjectName(Q(name));
  return label;
}

}  // namespace velmora
