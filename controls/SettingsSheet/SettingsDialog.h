// SettingsDialog: the modal settings dialog of SettingsSheetCtrl (template
// 103): the text font and its colour, three interface colours on the
// colour well, two hot keys, the mouse trigger on the picker and the
// animation switch. It holds the values the control exposes; the control
// puts and gets them, and they reach the dialog's items while it is open.
//
// Owned by the control for its lifetime; the control hears OK, Cancel and
// the language button through SettingsDialogEvents.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "ColorWell.h"
#include "FontSample.h"
#include "MouseTriggerPicker.h"
#include "com/ModalDialog.h"
#include "controls/common/FlatButton.h"

namespace morvex::settingssheet {

class SettingsDialogEvents {
 public:
  // OK pressed (1) or Cancel, Escape, the close box (2).
  virtual void OnDialogClose(long code) = 0;
  // The language button was pressed; (x, y) its lower-left corner on the screen.
  virtual void OnLanguageButton(long x, long y) = 0;

 protected:
  ~SettingsDialogEvents() = default;
};

// What the dialog shows and the host reads back.
struct SettingsValues {
  long chkTip = 0;
  long chkDict = 0;
  long chkTranslate = 1;
  WORD hkQuickTip = 0x0653;    // Ctrl+Alt+S, as the hot-key control keeps it
  WORD hkDictionary = 0x0658;  // Ctrl+Alt+X
  LOGFONTA textFont;
  COLORREF textColour = 0;
};

class SettingsDialog : public com::ModalDialog {
 public:
  static constexpr int kTextSlots = 12;  // 0-10 items, 11 the caption

  explicit SettingsDialog(SettingsDialogEvents* events);
  ~SettingsDialog() override;

  SettingsValues& values() { return values_; }
  ColorWell& well() { return well_; }
  const ColorWell& well() const { return well_; }
  MouseTriggerPicker& picker() { return picker_; }
  bool open() const { return handle() != nullptr; }

  // Runs the dialog owned by `owner`: 1 OK, 2 Cancel or closed, -1 when it
  // could not be made.
  INT_PTR Invoke(HWND owner);
  // Ends a running dialog with 1, reading nothing back.
  void EndByHost();

  // The text of item `index` (or the caption, 11): at once while open,
  // else kept for the next dialog. Other indexes do nothing.
  void SetItemText(long index, const std::string& text);
  // The check boxes and hot-key fields, while open.
  void ShowCheck(int id, long value);
  void ShowHotKey(int id, WORD hotKey);
  // Gives the dialog's texts `font` while open (the caller keeps it alive).
  void SetTextsFont(HFONT font);
  // Copies of the language button's icons, drawn cx x cy.
  void SetLanguageIcons(HICON hot, HICON cold, int cx, int cy);
  // The container's background: the buttons' face in both states.
  void SetButtonColour(COLORREF colour);
  // The text colour and the well's caption colour.
  void SetTextColour(COLORREF colour);
  // Vertical pixels per inch of the dialog, or of the screen while closed.
  int PixelsPerInchY() const;

 private:
  bool OnInitDialog(HWND defaultFocus) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) override;
  bool OnCommand(int id, int code, HWND control) override;

  void ApplyItemText(long index, const std::string& text);
  void MakeFlatButtons();
  void ColourButtons();
  void Close(long code);
  void Accept();
  void RunFontDialog();
  void ResetColours();

  SettingsDialogEvents* events_;
  SettingsValues values_;
  std::string slots_[kTextSlots];
  bool modal_ = false;
  COLORREF buttonColour_ = 0;
  HFONT captionFont_ = nullptr;
  ColorWell well_;
  MouseTriggerPicker picker_;
  std::unique_ptr<FontSample> sample_;
  static constexpr int kFlatButtons = 5;  // 202, 219, 228, 229, 222
  std::unique_ptr<controls::FlatButton> buttons_[kFlatButtons];
  HICON languageIcons_[2] = {};
  SIZE languageIconSize_ = {32, 32};
};

}  // namespace morvex::settingssheet
