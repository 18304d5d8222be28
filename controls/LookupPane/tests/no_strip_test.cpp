// The viewer where LetterStrip is not registered: one box says so, the
// viewer works on without a strip. The test takes the strip's registration
// away for its length and gives it back; a thread of its own closes the
// box, which the viewer's creation shows modally.
#include <thread>

#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "harness/ChildProcess.h"
#include "harness/WindowProbe.h"

namespace morvex::lookuppane::testing {

namespace {

constexpr DWORD kBoundMs = 10000;

bool StripRegistered() {
  CLSID clsid = {};
  return SUCCEEDED(CLSIDFromProgID(L"LetterStrip.VelLetterStripCtrl.1", &clsid));
}

bool RunRegsvr32(const wchar_t* switches) {
  harness::ChildProcess regsvr32;
  const std::wstring command = std::wstring(L"regsvr32.exe /s ") + switches +
                               harness::QuoteArgument(harness::ProgramBeside(L"LetterStrip.dll"));
  return regsvr32.Start(command) && regsvr32.Wait(kBoundMs) && regsvr32.ExitCode() == 0;
}

class StripUnregistered {
 public:
  StripUnregistered() : wasRegistered_(StripRegistered()) {
    if (wasRegistered_) RunRegsvr32(L"/u ");
  }
  ~StripUnregistered() {
    if (wasRegistered_) RunRegsvr32(L"");
  }

 private:
  bool wasRegistered_;
};

// The box of this process with the caption, its text; closed.
struct SeenBox {
  std::wstring texts;
  bool closed = false;
};

class ViewerWithoutStripTest : public ViewerTest {
 protected:
  void SetUp() override {
    unregistered_ = std::make_unique<StripUnregistered>();
    ASSERT_FALSE(StripRegistered());
    // The fixture hosts the viewer at once: the watcher must be there first.
    watcher_ = std::thread([this] {
      const DWORD start = GetTickCount();
      while (GetTickCount() - start < kBoundMs) {
        for (HWND box : harness::FindWindows({harness::kDialogClass, L"Error"})) {
          DWORD process = 0;
          GetWindowThreadProcessId(box, &process);
          if (process != GetCurrentProcessId()) continue;
          for (const harness::WindowItem& item : harness::ReadWindowText(box).items)
            seen_.texts += item.text + L"|";
          seen_.closed = harness::CloseWindow(box, kBoundMs);
          return;
        }
        Sleep(20);
      }
    });
    ViewerTest::SetUp();
  }
  void TearDown() override {
    if (watcher_.joinable()) watcher_.join();
    ViewerTest::TearDown();
    unregistered_.reset();
  }

  std::unique_ptr<StripUnregistered> unregistered_;
  std::thread watcher_;
  SeenBox seen_;
};

TEST_F(ViewerWithoutStripTest, OneBoxSaysSoAndTheViewerWorksOn) {
  watcher_.join();
  EXPECT_TRUE(seen_.closed);
  EXPECT_NE(seen_.texts.find(L"Unable to create control LetterStrip|"), std::wstring::npos);
  Use(EnglishRussian(60));
  ASSERT_EQ(Hr{viewer_->SetSeekWord(com::Bstr(L"London").Get())}, Hr{S_OK});
  EXPECT_EQ(SelectedWord(), "London");
  short cx = -1, cy = -1;
  ASSERT_EQ(Hr{viewer_->GetAbcFullSize(&cx, &cy)}, Hr{S_OK});
  EXPECT_EQ(cx, 0);
  EXPECT_EQ(cy, 0);
}

}  // namespace

}  // namespace morvex::lookuppane::testing
