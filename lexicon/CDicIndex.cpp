#include "lexicon/CDicIndex.h"

#include <cstring>
#include <vector>

#include "base/CharServices.h"
#include "base/MCFile.h"
#include "lexicon/DicTrieBuilder.h"
#include "lexicon/DicTrieFormat.h"
#include "lexicon/DicTrieSearch.h"
#include "lexicon/VulgarLabel.h"

namespace {

constexpr int32_t kSearchKinds = kMDFindExact | kMDFindNear | kMDFindFlexion | kMDFindPrefix;
constexpr int kStoredLengthBytes = 4;

const unsigned char* Bytes(const char* word) {
  return reinterpret_cast<const unsigned char*>(word);
}

// The length of a search input, or false when it is longer than a word can be.
bool MeasureInput(const char* word, size_t* length) {
  size_t n = 0;
  while (word[n] != '\0') {
    if (++n > static_cast<size_t>(CDicIndex::kMaxWordLength)) return false;
  }
  *length = n;
  return true;
}

void CopyWord(const char* from, char* to) { std::memcpy(to, from, std::strlen(from) + 1); }

}  // namespace

CDicArticleSource::~CDicArticleSource() = default;

CDicIndex::CDicIndex() : wordList_(0), lang_(0), searchMode_(0), progress_(nullptr) {
  currentWord_[0] = '\0';
  output_[0] = '\0';
}

CDicIndex::~CDicIndex() = default;

// --- The trie

int CDicIndex::LoadBytes(const void* bytes, int length) {
  Empty();
  if (length < 0 || (length > 0 && !bytes)) return 0;
  trie_ = MCString(static_cast<const char*>(bytes), length);
  return 1;
}

int CDicIndex::LoadFromFile(MCFile& file) {
  Empty();
  const long start = file.Seek(0, MCFile::kCurrent);
  const long end = file.SeekToEnd();
  if (start < 0 || end < start || file.Seek(start, MCFile::kBegin) != start) return 0;
  unsigned char stored[kStoredLengthBytes];
  if (file.Read(stored, kStoredLengthBytes) != kStoredLengthBytes) return 0;
  const uint32_t length = static_cast<uint32_t>(stored[0]) | static_cast<uint32_t>(stored[1]) << 8 |
                          static_cast<uint32_t>(stored[2]) << 16 |
                          static_cast<uint32_t>(stored[3]) << 24;
  // The length is outside data: never allocate past what the file holds
  // (the read above proved that the file holds the length field).
  const unsigned long available = static_cast<unsigned long>(end - start) - kStoredLengthBytes;
  if (length > available || length > 0x7FFFFFFFu) return 0;
  if (length == 0) return 1;
  MCString bytes;
  char* buffer = bytes.GetBufferSetLength(static_cast<int>(length));
  if (file.Read(buffer, length) != length) return 0;
  trie_ = bytes;
  return 1;
}

