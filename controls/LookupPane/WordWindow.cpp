#include "WordWindow.h"

#include <vector>

#include "SearchWord.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::lookuppane {

namespace {

constexpr VdsDicFindType kPositionFind = vdfFindDictNearNovulg;
constexpr VdsDicFindType kArticleFind = vdfFindDictExactNovulg;

std::string AnsiOf(const com::Bstr& text) {
  return com::AnsiFromWide(std::wstring_view(text.Text(), text.Length()));
}

com::Bstr BstrOf(const std::string& text) {
  const std::wstring wide = com::WideFromAnsi(text);
  return com::Bstr(wide.c_str(), static_cast<UINT>(wide.size()));
}

// One step of the dictionary's cursor: the word and article it gave, null
// at either end. An exact find gives the article only.
struct Step {
  com::Bstr word;
  com::Bstr article;
  bool ended() const { return word.IsNull(); }
  bool missed() const { return article.IsNull(); }
};

HRESULT Find(IVelDictionary* dictionary, VdsDicFindType type, const std::string& word, Step* step) {
  *step = Step();
  return dictionary->Find(type, BstrOf(word).Get(), step->word.Put(), step->article.Put());
}

HRESULT Next(IVelDictionary* dictionary, Step* step) {
  *step = Step();
  return dictionary->Next(step->word.Put(), step->article.Put());
}

HRESULT Prev(IVelDictionary* dictionary, Step* step) {
  *step = Step();
  return dictionary->Prev(step->word.Put(), step->article.Put());
}

// The list's painting off while it is refilled, on again on every way out
// (a failed dictionary call's too). Only the list's own painting: a lock of
// the whole desktop would freeze every other window with it.
class PaintingSuspended {
 public:
  explicit PaintingSuspended(HWND list) : list_(list) {
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  }
  PaintingSuspended(const PaintingSuspended&) = delete;
  PaintingSuspended& operator=(const PaintingSuspended&) = delete;
  ~PaintingSuspended() {
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }

 private:
  HWND list_;
};

// The near search of `search` as the word list positions itself: the
// first word that begins with it, else with it lower-cased, else with it
// shortened.
HRESULT FindNear(IVelDictionary* dictionary, std::string search, Step* found) {
  for (;;) {
    HRESULT hr = Find(dictionary, kPositionFind, search, found);
    if (FAILED(hr)) return hr;
    if (!found->article.IsNull() || search.empty()) return S_OK;
    // The near search finds only words that begin with the input, and
    // case-sensitively: a capital first letter gets a second try in lower
    // case, then the word is shortened.
    const std::string lowered = LowerCasedForSearch(search);
    if (lowered != search) {
      hr = Find(dictionary, kPositionFind, lowered, found);
      if (FAILED(hr)) return hr;
      if (!found->article.IsNull()) return S_OK;
    }
    search.pop_back();
  }
}

}  // namespace

bool WordWindow::Attach(HWND list, WordWindowOwner* owner, ViewerFlags* flags) {
  if (!Subclass(list)) return false;
  owner_ = owner;
  flags_ = flags;
  return true;
}

int WordWindow::RowCount() const {
  return handle() ? static_cast<int>(SendMessageA(handle(), LB_GETCOUNT, 0, 0)) : 0;
}

int WordWindow::Selection() const {
  return handle() ? static_cast<int>(SendMessageA(handle(), LB_GETCURSEL, 0, 0)) : LB_ERR;
}

