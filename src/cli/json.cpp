// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json.h"

#include <simdjson.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>

#include "cli/utf8.h"

namespace velmora::json {
namespace {

// A JSON number as RFC 8259 writes it: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view s) {
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i > start;
  };
  if (i < s.size() && s[i] == '-') ++i;
  if (i < s.size() && s[i] == '0') {
    ++i;
  } else if (!digits()) {
    return false;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (!digits()) return false;
  }
  return i == s.size();
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() &&
         (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) {
    s.remove_suffix(1);
  }
  return s;
}

}  // namespace

namespace {

// The bytes a JSON string cannot hold as they are: control characters, the quote, the backslash.
constexpr auto kEscaped = [] {
  std::array<bool, 256> table{};
  for (int c = 0; c < 0x20; ++c) table[static_cast<std::size_t>(c)] = true;
  table['"'] = true;
  table['\\'] = true;
  return table;
}();

void AppendEscape(std::string& out, unsigned char c) {
  static constexpr char kHex[] = "0123456789abcdef";
  switch (c) {
    case '"':
      out.append("\\\"");
      break;
    case '\\':
      out.append("\\\\");
      break;
    case '\n':
      out.append("\\n");
      break;
    case '\r':
      out.append("\\r");
      break;
    case '\t':
      out.append("\\t");
      break;
    default:
      out.append("\\u00");
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0xF]);
  }
}

// The ASCII bytes that pass through as they are.
constexpr auto kPlain = [] {
  std::array<bool, 256> table{};
  for (int c = 0x20; c < 0x80; ++c)
    table[static_cast<std::size_t>(c)] = !kEscaped[static_cast<std::size_t>(c)];
  return table;
}();

// True when the 8 bytes are plain ASCII: none >= 0x80, below 0x20, a quote or a backslash.
bool EightPlain(const unsigned char* p) {
  std::uint64_t v = 0;
  std::memcpy(&v, p, 8);
  return detail::PlainAscii(v);
}

}  // namespace

// Nothing to escape (a control character, a quote, a backslash) and nothing to replace
// (ill-formed UTF-8).
bool detail::IsPlainText(std::string_view text) {
  const char* p = text.data();
  const std::size_t n = text.size();
  std::uint64_t found = 0;  // high bits mark a byte that needs an escape
  std::uint64_t any = 0;    // high bits mark a byte at or above 0x80
  std::size_t i = 0;
#if defined(__SSE2__)
  // Sixteen bytes at a time; the last, partial block is taken as the final 16 bytes of the text.
  if (n >= 16) {
    const __m128i space = _mm_set1_epi8(0x20);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    __m128i bad = _mm_setzero_si128();
    __m128i high = _mm_setzero_si128();
    const auto take = [&](const char* at) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      high = _mm_or_si128(high, v);
      // Signed, the bytes from 0x80 up are negative: below 0x20 but not control characters.
      const __m128i control =
          _mm_andnot_si128(_mm_cmplt_epi8(v, _mm_setzero_si128()), _mm_cmplt_epi8(v, space));
      bad = _mm_or_si128(bad, _mm_or_si128(control, _mm_or_si128(_mm_cmpeq_epi8(v, quote),
                                                                 _mm_cmpeq_epi8(v, backslash))));
    };
    for (; i + 16 <= n; i += 16) take(p + i);
    if (i < n) take(p + n - 16);
    if (_mm_movemask_epi8(bad) != 0) return false;
    return _mm_movemask_epi8(high) == 0 || simdjson::validate_utf8(p, n);
  }