int CDicIndex::SaveToFile(MCFile& file) const {
  const uint32_t length = static_cast<uint32_t>(trie_.GetLength());
  const unsigned char stored[kStoredLengthBytes] = {
      static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
      static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
  if (file.Write(stored, kStoredLengthBytes) != kStoredLengthBytes) return 0;
  return file.Write(static_cast<const char*>(trie_), length) == length ? 1 : 0;
}

void CDicIndex::Empty() {
  trie_.Empty();
  currentPath_.valid = false;
  currentWord_[0] = '\0';
  output_[0] = '\0';
}

int CDicIndex::GetLength() const { return trie_.GetLength(); }

const unsigned char* CDicIndex::GetBytes() const { return Bytes(trie_); }

// --- Settings

void CDicIndex::SetWordList(int wordList) { wordList_ = wordList ? 1 : 0; }
int CDicIndex::IsWordList() const { return wordList_; }
void CDicIndex::SetLanguage(unsigned short lang) { lang_ = lang; }
unsigned short CDicIndex::GetLanguage() const { return lang_; }
void CDicIndex::SetProgressCallback(MD_PROGRESS_PROC progress) { progress_ = progress; }

// --- The searches

namespace {

dictrie::TrieView ViewOf(const MCString& trie, int16_t wordList) {
  return dictrie::TrieView(Bytes(trie), static_cast<uint32_t>(trie.GetLength()), wordList != 0);
}

}  // namespace

int32_t CDicIndex::FindExact(const char* word) {
  if (!word) word = "";
  size_t length = 0;
  if (!MeasureInput(word, &length)) return kNotFound;
  // A failure leaves the current word, whose path is then found again.
  const int32_t offset =
      dictrie::FindExact(ViewOf(trie_, wordList_), Bytes(word), length, nullptr, &currentPath_);
  if (offset != kNotFound) CopyWord(word, currentWord_);
  return offset;
}

int32_t CDicIndex::FindNear(const char* word) {
  if (!word) word = "";
  size_t length = 0;
  if (!MeasureInput(word, &length)) return kNotFound;
  // Completed in a scratch word, so that a failure leaves the cursor.
  char scratch[kMaxWordLength + 1];
  dictrie::WordBuffer completed(scratch);
  const int32_t offset = dictrie::FindNear(ViewOf(trie_, wordList_), Bytes(word), length, completed,
                                           nullptr, &currentPath_);
  if (offset != kNotFound) CopyWord(scratch, currentWord_);
  return offset;
}

int32_t CDicIndex::FindPrefix(const char* word) {
  if (!word) word = "";
  size_t length = 0;
  dictrie::WordBuffer found(output_);
  if (!MeasureInput(word, &length)) return kNotFound;
  const char upperLast = length > 0 ? MCharToUpper(word[length - 1], lang_) : '\0';
  return dictrie::FindPrefix(ViewOf(trie_, wordList_), Bytes(word), length,
                             static_cast<unsigned char>(upperLast), found);
}

int32_t CDicIndex::FindFlexion(const char* word) {
  if (!word) word = "";
  size_t length = 0;
  if (!MeasureInput(word, &length)) {
    output_[0] = '\0';
    return kNotFound;
  }
  char reversed[kMaxWordLength + 1];
  for (size_t i = 0; i < length; ++i) reversed[i] = word[length - 1 - i];
  reversed[length] = '\0';
  const int32_t offset = FindPrefix(reversed);
  const size_t found = std::strlen(output_);
  for (size_t i = 0; i < found / 2; ++i) {
    const char kept = output_[i];
    output_[i] = output_[found - 1 - i];
    output_[found - 1 - i] = kept;
  }
  return offset;
}

int32_t CDicIndex::Step(bool forward, uint32_t* terminal) {
  const dictrie::TrieView trie = ViewOf(trie_, wordList_);
  if (!currentPath_.valid &&
      dictrie::FindExact(trie, Bytes(currentWord_), std::strlen(currentWord_), nullptr,
                         &currentPath_) == kNotFound) {
    return kNotFound;
  }
  char scratch[kMaxWordLength + 1];
  dictrie::WordBuffer neighbour(scratch);
  const int32_t offset =
      dictrie::StepOn(trie, Bytes(currentWord_), currentPath_, forward, neighbour, terminal);
  if (offset != kNotFound) CopyWord(scratch, currentWord_);
  return offset;
}

void CDicIndex::RestoreCurrentWord(const char* word) {
  CopyWord(word, currentWord_);
  currentPath_.valid = false;
}

int32_t CDicIndex::Next() { return Step(true, nullptr); }
int32_t CDicIndex::Prev() { return Step(false, nullptr); }
const char* CDicIndex::GetCurrentWord() const { return currentWord_; }
const char* CDicIndex::GetOutputWord() const { return output_; }

// --- The flag-driven searches

bool CDicIndex::IsVulgarArticle(int32_t offset, int32_t flags, const char* word,
                                CDicArticleSource* articles) const {
  if (!(flags & kMDFindNoVulgar) || (flags & kMDFindWordOnly) || !articles || wordList_) {
    return false;
  }
  return HasVulgarLabel(articles->GetArticleText(offset, word, flags));
}

int32_t CDicIndex::Find(int32_t flags, const char* word, const char** foundWord,
                        CDicArticleSource* articles) {
  if (!(flags & (kMDFindFlexion | kMDFindPrefix))) searchMode_ = flags;
  int32_t kind = flags & kSearchKinds;
  if (kind == 0 && (flags & kMDFindWordOnly)) kind = kMDFindExact;
  int32_t offset = kNotFound;
  const char* found = nullptr;
  if (kind & kMDFindExact) {
    offset = FindExact(word);
    if (offset != kNotFound) found = currentWord_;
  } else if (kind & kMDFindNear) {
    offset = FindNear(word);
    found = currentWord_;
  } else if (kind & kMDFindFlexion) {
    offset = FindFlexion(word);
    found = output_;
  } else if (kind & kMDFindPrefix) {
    offset = FindPrefix(word);
    found = output_;
  }
  if (offset == kNotFound) return kNotFound;
  if (IsVulgarArticle(offset, flags, found, articles)) {
    // Only the near search may move on to a neighbour without the label.
    if (!(kind & kMDFindNear) || (kind & kMDFindExact)) return kNotFound;
    return FilteredStep(true, flags, foundWord, articles);
  }
  if (foundWord) *foundWord = (kind & kMDFindExact) ? nullptr : found;
  return offset;
}

int32_t CDicIndex::FilteredStep(bool forward, int32_t mode, const char** foundWord,
                                CDicArticleSource* articles) {
  char start[kMaxWordLength + 1];
  CopyWord(currentWord_, start);
  // In a sound trie each step ends on a later (earlier) node; a damaged one
  // that does not stops the walk.
  uint32_t previous = 0;
  bool havePrevious = false;
  for (;;) {
    uint32_t terminal = 0;
    const int32_t offset = Step(forward, &terminal);
    const bool advanced = !havePrevious || (forward ? terminal > previous : terminal < previous);
    if (offset == kNotFound || !advanced) break;
    if (!IsVulgarArticle(offset, mode, currentWord_, articles)) {
      if (foundWord) *foundWord = currentWord_;
      return offset;
    }
    previous = terminal;
    havePrevious = true;
  }
  RestoreCurrentWord(start);
  return kNotFound;
}

int32_t CDicIndex::Next(const char** foundWord, CDicArticleSource* articles) {
  return FilteredStep(true, searchMode_, foundWord, articles);
}

int32_t CDicIndex::Prev(const char** foundWord, CDicArticleSource* articles) {
  return FilteredStep(false, searchMode_, foundWord, articles);
}

int32_t CDicIndex::GetSearchMode() const { return searchMode_; }
void CDicIndex::SetSearchMode(int32_t flags) { searchMode_ = flags; }

// --- Listing

int CDicIndex::ListWords(MCStringArray& words, MCDWordArray& offsets) {
  words.RemoveAll();
  offsets.RemoveAll();
  char cursor[kMaxWordLength + 1];
  CopyWord(currentWord_, cursor);
  char scratch[kMaxWordLength + 1];
  dictrie::WordBuffer first(scratch);
  uint32_t terminal = 0;
  int32_t offset =
      dictrie::FindNear(ViewOf(trie_, wordList_), Bytes(""), 0, first, &terminal, &currentPath_);
  if (offset != kNotFound) CopyWord(scratch, currentWord_);
  // Gathered first and put into the arrays in one piece: growing them a
  // word at a time moves every string once per step of their growth rule.
  std::vector<MCString> listed;
  std::vector<uint32_t> listedOffsets;
  uint32_t previous = 0;
  while (offset != kNotFound && (listed.empty() || terminal > previous)) {
    listed.emplace_back(currentWord_);
    listedOffsets.push_back(static_cast<uint32_t>(offset));
    previous = terminal;
    offset = Step(true, &terminal);
  }
  RestoreCurrentWord(cursor);
  const int count = static_cast<int>(listed.size());
  words.SetSize(count);
  offsets.SetSize(count);
  if (words.GetSize() != count || offsets.GetSize() != count) {
    words.RemoveAll();
    offsets.RemoveAll();
    return -1;
  }
  for (int i = 0; i < count; ++i) {
    words.ElementAt(i) = listed[static_cast<size_t>(i)];
    offsets.SetAt(i, listedOffsets[static_cast<size_t>(i)]);
  }
  return count;
}

// --- Building

int CDicIndex::Build(const MCStringArray& words, MCDWordArray* slots) {
  std::vector<unsigned char> trie;
  std::vector<uint32_t> wordSlots;
  dictrie::TrieBuilder builder(wordList_ != 0, progress_);
  if (!builder.Build(words, static_cast<uint32_t>(trie_.GetLength()), &trie, &wordSlots)) return 0;
  if (slots) {
    slots->SetSize(static_cast<int>(wordSlots.size()));
    if (slots->GetSize() != static_cast<int>(wordSlots.size())) return 0;
    for (size_t i = 0; i < wordSlots.size(); ++i) slots->SetAt(static_cast<int>(i), wordSlots[i]);
  }
  currentPath_.valid = false;
  if (trie.empty()) {
    trie_.Empty();
  } else {
    trie_ = MCString(reinterpret_cast<const char*>(trie.data()), static_cast<int>(trie.size()));
  }
  return 1;
}

int CDicIndex::SetOffset(uint32_t slot, uint32_t offset) {
  const uint32_t length = static_cast<uint32_t>(trie_.GetLength());
  if (wordList_ || offset >= dictrie::kNumberLimit || slot >= length ||
      length - slot < static_cast<uint32_t>(dictrie::kOffsetWidth)) {
    return 0;
  }
  // The slot is only bounded by the trie: it may have been a branch's.
  currentPath_.valid = false;
  char* bytes = trie_.GetBuffer(static_cast<int>(length));
  dictrie::WriteU24(reinterpret_cast<unsigned char*>(bytes) + slot, offset);
  trie_.ReleaseBuffer(static_cast<int>(length));
  return 1;
}
