#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Velmora and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
