#!/bin/sh
# Installs the desktop-integration files into an empty prefix, checks that each expected file
# arrived, and lets AppStream check the tree as a whole (desktop file found by the metainfo's
# launchable, icon present). Skipped (77) after the file checks when appstreamcli is missing.
# usage: check-install-tree.sh CMAKE BUILD_DIR PREFIX RELATIVE_FILE...
set -u
cmake=$1
build=$2
prefix=$3
shift 3
rm -rf "$prefix"
"$cmake" --install "$build" --component lampen_data --prefix "$prefix" >/dev/null || exit 1

status=0
for file in "$@"; do
    if [ ! -s "$prefix/$file" ]; then
        echo "not installed: $file"
        status=1
    fi
done
[ "$status" -eq 0 ] || exit 1

if ! command -v appstreamcli >/dev/null 2>&1; then
    echo "appstreamcli is not installed: tree check skipped"
    exit 77
fi
exec appstreamcli validate-tree --no-net --strict "$prefix"
