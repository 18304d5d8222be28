// Fuzzes the article record reader. The first byte picks the dictionary
// type, the rest is the record. Read in place as the dictionary form walks
// it, the record reads whole exactly when the tree does and then shows the
// same form; a record that reads whole writes back as exactly the bytes it
// was read from.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/MCArray.h"
#include "lexicon/ArticleDictionaryForm.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CEntry.h"
#include "lexicon/DicSearchFlags.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/RecordStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const uint8_t type = data[0] % 8;
  const unsigned char* record = data + 1;
  const unsigned recordSize = static_cast<unsigned>(size - 1);
  CDicEntry entry(type);
  entry.SetInWord("word");
  const int whole = DecodeEntryRecord(record, recordSize, entry);
  RecordStream stream(record, recordSize, type, "word", 4);
  ArticleTextBuffer shown;
  article_dict_form::AppendDicEntry(shown, stream);
  if (stream.ReadWhole() != (whole != 0)) __builtin_trap();
  if (!whole) return 0;

  const MCString fromTree = MergeString(entry, kMDFindDictForm);
  if (shown.size() != static_cast<size_t>(fromTree.GetLength()) ||
      std::memcmp(shown.data(), static_cast<const char*>(fromTree), shown.size()) != 0) {
    __builtin_trap();
  }

  MCByteArray written;
  if (!EncodeEntryRecord(entry, written)) __builtin_trap();
  const unsigned writtenSize = static_cast<unsigned>(written.GetSize());
  if (writtenSize > recordSize || std::memcmp(written.GetData(), record, writtenSize) != 0)
    __builtin_trap();
  return 0;
}
