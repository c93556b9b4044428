# Shared by the project's scripts: installing what is missing, starting a
# private X server.  Sourced, not run.

# The Debian packages that building, testing, running and packaging need
# (CPack's Debian generator calls file and dpkg-shlibdeps).
GEOMETRIJA_PACKAGES=(
    cmake g++ make pkg-config
    libgtest-dev libbenchmark-dev
    freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev
    xvfb xauth strace
    file dpkg-dev
)

# The programs' names, from the build's one list (cmake/programs.cmake):
# fixed, the fixed-file programs; all, Kalvera first.  Needs cmake.
GEOMETRIJA_LIB_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
program_names() {  # fixed|all
    cmake -DGEOMETRIJA_LIST="$1" -P "$GEOMETRIJA_LIB_DIR/../cmake/programs.cmake"
}
# The library's examples, from their one list (examples/examples.cmake).
example_names() {
    cmake -P "$GEOMETRIJA_LIB_DIR/../examples/examples.cmake"
}

# A step's heading, with the time it starts.
banner() { echo; echo "=== $* ($(date +%T))"; }

# Installs the packages named (default: all of the above) that are missing,
# through apt-get as root or through sudo.
ensure_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -eq 0 ] && wanted=("${GEOMETRIJA_PACKAGES[@]}")
    local missing=()
    local p
    for p in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "needs root to install: ${missing[*]}" >&2; return 1; }
        sudo="sudo"
    fi
    echo "installing ${#missing[@]} Debian packages and what they need: ${missing[*]}"
    echo "  fetching the package lists"
    $sudo apt-get update -qq 2>&1 | apt_progress
    # Each package as it is unpacked and set up, a line every 25 fetched,
    # and a line whenever apt has said nothing for 5 s: on a fresh machine
    # this is the longest step, and it is never silent for long.
    { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q -o Dpkg::Use-Pty=0 \
          --no-install-recommends "${missing[@]}" 2>&1 || true; } | apt_progress
    for p in "${missing[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" ||
            { echo "could not install $p" >&2; return 1; }
    done
}

# Reads apt-get install's output and says, in a line each, how far it is:
# packages fetched (every 25th), each package unpacked and set up (of how
# many), apt's errors, and that apt is still working after 5 s of silence.
apt_progress() {
    local line pending="" total="" got=0 unpacked=0 set=0 rest status
    while :; do
        status=0
        IFS= read -r -t 5 line || status=$?
        if [ "$status" -gt 128 ]; then
            # What came of a line so far stays for the rest of it.
            pending+="$line"
            echo "  apt is still working (at ${SECONDS} s)"
            continue
        fi
        line="$pending$line"
        pending=""
        [ "$status" -eq 0 ] || [ -n "$line" ] || break
        case "$line" in
            Get:*)
                got=$((got + 1))
                [ $((got % 25)) -ne 0 ] || echo "  fetched $got packages" ;;
            *" newly installed, "*)
                rest="${line#* upgraded, }"
                total="/${rest%% newly installed*}" ;;
            "Unpacking "*)
                unpacked=$((unpacked + 1))
                rest="${line#Unpacking }"
                echo "  unpacking $unpacked$total: ${rest%% *}" ;;
            "Setting up "*)
                set=$((set + 1))
                rest="${line#Setting up }"
                echo "  set up $set$total: ${rest%% *}" ;;
            "E: "* | "W: "*) echo "$line" ;;
        esac
        [ "$status" -eq 0 ] || break
    done
    [ $((got + set)) -eq 0 ] || echo "  fetched $got, set up $set packages"
}