std::string WordWindow::RowText(int row) const {
  const LRESULT length = SendMessageA(handle(), LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == LB_ERR || length < 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(handle(), LB_GETTEXT, static_cast<WPARAM>(row),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return SearchWordOf(text);
}

void WordWindow::Clear() {
  if (handle()) SendMessageA(handle(), LB_RESETCONTENT, 0, 0);
  bars_.Sync();
}

std::string WordWindow::StartWord() const { return owner_->CyrillicInput() ? "\xE0" : "a"; }

std::string WordWindow::EndWord() const { return owner_->CyrillicInput() ? "\xFF\xFF" : "zz"; }

HRESULT WordWindow::LookupWord(const std::string* word) {
  IVelDictionary* dictionary = owner_->UsableDictionary();
  if (!dictionary) {
    Clear();
    return S_OK;
  }
  std::string search;
  if (word) {
    search = SearchWordOf(*word);
  } else {
    owner_->SelectStripLetter(StartWord());
    flags_->wordFromList = true;
  }
  Step found;
  HRESULT hr = FindNear(dictionary, search, &found);
  if (FAILED(hr)) return hr;
  if (found.ended()) {
    // An empty dictionary, or one of vulgar words only: nothing to list.
    Clear();
    return S_OK;
  }
  const std::string first = SearchWordOf(AnsiOf(found.word));
  if (!found.article.IsNull()) {
    owner_->ShowArticle(first, found.article.Get());
    owner_->SelectStripLetter(first);
  }
  return Fill(dictionary, first);
}

HRESULT WordWindow::LookupEnd() {
  IVelDictionary* dictionary = owner_->UsableDictionary();
  if (!dictionary) {
    Clear();
    return S_OK;
  }
  // The near match of the end word is the first word of the last letter
  // (or, shortened to nothing, the first word of all): the cursor walks on
  // from there to the very last.
  Step step, last;
  HRESULT hr = FindNear(dictionary, EndWord(), &step);
  while (SUCCEEDED(hr) && !step.ended()) {
    last = std::move(step);
    hr = Next(dictionary, &step);
  }
  if (FAILED(hr)) return hr;
  if (last.ended()) {
    Clear();
    return S_OK;
  }
  const std::string word = SearchWordOf(AnsiOf(last.word));
  if (!last.article.IsNull()) owner_->ShowArticle(word, last.article.Get());
  owner_->SelectStripLetter(word);
  return Fill(dictionary, word);
}

HRESULT WordWindow::Fill(IVelDictionary* dictionary, const std::string& first) {
  // The words first, from the dictionary's cursor: downward from the word
  // found, then (near the end of the dictionary) the words before it, from
  // the cursor put back on that word.
  std::vector<std::string> below = {first};
  HRESULT hr = S_OK;
  Step step;
  while (static_cast<int>(below.size()) < kRows) {
    hr = Next(dictionary, &step);
    if (FAILED(hr) || step.ended()) break;
    below.push_back(SearchWordOf(AnsiOf(step.word)));
  }
  std::vector<std::string> above;
  if (SUCCEEDED(hr) && static_cast<int>(below.size()) < kRows) {
    hr = Find(dictionary, kArticleFind, first, &step);
    while (SUCCEEDED(hr) && !step.missed() &&
           static_cast<int>(below.size() + above.size()) < kRows) {
      hr = Prev(dictionary, &step);
      if (FAILED(hr) || step.ended()) break;
      above.push_back(SearchWordOf(AnsiOf(step.word)));
    }
  }
  // Then the rows, painting suspended: exactly the words gathered, none of
  // an earlier window. Emptied and filled anew rather than replaced row by
  // row: under Wine that costs half as much.
  {
    PaintingSuspended suspended(handle());
    SendMessageA(handle(), LB_RESETCONTENT, 0, 0);
    for (auto word = above.rbegin(); word != above.rend(); ++word)
      SendMessageA(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word->c_str()));
    for (const std::string& word : below)
      SendMessageA(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
  }
  // A failed step leaves the rows gathered before it.
  Select(static_cast<int>(above.size()));
  return hr;
}

void WordWindow::Select(int row) {
  SendMessageA(handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  bars_.Sync();
}

bool WordWindow::MatchInWordWindow(const std::string& text) {
  const std::string wanted = SearchWordOf(text);
  const int rows = RowCount();
  for (int row = 0; row < rows; ++row) {
    const std::string rowText = RowText(row);
    const bool begins = rowText.compare(0, wanted.size(), wanted) == 0;
    if (rowText == wanted || (begins && row > 0)) {
      Select(row);
      ShowRow(row);
      return true;
    }
    // The text may lie before the window.
    if (begins) return false;
  }
  return false;
}

HRESULT WordWindow::ShowRow(int row) {
  if (row < 0 || row >= kRows || row >= RowCount()) return S_OK;
  IVelDictionary* dictionary = owner_->UsableDictionary();
  if (!dictionary) return S_OK;
  const std::string word = RowText(row);
  Step found;
  HRESULT hr = Find(dictionary, kArticleFind, word, &found);
  if (FAILED(hr)) return hr;
  owner_->SelectStripLetter(word);
  owner_->ShowArticle(word, found.article.Get());
  return S_OK;
}

HRESULT WordWindow::OnSelectionChanged() {
  flags_->wordFromList = true;
  bars_.Sync();
  return ShowRow(Selection());
}

HRESULT WordWindow::PageWordWindow(bool down, int n) {
  IVelDictionary* dictionary = owner_->UsableDictionary();
  const int rows = RowCount();
  if (!dictionary || rows == 0) return S_OK;
  n = n < 1 ? 1 : n;
  const int edge = down ? rows - 1 : 0;
  const std::string edgeWord = RowText(edge);
  Step step;
  HRESULT hr = Find(dictionary, kArticleFind, edgeWord, &step);
  // A cursor that cannot be put on the edge word would walk from
  // somewhere else: the window stays as it is.
  if (FAILED(hr)) return hr;
  if (step.missed()) return S_OK;
  SendMessageA(handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  int steps = 0;
  std::string lastAdded;
  com::Bstr lastArticle;
  {
    PaintingSuspended suspended(handle());
    while (steps < n) {
      hr = down ? Next(dictionary, &step) : Prev(dictionary, &step);
      if (FAILED(hr) || step.ended()) break;
      lastAdded = SearchWordOf(AnsiOf(step.word));
      lastArticle = std::move(step.article);
      if (down) {
        SendMessageA(handle(), LB_DELETESTRING, 0, 0);
        SendMessageA(handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lastAdded.c_str()));
      } else {
        SendMessageA(handle(), LB_DELETESTRING, static_cast<WPARAM>(rows - 1), 0);
        SendMessageA(handle(), LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(lastAdded.c_str()));
      }
      ++steps;
    }
  }
  // The word now at the edge row is the one shown, also when the walk met
  // the end of the dictionary before n steps.
  if (steps > 0) owner_->ShowArticle(lastAdded, lastArticle.Get());
  owner_->SelectStripLetter(steps > 0 ? lastAdded : edgeWord);
  Select(edge);
  owner_->RepaintNow();
  return hr;
}

int WordWindow::PageSize() const {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE;
  if (!GetScrollInfo(handle(), SB_VERT, &info) || info.nPage < 1) return 1;
  return static_cast<int>(info.nPage);
}

HRESULT WordWindow::HandleListKey(WPARAM key) {
  const int selection = Selection();
  const int last = RowCount() - 1;
  switch (key) {
    case VK_PRIOR:
      if (selection == 0) return PageWordWindow(false, PageSize());
      break;
    case VK_NEXT:
      if (selection == kRows - 1 && selection == last) return PageWordWindow(true, PageSize());
      break;
    case VK_UP:
      if (selection == 0) return PageWordWindow(false, 1);
      break;
    case VK_DOWN:
      if (selection == kRows - 1 && selection == last) return PageWordWindow(true, 1);
      break;
    case VK_END:
      return LookupEnd();
    case VK_HOME:
      return LookupWord(nullptr);
  }
  return S_OK;
}

LRESULT WordWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      return OnKeyDown(wParam, lParam);
    case WM_VSCROLL:
      return OnVScroll(wParam, lParam);
    case WM_LBUTTONDBLCLK:
      // A double click is a second click.
      return DefaultProcessing(WM_LBUTTONDOWN, wParam, lParam);
    case WM_NCPAINT: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      bars_.Show();
      return result;
    }
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT WordWindow::OnKeyDown(WPARAM key, LPARAM lParam) {
  HandleListKey(key);
  LRESULT result = DefaultProcessing(WM_KEYDOWN, key, lParam);
  bars_.Sync();
  return result;
}

LRESULT WordWindow::OnVScroll(WPARAM wParam, LPARAM lParam) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(handle(), SB_VERT, &info);
  const WORD code = LOWORD(wParam);
  if (code == SB_LINEUP && info.nPos <= info.nMin) {
    PageWordWindow(false, 1);
  } else if (code == SB_LINEDOWN && info.nMax < info.nPos + static_cast<int>(info.nPage)) {
    PageWordWindow(true, 1);
  }
  bars_.Sync();
  return DefaultProcessing(WM_VSCROLL, wParam, lParam);
}

}  // namespace morvex::lookuppane
