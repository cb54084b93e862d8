// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/runner.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <istream>
#include <ostream>
#include <thread>
#include <utility>

#include "cli/batch.h"
#include "cli/book_mode.h"
#include "cli/csv.h"
#include "cli/json.h"
#include "cli/press_json.h"
#include "cli/project_mode.h"
#include "cli/section_mode.h"
#include "common/press.h"
#include "common/registry.h"

namespace velmora {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-calc FORM BUTTON [CONTROL=TEXT ...]\n"
    "       velmora-calc --jsonl [-j N]            one press per input line\n"
    "       velmora-calc --csv FORM BUTTON [-j N]  one press per CSV row\n"
    "       velmora-calc --project FILE [--save OUT]  recalculate a project\n"
    "       velmora-calc --project FILE --book OUT.pdf|OUT.docx  the project's calculation book\n"
    "       velmora-calc --book OUT.pdf|OUT.docx FORM BUTTON [CONTROL=TEXT ...]  a press's book\n"
    "       velmora-calc --list                    every window with its buttons and fields\n"
    "       velmora-calc --table FORM              the table of a reference window as CSV\n";

using Inputs = std::vector<std::pair<std::string, std::string>>;

const Window& RequireWindow(const std::string& form) {
  const Window* window = FindWindow(form);
  if (window == nullptr) throw UsageError("unknown form: " + form);
  return *window;
}

bool IsOn(const std::string& text) { return text == "1" || text == "true"; }

FormState StateFor(const Window& window, const Inputs& inputs) {
  FormState state = DefaultState(window);
  for (const auto& [control, text] : inputs) {
    if (control == "TrialSucceeded") {
      state.trial_succeeded = IsOn(text);
    } else if (FindOption(window, control) != nullptr) {
      if (IsOn(text)) {
        state.selected_option = control;
      } else if (state.selected_option == control) {
        state.selected_option.clear();
      }
    } else if (FindField(window, control) != nullptr) {
      state.fields[control] = text;
    } else {
      throw UsageError("unknown control of " + std::string(window.form) + ": " + control);
    }
  }
  return state;
}

std::string PressJson(const Window& window, const std::string& button, const Inputs& inputs) {
  if (FindButton(window, button) == nullptr) {
    throw UsageError("unknown button of " + std::string(window.form) + ": " + button);
  }
  const FormState before = StateFor(window, inputs);
  return PressResultJson(window, button, before, PressButton(window, button, before));
}

std::string_view KindName(WindowKind kind) {
  switch (kind) {
    case WindowKind::kMain:
      return "main";
    case WindowKind::kCalculator:
      return "calculator";
    case WindowKind::kReference:
      return "reference";
    case WindowKind::kChoice:
      return "choice";
    case WindowKind::kInformation:
      return "information";
  }
  return "calculator";
}

std::string_view EventName(LabelEvent event) {
  switch (event) {
    case LabelEvent::kNone:
      return "none";
    case LabelEvent::kClick:
      return "click";
    case LabelEvent::kDoubleClick:
      return "double_click";
  }
  return "none";
}

void WriteAction(json::Writer& w, const LabelAction& action) {
  if (const auto* open = std::get_if<OpenAction>(&action)) {
    w.BeginObject().Key("open").String(open->form).EndObject();
  } else if (const auto* hint = std::get_if<HintAction>(&action)) {
    w.BeginObject().Key("title").String(hint->title).Key("text").String(hint->text).EndObject();
  } else {
    w.Null();
  }
}

std::string ListJson(const Window& window) {
  json::Writer w;
  w.BeginObject();
  w.Key("form").String(window.form);
  w.Key("caption").String(window.caption);
  w.Key("kind").String(KindName(window.kind));
  w.Key("buttons").BeginArray();
  for (const Button* button : Buttons(window)) {
    w.BeginObject().Key("control").String(button->control);
    w.Key("caption").String(button->caption).EndObject();
  }
  w.EndArray();
  w.Key("options").BeginArray();
  for (const Option* option : Options(window)) {
    w.BeginObject().Key("control").String(option->control);
    w.Key("caption").String(option->caption).EndObject();
  }
  w.EndArray();
  w.Key("fields").BeginArray();
  for (const Field* field : Fields(window)) {
    w.BeginObject();
    w.Key("control").String(field->control);
    w.Key("label").String(field->label.caption);
    w.Key("default").String(field->role == FieldRole::kInput ? field->default_text : "");
    w.Key("role").String(field->role == FieldRole::kInput ? "input" : "result");
    w.EndObject();
  }
  w.EndArray();
  w.Key("labels").BeginArray();
  for (const Label* label : Labels(window)) {
    if (label->control.empty()) continue;
    w.BeginObject();
    w.Key("control").String(label->control);
    w.Key("caption").String(label->caption);
    w.Key("event").String(EventName(label->event));
    w.Key("action");
    WriteAction(w, label->action);
    w.EndObject();
  }
  w.EndArray();
  w.EndObject();
  return w.Take();
}

int PrintTable(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw UsageError("bad arguments");
  const std::vector<const TableItem*> tables = TableItems(RequireWindow(args[1]));
  if (tables.empty()) throw UsageError("no table in " + args[1]);
  out << TableCsv(tables.front()->content());
  return 0;
}

int PrintList(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 1) throw UsageError("bad arguments");
  for (const Window* window : AllWindows()) out << ListJson(*window) << '\n';
  return 0;
}

