// The arithmetic of the main window's caption: the strips of its active
// gradient and the lightness that decides whether its text is drawn white.
// Pure integer arithmetic, so that the strips are tested natively; the
// caption painting (app/CaptionPainter.h) only fills them.
#pragma once

#include <cstdint>
#include <vector>

namespace morvex::solo {

struct CaptionRgb {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const CaptionRgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

// A full-height strip of the caption, from x to x + width (never past the
// caption's right edge).
struct CaptionStrip {
  int32_t x = 0;
  int32_t width = 0;
  CaptionRgb colour;
};

// The active caption of `width` pixels: solid `from` over its first sixth,
// then about 64 strips shading to `to`, each channel moved by its share of
// the distance from the sixth (integer division, cutting towards zero).
// Empty for a width of 0 or less.
std::vector<CaptionStrip> CaptionGradient(int32_t width, CaptionRgb from, CaptionRgb to);

// Lightness on the scale 0 to 240: (min + max) x 240 + 255, over 510.
int32_t CaptionLuminance(CaptionRgb colour);

}  // namespace morvex::solo
