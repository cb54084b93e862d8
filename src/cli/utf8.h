// SPDX-License-Identifier: GPL-3.0-or-later
// What the runner prints is valid UTF-8 whatever bytes it was given.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

/// The length of the well-formed UTF-8 sequence that starts at `p` (its first byte >= 0x80), or
/// 0 when it is ill-formed; then `bad` is the length of its maximal subpart, which one U+FFFD
/// replaces (the practice of the Unicode standard).
std::size_t Utf8SequenceLength(const unsigned char* p, std::size_t n, std::size_t& bad);

/// U+FFFD, which stands for each ill-formed sequence.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

/// Appends the text with each ill-formed sequence replaced by U+FFFD.
void AppendValidUtf8(std::string& out, std::string_view text);

}  // namespace velmora
