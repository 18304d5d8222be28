#include "letterstrip_test_support.h"

#include <cstdio>

#include "com/testing/ControlHosting.h"
#include "harness/Picture.h"

namespace com = morvex::com;

namespace {

constexpr wchar_t kFrameClass[] = L"MorvexLetterStripTestFrame";
constexpr DISPID kLetterSelected = 1;

// The run's OLE and host class, and the window class of the test windows.
class StripEnvironment : public ControlTestEnvironment {
 public:
  StripEnvironment() : ControlTestEnvironment(nullptr, HostClass::kRegistered) {}
  void SetUp() override {
    ControlTestEnvironment::SetUp();
    if (::testing::Test::HasFatalFailure()) return;
    ASSERT_TRUE(RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_WINDOW)));
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new StripEnvironment);

}  // namespace

SIZE MeasureInCharset(const com::FontSpec& spec, BYTE charset, const char* text) {
  SIZE size = {};
  com::Ptr<IFontDisp> font;
  com::Ptr<IFont> details;
  HFONT source = nullptr;
  LOGFONTA description = {};
  if (FAILED(com::CreateFontDisp(spec, &font)) || FAILED(font.As(&details)) ||
      FAILED(details->get_hFont(&source)) || !GetObjectA(source, sizeof description, &description))
    return size;
  description.lfCharSet = charset;
  HFONT remade = CreateFontIndirectA(&description);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, remade);
  GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(remade);
  return size;
}

int Pixels::CountOther(const RECT& area, COLORREF colour) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += At(x, y) != colour;
  return count;
}

Pixels CaptureClient(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpPending();
  harness::Picture picture = harness::PictureOfWindow(window);
  return {picture.width, picture.height, std::move(picture.colours)};
}

bool SaveBmp(const Pixels& pixels, const std::wstring& path) {
  int stride = (pixels.width * 3 + 3) / 4 * 4;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = pixels.width;
  info.biHeight = pixels.height;  // bottom row first
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(stride * pixels.height);
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  bool written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1;
  std::vector<BYTE> row(static_cast<size_t>(stride));
  for (int y = pixels.height - 1; written && y >= 0; --y) {
    for (int x = 0; x < pixels.width; ++x) {
      COLORREF colour = pixels.At(x, y);
      row[x * 3] = GetBValue(colour);
      row[x * 3 + 1] = GetGValue(colour);
      row[x * 3 + 2] = GetRValue(colour);
    }
    written = fwrite(row.data(), row.size(), 1, out) == 1;
  }
  return fclose(out) == 0 && written;
}

void StripTest::SetUp() {
  ASSERT_EQ(GetACP(), 1251u) << "start Wine with LC_ALL=ru_RU.UTF-8";
  frame_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kFrameClass, L"LetterStrip test",
                           WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 120, 200, 560, 120, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
  ASSERT_EQ(com::EventSink::Create(DIID__IVelLetterStripCtrlEvents, &sink_), S_OK);
  sink_->On(kLetterSelected,
            [this](com::EventArguments& arguments) { selected_.push_back(arguments.String(0)); });
  MakeStrip(480, 28);
}

void StripTest::MakeStrip(int width, int height, bool withFont) {
  sink_->Disconnect();
  strip_.Reset();
  if (host_) DestroyWindow(host_);
  langType_ = 25;
  ASSERT_TRUE(HostByProgId(frame_, kLetterStripProgId, {10, 10, 10 + width, 10 + height}, 1, &host_,
                           &strip_));
  ASSERT_EQ(Hr{sink_->Connect(strip_.Get())}, Hr{S_OK});
  if (withFont) {
    com::Ptr<IFontDisp> font;
    ASSERT_EQ(Hr{com::CreateFontDisp(kStripFont, &font)}, Hr{S_OK});
    ASSERT_EQ(Hr{strip_->put_AbcFont(font.Get())}, Hr{S_OK});
  }
  PumpPending();
}

void StripTest::TearDown() {
  sink_->Disconnect();
  sink_.Reset();
  strip_.Reset();
  DestroyWindow(frame_);
  host_ = nullptr;
  PumpPending();
  CoFreeUnusedLibraries();
  ExpectNoLiveObjects(kLetterStripDll);
}

void StripTest::SetLangType(long langType) {
  ASSERT_EQ(Hr{strip_->put_LangType(langType)}, Hr{S_OK});
  langType_ = langType;
}

HWND StripTest::ControlWindow() const { return GetWindow(host_, GW_CHILD); }
HWND StripTest::Pager() const { return GetWindow(ControlWindow(), GW_CHILD); }
HWND StripTest::Cells() const { return GetWindow(Pager(), GW_CHILD); }

int StripTest::Count() const { return langType_ == 25 ? kCyrillicCount : kLatinCount; }

int StripTest::Cell() const {
  short cx = 0, cy = 0;
  strip_->GetSize(&cx, &cy);
  return (cx - 4) / Count();
}

long StripTest::CurSel() const {
  long index = -2;
  strip_->get_CurSel(&index);
  return index;
}

RECT StripTest::CellOnStatic(int index) const {
  RECT strip = {};
  GetClientRect(Cells(), &strip);
  return {index * Cell(), 0, (index + 1) * Cell(), strip.bottom};
}

POINT StripTest::CellCentreOnScreen(int index) const {
  RECT cell = CellOnStatic(index);
  POINT centre = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  ClientToScreen(Cells(), &centre);
  return centre;
}
