// Resource ids of LookupPane, shared by its resource script, its code and
// its tests. The toolbox picture, the link cursor and the history button's
// faces are drawn by images/make_images.py; the flags are LocaleKit's
// (localekit/images/).
#pragma once

// The toolbox picture of the control (16 x 15).
#define IDB_VELDICTVIEWCTRL 101
// The registrar script of VelDictViewCtrl.
#define IDR_VELDICTVIEWCTRL 110

// The cursor over the article's links.
#define IDC_LINK_CURSOR 202

// The direction button's flag by input language.
#define IDI_FLAG_FRENCH 203
#define IDI_FLAG_GERMAN 204
#define IDI_FLAG_RUSSIAN 205
#define IDI_FLAG_ENGLISH 206
#define IDI_FLAG_UNKNOWN 207

// The history button's faces: while the mouse is over it, and otherwise.
#define IDI_HISTORY_HOT 208
#define IDI_HISTORY_COLD 209
