// The window tree and posting, from outside: a tree of test windows on a
// thread of its own is read back by the library and by winprobe in a second
// process, and winprobe's posts reach the window they name.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/Console.h"
#include "harness/WindowTree.h"
#include "harness/tests/WindowThread.h"

namespace {

using harness_test::kNotingClass;
using harness_test::NotedMessage;
using harness_test::WindowThread;

constexpr DWORD kProbeTimeoutMs = 15000;
constexpr DWORD kArrivalMs = 5000;

constexpr int kButtonId = 101;
constexpr int kPanelId = 102;
constexpr int kLabelId = 103;
constexpr int kHiddenId = 104;

const wchar_t kTopCaption[] = L"Tree target";
// Cyrillic and quotes: both must come back as they are.
const wchar_t kLabelText[] = L"\x041F\x0440\x0438\x0432\x0435\x0442 \"\x0432\x0441\x0435\x043C\"";
const char kPrintedLabelText[] =
    "\"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \\\"\xD0\xB2\xD1\x81\xD0\xB5\xD0\xBC\\\"\"";

HWND AddChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
              DWORD exStyle, int id, int x, int y, int width, int height) {
  return CreateWindowExW(exStyle, className, text, WS_CHILD | style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

// A borderless popup at (120,140), 300 by 200; inside it a button and a
// panel with a border, which holds a label and a hidden static.
HWND BuildTree(HINSTANCE instance) {
  HWND top = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kNotingClass, kTopCaption,
                             WS_POPUP | WS_VISIBLE, 120, 140, 300, 200, nullptr, nullptr, instance,
                             nullptr);
  AddChild(top, L"BUTTON", L"&Press", WS_VISIBLE | BS_DEFPUSHBUTTON, 0, kButtonId, 10, 10, 100, 30);
  HWND panel = AddChild(top, kNotingClass, L"", WS_VISIBLE | WS_BORDER, WS_EX_CONTROLPARENT,
                        kPanelId, 10, 50, 200, 120);
  AddChild(panel, L"STATIC", kLabelText, WS_VISIBLE | SS_CENTER, WS_EX_TRANSPARENT, kLabelId, 5, 5,
           150, 20);
  AddChild(panel, L"STATIC", L"Hidden\tnote", SS_RIGHT, 0, kHiddenId, 5, 40, 150, 20);
  return top;
}

// The tree as it must read, top first, each window before its children.
// Rectangles are screen pixels, left,top,right,bottom.
struct ExpectedWindow {
  int depth;
  const wchar_t* className;
  int id;
  const wchar_t* text;
  const char* printedText;  // as winprobe quotes it, in UTF-8
  const char* window;
  const char* client;
  bool visible;
  DWORD style;    // bits that must be set
  DWORD exStyle;  // bits that must be set
};

const ExpectedWindow kExpectedTree[] = {
    {0, kNotingClass, 0, kTopCaption, "\"Tree target\"", "120,140,420,340", "120,140,420,340", true,
     WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW},
    {1, L"Button", kButtonId, L"&Press", "\"&Press\"", "130,150,230,180", "130,150,230,180", true,
     WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0},
    // The border takes a pixel on each side of the client area.
    {1, kNotingClass, kPanelId, L"", "\"\"", "130,190,330,310", "131,191,329,309", true,
     WS_CHILD | WS_VISIBLE | WS_BORDER, WS_EX_CONTROLPARENT},
    {2, L"Static", kLabelId, kLabelText, kPrintedLabelText, "136,196,286,216", "136,196,286,216",
     true, WS_CHILD | WS_VISIBLE | SS_CENTER, WS_EX_TRANSPARENT},
    {2, L"Static", kHiddenId, L"Hidden\tnote", "\"Hidden\\tnote\"", "136,231,286,251",
     "136,231,286,251", false, WS_CHILD | SS_RIGHT, 0},
};
constexpr size_t kTreeSize = sizeof kExpectedTree / sizeof kExpectedTree[0];
constexpr size_t kPanelIndex = 2;

using FlatTree = std::vector<std::pair<int, const harness::WindowNode*>>;

void Flatten(const harness::WindowNode& node, int depth, FlatTree* flat) {
  flat->push_back({depth, &node});
  for (const harness::WindowNode& child : node.children) Flatten(child, depth + 1, flat);
}

FlatTree Flattened(const harness::WindowNode& root) {
  FlatTree flat;
  Flatten(root, 0, &flat);
  return flat;
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string Hex(unsigned long long value) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%08llX", value);
  return text;
}

TEST(WindowTreeTest, ReadsNestingRectanglesVisibilityStylesIdsAndTexts) {
  WindowThread windows(BuildTree);
  harness::WindowNode root = harness::ReadWindowTree(windows.top());
  EXPECT_EQ(root.handle, windows.top());
  FlatTree flat = Flattened(root);
  ASSERT_EQ(flat.size(), kTreeSize);
  for (size_t i = 0; i < kTreeSize; ++i) {
    const ExpectedWindow& want = kExpectedTree[i];
    const harness::WindowNode& node = *flat[i].second;
    SCOPED_TRACE("window " + std::to_string(i) + " " + harness::ToUtf8(want.className));
    EXPECT_EQ(flat[i].first, want.depth);
    EXPECT_EQ(node.className, want.className);
    EXPECT_EQ(node.id, want.id);
    EXPECT_TRUE(node.answered);
    EXPECT_EQ(node.text, want.text);
    EXPECT_EQ(RectText(node.window), want.window);
    EXPECT_EQ(RectText(node.client), want.client);
    EXPECT_EQ(node.visible, want.visible);
    EXPECT_EQ(node.style & want.style, want.style) << Hex(node.style);
    EXPECT_EQ((node.style & WS_VISIBLE) != 0, want.visible) << Hex(node.style);
    EXPECT_EQ(node.exStyle & want.exStyle, want.exStyle) << Hex(node.exStyle);
  }
}

TEST(WindowTreeTest, AWindowThatStopsAnsweringStillGivesItsTreeWithoutTexts) {
  WindowThread windows(BuildTree);
  ASSERT_TRUE(windows.Stall());
  harness::WindowNode root = harness::ReadWindowTree(windows.top());
  windows.Resume();
  FlatTree flat = Flattened(root);
  ASSERT_EQ(flat.size(), kTreeSize);
  for (size_t i = 0; i < kTreeSize; ++i) {
    const harness::WindowNode& node = *flat[i].second;
    EXPECT_EQ(node.className, kExpectedTree[i].className) << i;
    EXPECT_FALSE(node.answered) << i;
    EXPECT_TRUE(node.text.empty()) << i;
    EXPECT_EQ(RectText(node.window), kExpectedTree[i].window) << i;
  }
}

harness::ProgramRun RunProbe(const std::wstring& arguments) {
  return harness::RunBeside(L"winprobe.exe", arguments, kProbeTimeoutMs);
}

std::wstring HandleArgument(HWND window) {
  std::string text = Hex(reinterpret_cast<uintptr_t>(window));
  return std::wstring(text.begin(), text.end());
}

// What winprobe prints for the windows of kExpectedTree from first on, with
// the handles and styles the windows have in this run.
std::string PrintedTree(const FlatTree& flat, size_t first) {
  std::string printed;
  for (size_t i = first; i < kTreeSize; ++i) {
    const ExpectedWindow& want = kExpectedTree[i];
    if (i > first && want.depth <= kExpectedTree[first].depth) break;
    HWND window = flat[i].second->handle;
    printed += std::string((want.depth - kExpectedTree[first].depth) * 2, ' ') +
               harness::ToUtf8(want.className) + " " + std::to_string(want.id) + " " +
               Hex(reinterpret_cast<uintptr_t>(window)) + " rect " + want.window + " client " +
               want.client + (want.visible ? " visible" : " hidden") + " style " +
               Hex(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))) + " exstyle " +
               Hex(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))) + " " +
               want.printedText + "\n";
  }
  return printed;
}

