#include "grammar/CWordGram.h"

CWordGram::CWordGram() = default;

CWordGram::~CWordGram() = default;

MCString& CWordGram::GetValue(int id, MCString& out) {
  if (id != kIdWord) return CGramInfo::GetValue(id, out);
  out = GetWord();
  return out;
}

int CWordGram::GetValue(int id, int flag) { return CGramInfo::GetValue(id, flag); }

void CWordGram::SetValue(int id, MCString value) {
  if (id == kIdWord) {
    SetWord(value);
  } else {
    CGramInfo::SetValue(id, value);
  }
}

void CWordGram::SetValue(int id, int value, int flag) { CGramInfo::SetValue(id, value, flag); }

CWordGram* CWordGram::Copy(CWordGram* to) {
  if (to == nullptr) return nullptr;
  to->SetWord(GetWord());
  CGramInfo::Copy(to);
  return to;
}
