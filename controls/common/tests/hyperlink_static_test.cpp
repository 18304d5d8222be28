// The hyperlink on static windows of a test parent that reflects its
// children's notifications, opening through a recording starter: the static
// made owner-drawn whatever its alignment, the text handed either way, the
// fit to the text, Enter and Tab told to the parent, the colour of each
// state read from the pixels it draws, the cursor, and the box a failed
// open shows (read and closed by the test).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "com/Reflection.h"
#include "controls/common/HyperLinkStatic.h"
#include "controls/common/tests/PainterTestSupport.h"
#include "controls/common/tests/UrlTestSupport.h"

namespace morvex::controls::testing {

namespace {

constexpr char kParentClass[] = "MorvexLinkTestParent";
constexpr int kLinkId = 652;
constexpr char kAddress[] = "http://example.org/?a=1&b=2";

constexpr COLORREF kHover = RGB(255, 0, 0);
constexpr COLORREF kNormal = RGB(0, 0, 255);
constexpr COLORREF kVisited = RGB(0, 160, 0);

struct Command {
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

int& DrawRequests() {
  static int count = 0;
  return count;
}

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) Commands().push_back({wParam, lParam});
  if (message == WM_DRAWITEM && wParam == kLinkId) ++DrawRequests();
  LRESULT result = 0;
  if (com::ReflectNotification(window, message, wParam, lParam, &result)) return result;
  return DefWindowProcA(window, message, wParam, lParam);
}

// The message boxes shown on this thread, each closed as it comes up.
struct SeenBox {
  std::string caption;
  std::string text;
};

std::vector<SeenBox>& SeenBoxes() {
  static std::vector<SeenBox> boxes;
  return boxes;
}

LRESULT CALLBACK CloseMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char className[16] = {};
    GetClassNameA(box, className, sizeof className);
    if (std::strcmp(className, "#32770") == 0) {
      char caption[128] = {};
      char text[512] = {};
      GetWindowTextA(box, caption, sizeof caption);
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
      SeenBoxes().push_back({caption, text});
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LOGFONTA TestFont() {
  LOGFONTA font = {};
  font.lfHeight = -20;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = RUSSIAN_CHARSET;
  lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
  return font;
}

class HyperLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ParentProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kParentClass;
    RegisterClassA(&windowClass);  // fails harmlessly when already registered
    parent_ = CreateWindowExA(0, kParentClass, "links", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    ShowWindow(parent_, SW_SHOWNOACTIVATE);
    Commands().clear();
    DrawRequests() = 0;
    SeenBoxes().clear();
    hook_ = SetWindowsHookExA(WH_CBT, CloseMessageBoxes, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
  }

  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    DestroyWindow(parent_);
  }

  HWND MakeStatic(DWORD style, const char* text, const RECT& rect) {
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLinkId)),
                           GetModuleHandleA(nullptr), nullptr);
  }

  // A link on a new static, opening through the recording starter.
  HWND AttachLink(HyperLinkStatic& link, DWORD style = SS_LEFT) {
    HWND window = MakeStatic(style, "", {20, 30, 220, 80});
    link.SetUrlStarter(starter_);
    link.SetText(kAddress);
    link.SetFont(TestFont());
    link.SetColors(kHover, kNormal, kVisited);
    EXPECT_TRUE(link.Attach(window, kHover, kNormal));
    return window;
  }

  // Which of the three colours the link draws itself in, asked by the
  // parent's item-drawing request as the static asks it.
  COLORREF DrawnColour(HWND window) {
    Canvas canvas(240, 40, RGB(255, 255, 255));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_STATIC;
    item.CtlID = kLinkId;
    item.hwndItem = window;
    item.hDC = canvas.dc();
    item.rcItem = {0, 0, 240, 40};
    EXPECT_TRUE(SendMessageA(parent_, WM_DRAWITEM, kLinkId, reinterpret_cast<LPARAM>(&item)));
    const RECT all = {0, 0, 240, 40};
    COLORREF found = CLR_INVALID;
    for (COLORREF colour : {kHover, kNormal, kVisited}) {
      if (!canvas.Holds(all, colour)) continue;
      EXPECT_EQ(found, CLR_INVALID) << "two link colours at once";
      found = colour;
    }
    return found;
  }

  HWND parent_ = nullptr;
  HHOOK hook_ = nullptr;
  TemporaryClassesRoot classes_;
  RecordingStarter starter_{classes_.key()};
};

