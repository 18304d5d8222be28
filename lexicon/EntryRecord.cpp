#include "lexicon/EntryRecord.h"

#include <cstring>
#include <string>

#include "base/MCFile.h"
#include "base/MCString.h"
#include "lexicon/CEntry.h"
#include "lexicon/CMeaning.h"
#include "lexicon/CSynonym.h"
#include "lexicon/CSynonymGroup.h"
#include "lexicon/CWordComb.h"
#include "lexicon/RecordView.h"

namespace {

constexpr unsigned kMaxTextLength = 255;  // a text's length is one byte
constexpr unsigned kMaxCount = 255;       // so is a count

// What the records of one dictionary type hold.
struct RecordLayout {
  bool hasRecords;
  bool entryCodeAndAttr;  // the entry's code and attribute
  bool meanings;          // the entry's meanings
  bool meaningGroups;     // a meaning's synonym groups
  bool definitions;       // the definitions of groups and synonyms
  bool entryReference;    // the entry's reference
};

constexpr RecordLayout kNoRecords = {false, false, false, false, false, false};
constexpr RecordLayout kLayouts[] = {
    kNoRecords,                                // 0: not a dictionary type
    {true, true, true, true, false, true},     // 1: full articles
    {true, false, true, false, false, false},  // 2: meanings as codes and attributes
    {true, false, false, false, false, true},  // 3: references only
    {true, true, true, true, true, true},      // 4: full articles with definitions
    kNoRecords,                                // 5: word list
    kNoRecords,                                // 6: word list
    {true, false, false, false, false, true},  // 7: references only
};

const RecordLayout& LayoutOf(uint8_t type) {
  return type < sizeof kLayouts / sizeof kLayouts[0] ? kLayouts[type] : kNoRecords;
}

// --- Reading.

// The bytes of one record, from memory or from a file through a buffer,
// never beyond the record's extent. The first short read ends the record:
// every later read fails too.
class RecordReader {
 public:
  RecordReader(const unsigned char* bytes, unsigned size)
      : file_(nullptr), unread_(0), data_(bytes), pos_(0), end_(size) {}
  RecordReader(MCFile& file, unsigned extent)
      : file_(&file), unread_(extent), data_(buffer_), pos_(0), end_(0) {}

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
    std::memmove(buffer_, buffer_ + pos_, kept);
    pos_ = 0;
    end_ = kept;
    const unsigned wanted = unread_ < kBufferSize - kept ? unread_ : kBufferSize - kept;
    const unsigned got = file_->Read(buffer_ + kept, wanted);
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
  const unsigned char* data_;
  unsigned pos_;
  unsigned end_;
  unsigned char buffer_[kBufferSize];
};

// Each reader sets a field as soon as it is read, so a record that ends
// early leaves the fields after the end as they were. The readers fill the
// article tree (CEntry and its children) and the record view alike.

template <class WordComb>
bool ReadWordComb(RecordReader& in, WordComb& comb) {
  char syn = 0;
  uint8_t attrType = 0;
  RecordText text;
  if (!in.Char(syn)) return false;
  comb.SetSyn(syn);
  if (!in.Text(text)) return false;
  comb.SetSynonym(text.chars, text.length);
  if (!in.Byte(attrType)) return false;
  comb.SetAttrType(attrType);
  if (!in.Text(text)) return false;
  comb.SetAttr(text.chars, text.length);
  return true;
}

template <class Synonym>
bool ReadSynonym(RecordReader& in, const RecordLayout& layout, Synonym& synonym) {
  uint8_t byte = 0;
  RecordText text;
  if (!in.Byte(byte)) return false;
  synonym.SetContextType(byte);
  if (!in.Text(text)) return false;
  synonym.SetContext(text.chars, text.length);
  if (!in.Byte(byte)) return false;
  for (unsigned count = byte; count > 0; --count) {
    if (!in.Text(text) || synonym.AddLabel(text.chars, text.length) < 0) return false;
  }
  if (!in.Byte(byte)) return false;
  for (unsigned count = byte; count > 0; --count) {
    auto* comb = synonym.AddNewWordComb();
    if (comb == nullptr || !ReadWordComb(in, *comb)) return false;
  }
  if (layout.definitions) {
    if (!in.Text(text)) return false;
    synonym.SetDefinition(text.chars, text.length);
  }
  if (!in.Text(text)) return false;
  synonym.SetReference(text.chars, text.length);
  return true;
}

template <class SynonymGroup>
bool ReadGroup(RecordReader& in, const RecordLayout& layout, SynonymGroup& group) {
  uint8_t byte = 0;
  RecordText text;
  if (!in.Byte(byte)) return false;
  group.SetGroupNumber(byte);
  if (layout.definitions) {
    if (!in.Text(text)) return false;
    group.SetDefinition(text.chars, text.length);
  }
  if (!in.Byte(byte)) return false;
  for (unsigned count = byte; count > 0; --count) {
    auto* synonym = group.AddNewSynonym();
    if (synonym == nullptr || !ReadSynonym(in, layout, *synonym)) return false;
  }
  return true;
}

template <class Meaning>
bool ReadMeaning(RecordReader& in, const RecordLayout& layout, Meaning& meaning) {
  char syn = 0;
  uint8_t count = 0;
  RecordText text;
  if (!in.Char(syn)) return false;
  meaning.SetSyn(syn);
  if (!in.Text(text)) return false;
  meaning.SetAttr(text.chars, text.length);
  if (!layout.meaningGroups) return true;
  if (!in.Byte(count)) return false;
  for (; count > 0; --count) {
    auto* group = meaning.AddNewSynonymGroup();
    if (group == nullptr || !ReadGroup(in, layout, *group)) return false;
  }
  return true;
}

template <class Entry>
int ReadEntry(RecordReader& in, Entry& entry) {
  const RecordLayout& layout = LayoutOf(entry.GetType());
  entry.Free();
  if (!layout.hasRecords) return 0;
  RecordText text;
  if (layout.entryCodeAndAttr) {
    char syn = 0;
    if (!in.Char(syn)) return 0;
    entry.SetSyn(syn);
    if (!in.Text(text)) return 0;
    entry.SetAttr(text.chars, text.length);
  }
  if (layout.meanings) {
    uint8_t count = 0;
    if (!in.Byte(count)) return 0;
    for (; count > 0; --count) {
      auto* meaning = entry.AddNewMeaning();
      if (meaning == nullptr || !ReadMeaning(in, layout, *meaning)) return 0;
    }
  }
  if (layout.entryReference) {
    if (!in.Text(text)) return 0;
    entry.SetReference(text.chars, text.length);
  }
  return 1;
}

// --- Writing.

// Collects a record's bytes; a text or count that does not fit spoils it.
class RecordWriter {
 public:
  void Byte(uint8_t value) { bytes_ += static_cast<char>(value); }
  void Char(char value) { bytes_ += value; }
  void Count(int count) {
    if (count < 0 || static_cast<unsigned>(count) > kMaxCount) fits_ = false;
    Byte(static_cast<uint8_t>(count));
  }
  void Text(const MCString& text) {
    const unsigned length = static_cast<unsigned>(text.GetLength());
    if (length > kMaxTextLength) {
      fits_ = false;
      return;
    }
    Byte(static_cast<uint8_t>(length));
    bytes_.append(static_cast<const char*>(text), length);
  }

