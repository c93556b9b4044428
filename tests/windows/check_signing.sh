# Signing, proven once: with a certificate given (GEOMETRIJA_SIGN_CERT) the
# packages were signed as they were made, and their signatures are verified
# here; without, a throw-away certificate made here signs copies of the
# programs, geometrija-provera and an installer made again, whose
# uninstaller makensis signs too, and every signature is verified against
# it.  The installer's and the uninstaller's version information is checked
# on the way.  Sourced by scripts/windows, after the packages are made.
banner "signing"
signed="$build/signed"
rm -rf "$signed"
mkdir -p "$signed"
verify() {  # CA_FILE EXE...
    local ca="$1" exe
    shift
    for exe in "$@"; do
        osslsigncode verify -CAfile "$ca" -in "$exe" >"$signed/verify.log" 2>&1 ||
            { cat "$signed/verify.log"; echo "signing: $exe: signature not verified" >&2; exit 1; }
    done
}
check_version "$installer" "$(basename "$installer")"
if [ -n "${GEOMETRIJA_SIGN_CERT:-}" ]; then
    # Each must carry a signature; whose, a lab's certificate authority tells.
    for exe in "$stage"/*.exe "$sdk/bin/geometrija-provera.exe" "$installer"; do
        osslsigncode extract-signature -in "$exe" -out "$signed/signature.der" >/dev/null 2>&1 ||
            { echo "signing: $exe is not signed" >&2; exit 1; }
        rm -f "$signed/signature.der"
    done
    echo "signing: the programs, geometrija-provera and the installer are signed"
else
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Geometrija test signing" \
        -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
        -keyout "$signed/key.pem" -out "$signed/cert.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$signed/key.pem" -in "$signed/cert.pem" \
        -passout pass:proba -out "$signed/cert.p12"
    cp "$stage"/*.exe "$sdk/bin/geometrija-provera.exe" "$signed/"
    (
        export GEOMETRIJA_SIGN_CERT="$signed/cert.p12" GEOMETRIJA_SIGN_PASSWORD=proba
        scripts/windows-sign "$signed"/*.exe
        # The uninstaller as makensis signed it, kept for the checks below.
        make_installer "$signed/$(basename "$installer")" "$signed/uninstall.exe"
    )
    [ -s "$signed/uninstall.exe" ] || { echo "signing: makensis signed no uninstaller" >&2; exit 1; }
    check_version "$signed/uninstall.exe" "$(basename "$installer")"
    verify "$signed/cert.pem" "$signed"/*.exe
    echo "signing: a throw-away certificate signs the programs, geometrija-provera, the" \
         "installer and its uninstaller; osslsigncode verifies all $(ls "$signed"/*.exe | wc -l)"
fi
