#include "base/CVar.h"

#include "base/MCFile.h"
#include "base/TableCompiledFormat.h"

CVar::CVar() = default;

CVar::CVar(const MCString& name) : name_(name) {}

CVar::~CVar() = default;

int CVar::Read(MCFile& file) {
  compiled_table::Reader reader(file);
  const bool sound = compiled_table::DecodeVar(reader, *this);
  return reader.Finish() && sound ? 1 : 0;
}

int CVar::Write(MCFile& file) const {
  compiled_table::Writer writer;
  compiled_table::EncodeVar(*this, writer);
  return writer.WriteTo(file) ? 1 : 0;
}

int CompareVars(MCObject* element, const void* key) {
  const CVar* left = static_cast<const CVar*>(element);
  const CVar* right = static_cast<const CVar*>(key);
  return left->GetVar().CompareNoCase(right->GetVar());
}
