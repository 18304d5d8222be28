#include "ArticleView.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

#include "com/WideText.h"
#include "controls/common/ArticleOleCallback.h"
#include "controls/common/ArticleParagraph.h"

namespace morvex::lookuppane {

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr UINT kUnicodeCodePage = 1200;
constexpr WPARAM kTabCharacter = 9;

UINT CodePageOfCharset(BYTE charset) { return charset == RUSSIAN_CHARSET ? 1251 : 1252; }

CHARFORMAT2A FormatOfKind(int32_t kind, const ArticleLook& look) {
  CHARFORMAT2A format = {};
  format.cbSize = sizeof format;
  format.bCharSet =
      SideOfKind(kind) == ArticleSide::kInput ? look.inputCharset : look.outputCharset;
  switch (kind) {
    case kHeadWord:
      format.dwMask = CFM_BOLD | CFM_LCID | CFM_CHARSET | CFM_COLOR;
      format.dwEffects = CFE_BOLD;
      format.crTextColor = 0;
      format.lcid = static_cast<LCID>(look.inputLanguage);
      break;
    case kBraced:
      format.dwMask = CFM_ITALIC | CFM_CHARSET | CFM_COLOR;
      format.dwEffects = CFE_ITALIC;
      format.crTextColor = kGrey;
      break;
    case kReference:
      format.dwMask = CFM_BOLD | CFM_UNDERLINE | CFM_LINK | CFM_LCID | CFM_CHARSET | CFM_COLOR;
      format.dwEffects = CFE_BOLD | CFE_UNDERLINE | CFE_LINK;
      format.crTextColor = kLinkBlue;
      format.lcid = static_cast<LCID>(look.inputLanguage);
      break;
    case kLabel:
      format.dwMask = CFM_CHARSET | CFM_COLOR;
      format.crTextColor = kGrey;
      break;
    default:  // the translation
      format.dwMask = CFM_CHARSET | CFM_COLOR;
      format.crTextColor = look.textColour;
      break;
  }
  return format;
}

void Select(HWND view, LONG start, LONG end) {
  CHARRANGE range = {start, end};
  SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

// The scanned bytes as wide text, each byte decoded in the code page of
// its side; both code pages are single-byte, so positions stay the scan's.
std::wstring WideArticle(const std::string& shown, const std::vector<ArticleRun>& runs,
                         const ArticleLook& look) {
  const std::vector<ArticleSide> sides = SidesOfBytes(shown.data(), shown.size(), runs);
  std::wstring wide;
  wide.reserve(shown.size());
  size_t start = 0;
  while (start < shown.size()) {
    size_t end = start + 1;
    while (end < shown.size() && sides[end] == sides[start]) ++end;
    const BYTE charset =
        sides[start] == ArticleSide::kInput ? look.inputCharset : look.outputCharset;
    wide += com::WideFromCodePage(CodePageOfCharset(charset),
                                  std::string_view(shown).substr(start, end - start));
    start = end;
  }
  return wide;
}

// Painting of the view off while it is filled and formatted, on again on
// every way out.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(HWND view) : view_(view) { SendMessageA(view_, WM_SETREDRAW, FALSE, 0); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;
  ~RedrawSuspended() {
    SendMessageA(view_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view_, nullptr, TRUE);
  }

 private:
  HWND view_;
};

// The keys that would change the text: Backspace, Enter and Delete (with
// or without Shift), paste, cut, undo and redo.
bool IsEditingShortcut(WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  if (key == VK_BACK || key == VK_RETURN || key == VK_DELETE) return true;
  if (control && (key == 'V' || key == 'X' || key == 'Z' || key == 'Y')) return true;
  return shift && key == VK_INSERT;
}

}  // namespace

bool ArticleView::Attach(HWND richEdit, HWND control, COLORREF background) {
  if (!Subclass(richEdit)) return false;
  control_ = control;
  // The text mode can only change while the rich edit is empty.
  SendMessageA(richEdit, EM_SETTEXTMODE, TM_MULTICODEPAGE, 0);
  bars_.Attach(richEdit, background);
  SendMessageA(richEdit, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(background));
  CHARFORMAT2A defaults = {};
  defaults.cbSize = sizeof defaults;
  defaults.dwMask = CFM_CHARSET;
  defaults.bCharSet = DEFAULT_CHARSET;
  SendMessageA(richEdit, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&defaults));
  const LRESULT options = SendMessageA(richEdit, EM_GETLANGOPTIONS, 0, 0);
  SendMessageA(richEdit, EM_SETLANGOPTIONS, 0, (options | IMF_AUTOKEYBOARD) & ~IMF_AUTOFONT);
  controls::AttachArticleOleCallback(richEdit);
  SendMessageA(richEdit, EM_SETEVENTMASK, 0, ENM_LINK | ENM_REQUESTRESIZE);
  SendMessageA(richEdit, EM_AUTOURLDETECT, TRUE, 0);
  readOnly_ = true;
  return true;
}

