// Ambient properties: what a container says about the surroundings of a
// control (its back and fore colours, its font, whether it runs in user
// mode), read through the client site's IDispatch. A site without one (the
// system's "AtlAxWin" host has none) or without the property gives the
// default named below, and the reader says so.
//
// Used by the control base (and through it by every control).
#pragma once

#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include "com/Automation.h"
#include "com/ComPtr.h"

namespace morvex::com {

// The property as the site gives it, coerced to type; fails when the site
// has no IDispatch, does not know the property or answers with nothing.
HRESULT GetAmbientProperty(IUnknown* site, DISPID dispid, VARTYPE type, Variant* value);

// Each stores the container's value, or the default, and returns true
// only when the value came from the container.
bool AmbientBackColor(IUnknown* site, OLE_COLOR* color);  // default: system window colour
bool AmbientForeColor(IUnknown* site, OLE_COLOR* color);  // default: system window text
bool AmbientFont(IUnknown* site, Ptr<IFontDisp>* font);   // default: none (null)
bool AmbientUserMode(IUnknown* site, bool* userMode);     // default: true
bool AmbientLocaleId(IUnknown* site, LCID* locale);       // default: the user's locale

// OLE_COLOR values that name a system colour (COLOR_WINDOW ...).
constexpr OLE_COLOR kSystemColorFlag = 0x80000000;

}  // namespace morvex::com
