// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cmath>

#include "section/section_flow.h"

namespace velmora {
namespace {

// A surveyed valley of 2,000 points: floodplains rising to the ends, a channel with a rough bed
// and two bars, stations every 0.5 m.
SectionInput LongSection() {
  SectionInput in;
  for (int i = 0; i < 2000; ++i) {
    const double x = 0.5 * i;
    const double valley = 0.00002 * (x - 500) * (x - 500);
    const double channel = x > 400 && x < 600 ? 4.0 * std::sin((x - 400) / 200 * M_PI) : 0.0;
    in.points.push_back({x, 100 + valley - channel + 0.15 * std::sin(x * 0.7)});
  }
  in.splits = SectionSplits{400, 600};
  in.n_channel = 0.03;
  in.slope_channel = 0.4;
  in.n_floodplain = 0.05;
  in.slope_floodplain = 0.4;
  return in;
}

void BM_SectionSolve2000Points(benchmark::State& state) {
  const SectionFlow flow(LongSection());
  const double qp = 0.5 * flow.Capacity();
  for (auto _ : state) benchmark::DoNotOptimize(flow.Solve(qp).level);
}
BENCHMARK(BM_SectionSolve2000Points)->Unit(benchmark::kMillisecond);

void BM_SectionRating2000Points(benchmark::State& state) {
  const SectionFlow flow(LongSection());
  for (auto _ : state) benchmark::DoNotOptimize(flow.Rating(flow.RatingStep()).size());
}
BENCHMARK(BM_SectionRating2000Points)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
