// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef _WIN32
#include <unistd.h>
#endif

#include <iostream>
#include <string>
#include <vector>

#include "cli/runner.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

namespace {

// Windows hands main() its arguments in the ANSI code page, which cannot hold every Chinese
// text; the wide command line can, and the runner takes UTF-8.
std::vector<std::string> Utf8Arguments() {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  LocalFree(wide);
  return args;
}

}  // namespace
#endif

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
#ifdef _WIN32
  (void)argc;
  (void)argv;
  // The JSON is UTF-8 with LF line ends, the same bytes as on every other system.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const std::vector<std::string> args = Utf8Arguments();
#else
  const std::vector<std::string> args(argv + 1, argv + argc);
#endif
#ifdef _WIN32
  const bool err_is_terminal = _isatty(_fileno(stderr)) != 0;
#else
  const bool err_is_terminal = isatty(STDERR_FILENO) == 1;
#endif
  return velmora::RunCli(args, std::cin, std::cout, std::cerr, err_is_terminal);
}
