; The Windows installer of Dovrel, built by scripts/build-windows.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=… -DSOURCE_DIR=build/windows/Dovrel -DOUTPUT_FILE=… -DICON_FILE=… dovrel.nsi
; A per-user install: the settings are saved beside the program, so it goes to a folder the user can write
; (not Program Files) and needs no administrator.
; The program is 64-bit only, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"

!define APP_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dovrel"

Name "Dovrel"
OutFile "${OUTPUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Dovrel"
InstallDirRegKey HKCU "Software\Dovrel" "InstallDir"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "Dovrel"
VIAddVersionKey /LANG=2052 "FileDescription" "Dovrel 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Dovrel 开发组"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\dovrel.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section "Dovrel"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r /x config "${SOURCE_DIR}/*"
    ; An update keeps the contest settings the timekeeper already has; a first install brings the defaults.
    SetOutPath "$INSTDIR\config"
    SetOverwrite off
    File "${SOURCE_DIR}/config/*"
    SetOverwrite on
    SetOutPath "$INSTDIR"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Dovrel.lnk" "$INSTDIR\dovrel.exe" "" "$INSTDIR\dovrel.exe" 0
    CreateShortcut "$DESKTOP\Dovrel.lnk" "$INSTDIR\dovrel.exe" "" "$INSTDIR\dovrel.exe" 0

    WriteRegStr HKCU "Software\Dovrel" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "${APP_KEY}" "DisplayName" "Dovrel"
    WriteRegStr HKCU "${APP_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${APP_KEY}" "Publisher" "Dovrel 开发组"
    WriteRegStr HKCU "${APP_KEY}" "DisplayIcon" "$INSTDIR\dovrel.exe"
    WriteRegStr HKCU "${APP_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${APP_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegDWORD HKCU "${APP_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${APP_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Dovrel.lnk"
    Delete "$DESKTOP\Dovrel.lnk"

    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\imageformats"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\sound"
    RMDir /r "$INSTDIR\background"
    RMDir /r "$INSTDIR\help"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\dovrel.exe"
    Delete "$INSTDIR\help.chm"
    Delete "$INSTDIR\uninstall.exe"

    ; The contest settings are the timekeeper's own: they go only when asked for (a silent uninstall keeps them).
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "是否同时删除比赛设置（config 文件夹）？$\n选择“否”将保留这些设置，重新安装后仍可使用。" /SD IDNO IDNO keepSettings
    RMDir /r "$INSTDIR\config"
keepSettings:
    RMDir "$INSTDIR"

    DeleteRegKey HKCU "${APP_KEY}"
    DeleteRegKey HKCU "Software\Dovrel"
SectionEnd
