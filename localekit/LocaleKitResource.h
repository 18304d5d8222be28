// Resource ids of LocaleKit, shared by its .rc, its code and its tests.
// Flag icons are numbered by the Windows primary language id they show.
#pragma once

// The registrar script of LocaleKitMngr.
#define IDR_LOCALEKITMNGR 110

// The name lists: string IDS_LANG_NAMES_FIRST + k is written in the
// interface language of index k (0 English ... 7 Italian).
#define IDS_LANG_NAMES_FIRST 101
#define IDS_LANG_NAMES_LAST 108

// Flag icons, each with a 16 x 11 and a 32 x 20 image.
#define IDI_FLAG_GERMAN 7
#define IDI_FLAG_ENGLISH 9
#define IDI_FLAG_SPANISH 10
#define IDI_FLAG_FRENCH 12
#define IDI_FLAG_ITALIAN 16
#define IDI_FLAG_DUTCH 19
#define IDI_FLAG_PORTUGUESE 22
#define IDI_FLAG_RUSSIAN 25
// The flag of every language without one of its own.
#define IDI_FLAG_UNKNOWN 99

// The background of the direction bitmap, 32 x 32, magenta where nothing is drawn.
#define IDB_DIRECTION 215
