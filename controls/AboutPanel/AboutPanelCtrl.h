// AboutPanelCtrl: the about panel control, the start-up splash and the
// about box of the program. It paints a background picture at its natural
// size (from its erase request, so that nothing covers it), carries a flat
// OK button and a link, tells its host of OK through OnExit(1), and plays
// the frame that flies between the panel and the notification area.
//
// Created by its class factory (AboutPanel.cpp) for the program, which
// hosts it by ProgID in an "AtlAxWin" window of its splash host.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <string>

#include "AboutPanelVtable.h"
#include "PanelLayout.h"
#include "com/Control.h"
#include "controls/common/FlatButton.h"
#include "controls/common/HyperLinkStatic.h"
#include "controls/common/PackedDib.h"

namespace morvex::aboutpanel {

class AboutPanelCtrl : public com::Control<IAboutPanelCtrlVtable, _IAboutPanelCtrlEvents> {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<AboutPanelCtrl>(); }

  // IAboutPanelCtrl
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP put_EMailAdress(BSTR address) override;
  STDMETHODIMP GetWndSize(long* cx, long* cy) override;
  STDMETHODIMP ShowMoveSplash(long bUp) override;
  STDMETHODIMP put_AboutDlgStile(long style) override;
  STDMETHODIMP put_FontAbout(IFontDisp* font) override;
  STDMETHODIMP SetHyperLinkPoint(long cx, long cy) override;
  STDMETHODIMP SetBnOkPoint(long cx, long cy) override;
  STDMETHODIMP GetHyperLinkPos(long* left, long* top, long* right, long* bottom) override;
  STDMETHODIMP SetHyperLinkColor(OLE_COLOR link, OLE_COLOR hiLink) override;
  STDMETHODIMP SetResourseBmp(LONG_PTR block) override;
  STDMETHODIMP put_BnOkTitle(BSTR title) override;
  // The table's last function, outside the type library.
  STDMETHODIMP GetBnOkPos(long* left, long* top, long* right, long* bottom) override;

 protected:
  AboutPanelCtrl();
  ~AboutPanelCtrl() override;

  void OnDraw(HDC dc, const RECT& bounds) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnAmbientChanged(DISPID dispid) override;

 private:
  LRESULT OnCreate();
  void OnSize(int width, int height);
  LRESULT OnEraseBkgnd(HDC dc);
  void OnSetFocus();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);

  HWND Child(int id) const;
  void Redraw();
  // The OK button's font: a private copy, or the stock font's handle.
  void SetButtonFont(HFONT font);
  static void ChildRect(HWND child, HWND parent, long* left, long* top, long* right, long* bottom);

  controls::PackedDib picture_;
  controls::FlatButton okButton_;
  controls::HyperLinkStatic link_;
  std::string linkText_;
  std::string okTitle_ = "Ok";
  FramePoint okPosition_ = {-1, -1};
  FramePoint linkPosition_ = {-1, -1};
  long style_ = 1;
  HFONT buttonFont_ = nullptr;  // owned: made by put_FontAbout
};

}  // namespace morvex::aboutpanel
