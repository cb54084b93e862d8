#!/usr/bin/env bash
# A PNG of every window as the program draws it, into docs/screenshots/ (run by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
tool=build/dev/tools/velmora-screenshots
[[ -x $tool ]] || { cmake --preset dev >/dev/null && cmake --build --preset dev --target velmora-screenshots; }
screen=$(mktemp)
runtime=$(mktemp -d)
trap 'rm -rf "$screen" "$runtime"' EXIT
# A large virtual screen, so that every table opens at its full size.
echo '{"screens":[{"name":"S","x":0,"y":0,"width":1920,"height":1600,"logicalDpi":96,"dpr":1}]}' >"$screen"
rm -rf "$out"
export QT_QPA_PLATFORM="offscreen:configfile=$screen" XDG_RUNTIME_DIR=$runtime
"$tool" "$out" >/dev/null 2>&1
# The calculators as an engineer leaves them: results computed.
"$tool" "$out" Form2:Option1:Command1 form3:Command1 Form5:Command1 Form19:Command2 >/dev/null 2>&1
# The warning of a report that could not be written, for each reason; as root also the one of an
# account without a home folder.
"$tool" "$out" --write-failures >/dev/null 2>&1
if [[ $(id -u) == 0 ]] && command -v setpriv >/dev/null; then
  chmod 755 "$runtime" && chmod 644 "$screen" && chmod 777 "$out"
  setpriv --reuid=4000123 --regid=4000123 --clear-groups env -u HOME -u XDG_RUNTIME_DIR \
    "$tool" "$out" --write-failures >/dev/null 2>&1 || true
  chmod 755 "$out"
fi
# Projects: the 文件 menu and the project information.
"$tool" "$out" FileMenu ProjectInfo >/dev/null 2>&1
# The chain: a linked field with its tooltip, and the scour summary with its drawing.
"$tool" "$out" ChainLink ScourSummary >/dev/null 2>&1
rm -rf "$out/report"
ls "$out" | wc -l
