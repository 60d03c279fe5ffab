#pragma once
// The program's icon in the notification area, owned by the window that
// receives its messages.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "actions/tray_shell.h"

namespace oravin {

constexpr UINT kTrayIconId = 1;

// What a message from the icon asks of its window.
enum class TrayRequest { None, ShowWindow, ShowMenu };

class TrayIcon {
 public:
  // The icon's messages will reach `window` as `callbackMessage` (WM_APP + n).
  TrayIcon(NotificationArea& area, HWND window, UINT callbackMessage);
  // The icon goes with its owner.
  ~TrayIcon() { Remove(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon and asks for the shell's fourth message version, keeping
  // the first where the shell lacks it. False when the shell refused the icon,
  // for instance because there is no notification area: the owner must then
  // keep another way back to its window (the taskbar).
  bool Add(HICON icon, std::wstring_view tip);
  void Remove();
  // After the shell was restarted ("TaskbarCreated") or first appeared: adds
  // the icon again as it was. False when it was not there, or the shell refused it.
  bool Restore();
  // Kept for a restore, and shown at once while the icon is there.
  void SetTip(std::wstring_view tip);
  void SetIcon(HICON icon);

  bool Shown() const { return shown_; }
  // What the message the icon sent (its lParam) asks for: a left-button
  // release or the keyboard's choice shows the window; the context menu's
  // click or key shows the menu; moves and presses ask nothing.
  TrayRequest RequestOf(LPARAM lp) const;
  // The record as the shell last had it, for tests.
  const NOTIFYICONDATAW& Data() const { return data_; }

 private:
  bool Send(DWORD message);

  NotificationArea& area_;
  NOTIFYICONDATAW data_{};
  bool shown_ = false;
  // Whether the icon should be there: after an add and until the removal.
  bool wanted_ = false;
};

// The message the shell broadcasts to top-level windows when the taskbar is
// (re)created.
UINT TaskbarCreatedMessage();

}  // namespace oravin
