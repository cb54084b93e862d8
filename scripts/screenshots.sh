#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
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
# The chain: a linked field with its tooltip, and the scour summary with its drawing, also over
# the surveyed example river.
"$tool" "$out" ChainLink ScourSummary ScourSummarySection >/dev/null 2>&1
# The surveyed-section window with a river section, its design level and its rating curve.
section="FormSection:@data/sections/example_river.csv:SplitLeft=182:SplitRight=330:NChannel=0.03"
section+=":SlopeChannel=0.6:NFloodplain=0.05:SlopeFloodplain=0.6:Qp=1733"
"$tool" "$out" "$section:Solve>FormSection_Solve" "FormSection:Rating>FormSection_Rating" >/dev/null 2>&1
# A 1366×768 laptop with a taskbar, at 100 % and at 125 %: what has to fit there.
for scale in 100 125; do
  dpi=$((96 * scale / 100))
  echo "{\"screens\":[{\"name\":\"S\",\"x\":0,\"y\":0,\"width\":1366,\"height\":728,\"logicalDpi\":$dpi,\"dpr\":1}]}" >"$screen"
  mkdir -p "$out/1366x768-$scale"
  QT_QPA_PLATFORM="offscreen:configfile=$screen" \
    "$tool" "$out/1366x768-$scale" Form37:ScrollHalf Form17:ScrollHalf Form19 Form2:Option1:Command1:Command4 >/dev/null 2>&1
  rm -rf "$out/1366x768-$scale/report"
done
rm -rf "$out/report"
# A calculator's book: its first page as PDF, and as Word converted by LibreOffice where installed.
calc=build/dev/src/cli/velmora-calc
[[ -x $calc ]] || cmake --build --preset dev --target velmora-calc
book=$(mktemp -d)
"$calc" --book "$book/form3.pdf" form3 Command1 >/dev/null
pdftoppm -r 80 -f 1 -l 1 -png "$book/form3.pdf" "$book/pdf" && mv "$book/pdf-1.png" "$out/book_form3_pdf.png"
if command -v soffice >/dev/null; then
  "$calc" --book "$book/form3.docx" form3 Command1 >/dev/null
  soffice --headless --convert-to pdf --outdir "$book/word" "$book/form3.docx" >/dev/null 2>&1
  pdftoppm -r 80 -f 1 -l 1 -png "$book/word/form3.pdf" "$book/docx" &&
    mv "$book/docx-1.png" "$out/book_form3_docx.png"
fi
# A whole project's book: the example project with a design water level and foundation bottoms,
# its closing page (the scour summary and the signatures).
python3 - "$book/bridge.velmora" <<'PY'
import json, sys
p = json.load(open("tests/data/project_v1.velmora", encoding="utf-8"))
p["project"].update(designer="某某交通规划设计院", calculated_by="张三", checked_by="李四")
p["tools"]["chain"] = {"summary": {"H": "100", "special_bridge": False,
                                   "foundations": {"form3": "80", "form1.channel": "85"}}}
json.dump(p, open(sys.argv[1], "w", encoding="utf-8"), ensure_ascii=False)
PY
"$calc" --project "$book/bridge.velmora" --book "$book/bridge.pdf" >/dev/null
last=$(pdfinfo "$book/bridge.pdf" | sed -n 's/^Pages: *//p')
pdftoppm -r 80 -f "$last" -l "$last" -png "$book/bridge.pdf" "$book/project" &&
  mv "$book/project-$last.png" "$out/book_project_pdf.png"
rm -rf "$book"
ls "$out" | wc -l
