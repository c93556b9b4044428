# The Windows installer and uninstaller under wine, silently, as a user runs
# them: each case ends with nothing of the installer's left and the user's
# own files as they were.  Sourced by scripts/windows, whose installer, wine
# prefix and helpers (win, banner, shots) it uses.
# The installer and the uninstaller, silently, as a user would run them
# (uninstall.exe /S copies itself away and returns at once: its log's last
# line tells that it is done).  Each case ends with nothing of the
# installer's left and the user's own files as they were.
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
    rm -f "$temp/Geometrija-uninstall.log"
    wine "$(winepath -u "$1")/uninstall.exe" /S </dev/null
    uninstalled
}
uninstalled() {  # waits for the uninstaller's copy to end
    local i
    for i in $(seq 600); do
        [ -s "$temp/Geometrija-uninstall.log" ] && log_of uninstall | grep -q '^deinstalirano:' &&
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
# What Settings shows of it; the size is the folder's in KiB.
value() { wine reg query "$key" /v "$1" </dev/null | tr -d '\r' | sed -n "s/.*$1 *REG_[A-Z]* *//p"; }
kib=$(( $(cat "$(unix 'C:\geo\nova')"/* | wc -c) / 1024 ))
while IFS='|' read -r name want; do
    [ "$(value "$name")" = "$want" ] || fail "the entry's $name is '$(value "$name")', not '$want'"
done <<EOF
DisplayName|Geometrija $version
DisplayVersion|$version
Publisher|Geometrija authors
DisplayIcon|C:\geo\nova\Kalvera.exe
EstimatedSize|$(printf '0x%x' "$kib")
QuietUninstallString|"C:\geo\nova\uninstall.exe" /S _?=C:\geo\nova
EOF
# The shortcuts' working folders: Kalvera's the user's Documents, the
# others' the installation's (the .lnk holds them as UTF-16).
lnk_holds() { tr -d '\0' <"$menu/$1.lnk" | LC_ALL=C grep -qaF "$2"; }
lnk_holds Kalvera '%USERPROFILE%\Documents' || fail "Kalvera's shortcut does not start in Documents"
for p in $(program_names fixed); do
    lnk_holds "$p" 'C:\geo\nova' || fail "$p's shortcut does not start in C:\geo\nova"
done
# The window's caption from the installer's language table opens each log.
[ "$(log_of install | head -1)" = "Geometrija $version Instalacija" ] ||
    fail "the install log opens with '$(log_of install | head -1)'"
uninstall 'C:\geo\nova'
gone "$(unix 'C:\geo\nova')"
[ ! -e "$(unix 'C:\geo\nova')" ] || fail "the folder it made is left"
[ ! -e "$menu" ] || fail "the Start-menu folder it made is left"
[ "$(log_of uninstall | head -1)" = "Geometrija $version Deinstalacija" ] ||
    fail "the uninstall log opens with '$(log_of uninstall | head -1)'"
echo "installer: installs, draws srce's picture, uninstalls silently, leaves nothing;" \
     "Serbian logs, the entry's values, Kalvera starting in Documents"

# /D= as a deployment script writes it: quoted, with a space and a č, it is
# honoured; a folder that is not a full path is refused with status 3.
while IFS='|' read -r folder want line; do
    status=0
    setup "$folder" || status=$?
    [ "$status" = "$want" ] || fail "/D=$folder: status $status, not $want"
    log_of install | grep -qxF "$line" || fail "/D=$folder: no '$line' in: $(log_of install)"
    [ ! -e "$(unix 'C:\Program Files\Geometrija')" ] || fail "/D=$folder installed the default"
done <<EOF
fascikla|3|odbijeno: /D=fascikla nije pun put foldera (na primer /D=C:\Geometrija)
geo\Moja fascikla|3|odbijeno: /D=geo\Moja fascikla nije pun put foldera (na primer /D=C:\Geometrija)
|3|odbijeno: /D= nije pun put foldera (na primer /D=C:\Geometrija)
C:\geo\Moja fascikla\čas|0|instalirano: Geometrija $version u C:\geo\Moja fascikla\čas
EOF
cas=$(unix 'C:\geo\Moja fascikla\čas')
installed "$cas"

# uninstall.exe /S _?=FOLDER returns when it is done: checked at once,
# nothing is left but, where its running file cannot be moved away (wine),
# that file, which its log names.  Times for both forms are shown.
# (_?= must be unquoted: each word of it its own argument.)
read -ra waiting <<<'_?=C:\geo\Moja fascikla\čas'
started=$(date +%s%N)
wine "$cas/uninstall.exe" /S "${waiting[@]}" </dev/null
echo "installer: uninstall.exe /S _?=FOLDER returned after" \
     "$(( ($(date +%s%N) - started) / 1000000 )) ms, leaving: $(ls -A "$cas" 2>/dev/null | xargs)"
log_of uninstall | tail -1 | grep -qxF 'deinstalirano: C:\geo\Moja fascikla\čas' ||
    fail "the waiting uninstaller returned before it was done: $(log_of uninstall)"
if [ -e "$cas/uninstall.exe" ]; then
    log_of uninstall | grep -qF 'zadrzan: C:\geo\Moja fascikla\čas\uninstall.exe (u upotrebi' ||
        fail "uninstall.exe left without a word: $(log_of uninstall)"
    rm "$cas/uninstall.exe"
    rmdir "$cas" "$(dirname "$cas")"
fi
gone "$cas"
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
setup 'C:\geo\Moja fascikla'
rm -f "$temp/Geometrija-uninstall.log"
started=$(date +%s%N)
wine "$(unix 'C:\geo\Moja fascikla')/uninstall.exe" /S </dev/null
echo "installer: uninstall.exe /S returned after $(( ($(date +%s%N) - started) / 1000000 )) ms," \
     "leaving: $(ls -A "$(unix 'C:\geo\Moja fascikla')" 2>/dev/null | xargs)"
uninstalled
echo "installer: its copy in %TEMP% was done after $(( ($(date +%s%N) - started) / 1000000 )) ms"
gone "$(unix 'C:\geo\Moja fascikla')"
echo "installer: a quoted /D= with a space and a č honoured, one that names no folder refused;" \
     "uninstall.exe /S _?=FOLDER waits"

# A folder that holds the user's files is refused: status 2, a line in the
# log, nothing written.
korisnik=$(unix 'C:\geo\korisnik')
mkdir -p "$korisnik"
for f in README.txt LICENSE.txt srce.txt; do echo "moj $f" >"$korisnik/$f"; done
status=0
setup 'C:\geo\korisnik' || status=$?
[ "$status" = 2 ] || fail "a folder with the user's files: status $status, not 2"
log_of install | grep -q '^odbijeno: C:\\geo\\korisnik vec sadrzi fajlove' ||
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
log_of install | grep -qF 'zadrzan: C:\geo\C\srce.txt (fajl korisnika)' || fail "install log: $(log_of install)"
[ "$(cat "$(unix 'C:\geo\C')/srce.txt")" = $'1\r\n5 5\r' ] || fail "the changed srce.txt was replaced"
setup 'C:\geo\D'
printf '1\r\n6 6\r\n' >"$(unix 'C:\geo\D')/viroda.txt"
uninstall 'C:\geo\D'
log_of uninstall | grep -qF 'zadrzan: C:\geo\D\viroda.txt (izmenjen posle instalacije)' ||
    fail "uninstall log: $(log_of uninstall)"
[ "$(ls "$(unix 'C:\geo\D')")" = viroda.txt ] || fail "left: $(ls "$(unix 'C:\geo\D')")"
[ "$(ls "$(unix 'C:\geo\C')")" = srce.txt ] || fail "C holds: $(ls "$(unix 'C:\geo\C')")"
[ -z "$(registered)" ] || fail "the uninstall entry is left: $(registered)"
rm -rf "$(unix 'C:\geo')"
echo "installer: keeps a data file the user changed, and says so"