int PrintUsage(std::ostream& out) {
  out << kUsage;
  return 0;
}

// The options of a batch after its fixed arguments: `-j N` (or `-jN`), by default every core.
BatchOptions BatchOptionsOf(const std::vector<std::string>& args, std::size_t first,
                            bool err_is_terminal) {
  BatchOptions options{.threads = std::max(std::thread::hardware_concurrency(), 1U),
                       .progress = err_is_terminal};
  for (std::size_t i = first; i < args.size(); ++i) {
    std::string_view value;
    if (args[i] == "-j" && i + 1 < args.size()) {
      value = args[++i];
    } else if (args[i].starts_with("-j")) {
      value = std::string_view(args[i]).substr(2);
    } else {
      throw UsageError("bad arguments");
    }
    unsigned threads = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), threads);
    if (ec != std::errc() || end != value.data() + value.size() || threads == 0 || threads > 256) {
      throw UsageError("-j wants a number of threads from 1 to 256, got: " + std::string(value));
    }
    options.threads = threads;
  }
  return options;
}

int RunCsv(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool err_is_terminal) {
  if (args.size() < 3) throw UsageError("bad arguments");
  return RunCsvBatch(RequireWindow(args[1]), args[2], in, out, err,
                     BatchOptionsOf(args, 3, err_is_terminal));
}

int PressOnce(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() < 2 || args[0].starts_with("-")) throw UsageError("bad arguments");
  Inputs inputs;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::size_t eq = args[i].find('=');
    if (eq == std::string::npos || eq == 0) {
      throw UsageError("expected CONTROL=TEXT, got: " + args[i]);
    }
    inputs.emplace_back(args[i].substr(0, eq), args[i].substr(eq + 1));
  }
  out << PressJson(RequireWindow(args[0]), args[1], inputs) << '\n';
  return 0;
}

// One mode per first argument; a new mode is one more line here.
int RunMode(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err, bool err_is_terminal) {
  const std::string_view mode = args.empty() ? std::string_view() : std::string_view(args[0]);
  if (mode == "--list") return PrintList(args, out);
  if (mode == "--jsonl")
    return RunJsonlBatch(in, out, err, BatchOptionsOf(args, 1, err_is_terminal));
  if (mode == "--csv") return RunCsv(args, in, out, err, err_is_terminal);
  if (mode == "--project") return RunProjectMode(args, out, err);
  if (mode == "--book") return RunBookMode(args, out, err);
  if (mode == "--table") return PrintTable(args, out);
  if (mode == "--help" || mode == "-h") return PrintUsage(out);
  return PressOnce(args, out);
}

// A script must never take an unwritten result for a saved one (a full disk, a closed stdout).
int CheckOutput(int status, std::ostream& out, std::ostream& err) {
  // A write that failed earlier left its reason in errno; otherwise the flush tells.
  if (out) errno = 0;
  out.flush();
  if (out) return status;
  const int reason = errno;
  // A reader that stopped early (`| head -1`) is no news to anyone.
  if (reason != EPIPE) {
    err << "velmora-calc: cannot write the output"
        << (reason != 0 ? std::string(": ") + std::strerror(reason) : std::string()) << '\n';
  }
  return 3;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, bool err_is_terminal) {
  if (!args.empty() && args[0] == "--section") {
    return CheckOutput(RunSectionMode(args, out, err), out, err);
  }
  int status = 0;
  try {
    status = RunMode(args, in, out, err, err_is_terminal);
  } catch (const UsageError& e) {
    err << "velmora-calc: " << e.what() << '\n';
    if (std::string_view(e.what()) == "bad arguments") err << kUsage;
    status = 2;
  }
  return CheckOutput(status, out, err);
}

}  // namespace velmora
