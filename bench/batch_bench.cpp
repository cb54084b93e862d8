// SPDX-License-Identifier: GPL-3.0-or-later
// The single-thread --jsonl path over a mixed stream of every compute button: each window's
// worked example (its defaults) and edge cases (empty, zero, negative and huge inputs, most of
// which fault), with each option of a window that has options.
#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <variant>
#include <vector>

#include "cli/json.h"
#include "cli/runner.h"
#include "common/registry.h"

namespace velmora {
namespace {

// With `examples_only`, only the worked examples (the defaults), which compute without a fault.
std::string MixedCorpus(std::size_t& lines, bool examples_only = false) {
  std::string corpus;
  lines = 0;
  for (const Window* window : AllWindows()) {
    std::vector<std::string_view> options{""};
    for (const Option* option : Options(*window)) options.push_back(option->control);
    for (const Button* button : Buttons(*window)) {
      if (!std::holds_alternative<Handler>(button->action)) continue;
      // Defaults first (no override), then one text for every input.
      for (const char* text : {"", "<empty>", "0", "-1", "1e30", "2.5"}) {
        if (examples_only && *text != '\0') break;
        for (const std::string_view option : options) {
          json::Writer w(corpus);
          w.BeginObject().Key("form").String(window->form).Key("button").String(button->control);
          w.Key("inputs").BeginObject();
          if (!option.empty()) w.Key(option).String("1");
          for (const Field* field : Fields(*window)) {
            if (*text == '\0' || field->role != FieldRole::kInput) continue;
            w.Key(field->control).String(std::string_view(text) == "<empty>" ? "" : text);
          }
          w.EndObject().EndObject();
          corpus.push_back('\n');
          ++lines;
        }
      }
    }
  }
  return corpus;
}

// Output goes nowhere, as to /dev/null: the bytes are made, not kept.
class Discard : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The input read where it stands, as a stream buffer hands over what it holds: copying the
// corpus into a string stream every round would be timed with the presses.
class View : public std::streambuf {
 public:
  explicit View(std::string& text) { setg(text.data(), text.data(), text.data() + text.size()); }
};

// The stream repeated, as a long batch run has it: the run's start-up (buffers, each window's
// first press) is spread over many presses.
void JsonlSingleThread(benchmark::State& state, bool examples_only) {
  std::size_t lines = 0;
  const std::string once = MixedCorpus(lines, examples_only);
  std::string corpus;
  for (int i = 0; i < 200; ++i) corpus += once;
  lines *= 200;
  Discard discard;
  std::ostream out(&discard);
  std::ostringstream err;
  for (auto _ : state) {
    View view(corpus);
    std::istream in(&view);
    benchmark::DoNotOptimize(RunCli({"--jsonl", "-j", "1"}, in, out, err));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines));
  state.counters["presses"] = static_cast<double>(lines);
}
void BM_JsonlSingleThread(benchmark::State& state) { JsonlSingleThread(state, false); }
BENCHMARK(BM_JsonlSingleThread)->Unit(benchmark::kMillisecond);

// The worked examples alone: no press faults, so no exception is thrown.
void BM_JsonlWorkedExamples(benchmark::State& state) { JsonlSingleThread(state, true); }
BENCHMARK(BM_JsonlWorkedExamples)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
