// Fuzzes the opening of a dictionary file: its header and, on a full open,
// the placement of its index. Whatever opens hands out terminated texts.
//
// The input replaces the start of a small valid dictionary (a header with
// every text field full, one record, the index of one word), so that short
// inputs already reach the index.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_scratch_dir.h"
#include "lexicon/CDic.h"

namespace {

std::string ValidDictionary() {
  CDicHeader header = CDicHeader::ForNewFile(0);
  header.type = 1;
  std::memset(header.infoIn, 'i', CDicHeader::kTextSize);
  std::memset(header.infoOut, 'o', CDicHeader::kTextSize);
  const std::string record("\x01x", 2);
  const std::string trie(
      "\xFD\xB0\x00\x00"
      "cat",
      7);
  header.indexOffset = CDicHeader::kRegionSize + static_cast<int32_t>(record.size());
  unsigned char bytes[CDicHeader::kEncodedSize];
  header.Encode(bytes);
  std::string file(reinterpret_cast<const char*>(bytes), sizeof bytes);
  file.resize(CDicHeader::kRegionSize, '\0');
  file += record;
  file += std::string("\x07\x00\x00\x00", 4) + trie;
  return file;
}

void CheckProperties(const CDic& dic) {
  MD_PROP prop = {};
  prop.flags = 0x3FF;
  if (!dic.GetDicProperty(&prop)) __builtin_trap();
  for (const char* text : {prop.signature, prop.infoIn, prop.infoOut}) {
    if (std::strlen(text) > static_cast<size_t>(CDicHeader::kTextSize)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string kValid = ValidDictionary();
  std::string file(reinterpret_cast<const char*>(data), size);
  if (file.size() < kValid.size()) file += kValid.substr(file.size());
  size = file.size();
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  if (!dir.Write("fuzz.dic", reinterpret_cast<const std::uint8_t*>(file.data()), size)) return 0;
  const std::string path = dir.Path("fuzz.dic");
  for (unsigned flags : {0u, static_cast<unsigned>(CDic::kLoadHeaderOnly)}) {
    CDic dic;
    if (!dic.Load(path.c_str(), flags)) {
      if (dic.IsOpen() || dic.GetIndex().GetLength() != 0) __builtin_trap();
      continue;
    }
    CheckProperties(dic);
    const CDicHeader& header = dic.GetHeader();
    if (flags == 0 && header.indexOffset != CDicHeader::kNoIndex &&
        static_cast<std::size_t>(header.indexOffset) + 4 + dic.GetIndex().GetLength() > size)
      __builtin_trap();
    dic.Close();
  }
  return 0;
}
