// The main window's life: start-up, the title row, the notification icon, shut-down.
#include "app/main_window.h"

#include "actions/tray_icon.h"
#include "app/addresses.h"
#include "app/images.h"
#include "app/placement.h"
#include "app/version.h"
#include "data/data_folder.h"
#include "data/settings.h"
#include "effects/window_animation.h"
#include "effects/window_shape.h"
#include "runtime/dpi.h"
#include "runtime/message_box.h"
#include "runtime/message_loop.h"

namespace oravin {
namespace {

constexpr wchar_t kClassName[] = L"Oravin.frmMain";
constexpr wchar_t kCaption[] = L"Oravin " ORAVIN_VERSION_TEXT;
// Back from the taskbar, where the window went for want of a notification area.
constexpr UINT kRestoreFromTaskbar = WM_APP + 1;

// Taking drops starts OLE, which takes a while under Wine: the window registers
// for them a moment after its start-up, once it has sat waiting for input, so
// that first wait is not held up. A drop before then is not taken.
constexpr UINT_PTR kDropTargetTimer = 1;
constexpr UINT kDropTargetDelayMs = 500;
// The lists not shown are read as soon as the start-up has first waited for
// input, so that the first switch to one, like every later one, only shows it.
constexpr UINT_PTR kPreloadTimer = 2;
constexpr UINT kPreloadDelayMs = 200;

constexpr int32_t kOpenEffect = 9;
constexpr int32_t kCloseEffect = 0;
constexpr int32_t kHideEffect = 2;
constexpr int32_t kRestoreEffect = 3;

}  // namespace

MainWindow::MainWindow(const SystemServices& system)
    : program_(system.program),
      launcher_(system.shell, system.program.folder),
      startUpEntry_(system.registry),
      notificationArea_(system.notificationArea),
      folderPicker_(system.folderPicker),
      messageBoxes_(system.messageBoxes) {}

MainWindow::~MainWindow() = default;

bool MainWindow::Load() {
  if (!Create({.className = kClassName,
               .style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU,
               .exStyle = WS_EX_TOOLWINDOW,
               .title = kCaption,
               .icon = ProgramIcon(GetSystemMetrics(SM_CXICON)),
               .smallIcon = ProgramIcon(GetSystemMetrics(SM_CXSMICON))})) {
    return false;
  }
  CreateControls();
  BindEvents();
  StackPagesInDesignOrder();
  OrderTabStops();
  UseDialogKeys(hwnd());

  PlacePagesOnTheList();
  PlaceAtBottomRight();
  ShowWindow(hwnd(), SW_SHOW);
  // Before the settings are read, so it always follows the design-time option (animated).
  Animate(hwnd(), kAnimateOpen, kOpenEffect, [this] { FinishStartUp(); });
  // The list shown first is read while the window opens, not while it is made,
  // and shown once it has opened; the others are read once it waits for input
  // (kPreloadTimer). What the settings and a folder away have to tell is told
  // then too, when the start-up reads them again.
  favorites_.SetFolder(FindDataFolder(BinFolder()).path);
  Notices toldLater;
  const std::optional<int32_t> mode = LoadSettings(SystemCodec(), BinFolder(), toldLater).mode;
  if (const std::optional<ListKind> first = ListOf(Assistant(mode.value_or(0)))) favorites_.ReadAhead(*first);
  return true;
}

void MainWindow::FinishStartUp() {
  ApplySettings();
  OpenDataFolder();
  started_ = true;
  SetMode();
  ShowCurrentList();
  WatchListFolder();
  RegisterQuickOpenKey();
  ShapeForm(*this);
  trayIcon_ = std::make_unique<TrayIcon>(notificationArea_, hwnd(), kTrayMessage);
  OnTrayIconAdded(trayIcon_->Add(TrayIconPicture(), TrayTip()));
  browserStandIn.Navigate(kBrowserStartPage);
  SetTimer(hwnd(), kDropTargetTimer, kDropTargetDelayMs, nullptr);
  SetTimer(hwnd(), kPreloadTimer, kPreloadDelayMs, nullptr);
}

void MainWindow::Animate(HWND window, int32_t mode, int32_t effect, std::function<void()> then) {
  animation_.Play({.window = window,
                   .mode = mode,
                   .effect = effect,
                   .delay = kAnimationDelay,
                   .steps = kAnimationSteps,
                   .animated = optionsPage.animateCheck.Value() != 0},
                  std::move(then));
}

void MainWindow::PlaceAtBottomRight() {
  SetDesignSize(kMainWidth, kMainHeight);
  const ScreenPoint at =
      MainWindowPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), DpiOf(hwnd()));
  const SIZE size = PixelSize();
  SetWindowPos(hwnd(), nullptr, at.left, at.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Rescaled() {
  const int dpi = DpiOf(hwnd());
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, LPARAM(ProgramIcon(SystemMetricForDpi(SM_CXICON, dpi))));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, LPARAM(ProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi))));
  if (trayIcon_) trayIcon_->SetIcon(TrayIconPicture());
  // Hidden in the notification area it has no outline to keep; the restore gives it one.
  if (!minimizedToTray_) ShapeForm(*this);
}

