// CLangData: the loaded alphabets (CLang) keyed by language id, and the
// process-wide instance that every character service consults.
//
// The dictionary engine's initialisation calls Load(data directory,
// "Lang.dat") on the instance GetLangData returns. Lang.dat is a compiled
// cache of the text source Lang.txt beside it: Load reads the cache when it
// is sound, otherwise parses the text source and writes a fresh cache for the
// next start. The formats: base/LangDataFile.h (the cache) and
// base/LangTextSource.cpp (the text grammar).
// Once languages are loaded they stay until MorvexBase is unloaded; later
// Loads return at once.
//
// Other instances may be made (the data tools and tests do); only the
// process-wide one serves the character services.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/CLang.h"
#include "base/MCMapWordToOb.h"

class MCFile;

class MBASE_API CLangData {
 public:
  // Load's results. (Enumerators, not static constants: a constant member
  // of an exported class would be imported from the DLL, which holds none.)
  enum LoadResult : std::int16_t {
    kLoaded = 0,
    kCannotOpen = 195,  // neither the cache nor a usable text source
    kEmptyPath = 196,
  };

  CLangData();
  // Deletes every language.
  virtual ~CLangData();
  CLangData(const CLangData&) = delete;
  CLangData& operator=(const CLangData&) = delete;

  // The loaded languages in the map's order (ascending buckets of id >> 4,
  // the newest entry of a bucket first); null at the end or when none is
  // loaded. GetFirst restarts the walk.
  CLang* GetFirst();
  CLang* GetNext();
  // Null when that language is not loaded.
  CLang* GetLang(unsigned short id) const;
  // The number of languages loaded.
  int GetLangCount() const;

  // Loads dir + "\" + name (no separator is added when dir is empty or ends
  // in "\" or "/"). Returns kLoaded (also when languages are loaded already),
  // kEmptyPath, or kCannotOpen: the compiled file is missing or damaged and
  // the text source (the name's extension replaced by ".txt") cannot be
  // opened or holds no language. A cache that cannot be written is not an
  // error; the next start parses the text again.
  std::int16_t Load(const char* dir, const char* name);

 protected:
  // Parses an open text source into the languages and returns the number of
  // languages it entered.
  int GetLanguageData(MCFile& text);

 private:
  // Takes ownership; a language of the same id is deleted.
  void Add(CLang* lang);
  void DeleteAll();
  bool LoadCompiled(const char* path);
  void WriteCompiled(const char* path) const;

  MCMapWordToOb languages_;
  POSITION position_;
};

extern "C" {

// The process-wide instance, made when MorvexBase is loaded.
MBASE_API CLangData* GetLangData();
// GetLangData()->GetLang(lang).
MBASE_API CLang* GetLang(unsigned short lang);

// The code of a keyword of the text source ("LANG" 0, "CHAR" 1, "SORT" 2,
// "TRAN" 3, compared without regard to 7-bit case), or -1.
MBASE_API int GetLangAttrNameId(const char* word);

}  // extern "C"
