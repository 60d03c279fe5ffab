// The main window's assistants and the lists they show.
#include <functional>

#include "app/tests/main_window_fixture.h"

namespace oravin {
namespace {

TEST_F(MainWindowInProcess, SetModeFollowsTheModeAndIgnoresUnknownOnes) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  EXPECT_EQ(Title(), L"搜索助手");
  form.Store().SetCurrent(Assistant::Folders);
  form.SetMode();
  EXPECT_EQ(Title(), L"文件夹助手");
  form.Store().SetCurrent(Assistant(kListKindCount + 1));  // past the last list
  form.SetMode();
  EXPECT_EQ(Title(), L"文件夹助手");
  form.ShowMainMenu();
  EXPECT_TRUE(Settled());
  EXPECT_EQ(Title(), L"Oravin");
  form.Store().SetCurrent(Assistant::Websites);
  form.ShowOptions();
  EXPECT_TRUE(Settled());
  EXPECT_EQ(Title(), L"网址助手");
  form.ShowAbout();
  EXPECT_TRUE(Settled());
  EXPECT_EQ(Title(), L"网址助手");  // the about page leaves the title row alone
}

TEST_F(MainWindowInProcess, ChoosingTheSearchAssistantSavesTheListLeftAndEmptiesIt) {
  Settings("0<Split>2<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "d <Address>C:\\d<Split>\r\n");
  ASSERT_TRUE(Start());
  form.Store().AddEntry(ListKind::Folders, L"e <Address>C:\\e");
  form.ShowMainMenu();
  EXPECT_TRUE(Settled());
  form.ShowAssistant(Assistant::Search);
  EXPECT_TRUE(Settled());
  EXPECT_EQ(Title(), L"搜索助手");
  EXPECT_EQ(form.Store().Current(), Assistant::Search);
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "FolderList.txt"), "d <Address>C:\\d<Split>e <Address>C:\\e<Split>\r\n");
  EXPECT_EQ(form.TitleList().ItemCount(), 0);
}

// Every way back to the list shown: straight from the main menu, or after
// the options or the about page. None of them may cost an edit.
TEST_F(MainWindowInProcess, GoingBackToTheSameAssistantKeepsEveryAddEditAndDelete) {
  const struct {
    const char* settings;
    const char* file;
    std::function<void(MainWindow&)> showAgain;
  } lists[] = {
      {"0<Split>1<Split>0<Split>0<Split>100<Split>0", "Websites.txt",
       [](MainWindow& f) { f.ShowAssistant(Assistant::Websites); }},
      {"0<Split>2<Split>0<Split>0<Split>100<Split>0", "FolderList.txt",
       [](MainWindow& f) { f.ShowAssistant(Assistant::Folders); }},
  };
  const std::function<void(MainWindow&)> detours[] = {
      [](MainWindow& f) { f.ShowMainMenu(); },
      [](MainWindow& f) { f.ShowOptions(); f.ShowMainMenu(); },
      [](MainWindow& f) { f.ShowAbout(); f.ShowMainMenu(); },
  };
  for (const auto& list : lists) {
    SCOPED_TRACE(list.file);
    Settings(list.settings);
    WriteBytes(dir.path() / "Bin" / list.file, "a <Address>1<Split>b <Address>2<Split>c <Address>3<Split>\r\n");
    MainWindow window{system};
    ASSERT_TRUE(Start(window));
    ListBoxEX& shown = window.TitleList();
    const auto edit = [&](int step) {
      if (step == 0) {
        window.AddEntry();
        window.Editor().controls()->titleBox.SetText(L"d");
        window.Editor().controls()->addressBox.SetText(L"4");
        window.Editor().Confirm();
      } else {
        shown.SetSelectedIndex(step);  // b, then c
        if (step == 1) {
          window.EditEntry();
          window.Editor().controls()->titleBox.SetText(L"B2");
          window.Editor().Confirm();
        } else {
          window.DeleteSelectedEntry();
        }
      }
    };
    for (int step = 0; step < 3; ++step) {
      edit(step);
      detours[step](window);
      list.showAgain(window);
      ASSERT_TRUE(Settled(window));
    }
    EXPECT_EQ(shown.ItemCount(), 3);
    window.Unload();
    ForgetQuitRequests();
    EXPECT_EQ(ReadBytes(dir.path() / "Bin" / list.file), "a <Address>1<Split>B2 <Address>2<Split>d <Address>4<Split>\r\n");
    EXPECT_TRUE(boxes.calls.empty());
  }
}