void ArticleView::SetContentSize(int width, int height) {
  contentWidth_ = width;
  contentHeight_ = height;
  ShowFlatBarsForContent();
}

void ArticleView::Show(const std::string& article, const ArticleLook& look) {
  if (!handle()) return;
  shown_ = article;
  runs_ = ScanArticle(shown_.data(), shown_.size());
  {
    RedrawSuspended suspended(handle());
    const std::wstring text = WideArticle(shown_, runs_, look);
    SETTEXTEX how = {ST_DEFAULT, kUnicodeCodePage};
    SendMessageA(handle(), EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
                 reinterpret_cast<LPARAM>(text.c_str()));
    FormatRuns(look);
  }
  bars_.Sync();
}

void ArticleView::ApplyArticleFormats(const ArticleLook& look) {
  if (!handle() || runs_.empty()) return;
  RedrawSuspended suspended(handle());
  FormatRuns(look);
}

void ArticleView::FormatRuns(const ArticleLook& look) {
  const PARAFORMAT paragraph = controls::ArticleTabStops();
  Select(handle(), 0, -1);
  SendMessageA(handle(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
  // Text no run covers is translation (between labels, say): it shows in
  // the text colour too, not in the view's black.
  CHARFORMAT2A translation = FormatOfKind(kTranslation, look);
  SendMessageA(handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&translation));
  for (const ArticleRun& run : runs_) {
    const LONG start = std::max<LONG>(run.start, 0);
    if (start >= run.end) continue;
    Select(handle(), start, run.end);
    CHARFORMAT2A format = FormatOfKind(run.kind, look);
    SendMessageA(handle(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  }
  // Nothing selected and the caret at the start: left at the last run, the
  // caret would keep a long line scrolled sideways to that run.
  Select(handle(), 0, 0);
}

void ArticleView::Empty() {
  shown_.clear();
  runs_.clear();
  if (handle()) SetWindowTextA(handle(), "");
}

std::string ArticleView::TextOfRange(LONG first, LONG last) const {
  const size_t from = ByteOfPosition(shown_.data(), shown_.size(), first);
  const size_t to = ByteOfPosition(shown_.data(), shown_.size(), last);
  return from < to ? shown_.substr(from, to - from) : std::string();
}

LRESULT ArticleView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      return OnKey(message, wParam, lParam);
    case WM_CHAR:
      return OnChar(wParam, lParam);
    case WM_PASTE:
    case WM_CUT:
    case WM_UNDO:
    case WM_CLEAR:
      if (readOnly_) return 0;
      break;
    case WM_SIZE:
    case WM_PAINT:
    case WM_NCPAINT: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      ShowFlatBarsForContent();
      return result;
    }
    case WM_SETTEXT:
    case WM_HSCROLL:
    case WM_VSCROLL: {
      LRESULT result = DefaultProcessing(message, wParam, lParam);
      bars_.Sync();
      return result;
    }
  }
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT ArticleView::OnKey(UINT message, WPARAM key, LPARAM lParam) {
  if (readOnly_ && IsEditingShortcut(key)) return 0;
  return DefaultProcessing(message, key, lParam);
}

LRESULT ArticleView::OnChar(WPARAM character, LPARAM lParam) {
  if (!readOnly_) return DefaultProcessing(WM_CHAR, character, lParam);
  if (character == kTabCharacter) SendMessageA(control_, WM_ARTICLE_TAB, 0, 0);
  return 0;
}

// Where the flat bars are bars of their own, each shows while the content
// does not fit that way, and changes only when that changes: showing or
// hiding a bar repaints, and the repaint comes back here.
void ArticleView::ShowFlatBarsForContent() {
  if (!bars_.ownBars()) return;
  RECT client = {};
  GetClientRect(handle(), &client);
  const bool horizontal = contentWidth_ >= client.right - client.left;
  const bool vertical = contentHeight_ >= client.bottom - client.top;
  if (horizontal != horizontalShown_) {
    horizontalShown_ = horizontal;
    FlatSB_ShowScrollBar(handle(), SB_HORZ, horizontal);
  }
  if (vertical != verticalShown_) {
    verticalShown_ = vertical;
    FlatSB_ShowScrollBar(handle(), SB_VERT, vertical);
  }
}

}  // namespace morvex::lookuppane
