#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and runs srce
# from there, on the data file the package installed, under the X server in
# DISPLAY: its window must look exactly like the one of the build tree's
# srce, and closing it must end the program with status 0.
#   check_deb.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
build="$(realpath "$1")"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/geometrija_*.deb)
dpkg-deb -x "$deb" "$root"
for f in usr/bin/Kalvera usr/bin/tovrin1 usr/bin/srce usr/bin/viroda usr/share/geometrija/srce.txt \
         usr/share/doc/geometrija/README.md; do
    [ -e "$root/$f" ] || { echo "check_deb: $f missing from the package" >&2; exit 1; }
done

mkdir "$root/work"
cp "$root/usr/share/geometrija/srce.txt" "$root/work/"
screenshot_run "$build/tools/xshot" "$root/work" "$root/packaged.png" "$root/usr/bin/srce"
screenshot_run "$build/tools/xshot" "$root/work" "$root/built.png" "$build/bin/srce"
cmp "$root/packaged.png" "$root/built.png"
echo "check_deb: $(basename "$deb"), $(stat -c %s "$deb") bytes, runs from its own root"
