// CVal: a table set of the table language: several named tables of values
// and a correspondence list that ties attribute ids to tables. On disk it is
// a compiled file (see base/TableCompiledFormat.h) with a text source of the
// same name and the extension ".txt" beside it.
//
// The grammar library keeps the names of its attribute values in one
// (GramVal.dat). A table set's source may use what a single table's may
// (base/CVars.h), with two differences: each "table NAME" block starts a new
// table of that name, and a "corrtable" block lists ATTRIBUTE, TABLE pairs,
// where the attribute is a constant and the table one defined above it.
// "const" and '=' lines go into table 0, "CommonVars", which every parsed
// set has. Table names are not compiled: a set read from its compiled file
// has only unnamed tables, found by their position.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"

class MCFile;

class MBASE_API CVal : public MCObject {
 public:
  CVal();
  ~CVal() override;  // frees the tables and correspondences
  CVal(const CVal&) = delete;
  CVal& operator=(const CVal&) = delete;

  // As CVars::Open: 1 when the set holds the file's contents, 0 when there is
  // neither a sound compiled file nor a complete source. Does nothing on an
  // open set.
  int Open(const MCString& path);
  // Frees everything and clears the opened flag; returns 1.
  int Close();
  int IsOpen() const { return opened_; }

  // The tables (CVars*, owned by the set); a table's index is its position.
  MCObArray& GetVal() { return tables_; }
  const MCObArray& GetVal() const { return tables_; }
  // The correspondences (CCorr*, owned by the set), in source order.
  MCObArray& GetCorr() { return corrs_; }
  const MCObArray& GetCorr() const { return corrs_; }

  // Appends what the source lines define (after ReadStringArray), creating
  // table 0 "CommonVars" first when the set has no table. Returns 1 (0 when
  // there is no room for table 0).
  int SplitString(MCStringArray& lines);
  // One compiled table set at the file's position: Read appends its
  // correspondences and tables as stored (nothing when it is unsound), Write
  // refuses a set that the format cannot hold. 1 or 0.
  int Read(MCFile& file);
  int Write(MCFile& file) const;

  // The value of name in that table (CVars::GetNameId); -1 when the table
  // index is out of range.
  int32_t GetValue(int table, const MCString& name) const;
  // The name of value in that table; "" when there is none or the index is
  // out of range. The string belongs to the set.
  const MCString& GetValueStr(int table, int32_t value) const;
  // The table index of the first correspondence of that attribute; 0 when
  // there is none.
  int32_t GetNameToValueId(int32_t attribute) const;
  // The attribute id of the first correspondence of that table; 0 when
  // there is none.
  int32_t GetValueToNameId(int32_t table) const;

 protected:
  // The position of the first table whose name equals name, ignoring case
  // by the 7-bit rules; -1 when there is none.
  int GetTableIndex(const MCString& name) const;

 private:
  MCObArray corrs_;
  MCObArray tables_;
  int opened_ = 0;
};
