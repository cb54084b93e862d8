// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_window.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <algorithm>
#include <map>

#include "common/texts.h"
#include "shell/about.h"
#include "shell/file_menu.h"
#include "shell/fonts.h"
#include "shell/text.h"
#include "shell/window_manager.h"

namespace velmora {
namespace {

// The design measures in twips; at 96 dpi a pixel is 15 twips.
constexpr int Pixels(int twips) { return twips / 15; }

constexpr int kClientWidth = Pixels(5655);
constexpr int kClientHeight = Pixels(3615);
// Tops of the welcome line and of the title line.
constexpr int kLabelTops[] = {Pixels(960), Pixels(1680)};

// Access keys of the menu bar, shown after the caption as Chinese programs do: "帮助(H)".
QString WithAccessKey(std::string_view control, std::string_view caption) {
  static const std::map<std::string_view, char, std::less<>> keys{
      {"流量计算", 'Q'}, {"桥孔设计", 'B'}, {"设计水位估算菜单", 'W'},
      {"冲刷计算", 'S'}, {"帮助", 'H'},     {"退出", 'X'}};
  const auto it = keys.find(control);
  if (it == keys.end()) return Q(caption);
  return Q(caption) + QStringLiteral("(&") + QLatin1Char(it->second) + QLatin1Char(')');
}

}  // namespace

MainWindow::MainWindow(const Window& description, WindowManager& manager) : manager_(manager) {
  setWindowTitle(Q(description.caption));

  const Block& frame_block = description.blocks.front();
  auto* frame = new QFrame;
  frame->setObjectName(Q(frame_block.control));
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFixedSize(kClientWidth, kClientHeight);
  int index = 0;
  for (const Item& item : frame_block.items) {
    const auto* label = std::get_if<Label>(&item);
    if (label == nullptr) continue;
    auto* widget = new QLabel(Q(label->caption), frame);
    widget->setObjectName(Q(label->control));
    widget->setFont(FontFor(label->font, widget->font()));
    widget->setAlignment(Qt::AlignCenter);
    widget->adjustSize();
    // Both lines share the client area's horizontal centre.
    widget->move((kClientWidth - widget->width()) / 2, kLabelTops[index++ % 2]);
  }
  setCentralWidget(frame);

  AddFileMenu(this, manager_.project());
  for (const MenuItem& item : MainMenu()) {
    if (item.kind == MenuKind::kSubmenu) {
      QMenu* menu = menuBar()->addMenu(WithAccessKey(item.control, item.caption));
      menu->setObjectName(Q(item.control));
      menu->menuAction()->setObjectName(Q(item.control));
      AddItems(menu, item.items);
    } else {
      QAction* action = CommandAction(item, menuBar());
      action->setText(WithAccessKey(item.control, item.caption));
      menuBar()->addAction(action);
    }
  }
  AddAbout();
  // The menu bar must show every entry: widen the window beyond the client area if it needs.
  setMinimumWidth(std::max(kClientWidth, menuBar()->sizeHint().width()));
}

void MainWindow::AddAbout() {
  // The program's own entry, after the help items of the design.
  auto* help = menuBar()->findChild<QMenu*>(QStringLiteral("帮助"));
  if (help == nullptr) return;
  auto* about = help->addAction(Q(texts::kAboutMenu));
  about->setObjectName(QStringLiteral("About"));
  connect(about, &QAction::triggered, this, [this] { ShowAbout(this); });
}

QAction* MainWindow::CommandAction(const MenuItem& item, QObject* parent) {
  auto* action = new QAction(Q(item.caption), parent);
  action->setObjectName(Q(item.control));
  if (item.kind == MenuKind::kExit) {
    connect(action, &QAction::triggered, &manager_, &WindowManager::Quit);
  } else if (!item.form.empty()) {
    const std::string form(item.form);
    connect(action, &QAction::triggered, &manager_, [this, form] { manager_.Open(form); });
  }
  return action;
}

void MainWindow::AddItems(QMenu* menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuKind::kSeparator:
        menu->addSeparator()->setObjectName(Q(item.control));
        break;
      case MenuKind::kSubmenu: {
        QMenu* sub = menu->addMenu(Q(item.caption));
        sub->setObjectName(Q(item.control));
        sub->menuAction()->setObjectName(Q(item.control));
        AddItems(sub, item.items);
        break;
      }
      case MenuKind::kCommand:
      case MenuKind::kExit:
        menu->addAction(CommandAction(item, menu));
        break;
    }
  }
}

}  // namespace velmora
