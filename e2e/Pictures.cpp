#include "e2e/Pictures.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/ScreenPixels.h"

namespace morvex::e2e {

namespace {

// The directory asked for, as Windows names it (the script gives a Unix
// path, which Wine sees on Z:); empty when none is.
std::wstring PicturesDirectory() {
  const char* asked = std::getenv("MORVEX_PICTURES_DIR");
  if (!asked || !*asked) return L"";
  std::wstring path = asked[0] == '/' ? L"Z:" : L"";
  for (const char* c = asked; *c; ++c) path += *c == '/' ? L'\\' : wchar_t(*c);
  return path;
}

// How long a picture is given to settle, and how far apart it is looked at.
constexpr DWORD kSettleTimeoutMs = 3000;
constexpr DWORD kSettleStepMs = 150;

bool Same(const harness::ScreenPixels& a, const harness::ScreenPixels& b) {
  const RECT& area = a.area();
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

// The area once two looks a step apart see the same pixels: windows paint
// their parts one after another (a tip's header after its frame, a window
// just resized part by part). The last look when it does not settle.
harness::ScreenPixels SettledPixels(const RECT& area) {
  harness::ScreenPixels last = harness::ScreenPixels::Capture(area);
  const DWORD start = GetTickCount();
  while (!last.empty() && GetTickCount() - start < kSettleTimeoutMs) {
    Sleep(kSettleStepMs);
    harness::ScreenPixels next = harness::ScreenPixels::Capture(area);
    const bool settled = Same(last, next);
    last = std::move(next);
    if (settled) break;
  }
  return last;
}

// A bottom-up 24-bit .bmp of the screen's area.
bool WriteBitmap(const std::wstring& path, const RECT& area) {
  const harness::ScreenPixels pixels = SettledPixels(area);
  if (pixels.empty()) return false;
  const int width = area.right - area.left, height = area.bottom - area.top;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  std::vector<unsigned char> rows(stride * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    unsigned char* row = &rows[stride * static_cast<size_t>(height - 1 - y)];
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = pixels.At(area.left + x, area.top + y);
      row[3 * x] = GetBValue(colour);
      row[3 * x + 1] = GetGValue(colour);
      row[3 * x + 2] = GetRValue(colour);
    }
  }
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(rows.size());
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (!out) return false;
  const bool written = fwrite(&file, sizeof file, 1, out) == 1 &&
                       fwrite(&info, sizeof info, 1, out) == 1 &&
                       fwrite(rows.data(), 1, rows.size(), out) == rows.size();
  return fclose(out) == 0 && written;
}

RECT WholeScreen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

bool SavePicture(const wchar_t* name, const RECT& area) {
  const std::wstring directory = PicturesDirectory();
  if (directory.empty()) return true;
  RECT onScreen = {};
  const RECT screen = WholeScreen();
  IntersectRect(&onScreen, &area, &screen);
  return WriteBitmap(directory + L"\\" + name + L".bmp", onScreen);
}

std::wstring SaveFailureScreen(const std::wstring& name) {
  std::wstring directory = PicturesDirectory();
  std::wstring path = directory.empty() ? harness::ProgramBeside(name + L".bmp")
                                        : directory + L"\\" + name + L".bmp";
  return WriteBitmap(path, WholeScreen()) ? path : L"(no screenshot: it could not be saved)";
}

}  // namespace morvex::e2e
