#!/bin/sh
# Runs a program without any display (no DISPLAY, no WAYLAND_DISPLAY, no Qt platform chosen):
# --help and --version must need none. Checks the exit status, the first line of the stream the
# answer belongs on, and that the other stream stays empty.
# usage: check-option.sh STATUS FIRST_LINE PROGRAM [ARGUMENTS...]
#        STATUS 0 expects FIRST_LINE on standard output, any other on standard error.
set -u
expected=$1
first=$2
shift 2
out=$(mktemp) && err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" </dev/null >"$out" 2>"$err"
status=$?
if [ "$expected" -eq 0 ]; then answer=$out quiet=$err; else answer=$err quiet=$out; fi

failed=0
[ "$status" -eq "$expected" ] || { echo "exit status $status, expected $expected"; failed=1; }
line=$(head -n 1 "$answer")
[ "$line" = "$first" ] || { echo "first line: '$line', expected '$first'"; failed=1; }
[ -s "$quiet" ] && { echo "unexpected output on the other stream:"; cat "$quiet"; failed=1; }
if [ "$failed" -ne 0 ]; then
    echo "--- standard output"; cat "$out"; echo "--- standard error"; cat "$err"
fi
exit "$failed"
