# Kalvera's dialogue and the bad-input messages of the Windows build under
# wine, as the Linux build's, CR LF read as LF.  Sourced by scripts/windows,
# whose build, wine prefix and helpers (win, banner, shots) it uses.
banner "messages as the Linux build's"
work=$(mktemp -d)
# wine's own Linux process was seen, now and then, to end with glibc's
# "Inconsistency detected by ld.so: dl-fini.c ..." on the standard error it
# shares with the program: that line is wine's, not the program's.
drop_loader_noise() {  # FILE
    sed -i '/^Inconsistency detected by ld\.so: /d' "$1"
}
# One case: PROGRAM, the files of its folder (NAME=CONTENT, NAME/ a
# directory) and its standard input.  Standard output, standard error and
# the status must match, CR LF read as LF.
compare() {  # PROGRAM INPUT [NAME=CONTENT | NAME/]...
    local program="$1" input="$2" f status
    shift 2
    rm -rf "$work/case"
    mkdir -p "$work/case"
    for f in "$@"; do
        case "$f" in
            */) mkdir "$work/case/$f" ;;
            *) printf '%s' "${f#*=}" >"$work/case/${f%%=*}" ;;
        esac
    done
    status=0
    (cd "$work/case" && printf '%s' "$input" | timeout 60 "$root/build/bin/$program" \
        >"$work/linux.out" 2>"$work/linux.err") || status=$?
    echo "status $status" >>"$work/linux.err"
    status=0
    (cd "$work/case" && printf '%s' "$input" | win "$build/bin/$program.exe" \
        >"$work/windows.out" 2>"$work/windows.err") || status=$?
    echo "status $status" >>"$work/windows.err"
    sed -i 's/\r$//' "$work/windows.out" "$work/windows.err"
    drop_loader_noise "$work/windows.err"
    # A relative name that cannot be opened names its folder, which is
    # Z:\tmp\...\case for the Windows program, /tmp/.../case for Linux's.
    WIN_FOLDER="Z:${work//\//\\}\\case" LINUX_FOLDER="$work/case" \
        perl -pi -e 's/\Q$ENV{WIN_FOLDER}\E/$ENV{LINUX_FOLDER}/g' "$work/windows.err"
    diff -u "$work/linux.out" "$work/windows.out"
    diff -u "$work/linux.err" "$work/windows.err"
    echo "messages: $program $(tr '\n' ' ' <"$work/linux.err")"
}
compare srce ""
compare srce "" srce.txt/
compare srce "" "srce.txt=3.5"
compare srce "" "srce.txt=3
0 0
1 q"
compare tovrin1 "" "tovrin1.txt=2
0 0"
compare Kalvera $'x\nu\n2\nq\n1\n1\n'
compare Kalvera $'f\nne_postoji.txt\n'
# A decimal comma is refused with the same hint in the file and the dialogue.
compare srce "" "srce.txt=1
3,5 1"
compare Kalvera $'u\n1\n3,5\n'
# A Notepad file: its mark skipped, a final Ctrl-Z its end; a name with spaces.
compare srce "" $'srce.txt=\xef\xbb\xbf2\r\n0 0\r\n\x1a'
compare Kalvera $'f\n  moj fajl.txt \n' "moj fajl.txt=2 1 2"
# A name with Serbian letters opens its file (the content is refused, which
# shows that the file was read).
compare Kalvera $'f\n\xc4\x8d\xc4\x87\xc5\xa1\xc4\x91\xc5\xbe.txt\n' $'\xc4\x8d\xc4\x87\xc5\xa1\xc4\x91\xc5\xbe.txt=x'
# A dragged file's quoted name, as a Linux terminal and Windows both type it.
compare Kalvera $'f\n\'moj fajl.txt\'\n' "moj fajl.txt=2 1 2"
compare Kalvera $'f\n"moj fajl.txt"\n' "moj fajl.txt=2 1 2"
# What only Windows does: its path separator shown as itself, its device
# names refused instead of read (AUX and COM1 would wait on a serial port).
windows_only() {  # INPUT EXPECTED_STDERR [ARGUMENT...]
    local status=0
    printf '%s' "$1" | win "$build/bin/Kalvera.exe" "${@:3}" >/dev/null 2>"$work/windows.err" ||
        status=$?
    drop_loader_noise "$work/windows.err"
    [ "$status" = 1 ] && [ "$(tr -d '\r' <"$work/windows.err")" = "$2" ] ||
        { echo "Kalvera.exe with $1: status $status, said: $(cat "$work/windows.err")" >&2; exit 1; }
    echo "messages: Kalvera.exe $2"
}
windows_only $'f\n"C:\\nema\\moje tacke.txt"\n' \
    'Kalvera: C:\nema\moje tacke.txt: fajl ne moze da se otvori (No such file or directory)'
for device in AUX COM1 COM1.txt CON con.txt 'CONIN$' 'CONOUT$' 'C:\x\lpt1.dat'; do
    windows_only $'f\n'"$device"$'\n' \
        "Kalvera: $device: fajl ne moze da se otvori (ime uredjaja u Windowsu)"
done
# An argument freeglut would refuse is refused before the first question.
windows_only $'u\n' 'Kalvera: prozor ne moze da se otvori (argument -display nema vrednost)' \
    -display
# A DISPLAY variable (an X server for Windows sets one) means nothing to the
# Windows programs: the window opens as ever, and nothing is said about it.
WIN_DISPLAY=:0 screenshot_run build/tools/xshot data "$shots/srce-display-set.png" "" \
    win "$build/bin/srce.exe" 2>"$work/windows.err"
cmp "$shots/srce-llvmpipe-linux.png" "$shots/srce-display-set.png"
drop_loader_noise "$work/windows.err"
[ ! -s "$work/windows.err" ] || { echo "srce.exe with DISPLAY said: $(cat "$work/windows.err")" >&2; exit 1; }
echo "windows: a DISPLAY variable changes nothing"
rm -rf "$work"
