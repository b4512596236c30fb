#!/bin/sh
# lampen-analyse --json over several groups, one of them missing and one a folder, must still
# print one valid JSON document (checked by Python's own parser) that holds the readable groups
# in the order given; a group of 200 circuits with 512 solutions each spans many output blocks.
# usage: check-json.sh PROGRAM WORK_DIR
set -u
program=$1
work=$2
if ! command -v python3 >/dev/null 2>&1; then
    echo "python3 is not installed: skipped"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work/ordner" || exit 1
# The second line holds a quote, a backslash, a control byte, a NUL, ä, a byte that is no UTF-8,
# an overlong form and a surrogate.
printf '2*110*011*001*\r\n1*"\\\001\000\303\244\377\300\257\355\240\200*\r\n' >"$work/klein.lmp"
i=0
while [ $i -lt 200 ]; do
    printf '9*1111111111*1111111111*1111111111*1111111111*1111111111*1111111111*1111111111*1111111111*1111111111*1111111111*\r\n'
    i=$((i + 1))
done >"$work/gross.lmp"

"$program" --json "$work/klein.lmp" "$work/fehlt.lmp" "$work/gross.lmp" "$work/ordner" --builtin \
    >"$work/out.json"
status=$?
if [ $status -ne 1 ]; then
    echo "exit status $status, expected 1 (a file was unreadable)"
    exit 1
fi
python3 -m json.tool "$work/out.json" >/dev/null || { echo "not valid JSON"; exit 1; }
exec python3 - "$work/out.json" "$work/klein.lmp" "$work/gross.lmp" Voreinstellung.lmp <<'PY'
import json, sys
files = json.load(open(sys.argv[1], encoding="utf-8"))["files"]
read = [f["file"] for f in files if "circuits" in f]
counts = [len(f["circuits"]) for f in files if "circuits" in f]
solutions = {len(c["fullTarget"]["solutions"]) for f in files if f["file"] == sys.argv[3]
             for c in f["circuits"]}
nul = "\u0000" in files[0]["circuits"][1]["code"]  # the line goes on after a NUL
ok = read == sys.argv[2:] and counts == [2, 200, 19] and solutions == {512} and nul
print("groups read:", read, counts, "solutions per big circuit:", solutions)
sys.exit(0 if ok else 1)
PY
