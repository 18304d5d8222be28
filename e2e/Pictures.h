// Pictures of the screen saved by the end-to-end tests: the README's
// pictures into the directory MORVEX_PICTURES_DIR names (nothing when it is
// unset; docs/make-pictures.sh sets it and turns them into PNGs), and the
// screen as it stood when a step failed, whose path the failure names.
#pragma once

#include <windows.h>

#include <string>

namespace morvex::e2e {

// The area of the screen as `name`.bmp in MORVEX_PICTURES_DIR; true when
// saved or when no directory is asked for.
bool SavePicture(const wchar_t* name, const RECT& area);

// The whole screen as `name`.bmp in MORVEX_PICTURES_DIR, or else beside the
// test program; its path, or a word of why there is none.
std::wstring SaveFailureScreen(const std::wstring& name);

}  // namespace morvex::e2e
