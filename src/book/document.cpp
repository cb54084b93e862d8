// SPDX-License-Identifier: GPL-3.0-or-later
#include "book/document.h"

namespace velmora::book {
namespace {

void Append(Runs& runs, std::string_view text, RunStyle style) {
  if (text.empty()) return;
  if (!runs.empty() && runs.back().style == style && !runs.back().italic) {
    runs.back().text += text;
  } else {
    runs.push_back(Run{std::string(text), style});
  }
}

}  // namespace

Runs Markup(std::string_view text) {
  Runs runs;
  std::string plain;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '_' || text[i + 1] == '^')) {
      plain += text[i + 1];
      i += 2;
      continue;
    }
    if ((c == '_' || c == '^') && i + 1 < text.size()) {
      const RunStyle style = c == '_' ? RunStyle::kSubscript : RunStyle::kSuperscript;
      std::string_view inner;
      if (text[i + 1] == '{') {
        const std::size_t close = text.find('}', i + 2);
        const std::size_t end = close == std::string_view::npos ? text.size() : close;
        inner = text.substr(i + 2, end - (i + 2));
        i = close == std::string_view::npos ? text.size() : close + 1;
      } else {
        // One character, which may be several bytes of UTF-8.
        std::size_t len = 1;
        const auto lead = static_cast<unsigned char>(text[i + 1]);
        if (lead >= 0xF0) {
          len = 4;
        } else if (lead >= 0xE0) {
          len = 3;
        } else if (lead >= 0xC0) {
          len = 2;
        }
        inner = text.substr(i + 1, len);
        i += 1 + len;
      }
      Append(runs, plain, RunStyle::kPlain);
      plain.clear();
      Append(runs, inner, style);
      continue;
    }
    plain += c;
    ++i;
  }
  Append(runs, plain, RunStyle::kPlain);
  return runs;
}

std::string PlainText(const Runs& runs) {
  std::string out;
  for (const Run& run : runs) out += run.text;
  return out;
}

Runs BreakableBetweenTerms(Runs runs) {
  static constexpr std::string_view kZeroWidthSpace = "\u200B";
  for (Run& run : runs) {
    if (run.style != RunStyle::kPlain) continue;
    std::string text;
    for (std::size_t i = 0; i < run.text.size(); ++i) {
      text += run.text[i];
      const std::string_view done(run.text.data(), i + 1);
      if (i + 1 < run.text.size() &&
          (done.ends_with("×") || done.ends_with("+") || done.ends_with("−"))) {
        text += kZeroWidthSpace;
      }
    }
    run.text = std::move(text);
  }
  return runs;
}

}  // namespace velmora::book
