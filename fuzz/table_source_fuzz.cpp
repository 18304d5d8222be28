// Fuzzes the two source parsers of the table language: the input's lines are
// parsed as a single table and as a table set. What was parsed must compile
// and load back into the same variables and correspondences.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/CCorr.h"
#include "base/CVal.h"
#include "base/CVar.h"
#include "base/CVars.h"
#include "base/MCArray.h"
#include "base/MCFile.h"
#include "fuzz/fuzz_scratch_dir.h"

namespace {

bool SameVars(const CVars& left, const CVars& right) {
  const MCObArray& a = left.GetVars();
  const MCObArray& b = right.GetVars();
  if (a.GetSize() != b.GetSize()) return false;
  for (int i = 0; i < a.GetSize(); ++i) {
    const CVar* x = static_cast<const CVar*>(a[i]);
    const CVar* y = static_cast<const CVar*>(b[i]);
    if (x->GetVar() != y->GetVar() || x->GetType() != y->GetType() ||
        x->GetIntValue() != y->GetIntValue() ||
        x->GetArgList().GetSize() != y->GetArgList().GetSize()) {
      return false;
    }
    for (int k = 0; k < x->GetArgList().GetSize(); ++k) {
      if (x->GetArgList()[k] != y->GetArgList()[k]) return false;
    }
  }
  return true;
}

bool SameSets(const CVal& left, const CVal& right) {
  if (left.GetCorr().GetSize() != right.GetCorr().GetSize() ||
      left.GetVal().GetSize() != right.GetVal().GetSize()) {
    return false;
  }
  for (int i = 0; i < left.GetCorr().GetSize(); ++i) {
    const CCorr* x = static_cast<const CCorr*>(left.GetCorr()[i]);
    const CCorr* y = static_cast<const CCorr*>(right.GetCorr()[i]);
    if (x->attrId != y->attrId || x->tableIndex != y->tableIndex) return false;
  }
  for (int i = 0; i < left.GetVal().GetSize(); ++i) {
    if (!SameVars(*static_cast<const CVars*>(left.GetVal()[i]),
                  *static_cast<const CVars*>(right.GetVal()[i]))) {
      return false;
    }
  }
  return true;
}

// Parses the lines into a fresh document, compiles it and reads it back.
template <typename Document, typename Same>
void CheckParse(const FuzzScratchDir& dir, MCStringArray& lines, Same same) {
  Document parsed;
  parsed.SplitString(lines);
  {
    MCFile out(dir.Path("parsed.dat").c_str(), 0x9001);
    // Names past the format's limits are refused, never written wrapped.
    if (!parsed.Write(out)) return;
  }
  Document loaded;
  MCFile in(dir.Path("parsed.dat").c_str(), 0x8020);
  if (!loaded.Read(in) || in.GetPosition() != in.GetLength() || !same(parsed, loaded)) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FuzzScratchDir& dir = FuzzScratchDir::Get();
  MCStringArray lines;
  const char* text = reinterpret_cast<const char*>(data);
  std::size_t start = 0;
  for (std::size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == '\n') {
      lines.Add(std::string(text + start, i - start).c_str());
      start = i + 1;
    }
  }
  CheckParse<CVars>(dir, lines, SameVars);
  CheckParse<CVal>(dir, lines, SameSets);
  return 0;
}
