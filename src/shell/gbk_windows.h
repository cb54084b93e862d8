// SPDX-License-Identifier: GPL-3.0-or-later
// GBK through Windows' own conversion (code page 936, the ANSI code page of Chinese Windows): a
// Qt for Windows built without ICU has no GBK codec. Free of Qt, so that the tests of the core
// can check it under Wine.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

/// The report's bytes: each UTF-8 line in GBK, followed by CR LF.
std::string GbkLines(const std::vector<std::string>& lines);

/// The UTF-8 text of GBK bytes.
std::string Utf8FromGbk(std::string_view gbk);

}  // namespace velmora
