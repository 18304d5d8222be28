#include "lexicon/CDicItem.h"

CDicItem::CDicItem(const char* path, uint16_t value, uint8_t mode)
    : flags_(0), value_(value), path_(path), mode_(mode) {}

CDicItem::~CDicItem() = default;

CDicItemList::CDicItemList() = default;

CDicItemList::~CDicItemList() { Free(); }

const CDicItem* CDicItemList::GetAt(int index) const {
  if (index < 0 || index >= items_.GetSize()) return nullptr;
  return static_cast<const CDicItem*>(items_[index]);
}

int CDicItemList::Add(const char* path, uint16_t value, uint8_t mode) {
  CDicItem* item = new CDicItem(path, value, mode);
  if (item == nullptr) return 0;
  if (items_.Add(item) >= 0) return 1;
  delete item;
  return 0;
}

void CDicItemList::Free() {
  for (int i = 0; i < items_.GetSize(); ++i) delete items_[i];
  items_.RemoveAll();
}
