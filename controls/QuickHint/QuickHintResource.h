// Resource ids of QuickHint, shared by its .rc, its code and its tests.
// The toolbox picture and the header cursor are drawn by
// images/make_images.py; the flags are LocaleKit's (localekit/images/).
#pragma once

// The registrar script of QuickHintCtrl.
#define IDR_QUICKHINTCTRL 110

// The toolbox picture of the control (16 x 15).
#define IDB_QUICKHINTCTRL 101

// The language button's flag by input language.
#define IDI_FLAG_FRENCH 202
#define IDI_FLAG_GERMAN 203
#define IDI_FLAG_RUSSIAN 204
#define IDI_FLAG_ENGLISH 205
#define IDI_FLAG_UNKNOWN 206

// The cursor over the header (a click there opens the dictionary).
#define IDC_HEADER_CURSOR 210
