// SPDX-License-Identifier: GPL-3.0-or-later
// The surveyed-section window with a 2,000-point table: the time one edit costs before the plot,
// the level and the rating table show it again (the throttle's wait not counted).
#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "common/menu.h"
#include "shell/fonts.h"
#include "shell/section_window.h"
#include "shell/window_manager.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::InstallFonts();
  velmora::WindowManager manager;
  auto* window = qobject_cast<velmora::SectionWindow*>(manager.Open(velmora::kSectionForm));
  if (window == nullptr || !QTest::qWaitForWindowExposed(window, 5000)) return 1;

  velmora::SectionInput in;
  for (int i = 0; i < 2000; ++i) {
    const double x = 0.5 * i;
    const double channel = x > 400 && x < 600 ? 4.0 * std::sin((x - 400) / 200 * M_PI) : 0.0;
    in.points.push_back({x, 100 + 0.00002 * (x - 500) * (x - 500) - channel});
  }
  in.splits = velmora::SectionSplits{400, 600};
  in.n_channel = 0.03;
  in.slope_channel = 0.4;
  in.n_floodplain = 0.05;
  in.slope_floodplain = 0.4;
  in.qp = 600;
  QElapsedTimer clock;
  clock.start();
  window->SetInput(in);
  window->SolveLevel();
  window->ShowRating();
  std::printf("2,000 points filled, solved and rated: %lld ms\n",
              static_cast<long long>(clock.elapsed()));

  auto* table = window->findChild<QTableWidget*>(QStringLiteral("Points"));
  auto* view = window->findChild<QChartView*>(QStringLiteral("SectionChart"));
  constexpr int kEdits = 20;
  clock.restart();
  for (int i = 0; i < kEdits; ++i) {
    table->item(1000, 1)->setText(QString::number(96.0 + 0.01 * i));
    window->Redraw();
    view->repaint();
  }
  std::printf("one edit redrawn (plot, level, rating): %.1f ms\n",
              static_cast<double>(clock.elapsed()) / kEdits);
  return 0;
}
