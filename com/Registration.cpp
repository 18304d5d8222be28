// DllRegisterServer / DllUnregisterServer: the module's registrar scripts
// through our own registrar, and its embedded type library.
#include "com/Registration.h"

#include <ole2.h>
#include <olectl.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "com/ComPtr.h"
#include "com/Module.h"
#include "com/WideText.h"
#include "com/Win32Registry.h"
#include "com/registrar/RegistrarApply.h"
#include "com/registrar/RegistrarScript.h"

// Present in oleaut32 since Windows Vista; the headers at hand do not declare them.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpDirectory);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libid, WORD major, WORD minor, LCID lcid,
                                                   SYSKIND syskind);

namespace morvex::com {
namespace {

std::string HexResult(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

void ReportFailure(const std::string& message) {
  OutputDebugStringW(
      WideFromUtf8("registration of " + Utf8FromWide(ModulePath()) + ": " + message + "\n")
          .c_str());
}

// The text of REGISTRY resource `id`, or false when the module has none.
bool LoadScriptText(UINT id, std::string_view* text) {
  HMODULE module = ModuleInstance();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"REGISTRY");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return false;
  *text = std::string_view(static_cast<const char*>(data), SizeofResource(module, found));
  return true;
}

// Parses every script of the module, so that nothing is written when one
// of them is malformed.
bool ParseScripts(const UINT* ids, std::vector<registrar::Script>* scripts) {
  const std::vector<registrar::Variable> variables = {{"MODULE", Utf8FromWide(ModulePath())}};
  for (const UINT* id = ids; id && *id; ++id) {
    std::string_view text;
    if (!LoadScriptText(*id, &text)) {
      ReportFailure("no REGISTRY resource " + std::to_string(*id));
      return false;
    }
    registrar::Script script;
    registrar::ParseError error;
    if (!registrar::ParseScript(text, variables, &script, &error)) {
      ReportFailure("script " + std::to_string(*id) + ", " + error.ToString());
      return false;
    }
    scripts->push_back(std::move(script));
  }
  return true;
}

// Unregisters scripts [0, count) from the last to the first.
bool UnregisterScripts(const std::vector<registrar::Script>& scripts, size_t count) {
  Win32Registry registry;
  bool ok = true;
  while (count > 0) {
    std::string error;
    if (!registrar::UnregisterScript(scripts[--count], registry, &error)) {
      ReportFailure(error);
      ok = false;
    }
  }
  return ok;
}

class LoadedTypeLib {
 public:
  explicit LoadedTypeLib(const wchar_t* path) {
    result_ = LoadTypeLibEx(path, REGKIND_NONE, library_.Put());
  }
  HRESULT Result() const { return result_; }
  ITypeLib* Get() const { return library_.Get(); }

 private:
  Ptr<ITypeLib> library_;
  HRESULT result_;
};

}  // namespace

HRESULT RegisterTypeLibrary(const wchar_t* modulePath, TypeLibScope scope) {
  if (scope == TypeLibScope::kNone) return S_OK;
  LoadedTypeLib library(modulePath);
  if (FAILED(library.Result())) return library.Result();
  OLECHAR* path = const_cast<OLECHAR*>(modulePath);
  return scope == TypeLibScope::kPerUser ? RegisterTypeLibForUser(library.Get(), path, nullptr)
                                         : RegisterTypeLib(library.Get(), path, nullptr);
}

HRESULT UnregisterTypeLibrary(const wchar_t* modulePath, TypeLibScope scope) {
  if (scope == TypeLibScope::kNone) return S_OK;
  LoadedTypeLib library(modulePath);
  if (FAILED(library.Result())) return library.Result();
  TLIBATTR* attributes = nullptr;
  HRESULT hr = library.Get()->GetLibAttr(&attributes);
  if (FAILED(hr)) return hr;
  TLIBATTR copy = *attributes;
  library.Get()->ReleaseTLibAttr(attributes);

  // Nothing registered under this LIBID and version: nothing to remove.
  Ptr<ITypeLib> registered;
  if (FAILED(LoadRegTypeLib(copy.guid, copy.wMajorVerNum, copy.wMinorVerNum, copy.lcid,
                            registered.Put())))
    return S_OK;
  registered.Reset();
  return scope == TypeLibScope::kPerUser
             ? UnRegisterTypeLibForUser(copy.guid, copy.wMajorVerNum, copy.wMinorVerNum, copy.lcid,
                                        copy.syskind)
             : UnRegisterTypeLib(copy.guid, copy.wMajorVerNum, copy.wMinorVerNum, copy.lcid,
                                 copy.syskind);
}

HRESULT RegisterServer(const ServerRegistration& server) {
  std::vector<registrar::Script> scripts;
  if (!ParseScripts(server.scripts, &scripts)) return SELFREG_E_CLASS;

  Win32Registry registry;
  for (size_t i = 0; i < scripts.size(); ++i) {
    std::string error;
    if (!registrar::RegisterScript(scripts[i], registry, &error)) {
      ReportFailure(error);
      UnregisterScripts(scripts, i);
      return SELFREG_E_CLASS;
    }
  }
  HRESULT hr = RegisterTypeLibrary(ModulePath().c_str(), server.typeLib);
  if (FAILED(hr)) {
    ReportFailure("the type library does not register (" + HexResult(hr) + ")");
    UnregisterScripts(scripts, scripts.size());
    return SELFREG_E_TYPELIB;
  }
  return S_OK;
}

HRESULT UnregisterServer(const ServerRegistration& server) {
  std::vector<registrar::Script> scripts;
  if (!ParseScripts(server.scripts, &scripts)) return SELFREG_E_CLASS;
  HRESULT typeLib = UnregisterTypeLibrary(ModulePath().c_str(), server.typeLib);
  if (FAILED(typeLib)) ReportFailure("the type library does not unregister");
  if (!UnregisterScripts(scripts, scripts.size())) return SELFREG_E_CLASS;
  return FAILED(typeLib) ? SELFREG_E_TYPELIB : S_OK;
}

}  // namespace morvex::com
