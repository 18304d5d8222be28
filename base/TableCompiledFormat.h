// The compiled form of the table language's documents, encoded and decoded
// in this one place. All fields are little-endian, without padding:
//
//   variable   u8  name length L, then L name bytes
//              u8  argument count k, then k type-code bytes
//              i16 type
//              type 10002 (a string):  u8 text length M, then M text bytes
//              any other type:         i32 value
//   table      u16 variable count, then that many variables. The table's
//              name is not stored. A single table's compiled file is one
//              table record.
//   table set  u16 correspondence count n, then n times
//                  i32 attribute id, i32 table index (below the table count)
//              u16 table count m, then m table records
//
// Readers check every length against the bytes the file really has and
// refuse a name or text that holds a NUL byte, so a damaged file is refused
// whole and never read out of bounds. Writers refuse what the record cannot
// hold (a length above 255, a count above 65535) instead of wrapping it.
//
// Internal to MorvexBase: used by CVar, CVars and CVal (Read and Write).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CVar;
class MCFile;
class MCObArray;
class MCString;

namespace compiled_table {

constexpr int kMaxShortLength = 0xFF;  // u8 lengths: names, texts, argument lists
constexpr int kMaxCount = 0xFFFF;      // u16 counts: variables, correspondences, tables

// Reads a record's fields from an open file through a buffer. Each read
// fails once the file has no more bytes, and every later read fails too.
class Reader {
 public:
  explicit Reader(MCFile& file);
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool ReadU8(uint8_t& value);
  bool ReadU16(uint16_t& value);
  bool ReadI16(int16_t& value);
  bool ReadI32(int32_t& value);
  // `length` bytes that hold no NUL.
  bool ReadText(int length, MCString& text);
  // Puts the file's position just after the last byte decoded (the buffer
  // may have read further). False when that fails.
  bool Finish();

 private:
  bool ReadBytes(uint8_t* out, size_t count);

  MCFile& file_;
  long start_;
  long consumed_ = 0;
  bool failed_ = false;
  uint8_t buffer_[4096];
  size_t filled_ = 0;
  size_t used_ = 0;
};

// Collects a record in memory, then writes it in one go.
class Writer {
 public:
  void WriteU8(uint8_t value);
  void WriteU16(uint16_t value);
  void WriteI16(int16_t value);
  void WriteI32(int32_t value);
  // A u8 length, then the bytes.
  void WriteShortBytes(const uint8_t* bytes, int length);
  // A u16 count; refuses the record when count does not fit.
  void WriteCount(int count);
  // True when every length and count fitted and every byte was written.
  bool WriteTo(MCFile& file) const;

 private:
  std::vector<uint8_t> bytes_;
  bool fits_ = true;
};

// A variable record into var; false (var unchanged) when it is unsound.
bool DecodeVar(Reader& reader, CVar& var);
void EncodeVar(const CVar& var, Writer& writer);

// A table record: its variables (new CVar objects) appended to vars. False,
// and vars as before, when the record is unsound.
bool DecodeTable(Reader& reader, MCObArray& vars);
void EncodeTable(const MCObArray& vars, Writer& writer);

// A table set: its correspondences (new CCorr) appended to corrs, its tables
// (new CVars) to tables. False, and both as before, when it is unsound.
bool DecodeTableSet(Reader& reader, MCObArray& corrs, MCObArray& tables);
void EncodeTableSet(const MCObArray& corrs, const MCObArray& tables, Writer& writer);

}  // namespace compiled_table
