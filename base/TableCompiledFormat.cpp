#include "base/TableCompiledFormat.h"

#include <cstring>

#include "base/CCorr.h"
#include "base/CVar.h"
#include "base/CVars.h"
#include "base/MCArray.h"
#include "base/MCFile.h"
#include "base/MCString.h"
#include "base/OwnedObjects.h"

namespace compiled_table {

Reader::Reader(MCFile& file) : file_(file), start_(file.GetPosition()) { failed_ = start_ < 0; }

bool Reader::ReadBytes(uint8_t* out, size_t count) {
  while (!failed_ && count > 0) {
    if (used_ == filled_) {
      filled_ = file_.Read(buffer_, sizeof buffer_);
      used_ = 0;
      if (filled_ == 0) failed_ = true;
      continue;
    }
    const size_t take = count < filled_ - used_ ? count : filled_ - used_;
    std::memcpy(out, buffer_ + used_, take);
    used_ += take;
    consumed_ += static_cast<long>(take);
    out += take;
    count -= take;
  }
  return !failed_;
}

bool Reader::ReadU8(uint8_t& value) { return ReadBytes(&value, 1); }

bool Reader::ReadU16(uint16_t& value) {
  uint8_t b[2];
  if (!ReadBytes(b, sizeof b)) return false;
  value = static_cast<uint16_t>(b[0] | b[1] << 8);
  return true;
}

bool Reader::ReadI16(int16_t& value) {
  uint16_t bits;
  if (!ReadU16(bits)) return false;
  value = static_cast<int16_t>(bits);
  return true;
}

bool Reader::ReadI32(int32_t& value) {
  uint8_t b[4];
  if (!ReadBytes(b, sizeof b)) return false;
  value =
      static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
  return true;
}

bool Reader::ReadText(int length, MCString& text) {
  uint8_t bytes[kMaxShortLength];
  if (length < 0 || length > kMaxShortLength) return false;
  if (!ReadBytes(bytes, static_cast<size_t>(length))) return false;
  if (std::memchr(bytes, 0, static_cast<size_t>(length)) != nullptr) return false;
  text = MCString(reinterpret_cast<const char*>(bytes), length);
  return true;
}

bool Reader::Finish() {
  if (start_ < 0) return false;
  return file_.Seek(start_ + consumed_, MCFile::kBegin) == start_ + consumed_;
}

void Writer::WriteU8(uint8_t value) { bytes_.push_back(value); }

void Writer::WriteU16(uint16_t value) {
  bytes_.push_back(static_cast<uint8_t>(value));
  bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void Writer::WriteI16(int16_t value) { WriteU16(static_cast<uint16_t>(value)); }

void Writer::WriteI32(int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(bits >> shift));
}

void Writer::WriteShortBytes(const uint8_t* bytes, int length) {
  if (length < 0 || length > kMaxShortLength) {
    fits_ = false;
    return;
  }
  WriteU8(static_cast<uint8_t>(length));
  bytes_.insert(bytes_.end(), bytes, bytes + length);
}

void Writer::WriteCount(int count) {
  if (count < 0 || count > kMaxCount) fits_ = false;
  WriteU16(static_cast<uint16_t>(count));
}

bool Writer::WriteTo(MCFile& file) const {
  if (!fits_) return false;
  return bytes_.empty() ||
         file.Write(bytes_.data(), static_cast<unsigned>(bytes_.size())) == bytes_.size();
}

namespace {

const uint8_t* BytesOf(const MCString& text) {
  return reinterpret_cast<const uint8_t*>(static_cast<const char*>(text));
}

// A new variable read from the reader, or null when the record is unsound.
CVar* NewDecodedVar(Reader& reader) {
  CVar* var = new CVar;
  if (var != nullptr && !DecodeVar(reader, *var)) {
    delete var;
    return nullptr;
  }
  return var;
}

}  // namespace

bool DecodeVar(Reader& reader, CVar& var) {
  uint8_t nameLength = 0;
  MCString name;
  uint8_t argCount = 0;
  uint8_t argTypes[kMaxShortLength];
  int16_t type = 0;
  if (!reader.ReadU8(nameLength) || !reader.ReadText(nameLength, name) ||
      !reader.ReadU8(argCount)) {
    return false;
  }
  for (int i = 0; i < argCount; ++i) {
    if (!reader.ReadU8(argTypes[i])) return false;
  }
  if (!reader.ReadI16(type)) return false;
  MCString text;
  int32_t value = 0;
  if (type == CVar::kStringType) {
    uint8_t textLength = 0;
    if (!reader.ReadU8(textLength) || !reader.ReadText(textLength, text)) return false;
  } else if (!reader.ReadI32(value)) {
    return false;
  }
  MCByteArray& args = var.GetArgList();
  args.SetSize(argCount);
  if (args.GetSize() != argCount) return false;
  for (int i = 0; i < argCount; ++i) args[i] = argTypes[i];
  var.SetVar(name);
  var.SetType(type);
  var.SetIntValue(value);
  var.SetStringValue(text);
  return true;
}

void EncodeVar(const CVar& var, Writer& writer) {
  writer.WriteShortBytes(BytesOf(var.GetVar()), var.GetVar().GetLength());
  writer.WriteShortBytes(var.GetArgList().GetData(), var.GetArgList().GetSize());
  writer.WriteI16(var.GetType());
  if (var.GetType() == CVar::kStringType) {
    writer.WriteShortBytes(BytesOf(var.GetStringValue()), var.GetStringValue().GetLength());
  } else {
    writer.WriteI32(var.GetIntValue());
  }
}

bool DecodeTable(Reader& reader, MCObArray& vars) {
  const int oldSize = vars.GetSize();
  uint16_t count = 0;
  bool sound = reader.ReadU16(count);
  for (int i = 0; sound && i < count; ++i) sound = AddOwned(vars, NewDecodedVar(reader));
  if (!sound) DeleteObjectsFrom(vars, oldSize);
  return sound;
}

void EncodeTable(const MCObArray& vars, Writer& writer) {
  writer.WriteCount(vars.GetSize());
  for (int i = 0; i < vars.GetSize(); ++i) EncodeVar(*static_cast<const CVar*>(vars[i]), writer);
}

bool DecodeTableSet(Reader& reader, MCObArray& corrs, MCObArray& tables) {
  const int oldCorrs = corrs.GetSize();
  const int oldTables = tables.GetSize();
  uint16_t corrCount = 0;
  bool sound = reader.ReadU16(corrCount);
  for (int i = 0; sound && i < corrCount; ++i) {
    int32_t attrId = 0;
    int32_t tableIndex = 0;
    sound = reader.ReadI32(attrId) && reader.ReadI32(tableIndex) &&
            AddOwned(corrs, new CCorr(attrId, tableIndex));
  }
  uint16_t tableCount = 0;
  sound = sound && reader.ReadU16(tableCount);
  for (int i = 0; sound && i < tableCount; ++i) {
    CVars* table = new CVars;
    sound = AddOwned(tables, table) && DecodeTable(reader, table->GetVars());
  }
  for (int i = oldCorrs; sound && i < corrs.GetSize(); ++i) {
    const int32_t index = static_cast<const CCorr*>(corrs[i])->tableIndex;
    sound = index >= 0 && index < tableCount;
  }
  if (!sound) {
    DeleteObjectsFrom(corrs, oldCorrs);
    DeleteObjectsFrom(tables, oldTables);
  }
  return sound;
}

void EncodeTableSet(const MCObArray& corrs, const MCObArray& tables, Writer& writer) {
  writer.WriteCount(corrs.GetSize());
  for (int i = 0; i < corrs.GetSize(); ++i) {
    const CCorr* corr = static_cast<const CCorr*>(corrs[i]);
    writer.WriteI32(corr->attrId);
    writer.WriteI32(corr->tableIndex);
  }
  writer.WriteCount(tables.GetSize());
  for (int i = 0; i < tables.GetSize(); ++i) {
    EncodeTable(static_cast<const CVars*>(tables[i])->GetVars(), writer);
  }
}

}  // namespace compiled_table
