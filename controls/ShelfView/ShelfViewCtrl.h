// ShelfViewCtrl: the dictionary shelf control. The dictionaries of the
// dictionary system sit in a two-level tree (ShelfTree) on a vertical pager
// (ShelfPager): the collection's item, then one item per dictionary with
// the picture of its language direction. The selected dictionary is the
// program's current one: the control reports each new selection
// (OnSelChange) and the user's wish to see the dictionary (OnNeedShowDic:
// Enter, a double click on an item), and hands out and takes the selection
// as ActiveObject.
//
// Hosted by the main window as a page of its page strip.
#pragma once

#include <olectl.h>
#include <windows.h>

#include <string>

#include "LexiconHub.h"
#include "ShelfModel.h"
#include "ShelfPager.h"
#include "ShelfTree.h"
#include "ShelfView.h"
#include "com/Control.h"

namespace morvex::shelfview {

class ShelfViewCtrl : public com::Control<IShelfViewCtrl, _IShelfViewCtrlEvents> {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<ShelfViewCtrl>(); }

  // IShelfViewCtrl
  STDMETHODIMP put_BackColor(OLE_COLOR color) override { return PutStockBackColor(color); }
  STDMETHODIMP get_BackColor(OLE_COLOR* color) override { return GetStockBackColor(color); }
  // The host gives its font by value only.
  STDMETHODIMP putref_Font(IFontDisp*) override { return S_OK; }
  STDMETHODIMP put_Font(IFontDisp* font) override;
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP get_DictSystem(IUnknown** system) override;
  STDMETHODIMP put_DictSystem(IUnknown* system) override;
  STDMETHODIMP get_ActiveObject(IUnknown** dictionary) override;
  STDMETHODIMP put_ActiveObject(IUnknown* dictionary) override;
  STDMETHODIMP get_TextColor(OLE_COLOR* color) override;
  STDMETHODIMP put_TextColor(OLE_COLOR color) override;
  STDMETHODIMP get_LangID(long* langId) override;
  STDMETHODIMP put_LangID(long langId) override;
  STDMETHODIMP get_DictCollName(BSTR* name) override;
  STDMETHODIMP put_DictCollName(BSTR name) override;
  STDMETHODIMP get_InfoTipTitle(BSTR* title) override;
  STDMETHODIMP put_InfoTipTitle(BSTR title) override;

  // IOleInPlaceObject: the pager follows the control's new size.
  STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;

 protected:
  ShelfViewCtrl();
  ~ShelfViewCtrl() override;

  void OnAmbientChanged(DISPID dispid) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnBackColorChanged() override;
  void OnFontChanged() override;

 private:
  // Control window messages.
  LRESULT OnCreate();
  void OnSetFocus();
  LRESULT OnMouseActivate();
  void OnShowDictionary();
  void OnSelectionChanged();

  void Build();
  void ApplyBackColour();
  void SendFontToTree();
  void FocusTreeWhenVisible();
  ShelfNames Names() const;

  com::Ptr<ILexiconHub> system_;
  std::wstring collectionName_ = L"Dictionaries";
  long langId_ = 1033;
  OLE_COLOR textColour_;
  // Tree and pager keep their system colour until the host gives one.
  bool backColourGiven_ = false;
  ShelfTree tree_;
  ShelfPager pager_;
};

}  // namespace morvex::shelfview
