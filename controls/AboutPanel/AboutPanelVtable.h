// IAboutPanelCtrlVtable: IAboutPanelCtrl with the one method that follows
// the type library's members in the object's table of functions,
// GetBnOkPos. Hosts that place things beside the OK button cast their
// IAboutPanelCtrl pointer to it; IDispatch does not reach the method.
//
// Used by the control (AboutPanelCtrl.h) and its hosts and tests.
#pragma once

#include "AboutPanel.h"

struct IAboutPanelCtrlVtable : public IAboutPanelCtrl {
  // The OK button's rectangle in the panel's client coordinates.
  virtual HRESULT STDMETHODCALLTYPE GetBnOkPos(long* left, long* top, long* right,
                                               long* bottom) = 0;
};

// The same interface identifier: the object answers one interface whose
// table is one function longer than the type library says.
__CRT_UUID_DECL(IAboutPanelCtrlVtable, 0x9A77EB24, 0x101C, 0x48EC, 0xBE, 0x9A, 0xE4, 0xEF, 0x32,
                0xDA, 0x62, 0x36)
