// LocaleKitMngr, the one class of the LocaleKit server: language names,
// flag icons, direction bitmaps and the installed interface languages, for
// the main program, the dictionary system and the dictionary shelf, each
// of which makes a short-lived manager when it needs one.
#pragma once

#include <unknwn.h>
#include <windows.h>

// Makes a manager and hands out interface `iid` (the class factory's work).
HRESULT CreateLocaleKitMngr(REFIID iid, void** out);
