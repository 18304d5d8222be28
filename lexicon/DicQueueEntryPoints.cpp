// The C functions of lexicon/DicQueues.h: null checks over CDicSys and CDic.
#include "lexicon/CDic.h"
#include "lexicon/CDicItem.h"
#include "lexicon/CDicQueue.h"
#include "lexicon/CDicSys.h"
#include "lexicon/DicQueues.h"

namespace {

CDicQueue* QueueOf(CDicSys* set, int queue) {
  return set != nullptr ? set->GetQueue(queue) : nullptr;
}

}  // namespace

extern "C" {

CDicSys* DicSysOpen(uint16_t /*flag*/, uint16_t langIn, uint16_t langOut, const char* baseDir) {
  return new CDicSys(langIn, langOut, baseDir);
}

void DicSysClose(CDicSys* set) { delete set; }

void DicSysSetLangId(CDicSys* set, uint16_t langIn, uint16_t langOut) {
  if (set != nullptr) set->SetLangId(langIn, langOut);
}

void DicSetOperationCode(CDicSys* /*set*/, uint16_t /*code*/) {}

CDic* DicOpen(const char* path, int /*unused*/) { return OpenWholeDictionary(path); }

CDic* DicQueOpen(int flag, const char* path, int /*mode*/) {
  return flag != 0 ? OpenWholeDictionary(path) : nullptr;
}

void DicClose(CDic* dic) { delete dic; }

CDicEntry* DicFind(CDic* dic, const char* word, uint16_t flags) {
  if (dic == nullptr || word == nullptr) return nullptr;
  return dic->Find(flags, word, nullptr) ? dic->GetEntry() : nullptr;
}

CDicEntry* DicFindNext(CDic* dic) {
  if (dic == nullptr) return nullptr;
  return dic->Next(nullptr) ? dic->GetEntry() : nullptr;
}

void DicSetCurrentHandler(CDicSys* set, int queue, CDic* dic) {
  if (CDicQueue* q = QueueOf(set, queue)) q->SetCurrentDic(dic);
}

CDic* DicGetCurrentHandler(CDicSys* set, int queue) {
  CDicQueue* q = QueueOf(set, queue);
  return q != nullptr ? q->GetCurrent() : nullptr;
}

int DicSetCurrent(CDicSys* set, int queue, int position) {
  if (set == nullptr) return CDicQueue::kNoPosition;
  CDicQueue* q = set->GetQueue(queue);
  return q != nullptr ? q->SetCurrent(position) : set->GetWalkedPosition();
}

int DicGetCurrent(CDicSys* set, int queue) {
  CDicQueue* q = QueueOf(set, queue);
  return q != nullptr ? q->RestoreCurrent() : CDicQueue::kNoPosition;
}

int DicQueGetSize(CDicSys* set, int queue) {
  CDicQueue* q = QueueOf(set, queue);
  return q != nullptr ? q->GetSize() : 0;
}

CDicEntry* DicQueFind(CDicSys* set, int queue, const char* word, uint16_t flags) {
  CDicQueue* q = QueueOf(set, queue);
  return q != nullptr && word != nullptr ? q->Find(word, flags) : nullptr;
}

CDic* DicQueFirst(CDicSys* set, int queue, int position) {
  return set != nullptr ? set->WalkFirst(queue, position) : nullptr;
}

CDic* DicQueNext(CDicSys* set, int queue) {
  return set != nullptr ? set->WalkNext(queue) : nullptr;
}

CDic* CheckDicInList(CDicSys* set, int /*unused*/) {
  if (set == nullptr) return nullptr;
  for (CDic* dic = set->WalkFirst(CDicSys::kOwningQueue, 0); dic != nullptr;
       dic = set->WalkNext(CDicSys::kOwningQueue)) {
  }
  return nullptr;
}

void DicQueClear(CDicSys* set) {
  if (set != nullptr) set->ClearQueues();
}

int DicQueClearIfChanged(CDicSys* set) { return set != nullptr ? set->ClearQueuesIfEmpty() : 0; }

int DicSetMode(int flag, int value, int /*unused*/) { return flag != 0 ? value : 0; }

void DicArraySetCommon(CDicSys* set) {
  if (set != nullptr) set->SetCommonLists();
}

int DicArraySet(CDicSys* set, const char* forwardPaths, const char* reversePaths) {
  if (set != nullptr) set->SetLists(forwardPaths, reversePaths);
  return -1;
}

CDicItemList* DicArraySelect(CDicSys* set, uint16_t langIn, uint16_t langOut) {
  if (set == nullptr) return nullptr;
  if (langIn != 0) set->SetLangId(langIn, langOut);
  return set->GetCurrentList();
}

int DicArrayInit(CDicSys* set) {
  if (set == nullptr) return 0;
  set->ChooseCurrentList();
  return 1;
}

int DicArrayLoad(CDicSys* set, CDicItemList* list) {
  return set != nullptr && list != nullptr ? set->Load(*list) : -1;
}

void DicArrayUnLoad(CDicSys* set, CDicItemList* list) {
  if (set == nullptr) return;
  if (list != nullptr) list->Free();
  set->ClearQueues();
}

void DicArrayRemoveAll(int flag, CDicItemList* list) {
  if (flag != 0 && list != nullptr) list->Free();
}

void DicArrayFree(CDicSys* set) {
  if (set != nullptr) set->FreeLists();
}

}  // extern "C"
