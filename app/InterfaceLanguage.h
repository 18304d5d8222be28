// The interface language as the user changes it: the language menu that the
// settings dialog's flag button opens, the choice made in it (applied only
// when the dialog ends with OK), and menu mnemonics matched under every
// keyboard layout of the interface language. The resource library and the
// help file of a language are InterfaceResources.h's.
//
// Used by the main window and the settings flow.
#pragma once

#include <windows.h>

#include <string>

#include "LocaleKit.h"
#include "PickList.h"
#include "PrefStore.h"
#include "com/ComPtr.h"

namespace morvex::solo {

// Where a language is needed for names and icons and there are no options.
constexpr long kNeutralLanguage = 0x400;
// The language menu's items are 4000 + language id.
constexpr long kLanguageMenuItemBase = 4000;

// The options' interface language, kNeutralLanguage without options.
long InterfaceLanguageOf(IVelMorvexOpt* options);

// The language resource manager, or null when it cannot be made.
com::Ptr<ILocaleKitMngr> CreateLocaleKit();

// Lists the installed interface languages in the popup menu control, each
// with its small flag and its name in the interface language, and opens it
// at the screen point (x, y). The choice comes back as the control's
// LangChanged event with 4000 + the language id. Nothing without a menu
// control, a resource manager or an installed language.
void ShowLanguageMenu(IPickListCtrl* menu, IVelMorvexOpt* options, int x, int y);

// The language picked in the menu while the settings dialog runs. It is
// pending until the dialog ends: OK applies it, any other end drops it.
class LanguageChoice {
 public:
  // Whether a menu item id is a language item.
  static bool IsLanguageItem(long itemId) { return itemId > kLanguageMenuItemBase; }

  // The user picked item `itemId`; pending when it differs from `current`.
  void Choose(long itemId, long current);
  void Drop() { pending_ = false; }

  bool pending() const { return pending_; }
  // The language last picked (meaningful while pending).
  long language() const { return language_; }

 private:
  bool pending_ = false;
  long language_ = 0;
};

// Whether `typed` (WM_MENUCHAR's character, of the thread's layout) is the
// mnemonic key of `text` under a layout of `language`.
bool MenuMnemonicMatches(char typed, const std::string& text, long language);

}  // namespace morvex::solo
