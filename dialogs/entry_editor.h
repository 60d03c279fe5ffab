#pragma once
// The editor dialog: adds an entry to the current list or replaces the
// selected one. Modeless and on top of every window while it is open; it
// changes the list in the store, which the main window shows.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/colorbutton/color_button.h"
#include "data/favorites.h"
#include "effects/window_animation.h"
#include "runtime/check_box.h"
#include "runtime/form.h"
#include "runtime/label.h"
#include "runtime/message_box.h"
#include "runtime/text_box.h"

namespace oravin {

class EntryEditor : public Form {
 public:
  // Animated as the main window's option says; an entry it cannot take is told in a message box.
  EntryEditor(Favorites& favorites, const CheckBox& animateOption, MessageBoxSink& messageBoxes)
      : favorites_(favorites), animateOption_(animateOption), messageBoxes_(messageBoxes) {}
  ~EntryEditor() override;

  // Both open the dialog first when it is not open.
  void NewAddress();
  // On the entry at the index of the current list.
  void EditAddress(int32_t index);
  // NewAddress with both boxes filled in (a link dropped on the main window).
  void NewAddress(const std::wstring& title, const std::wstring& address);

  // Open and shown (a closed dialog is hidden until it is discarded).
  bool IsOpen() const { return controls_ != nullptr && IsWindowVisible(hwnd()); }
  // Opening or closing: the user's input waits for the last frame.
  bool Animating() const { return animation_.Playing(); }

  // What the dialog's controls do, also for tests.
  void Confirm();
  void Unload();
  void TidyAddress();

  struct Controls {
    Label titleLabel, captionLabel, addressLabel;
    TextBox titleBox, addressBox;
    std::unique_ptr<ColorButton> addButton, closeButton;
  };
  // Null while the dialog is closed.
  Controls* controls() { return controls_.get(); }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The outline and frame follow the new size.
  void Rescaled() override;

 private:
  void Load();
  void Animate(int32_t mode, std::function<void()> then);
  void CreateControls();
  void Discard();
  void ConfirmFromKeyboard();
  void SetJob(const wchar_t* title, const wchar_t* addressLabel, const wchar_t* confirm, const wchar_t* tip);

  Favorites& favorites_;
  const CheckBox& animateOption_;
  MessageBoxSink& messageBoxes_;
  WindowAnimation animation_;
  std::unique_ptr<Controls> controls_;
  // The entry EditAddress opened the dialog for, and where it stood then: the
  // main window stays usable, so the selection may have moved on by the confirm.
  struct Edited {
    ListKind list;
    std::wstring entry;
    int32_t index;
  };
  std::optional<Edited> edited_;
};

}  // namespace oravin
