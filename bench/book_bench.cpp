// SPDX-License-Identifier: GPL-3.0-or-later
// A whole project's book: the chapter of every calculation of every calculator window, as PDF and
// as Word, the way "导出计算书…" makes it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "common/press.h"
#include "common/registry.h"
#include "project/project.h"
#include "render/book_docx.h"
#include "render/book_pdf.h"
#include "render/press_chapter.h"
#include "render/project_book.h"

namespace velmora {
namespace {

// Every calculating button of every calculator, pressed on the window's defaults.
book::Document WholeBook() {
  std::vector<book::Document> chapters;
  for (const Window* window : AllWindows()) {
    if (window->kind != WindowKind::kCalculator) continue;
    FormState state = DefaultState(*window);
    if (!Options(*window).empty())
      state.selected_option = std::string(Options(*window).back()->control);
    for (const Button* button : render::CalculatingButtons(*window)) {
      chapters.push_back(render::PressChapter(*window, button->control, state));
    }
  }
  const render::ProjectInfo info{.project_name = "清水河大桥工程",
                                 .bridge_name = "清水河大桥",
                                 .route = "G320 K12+300",
                                 .design_unit = "某某设计院",
                                 .date = "2026年12月10日",
                                 .calculated_by = "张三",
                                 .checked_by = "李四",
                                 .approved_by = "王五"};
  return render::AssembleProjectBook(info, chapters);
}

// What 导出计算书… does: every calculator in a project, recalculated in the chain's order, its
// chapters, the chain's checks and the scour summary.
void BM_ProjectBook(benchmark::State& state) {
  Project project;
  project.info = {.name = "清水河大桥工程", .bridge = "清水河大桥", .date = "2026年12月10日"};
  for (const Window* window : AllWindows()) {
    if (window->kind != WindowKind::kCalculator || !KeepsState(*window)) continue;
    const std::vector<const Button*> buttons = render::CalculatingButtons(*window);
    if (buttons.empty()) continue;
    WindowState held{.form = DefaultState(*window), .pressed = std::string(buttons[0]->control)};
    if (!Options(*window).empty()) {
      held.form.selected_option = std::string(Options(*window).back()->control);
    }
    project.windows[std::string(window->form)] = held;
  }
  std::size_t blocks = 0;
  for (auto _ : state) {
    const auto book = render::ProjectBook(project);
    blocks = book ? book->blocks.size() : 0;
    benchmark::DoNotOptimize(blocks);
  }
  state.counters["windows"] = static_cast<double>(project.windows.size());
  state.counters["blocks"] = static_cast<double>(blocks);
}
BENCHMARK(BM_ProjectBook)->Unit(benchmark::kMillisecond);

void BM_WholeBookAssembled(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(WholeBook());
}
BENCHMARK(BM_WholeBookAssembled)->Unit(benchmark::kMillisecond);

void BM_WholeBookPdf(benchmark::State& state) {
  const book::Document book = WholeBook();
  for (auto _ : state) benchmark::DoNotOptimize(render::PdfBytes(book));
}
BENCHMARK(BM_WholeBookPdf)->Unit(benchmark::kMillisecond);

void BM_WholeBookDocx(benchmark::State& state) {
  const book::Document book = WholeBook();
  for (auto _ : state) benchmark::DoNotOptimize(render::DocxBytes(book));
}
BENCHMARK(BM_WholeBookDocx)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
