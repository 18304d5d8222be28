// CZString: a list of strings kept as one double-NUL-terminated block
// ("one\0two\0\0"), the form in which the dictionary engine passes word and
// article lists.
//
// SetZString fills the list from such a block; GetString hands the block back
// (GetString().GetLength() bytes of strings, each followed by its NUL, and
// then the string's own terminator, which makes the final double NUL). The
// read operations keep one read position; a string added after the position
// reached the end is still read by the next GetNext.
#pragma once

#include "base/BaseExport.h"
#include "base/MCObject.h"
#include "base/MCString.h"

class MBASE_API CZString : public MCObject {
 public:
  CZString();
  explicit CZString(const char* block);  // as SetZString
  ~CZString() override;

  // Empties the list and adds every string of block up to its first empty
  // string. Returns the count (0 for a null block). The block must end with
  // an empty string: it is read up to its double NUL.
  int SetZString(const char* block);
  // Appends text up to its first NUL; an empty text is ignored.
  void Add(MCString text);
  void RemoveAll();
  int GetSize() const { return count_; }
  MCString GetString() const { return storage_; }

  // String i (0-based), or "" when there is none (negative i included); the
  // read position moves to string i.
  MCString GetAt(int i);
  // String 0; the read position moves to string 1.
  MCString GetFirst();
  // The string at the read position, which moves on; "" at the end, where
  // the position stays.
  MCString GetNext();

 private:
  MCString storage_;
  int totalLength_ = 0;  // the string lengths + 1 each
  int count_ = 0;
  int readOffset_ = 0;  // byte offset of the read position in storage_
};
