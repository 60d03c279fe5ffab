; The per-user installer. Oravin keeps its lists beside itself, so it goes into
; the user's own programs folder, which the user may write without administrator
; rights; under Program Files every save would fail.
;
; scripts/lib/make-package defines VERSION, TARGET (x86-unicode ships), STAGE
; (the program folder as the zips hold it), LISTS (the macros INSTALL_LISTS and
; DELETE_LISTS, a line for each list file), ICON and OUTFILE.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"
!include "${LISTS}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Oravin"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The program names its start-with-Windows value after its executable.
!define RUN_VALUE "oravin"
!define MAIN_WINDOW_CLASS "Oravin.frmMain"
!define PUBLISHER "Oravin"
!define PUBLISHER_SITE "http://www.oravin.example"
; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE
!define PROCESS_RIGHTS 0x00101001
; The program saves its lists on the way out; a slow disk gets this long.
!define CLOSE_WAIT_MS 15000

Name "Oravin"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Oravin"
RequestExecutionLevel user
ManifestDPIAware true
BrandingText "Oravin ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Oravin ${VERSION} 将只为您安装到：$\r$\n$INSTDIR$\r$\n$\r$\n不需要管理员权限。Oravin 把您的列表保存在这个文件夹里，升级时列表和选项都会保留。如果 Oravin 正在运行，安装程序会先关闭它（它会先保存列表）。$\r$\n$\r$\n$_CLICK"
!define MUI_FINISHPAGE_RUN "$INSTDIR\oravin.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Oravin"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Oravin 收藏助手 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "${PUBLISHER}"

; Ends the Oravin that runs from $INSTDIR, and no copy elsewhere: a running
; program holds oravin.exe open, and would write its files back after we
; removed them. It is asked to close as its close button would, so it saves
; its lists first; only one that does not end in time is terminated.
; Uses $0 to $4.
!macro DEFINE_CLOSE_RUNNING_ORAVIN prefix
Function ${prefix}CloseRunningOravin
  StrCpy $0 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "" 0 $0
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i ${PROCESS_RIGHTS}, i 0, i r1) p .r2'
    ${If} $2 == 0
      ${Continue}
    ${EndIf}
    System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
    ; Only one copy runs per folder, so the first match is the only one.
    ${If} $3 == "$INSTDIR\oravin.exe"
      System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
      System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r4'
      ${If} $4 != 0
        System::Call 'kernel32::TerminateProcess(p r2, i 1)'
        System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS})'
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r2)'
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r2)'
  ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_CLOSE_RUNNING_ORAVIN ""
!insertmacro DEFINE_CLOSE_RUNNING_ORAVIN "un."

Section
  SetShellVarContext current
  Call CloseRunningOravin
  SetOutPath "$INSTDIR"
  File "${STAGE}\oravin.exe"
  File "${STAGE}\说明.txt"
  SetOutPath "$INSTDIR\Bin"
  ; The first-run options and the empty lists spare a first start the
  ; missing-file message; an upgrade or a reinstall keeps the user's own.
  SetOverwrite off
  File "${STAGE}\Bin\Settings.txt"
  !insertmacro INSTALL_LISTS
  SetOverwrite on
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Oravin.lnk" "$INSTDIR\oravin.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Oravin"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${PUBLISHER_SITE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\oravin.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program writes its start-up value under the machine's Run key, or the
; user's where it may not write the machine's. A value of the same name that
; points at a copy elsewhere is that copy's, and stays.
!macro DELETE_RUN_VALUE root
  ReadRegStr $0 ${root} "${RUN_KEY}" "${RUN_VALUE}"
  ${If} $0 == "$INSTDIR\oravin.exe"
  ${OrIf} $0 == '"$INSTDIR\oravin.exe"'
    DeleteRegValue ${root} "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
!macroend

Section "Uninstall"
  SetShellVarContext current
  Call un.CloseRunningOravin
  Delete "$INSTDIR\oravin.exe"
  Delete "$INSTDIR\说明.txt"
  Delete "$INSTDIR\Bin\Settings.txt"
  ; What quick open learned, and where the lists were kept, go with the options;
  ; lists in a folder the user chose are never touched.
  Delete "$INSTDIR\Bin\QuickOpenPicks.txt"
  Delete "$INSTDIR\Bin\DataFolder.txt"
  !insertmacro DELETE_RUN_VALUE HKCU
  !insertmacro DELETE_RUN_VALUE HKLM
  Delete "$SMPROGRAMS\Oravin.lnk"
  ; The lists are the user's own work: a silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "也删除您的网址列表和文件夹列表吗？$\r$\n$\r$\n选择“否”则保留在：$\r$\n$INSTDIR\Bin" \
    /SD IDNO IDNO keepLists
  !insertmacro DELETE_LISTS
keepLists:
  RMDir "$INSTDIR\Bin"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; Last, so that its absence says the uninstall is complete.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
