#include "panel_test_support.h"

#include <cstdint>

#include "com/testing/ControlHosting.h"
#include "com/testing/MessagePump.h"

namespace morvex::aboutpanel::testing {

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexAboutPanelTestFrame";
constexpr UINT kTestPicture = 300;  // aboutpanel_test.rc
constexpr int kOkButtonId = 650;
constexpr int kLinkId = 652;
constexpr DISPID kOnExit = 1;

class PanelEnvironment : public com::testing::ControlTestEnvironment {
 public:
  PanelEnvironment() : ControlTestEnvironment(nullptr, com::testing::HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    // A magenta frame shows at once where the panel paints nothing.
    ASSERT_TRUE(
        com::testing::RegisterTestWindowClass(kFrameClass, CreateSolidBrush(RGB(255, 0, 255))));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new PanelEnvironment);

}  // namespace

void PanelTest::SetUp() {
  const int width = frameRect_.right - frameRect_.left;
  const int height = frameRect_.bottom - frameRect_.top;
  ASSERT_EQ(GetACP(), 1251u) << "tests run with the Russian ANSI code page";
  frame_ = CreateWindowExW(WS_EX_TOPMOST, kFrameClass, L"AboutPanel test", WS_POPUP | WS_VISIBLE,
                           frameRect_.left, frameRect_.top, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_TRUE(com::testing::HostByProgId(frame_, "AboutPanel.AboutPanelCtrl", {0, 0, width, height},
                                         5000, &host_, &control_));
  com::Ptr<IOleWindow> window;
  ASSERT_EQ(Hr{control_.As(&window)}, Hr{S_OK});
  ASSERT_EQ(Hr{window->GetWindow(&panel_)}, Hr{S_OK});
  button_ = GetDlgItem(panel_, kOkButtonId);
  link_ = GetDlgItem(panel_, kLinkId);
  ASSERT_NE(button_, nullptr);
  ASSERT_NE(link_, nullptr);
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__IAboutPanelCtrlEvents, &sink_)}, Hr{S_OK});
  sink_->On(kOnExit, [this](com::EventArguments& args) { exits_.push_back(args.Long(0)); });
  ASSERT_EQ(Hr{sink_->Connect(control_.Get())}, Hr{S_OK});
}

void PanelTest::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  control_.Reset();
  if (frame_) DestroyWindow(frame_);
  com::testing::PumpPending();
  com::testing::ExpectNoLiveObjects(kDll);
}

void PanelTest::Resize(int width, int height) {
  MoveWindow(host_, 0, 0, width, height, TRUE);
  com::testing::PumpPending();
}

const void* TestPicture() {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(kTestPicture), MAKEINTRESOURCEW(2));
  return found ? LockResource(LoadResource(self, found)) : nullptr;
}

RECT Rect(IAboutPanelCtrl* control, bool okButton) {
  long l = 0, t = 0, r = 0, b = 0;
  if (okButton)
    static_cast<IAboutPanelCtrlVtable*>(control)->GetBnOkPos(&l, &t, &r, &b);
  else
    control->GetHyperLinkPos(&l, &t, &r, &b);
  return {l, t, r, b};
}

::testing::AssertionResult RectIs(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", "
                                       << actual.right << ", " << actual.bottom << ")";
}

// The panel's client area as shown, read back from the screen.
std::vector<COLORREF> Capture(HWND window, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC source = GetDC(window);
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels;
  pixels.reserve(static_cast<size_t>(width * height));
  const auto* rows = static_cast<const uint32_t*>(bits);
  for (int i = 0; bits && i < width * height; ++i)
    pixels.push_back(RGB((rows[i] >> 16) & 0xFF, (rows[i] >> 8) & 0xFF, rows[i] & 0xFF));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, source);
  return pixels;
}

void Save(const std::vector<COLORREF>& pixels, int width, int height, const char* path) {
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  header.biSizeImage = static_cast<DWORD>(width * height * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::vector<uint32_t> bits;
  for (COLORREF c : pixels)
    bits.push_back(static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
  HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, &file, sizeof file, &written, nullptr);
  WriteFile(out, &header, sizeof header, &written, nullptr);
  WriteFile(out, bits.data(), header.biSizeImage, &written, nullptr);
  CloseHandle(out);
}

}  // namespace morvex::aboutpanel::testing
