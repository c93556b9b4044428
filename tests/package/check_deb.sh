#!/usr/bin/env bash
# The Debian packages as a lab administrator would take them:
#   - lintian finds no error and no warning in geometrija, its debug symbols
#     and libgeometrija-dev;
#   - on a pristine Debian 12 root (mmdebstrap), `apt-get install` of both
#     .deb files resolves their Depends from the archive alone;
#   - there, an example of libgeometrija-dev builds with find_package and
#     with pkg-config, and draws the picture in docs/examples/;
#   - there, srce run in /usr/share/geometrija under that root's own Xvfb
#     draws a window identical, pixel for pixel, to the build tree's srce
#     on the X server in DISPLAY, and `man -w srce` finds its page.
#   check_deb.sh BUILD_DIR      (as root: it makes a chroot)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
build="$(realpath "$1")"
work=$(mktemp -d /tmp/geometrija-deb-XXXXXX)
root="$work/root"
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    umount "$root/dev" "$root/proc" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && rm -f geometrija*.deb geometrija*.ddeb libgeometrija*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/geometrija_*.deb)
dev=$(ls "$build"/libgeometrija-dev_*.deb)
lintian --fail-on error,warning "$deb" "$build"/geometrija-dbgsym_*.ddeb "$dev"

mmdebstrap --quiet --variant=apt --include=xvfb,man-db,g++,make,cmake,pkg-config \
    --customize-hook="copy-in $deb $dev /tmp" \
    --customize-hook="chroot \"\$1\" apt-get install -y -qq --no-install-recommends /tmp/$(basename "$deb") /tmp/$(basename "$dev") >/dev/null" \
    bookworm "$root"
for f in Kalvera tovrin1 srce viroda; do
    [ -x "$root/usr/bin/$f" ] || { echo "check_deb: /usr/bin/$f not installed" >&2; exit 1; }
done
# The four pages are one, linked: man -w names the file it reaches.
page=$(chroot "$root" man -w srce) || { echo "check_deb: man -w srce found no page" >&2; exit 1; }
[ "$page" = /usr/share/man/man1/Kalvera.1.gz ] || { echo "check_deb: man -w srce: $page" >&2; exit 1; }

# An exercise built there as a student builds it: the examples with CMake
# (find_package), and one with pkg-config alone.
chroot "$root" sh -ec 'cp -r /usr/share/doc/libgeometrija-dev/examples /tmp/examples
    cmake -S /tmp/examples -B /tmp/examples/build >/dev/null
    cmake --build /tmp/examples/build >/dev/null
    g++ -o /tmp/bisectors-pc /tmp/examples/bisectors.cpp $(pkg-config --cflags --libs geometrija)'

# The root's Xvfb, its display reached from here through its abstract socket.
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
chroot "$root" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
inside=":$(tr -d '[:space:]' <"$work/display")"

DISPLAY="$inside" screenshot_run "$build/tools/xshot" / "$work/installed.png" "" \
    chroot "$root" sh -c 'cd /usr/share/geometrija && exec srce'
screenshot_run "$build/tools/xshot" "$root/usr/share/geometrija" "$work/built.png" "" "$build/bin/srce"
cmp "$work/installed.png" "$work/built.png"
for example in /tmp/examples/build/bisectors /tmp/bisectors-pc; do
    DISPLAY="$inside" screenshot_run "$build/tools/xshot" / "$work/example.png" "" \
        chroot "$root" "$example"
    cmp "$work/example.png" "$(dirname "$0")/../../docs/examples/bisectors.png"
done
echo "check_deb: $(basename "$deb") $(stat -c %s "$deb") bytes, debug symbols" \
     "$(stat -c %s "$build"/geometrija-dbgsym_*.ddeb) bytes, $(basename "$dev")" \
     "$(stat -c %s "$dev") bytes; lintian clean; installed on a pristine Debian 12 with" \
     "their Depends; srce draws the build tree's picture; an example built there by" \
     "find_package and by pkg-config draws docs/examples/bisectors.png"
