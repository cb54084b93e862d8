#include "cli/json.h"

#include <array>
#include <cstdio>

namespace velmora::json {

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          std::array<char, 8> buffer{};
          std::snprintf(buffer.data(), buffer.size(), "\\u%04x", c);
          out += buffer.data();
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
  return out;
}

void Writer::Separate() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_.push_back(',');
    first_.back() = false;
  }
}

Writer& Writer::BeginObject() {
  Separate();
  out_.push_back('{');
  first_.push_back(true);
  return *this;
}

Writer& Writer::EndObject() {
  out_.push_back('}');
  first_.pop_back();
  return *this;
}

Writer& Writer::BeginArray() {
  Separate();
  out_.push_back('[');
  first_.push_back(true);
  return *this;
}

Writer& Writer::EndArray() {
  out_.push_back(']');
  first_.pop_back();
  return *this;
}

Writer& Writer::Key(std::string_view key) {
  Separate();
  out_ += Quote(key);
  out_.push_back(':');
  after_key_ = true;
  return *this;
}

Writer& Writer::String(std::string_view value) {
  Separate();
  out_ += Quote(value);
  return *this;
}

Writer& Writer::Bool(bool value) {
  Separate();
  out_ += value ? "true" : "false";
  return *this;
}

Writer& Writer::Null() {
  Separate();
  out_ += "null";
  return *this;
}

namespace {

// A small recursive-descent reader over one line. Only what a request needs is kept: strings,
// and the raw text of numbers and literals where a text is expected.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool Fail(std::string why) {
    if (error_.empty()) error_ = std::move(why) + " at offset " + std::to_string(pos_);
    return false;
  }
  const std::string& error() const { return error_; }

  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\n')) {
      ++pos_;
    }
  }

  bool Consume(char c) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool AtEnd() {
    SkipSpace();
    return pos_ == text_.size();
  }

  bool ReadString(std::string& out) {
    SkipSpace();
    if (pos_ >= text_.size() || text_[pos_] != '"') return Fail("expected a string");
    ++pos_;
    out.clear();
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (pos_ >= text_.size()) break;
      const char e = text_[pos_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out.push_back(e);
          break;
        case 'b':
          out.push_back('\b');
          break;
        case 'f':
          out.push_back('\f');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'u':
          if (!ReadEscapedCodePoint(out)) return false;
          break;
        default:
          return Fail("bad escape in a string");
      }
    }
    return Fail("unterminated string");
  }

  // A string, or the literal text of a number, true, false or null, as a field text.
  bool ReadText(std::string& out) {
    SkipSpace();
    if (pos_ < text_.size() && text_[pos_] == '"') return ReadString(out);
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '}' && text_[pos_] != ']' &&
           text_[pos_] != ' ') {
      ++pos_;
    }
    out = std::string(text_.substr(start, pos_ - start));
    if (out == "true") out = "1";
    if (out == "false" || out == "null") out = out == "false" ? "0" : "";
    if (out.empty() && text_.substr(start, 4) != "null") return Fail("expected a value");
    return true;
  }

 private:
  bool ReadHex4(unsigned& value) {
    if (pos_ + 4 > text_.size()) return Fail("short \\u escape");
    value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      value <<= 4;
      if (c >= '0' && c <= '9') {
        value |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        value |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        value |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        return Fail("bad \\u escape");
      }
    }
    return true;
  }

  bool ReadEscapedCodePoint(std::string& out) {
    unsigned cp = 0;
    if (!ReadHex4(cp)) return false;
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      unsigned low = 0;
      if (text_.substr(pos_, 2) != "\\u") return Fail("lone surrogate");
      pos_ += 2;
      if (!ReadHex4(low) || low < 0xDC00 || low > 0xDFFF) return Fail("bad surrogate pair");
      cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
      return Fail("lone surrogate");
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    return true;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::string error_;
};

}  // namespace

std::optional<PressRequest> ParsePressRequest(std::string_view line, std::string& error) {
  Reader r(line);
  PressRequest request;
  bool has_form = false;
  bool has_button = false;
  auto fail = [&](std::string why) -> std::optional<PressRequest> {
    r.Fail(std::move(why));
    error = r.error();
    return std::nullopt;
  };
  if (!r.Consume('{')) return fail("expected an object");
  if (!r.Consume('}')) {
    do {
      std::string key;
      if (!r.ReadString(key)) return fail("expected a key");
      if (!r.Consume(':')) return fail("expected ':'");
      if (key == "form") {
        if (!r.ReadString(request.form)) return fail("form must be a string");
        has_form = true;
      } else if (key == "button") {
        if (!r.ReadString(request.button)) return fail("button must be a string");
        has_button = true;
      } else if (key == "inputs") {
        if (!r.Consume('{')) return fail("inputs must be an object");
        if (!r.Consume('}')) {
          do {
            std::string control;
            std::string text;
            if (!r.ReadString(control)) return fail("expected a control name");
            if (!r.Consume(':')) return fail("expected ':'");
            if (!r.ReadText(text)) return fail("expected a field text");
            request.inputs.emplace_back(std::move(control), std::move(text));
          } while (r.Consume(','));
          if (!r.Consume('}')) return fail("expected '}' after inputs");
        }
      } else {
        return fail("unknown key \"" + key + "\"");
      }
    } while (r.Consume(','));
    if (!r.Consume('}')) return fail("expected '}'");
  }
  if (!r.AtEnd()) return fail("trailing text");
  if (!has_form || !has_button) return fail("form and button are required");
  return request;
}

}  // namespace velmora::json