#endif
  // Eight bytes at a time: a special byte makes the text need escapes, any byte at or above 0x80
  // the UTF-8 check.
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const auto take = [&](std::uint64_t v) {
    found |= SpecialBytes(v);
    any |= v;
  };
  const auto load8 = [](const char* at) {
    std::uint64_t v = 0;
    std::memcpy(&v, at, 8);
    return v;
  };
  const auto load4 = [](const char* at) {
    std::uint32_t v = 0;
    std::memcpy(&v, at, 4);
    return std::uint64_t{v};
  };
  // The words cover every byte, some twice; a short text's are put together in registers (bytes
  // stored to memory and read back as a word would stall the load).
  if (n >= 8) {
    for (; i + 8 <= n; i += 8) take(load8(p + i));
    if (i < n) take(load8(p + n - 8));
  } else if (n >= 4) {
    take(load4(p) | load4(p + n - 4) << 32U);
  } else if (n > 0) {
    const auto byte = [&](std::size_t at) {
      return std::uint64_t{static_cast<unsigned char>(p[at])};
    };
    // Three bytes cover a text of one to three; the rest of the word repeats the first.
    take((0x0101010101010101ULL * byte(0) & ~std::uint64_t{0xFFFF00}) | byte(n / 2) << 8U |
         byte(n - 1) << 16U);
  }
  if (found != 0) return false;
  return (any & kHighs) == 0 || simdjson::validate_utf8(p, n);
}

void AppendQuoted(std::string& out, std::string_view text) {
  // The usual case in one piece: the quotes and the text copied at once.
  if (IsPlain(text)) {
    out.push_back('"');
    // An empty view may hold no pointer at all, which memcpy must not be given.
    if (!text.empty()) out.append(text.data(), text.size());
    out.push_back('"');
    return;
  }
  out.push_back('"');
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  const auto* run = p;  // start of the bytes that pass through unchanged
  auto flush = [&] {
    out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
  };
  while (p < end) {
    while (end - p >= 8 && EightPlain(p)) p += 8;
    if (p == end) break;
    const unsigned char c = *p;
    if (kPlain[c]) {
      ++p;
    } else if (c >= 0xE1 && c <= 0xEF && c != 0xED && end - p >= 3 && (p[1] & 0xC0) == 0x80 &&
               (p[2] & 0xC0) == 0x80) {
      p += 3;  // most Chinese text: a three-byte sequence with no special case
    } else if (c >= 0x80) {
      std::size_t bad = 0;
      const std::size_t length = Utf8SequenceLength(p, static_cast<std::size_t>(end - p), bad);
      if (length != 0) {
        p += length;
      } else {
        flush();
        out.append(kReplacementCharacter);
        p += bad;
        run = p;
      }
    } else {
      flush();
      AppendEscape(out, c);
      ++p;
      run = p;
    }
  }
  flush();
  out.push_back('"');
}

std::string Quote(std::string_view text) {
  std::string out;
  AppendQuoted(out, text);
  return out;
}

void Writer::Separate() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (depth_ > 0) {
    const unsigned long long bit = 1ULL << (depth_ - 1);
    if ((written_ & bit) != 0) out_->push_back(',');
    written_ |= bit;
  }
}

Writer& Writer::BeginObject() {
  Separate();
  out_->push_back('{');
  assert(depth_ < 64);
  written_ &= ~(1ULL << depth_);
  ++depth_;
  return *this;
}

Writer& Writer::EndObject() {
  out_->push_back('}');
  --depth_;
  return *this;
}

Writer& Writer::BeginArray() {
  Separate();
  out_->push_back('[');
  assert(depth_ < 64);
  written_ &= ~(1ULL << depth_);
  ++depth_;
  return *this;
}

Writer& Writer::EndArray() {
  out_->push_back(']');
  --depth_;
  return *this;
}

Writer& Writer::Key(std::string_view key) {
  Separate();
  AppendQuoted(*out_, key);
  out_->push_back(':');
  after_key_ = true;
  return *this;
}

Writer& Writer::String(std::string_view value) {
  Separate();
  AppendQuoted(*out_, value);
  return *this;
}

Writer& Writer::Bool(bool value) {
  Separate();
  out_->append(value ? "true" : "false");
  return *this;
}

Writer& Writer::Null() {
  Separate();
  out_->append("null");
  return *this;
}

