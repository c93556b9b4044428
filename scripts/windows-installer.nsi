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
; The two parts kept beside this file.
!addincludedir "${__FILEDIR__}"
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

!include "windows-uninstaller.nsh"
