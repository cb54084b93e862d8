// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/press_json.h"

#include <cstring>
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

namespace {

// Writes one press's line through a cursor into room made once: a general writer's bookkeeping
// and a string's growth checks per piece would cost more than the bytes themselves.
class LineWriter {
 public:
  // At most the bytes a text takes quoted: an escape is six bytes for one.
  static std::size_t Room(std::string_view text) { return 6 * text.size() + 2; }

  LineWriter(std::string& out, std::size_t room) : out_(out) {
    const std::size_t at = out.size();
    out.resize(at + room);
    p_ = out.data() + at;
  }
  ~LineWriter() { out_.resize(static_cast<std::size_t>(p_ - out_.data())); }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void Raw(std::string_view text) {
    // An empty view may hold no pointer at all, which memcpy must not be given.
    if (!text.empty()) std::memcpy(p_, text.data(), text.size());
    p_ += text.size();
  }
  void Char(char c) { *p_++ = c; }
  void Quoted(std::string_view text) {
    if (json::IsPlain(text)) {
      Char('"');
      Raw(text);
      Char('"');
    } else {
      scratch_.clear();
      json::AppendQuoted(scratch_, text);
      Raw(scratch_);
    }
  }

 private:
  std::string& out_;
  char* p_;
  std::string scratch_;
};

}  // namespace

void AppendPressResultJson(std::string& out, const Window& window, std::string_view button,
                           std::span<const Field* const> fields,
                           std::span<const std::string> texts_after, const Effects& effects) {
  using W = LineWriter;
  std::size_t room = 256 + W::Room(window.form) + W::Room(button);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    room += W::Room(fields[i]->control) + W::Room(texts_after[i]) + 2;
  }
  const effect::WriteReport* report = nullptr;
  bool writes = false;
  for (const Effect& e : effects) {
    if (const auto* m = std::get_if<effect::Message>(&e)) {
      room += 32 + W::Room(m->title) + W::Room(m->text);
    } else if (const auto* r = std::get_if<effect::WriteReport>(&e)) {
      report = r;
      for (const std::string& line : r->lines) room += W::Room(line) + 1;
    } else if (const auto* write = std::get_if<effect::SetOtherField>(&e)) {
      writes = true;
      room += 8 + W::Room(write->form) + W::Room(write->control) + W::Room(write->text);
    } else if (const auto* fault = std::get_if<effect::Fault>(&e)) {
      room += 64 + W::Room(fault->text);
    }
  }

  W w(out, room);
  w.Raw("{\"form\":");
  w.Quoted(window.form);
  w.Raw(",\"button\":");
  w.Quoted(button);
  w.Raw(",\"fields\":{");
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) w.Char(',');
    w.Quoted(fields[i]->control);
    w.Char(':');
    w.Quoted(texts_after[i]);
  }
  w.Raw("},\"messages\":[");
  bool first = true;
  for (const Effect& e : effects) {
    if (const auto* m = std::get_if<effect::Message>(&e)) {
      w.Raw(first ? "{\"title\":" : ",{\"title\":");
      first = false;
      w.Quoted(m->title);
      w.Raw(",\"text\":");
      w.Quoted(m->text);
      w.Char('}');
    }
  }
  w.Raw("],\"fault\":");
  if (const effect::Fault* fault = FaultOf(effects)) {
    w.Raw("{\"kind\":");
    w.Quoted(FaultKindName(fault->kind));
    w.Raw(",\"text\":");
    w.Quoted(fault->text);
    w.Char('}');
  } else {
    w.Raw("null");
  }
  w.Raw(",\"writes\":{");
  if (writes) {
    std::string key;
    first = true;
    for (const Effect& e : effects) {
      if (const auto* write = std::get_if<effect::SetOtherField>(&e)) {
        if (!first) w.Char(',');
        first = false;
        key.assign(write->form).append(".").append(write->control);
        w.Quoted(key);
        w.Char(':');
        w.Quoted(write->text);
      }
    }
  }
  w.Raw("},\"report\":");
  if (report != nullptr) {
    w.Char('[');
    for (std::size_t i = 0; i < report->lines.size(); ++i) {
      if (i > 0) w.Char(',');
      w.Quoted(report->lines[i]);
    }
    w.Char(']');
  } else {
    w.Raw("null");
  }
  w.Char('}');
}

}  // namespace velmora
