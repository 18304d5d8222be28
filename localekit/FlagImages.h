// The pictures of LocaleKit: flag icons by language id and the direction
// bitmap of a language pair (the first flag at the top left, the second
// to its right and lower). Used by LocaleKitMngr; every handle returned
// belongs to the caller.
#pragma once

#include <windows.h>

namespace morvex::localekit {

struct IconSize {
  int width;
  int height;
};

inline constexpr IconSize kSmallFlag = {16, 11};
inline constexpr IconSize kBigFlag = {32, 20};

// Where the direction bitmap shows its two small flags.
inline constexpr POINT kDirectionFirstFlag = {0, 1};
inline constexpr POINT kDirectionSecondFlag = {16, 4};

// The flag of `langId`'s primary language (langId & 0x3FF) at `size`, or
// the flag of unknown languages when the module has none; null only when
// the module holds neither.
HICON LoadFlagIcon(HINSTANCE module, long langId, IconSize size);

// The module's direction bitmap with the small flags of `inLangId` and
// `outLangId` drawn on it (colour images only, no mask); null when the
// bitmap cannot be made.
HBITMAP MakeDirectionBitmap(HINSTANCE module, long inLangId, long outLangId);

}  // namespace morvex::localekit
