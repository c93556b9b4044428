; The Windows installer: the four programs, their data and the notices in a
; folder of their own (Program Files\Geometrija), Start-menu shortcuts (the
; fixed-file programs' start in that folder, so that they find their data;
; Kalvera's in the user's Documents, where a student keeps point files), and
; an uninstaller.  Its pages and logs speak Serbian, without diacritics, as
; the programs do.  /S installs and uninstalls silently.  makensis is given
; VERSION, STAGE (the folder with the files), PROGRAMS (the
; macros that name each program's files, made by scripts/windows from the
; build's list of programs), LANGDIR (NSIS's Serbian texts as scripts/windows
; writes them) and OUTFILE with -D.
;
; Nothing of the user's is touched:
;   - a chosen folder that exists and holds anything is refused, unless it is
;     the folder of the installation this one replaces;
;   - one installation per machine: an earlier one, wherever it is, is
;     uninstalled first, so that no files are left without an entry;
;   - the registry entry records what the installer made (the folder, each
;     missing folder above it, the Start-menu folder, each data file and
;     shortcut), and the uninstaller removes exactly that, a folder only when
;     empty; a data file changed since installation stays;
;   - what each run does and refuses goes to its log in %TEMP%
;     (Geometrija-install.log, Geometrija-uninstall.log); a refused silent
;     install ends with exit code 2 for a folder it may not use, 3 for a
;     /D= that names no folder.
Unicode true
Target amd64-unicode
!include LogicLib.nsh
!include FileFunc.nsh
!include MUI2.nsh
; The two parts kept beside this file.
!addincludedir "${__FILEDIR__}"
!include "${PROGRAMS}"
SetCompressor /SOLID lzma
; No file times in the installer: the same files give the same bytes.
SetDateSave off
RequestExecutionLevel admin

Name "Geometrija ${VERSION}"
BrandingText "Geometrija ${VERSION}"
OutFile "${OUTFILE}"
; Browse appends "Geometrija" to a chosen folder: a folder of its own.
InstallDir "$PROGRAMFILES64\Geometrija"
ShowInstDetails show
ShowUninstDetails show

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Geometrija"
!define MENU "$SMPROGRAMS\Geometrija"

Var log          ; the open log file
Var earlier      ; the folder of the installation this one replaces, or ""
Var replacing    ; what the pages say of that installation, or ""
Var madeFolder   ; 1 when the installation's folder was made by an installer
Var madeParents  ; how many folders above it, each missing, the installer made

; --- pages --------------------------------------------------------------------

!define MUI_WELCOMEPAGE_TITLE "Geometrija ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "Cetiri mala programa koji uzimaju najvise 99 tacaka ravni, prave \
njihovu Delonejevu triangulaciju i prikazuju je u prozoru: ${INTERACTIVE} uzima tacke koje \
unesete ili ih cita iz vaseg fajla, a ${FIXED} prikazuju svoje primere.$\r$\n$\r$\n\
$replacing$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!define MUI_DIRECTORYPAGE_TEXT_TOP "Geometrija se instalira u svoj folder, nov ili prazan; \
dugme 'Izbor...' izabranom folderu dodaje \Geometrija.$\r$\n$\r$\n$replacing$_CLICK"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE checkFolderPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Geometrija ${VERSION} je instalirana u $INSTDIR. Programi su u \
Start meniju, u folderu Geometrija; ${INTERACTIVE} trazi fajlove u vasem folderu Documents."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Pokreni ${INTERACTIVE}"
!define MUI_FINISHPAGE_RUN_FUNCTION startInteractive
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Otvori README.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS's own Serbian (Latin) texts, as scripts/windows writes them without
; diacritics: buttons, captions and the details' lines.
!insertmacro MUI_LANGUAGEEX "${LANGDIR}" "SerbianLatin"

; One line in the log and in the details.
!macro LOG TEXT
  FileWriteUTF16LE $log "${TEXT}$\r$\n"
  DetailPrint "${TEXT}"
!macroend

!include "windows-installer-folders.nsh"

; --- install ------------------------------------------------------------------

; Leaves 1 on the stack when FOLDER does not exist or holds nothing, else 0.
Function folderIsEmpty
  Exch $0
  Push $1
  Push $2
  StrCpy $2 1
  FindFirst $1 $0 "$0\*.*"
  loop:
    StrCmp $0 "" done
    StrCmp $0 "." next
    StrCmp $0 ".." next
    StrCpy $2 0
    Goto done
  next:
    FindNext $1 $0
    Goto loop
  done:
  FindClose $1
  StrCpy $0 $2
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Sets $0 to "" when $INSTDIR may take the installation, else to the reason.
Function folderRefusal
  StrCpy $0 ""
  ${If} $INSTDIR != $earlier
    Push $INSTDIR
    Call folderIsEmpty
    Pop $1
    ${If} $1 != 1
      StrCpy $0 "odbijeno: $INSTDIR vec sadrzi fajlove; izaberite prazan ili nov folder"
    ${EndIf}
  ${EndIf}
