// Copies out of the Automation value wrappers.
#include "com/Automation.h"

namespace morvex::com {

HRESULT Bstr::CopyTo(BSTR* out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!value_) return S_OK;
  *out = SysAllocStringLen(value_, SysStringLen(value_));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Variant::CopyTo(VARIANT* out) const {
  if (!out) return E_POINTER;
  VariantInit(out);
  return VariantCopy(out, const_cast<VARIANT*>(&value_));
}

}  // namespace morvex::com
