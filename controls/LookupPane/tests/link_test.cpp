// The article's web addresses clicked for real, with the web associations
// of the system (the "http", "https" and "mailto" protocols, and ".htm" for
// the fallback) pointing at a recorder program: the address reaches it
// exactly and quoted, the word list stays; other schemes start nothing.
// The test sets the associations for its length and puts the old ones
// back, so nothing else may run meanwhile.
#include <cstdio>
#include <map>

#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr DWORD kStartBoundMs = 5000;

std::string ProgramBeside(const char* name) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string path = program;
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

// The default value of a key of the classes root; empty when it has none.
std::string ReadDefault(const std::string& key) {
  char value[1024] = {};
  LONG size = sizeof value;
  return RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) == ERROR_SUCCESS ? value : "";
}

// Open commands of the classes root set for the test's length; the keys
// as they were afterwards.
class Associations {
 public:
  void Set(const std::string& key, const std::string& command) {
    if (!saved_.count(key)) saved_[key] = ReadDefault(key);
    RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, command.c_str(),
                 static_cast<DWORD>(command.size()));
  }
  ~Associations() {
    for (const auto& [key, value] : saved_) {
      if (value.empty())
        RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
      else
        RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                     static_cast<DWORD>(value.size()));
    }
  }

 private:
  std::map<std::string, std::string> saved_;
};

class LinkTest : public ViewerTest {
 protected:
  void SetUp() override {
    ViewerTest::SetUp();
    log_ = ProgramBeside("lookuppane_links.log");
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("LOOKUPPANE_RECORDER_LOG", log_.c_str());
    SetUpAsTheHostDoes();
    Use(Articles());
  }
  std::vector<std::string> Recorded() const {
    std::vector<std::string> lines;
    std::FILE* in = std::fopen(log_.c_str(), "rb");
    if (!in) return lines;
    char line[1024];
    while (std::fgets(line, sizeof line, in)) {
      std::string text = line;
      while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
      lines.push_back(text);
    }
    std::fclose(in);
    return lines;
  }
  void ClickOnLink(const wchar_t* word, const wchar_t* link) {
    ASSERT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(word).Get())}, Hr{S_OK});
    const LONG at = ArticlePositionOf(link);
    ASSERT_GE(at, 0) << com::AnsiFromWide(link);
    POINTL corner = {};
    SendMessageW(Article(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&corner), at + 1);
    FocusForInput(Entry());
    Click(Article(), {corner.x + 1, corner.y + 5});
  }

  std::string log_;
};

TEST_F(LinkTest, WebAddressesReachTheirAssociationQuotedAndTheListStays) {
  const std::string recorder = "\"" + ProgramBeside("lookuppane_url_recorder.exe") + "\"";
  Associations associations;
  for (const char* scheme : {"http", "https", "mailto"})
    associations.Set(std::string(scheme) + "\\shell\\open\\command", recorder + " \"%1\"");
  struct Case {
    const wchar_t* word;
    const wchar_t* link;
    const char* address;
  };
  size_t expected = 0;
  for (const Case& c : {Case{L"site", L"http://", "http://example.com/site.htm"},
                        Case{L"secure", L"https://", "https://example.com/a"},
                        Case{L"mail", L"mailto:", "mailto:someone@example.com"}}) {
    ClickOnLink(c.word, c.link);
    ++expected;
    ASSERT_TRUE(WaitFor([&] { return Recorded().size() == expected; }))
        << com::AnsiFromWide(c.link) << " started nothing";
    EXPECT_EQ(Recorded().back(), recorder + " \"" + c.address + "\"");
    EXPECT_EQ(SelectedWord(), com::AnsiFromWide(c.word)) << "the list stays";
  }
}

TEST_F(LinkTest, WithoutAProtocolTheHtmlProgramGetsTheAddressQuoted) {
  const std::string recorder = "\"" + ProgramBeside("lookuppane_url_recorder.exe") + "\"";
  Associations associations;
  // The shell finds no program for the protocol: the ".htm" one serves,
  // its command cut at its placeholder and the address quoted behind it.
  associations.Set("http\\shell\\open\\command", "");
  associations.Set(".htm", "MorvexLookupTestPage");
  associations.Set("MorvexLookupTestPage\\shell\\open\\command", recorder + " -page \"%1\" -tail");
  ClickOnLink(L"site", L"http://");
  ASSERT_TRUE(WaitFor([&] { return !Recorded().empty(); }));
  // Cut at the quote of its "%1" (the blank before it kept), then a blank
  // and the quoted address.
  EXPECT_EQ(Recorded().back(), recorder + " -page  \"http://example.com/site.htm\"");
}

TEST_F(LinkTest, OtherSchemesStartNothing) {
  const std::string recorder = "\"" + ProgramBeside("lookuppane_url_recorder.exe") + "\"";
  Associations associations;
  for (const char* scheme : {"http", "ftp", "file"})
    associations.Set(std::string(scheme) + "\\shell\\open\\command", recorder + " \"%1\"");
  ClickOnLink(L"ftp", L"ftp://");
  ClickOnLink(L"other", L"x:http");
  com::testing::Pump(1500);
  EXPECT_TRUE(Recorded().empty());
}

}  // namespace

}  // namespace morvex::lookuppane::testing