FunctionEnd

; A refused silent install: its reason in the log, its own exit code.
!macro REFUSE_SILENTLY CODE TEXT
  Call openLog
  FileWriteUTF16LE $log "${TEXT}$\r$\n"
  FileClose $log
  SetErrorLevel ${CODE}
  Abort
!macroend

Function .onInit
  SetShellVarContext all
  ReadRegStr $earlier HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $replacing ""
  ${If} $earlier != ""
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    StrCpy $replacing "Geometrija $0 je vec instalirana u $earlier; ova instalacija je \
zamenjuje (fajlove s tackama koje ste menjali zadrzava).$\r$\n$\r$\n"
  ${EndIf}
  Call folderOption
  ${If} $0 == 0
    ; No /D=: the earlier installation's folder is offered, so that
    ; installing again upgrades in place.
    ${If} $earlier != ""
    ${AndIfNot} ${Silent}
      StrCpy $INSTDIR $earlier
    ${EndIf}
  ${ElseIf} $0 == 2
  ${AndIf} ${Silent}
    !insertmacro REFUSE_SILENTLY 3 "odbijeno: /D=$INSTDIR nije pun put foldera (na primer /D=C:\Geometrija)"
  ${EndIf}
  ${If} ${Silent}
    Call folderRefusal
    ${If} $0 != ""
      !insertmacro REFUSE_SILENTLY 2 "$0"
    ${EndIf}
  ${EndIf}
FunctionEnd

; The folder that /D= names, read from the command line as it was given.
; NSIS itself reads /D= only unquoted and last (/D=C:\Moja fascikla), and
; puts its default in place of a path it finds wrong; deployment tools quote
; a path with a space, as "/D=C:\Moja fascikla" or /D="C:\Moja fascikla",
; which NSIS leaves to the default.  All are read here into $INSTDIR.
; Leaves $0 at 0 when no /D= was given, 1 for a full path, 2 for anything
; else (a relative path, an empty one).
Function folderOption
  System::Call 'kernel32::GetCommandLineW() w .r3'
  StrCpy $0 0
  StrCpy $1 0
  ${Do}
    StrCpy $2 $3 4 $1
    ${If} $2 == ""
      ${ExitDo}
    ${ElseIf} $2 == '"/D='
    ${OrIf} $2 == ' /D='
      IntOp $1 $1 + 4
      StrCpy $INSTDIR $3 "" $1
      StrCpy $0 1
    ${Else}
      IntOp $1 $1 + 1
    ${EndIf}
  ${Loop}
  ${If} $0 == 0
    Return
  ${EndIf}
  ; The value up to its closing quote, and without quotes of its own.
  StrCpy $1 0
  ${Do}
    StrCpy $2 $INSTDIR 1 $1
    ${If} $2 == ""
      ${ExitDo}
    ${ElseIf} $2 == '"'
      ${If} $1 == 0
        StrCpy $INSTDIR $INSTDIR "" 1
        ${Continue}
      ${EndIf}
      StrCpy $INSTDIR $INSTDIR $1
      ${ExitDo}
    ${EndIf}
    IntOp $1 $1 + 1
  ${Loop}
  StrCpy $1 $INSTDIR "" -1
  StrLen $2 $INSTDIR
  ${If} $1 == "\"
  ${AndIf} $2 > 3
    StrCpy $INSTDIR $INSTDIR -1
  ${EndIf}
  StrCpy $0 2
  StrCpy $1 $INSTDIR 2 1
  StrCpy $2 $INSTDIR 2
  ${If} $1 == ":\"
  ${OrIf} $2 == "\\"
    StrCpy $0 1
  ${EndIf}
FunctionEnd

; The finish page's offer: Kalvera started where its shortcut starts it.
Function startInteractive
  SetShellVarContext current
  SetOutPath "$DOCUMENTS"
  Exec '"$INSTDIR\${INTERACTIVE}.exe"'
  SetShellVarContext all
FunctionEnd

Function checkFolderPage
  Call folderRefusal
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$0"
    Abort
  ${EndIf}
FunctionEnd

