// Editing a dictionary by rewriting its file: the request is planned against
// the listed words, the new file (records from the data start in index order,
// then the index) is laid out and checked in memory, written beside the old
// one and moved over it; the index and header in memory change last.
//
// An edit that keeps its word, on a file laid out as this editor writes it,
// changes one record and no word: the trie is kept with the offsets after
// the record shifted, and the records around it are copied in two pieces.
// Listing the words and building the trie again would cost more than the
// rewrite itself.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "base/CZString.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/DicEditPlan.h"
#include "lexicon/DicTrieScan.h"
#include "lexicon/DicTrieSearch.h"
#include "lexicon/DicWordOrder.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/ReplacementFile.h"

using dicedit::DicEditRequest;
using dicedit::DicWord;

namespace {

// As Load opens a writable dictionary.
constexpr unsigned kOpenWritable = MCFile::kTypeBinary | MCFile::kModeReadWrite;
constexpr uint32_t kDataStart = CDicHeader::kRegionSize;
constexpr uint64_t kOffsetLimit = 1u << 24;   // article offsets are 3 bytes
constexpr uint64_t kFileLimit = 0x7FFFFFFFu;  // the index offset is a signed 32-bit field
constexpr unsigned kIndexLengthBytes = 4;

bool IsStorableWord(const std::string& word) {
  return !word.empty() && word.size() <= static_cast<size_t>(CDicIndex::kMaxWordLength);
}

// The texts of a NUL-separated list ending with an empty one.
std::vector<std::string> ListItems(const char* block) {
  CZString list(block);
  std::vector<std::string> items;
  items.reserve(static_cast<size_t>(list.GetSize()));
  if (list.GetSize() > 0) items.emplace_back(static_cast<const char*>(list.GetFirst()));
  for (int i = 1; i < list.GetSize(); ++i)
    items.emplace_back(static_cast<const char*>(list.GetNext()));
  return items;
}

// Where each record of the old file ends: at the next greater record offset,
// or at the index for the last one. The file's own layout is not trusted:
// records may come in any order and with gaps, and each copy then still
// takes the whole of its record.
class OldRecordExtents {
 public:
  // 0 when a record offset lies outside the record region.
  int Measure(const std::vector<DicWord>& listed, int32_t indexOffset) {
    starts_.clear();
    for (const DicWord& word : listed) starts_.push_back(word.oldOffset);
    std::sort(starts_.begin(), starts_.end());
    starts_.erase(std::unique(starts_.begin(), starts_.end()), starts_.end());
    end_ = indexOffset;
    if (starts_.empty()) return 1;
    return starts_.front() >= static_cast<int32_t>(kDataStart) && starts_.back() < end_ ? 1 : 0;
  }

  uint32_t ExtentOf(int32_t offset) const {
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<uint32_t>((next == starts_.end() ? end_ : *next) - offset);
  }

