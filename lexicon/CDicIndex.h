// CDicIndex: the word index of a dictionary, a packed character trie held
// whole in memory, with its searches (exact, near, prefix, flexion), the
// cursor that Next and Prev move, the listing of all words and the builder
// that makes the trie from a sorted word list.
//
// CDic (lexicon/CDic.h) holds one per dictionary: it loads the trie from the
// dictionary file, runs Find, Next and Prev through it and reads the article
// at the offset found. The editor rebuilds the trie from the listed words and
// writes the article offsets into the slots the builder reports.
//
// The trie comes from outside data, so every step of every walk is bounded
// by the trie's length; a damaged trie makes searches fail, never read out of
// bounds or loop. The searches allocate nothing. The trie layout is in
// lexicon/DicTrieFormat.h. The cursor keeps the branches down to the current
// word, so that Next and Prev step from there; when they are not known (after
// loading, building, or a walk that put the word back) they are found again
// from the word.
#pragma once

#include <cstdint>

#include "base/MCArray.h"
#include "base/MCString.h"
#include "lexicon/DicSearchFlags.h"
#include "lexicon/DicTrieSearch.h"
#include "lexicon/LexiconExport.h"
#include "lexicon/MdProp.h"

class MCFile;

// What the flag-driven searches need from the articles: the records part of
// the dictionary supplies it, so that the vulgar filter can look at an
// article's text.
class MLEX_API CDicArticleSource {
 public:
  virtual ~CDicArticleSource();
  // The text of the article at `offset`, stored under `word`, in the form the
  // flags choose (kMDFindDictForm: the dictionary form); null when it cannot
  // be read. Valid until the next call.
  virtual const char* GetArticleText(int32_t offset, const char* word, int32_t flags) = 0;
};

class MLEX_API CDicIndex {
 public:
  // Enumerators rather than static members: they need no definition that an
  // importing module would have to link.
  enum : int32_t { kNotFound = -1 };
  enum : int { kMaxWordLength = 255 };        // bytes, in every search and in the builder
  enum : uint32_t { kNoSlot = 0xFFFFFFFFu };  // Build's slot of a dropped duplicate

  CDicIndex();
  ~CDicIndex();
  CDicIndex(const CDicIndex&) = delete;
  CDicIndex& operator=(const CDicIndex&) = delete;

  // --- The trie.
  // Replaces the trie by a copy of `length` bytes. 1, or 0 (index empty) for
  // a negative length or null bytes with a positive length.
  int LoadBytes(const void* bytes, int length);
  // Reads the stored index at the file's current position: the 32-bit
  // little-endian length n, then n bytes. A length that runs past the end of
  // the file or a short read gives 0 and an empty index.
  int LoadFromFile(MCFile& file);
  // Writes the length and the trie bytes at the file's position; 1 or 0.
  int SaveToFile(MCFile& file) const;
  // Forgets the trie, the current word and the output buffer.
  void Empty();
  int GetLength() const;
  const unsigned char* GetBytes() const;  // GetLength() bytes

  // --- Settings from the dictionary's header.
  // Word lists (dictionary types 5 and 6) keep no article offsets in the trie.
  void SetWordList(int wordList);
  int IsWordList() const;
  // The input language: the upper-case forms of the prefix and flexion
  // searches are taken in it.
  void SetLanguage(unsigned short lang);
  unsigned short GetLanguage() const;
  // The builder calls it before each node; a return of 0 cancels the build.
  void SetProgressCallback(MD_PROGRESS_PROC progress);

  // --- The searches. Each returns the article offset (0 in word lists) or
  // kNotFound; inputs longer than kMaxWordLength fail, a null input is "".
  // Exact (byte equality): moves the cursor on success.
  int32_t FindExact(const char* word);
  // The first word in index order that begins with `word`: the current word
  // becomes it on success; a failure leaves the cursor where it was.
  int32_t FindNear(const char* word);
  // The longest stored word that begins `word`, its last letter possibly the
  // capital of the input's; written to the output buffer, cursor unchanged.
  int32_t FindPrefix(const char* word);
  // On an index of reversed words: the longest stored word that ends `word`
  // (its first letter possibly a capital), in reading order in the output
  // buffer. The input is not changed; the cursor is not moved.
  int32_t FindFlexion(const char* word);
  // The following (preceding) word in index order from the current word,
  // which becomes it; at either end kNotFound and the cursor stays.
  int32_t Next();
  int32_t Prev();
  const char* GetCurrentWord() const;
  const char* GetOutputWord() const;

  // --- The flag-driven searches of CDic::Find, Next and Prev.
  // Runs the search kind the flags name (kMDFindWordOnly alone: exact;
  // no kind: nothing, kNotFound). Flags without kMDFindFlexion and
  // kMDFindPrefix become the stored search mode. foundWord (may be null)
  // receives null for exact, else the current word or the output buffer.
  // With kMDFindNoVulgar (and without kMDFindWordOnly) an article whose text
  // from `articles` carries the label "vulg" is passed over: an exact search
  // then fails, a near search moves on with Next to the first article without
  // it (the cursor stays on the near result when there is none).
  int32_t Find(int32_t flags, const char* word, const char** foundWord,
               CDicArticleSource* articles);
  // Next and Prev under the stored search mode: with kMDFindNoVulgar they
  // walk on past every marked article; when none is left they fail and the
  // cursor is back where it started.
  int32_t Next(const char** foundWord, CDicArticleSource* articles);
  int32_t Prev(const char** foundWord, CDicArticleSource* articles);
  int32_t GetSearchMode() const;
  void SetSearchMode(int32_t flags);

  // --- Listing: every word in index order with its offset, until Next
  // fails (or a damaged trie stops advancing). Returns the count, or -1
  // (both arrays empty) when they cannot hold the list. The cursor is kept.
  int ListWords(MCStringArray& words, MCDWordArray& offsets);

  // --- Building from the complete word list in index order
  // (lexicon/DicWordOrder.h). Byte-equal neighbours are kept once. slots
  // (may be null) receives, per input word, the trie position of its 3-byte
  // article offset (kNoSlot for a dropped duplicate; nothing for word lists).
  // An empty list empties the trie. Fails (0, index unchanged) on an empty
  // word, a word over kMaxWordLength, a list out of order (a child range
  // that is not contiguous, a word after its extensions), a node of more than
  // 127 children, a position at or above 2^24, or a cancelling callback.
  int Build(const MCStringArray& words, MCDWordArray* slots);
  // Writes an article offset into a slot Build reported; 0 for a slot outside
  // the trie or an offset at or above 2^24.
  int SetOffset(uint32_t slot, uint32_t offset);

 private:
  // The walk of Next (forward) or Prev; the position of the node where the
  // found word ends goes to terminal.
  int32_t Step(bool forward, uint32_t* terminal);
  int32_t FilteredStep(bool forward, int32_t mode, const char** foundWord,
                       CDicArticleSource* articles);
  bool IsVulgarArticle(int32_t offset, int32_t flags, const char* word,
                       CDicArticleSource* articles) const;

  // Puts `word` back as the current word; its path is found again when needed.
  void RestoreCurrentWord(const char* word);

  MCString trie_;
  char currentWord_[kMaxWordLength + 1];
  dictrie::TriePath currentPath_;
  char output_[kMaxWordLength + 1];
  int16_t wordList_;
  unsigned short lang_;
  int32_t searchMode_;
  MD_PROGRESS_PROC progress_;
};
