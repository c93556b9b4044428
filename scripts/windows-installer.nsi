; The Windows installer: the four programs, their data and the notices in
; Program Files, Start-menu shortcuts that start in that folder (so that the
; programs find their data), and an uninstaller.  /S installs and uninstalls
; silently.  makensis is given VERSION, STAGE (the folder with the files) and
; OUTFILE with -D.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; No file times in the installer: the same files give the same bytes.
SetDateSave off
RequestExecutionLevel admin

Name "Geometrija ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Geometrija"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Geometrija"

Section "Geometrija"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\Kalvera.exe"
  File "${STAGE}\tovrin1.exe"
  File "${STAGE}\srce.exe"
  File "${STAGE}\viroda.exe"
  File "${STAGE}\tovrin1.txt"
  File "${STAGE}\srce.txt"
  File "${STAGE}\viroda.txt"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\THIRD-PARTY-freeglut.txt"
  File "${STAGE}\THIRD-PARTY-mingw-w64.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; A shortcut starts in the folder that SetOutPath names.
  CreateDirectory "$SMPROGRAMS\Geometrija"
  CreateShortcut "$SMPROGRAMS\Geometrija\Kalvera.lnk" "$INSTDIR\Kalvera.exe"
  CreateShortcut "$SMPROGRAMS\Geometrija\tovrin1.lnk" "$INSTDIR\tovrin1.exe"
  CreateShortcut "$SMPROGRAMS\Geometrija\srce.lnk" "$INSTDIR\srce.exe"
  CreateShortcut "$SMPROGRAMS\Geometrija\viroda.lnk" "$INSTDIR\viroda.exe"
  CreateShortcut "$SMPROGRAMS\Geometrija\README.lnk" "$INSTDIR\README.txt"
  CreateShortcut "$SMPROGRAMS\Geometrija\Uninstall.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Geometrija ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Geometrija\*.lnk"
  RMDir "$SMPROGRAMS\Geometrija"
  Delete "$INSTDIR\Kalvera.exe"
  Delete "$INSTDIR\tovrin1.exe"
  Delete "$INSTDIR\srce.exe"
  Delete "$INSTDIR\viroda.exe"
  Delete "$INSTDIR\tovrin1.txt"
  Delete "$INSTDIR\srce.txt"
  Delete "$INSTDIR\viroda.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY-freeglut.txt"
  Delete "$INSTDIR\THIRD-PARTY-mingw-w64.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only an empty folder is removed: files the user put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
