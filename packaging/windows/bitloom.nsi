; The Windows installer: bitloom.exe and bitloom-flags.exe side by side, a
; Start menu entry and an uninstaller Windows lists. makensis builds it from
; the Windows build (target bitloom_installer), which passes the version, the
; publisher, the icon, the programs and the output file as defines.
;
; It installs for the current user, with no administrator rights, into
; %LOCALAPPDATA%\Programs\Bitloom. Run as administrator, it also offers to
; install for all users, into Program Files; silently, /AllUsers asks for that.
; A second run upgrades the installation in place, for the same users, in the
; same folder. /S installs or uninstalls silently; /D=FOLDER, last on the
; command line, chooses the folder.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Extracted files keep the installation's time, not the build's: two builds
; of the same sources give the same installer.
SetDateSave off
ManifestDPIAware true
ManifestSupportedOS all

!define UNINSTALL_KEYS "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_KEYS}\Bitloom"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\Bitloom.lnk"
; The Start menu entry's tooltip, as the Linux menu entry's comment.
!define DESCRIPTION "Compose la valeur hexadécimale des fonctions spéciales du handling de GTA: Vice-City"
; FOLDERID_UserProgramFiles, %LOCALAPPDATA%\Programs: where one user's programs go.
!define USER_PROGRAMS_FOLDER "{5CD7AEE2-2219-4A67-B85D-6C9CE15660CB}"

Name "Bitloom"
OutFile "${OUTPUT}"
BrandingText "Bitloom ${DISPLAY_VERSION}"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1036 ProductName "Bitloom"
VIAddVersionKey /LANG=1036 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1036 FileDescription "Installation de Bitloom ${DISPLAY_VERSION}"
VIAddVersionKey /LANG=1036 FileVersion "${DISPLAY_VERSION}"
VIAddVersionKey /LANG=1036 ProductVersion "${DISPLAY_VERSION}"
VIAddVersionKey /LANG=1036 LegalCopyright "Copyright 2004, 2026 Bitloom team, licence Expat"

; Both kinds of installation, as MultiUser.nsh makes them, the current user's
; by default. Its "Highest" level offers all users to an administrator; the
; manifest still asks for no elevation (RequestExecutionLevel user, after
; the include), so that a user is never asked for an administrator's
; password: all users is for an installer already run as administrator. A
; previous installation's registration gives the kind and the folder of an
; upgrade.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Bitloom"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE \
    "Seul un administrateur peut installer ou désinstaller Bitloom pour tous les utilisateurs de cet ordinateur."
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
RequestExecutionLevel user

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\bitloom.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "French"

Var CommandLineFolder

Function .onInit
    ; /D= has set $INSTDIR already; MultiUser.nsh would replace it.
    StrCpy $CommandLineFolder $INSTDIR
    !insertmacro MULTIUSER_INIT
    StrCmp $CommandLineFolder "" +2
        StrCpy $INSTDIR $CommandLineFolder
FunctionEnd

; An upgrade goes where the installed version is.
Function SkipFolderOnUpgrade
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "" +2
        Abort
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "/oname=bitloom.exe" "${BITLOOM_EXE}"
    File "/oname=bitloom-flags.exe" "${BITLOOM_FLAGS_EXE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\bitloom.exe" "" "$INSTDIR\bitloom.exe" 0 \
        SW_SHOWNORMAL "" "${DESCRIPTION}"

    ; What "Applications et fonctionnalités" shows, and how it uninstalls:
    ; for the same users as the installation.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Bitloom"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bitloom.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Only what the installer put there: files the user left in the folder, and
; the folder with them, stay.
Section "Uninstall"
    Delete "$INSTDIR\bitloom.exe"
    Delete "$INSTDIR\bitloom-flags.exe"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; A user's first installation of a program makes the folder of the
    ; user's programs (where MultiUser.nsh installs; Wine has no such known
    ; folder: its fallback) and the key of the user's uninstall entries.
    ; Empty, they go; Windows makes them again for the next program.
    ${If} $MultiUser.InstallMode == "CurrentUser"
        GetKnownFolderPath $0 ${USER_PROGRAMS_FOLDER}
        StrCmp $0 "" 0 +2
            StrCpy $0 "$LOCALAPPDATA\Programs"
        RMDir $0
        DeleteRegKey /ifempty HKCU "${UNINSTALL_KEYS}"
    ${EndIf}
SectionEnd
