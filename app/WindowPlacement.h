// Where the main window goes at the start and what is kept of it at the
// end: its rectangle and maximised flag in the options, and the last
// current dictionary beside them.
//
// Used by the entry routine (the start) and by the main window's
// destruction (the end). The rectangle rules are plain functions, so that
// tests give them any screen.
#pragma once

#include <unknwn.h>
#include <windows.h>

struct IVelMorvexOpt;

namespace morvex::solo {

// A centred window of a third of the screen in each direction (800 x 600
// when the screen reports no size).
RECT CentredThird(SIZE screen);

// The rectangle a stored one is shown at: an empty or inverted one gives
// the centred third; one reaching outside the virtual screen is moved
// inside with its size kept, cut to the virtual screen where it is larger,
// so that an unplugged monitor cannot hide the window for good.
RECT PlaceOnScreen(const RECT& stored, const RECT& virtualScreen, SIZE screen);

// The rectangle and maximised flag the options hold (the maximised flag is
// read, never applied: the window has no maximise box). False, with the
// centred third, when there is no options object.
bool LoadInitialRect(IVelMorvexOpt* options, RECT* rect, bool* maximized);

// Puts the window's rectangle, its maximised state and the current
// dictionary's theme and languages (when it is a dictionary) into the
// options and writes them. False when there is no options object.
bool SavePlacement(IVelMorvexOpt* options, HWND window, IUnknown* currentDictionary);

}  // namespace morvex::solo
