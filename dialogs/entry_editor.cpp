#include "dialogs/entry_editor.h"

#include "controls/colorbutton/button_spec.h"
#include "data/entry.h"
#include "dialogs/entry_text.h"
#include "effects/window_animation.h"
#include "effects/window_shape.h"
#include "runtime/message_box.h"
#include "runtime/message_loop.h"

namespace oravin {
namespace {

constexpr wchar_t kClassName[] = L"Oravin.frmNew";
constexpr wchar_t kCaption[] = L"添加新网址";
constexpr COLORREF kBackColor = 0x0005BAFE;
constexpr COLORREF kBoxColor = 0x00A3E8FC;
constexpr COLORREF kButtonColor = 0x000080FF;
constexpr int kWidth = 399, kHeight = 98;
// The confirm button's caption says which job the dialog does.
constexpr wchar_t kAddCaption[] = L"添加  ";
constexpr wchar_t kSaveCaption[] = L"保存  ";
constexpr int32_t kEffect = 8, kDelay = 1, kSteps = 33;
// Discarding the dialog waits until the handler that closed it has returned.
constexpr UINT kDiscard = WM_APP + 1;

// The editor asks for a path on a folder list, for a web address otherwise.
bool IsFolderList(std::optional<ListKind> list) { return list && AddressesOf(*list) == AddressKind::Folder; }

}  // namespace

EntryEditor::~EntryEditor() { Discard(); }

void EntryEditor::Load() {
  Discard();  // a dialog closed a moment ago may still wait for its discarding
  if (!Create({.className = kClassName, .style = WS_POPUP | WS_CLIPCHILDREN, .exStyle = WS_EX_TOOLWINDOW,
               .title = kCaption})) {
    return;
  }
  SetBackColor(kBackColor);
  CreateControls();
  // Tab from the title to the address and on to the buttons, Enter to confirm, Escape to close.
  UseDialogKeys(hwnd());
  SetDesignSize(kWidth, kHeight);
  const SIZE size = PixelSize();
  // In the middle of the screen, where the eye is.
  SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd(), SW_SHOW);
  Animate(kAnimateOpen, [this] {
    ShapeForm(*this);
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus(controls_->titleBox.hwnd());
  });
}

void EntryEditor::Animate(int32_t mode, std::function<void()> then) {
  animation_.Play({.window = hwnd(),
                   .mode = mode,
                   .effect = kEffect,
                   .delay = kDelay,
                   .steps = kSteps,
                   .animated = animateOption_.Value() != 0},
                  std::move(then));
}

void EntryEditor::Rescaled() { ShapeForm(*this); }

void EntryEditor::CreateControls() {
  controls_ = std::make_unique<Controls>();
  Controls& c = *controls_;
  c.titleLabel.Create(hwnd(), {33, 29, 30, 12}, L"标题:", {});
  c.titleBox.Create(hwnd(), {72, 24, 121, 24}, L"", kBoxColor);
  c.titleBox.SetFont(std::make_shared<Font>(L"宋体", 9));
  c.captionLabel.Create(hwnd(), {201, 31, 60, 12}, L"添加新网址", {.backColor = kButtonColor});
  c.addressLabel.Create(hwnd(), {16, 63, 48, 12}, L"网址(&A):", {});
  c.addressBox.Create(hwnd(), {72, 56, 257, 25}, L"", kBoxColor);
  c.addressBox.SetFont(std::make_shared<Font>(L"Tahoma", 9, false, 0));
  c.addButton = MakeButton(hwnd(), {{336, 56, 49, 25}, kAddCaption, nullptr, L"", kButtonColor, 0x00E0E0E0});
  c.closeButton = MakeButton(hwnd(), {{368, 1, 17, 15}, L"X", nullptr, L"", kButtonColor, kButtonColor});
  c.addressBox.LostFocus = [this] { TidyAddress(); };
  c.addButton->Click = [this] { Confirm(); };
  c.closeButton->Click = [this] { Unload(); };
}

void EntryEditor::SetJob(const wchar_t* title, const wchar_t* addressLabel, const wchar_t* confirm, const wchar_t* tip) {
  Controls& c = *controls_;
  if (favorites_.CurrentList()) {
    c.captionLabel.SetCaption(title);
    c.addressLabel.SetCaption(addressLabel);
  }
  c.addButton->SetToolTipText(tip);
  c.addButton->SetCaption(confirm);
}

