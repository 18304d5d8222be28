#include "PickListTestSupport.h"

#include <commctrl.h>

#include <atomic>
#include <thread>

#include "PickListResource.h"
#include "com/testing/ControlHosting.h"
#include "com/testing/MessagePump.h"
#include "harness/KeyCombo.h"
#include "harness/Picture.h"

namespace morvex::picklist::testing {

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexPickListTestFrame";
constexpr UINT kPumpMarker = WM_APP + 7;
constexpr DWORD kMenuWaitMs = 5000;
constexpr DISPID kLangChanged = 1;

bool g_markerSeen = false;

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPumpMarker) {
    g_markerSeen = true;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// The shown popup menu window of this process, or null.
HWND ShownMenuWindow() {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, "#32768", nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// The run's OLE and host class, and the window class of the frames.
class PickListEnvironment : public com::testing::ControlTestEnvironment {
 public:
  PickListEnvironment() : ControlTestEnvironment(nullptr, com::testing::HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(com::testing::RegisterTestWindowClass(
        kFrameClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), FrameProcedure));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new PickListEnvironment);

}  // namespace

void PickListTest::SetUp() {
  ASSERT_EQ(GetACP(), 1251u) << "tests run with the Russian ANSI code page";
  frame_ = CreateWindowExW(WS_EX_TOPMOST, kFrameClass, L"PickList test", WS_POPUP | WS_VISIBLE, 60,
                           60, 320, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_TRUE(com::testing::HostByProgId(frame_, kProgId, {0, 0, 320, 200}, 1, &host_, &control_));
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__IPickListCtrlEvents, &sink_)}, Hr{S_OK});
  sink_->On(kLangChanged, [this](com::EventArguments& args) { events_.push_back(args.Long(0)); });
  ASSERT_EQ(Hr{sink_->Connect(control_.Get())}, Hr{S_OK});
}

void PickListTest::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  control_.Reset();
  if (frame_) DestroyWindow(frame_);
  com::testing::PumpPending();
  com::testing::ExpectNoLiveObjects(kPickListDll);
}

bool PickListTest::TrackWhile(POINT at, const std::function<void(const OpenMenu&)>& action) {
  SetForegroundWindow(frame_);
  std::atomic<bool> shown{false};
  std::thread worker([&] {
    OpenMenu open;
    DWORD start = GetTickCount();
    while (!(open.window = ShownMenuWindow()) && GetTickCount() - start < kMenuWaitMs) Sleep(10);
    if (!open.window) return;
    shown = true;
    open.menu = reinterpret_cast<HMENU>(SendMessageA(open.window, MN_GETHMENU, 0, 0));
    action(open);
    start = GetTickCount();
    while (IsWindow(open.window) && IsWindowVisible(open.window) &&
           GetTickCount() - start < kMenuWaitMs)
      Sleep(10);
    // Never leave the test waiting on a menu.
    if (IsWindow(open.window) && IsWindowVisible(open.window))
      PostMessageA(open.window, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  EXPECT_EQ(Hr{control_->TrackPopupMenu(at.x, at.y)}, Hr{S_OK});
  worker.join();
  return shown;
}

void PickListTest::PumpPosted() {
  g_markerSeen = false;
  PostMessageA(frame_, kPumpMarker, 0, 0);
  com::testing::PumpUntil([] { return g_markerSeen; }, kMenuWaitMs);
}

bool PickListTest::WaitForEvents(size_t count) {
  return com::testing::PumpUntil([&] { return events_.size() >= count; }, kMenuWaitMs);
}

ItemState ItemAt(HMENU menu, UINT position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
  ItemState item;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return item;
  item.id = info.wID;
  item.type = info.fType;
  item.state = info.fState;
  return item;
}

void Press(const wchar_t* keys) {
  std::vector<harness::KeyStroke> strokes;
  std::wstring error;
  ASSERT_TRUE(harness::ParseKeyCombo(keys, &strokes, &error)) << keys;
  ASSERT_TRUE(harness::SendKeyCombo(strokes)) << keys;
}

Capture CaptureWindow(HWND window) {
  harness::Picture picture = harness::PictureOfWindow(window, true);
  return {picture.width, picture.height, std::move(picture.colours)};
}

bool SaveBitmap(const Capture& capture, const char* path) {
  int stride = (capture.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = capture.width;
  header.biHeight = capture.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<DWORD>(stride * capture.height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
            WriteFile(out, &header, sizeof header, &written, nullptr);
  std::vector<BYTE> row(static_cast<size_t>(stride));
  for (int y = capture.height - 1; ok && y >= 0; --y) {
    for (int x = 0; x < capture.width; ++x) {
      COLORREF colour = capture.At(x, y);
      row[3 * x] = GetBValue(colour);
      row[3 * x + 1] = GetGValue(colour);
      row[3 * x + 2] = GetRValue(colour);
    }
    ok = WriteFile(out, row.data(), static_cast<DWORD>(stride), &written, nullptr);
  }
  CloseHandle(out);
  return ok;
}

Icons::Icons() {
  HMODULE module = GetModuleHandleW(kPickListDll);
  const UINT bitmaps[2] = {IDB_MENU_HOT, IDB_MENU_COLD};
  for (int list = 0; list < 2; ++list) {
    HIMAGELIST images = ImageList_LoadImageA(module, MAKEINTRESOURCEA(bitmaps[list]), 16, 0,
                                             RGB(255, 0, 255), IMAGE_BITMAP, 0);
    for (int k = 0; k < 4; ++k) icons_[list][k] = ImageList_GetIcon(images, k, ILD_NORMAL);
    ImageList_Destroy(images);
  }
}

Icons::~Icons() {
  for (auto& list : icons_)
    for (HICON icon : list) DestroyIcon(icon);
}

RECT ItemInWindow(const OpenMenu& open, UINT position) {
  RECT item = {}, window = {};
  GetMenuItemRect(nullptr, open.menu, position, &item);
  GetWindowRect(open.window, &window);
  OffsetRect(&item, -window.left, -window.top);
  return item;
}

RECT CellOf(const RECT& item) {
  int top = item.top + ((item.bottom - item.top) - 20) / 2;
  return {item.left, top, item.left + 20, top + 20};
}

POINT CentreOf(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void CloseMenu(const OpenMenu& open) { PostMessageA(open.window, WM_KEYDOWN, VK_ESCAPE, 0); }

}  // namespace morvex::picklist::testing
