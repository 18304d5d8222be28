// Resource ids of MorvexSolo, shared by its resource script, its code, the
// interface-language libraries (lang/) and their tests.
//
// The interface strings, the tray menu and the about picture may come from
// an interface-language library (InterfaceResources.rc2 lists them); the
// strings marked "own" are always the program's.
#pragma once

// Page names of the page strip; the dictionary page's name is followed by
// the current dictionary's name.
#define IDS_PAGE_TRANSLATION 102
#define IDS_PAGE_DICTIONARY 103
#define IDS_PAGE_COLLECTION 104

// The window title, also the tray tip and the start of every box caption.
#define IDS_WINDOW_TITLE 106
// The status bar's Settings button, its tooltip and its mnemonic.
#define IDS_SETTINGS_BUTTON 107

// Titles of the settings dialog's three colour pictures.
#define IDS_PICTURE_FOREGROUND 108
#define IDS_PICTURE_BACKGROUND 109
#define IDS_PICTURE_SELECTED_PAGE 110

// The dictionary viewer's titles: word entry, word list, article.
#define IDS_VIEWER_ENTRY_TITLE 111
#define IDS_VIEWER_LIST_TITLE 112
#define IDS_VIEWER_ARTICLE_TITLE 113

// Items of the edit menus.
#define IDS_EDIT_COPY 114
#define IDS_EDIT_SELECT_ALL 115
#define IDS_EDIT_PASTE 116
#define IDS_EDIT_CUT 117
#define IDS_EDIT_UNDO 118
#define IDS_EDIT_DELETE 119

// The hot-key conflict box: prefix + object + 'key' + suffix, captioned
// title + warning suffix.
#define IDS_HOTKEY_CONFLICT_PREFIX 120
#define IDS_HOTKEY_CONFLICT_DICTIONARY 121
#define IDS_HOTKEY_CONFLICT_POPUP 122
#define IDS_HOTKEY_CONFLICT_SUFFIX 123
#define IDS_WARNING_CAPTION_SUFFIX 127
// Key names of the conflict box (own).
#define IDS_KEY_ALT 124
#define IDS_KEY_CTRL 125
#define IDS_KEY_SHIFT 126

// The not-registered box: name + suffix, captioned title + error suffix
// (own, all of them).
#define IDS_ERROR_CAPTION_SUFFIX 128
#define IDS_NOT_REGISTERED_SUFFIX 129
#define IDS_CONTROL_NAME_PAGE_STRIP 130
#define IDS_CONTROL_NAME_VIEWER 131
#define IDS_CONTROL_NAME_SHELF 132
#define IDS_CONTROL_NAME_PICK_LIST 133
#define IDS_CONTROL_NAME_ABOUT_PANEL 134
#define IDS_CONTROL_NAME_TIP 135

// The mouse-hook library's file and entry names (own).
#define IDS_HOOK_LIBRARY_FILE 136
#define IDS_HOOK_INIT_ENTRY 137
#define IDS_HOOK_INSTALL_FILTER_ENTRY 138
#define IDS_HOOK_SET_KEY_ENTRY 139

// The product's web address, the about box's hyperlink.
#define IDS_WEB_ADDRESS 142
// The translation pane's face name (own).
#define IDS_PANE_FONT_FACE 143
// The interface languages' registry key (followed by the language id as
// "%03X") and its two value names (own).
#define IDS_LANGUAGES_KEY 144
#define IDS_LANGUAGE_HELP_VALUE 145
#define IDS_LANGUAGE_RESOURCES_VALUE 146

// The settings dialog's texts: string IDS_SHEET_TEXTS_FIRST + i is the
// dialog's item text i.
#define IDS_SHEET_INTERFACE_FONT 147
#define IDS_SHEET_INTERFACE_COLORS 148
#define IDS_SHEET_INTERFACE_LANGUAGE 149
#define IDS_SHEET_HOTKEYS 150
#define IDS_SHEET_POPUP_HOTKEY 151
#define IDS_SHEET_DICTIONARY_HOTKEY 152
#define IDS_SHEET_ANIMATION 153
#define IDS_SHEET_LANGUAGE_NAME 154
#define IDS_SHEET_RESET_COLORS 155
#define IDS_SHEET_OK 156
#define IDS_SHEET_CANCEL 157
#define IDS_SHEET_CAPTION 158
#define IDS_SHEET_TEXTS_FIRST IDS_SHEET_INTERFACE_FONT
#define IDS_SHEET_TEXTS_COUNT 12

// The dictionary shelf's collection name and info-tip title.
#define IDS_SHELF_COLLECTION_NAME 159
#define IDS_SHELF_INFOTIP_TITLE 160

// Context-help texts, by the control they explain.
#define IDS_HELP_FONT_BUTTON 161
#define IDS_HELP_LANGUAGE_BUTTON 162
#define IDS_HELP_COLOR_PICTURE 163
#define IDS_HELP_DEFAULT_COLORS 164
#define IDS_HELP_MOUSE_TRIGGER 165
#define IDS_HELP_POPUP_HOTKEY 166
#define IDS_HELP_DICTIONARY_HOTKEY 167
#define IDS_HELP_ANIMATION 168
#define IDS_HELP_OK 169
#define IDS_HELP_CANCEL 170
#define IDS_HELP_SHELF_TREE 171
#define IDS_HELP_WORD_ENTRY 172
#define IDS_HELP_DICTIONARY_BUTTON 173
#define IDS_HELP_WORD_LIST 174
#define IDS_HELP_ARTICLE 175
#define IDS_HELP_LETTER_STRIP 176
#define IDS_HELP_SETTINGS_BUTTON 177

// The program icon, 16 and 32 pixels, mostly of its key colour (a
// COLORREF: orange, red 236, green 124, blue 28), which screenshots look for.
#define IDI_PROGRAM 201
#define PROGRAM_ICON_KEY_COLOUR 0x1C7CEC

// The tray menu: one popup, its items in this order (a separator before
// Help); the commands are also the main window's WM_COMMAND ids.
#define IDR_TRAY_MENU 202
#define ID_CMD_TRANSLATION 32768
#define ID_CMD_DICTIONARY 32769
#define ID_CMD_COLLECTION 32770
#define ID_CMD_SETTINGS 32773
#define ID_CMD_HELP 32774
#define ID_CMD_ABOUT 32771
#define ID_CMD_EXIT 32772
// Escape, from the accelerator table: hide the tip and the main window.
#define ID_CMD_HIDE 32775

// The tray menu's pictures: strips of six 16 x 16 pictures in menu order,
// white where nothing is drawn; hot under the mouse, cold otherwise.
#define IDB_TRAY_MENU_COLD 203
#define IDB_TRAY_MENU_HOT 204
// The picture of the Settings item, also the Settings button's.
#define TRAY_PICTURE_SETTINGS 3

// 16-pixel icons of the edit menus and the dictionary menu, hot and cold.
#define IDI_COPY_HOT 209
#define IDI_DICTIONARY_ITEM_HOT 210
#define IDI_COPY_COLD 211
#define IDI_DICTIONARY_ITEM_COLD 212
#define IDI_UNDO_HOT 213
#define IDI_CUT_HOT 214
#define IDI_DELETE_COLD 215
#define IDI_DELETE_HOT 216
#define IDI_PASTE_COLD 217
#define IDI_PASTE_HOT 218
#define IDI_UNDO_COLD 219
#define IDI_CUT_COLD 220

// The accelerator table of the message loop.
#define IDR_ACCELERATORS 227

// The splash and about picture, 300 x 200.
#define IDB_ABOUT_PICTURE 228
