// CVar: one variable of the table language: a name with an integer (or
// string) value and, for an entry that describes a function, the type codes
// of its result and arguments.
//
// Variables are made by the source parsers and the compiled-file reader of
// CVars and CVal (base/CVars.h, base/CVal.h), which own them; the grammar
// library reads their names and values through those tables.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCArray.h"
#include "base/MCObject.h"
#include "base/MCString.h"

class MCFile;

class MBASE_API CVar : public MCObject {
 public:
  // What GetType answers. (An enum: static data members of an exported class
  // would be imported from the DLL wherever they are bound to a reference.)
  enum : int16_t {
    kPlainType = 0,       // from a '=' line
    kValueType = 10000,   // from a table entry or a `const` line
    kStringType = 10002,  // the value is GetStringValue()
  };

  CVar();
  explicit CVar(const MCString& name);
  ~CVar() override;
  CVar(const CVar&) = delete;
  CVar& operator=(const CVar&) = delete;

  // One compiled variable record at the file's position (the layout is in
  // base/TableCompiledFormat.h). Read replaces this variable's fields only
  // when the whole record is sound; the file is left just after what was
  // read. Write refuses (0, nothing written) a name, text or argument list
  // longer than the record can hold. Both return 1 or 0.
  int Read(MCFile& file);
  int Write(MCFile& file) const;

  const MCString& GetVar() const { return name_; }
  void SetVar(const MCString& name) { name_ = name; }
  // Type codes, one per byte: the result first, then the arguments.
  MCByteArray& GetArgList() { return argTypes_; }
  const MCByteArray& GetArgList() const { return argTypes_; }
  int16_t GetType() const { return type_; }
  void SetType(int16_t type) { type_ = type; }
  int32_t GetIntValue() const { return value_; }
  void SetIntValue(int32_t value) { value_ = value; }
  const MCString& GetStringValue() const { return text_; }
  void SetStringValue(const MCString& text) { text_ = text; }
  // The owner's own number for the variable; never stored in a file.
  int16_t GetIndex() const { return index_; }
  void SetIndex(int16_t index) { index_ = index; }

 private:
  MCString name_;
  MCByteArray argTypes_;
  int16_t index_ = 0;
  int16_t type_ = kPlainType;
  int32_t value_ = 0;
  MCString text_;
};

// Orders an element of an array of variables against a key variable (a
// const CVar*) by name, ignoring case by the 7-bit rules: the comparison for
// MCObArray's Find and Search. Negative, 0 or positive.
extern "C" MBASE_API int CompareVars(MCObject* element, const void* key);
