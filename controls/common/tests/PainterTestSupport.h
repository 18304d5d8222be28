// What the menu renderer's tests share: an owner window that records the
// messages reaching its own procedure, a fixture with that window and an
// empty popup menu, item facts read straight from the system, a 32-bit
// canvas to draw items into and read back, and the colours of the
// renderer's default images.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/common/MenuPainter.h"
#include "controls/common/tests/PixelChecks.h"

namespace morvex::controls::testing {

// The message the owner's own procedure answers for a passed-on draw.
constexpr UINT kPassedOnDrawMessage = 0x69F;
constexpr LRESULT kPassedOnDrawAnswer = 0x5A5A;

struct SeenMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class PainterTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A renderer on owner_ and menu_ (attached), by `policy`.
  MenuPainter& Attach(const MenuPainterPolicy& policy = kPopupMenuPolicy);
  // Appends a string item (or a separator for null text) to `menu`.
  void Append(HMENU menu, UINT id, const char* text);
  // How many times the owner's own procedure saw `message`.
  int Seen(UINT message) const;

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
  std::unique_ptr<MenuPainter> painter_;
};

// The owner's procedure as its class registered it.
WNDPROC OwnerProcedure();
const std::vector<SeenMessage>& OwnerMessages();

// An item as the system holds it.
struct ItemFacts {
  UINT id = 0;
  UINT type = 0;
  UINT state = 0;
  ULONG_PTR data = 0;
  HMENU submenu = nullptr;
  std::string text;  // the item's string (MIIM_STRING)
};
ItemFacts FactsOf(HMENU menu, UINT position);

// The renderer's record on the item, or null when the item has none of its.
const MenuItemRecord* RecordOn(const MenuPainter& painter, HMENU menu, UINT position);

// A top-down 32-bit drawing surface.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas();

  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const;
  bool Holds(const RECT& area, COLORREF colour) const {
    return testing::Holds(*this, area, colour);
  }
  bool OnlyHolds(const RECT& area, std::initializer_list<COLORREF> colours) const {
    return testing::OnlyHolds(*this, area, colours);
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
  int width_;
  int height_;
};

// The centre pixel (8, 8) of image `index` of bitmap 201 (hot) or 202 (cold).
inline COLORREF ImageCentre(UINT bitmap, int index) {
  return ImageCentre(GetModuleHandleA(nullptr), bitmap, index);
}

// The system's menu font as the renderer makes it (character set 204).
LOGFONTA RendererMenuFont();
// The width DrawText gives `text` in `font`.
int TextWidth(const LOGFONTA& font, const char* text);
// The font's height and external leading, + 2.
int RowHeight(const LOGFONTA& font);

}  // namespace morvex::controls::testing
