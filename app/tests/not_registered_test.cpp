// MorvexSolo.exe where one of its controls is not registered: one box,
// naming the control under the program's error caption; the controls after
// it in the chain are never made, and the program runs on; without the
// splash's panel the tray icon comes at once. With every control there, the
// pages live in the page strip. Each case takes one registration away for
// its length and gives it back.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/WindowProbe.h"
#include "harness/WindowTree.h"

namespace {

constexpr DWORD kBoundMs = 10000;
constexpr wchar_t kCaption[] = L"Morvex Dictionary error!";

enum ChildId : int {
  kPageStripHost = 1000,
  kTranslationPane = 1001,
  kViewerHost = 1002,
  kShelfHost = 1003,
  kPickListHost = 1004,
  kStatusBar = 2000,
};

bool Registered(const wchar_t* progId) {
  CLSID clsid = {};
  return SUCCEEDED(CLSIDFromProgID(progId, &clsid));
}

bool RunRegsvr32(const wchar_t* switches, const wchar_t* dll) {
  harness::ChildProcess regsvr32;
  const std::wstring command = std::wstring(L"regsvr32.exe /s ") + switches +
                               harness::QuoteArgument(harness::ProgramBeside(dll));
  return regsvr32.Start(command) && regsvr32.Wait(kBoundMs) && regsvr32.ExitCode() == 0;
}

// A control's registration gone while this lives, back afterwards when it
// was there before.
class Unregistered {
 public:
  Unregistered(const wchar_t* dll, const wchar_t* progId)
      : dll_(dll), wasRegistered_(dll && Registered(progId)) {
    if (wasRegistered_) RunRegsvr32(L"/u ", dll_);
  }
  ~Unregistered() {
    if (wasRegistered_) RunRegsvr32(L"", dll_);
  }
  Unregistered(const Unregistered&) = delete;
  Unregistered& operator=(const Unregistered&) = delete;

 private:
  const wchar_t* dll_;
  bool wasRegistered_;
};

const harness::WindowNode* ChildWithId(const harness::WindowNode& node, int id) {
  for (const harness::WindowNode& child : node.children) {
    if (child.id == id) return &child;
  }
  return nullptr;
}

// The page strip's own window, inside its host.
const harness::WindowNode* StripWindow(const harness::WindowNode& mainWindow) {
  const harness::WindowNode* host = ChildWithId(mainWindow, kPageStripHost);
  return host && !host->children.empty() ? &host->children[0] : nullptr;
}

// A window of the chain: a child of the main window, or a page of the
// strip once the chain is whole.
const harness::WindowNode* FindById(const harness::WindowNode& mainWindow, int id) {
  if (const harness::WindowNode* child = ChildWithId(mainWindow, id)) return child;
  const harness::WindowNode* strip = StripWindow(mainWindow);
  return strip ? ChildWithId(*strip, id) : nullptr;
}

// The program started and its creation over: it answers from its loop.
class RunningProgram {
 public:
  RunningProgram() {
    started_ = program_.Start(harness::QuoteArgument(harness::ProgramBeside(L"MorvexSolo.exe")));
  }
  ~RunningProgram() {
    if (HWND window = MainWindow()) PostMessageA(window, WM_CLOSE, 0, 0);
    if (started_) program_.Wait(kBoundMs);
  }
  bool started() const { return started_; }
  static HWND MainWindow() { return FindWindowA("VelMorvexSolo", nullptr); }
  // Once placed (after its creation), the window answers only from the
  // message loop.
  bool Answers() {
    HWND window = nullptr;
    RECT place = {};
    for (DWORD waited = 0; waited < kBoundMs; waited += 20) {
      if ((window = MainWindow()) && GetWindowRect(window, &place) && !IsRectEmpty(&place)) break;
      Sleep(20);
    }
    DWORD_PTR answer = 0;
    return window &&
           SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kBoundMs, &answer);
  }

 private:
  harness::ChildProcess program_;
  bool started_ = false;
};

struct ChainCase {
  const char* name;
  const wchar_t* dll;
  const wchar_t* progId;
  const wchar_t* boxText;
  std::vector<int> present;
  std::vector<int> absent;
};

class ComTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};

class ControlChainTest : public ComTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ControlChainTest, OneBoxNamesTheMissingControlAndTheChainEndsThere) {
  const ChainCase& row = GetParam();
  Unregistered unregistered(row.dll, row.progId);
  ASSERT_FALSE(Registered(row.progId));
  RunningProgram program;
  ASSERT_TRUE(program.started());

  HWND box = harness::WaitForWindow({harness::kDialogClass, kCaption}, kBoundMs);
  ASSERT_NE(box, nullptr);
  std::wstring texts;
  for (const harness::WindowItem& item : harness::ReadWindowText(box).items)
    texts += item.text + L"|";
  EXPECT_NE(texts.find(std::wstring(row.boxText) + L" is not registered:|"), std::wstring::npos)
      << "texts: " << std::string(texts.begin(), texts.end());
  ASSERT_TRUE(harness::CloseWindow(box, kBoundMs));

  ASSERT_TRUE(program.Answers()) << "the program runs on";
  EXPECT_TRUE(harness::FindWindows({harness::kDialogClass, kCaption}).empty()) << "no second box";
  const harness::WindowNode tree = harness::ReadWindowTree(RunningProgram::MainWindow());
  for (int id : row.present) EXPECT_NE(FindById(tree, id), nullptr) << "child " << id;
  for (int id : row.absent) EXPECT_EQ(FindById(tree, id), nullptr) << "child " << id;
}

