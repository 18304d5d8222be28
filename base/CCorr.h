// CCorr: one entry of a table set's correspondence list, which ties an
// attribute id to the table that names that attribute's values.
//
// Owned by CVal (base/CVal.h), which answers the lookups; the grammar library
// reaches them through CVal::GetNameToValueId and GetValueToNameId.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"
#include "base/MCObject.h"

class MBASE_API CCorr : public MCObject {
 public:
  CCorr();
  CCorr(int32_t attributeId, int32_t index);
  ~CCorr() override;

  int32_t attrId = 0;
  int32_t tableIndex = 0;  // a position in CVal::GetVal()
};