TEST_F(MainWindowInProcess, ADoubleClickOpensTheSelectedFolderWithTheFolderFlagOrNamesTheEntryItCannotOpen) {
  Settings("0<Split>2<Split>1<Split>0<Split>100<Split>0");
  const std::string folder = Narrow(dir.wpath()) + "\\b b";
  std::filesystem::create_directory(folder);
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "a <Address>C:\\missing<Split>b <Address>" + folder + "<Split>\r\n");
  ASSERT_TRUE(Start());
  form.TitleList().SetSelectedIndex(1);
  form.OpenSelectedEntry();
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(Narrow(shell.opened[0]), "C:\\browser.exe \"" + folder + "\"");  // new window: the program with the address
  EXPECT_EQ(shell.lookups, std::vector<std::wstring>{dir.wpath()});  // a folder asks about the program's folder
  form.TitleList().SetSelectedIndex(0);
  form.OpenSelectedEntry();
  EXPECT_EQ(shell.opened.size(), 1u);
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, L"\"a\" 的文件夹不存在, 没有打开.");
}

TEST_F(MainWindowInProcess, DeletingRemovesTheSelectedPairAndNothingInTheSearchMode) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>1<Split>b <Address>2<Split>c <Address>3<Split>\r\n");
  ASSERT_TRUE(Start());
  ListBoxEX& titles = form.TitleList();
  titles.SetSelectedIndex(2);
  form.DeleteSelectedEntry();
  ASSERT_EQ(Entries().size(), 2u);
  EXPECT_EQ(Entries()[1], L"b <Address>2");
  EXPECT_EQ(titles.ItemText(1), L"b");
  EXPECT_EQ(titles.SelectedIndex(), 1);  // the selection moved to the new last entry
  form.Store().SetCurrent(Assistant::Search);
  form.DeleteSelectedEntry();
  EXPECT_EQ(form.Store().Entries(ListKind::Websites).size(), 2u);
}

TEST_F(MainWindowInProcess, ClosingOnAnotherPageStillWritesAListWhoseSaveFailed) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>1<Split>b <Address>2<Split>\r\n");
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "d <Address>C:\\d<Split>\r\n");
  ASSERT_TRUE(Start());
  form.TitleList().SetSelectedIndex(0);
  form.DeleteSelectedEntry();
  // No new copy of the file can be made while a folder stands where it goes.
  const auto blocker = dir.path() / "Bin" / "Websites.txt.saving";
  std::filesystem::create_directory(blocker);
  form.ShowAssistant(Assistant::Folders);
  EXPECT_TRUE(Settled());
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, L"Error");
  std::filesystem::remove(blocker);
  form.Unload();
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), "b <Address>2<Split>\r\n");
  EXPECT_EQ(boxes.calls.size(), 1u);
}

// Before the start-up has read the settings, what the window holds is not the
// user's: a close then writes neither the lists (read ahead meanwhile) nor the settings.
TEST_F(MainWindowInProcess, AClosedDuringTheOpeningAnimationWritesNothing) {
  const std::string settings = "1<Split>1<Split>0<Split>0<Split>7<Split>0\r\n";
  const std::string list = "b <Address>2<Split>a <Address>1<Split>\r\n";  // out of order: a save would sort it
  WriteBytes(dir.path() / "Bin" / "Settings.txt", settings);
  WriteBytes(dir.path() / "Bin" / "Websites.txt", list);
  ASSERT_TRUE(form.Load());
  ASSERT_TRUE(form.Animating());
  const HWND window = form.hwnd();
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(form.Started());
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Settings.txt"), settings);
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), list);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Bin" / "FolderList.txt"));
  EXPECT_TRUE(boxes.calls.empty());
}

