#include "PainterTestSupport.h"

#include "PickListResource.h"

namespace morvex::controls::testing {

namespace {

constexpr char kOwnerClass[] = "MorvexPainterTestOwner";

std::vector<SeenMessage>& Messages() {
  static std::vector<SeenMessage> messages;
  return messages;
}

LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MEASUREITEM || message == WM_DRAWITEM || message >= WM_USER)
    Messages().push_back({message, wParam, lParam});
  if (message == kPassedOnDrawMessage) return kPassedOnDrawAnswer;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

WNDPROC OwnerProcedure() { return RecordingProcedure; }
const std::vector<SeenMessage>& OwnerMessages() { return Messages(); }

void PainterTest::SetUp() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = RecordingProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kOwnerClass;
  RegisterClassA(&windowClass);
  owner_ = CreateWindowA(kOwnerClass, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner_, nullptr);
  menu_ = CreatePopupMenu();
  ASSERT_NE(menu_, nullptr);
  Messages().clear();
}

void PainterTest::TearDown() {
  painter_.reset();
  DestroyMenu(menu_);
  DestroyWindow(owner_);
}

MenuPainter& PainterTest::Attach(const MenuPainterPolicy& policy) {
  painter_ = std::make_unique<MenuPainter>(policy);
  EXPECT_TRUE(painter_->Attach(owner_, menu_));
  return *painter_;
}

void PainterTest::Append(HMENU menu, UINT id, const char* text) {
  ASSERT_TRUE(text ? AppendMenuA(menu, MF_STRING, id, text)
                   : AppendMenuA(menu, MF_SEPARATOR, 0, nullptr));
}

int PainterTest::Seen(UINT message) const {
  int count = 0;
  for (const SeenMessage& seen : Messages()) count += seen.message == message;
  return count;
}

ItemFacts FactsOf(HMENU menu, UINT position) {
  char text[256] = {};
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = sizeof text;
  ItemFacts facts;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return facts;
  facts.id = info.wID;
  facts.type = info.fType;
  facts.state = info.fState;
  facts.data = info.dwItemData;
  facts.submenu = info.hSubMenu;
  facts.text = info.dwTypeData ? text : "";
  return facts;
}

const MenuItemRecord* RecordOn(const MenuPainter& painter, HMENU menu, UINT position) {
  ULONG_PTR data = FactsOf(menu, position).data;
  return painter.IsOwnRecord(data) ? reinterpret_cast<const MenuItemRecord*>(data) : nullptr;
}

Canvas::Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  bits_ = static_cast<uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_);
  RECT all = {0, 0, width, height};
  HBRUSH brush = CreateSolidBrush(fill);
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Canvas::At(int x, int y) const {
  GdiFlush();
  uint32_t pixel = bits_[y * width_ + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

LOGFONTA RendererMenuFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTA font = metrics.lfMenuFont;
  font.lfPitchAndFamily = 0;
  font.lfCharSet = RUSSIAN_CHARSET;
  return font;
}

namespace {

template <class Measure>
int WithFont(const LOGFONTA& description, Measure measure) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&description);
  HGDIOBJ old = SelectObject(dc, font);
  int result = measure(dc);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return result;
}

}  // namespace

int TextWidth(const LOGFONTA& font, const char* text) {
  return WithFont(font, [text](HDC dc) {
    RECT extent = {};
    DrawTextA(dc, text, lstrlenA(text), &extent, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    return static_cast<int>(extent.right - extent.left);
  });
}

int RowHeight(const LOGFONTA& font) {
  return WithFont(font, [](HDC dc) {
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    return static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading + 2);
  });
}

}  // namespace morvex::controls::testing
