// Widgets for the reference windows' content.
#pragma once

#include <string_view>

class QWidget;

namespace velmora {

struct Table;

/// A read-only view of a table with its spans, headings and notes.
QWidget* CreateTableView(const Table& table);

/// A picture drawn by the program, named by what it shows.
QWidget* CreatePicture(std::string_view name);

}  // namespace velmora
