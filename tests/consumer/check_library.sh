# The installed library as students meet it, sourced by scripts/check's
# library step (its jobs and helpers in scope): a copied install prefix that
# names no build folder; the examples by find_package drawing their pictures;
# circumcircles' circle count on every point file; pkg-config, a -ffast-math
# consumer, readPoints against the golden scenes and the programs' messages,
# a shared library loaded by dlopen, COMPONENTS, add_subdirectory and
# FetchContent.
local work prefix pc e via
work=$(mktemp -d /tmp/geometrija-library-XXXXXX)
# An install prefix copied elsewhere still works: nothing in it, the
# static libraries' debug information included, may name the build
# machine's folders.
cmake --install build --prefix "$work/installed" --component dev >/dev/null
mv "$work/installed" "$work/prefix"
prefix="$work/prefix"
if grep -rl -e "$PWD" -e "$work/installed" "$prefix"; then
    echo "library: the installed files above name the build machine's folders" >&2
    return 1
fi
pc="$prefix/$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' build/CMakeCache.txt)/pkgconfig"
start_xvfb
# The examples as a project of their own against the prefix; each window
# is its picture in docs/examples/.
cmake -S examples -B "$work/examples" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/examples" -j"$jobs" >/dev/null
for e in $(example_names); do
    screenshot_run build/tools/xshot "$work/examples" "$work/$e.png" "" "./$e" >/dev/null
    cmp "$work/$e.png" "docs/examples/$e.png"