void MainWindow::ApplySettings() {
  Notices notices;
  const SettingsFields f = LoadSettings(SystemCodec(), BinFolder(), notices);
  messageBoxes_.Tell(notices);
  settingsEncoding_ = f.encoding;
  // The fields come in file order and stop at the first damaged one.
  if (f.animate) optionsPage.animateCheck.SetValue(*f.animate);
  if (f.mode) favorites_.SetCurrent(Assistant(*f.mode));
  if (f.openInNewWindow) newWindowCheck.SetValue(*f.openInNewWindow);
  if (f.startWithWindows) optionsPage.startWithWindowsCheck.SetValue(*f.startWithWindows);
  if (f.resultCount) searchPage.resultCountBox.SetText(*f.resultCount);
  if (f.exactPhrase) searchPage.exactPhraseCheck.SetValue(*f.exactPhrase);
  optionsPage.quickOpenKeyBox.SetValue(f.quickOpenKey.value_or(kDefaultQuickOpenKey));
  if (f.browserBookmarks) optionsPage.browserBookmarksCheck.SetValue(*f.browserBookmarks);
}

Options MainWindow::CurrentOptions() const {
  return {optionsPage.animateCheck.Value(), int32_t(favorites_.Current()),
          newWindowCheck.Value(),                optionsPage.startWithWindowsCheck.Value(),
          searchPage.resultCountBox.Text(),      searchPage.exactPhraseCheck.Value(),
          optionsPage.quickOpenKeyBox.Value(), optionsPage.browserBookmarksCheck.Value(), settingsEncoding_};
}

// The notification area draws its icons at the small-icon size of the window's DPI.
HICON MainWindow::TrayIconPicture() const { return ProgramIcon(SystemMetricForDpi(SM_CXSMICON, DpiOf(hwnd()))); }

