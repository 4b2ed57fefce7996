; The ZORT installer for Windows (64-bit): the programs with the Qt they need, a Start-menu entry
; for each, the .zort file type opening in ZORT, an entry in "Apps", and an uninstaller that takes
; all of it away again. For all users of the computer, as a school's computer room needs.
;
; scripts/build-windows.sh runs makensis with these defined:
;   VERSION    the program's version
;   OUTFILE    the installer to write
;   FILES      an include file that installs every file (SetOutPath and File lines)
;   UNFILES    an include file that deletes the same files and their folders
;   STUDIO     defined when the studio is among the programs
;   ICON       the programs' icon

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORT"
!define PROGID "ZORT.Quiz"

Name "ZORT"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\ZORT"
; A second install goes where the first one went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1026 "ProductName" "ZORT"
VIAddVersionKey /LANG=1026 "FileDescription" "Инсталиране на ZORT"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "CompanyName" "zort.example.org"
VIAddVersionKey /LANG=1026 "LegalCopyright" "© 2026 zort.example.org"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zort.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Bulgarian"

Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section "ZORT"
    ; An earlier version's files go first, by its own uninstaller's list (it stays to be replaced).
    IfFileExists "$INSTDIR\uninstall.exe" 0 +2
        ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'

    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\ZORT.lnk" "$INSTDIR\zort.exe"
!ifdef STUDIO
    CreateShortcut "$SMPROGRAMS\ZORT Студио.lnk" "$INSTDIR\zort-studio.exe"
!endif

    ; A double-click on a bundle opens it in ZORT.
    WriteRegStr HKLM "Software\Classes\.zort" "" "${PROGID}"
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "Тест ZORT"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\zort.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\zort.exe" "%1"'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "ZORT"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "zort.example.org"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zort.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

    ; Explorer shows the new file type's icon without a restart.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\ZORT.lnk"
    Delete "$SMPROGRAMS\ZORT Студио.lnk"

    ; .zort only while it is still ours: another program may have taken the type since.
    ReadRegStr $0 HKLM "Software\Classes\.zort" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegKey HKLM "Software\Classes\.zort"
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
