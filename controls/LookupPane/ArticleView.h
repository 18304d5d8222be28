// ArticleView: the viewer's article pane (rich edit 618). It shows a
// scanned article as wide text decoded once, each byte in the code page of
// the language it belongs to, then formats each run (head word bold,
// braces italic grey, labels grey, the translation in the text colour, the
// reference as a blue underlined link), painting suspended meanwhile.
//
// As its subclass it is read-only by filter (the Overview's way for the
// panes, not a read-only style): typed characters, the editing keys and
// shortcuts and the editing messages never reach the rich edit; Tab goes
// to the control as WM_ARTICLE_TAB. It keeps its flat scroll bars in step.
//
// Used by CVelDictViewCtrl, which creates the rich edit and attaches this.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ArticleScan.h"
#include "com/SubclassedWindow.h"
#include "controls/common/FlatScrollBars.h"

namespace morvex::lookuppane {

// From the article to the control: Tab was typed.
constexpr UINT WM_ARTICLE_TAB = 0xD80;

// How the runs look: the languages and character sets of both sides.
struct ArticleLook {
  COLORREF textColour;
  long inputLanguage;  // primary language ids
  long outputLanguage;
  BYTE inputCharset;  // 204 for Russian, else 0
  BYTE outputCharset;
};

class ArticleView : private com::SubclassedWindow {
 public:
  // Takes over the rich edit; its messages for the control go to `control`.
  // Sets the text mode while the rich edit is still empty, the background,
  // the default format, the callback and the events.
  bool Attach(HWND richEdit, HWND control, COLORREF background);
  using com::SubclassedWindow::handle;
  using com::SubclassedWindow::SetOwner;
  controls::FlatScrollBars& scrollBars() { return bars_; }

  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // The content size the rich edit asked for (EN_REQUESTRESIZE).
  void SetContentSize(int width, int height);

  // Scans `article` and shows it; the selection is removed afterwards.
  void Show(const std::string& article, const ArticleLook& look);
  // Formats the runs shown again (a new text colour).
  void ApplyArticleFormats(const ArticleLook& look);
  void Empty();

  // The shown text of positions [first, last) back in its 8 bits, as the
  // scan left it.
  std::string TextOfRange(LONG first, LONG last) const;

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnKey(UINT message, WPARAM key, LPARAM lParam);
  LRESULT OnChar(WPARAM character, LPARAM lParam);
  void ShowFlatBarsForContent();
  void FormatRuns(const ArticleLook& look);

  HWND control_ = nullptr;
  bool readOnly_ = false;
  std::string shown_;  // the scanned bytes
  std::vector<ArticleRun> runs_;
  int contentWidth_ = 10;
  int contentHeight_ = 10;
  // The flat bars shown now (only where they are bars of their own).
  bool horizontalShown_ = true;
  bool verticalShown_ = true;
  controls::FlatScrollBars bars_;
};

}  // namespace morvex::lookuppane
