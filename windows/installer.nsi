; SPDX-FileCopyrightText: 2026 Oztrabel
; SPDX-License-Identifier: MIT

; The Lirevox installer, in Simplified Chinese: licence, folder (Program Files by default, or where
; an earlier Lirevox lies), a Start-menu shortcut and an entry in the list of installed programs;
; /S installs and removes silently. The build gives ARCH (win64 or win32), VERSION, EXE, ICON,
; LICENSE and OUTFILE.
Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma
; Files take the time they are installed, not the build's, so that every build is the same.
SetDateSave off
RequestExecutionLevel admin
!include "MUI2.nsh"
!include "FileFunc.nsh"

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lirevox"
Name "Lirevox"
OutFile "${OUTFILE}"
BrandingText "Oztrabel"
!if ${ARCH} == "win64"
    InstallDir "$PROGRAMFILES64\Lirevox"
!else
    InstallDir "$PROGRAMFILES\Lirevox"
!endif

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Lirevox"
VIAddVersionKey /LANG=2052 "CompanyName" "Oztrabel"
VIAddVersionKey /LANG=2052 "FileDescription" "Lirevox 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "© 2026 Oztrabel，MIT 许可证"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lirevox.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; The 64-bit program is listed in the 64-bit registry; an earlier install's folder is kept.
!macro RegistryView
    !if ${ARCH} == "win64"
        SetRegView 64
    !endif
!macroend

Function .onInit
    !insertmacro RegistryView
    ReadRegStr $0 HKLM "${KEY}" "InstallLocation"
    StrCmp $0 "" +2
    StrCpy $INSTDIR $0
FunctionEnd

Function un.onInit
    !insertmacro RegistryView
FunctionEnd

Section
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "/oname=lirevox.exe" "${EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Lirevox.lnk" "$INSTDIR\lirevox.exe" "" "$INSTDIR\lirevox.exe" 0
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKLM "${KEY}" "DisplayName" "Lirevox"
    WriteRegStr HKLM "${KEY}" "Publisher" "Oztrabel"
    WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\lirevox.exe,0"
    WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Lirevox.lnk"
    Delete "$INSTDIR\lirevox.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${KEY}"
SectionEnd
