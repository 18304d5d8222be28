#include "strip_test_support.h"

#include <ocidl.h>

#include <cstdio>
#include <fstream>

#include "com/testing/ControlHosting.h"
#include "harness/Picture.h"

namespace com = morvex::com;

namespace pagestrip_test {

namespace {

constexpr wchar_t kFrameClass[] = L"PageStripTestFrame";
constexpr wchar_t kPageClass[] = L"PageStripTestPage";
constexpr UINT kHostId = 100;

// The run's OLE and host class, the strip's DLL held, and the window
// classes of the frames and the page windows.
class StripEnvironment : public com::testing::ControlTestEnvironment {
 public:
  StripEnvironment()
      : ControlTestEnvironment(kPageStripDll, com::testing::HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(com::testing::RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_WINDOW)));
    ASSERT_TRUE(com::testing::RegisterTestWindowClass(kPageClass, CreateSolidBrush(kPageColour)));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new StripEnvironment);

}  // namespace

RECT RectIn(HWND window, HWND reference) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void StripTest::SetUp() {
  RECT outer = {0, 0, kStripWidth, kStripHeight};
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  AdjustWindowRect(&outer, style, FALSE);
  frame_ = CreateWindowExW(WS_EX_TOPMOST, kFrameClass, L"Page strip test", style, 40, 40,
                           outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ShowWindow(frame_, SW_SHOW);
  ASSERT_TRUE(com::testing::HostByProgId(
      frame_, kPageStripProgId, {0, 0, kStripWidth, kStripHeight}, kHostId, &host_, &strip_));
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__IVelPageStripEvents, &sink_)}, Hr{S_OK});
  sink_->On(1, [this](com::EventArguments& args) {
    events_ += "A" + std::to_string(args.Long(0)) + " ";
  });
  sink_->On(3, [this](com::EventArguments& args) {
    events_ += "C" + std::to_string(args.Long(0)) + " ";
  });
  ASSERT_EQ(Hr{sink_->Connect(strip_.Get())}, Hr{S_OK});
  UpdateWindow(frame_);
}

void StripTest::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  strip_.Reset();
  if (frame_) DestroyWindow(frame_);
  for (HWND page : pages_) {
    if (IsWindow(page)) DestroyWindow(page);
  }
  pages_.clear();
  frame_ = host_ = nullptr;
  Pump(5);
  com::testing::ExpectNoLiveObjects(kPageStripDll);
}

void StripTest::AddThreePagesWithWindows() {
  const wchar_t* names[] = {L"Translation", L"Dictionary", L"Collection"};
  for (int i = 0; i < 3; ++i) {
    com::Bstr name(names[i]);
    ASSERT_EQ(Hr{strip_->AddPage(name.Get())}, Hr{S_OK});
    HWND page = MakePageWindow();
    ASSERT_EQ(Hr{strip_->AttachWindow(i, static_cast<long>(reinterpret_cast<LONG_PTR>(page)))},
              Hr{S_OK});
  }
}

HWND StripTest::MakePageWindow() {
  HWND page = CreateWindowExW(0, kPageClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, frame_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(page, nullptr);
  pages_.push_back(page);
  return page;
}

std::string StripTest::TakeEvents() {
  std::string events = events_;
  events_.clear();
  return events;
}

HWND StripTest::StripWindow() const { return GetWindow(host_, GW_CHILD); }

COLORREF WindowPixel(HWND window, POINT client) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, client.x, client.y);
  ReleaseDC(window, dc);
  return colour;
}

bool Picture::Holds(const RECT& area, COLORREF colour) const {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (At(x, y) == colour) return true;
    }
  }
  return false;
}

Picture CaptureWindow(HWND window, const wchar_t* path) {
  harness::Picture shown = harness::PictureOfWindow(window);
  Picture picture{shown.width, shown.height, std::move(shown.colours)};
  if (path) {
    // A bottom-up 32-bit bitmap file of the same rows.
    std::ofstream file(path, std::ios::binary);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = picture.width;
    header.biHeight = picture.height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const DWORD rowBytes = static_cast<DWORD>(picture.width) * 4;
    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
    fileHeader.bfSize = fileHeader.bfOffBits + rowBytes * picture.height;
    file.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    for (int y = picture.height - 1; y >= 0; --y) {
      for (int x = 0; x < picture.width; ++x) {
        const COLORREF colour = picture.At(x, y);
        const char quad[4] = {static_cast<char>(GetBValue(colour)),
                              static_cast<char>(GetGValue(colour)),
                              static_cast<char>(GetRValue(colour)), 0};
        file.write(quad, sizeof quad);
      }
    }
  }
  return picture;
}

}  // namespace pagestrip_test
