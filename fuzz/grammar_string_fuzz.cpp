// Fuzzes the grammar string decoders with dictionary bytes: the record
// decoder, the display form and its way back, the dictionary form's
// attribute text and the display item decoders. Whatever the input, the
// record must encode within the 1023 characters of GramToStr, and after one
// trip through the record the encoding must be stable.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_scratch_dir.h"
#include "grammar/CGramInfo.h"
#include "grammar/GrammarTables.h"

namespace {

// Names for a few ids of every kind, so that names are shown and looked up:
// common ids, ids that collide with section markers, semantic names with and
// without their prefix.
const char kGramIdSource[] =
    "table GramId\n{\n"
    "\"lang5\", 5\n\"sg\", 131\n\"pl\", 132\n\"pers1\", 138\n\"tr\", 150\n\"x200\", 200\n"
    "\"person\", 241\n\"case\", 245\n\"sem.anim\", 256\n\"odd\", 257\n\"sem.far\", 500\n"
    "\"sem.lost\", 507\n\"sem.last\", 508\n"
    "}\n";
const char kGramValSource[] = "table Numbers\n{\n\"sg\", 0\n}\n";

bool OpenTestGrammar() {
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  const auto write = [&dir](const char* name, const char* text) {
    return dir.Write(name, reinterpret_cast<const std::uint8_t*>(text), std::strlen(text));
  };
  if (!write("GramId.txt", kGramIdSource) || !write("GramVal.txt", kGramValSource)) return false;
  return OpenGrammar(dir.Path("").c_str()) == 1;
}

MCString Encode(CGramInfo& gram) {
  MCString out;
  gram.GramToStr(out, 0);
  if (out.GetLength() > 1023) __builtin_trap();
  return out;
}

MCString DecodeAndEncode(const MCString& dic) {
  CGramInfo gram;
  gram.StrToGram(dic, 0);
  return Encode(gram);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool opened = OpenTestGrammar();
  if (!opened) __builtin_trap();
  // Bytes after a NUL stay in the buffer: no decoder may reach them.
  const MCString input(reinterpret_cast<const char*>(data), static_cast<int>(size));

  const MCString first = DecodeAndEncode(input);
  const MCString second = DecodeAndEncode(first);
  if (DecodeAndEncode(second) != second) __builtin_trap();

  CGramInfo gram;
  const MCString display = gram.DicStrToString(input);
  DecodeAndEncode(gram.StringToDicStr(display));
  DecodeAndEncode(gram.StringToDicStr(input));
  gram.DicStrToVelString(input);

  for (const char* p = input; *p != 0; ++p) {
    const char* last = gram.StringToGram(p);
    if (last < p || last >= p + std::strlen(p)) __builtin_trap();
  }
  Encode(gram);
  return 0;
}
