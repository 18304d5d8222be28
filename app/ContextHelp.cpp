#include "app/ContextHelp.h"

#include <htmlhelp.h>

#include "app/HtmlHelp.h"
#include "app/InterfaceResources.h"
#include "com/Module.h"

namespace morvex::solo {

namespace {

constexpr int kShelfTreeId = 1000;
constexpr char kShelfTreeClass[] = "VelMorPrjTree";

struct HelpText {
  int controlId;
  UINT stringId;
};

// The settings dialog's controls (201-229), the viewer's (616-620), the
// alphabet strip (908), the shelf's tree (1000), the Settings button (4000).
constexpr HelpText kHelpTexts[] = {
    {202, 161}, {212, 161}, {205, 161}, {207, 162}, {218, 162}, {219, 162}, {206, 163},
    {227, 163}, {222, 164}, {223, 165}, {209, 166}, {224, 166}, {210, 167}, {226, 167},
    {201, 168}, {228, 169}, {229, 170}, {1000, 171}, {617, 172}, {620, 173}, {616, 174},
    {618, 175}, {908, 176}, {4000, 177},
};

bool IsShelfTree(HWND control) {
  char name[32] = {};
  return control && GetClassNameA(control, name, sizeof name) && lstrcmpA(name, kShelfTreeClass) == 0;
}

}  // namespace

UINT HelpTextOf(int controlId, HWND control) {
  if (controlId == kShelfTreeId && !IsShelfTree(control)) return 0;
  for (const HelpText& text : kHelpTexts) {
    if (text.controlId == controlId) return text.stringId;
  }
  return 0;
}

void ShowHelpText(HWND owner, UINT stringId, POINT at) {
  HH_POPUP popup = {};
  popup.cbStruct = sizeof popup;
  popup.hinst = ResourceLibrary() ? ResourceLibrary() : com::ModuleInstance();
  popup.idString = stringId;
  popup.pt = at;
  popup.clrForeground = static_cast<COLORREF>(-1);
  popup.clrBackground = static_cast<COLORREF>(-1);
  popup.rcMargins = {-1, -1, -1, -1};
  CallHtmlHelp(owner, nullptr, HH_DISPLAY_TEXT_POPUP_COMMAND, reinterpret_cast<DWORD_PTR>(&popup));
}

}  // namespace morvex::solo
