#include "base/CVal.h"

#include "base/CCorr.h"
#include "base/CVar.h"
#include "base/CVars.h"
#include "base/MCFile.h"
#include "base/OwnedObjects.h"
#include "base/TableCompiledFormat.h"
#include "base/TableOpen.h"
#include "base/TableSource.h"

using namespace table_source;

namespace {

const CVars* TableAt(const MCObArray& tables, int index) {
  return index >= 0 && index < tables.GetSize() ? static_cast<const CVars*>(tables[index])
                                                : nullptr;
}

int FindTable(const MCObArray& tables, const MCString& name) {
  for (int i = 0; i < tables.GetSize(); ++i) {
    if (TableAt(tables, i)->GetTableName().CompareNoCase(name) == 0) return i;
  }
  return -1;
}

// Appends a new table of that name; null when there is no room.
CVars* AddTable(MCObArray& tables, const MCString& name) {
  CVars* table = new CVars;
  if (table == nullptr) return nullptr;
  table->SetTableName(name);
  return AddOwned(tables, table) ? table : nullptr;
}

// A "table NAME" block: entries "name", value of a new table.
void ReadTableBlock(const MCString& name, SourceCursor& cursor, const ScratchConstants& constants,
                    MCObArray& tables) {
  CVars* table = AddTable(tables, name);
  MCString entry;
  while (cursor.NextBlockEntry(entry)) {
    MCString entryName;
    MCString valueText;
    SplitEntry(entry, false, entryName, valueText);
    int32_t value = 0;
    constants.Resolve(valueText, kValCaption, value);
    CVar* var = table != nullptr ? new CVar(Unquoted(entryName)) : nullptr;
    if (var == nullptr) continue;
    var->SetType(CVar::kValueType);
    var->SetIntValue(value);
    AddOwned(table->GetVars(), var);
  }
}

// A "corrtable" block: entries ATTRIBUTE, TABLE. The attribute must be a
// constant and the table defined above; otherwise that half stays 0.
void ReadCorrBlock(SourceCursor& cursor, const ScratchConstants& constants, const MCObArray& tables,
                   MCObArray& corrs) {
  MCString entry;
  while (cursor.NextBlockEntry(entry)) {
    MCString attribute;
    MCString tableName;
    SplitEntry(entry, false, attribute, tableName);
    int32_t attrId = 0;
    if (!constants.Lookup(attribute, attrId)) {
      ShowMessage(kUndefinedEnum, attribute, kValCaption);
    }
    int tableIndex = FindTable(tables, tableName);
    if (tableIndex < 0) {
      ShowMessage(kUnknownTable, tableName, kValCaption);
      tableIndex = 0;
    }
    AddOwned(corrs, new CCorr(attrId, tableIndex));
  }
}

class ValDocument final : public TableDocument {
 public:
  explicit ValDocument(CVal& set) : set_(set) {}
  int Read(MCFile& file) override { return set_.Read(file); }
  int Write(MCFile& file) override { return set_.Write(file); }
  void Parse(MCStringArray& lines) override { set_.SplitString(lines); }
  bool HoldsNothing() const override {
    if (set_.GetCorr().GetSize() > 0) return false;
    for (int i = 0; i < set_.GetVal().GetSize(); ++i) {
      if (TableAt(set_.GetVal(), i)->GetVars().GetSize() > 0) return false;
    }
    return true;
  }
  void Clear() override {
    DeleteObjectsFrom(set_.GetCorr(), 0);
    DeleteObjectsFrom(set_.GetVal(), 0);
  }

 private:
  CVal& set_;
};

}  // namespace

CVal::CVal() = default;

CVal::~CVal() { Close(); }

int CVal::Open(const MCString& path) {
  if (opened_) return 1;
  ValDocument document(*this);
  opened_ = OpenTableDocument(path, document) ? 1 : 0;
  return opened_;
}

int CVal::Close() {
  DeleteObjectsFrom(corrs_, 0);
  DeleteObjectsFrom(tables_, 0);
  opened_ = 0;
  return 1;
}

int CVal::SplitString(MCStringArray& lines) {
  if (tables_.GetSize() == 0 && AddTable(tables_, kCommonTableName) == nullptr) return 0;
  MCObArray& commonVars = static_cast<CVars*>(tables_[0])->GetVars();
  ScratchConstants constants;
  SourceCursor cursor(lines);
  SourceLine line;
  while (cursor.Next(line)) {
    switch (line.keyword) {
      case Keyword::kCorrTable:
        ReadCorrBlock(cursor, constants, tables_, corrs_);
        break;
      case Keyword::kTable:
        ReadTableBlock(line.rest, cursor, constants, tables_);
        break;
      default:
        ReadCommonStatement(line, cursor, constants, kValCaption, commonVars);
        break;
    }
  }
  return 1;
}

int CVal::Read(MCFile& file) {
  const int oldCorrs = corrs_.GetSize();
  const int oldTables = tables_.GetSize();
  compiled_table::Reader reader(file);
  if (compiled_table::DecodeTableSet(reader, corrs_, tables_) && reader.Finish()) return 1;
  DeleteObjectsFrom(corrs_, oldCorrs);
  DeleteObjectsFrom(tables_, oldTables);
  return 0;
}

int CVal::Write(MCFile& file) const {
  compiled_table::Writer writer;
  compiled_table::EncodeTableSet(corrs_, tables_, writer);
  return writer.WriteTo(file) ? 1 : 0;
}

int CVal::GetTableIndex(const MCString& name) const { return FindTable(tables_, name); }

int32_t CVal::GetValue(int table, const MCString& name) const {
  const CVars* found = TableAt(tables_, table);
  return found != nullptr ? found->GetNameId(name) : -1;
}

const MCString& CVal::GetValueStr(int table, int32_t value) const {
  const CVars* found = TableAt(tables_, table);
  return found != nullptr ? found->GetNameStr(value) : NoName();
}

int32_t CVal::GetNameToValueId(int32_t attribute) const {
  for (int i = 0; i < corrs_.GetSize(); ++i) {
    const CCorr* corr = static_cast<const CCorr*>(corrs_[i]);
    if (corr->attrId == attribute) return corr->tableIndex;
  }
  return 0;
}

int32_t CVal::GetValueToNameId(int32_t table) const {
  for (int i = 0; i < corrs_.GetSize(); ++i) {
    const CCorr* corr = static_cast<const CCorr*>(corrs_[i]);
    if (corr->tableIndex == table) return corr->attrId;
  }
  return 0;
}
