#include "lexicon/CDicSys.h"

#include <cstring>

#include "lexicon/CDic.h"

namespace {

#if defined(_WIN32)
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

bool IsSeparator(char ch) { return ch == '/' || ch == '\\'; }

int ComparePaths(const char* element, const char* key) { return std::strcmp(element, key); }

// Appends each NUL-terminated path of the run up to the empty one.
void FillList(CDicItemList& list, const char* paths) {
  if (paths == nullptr) return;
  for (const char* path = paths; *path != '\0'; path += std::strlen(path) + 1) list.Add(path, 1, 0);
}

}  // namespace

CDic* OpenWholeDictionary(const char* path) {
  CDic* dic = new CDic;
  if (dic == nullptr) return nullptr;
  if (dic->Load(path, 0)) return dic;
  delete dic;
  return nullptr;
}

CDicSys::CDicSys(uint16_t langIn, uint16_t langOut, const char* baseDir)
    : firstLangIn_(0), pair_(0, 0), baseDir_(baseDir), walkedQueue_(0), forwardIsCurrent_(true) {
  const int length = baseDir_.GetLength();
  if (length > 0 && !IsSeparator(baseDir_[length - 1])) baseDir_ += kPathSeparator;
  SetLangId(langIn, langOut);
}

CDicSys::~CDicSys() { ClearQueues(); }

void CDicSys::SetLangId(uint16_t langIn, uint16_t langOut) {
  if (firstLangIn_ == 0) firstLangIn_ = langIn;
  if (pair_.SetLangId(langIn, langOut)) ChooseCurrentList();
}

void CDicSys::ChooseCurrentList() { forwardIsCurrent_ = pair_.GetInLangId() == firstLangIn_; }

MCString CDicSys::BaseDictionaryPath(const MCString& name) const {
  MCString path = name;
  path.MakeLower();
  if (path.FindOneOf("/\\") >= 0) return path;
  MCString inDir = baseDir_;
  inDir += path;
  return inDir;
}

void CDicSys::SetCommonLists() {
  const MCString pair = pair_.GetLangStr(nullptr);
  MCString forwardName = "base";
  forwardName += pair;
  forwardName += ".dic";
  MCString reverseName = "base";
  reverseName += pair.Right(2);
  reverseName += pair.Left(2);
  reverseName += ".dic";
  FreeLists();
  forward_.Add(BaseDictionaryPath(forwardName), 1, 0);
  reverse_.Add(BaseDictionaryPath(reverseName), 1, 0);
}

void CDicSys::SetLists(const char* forwardPaths, const char* reversePaths) {
  FreeLists();
  FillList(forward_, forwardPaths);
  FillList(reverse_, reversePaths);
}

void CDicSys::FreeLists() {
  forward_.Free();
  reverse_.Free();
}

CDicQueue* CDicSys::GetQueue(int number) {
  return number >= 0 && number < kQueueCount ? &queues_[number] : nullptr;
}

int CDicSys::Load(const CDicItemList& list) {
  int failed = 0;
  for (int i = 0; i < list.GetSize(); ++i) {
    const MCString& path = list.GetAt(i)->GetPath();
    if (loadedPaths_.Find(path, ComparePaths) >= 0) continue;  // loaded before
    CDic* dic = OpenWholeDictionary(path);
    if (dic == nullptr || !AppendLoaded(dic, path)) {
      delete dic;
      failed = 1;
    }
  }
  return failed;
}

int CDicSys::AppendLoaded(CDic* dic, const char* path) {
  CDicQueue& owner = queues_[kOwningQueue];
  if (!owner.Add(dic)) return 0;
  if (queues_[kMirrorQueue].Add(dic)) {
    if (loadedPaths_.Add(path) >= 0) return 1;
    queues_[kMirrorQueue].RemoveLast();
  }
  owner.RemoveLast();
  return 0;
}

void CDicSys::ClearQueues() {
  CDicQueue& owner = queues_[kOwningQueue];
  for (int i = 0; i < owner.GetSize(); ++i) delete owner.GetAt(i);
  for (CDicQueue& queue : queues_) queue.Clear();
  loadedPaths_.RemoveAll();
}

int CDicSys::ClearQueuesIfEmpty() {
  if (queues_[kOwningQueue].GetSize() > 0) return 0;
  ClearQueues();
  return 1;
}

CDic* CDicSys::WalkFirst(int queue, int position) {
  CDicQueue* walked = GetQueue(queue);
  if (walked == nullptr) return nullptr;
  walkedQueue_ = queue;
  return walked->First(position);
}

CDic* CDicSys::WalkNext(int queue) {
  CDicQueue* walked = GetQueue(queue == -1 ? walkedQueue_ : queue);
  return walked != nullptr ? walked->Next() : nullptr;
}
