#!/usr/bin/env bash
# The Debian packages as a lab administrator makes and takes them, each
# machine a pristine Debian 12 root (mmdebstrap) with nothing but apt:
#   - the builder: the source archive unpacked, then the README's commands
#     in its order, without a display: `scripts/run srce` gives its
#     screenshot, `scripts/run Kalvera </dev/null` ends at once with its own
#     message and status 1, `scripts/test` passes, `cmake --build build
#     --target package` makes the packages;
#   - lintian finds no error and no warning in them;
#   - a lab machine: `apt-get install ./geometrija_*.deb`, the programs'
#     package alone, brings every library the programs need: srce started in
#     /usr/share/geometrija opens its window and draws, pixel for pixel, the
#     build tree's picture; `man -w srce` finds its page; every file that
#     page names is installed, the users' README with every picture it shows;
#   - there, with libgeometrija-dev installed too, an example builds with
#     find_package and with pkg-config and draws its picture in docs/examples/.
#   check_deb.sh BUILD_DIR      (as root: it makes two chroots; DISPLAY is the
#                                X server the lab machine's windows open on)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
build="$(realpath "$1")"
source_dir="$(realpath "$(dirname "$0")/../..")"
work=$(mktemp -d /tmp/geometrija-deb-XXXXXX)
builder="$work/builder"
lab="$work/lab"
cleanup() {
    local root
    for root in "$builder" "$lab"; do
        umount -l "$root/dev" "$root/proc" 2>/dev/null || true
    done
    # Never into a folder still mounted from the host.
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
fail() { echo "check_deb: $*" >&2; exit 1; }
enter() {  # ROOT: the root's /proc and the host's /dev, as a machine has them
    mount -t proc proc "$1/proc"
    mount --bind /dev "$1/dev"
}
# Runs a shell command in ROOT as a fresh login would: no variable of this
# machine's (no DISPLAY), CI's own kept.
in_root() {  # ROOT COMMAND
    chroot "$1" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
        bash -c "$2"
}

# The source archive, as the build makes it for a machine without git.
cmake --build "$build" --target source_archive >/dev/null
archive=$(ls "$build"/geometrija-*.tar.gz)
name=$(basename "$archive" .tar.gz)

echo "check_deb: the builder, a pristine Debian 12, from $(basename "$archive")"
mmdebstrap --quiet --variant=apt --customize-hook="copy-in $archive /root" bookworm "$builder"
enter "$builder"
start=$(date +%s)
# Each line stamped with when it came, kept in the build folder: how long
# the script went without a word shows there.
stamp() { local line; while IFS= read -r line || [ -n "$line" ]; do echo "$EPOCHREALTIME $line"; done; }
in_root "$builder" "cd /root && tar xzf $name.tar.gz && cd $name && scripts/run srce </dev/null" \
    2>&1 | stamp >"$work/run-srce.log" || { cat "$work/run-srce.log"; fail "scripts/run srce failed"; }
run_seconds=$(($(date +%s) - start))
awk -v t0="$start" '{ printf "%6.1f s %s\n", $1 - t0, substr($0, index($0, " ") + 1) }' \
    "$work/run-srce.log" >"$build/package-run-srce.log"
echo "check_deb: scripts/run srce on a fresh root, $(wc -l <"$work/run-srce.log") lines" \
     "(in $build/package-run-srce.log); the longest time without a line:" \
     "$(awk -v t0="$start" 'NR == 1 { p = t0 } $1 - p > m { m = $1 - p; at = $0 } { p = $1 }
        END { sub(/^[^ ]* /, "", at); printf "%.1f s, before \"%s\"", m, at }' "$work/run-srce.log")"
[ -s "$builder/root/$name/build/srce.png" ] || fail "scripts/run srce gave no screenshot"
[ ! -e "$builder/root/$name/build/tests/test_units" ] || fail "scripts/run srce built the tests"
start=$(date +%s)
status=0
timeout 60 chroot "$builder" env -i PATH=/usr/bin:/bin HOME=/root \
    bash -c "cd /root/$name && scripts/run Kalvera" </dev/null >"$work/run-kalvera.log" 2>&1 || status=$?
kalvera_seconds=$(($(date +%s) - start))
[ "$status" = 1 ] || { cat "$work/run-kalvera.log"; fail "scripts/run Kalvera </dev/null: status $status"; }
grep -qx 'Kalvera: neocekivan kraj standardnog ulaza' "$work/run-kalvera.log" ||
    { cat "$work/run-kalvera.log"; fail "scripts/run Kalvera </dev/null: not the program's message"; }
grep -q '^xshot: ' "$work/run-kalvera.log" && fail "scripts/run Kalvera </dev/null waited for a window"
sed "s/^/  /" "$work/run-kalvera.log" | tail -3
echo "check_deb: scripts/run srce ${run_seconds} s from nothing to its screenshot;" \
     "scripts/run Kalvera </dev/null ${kalvera_seconds} s to its message, status 1"
in_root "$builder" "cd /root/$name && scripts/test </dev/null" >"$work/test.log" 2>&1 ||
    { tail -40 "$work/test.log"; fail "scripts/test failed on the builder"; }
grep -o '[0-9]*% tests passed.*' "$work/test.log" | sed 's/^/check_deb: scripts\/test: /'
in_root "$builder" "cd /root/$name && cmake --build build --target package </dev/null" \
    >"$work/package.log" 2>&1 || { tail -20 "$work/package.log"; fail "the package step failed"; }
made="$builder/root/$name/build"
deb=$(ls "$made"/geometrija_*.deb)
dbgsym=$(ls "$made"/geometrija-dbgsym_*.ddeb)
dev=$(ls "$made"/libgeometrija-dev_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
[ -n "$depends" ] || fail "$(basename "$deb") has no Depends"
echo "check_deb: $(basename "$deb") Depends: $depends"
lintian --fail-on error,warning "$deb" "$dbgsym" "$dev"
cp "$deb" "$dbgsym" "$dev" "$work/"
deb="$work/$(basename "$deb")"
dbgsym="$work/$(basename "$dbgsym")"
dev="$work/$(basename "$dev")"
umount -l "$builder/dev" "$builder/proc"
rm -rf --one-file-system "$builder"

echo "check_deb: a lab machine, a pristine Debian 12 with man-db, and the programs' package alone"
mmdebstrap --quiet --variant=apt --include=man-db --customize-hook="copy-in $deb /tmp" \
    --customize-hook="chroot \"\$1\" apt-get install -y -qq --no-install-recommends /tmp/$(basename "$deb") >/dev/null" \
    bookworm "$lab"
for f in $(program_names all); do
    [ -x "$lab/usr/bin/$f" ] || fail "/usr/bin/$f not installed"
done
# The four pages are one, linked: man -w names the file it reaches.
page=$(chroot "$lab" man -w srce) || fail "man -w srce found no page"
[ "$page" = /usr/share/man/man1/Kalvera.1.gz ] || fail "man -w srce: $page"
# Every file and folder a manual page names is installed with its package,
# and every picture and file the users' README shows or links beside it.
names_installed() {  # PAGE
    local f
    for f in $(grep -o '/usr/[^ ]*' "$1" | sed 's/\\-/-/g; s/[,.;:)]*$//' | sort -u); do
        [ -e "$lab$f" ] || fail "$(basename "$1") names $f, which is not installed"
    done
}
names_installed "$source_dir/docs/man/Kalvera.1"
doc="$lab/usr/share/doc/geometrija"
for f in $(grep -o '](\([^)#:]*\)' "$doc/README.md" | sed 's/^](//' | sort -u); do
    [ -e "$doc/$f" ] || fail "the users' README shows $f, which is not installed"
done
echo "check_deb: /usr/share/doc/geometrija holds" \
     "$(cd "$doc" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | paste -sd ' ')"
enter "$lab"
# The lab machine's programs open their windows on this machine's display,
# reached through its abstract socket: the root holds no X server, no
# library of its own beyond what the package brought.
screenshot_run "$build/tools/xshot" / "$work/installed.png" "" \
    chroot "$lab" env -i DISPLAY="$DISPLAY" sh -c 'cd /usr/share/geometrija && exec srce'
screenshot_run "$build/tools/xshot" "$lab/usr/share/geometrija" "$work/built.png" "" "$build/bin/srce"
cmp "$work/installed.png" "$work/built.png"
echo "check_deb: srce from the programs' package alone draws the build tree's picture"

# An exercise built there as a student builds it: the examples with CMake
# (find_package), and one with pkg-config alone.
cp "$dev" "$lab/tmp/"
in_root "$lab" "set -e
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends /tmp/$(basename "$dev") g++ make cmake \
        pkg-config >/dev/null
    cp -r /usr/share/doc/libgeometrija-dev/examples /tmp/examples
    cmake -S /tmp/examples -B /tmp/examples/build >/dev/null
    cmake --build /tmp/examples/build >/dev/null
    g++ -o /tmp/bisectors-pc /tmp/examples/bisectors.cpp \$(pkg-config --cflags --libs geometrija)
    g++ -o /tmp/bisectors-static /tmp/examples/bisectors.cpp \$(pkg-config --static --cflags --libs geometrija)"
names_installed "$source_dir/docs/man/geometrija-provera.1"
# The system's own folders and no Windows define on a Debian compile line.
flags=$(in_root "$lab" "pkg-config --cflags --libs geometrija")
if grep -qE -- '-I/usr/include|-L/usr/lib|FREEGLUT_STATIC' <<<"$flags"; then
    fail "pkg-config geometrija: $flags"
fi
# A teacher's check of the skeleton, with the checker and the vectors the
# -dev package installs.
graded=$(in_root "$lab" "geometrija-provera /usr/share/geometrija/geometrija-vektori.txt \
    /tmp/examples/build/skeleton | tail -1") || fail "geometrija-provera on the skeleton: $graded"
all=$(grep -vc '^#' "$source_dir/provera/geometrija-vektori.txt")
[ "$graded" = "slaze se: $all od $all slucajeva" ] || fail "geometrija-provera: $graded"
for example in /tmp/examples/build/bisectors /tmp/bisectors-pc /tmp/bisectors-static; do
    screenshot_run "$build/tools/xshot" / "$work/example.png" "" \
        chroot "$lab" env -i DISPLAY="$DISPLAY" "$example"
    cmp "$work/example.png" "$source_dir/docs/examples/bisectors.png"
done
echo "check_deb: $(basename "$deb") $(stat -c %s "$deb") bytes, debug symbols" \
     "$(stat -c %s "$dbgsym") bytes, $(basename "$dev") $(stat -c %s "$dev") bytes;" \
     "lintian clean; an example built on the lab machine by find_package, by" \
     "pkg-config and by pkg-config --static draws docs/examples/bisectors.png;" \
     "geometrija-provera on the installed skeleton: $graded;" \
     "pkg-config geometrija: $flags"
