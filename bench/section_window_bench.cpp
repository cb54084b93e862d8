// SPDX-License-Identifier: GPL-3.0-or-later
// The surveyed-section window with a 2,000-point table: the time one edit costs before the plot,
// the level and the rating table show it again (the throttle's wait not counted).
#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "common/menu.h"
#include "shell/fonts.h"
#include "shell/section_window.h"
#include "shell/window_manager.h"

namespace {

// The main thread's processor time, ns: the chart paints on it too, and a busy machine does not
// inflate it the way it does the wall clock.
qint64 CpuNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return qint64{t.tv_sec} * 1'000'000'000 + t.tv_nsec;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::InstallFonts();
  velmora::WindowManager manager;
  manager.Open("Form6");  // the main window, whose title follows the project's changes
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
  window->findChild<QTabWidget*>(QStringLiteral("Tabs"))->setCurrentIndex(0);
  QCoreApplication::processEvents();
  constexpr int kEdits = 20;
  // Each step on its own: the edit itself (the project comparing itself with its saved file, for
  // the title's asterisk, included), the redraw's computing and the chart's painting.
  qint64 edit = 0, redraw = 0, paint = 0;
  for (int i = 0; i < kEdits; ++i) {
    const qint64 t0 = CpuNanoseconds();
    table->item(1000, 1)->setText(QString::number(96.0 + 0.01 * i));
    const qint64 t1 = CpuNanoseconds();
    window->Redraw();
    const qint64 t2 = CpuNanoseconds();
    // The chart lays its items out from the event loop, then paints.
    QCoreApplication::processEvents();
    view->viewport()->repaint();
    const qint64 t3 = CpuNanoseconds();
    edit += t1 - t0;
    redraw += t2 - t1;
    paint += t3 - t2;
  }
  const auto ms = [](qint64 ns) { return static_cast<double>(ns) / 1e6 / kEdits; };
  std::printf("one edit, processor time: %.1f ms (edit %.1f, redraw %.1f, paint %.1f)\n",
              ms(edit + redraw + paint), ms(edit), ms(redraw), ms(paint));
  return 0;
}
