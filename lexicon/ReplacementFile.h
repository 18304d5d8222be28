// ReplacementFile: the new contents of a file, written beside it under a
// fresh name and then moved over it in one step, so that the file is at any
// moment either wholly old or wholly new. Dictionary editing
// (lexicon/CDicEdit.cpp) writes every rewritten dictionary through it.
//
// Every write is checked; the first failure sticks, and every later call
// fails. Until Commit succeeds the temporary file is removed again on
// destruction, so a failed rewrite leaves only the old file behind (unless
// the system refuses that removal too).
#pragma once

#include <string>
#include <vector>

#include "base/MCFile.h"

class ReplacementFile {
 public:
  ReplacementFile() = default;
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Creates the temporary file, exclusively, in the directory of `target`
  // (a full path), and opens it for writing. 0 when no name could be made.
  int Begin(const char* target);
  // Appends bytes; 1 when all were written.
  int Write(const void* bytes, unsigned count);
  // Appends `count` bytes of `source` from `offset`.
  int CopyFrom(MCFile& source, long offset, unsigned count);
  // Flushes the file to the disk, closes it and moves it over the target
  // (which must not be open here, or the move fails on Windows). 1 when the
  // target now holds the new contents.
  int Commit();

  const std::string& GetTemporaryPath() const { return temporary_; }

 private:
  // Drops the temporary file, if it is still there.
  void Discard();

  MCFile file_;
  std::string target_;
  std::string temporary_;
  std::vector<unsigned char> copyBuffer_;
  bool failed_ = false;
  bool committed_ = false;
};
