// CListFile: a list of word pairs ("for" word, "to" word) read from a text
// file, with prefix and exact lookup and a current position to walk it.
//
// The file is 8-bit text, one pair per line: the first token is the "for"
// word, the second the "to" word (a line with one token pairs it with
// itself); tokens are separated by spaces, tabs, CR and LF and further tokens
// are ignored. Empty lines, lines of separators only and lines beginning with
// '*', CR or LF are skipped.
//
// The strings returned by the lookups point into the list's items and stay
// valid until the list is freed or destroyed. Exported for the dictionary
// libraries.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"

class MBASE_API CListItem : public MCObject {
 public:
  CListItem(MCString wordFor, MCString wordTo);
  ~CListItem() override;

  const MCString& GetWordFor() const { return wordFor_; }
  const MCString& GetWordTo() const { return wordTo_; }

 private:
  MCString wordFor_;
  MCString wordTo_;
};

class MBASE_API CListFile : public MCObject {
 public:
  // What Load returns.
  enum LoadResult : int { kLoaded = 0, kCannotOpen = 195, kEmptyName = 196 };

  CListFile();
  ~CListFile() override;  // frees the items

  // Appends the pairs of the file name; when it cannot be opened and dir is
  // not null, of dir immediately followed by name (dir must end in a
  // separator). A list loaded before is kept.
  int Load(const char* name, const char* dir);

  // The items (CListItem*, owned by the list) in file order.
  MCObArray& GetList() { return items_; }
  void FreeList();

  // The first item whose "for" word begins with word (byte-wise): its "to"
  // word, resp. the item. FindExect wants the "for" word to equal word. All
  // three move the current position to the item found, or past the end, and
  // give null when there is none (also for a null word).
  const char* Find(const char* word);
  CListItem* FindObj(const char* word);
  const char* FindExect(const char* word);

  // Walking: First goes to position 0, Next one further; both return the
  // item there. These and the getters give null past the end.
  CListItem* First();
  CListItem* Next();
  CListItem* GetCurrentItem() const;
  const char* GetWordFor() const;
  const char* GetWordTo() const;

 private:
  // Appends the pairs of one open-able file; false when it cannot be opened.
  bool LoadFile(const char* path);
  void AddLine(const MCString& line);
  CListItem* ItemAt(std::int32_t index) const;
  // The first item at which matches(item) holds; moves the position there.
  // A null word matches nothing.
  template <typename Matches>
  CListItem* FindFirst(const char* word, Matches matches);

  MCObArray items_;
  std::int32_t position_ = 0;
};
