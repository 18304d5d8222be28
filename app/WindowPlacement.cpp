#include "app/WindowPlacement.h"

#include "LexiconHub.h"
#include "PrefStore.h"
#include "com/ComPtr.h"

namespace morvex::solo {

namespace {

constexpr SIZE kFallbackScreen = {800, 600};

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

RECT VirtualScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// One edge pair moved inside [low, high): the length kept where it fits.
void FitSpan(LONG low, LONG high, LONG* from, LONG* to) {
  LONG length = *to - *from;
  if (length > high - low) length = high - low;
  if (*from < low) *from = low;
  if (*from + length > high) *from = high - length;
  *to = *from + length;
}

}  // namespace

RECT CentredThird(SIZE screen) {
  if (screen.cx == 0 || screen.cy == 0) screen = kFallbackScreen;
  const LONG width = screen.cx / 3, height = screen.cy / 3;
  const LONG left = (screen.cx - width) / 2, top = (screen.cy - height) / 2;
  return {left, top, left + width, top + height};
}

RECT PlaceOnScreen(const RECT& stored, const RECT& virtualScreen, SIZE screen) {
  if (stored.right <= stored.left || stored.bottom <= stored.top) return CentredThird(screen);
  if (virtualScreen.right <= virtualScreen.left || virtualScreen.bottom <= virtualScreen.top) {
    return stored;
  }
  RECT placed = stored;
  FitSpan(virtualScreen.left, virtualScreen.right, &placed.left, &placed.right);
  FitSpan(virtualScreen.top, virtualScreen.bottom, &placed.top, &placed.bottom);
  return placed;
}

bool LoadInitialRect(IVelMorvexOpt* options, RECT* rect, bool* maximized) {
  *maximized = false;
  if (!options) {
    *rect = CentredThird(ScreenSize());
    return false;
  }
  long flag = 0;
  RECT stored = {};
  options->get_Maximized(&flag);
  options->get_Left(&stored.left);
  options->get_Top(&stored.top);
  options->get_Right(&stored.right);
  options->get_Bottom(&stored.bottom);
  *maximized = flag != 0;
  *rect = PlaceOnScreen(stored, VirtualScreen(), ScreenSize());
  return true;
}

bool SavePlacement(IVelMorvexOpt* options, HWND window, IUnknown* currentDictionary) {
  if (!options) return false;
  RECT rect = {};
  GetWindowRect(window, &rect);
  options->put_Left(rect.left);
  options->put_Top(rect.top);
  options->put_Right(rect.right);
  options->put_Bottom(rect.bottom);
  options->put_Maximized(IsZoomed(window) ? 1 : 0);
  com::Ptr<IVelDictionary> dictionary;
  if (currentDictionary &&
      SUCCEEDED(currentDictionary->QueryInterface(IID_IVelDictionary, dictionary.PutVoid()))) {
    long theme = 0, languageIn = 0, languageOut = 0;
    dictionary->get_ThemeID(&theme);
    dictionary->get_LangIn(&languageIn);
    dictionary->get_LangOut(&languageOut);
    options->PutLastDictInfo(theme, languageIn, languageOut);
  }
  options->Write();
  return true;
}

}  // namespace morvex::solo
