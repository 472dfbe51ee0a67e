#!/usr/bin/env python3
"""Runs the real program's command line and compares what it prints with expected data.

  run_cases.py PROGRAM cases CASES_FILE DATA_DIR   the table of cases (see cases.txt)
  run_cases.py PROGRAM golden LINES_TSV           `spawnsmith line` for every golden row

A case is a "$ arguments" line (shell words; "< file" feeds standard input), then its expected
standard output ("> " lines, "\\r" standing for a carriage return), standard error ("! " lines)
and exit status ("= N"). $TMP in a case stands for a scratch folder holding files too large
or too odd to commit.
"""
import os
import shlex
import subprocess
import sys
import tempfile

ENV = dict(os.environ, LC_ALL="C.UTF-8")
ENV.pop("DISPLAY", None)
ENV.pop("WAYLAND_DISPLAY", None)
ENV.pop("QT_QPA_PLATFORM", None)


def run(program, args, stdin=None, cwd=None):
    done = subprocess.run([program] + args, stdin=stdin, capture_output=True, cwd=cwd, env=ENV,
                          timeout=60)
    return done.stdout.decode("utf-8", "replace"), done.stderr.decode("utf-8", "replace"), \
        done.returncode


def make_scratch(folder):
    with open(os.path.join(folder, "huge.bin"), "wb") as f:
        f.truncate(2 * 1024 ** 3)  # 2 GB of NUL bytes, sparse
    with open(os.path.join(folder, "longline.txt"), "w") as f:
        f.write("1" * 1_000_000 + "\n1 2 3\n")
    os.mkdir(os.path.join(folder, "folder"))


def read_cases(path):
    cases, case = [], None
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.rstrip("\n")
        if line.startswith("$ "):
            case = {"line": number, "args": line[2:], "out": [], "err": [], "status": 0,
                    "count": None}
            cases.append(case)
        elif line.startswith(">> "):
            case["count"] = int(line[3:])
        elif line.startswith(("> ", "! ")) or line in (">", "!"):
            case["out" if line[0] == ">" else "err"].append(line[2:])
        elif line.startswith("= "):
            case["status"] = int(line[2:])
    return cases


def run_cases(program, cases_file, data_dir):
    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        make_scratch(scratch)
        for case in read_cases(cases_file):
            words = shlex.split(case["args"].replace("$TMP", scratch))
            stdin = None
            if "<" in words:
                at = words.index("<")
                stdin = open(os.path.join(data_dir, words[at + 1]), "rb")
                words = words[:at]
            out, err, status = run(program, words, stdin, data_dir)
            if case["count"] is not None and out.count("\n") == case["count"]:
                out = ""
            expected = ("".join(l.replace("\\r", "\r") + "\n" for l in case["out"]),
                        "".join(l.replace("$TMP", scratch) + "\n" for l in case["err"]),
                        case["status"])
            if (out, err, status) != expected:
                failures += 1
                print(f"{cases_file}:{case['line']}: $ {case['args']}")
                for what, got, want in zip(("stdout", "stderr", "status"), (out, err, status),
                                           expected):
                    if got != want:
                        print(f"  {what} expected {want!r}\n  {what} got      {got!r}")
    return failures


def run_golden(program, lines_tsv):
    failures, rows, lists = 0, 0, {}
    boxes = ["name", "ammo", "x", "y", "z", "alarm", "doorlock", "angle"]
    header = None
    for line in open(lines_tsv, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        cells = line.rstrip("\n").split("\t")
        if header is None:
            header = cells
            continue
        row = dict(zip(header, cells))
        rows += 1
        args = ["line", "--game", row["game"], "--kind", row["kind"], "--row", row["row"]]
        for box in boxes:
            if row[box]:
                args += ["--" + box, row[box]]
        out, err, status = run(program, args)
        want = row["line"].replace("\\r\\n", "\r\n") + "\n"
        # The list shows the row at the position the wizard's list has it.
        key = (row["game"], row["kind"])
        if key not in lists:
            lists[key] = run(program, ["list", "--game", key[0], "--kind", key[1]])[0]
        listed = lists[key].splitlines()
        index = int(row["index"])
        at_index = listed[index].split("\t")[2] if index < len(listed) else None
        if (out, status) != (want, 0) or at_index != row["row"]:
            failures += 1
            print(f"{lines_tsv}: {row['game']} {row['kind']} {row['index']} {row['row']!r}\n"
                  f"  expected {want!r} (row {row['row']!r})\n"
                  f"  got      {out!r} {err!r} status {status} (row {at_index!r})")
    print(f"{rows} golden rows")
    return failures if rows else 1


def main():
    program, mode = sys.argv[1], sys.argv[2]
    failures = run_cases(program, sys.argv[3], sys.argv[4]) if mode == "cases" \
        else run_golden(program, sys.argv[3])
    print(f"{failures} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
