; The Tavlor installer: a per-user install (no administrator rights) with a Start-menu entry and
; an uninstaller. makensis -DSTAGE=<unpacked release folder> -DOUTFILE=<setup.exe> -DVERSION=<x.y>
; /S installs silently. On an upgrade the player's Set.ini is kept: it is only written when absent.
Unicode true
Name "Tavlor ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tavlor"
InstallDirRegKey HKCU "Software\Tavlor" "InstallDir"
RequestExecutionLevel user
SetCompressor /SOLID lzma
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavlor"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tavlor"
VIAddVersionKey "FileDescription" "Tavlor installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

LicenseData "${STAGE}\LICENSE.txt"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tavlor"
  SetOutPath "$INSTDIR"
  File /r /x Set.ini "${STAGE}\*.*"
  SetOverwrite off
  File "${STAGE}\Set.ini"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Tavlor"
  CreateShortcut "$SMPROGRAMS\Tavlor\Tavlor.lnk" "$INSTDIR\tavlor.exe"
  CreateShortcut "$SMPROGRAMS\Tavlor\说明.lnk" "$INSTDIR\说明.txt"
  WriteRegStr HKCU "Software\Tavlor" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tavlor"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tavlor maintainers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tavlor.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there; the player's Set.ini and any file they added stay.
Section "Uninstall"
  Delete "$SMPROGRAMS\Tavlor\Tavlor.lnk"
  Delete "$SMPROGRAMS\Tavlor\说明.lnk"
  RMDir "$SMPROGRAMS\Tavlor"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Tavlor"
SectionEnd
