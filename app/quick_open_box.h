#pragma once
// The quick-open box: a search field and the best matches of every list below
// it, in the main window's look, on top of every window. The global key opens
// it wherever the focus is; Enter opens the selected favorite, Escape, the key
// again or a click elsewhere closes it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/bookmark_file.h"
#include "data/quick_match.h"
#include "runtime/form.h"
#include "runtime/handles.h"
#include "runtime/picture.h"
#include "runtime/text_box.h"

namespace oravin {

// A row the box offers when no favorite matches what is typed.
struct QuickFallback {
  std::wstring text;
  PicturePtr icon;
  std::function<void()> open;
};

// What the main window offers the box.
struct QuickOpenSource {
  std::function<std::vector<QuickMatch>(std::wstring_view query, size_t limit)> search;
  std::function<Favorite(QuickMatch)> favorite;
  // The picture of the favorite's list.
  std::function<PicturePtr(QuickMatch)> icon;
  // Where the favorite comes from when it is not a list of the program's own
  // (a browser), shown after its address; empty for the lists.
  std::function<std::wstring(QuickMatch)> origin;
  std::function<void(QuickMatch)> open;
  // Shift+Delete: what the box learned of the favorite goes.
  std::function<void(QuickMatch)> forget;
  // Asked only when nothing matches the query.
  std::function<std::optional<QuickFallback>(std::wstring_view query)> fallback;
};

class QuickOpenBox : public Form {
 public:
  explicit QuickOpenBox(QuickOpenSource source) : source_(std::move(source)) {}

  // Shows the box empty and ready for typing, on the monitor under the pointer.
  void Open(HWND owner);
  void Close();
  bool IsOpen() const { return hwnd() && IsWindowVisible(hwnd()); }

  TextBox queryBox;

  // Opens the selected row, as Enter and a double-click do.
  void OpenSelected();
  // Searches again, after what it searches changed.
  void Refresh();

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Rescaled() override;

 private:
  bool CreateWindowAndControls(HWND owner);
  // A length at 96 dpi in pixels at the box's DPI.
  int Px(int designPixels) const;
  void LayOutResults();
  void PlaceUnderThePointer();
  void UseLettersFirst();
  void Refine();
  void ForgetSelected();
  void DrawResult(const DRAWITEMSTRUCT& item);
  void DrawRow(const DRAWITEMSTRUCT& item, const Favorite& favorite, const PicturePtr& picture,
               const std::wstring& origin = {});
  static LRESULT CALLBACK QueryKeys(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);

  QuickOpenSource source_;
  UniqueWindow results_;
  UniqueFont resultFont_;
  UniqueBrush fieldBrush_;
  std::vector<QuickMatch> matches_;
  // In place of the matches when there are none.
  std::optional<QuickFallback> fallback_;
};

}  // namespace oravin
