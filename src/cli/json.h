// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's JSON: a writer for its output and a reader (simdjson) for --jsonl input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::json {

/// Appends the text as a JSON string literal, quotes included. Valid UTF-8 passes through
/// unchanged; each ill-formed byte sequence becomes U+FFFD, so the output is always valid JSON.
void AppendQuoted(std::string& out, std::string_view text);

namespace detail {
bool IsPlainText(std::string_view text);
// Of eight bytes at once, the high bit of each that is below 0x20, a quote or a backslash. The
// borrow of a subtraction may mark a byte above a real find, never a word without one; a byte at
// or above 0x80 is not marked.
inline std::uint64_t SpecialBytes(std::uint64_t v) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  const std::uint64_t quote = v ^ (kOnes * '"');
  const std::uint64_t backslash = v ^ (kOnes * '\\');
  return (((v - kOnes * 0x20) & ~v) | ((quote - kOnes) & ~quote) |
          ((backslash - kOnes) & ~backslash)) &
         (kOnes * 0x80);
}
// Eight bytes of plain ASCII: none special, none at or above 0x80.
inline bool PlainAscii(std::uint64_t v) {
  return (SpecialBytes(v) | (v & 0x8080808080808080ULL)) == 0;
}
}  // namespace detail

/// True when AppendQuoted writes the text as it stands between the quotes.
inline bool IsPlain(std::string_view text) {
  // Most texts of a press are short numbers: they are settled here, without a call.
  const char* p = text.data();
  const std::size_t n = text.size();
  if (n >= 4 && n <= 8) {
    std::uint32_t a = 0;
    std::uint32_t b = 0;
    std::memcpy(&a, p, 4);
    std::memcpy(&b, p + n - 4, 4);
    if (detail::PlainAscii(a | std::uint64_t{b} << 32U)) return true;
  }
  return n == 0 || detail::IsPlainText(text);
}

/// The text as a JSON string literal, quotes included (see AppendQuoted).
std::string Quote(std::string_view text);

/// Builds one JSON object or array in order, appending to its own buffer.
class Writer {
 public:
  Writer() = default;
  /// Appends to `out` instead of a buffer of its own; Take() then returns nothing.
  explicit Writer(std::string& out) : out_(&out) {}
  Writer(const Writer&) = delete;  // it may point into itself
  Writer& operator=(const Writer&) = delete;

  Writer& BeginObject();
  Writer& EndObject();
  Writer& BeginArray();
  Writer& EndArray();
  Writer& Key(std::string_view key);
  Writer& String(std::string_view value);
  Writer& Bool(bool value);
  Writer& Null();
  std::string Take() { return std::move(own_); }

 private:
  void Separate();
  std::string own_;
  std::string* out_ = &own_;
  // One bit per open container: something has been written in it. 64 levels is far beyond any
  // output of the runner.
  unsigned long long written_ = 0;
  int depth_ = 0;
  bool after_key_ = false;
};

/// One --jsonl input line: {"form": ..., "button": ..., "inputs": {CONTROL: TEXT}}.
struct PressRequest {
  std::string form;
  std::string button;
  std::vector<std::pair<std::string, std::string>> inputs;
};

/// A request as views into the reader's buffers, valid until its next Read.
struct RequestView {
  std::string_view form;
  std::string_view button;
  std::vector<std::pair<std::string_view, std::string_view>> inputs;
};

/// Reads request lines one after the other, reusing its buffers.
class RequestReader {
 public:
  /// The readable bytes a line must have after its end (`capacity` below counts them).
  static std::size_t Padding();

  RequestReader();
  ~RequestReader();
  RequestReader(const RequestReader&) = delete;
  RequestReader& operator=(const RequestReader&) = delete;

  /// Reads one line whose memory stays readable for `capacity` >= size + Padding() bytes. On
  /// malformed input returns false and says why in `error`.
  bool Read(const char* line, std::size_t size, std::size_t capacity, RequestView& request,
            std::string& error);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

/// Parses a request line; on malformed input returns nothing and says why in `error`.
std::optional<PressRequest> ParsePressRequest(std::string_view line, std::string& error);

}  // namespace velmora::json
