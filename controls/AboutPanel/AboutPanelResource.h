// Resource ids of AboutPanel, shared by its resource script, its code and
// its tests. The pictures are drawn by images/make_images.py.
#pragma once

// The toolbox picture of the control (16 x 15).
#define IDB_ABOUTPANELCTRL 101
// The registrar script of AboutPanelCtrl.
#define IDR_ABOUTPANELCTRL 110
// The background picture until the host gives its own (18 x 16, 256 colours).
#define IDB_ABOUT_BACKGROUND 201
// The cursor over the link: a pointing hand.
#define IDC_LINK_HAND 206
