// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "common/format_pattern.h"
#include "common/press.h"
#include "common/value_of_text.h"
#include "discharge/area_ratio_method.h"

namespace velmora {
namespace {

void BM_ValueOfText(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ValueOfText("  1 733.58e-1 m"));
  }
}
BENCHMARK(BM_ValueOfText);

void BM_FormatPatternDouble(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatPattern(Real(1775.8778396367877), "#####.###"));
}
BENCHMARK(BM_FormatPatternDouble);

void BM_FormatPatternSingle(benchmark::State& state) {
  const Single value = ToSingle(Real(948.2613));
  for (auto _ : state) benchmark::DoNotOptimize(FormatPattern(value, "######.###"));
}
BENCHMARK(BM_FormatPatternSingle);

void BM_FormatPatternExactTie(benchmark::State& state) {
  // The slow path: an exact tie needs every decimal digit of the double.
  for (auto _ : state) benchmark::DoNotOptimize(FormatPattern(Real(100000000000000.5), "###.###"));
}
BENCHMARK(BM_FormatPatternExactTie);

void BM_Form31Press(benchmark::State& state) {
  FormState input = DefaultState(Form31());
  input.fields["Text1"] = "120";
  input.fields["Text2"] = "850";
  input.fields["Text3"] = "100";
  input.fields["Text4"] = "0.6";
  for (auto _ : state) benchmark::DoNotOptimize(PressButton(Form31(), "Command1", input));
}
BENCHMARK(BM_Form31Press);

}  // namespace
}  // namespace velmora
