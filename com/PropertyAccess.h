// The get and put of a plain Automation property kept in a field of the
// object: what the options, hot keys, dictionaries and projects of the
// servers answer for every property with no rule of its own.
//
//   STDMETHODIMP get_LangIn(long* out) override { return GetProperty(langIn_, out); }
//   STDMETHODIMP put_LangIn(long value) override { return PutProperty(&langIn_, value); }
#pragma once

#include <windows.h>

namespace morvex::com {

// Hands the field out in the type the interface gives it; E_POINTER for a
// null `out`.
template <class Field, class Out>
HRESULT GetProperty(const Field& field, Out* out) {
  if (!out) return E_POINTER;
  *out = static_cast<Out>(field);
  return S_OK;
}

// Keeps any value the interface passes, in the field's type.
template <class Field, class In>
HRESULT PutProperty(Field* field, In value) {
  *field = static_cast<Field>(value);
  return S_OK;
}

}  // namespace morvex::com