 private:
  std::vector<int32_t> starts_;
  int32_t end_ = 0;
};

// The records of the new file, in index order, each copied from the old file
// or newly encoded, with the offset it gets.
struct PlacedRecord {
  int32_t oldOffset;  // dicedit::kNewRecord for an encoded one
  size_t encodedAt;   // in the encoded bytes
  uint32_t size;
  uint32_t offset;
};

struct NewFileLayout {
  std::vector<PlacedRecord> records;
  std::vector<unsigned char> encoded;  // the new records, back to back
  uint32_t indexOffset = kDataStart;
  uint32_t articleCount = 0;
};

// Splits the article into a tree of the dictionary's type and encodes it.
int AppendEncodedArticle(uint8_t type, const std::string& article,
                         std::vector<unsigned char>* encoded) {
  CEntry entry(type);
  SplitString(entry, MCString(article.c_str()));
  MCByteArray bytes;
  if (!EncodeEntryRecord(entry, bytes)) return 0;
  encoded->insert(encoded->end(), bytes.GetData(), bytes.GetData() + bytes.GetSize());
  return 1;
}

// Lays the records out from the data start and writes each offset into its
// slot of the new trie. 0 when an article cannot be stored or the file would
// pass a format limit.
int LayOutRecords(const std::vector<DicWord>& words, const DicEditRequest& request, uint8_t type,
                  const OldRecordExtents& extents, const MCDWordArray& slots, CDicIndex& trie,
                  NewFileLayout* layout) {
  uint64_t position = kDataStart;
  layout->records.reserve(words.size());
  for (size_t i = 0; i < words.size(); ++i) {
    const DicWord& word = words[i];
    PlacedRecord record{word.oldOffset, layout->encoded.size(), 0, static_cast<uint32_t>(position)};
    if (word.oldOffset == dicedit::kNewRecord) {
      if (!AppendEncodedArticle(type, request.articles[static_cast<size_t>(word.article)],
                                &layout->encoded)) {
        return 0;
      }
      record.size = static_cast<uint32_t>(layout->encoded.size() - record.encodedAt);
    } else {
      record.size = extents.ExtentOf(word.oldOffset);
    }
    if (position >= kOffsetLimit ||
        !trie.SetOffset(slots.GetAt(static_cast<int>(i)), record.offset)) {
      return 0;
    }
    position += record.size;
    layout->records.push_back(record);
  }
  if (position + kIndexLengthBytes + static_cast<uint64_t>(trie.GetLength()) > kFileLimit) return 0;
  layout->indexOffset = static_cast<uint32_t>(position);
  return 1;
}

// The plan of any request: the words listed, put in order and changed as it
// asks, a trie built of them and the records laid out after it.
dicedit::PlanResult PlanFullRewrite(CDicIndex& index, const CDicHeader& header,
                                    MD_PROGRESS_PROC progress, const DicEditRequest& request,
                                    CDicIndex* trie, NewFileLayout* layout) {
  const bool wordList = index.IsWordList() != 0;
  MCStringArray listedWords;
  MCDWordArray listedOffsets;
  const int listedCount = index.ListWords(listedWords, listedOffsets);
  // A partial listing would drop the unlisted words from the new file.
  if (listedCount < 0) return dicedit::PlanResult::kRefused;
  std::vector<DicWord> words;
  words.reserve(static_cast<size_t>(listedCount));
  for (int i = 0; i < listedCount; ++i) {
    words.push_back(DicWord{static_cast<const char*>(listedWords.GetAt(i)),
                            static_cast<int32_t>(listedOffsets.GetAt(i)), -1});
  }
  listedWords.RemoveAll();
  const CDicWordOrder order(header.langIn);
  dicedit::NormalizeListing(order, &words);
  OldRecordExtents extents;
  if (!wordList && !extents.Measure(words, header.indexOffset)) {
    return dicedit::PlanResult::kRefused;
  }
  const dicedit::PlanResult planned = dicedit::PlanEdit(order, request, &words);
  if (planned != dicedit::PlanResult::kChanged) return planned;

  trie->SetWordList(wordList);
  trie->SetLanguage(header.langIn);
  trie->SetProgressCallback(progress);
  MCStringArray newWords;
  newWords.SetSize(static_cast<int>(words.size()));
  if (newWords.GetSize() != static_cast<int>(words.size())) return dicedit::PlanResult::kRefused;
  for (size_t i = 0; i < words.size(); ++i)
    newWords.SetAt(static_cast<int>(i), words[i].word.c_str());
  MCDWordArray slots;
  if (!trie->Build(newWords, &slots)) return dicedit::PlanResult::kRefused;
  newWords.RemoveAll();
  if (!wordList && !LayOutRecords(words, request, header.type, extents, slots, *trie, layout)) {
    return dicedit::PlanResult::kRefused;
  }
  layout->articleCount = static_cast<uint32_t>(words.size());
  return dicedit::PlanResult::kChanged;
}

// Where the record of word end i ends, in a file whose records lie back to
// back in index order.
int32_t RecordEnd(const std::vector<dictrie::WordEnd>& ends, size_t i, int32_t indexOffset) {
  return i + 1 < ends.size() ? ends[i + 1].offset : indexOffset;
}

// The plan of an edit that keeps its word, when the old file holds its
// records back to back from the data start in the trie's order. False when
// it does not apply (another request, a word list, another layout, the old
// word absent, a limit passed): the request is then planned in full.
bool PlanRecordRewrite(const CDicIndex& index, const CDicHeader& header,
                       const DicEditRequest& request, CDicIndex* trie, NewFileLayout* layout) {
  if (request.kind != DicEditRequest::Kind::kEdit || request.words.size() != 1 ||
      request.articles.size() != 1 || request.words[0] != request.oldWord) {
    return false;
  }
  const dictrie::TrieView view(index.GetBytes(), static_cast<uint32_t>(index.GetLength()),
                               index.IsWordList() != 0);
  std::vector<dictrie::WordEnd> ends;
  // The header's count comes from the file: a word end takes at least an
  // end-of-word node.
  ends.reserve(std::min<size_t>(
      header.articleCount, static_cast<size_t>(index.GetLength()) / (1 + dictrie::kOffsetWidth)));
  uint32_t terminal = 0;
  if (!dictrie::ScanWordEnds(view, &ends) || ends.empty() ||
      ends.front().offset != static_cast<int32_t>(kDataStart) ||
      dictrie::FindExact(view, reinterpret_cast<const unsigned char*>(request.oldWord.data()),
                         request.oldWord.size(), &terminal, nullptr) == CDicIndex::kNotFound) {
    return false;
  }
  for (size_t i = 0; i < ends.size(); ++i) {
    if (RecordEnd(ends, i, header.indexOffset) <= ends[i].offset) return false;
  }
  // The scan meets the nodes at ascending positions, so the slots ascend.
  const auto found =
      std::lower_bound(ends.begin(), ends.end(), terminal + 1,
                       [](const dictrie::WordEnd& end, uint32_t slot) { return end.slot < slot; });
  if (found == ends.end() || found->slot != terminal + 1) return false;
  const size_t edited = static_cast<size_t>(found - ends.begin());

  if (!AppendEncodedArticle(header.type, request.articles[0], &layout->encoded)) return false;
  const uint32_t start = static_cast<uint32_t>(found->offset);
  const uint32_t oldEnd = static_cast<uint32_t>(RecordEnd(ends, edited, header.indexOffset));
  const uint32_t newSize = static_cast<uint32_t>(layout->encoded.size());
  const uint64_t newEnd = uint64_t{start} + newSize;
  const uint32_t after = static_cast<uint32_t>(header.indexOffset) - oldEnd;  // bytes of records
  const auto moved = [&](int32_t offset) {
    return static_cast<uint64_t>(offset) - oldEnd + newEnd;
  };
  // The last record moves furthest; the index comes after it.
  if (edited + 1 < ends.size() && moved(ends.back().offset) >= kOffsetLimit) return false;
  if (newEnd + after + kIndexLengthBytes + static_cast<uint64_t>(index.GetLength()) > kFileLimit) {
    return false;
  }

  if (!trie->LoadBytes(index.GetBytes(), index.GetLength())) return false;
  trie->SetLanguage(index.GetLanguage());
  for (size_t i = edited + 1; i < ends.size(); ++i) {
    if (!trie->SetOffset(ends[i].slot, static_cast<uint32_t>(moved(ends[i].offset)))) return false;
  }
  const PlacedRecord pieces[] = {
      {static_cast<int32_t>(kDataStart), 0, start - kDataStart, kDataStart},
      {dicedit::kNewRecord, 0, newSize, start},
      {static_cast<int32_t>(oldEnd), 0, after, static_cast<uint32_t>(newEnd)}};
  for (const PlacedRecord& piece : pieces) {
    if (piece.size > 0) layout->records.push_back(piece);
  }
  layout->indexOffset = static_cast<uint32_t>(newEnd + after);
  layout->articleCount = static_cast<uint32_t>(ends.size());
  return true;
}

// A stretch of the new file's records that comes from one place in one
// piece: a range of the old file, or of the newly encoded records.
struct RecordRun {
  bool fromOldFile = false;
  size_t start = 0;
  uint32_t length = 0;

