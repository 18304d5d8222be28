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
#include "lexicon/RecordReader.h"

namespace {

constexpr unsigned kMaxTextLength = 255;  // a text's length is one byte
constexpr unsigned kMaxCount = 255;       // so is a count

// --- Reading.

// Each reader sets a field as soon as it is read, so a record that ends
// early leaves the fields after the end as they were.

bool ReadWordComb(RecordReader& in, CWordComb& comb) {
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

bool ReadSynonym(RecordReader& in, const RecordLayout& layout, CSynonym& synonym) {
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
    CWordComb* comb = synonym.AddNewWordComb();
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

bool ReadGroup(RecordReader& in, const RecordLayout& layout, CSynonymGroup& group) {
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
    CSynonym* synonym = group.AddNewSynonym();
    if (synonym == nullptr || !ReadSynonym(in, layout, *synonym)) return false;
  }
  return true;
}

bool ReadMeaning(RecordReader& in, const RecordLayout& layout, CMeaning& meaning) {
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
    CSynonymGroup* group = meaning.AddNewSynonymGroup();
    if (group == nullptr || !ReadGroup(in, layout, *group)) return false;
  }
  return true;
}

int ReadEntry(RecordReader& in, CEntry& entry) {
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
      CMeaning* meaning = entry.AddNewMeaning();
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
  RecordReader in(bytes, size);
  return ReadEntry(in, entry);
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
