// Just enough JSON for the runner: a writer for its output and a reader for --jsonl input.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::json {

/// The text as a JSON string literal, quotes included. UTF-8 passes through unchanged.
std::string Quote(std::string_view text);

/// Builds one JSON object or array in order.
class Writer {
 public:
  Writer& BeginObject();
  Writer& EndObject();
  Writer& BeginArray();
  Writer& EndArray();
  Writer& Key(std::string_view key);
  Writer& String(std::string_view value);
  Writer& Bool(bool value);
  Writer& Null();
  std::string Take() { return std::move(out_); }

 private:
  void Separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool after_key_ = false;
};

/// One --jsonl input line: {"form": ..., "button": ..., "inputs": {CONTROL: TEXT}}.
struct PressRequest {
  std::string form;
  std::string button;
  std::vector<std::pair<std::string, std::string>> inputs;
};

/// Parses a request line; on malformed input returns nothing and says why in `error`.
std::optional<PressRequest> ParsePressRequest(std::string_view line, std::string& error);

}  // namespace velmora::json
