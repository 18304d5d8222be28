#include "QuickHintTestSupport.h"

#include <richedit.h>

#include <cstdio>
#include <cstdlib>

#include "com/testing/ControlHosting.h"

namespace morvex::quickhint::testing {

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexQuickHintTestFrame";

// The run's OLE and host class, and the window class of the frames.
class QuickHintEnvironment : public com::testing::ControlTestEnvironment {
 public:
  QuickHintEnvironment() : ControlTestEnvironment(nullptr, com::testing::HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(com::testing::RegisterTestWindowClass(
        kFrameClass, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), DefWindowProcW));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QuickHintEnvironment);

// Tests run with the Russian ANSI code page unless the run names another
// (the article test runs again under code page 1252).
UINT ExpectedCodePage() {
  char value[16] = {};
  if (!GetEnvironmentVariableA("QUICKHINT_TEST_ACP", value, sizeof value)) return 1251;
  return static_cast<UINT>(strtoul(value, nullptr, 10));
}

}  // namespace

void QuickHintTest::SetUp() {
  ASSERT_EQ(GetACP(), ExpectedCodePage()) << "the run's ANSI code page";
  frame_ =
      CreateWindowExW(WS_EX_TOPMOST, kFrameClass, L"QuickHint test", WS_POPUP | WS_VISIBLE, 100,
                      100, 300, 160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_TRUE(
      com::testing::HostByProgId(frame_, kProgId, {0, 0, 300, 160}, 2000, &host_, &control_));
  tip_ = GetWindow(host_, GW_CHILD);
  ASSERT_NE(tip_, nullptr);
  ASSERT_EQ(Hr{com::EventSink::Create(DIID__IQuickHintCtrlEvents, &sink_)}, Hr{S_OK});
  for (DISPID id : {kLangChanged, kNeedToHide, kNeedToChangeLang, kNeedEditMenu, kNeedDictViewer})
    sink_->On(id, [this, id](com::EventArguments& args) {
      Event event{id, {}};
      for (UINT i = 0; i < args.Count(); ++i) event.arguments.push_back(args.Long(i));
      events_.push_back(event);
    });
  ASSERT_EQ(Hr{sink_->Connect(control_.Get())}, Hr{S_OK});
}

void QuickHintTest::TearDown() {
  if (sink_) sink_->Disconnect();
  sink_.Reset();
  control_.Reset();
  if (frame_) DestroyWindow(frame_);
  com::testing::PumpPending();
  com::testing::ExpectNoLiveObjects(kQuickHintDll);
}

HWND QuickHintTest::Body() const { return GetDlgItem(tip_, kBodyId); }

HWND QuickHintTest::Header() const {
  HWND pager = FindWindowExA(tip_, nullptr, "SysPager", nullptr);
  return pager ? GetDlgItem(pager, kHeaderId) : nullptr;
}

HWND QuickHintTest::Button() const { return GetDlgItem(tip_, kButtonId); }

std::vector<Event> QuickHintTest::EventsOf(DISPID id) const {
  std::vector<Event> found;
  for (const Event& event : events_)
    if (event.id == id) found.push_back(event);
  return found;
}

std::wstring BodyText(HWND body) {
  wchar_t text[4096] = {};
  GETTEXTEX how = {sizeof text - sizeof(wchar_t), GT_DEFAULT, 1200, nullptr, nullptr};
  SendMessageW(body, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(text));
  return text;
}

CHARFORMAT2W FormatAt(HWND body, LONG at) {
  CHARRANGE one = {at, at + 1};
  SendMessageW(body, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
  CHARFORMAT2W format = {};
  format.cbSize = sizeof format;
  SendMessageW(body, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format;
}

namespace {

// Paints into a top-down 32-bit DIB section of the given size through
// `paint` and reads the pixels back.
template <class Paint>
Pixels RenderInto(int width, int height, Paint paint) {
  Pixels pixels;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || width <= 0 || height <= 0) {
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
  }
  HGDIOBJ old = SelectObject(memory, bitmap);
  paint(memory);
  GdiFlush();
  pixels.width = width;
  pixels.height = height;
  const auto* raw = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i)
    pixels.colours.push_back(RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

}  // namespace

Pixels PrintClient(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return RenderInto(client.right, client.bottom, [&](HDC dc) {
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  });
}

Pixels CaptureOnScreen(HWND window) {
  RECT bounds = {};
  GetWindowRect(window, &bounds);
  return RenderInto(bounds.right - bounds.left, bounds.bottom - bounds.top, [&](HDC dc) {
    HDC source = GetWindowDC(window);
    BitBlt(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
  });
}

bool SavePicture(const Pixels& pixels, const char* path) {
  FILE* out = fopen(path, "wb");
  if (!out) return false;
  fprintf(out, "P6\n%d %d\n255\n", pixels.width, pixels.height);
  for (COLORREF colour : pixels.colours) {
    const unsigned char rgb[3] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    fwrite(rgb, 1, 3, out);
  }
  return fclose(out) == 0;
}

void TypeKey(HWND window, UINT key, wchar_t character) {
  SendMessageW(window, WM_KEYDOWN, key, 1);
  if (character) SendMessageW(window, WM_CHAR, character, 1);
  SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace morvex::quickhint::testing
