// The process-wide engine module and the lookup of its entry points.
#include "EngineBinding.h"

#include "com/Module.h"

namespace morvex::dictsystem {
namespace {

// All COM objects of the server live in the one user-interface thread, so
// these need no lock.
HMODULE g_engine = nullptr;
int g_holders = 0;

// The longest entry-point name taken from the string table.
constexpr int kMaxEntryNameLength = 511;

}  // namespace

bool AcquireEngine(const std::string& path) {
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) return false;
  if (g_engine && module != g_engine) {
    FreeLibrary(module);
    return false;
  }
  g_engine = module;
  ++g_holders;
  return true;
}

void ReleaseEngine() {
  if (!g_engine || g_holders == 0) return;
  FreeLibrary(g_engine);
  if (--g_holders == 0) g_engine = nullptr;
}

FARPROC EngineProcedure(UINT nameId) {
  if (!g_engine) return nullptr;
  char name[kMaxEntryNameLength + 1] = {};
  if (LoadStringA(com::ModuleInstance(), nameId, name, sizeof name) <= 0) return nullptr;
  return GetProcAddress(g_engine, name);
}

}  // namespace morvex::dictsystem
