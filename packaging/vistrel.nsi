; Vistrel's per-user installer: no administrator rights, everything under the user's own profile.
; makensis gets from CMake: VERSION, VERSION_MAJOR, VERSION_MINOR, VERSION_PATCH, PROGRAM (the
; built vistrel.exe), ICON, OUTFILE, TEXTS (the LangStrings packaging/nsis_texts.py writes from the
; program's text catalogue) and ART (the folder of the wizard pictures tools/assetgen draws).
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
; How Windows starts the program at logon, and how the installer starts it again: in the tray.
!define TRAY_COMMAND '"$INSTDIR\${APP_EXE}" --tray'
; The program's hidden tray host; WM_CLOSE to it is the tray menu's "Exit".
!define TRAY_HOST_CLASS "Vistrel.TrayHost"
!define TRAY_HOST_TITLE "cd"
; Tenths of a second to wait for a running copy to end.
!define CLOSE_WAIT 50
; The program's settings file beside it, where an installed copy keeps them (its folder takes
; writes), and the key that holds its language: "en", or Chinese when missing.
!define SETTINGS_FILE "$INSTDIR\config.ini"
!define LANGUAGE_SECTION "extra"
!define LANGUAGE_KEY "language"

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
; Vistrel's own picture, without words, so one serves both languages and the uninstaller.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART}\wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${ART}\wizard.bmp"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_PRE WizardPicture
; An upgrade that closed the program has started it again already.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_PRE un.WizardPicture
!insertmacro MUI_UNPAGE_FINISH

; The first language is the one a system in neither language gets.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${APP_NAME}"

; The texts' arguments, by text and number.
!define STILL_RUNNING_0 "$INSTDIR\${APP_EXE}"
!include /CHARSET=UTF8 "${TEXTS}"

; 1 when an earlier installation is recorded: this run upgrades it.
Var Upgrade
; 1 when the installer closed a copy running from $INSTDIR, which it then starts again.
Var WasRunning
; 1 when the Run value started this installation's copy, and Task Manager had not disabled it.
Var AutostartWasOn

; $0 = 1 when the program's tray host, if there is one, belongs to a copy running from $INSTDIR
; (a portable copy elsewhere is left alone). A process that cannot be asked counts as ours, so
; an upgrade still gets the file free.
!macro DEFINE_INSTALLED_COPY_RUNS PREFIX
Function ${PREFIX}InstalledCopyRuns
  StrCpy $0 0
  FindWindow $1 "${TRAY_HOST_CLASS}" "${TRAY_HOST_TITLE}"
  ${If} $1 <> 0
    StrCpy $0 1
    System::Call 'user32::GetWindowThreadProcessId(p r1, *i 0 r2) i'
    ; PROCESS_QUERY_LIMITED_INFORMATION
    System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r2) p .r3'
    ${If} $3 P<> 0
      System::Call 'kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r4, *i ${NSIS_MAX_STRLEN}) i .r5'
      System::Call 'kernel32::CloseHandle(p r3)'
      ${If} $5 <> 0
        ; StrCmp ignores case, as Windows does in paths.
        ${If} $4 != "$INSTDIR\${APP_EXE}"
          StrCpy $0 0
        ${EndIf}
      ${Else}
        DetailPrint "QueryFullProcessImageNameW failed for process $2"
      ${EndIf}
    ${Else}
      DetailPrint "OpenProcess failed for process $2"
    ${EndIf}
  ${EndIf}
FunctionEnd
!macroend

; Closes a copy running from $INSTDIR the way its tray menu's "Exit" would (it saves its
; settings), then waits, a few seconds at most, until its window and then its executable are
; free; $WasRunning tells whether there was one. Afterwards $INSTDIR\vistrel.exe is gone unless
; it could not be freed.
!macro DEFINE_CLOSE_RUNNING PREFIX
!insertmacro DEFINE_INSTALLED_COPY_RUNS "${PREFIX}"
Function ${PREFIX}CloseRunning
  Call ${PREFIX}InstalledCopyRuns
  StrCpy $WasRunning $0
  FindWindow $0 "${TRAY_HOST_CLASS}" "${TRAY_HOST_TITLE}"
  ${If} $WasRunning == 1
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

