; The Windows installer of Velmora (NSIS 3, Unicode). scripts/build-windows.sh makes it:
;   makensis -DVERSION=1.0.0 -DBINDIR=<folder of the .exe files> -DOUTFILE=<installer>
;            [-DASSOCIATE_PROJECTS] velmora.nsi
Unicode true
; A 64-bit installer for a 64-bit program: it also runs under a Wine without 32-bit support.
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef VERSION
  !error "VERSION is not defined"
!endif
!ifndef BINDIR
  !error "BINDIR is not defined"
!endif
!ifndef OUTFILE
  !define OUTFILE "velmora-setup-${VERSION}-win64.exe"
!endif

!define APPNAME "桥涵水文计算 (Velmora)"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define PROJECT_CLASS "Velmora.Project"

!include "MUI2.nsh"
!include "x64.nsh"
!include "LogicLib.nsh"

Name "${APPNAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Velmora"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Velmora ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${APPNAME}"
VIAddVersionKey /LANG=2052 "FileDescription" "${APPNAME} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${BINDIR}/velmora.ico"
!define MUI_UNICON "${BINDIR}/velmora.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmora.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "本程序需要64位Windows。"
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Velmora"
  SetOutPath "$INSTDIR"
  File "${BINDIR}/velmora.exe"
  File "${BINDIR}/velmora-calc.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\velmora.exe"
  CreateShortcut "$DESKTOP\${APPNAME}.lnk" "$INSTDIR\velmora.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APPNAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Velmora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

!ifdef ASSOCIATE_PROJECTS
  WriteRegStr HKLM "Software\Classes\.velmora" "" "${PROJECT_CLASS}"
  WriteRegStr HKLM "Software\Classes\${PROJECT_CLASS}" "" "桥涵水文计算项目"
  WriteRegStr HKLM "Software\Classes\${PROJECT_CLASS}\DefaultIcon" "" "$INSTDIR\velmora.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROJECT_CLASS}\shell\open\command" "" '"$INSTDIR\velmora.exe" "%1"'
  ; Explorer shows the new icon without a restart.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!endif
SectionEnd

; Only what the installer put there goes: projects, reports and books in the user's folders
; stay, and so does anything else a user left in the program's folder.
Section "Uninstall"
  Delete "$INSTDIR\velmora.exe"
  Delete "$INSTDIR\velmora-calc.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APPNAME}.lnk"
  Delete "$DESKTOP\${APPNAME}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
!ifdef ASSOCIATE_PROJECTS
  ; The extension is let go only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.velmora" ""
  ${If} $0 == "${PROJECT_CLASS}"
    DeleteRegKey HKLM "Software\Classes\.velmora"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${PROJECT_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!endif
SectionEnd
