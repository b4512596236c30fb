#!/bin/sh
# Formats a manual page as man would on a UTF-8 terminal, with every groff warning switched on;
# any warning or error fails. Skipped (77) when groff is not installed.
# usage: check-man-page.sh PAGE
set -u
page=$1
if ! command -v groff >/dev/null 2>&1; then
    echo "groff is not installed: skipped"
    exit 77
fi
[ -s "$page" ] || { echo "missing or empty: $page"; exit 1; }
complaints=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1) || { echo "$complaints"; exit 1; }
if [ -n "$complaints" ]; then
    echo "$complaints"
    exit 1
fi
