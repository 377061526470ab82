; Vistrel's per-user installer: no administrator rights, everything under the user's own profile.
; makensis gets from CMake: VERSION, VERSION_MAJOR, VERSION_MINOR, VERSION_PATCH, PROGRAM (the
; built vistrel.exe), ICON and OUTFILE.
Unicode true
Target amd64-unicode

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

!define APP_NAME "Vistrel"
!define APP_EXE "vistrel.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vistrel"
; The same values the program's own "开机启动" reads and writes.
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
!define RUN_VALUE "Vistrel"
; The program's hidden tray host; WM_CLOSE to it is the tray menu's "Exit".
!define TRAY_HOST_CLASS "Vistrel.TrayHost"
!define TRAY_HOST_TITLE "cd"
; Tenths of a second to wait for a running copy to end.
!define CLOSE_WAIT 50

Name "${APP_NAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APP_NAME}"
; An upgrade goes where the earlier version went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
ManifestDPIAware true
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one a system in neither language gets.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${APP_NAME}"

LangString SEC_PROGRAM ${LANG_SIMPCHINESE} "Vistrel 程序"
LangString SEC_PROGRAM ${LANG_ENGLISH} "Vistrel program"
LangString SEC_AUTOSTART ${LANG_SIMPCHINESE} "开机启动"
LangString SEC_AUTOSTART ${LANG_ENGLISH} "Start with Windows"
LangString STILL_RUNNING ${LANG_SIMPCHINESE} "Vistrel 仍在运行，无法替换 $INSTDIR\${APP_EXE}。$\r$\n请从托盘菜单退出 Vistrel 后重试。"
LangString STILL_RUNNING ${LANG_ENGLISH} "Vistrel is still running, so $INSTDIR\${APP_EXE} cannot be replaced.$\r$\nExit Vistrel from its tray menu and try again."
LangString un.STILL_RUNNING ${LANG_SIMPCHINESE} "Vistrel 仍在运行，无法卸载。$\r$\n请从托盘菜单退出 Vistrel 后重试。"
LangString un.STILL_RUNNING ${LANG_ENGLISH} "Vistrel is still running, so it cannot be removed.$\r$\nExit Vistrel from its tray menu and try again."

; Closes a running copy the way its tray menu's "Exit" would (it saves its settings), then waits,
; a few seconds at most, until its window and then its executable are free. Afterwards
; $INSTDIR\vistrel.exe is gone unless it could not be freed.
!macro DEFINE_CLOSE_RUNNING PREFIX
Function ${PREFIX}CloseRunning
  FindWindow $0 "${TRAY_HOST_CLASS}" "${TRAY_HOST_TITLE}"
  ${If} $0 <> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    StrCpy $1 0
    ${DoWhile} $0 <> 0
      ${If} $1 >= ${CLOSE_WAIT}
        ${Break}
      ${EndIf}
      Sleep 100
      IntOp $1 $1 + 1
      FindWindow $0 "${TRAY_HOST_CLASS}" "${TRAY_HOST_TITLE}"
    ${Loop}
  ${EndIf}
  ; The window goes a moment before the process lets go of its file.
  StrCpy $1 0
  ${DoWhile} ${FileExists} "$INSTDIR\${APP_EXE}"
    Delete "$INSTDIR\${APP_EXE}"
    ${If} ${FileExists} "$INSTDIR\${APP_EXE}"
      ${If} $1 >= ${CLOSE_WAIT}
        ${Break}
      ${EndIf}
      Sleep 100
      IntOp $1 $1 + 1
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING ""
!insertmacro DEFINE_CLOSE_RUNNING "un."

; Silent runs show nothing and end with exit code 2.
!macro FAIL_STILL_RUNNING PREFIX
  MessageBox MB_OK|MB_ICONSTOP "$(${PREFIX}STILL_RUNNING)" /SD IDOK
  SetErrorLevel 2
  Abort
!macroend

Section "!$(SEC_PROGRAM)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call CloseRunning
  ${If} ${FileExists} "$INSTDIR\${APP_EXE}"
    !insertmacro FAIL_STILL_RUNNING ""
  ${EndIf}
  ; config.ini and monitor.txt beside the program are its settings: an upgrade leaves them.
  File "/oname=${APP_EXE}" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${APP_EXE}" "" "$INSTDIR\${APP_EXE}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${APP_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; Only what the installer put there counts (the settings are the user's).
  ${GetSize} "$INSTDIR" "/M=*.exe /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SEC_AUTOSTART)" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${APP_EXE}" --tray'
  ; An entry switched off in Task Manager would otherwise stay off.
  DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
SectionEnd

Section "-AutostartOff"
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  ${EndIf}
SectionEnd

Function .onInit
  SetShellVarContext current
  ; "开机启动" is on for a first install; an upgrade keeps what the user chose since.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    ReadRegStr $1 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $1 == ""
      !insertmacro UnselectSection ${SecAutostart}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  Call un.CloseRunning
  ${If} ${FileExists} "$INSTDIR\${APP_EXE}"
    !insertmacro FAIL_STILL_RUNNING "un."
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "$SMPROGRAMS\${APP_NAME}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Not /r: config.ini and monitor.txt, when there, are the user's settings and stay, and so
  ; does the folder then. The settings under %APPDATA%\Vistrel are never touched.
  RMDir "$INSTDIR"
SectionEnd
