; Included by windows-installer.nsi: the folder arithmetic that the
; installer and the uninstaller share.
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
