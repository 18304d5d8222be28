#include "app/portable/CaptionShading.h"

#include <algorithm>

namespace morvex::solo {

namespace {

constexpr int32_t kStripsWanted = 64;

int32_t Shade(int32_t from, int32_t to, int32_t offset, int32_t span) {
  return from + (to - from) * offset / span;
}

}  // namespace

std::vector<CaptionStrip> CaptionGradient(int32_t width, CaptionRgb from, CaptionRgb to) {
  std::vector<CaptionStrip> strips;
  if (width <= 0) return strips;
  const int32_t solid = width / 6;
  const int32_t span = width - solid;  // at least 1 here
  int32_t step = span / kStripsWanted;
  if (step < 2) step = 1;
  if (solid > 0) strips.push_back({0, solid, from});
  for (int32_t x = solid; x < width; x += step) {
    const int32_t offset = x - solid;
    const CaptionRgb colour = {Shade(from.red, to.red, offset, span),
                               Shade(from.green, to.green, offset, span),
                               Shade(from.blue, to.blue, offset, span)};
    strips.push_back({x, std::min(step, width - x), colour});
  }
  return strips;
}

int32_t CaptionLuminance(CaptionRgb colour) {
  const int32_t low = std::min({colour.red, colour.green, colour.blue});
  const int32_t high = std::max({colour.red, colour.green, colour.blue});
  return ((low + high) * 240 + 255) / 510;
}

}  // namespace morvex::solo
