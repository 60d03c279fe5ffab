#pragma once
// The rows this test build adds to the program's tables (data/list_kinds.h):
// a third list, with a picture of its own, and a page below the line, made
// from its row alone (sample_page.cpp). Each row stays on one line, as the
// program's do.
namespace oravin {

inline constexpr wchar_t kSamplePageTitle[] = L"样例";

}  // namespace oravin

#define ORAVIN_EXTRA_LIST_KIND_ROWS \
    {ListKind(size_t(ListKind::Folders) + 1), L"Notes.txt", AddressKind::Web, IDI_NOTES, L"笔记助手", L"笔记列表"},
#define ORAVIN_EXTRA_MENU_ENTRY_ROWS \
    {L"样例页", IDI_SAMPLE, kSamplePageTitle, Page(size_t(Page::About) + 1), OnChoose::KeepTitle, Assistant::Search, "sample", true},
#define ORAVIN_EXTRA_PAGE_MAKERS \
    template <> std::unique_ptr<Control> MakePage<Page(size_t(Page::About) + 1)>(Window& window);
