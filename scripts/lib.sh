# Shared by the project's scripts: installing what is missing, starting a
# private X server.  Sourced, not run.

# The Debian packages that building, testing and running need.
GEOMETRIJA_PACKAGES=(
    cmake g++ make pkg-config
    libgtest-dev libbenchmark-dev
    freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev
    xvfb xauth strace
)

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
    echo "installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
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
# of it included) in DIR with INPUT on its standard input, waits for its
# window, saves it to OUT.png through XSHOT and closes it.  Fails when no
# window came or the program did not then end with status 0.
# SHOT_TIMEOUT (default 60) is how many seconds the window may take.
screenshot_run() {  # XSHOT DIR OUT.png INPUT COMMAND...
    local xshot="$1" dir="$2" out="$3" input="$4"
    shift 4
    (cd "$dir" && printf '%s' "$input" | "$@") &
    local pid=$!
    if ! "$xshot" --timeout "${SHOT_TIMEOUT:-60}" --close "$out"; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        return 1
    fi
    wait "$pid"
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
