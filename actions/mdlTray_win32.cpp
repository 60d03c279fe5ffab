#include "actions/mdlTray.h"

#include <algorithm>

#include "actions/tray_shell.h"
#include "actions/tray_tip.h"

namespace oravin {

static_assert(kTrayTipField == sizeof TrayIconData{}.szTip);

bool TrayIcon::Add(HWND window, HICON icon, const std::wstring& tip, UINT callbackMessage) {
  data_.cbSize = sizeof data_;
  data_.hWnd = window;
  data_.uID = kTrayIconId;
  data_.uFlags = kTrayIconFlags;
  data_.uCallbackMessage = callbackMessage;
  data_.hIcon = icon;
  FillTip(tip);
  wanted_ = true;
  return CurrentTrayShell().NotifyIcon(NIM_ADD, data_);
}

void TrayIcon::Remove() {
  wanted_ = false;
  CurrentTrayShell().NotifyIcon(NIM_DELETE, data_);
}

bool TrayIcon::Restore() { return wanted_ && CurrentTrayShell().NotifyIcon(NIM_ADD, data_); }

void TrayIcon::SetTip(const std::wstring& tip) {
  FillTip(tip);
  if (wanted_) CurrentTrayShell().NotifyIcon(NIM_MODIFY, data_);
}

void TrayIcon::FillTip(const std::wstring& tip) {
  const auto field = TrayTipField(tip);
  std::copy(field.begin(), field.end(), data_.szTip);
}

namespace {

TrayIcon& ProgramTrayIcon() {
  static TrayIcon icon;
  return icon;
}

}  // namespace

bool AddTrayIcon(HWND window, HICON icon, const std::wstring& tip, UINT callbackMessage) {
  return ProgramTrayIcon().Add(window, icon, tip, callbackMessage);
}

void RemoveTrayIcon() { ProgramTrayIcon().Remove(); }

bool RestoreTrayIcon() { return ProgramTrayIcon().Restore(); }

void SetTrayTip(const std::wstring& tip) { ProgramTrayIcon().SetTip(tip); }

const TrayIconData& ProgramTrayIconData() { return ProgramTrayIcon().Data(); }

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace oravin
