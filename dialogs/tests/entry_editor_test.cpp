#include <windows.h>

#include <gtest/gtest.h>

#include "data/entry.h"
#include "dialogs/entry_editor.h"
#include "runtime/message_loop.h"
#include "testing/captured_message_boxes.h"
#include "testing/scratch_dir.h"
#include "testing/win32_testing.h"

namespace oravin {
namespace {

using Texts = std::vector<std::wstring>;

class EditorDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    store.SetCurrent(Assistant::Websites);
  }
  ListKind List() const { return *store.CurrentList(); }
  void Add(const std::wstring& title, const std::wstring& addr) { store.AddEntry(List(), title + L" <Address>" + addr); }
  Texts Entries() const { return store.Entries(List()); }
  Texts Titles() const {
    Texts titles;
    for (const std::wstring& entry : Entries()) titles.push_back(TitleOf(entry));
    return titles;
  }
  EntryEditor::Controls& c() { return *dialog.controls(); }
  bool Closed() { return testing::PumpUntil([&] { return !dialog.IsOpen(); }, 10000); }
  bool Opened() { return testing::PumpUntil([&] { return !dialog.Animating(); }) && dialog.IsOpen(); }

  testing::CapturedMessageBoxes boxes;
  testing::ScratchDir dir;
  Favorites store{dir.wpath(L"Bin"), SystemCodec()};
  CheckBox animateOption;  // never created: not ticked
  EntryEditor dialog{store, animateOption, boxes};
};

TEST_F(EditorDialog, AddsABareHostNameAsAWholeWebAddressAndCloses) {
  dialog.NewAddress();
  ASSERT_TRUE(Opened());
  EXPECT_EQ(c().captionLabel.Caption(), L"添加网址");
  EXPECT_EQ(c().addressLabel.Caption(), L"网址:");
  EXPECT_EQ(c().addButton->Caption(), L"添加  ");
  EXPECT_TRUE(GetWindowLongW(dialog.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  c().titleBox.SetText(L"例子");
  c().addressBox.SetText(L"example.com");
  testing::SaveArtifact(testing::SteadyCapture(dialog.hwnd()), "editor_dialog");
  // The address box loses the focus to the confirm button, as a click does.
  SetFocus(c().addressBox.hwnd());
  SetFocus(c().addButton->hwnd());
  EXPECT_EQ(c().addressBox.Text(), L"http://www.example.com");
  dialog.Confirm();
  EXPECT_EQ(Titles(), Texts{L"例子"});
  EXPECT_EQ(Entries(), Texts{L"例子 <Address>http://www.example.com"});
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
  ASSERT_TRUE(Opened());
  EXPECT_EQ(GetFocus(), c().titleBox.hwnd());
  HWND stops[] = {c().addressBox.hwnd(), c().addButton->hwnd(), c().closeButton->hwnd(), c().titleBox.hwnd()};
  for (HWND stop : stops) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), stop);
  }
  c().titleBox.SetText(L"例子");
  c().addressBox.SetText(L"example.com");
  SetFocus(c().addressBox.hwnd());
  PressKey(c().addressBox.hwnd(), VK_RETURN);
  EXPECT_EQ(Entries(), Texts{L"例子 <Address>http://www.example.com"});
  EXPECT_TRUE(Closed());

  dialog.NewAddress();
  ASSERT_TRUE(Opened());
  c().titleBox.SetText(L"kept out");
  PressKey(c().titleBox.hwnd(), VK_ESCAPE);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(Titles(), Texts{L"例子"});
}

TEST_F(EditorDialog, AFolderPathIsStoredExactlyAsTyped) {
  store.SetCurrent(Assistant::Folders);
  dialog.NewAddress();
  EXPECT_EQ(c().captionLabel.Caption(), L"添加文件夹");
  EXPECT_EQ(c().addressLabel.Caption(), L"路径:");
  c().titleBox.SetText(L"docs");
  c().addressBox.SetText(L" C:\\my docs ");
  dialog.TidyAddress();
  dialog.Confirm();
  EXPECT_EQ(Entries(), Texts{L"docs <Address> C:\\my docs "});
}