TEST_F(HyperLinkTest, AttachMakesTheStaticOwnerDrawnWhateverItsAlignment) {
  for (DWORD style : {SS_LEFT, SS_CENTER, SS_RIGHT, SS_LEFTNOWORDWRAP | SS_CENTERIMAGE}) {
    SCOPED_TRACE(style);
    auto link = std::make_unique<HyperLinkStatic>();
    HWND window = AttachLink(*link, style);
    const LONG attached = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(attached & SS_TYPEMASK, SS_OWNERDRAW);
    EXPECT_TRUE(attached & SS_NOTIFY);
    EXPECT_EQ(attached & SS_CENTERIMAGE, static_cast<LONG>(style & SS_CENTERIMAGE));
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, kAddress);
    // The static asks its parent to draw it: the link's own drawing runs.
    DrawRequests() = 0;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(DrawRequests(), 1);
    DestroyWindow(window);
  }
}

TEST_F(HyperLinkTest, LinkWithoutTextTakesTheWindowsAndOpensIt) {
  HWND window = MakeStatic(SS_LEFT, "mailto:someone@example.org", {10, 10, 200, 40});
  HyperLinkStatic link;
  link.SetUrlStarter(starter_);
  ASSERT_TRUE(link.Attach(window, kHover, kNormal));
  starter_.shellResult = 42;
  EXPECT_TRUE(link.Open());
  ASSERT_EQ(starter_.shellAddresses.size(), 1u);
  EXPECT_EQ(starter_.shellAddresses[0], "mailto:someone@example.org");
  EXPECT_EQ(starter_.lastShow, SW_SHOW);
}

TEST(HyperLinkFitTest, RectangleFollowsTheTextAndTheAlignment) {
  struct Case {
    const char* name;
    RECT area;
    LONG style;
    RECT fitted;
  };
  const SIZE text = {18, 12};
  const Case cases[] = {
      {"owner-drawn: centred", {10, 10, 40, 47}, SS_OWNERDRAW, {11, 10, 39, 22}},
      {"owner-drawn, odd room", {10, 10, 41, 47}, SS_OWNERDRAW, {11, 10, 40, 22}},
      {"centred image keeps the text's height",
       {10, 10, 40, 47},
       SS_OWNERDRAW | SS_CENTERIMAGE,
       {11, 20, 39, 37}},
      {"left", {10, 10, 40, 47}, SS_LEFT, {10, 10, 33, 22}},
      {"right", {10, 10, 40, 47}, SS_RIGHT, {17, 10, 40, 22}},
      {"room smaller than the text", {10, 10, 20, 15}, SS_OWNERDRAW, {1, 10, 29, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RECT fitted = FitHyperLinkRect(c.area, text, c.style);
    EXPECT_EQ(fitted.left, c.fitted.left);
    EXPECT_EQ(fitted.top, c.fitted.top);
    EXPECT_EQ(fitted.right, c.fitted.right);
    EXPECT_EQ(fitted.bottom, c.fitted.bottom);
  }
}

TEST_F(HyperLinkTest, AttachFitsTheWindowToItsTextAndAnotherFitKeepsIt) {
  HyperLinkStatic link;
  HWND window = AttachLink(link);
  const SIZE extent = link.TextExtent();
  ASSERT_GT(extent.cx, 0);
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_NEAR(rect.right - rect.left, extent.cx + 10, 1);
  EXPECT_EQ(rect.bottom - rect.top, extent.cy);
  EXPECT_EQ(rect.top, 30);
  EXPECT_NEAR(rect.left + rect.right, 20 + 220, 1);

  link.Fit(nullptr);
  RECT again;
  GetWindowRect(window, &again);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&again), 2);
  EXPECT_TRUE(EqualRect(&rect, &again));

  // Into the owner's layout rectangle.
  const RECT layout = {20, 100, 20 + extent.cx + 25, 100 + extent.cy + 25};
  link.Fit(&layout);
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.top, 100);
  EXPECT_EQ(rect.bottom, 100 + extent.cy);
  EXPECT_NEAR(rect.left + rect.right, layout.left + layout.right, 1);
}