; $0 = 1 when the Run value starts $INSTDIR\vistrel.exe: its program part (up to the closing
; quote, or up to the first blank when not quoted), compared as the program itself compares it.
!macro DEFINE_RUN_VALUE_IS_OURS PREFIX
Function ${PREFIX}RunValueIsOurs
  ReadRegStr $1 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${Do}
    StrCpy $2 $1 1
    ${If} $2 != " "
    ${AndIf} $2 != "$\t"
      ${ExitDo}
    ${EndIf}
    StrCpy $1 $1 "" 1
  ${Loop}
  ; $3: the character that ends the program part; a tab ends an unquoted one too.
  StrCpy $3 " "
  ${If} $2 == '"'
    StrCpy $1 $1 "" 1
    StrCpy $3 '"'
  ${EndIf}
  StrCpy $4 0
  ${Do}
    StrCpy $2 $1 1 $4
    ${If} $2 == ""
    ${OrIf} $2 == $3
      ${ExitDo}
    ${EndIf}
    ${If} $3 == " "
    ${AndIf} $2 == "$\t"
      ${ExitDo}
    ${EndIf}
    IntOp $4 $4 + 1
  ${Loop}
  StrCpy $1 $1 $4
  StrCpy $0 0
  ${If} $1 == "$INSTDIR\${APP_EXE}"
    StrCpy $0 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_RUN_VALUE_IS_OURS ""
!insertmacro DEFINE_RUN_VALUE_IS_OURS "un."

; RegGetValueW's first arguments for the mark: HKEY_CURRENT_USER, sign-extended as a 64-bit
; handle; 8 = RRF_RT_REG_BINARY; no type wanted back.
!define APPROVED_MARK_ARGS 'p -2147483647, w "${APPROVED_KEY}", w "${RUN_VALUE}", i 8, p 0'
; $0 = 1 when Task Manager's mark under StartupApproved\Run disabled the entry: an odd first
; byte. A missing, empty or unreadable mark leaves it enabled, as the program reads it.
Function DisabledInTaskManager
  StrCpy $0 0
  System::Call 'advapi32::RegGetValueW(${APPROVED_MARK_ARGS}, p 0, *i 0 r1) i .r2'
  ${If} $2 = 0
  ${AndIf} $1 > 0
    System::Alloc $1
    Pop $3
    System::Call 'advapi32::RegGetValueW(${APPROVED_MARK_ARGS}, p r3, *i r1 r1) i .r2'
    ${If} $2 = 0
    ${AndIf} $1 > 0
      System::Call '*$3(&i1 .r4)'
      IntOp $0 $4 & 1
    ${EndIf}
    System::Free $3
  ${EndIf}
FunctionEnd

; Silent runs show nothing and end with exit code 2. A copy that was closed but whose file
; stayed held comes back, as it was.
!macro FAIL_STILL_RUNNING TEXT
  ${If} $WasRunning == 1
    Exec '${TRAY_COMMAND}'
  ${EndIf}
  MessageBox MB_OK|MB_ICONSTOP "$(${TEXT})" /SD IDOK
  SetErrorLevel 2
  Abort
!macroend

Section "!$(PROGRAM_SECTION)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call CloseRunning
  ${If} ${FileExists} "$INSTDIR\${APP_EXE}"
    !insertmacro FAIL_STILL_RUNNING STILL_RUNNING
  ${EndIf}
  ; config.ini, monitor.txt and the history files beside the program are the user's: an upgrade
  ; leaves them.
  File "/oname=${APP_EXE}" "${PROGRAM}"
  Call PassLanguage
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

Section "$(AUTOSTART_SECTION)" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '${TRAY_COMMAND}'
  ; Switched on here: an entry switched off in Task Manager would otherwise stay off. One that
  ; was on keeps its mark as it is.
  ${If} $AutostartWasOn != 1
    DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  ${EndIf}
SectionEnd

Section "-AutostartOff"
  ; Only an entry that was this installation's and on is switched off: a portable copy's entry,
  ; or one disabled in Task Manager, stays as the user left it.
  ${IfNot} ${SectionIsSelected} ${SecAutostart}
  ${AndIf} $AutostartWasOn == 1
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  ${EndIf}
SectionEnd

; The copy the upgrade closed comes back as Windows starts it at logon, so its reminder goes on.
Section "-Restart"
  ${If} $WasRunning == 1
    Exec '${TRAY_COMMAND}'
  ${EndIf}
