// CStatusBar: the main window's status bar, a window of class
// "VelMorStatusBar" built on the common-controls status bar. From left to
// right: the Settings button (a flat button, id 4000), a middle part that
// shows the current dictionary, and an owner-drawn indicator with the
// two-letter code of the thread's keyboard layout in a sunken frame,
// checked every 200 ms. The bar also runs the settings flow
// (SettingsFlow.h) when the button is clicked.
//
// A member of the main window, which creates it (child id 2000), hands its
// part-2 drawing back with WM_STATUS_DRAWITEM and lays it out.
#pragma once

#include <windows.h>

#include <string>

#include "PrefStore.h"
#include "app/SettingsFlow.h"
#include "com/Window.h"
#include "controls/common/FlatButton.h"

namespace morvex::solo {

class CStatusBar : public com::Window {
 public:
  static const char kClassName[];
  static constexpr UINT kButtonId = 4000;
  static constexpr UINT_PTR kLayoutTimer = 0x666;
  static constexpr UINT kLayoutTimerPeriod = 200;

  // Where the bar learns the thread's keyboard layout; tests script it.
  using LayoutSource = HKL (*)();

  CStatusBar() = default;
  ~CStatusBar() override;

  // The bar as child `id` of `parent`, with the given styles.
  bool Create(HWND parent, UINT id, DWORD style);

  void SetOptions(IVelMorvexOpt* options, SettingsOwner* owner) {
    flow_.SetOptions(options, owner);
  }
  CSettingsFlow& settings() { return flow_; }

  // The bar's and the button's background.
  void SetBackColor(COLORREF colour);
  // The options' back colour and font on the bar and the button.
  void ApplyOptions();
  void SetButtonIcons(HICON hot, HICON cold, int width, int height);
  // The current dictionary's name in the middle part (empty: no text).
  void SetDictionaryName(const std::string& name);
  // The parts for a bar `width` wide (the parent's client width when < 0).
  void Layout(int width);
  // Part 2: the sunken frame and the layout code.
  void DrawIndicator(const DRAWITEMSTRUCT& item);
  void RunSettings();
  // While the dialog runs: the language picked in the language menu.
  void ShowLanguageChoice(long language, long interfaceLanguage) {
    flow_.ShowLanguageChoice(language, interfaceLanguage);
  }

  HWND button() const { return button_.handle(); }
  // The code of the layout: "EN" for an English one.
  std::string LayoutCode() const;
  void SetLayoutSource(LayoutSource source) { layoutSource_ = source; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnNcCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
  LRESULT OnTimer();
  LRESULT OnReflectedNotify(WPARAM wParam, LPARAM lParam);
  void CreateButton();
  void DrawFrameGlyphs(const DRAWITEMSTRUCT& item);

  controls::FlatButton button_;
  CSettingsFlow flow_;
  COLORREF backColour_ = GetSysColor(COLOR_BTNFACE);
  HKL layout_ = nullptr;
  UINT_PTR timer_ = 0;
  LayoutSource layoutSource_ = [] { return GetKeyboardLayout(0); };
};

}  // namespace morvex::solo
