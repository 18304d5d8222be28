// PickListCtrl: the popup menu control. An invisible control that owns one
// popup menu, filled by its host item by item (optionally with a hot and a
// cold icon per item, and with submenus) and shown at a screen point; the
// user's choice comes back as the LangChanged event with the item's number.
// The items are drawn by the owner-drawn menu renderer
// (controls/common/MenuPainter.h), attached to the control's window, which
// owns the menu while it is tracked.
//
// Created by its class factory (PickList.cpp) for the program, which hosts
// it by ProgID in an "AtlAxWin" window for its context menus.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include "PickList.h"
#include "com/Control.h"
#include "controls/common/MenuPainter.h"

namespace morvex::picklist {

class PickListCtrl : public com::Control<IPickListCtrl, _IPickListCtrlEvents> {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<PickListCtrl>(); }

  // IPickListCtrl
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP get_CheckedItem(long* position) override;
  STDMETHODIMP put_CheckedItem(long position) override;
  STDMETHODIMP TrackPopupMenu(long x, long y) override;
  STDMETHODIMP AddItem(long id, BSTR text) override;
  STDMETHODIMP SetResourseInst(LONG_PTR module, long hotBitmap, long coldBitmap) override;
  STDMETHODIMP put_BackColor(OLE_COLOR colour) override;
  STDMETHODIMP DeleteAllItems(long clearImages) override;
  STDMETHODIMP put_FontMenu(IFontDisp* font) override;
  STDMETHODIMP get_UsedItemID(long* used) override;
  STDMETHODIMP put_UsedItemID(long used) override;
  STDMETHODIMP AddItemIcon(long id, BSTR text, long hotIcon, long coldIcon) override;
  STDMETHODIMP put_DisableItem(long position) override;
  STDMETHODIMP InsertSubMenu(long position, BSTR text) override;
  STDMETHODIMP AddSubItemIcon(long position, long id, BSTR text, long hotIcon,
                              long coldIcon) override;

 protected:
  PickListCtrl();
  ~PickListCtrl() override;

  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnClientSiteChanged() override;
  void OnAmbientChanged(DISPID dispid) override;

 private:
  LRESULT OnCreate();
  LRESULT OnCommand(WPARAM wParam);

  // The identifier of the next item added: the host's own number, or the
  // item's adding position counted from 120.
  UINT NextItemId(long hostId) const;
  // Converts every item when the host's images were given (their id not
  // negative), else makes every item plain.
  void ConvertAllByImages();
  // The icons go into the renderer's lists; their indices there, or -1.
  void AddIcons(long hotIcon, long coldIcon, int* hotIndex, int* coldIndex);

  HMENU menu_ = nullptr;
  long itemCount_ = 0;     // items added through the interface, separators and submenus too
  long hostImageId_ = -1;  // the hot bitmap SetResourseInst gave
  long usedItemId_ = 0;    // 1: items keep the host's identifiers
  controls::MenuPainter painter_;
};

}  // namespace morvex::picklist
