#include "base/CListFile.h"

#include "base/CStrLex.h"
#include "base/MCFile.h"

namespace {

constexpr unsigned kReadListFlags = 0x8020;  // binary, read, others may read
const char kListSeparators[] = " \t\r\n";

// Lines of these kinds hold no pair.
bool IsSkippedLine(const MCString& line) {
  return line.IsEmpty() || line[0] == '*' || line[0] == '\r' || line[0] == '\n';
}

}  // namespace

CListItem::CListItem(MCString wordFor, MCString wordTo) : wordFor_(wordFor), wordTo_(wordTo) {}

CListItem::~CListItem() = default;

CListFile::CListFile() = default;

CListFile::~CListFile() { FreeList(); }

int CListFile::Load(const char* name, const char* dir) {
  if (!name || *name == '\0') return kEmptyName;
  if (LoadFile(name)) return kLoaded;
  if (dir && LoadFile(MCString(dir) + name)) return kLoaded;
  return kCannotOpen;
}

bool CListFile::LoadFile(const char* path) {
  MCFile file;
  if (!file.Open(path, kReadListFlags)) return false;
  MCString line;
  while (file.ReadString(line)) AddLine(line);
  file.Close();
  return true;
}

void CListFile::AddLine(const MCString& line) {
  if (IsSkippedLine(line)) return;
  // A copy of the line holds any token, so the buffers never overflow.
  const int room = line.GetLength() + 1;
  MCString wordFor, wordTo;
  CStrLex lex(kListSeparators);
  if (!lex.First(line, wordFor.GetBuffer(room), room)) return;  // separators only
  wordFor.ReleaseBuffer();
  if (lex.Next(wordTo.GetBuffer(room), room)) {
    wordTo.ReleaseBuffer();
  } else {
    wordTo = wordFor;
  }
  CListItem* item = new CListItem(wordFor, wordTo);
  if (item) items_.Add(item);
}

void CListFile::FreeList() {
  for (int i = 0; i < items_.GetSize(); ++i) delete items_[i];
  items_.RemoveAll();
  position_ = 0;
}

template <typename Matches>
CListItem* CListFile::FindFirst(const char* word, Matches matches) {
  if (!word) {
    position_ = items_.GetSize();
    return nullptr;
  }
  for (position_ = 0; position_ < items_.GetSize(); ++position_) {
    CListItem* item = ItemAt(position_);
    if (matches(*item)) return item;
  }
  return nullptr;
}

CListItem* CListFile::FindObj(const char* word) {
  return FindFirst(
      word, [&](const CListItem& candidate) { return candidate.GetWordFor().IsPref(word) != 0; });
}

const char* CListFile::Find(const char* word) {
  CListItem* item = FindObj(word);
  return item ? static_cast<const char*>(item->GetWordTo()) : nullptr;
}

const char* CListFile::FindExect(const char* word) {
  CListItem* item =
      FindFirst(word, [&](const CListItem& candidate) { return candidate.GetWordFor() == word; });
  return item ? static_cast<const char*>(item->GetWordTo()) : nullptr;
}

CListItem* CListFile::First() {
  position_ = 0;
  return ItemAt(position_);
}

CListItem* CListFile::Next() {
  // Stays one past the end, however often it is called there.
  if (position_ < items_.GetSize()) ++position_;
  return ItemAt(position_);
}

CListItem* CListFile::GetCurrentItem() const { return ItemAt(position_); }

const char* CListFile::GetWordFor() const {
  CListItem* item = GetCurrentItem();
  return item ? static_cast<const char*>(item->GetWordFor()) : nullptr;
}

const char* CListFile::GetWordTo() const {
  CListItem* item = GetCurrentItem();
  return item ? static_cast<const char*>(item->GetWordTo()) : nullptr;
}

CListItem* CListFile::ItemAt(std::int32_t index) const {
  if (index < 0 || index >= items_.GetSize()) return nullptr;
  return static_cast<CListItem*>(items_.GetAt(index));
}
