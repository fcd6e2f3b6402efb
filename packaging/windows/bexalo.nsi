; SPDX-License-Identifier: GPL-3.0-or-later
; Copyright (C) The bexalo developers

; The Windows installer of bexalo, made by ./package-windows with Debian's makensis:
;   makensis -DVERSION=1.2.0 -DSTAGE=<folder of the zip> -DFILES=<bexalo-files.nsh> -DICON=<bexalo.ico> -DOUTFILE=<setup.exe> bexalo.nsi
; The File and Delete lines come from the staged folder itself (bexalo-files.nsh, made by
; scripts/windows.sh), so the uninstaller removes whatever the installer puts there.
; It installs for all users under Program Files, adds "Bexalo" and "Guida per l'insegnante" (the
; teacher's guide) to the Start menu and registers its uninstaller in "Programs and Features".
; Both run silently with /S, for technicians who deploy to a whole classroom.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"
!include "${FILES}"

!define PRODUCT "Bexalo"
; The teacher's guide, guida.html beside the program, has a Start-menu entry of its own.
!define GUIDE "Guida per l'insegnante"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Bexalo"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1040 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${PRODUCT}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bexalo.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Bexalo"
    !insertmacro BexaloInstallFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bexalo.exe" "" "$INSTDIR\bexalo.exe" 0
    CreateShortCut "$SMPROGRAMS\${GUIDE}.lnk" "$INSTDIR\guida.html"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bexalo.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "bexalo"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    ; Only what the installer put there: a folder chosen by hand may hold other files.
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${GUIDE}.lnk"
    !insertmacro BexaloUninstallFiles
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