// The user's locale sorts "coop" and "co-op", "its" and "it's", "ＡＢＣ" and
// "ABC" as neighbours, and "News" and "news" as equals, so whole entries go by
// the addresses that follow, of which the titles alone know nothing.
TEST_F(MainWindowInProcess, EachTitleStandsOppositeItsOwnEntryThroughLoadAddEditAndDelete) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  const std::pair<std::wstring, std::wstring> neighbours[] = {
      {L"coop", L"co-op"}, {L"its", L"it's"}, {L"ＡＢＣ", L"ABC"}, {L"News", L"news"}, {L"same", L"same"}};
  std::wstring file;
  for (const auto& [x, y] : neighbours)
    file += x + L" <Address>http://1/<Split>" + y + L" <Address>http://2/<Split>" + x + L" <Address>http://3/<Split>";
  ASSERT_TRUE(testing::TellingTextFiles(SystemCodec(), boxes).WriteText(file, dir.path() / "Bin" / "Websites.txt"));
  ASSERT_TRUE(Start());
  ListBoxEX& titles = form.TitleList();
  const auto expectPaired = [&](const char* step) {
    SCOPED_TRACE(step);
    Entries();
  };
  const auto rowOf = [&](const std::wstring& entry) {
    const std::vector<std::wstring> entries = Entries();
    const auto found = std::find(entries.begin(), entries.end(), entry);
    return found == entries.end() ? -1 : int32_t(found - entries.begin());
  };
  EXPECT_EQ(Entries().size(), 15u);
  expectPaired("load");

  form.AddEntry();
  form.Editor().controls()->titleBox.SetText(L"co-op");
  form.Editor().controls()->addressBox.SetText(L"http://0/");
  form.Editor().Confirm();
  expectPaired("add");

  titles.SetSelectedIndex(rowOf(L"co-op <Address>http://2/"));
  form.EditEntry();
  EXPECT_EQ(form.Editor().controls()->titleBox.Text(), L"co-op");
  EXPECT_EQ(form.Editor().controls()->addressBox.Text(), L"http://2/");
  form.Editor().controls()->titleBox.SetText(L"Co-Op");
  form.Editor().Confirm();
  EXPECT_EQ(rowOf(L"co-op <Address>http://2/"), -1);
  EXPECT_NE(rowOf(L"Co-Op <Address>http://2/"), -1);
  expectPaired("edit");

  while (!Entries().empty()) {
    const int32_t i = int32_t(Entries().size() / 2);
    const std::wstring entry = Entries()[size_t(i)];
    titles.SetSelectedIndex(i);
    form.DeleteSelectedEntry();
    EXPECT_EQ(rowOf(entry), -1);
    expectPaired("delete");
  }
}

TEST_F(MainWindowInProcess, TheAddAndEditButtonsOpenTheEditorOnlyInAListMode) {
  Settings("0<Split>0<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "Websites.txt", "a <Address>http://a/<Split>\r\n");
  ASSERT_TRUE(Start());
  form.AddEntry();
  form.EditEntry();
  EXPECT_FALSE(form.Editor().IsOpen());
  form.ShowAssistant(Assistant::Websites);
  EXPECT_TRUE(Settled());
  form.EditEntry();
  ASSERT_TRUE(form.Editor().IsOpen());
  EXPECT_EQ(form.Editor().controls()->titleBox.Text(), L"a");
  EXPECT_EQ(form.Editor().controls()->addressBox.Text(), L"http://a/");
  form.Editor().Unload();
}

// Another program (Notepad, a sync client) changes the list file while it is
// shown: with nothing unsaved here the list is shown anew, the selection on
// its entry; with an entry added here, both sides' changes are shown and saved.
TEST_F(MainWindowInProcess, AListFileChangedOnDiskIsShownAnewWithTheSelectionOnItsEntry) {
  const std::filesystem::path file = dir.path() / "Bin" / "Websites.txt";
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(file, "b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n");
  ASSERT_TRUE(Start());
  form.TitleList().SetSelectedIndex(1);
  WriteBytes(file, "a <Address>http://a/<Split>b <Address>http://b/<Split>c <Address>http://c/<Split>\r\n");
  ASSERT_TRUE(testing::PumpUntil([&] { return form.TitleList().ItemCount() == 3; }));
  EXPECT_EQ(form.TitleList().SelectedIndex(), 2);
}

}  // namespace
}  // namespace oravin
