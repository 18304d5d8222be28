// Module state of one DLL: its handle and path, the lock count, the cached
// embedded type library and the string table.
#include "com/Module.h"

#include <mutex>

// The linker's symbol for the start of the image this code is linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace morvex::com {
namespace {

volatile LONG g_locks = 0;
std::mutex g_typeLibMutex;
ITypeLib* g_typeLib = nullptr;  // guarded by g_typeLibMutex

void ReleaseTypeLib() {
  std::lock_guard<std::mutex> guard(g_typeLibMutex);
  if (g_typeLib) g_typeLib->Release();
  g_typeLib = nullptr;
}

}  // namespace

HINSTANCE ModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(ModuleInstance(), &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void LockModule() { InterlockedIncrement(&g_locks); }

void UnlockModule() {
  if (InterlockedDecrement(&g_locks) == 0) ReleaseTypeLib();
}

LONG ModuleLockCount() { return g_locks; }

HRESULT CanUnloadModule() { return ModuleLockCount() == 0 ? S_OK : S_FALSE; }

HRESULT ModuleTypeInfo(REFGUID guid, ITypeInfo** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  std::lock_guard<std::mutex> guard(g_typeLibMutex);
  if (!g_typeLib) {
    HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &g_typeLib);
    if (FAILED(hr)) return hr;
  }
  return g_typeLib->GetTypeInfoOfGuid(guid, out);
}

std::wstring ModuleString(UINT id) {
  const wchar_t* text = nullptr;
  // With no buffer, LoadString hands out the resource's own read-only text.
  int length = LoadStringW(ModuleInstance(), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return std::wstring();
  return std::wstring(text, static_cast<size_t>(length));
}

}  // namespace morvex::com
