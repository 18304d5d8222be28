#include "TipFormatting.h"

#include <richedit.h>

#include <algorithm>

#include "com/WideText.h"
#include "controls/common/ArticleParagraph.h"

namespace morvex::quickhint {

namespace {

constexpr long kRussian = 25;
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr UINT kUnicodeCodePage = 1200;

CHARFORMAT2A FormatOfKind(int32_t kind, const TipLook& look) {
  CHARFORMAT2A format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR | CFM_CHARSET;
  format.bCharSet = ArticleCharset(look.language);
  format.crTextColor = look.textColour;
  if (kind == kTipBraced) {
    format.dwMask |= CFM_ITALIC;
    format.dwEffects = CFE_ITALIC;
    format.crTextColor = kGrey;
  } else if (kind == kTipLabel) {
    format.crTextColor = kGrey;
  }
  // The reference part has no handling of its own in the tip: plain text.
  return format;
}

void Select(HWND body, LONG start, LONG end) {
  CHARRANGE range = {start, end};
  SendMessageA(body, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void FormatSelection(HWND body, const PARAFORMAT& paragraph, CHARFORMAT2A format) {
  SendMessageA(body, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
  SendMessageA(body, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

}  // namespace

UINT ArticleCodePage(long language) { return language == kRussian ? 1251 : 1252; }

BYTE ArticleCharset(long language) { return language == kRussian ? RUSSIAN_CHARSET : ANSI_CHARSET; }

void ShowTipArticle(HWND body, const std::string& shown, const std::vector<TipRange>& ranges,
                    const TipLook& look) {
  // Set as wide text in one go: both code pages are single-byte, so the
  // scan's positions stay those of the rich edit.
  std::wstring text = com::WideFromCodePage(ArticleCodePage(look.language), shown);
  SETTEXTEX how = {ST_DEFAULT, kUnicodeCodePage};
  SendMessageA(body, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how),
               reinterpret_cast<LPARAM>(text.c_str()));

  const PARAFORMAT paragraph = controls::ArticleTabStops();
  // What no range covers shows as plain text too.
  Select(body, 0, -1);
  FormatSelection(body, paragraph, FormatOfKind(kTipPlain, look));
  for (const TipRange& range : ranges) {
    LONG start = std::max<LONG>(range.start, 0);
    if (start >= range.end) continue;
    Select(body, start, range.end);
    FormatSelection(body, paragraph, FormatOfKind(range.kind, look));
  }
  // Nothing selected and the caret at the start: a caret at the end would
  // keep the body scrolled to the article's last line.
  Select(body, 0, 0);
}

}  // namespace morvex::quickhint
