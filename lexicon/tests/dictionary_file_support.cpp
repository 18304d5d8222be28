#include "lexicon/tests/dictionary_file_support.h"

#include "base/MCArray.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDicHeader.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"

namespace {

std::string U32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

}  // namespace

std::string DictionaryFileBytes(uint8_t type, const std::vector<ArticleRow>& rows) {
  const bool wordList = type == 5 || type == 6;
  CDicIndex index;
  index.SetWordList(wordList);
  MCStringArray words;
  for (const ArticleRow& row : rows) words.Add(row.word.c_str());
  MCDWordArray slots;
  if (!index.Build(words, &slots)) return "";

  std::string records;
  for (size_t i = 0; !wordList && i < rows.size(); ++i) {
    CEntry entry(type);
    SplitString(entry, rows[i].text.c_str());
    MCByteArray record;
    if (!EncodeEntryRecord(entry, record)) return "";
    const uint32_t offset = CDicHeader::kRegionSize + static_cast<uint32_t>(records.size());
    if (!index.SetOffset(slots[static_cast<int>(i)], offset)) return "";
    records.append(reinterpret_cast<const char*>(record.GetData()),
                   static_cast<size_t>(record.GetSize()));
  }

  CDicHeader header = CDicHeader::ForNewFile(1700000000);
  header.type = type;
  header.langIn = 1033;
  header.langOut = 1049;
  header.articleCount = static_cast<uint32_t>(rows.size());
  header.indexOffset = CDicHeader::kRegionSize + static_cast<int32_t>(records.size());
  unsigned char encoded[CDicHeader::kEncodedSize];
  header.Encode(encoded);
  std::string file(reinterpret_cast<const char*>(encoded), sizeof encoded);
  file.resize(CDicHeader::kRegionSize, '\0');
  file += records;
  file += U32(static_cast<uint32_t>(index.GetLength()));
  file.append(reinterpret_cast<const char*>(index.GetBytes()),
              static_cast<size_t>(index.GetLength()));
  return file;
}
