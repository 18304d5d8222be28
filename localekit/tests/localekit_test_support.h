// What LocaleKit's client tests share: a fixture that opens an apartment,
// makes managers as the system's clients do (ProgID, CoCreateInstance) and
// checks after each test that no manager is left alive; the framework's
// client-side helpers; and the pixels of icons and bitmaps, read back
// without a screen.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "com/ComPtr.h"
#include "com/testing/ServerClient.h"
#include "localekit/LocaleKit.h"

// The framework's client-side helpers, used throughout these tests.
using namespace morvex::com::testing;

inline constexpr wchar_t kLocaleKitDll[] = L"LocaleKit.dll";
inline constexpr wchar_t kLocaleKitProgId[] = L"LocaleKit.LocaleKitMngr";

class LocaleKitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  morvex::com::Ptr<ILocaleKitMngr> MakeManager();
};

// Colours as 0x00RRGGBB, row by row from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned> rgb;

  unsigned At(int x, int y) const { return rgb[static_cast<size_t>(y * width + x)]; }
  // The `w` x `h` block whose top left corner is (x, y).
  Pixels Block(int x, int y, int w, int h) const;
  bool operator==(const Pixels& other) const {
    return width == other.width && height == other.height && rgb == other.rgb;
  }
};

inline constexpr unsigned kRgbMagenta = 0xFF00FF;

// The pixels of a bitmap (of any format), through GetDIBits.
Pixels BitmapPixels(HBITMAP bitmap);

// The colour image of `icon` (DI_IMAGE) drawn at `width` x `height` into a
// bitmap of the screen's format, as the direction bitmap receives it.
Pixels IconImagePixels(HICON icon, int width, int height);

// The size of an icon's colour image; {0, 0} when it is not an icon.
SIZE IconSize(HICON icon);

// Icon `id` of LocaleKit.dll at `width` x `height`, loaded directly from
// its resources (null when it has none); the caller destroys it.
HICON LocaleKitIcon(int id, int width, int height);
