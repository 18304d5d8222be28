// QuickHintCtrl: the translation tip control. A one-line header with the
// looked-up word (an owner-drawn static inside a pager), a read-only
// rich-edit body with the article, whose mark-up becomes character formats
// (portable/TipArticleScan.h, TipFormatting.h), and a flat language button
// with the flag of the input language. It translates nothing itself: the
// host fills it (InString, OutString), asks its size (GetTipSize) and
// answers its events (hide, open the dictionary, change the direction,
// show the copy menu).
//
// Created by its class factory (QuickHint.cpp) for the program's tip host,
// which hosts it by ProgID in an "AtlAxWin" window.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "HeaderPager.h"
#include "QuickHint.h"
#include "TipArticleScan.h"
#include "TipBody.h"
#include "com/Control.h"
#include "controls/common/FlatButton.h"
#include "controls/common/FontChangeListener.h"

namespace morvex::quickhint {

class QuickHintCtrl : public com::Control<IQuickHintCtrl, _IQuickHintCtrlEvents>,
                      private controls::FontChangeOwner {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<QuickHintCtrl>(); }

  // IQuickHintCtrl
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP put_ForeColor(OLE_COLOR colour) override { return PutStockForeColor(colour); }
  STDMETHODIMP get_ForeColor(OLE_COLOR* colour) override { return GetStockForeColor(colour); }
  STDMETHODIMP put_InString(BSTR text, long language) override;
  STDMETHODIMP put_OutString(BSTR text, long language) override;
  STDMETHODIMP GetTipSize(int* cx, int* cy) override;
  STDMETHODIMP put_langIn(long language) override;
  STDMETHODIMP put_langOut(long language) override;
  STDMETHODIMP put_FontTip(IFontDisp* font) override;
  STDMETHODIMP SelectAll() override;
  STDMETHODIMP CopyText() override;
  STDMETHODIMP put_SetTipIcon(LONG_PTR hotIcon, LONG_PTR coldIcon, long cx, long cy) override;

  // IOleObject: the font set-up once the container is known.
  STDMETHODIMP SetClientSite(IOleClientSite* site) override;
  // IOleInPlaceActiveObject: the arrows stay with the body.
  STDMETHODIMP TranslateAccelerator(LPMSG message) override;

 protected:
  QuickHintCtrl();
  ~QuickHintCtrl() override;

  void OnDraw(HDC dc, const RECT& bounds) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnAmbientChanged(DISPID dispid) override;
  void OnFontChanged() override;
  void OnForeColorChanged() override;

 private:
  // FontChangeOwner
  void RefreshView() override { FireViewChange(); }
  void RebuildFonts(bool refresh) override;

  LRESULT OnCreate();
  LRESULT OnSize(LPARAM lParam);
  LRESULT OnEraseBkgnd(WPARAM wParam);
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(LPARAM lParam, bool* handled);
  LRESULT OnCtlColor(WPARAM wParam);
  LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam, bool* handled);
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam, bool* handled);
  LRESULT OnLButtonDown();
  LRESULT OnLButtonDblClk();
  LRESULT OnBodyKillFocus();

  void CreateBody();
  void CreateHeader();
  void CreateLanguageButton();
  void DrawHeader(const DRAWITEMSTRUCT& item);
  void FormatBody();
  void ComputeSize();
  void FireNeedToChangeLang();
  void BringForwardAndFocusBody();
  // The text colour as an RGB value, whatever OLE_COLOR the host gave.
  COLORREF TextColour() const;

  COLORREF backColour_;
  HBRUSH backBrush_;  // a system brush: never deleted
  std::string headerText_;
  std::string bodyText_;
  bool hasBody_ = true;    // false: the host gave a null body
  std::string shownText_;  // the body as shown: the scan's blanked copy
  std::vector<TipRange> ranges_;
  long langIn_ = 9;
  long langOut_ = 25;
  SIZE headerExtent_;
  int bodyWidth_ = 100;
  int bodyHeight_ = 100;
  int iconWidth_;
  int iconHeight_;
  HFONT headerFont_ = nullptr;
  HFONT bodyFont_ = nullptr;
  HCURSOR headerCursor_;
  com::Ptr<controls::FontChangeListener> fontListener_;

  HWND pager_ = nullptr;
  HWND header_ = nullptr;
  TipBody body_;
  HeaderPager headerPager_;
  controls::FlatButton button_;
};

}  // namespace morvex::quickhint