TEST(WindowTreeTest, ProbeOfAnotherProcessPrintsTheTreeOfAMatchOrOfAHandle) {
  WindowThread windows(BuildTree);
  harness::WindowNode root = harness::ReadWindowTree(windows.top());
  FlatTree flat = Flattened(root);
  ASSERT_EQ(flat.size(), kTreeSize);

  harness::ProgramRun byCaption =
      RunProbe(L"tree --class morvexnotingwindow --caption \"Tree target\"");
  EXPECT_EQ(byCaption.exitCode, 0u);
  EXPECT_EQ(byCaption.output, PrintedTree(flat, 0));

  harness::ProgramRun byHandle =
      RunProbe(L"tree --handle " + HandleArgument(flat[kPanelIndex].second->handle));
  EXPECT_EQ(byHandle.exitCode, 0u);
  EXPECT_EQ(byHandle.output, PrintedTree(flat, kPanelIndex));
}

enum class Receiver { kNone, kTop, kPanel };

struct PostCase {
  const char* name;
  // {panel} and {gone} stand for handles: the panel, a window destroyed.
  const wchar_t* arguments;
  DWORD exitCode;
  Receiver receiver;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Refused posts come before the last good one: anything they wrongly sent
// would arrive before it, in the same queue.
const PostCase kPostCases[] = {
    {"ByClassAndCaption",
     L"--class MorvexNotingWindow --caption \"Tree target\" --message 0x8005 --wparam 42"
     L" --lparam 0xFFFFFFFF",
     0, Receiver::kTop, 0x8005, 42, 0xFFFFFFFF},
    {"WithoutMessage", L"--handle {panel}", 2, Receiver::kNone, 0, 0, 0},
    {"WithoutTarget", L"--message 0x8001", 2, Receiver::kNone, 0, 0, 0},
    {"HandleAndClass", L"--handle {panel} --class MorvexNotingWindow --message 0x8001", 2,
     Receiver::kNone, 0, 0, 0},
    {"MessageTooLarge", L"--handle {panel} --message 0x100000000", 2, Receiver::kNone, 0, 0, 0},
    {"NotANumber", L"--handle {panel} --message 12z", 2, Receiver::kNone, 0, 0, 0},
    {"WindowGone", L"--handle {gone} --message 0x8001", 1, Receiver::kNone, 0, 0, 0},
    // WM_SETTEXT carries a pointer: no system posts it to another process.
    {"PointerMessage", L"--handle {panel} --message 12 --lparam 0x1000", 5, Receiver::kNone, 0, 0,
     0},
    {"ByHandleInDecimal", L"--handle {panel} --message 32774 --lparam 7", 0, Receiver::kPanel,
     0x8006, 0, 7},
};

std::wstring Substituted(std::wstring text, const std::map<std::wstring, HWND>& handles) {
  for (const auto& handle : handles) {
    size_t at = text.find(handle.first);
    if (at != std::wstring::npos) {
      text.replace(at, handle.first.size(), HandleArgument(handle.second));
    }
  }
  return text;
}

TEST(WindowPostTest, ProbePostsToTheNamedWindowAndRefusesWhatItCannotPost) {
  WindowThread windows(BuildTree);
  HWND panel = GetDlgItem(windows.top(), kPanelId);
  ASSERT_NE(panel, nullptr);
  HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  DestroyWindow(gone);
  std::map<std::wstring, HWND> handles = {{L"{panel}", panel}, {L"{gone}", gone}};

  std::vector<NotedMessage> expected;
  for (const PostCase& c : kPostCases) {
    SCOPED_TRACE(c.name);
    harness::ProgramRun run = RunProbe(L"post " + Substituted(c.arguments, handles));
    EXPECT_EQ(run.exitCode, c.exitCode) << run.output;
    if (c.receiver == Receiver::kNone) continue;
    HWND receiver = c.receiver == Receiver::kTop ? windows.top() : panel;
    EXPECT_EQ(run.output, "posted to " + Hex(reinterpret_cast<uintptr_t>(receiver)) + "\n");
    expected.push_back({receiver, c.message, c.wParam, c.lParam});
  }

  std::vector<NotedMessage> noted = windows.WaitForNoted(expected.size(), kArrivalMs);
  ASSERT_EQ(noted.size(), expected.size());
  for (size_t i = 0; i < noted.size(); ++i) {
    EXPECT_EQ(noted[i].window, expected[i].window) << i;
    EXPECT_EQ(noted[i].message, expected[i].message) << i;
    EXPECT_EQ(noted[i].wParam, expected[i].wParam) << i;
    EXPECT_EQ(noted[i].lParam, expected[i].lParam) << i;
  }
}

}  // namespace
