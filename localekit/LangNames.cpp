#include "localekit/LangNames.h"

#include "localekit/LocaleKitResource.h"

namespace morvex::localekit {

namespace {

struct LangIndexEntry {
  long langId;
  int index;
};

const LangIndexEntry kLangIndexMap[] = {
    {0x400, 0},  // neutral: English
    {1033, 0},   // English
    {1049, 1},   // Russian
    {1031, 2},   // German
    {1036, 3},   // French
    {1034, 4},   // Spanish
    {1046, 5},   // Portuguese
    {1043, 6},   // Dutch
    {1040, 7},   // Italian
};

static_assert(IDS_LANG_NAMES_LAST - IDS_LANG_NAMES_FIRST + 1 == kLanguageCount);

// String `id` of `module` in the ANSI code page; empty when it is missing.
std::string LoadAnsiString(HINSTANCE module, UINT id) {
  const wchar_t* text = nullptr;
  // With no buffer, LoadString hands out the resource's own read-only text.
  int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return std::string();
  int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

// The next character of `p` as CharNextA steps, never standing still (an
// embedded NUL) nor passing `end`.
const char* NextChar(const char* p, const char* end) {
  const char* next = CharNextA(p);
  if (next <= p) next = p + 1;
  return next < end ? next : end;
}

}  // namespace

int LangIndex(long langId) {
  for (const LangIndexEntry& entry : kLangIndexMap) {
    if (entry.langId == langId) return entry.index;
  }
  return 0;
}

std::string PickNameField(const std::string& list, int langIndex, NameForm form) {
  const int wantedStar = static_cast<int>(form) + 2 * langIndex + 1;
  const char* p = list.c_str();
  const char* const end = p + list.size();
  int stars = 0;
  while (p < end && stars < wantedStar) {
    if (*p == '*') ++stars;
    p = NextChar(p, end);
  }
  if (stars < wantedStar) return std::string();
  const char* const start = p;
  while (p < end && *p != '*') p = NextChar(p, end);
  return std::string(start, p);
}

void LangNameLists::Load(HINSTANCE module) {
  for (int k = 0; k < kLanguageCount; ++k)
    lists_[k] = LoadAnsiString(module, IDS_LANG_NAMES_FIRST + k);
}

std::string LangNameLists::Name(long uiLangId, long langId, NameForm form) const {
  return PickNameField(lists_[LangIndex(uiLangId)], LangIndex(langId), form);
}

}  // namespace morvex::localekit
