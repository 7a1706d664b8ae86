; Quillet's setup program: installs the three modules, the add-in host, the
; README and the manual, registers them with Windows, and writes an
; uninstaller that takes all of it away again except the user's format
; settings. The 32-bit Windows build makes it ("setup" target), passing:
;   SOURCE      the source folder (README, manual, screenshots, icon)
;   OUTDIR      where the setup program is written
;   QUILLET_EXE, QLSHARED_DLL, QLADDIN_DLL, HOST_EXE  the built modules
; Runs silently with /S (and /D=FOLDER); the uninstaller with /S.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
; A file that cannot be written stops the setup (and a silent one answers
; Cancel): a skipped file would leave an installation that cannot work.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

; The version is the program's own, from its version record.
!getdllversion "${QUILLET_EXE}" QUILLET_VERSION_
!define VERSION "${QUILLET_VERSION_1}.${QUILLET_VERSION_2}.${QUILLET_VERSION_3}.${QUILLET_VERSION_4}"

!define PUBLISHER "Tamsel Software"
!define SETTINGS_KEY "Software\Tamsel Software\Quillet"
!define COMPANY_KEY "Software\Tamsel Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet"
!define CLASSES "Software\Classes"
!define DOCUMENT_TYPE "Quillet.Document"
!define EXTENSION ".dsw"
!define MENU_FOLDER "$SMPROGRAMS\Quillet"
!define GUARD_MUTEX "Tamsel Software Quillet Setup"

Name "Quillet"
OutFile "${OUTDIR}/Quillet-${VERSION}-setup.exe"
InstallDir "$PROGRAMFILES\Quillet"
; An installed copy is replaced where it lies.
InstallDirRegKey HKLM "${SETTINGS_KEY}" "Install Path"
BrandingText "Quillet ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey ProductName "Quillet"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey FileDescription "Quillet Setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "${PUBLISHER}"

!define MUI_ICON "${SOURCE}/app/res/Quillet.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install Quillet ${VERSION}: the program that lists the line and comment counts of a Developer Studio workspace and reformats its sources, the Developer Studio add-in with its stand-in host, and the user manual.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillet.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run Quillet"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; One setup or uninstaller at a time: a second one says so and ends with
; exit code 3. The mutex lives as long as the process.
!macro SINGLE_INSTANCE
  System::Call 'kernel32::CreateMutex(p 0, i 0, t "${GUARD_MUTEX}") p .r0 ?e'
  Pop $1
  ${If} $1 = 183 ; ERROR_ALREADY_EXISTS
    MessageBox MB_OK|MB_ICONEXCLAMATION "Quillet Setup is already running." /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
!macroend

; The files of the installation, given an operation: FILE installs one,
; GONE removes it.
!macro QUILLET_FILES OPERATION
  !insertmacro ${OPERATION} "${QUILLET_EXE}" Quillet.exe
  !insertmacro ${OPERATION} "${QLSHARED_DLL}" QLShared.dll
  !insertmacro ${OPERATION} "${QLADDIN_DLL}" QLAddIn.dll
  !insertmacro ${OPERATION} "${HOST_EXE}" addin_host.exe
  !insertmacro ${OPERATION} "${SOURCE}/README.md" README.md
!macroend
!macro FILE SOURCE_FILE NAME
  File "/oname=${NAME}" "${SOURCE_FILE}"
!macroend
!macro GONE SOURCE_FILE NAME
  Delete "$INSTDIR\${NAME}"
!macroend

; Takes away everything the setup registers, in the installer (after a
; failure) and in the uninstaller. Keys that another program owns stay: the
; extension only while it still names our document type.
!macro REMOVE_REGISTRATION UN
Function ${UN}RemoveRegistration
  SetShellVarContext all
  ${If} ${FileExists} "$INSTDIR\QLAddIn.dll"
    UnRegDLL "$INSTDIR\QLAddIn.dll"
    ; The add-in's own unregistration leaves its type library registered.
    TypeLib::UnRegister "$INSTDIR\QLAddIn.dll"
  ${EndIf}
  DeleteRegKey HKLM "${CLASSES}\${DOCUMENT_TYPE}"
  ReadRegStr $0 HKLM "${CLASSES}\${EXTENSION}" ""
  ${If} $0 == "${DOCUMENT_TYPE}"
    DeleteRegKey HKLM "${CLASSES}\${EXTENSION}"
  ${EndIf}
  ; What the program registered for the user who runs this.
  DeleteRegKey HKCU "${CLASSES}\${DOCUMENT_TYPE}"
  ReadRegStr $0 HKCU "${CLASSES}\${EXTENSION}" ""
  ${If} $0 == "${DOCUMENT_TYPE}"
    DeleteRegKey HKCU "${CLASSES}\${EXTENSION}"
  ${EndIf}
  DeleteRegValue HKLM "${SETTINGS_KEY}" "Install Path"
  DeleteRegKey /ifempty HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "${COMPANY_KEY}"
  Delete "${MENU_FOLDER}\Quillet.lnk"
  Delete "${MENU_FOLDER}\Quillet Add-in Host.lnk"
  Delete "${MENU_FOLDER}\Uninstall Quillet.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
FunctionEnd
!macroend
!insertmacro REMOVE_REGISTRATION ""
!insertmacro REMOVE_REGISTRATION "un."

