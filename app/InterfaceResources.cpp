#include "app/InterfaceResources.h"

#include "com/WideText.h"

#include <cstring>

#include "PrefStore.h"
#include "app/Resources.h"
#include "app/portable/LanguageKey.h"
#include "com/Module.h"
#include "com/RegistryKey.h"

namespace morvex::solo {

namespace {

HINSTANCE g_resourceLibrary = nullptr;
std::string g_helpPath;

enum class ValueRead { kNoKey, kEmpty, kFailed, kRead };

// A path value of the interface language's key, whatever its registry
// type, cut at its first terminator and never past what was read.
ValueRead ReadLanguageValue(IVelMorvexOpt* options, UINT nameId, std::string* value) {
  if (!options) return ValueRead::kNoKey;
  long languageId = 0;
  options->get_LangID(&languageId);
  com::RegistryKey key;
  if (!key.Open(HKEY_CURRENT_USER, LanguagesKey(languageId), KEY_READ)) return ValueRead::kNoKey;
  const std::string name = ProgramString(nameId);
  DWORD size = 0;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) !=
          ERROR_SUCCESS ||
      size == 0) {
    return ValueRead::kEmpty;
  }
  std::string buffer(size + 1, '\0');
  DWORD read = size;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr,
                       reinterpret_cast<BYTE*>(&buffer[0]), &read) != ERROR_SUCCESS) {
    return ValueRead::kFailed;
  }
  buffer.resize(strnlen(buffer.data(), read < size ? read : size));
  *value = buffer;
  return ValueRead::kRead;
}

std::string StringOf(HINSTANCE module, UINT id, int capacity) {
  std::string text(static_cast<size_t>(capacity > 1 ? capacity : 1), '\0');
  int length = LoadStringA(module, id, &text[0], capacity);
  text.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return text;
}

bool HoldsString(HINSTANCE module, UINT id) {
  char probe[2];
  return LoadStringA(module, id, probe, sizeof probe) > 0;
}

}  // namespace

void LoadResourceLibrary(IVelMorvexOpt* options) {
  std::string path;
  switch (ReadLanguageValue(options, IDS_LANGUAGE_RESOURCES_VALUE, &path)) {
    case ValueRead::kEmpty:
      g_resourceLibrary = nullptr;
      break;
    case ValueRead::kRead:
      g_resourceLibrary = path.empty() ? nullptr : LoadLibraryA(path.c_str());
      break;
    case ValueRead::kNoKey:
    case ValueRead::kFailed:
      break;
  }
}

bool LoadHelpPath(IVelMorvexOpt* options) {
  std::string path;
  switch (ReadLanguageValue(options, IDS_LANGUAGE_HELP_VALUE, &path)) {
    case ValueRead::kEmpty:
      g_helpPath.clear();
      return false;
    case ValueRead::kRead:
      g_helpPath = path;
      return true;
    case ValueRead::kNoKey:
    case ValueRead::kFailed:
      break;
  }
  return false;
}

const std::string& HelpPath() { return g_helpPath; }

HINSTANCE ResourceLibrary() { return g_resourceLibrary; }

// A text the library lacks would otherwise blank a title or a menu item.
std::string InterfaceString(UINT id, int capacity) {
  if (g_resourceLibrary && HoldsString(g_resourceLibrary, id)) {
    return StringOf(g_resourceLibrary, id, capacity);
  }
  return ProgramString(id, capacity);
}

com::Bstr InterfaceText(UINT id) {
  return com::Bstr(com::WideFromAnsi(InterfaceString(id)).c_str());
}

HMENU InterfaceMenu(UINT id) {
  HMENU menu = g_resourceLibrary ? LoadMenuA(g_resourceLibrary, MAKEINTRESOURCEA(id)) : nullptr;
  return menu ? menu : LoadMenuA(com::ModuleInstance(), MAKEINTRESOURCEA(id));
}

std::string ProgramString(UINT id, int capacity) {
  return StringOf(com::ModuleInstance(), id, capacity);
}

std::string LanguagesKey(long languageId) {
  return ProgramString(IDS_LANGUAGES_KEY) + LanguageKeySuffix(languageId);
}

}  // namespace morvex::solo
