#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs two builds of velmora-calc over the same presses and requires byte-identical output.

    compare-runner.py REFERENCE CANDIDATE...

REFERENCE is the Linux program; CANDIDATE is a command line, e.g. `wine velmora-calc.exe`.
The presses come from the reference's --list: every button of every window with its default
texts, then with every input set to texts that reach the faults and the reader's corners, and
every option of a window with options. --list, every reference table as CSV, single presses
with Chinese and blank-laden arguments (through the command line, not --jsonl) and a project
under a Chinese name are compared too. Prints 'N passed, N failed' and exits non-zero on any difference.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

# Texts that drive the computations into their faults and the number reader into its corners.
EDGE_TEXTS = ["0", "-1", "1e400", "1e-400", "abc", " 1 2.5e1 ", "1,5", "１２", "45米"]


def run(command, args, stdin=b""):
    done = subprocess.run(command + args, input=stdin, capture_output=True, timeout=600)
    return done.returncode, done.stdout


def press_requests(windows):
    for window in windows:
        inputs = [f["control"] for f in window["fields"] if f["role"] == "input"]
        options = [o["control"] for o in window["options"]] or [None]
        for button in window["buttons"]:
            for option in options:
                base = {option: "1"} if option else {}
                yield {"form": window["form"], "button": button["control"], "inputs": base}
                for text in EDGE_TEXTS:
                    request_inputs = dict(base)
                    request_inputs.update({control: text for control in inputs})
                    yield {"form": window["form"], "button": button["control"],
                           "inputs": request_inputs}


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    reference = [sys.argv[1]]
    candidate = sys.argv[2:]
    status, listing = run(reference, ["--list"])
    if status != 0:
        print("the reference's --list failed", file=sys.stderr)
        return 2
    windows = [json.loads(line) for line in listing.decode("utf-8").splitlines()]

    checks = [("--list", ["--list"], b"")]
    requests = list(press_requests(windows))
    jsonl = "".join(json.dumps(r, ensure_ascii=False) + "\n" for r in requests).encode("utf-8")
    checks.append((f"--jsonl ({len(requests)} presses)", ["--jsonl"], jsonl))
    for window in windows:
        if run(reference, ["--table", window["form"]])[0] == 0:
            checks.append((f"--table {window['form']}", ["--table", window["form"]], b""))
    for window in windows:
        inputs = [f["control"] for f in window["fields"] if f["role"] == "input"]
        for button in window["buttons"][:1]:
            args = [window["form"], button["control"]]
            args += [f"{control}={text}" for control, text in zip(inputs, ["４５米", " 3 ", "7d1"])]
            checks.append((" ".join(args), args, b""))
    checks.append(("unknown form", ["Form99", "Command1"], b""))
    # A project under a Chinese name, recalculated (Wine reads the absolute path on drive Z:).
    folder = tempfile.mkdtemp(prefix="velmora-工程-")
    project = os.path.join(folder, "桥梁 工程.velmora")
    source = os.path.join(os.path.dirname(__file__), "..", "tests", "data", "project_v1.velmora")
    if os.path.exists(source):
        shutil.copy(source, project)
        checks.append(("--project under a Chinese name", ["--project", project], b""))

    passed = failed = 0
    for name, args, stdin in checks:
        expected = run(reference, args, stdin)
        actual = run(candidate, args, stdin)
        if expected == actual:
            passed += 1
            continue
        failed += 1
        print(f"DIFFERS: {name}: exit {expected[0]} vs {actual[0]}", file=sys.stderr)
        for a, b in zip(expected[1].splitlines(), actual[1].splitlines()):
            if a != b:
                print(f"  linux:   {a[:300]!r}\n  windows: {b[:300]!r}", file=sys.stderr)
                break
    shutil.rmtree(folder, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
