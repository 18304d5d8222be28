#include "FlatButtonTestSupport.h"

#include <cstdio>
#include <cstdlib>

#include "com/Reflection.h"

namespace morvex::controls::testing {

namespace {

constexpr char kParentClass[] = "MorvexFlatButtonTestParent";

std::vector<Command> g_commands;
bool g_reflects = false;
struct {
  bool set = false;
  int split = 0;
  COLORREF left = 0;
  COLORREF right = 0;
} g_background;

LRESULT EraseInTwoColours(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  RECT left = client;
  left.right = g_background.split;
  RECT right = client;
  right.left = g_background.split;
  HBRUSH leftBrush = CreateSolidBrush(g_background.left);
  HBRUSH rightBrush = CreateSolidBrush(g_background.right);
  FillRect(dc, &left, leftBrush);
  FillRect(dc, &right, rightBrush);
  DeleteObject(leftBrush);
  DeleteObject(rightBrush);
  return 1;
}

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (g_reflects && com::ReflectNotification(window, message, wParam, lParam, &reflected))
    return reflected;
  if (message == WM_COMMAND) {
    g_commands.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
    return 0;
  }
  if (message == WM_ERASEBKGND && g_background.set)
    return EraseInTwoColours(window, reinterpret_cast<HDC>(wParam));
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void SavePictureIfAsked(const Canvas& canvas, int width, int height, const char* name) {
  const char* directory = std::getenv("MORVEX_TEST_PICTURES");
  if (!directory || !*directory) return;
  char path[MAX_PATH];
  std::snprintf(path, sizeof path, "%s\\%s.bmp", directory, name);
  FILE* file = std::fopen(path, "wb");
  if (!file) return;
  const DWORD pixelBytes = static_cast<DWORD>(width) * height * 4;
  const DWORD headerBytes = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  const BITMAPFILEHEADER fileHeader = {0x4D42, headerBytes + pixelBytes, 0, 0, headerBytes};
  const BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::fwrite(&fileHeader, sizeof fileHeader, 1, file);
  std::fwrite(&header, sizeof header, 1, file);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = canvas.At(x, y);
      const unsigned char pixel[4] = {GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
      std::fwrite(pixel, sizeof pixel, 1, file);
    }
  }
  std::fclose(file);
}

void FlatButtonTest::SetUp() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = ParentProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kParentClass;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&windowClass);  // fails harmlessly once registered
  parent_ = CreateWindowExA(0, kParentClass, "flat button test", WS_POPUP | WS_VISIBLE, 50, 50, 400,
                            200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(parent_, nullptr);
  g_commands.clear();
  g_reflects = false;
  g_background.set = false;
  MakeButton(BS_PUSHBUTTON, 60, 24);
}

void FlatButtonTest::TearDown() {
  button_.reset();
  if (parent_) DestroyWindow(parent_);
  ReleaseCapture();
}

void FlatButtonTest::MakeButton(DWORD style, int width, int height) {
  button_.reset();
  if (buttonWindow_) DestroyWindow(buttonWindow_);
  buttonWindow_ = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | style, 100, 20, width,
                                  height, parent_, reinterpret_cast<HMENU>(kButtonId),
                                  GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(buttonWindow_, nullptr);
  button_ = std::make_unique<FlatButton>();
  ASSERT_TRUE(button_->Attach(buttonWindow_));
}

DRAWITEMSTRUCT FlatButtonTest::ItemFor(const Canvas& canvas, SIZE size, UINT itemState) const {
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.CtlID = kButtonId;
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = itemState;
  item.hwndItem = buttonWindow_;
  item.hDC = canvas.dc();
  item.rcItem = {0, 0, size.cx, size.cy};
  return item;
}

void FlatButtonTest::DrawInto(const Canvas& canvas, SIZE size, UINT itemState) {
  DRAWITEMSTRUCT item = ItemFor(canvas, size, itemState);
  SendMessageA(buttonWindow_, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item));
}

void FlatButtonTest::Hover(int x, int y, WPARAM keys) {
  SendMessageA(buttonWindow_, WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
}

std::vector<Command> FlatButtonTest::TakeCommands() {
  std::vector<Command> taken;
  taken.swap(g_commands);
  return taken;
}

void SetParentReflects(bool reflects) { g_reflects = reflects; }

void SetParentBackground(int split, COLORREF left, COLORREF right) {
  g_background = {true, split, left, right};
}

}  // namespace morvex::controls::testing
