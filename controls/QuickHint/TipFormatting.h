// The showing of a scanned article in the tip's rich-edit body: the text
// set once as wide characters decoded in the article language's code page,
// then the tab stops and the character format of each range (braces italic
// grey, labels grey, the rest in the text colour).
//
// Used by QuickHintCtrl after ScanTipArticle (portable/TipArticleScan.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "TipArticleScan.h"

namespace morvex::quickhint {

// The article's code page: 1251 for Russian (language 25), else 1252.
UINT ArticleCodePage(long language);
// The character set of the tip's fonts and formats for a language.
BYTE ArticleCharset(long language);

struct TipLook {
  COLORREF textColour;
  long language;  // of the article
};

// Sets `shown` (the scanned bytes) into `body` and formats it by `ranges`;
// the selection is removed afterwards.
void ShowTipArticle(HWND body, const std::string& shown, const std::vector<TipRange>& ranges,
                    const TipLook& look);

}  // namespace morvex::quickhint
