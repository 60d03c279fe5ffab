#include <windows.h>

#include <gtest/gtest.h>

#include "controls/listboxex/list_model.h"
#include "dialogs/frmNew.h"
#include "runtime/message_loop.h"
#include "testing/captured_message_boxes.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using Texts = std::vector<std::wstring>;

Texts ItemsOf(const ItemList& list) {
  Texts texts;
  for (int32_t i = 0; i < list.ListCount(); ++i) texts.push_back(list.ListItems(i));
  return texts;
}

class EditorDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    // As the main window has them: the entries sorted, each title at its entry's place.
    address.SetSortOrder(ListModel::kAscending);
    CurrentMode = kModeWebsites;
  }
  void Add(const std::wstring& title, const std::wstring& addr) { AddEntry({titles, address}, title + L" <Address>" + addr); }
  frmNew::Controls& c() { return *dialog.controls(); }
  bool Closed() { return testing::PumpUntil([&] { return !dialog.IsOpen(); }, 10000); }

  testing::CapturedMessageBoxes boxes;
  ListModel titles, address;
  frmNew dialog{{titles, address}};
};

TEST_F(EditorDialog, AddsABareHostNameAsAWholeWebAddressAndCloses) {
  dialog.NewAddress();
  ASSERT_TRUE(dialog.IsOpen());
  EXPECT_EQ(c().lbTitle.Caption(), L"添加网址");
  EXPECT_EQ(c().lbAddress.Caption(), L"网址:");
  EXPECT_EQ(c().clbAdd->Caption(), L"添加  ");
  EXPECT_TRUE(GetWindowLongW(dialog.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  c().txtTitle.SetText(L"例子");
  c().txtAddress.SetText(L"example.com");
  testing::PumpFor(200);
  testing::SaveArtifact(testing::CaptureWindow(dialog.hwnd()), "editor_dialog");
  // The address box loses the focus to the confirm button, as a click does.
  SetFocus(c().txtAddress.hwnd());
  SetFocus(c().clbAdd->hwnd());
  EXPECT_EQ(c().txtAddress.Text(), L"http://www.example.com");
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(titles), Texts{L"例子"});
  EXPECT_EQ(ItemsOf(address), Texts{L"例子 <Address>http://www.example.com"});
  EXPECT_TRUE(Closed());
}

// A key as the message loop takes it from the queue.
void PressKey(HWND focus, UINT key) {
  for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    MSG msg{.hwnd = focus, .message = message, .wParam = key, .lParam = message == WM_KEYUP ? LPARAM(0xC0000001) : 1};
    DispatchQueuedMessage(msg);
  }
}

TEST_F(EditorDialog, TabGoesFromTheTitleToTheAddressEnterConfirmsTidiedAndEscapeCloses) {
  dialog.NewAddress();
  ASSERT_TRUE(dialog.IsOpen());
  EXPECT_EQ(GetFocus(), c().txtTitle.hwnd());
  HWND stops[] = {c().txtAddress.hwnd(), c().clbAdd->hwnd(), c().clbClose->hwnd(), c().txtTitle.hwnd()};
  for (HWND stop : stops) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), stop);
  }
  c().txtTitle.SetText(L"例子");
  c().txtAddress.SetText(L"example.com");
  SetFocus(c().txtAddress.hwnd());
  PressKey(c().txtAddress.hwnd(), VK_RETURN);
  EXPECT_EQ(ItemsOf(address), Texts{L"例子 <Address>http://www.example.com"});
  EXPECT_TRUE(Closed());

  dialog.NewAddress();
  c().txtTitle.SetText(L"kept out");
  PressKey(c().txtTitle.hwnd(), VK_ESCAPE);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(ItemsOf(titles), Texts{L"例子"});
}

TEST_F(EditorDialog, AFolderPathIsStoredExactlyAsTyped) {
  CurrentMode = kModeFolders;
  dialog.NewAddress();
  EXPECT_EQ(c().lbTitle.Caption(), L"添加文件夹");
  EXPECT_EQ(c().lbAddress.Caption(), L"路径:");
  c().txtTitle.SetText(L"docs");
  c().txtAddress.SetText(L" C:\\my docs ");
  dialog.TidyAddress();
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(address), Texts{L"docs <Address> C:\\my docs "});
}

