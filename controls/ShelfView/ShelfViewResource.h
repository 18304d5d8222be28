// Resource ids of ShelfView, shared by its resource script and its code.
#pragma once

#define IDB_TOOLBOX 101
#define IDR_SHELFVIEWCTRL 102
#define IDB_SHELF_IMAGES 201
