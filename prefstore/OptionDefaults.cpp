// The options a new options object starts from.
#include "PrefStoreClasses.h"
#include "prefstore/FontConversion.h"
#include "prefstore/HotKeyList.h"
#include "prefstore/Options.h"

namespace morvex::prefstore {

namespace {

constexpr int32_t kCtrlAlt = MOD_CONTROL | MOD_ALT;

int32_t SystemColor(int index) { return static_cast<int32_t>(GetSysColor(index)); }

FontRecord DefaultFont() {
  FontRecord font;
  font.size = 80000;  // 8 points
  font.weight = 400;
  font.charset = 204;
  font.faceName = "Tahoma";
  return font;
}

}  // namespace

HRESULT MakeDefaultOptions(Options* options) {
  OptionValues& values = options->values;
  values = OptionValues();
  values.position = DefaultPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  values.colorFore = SystemColor(COLOR_WINDOW);
  values.colorBack = SystemColor(COLOR_BTNFACE);
  values.colorShadow = SystemColor(COLOR_INACTIVECAPTION);
  values.colorText = SystemColor(COLOR_WINDOWTEXT);

  HRESULT hr = FontOfRecord(DefaultFont(), &options->font);
  if (FAILED(hr)) return hr;
  hr = MakeHotKeyColl(&options->hotKeys);
  if (FAILED(hr)) return hr;
  return ReplaceHotKeys(options->hotKeys.Get(), {{HKCmdTranslate, kCtrlAlt, 'Z'},
                                                 {HKCmdDictionary, kCtrlAlt, 'X'},
                                                 {HKCmdQuickTip, kCtrlAlt, 'S'}});
}

}  // namespace morvex::prefstore