; Removes the installed files; the folder goes only when nothing of the
; user's is left in it.
!macro REMOVE_FILES UN
Function ${UN}RemoveFiles
  !insertmacro QUILLET_FILES GONE
  RMDir /r "$INSTDIR\manual"
  RMDir /r "$INSTDIR\screenshots"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
FunctionEnd
!macroend
!insertmacro REMOVE_FILES ""
!insertmacro REMOVE_FILES "un."

Var previousFolder
Var extensionOwner
Var chosenFolder
Var registering

Function .onInit
  !insertmacro SINGLE_INSTANCE
  ReadRegStr $previousFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
FunctionEnd

; Stops the setup after a failure, taking away what was registered; a new
; installation's files go too.
!macro FAIL MESSAGE
  MessageBox MB_OK|MB_ICONSTOP "${MESSAGE}" /SD IDOK
  Abort "${MESSAGE}"
!macroend

; A failure before anything was registered leaves a copy installed before
; as it was; one after takes every registration away, so that nothing is
; half-registered. The files written go unless they replaced a copy in place.
Function .onInstFailed
  ${If} $registering == 1
    Call RemoveRegistration
  ${EndIf}
  ${If} $previousFolder != $INSTDIR
    Call RemoveFiles
  ${EndIf}
FunctionEnd

Section "Quillet"
  SetShellVarContext all
  ; Every file before any registration: a folder that cannot be written
  ; stops the setup with nothing registered.
  SetOutPath "$INSTDIR"
  !insertmacro QUILLET_FILES FILE
  SetOutPath "$INSTDIR\manual"
  File "${SOURCE}/docs/manual/*.html"
  File "${SOURCE}/docs/manual/*.css"
  SetOutPath "$INSTDIR\screenshots"
  File "${SOURCE}/docs/screenshots/*.png"
  SetOutPath "$INSTDIR"
  ClearErrors
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    !insertmacro FAIL "The uninstaller could not be written to $INSTDIR."
  ${EndIf}

  StrCpy $registering 1
  ; A copy installed elsewhere before goes, so that one installation
  ; remains; the format settings stay.
  ${If} $previousFolder != ""
  ${AndIf} $previousFolder != $INSTDIR
    StrCpy $chosenFolder $INSTDIR
    StrCpy $INSTDIR $previousFolder
    Call RemoveRegistration
    Call RemoveFiles
    StrCpy $INSTDIR $chosenFolder
  ${EndIf}

  ; The help file path that QLShared builds from it.
  ClearErrors
  WriteRegStr HKLM "${SETTINGS_KEY}" "Install Path" "$INSTDIR"
  ${If} ${Errors}
    !insertmacro FAIL "The installation folder could not be recorded under HKLM\${SETTINGS_KEY}."
  ${EndIf}

  ; The add-in registers itself.
  RegDLL "$INSTDIR\QLAddIn.dll"
  ${If} ${Errors}
    !insertmacro FAIL "The Developer Studio add-in $INSTDIR\QLAddIn.dll could not be registered."
  ${EndIf}

  ; Workspaces, the compatible way: the document type's keys every time,
  ; the extension only when no program owns it. The shell starts the
  ; program with /dde and hands it the file by DDE.
  ReadRegStr $extensionOwner HKCR "${EXTENSION}" ""
  ClearErrors
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}" "" "Quillet Document"
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\DefaultIcon" "" "$INSTDIR\Quillet.exe,1"
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\shell\open\command" "" '"$INSTDIR\Quillet.exe" /dde'
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\shell\open\ddeexec" "" '[open("%1")]'
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\shell\open\ddeexec\application" "" "Quillet"
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\shell\open\ddeexec\topic" "" "system"
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\shell\print\command" "" '"$INSTDIR\Quillet.exe" /p "%1"'
  WriteRegStr HKLM "${CLASSES}\${DOCUMENT_TYPE}\shell\printto\command" "" '"$INSTDIR\Quillet.exe" /pt "%1" "%2" "%3" "%4"'
  ${If} $extensionOwner == ""
    WriteRegStr HKLM "${CLASSES}\${EXTENSION}" "" "${DOCUMENT_TYPE}"
  ${EndIf}
  ${If} ${Errors}
    !insertmacro FAIL "The workspace file type could not be registered."
  ${EndIf}

  ClearErrors
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Quillet.lnk" "$INSTDIR\Quillet.exe"
  CreateShortcut "${MENU_FOLDER}\Quillet Add-in Host.lnk" "$INSTDIR\addin_host.exe"
  CreateShortcut "${MENU_FOLDER}\Uninstall Quillet.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quillet"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillet.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  ${If} ${Errors}
    !insertmacro FAIL "Quillet could not be registered with Windows."
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ClearErrors
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} ${Errors}
    !insertmacro FAIL "Quillet could not be registered with Windows."
  ${EndIf}
SectionEnd

Function un.onInit
  !insertmacro SINGLE_INSTANCE
FunctionEnd

Section "Uninstall"
  Call un.RemoveRegistration
  ; The thirteen format settings belong to the user: a silent uninstall
  ; keeps them, an interactive one asks.
  MessageBox MB_YESNO|MB_ICONQUESTION "Keep your Quillet format settings (tab and indent sizes, braces, spacing) for a later installation?" /SD IDYES IDYES keep
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "${COMPANY_KEY}"
  keep:
  ; The program's profile of the user who uninstalls (recent files).
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${COMPANY_KEY}"
  Call un.RemoveFiles
SectionEnd
