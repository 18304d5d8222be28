// Resource ids of PageStrip, shared by its .rc, its code and its tests.
// The pictures are drawn by images/make_images.py.
#pragma once

// The registrar script of VelPageStrip.
#define IDR_VELPAGESTRIP 110

// The toolbox picture of the control (16 x 15).
#define IDB_VELPAGESTRIP 101

// The marks of a hot header (32 x 32, drawn within the middle 16 rows):
// one of the top stack, whose page opens downward, and one of the bottom
// stack, whose page opens upward.
#define IDI_HEADER_TOP 201
#define IDI_HEADER_BOTTOM 202
