// The program's tray menu as the shared owner-drawn renderer
// (controls/common/MenuPainter.h) draws it: its pictures, the rule that
// gives the items their images, its look, and the status bar's owner-drawn
// part handed back to the main window. Also the answer to a key typed in
// the open menu, whose owner-drawn texts the system cannot search.
//
// Used by the main window, which attaches a renderer with this policy to
// itself and the tray submenu at its creation and detaches it at Exit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/PrivateMessages.h"
#include "app/Resources.h"
#include "controls/common/MenuPainter.h"

namespace morvex::solo {

// The status bar's control id: its indicator is drawn by the status bar.
constexpr UINT kOwnerDrawnStatusBarId = 2000;

// Hot images from bitmap 204 and cold ones from 203, white where nothing
// is drawn; images by position (the separator's place not counted); rows
// as high as their text; no item fill; checked items cold.
inline constexpr controls::MenuPainterPolicy kTrayMenuPolicy = {
    IDB_TRAY_MENU_HOT,
    IDB_TRAY_MENU_COLD,
    RGB(255, 255, 255),
    controls::MenuIndexRule::kPositionPastSeparators,
    controls::MenuRowHeight::kTextRectangle,
    false,
    false,
    kOwnerDrawnStatusBarId,
    WM_STATUS_DRAWITEM};

// The position of the first item of the renderer's menu whose text
// isMnemonic accepts (the typed key is its mnemonic), or -1.
int TrayMenuItemForKey(const controls::MenuPainter& painter,
                       const std::function<bool(const std::string& text)>& isMnemonic);

// The Settings item's picture of list A (hot) and list B (cold) as icons,
// for the status bar's Settings button; null where a list lacks it. The
// caller destroys them.
void SettingsPictureIcons(const controls::MenuPainter& painter, HICON* hot, HICON* cold);

}  // namespace morvex::solo
