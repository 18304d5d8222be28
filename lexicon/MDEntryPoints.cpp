// The engine's entry points (lexicon/MorvexLexicon.h) over CDic: a handle is
// a CDic, a member's result 1 becomes MD_OK and 0 MD_FAILED, and the searches
// hand out the current article as text. The editing entry points live in
// lexicon/MDEditEntryPoints.cpp.
#include "base/CLangData.h"
#include "base/LangIds.h"
#include "base/MCArray.h"
#include "base/MCString.h"
#include "grammar/GrammarTables.h"
#include "lexicon/CDic.h"
#include "lexicon/MDHandle.h"
#include "lexicon/MorvexLexicon.h"

namespace {

constexpr char kLangDataFile[] = "Lang.dat";

// The grammar tables are named by appending their file names to the
// directory, while the language data adds a separator itself: give both the
// same directory.
MCString WithSeparator(const char* dir) {
  MCString path(dir);
  if (!path.IsEmpty() && path[path.GetLength() - 1] != '\\' && path[path.GetLength() - 1] != '/') {
    path += '\\';
  }
  return path;
}

// What a search that found its word hands out: the word, and the current
// article in the form `flags` choose unless they ask for the word only (a
// word list has no article: null).
void HandOut(CDic& dic, int32_t flags, const char* found, const char** outWord,
             const char** article) {
  if (outWord) *outWord = found;
  if ((flags & kMDFindWordOnly) == 0 && article) *article = dic.GetEntryText(flags);
}

int Step(MD_HANDLE handle, bool forward, const char** outWord, const char** article) {
  CDic* dic = DicOf(handle);
  if (!dic) return MD_NO_HANDLE;
  const char* found = nullptr;
  if (!(forward ? dic->Next(&found) : dic->Prev(&found))) return MD_FAILED;
  HandOut(*dic, dic->GetIndex().GetSearchMode(), found, outWord, article);
  return MD_OK;
}

}  // namespace

// A null or empty directory is the current one, for both kinds of data.
int MDInit(const char* dataDir) {
  if (GetLangData()->Load(dataDir, kLangDataFile) != CLangData::kLoaded) return MD_NO_HANDLE;
  return OpenGrammar(WithSeparator(dataDir)) ? MD_OK : MD_NO_HANDLE;
}

MD_HANDLE MDOpen(const char* path, uint32_t loadFlags) {
  CDic* dic = new CDic;
  if (!dic) return nullptr;
  if (!dic->Load(path, loadFlags)) {
    delete dic;
    return nullptr;
  }
  return HandleOf(dic);
}

MD_HANDLE MDCreate(const char* path) {
  CDic* dic = new CDic;
  if (!dic) return nullptr;
  if (!dic->Create(path)) {
    delete dic;
    return nullptr;
  }
  return HandleOf(dic);
}

int MDClose(MD_HANDLE* handle) {
  if (!handle || !*handle) return MD_NO_HANDLE;
  delete DicOf(*handle);
  *handle = nullptr;
  return MD_OK;
}

// The article's form follows this call's flags: a flexion or prefix search
// does not change the stored mode, but it must not borrow its form either.
int MDFind(MD_HANDLE handle, int32_t flags, const char* word, const char** outWord,
           const char** article) {
  CDic* dic = DicOf(handle);
  if (!dic) return MD_NO_HANDLE;
  const char* found = nullptr;
  if (!dic->Find(flags, word, &found)) return MD_FAILED;
  HandOut(*dic, flags, found, outWord, article);
  return MD_OK;
}

int MDNext(MD_HANDLE handle, const char** outWord, const char** article) {
  return Step(handle, true, outWord, article);
}

int MDPrev(MD_HANDLE handle, const char** outWord, const char** article) {
  return Step(handle, false, outWord, article);
}

int MDSetDicProperty(MD_HANDLE handle, const MD_PROP* prop) {
  CDic* dic = DicOf(handle);
  return dic ? StatusOf(dic->SetDicProperty(prop)) : MD_NO_HANDLE;
}

int MDGetDicProperty(MD_HANDLE handle, MD_PROP* prop) {
  const CDic* dic = DicOf(handle);
  return dic ? StatusOf(dic->GetDicProperty(prop)) : MD_NO_HANDLE;
}

// The caller's room is fixed by the interface, the number of loaded
// languages is not: the list is made whole here and cut to that room.
int MDGetSupportLang(MD_HANDLE handle, unsigned short* ids) {
  const CDic* dic = DicOf(handle);
  if (!dic) return MD_NO_HANDLE;
  if (!ids) return MD_FAILED;
  MCWordArray all;
  all.SetSize(GetLangData()->GetLangCount() + 1);
  if (all.GetSize() == 0 || !dic->GetSupportLang(all.GetData())) return MD_FAILED;
  int count = 0;
  for (; count < MD_MAX_SUPPORT_LANG && all[count] != 0; ++count) ids[count] = all[count];
  ids[count] = 0;
  return MD_OK;
}
