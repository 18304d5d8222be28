// WordEntry: the viewer's word entry (edit 617). It lets in only the
// characters of a word, leaves the lookup to the typing pause, forwards
// the list keys to the word list so that the focus stays in the entry, has
// its clipboard shortcuts on key-up, and asks the control for the context
// menu instead of showing the edit's own.
//
// Used by CVelDictViewCtrl, which creates the edit and attaches this.
#pragma once

#include <windows.h>

#include <string>

#include "ViewerFlags.h"
#include "com/SubclassedWindow.h"

namespace morvex::lookuppane {

// What the entry asks of the control.
class WordEntryOwner {
 public:
  // A list key (PgUp, PgDn, Up, Down) for the word list's key handling.
  virtual void ForwardListKey(WPARAM key) = 0;
  // Enter: the history list.
  virtual void ShowHistory() = 0;
  // Tab: the focus to the article, nothing selected there.
  virtual void FocusArticle() = 0;
  // The context menu at a point on the screen.
  virtual void EntryContextMenu(POINT at) = 0;

 protected:
  ~WordEntryOwner() = default;
};

class WordEntry : private com::SubclassedWindow {
 public:
  bool Attach(HWND edit, WordEntryOwner* owner, ViewerFlags* flags);
  using com::SubclassedWindow::handle;
  using com::SubclassedWindow::SetOwner;

  std::string Text() const;
  // Writes the text as the control (no typing lookup follows).
  void SetText(const std::string& text);
  // The caret to the end, all selected when asked, and the focus when the
  // entry is visible.
  void Focus(bool selectAll);

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnChar(WPARAM character, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
  LRESULT OnKeyUp(WPARAM key, LPARAM lParam);
  LRESULT OnContextMenu(LPARAM lParam);

  WordEntryOwner* owner_ = nullptr;
  ViewerFlags* flags_ = nullptr;
};

}  // namespace morvex::lookuppane
