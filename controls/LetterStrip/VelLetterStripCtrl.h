// VelLetterStripCtrl: the alphabet strip control. The capital letters of
// one alphabet sit side by side in equal cells on an owner-drawn static
// inside a pager ("SysPager"), so that a strip longer than the control
// scrolls by whole cells. The letter under the mouse is framed raised, the
// selected one sunken; a click selects a letter and fires LetterSelected,
// Left and Right step the selection round the alphabet.
//
// Hosted by the dictionary viewer, which jumps to the words beginning with
// the chosen letter.
#pragma once

#include <olectl.h>
#include <windows.h>

#include "LetterStrip.h"
#include "LetterTable.h"
#include "StripMetrics.h"
#include "com/Control.h"
#include "com/SubclassedWindow.h"

namespace morvex::letterstrip {

class VelLetterStripCtrl : public com::Control<IVelLetterStripCtrl, _IVelLetterStripCtrlEvents> {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<VelLetterStripCtrl>(); }

  // IVelLetterStripCtrl: the stock properties are kept only.
  STDMETHODIMP put_BackColor(OLE_COLOR color) override { return PutStockBackColor(color); }
  STDMETHODIMP get_BackColor(OLE_COLOR* color) override { return GetStockBackColor(color); }
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP put_ForeColor(OLE_COLOR color) override { return PutStockForeColor(color); }
  STDMETHODIMP get_ForeColor(OLE_COLOR* color) override { return GetStockForeColor(color); }
  STDMETHODIMP SetCurSel(long index) override;
  STDMETHODIMP SelectLetter(BSTR letter) override;
  STDMETHODIMP get_CurSel(long* index) override;
  STDMETHODIMP get_CurLetter(BSTR* letter) override;
  STDMETHODIMP put_CurLetter(BSTR letter) override { return SelectLetter(letter); }
  STDMETHODIMP put_SelTextColor(OLE_COLOR color) override;
  STDMETHODIMP put_PressedTextColor(OLE_COLOR color) override;
  STDMETHODIMP put_LangType(long langType) override;
  STDMETHODIMP GetSize(short* cx, short* cy) override;
  STDMETHODIMP SetVertStyle(long vertical) override;
  STDMETHODIMP put_AbcBkColor(OLE_COLOR color) override;
  STDMETHODIMP put_AbcTextColor(OLE_COLOR color) override;
  STDMETHODIMP put_AbcFont(IFontDisp* font) override;

  // IOleInPlaceActiveObject: Left and Right step the selection.
  STDMETHODIMP TranslateAccelerator(LPMSG message) override;

 protected:
  VelLetterStripCtrl();
  ~VelLetterStripCtrl() override;

  void OnClientSiteChanged() override;
  void OnAmbientChanged(DISPID dispid) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  // The pager passes only notifications and commands on to its parent, so
  // the static's owner-draw and colour requests are answered here.
  class PagerWindow : public com::SubclassedWindow {
   public:
    explicit PagerWindow(VelLetterStripCtrl* strip) : strip_(strip) {}

   protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    VelLetterStripCtrl* strip_;
  };

  // The static that shows the cells; it holds the focus for the strip, so
  // the arrow keys that reach it step the selection.
  class CellsWindow : public com::SubclassedWindow {
   public:
    explicit CellsWindow(VelLetterStripCtrl* strip) : strip_(strip) {}

   protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    VelLetterStripCtrl* strip_;
  };

  // Control window messages.
  LRESULT OnCreate();
  LRESULT OnSize(int width, int height);
  LRESULT OnNotify(NMHDR* header);
  LRESULT OnEraseBackground(HDC dc);
  LRESULT OnMouseMove(LPARAM lParam);
  LRESULT OnLButtonDown(LPARAM lParam);
  LRESULT OnTimer(WPARAM id);
  LRESULT OnSetCursor();
  void OnSetFocus();
  LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
  void OnDestroy();

  // Requests of the pager's and the static's subclasses.
  bool OnDrawCells(const DRAWITEMSTRUCT& item);
  HBRUSH OnColourCells(HDC dc) const;
  bool StepSelection(WPARAM key);

  // Remakes the strip font from the letter font source, in the table's
  // character set, and measures the letter in it.
  void RebuildFonts();
  SIZE MeasureLetter(HFONT font) const;
  void SetAbcBack(COLORREF colour);
  void Select(int index);
  void ScrollSelectionIntoView();
  // The pager's visible span (its client area) in screen coordinates.
  RECT VisibleStripOnScreen() const;
  void RedrawControl() const;
  void RedrawLetters() const;

  WORD langType_ = kRussianLangType;
  const LetterTable* letters_;
  StripMetrics metrics_;
  int selected_ = -1;
  int hot_ = -1;
  COLORREF abcBack_;
  COLORREF abcText_;
  COLORREF selectedHotText_;
  COLORREF selectedText_;
  HBRUSH backBrush_ = nullptr;
  com::Ptr<IFont> letterFontSource_;
  HFONT stripFont_ = nullptr;
  HCURSOR cursor_ = nullptr;
  PagerWindow pager_;
  CellsWindow cells_;
};

}  // namespace morvex::letterstrip
