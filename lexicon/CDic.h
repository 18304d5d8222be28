// CDic: one open dictionary file. It opens or creates the file, keeps its
// header in memory, loads the word index (CDicIndex), holds the current
// article and answers property requests through MD_PROP. The engine's entry
// points hand out a CDic's address as the dictionary handle; the
// base-dictionary queues own CDic objects too.
//
// Every operation returns 1 for success and 0 for failure. A CDic is used by
// one thread at a time.
//
// Where the members are defined:
//   CDic.cpp         lifecycle, opening modes, properties
//   CDicArticle.cpp  the current article and its record
//   CDicSearch.cpp   the searches
//   CDicEdit.cpp     editing by rewriting the file
#pragma once

#include <stdint.h>

#include "base/MCFile.h"
#include "base/MCFileMapping.h"
#include "base/MCObject.h"
#include "base/MCString.h"
#include "lexicon/CDicHeader.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/LexiconExport.h"
#include "lexicon/MdProp.h"

class CDicEntry;
class ArticleTextBuffer;
class ReplacementFile;
namespace dicedit {
struct DicEditRequest;
}
class CEntry;

// The language of the dictionary that was loaded fully or whose properties
// were set last; every CDic constructor resets it to 0. Kept for the
// engine's callers: each dictionary orders and searches its words in its own
// input language, never in this one.
extern "C" MLEX_API uint16_t SortLanguage;

class MLEX_API CDic : public MCObject {
 public:
  // Flags of Load.
  enum LoadFlag : unsigned {
    kLoadWritable = 0x1,    // open for reading and writing, exclusively
    kLoadHeaderOnly = 0x2,  // read the header and nothing else
  };
  enum : int32_t { kNoRecord = -1 };  // the record offset without a record

  // Closed, with an empty index and no current article.
  CDic();
  // Closes the file and frees the index and the current article.
  ~CDic() override;
  CDic(const CDic&) = delete;
  CDic& operator=(const CDic&) = delete;

  // --- Lifecycle.
  // Opens an existing dictionary. A dictionary that is already open keeps
  // its file, flags and index and succeeds at once. Fails, leaving the
  // object closed and its header as it was, for a null or empty path, a file
  // that cannot be opened, a header shorter than 169 bytes, and (unless
  // header-only) an index that does not lie within the file.
  int Load(const char* path, unsigned flags);
  // Makes a new, empty dictionary file (an existing one is replaced) holding
  // a fresh header alone, and leaves it open for writing.
  int Create(const char* path);
  // Closes the file and forgets the index and the current article; the
  // header keeps its values.
  void Close();

  // --- Properties.
  // Fills the members whose MD_PROP flag is set; 0 for a null record.
  int GetDicProperty(MD_PROP* prop) const;
  // Sets the members whose flag is set and, when the dictionary is open,
  // writes the header back to the file. The header in memory changes only
  // when that write succeeded (0 otherwise). A dictionary whose file cannot
  // be opened again afterwards is closed, and the result is 0. A change of
  // the type of a dictionary that has an index is refused: its index and
  // records would be read in another layout. 0 for a null record.
  int SetDicProperty(const MD_PROP* prop);
  // The ids of every loaded language and a 0 (see base/LangIds.h).
  int GetSupportLang(unsigned short* ids) const;

  int IsOpen() const { return open_; }
  unsigned GetLoadFlags() const { return loadFlags_; }
  const CDicHeader& GetHeader() const { return header_; }
  // Types 5 and 6 hold words only: no article records.
  int IsWordList() const;
  CDicIndex& GetIndex() { return index_; }
  const CDicIndex& GetIndex() const { return index_; }

  // --- The current article.
  // The current article, owned by the dictionary and replaced by every
  // search; null when there is none. A record a search read for its
  // dictionary form alone is read into the article now.
  CDicEntry* GetEntry();
  // Reads the record at the current record offset into the current article
  // unless it was read already. 1 when the article holds its whole record;
  // 0 without a current article, without a record offset, or for a record
  // that ends before its layout does (what was read stays in the article).
  int LoadEntry();
  int32_t GetRecordOffset() const { return recordOffset_; }
  // The current article as text, as far as it was read: with
  // kMDFindDictForm in `flags` the dictionary form with its head word, else
  // the plain entry text without it. The text stays in the dictionary until
  // the next call; null without a current article (word lists).
  const char* GetEntryText(int32_t flags);

  // --- Searches through the word index, which keeps the stored search mode
  // (flags and kinds: lexicon/CDicIndex.h). Each replaces the current
  // article; a word found becomes its head word (exact and near searches,
  // Next and Prev) and, unless only the word is asked for (kMDFindWordOnly,
  // for Next and Prev in the stored mode) or the dictionary is a word list,
  // its record is read. 1 when the word was found and its record, when read,
  // was whole; 0 otherwise. outWord (may be null) is set as the index sets
  // it. The no-vulgar filter looks at each candidate's text in the form the
  // flags (for Next and Prev the stored mode) choose, as GetEntryText gives it.
  int Find(int32_t flags, const char* word, const char** outWord);
  int Next(const char** outWord);
  int Prev(const char** outWord);

