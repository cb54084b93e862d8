#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Velmora for 64-bit Windows on Debian 12, tests it under Wine and packages it
# (NSIS installer and portable zip).
#
#   scripts/build-windows.sh              everything: Qt (once, cached), program, Wine tests, packages
#   scripts/build-windows.sh --qt-only    only the static Qt for MinGW (the long part)
#   scripts/build-windows.sh --no-tests   skip the Wine tests
#
# The static Qt is built from Debian's own sources (apt-get source, through a private deb-src list)
# into VELMORA_QT_CACHE (default ~/.cache/velmora/qt-6.4.2-mingw-static) and reused on later runs.
# VELMORA_WIN_JOBS sets the build parallelism (default: all cores).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache_root=${VELMORA_CACHE:-$HOME/.cache/velmora}
qt_version=6.4.2
qt_prefix=${VELMORA_QT_CACHE:-$cache_root/qt-$qt_version-mingw-static}
jobs=${VELMORA_WIN_JOBS:-$(nproc)}
build_dir=${VELMORA_WIN_BUILD:-$repo/build/windows}
out_dir=$repo/build/windows-dist

qt_only=0
run_tests=1
for arg in "$@"; do
  case $arg in
    --qt-only) qt_only=1 ;;
    --no-tests) run_tests=0 ;;
    -h | --help)
      sed -n '2,12p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
      exit 0
      ;;
    *)
      echo "build-windows.sh: unknown option $arg" >&2
      exit 2
      ;;
  esac
done

SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
step() { printf '\n== %s (%s)\n' "$*" "$(date -u +%H:%M:%S)"; }

