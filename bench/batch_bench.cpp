// SPDX-License-Identifier: GPL-3.0-or-later
// The single-thread --jsonl path over a mixed stream of every compute button: each window's
// worked example (its defaults) and edge cases (empty, zero, negative and huge inputs, most of
// which fault), with each option of a window that has options.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <streambuf>
#include <string>
#include <variant>
#include <vector>

#include "cli/json.h"
#include "cli/press_json.h"
#include "cli/runner.h"
#include "common/press.h"
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

// The corpus's lines, each on its own.
std::vector<std::string> CorpusLines(std::size_t& lines) {
  const std::string corpus = MixedCorpus(lines);
  std::vector<std::string> out;
  for (std::size_t at = 0; at < corpus.size();) {
    const std::size_t end = corpus.find('\n', at);
    out.push_back(corpus.substr(at, end - at));
    at = end + 1;
  }
  return out;
}

// The parts of a line apart, to see where its time goes. Reading alone: each line through the
// request reader, as the batch reads it.
void BM_ReadLinesAlone(benchmark::State& state) {
  std::size_t lines = 0;
  std::vector<std::string> corpus = CorpusLines(lines);
  json::RequestReader reader;
  json::RequestView view;
  std::string error;
  for (std::string& line : corpus) line.append(json::RequestReader::Padding(), ' ');
  for (auto _ : state) {
    for (const std::string& line : corpus) {
      const std::size_t size = line.size() - json::RequestReader::Padding();
      benchmark::DoNotOptimize(reader.Read(line.data(), size, line.size(), view, error));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines));
}
BENCHMARK(BM_ReadLinesAlone)->Unit(benchmark::kMillisecond);

// A line read and laid out by field: its window's defaults overridden by its inputs.
struct Laid {
  const Window* window = nullptr;
  json::PressRequest request;
  std::vector<const Field*> fields;
  FormState defaults;
  std::vector<std::string_view> texts;  // of the defaults and the request's inputs
  std::string_view option;
};

std::vector<std::unique_ptr<Laid>> LaidOut(std::size_t& lines) {
  std::vector<std::unique_ptr<Laid>> out;
  std::string error;
  for (const std::string& text : CorpusLines(lines)) {
    auto line = std::make_unique<Laid>();
    line->request = *json::ParsePressRequest(text, error);  // the corpus has no bad line
    line->window = FindWindow(line->request.form);
    line->fields = Fields(*line->window);
    line->defaults = DefaultState(*line->window);
    for (const Field* field : line->fields)
      line->texts.emplace_back(line->defaults.fields.at(std::string(field->control)));
    for (const auto& [control, input] : line->request.inputs) {
      if (const std::size_t at = FieldPosition(*line->window, control); at < line->texts.size()) {
        line->texts[at] = input;
      } else if (input == "1") {
        line->option = FindOption(*line->window, control)->control;
      }
    }
    out.push_back(std::move(line));
  }
  return out;
}

// The press alone: the computation and its list of effects, as a window has them; no JSON
// either way.
void BM_PressesAlone(benchmark::State& state) {
  std::size_t lines = 0;
  const std::vector<std::unique_ptr<Laid>> laid = LaidOut(lines);
  Effects effects;
  for (auto _ : state) {
    for (const auto& line : laid) {
      PressButton(*line->window, line->request.button,
                  FlatState{line->fields, line->texts, line->option, false}, effects);
      benchmark::DoNotOptimize(effects.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines));
}
BENCHMARK(BM_PressesAlone)->Unit(benchmark::kMillisecond);

// Writing alone: each press's JSON line from its effects and texts, pressed beforehand.
void BM_WritesAlone(benchmark::State& state) {
  std::size_t lines = 0;
  const std::vector<std::unique_ptr<Laid>> laid = LaidOut(lines);
  std::vector<Effects> effects;
  effects.reserve(laid.size());  // `after` views the texts of the effects
  std::vector<std::vector<std::string_view>> after;
  for (const auto& line : laid) {
    effects.push_back(PressButton(*line->window, line->request.button,
                                  FlatState{line->fields, line->texts, line->option, false}));
    after.push_back(line->texts);
    for (const Effect& e : effects.back()) {
      if (const auto* set = std::get_if<effect::SetField>(&e))
        after.back()[FieldPosition(*line->window, set->control)] = set->text;
    }
  }
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (std::size_t i = 0; i < laid.size(); ++i) {
      AppendPressResultJson(out, *laid[i]->window, laid[i]->request.button, laid[i]->fields,
                            after[i], effects[i]);
      out.push_back('\n');
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines));
}
BENCHMARK(BM_WritesAlone)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
