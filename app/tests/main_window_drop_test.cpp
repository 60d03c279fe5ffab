// Favorites dropped on the main window.
#include "app/tests/main_window_fixture.h"

namespace oravin {
namespace {

// As Chrome exports them: the list's own Baidu again, a new page and a bookmarklet.
const std::string kBookmarks =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<DL><p>\n"
    "    <DT><H3 PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks bar</H3>\n    <DL><p>\n"
    "        <DT><A HREF=\"http://www.baidu.com\" ICON=\"data:image/png;base64,iVBORw0=\">Baidu</A>\n"
    "        <DT><A HREF=\"https://zh.wikipedia.org/\">\xE7\xBB\xB4\xE5\x9F\xBA\xE7\x99\xBE\xE7\xA7\x91</A>\n"
    "        <DT><A HREF=\"javascript:void(0)\">Bookmarklet</A>\n"
    "    </DL><p>\n</DL><p>\n";

TEST_F(MainWindowInProcess, EachKindOfDropIsTakenOnlyByTheListItFitsAndThePointerSaysSo) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  const auto file = [&](const char* name, const std::string& bytes) {
    WriteBytes(dir.path() / name, bytes);
    return dir.path() / name;
  };
  const auto shortcut = file("Example.url", "[InternetShortcut]\r\nURL=http://www.example.com/\r\n");
  const auto bookmarks = file("bookmarks.html", kBookmarks);
  const auto folder = dir.path() / "Folder";
  std::filesystem::create_directory(folder);
  struct Kind {
    const char* name;
    testing::DragData data;
    std::optional<ListKind> list;  // the list that takes it, if any
  };
  const Kind kinds[] = {
      {"shortcut", testing::DragData().Files({shortcut}), ListKind::Websites},
      {"bookmarks", testing::DragData().Files({bookmarks}), ListKind::Websites},
      {"folder", testing::DragData().Files({folder}), ListKind::Folders},
      {"browser link", testing::DragData().Text(L"UniformResourceLocatorW", L"https://a.example/"), ListKind::Websites},
      {"Firefox link", testing::DragData().Text(L"text/x-moz-url", L"https://b.example/\nB"), ListKind::Websites},
      {"address as text", testing::DragData().Text(L"c.example/page"), ListKind::Websites},
      {"prose", testing::DragData().Text(L"two words"), std::nullopt},
      {"bookmarklet", testing::DragData().Text(L"UniformResourceLocatorW", L"javascript:void(0)"), std::nullopt},
  };
  ASSERT_TRUE(Start());
  const struct {
    const char* name;
    std::function<void()> show;
    std::optional<ListKind> listInFront;
  } pages[] = {
      {"web list", [] {}, ListKind::Websites},
      {"main menu", [&] { form.ShowMainMenu(); Settled(); }, std::nullopt},
      {"options", [&] { form.ShowOptions(); Settled(); }, std::nullopt},
      {"about", [&] { form.ShowAbout(); Settled(); }, std::nullopt},
      {"folder list", [&] { form.ShowAssistant(Assistant::Folders); Settled(); }, ListKind::Folders},
      {"search", [&] { form.ShowAssistant(Assistant::Search); Settled(); }, std::nullopt},
  };
  for (const auto& page : pages) {
    page.show();
    for (const Kind& kind : kinds) {
      const size_t shown = boxes.calls.size();
      const testing::DragResult drag = Drag(kind.data);
      const bool fits = kind.list && kind.list == page.listInFront;
      const DWORD expected = fits ? DROPEFFECT_COPY : DROPEFFECT_NONE;
      EXPECT_EQ(drag.shown, expected) << kind.name << " on the " << page.name;
      EXPECT_EQ(drag.dropped, expected) << kind.name << " on the " << page.name;
      // A link opens the editor; files are added and counted in a message.
      const bool link = kind.data.Formats()[0].first != CF_HDROP;
      const bool answered = testing::PumpUntil(
          [&] { return form.Editor().IsOpen() || boxes.calls.size() > shown; }, fits ? 5000 : 200);
      EXPECT_EQ(answered, fits) << kind.name << " on the " << page.name;
      EXPECT_EQ(form.Editor().IsOpen(), fits && link) << kind.name << " on the " << page.name;
      form.Editor().Unload();
    }
  }
}

TEST_F(MainWindowInProcess, DroppedFilesJoinTheWebListAtOnceSortedAndPairedAndReachTheFileWithIt) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  const std::string before = "Baidu <Address>http://www.baidu.com/<Split>\r\n";
  WriteBytes(dir.path() / "Bin" / "Websites.txt", before);
  const auto in = [&](const std::filesystem::path& name) { return dir.path() / name; };
  WriteBytes(in("bookmarks.html"), kBookmarks);
  WriteBytes(in(L"新浪.url"), "[InternetShortcut]\r\nURL=https://www.sina.com.cn/\r\n");
  WriteBytes(in("saved page.html"), "<html><body><a href=\"http://c.example/\">C</a></body></html>");
  WriteBytes(in("notes.txt"), "http://d.example/");
  ASSERT_TRUE(Start());
  const testing::DragResult drag =
      Drag(testing::DragData().Files({in("bookmarks.html"), in(L"新浪.url"), in("saved page.html"), in("notes.txt")}));
  EXPECT_EQ(drag.dropped, DWORD(DROPEFFECT_COPY));
  ASSERT_TRUE(testing::PumpUntil([&] { return !boxes.calls.empty(); }));
  EXPECT_EQ(boxes.calls[0].text,
            L"已添加 2 项, 1 项已存在, 2 项无法保存\r\n\r\n"
            L"书签文件 \"saved page.html\" 没有添加: 这不是浏览器导出的书签文件.");
  EXPECT_EQ(boxes.calls[0].title, L"提示");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Baidu <Address>http://www.baidu.com/",
                                                  L"维基百科 <Address>https://zh.wikipedia.org/",
                                                  L"新浪 <Address>https://www.sina.com.cn/"}));
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"), before);
  form.ShowAssistant(Assistant::Folders);
  EXPECT_TRUE(Settled());
  EXPECT_EQ(ReadBytes(dir.path() / "Bin" / "Websites.txt"),
            "Baidu <Address>http://www.baidu.com/<Split>"
            "\xCE\xAC\xBB\xF9\xB0\xD9\xBF\xC6 <Address>https://zh.wikipedia.org/<Split>"  // 维基百科 in GBK
            "\xD0\xC2\xC0\xCB <Address>https://www.sina.com.cn/<Split>\r\n");             // 新浪
}

