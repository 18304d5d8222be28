#include "lexicon/tests/dic_index_support.h"

int32_t OffsetOfWord(size_t index) { return static_cast<int32_t>(0x100 * (index + 1) + 7); }

void FillList(const Words& words, MCStringArray& list) {
  list.RemoveAll();
  for (const std::string& word : words) list.Add(word.c_str());
}

bool BuildWords(CDicIndex& index, const Words& words) {
  MCStringArray list;
  FillList(words, list);
  MCDWordArray slots;
  if (!index.Build(list, &slots)) return false;
  if (index.IsWordList()) return true;
  for (int i = 0; i < slots.GetSize(); ++i) {
    if (slots[i] == CDicIndex::kNoSlot) continue;
    if (!index.SetOffset(slots[i], static_cast<uint32_t>(OffsetOfWord(static_cast<size_t>(i))))) {
      return false;
    }
  }
  return true;
}

std::string TrieBytes(const CDicIndex& index) {
  return std::string(reinterpret_cast<const char*>(index.GetBytes()),
                     static_cast<size_t>(index.GetLength()));
}

const char* TableArticles::GetArticleText(int32_t offset, const char* word, int32_t flags) {
  lastFlags_ = flags;
  askedWords_.push_back(word ? word : "(null)");
  const auto found = texts_.find(offset);
  return found == texts_.end() ? nullptr : found->second.c_str();
}
