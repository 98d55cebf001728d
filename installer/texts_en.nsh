; The installer's and uninstaller's own texts in English. The program itself
; speaks Russian whatever language was chosen here.

LangString WelcomeText ${LANG_ENGLISH} "This wizard installs Ostrevin ${OSTREVIN_VERSION}, the timer of school lessons, for you alone: no administrator rights are needed.$\r$\n$\r$\nIf Ostrevin is running, it is closed first, the way Windows closes it when you log off. Your timetable and settings stay as they are.$\r$\n$\r$\n$_CLICK"
LangString SectionProgramInfo ${LANG_ENGLISH} "The program, its shortcut in the Start menu and its entry in the list of installed apps."
LangString SectionAutostart ${LANG_ENGLISH} "Start Ostrevin when I log on"
LangString SectionAutostartInfo ${LANG_ENGLISH} "Ostrevin starts by itself each time you log on to Windows. Its settings can change this later."
LangString FinishText ${LANG_ENGLISH} "Ostrevin is installed.$\r$\n$\r$\nIt lives in the notification area next to the clock: click its icon to show the timer, right-click it for the menu.$\r$\n$\r$\nClick Finish to close this wizard."
LangString StartNow ${LANG_ENGLISH} "Start Ostrevin now"
LangString ShortcutComment ${LANG_ENGLISH} "Timer of school lessons"
LangString ProtectedFolder ${LANG_ENGLISH} "Ostrevin keeps your timetable in a file beside the program, so it must be installed into a folder you can write to.$\r$\n$\r$\nWindows protects $INSTDIR from changes by its users. Please choose another folder, for example $LOCALAPPDATA\Programs\Ostrevin."
LangString ClosingCopy ${LANG_ENGLISH} "Closing the running Ostrevin..."
LangString StillRunning ${LANG_ENGLISH} "Ostrevin is still running from $INSTDIR and did not close when asked.$\r$\n$\r$\nPlease close it yourself: right-click its icon in the notification area and choose $\"Выход$\" (Exit). Then click Retry."
LangString StillRunningStopped ${LANG_ENGLISH} "Stopped: Ostrevin is still running. Nothing was changed."
LangString RemoveSettingsQuestion ${LANG_ENGLISH} "Delete your timetable and settings too (the file ${APP_SETTINGS} in $INSTDIR)?$\r$\n$\r$\nChoose No to keep them: Ostrevin installed into this folder again will use them."
LangString ProgramNotReplaced ${LANG_ENGLISH} "Stopped: $INSTDIR\${APP_EXE} could not be replaced. Nothing else was changed."
LangString InstallingProgram ${LANG_ENGLISH} "Installing Ostrevin..."
LangString RemovingProgram ${LANG_ENGLISH} "Removing Ostrevin..."
LangString UninstallFinishText ${LANG_ENGLISH} "Ostrevin has been removed from your computer.$\r$\n$\r$\nClick Finish to close this wizard."