void EntryEditor::NewAddress() {
  if (!IsOpen()) Load();
  if (!IsOpen()) return;
  const bool folders = IsFolderList(favorites_.CurrentList());
  SetJob(folders ? L"添加文件夹" : L"添加网址", folders ? L"路径:" : L"网址:", kAddCaption, L"添加");
  edited_.reset();
}

void EntryEditor::NewAddress(const std::wstring& title, const std::wstring& address) {
  NewAddress();
  if (!IsOpen()) return;
  controls_->titleBox.SetText(title);
  controls_->addressBox.SetText(address);
}

void EntryEditor::EditAddress(int32_t index) {
  if (!IsOpen()) Load();
  if (!IsOpen()) return;
  const std::optional<ListKind> list = favorites_.CurrentList();
  const bool folders = IsFolderList(list);
  SetJob(folders ? L"编辑路径" : L"编辑网址", folders ? L"路径:" : L"网址:", kSaveCaption, L"保存");
  edited_.reset();
  if (!list || index < 0 || size_t(index) >= favorites_.Entries(*list).size()) return;
  edited_ = Edited{*list, favorites_.Entries(*list)[size_t(index)], index};
  controls_->addressBox.SetText(AddressOf(edited_->entry));
  controls_->titleBox.SetText(TitleOf(edited_->entry));
}

void EntryEditor::TidyAddress() {
  // Folder paths are never changed.
  const std::optional<ListKind> list = favorites_.CurrentList();
  if (!IsOpen() || !list || AddressesOf(*list) != AddressKind::Web) return;
  TextBox& box = controls_->addressBox;
  const std::wstring tidy = TidyWebAddress(box.Text());
  if (tidy != box.Text()) box.SetText(tidy);
}

void EntryEditor::Confirm() {
  // The search page has no list to add to.
  const std::optional<ListKind> list = favorites_.CurrentList();
  if (!list) return Unload();
  const std::wstring title = controls_->titleBox.Text(), address = controls_->addressBox.Text();
  // The entry would not come back from the file as typed: say so and keep the dialog open.
  if (const auto problem = favorites_.EntryProblem(*list, title, address)) {
    messageBoxes_.Show({*problem, L"抱歉", MsgIcon::Exclamation});
    return;
  }
  // Saving replaces the entry the dialog was opened for, wherever it stands
  // now; one deleted meanwhile is added anew.
  if (controls_->addButton->Caption() != kAddCaption && edited_ && edited_->list == *list) {
    if (const auto i = favorites_.FindEntry(*list, edited_->entry, edited_->index)) favorites_.RemoveEntry(*list, *i);
  }
  favorites_.AddEntry(*list, title + std::wstring(kAddressMarker) + address);
  Unload();
}

// Enter confirms as a click on the button does: the focus goes to the button
// first, so the address box is tidied before its text is read.
void EntryEditor::ConfirmFromKeyboard() {
  if (!IsOpen()) return;
  SetFocus(controls_->addButton->hwnd());
  Confirm();
}

void EntryEditor::Unload() {
  if (!IsOpen()) return;
  Animate(kAnimateClose, [this] {
    ShowWindow(hwnd(), SW_HIDE);
    PostMessageW(hwnd(), kDiscard, 0, 0);
  });
}

void EntryEditor::Discard() {
  // The controls go first, while the window that holds them is still there.
  controls_.reset();
  edited_.reset();
  if (hwnd()) DestroyWindow(hwnd());
}

LRESULT EntryEditor::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kDiscard:
      if (!IsWindowVisible(hwnd())) Discard();
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_COMMAND:
      // Enter and Escape, as the dialog keys report them: IDOK and IDCANCEL from no control.
      if (lp == 0 && LOWORD(wp) == IDOK) {
        ConfirmFromKeyboard();
        return 0;
      }
      if (lp == 0 && LOWORD(wp) == IDCANCEL) {
        Unload();
        return 0;
      }
      break;
  }
  return Form::OnMessage(msg, wp, lp);
}

}  // namespace oravin
