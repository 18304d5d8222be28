// The settings flow behind the status bar's Settings button: creates the
// settings control, fills it from the options and the interface-language
// strings, runs its modal dialog, and on OK copies the values back into the
// options, has the main window apply them and writes them at once (a crash
// later keeps what the user accepted). While the dialog runs, the flow is
// the control's client site owner and event sink, and the three global hot
// keys are suspended, so that a key the user types into a hot-key field
// reaches the field rather than the program.
//
// Used by the status bar (StatusBar.h); one flow per status bar, on the
// user-interface thread.
#pragma once

#include <windows.h>

#include "PrefStore.h"
#include "SettingsSheet.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"

namespace morvex::solo {

// What the flow asks of the main window around the dialog.
class SettingsOwner {
 public:
  // Before the dialog opens: the program's hot keys let go.
  virtual void SuspendHotKeys() = 0;
  // The dialog ended without OK: the hot keys back, and a language picked
  // in the dialog dropped. (After OK the main window's WM_OPTIONS_APPLIED
  // does both its own way.)
  virtual void SettingsDismissed() = 0;

 protected:
  ~SettingsOwner() = default;
};

class CSettingsFlow {
 public:
  // The mouse trigger before any dialog: Shift and the right button.
  static constexpr long kDefaultModifier = VK_SHIFT;
  static constexpr long kDefaultMouseKey = 0;

  // The main window's options, kept for the whole run, and its owner face.
  void SetOptions(IVelMorvexOpt* options, SettingsOwner* owner);
  IVelMorvexOpt* options() const { return options_.Get(); }

  // Runs the dialog owned by `bar`, whose parent gets WM_LANGMENU_REQUEST
  // while it runs and WM_OPTIONS_APPLIED after OK. Does nothing, silently,
  // when the control cannot be made or a dialog runs already.
  void Run(HWND bar);
  // Whether the dialog is up.
  bool running() const { return static_cast<bool>(sheet_); }
  // The control while its dialog runs, else null.
  ISettingsSheetCtrl* sheet() const { return sheet_.Get(); }

  // The running dialog's texts again from the interface strings, and its
  // language button's flag for the interface language.
  void FillSheetResources();
  // The running dialog shows `language` (its flag, and its name in
  // `interfaceLanguage`) as the chosen one.
  void ShowLanguageChoice(long language, long interfaceLanguage);

  // The trigger as last exchanged with the dialog.
  long mouseModifier() const { return mouseModifier_; }
  long mouseKey() const { return mouseKey_; }

 private:
  void FillSheetFromOptions();
  void ReadSheetToOptions();
  void FillHotKeys();
  void ReadHotKeys();
  void OnNeedToChangeResource(HWND bar, long x, long y);
  void End();

  com::Ptr<IVelMorvexOpt> options_;
  SettingsOwner* owner_ = nullptr;
  com::Ptr<ISettingsSheetCtrl> sheet_;
  com::Ptr<com::EventSink> events_;
  long mouseModifier_ = kDefaultModifier;
  long mouseKey_ = kDefaultMouseKey;
};

}  // namespace morvex::solo
