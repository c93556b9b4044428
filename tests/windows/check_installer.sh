# The Windows installer and uninstaller under wine, silently, as a user runs
# them: each case ends with nothing of the installer's left and the user's
# own files as they were.  Sourced by scripts/windows, whose installer, wine
# prefix and helpers (win, banner, shots) it uses.
# The installer and the uninstaller, silently, as a user would run them (the
# uninstaller copies itself away and returns at once: its log's last line
# tells that it is done).  Each case ends with nothing of the installer's
# left and the user's own files as they were.
banner "installer under wine"
# A path on drive C: as this side sees it (winepath itself is a wine program,
# slower and, right after an install, seen to fail).
unix() { local path="${1#C:\\}"; echo "$WINEPREFIX/drive_c/${path//\\//}"; }
menu=$(unix 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Geometrija')
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Geometrija'
temp=$(winepath -u "$(wine cmd /c echo %TEMP% </dev/null | tr -d '\r')")
ours=($(program_names all | sed 's/[^ ]*/&.exe/g') $(program_names fixed | sed 's/[^ ]*/&.txt/g')
      README.txt LICENSE.txt THIRD-PARTY-freeglut.txt THIRD-PARTY-mingw-w64.txt uninstall.exe)
fail() { echo "installer: $*" >&2; exit 1; }
log_of() { iconv -f UTF-16 -t UTF-8 "$temp/Geometrija-$1.log" | tr -d '\r'; }
setup() {  # WINDOWS_FOLDER: installs, giving the installer's status
    rm -f "$temp/Geometrija-install.log"
    wine "$installer" /S "/D=$1" </dev/null
}
uninstall() {  # WINDOWS_FOLDER
    local i
    rm -f "$temp/Geometrija-uninstall.log"
    wine "$(winepath -u "$1")/uninstall.exe" /S </dev/null
    for i in $(seq 600); do
        [ -s "$temp/Geometrija-uninstall.log" ] && log_of uninstall | grep -q '^uninstalled:' &&
            return 0
        sleep 0.1
    done
    fail "the uninstaller did not finish: $(log_of uninstall 2>&1)"
}
registered() { wine reg query "$key" /v InstallLocation </dev/null 2>/dev/null | tr -d '\r' |
               sed -n 's/.*REG_SZ *//p'; }
installed() {  # UNIX_FOLDER
    local f
    for f in "${ours[@]}"; do [ -f "$1/$f" ] || fail "$f missing in $1"; done
    [ -f "$menu/srce.lnk" ] || fail "no Start-menu shortcut"
}
gone() {  # UNIX_FOLDER: none of the installer's files, no entry
    local f
    for f in "${ours[@]}"; do [ ! -e "$1/$f" ] || fail "$1/$f left behind"; done
    [ -z "$(registered)" ] || fail "the uninstall entry is left: $(registered)"
}
rm -rf "$menu" "$(unix 'C:\geo')"
wine reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
mkdir -p "$(unix 'C:\geo')"

# A folder of its own: made, drawn from, removed with everything in it.
setup 'C:\geo\nova'
installed "$(unix 'C:\geo\nova')"
[ "$(registered)" = 'C:\geo\nova' ] || fail "registered as '$(registered)'"
screenshot_run build/tools/xshot "$(unix 'C:\geo\nova')" "$shots/srce-installed.png" "" \
    win "$(unix 'C:\geo\nova')/srce.exe"
cmp "$shots/srce-llvmpipe-linux.png" "$shots/srce-installed.png"
uninstall 'C:\geo\nova'
gone "$(unix 'C:\geo\nova')"
[ ! -e "$(unix 'C:\geo\nova')" ] || fail "the folder it made is left"
[ ! -e "$menu" ] || fail "the Start-menu folder it made is left"
echo "installer: installs, draws srce's picture, uninstalls silently, leaves nothing"

# A folder that holds the user's files is refused: status 2, a line in the
# log, nothing written.
korisnik=$(unix 'C:\geo\korisnik')
mkdir -p "$korisnik"
for f in README.txt LICENSE.txt srce.txt; do echo "moj $f" >"$korisnik/$f"; done
status=0
setup 'C:\geo\korisnik' || status=$?
[ "$status" = 2 ] || fail "a folder with the user's files: status $status, not 2"
log_of install | grep -q '^refused: C:\\geo\\korisnik already holds files' ||
    fail "no refusal in the log: $(log_of install)"
[ "$(ls "$korisnik" | tr '\n' ' ')" = "LICENSE.txt README.txt srce.txt " ] ||
    fail "the user's folder changed: $(ls "$korisnik")"
for f in README.txt LICENSE.txt srce.txt; do
    [ "$(cat "$korisnik/$f")" = "moj $f" ] || fail "the user's $f changed"
done
[ -z "$(registered)" ] || fail "a refused install is registered: $(registered)"
echo "installer: refuses a folder with the user's files, touching none"

# An existing empty folder (a user's Documents) and a shortcut of the
# user's own in the Start-menu folder stay after the uninstall.
mkdir -p "$(unix 'C:\geo\dokumenti')" "$menu"
echo "moj" >"$menu/moj.lnk"
setup 'C:\geo\dokumenti'
installed "$(unix 'C:\geo\dokumenti')"
uninstall 'C:\geo\dokumenti'
gone "$(unix 'C:\geo\dokumenti')"
[ -d "$(unix 'C:\geo\dokumenti')" ] || fail "the user's own folder was removed"
[ "$(ls -A "$menu")" = moj.lnk ] || fail "the Start-menu folder holds: $(ls -A "$menu")"
rm -rf "$menu" "$(unix 'C:\geo\dokumenti')"
echo "installer: keeps the user's folder and the user's shortcut"

# Two installs: the second removes the first, so one entry names all there is.
setup 'C:\geo\A'
setup 'C:\geo\B'
[ ! -e "$(unix 'C:\geo\A')" ] || fail "the first installation is left: $(ls "$(unix 'C:\geo\A')")"
[ "$(registered)" = 'C:\geo\B' ] || fail "registered as '$(registered)'"
installed "$(unix 'C:\geo\B')"
uninstall 'C:\geo\B'
gone "$(unix 'C:\geo\B')"
echo "installer: a second installation replaces the first"

# A path whose last two folders are new: the uninstaller removes both, and
# keeps the one that was there.
public=$(unix 'C:\users\Public')
rm -rf "$public/MojiProgrami"
setup 'C:\users\Public\MojiProgrami\Geometrija'
installed "$public/MojiProgrami/Geometrija"
uninstall 'C:\users\Public\MojiProgrami\Geometrija'
gone "$public/MojiProgrami/Geometrija"
[ ! -e "$public/MojiProgrami" ] || fail "the folder MojiProgrami it made is left: $(ls -A "$public/MojiProgrami")"
[ -d "$public" ] || fail "C:\users\Public, there before, was removed"
echo "installer: removes each folder it made above its own, keeps the one that was there"

# A data file the user changed stays, named in the uninstaller's log; an
# upgrade in place keeps it too.
setup 'C:\geo\C'
printf '1\r\n5 5\r\n' >"$(unix 'C:\geo\C')/srce.txt"
setup 'C:\geo\C'
installed "$(unix 'C:\geo\C')"
log_of install | grep -qF 'kept: C:\geo\C\srce.txt' || fail "install log: $(log_of install)"
[ "$(cat "$(unix 'C:\geo\C')/srce.txt")" = $'1\r\n5 5\r' ] || fail "the changed srce.txt was replaced"
setup 'C:\geo\D'
printf '1\r\n6 6\r\n' >"$(unix 'C:\geo\D')/viroda.txt"
uninstall 'C:\geo\D'
log_of uninstall | grep -qF 'kept: C:\geo\D\viroda.txt (changed since installation)' ||
    fail "uninstall log: $(log_of uninstall)"
[ "$(ls "$(unix 'C:\geo\D')")" = viroda.txt ] || fail "left: $(ls "$(unix 'C:\geo\D')")"
[ "$(ls "$(unix 'C:\geo\C')")" = srce.txt ] || fail "C holds: $(ls "$(unix 'C:\geo\C')")"
[ -z "$(registered)" ] || fail "the uninstall entry is left: $(registered)"
rm -rf "$(unix 'C:\geo')"
echo "installer: keeps a data file the user changed, and says so"