struct RequestReader::Impl {
  simdjson::ondemand::parser parser;
};

std::size_t RequestReader::Padding() { return simdjson::SIMDJSON_PADDING; }

RequestReader::RequestReader() : impl_(std::make_unique<Impl>()) {}
RequestReader::~RequestReader() = default;

bool RequestReader::Read(const char* line, std::size_t size, std::size_t capacity,
                         RequestView& request, std::string& error) {
  namespace od = simdjson::ondemand;
  request.form = {};
  request.button = {};
  request.inputs.clear();
  auto fail = [&](std::string_view why) {
    error.assign(why);
    return false;
  };
  auto malformed = [&](simdjson::error_code code) {
    error.assign("malformed JSON: ");
    // simdjson finds text after the object when it looks for the object's end.
    error.append(code == simdjson::INCOMPLETE_ARRAY_OR_OBJECT
                     ? "an object or array is not closed, or text follows the object"
                     : simdjson::error_message(code));
    return false;
  };
  od::document doc;
  if (const auto code =
          impl_->parser.iterate(simdjson::padded_string_view(line, size, capacity)).get(doc)) {
    return malformed(code);
  }
  od::object object;
  if (const auto code = doc.get_object().get(object)) {
    return code == simdjson::INCORRECT_TYPE ? fail("not a JSON object") : malformed(code);
  }
  bool has_form = false;
  bool has_button = false;
  for (auto member : object) {
    od::field field;
    std::string_view key;
    if (const auto code = std::move(member).get(field)) return malformed(code);
    if (const auto code = field.unescaped_key().get(key)) return malformed(code);
    od::value value = field.value();
    if (key == "form" || key == "button") {
      std::string_view& target = key == "form" ? request.form : request.button;
      if (value.get_string().get(target) != simdjson::SUCCESS) {
        error.assign(key);
        error.append(" must be a string");
        return false;
      }
      (key == "form" ? has_form : has_button) = true;
    } else if (key == "inputs") {
      od::object inputs;
      if (value.get_object().get(inputs) != simdjson::SUCCESS) {
        return fail("inputs must be an object");
      }
      for (auto input_member : inputs) {
        od::field input;
        std::string_view control;
        od::json_type type{};
        if (const auto code = std::move(input_member).get(input)) return malformed(code);
        if (const auto code = input.unescaped_key().get(control)) return malformed(code);
        od::value input_value = input.value();
        if (const auto code = input_value.type().get(type)) return malformed(code);
        std::string_view text;
        if (type == od::json_type::string) {
          if (const auto code = input_value.get_string().get(text)) return malformed(code);
        } else if (type == od::json_type::number) {
          // A number stands for its text as written: 120 is "120", 1e3 is "1e3".
          text = TrimRight(input_value.raw_json_token());
          if (!IsJsonNumber(text)) return fail("malformed number for " + std::string(control));
        } else {
          error.assign("the value of ");
          error.append(control);
          error.append(" must be a string or a number");
          return false;
        }
        request.inputs.emplace_back(control, text);
      }
    } else {
      error.assign("unknown key \"");
      error.append(key);
      error.append("\"");
      return false;
    }
  }
  // Past the object's end the document has no location left, unless text follows.
  if (doc.current_location().error() != simdjson::OUT_OF_BOUNDS) {
    return fail("trailing text after the object");
  }
  if (!has_form || !has_button) return fail("form and button are required");
  return true;
}

std::optional<PressRequest> ParsePressRequest(std::string_view line, std::string& error) {
  const simdjson::padded_string padded(line);
  RequestReader reader;
  RequestView view;
  if (!reader.Read(padded.data(), padded.size(), padded.size() + RequestReader::Padding(), view,
                   error)) {
    return std::nullopt;
  }
  PressRequest request{std::string(view.form), std::string(view.button), {}};
  for (const auto& [control, text] : view.inputs) request.inputs.emplace_back(control, text);
  return request;
}

}  // namespace velmora::json
