// The URL opener over a recording starter and a private classes root: the
// addresses it refuses (started nowhere), the shell's success taken as it
// is, and the association fallback's command line, exactly as it would be
// started: the placeholder and what follows it cut, the address quoted,
// nothing started beyond 527 characters or without a usable association.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "controls/common/UrlOpener.h"
#include "controls/common/tests/UrlTestSupport.h"

namespace morvex::controls::testing {

namespace {

class UrlOpenerTest : public ::testing::Test {
 protected:
  TemporaryClassesRoot classes_;
  RecordingStarter starter_{classes_.key()};
};

TEST_F(UrlOpenerTest, FallbackStartsTheAssociationWithTheAddressQuotedAfterItsCutCommand) {
  const char* address = "http://example.org/a b?x=1&y=2";
  struct Case {
    const char* name;
    std::string association;
    const char* commandLine;
  };
  const Case cases[] = {
      {"quoted placeholder after an option", R"("C:\b.exe" -osint -url "%1")",
       R"("C:\b.exe" -osint -url  "http://example.org/a b?x=1&y=2")"},
      {"bare placeholder", R"("C:\b.exe" %1)", R"("C:\b.exe"  "http://example.org/a b?x=1&y=2")"},
      {"no placeholder", R"(C:\b.exe)", R"(C:\b.exe "http://example.org/a b?x=1&y=2")"},
      {"tail after a quoted placeholder", R"("C:\b.exe" "%1" -new-window)",
       R"("C:\b.exe"  "http://example.org/a b?x=1&y=2")"},
      {"tail after a bare placeholder", R"(C:\b.exe %1 --x "y")",
       R"(C:\b.exe  "http://example.org/a b?x=1&y=2")"},
      {"quoted placeholder before an earlier bare one", R"(C:\b.exe -a%1 "%1")",
       R"(C:\b.exe -a%1  "http://example.org/a b?x=1&y=2")"},
      {"long tail cut away", std::string(R"(C:\b.exe "%1" )") + std::string(600, 'x'),
       R"(C:\b.exe  "http://example.org/a b?x=1&y=2")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(classes_.SetHtmlAssociation("MorvexTestPage", c.association));
    starter_.shellAddresses.clear();
    starter_.commandLines.clear();
    EXPECT_EQ(OpenUrl(address, SW_SHOW, starter_), 33);
    ASSERT_EQ(starter_.shellAddresses.size(), 1u);
    EXPECT_EQ(starter_.shellAddresses[0], address);
    ASSERT_EQ(starter_.commandLines.size(), 1u);
    EXPECT_EQ(starter_.commandLines[0], c.commandLine);
    EXPECT_EQ(starter_.lastShow, SW_SHOW);
  }
}

TEST_F(UrlOpenerTest, ShellSuccessIsTheResultAndStartsNothingElse) {
  ASSERT_TRUE(classes_.SetHtmlAssociation("MorvexTestPage", R"(C:\b.exe "%1")"));
  starter_.shellResult = 42;
  EXPECT_EQ(OpenUrl("https://example.org/", SW_SHOWNORMAL, starter_), 42);
  EXPECT_EQ(starter_.shellAddresses.size(), 1u);
  EXPECT_EQ(starter_.lastShow, SW_SHOWNORMAL);
  EXPECT_TRUE(starter_.commandLines.empty());
}

TEST_F(UrlOpenerTest, FallbackResultIsTheCallersEvenWhenItFails) {
  ASSERT_TRUE(classes_.SetHtmlAssociation("MorvexTestPage", R"(C:\missing.exe "%1")"));
  starter_.processResult = ERROR_FILE_NOT_FOUND;
  EXPECT_EQ(OpenUrl("https://example.org/", SW_SHOW, starter_), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(starter_.commandLines.size(), 1u);
}

TEST_F(UrlOpenerTest, WithoutAUsableAssociationTheShellsFailureStands) {
  struct Case {
    const char* name;
    const char* className;  // "" writes no ".htm"
    const char* key;        // another key to write, "" for none
    const char* value;
  };
  const Case cases[] = {
      {"no .htm", "", "MorvexTestPage\\shell\\open\\command", "C:\\b.exe"},
      {"class without an open command", "MorvexTestPage", "MorvexTestPage\\shell\\open", "x"},
      {"empty open command", "MorvexTestPage", "MorvexTestPage\\shell\\open\\command", ""},
      {"empty class name", "", ".htm", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryClassesRoot classes;
    if (*c.className) {
      ASSERT_TRUE(classes.SetDefault(".htm", c.className));
    }
    if (*c.key) {
      ASSERT_TRUE(classes.SetDefault(c.key, c.value));
    }
    RecordingStarter starter(classes.key());
    starter.shellResult = SE_ERR_NOASSOC;
    EXPECT_EQ(OpenUrl("http://example.org/", SW_SHOW, starter), SE_ERR_NOASSOC);
    EXPECT_TRUE(starter.commandLines.empty());
  }
}

TEST_F(UrlOpenerTest, CommandLineOver527CharactersStartsNothing) {
  ASSERT_TRUE(classes_.SetHtmlAssociation("MorvexTestPage", R"(C:\b.exe "%1")"));
  // C:\b.exe, two blanks, the address in quotes: 12 characters besides it.
  const std::string longest = "http://x/" + std::string(527 - 12 - 9, 'a');
  EXPECT_EQ(OpenUrl(longest.c_str(), SW_SHOW, starter_), 33);
  ASSERT_EQ(starter_.commandLines.size(), 1u);
  EXPECT_EQ(starter_.commandLines[0].size(), kMaxUrlCommandLine);

  starter_.commandLines.clear();
  const std::string tooLong = longest + "a";
  EXPECT_EQ(OpenUrl(tooLong.c_str(), SW_SHOW, starter_), SE_ERR_NOASSOC);
  EXPECT_TRUE(starter_.commandLines.empty());
  EXPECT_EQ(starter_.shellAddresses.back(), tooLong);
}

TEST_F(UrlOpenerTest, OnlyWebAndMailAddressesWithoutQuotesOrControlsAreOpened) {
  ASSERT_TRUE(classes_.SetHtmlAssociation("MorvexTestPage", R"(C:\b.exe "%1")"));
  const char* refused[] = {
      "ftp://example.org/",
      "file:///C:/windows/system32/calc.exe",
      "x:http://example.org/",
      "search-ms:query=x&http://example.org/",
      "C:\\page.htm",
      "www.example.org",
      "http:/example.org",
      "",
      "http://example.org/\" --evil",
      "http://example.org/\tx",
      "http://example.org/\nx",
      "http://example.org/\x7F",
      "mailto:a@b.c\r",
  };
  for (const char* address : refused) {
    SCOPED_TRACE(address);
    EXPECT_EQ(OpenUrl(address, SW_SHOW, starter_), kUrlRefused);
  }
  EXPECT_EQ(OpenUrl(nullptr, SW_SHOW, starter_), kUrlRefused);
  EXPECT_TRUE(starter_.shellAddresses.empty());
  EXPECT_TRUE(starter_.commandLines.empty());

  const char* opened[] = {
      "http://example.org/", "HTTP://EXAMPLE.ORG/",
      "hTTpS://x",           "mailto:someone@example.org",
      "MailTo:a@b.c",        "http://example.org/\xEF\xF0\xE8\xEC\xE5\xF0"};  // "пример", 1251
  starter_.shellResult = 42;
  for (const char* address : opened) {
    SCOPED_TRACE(address);
    EXPECT_EQ(OpenUrl(address, SW_SHOW, starter_), 42);
  }
  EXPECT_EQ(starter_.shellAddresses.size(), std::size(opened));
}

}  // namespace

}  // namespace morvex::controls::testing
