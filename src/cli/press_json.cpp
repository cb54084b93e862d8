// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/press_json.h"

#include <vector>

#include "cli/json.h"

namespace velmora {

std::string PressResultJson(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects) {
  const FormState after = ApplyEffects(before, effects);
  const std::vector<const Field*> fields = Fields(window);
  std::vector<std::string> texts;
  texts.reserve(fields.size());
  for (const Field* field : fields) texts.push_back(after.fields.at(std::string(field->control)));
  std::string out;
  AppendPressResultJson(out, window, button, fields, texts, effects);
  return out;
}

void AppendPressResultJson(std::string& out, const Window& window, std::string_view button,
                           std::span<const Field* const> fields,
                           std::span<const std::string> texts_after, const Effects& effects) {
  json::Writer w(out);
  w.BeginObject();
  w.Key("form").String(window.form);
  w.Key("button").String(button);
  w.Key("fields").BeginObject();
  for (std::size_t i = 0; i < fields.size(); ++i) w.Key(fields[i]->control).String(texts_after[i]);
  w.EndObject();
  w.Key("messages").BeginArray();
  const effect::WriteReport* report = nullptr;
  bool writes = false;
  for (const Effect& e : effects) {
    if (const auto* m = std::get_if<effect::Message>(&e)) {
      w.BeginObject().Key("title").String(m->title).Key("text").String(m->text).EndObject();
    } else if (const auto* r = std::get_if<effect::WriteReport>(&e)) {
      report = r;
    } else if (std::holds_alternative<effect::SetOtherField>(e)) {
      writes = true;
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
  if (writes) {
    std::string key;
    for (const Effect& e : effects) {
      if (const auto* write = std::get_if<effect::SetOtherField>(&e)) {
        key.assign(write->form).append(".").append(write->control);
        w.Key(key).String(write->text);
      }
    }
  }
  w.EndObject();
  w.Key("report");
  if (report != nullptr) {
    w.BeginArray();
    for (const std::string& line : report->lines) w.String(line);
    w.EndArray();
  } else {
    w.Null();
  }
  w.EndObject();
}

}  // namespace velmora