done
echo "library: the examples built by find_package draw docs/examples/"
# circumcircles draws one circle for each triangle the triangulation
# accepts, on every point file of the project.
local file counts
for file in data/*.txt docs/limits/*.txt; do
    counts=$(screenshot_run build/tools/xshot "$work/examples" "$work/c.png" "" \
        ./circumcircles "$PWD/$file")
    echo "$counts" >"$work/counts-$(basename "$file")"
    [[ "$counts" =~ ^([0-9]+)\ triangles,\ ([0-9]+)\ circles$ ]] &&
        [ "${BASH_REMATCH[1]}" = "${BASH_REMATCH[2]}" ] ||
        { echo "library: circumcircles on $file: $counts" >&2; return 1; }
    echo "library: circumcircles on $file: $counts"
done
# A scene the camera cannot show gets the programs' warning, once,
# under the program's own name; the window opens all the same.
printf '3\n600 600\n601 600\n600 601\n' >"$work/daleko.txt"
screenshot_run build/tools/xshot "$work/examples" "$work/c.png" "" \
    ./circumcircles "$work/daleko.txt" 2>"$work/warning.txt" >/dev/null
[ "$(grep -c '^circumcircles: ' "$work/warning.txt")" = 1 ] && [ "$(wc -l <"$work/warning.txt")" = 1 ] ||
    { cat "$work/warning.txt"; echo "library: no single warning for a picture that shows nothing" >&2; return 1; }
echo "library: startGraphics warns once: $(cat "$work/warning.txt")"
# Without CMake: pkg-config, as a Makefile or a one-line build uses it.
# shellcheck disable=SC2046
g++ -o "$work/bisectors-pc" examples/bisectors.cpp \
    $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija)
screenshot_run build/tools/xshot "$work" "$work/bisectors-pc.png" "" "$work/bisectors-pc"
cmp "$work/bisectors-pc.png" docs/examples/bisectors.png
echo "library: bisectors built by pkg-config alone draws the same"
# The toolkit alone needs no OpenGL, and a consumer's own flags change
# no result: plain and -O3 -march=native -ffast-math give the same bits.
# shellcheck disable=SC2046
g++ -O2 -o "$work/plain" tests/consumer/toolkit_results.cpp \
    $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija-toolkit)
# shellcheck disable=SC2046
g++ -O3 -march=native -ffast-math -o "$work/fast" tests/consumer/toolkit_results.cpp \
    $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija-toolkit)
if ldd "$work/fast" | grep -E 'libGL|libglut|libX11'; then
    echo "library: the toolkit alone links OpenGL" >&2
    return 1
fi
"$work/plain" >"$work/plain.txt"
"$work/fast" >"$work/fast.txt"
cmp "$work/plain.txt" "$work/fast.txt"
echo "library: -O3 -march=native -ffast-math: $(wc -l <"$work/plain.txt") results, subnormal" \
     "ones included, bit for bit the same"
# A student's global object uses the scene before main and after it, its
# file linked first, with either compiler.
local compiler expected
expected=$'at start (1024, 700); 1 points, 1 segments; box (1, 2) to (5, 6)\nafter main: 1 points'
for compiler in g++ clang++; do
    # shellcheck disable=SC2046
    $compiler -o "$work/global" tests/consumer/global_scene.cpp \
        $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija-toolkit)
    [ "$("$work/global")" = "$expected" ] || { "$work/global"; echo "library: $compiler: the scene before main" >&2; return 1; }
done
echo "library: a global object's constructor and destructor use the scene (g++, clang++)"
# A student's file hard on the toolkit, linked first: a global of priority
# 101 uses the scene, leaves the processor rounding upward and flushing
# subnormals, and checks the callback's state; the skeleton then answers
# every test vector in that state, bit for bit.
for compiler in g++ clang++; do
    # shellcheck disable=SC2046
    $compiler -O2 -ffast-math -o "$work/hard" tests/consumer/caller_state.cpp \
        examples/provera/skeleton.cpp $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija-toolkit)
    build/tools/geometrija-provera provera/geometrija-vektori.txt "$work/hard" >"$work/hard.txt" ||
        { cat "$work/hard.txt"; echo "library: $compiler: the toolkit in the caller's state" >&2; return 1; }
done
echo "library: upward rounding, flush-to-zero, the callback and a global of priority 101 (g++, clang++)"
# pkg-config from a prefix whose path holds a space or a letter outside
# ASCII: its output escapes them for a shell to read again, as make does
# with a recipe, and as eval does on a command line.
local moved
for moved in "$work/pre fix" "$work/đorđe/prefix"; do
    mkdir -p "$(dirname "$moved")"
    cp -r "$prefix" "$moved"
    printf 'tk: %s\n\tg++ -o $@ $< $(shell pkg-config --cflags --libs geometrija-toolkit)\n' \
        "$PWD/tests/consumer/global_scene.cpp" >"$work/Makefile"
    PKG_CONFIG_PATH="${pc/"$prefix"/"$moved"}" make -s -C "$work" -f Makefile tk
    [ "$("$work/tk")" = "$expected" ] || { echo "library: make from '$moved'" >&2; return 1; }
    rm -f "$work/tk"
    (export PKG_CONFIG_PATH="${pc/"$prefix"/"$moved"}"
     eval "g++ -o '$work/tk' tests/consumer/global_scene.cpp $(pkg-config --cflags --libs geometrija-toolkit)")
    [ "$("$work/tk")" = "$expected" ] || { echo "library: eval from '$moved'" >&2; return 1; }
    rm -rf "$moved" "$work/tk"
done
echo "library: pkg-config from a prefix in 'pre fix' and in 'đorđe', by make and by eval"
# The toolkit's point-file reader reads as the programs read. Each golden
# input gives the points of its golden scene, bit for bit; a file that a
# fixed-file program refuses gets, under that program's name, its very
# line on standard error, and status 1.
# shellcheck disable=SC2046
g++ -o "$work/read_points" tests/consumer/read_points.cpp \
    $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija-toolkit)
local golden folder
for file in data/*.txt docs/limits/*.txt tests/golden/inputs/*.txt; do
    folder=$(basename "$(dirname "$file")")
    golden="tests/golden/$folder/$(basename "$file" .txt).scene"
    "$work/read_points" vjezba "$file" | sort >"$work/read.txt"
    awk '/^segments /{exit} NR > 1 {print $1, $2}' "$golden" | sort |
        cmp - "$work/read.txt" || { echo "library: readPoints on $file: not the points of $golden" >&2; return 1; }
done
echo "library: readPoints gives the golden scenes' points"
local program bad row said wrote status bin="$PWD/build/bin"
program=$(program_names fixed | cut -d' ' -f1)
bad="$work/bad"
for row in '2\n1 2\n3 x\n' '1\n. 1\n' '1\n1 -\n' '1\n1.2.3 1\n' '3\n1 2\n' '\xff\xfe3\x00' missing folder; do
    rm -rf "$bad" && mkdir "$bad"
    case "$row" in
        missing) ;;
        folder) mkdir "$bad/$program.txt" ;;
        *) # shellcheck disable=SC2059
           printf "$row" >"$bad/$program.txt" ;;
    esac
    status=0
    (cd "$bad" && exec timeout 20 "$bin/$program") >/dev/null 2>"$work/said.txt" || status=$?
    [ "$status" = 1 ] || { echo "library: $program on '$row': status $status" >&2; return 1; }
    status=0
    (cd "$bad" && exec "$work/read_points" "$program" "$program.txt") 2>"$work/wrote.txt" || status=$?
    said=$(cat "$work/said.txt")
    wrote=$(cat "$work/wrote.txt")
    [ "$status" = 1 ] && [ "$said" = "$wrote" ] ||
        { echo "library: on '$row' $program said '$said', readPoints (status $status) '$wrote'" >&2; return 1; }
    echo "library: readPoints as $program: $wrote"
done
# The static toolkit linked into a shared library, which a program that
# links no Geometrija loads with dlopen: the triangles of each data file,
# as circumcircles counts them.  Every object of both installed static
# libraries links into a shared object.
# shellcheck disable=SC2046
g++ -shared -fPIC -o "$work/plugin.so" tests/consumer/plugin.cpp \
    $(PKG_CONFIG_PATH="$pc" pkg-config --cflags --libs geometrija-toolkit)
g++ -o "$work/load_plugin" tests/consumer/load_plugin.cpp -ldl
for file in data/*.txt; do
    [ "$("$work/load_plugin" "$work/plugin.so" "$file")" = "$(sed 's/,.*//' "$work/counts-$(basename "$file")")" ] ||
        { echo "library: the plug-in on $file: $("$work/load_plugin" "$work/plugin.so" "$file")" >&2; return 1; }