SectionEnd

; The program starts in the language the user installed it in: an English first install says so
; in its settings. A Chinese one writes nothing (Chinese is the program's own default), and an
; upgrade, or settings that name a language already, keep what the user has.
Function PassLanguage
  ${If} $LANGUAGE = ${LANG_ENGLISH}
  ${AndIf} $Upgrade != 1
    ClearErrors
    ReadINIStr $0 "${SETTINGS_FILE}" "${LANGUAGE_SECTION}" "${LANGUAGE_KEY}"
    ${If} ${Errors}
      ClearErrors
      WriteINIStr "${SETTINGS_FILE}" "${LANGUAGE_SECTION}" "${LANGUAGE_KEY}" "en"
      ${If} ${Errors}
        DetailPrint "WriteINIStr failed for ${SETTINGS_FILE}"
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd

; The wizard picture drawn for the screen's density (the page stretches it to its frame): each
; scale the program's art comes in, the nearest one up. Called before the page loads the picture.
!macro DEFINE_WIZARD_PICTURE PREFIX
Function ${PREFIX}WizardPicture
  System::Call 'user32::GetDC(p 0) p .r1'
  ; LOGPIXELSX
  System::Call 'gdi32::GetDeviceCaps(p r1, i 88) i .r0'
  System::Call 'user32::ReleaseDC(p 0, p r1)'
  ${If} $0 > 168
    File "/oname=$PLUGINSDIR\modern-wizard.bmp" "${ART}\200\wizard.bmp"
  ${ElseIf} $0 > 144
    File "/oname=$PLUGINSDIR\modern-wizard.bmp" "${ART}\175\wizard.bmp"
  ${ElseIf} $0 > 120
    File "/oname=$PLUGINSDIR\modern-wizard.bmp" "${ART}\150\wizard.bmp"
  ${ElseIf} $0 > 96
    File "/oname=$PLUGINSDIR\modern-wizard.bmp" "${ART}\125\wizard.bmp"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_WIZARD_PICTURE ""
!insertmacro DEFINE_WIZARD_PICTURE "un."

Function FinishPageShow
  ${If} $WasRunning == 1
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
  ${EndIf}
FunctionEnd

Function .onInit
  SetShellVarContext current
  ; /LANG=1033 (English) or /LANG=2052 (Chinese) chooses the language, as a silent install needs;
  ; otherwise it follows Windows'.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANG=" $1
  ${IfNot} ${Errors}
    ${If} $1 = ${LANG_ENGLISH}
    ${OrIf} $1 = ${LANG_SIMPCHINESE}
      StrCpy $LANGUAGE $1
    ${EndIf}
  ${EndIf}
  ; "开机启动" is on for a first install; an upgrade keeps what the user chose since, in the
  ; program's menu or in Task Manager.
  Call RunValueIsOurs
  ${If} $0 == 1
    Call DisabledInTaskManager
    IntOp $AutostartWasOn $0 ^ 1
  ${Else}
    StrCpy $AutostartWasOn 0
  ${EndIf}
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $Upgrade 0
  ${If} $0 != ""
    StrCpy $Upgrade 1
  ${EndIf}
  ${If} $Upgrade == 1
  ${AndIf} $AutostartWasOn != 1
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
  ; The uninstaller speaks the language the program was set to, when it was set to one, as the
  ; program reads it; otherwise Windows'.
  ReadINIStr $0 "${SETTINGS_FILE}" "${LANGUAGE_SECTION}" "${LANGUAGE_KEY}"
  ${If} $0 S== "en"
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${ElseIf} $0 S== "zh"
    StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunning
  ${If} ${FileExists} "$INSTDIR\${APP_EXE}"
    !insertmacro FAIL_STILL_RUNNING UNINSTALL_STILL_RUNNING
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "$SMPROGRAMS\${APP_NAME}.lnk"
  ; A Run value that starts a portable copy elsewhere is that copy's, and stays with its mark.
  Call un.RunValueIsOurs
  ${If} $0 == 1
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegValue HKCU "${APPROVED_KEY}" "${RUN_VALUE}"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Not /r: config.ini, monitor.txt and the history files, when there, are the user's and stay, and so
  ; does the folder then. The settings under %APPDATA%\Vistrel are never touched.
  RMDir "$INSTDIR"
SectionEnd
