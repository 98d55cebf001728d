; Ostrevin's installer: one file a teacher runs without administrator rights.
; It puts ostrevin.exe into the user's own programs folder (the program keeps
; its timetable beside itself, so the folder must be one the user can write
; to), with a Start-menu shortcut, an entry in the list of installed apps, an
; optional start at logon and an uninstaller. Russian and English; /S for
; both the installer and the uninstaller.
;
; Built only by the CMake target "installer", which defines:
;   OSTREVIN_VERSION       the project version, as the program reports it
;   OSTREVIN_VERSION_QUAD  the same with four numbers, for the version resource
;   OSTREVIN_EXE           the ostrevin.exe to install
;   OSTREVIN_ICON          the program's icon
;   OSTREVIN_SETUP         the installer to write
;
; Options besides /S and /D=: /AUTOSTART=1 or /AUTOSTART=0 sets the choice
; "start Ostrevin when I log on" (by default on for a new installation, and
; as it was for an upgrade).

Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

; The program's title: it names the program's hidden application window, its
; logon start value and its entry in the list of installed apps.
!define APP_NAME "Ostrevin"
!define APP_EXE "ostrevin.exe"
!define APP_SETTINGS "ostrevin.INI"
!define APP_WINDOW_CLASS "OstrevinApplication"
!define PUBLISHER "The Ostrevin team"
; The uninstaller's name is the program's own: a folder chosen by /D= may
; hold another program's uninstall.exe, which must never be overwritten or
; removed. Ostrevin 1.0.0.0 still used that name.
!define UNINSTALLER "ostrevin-uninstall.exe"
!define OLD_UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_NAME}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

; How long a running copy is given to answer and to end. Ending includes
; saving the settings file and taking the icons out of the notification area.
!define ANSWER_TIMEOUT_MS 5000
!define END_TIMEOUT_MS 15000
!define ENDSESSION_CLOSEAPP 0x1
!define SMTO_ABORTIFHUNG 0x2
; SYNCHRONIZE | PROCESS_QUERY_INFORMATION: enough to name a process, to wait
; until it has started up and for its end.
!define PROCESS_QUERY_AND_WAIT 0x100400
!define WAIT_OBJECT_0 0
!define WAIT_ABANDONED 0x80
!define ERROR_ALREADY_EXISTS 183
; One installer or uninstaller at a time in the user's session: two at once
; would both close, replace and register the same files. A silent one waits
; this long for the other to finish; the wizard asks.
!define SETUP_LOCK "Local\Ostrevin.Setup"
!define SETUP_LOCK_WAIT_MS 180000

Name "${APP_NAME}"
OutFile "${OSTREVIN_SETUP}"
InstallDir "$LOCALAPPDATA\Programs\${APP_NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP_NAME} ${OSTREVIN_VERSION}"

VIProductVersion "${OSTREVIN_VERSION_QUAD}"
VIFileVersion "${OSTREVIN_VERSION_QUAD}"

; Set when this run ended a running copy of the program.
Var EndedRunningCopy

;--------------------------------
; Pages

!define MUI_ICON "${OSTREVIN_ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
; The language dialog preselects the system's UI language; the choice is
; remembered for upgrades and for the uninstaller.
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_LANGDLL_WINDOWTITLE "${APP_NAME}"
!define MUI_LANGDLL_INFO "Выберите язык установки.$\r$\nPlease select the language of the installation."
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"

!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
; The description under the list leaves the list wide enough for its texts.
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(FinishText)"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNow)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartInstalledCopy
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(UninstallFinishText)"
!insertmacro MUI_UNPAGE_FINISH

; The first language is the one used when the system's is neither: the
; program speaks Russian, and so do most of its users.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

