#!/bin/sh
# Builds a private MIME database from the package file and checks that shared-mime-info took
# the glob and the text/plain parent from it. update-mime-database exits 0 even on a file it
# cannot parse, so its results are what count.
# usage: check-mime-database.sh PACKAGE_XML WORK_DIR
set -u
xml=$1
work=$2
if ! command -v update-mime-database >/dev/null 2>&1; then
    echo "update-mime-database is not installed: skipped"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work/packages" || exit 1
cp "$xml" "$work/packages/" || exit 1
log=$(update-mime-database "$work" 2>&1)

status=0
expect() {
    if ! grep -qxF "$2" "$work/$1" 2>/dev/null; then
        echo "$work/$1 lacks the line: $2"
        status=1
    fi
}
expect globs2 '50:application/x-lampen-glimmrix:*.lmp:cs' # "x.LMP" is not one
expect subclasses 'application/x-lampen-glimmrix text/plain'
expect generic-icons 'application/x-lampen-glimmrix:text-x-generic'
if [ "$status" -ne 0 ]; then
    echo "update-mime-database said:"
    echo "$log"
fi
exit "$status"
