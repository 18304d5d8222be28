// CVars: one table of the table language, a list of named values. On disk it
// is a compiled file (see base/TableCompiledFormat.h) with a text source of
// the same name and the extension ".txt" beside it.
//
// The grammar library keeps its attribute names in one (GramId.dat); a table
// set (CVal, base/CVal.h) holds several. A single table's source may use:
//
//   #define NAME value       value: digits, 'c', '\c', "text" (gives 0) or a NAME
//   enum ...                 a block of NAME or NAME = value entries, counting up
//   table ...                a block of entries  "name", value  where a name may
//                            describe a function:  "int Get(char, bool)"
//   const NAME = value       and any other line  NAME = value
//
// A block is the lines after its keyword line up to a line that begins with
// '}'; lines that begin with '{' are skipped. Constants exist only while the
// source is parsed. A problem (an undefined name or argument type) shows a
// message box and parsing goes on, with the value left at 0.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"

class CVar;
class MCFile;

class MBASE_API CVars : public MCObject {
 public:
  CVars();
  ~CVars() override;  // frees the variables
  CVars(const CVars&) = delete;
  CVars& operator=(const CVars&) = delete;

  // Fills the table from the compiled file at path, or, when that is
  // missing or damaged, from its source, which is then compiled (see
  // base/TableOpen.h). 1 when the table holds the file's contents (also when
  // the compiled file could not be written), 0 when there is neither a sound
  // compiled file nor a complete source; the table is then empty. On an open
  // table it does nothing and returns 1.
  int Open(const MCString& path);
  // Frees the variables and clears the opened flag; returns 1.
  int Close();
  int IsOpen() const { return opened_; }

  // The variables (CVar*, owned by the table) in source order.
  MCObArray& GetVars() { return vars_; }
  const MCObArray& GetVars() const { return vars_; }
  const MCString& GetTableName() const { return name_; }
  void SetTableName(const MCString& name) { name_ = name; }

  // Appends what the source lines define (after ReadStringArray); returns 1.
  int SplitString(MCStringArray& lines);
  // Writing a table back as source is not supported: does nothing.
  void MergeString(MCStringArray& lines);
  // One compiled table record at the file's position: Read appends its
  // variables (nothing when the record is unsound), Write refuses a table
  // that the format cannot hold. 1 or 0; the file is left just after the
  // record.
  int Read(MCFile& file);
  int Write(MCFile& file) const;

  // The value of the first variable whose name equals name, ignoring case
  // by the 7-bit rules; -1 when there is none.
  int32_t GetNameId(const MCString& name) const;
  // The name of the first variable with that value; "" when there is none.
  // The string belongs to the table.
  const MCString& GetNameStr(int32_t value) const;
  // The first variable with that value, or null.
  CVar* GetVarFromId(int32_t value) const;

 private:
  MCString name_;
  MCObArray vars_;
  int opened_ = 0;
};
