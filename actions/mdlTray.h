#pragma once
// The program's icon in the notification area.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <string>

namespace oravin {

// The notification-area record in its first, smallest form (the 88-byte
// NOTIFYICONDATAA on 32-bit Windows), which every shell understands.
struct TrayIconData {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  CHAR szTip[64];
};
static_assert(offsetof(TrayIconData, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(TrayIconData, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(TrayIconData, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(TrayIconData) == offsetof(NOTIFYICONDATAA, szTip) + 64);
#if defined(_M_IX86) || defined(__i386__)
static_assert(sizeof(TrayIconData) == 88);
#endif

constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

// One icon in the notification area, described by one record that the add
// fills and the removal reuses.
class TrayIcon {
 public:
  // Fills the record and adds the icon. False when the shell refused it, for
  // instance because there is no notification area: the caller must then keep
  // another way back to its window (the taskbar).
  bool Add(HWND window, HICON icon, const std::wstring& tip, UINT callbackMessage);
  // Removes the icon the last add described; without an add it passes a
  // record of zeros, which the shell ignores.
  void Remove();
  // After the shell was restarted ("TaskbarCreated") or first appeared: adds
  // the icon again from the record. False when no add was asked for since the
  // last removal, or the shell refused it.
  bool Restore();
  // A new tip, kept in the record for the restore; shown at once while the icon is there.
  void SetTip(const std::wstring& tip);

  const TrayIconData& Data() const { return data_; }

 private:
  void FillTip(const std::wstring& tip);

  TrayIconData data_{};
  bool wanted_ = false;
};

// The program's one icon: AddTrayIcon at start-up, RestoreTrayIcon whenever
// the window receives TaskbarCreatedMessage(), RemoveTrayIcon at shut-down.
bool AddTrayIcon(HWND window, HICON icon, const std::wstring& tip, UINT callbackMessage);
void RemoveTrayIcon();
bool RestoreTrayIcon();
void SetTrayTip(const std::wstring& tip);
const TrayIconData& ProgramTrayIconData();

// The message the shell broadcasts to top-level windows when the taskbar is
// (re)created.
UINT TaskbarCreatedMessage();

}  // namespace oravin