TEST_F(MainWindowInProcess, ALinkOpensTheEditorFilledInTitledByTheBrowsersDescriptionOrTheHost) {
  Settings("0<Split>1<Split>0<Split>0<Split>100<Split>0");
  ASSERT_TRUE(Start());
  const struct {
    testing::DragData data;
    std::wstring title, address;
  } links[] = {
      {testing::DragData().Text(L"text/x-moz-url", L"https://zh.wikipedia.org/\n维基百科"), L"维基百科",
       L"https://zh.wikipedia.org/"},
      {testing::DragData().Text(L"UniformResourceLocatorW", L"https://example.com/").FileName(L"Example Domain.url"),
       L"Example Domain", L"https://example.com/"},
      {testing::DragData().Text(L"UniformResourceLocatorW", L"http://www.example.org/a?b"), L"www.example.org",
       L"http://www.example.org/a?b"},
      {testing::DragData().Text(L"www.example.net"), L"www.example.net", L"http://www.example.net"},
  };
  for (const auto& link : links) {
    Drag(link.data);
    ASSERT_TRUE(testing::PumpUntil([&] { return form.Editor().IsOpen(); })) << link.address;
    EXPECT_EQ(form.Editor().controls()->titleBox.Text(), link.title);
    EXPECT_EQ(form.Editor().controls()->addressBox.Text(), link.address);
    EXPECT_EQ(form.Editor().controls()->addButton->Caption(), L"添加  ");
    form.Editor().Confirm();
  }
  EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Example Domain <Address>https://example.com/",
                                                  L"www.example.net <Address>http://www.example.net",
                                                  L"www.example.org <Address>http://www.example.org/a?b",
                                                  L"维基百科 <Address>https://zh.wikipedia.org/"}));
}

TEST_F(MainWindowInProcess, FoldersDroppedOnTheFolderListAreAddedByNameAndADriveByItsLabel) {
  Settings("0<Split>2<Split>0<Split>0<Split>100<Split>0");
  WriteBytes(dir.path() / "Bin" / "FolderList.txt", "Docs <Address>" + Narrow(dir.wpath()) + "\\docs<Split>\r\n");
  for (const char* name : {"Docs", "Music"}) std::filesystem::create_directory(dir.path() / name);
  WriteBytes(dir.path() / "notes.txt", "");
  wchar_t label[MAX_PATH + 1] = {};
  GetVolumeInformationW(L"C:\\", label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0);
  const std::wstring drive = *label ? label : L"C:";
  ASSERT_TRUE(Start());
  Drag(testing::DragData().Files({dir.path() / "Docs", dir.path() / "Music", dir.path() / "notes.txt", L"C:\\"}));
  ASSERT_TRUE(testing::PumpUntil([&] { return !boxes.calls.empty(); }));
  EXPECT_EQ(boxes.calls[0].text, L"已添加 2 项, 1 项已存在, 1 项无法保存");
  EXPECT_EQ(boxes.calls[0].icon, MsgIcon::Information);
  const std::vector<std::wstring> entries = Entries();
  EXPECT_EQ(std::count(entries.begin(), entries.end(), drive + L" <Address>C:\\"), 1);
  EXPECT_EQ(std::count(entries.begin(), entries.end(), L"Music <Address>" + dir.wpath() + L"\\Music"), 1);
  EXPECT_EQ(entries.size(), 3u);
}

}  // namespace
}  // namespace oravin
