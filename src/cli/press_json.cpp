// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/press_json.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "cli/json.h"
#include "common/registry.h"

namespace velmora {

std::string PressResultJson(const Window& window, std::string_view button, const FormState& before,
                            const Effects& effects) {
  const FormState after = ApplyEffects(before, effects);
  const std::vector<const Field*> fields = Fields(window);
  std::vector<std::string_view> texts;
  texts.reserve(fields.size());
  for (const Field* field : fields)
    texts.emplace_back(after.fields.at(std::string(field->control)));
  std::string out;
  AppendPressResultJson(out, window, button, fields, texts, effects);
  return out;
}

namespace {

// Copies n bytes, sizeof(Word) <= n <= 2 * sizeof(Word), as the first and the last word.
template <typename Word>
void CopyInTwoWords(char* to, const char* from, std::size_t n) {
  Word first = 0;
  Word last = 0;
  std::memcpy(&first, from, sizeof first);
  std::memcpy(&last, from + n - sizeof last, sizeof last);
  std::memcpy(to, &first, sizeof first);
  std::memcpy(to + n - sizeof last, &last, sizeof last);
}

// Writes one press's line through a cursor into room made ahead: a general writer's
// bookkeeping and a string's own growth per piece would cost more than the bytes themselves.
class LineWriter {
 public:
  LineWriter(std::string& out, std::size_t room) : out_(out), p_(out.data() + out.size()) {
    Grow(room);
  }
  ~LineWriter() { out_.resize(static_cast<std::size_t>(p_ - out_.data())); }
  LineWriter(const LineWriter&) = delete;
  LineWriter& operator=(const LineWriter&) = delete;

  void Raw(std::string_view text) {
    const char* from = text.data();
    const std::size_t n = text.size();
    if (static_cast<std::size_t>(end_ - p_) < n) Grow(n);
    // Most pieces are a few bytes: copied in two overlapping words rather than by a call.
    if (n >= 8 && n <= 16) {
      CopyInTwoWords<std::uint64_t>(p_, from, n);
    } else if (n >= 4 && n < 8) {
      CopyInTwoWords<std::uint32_t>(p_, from, n);
    } else if (n < 4) {
      for (std::size_t i = 0; i < n; ++i) p_[i] = from[i];
    } else {
      std::memcpy(p_, from, n);
    }
    p_ += n;
  }
  void Char(char c) {
    if (p_ == end_) Grow(1);
    *p_++ = c;
  }
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
  // At least `more` bytes after the cursor, and more each time the line outgrows its room.
  void Grow(std::size_t more) {
    const auto used = static_cast<std::size_t>(p_ - out_.data());
    out_.resize(used + std::max(more, slack_));
    slack_ *= 2;
    p_ = out_.data() + used;
    end_ = out_.data() + out_.size();
  }

  std::string& out_;
  char* p_;
  char* end_ = nullptr;
  std::size_t slack_ = 256;
  std::string scratch_;
};

// A window's fixed pieces of the line, quoted once: `{"form":"Form31","button":` and each field's
// `"Text1":"` (after the first with its comma), up to its text's opening quote. Control names never
// change, so checking them for escapes on every press would be wasted.
struct WindowPieces {
  std::vector<const Field*> fields;
  std::string head;
  std::vector<std::string> keys;
};

const WindowPieces* PiecesOf(const Window& window) {
  static const std::unordered_map<const Window*, WindowPieces> all = [] {
    std::unordered_map<const Window*, WindowPieces> out;
    for (const Window* w : AllWindows()) {
      WindowPieces& pieces = out[w];
      pieces.fields = Fields(*w);
      pieces.head = "{\"form\":";
      json::AppendQuoted(pieces.head, w->form);
      pieces.head += ",\"button\":";
      for (const Field* field : pieces.fields) {
        std::string key = pieces.keys.empty() ? "" : ",";
        json::AppendQuoted(key, field->control);
        key += ":\"";
        pieces.keys.push_back(std::move(key));
      }
    }
    return out;
  }();
  const auto it = all.find(&window);
  return it == all.end() ? nullptr : &it->second;
}

// The fault object of each kind with its usual text, quoted once: a press that faults would
// otherwise check the same long Chinese text for escapes every time.
struct KnownFault {
  std::string text;  // FaultDescription
  std::string json;
};
const KnownFault& Known(FaultKind kind) {
  static const std::array<KnownFault, 3> known = [] {
    std::array<KnownFault, 3> out;
    for (const FaultKind k :
         {FaultKind::kDivisionByZero, FaultKind::kInvalidArgument, FaultKind::kOverflow}) {
      KnownFault& f = out.at(static_cast<std::size_t>(k));
      f.text = FaultDescription(k);
      f.json = "{\"kind\":";
      json::AppendQuoted(f.json, FaultKindName(k));
      f.json += ",\"text\":";
      json::AppendQuoted(f.json, f.text);
      f.json += '}';
    }
    return out;
  }();
  return known.at(static_cast<std::size_t>(kind));
}

}  // namespace

void AppendPressResultJson(std::string& out, const Window& window, std::string_view button,
                           std::span<const Field* const> fields,
                           std::span<const std::string_view> texts_after, const Effects& effects) {
  const effect::WriteReport* report = nullptr;
  bool writes = false;
  for (const Effect& e : effects) {
    if (const auto* r = std::get_if<effect::WriteReport>(&e)) {
      report = r;
    } else if (std::holds_alternative<effect::SetOtherField>(e)) {
      writes = true;
    }
  }

  // The pieces serve only the window's own fields in their own order, as the callers pass them.
  const WindowPieces* pieces = PiecesOf(window);
  if (pieces != nullptr &&
      !std::equal(fields.begin(), fields.end(), pieces->fields.begin(), pieces->fields.end())) {
    pieces = nullptr;
  }
  // Room for most lines at once; a long one grows as it is written.
  LineWriter w(out, 1024);
  if (pieces != nullptr) {
    w.Raw(pieces->head);
  } else {
    w.Raw("{\"form\":");
    w.Quoted(window.form);
    w.Raw(",\"button\":");
  }
  w.Quoted(button);
  w.Raw(",\"fields\":{");
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (pieces == nullptr) {
      if (i > 0) w.Char(',');
      w.Quoted(fields[i]->control);
      w.Char(':');
      w.Quoted(texts_after[i]);
    } else if (json::IsPlain(texts_after[i])) {
      w.Raw(pieces->keys[i]);  // with the text's opening quote
      w.Raw(texts_after[i]);
      w.Char('"');
    } else {
      w.Raw(std::string_view(pieces->keys[i]).substr(0, pieces->keys[i].size() - 1));
      w.Quoted(texts_after[i]);
    }
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
    if (const KnownFault& known = Known(fault->kind); fault->text == known.text) {
      w.Raw(known.json);
    } else {
      w.Raw("{\"kind\":");
      w.Quoted(FaultKindName(fault->kind));
      w.Raw(",\"text\":");
      w.Quoted(fault->text);
      w.Char('}');
    }
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
