#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-format and clang-tidy over the sources; needs a configured dev build (compile commands).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run -Werror "${files[@]}"
echo "clang-format: ${#files[@]} files clean"

mapfile -t sources < <(git ls-files 'src/*.cpp' | sed "s|^|$PWD/|")
status=0
output=$(run-clang-tidy -quiet -p build/dev -j 2 "${sources[@]}" 2>&1) || status=$?
if [[ $status -ne 0 ]]; then
  echo "$output" | grep -E 'warning:|error:' -A3
  echo "clang-tidy: findings above"
  exit 1
fi
echo "clang-tidy: ${#sources[@]} sources clean"
