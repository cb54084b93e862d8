// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/utf8.h"

namespace velmora {

std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t n, std::size_t& bad) {
  const unsigned char lead = p[0];
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    bad = 1;
    return 0;
  }
  std::size_t i = 1;
  for (; i < length && i < n; ++i) {
    const unsigned char c = p[i];
    const bool fits = i == 1 ? (c >= low && c <= high) : (c >= 0x80 && c <= 0xBF);
    if (!fits) break;
  }
  if (i == length) return length;
  bad = i;
  return 0;
}

void AppendValidUtf8(std::string& out, std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  const auto* run = p;
  while (p < end) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    std::size_t bad = 0;
    const std::size_t length = Utf8SequenceLength(p, static_cast<std::size_t>(end - p), bad);
    if (length != 0) {
      p += length;
      continue;
    }
    out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
    out.append(kReplacementCharacter);
    p += bad;
    run = p;
  }
  out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
}

}  // namespace velmora
