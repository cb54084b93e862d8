#include "cli/press_json.h"

#include "cli/json.h"

namespace velmora {

std::string PressResultJson(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects) {
  const FormState after = ApplyEffects(before, effects);

  json::Writer w;
  w.BeginObject();
  w.Key("form").String(window.form);
  w.Key("button").String(button);
  w.Key("fields").BeginObject();
  for (const Field* field : Fields(window)) {
    w.Key(field->control).String(after.fields.at(std::string(field->control)));
  }
  w.EndObject();
  w.Key("messages").BeginArray();
  for (const Effect& e : effects) {
    if (const auto* m = std::get_if<effect::Message>(&e)) {
      w.BeginObject().Key("title").String(m->title).Key("text").String(m->text).EndObject();
    }
  }
  w.EndArray();
  w.Key("fault");
  if (const effect::Fault* fault = FaultOf(effects)) {
    w.BeginObject().Key("kind").String(FaultKindName(fault->kind));
    w.Key("text").String(fault->text).EndObject();
  } else {
    w.Null();
  }
  w.Key("writes").BeginObject();
  for (const Effect& e : effects) {
    if (const auto* write = std::get_if<effect::SetOtherField>(&e)) {
      w.Key(write->form + "." + write->control).String(write->text);
    }
  }
  w.EndObject();
  w.Key("report");
  const effect::WriteReport* report = nullptr;
  for (const Effect& e : effects) {
    if (const auto* r = std::get_if<effect::WriteReport>(&e)) report = r;
  }
  if (report != nullptr) {
    w.BeginArray();
    for (const std::string& line : report->lines) w.String(line);
    w.EndArray();
  } else {
    w.Null();
  }
  w.EndObject();
  return w.Take();
}

}  // namespace velmora
