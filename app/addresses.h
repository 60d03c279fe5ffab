#pragma once
// The outside addresses the program knows. None is contacted unless the user asks.

#include "actions/search_requests.h"

namespace oravin {

inline constexpr wchar_t kBaiduHome[] = L"http://www.baidu.com/";
// The search service's home page is where its requests go too.
inline constexpr const wchar_t* kGoogleHome = kSearchServiceBase;
// The maker's site: the about page shows it and opens it.
inline constexpr wchar_t kMakerSite[] = L"http://www.oravin.example";
// Where the hidden browser of the main window is pointed at start-up.
inline constexpr wchar_t kBrowserStartPage[] = L"http://www.oravin.example/start.html";

}  // namespace oravin
