; The Windows installer: the four programs, their data and the notices in a
; folder of their own (Program Files\Geometrija), Start-menu shortcuts that
; start in that folder (so that the programs find their data), and an
; uninstaller.  /S installs and uninstalls silently.  makensis is given
; VERSION, STAGE (the folder with the files), PROGRAMS (the macros that
; name each program's files, made by scripts/windows from the build's list
; of programs) and OUTFILE with -D.
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
;     install ends with exit code 2.
Unicode true
Target amd64-unicode
!include LogicLib.nsh
!include "${PROGRAMS}"
SetCompressor /SOLID lzma
; No file times in the installer: the same files give the same bytes.
SetDateSave off
RequestExecutionLevel admin

Name "Geometrija ${VERSION}"
OutFile "${OUTFILE}"
; Browse appends "Geometrija" to a chosen folder: a folder of its own.
InstallDir "$PROGRAMFILES64\Geometrija"
ShowInstDetails show
ShowUninstDetails show

Page directory "" "" checkFolderPage
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Geometrija"
!define MENU "$SMPROGRAMS\Geometrija"

Var log          ; the open log file
Var earlier      ; the folder of the installation this one replaces, or ""
Var madeFolder   ; 1 when the installation's folder was made by an installer
Var madeParents  ; how many folders above it, each missing, the installer made

; One line in the log and in the details.
!macro LOG TEXT
  FileWriteUTF16LE $log "${TEXT}$\r$\n"
  DetailPrint "${TEXT}"
!macroend

; Folder arithmetic, for the installer and the uninstaller alike.
!macro FOLDER_FUNCTIONS UN
; Replaces PATH on the stack with the folder that holds it ("" for none).
Function ${UN}parentFolder
  Exch $0
  Push $1
  Push $2
  StrLen $1 $0
  ${Do}
    IntOp $1 $1 - 1
    ${If} $1 < 0
      StrCpy $0 ""
      ${ExitDo}
    ${EndIf}
    StrCpy $2 $0 1 $1
    ${If} $2 == "\"
      StrCpy $0 $0 $1
      ${ExitDo}
    ${EndIf}
  ${Loop}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Removes, each only when empty, the COUNT folders above FOLDER that an
; installer made (Push COUNT, then FOLDER).
Function ${UN}removeMadeParents
  Exch $0
  Exch
  Exch $1
  ${DoWhile} $1 > 0
    Push $0
    Call ${UN}parentFolder
    Pop $0
    RMDir "$0"
    IntOp $1 $1 - 1
  ${Loop}
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro FOLDER_FUNCTIONS ""
!insertmacro FOLDER_FUNCTIONS "un."

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
      StrCpy $0 "refused: $INSTDIR already holds files; choose an empty folder or a new one"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function .onInit
  SetShellVarContext all
  ReadRegStr $earlier HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${IfNot} ${Silent}
    ; Offer the earlier installation's folder: installing again upgrades
    ; in place.
    ${If} $earlier != ""
      StrCpy $INSTDIR $earlier
    ${EndIf}
  ${Else}
    Call folderRefusal
    ${If} $0 != ""
      Call openLog
      FileWriteUTF16LE $log "$0$\r$\n"
      FileClose $log
      SetErrorLevel 2
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

Function checkFolderPage
  Call folderRefusal
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$0"
    Abort
  ${EndIf}
FunctionEnd

; The log, UTF-16 with its mark, as Notepad reads it.
Function openLog
  FileOpen $log "$TEMP\Geometrija-install.log" w
  FileWriteWord $log 0xfeff
FunctionEnd

; A data file: installed only where no file of that name is (after the
; earlier installation is removed, one that is still there is the user's
; own, changed), and recorded as the installer's when it is.
!macro DATA NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}"
    !insertmacro LOG "kept: $INSTDIR\${NAME} (the user's own)"
  ${Else}
    File "${STAGE}\${NAME}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:${NAME}" 1
  ${EndIf}
!macroend

!macro SHORTCUT NAME TARGET
  ${If} ${FileExists} "${MENU}\${NAME}.lnk"
    !insertmacro LOG "kept: ${MENU}\${NAME}.lnk (the user's own)"
  ${Else}
    CreateShortcut "${MENU}\${NAME}.lnk" "${TARGET}"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:${NAME}.lnk" 1
  ${EndIf}
!macroend