  // --- Editing (CDicEdit.cpp), on a dictionary opened writable and whole.
  // Each request writes the complete new file beside the old one and puts
  // it in its place in one step; only then do the index and header in memory
  // become the new ones. On failure (0) the dictionary reads exactly as
  // before, on disk and here. Lists are NUL-terminated texts ending with an
  // empty one; articles are in the plain article syntax.
  //
  // Words are matched byte for byte; a new word has 1 to 255 bytes. Adding
  // skips a word already present (also a repeat within one list); an article
  // list holds one text per word (word lists, types 5 and 6, take none); a
  // null article is an empty one. An edit fails when its old word is absent
  // or its new word is another present one. Deleting skips absent words.
  // Types 2 and 3 take their head words reversed, as their index keeps them. A
  // request that changes no word writes nothing and succeeds. Refused too: a
  // dictionary of a type without records that is no word list (a new one
  // before its type is set), a record offset outside the records, an article
  // that does not fit a record, a file that would pass the 3-byte offsets.
  // When the new file is in place but cannot be opened again, the result is
  // 0 and the dictionary is closed.
  int AddWord(const char* word, const char* article);
  int AddWords(const char* words, const char* articles);
  int EditWord(const char* oldWord, const char* newWord, const char* article);
  int DeleteWord(const char* word);
  int DeleteWords(const char* words);

 private:
  // Empties the current article in place (a new one only when there is none
  // or the dictionary's type changed) and forgets the record offset and the
  // text. Word lists get no article. 0 when no article could be made.
  int ResetEntry();
  void DeleteEntry();
  int Step(bool forward, const char** outWord);
  // The word found has its article at offset: it becomes the current record
  // under `headWord` and, unless `flags` ask for the word only, is read for
  // the text form they choose (unless the vulgar filter read it already).
  // Word lists have none.
  int TakeRecord(int32_t offset, const char* headWord, int32_t flags);
  // The record at `offset` becomes the current article's, under `headWord`,
  // unread: the article must have been emptied.
  void SelectRecord(int32_t offset, const char* headWord);
  // Makes the current article the record at `offset` under `headWord`, read
  // now unless it is that already: for the dictionary form, in place where
  // the file is mapped, else into the article. 1 when the record is whole.
  int HoldRecord(int32_t offset, const char* headWord, int32_t flags);
  // The record at `offset` and the room it has before the index or the end
  // of the file, in the mapped file (null when that cannot be mapped).
  const unsigned char* MappedRecord(int32_t offset, unsigned* extent);
  // Reads the record at `offset` into `entry`, within that room; 1 when it
  // was whole.
  int ReadRecordAt(int32_t offset, CEntry& entry);
  // Writes the current record's dictionary form straight from its bytes
  // (lexicon/RecordStream.h), leaving the article to be read when asked; false,
  // with nothing changed, where the file is not mapped or the record is not
  // whole (the article then shows what there is).
  bool ShowRecordInPlace();
  // The current article as text in the form `flags` choose, merged only when
  // the last text was not of that form.
  const char* MergedText(int32_t flags);

  // The article texts the index's no-vulgar filter looks at: each candidate
  // becomes the current article, so that the one the search ends on is read
  // and merged once (CDicArticle.cpp).
  class RecordArticles : public CDicArticleSource {
   public:
    explicit RecordArticles(CDic& dic) : dic_(dic) {}
    const char* GetArticleText(int32_t offset, const char* word, int32_t flags) override;

   private:
    CDic& dic_;
  };

  // Tells the index what the header says about it.
  void ApplyHeaderToIndex();

  // --- Editing (CDicEdit.cpp).
  // Plans the request against the listed words and, when it changes any,
  // rewrites the file and takes the new index and header.
  int Edit(const dicedit::DicEditRequest& request);
  // Puts the rewritten file in place of the open one and reopens it; on
  // failure the old file is reopened (the object is closed when even that
  // fails).
  int ReplaceFile(ReplacementFile& rewritten);
  // --- (end of editing)

  enum : int32_t { kNoText = -1 };  // entryText_ is not the current article's

  MCFile file_;
  // The file's bytes, for reading records: mapped at the first record read
  // and released whenever file_ is closed.
  MCFileMapping records_;
  int open_;
  unsigned loadFlags_;
  CDicHeader header_;
  CDicIndex index_;
  CDicEntry* entry_;
  // The current record's text was written from its bytes; entry_ is read
  // when asked for.
  int entryPending_;
  ArticleTextBuffer* inPlaceText_;  // kept for its room
  MCString entryText_;              // the current article as last merged into text
  int32_t textForm_;                // kMDFindDictForm or 0: the form entryText_ holds; or kNoText
  int entryWhole_;                  // the current article's read found its whole record
  int32_t recordOffset_;            // of the current article, or kNoRecord
  MD_PROGRESS_PROC progress_;
};
