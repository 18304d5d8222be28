// ColorWell: the colour well of the settings dialog (item 227). A picture
// of a small window whose three areas, Interface, Title and Control, are
// recoloured by flood fill to the chosen colours and labelled with their
// captions; a click on an area, or its mnemonic letter, opens the system
// colour dialog for it.
//
// Owned by the settings dialog for the control's lifetime: the items (and
// their colours) outlive each dialog; the picture lives from Attach to the
// dialog's end.
#pragma once

#include <windows.h>

#include <string>

#include "PictureStatic.h"

namespace morvex::settingssheet {

class ColorWell : public PictureStatic {
 public:
  static constexpr int kInterface = 0;
  static constexpr int kTitle = 1;
  static constexpr int kControl = 2;
  static constexpr int kItemCount = 3;

  ColorWell();

  // Takes over the dialog's static `window` with bitmap `bitmapId` and
  // cursor `cursorId`.
  bool Attach(HWND window, UINT bitmapId, UINT cursorId);

  // An index outside the items gives the system window colour on get and
  // is ignored on set; a set colour shows at the item's next paint.
  COLORREF GetColor(int item) const;
  void SetColor(int item, COLORREF colour);
  // The caption (ANSI, "&" before the mnemonic) and the mnemonic given as
  // a virtual-key code; repainted at once while the window exists.
  void SetCaption(int item, const std::string& caption, int key);
  void SetCaptionFont(HFONT font) { captionFont_ = font; }
  void SetCaptionColor(COLORREF colour) { captionColour_ = colour; }
  // Recolours the item's areas to its colour and draws its caption.
  void PaintItem(int item);
  void PaintAll();

  // The colour painted for `colour`: the four colours that bound the
  // picture's areas move by one step, so that a fill never merges with them.
  static COLORREF FillColourFor(COLORREF colour);
  // The mnemonic character of a virtual-key code under the current layout.
  static UINT MnemonicOf(int key);

 private:
  struct Item {
    COLORREF colour;
    std::string caption;
    UINT mnemonic;
  };

  void Paint(HDC dc) override;
  bool OnPictureMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The colour of the item's area now and its caption drawn in `colour`.
  COLORREF AreaColour(HDC dc, int item) const;
  void DrawCaption(HDC dc, int item, COLORREF colour) const;
  void ChooseColour(int item);

  Item items_[kItemCount];
  COLORREF customColours_[16] = {};
  HFONT captionFont_ = nullptr;
  COLORREF captionColour_;
};

}  // namespace morvex::settingssheet
