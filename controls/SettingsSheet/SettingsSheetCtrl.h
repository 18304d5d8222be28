// SettingsSheetCtrl: the settings dialog as a control. It holds values
// only: the host copies its options in, runs InvokeDialog, and after OK (1)
// reads them back; the control never touches the options store. While the
// dialog runs, puts reach its items at once; texts put while it is closed
// wait for the next dialog.
//
// Created by its class factory (SettingsSheet.cpp) for the program's
// status bar, which runs the settings flow.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include "SettingsDialog.h"
#include "SettingsSheet.h"
#include "com/ComPtr.h"
#include "com/Control.h"

namespace morvex::settingssheet {

class SettingsSheetCtrl : public com::Control<ISettingsSheetCtrl, _ISettingsSheetCtrlEvents>,
                          private SettingsDialogEvents {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<SettingsSheetCtrl>(); }

  // ISettingsSheetCtrl
  STDMETHODIMP put_BackColor(OLE_COLOR colour) override { return PutStockBackColor(colour); }
  STDMETHODIMP get_BackColor(OLE_COLOR* colour) override { return GetStockBackColor(colour); }
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP put_ForeColor(OLE_COLOR colour) override { return PutStockForeColor(colour); }
  STDMETHODIMP get_ForeColor(OLE_COLOR* colour) override { return GetStockForeColor(colour); }
  STDMETHODIMP get_InterfaceColor(OLE_COLOR* colour) override;
  STDMETHODIMP put_InterfaceColor(OLE_COLOR colour) override;
  STDMETHODIMP get_ControlColor(OLE_COLOR* colour) override;
  STDMETHODIMP put_ControlColor(OLE_COLOR colour) override;
  STDMETHODIMP get_TitleColor(OLE_COLOR* colour) override;
  STDMETHODIMP put_TitleColor(OLE_COLOR colour) override;
  STDMETHODIMP get_HKTranslateCbd(long* hotKey) override;
  STDMETHODIMP put_HKTranslateCbd(long hotKey) override;
  STDMETHODIMP get_HKQuickTip(long* hotKey) override;
  STDMETHODIMP put_HKQuickTip(long hotKey) override;
  STDMETHODIMP get_HKDictionary(long* hotKey) override;
  STDMETHODIMP put_HKDictionary(long hotKey) override;
  STDMETHODIMP get_TextFont(OLE_COLOR* colour, IFontDisp** font) override;
  STDMETHODIMP put_TextFont(OLE_COLOR* colour, IFontDisp* font) override;
  STDMETHODIMP get_ChkTip(long* value) override;
  STDMETHODIMP put_ChkTip(long value) override;
  STDMETHODIMP get_ChkDict(long* value) override;
  STDMETHODIMP put_ChkDict(long value) override;
  STDMETHODIMP get_ChkTranslate(long* value) override;
  STDMETHODIMP put_ChkTranslate(long value) override;
  STDMETHODIMP GetDialogSize(long* cx, long* cy) override;
  STDMETHODIMP get_FontDialog(IFontDisp** font) override;
  STDMETHODIMP put_FontDialog(IFontDisp* font) override;
  STDMETHODIMP put_InterfaceBmpTitle(BSTR caption, int key) override;
  STDMETHODIMP put_ControlBmpTitle(BSTR caption, int key) override;
  STDMETHODIMP put_TitleBmpTitle(BSTR caption, int key) override;
  STDMETHODIMP InvokeDialog(long owner, long* exitCode) override;
  STDMETHODIMP get_MouseVirtKey(long* key) override;
  STDMETHODIMP put_MouseVirtKey(long key) override;
  STDMETHODIMP get_MouseButton(long* button) override;
  STDMETHODIMP put_MouseButton(long button) override;
  STDMETHODIMP SetResourseBnIcon(long hotIcon, long coldIcon, long cx, long cy) override;
  STDMETHODIMP EndDialogUser() override;
  STDMETHODIMP put_DlgItemText(long index, BSTR text) override;

 protected:
  SettingsSheetCtrl();
  ~SettingsSheetCtrl() override = default;

  void OnAmbientChanged(DISPID dispid) override;

 private:
  // SettingsDialogEvents
  void OnDialogClose(long code) override;
  void OnLanguageButton(long x, long y) override;

  HRESULT GetWellColour(int item, OLE_COLOR* colour) const;
  HRESULT PutWellColour(int item, OLE_COLOR colour);
  HRESULT PutWellCaption(int item, BSTR caption, int key);

  SettingsDialog dialog_;
  com::Ptr<IFontDisp> textFont_;  // the last one get TextFont made
};

}  // namespace morvex::settingssheet