TEST_F(EditorDialog, EditingTheLastEntryReplacesExactlyThatPair) {
  Add(L"a", L"http://a/");
  Add(L"b", L"http://b/");
  dialog.EditAddress(1);
  EXPECT_EQ(c().captionLabel.Caption(), L"编辑网址");
  EXPECT_EQ(c().addButton->Caption(), L"保存  ");
  EXPECT_EQ(c().titleBox.Text(), L"b");
  EXPECT_EQ(c().addressBox.Text(), L"http://b/");
  c().titleBox.SetText(L"c");
  dialog.Confirm();
  EXPECT_EQ(Titles(), (Texts{L"a", L"c"}));
  EXPECT_EQ(Entries(), (Texts{L"a <Address>http://a/", L"c <Address>http://b/"}));
}

TEST_F(EditorDialog, ANewTitleEqualButForCaseGoesOppositeItsOwnAddress) {
  Add(L"news", L"http://z/");
  dialog.NewAddress();
  c().titleBox.SetText(L"News");
  c().addressBox.SetText(L"http://a/");
  dialog.Confirm();
  ASSERT_TRUE(Closed());
  EXPECT_EQ(Titles(), (Texts{L"News", L"news"}));
  EXPECT_EQ(Entries(), (Texts{L"News <Address>http://a/", L"news <Address>http://z/"}));
  dialog.EditAddress(1);
  EXPECT_EQ(c().titleBox.Text(), L"news");
  EXPECT_EQ(c().addressBox.Text(), L"http://z/");
}

// The main window stays usable while the dialog is open.
TEST_F(EditorDialog, SavingReplacesTheEntryTheDialogWasOpenedForWhateverHappenedMeanwhile) {
  Add(L"a", L"http://a/");
  Add(L"c", L"http://c/");
  dialog.EditAddress(0);
  c().titleBox.SetText(L"a2");
  Add(L"0", L"http://0/");  // the entry moves down a place
  dialog.Confirm();
  EXPECT_EQ(Entries(), (Texts{L"0 <Address>http://0/", L"a2 <Address>http://a/", L"c <Address>http://c/"}));
  EXPECT_EQ(Titles(), (Texts{L"0", L"a2", L"c"}));
  ASSERT_TRUE(Closed());
  // Deleted meanwhile: the texts come back as a new entry, and nothing else goes.
  dialog.EditAddress(2);
  c().titleBox.SetText(L"c2");
  store.RemoveEntry(List(), 2);
  dialog.Confirm();
  EXPECT_EQ(Entries(), (Texts{L"0 <Address>http://0/", L"a2 <Address>http://a/", L"c2 <Address>http://c/"}));
  EXPECT_TRUE(Closed());
}

TEST_F(EditorDialog, NewAddressOnAnOpenEditSwitchesToAddingAndKeepsTheTexts) {
  Add(L"a", L"http://a/");
  dialog.EditAddress(0);
  dialog.NewAddress();
  EXPECT_EQ(c().addButton->Caption(), L"添加  ");
  EXPECT_EQ(c().titleBox.Text(), L"a");
  dialog.Confirm();
  EXPECT_EQ(Entries(), (Texts{L"a <Address>http://a/", L"a <Address>http://a/"}));
}

TEST_F(EditorDialog, EmptyBoxesAddAnEmptyEntryAndCloseLeavesTheListsAlone) {
  dialog.NewAddress();
  dialog.Confirm();
  EXPECT_EQ(Entries(), Texts{L" <Address>"});
  ASSERT_TRUE(Closed());
  dialog.NewAddress();
  EXPECT_EQ(c().titleBox.Text(), L"");  // a new opening starts from the initial texts
  c().titleBox.SetText(L"x");
  dialog.Unload();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(int32_t(Titles().size()), 1);
}

TEST_F(EditorDialog, TextTheFileCouldNotGiveBackIsRefusedWithTheDialogKeptOpen) {
  dialog.NewAddress();
  c().titleBox.SetText(L"a <Address>b");
  c().addressBox.SetText(L"http://www.example.com/");
  dialog.Confirm();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"抱歉");
  EXPECT_EQ(int32_t(Titles().size()), 0);
  EXPECT_TRUE(dialog.IsOpen());
  c().titleBox.SetText(L"\u0915");  // not in the Chinese code page
  dialog.Confirm();
  EXPECT_EQ(boxes.calls.size(), 2u);
  EXPECT_EQ(int32_t(Titles().size()), 0);
  dialog.Unload();
}

}  // namespace
}  // namespace oravin
