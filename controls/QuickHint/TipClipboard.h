// The tip's copy onto the clipboard: the selected article bytes as they
// are (CF_TEXT) and decoded in the article language's code page
// (CF_UNICODETEXT), so that a Russian article pastes right whatever the
// system code page.
//
// Used by QuickHintCtrl::CopyText.
#pragma once

#include <windows.h>

#include <string>

namespace morvex::quickhint {

// Puts `bytes` on the clipboard for `owner`. False when the clipboard could
// not be opened.
bool PutTextOnClipboard(HWND owner, const std::string& bytes, UINT codePage);

}  // namespace morvex::quickhint
