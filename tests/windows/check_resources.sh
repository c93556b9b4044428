# What the Windows executables say of themselves, read from their resources
# with icoutils' wrestool: every one's version information (product, its
# version, a description, the licence's copyright, its own file name), and
# the programs' icon (each size an icon holds) and manifest (DPI awareness,
# Windows 7 to 11).  Sourced by scripts/windows, after the cross build; its
# helpers serve the signing check too.

# One value of EXE's version information (the UTF-16 strings of its
# VERSIONINFO resource, each key followed by its value).
version_value() {  # EXE KEY
    wrestool -x --raw --type=16 "$1" | strings -el | grep -A1 -xF "$2" | sed -n 2p
}

# EXE's version information, one "KEY: VALUE" line each, as the Details tab
# of Windows' Properties lists it; fails when a value is missing or wrong.
# NAME is the file name it was built as (an installed uninstaller's differs).
check_version() {  # EXE NAME
    local exe="$1" name="$2" key value
    local copyright
    copyright=$(grep -m1 '^Copyright ' LICENSE)
    for key in FileDescription FileVersion ProductName ProductVersion LegalCopyright \
               OriginalFilename; do
        value=$(version_value "$exe" "$key")
        case "$key" in
            FileVersion|ProductVersion) [ "$value" = "$version" ] ;;
            LegalCopyright) [ "$value" = "$copyright" ] ;;
            OriginalFilename) [ "$value" = "$name" ] ;;
            ProductName) [ "$value" = "$(program_product)" ] ;;
            *) [ -n "$value" ] ;;
        esac || { echo "resources: $exe: $key is '$value'" >&2; exit 1; }
        [ -z "${VERBOSE_VERSION:-}" ] || echo "  $key: $value"
    done
}
program_product() { cmake -DGEOMETRIJA_LIST=product -P cmake/programs.cmake; }

check_program_resources() {  # EXE
    local exe="$1" sizes manifest
    wrestool -x --type=14 "$exe" >"$build/icon.ico"
    sizes=$(icotool -l "$build/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' |
            LC_ALL=C sort -n | paste -sd ' ')
    rm -f "$build/icon.ico"
    [ "$sizes" = "16 24 32 48 256" ] ||
        { echo "resources: $exe: icon sizes '$sizes', not 16 24 32 48 256" >&2; exit 1; }
    manifest=$(wrestool -x --raw --type=24 --name=1 "$exe")
    grep -q '<dpiAwareness[^>]*>PerMonitorV2, System<' <<<"$manifest" &&
        grep -q '<dpiAware[^>]*>true<' <<<"$manifest" &&
        [ "$(grep -c '<supportedOS ' <<<"$manifest")" -eq 4 ] ||
        { echo "resources: $exe: no manifest with DPI awareness and Windows 7 to 11" >&2; exit 1; }
}

banner "version information, icon and manifest"
for program in $(program_names all); do
    check_version "$build/bin/$program.exe" "$program.exe"
    check_program_resources "$build/bin/$program.exe"
done
check_version "$build/tools/geometrija-provera.exe" geometrija-provera.exe
echo "resources: each program's version information, icon and manifest; geometrija-provera's" \
     "version information"
echo "Kalvera.exe, as Windows' Properties show it:"
VERBOSE_VERSION=1 check_version "$build/bin/Kalvera.exe" Kalvera.exe
