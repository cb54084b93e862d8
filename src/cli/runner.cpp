#include "cli/runner.h"

#include <istream>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "cli/csv.h"
#include "cli/json.h"
#include "cli/press_json.h"
#include "cli/project_mode.h"
#include "common/press.h"
#include "common/registry.h"

namespace velmora {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-calc FORM BUTTON [CONTROL=TEXT ...]\n"
    "       velmora-calc --jsonl        one press per input line\n"
    "       velmora-calc --list         every window with its buttons and fields\n"
    "       velmora-calc --table FORM   the table of a reference window as CSV\n";

// A request the runner cannot carry out: exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

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

int PrintTable(const std::string& form, std::ostream& out) {
  const std::vector<const TableItem*> tables = TableItems(RequireWindow(form));
  if (tables.empty()) throw UsageError("no table in " + form);
  out << TableCsv(tables.front()->content());
  return 0;
}

int RunJsonl(std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::string error;
    const auto request = json::ParsePressRequest(line, error);
    if (!request) throw UsageError("malformed request: " + error);
    out << PressJson(RequireWindow(request->form), request->button, request->inputs) << '\n';
    out.flush();
  }
  return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  try {
    if (args.size() == 1 && args[0] == "--list") {
      for (const Window* window : AllWindows()) out << ListJson(*window) << '\n';
      return 0;
    }
    if (args.size() == 1 && args[0] == "--jsonl") return RunJsonl(in, out);
    if (!args.empty() && args[0] == "--project") return RunProjectMode(args, out, err);
    if (args.size() == 2 && args[0] == "--table") return PrintTable(args[1], out);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
      out << kUsage;
      return 0;
    }
    if (args.size() < 2 || args[0].starts_with("--")) throw UsageError("bad arguments");
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
  } catch (const UsageError& e) {
    err << "velmora-calc: " << e.what() << '\n';
    if (std::string_view(e.what()) == "bad arguments") err << kUsage;
    return 2;
  }
}

}  // namespace velmora