done
g++ -shared -o "$work/whole.so" -Wl,--whole-archive "${pc%/pkgconfig}"/libgeometrija_*.a \
    -Wl,--no-whole-archive
echo "library: the static libraries link into a shared library; loaded with dlopen, it triangulates as circumcircles does"
# The same Geometrija:: targets as a package, a subdirectory and
# FetchContent.  The student's target compiles with its own -O3
# -ffast-math and none of the project's options, and gives the plain
# build's results all the same.
local line option
for via in package subdirectory fetchcontent; do
    cmake -S tests/consumer -B "$work/$via" -DGEOMETRIJA_VIA=$via -DGEOMETRIJA_SOURCE="$PWD" \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON --no-warn-unused-cli \
        "$werror" >/dev/null
    cmake --build "$work/$via" -j"$jobs" --target toolkit_results >/dev/null
    line=$(grep '"command".*toolkit_results\.cpp' "$work/$via/compile_commands.json")
    for option in -ffp-contract=off -fno-fast-math -fno-tree-vectorize -Wall -Wextra -Wpedantic \
        -Werror -fsanitize -ffile-prefix-map; do
        if grep -q -- "$option" <<<"$line"; then
            echo "library: reached as $via, the student's compile line has $option: $line" >&2
            return 1
        fi
    done
    grep -q -- "-ffast-math" <<<"$line" || { echo "library: $via: -ffast-math lost: $line" >&2; return 1; }
    "$work/$via/toolkit_results" | cmp - "$work/plain.txt"
    echo "library: reached as $via, the student's own flags, the same results"
done
# find_package's components: the toolkit alone needs no freeglut, and
# the window without it says, in Geometrija's words, what it needs.
mkdir -p "$work/components"
printf '%s\n' 'cmake_minimum_required(VERSION 3.16)' 'project(components LANGUAGES CXX)' \
    'find_package(Geometrija 1.0 REQUIRED COMPONENTS ${WANT})' >"$work/components/CMakeLists.txt"
cmake -S "$work/components" -B "$work/components/toolkit" -DCMAKE_PREFIX_PATH="$prefix" \
    -DWANT=toolkit -DCMAKE_DISABLE_FIND_PACKAGE_GLUT=ON >/dev/null
if cmake -S "$work/components" -B "$work/components/window" -DCMAKE_PREFIX_PATH="$prefix" \
    -DWANT=window -DCMAKE_DISABLE_FIND_PACKAGE_GLUT=ON >"$work/components.log" 2>&1 ||
    ! grep -q "needs freeglut" "$work/components.log"; then
    cat "$work/components.log"
    echo "library: COMPONENTS window without freeglut did not say what it needs" >&2
    return 1
fi
echo "library: COMPONENTS toolkit without freeglut; COMPONENTS window says it needs freeglut"
echo "library: the student's compile line through add_subdirectory:" \
     "$(grep '"command".*toolkit_results\.cpp' "$work/subdirectory/compile_commands.json" |
        sed 's/.*"command": "//; s/",$//')"
rm -rf "$work"
