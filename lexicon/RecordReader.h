// Reading article records (lexicon/EntryRecord.h has the layout): which
// parts a dictionary type's records hold, and the reader of their bytes.
// EntryRecord reads a record into the article tree with them, RecordStream
// reads one in place for showing it. Internal to the engine.
#pragma once

#include <stdint.h>

#include <cstring>
#include <memory>

#include "base/MCFile.h"

// What the records of one dictionary type hold.
struct RecordLayout {
  bool hasRecords;
  bool entryCodeAndAttr;  // the entry's code and attribute
  bool meanings;          // the entry's meanings
  bool meaningGroups;     // a meaning's synonym groups
  bool definitions;       // the definitions of groups and synonyms
  bool entryReference;    // the entry's reference
};

inline const RecordLayout& LayoutOf(uint8_t type) {
  static constexpr RecordLayout kNoRecords = {false, false, false, false, false, false};
  static constexpr RecordLayout kLayouts[] = {
      kNoRecords,                                // 0: not a dictionary type
      {true, true, true, true, false, true},     // 1: full articles
      {true, false, true, false, false, false},  // 2: meanings as codes and attributes
      {true, false, false, false, false, true},  // 3: references only
      {true, true, true, true, true, true},      // 4: full articles with definitions
      kNoRecords,                                // 5: word list
      kNoRecords,                                // 6: word list
      {true, false, false, false, false, true},  // 7: references only
  };
  return type < sizeof kLayouts / sizeof kLayouts[0] ? kLayouts[type] : kNoRecords;
}

// A text as a record holds it: `length` bytes, no terminator, and `after`
// more bytes that may be read behind it (the rest of what the reader holds).
struct RecordText {
  const char* chars = "";  // never null, so that any text may be copied
  int length = 0;
  int after = 0;

  bool IsEmpty() const { return length == 0; }
};

// The bytes of one record, from memory or from a file through a buffer,
// never beyond the record's extent. The first short read ends the record:
// every later read fails too.
class RecordReader {
 public:
  RecordReader(const unsigned char* bytes, unsigned size)
      : file_(nullptr), unread_(0), data_(bytes), pos_(0), end_(bytes ? size : 0) {}
  // Records are read from the mapped file but where the system cannot map
  // it: only then does a reader need a buffer.
  RecordReader(MCFile& file, unsigned extent)
      : file_(&file),
        unread_(extent),
        buffer_(new unsigned char[kBufferSize]),
        data_(buffer_.get()),
        pos_(0),
        end_(0) {}
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  bool Byte(uint8_t& value) {
    if (!Have(1)) return false;
    value = data_[pos_++];
    return true;
  }

  bool Char(char& value) {
    if (!Have(1)) return false;
    value = static_cast<char>(data_[pos_++]);
    return true;
  }

  // The characters stay valid until the next read.
  bool Text(RecordText& text) {
    uint8_t length = 0;
    if (!Byte(length) || !Have(length)) return false;
    text.chars = reinterpret_cast<const char*>(data_ + pos_);
    text.length = length;
    pos_ += length;
    text.after = static_cast<int>(end_ - pos_);
    return true;
  }

 private:
  static constexpr unsigned kBufferSize = 4096;  // holds the longest text many times over

  // True when `count` bytes are ready at pos_; refills from the file. The
  // check alone is inline: records are read from memory most of the time.
  bool Have(unsigned count) { return end_ - pos_ >= count || Refill(count); }

#if defined(__GNUC__)
  __attribute__((noinline))
#endif
  bool
  Refill(unsigned count) {
    if (file_ == nullptr || unread_ == 0) return Stop();
    const unsigned kept = end_ - pos_;
    unsigned char* buffer = buffer_.get();
    std::memmove(buffer, buffer + pos_, kept);
    pos_ = 0;
    end_ = kept;
    const unsigned wanted = unread_ < kBufferSize - kept ? unread_ : kBufferSize - kept;
    const unsigned got = file_->Read(buffer + kept, wanted);
    end_ += got;
    unread_ = got == wanted ? unread_ - got : 0;
    return end_ - pos_ >= count ? true : Stop();
  }

  bool Stop() {
    unread_ = 0;
    pos_ = end_;
    return false;
  }

  MCFile* file_;
  unsigned unread_;  // of the extent, still in the file
  std::unique_ptr<unsigned char[]> buffer_;
  const unsigned char* data_;
  unsigned pos_;
  unsigned end_;
};