# --- 1. Packages ------------------------------------------------------------------------------
install_packages() {
  local packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64 binutils-mingw-w64-x86-64
    dpkg-dev cmake ninja-build perl python3 ccache
    qt6-base-dev qt6-base-dev-tools libboost-dev nlohmann-json3-dev libsimdjson-dev
    wine wine64 nsis zip xvfb xauth xdotool x11-utils imagemagick librsvg2-bin
    fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming googletest
  )
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [[ ${#missing[@]} -gt 0 ]]; then
    step "Installing ${missing[*]}"
    $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
      --no-install-recommends "${missing[@]}"
  fi
}

# --- 2. Qt sources through a private deb-src list -----------------------------------------------
# apt-get reads this list and keeps its indexes under the cache, so the system's sources stay as
# they are.
apt_private() {
  local dir=$cache_root/apt
  mkdir -p "$dir/lists/partial" "$dir/archives/partial"
  cat >"$dir/sources.list" <<'LIST'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
LIST
  apt-get -o Dir::Etc::SourceList="$dir/sources.list" -o Dir::Etc::SourceParts=/dev/null \
    -o Dir::State::Lists="$dir/lists" -o Dir::Cache="$dir" -o Dir::Cache::archives="$dir/archives" \
    -o APT::Sandbox::User=root "$@"
}

fetch_source() { # package [version] -> prints the unpacked source folder
  local package=$1 version=${2:-$qt_version} src=$cache_root/src
  mkdir -p "$src"
  local found
  found=$(find "$src" -maxdepth 1 -type d -name "$package-$version*" | head -n1)
  if [[ -z $found ]]; then
    # The newest source first; a mirror that lacks an update's files still has the release's.
    (cd "$src" && { apt_private source -qq "$package" >&2 ||
      apt_private source -qq "$package/bookworm" >&2; })
    found=$(find "$src" -maxdepth 1 -type d -name "$package-$version*" | head -n1)
  fi
  [[ -n $found ]] || {
    echo "no $version source of $package" >&2
    exit 1
  }
  echo "$found"
}

launcher_args=()
if command -v ccache >/dev/null; then
  launcher_args=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# --- 3. The static Qt for MinGW ----------------------------------------------------------------
# Qt Charts only when the program uses it: its source is a package of its own.
uses_charts() { grep -rqsE 'COMPONENTS[^)]*Charts' "$repo/src" "$repo/tools"; }

build_qt() {
  local base_stamp=$qt_prefix/.velmora-qtbase charts_stamp=$qt_prefix/.velmora-qtcharts
  if [[ -f $base_stamp ]] && { [[ -f $charts_stamp ]] || ! uses_charts; }; then
    echo "Static Qt for Windows: $qt_prefix (cached)"
    return
  fi
  step "Static Qt $qt_version for Windows into $qt_prefix"
  apt_private update -qq
  mkdir -p "$qt_prefix"
  # Qt's own toolchain file refers to ours for good, so it lives beside the Qt it built.
  local toolchain=$cache_root/mingw-w64-x86_64.cmake
  cp "$repo/cmake/mingw-w64-x86_64.cmake" "$toolchain"

  if [[ ! -f $base_stamp ]]; then
    local base base_build=$cache_root/build-qtbase
    base=$(fetch_source qt6-base)
    mkdir -p "$base_build"
    if [[ ! -f $base_build/build.ninja ]]; then
      (cd "$base_build" && "$base/configure" -prefix "$qt_prefix" \
        -xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32- \
        -qt-host-path /usr -static -release -nomake examples -nomake tests \
        -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-vulkan -no-feature-tabletevent \
        -no-feature-network -no-feature-xml \
        -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre \
        -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${launcher_args[@]}")
    fi
    cmake --build "$base_build" --parallel "$jobs"
    cmake --install "$base_build"
    for module in Widgets PrintSupport; do
      [[ -f $qt_prefix/lib/cmake/Qt6$module/Qt6${module}Config.cmake ]] || {
        echo "the static Qt lacks Qt $module" >&2
        exit 1
      }
    done
    touch "$base_stamp"
  fi

  if uses_charts && [[ ! -f $charts_stamp ]]; then
    local charts charts_build=$cache_root/build-qtcharts
    # Some mirrors lack this source; the program then builds without its plots (the section
    # window keeps its tables), and says so below.
    if ! charts=$(fetch_source qt6-charts); then
      echo "warning: no source of qt6-charts $qt_version: Velmora for Windows without plots" >&2
      return
    fi
    "$qt_prefix/bin/qt-cmake" -S "$charts" -B "$charts_build" -G Ninja \
      -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DCMAKE_BUILD_TYPE=Release "${launcher_args[@]}"
    cmake --build "$charts_build" --parallel "$jobs"
    cmake --install "$charts_build"
    touch "$charts_stamp"
  fi
}

# --- 3b. zlib and libzip for the Word book ---------------------------------------------------------
# MinGW-w64 has no packages of them: built static from Debian's sources, once, into the cache.
deps_prefix=$cache_root/mingw-deps
build_deps() {
  local stamp=$deps_prefix/.velmora-deps
  if [[ -f $stamp ]]; then
    echo "zlib and libzip for Windows: $deps_prefix (cached)"
    return
  fi
  step "zlib and libzip for Windows into $deps_prefix"
  [[ -d $cache_root/apt/lists ]] || apt_private update -qq
  local toolchain=$repo/cmake/mingw-w64-x86_64.cmake zlib libzip
  zlib=$(fetch_source zlib 1.2)
  libzip=$(fetch_source libzip 1.)
  cmake -S "$zlib" -B "$cache_root/build-zlib" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$deps_prefix" \
    "${launcher_args[@]}" >/dev/null
  cmake --build "$cache_root/build-zlib" --parallel "$jobs" --target zlibstatic
  mkdir -p "$deps_prefix/lib" "$deps_prefix/include"
  cp "$cache_root/build-zlib/libzlibstatic.a" "$deps_prefix/lib/libz.a"
  cp "$zlib/zlib.h" "$cache_root/build-zlib/zconf.h" "$deps_prefix/include/"
  # Only deflate is needed; no crypto, compressors or tools.
  cmake -S "$libzip" -B "$cache_root/build-libzip" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$deps_prefix" \
    -DCMAKE_FIND_ROOT_PATH="$deps_prefix" -DZLIB_ROOT="$deps_prefix" \
    -DZLIB_LIBRARY="$deps_prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$deps_prefix/include" \
    -DBUILD_SHARED_LIBS=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
    -DENABLE_WINDOWS_CRYPTO=OFF -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF \
    -DBUILD_DOC=OFF "${launcher_args[@]}" >/dev/null
  cmake --build "$cache_root/build-libzip" --parallel "$jobs"
  cmake --install "$cache_root/build-libzip" >/dev/null
  [[ -f $deps_prefix/lib/libzip.a ]] || {
    echo "libzip for Windows was not built" >&2
    exit 1
  }
  touch "$stamp"
}

# --- 4. Velmora for Windows, and the Linux build to compare it with ------------------------------
version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")

build_program() {
  step "Velmora $version for Windows in $build_dir"
  # cmake/windows.cmake hands Boost and nlohmann-json (headers only) to the cross build, and
  # builds simdjson from the source of the version the host has.
  local simdjson_version simdjson
  simdjson_version=$(dpkg-query -W -f='${Version}' libsimdjson-dev | sed 's/-[^-]*$//')
  [[ -n $(find "$cache_root/src" -maxdepth 1 -name "simdjson-$simdjson_version*") ]] ||
    apt_private update -qq
  simdjson=$(fetch_source simdjson "$simdjson_version")
  "$qt_prefix/bin/qt-cmake" -S "$repo" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVELMORA_SIMDJSON_SOURCE="$simdjson" -DVELMORA_MINGW_DEPS="$deps_prefix" \
    "${launcher_args[@]}" >/dev/null
  cmake --build "$build_dir" --parallel "$jobs"

  step "Velmora for Linux in $host_dir (the reference for the comparisons)"
  cmake -S "$repo" -B "$host_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_TESTS=OFF \
    "${launcher_args[@]}" >/dev/null
  cmake --build "$host_dir" --parallel "$jobs" --target velmora-calc velmora-screenshots
}

# --- 5. Tests on Windows' terms, under Wine -------------------------------------------------------
export WINEPREFIX=${WINEPREFIX:-$cache_root/wine} WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# One virtual screen for every Wine test: Qt's Windows platform needs a display.
start_display() {
  local n=99
  while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
  display_pid=$!
  trap 'kill $display_pid 2>/dev/null || true; wineserver -k 2>/dev/null || true' EXIT
  export DISPLAY=":$n"
  sleep 2
}

prepare_wine() {
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    step "Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
  fi
  # A Windows without Chinese fonts draws boxes: give Wine the ones Debian has.
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  mkdir -p "$fonts"
  find /usr/share/fonts/opentype/noto /usr/share/fonts/truetype/arphic -name '*.tt[cf]' \
    \( -name 'NotoSansCJK-Regular*' -o -name 'NotoSerifCJK-Regular*' -o -name 'uming*' \
    -o -name 'ukai*' \) -exec cp -n {} "$fonts/" \; 2>/dev/null || true
}

failures=0
check() { # name command...: runs a check, counts a failure without stopping
  local name=$1
  shift
  if "$@"; then
    echo "ok: $name"
  else
    echo "FAILED: $name"
    failures=$((failures + 1))
  fi
}

core_tests() {
  local status=0 exe output code
  while IFS= read -r exe; do
    local args=(--gtest_brief=1)
    [[ $(basename "$exe") == press_property.exe ]] && args=(--seconds 10 --seed 20261209)
    code=0
    output=$(wine "$exe" "${args[@]}" 2>&1) || code=$?
    printf -- '-- %s: exit %d\n%s\n' "$(basename "$exe")" "$code" "$(tail -n 3 <<<"$output")"
    [[ $code -eq 0 ]] || status=1
  done < <(find "$build_dir/tests" -name '*.exe' | sort)
  return $status
}

runner_json() {
  python3 "$repo/scripts/compare-runner.py" "$host_dir/src/cli/velmora-calc" \
    wine "$build_dir/src/cli/velmora-calc.exe"
}

# The report as the shell writes it after an accepted trial, into a folder with Chinese in its
# path, on Linux and under Wine: the same bytes, GBK with CR LF.
report_bytes() {
  local work=$test_dir/报告
  rm -rf "$work" && mkdir -p "$work/linux" "$work/windows"
  QT_QPA_PLATFORM=offscreen "$host_dir/tools/velmora-screenshots" "$work/linux" \
    Form2:Option1:Command1 >/dev/null 2>&1
  wine "$build_dir/tools/velmora-screenshots.exe" "$(winepath -w "$work/windows")" \
    Form2:Option1:Command1 >/dev/null 2>&1
  local linux=$work/linux/report/设计水位估算.txt windows=$work/windows/report/设计水位估算.txt
  [[ -s $linux ]] || { echo "no report from the Linux build" >&2; return 1; }
  [[ -s $windows ]] || { echo "no report under Wine" >&2; return 1; }
  cmp "$linux" "$windows" || return 1
  iconv -f GBK -t UTF-8 "$windows" >/dev/null || return 1
  # Every line ends with CR LF, and no LF stands alone.
  [[ $(grep -c $'\r$' "$windows") -eq $(wc -l <"$windows") ]]
}

# velmora.exe as a user starts it, on a virtual screen; the main window and a calculator with
# its results go to docs/screenshots/windows-*.png.
screenshots() {
  local shots=$repo/docs/screenshots
  rm -f "$test_dir/main.png" "$test_dir/form3_Command1.png"
  wine "$build_dir/src/app/velmora.exe" &
  local program=$!
  local id=""
  for _ in $(seq 60); do
    sleep 1
    id=$(xdotool search --onlyvisible --name '.' 2>/dev/null | tail -n 1) || true
    [[ -n $id ]] && break
  done
  sleep 3
  import -window root "$test_dir/main.png"
  kill "$program" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wine "$build_dir/tools/velmora-screenshots.exe" "$(winepath -w "$test_dir")" form3:Command1 \
    >/dev/null 2>&1
  [[ -n $id && -s $test_dir/main.png && -s $test_dir/form3_Command1.png ]] || return 1
  # The virtual screen is black around the window.
  convert "$test_dir/main.png" -trim +repage "$shots/windows-main.png"
  cp "$test_dir/form3_Command1.png" "$shots/windows-form3.png"
  echo "screenshots: $shots/windows-main.png $shots/windows-form3.png"
}

# --- 6. Installer and portable zip ---------------------------------------------------------------
package() {
  step "Installer and portable zip in $out_dir"
  local stage=$out_dir/Velmora-$version
  rm -rf "$out_dir" && mkdir -p "$stage"
  for exe in velmora velmora-calc; do
    local built=$build_dir/src/app/$exe.exe
    [[ $exe == velmora-calc ]] && built=$build_dir/src/cli/$exe.exe
    x86_64-w64-mingw32-strip -o "$stage/$exe.exe" "$built"
  done
  cp "$build_dir/velmora.ico" "$out_dir/velmora.ico"
  local nsis_defines=(-DVERSION="$version" -DBINDIR="$stage" -DOUTFILE="$installer")
  # Double-clicking a project opens it, once the program has projects.
  if grep -rqs 'QStringLiteral(".velmora")' "$repo/src/shell"; then
    nsis_defines+=(-DASSOCIATE_PROJECTS)
  fi
  cp "$build_dir/velmora.ico" "$stage/velmora.ico"
  makensis -V2 "${nsis_defines[@]}" "$repo/packaging/windows/velmora.nsi"
  rm "$stage/velmora.ico"
  (cd "$out_dir" && zip -qr "$zip" "Velmora-$version")
}

# The installer installs and uninstalls silently under Wine, leaving the user's files alone.
installer_roundtrip() {
  local program_files
  program_files=$(winepath -u 'C:\Program Files\Velmora')
  rm -rf "$program_files"
  wine "$installer" /S || return 1
  wineserver -w
  [[ -f $program_files/velmora.exe && -f $program_files/velmora-calc.exe ]] || return 1
  local kept=$program_files/用户的文件.txt
  echo kept >"$kept"
  wine "$program_files/uninstall.exe" /S _?="$(winepath -w "$program_files")" || return 1
  wineserver -w
  [[ ! -f $program_files/velmora.exe && -f $kept ]] || return 1
  rm -rf "$program_files"
}

install_packages
build_qt
build_deps
if [[ $qt_only -eq 1 ]]; then exit 0; fi

host_dir=$repo/build/windows-host
test_dir=$repo/build/windows-test
installer=$out_dir/velmora-setup-$version-win64.exe
zip=$out_dir/velmora-$version-win64-portable.zip
mkdir -p "$test_dir"

build_program
if [[ $run_tests -eq 1 ]]; then
  step "Tests under Wine"
  start_display
  prepare_wine
  check "core test programs (.exe)" core_tests
  check "velmora-calc.exe: the same JSON as the Linux build" runner_json
  check "report under Wine: GBK, CR LF, the Linux build's bytes" report_bytes
  check "velmora.exe starts; screenshots" screenshots
fi
package
if [[ $run_tests -eq 1 ]]; then
  check "installer installs and uninstalls" installer_roundtrip
  if [[ $failures -gt 0 ]]; then
    echo "$failures Wine check(s) failed" >&2
    exit 1
  fi
fi
echo
echo "Installer:    $installer"
echo "Portable zip: $zip"
