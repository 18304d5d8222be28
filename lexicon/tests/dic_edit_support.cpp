#include "lexicon/tests/dic_edit_support.h"

#include <filesystem>

#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDicHeader.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/tests/dic_test_support.h"

namespace {

bool IsWordListType(uint8_t type) { return type == 5 || type == 6; }

uint32_t ReadU32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

bool CreateForEditing(CDic& dic, const std::string& path, uint8_t type, uint16_t langIn) {
  if (!dic.Create(path.c_str())) return false;
  MD_PROP prop = {};
  prop.flags = MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT;
  prop.type = type;
  prop.langIn = langIn;
  prop.langOut = langIn == kEnglishLang ? kRussianLang : kEnglishLang;
  return dic.SetDicProperty(&prop) == 1;
}

std::string StoredText(uint8_t type, const std::string& article) {
  if (IsWordListType(type)) return "";
  CEntry entry(type);
  SplitString(entry, MCString(article.c_str()));
  return static_cast<const char*>(MergeString(entry, 0));
}

Contents ReadThrough(CDic& dic) {
  MCStringArray words;
  MCDWordArray offsets;
  dic.GetIndex().ListWords(words, offsets);
  Contents contents;
  for (int i = 0; i < words.GetSize(); ++i) {
    const std::string word = static_cast<const char*>(words.GetAt(i));
    if (!dic.Find(kMDFindExact, word.c_str(), nullptr)) {
      contents[word] = "<not found or record broken>";
    } else if (dic.GetEntry() != nullptr) {
      contents[word] =
          static_cast<const char*>(MergeString(static_cast<const CEntry&>(*dic.GetEntry()), 0));
    } else {
      contents[word] = "";
    }
  }
  return contents;
}

std::string FileBytesOf(CDic& dic, const std::string& path) {
  dic.Close();
  const std::string bytes = ReadWholeFile(path);
  EXPECT_EQ(dic.Load(path.c_str(), CDic::kLoadWritable), 1) << path;
  return bytes;
}

::testing::AssertionResult HasEditedLayout(const std::string& bytes) {
  CDicHeader header;
  if (!header.Decode(reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<unsigned>(bytes.size()))) {
    return ::testing::AssertionFailure() << "no whole header";
  }
  const uint32_t dataStart = CDicHeader::kRegionSize;
  if (header.dataStart != static_cast<int32_t>(dataStart))
    return ::testing::AssertionFailure() << "data start " << header.dataStart;
  if (bytes.substr(CDicHeader::kEncodedSize, dataStart - CDicHeader::kEncodedSize) !=
      std::string(dataStart - CDicHeader::kEncodedSize, '\0')) {
    return ::testing::AssertionFailure() << "the bytes after the header are not zero";
  }
  const size_t indexAt = static_cast<size_t>(header.indexOffset);
  if (header.indexOffset < static_cast<int32_t>(dataStart) || indexAt + 4 > bytes.size())
    return ::testing::AssertionFailure() << "index offset " << header.indexOffset;
  const uint32_t trieLength = ReadU32(bytes, indexAt);
  if (indexAt + 4 + trieLength != bytes.size())
    return ::testing::AssertionFailure() << "the index does not end the file";

  CDicIndex index;
  index.SetWordList(IsWordListType(header.type));
  index.LoadBytes(bytes.data() + indexAt + 4, static_cast<int>(trieLength));
  MCStringArray words;
  MCDWordArray offsets;
  const int count = index.ListWords(words, offsets);
  if (static_cast<uint32_t>(count) != header.articleCount)
    return ::testing::AssertionFailure()
           << count << " words, the header says " << header.articleCount;
  if (IsWordListType(header.type)) {
    if (indexAt != dataStart) return ::testing::AssertionFailure() << "a word list with records";
    return ::testing::AssertionSuccess();
  }
  uint32_t expected = dataStart;
  for (int i = 0; i < count; ++i) {
    const uint32_t offset = offsets.GetAt(i);
    const uint32_t end = i + 1 < count ? offsets.GetAt(i + 1) : header.indexOffset;
    if (offset != expected || end <= offset) {
      return ::testing::AssertionFailure()
             << "record of " << words.GetAt(i) << " at " << offset << ", expected at " << expected;
    }
    // Exactly one whole record: read and encoded again, it gives its bytes.
    const std::string record = bytes.substr(offset, end - offset);
    CEntry entry(header.type);
    MCByteArray again;
    if (!DecodeEntryRecord(reinterpret_cast<const unsigned char*>(record.data()),
                           static_cast<unsigned>(record.size()), entry) ||
        !EncodeEntryRecord(entry, again) ||
        std::string(reinterpret_cast<const char*>(again.GetData()),
                    static_cast<size_t>(again.GetSize())) != record) {
      return ::testing::AssertionFailure()
             << "the extent of " << words.GetAt(i) << " is not one whole record";
    }
    expected = end;
  }
  if (expected != static_cast<uint32_t>(header.indexOffset))
    return ::testing::AssertionFailure() << "the records end at " << expected;
  return ::testing::AssertionSuccess();
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  return names;
}

std::string ZList(const std::vector<std::string>& items) {
  std::string list;
  for (const std::string& item : items) list += item + '\0';
  return list + '\0';
}
