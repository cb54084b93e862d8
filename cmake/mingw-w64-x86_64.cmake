# SPDX-License-Identifier: GPL-3.0-or-later
# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads, for std::thread and
# std::mutex). Used both for the static Qt and for Velmora itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMORA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_PREFIX}-windres)
set(CMAKE_AR ${VELMORA_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELMORA_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

# Only the MinGW sysroot (and whatever a caller adds, such as the static Qt) may be searched for
# libraries, headers and packages; otherwise the host's zlib, freetype and fontconfig are found
# and the build fails on glibc headers. Programs (moc, rcc, ...) still come from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the cross-built test programs for try_run and ctest.
find_program(VELMORA_WINE NAMES wine64 wine)
if(VELMORA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE})
endif()
