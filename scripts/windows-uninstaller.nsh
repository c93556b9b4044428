; Included by windows-installer.nsi: the uninstaller, which removes what
; the installer recorded that it made, a folder only when empty and a data
; file only when unchanged.
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
      !insertmacro LOG "zadrzan: $INSTDIR\${NAME} (izmenjen posle instalacije)"
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
  FileWriteUTF16LE $log "$(^UninstallCaption)$\r$\n"
  ; The entry must be this installation's: its records say what is ours.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != $INSTDIR
    !insertmacro LOG "odbijeno: $INSTDIR nije registrovana instalacija ($0)"
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
  ; Run in place (uninstall.exe /S _?=FOLDER, the form that waits), its own
  ; file is in use and cannot be deleted; it is moved out to %TEMP% instead,
  ; where Windows deletes it at the next start, as it does the copy that
  ; uninstall.exe /S alone makes of itself.  So the folder can go too.
  Delete "$INSTDIR\uninstall.exe"
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    GetTempFileName $0
    Delete $0
    ClearErrors
    Rename "$INSTDIR\uninstall.exe" $0
    ${If} ${Errors}
      !insertmacro LOG "zadrzan: $INSTDIR\uninstall.exe (u upotrebi; brise se pri ponovnom pokretanju)"
      Delete /REBOOTOK "$INSTDIR\uninstall.exe"
    ${Else}
      Delete /REBOOTOK $0
    ${EndIf}
  ${EndIf}
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
  !insertmacro LOG "deinstalirano: $INSTDIR"
  FileClose $log
SectionEnd
