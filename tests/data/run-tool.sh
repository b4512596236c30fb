#!/bin/sh
# Runs a validator, or reports the test as skipped (77) when the validator is not installed.
# usage: run-tool.sh TOOL [ARGUMENTS...]
tool=$1
shift
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipped"
    exit 77
fi
exec "$tool" "$@"
