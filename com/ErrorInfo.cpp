// Creating and setting COM error information.
#include "com/ErrorInfo.h"

#include <string>

#include "com/ComPtr.h"
#include "com/Module.h"

namespace morvex::com {

HRESULT ReportError(const ErrorSource& source, const wchar_t* description, HRESULT result) {
  Ptr<ICreateErrorInfo> created;
  if (SUCCEEDED(CreateErrorInfo(created.Put()))) {
    created->SetGUID(*source.iid);
    created->SetSource(const_cast<LPOLESTR>(source.progId));
    created->SetDescription(const_cast<LPOLESTR>(description));
    Ptr<IErrorInfo> info;
    if (SUCCEEDED(created.As(&info))) SetErrorInfo(0, info.Get());
  }
  return result;
}

HRESULT ReportError(const ErrorSource& source, UINT stringId) {
  std::wstring text = ModuleString(stringId);
  if (text.empty()) text = kUnknownErrorText;
  if (text.size() > static_cast<size_t>(kMaxErrorTextLength)) text.resize(kMaxErrorTextLength);
  return ReportError(source, text.c_str(), StringErrorResult(stringId));
}

}  // namespace morvex::com
