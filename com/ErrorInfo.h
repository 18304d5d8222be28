// COM error information: SupportErrorInfo<Itf...> answers ISupportErrorInfo
// for the listed interfaces, and ReportError makes an error object (the
// interface's IID, the class's ProgID as source, a description), sets it as
// the thread's error information and returns the HRESULT for the caller to
// return. Clients read it with GetErrorInfo; IDispatch callers receive it in
// EXCEPINFO.
//
//   return com::ReportError(kThingError, IDS_NOT_OPEN);   // 0x80040000 + id
#pragma once

#include <oaidl.h>
#include <windows.h>

namespace morvex::com {

template <class... Interfaces>
class SupportErrorInfo : public ISupportErrorInfo {
 public:
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
    return (IsEqualIID(iid, __uuidof(Interfaces)) || ...) ? S_OK : S_FALSE;
  }
};

// Who reports: the interface the failing call belongs to and the ProgID of
// the class (the error's source).
struct ErrorSource {
  const IID* iid;
  const wchar_t* progId;
};

// The HRESULT of a server error numbered by its string id: severity error,
// facility interface, code = id.
constexpr HRESULT StringErrorResult(UINT stringId) {
  return static_cast<HRESULT>(0x80040000u | (stringId & 0xFFFFu));
}

// The longest description taken from the string table.
inline constexpr int kMaxErrorTextLength = 1023;
// The description when the string table has no text for the id.
inline constexpr wchar_t kUnknownErrorText[] = L"Unknown Error";

// Sets error information with the text of `stringId` from the module's
// string table and returns StringErrorResult(stringId).
HRESULT ReportError(const ErrorSource& source, UINT stringId);

// Sets error information with `description` and returns `result`.
HRESULT ReportError(const ErrorSource& source, const wchar_t* description, HRESULT result);

}  // namespace morvex::com
