// Resource ids of SettingsSheet, shared by its .rc, its code and its tests.
// The pictures are drawn by images/make_images.py.
#pragma once

// The registrar script of SettingsSheetCtrl.
#define IDR_SETTINGSSHEETCTRL 110

// The toolbox picture of the control (16 x 15).
#define IDB_SETTINGSSHEETCTRL 101

// The settings dialog and its items.
#define IDD_SETTINGS 103
#define IDC_CHECK_ANIMATION 201
#define IDC_BUTTON_FONT 202
#define IDC_GROUP_LANGUAGE 207
#define IDC_GROUP_FONT 205
#define IDC_GROUP_COLORS 206
#define IDC_GROUP_HOTKEYS 208
#define IDC_LABEL_QUICKTIP 209
#define IDC_LABEL_DICTIONARY 210
#define IDC_FONT_SAMPLE 212
#define IDC_CHECK_TRANSLATE 214
#define IDC_LANGUAGE_NAME 218
#define IDC_BUTTON_LANGUAGE 219
#define IDC_BUTTON_RESET 222
#define IDC_MOUSE_PICKER 223
#define IDC_HOTKEY_QUICKTIP 224
#define IDC_HOTKEY_DICTIONARY 226
#define IDC_COLOR_WELL 227
#define IDC_BUTTON_OK 228
#define IDC_BUTTON_CANCEL 229

// The font button's hot and cold icons, the language button's defaults
// (32 x 32 each).
#define IDI_FONT_HOT 211
#define IDI_FONT_COLD 204
#define IDI_LANGUAGE_HOT 203
#define IDI_LANGUAGE_COLD 213

// The colour well's sample window (161 x 111) and its cursor; the
// mouse-trigger picture (80 x 80) and its cursor.
#define IDB_COLOR_WELL 216
#define IDC_COLOR_WELL_CURSOR 215
#define IDB_MOUSE_PICKER 220
#define IDC_MOUSE_PICKER_CURSOR 221
