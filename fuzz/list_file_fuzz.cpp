// Fuzzes the word-list file reader, then walks and searches what it read.
#include <cstddef>
#include <cstdint>

#include "base/CListFile.h"
#include "fuzz/fuzz_scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  if (!dir.Write("words.lst", data, size)) return 0;
  CListFile list;
  if (list.Load(dir.Path("words.lst").c_str(), nullptr) != CListFile::kLoaded) return 0;
  int walked = 0;
  for (CListItem* item = list.First(); item; item = list.Next()) ++walked;
  if (walked != list.GetList().GetSize()) __builtin_trap();
  // Every "for" word is found again, by prefix and exactly. (The finds move
  // the position, so this goes by index.)
  for (int i = 0; i < list.GetList().GetSize(); ++i) {
    const CListItem* item = static_cast<const CListItem*>(list.GetList()[i]);
    if (item->GetWordFor().IsEmpty()) __builtin_trap();
    if (!list.Find(item->GetWordFor()) || !list.FindExect(item->GetWordFor())) __builtin_trap();
    list.FindObj(item->GetWordTo());
  }
  return 0;
}