# Starts Xvfb on a free display with a screen large enough for the 1024 x 700
# window at (100, 50) and for the tests' larger sizes; exports DISPLAY and
# stops the server when the calling script exits.
start_xvfb() {
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill "${XVFB_PID:-}" 2>/dev/null || true' EXIT
    local i
    for i in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.05
    done
    if [ ! -s "$fdfile" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
    rm -f "$fdfile"
}

# Runs COMMAND (a program and its arguments, an emulator or chroot in front
# of it included) in DIR with INPUT on its standard input (with -, the
# caller's own standard input), waits for its
# window, saves it to OUT.png through XSHOT and closes it.  Fails when no
# window came or the program did not then end with status 0; a program that
# ends before its window ends the wait at once, with its own status (1 when
# that was 0).  SHOT_TIMEOUT (default 60) is how many seconds the window may
# take.
screenshot_run() {  # XSHOT DIR OUT.png INPUT COMMAND...
    local xshot="$1" dir="$2" out="$3" input="$4"
    shift 4
    if [ "$input" = - ]; then
        (cd "$dir" && exec "$@") <&0 &
    else
        (cd "$dir" && printf '%s' "$input" | "$@") &
    fi
    local pid=$!
    "$xshot" --timeout "${SHOT_TIMEOUT:-60}" --close "$out" &
    local shot=$! first="" status=0
    wait -n -p first "$pid" "$shot" || status=$?
    if [ "$first" = "$shot" ]; then
        if [ "$status" -ne 0 ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            return 1
        fi
        status=0
        wait "$pid" || status=$?
        [ "$status" -eq 0 ] || echo "screenshot_run: $* ended with status $status after its window" >&2
        return "$status"
    fi
    # The program ended first.  With an error it never showed a window (or
    # lost it): the wait for one ends now.  With status 0 it may have ended
    # as xshot closed its window, and xshot's own status tells.
    if [ "$status" -ne 0 ]; then
        kill "$shot" 2>/dev/null || true
        wait "$shot" 2>/dev/null || true
        [ -n "${SHOT_QUIET:-}" ] || echo "screenshot_run: $* ended with status $status before its window" >&2
        return "$status"
    fi
    wait "$shot" || return 1
}

# screenshot_run, and once more when it fails: an X server was seen to refuse
# a connection opened just after another closed.
screenshot_retry() {  # as screenshot_run
    screenshot_run "$@" && return 0
    echo "screenshot_run: once more: ${*:5}" >&2
    sleep 1
    screenshot_run "$@"
}

# Each fixed-file program's window drawn by the Linux build's program and by
# another build's (COMMAND... in front of it: an emulator, wine), with both
# of Mesa's software rasterisers, into one X server: the pictures must be
# the same, pixel for pixel.  Kept in SHOTS as PROGRAM-DRIVER-linux.png and
# PROGRAM-DRIVER-LABEL.png.
same_pictures() {  # SHOTS LABEL PROGRAM_DIR SUFFIX COMMAND...
    local shots="$1" label="$2" dir="$3" suffix="$4" program driver
    shift 4
    mkdir -p "$shots"
    for program in $(program_names fixed); do
        for driver in llvmpipe softpipe; do
            GALLIUM_DRIVER=$driver screenshot_retry build/tools/xshot data \
                "$shots/$program-$driver-linux.png" "" "$PWD/build/bin/$program"
            GALLIUM_DRIVER=$driver screenshot_retry build/tools/xshot data \
                "$shots/$program-$driver-$label.png" "" "$@" "$dir/$program$suffix"
            cmp "$shots/$program-$driver-linux.png" "$shots/$program-$driver-$label.png"
            echo "$label: $program with $driver draws the Linux picture"
        done
    done
}

# The project's files that match the patterns (as git ls-files takes them):
# from git in a checkout, else found in the tree, build folders left out, so
# that the scripts also run in an unpacked source archive.
source_files() {  # PATTERN...
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files "$@"
        return
    fi
    local p matches=()
    for p in "$@"; do matches+=(-o -path "./$p"); done
    find . \( -path './build*' -o -path './.git' \) -prune -o \( -false "${matches[@]}" \) \
        -type f -print | sed 's|^\./||' | LC_ALL=C sort
}

# The project's version, as CMakeLists.txt's project() gives it.
project_version() {
    sed -n 's/^project(geometrija VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt
}

# The time the files are dated with in a package: SOURCE_DATE_EPOCH, else the
# last commit's, else (outside a checkout) the newest source file's.
source_date() {
    if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        echo "$SOURCE_DATE_EPOCH"
    elif git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git log -1 --format=%ct
    else
        source_files '*.cpp' '*.h' CMakeLists.txt | xargs stat -c %Y | sort -n | tail -1
    fi
}
