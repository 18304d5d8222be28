// HistoryPopup: the viewer's history, a popup window of class
// "VelPopUpListBox" holding list box 2000 with the last words looked up
// (oldest first). It opens under the entry, follows the mouse, and sends
// the chosen word to its target, the viewer, as WM_HISTORY_CHOICE; it
// closes on a choice, Esc or the loss of the focus.
//
// Used by CVelDictViewCtrl, which owns it from its window's creation to
// its destruction.
#pragma once

#include <windows.h>

#include <string>

#include "RowDrawing.h"
#include "com/SubclassedWindow.h"
#include "com/Window.h"
#include "controls/common/FlatScrollBars.h"

namespace morvex::lookuppane {

// From the popup to its target: lParam is the chosen word (8-bit text,
// valid during the call).
constexpr UINT WM_HISTORY_CHOICE = 0x559;

class HistoryPopup : public com::Window {
 public:
  // The most words the history keeps.
  static constexpr int kCapacity = 20;

  HistoryPopup();
  // The window goes while this object still hears its messages.
  ~HistoryPopup() override { Destroy(); }

  // Creates the popup, hidden, owned by `target`.
  bool Create(HWND target, COLORREF barColour);
  HWND list() const { return list_.handle(); }

  void SetLook(const RowLook& look, int itemHeight);
  void SetBarColour(COLORREF colour) { list_.bars().SetBackground(colour); }
  // Adds the word unless a kept word begins with it (in any case); the
  // oldest goes when the history is full.
  void Add(const std::string& word);
  void Clear();
  int Count() const;
  // Every row inserted again, so that each is measured at the item height.
  void Remeasure();
  // Under `entry` (its window rectangle, screen coordinates), topmost, the
  // list focused. Nothing with an empty history.
  void ShowUnder(const RECT& entry);
  void Hide();

 private:
  class List : public com::SubclassedWindow {
   public:
    explicit List(HistoryPopup* popup) : popup_(popup) {}
    controls::FlatScrollBars& bars() { return bars_; }
    using com::SubclassedWindow::DefaultProcessing;

   private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HistoryPopup* popup_;
    controls::FlatScrollBars bars_;
  };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Choose();

  HWND target_ = nullptr;
  RowLook look_;
  int itemHeight_ = 16;
  List list_;
};

}  // namespace morvex::lookuppane
