#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Velmora needs to build, test and run on Debian 12.
set -euo pipefail
SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi

packages=(
  build-essential cmake
  qt6-base-dev libgl-dev
  qt6-translations-l10n
  libboost-dev
  qt6-charts-dev libqt6opengl6-dev  # Qt Charts' CMake config needs Qt6OpenGL's, which it does not pull in
  libgtest-dev
  nlohmann-json3-dev
  libsimdjson-dev libbenchmark-dev
  libzip-dev pkg-config
  poppler-utils
  fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming fonts-dejavu-core
  locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  $SUDO apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Locales with a decimal comma and the Chinese one, so that the tests can show that number
# reading and writing never depend on the locale.
for l in "zh_CN.UTF-8 UTF-8" "de_DE.UTF-8 UTF-8"; do
  if ! grep -q "^$l" /etc/locale.gen 2>/dev/null; then
    echo "$l" | $SUDO tee -a /etc/locale.gen >/dev/null
    regen=1
  fi
done
if [[ -n ${regen:-} ]]; then $SUDO locale-gen >/dev/null; fi
