// Resource ids of PickList, shared by its .rc, its code and its tests.
// The pictures are drawn by images/make_images.py.
#pragma once

// The registrar script of PickListCtrl.
#define IDR_PICKLISTCTRL 110

// The toolbox picture of the control (16 x 15).
#define IDB_PICKLISTCTRL 101

// The menu renderer's default images: four 16 x 16 images on magenta each,
// hot (image list A) and cold (list B).
#define IDB_MENU_HOT 201
#define IDB_MENU_COLD 202
