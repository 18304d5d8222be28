// VelPageStrip: the page strip control, the body of the program's main
// window. It holds a stack of named pages, each a header bar with a
// caption; one page is open, and the window the host attached to it fills
// the space between the headers at the top (the open page's and those
// before it) and those at the bottom. A click on another header opens that
// page with a short slide of the headers between (PageAnimation); a click
// on the open one is reported to the host. Hovering a header raises it.
//
// The pages and their geometry are a PageStack, the look of the headers is
// the process's (HeaderPainter). Created by its class factory (PageStrip.cpp)
// for the hosts, which create it by ProgID in an "AtlAxWin" window.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include "PageStack.h"
#include "PageStrip.h"
#include "com/Control.h"

namespace morvex::pagestrip {

class VelPageStrip : public com::Control<IVelPageStrip, _IVelPageStripEvents> {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<VelPageStrip>(); }

  // IVelPageStrip
  STDMETHODIMP put_BackColor(OLE_COLOR color) override { return PutStockBackColor(color); }
  STDMETHODIMP get_BackColor(OLE_COLOR* color) override { return GetStockBackColor(color); }
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP get_Animation(long* value) override;
  STDMETHODIMP put_Animation(long value) override;
  STDMETHODIMP get_Sleep(long* value) override;
  STDMETHODIMP put_Sleep(long value) override;
  STDMETHODIMP get_Sign(long* value) override;
  STDMETHODIMP put_Sign(long value) override;
  STDMETHODIMP ActivatePage(long index) override;
  STDMETHODIMP AddPage(BSTR name) override;
  STDMETHODIMP AttachWindow(long index, long window) override;
  STDMETHODIMP DeletePage(long index) override;
  STDMETHODIMP GetActivePage(long* index) override;
  STDMETHODIMP GetHwnd(long index, long* window) override;
  STDMETHODIMP GetPage(BSTR name, long* index) override;
  STDMETHODIMP GetPageName(long index, BSTR* name) override;
  STDMETHODIMP GetPagesCount(long* count) override;
  STDMETHODIMP get_Height(long index, long* height) override;
  STDMETHODIMP put_Height(long index, long height) override;
  STDMETHODIMP IsPage(long index, long* isPage) override;
  STDMETHODIMP SetPageName(long index, BSTR name) override;
  STDMETHODIMP get_ActivePageColor(OLE_COLOR* color) override;
  STDMETHODIMP put_ActivePageColor(OLE_COLOR color) override;
  STDMETHODIMP get_InactivePageColor(OLE_COLOR* color) override;
  STDMETHODIMP put_InactivePageColor(OLE_COLOR color) override;
  STDMETHODIMP get_TextColor(OLE_COLOR* color) override;
  STDMETHODIMP put_TextColor(OLE_COLOR color) override;

 protected:
  VelPageStrip();
  ~VelPageStrip() override;

  void OnDraw(HDC dc, const RECT& bounds) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnClientSiteChanged() override;
  void OnAmbientChanged(DISPID dispid) override;

 private:
  LRESULT OnSize();
  LRESULT OnRelayout();
  LRESULT OnEraseBackground();
  LRESULT OnMouseMove(LPARAM lParam);
  LRESULT OnTimer(WPARAM timer);
  LRESULT OnLButtonDown(LPARAM lParam);

  // Opens the page (nothing for no page or the open one), with the slide
  // when the strip is shown and animates.
  void OpenPage(int index);
  void Animate(int index);
  // The page becomes the open one: the old one's window hides, its own
  // fills the content area and takes the focus; the host hears of it.
  void MakeActive(int index);
  void Layout();
  // The open page's window to the content area, shown.
  void FitActiveWindow();
  void Attach(int index, HWND window);
  void Detach(int index);

  // Draws one header on the strip's window as it stands now.
  void RedrawHeader(int index);
  // No header is hot any more, and the hover timer stops.
  void ClearHot();

  COLORREF BackgroundRgb() const;

  PageStack pages_;
  int hot_ = -1;
  long animation_ = 1;
  long sleep_ = 0;
  long sign_ = 1;
  OLE_COLOR activePageColor_;
  OLE_COLOR inactivePageColor_;
};

}  // namespace morvex::pagestrip
