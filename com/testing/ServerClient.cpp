#include "com/testing/ServerClient.h"

#include <iomanip>

#include "com/ProcAddress.h"

namespace morvex::com::testing {

void PrintTo(const Hr& hr, std::ostream* out) {
  *out << "0x" << std::hex << std::setw(8) << std::setfill('0')
       << static_cast<unsigned long>(hr.value);
}

DISPID LateCall::Id(const wchar_t* name) const {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT LateCall::Invoke(DISPID id, WORD flags, std::vector<Variant> arguments, VARIANT* result,
                         EXCEPINFO* exception) const {
  std::vector<VARIANT> reversed;
  for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) reversed.push_back(it->Get());
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
  }
  UINT argumentError = 0;
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception,
                        &argumentError);
}

::testing::AssertionResult HasDispIds(
    const LateCall& call, std::initializer_list<std::pair<const wchar_t*, DISPID>> expected) {
  for (const auto& [name, id] : expected) {
    DISPID found = call.Id(name);
    if (found != id)
      return ::testing::AssertionFailure() << name << " has DISPID " << found << ", not " << id;
  }
  return ::testing::AssertionSuccess();
}

ScopedExcepInfo::~ScopedExcepInfo() {
  SysFreeString(bstrSource);
  SysFreeString(bstrDescription);
  SysFreeString(bstrHelpFile);
}

ErrorRecord TakeErrorInfo() {
  ErrorRecord record;
  Ptr<IErrorInfo> info;
  if (GetErrorInfo(0, info.Put()) != S_OK || !info) return record;
  record.present = true;
  Bstr description, source;
  info->GetDescription(description.Put());
  info->GetSource(source.Put());
  info->GetGUID(&record.iid);
  record.description = description.Text();
  record.source = source.Text();
  return record;
}

ServerEntry ServerEntryOf(HMODULE module, const char* name) {
  return ProcAddress<ServerEntry>(module, name);
}

void ExpectNoLiveObjects(const wchar_t* dllName) {
  HMODULE server = GetModuleHandleW(dllName);
  if (!server) return;
  ServerEntry canUnload = ServerEntryOf(server, "DllCanUnloadNow");
  ASSERT_NE(canUnload, nullptr);
  EXPECT_EQ(Hr{canUnload()}, Hr{S_OK}) << "an object of the server is still alive";
}

}  // namespace morvex::com::testing
