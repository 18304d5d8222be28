// Resource ids of PrefStore, shared by its .rc and its code: the registrar
// scripts and the string table that names the options key and its values.
// These ids belong to this module alone; other modules use the same numbers
// for other texts.
#pragma once

#define IDR_VELMORVEXOPT 201
#define IDR_VELHOTKEY 202
#define IDR_VELHOTKEYCOLL 203

// The parts of the options key, "Software\Kelbrin\Morvex\4.0\Solo\".
#define IDS_KEY_SOFTWARE 121
#define IDS_KEY_COMPANY 101
#define IDS_KEY_PRODUCT 102
#define IDS_KEY_VERSION 112
#define IDS_KEY_PROGRAM 103

// The names of the stored values.
#define IDS_VALUE_CLIPAUTOTRANS 113
#define IDS_VALUE_TEXTAUTOTRANS 114
#define IDS_VALUE_MAXIMIZED 115
#define IDS_VALUE_POSITION 116
#define IDS_VALUE_LANGID 117
#define IDS_VALUE_COMMANDID 118
#define IDS_VALUE_FONT 119
#define IDS_VALUE_HOTKEYS 120
#define IDS_VALUE_FORECOLOR 127
#define IDS_VALUE_BACKCOLOR 128
#define IDS_VALUE_SHADOWCOLOR 129
#define IDS_VALUE_TEXTCOLOR 130
#define IDS_VALUE_ANIMATION 131
#define IDS_VALUE_LASTDICT 132
#define IDS_VALUE_MOUSEKEY 133
#define IDS_VALUE_MOUSEMODIFIER 134
