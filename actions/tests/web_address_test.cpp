#include <gtest/gtest.h>

#include "actions/web_address.h"

namespace oravin {
namespace {

TEST(WebAddressToOpen, WebSchemesPassAndAnAddressWithoutOneIsTakenAsHttp) {
  EXPECT_EQ(WebAddressToOpen(L"http://www.example.com/"), L"http://www.example.com/");
  EXPECT_EQ(WebAddressToOpen(L"HTTPS://Example.com/a?b=c#d"), L"HTTPS://Example.com/a?b=c#d");
  EXPECT_EQ(WebAddressToOpen(L"ftp://ftp.example.com/pub/"), L"ftp://ftp.example.com/pub/");
  EXPECT_EQ(WebAddressToOpen(L"www.example.com"), L"http://www.example.com");
  EXPECT_EQ(WebAddressToOpen(L"intranet:8080/wiki?a=b"), L"http://intranet:8080/wiki?a=b");
  EXPECT_EQ(WebAddressToOpen(L"例子.中国/页"), L"http://例子.中国/页");
  EXPECT_EQ(WebAddressToOpen(L"my-host.example.com#top"), L"http://my-host.example.com#top");
}

TEST(WebAddressToOpen, ProgramsFilesAndOtherSchemesAreRefused) {
  for (const wchar_t* text :
       {L"C:\\evil\\run.exe", L"c:/evil/run.exe", L"file:///C:/evil/run.exe", L"..\\evil\\run.exe", L"./run.bat",
        L"\\\\server\\share\\run.bat", L"evil\\run.bat", L"%TEMP%\\run.bat", L"mailto:a@example.com",
        L"javascript:alert(1)", L"shell:startup", L"ms-settings:", L"user@example.com", L"-kiosk",
        L"www.example.com:/x", L"a..b/", L"http:/x.example", L"", L"   "}) {
    EXPECT_EQ(WebAddressToOpen(text), std::nullopt) << testing::PrintToString(std::wstring(text));
  }
}

TEST(WebAddressToOpen, QuotesBlanksAndControlsInsideAreEncodedAndPercentSignsAreLeftAlone) {
  EXPECT_EQ(WebAddressToOpen(L"http://x.example/\" --evil-switch \"y"), L"http://x.example/%22%20--evil-switch%20%22y");
  EXPECT_EQ(WebAddressToOpen(L"x.example/a\tb\nc\x7f"), L"http://x.example/a%09b%0Ac%7F");
  EXPECT_EQ(WebAddressToOpen(L" \t http://x.example/a b \r\n"), L"http://x.example/a%20b");
  const std::wstring encoded = L"http://x.example/%22a%20b%22?q=%E4%B8%AD+%25&r=100%";
  EXPECT_EQ(WebAddressToOpen(encoded), encoded);
}

}  // namespace
}  // namespace oravin
