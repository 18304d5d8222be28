// CVelDictViewCtrl: the dictionary viewer control, the dictionary page of
// the main window. On a panel in the interface colours: the word entry
// with its history button (WordEntry, HistoryPopup), the 50-row word list
// over the dictionary's cursor (WordWindow), the formatted article with
// its links (ArticleView), the direction button with the input language's
// flag, three titles and the alphabet strip (StripHost). It works on the
// one dictionary object its host hands it, opening it for reading when it
// is closed and closing it when the control goes, and asks its host through
// events to change the direction, to switch the keyboard layout and to
// show context menus.
//
// Created by its class factory (LookupPane.cpp) for the program's main
// window, which hosts it by ProgID in an "AtlAxWin" window.
#pragma once

#include <ocidl.h>
#include <windows.h>
// After windows.h, which it needs.
#include <richedit.h>

#include <string>

#include "ArticleView.h"
#include "HistoryPopup.h"
#include "LexiconHub.h"
#include "LookupPane.h"
#include "StripHost.h"
#include "ViewerFlags.h"
#include "ViewerLayout.h"
#include "WordEntry.h"
#include "WordWindow.h"
#include "com/Control.h"
#include "controls/common/FlatButton.h"
#include "controls/common/FontChangeListener.h"

namespace morvex::lookuppane {

class CVelDictViewCtrl : public com::Control<IVelDictViewCtrl, _IVelDictViewCtrlEvents>,
                         private controls::FontChangeOwner,
                         private WordWindowOwner,
                         private WordEntryOwner {
 public:
  static const com::InterfaceEntry* Interfaces() { return ControlInterfaces<CVelDictViewCtrl>(); }

  // IVelDictViewCtrl
  STDMETHODIMP put_BackColor(OLE_COLOR colour) override { return PutStockBackColor(colour); }
  STDMETHODIMP get_BackColor(OLE_COLOR* colour) override { return GetStockBackColor(colour); }
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP put_ForeColor(OLE_COLOR colour) override { return PutStockForeColor(colour); }
  STDMETHODIMP get_ForeColor(OLE_COLOR* colour) override { return GetStockForeColor(colour); }
  STDMETHODIMP put_CharSetEnv(short charset) override;
  STDMETHODIMP put_BkColorCtrl(OLE_COLOR colour) override;
  STDMETHODIMP put_TextCtrl(short nText, OLE_COLOR colour) override;
  STDMETHODIMP put_TitleCtrl(short eType, BSTR chTitle) override;
  STDMETHODIMP SetDictionaryFile(BSTR) override { return S_OK; }
  STDMETHODIMP put_BkInterfaceColor(OLE_COLOR colour) override;
  STDMETHODIMP put_clrTxtInterface(OLE_COLOR colour) override;
  STDMETHODIMP SetTitles(BSTR word, BSTR dictionary, BSTR translation, BSTR go) override;
  STDMETHODIMP put_LookKbd(long look) override;
  STDMETHODIMP ChangeDictNameOnEvent(IUnknown* dictionary) override;
  STDMETHODIMP put_FontControls(IFontDisp* font) override;
  STDMETHODIMP SetProject(IUnknown*) override { return S_OK; }
  STDMETHODIMP SetDictionary(IUnknown* dictionary) override;
  STDMETHODIMP put_FontInterface(IFontDisp*) override { return S_OK; }
  STDMETHODIMP CopyText(long indxCtrl) override;
  STDMETHODIMP SelectAll(long indxCtrl) override;
  STDMETHODIMP UndoText() override;
  STDMETHODIMP PasteText() override;
  STDMETHODIMP DeleteText() override;
  STDMETHODIMP CutText() override;
  STDMETHODIMP get_CanUndo(long* canUndo) override;
  STDMETHODIMP get_hasSelText(long tip, long* has) override;
  STDMETHODIMP put_SetDictIcon(LONG_PTR hotIcon, LONG_PTR coldIcon, long cx, long cy) override;
  STDMETHODIMP GetAbcFullSize(short* cx, short* cy) override;
  STDMETHODIMP SetSeekWord(BSTR word) override;

  // IOleObject: the font set-up once the container is known.
  STDMETHODIMP SetClientSite(IOleClientSite* site) override;

 protected:
  CVelDictViewCtrl();
  ~CVelDictViewCtrl() override;

  void OnDraw(HDC dc, const RECT& bounds) override;
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnAmbientChanged(DISPID dispid) override;
  void OnFontChanged() override;

 private:
  // FontChangeOwner
  void RefreshView() override { FireViewChange(); }
  void RebuildFonts(bool refresh) override { RebuildFonts(refresh, true); }
  // The input and output fonts made again from the control font; with
  // `reshow` the current row's article shown again in them.
  void RebuildFonts(bool refresh, bool reshow);

  // WordWindowOwner
  IVelDictionary* UsableDictionary() override;
  void ShowArticle(const std::string& word, const BSTR article) override;
  void SelectStripLetter(const std::string& word) override { strip_.SelectLetterOf(word); }
  void RepaintNow() override;
  bool CyrillicInput() const override { return inputCharset_ == RUSSIAN_CHARSET; }

  // WordEntryOwner
  void ForwardListKey(WPARAM key) override;
  void ShowHistory() override;
  void FocusArticle() override;
  void EntryContextMenu(POINT at) override;

  // Creation and layout (ViewerWindow.cpp).
  LRESULT OnCreate();
  void CreateChildren();
  void CreateWordList();
  void CreateArticle();
  void CreateButtons();
  void Layout();
  LayoutInput LayoutMeasures() const;
  LRESULT OnEraseBkgnd(WPARAM wParam);
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnMeasureItem(LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(LPARAM lParam, bool* handled);
  LRESULT OnCtlColor(WPARAM wParam);
  LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam, bool* handled);
  LRESULT OnTimer(WPARAM wParam);
  LRESULT OnHistoryChoice(LPARAM lParam);
  LRESULT OnLink(const ENLINK& link);
  void OnDestroy();

  // The dictionary (VelDictViewCtrl.cpp).
  HRESULT TakeDictionary(IUnknown* dictionary);
  // Languages and character sets from the dictionary, opening it when it
  // is closed; the fonts rebuilt without showing the old row again.
  HRESULT ReadLanguages();
  HRESULT LookupTyped();
  void FocusEntry(bool selectAll) { entry_.Focus(selectAll); }
  void PushToStrip(unsigned settings);
  void FireNeedPopupMenu(long kind, POINT at);
  ArticleLook Look() const;
  RowLook ListLook() const;
  void UpdateDirectionIcon();

  // Colours and brushes.
  COLORREF interfaceBack_ = RGB(192, 192, 192);
  COLORREF interfaceText_ = 0;
  COLORREF textColour_ = 0;
  COLORREF controlBack_ = RGB(255, 255, 255);
  HBRUSH controlBrush_;
  HCURSOR linkCursor_;
  std::string titles_[4];
  com::Ptr<IVelDictionary> dictionary_;
  // Primary language ids (a dictionary's LANGIDs masked with 0x3FF).
  long inputLanguage_ = 9;
  long outputLanguage_ = 25;
  BYTE inputCharset_ = 1;
  BYTE outputCharset_ = 1;
  BYTE environmentCharset_ = 1;
  HFONT inputFont_ = nullptr;
  HFONT outputFont_ = nullptr;
  bool hostIcons_ = false;  // SetDictIcon gave the direction icons
  int iconWidth_;
  int iconHeight_;
  long lookAtKeyboard_ = 0;
  int itemHeight_ = 16;
  int entryHeight_ = 16;
  int stripHeight_ = 16;
  int textHeight_ = 16;
  ViewerFlags flags_;
  com::Ptr<controls::FontChangeListener> fontListener_;

  WordEntry entry_;
  WordWindow words_;
  ArticleView article_;
  HistoryPopup history_;
  StripHost strip_;
  controls::FlatButton historyButton_;
  controls::FlatButton directionButton_;
};

}  // namespace morvex::lookuppane