TEST_F(EditorDialog, EditingTheLastEntryReplacesExactlyThatPair) {
  Add(L"a", L"http://a/");
  Add(L"b", L"http://b/");
  titles.SetListIndex(1);
  dialog.EditAddress();
  EXPECT_EQ(c().lbTitle.Caption(), L"编辑网址");
  EXPECT_EQ(c().clbAdd->Caption(), L"保存  ");
  EXPECT_EQ(c().txtTitle.Text(), L"b");
  EXPECT_EQ(c().txtAddress.Text(), L"http://b/");
  c().txtTitle.SetText(L"c");
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(titles), (Texts{L"a", L"c"}));
  EXPECT_EQ(ItemsOf(address), (Texts{L"a <Address>http://a/", L"c <Address>http://b/"}));
}

TEST_F(EditorDialog, ANewTitleEqualButForCaseGoesOppositeItsOwnAddress) {
  Add(L"news", L"http://z/");
  dialog.NewAddress();
  c().txtTitle.SetText(L"News");
  c().txtAddress.SetText(L"http://a/");
  dialog.Confirm();
  ASSERT_TRUE(Closed());
  EXPECT_EQ(ItemsOf(titles), (Texts{L"News", L"news"}));
  EXPECT_EQ(ItemsOf(address), (Texts{L"News <Address>http://a/", L"news <Address>http://z/"}));
  titles.SetListIndex(1);
  dialog.EditAddress();
  EXPECT_EQ(c().txtTitle.Text(), L"news");
  EXPECT_EQ(c().txtAddress.Text(), L"http://z/");
}

// The main window stays usable while the dialog is open.
TEST_F(EditorDialog, SavingReplacesTheEntryTheDialogWasOpenedForWhateverHappenedMeanwhile) {
  Add(L"a", L"http://a/");
  Add(L"c", L"http://c/");
  titles.SetListIndex(0);
  dialog.EditAddress();
  c().txtTitle.SetText(L"a2");
  Add(L"0", L"http://0/");  // the entry moves down a place
  titles.SetListIndex(2);    // and the user selects another one
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(address), (Texts{L"0 <Address>http://0/", L"a2 <Address>http://a/", L"c <Address>http://c/"}));
  EXPECT_EQ(ItemsOf(titles), (Texts{L"0", L"a2", L"c"}));
  ASSERT_TRUE(Closed());
  // Deleted meanwhile: the texts come back as a new entry, and nothing else goes.
  titles.SetListIndex(2);
  dialog.EditAddress();
  c().txtTitle.SetText(L"c2");
  RemoveEntry({titles, address}, 2);
  titles.SetListIndex(0);
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(address), (Texts{L"0 <Address>http://0/", L"a2 <Address>http://a/", L"c2 <Address>http://c/"}));
  EXPECT_TRUE(Closed());
}

TEST_F(EditorDialog, NewAddressOnAnOpenEditSwitchesToAddingAndKeepsTheTexts) {
  Add(L"a", L"http://a/");
  titles.SetListIndex(0);
  dialog.EditAddress();
  dialog.NewAddress();
  EXPECT_EQ(c().clbAdd->Caption(), L"添加  ");
  EXPECT_EQ(c().txtTitle.Text(), L"a");
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(address), (Texts{L"a <Address>http://a/", L"a <Address>http://a/"}));
}

TEST_F(EditorDialog, EmptyBoxesAddAnEmptyEntryAndCloseLeavesTheListsAlone) {
  dialog.NewAddress();
  dialog.Confirm();
  EXPECT_EQ(ItemsOf(address), Texts{L" <Address>"});
  ASSERT_TRUE(Closed());
  dialog.NewAddress();
  EXPECT_EQ(c().txtTitle.Text(), L"");  // a new opening starts from the initial texts
  c().txtTitle.SetText(L"x");
  dialog.Unload();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(titles.ListCount(), 1);
}

TEST_F(EditorDialog, TextTheFileCouldNotGiveBackIsRefusedWithTheDialogKeptOpen) {
  dialog.NewAddress();
  c().txtTitle.SetText(L"a <Address>b");
  c().txtAddress.SetText(L"http://www.example.com/");
  dialog.Confirm();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"抱歉");
  EXPECT_EQ(titles.ListCount(), 0);
  EXPECT_TRUE(dialog.IsOpen());
  c().txtTitle.SetText(L"\u0915");  // not in the Chinese code page
  dialog.Confirm();
  EXPECT_EQ(boxes.calls.size(), 2u);
  EXPECT_EQ(titles.ListCount(), 0);
  dialog.Unload();
}

}  // namespace
}  // namespace oravin