  // Takes the record in when it continues the run.
  bool Extend(const PlacedRecord& record) {
    const bool old = record.oldOffset != dicedit::kNewRecord;
    const size_t at = old ? static_cast<size_t>(record.oldOffset) : record.encodedAt;
    if (length == 0 || old != fromOldFile || start + length != at) return false;
    length += record.size;
    return true;
  }

  void StartAt(const PlacedRecord& record) {
    fromOldFile = record.oldOffset != dicedit::kNewRecord;
    start = fromOldFile ? static_cast<size_t>(record.oldOffset) : record.encodedAt;
    length = record.size;
  }

  int WriteTo(ReplacementFile& out, MCFile& oldFile,
              const std::vector<unsigned char>& encoded) const {
    if (length == 0) return 1;
    if (fromOldFile) return out.CopyFrom(oldFile, static_cast<long>(start), length);
    return out.Write(encoded.data() + start, length);
  }
};

// Writes the whole new file: the header region, the records (each run of
// records that lie back to back in the old file, or among the new ones, in
// one piece), and the index.
int WriteNewFile(const CDicHeader& header, const NewFileLayout& layout, MCFile& oldFile,
                 const CDicIndex& trie, ReplacementFile& out) {
  unsigned char encodedHeader[CDicHeader::kEncodedSize];
  header.Encode(encodedHeader);
  // The bytes after the header, up to the data start, are zero.
  unsigned char region[CDicHeader::kRegionSize] = {};
  std::memcpy(region, encodedHeader, sizeof encodedHeader);
  if (!out.Write(region, sizeof region)) return 0;

  RecordRun run;
  for (const PlacedRecord& record : layout.records) {
    if (run.Extend(record)) continue;
    if (!run.WriteTo(out, oldFile, layout.encoded)) return 0;
    run.StartAt(record);
  }
  if (!run.WriteTo(out, oldFile, layout.encoded)) return 0;

  const uint32_t length = static_cast<uint32_t>(trie.GetLength());
  const unsigned char stored[kIndexLengthBytes] = {
      static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
      static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
  return out.Write(stored, sizeof stored) && out.Write(trie.GetBytes(), length) ? 1 : 0;
}

}  // namespace

// --- The five requests

int CDic::AddWord(const char* word, const char* article) {
  if (word == nullptr) return 0;
  DicEditRequest request;
  request.kind = DicEditRequest::Kind::kAdd;
  request.words.emplace_back(word);
  request.articles.emplace_back(article != nullptr ? article : "");
  return Edit(request);
}

int CDic::AddWords(const char* words, const char* articles) {
  if (words == nullptr) return 0;
  DicEditRequest request;
  request.kind = DicEditRequest::Kind::kAdd;
  request.words = ListItems(words);
  request.articles = ListItems(articles);
  return Edit(request);
}

int CDic::EditWord(const char* oldWord, const char* newWord, const char* article) {
  if (oldWord == nullptr || newWord == nullptr) return 0;
  DicEditRequest request;
  request.kind = DicEditRequest::Kind::kEdit;
  request.oldWord = oldWord;
  request.words.emplace_back(newWord);
  request.articles.emplace_back(article != nullptr ? article : "");
  return Edit(request);
}

int CDic::DeleteWord(const char* word) {
  if (word == nullptr) return 0;
  DicEditRequest request;
  request.kind = DicEditRequest::Kind::kDelete;
  request.words.emplace_back(word);
  return Edit(request);
}

int CDic::DeleteWords(const char* words) {
  if (words == nullptr) return 0;
  DicEditRequest request;
  request.kind = DicEditRequest::Kind::kDelete;
  request.words = ListItems(words);
  return Edit(request);
}

// --- The rewrite

int CDic::Edit(const DicEditRequest& request) {
  if (!open_ || !(loadFlags_ & kLoadWritable) || (loadFlags_ & kLoadHeaderOnly)) return 0;
  const bool wordList = IsWordList() != 0;
  // A type without records that is no word list (0 above all, before the
  // type is set) has no layout to store articles in.
  if (!wordList && !HasEntryRecords(header_.type)) return 0;
  if (request.kind != DicEditRequest::Kind::kDelete) {
    if (!std::all_of(request.words.begin(), request.words.end(), IsStorableWord)) return 0;
    // Word lists keep no articles; elsewhere each word needs its own.
    if (!wordList && request.articles.size() != request.words.size()) return 0;
  }

  CDicIndex trie;
  NewFileLayout layout;
  if (!PlanRecordRewrite(index_, header_, request, &trie, &layout)) {
    layout = NewFileLayout();  // whatever the refused plan had laid out
    switch (PlanFullRewrite(index_, header_, progress_, request, &trie, &layout)) {
      case dicedit::PlanResult::kRefused:
        return 0;
      case dicedit::PlanResult::kUnchanged:
        return 1;
      case dicedit::PlanResult::kChanged:
        break;
    }
  }
  CDicHeader header = header_;
  header.dataStart = static_cast<int32_t>(kDataStart);
  header.indexOffset = static_cast<int32_t>(layout.indexOffset);
  header.articleCount = layout.articleCount;

  ReplacementFile rewritten;
  const MCString path = file_.GetFilePath();
  if (!rewritten.Begin(path) || !WriteNewFile(header, layout, file_, trie, rewritten) ||
      !ReplaceFile(rewritten)) {
    return 0;
  }
  header_ = header;
  index_.LoadBytes(trie.GetBytes(), trie.GetLength());
  // The current article's record offset named a place in the old file.
  DeleteEntry();
  recordOffset_ = kNoRecord;
  return 1;
}

int CDic::ReplaceFile(ReplacementFile& rewritten) {
  // Windows moves nothing over a file that is held open or mapped.
  const MCString path = file_.GetFilePath();
  records_.Release();
  file_.Close();
  const int replaced = rewritten.Commit();
  if (!file_.Open(path, kOpenWritable)) {
    // Whichever file is there now cannot be read through this object.
    Close();
    return 0;
  }
  return replaced;
}
