#include "base/LangIds.h"

#include <cstring>

#include "base/CLangData.h"

const char* LangIdToStr(unsigned short lang) {
  const CLang* found = GetLang(lang);
  return found ? found->GetLangStr(nullptr) : nullptr;
}

const char* LangIdToString(unsigned short lang) {
  const CLang* found = GetLang(lang);
  return found ? found->GetLanguageString(nullptr) : nullptr;
}

int GetSupportLang(unsigned short* ids) {
  if (!ids) return 0;
  CLangData* data = GetLangData();
  for (const CLang* lang = data->GetFirst(); lang; lang = data->GetNext()) {
    *ids++ = lang->GetLangId();
  }
  *ids = 0;
  return 1;
}

unsigned short* CopyLangId(unsigned short* dst, const unsigned short* src) {
  if (!dst || !src) return dst;
  do {
    *dst = *src++;
  } while (*dst++ != 0);
  return dst;
}

int IsMemberLangId(const unsigned short* list, unsigned short id) {
  if (!list) return 0;
  for (;; ++list) {
    if (*list == id) return 1;
    if (*list == 0) return 0;
  }
}

char* InvertLanguages(char* pair) {
  if (!pair || std::strlen(pair) < 4) return pair;
  const char first[2] = {pair[0], pair[1]};
  pair[0] = pair[2];
  pair[1] = pair[3];
  pair[2] = first[0];
  pair[3] = first[1];
  pair[4] = '\0';
  return pair;
}
