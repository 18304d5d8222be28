// Fuzzes the article record reader. The first byte picks the dictionary
// type, the rest is the record. A record that reads whole writes back as
// exactly the bytes it was read from.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/MCArray.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const uint8_t type = data[0] % 8;
  const unsigned char* record = data + 1;
  const unsigned recordSize = static_cast<unsigned>(size - 1);
  CEntry entry(type);
  if (!DecodeEntryRecord(record, recordSize, entry)) return 0;
  MCByteArray written;
  if (!EncodeEntryRecord(entry, written)) __builtin_trap();
  const unsigned writtenSize = static_cast<unsigned>(written.GetSize());
  if (writtenSize > recordSize || std::memcmp(written.GetData(), record, writtenSize) != 0)
    __builtin_trap();
  return 0;
}