void MainWindow::OnTrayIconAdded(bool added) {
  inTray_ = added;
  // In the notification area the window has no taskbar button; without one,
  // the taskbar button is the way back.
  const LONG ex = GetWindowLongW(hwnd(), GWL_EXSTYLE);
  const LONG wanted = added ? (ex | WS_EX_TOOLWINDOW) & ~WS_EX_APPWINDOW : (ex & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW;
  if (wanted == ex) return;
  // The taskbar notices the change only when the window is shown again.
  const bool iconic = IsIconic(hwnd());
  ShowWindow(hwnd(), SW_HIDE);
  SetWindowLongW(hwnd(), GWL_EXSTYLE, wanted);
  ShowWindow(hwnd(), !iconic ? SW_SHOWNA : added ? SW_SHOWNOACTIVATE : SW_SHOWMINNOACTIVE);
}

void MainWindow::Minimize() {
  minimizedToTray_ = true;
  Animate(hwnd(), kAnimateClose, kHideEffect, [this] {
    if (!inTray_) ShowWindow(hwnd(), SW_MINIMIZE);
  });
}

void MainWindow::RestoreFromTray() {
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (!minimizedToTray_) return;
  minimizedToTray_ = false;
  // The animation leaves a rectangular region behind.
  Animate(hwnd(), kAnimateOpen, kRestoreEffect, [this] { ShapeForm(*this); });
}

void MainWindow::Close() {
  Animate(hwnd(), kAnimateClose, kCloseEffect, [this] { Unload(); });
}

void MainWindow::Unload() {
  ShutDown();
  DestroyWindow(hwnd());
}

void MainWindow::ShutDown() {
  // Once only: Windows ending the session and the window closing both lead here.
  if (shutDown_) return;
  shutDown_ = true;
  // Closed before the settings were read: what the window holds is not the user's.
  if (!started_) return;
  Notices notices;
  favorites_.SaveListsAtExit(notices);
  messageBoxes_.Tell(notices);
  notices.clear();
  SaveSettings(SystemCodec(), CurrentOptions(), BinFolder(), notices);
  messageBoxes_.Tell(notices);
  CheckStartUp();
  trayIcon_.reset();
}

// Enter where no control takes it: in the search words it runs the search,
// as "Go" does; on a push button it presses it, as in a dialog.
void MainWindow::OnEnterKey() {
  HWND focus = GetFocus();
  if (focus == searchPage.searchWordsBox.hwnd()) {
    Search();
  } else if (focus && (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
    SendMessageW(focus, BM_CLICK, 0, 0);
  }
}

// Nothing from the icon runs in the middle of an animation: a click waits for
// none, it is simply not taken, as a click on the window is not.
void MainWindow::OnTrayMessage(LPARAM lp) {
  if (!trayIcon_ || Animating()) return;
  switch (trayIcon_->RequestOf(lp)) {
    case TrayRequest::ShowWindow: return RestoreFromTray();
    case TrayRequest::ShowMenu: return ShowTrayMenu();
    case TrayRequest::None: return;
  }
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kTrayMessage:
      OnTrayMessage(lp);
      return 0;
    case WM_COMMAND:
      // Enter, as the dialog keys report it: IDOK from no control.
      if (LOWORD(wp) == IDOK && lp == 0) {
        OnEnterKey();
        return 0;
      }
      break;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Windows is logging off or shutting down: keep the lists and settings.
      if (wp) ShutDown();
      return 0;
    case WM_SIZE:
      if (wp == SIZE_RESTORED && minimizedToTray_ && !inTray_) PostMessageW(hwnd(), kRestoreFromTaskbar, 0, 0);
      break;
    case kRestoreFromTaskbar:
      RestoreFromTray();
      return 0;
    case WM_TIMER:
      if (wp == kPreloadTimer) {
        KillTimer(hwnd(), kPreloadTimer);
        for (const ListKind list : kListKinds) favorites_.ReadQuietly(list);
        FollowBrowserBookmarks();
        return 0;
      }
      if (wp == kDataFolderTimer) {
        LookForDataFolder();
        return 0;
      }
      if (wp != kDropTargetTimer) break;
      KillTimer(hwnd(), kDropTargetTimer);
      RegisterDropTarget();
      return 0;
    case kTakeDrops:
      TakeDrops();
      return 0;
    case kBrowserBookmarksRead:
      OnBrowserBookmarksRead();
      return 0;
    case WM_HOTKEY:
      ToggleQuickOpen();
      return 0;
    case WM_DESTROY:
      // The window's drop target goes with it, and OLE with that.
      dropTarget_.reset();
      PostQuitMessage(0);
      return 0;
  }
  if (msg == TaskbarCreatedMessage()) {
    if (trayIcon_) OnTrayIconAdded(trayIcon_->Restore());
    return 0;
  }
  return Form::OnMessage(msg, wp, lp);
}

}  // namespace oravin
