#include "base/CVars.h"

#include "base/CStrLine.h"
#include "base/CVar.h"
#include "base/MCFile.h"
#include "base/OwnedObjects.h"
#include "base/TableCompiledFormat.h"
#include "base/TableOpen.h"
#include "base/TableSource.h"

using namespace table_source;

namespace {

// The name of a table entry and, for one that describes a function, its
// type words, result first: "int Get(char, bool)" is Get with int, char,
// bool. Only a quoted name can describe a function.
void ReadEntryName(const MCString& text, MCString& name, MCStringArray& typeWords) {
  if (!text.StartsWith("\"")) {
    name = text;
    return;
  }
  const MCString inner = Unquoted(text);
  const int open = inner.Find('(');
  if (open < 0) {
    name = inner;
    return;
  }
  name = inner.Left(open);
  name.Trim();
  const int blank = name.FindOneOf(" \t");
  if (blank >= 0) {
    typeWords.Add(name.Left(blank));
    name = name.Mid(blank + 1);
    name.TrimLeft();
  }
  const int close = inner.ReverseFind(')');
  const MCString args = close > open ? inner.Mid(open + 1, close - open - 1) : inner.Mid(open + 1);
  CStrLine pieces(',');
  for (MCString piece = pieces.GetFirst(args); !pieces.EndOfBuffer(); piece = pieces.GetNext()) {
    typeWords.Add(piece);
  }
}

// Appends the code of every type word; an empty word (as in "Get()") is no
// argument.
void AddTypeCodes(const MCStringArray& typeWords, MCByteArray& codes) {
  for (int i = 0; i < typeWords.GetSize(); ++i) {
    MCString word = typeWords[i];
    word.RemoveAllSpace();
    if (word.IsEmpty()) continue;
    const int code = TypeWordCode(word);
    if (code < 0) {
      ShowMessage(kUnknownArgument, word, kVarsCaption);
    } else {
      codes.Add(static_cast<unsigned char>(code));
    }
  }
}

// An entry of the "table" block: "name", value. A value given by a constant
// also takes the argument types of a function-like name; a number does not.
void ReadTableEntry(const MCString& entry, const ScratchConstants& constants, MCObArray& vars) {
  MCString nameText;
  MCString valueText;
  SplitEntry(entry, true, nameText, valueText);
  MCString name;
  MCStringArray typeWords;
  ReadEntryName(nameText, name, typeWords);
  CVar* var = new CVar(name);
  if (var == nullptr) return;
  var->SetType(CVar::kValueType);
  int32_t value = 0;
  if (ReadNumber(valueText, true, value)) {
    // The argument list is not read.
  } else if (constants.Lookup(valueText, value)) {
    AddTypeCodes(typeWords, var->GetArgList());
  } else {
    ShowMessage(kUndefinedEnum, valueText, kVarsCaption);
  }
  var->SetIntValue(value);
  AddOwned(vars, var);
}

class VarsDocument final : public TableDocument {
 public:
  explicit VarsDocument(CVars& table) : table_(table) {}
  int Read(MCFile& file) override { return table_.Read(file); }
  int Write(MCFile& file) override { return table_.Write(file); }
  void Parse(MCStringArray& lines) override { table_.SplitString(lines); }
  bool HoldsNothing() const override { return table_.GetVars().GetSize() == 0; }
  void Clear() override { DeleteObjectsFrom(table_.GetVars(), 0); }

 private:
  CVars& table_;
};

}  // namespace

CVars::CVars() = default;

CVars::~CVars() { DeleteObjectsFrom(vars_, 0); }

int CVars::Open(const MCString& path) {
  if (opened_) return 1;
  VarsDocument document(*this);
  opened_ = OpenTableDocument(path, document) ? 1 : 0;
  return opened_;
}

int CVars::Close() {
  DeleteObjectsFrom(vars_, 0);
  opened_ = 0;
  return 1;
}

int CVars::SplitString(MCStringArray& lines) {
  ScratchConstants constants;
  SourceCursor cursor(lines);
  SourceLine line;
  MCString entry;
  while (cursor.Next(line)) {
    if (line.keyword == Keyword::kTable) {
      SetTableName(kCommonTableName);
      while (cursor.NextBlockEntry(entry)) ReadTableEntry(entry, constants, vars_);
      continue;
    }
    // A correspondence list belongs to table sets only.
    if (line.keyword == Keyword::kCorrTable) line.keyword = Keyword::kNone;
    ReadCommonStatement(line, cursor, constants, kVarsCaption, vars_);
  }
  return 1;
}

void CVars::MergeString(MCStringArray& /*lines*/) {}

int CVars::Read(MCFile& file) {
  const int oldSize = vars_.GetSize();
  compiled_table::Reader reader(file);
  if (compiled_table::DecodeTable(reader, vars_) && reader.Finish()) return 1;
  DeleteObjectsFrom(vars_, oldSize);
  return 0;
}

int CVars::Write(MCFile& file) const {
  compiled_table::Writer writer;
  compiled_table::EncodeTable(vars_, writer);
  return writer.WriteTo(file) ? 1 : 0;
}

int32_t CVars::GetNameId(const MCString& name) const {
  for (int i = 0; i < vars_.GetSize(); ++i) {
    const CVar* var = static_cast<const CVar*>(vars_[i]);
    if (var->GetVar().CompareNoCase(name) == 0) return var->GetIntValue();
  }
  return -1;
}

const MCString& CVars::GetNameStr(int32_t value) const {
  const CVar* var = GetVarFromId(value);
  return var != nullptr ? var->GetVar() : NoName();
}

CVar* CVars::GetVarFromId(int32_t value) const {
  for (int i = 0; i < vars_.GetSize(); ++i) {
    CVar* var = static_cast<CVar*>(vars_[i]);
    if (var->GetIntValue() == value) return var;
  }
  return nullptr;
}