INSTANTIATE_TEST_SUITE_P(
    OneControlMissing, ControlChainTest,
    ::testing::Values(
        ChainCase{"Tip", L"QuickHint.dll", L"QuickHint.QuickHintCtrl", L"QuickHintCtrl",
                  {kPageStripHost, kTranslationPane, kViewerHost, kShelfHost, kPickListHost},
                  {}},
        ChainCase{"PageStrip", L"PageStrip.dll", L"PageStrip.VelPageStrip", L"VelPageStripControl",
                  {},
                  {kPageStripHost, kTranslationPane, kViewerHost, kShelfHost, kPickListHost}},
        ChainCase{"Viewer", L"LookupPane.dll", L"LookupPane.VelDictViewCtrl", L"VelDictViewCtrl",
                  {kPageStripHost},
                  {kTranslationPane, kViewerHost, kShelfHost, kPickListHost}},
        ChainCase{"Shelf", L"ShelfView.dll", L"ShelfView.ShelfViewCtrl", L"ShelfViewCtrl",
                  {kPageStripHost, kViewerHost},
                  {kTranslationPane, kShelfHost, kPickListHost}},
        ChainCase{"PickList", L"PickList.dll", L"PickList.PickListCtrl", L"PickListCtrl",
                  {kPageStripHost, kViewerHost, kShelfHost},
                  {kTranslationPane, kPickListHost}}),
    [](const ::testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

// Every control there: the pane and the two hosts are pages of the strip,
// the translation page shows, and the strip fills the client area.
using WholeChainTest = ComTest;

TEST_F(WholeChainTest, ThePagesLiveInThePageStripWhichFillsTheWindow) {
  // The window in its first place, whatever an earlier program kept.
  RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Kelbrin\\Morvex\\4.0\\Solo", "Position");
  {
    RunningProgram program;
    ASSERT_TRUE(program.Answers());
    HWND mainWindow = RunningProgram::MainWindow();
    EXPECT_TRUE(harness::FindWindows({harness::kDialogClass, kCaption}).empty());
    ShowWindow(mainWindow, SW_SHOWNA);
    ASSERT_TRUE(program.Answers());
    const harness::WindowNode tree = harness::ReadWindowTree(mainWindow);
    const harness::WindowNode* host = ChildWithId(tree, kPageStripHost);
    const harness::WindowNode* strip = StripWindow(tree);
    ASSERT_NE(strip, nullptr);
    // The strip fills the client area above the status bar.
    const harness::WindowNode* status = ChildWithId(tree, kStatusBar);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(host->window.left, tree.client.left);
    EXPECT_EQ(host->window.top, tree.client.top);
    EXPECT_EQ(host->window.right, tree.client.right);
    EXPECT_EQ(host->window.bottom, status->window.top);
    EXPECT_EQ(status->window.bottom, tree.client.bottom);
    for (int page : {kTranslationPane, kViewerHost, kShelfHost})
      EXPECT_NE(ChildWithId(*strip, page), nullptr) << "page " << page << " inside the strip";
    const harness::WindowNode* pane = ChildWithId(*strip, kTranslationPane);
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->visible) << "the translation page shows";
    EXPECT_EQ(pane->className, L"RichEdit20A");
    const harness::WindowNode* viewer = ChildWithId(*strip, kViewerHost);
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->visible);
    EXPECT_NE(ChildWithId(tree, kPickListHost), nullptr);
  }
}

// Well before the splash's two seconds.
template <class Condition>
bool WithinASecond(Condition done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= 1000) return done();
    Sleep(10);
  }
  return true;
}

bool IconPresent(HWND mainWindow) {
  NOTIFYICONDATAA record = {};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = mainWindow;
  record.uID = 42;
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

using WithoutTheAboutPanelTest = ComTest;

// No splash can come up: the icon comes at once, so the program can still
// be reached and ended from the tray.
TEST_F(WithoutTheAboutPanelTest, OneBoxNamesThePanelAndTheIconComesAnyway) {
  Unregistered unregistered(L"AboutPanel.dll", L"AboutPanel.AboutPanelCtrl");
  ASSERT_FALSE(Registered(L"AboutPanel.AboutPanelCtrl"));
  harness::ChildProcess program;
  ASSERT_TRUE(program.Start(harness::QuoteArgument(harness::ProgramBeside(L"MorvexSolo.exe"))));
  HWND box = harness::WaitForWindow({harness::kDialogClass, kCaption}, kBoundMs);
  ASSERT_NE(box, nullptr);
  std::wstring texts;
  for (const harness::WindowItem& item : harness::ReadWindowText(box).items)
    texts += item.text + L"|";
  EXPECT_NE(texts.find(L"VelSpalshAboutCtrl is not registered:|"), std::wstring::npos);
  ASSERT_TRUE(harness::CloseWindow(box, kBoundMs));

  HWND mainWindow = nullptr;
  ASSERT_TRUE(WithinASecond([&] { return (mainWindow = RunningProgram::MainWindow()) != nullptr; }));
  // The box ran inside the window's creation, which goes on from there.
  EXPECT_TRUE(WithinASecond([&] { return IconPresent(mainWindow); })) << "with no splash timer";
  EXPECT_TRUE(WithinASecond([] { return FindWindowA("VelSplashAboutHost", nullptr) == nullptr; }));
  EXPECT_TRUE(harness::FindWindows({harness::kDialogClass, kCaption}).empty());

  PostMessageA(mainWindow, WM_COMMAND, 32772, 0);  // Exit
  EXPECT_TRUE(program.Wait(kBoundMs));
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