TEST_F(HyperLinkTest, EnterAndTabReleasedReachTheParentAsCommands) {
  HyperLinkStatic link;
  HWND window = AttachLink(link);
  Commands().clear();
  SendMessageA(window, WM_KEYUP, VK_RETURN, 0);
  SendMessageA(window, WM_KEYUP, VK_TAB, 0);
  SendMessageA(window, WM_KEYUP, VK_SPACE, 0);
  SendMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
  const LPARAM sender = reinterpret_cast<LPARAM>(window);
  ASSERT_EQ(Commands().size(), 2u);
  EXPECT_EQ(Commands()[0].wParam, MAKEWPARAM(kLinkId, 0));
  EXPECT_EQ(Commands()[0].lParam, sender);
  EXPECT_EQ(Commands()[1].wParam, MAKEWPARAM(kLinkId, kTabKeyNotify));
  EXPECT_EQ(Commands()[1].lParam, sender);
}

TEST_F(HyperLinkTest, ColourFollowsFocusHoverAndTheLastOpen) {
  HyperLinkStatic link;
  HWND window = AttachLink(link);
  EXPECT_EQ(DrawnColour(window), kNormal);

  SendMessageA(window, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(DrawnColour(window), kHover);
  SendMessageA(window, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(DrawnColour(window), kNormal);

  starter_.shellResult = 42;
  EXPECT_TRUE(link.Open());
  EXPECT_EQ(DrawnColour(window), kVisited);
  EXPECT_TRUE(SeenBoxes().empty());

  // The mouse over the link captures it; leaving with no button lets go.
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(GetCapture(), window);
  EXPECT_EQ(DrawnColour(window), kHover);
  SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, -5));
  EXPECT_EQ(GetCapture(), window) << "a press keeps the capture";
  EXPECT_EQ(DrawnColour(window), kVisited);
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(-5, -5));
  EXPECT_NE(GetCapture(), window);
  EXPECT_EQ(DrawnColour(window), kVisited);

  // A failed open shows why and forgets the visit.
  starter_.shellResult = ERROR_FILE_NOT_FOUND;
  EXPECT_FALSE(link.Open());
  ASSERT_EQ(SeenBoxes().size(), 1u);
  EXPECT_EQ(SeenBoxes()[0].caption, kHyperLinkErrorCaption);
  EXPECT_EQ(SeenBoxes()[0].text, "The specified file was not found.");
  EXPECT_EQ(DrawnColour(window), kNormal);
}

TEST_F(HyperLinkTest, RefusedAddressShowsAccessDeniedAndStartsNothing) {
  HyperLinkStatic link;
  AttachLink(link);
  link.SetText("file:///C:/windows/notepad.exe");
  EXPECT_FALSE(link.Open());
  EXPECT_TRUE(starter_.shellAddresses.empty());
  ASSERT_EQ(SeenBoxes().size(), 1u);
  EXPECT_EQ(SeenBoxes()[0].text, "The operating system denied\naccess to the specified file.");
}

TEST_F(HyperLinkTest, CursorOverTheLinkIsTheOwnersOne) {
  HyperLinkStatic link;
  HWND window = AttachLink(link);
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  link.SetCursor(hand);
  EXPECT_TRUE(SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), hand);
}

TEST(HyperLinkErrorTextTest, EachShellResultHasItsText) {
  struct Case {
    INT_PTR result;
    const char* text;
  };
  const Case cases[] = {
      {0, "The operating system is out\nof memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied\naccess to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred. "},
      {27, "The filename association is\nincomplete or invalid."},
      {28, "The DDE transaction could not\nbe completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30,
       "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
       "processed."},
      {31, "There is no application associated\nwith the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {1, "Unknown Error occurred."},
      {4, "Unknown Error occurred."},
      {-1, "Unknown Error occurred."},
  };
  for (const Case& c : cases) EXPECT_STREQ(HyperLinkErrorText(c.result), c.text) << c.result;
}

}  // namespace

}  // namespace morvex::controls::testing
