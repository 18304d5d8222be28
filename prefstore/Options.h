// The state of one options object: its numbers, colours, window position
// and last dictionary, its font and its hot-key collection, with the
// defaults a new object starts from. Held by VelMorvexOpt and moved to and
// from the registry by OptionsPersistence.
#pragma once

#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <cstdint>

#include "PrefStore.h"
#include "com/ComPtr.h"
#include "prefstore/OptionRecords.h"

namespace morvex::prefstore {

// Every value is kept as the signed 32 bits the registry holds; colours are
// RGB values (never system-colour indexes) in the same bits.
struct OptionValues {
  int32_t maximized = 0;
  int32_t clipAutotrans = 0;
  int32_t textAutotrans = 0;
  PositionRecord position;
  int32_t langId = 1033;
  int32_t commandId = -1;
  int32_t colorFore = 0;
  int32_t colorBack = 0;
  int32_t colorShadow = 0;
  int32_t colorText = 0;
  int32_t animation = 1;
  LastDictRecord lastDict;
  int32_t mouseKey = 0;
  int32_t mouseModifier = VK_SHIFT;
};

struct Options {
  OptionValues values;
  com::Ptr<IFontDisp> font;
  com::Ptr<IVelHotKeyColl> hotKeys;
};

// The defaults: the fields above, the four colours as the system gives them
// now, the centred third of the screen, Tahoma 8 pt and the three hot keys
// Ctrl+Alt+Z, X and S. Fails only when the font or the collection cannot
// be made.
HRESULT MakeDefaultOptions(Options* options);

}  // namespace morvex::prefstore
