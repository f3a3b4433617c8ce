; Per-user installer: no administrator rights, everything under the current user's profile and
; HKEY_CURRENT_USER. The build passes VERSION, PROGRAM (the velkaro.exe to ship), ICON and OUTFILE.
; The program is 64-bit only, and so is its installer.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Velkaro 2"
!define PUBLISHER "Dorimex"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program's settings; the uninstaller leaves them for a later installation.
!define SETTINGS_KEY "Software\${PRODUCT}"
; Where a silent installation says why it failed.
!define LOG "$TEMP\${PRODUCT} kurulum.log"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1055 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1055 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1055 "FileDescription" "${PRODUCT} kurulumu"
VIAddVersionKey /LANG=1055 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1055 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1055 "LegalCopyright" "© ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\velkaro.exe"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Turkish"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

; A running copy of the program being replaced: Windows opens no running program's file for
; writing, so the file could not be replaced. Interactively the user is asked to close it; a silent
; installation fails (exit code 2) with a line in the log, and the installed file stays as it is.
Function CloseRunningCopy
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\velkaro.exe"
            Return
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\velkaro.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            Return
        ${EndIf}
        ${If} ${Silent}
            FileOpen $0 "${LOG}" a
            FileWriteUTF16LE /BOM $0 "${PRODUCT} çalışıyor ($INSTDIR\velkaro.exe): kurulum yapılmadı. Programı kapatıp kurulumu yeniden başlatın.$\r$\n"
            FileClose $0
            SetErrorLevel 2
            Quit
        ${EndIf}
        ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} çalışıyor. Kurulumun sürmesi için programı kapatıp Yeniden Dene'ye basın." IDCANCEL`
            SetErrorLevel 1
            Quit
        ${EndIf}
    ${Loop}
FunctionEnd

Section "${PRODUCT}"
    SetOutPath "$INSTDIR"
    Call CloseRunningCopy
    File "/oname=velkaro.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\velkaro.exe" "" "$INSTDIR\velkaro.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velkaro.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\velkaro.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
