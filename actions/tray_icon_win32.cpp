#include "actions/tray_icon.h"

#include <algorithm>

namespace oravin {
namespace {

// The field holds 128 units with the terminator; a cut never splits a surrogate pair.
void CopyTip(std::wstring_view tip, wchar_t (&field)[128]) {
  size_t length = std::min(tip.size(), std::size(field) - 1);
  if (length < tip.size() && length > 0 && IS_HIGH_SURROGATE(tip[length - 1])) --length;
  std::fill(std::begin(field), std::end(field), L'\0');
  std::copy_n(tip.begin(), length, field);
}

}  // namespace

TrayIcon::TrayIcon(NotificationArea& area, HWND window, UINT callbackMessage) : area_(area) {
  data_.cbSize = sizeof data_;
  data_.hWnd = window;
  data_.uID = kTrayIconId;
  // Version 4 shows the standard tip only when asked for.
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data_.uCallbackMessage = callbackMessage;
}

bool TrayIcon::Add(HICON icon, std::wstring_view tip) {
  data_.hIcon = icon;
  CopyTip(tip, data_.szTip);
  wanted_ = true;
  return Restore();
}

bool TrayIcon::Restore() {
  if (!wanted_) return false;
  shown_ = Send(NIM_ADD);
  if (!shown_) return false;
  data_.uVersion = NOTIFYICON_VERSION_4;
  // An older shell keeps speaking the first version, which RequestOf reads as well.
  if (!Send(NIM_SETVERSION)) data_.uVersion = 0;
  return true;
}

void TrayIcon::Remove() {
  wanted_ = false;
  if (shown_) Send(NIM_DELETE);
  shown_ = false;
}

void TrayIcon::SetTip(std::wstring_view tip) {
  CopyTip(tip, data_.szTip);
  if (shown_) Send(NIM_MODIFY);
}

void TrayIcon::SetIcon(HICON icon) {
  data_.hIcon = icon;
  if (shown_) Send(NIM_MODIFY);
}

bool TrayIcon::Send(DWORD message) { return area_.Notify(message, data_); }

TrayRequest TrayIcon::RequestOf(LPARAM lp) const {
  // The event is the low word in both versions: the fourth puts the icon's
  // identifier in the high word, the first sends the mouse message alone.
  switch (LOWORD(lp)) {
    case WM_LBUTTONUP:
    case NIN_KEYSELECT:
      return TrayRequest::ShowWindow;
    case WM_CONTEXTMENU:
      return data_.uVersion == NOTIFYICON_VERSION_4 ? TrayRequest::ShowMenu : TrayRequest::None;
    case WM_RBUTTONUP:
      // The fourth version follows a right-button release with WM_CONTEXTMENU.
      return data_.uVersion == NOTIFYICON_VERSION_4 ? TrayRequest::None : TrayRequest::ShowMenu;
    default:
      return TrayRequest::None;
  }
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace oravin