; The log, UTF-16 with its mark, as Notepad reads it; its first line is
; the window's caption ("Geometrija 1.0.0 Instalacija").
Function openLog
  FileOpen $log "$TEMP\Geometrija-install.log" w
  FileWriteWord $log 0xfeff
  FileWriteUTF16LE $log "$(^SetupCaption)$\r$\n"
FunctionEnd

; A data file: installed only where no file of that name is (after the
; earlier installation is removed, one that is still there is the user's
; own, changed), and recorded as the installer's when it is.
!macro DATA NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}"
    !insertmacro LOG "zadrzan: $INSTDIR\${NAME} (fajl korisnika)"
  ${Else}
    File "${STAGE}\${NAME}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:${NAME}" 1
  ${EndIf}
!macroend

; A shortcut starts in START (its working folder is what $OUTDIR holds).
!macro SHORTCUT NAME TARGET START
  ${If} ${FileExists} "${MENU}\${NAME}.lnk"
    !insertmacro LOG "zadrzana: ${MENU}\${NAME}.lnk (precica korisnika)"
  ${Else}
    StrCpy $OUTDIR "${START}"
    CreateShortcut "${MENU}\${NAME}.lnk" "${TARGET}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:${NAME}.lnk" 1
  ${EndIf}
!macroend

Section "Geometrija"
  SetShellVarContext all
  Call openLog

  ; The earlier installation goes first, by its own uninstaller, which
  ; keeps what it did not make.  Run in place (_?=) so that ExecWait waits
  ; until it is done.  Where its running file could not be moved away (wine
  ; refuses), that file and the folders are removed here, once it has
  ; ended.  Its folder stays counted as made by an installer when reused.
  StrCpy $madeFolder 0
  ${If} $earlier != ""
    ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "made:folder"
    ReadRegDWORD $3 HKLM "${UNINSTALL_KEY}" "made:parents"
    ${If} ${FileExists} "$earlier\uninstall.exe"
      !insertmacro LOG "uklanja se ranija instalacija iz $earlier"
      ExecWait '"$earlier\uninstall.exe" /S _?=$earlier' $0
      ${If} $0 != 0
        !insertmacro LOG "odbijeno: deinstalacija iz $earlier nije uspela ($0)"
        FileClose $log
        SetErrorLevel 2
        Quit
      ${EndIf}
      Delete "$earlier\uninstall.exe"
      ${If} $1 == 1
        RMDir "$earlier"
        Push $3
        Push $earlier
        Call removeMadeParents
      ${EndIf}
    ${EndIf}
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ${If} $earlier == $INSTDIR
    ${AndIf} $1 == 1
      StrCpy $madeFolder 1
    ${EndIf}
  ${EndIf}
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $madeFolder 1
  ${EndIf}
  ; SetOutPath makes every missing folder above the installation's too:
  ; counted, so that the uninstaller removes them when they are empty.
  StrCpy $madeParents 0
  Push $INSTDIR
  Call parentFolder
  Pop $0
  ${DoWhile} $0 != ""
    ${If} ${FileExists} "$0\*.*"
      ${ExitDo}
    ${EndIf}
    IntOp $madeParents $madeParents + 1
    Push $0
    Call parentFolder
    Pop $0
  ${Loop}

  SetOutPath "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:folder" $madeFolder
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:parents" $madeParents
  !insertmacro PROGRAM_FILES
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\THIRD-PARTY-freeglut.txt"
  File "${STAGE}\THIRD-PARTY-mingw-w64.txt"
  !insertmacro PROGRAM_DATA
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ${IfNot} ${FileExists} "${MENU}\*.*"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:menu" 1
  ${EndIf}
  CreateDirectory "${MENU}"
  ; The fixed-file programs start beside their data; Kalvera in the Documents
  ; of whoever starts it (the shortcut is every user's, so the folder is
  ; named through the environment, which Windows expands at the start).
  !insertmacro PROGRAM_SHORTCUTS
  !insertmacro SHORTCUT "${INTERACTIVE}" "$INSTDIR\${INTERACTIVE}.exe" "%USERPROFILE%\Documents"
  !insertmacro SHORTCUT "README" "$INSTDIR\README.txt" "$INSTDIR"
  !insertmacro SHORTCUT "Uninstall" "$INSTDIR\uninstall.exe" "$INSTDIR"
  SetOutPath "$INSTDIR"

  ; What Settings shows of the installation.  The quiet command is the one
  ; that waits until everything is removed.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Geometrija ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${GEOMETRIJA_PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${INTERACTIVE}.exe"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  !insertmacro LOG "instalirano: Geometrija ${VERSION} u $INSTDIR"
  FileClose $log
SectionEnd

!include "windows-uninstaller.nsh"