  bool Fits() const { return fits_; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  bool fits_ = true;
};

void WriteWordComb(RecordWriter& out, const CWordComb& comb) {
  out.Char(comb.GetSyn());
  out.Text(comb.GetSynonym());
  out.Byte(comb.GetAttrType());
  out.Text(comb.GetAttr());
}

void WriteSynonym(RecordWriter& out, const RecordLayout& layout, const CSynonym& synonym) {
  out.Byte(synonym.GetContextType());
  out.Text(synonym.GetContext());
  out.Count(synonym.GetSizeLabel());
  for (int i = 0; i < synonym.GetSizeLabel(); ++i) out.Text(synonym.GetLabels()[i]);
  out.Count(synonym.GetSizeWordComb());
  for (int i = 0; i < synonym.GetSizeWordComb(); ++i) WriteWordComb(out, *synonym.GetAtWordComb(i));
  if (layout.definitions) out.Text(synonym.GetDefinition());
  out.Text(synonym.GetReference());
}

void WriteGroup(RecordWriter& out, const RecordLayout& layout, const CSynonymGroup& group) {
  out.Byte(group.GetGroupNumber());
  if (layout.definitions) out.Text(group.GetDefinition());
  out.Count(group.GetSizeSynonym());
  for (int i = 0; i < group.GetSizeSynonym(); ++i)
    WriteSynonym(out, layout, *group.GetAtSynonym(i));
}

void WriteMeaning(RecordWriter& out, const RecordLayout& layout, const CMeaning& meaning) {
  out.Char(meaning.GetSyn());
  out.Text(meaning.GetAttr());
  if (!layout.meaningGroups) return;
  out.Count(meaning.GetSizeSynonymGroup());
  for (int i = 0; i < meaning.GetSizeSynonymGroup(); ++i)
    WriteGroup(out, layout, *meaning.GetAtSynonymGroup(i));
}

// False when the type has no records or the entry does not fit a record.
bool WriteEntry(RecordWriter& out, const CEntry& entry) {
  const RecordLayout& layout = LayoutOf(entry.GetType());
  if (!layout.hasRecords) return false;
  if (layout.entryCodeAndAttr) {
    out.Char(entry.GetSyn());
    out.Text(entry.GetAttr());
  }
  if (layout.meanings) {
    out.Count(entry.GetSizeMeaning());
    for (int i = 0; i < entry.GetSizeMeaning(); ++i)
      WriteMeaning(out, layout, *entry.GetAtMeaning(i));
  }
  if (layout.entryReference) out.Text(entry.GetReference());
  return out.Fits();
}

}  // namespace

int HasEntryRecords(uint8_t type) { return LayoutOf(type).hasRecords ? 1 : 0; }

int EncodeEntryRecord(const CEntry& entry, MCByteArray& bytes) {
  bytes.RemoveAll();
  RecordWriter out;
  if (!WriteEntry(out, entry)) return 0;
  const int size = static_cast<int>(out.Bytes().size());
  bytes.SetSize(size);
  if (bytes.GetSize() != size) return 0;
  std::memcpy(bytes.GetData(), out.Bytes().data(), out.Bytes().size());
  return 1;
}

int DecodeEntryRecord(const unsigned char* bytes, unsigned size, CEntry& entry) {
  RecordReader in(bytes, bytes ? size : 0);
  return ReadEntry(in, entry);
}

int DecodeRecordView(const unsigned char* bytes, unsigned size, RecordView& view) {
  RecordReader in(bytes, bytes ? size : 0);
  return ReadEntry(in, view);
}

int WriteEntryRecord(MCFile& file, const CEntry& entry) {
  RecordWriter out;
  if (!WriteEntry(out, entry)) return 0;
  const unsigned size = static_cast<unsigned>(out.Bytes().size());
  return file.Write(out.Bytes().data(), size) == size ? 1 : 0;
}

int ReadEntryRecord(MCFile& file, unsigned extent, CEntry& entry) {
  RecordReader in(file, extent);
  return ReadEntry(in, entry);
}
