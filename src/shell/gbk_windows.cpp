// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/gbk_windows.h"

#include <windows.h>

namespace velmora {
namespace {

constexpr UINT kGbk = 936;

std::wstring Wide(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), length, wide.data(), size);
  return wide;
}

std::string Narrow(UINT code_page, const std::wstring& wide) {
  if (wide.empty()) return {};
  const int length = static_cast<int>(wide.size());
  // No look-alike for a character GBK lacks: it shows as "?", as it would in any GBK editor.
  const DWORD flags = code_page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int size =
      WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(code_page, flags, wide.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::string GbkLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += Narrow(kGbk, Wide(CP_UTF8, line));
    bytes += "\r\n";
  }
  return bytes;
}

std::string Utf8FromGbk(std::string_view gbk) { return Narrow(CP_UTF8, Wide(kGbk, gbk)); }

}  // namespace velmora
