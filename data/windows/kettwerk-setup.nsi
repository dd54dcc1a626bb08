; The Windows installer of Kettwerk. scripts/package-windows-installer
; builds it from the folder that scripts/package-windows staged for the zip:
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0 -DVERSION4=1.0.0.0 \
;            -DFILES=files.nsh -DUNFILES=unfiles.nsh -DOUTFILE=setup.exe kettwerk-setup.nsi
;
; It installs for the current user only, and so needs no administrator
; rights: into %LOCALAPPDATA%\Programs\Kettwerk (the directory page can
; change that, and so can /D= on a silent install with /S), with an entry
; "Kettwerk" in the Start menu, a desktop shortcut if asked for, and an entry
; under "Apps" that removes it again.
;
; FILES and UNFILES list every file of the staged folder one by one, to
; install and to delete: the uninstaller removes what was installed and
; nothing else. The user's settings (HKCU\Software\Kettwerk) and any
; doit.pro, doit.log or config.pro saved in the folder stay; so does the
; folder then.

Unicode true
; 64-bit like the programs it installs, which need a 64-bit Windows anyway.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kettwerk"

Name "Kettwerk ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kettwerk"
; An update goes where the last installation went; /D= beats both.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Kettwerk ${VERSION}"

!define MUI_ICON "kettwerk.ico"
!define MUI_UNICON "kettwerk.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\kettwerk.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The system's language when it is German, else English, as the programs do.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopShortcut ${LANG_GERMAN} "Verknüpfung auf dem Desktop"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Kettwerk"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Kettwerk ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "Kettwerk-Team"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© 2025 Kettwerk-Team"

Section "Kettwerk" SecProgram
  SectionIn RO
  Call RemoveEarlierInstallation
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Kettwerk.lnk" "$INSTDIR\kettwerk.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kettwerk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kettwerk.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kettwerk-Team"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as "Apps" shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopShortcut)" SecDesktop
  CreateShortcut "$DESKTOP\Kettwerk.lnk" "$INSTDIR\kettwerk.exe"
SectionEnd

; An earlier installation is removed by its own uninstaller, which knows
; its files, so that none of them stays behind beside the new ones. It
; leaves the settings alone, as every uninstaller does.
Function RemoveEarlierInstallation
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ; _?= runs it in place and waits for it, but keeps it from deleting itself.
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Function .onInit
  ; An update keeps the desktop shortcut that the last installation made.
  ${If} ${FileExists} "$DESKTOP\Kettwerk.lnk"
    SectionSetFlags ${SecDesktop} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files of the user's own keep the folder.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Kettwerk.lnk"
  Delete "$DESKTOP\Kettwerk.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
