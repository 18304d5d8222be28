// WordWindow: the viewer's word list (list box 616), a window of at most 50
// consecutive words of the dictionary's sorted word list, kept around the
// word being looked up. It never holds the dictionary's list: it moves the
// dictionary object's cursor (Find, Next, Prev, leaving out vulgar words)
// and copies the words it passes into the list box. The selected row's
// article goes to its owner, the control, which shows it.
//
// The list box's messages come here first: the keys that page the window
// at its edges, the scroll bar at its ends, and the flat scroll bar kept in
// front.
//
// Used by CVelDictViewCtrl; the entry forwards its list keys here.
#pragma once

#include <windows.h>

#include <string>

#include "LexiconHub.h"
#include "ViewerFlags.h"
#include "com/SubclassedWindow.h"
#include "controls/common/FlatScrollBars.h"

namespace morvex::lookuppane {

// What the word list asks of the control.
class WordWindowOwner {
 public:
  // The dictionary, open; null when there is none or it cannot be opened.
  virtual IVelDictionary* UsableDictionary() = 0;
  // Shows the word and its article (null article: nothing to show).
  virtual void ShowArticle(const std::string& word, const BSTR article) = 0;
  // Marks the word's first letter in the alphabet strip (none when empty).
  virtual void SelectStripLetter(const std::string& word) = 0;
  // The strip, the list, the entry and the article repainted at once.
  virtual void RepaintNow() = 0;
  // Whether the input language is Russian: the start and end words.
  virtual bool CyrillicInput() const = 0;

 protected:
  ~WordWindowOwner() = default;
};

class WordWindow : private com::SubclassedWindow {
 public:
  // The rows a window holds.
  static constexpr int kRows = 50;

  bool Attach(HWND list, WordWindowOwner* owner, ViewerFlags* flags);
  using com::SubclassedWindow::handle;
  using com::SubclassedWindow::SetOwner;
  controls::FlatScrollBars& scrollBars() { return bars_; }

  // Positions the window around `word` (null: the start of the dictionary)
  // and shows the article of the word found. Dictionary failures end it and
  // come back as the call's error; the rows written so far stay.
  HRESULT LookupWord(const std::string* word);
  // The last 50 words of the dictionary, the last one selected.
  HRESULT LookupEnd();
  // Selects and shows a row that already answers the typed text: equal to
  // it, or beginning with it below row 0. False when none does.
  bool MatchInWordWindow(const std::string& text);
  // Fetches and shows the article of row `row`.
  HRESULT ShowRow(int row);
  // Moves the window by n words at its lower (down) or upper edge.
  HRESULT PageWordWindow(bool down, int n);
  // The list's selection changed (LBN_SELCHANGE).
  HRESULT OnSelectionChanged();
  // No rows at all.
  void Clear();

  int RowCount() const;
  int Selection() const;
  std::string RowText(int row) const;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
  LRESULT OnVScroll(WPARAM wParam, LPARAM lParam);
  HRESULT HandleListKey(WPARAM key);
  // Fills the rows from `first` (the word found) downward, then upward
  // from the dictionary when fewer than kRows came; selects the first
  // word's row.
  HRESULT Fill(IVelDictionary* dictionary, const std::string& first);
  void Select(int row);
  int PageSize() const;
  std::string StartWord() const;
  std::string EndWord() const;

  WordWindowOwner* owner_ = nullptr;
  ViewerFlags* flags_ = nullptr;
  controls::FlatScrollBars bars_;
};

}  // namespace morvex::lookuppane