Section "Geometrija"
  SetShellVarContext all
  Call openLog

  ; The earlier installation goes first, by its own uninstaller, which
  ; keeps what it did not make.  Run in place (_?=) so that ExecWait waits
  ; for it; it cannot then remove itself and its folder, which is done here.
  ; Its folder stays counted as made by an installer when it is reused.
  StrCpy $madeFolder 0
  ${If} $earlier != ""
    ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "made:folder"
    ReadRegDWORD $3 HKLM "${UNINSTALL_KEY}" "made:parents"
    ${If} ${FileExists} "$earlier\uninstall.exe"
      !insertmacro LOG "removing the earlier installation in $earlier"
      ExecWait '"$earlier\uninstall.exe" /S _?=$earlier' $0
      ${If} $0 != 0
        !insertmacro LOG "refused: the uninstaller in $earlier failed ($0)"
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

  ; A shortcut starts in the folder that SetOutPath names.
  ${IfNot} ${FileExists} "${MENU}\*.*"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "made:menu" 1
  ${EndIf}
  CreateDirectory "${MENU}"
  !insertmacro PROGRAM_SHORTCUTS
  !insertmacro SHORTCUT "README" "$INSTDIR\README.txt"
  !insertmacro SHORTCUT "Uninstall" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Geometrija ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  !insertmacro LOG "installed: Geometrija ${VERSION} in $INSTDIR"
  FileClose $log
SectionEnd

; --- uninstall ----------------------------------------------------------------

; Leaves 1 on the stack when the two files hold the same bytes, else 0.
Function un.sameBytes
  Exch $0  ; second file
  Exch
  Exch $1  ; first file
  Push $2
  Push $3
  Push $4
  Push $5
  StrCpy $5 0
  ClearErrors
  FileOpen $2 $1 r
  IfErrors done
  FileOpen $3 $0 r
  IfErrors closeFirst
  loop:
    ClearErrors
    FileReadByte $2 $4
    IfErrors firstEnded
    FileReadByte $3 $0
    IfErrors closeBoth
    StrCmp $4 $0 loop closeBoth
  firstEnded:
    ClearErrors
    FileReadByte $3 $0
    IfErrors 0 closeBoth
    StrCpy $5 1
  closeBoth:
  FileClose $3
  closeFirst:
  FileClose $2
  done:
  StrCpy $0 $5
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; A data file the installer wrote is removed when it still holds what was
; installed; a changed one stays, named in the log.
!macro UNDATA NAME
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "made:${NAME}"
  ${If} $0 == 1
    SetOutPath "$PLUGINSDIR"
    File "${STAGE}\${NAME}"
    Push "$INSTDIR\${NAME}"
    Push "$PLUGINSDIR\${NAME}"
    Call un.sameBytes
    Pop $0
    ${If} $0 == 1
      Delete "$INSTDIR\${NAME}"
    ${ElseIf} ${FileExists} "$INSTDIR\${NAME}"
      !insertmacro LOG "kept: $INSTDIR\${NAME} (changed since installation)"
    ${EndIf}
  ${EndIf}
!macroend

!macro UNSHORTCUT NAME
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "made:${NAME}.lnk"
  ${If} $0 == 1
    Delete "${MENU}\${NAME}.lnk"
  ${EndIf}
!macroend

Section "Uninstall"
  SetShellVarContext all
  FileOpen $log "$TEMP\Geometrija-uninstall.log" w
  FileWriteWord $log 0xfeff
  ; The entry must be this installation's: its records say what is ours.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != $INSTDIR
    !insertmacro LOG "refused: $INSTDIR is not the registered installation ($0)"
    FileClose $log
    SetErrorLevel 2
    Quit
  ${EndIf}
  InitPluginsDir

  !insertmacro PROGRAM_UNSHORTCUTS
  !insertmacro UNSHORTCUT "README"
  !insertmacro UNSHORTCUT "Uninstall"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "made:menu"
  ${If} $0 == 1
    RMDir "${MENU}"
  ${EndIf}

  !insertmacro PROGRAM_UNDATA
  ; Out of the folder, so that it can be removed.
  SetOutPath "$TEMP"
  !insertmacro PROGRAM_DELETES
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-freeglut.txt"
  Delete "$INSTDIR\THIRD-PARTY-mingw-w64.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only a folder the installer made, and only when empty (RMDir without /r).
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "made:folder"
  ${If} $0 == 1
    RMDir "$INSTDIR"
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "made:parents"
    Push $0
    Push $INSTDIR
    Call un.removeMadeParents
  ${EndIf}
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !insertmacro LOG "uninstalled: $INSTDIR"
  FileClose $log
SectionEnd