!include "texts_ru.nsh"
!include "texts_en.nsh"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP_NAME} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${OSTREVIN_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${OSTREVIN_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

;--------------------------------
; Installation

Section "${APP_NAME}" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call CloseRunningCopy
  ; The status line says what happens; the details list names each file
  ; (a long path would not fit the line).
  DetailPrint "$(InstallingProgram)"
  SetDetailsPrint listonly
  ; Only the program's file is written: its settings file beside it is the
  ; teacher's and is never overwritten. A file held open by another program
  ; brings the usual Abort, Retry, Ignore question; ignoring it (as a silent
  ; installation does) would leave the old program behind a new version
  ; number, so it stops the installation instead.
  ClearErrors
  File "/oname=${APP_EXE}" "${OSTREVIN_EXE}"
  ${If} ${Errors}
    Abort "$(ProgramNotReplaced)"
  ${EndIf}
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  Call RemoveOldUninstaller
  CreateShortCut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${APP_EXE}" "" \
    "$INSTDIR\${APP_EXE}" 0 SW_SHOWNORMAL "" "$(ShortcutComment)"
  SetDetailsPrint both
SectionEnd

; The value the program's own settings write: its title, and its path in
; quotation marks as the program compares it.
Section "$(SectionAutostart)" SectionAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${APP_NAME}" '"$INSTDIR\${APP_EXE}"'
SectionEnd

Section "-Finish"
  ${IfNot} ${SectionIsSelected} ${SectionAutostart}
    Call DeleteOwnRunValue
  ${EndIf}
  Call WriteUninstallEntry
  ; A silent upgrade gives the teacher back the timer it closed; the wizard
  ; asks on its last page instead.
  ${If} ${Silent}
  ${AndIf} $EndedRunningCopy = 1
    Call StartInstalledCopy
  ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "$(SectionProgramInfo)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionAutostart} "$(SectionAutostartInfo)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function WriteUninstallEntry
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${OSTREVIN_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

Function StartInstalledCopy
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${APP_EXE}"'
FunctionEnd

; An upgrade that fails after it closed the running copy (its program file
; could not be replaced) gives the teacher back the timer it closed.
Function .onInstFailed
  ${If} $EndedRunningCopy = 1
    Call StartInstalledCopy
  ${EndIf}
FunctionEnd

; Ostrevin 1.0.0.0 wrote its uninstaller as uninstall.exe. The file goes only
; when the list entry, not yet rewritten by this installation, names it in
; this very folder: then it is that uninstaller, not another program's.
Function RemoveOldUninstaller
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "UninstallString"
  ${If} $0 == '"$INSTDIR\${OLD_UNINSTALLER}"'
    Delete "$INSTDIR\${OLD_UNINSTALLER}"
  ${EndIf}
FunctionEnd

; Sets $R9 to 1 when $INSTDIR is the folder popped from the stack or lies
; inside it; leaves $R9 alone otherwise.
Function MarkIfInsideFolder
  Exch $R8
  StrLen $R7 $R8
  StrCpy $R6 $INSTDIR $R7
  StrCpy $R5 $INSTDIR 1 $R7
  ${If} $R6 == $R8
    ${If} $R5 == ""
    ${OrIf} $R5 == "\"
      StrCpy $R9 1
    ${EndIf}
  ${EndIf}
  Pop $R8
FunctionEnd

; The same for a folder named in full or by its short name (C:\PROGRA~1).
Function MarkIfInsideFolderByAnyName
  Exch $R4
  Push $R4
  Call MarkIfInsideFolder
  GetFullPathName /SHORT $R3 $R4
  ${If} $R3 != ""
    Push $R3
    Call MarkIfInsideFolder
  ${EndIf}
  Pop $R4
FunctionEnd

; Windows keeps its users from writing into Program Files and into its own
; folder, where the program could not save its settings. $R9 is 1 for those.
Function IsProtectedFolder
  StrCpy $R9 0
  Push $PROGRAMFILES
  Call MarkIfInsideFolderByAnyName
  Push $PROGRAMFILES64
  Call MarkIfInsideFolderByAnyName
  Push $WINDIR
  Call MarkIfInsideFolderByAnyName
FunctionEnd

Function DirectoryPageLeave
  Call IsProtectedFolder
  ${If} $R9 = 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(ProtectedFolder)"
    Abort
  ${EndIf}
FunctionEnd

; A new installation starts at logon unless told otherwise; an upgrade keeps
; what the teacher chose since, in this installer or in the program itself.
Function ChooseLogonStart
  ${If} ${FileExists} "$INSTDIR\${APP_EXE}"
    Call IsOwnRunValue
    ${If} $R9 = 0
      !insertmacro UnselectSection ${SectionAutostart}
    ${EndIf}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "0"
      !insertmacro UnselectSection ${SectionAutostart}
    ${ElseIf} $1 == "1"
      !insertmacro SelectSection ${SectionAutostart}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $EndedRunningCopy 0
  Call TakeSetupLock
  !insertmacro MUI_LANGDLL_DISPLAY
  ; The wizard checks the folder on its folder page; a silent installation
  ; given one by /D= has no page to do it on.
  ${If} ${Silent}
    Call IsProtectedFolder
    ${If} $R9 = 1
      Abort
    ${EndIf}
  ${EndIf}
  Call ChooseLogonStart
FunctionEnd

;--------------------------------
; Shared by the installer and the uninstaller (NSIS needs an "un." copy).

!macro RUNNING_COPY_FUNCTIONS PREFIX

; Makes this the one installer or uninstaller of the session, for as long as
; it runs (the lock is released when its process ends). While another one
; runs, a silent one waits for it and the wizard asks to wait; neither goes on
; beside it.
Function ${PREFIX}TakeSetupLock
  System::Call "kernel32::CreateMutexW(p 0, i 1, w '${SETUP_LOCK}') p .R0 ?e"
  Pop $R1
  ${If} $R0 = 0
  ${OrIf} $R1 <> ${ERROR_ALREADY_EXISTS}
    Return
  ${EndIf}
  ${If} ${Silent}
    System::Call "kernel32::WaitForSingleObject(p R0, i ${SETUP_LOCK_WAIT_MS}) i .R2"
    ${If} $R2 <> ${WAIT_OBJECT_0}
    ${AndIf} $R2 <> ${WAIT_ABANDONED}
      SetErrorLevel 2
      Quit
    ${EndIf}
    Return
  ${EndIf}
  ${Do}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(AnotherSetupRuns)" IDRETRY +2
    Quit
    System::Call "kernel32::WaitForSingleObject(p R0, i 0) i .R2"
    ${If} $R2 = ${WAIT_OBJECT_0}
    ${OrIf} $R2 = ${WAIT_ABANDONED}
      ${Break}
    ${EndIf}
  ${Loop}
FunctionEnd

; Finds the hidden application window of a copy of the program that runs
; from this folder: $R0 is the window and $R1 an open handle of its process,
; both 0 when no such copy runs. A copy started from elsewhere is not ours to
; close: its file is not replaced.
Function ${PREFIX}FindRunningCopy
  StrCpy $R0 0
  StrCpy $R1 0
  ${Do}
    System::Call "user32::FindWindowExW(p 0, p R0, w '${APP_WINDOW_CLASS}', w '${APP_NAME}') p .R0"
    ${If} $R0 = 0
      ${Break}
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p R0, *i .R2)"
    System::Call "kernel32::OpenProcess(i ${PROCESS_QUERY_AND_WAIT}, i 0, i R2) p .R1"
    ${If} $R1 <> 0
      System::Call "kernel32::QueryFullProcessImageNameW(p R1, i 0, w .R3, *i ${NSIS_MAX_STRLEN}) i .R4"
      ${If} $R4 <> 0
      ${AndIf} $R3 == "$INSTDIR\${APP_EXE}"
        ${Break}
      ${EndIf}
      System::Call "kernel32::CloseHandle(p R1)"
      StrCpy $R1 0
    ${EndIf}
  ${Loop}
FunctionEnd

; Asks the copy found by FindRunningCopy to end the way Windows asks at
; logoff, so that it saves the teacher's settings on the way out, and waits
; for its process. $R5 is 1 when it ended.
Function ${PREFIX}EndRunningCopy
  DetailPrint "$(ClosingCopy)"
  StrCpy $R5 0
  ; A copy that is still starting up would let the logoff pass unheeded.
  System::Call "user32::WaitForInputIdle(p R1, i ${ANSWER_TIMEOUT_MS})"
  System::Call "user32::SendMessageTimeoutW(p R0, i ${WM_QUERYENDSESSION}, p 0, p ${ENDSESSION_CLOSEAPP}, i ${SMTO_ABORTIFHUNG}, i ${ANSWER_TIMEOUT_MS}, *p .R2) p .R3"
  ${If} $R3 <> 0
  ${AndIf} $R2 <> 0
    System::Call "user32::SendMessageTimeoutW(p R0, i ${WM_ENDSESSION}, p 1, p ${ENDSESSION_CLOSEAPP}, i ${SMTO_ABORTIFHUNG}, i ${END_TIMEOUT_MS}, *p .R2)"
    System::Call "kernel32::WaitForSingleObject(p R1, i ${END_TIMEOUT_MS}) i .R4"
    ${If} $R4 = ${WAIT_OBJECT_0}
      StrCpy $R5 1
    ${EndIf}
  ${Else}
    ; It refused or does not answer: its session goes on.
    System::Call "user32::SendMessageTimeoutW(p R0, i ${WM_ENDSESSION}, p 0, p ${ENDSESSION_CLOSEAPP}, i ${SMTO_ABORTIFHUNG}, i ${ANSWER_TIMEOUT_MS}, *p .R2)"
  ${EndIf}
  System::Call "kernel32::CloseHandle(p R1)"
FunctionEnd

; The program's file can be replaced or removed only once the copy running
; from it has ended. One that will not end is left to the teacher to close,
; with a retry; without one (or silently) nothing is changed.
Function ${PREFIX}CloseRunningCopy
  ${Do}
    Call ${PREFIX}FindRunningCopy
    ${If} $R0 = 0
      ${Break}
    ${EndIf}
    Call ${PREFIX}EndRunningCopy
    ${If} $R5 = 1
      StrCpy $EndedRunningCopy 1
    ${Else}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDRETRY +2
      Abort "$(StillRunningStopped)"
    ${EndIf}
  ${Loop}
FunctionEnd

; Whether the logon start runs this copy. The program writes its path in
; quotation marks; a value typed by hand may lack them, and Windows paths
; ignore letter case (as StrCmp does). $R9 is 1 or 0.
Function ${PREFIX}IsOwnRunValue
  ReadRegStr $R8 HKCU "${RUN_KEY}" "${APP_NAME}"
  StrCpy $R9 0
  ${If} $R8 == '"$INSTDIR\${APP_EXE}"'
  ${OrIf} $R8 == "$INSTDIR\${APP_EXE}"
    StrCpy $R9 1
  ${EndIf}
FunctionEnd

; A logon start of another copy is that copy's, and stays.
Function ${PREFIX}DeleteOwnRunValue
  Call ${PREFIX}IsOwnRunValue
  ${If} $R9 = 1
    DeleteRegValue HKCU "${RUN_KEY}" "${APP_NAME}"
  ${EndIf}
FunctionEnd

!macroend

!insertmacro RUNNING_COPY_FUNCTIONS ""
!insertmacro RUNNING_COPY_FUNCTIONS "un."

;--------------------------------
; Uninstallation

Section "Uninstall"
  Call un.CloseRunningCopy
  DetailPrint "$(RemovingProgram)"
  SetDetailsPrint listonly
  Delete "$INSTDIR\${APP_EXE}"
  Call un.DeleteOwnRunValue
  ; The shortcut and the list entry belong to the latest installation, which
  ; may live in another folder.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == ""
  ${OrIf} $0 == "$INSTDIR"
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
  ; The timetable is the teacher's: it goes only when they say so.
  ${If} ${FileExists} "$INSTDIR\${APP_SETTINGS}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettingsQuestion)" /SD IDNO IDNO +3
    Delete "$INSTDIR\${APP_SETTINGS}"
    Delete "$INSTDIR\${APP_SETTINGS}.bak"
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  SetDetailsPrint both
SectionEnd

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  Call un.TakeSetupLock
FunctionEnd
