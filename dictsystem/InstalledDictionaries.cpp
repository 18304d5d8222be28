// The installed dictionaries: one subkey per theme under the dictionary
// key, one string value per dictionary file in each.
#include <windows.h>

#include <climits>
#include <string>
#include <vector>

#include "AnsiText.h"
#include "HubClasses.h"
#include "HubResource.h"
#include "RegistryLists.h"
#include "RegistryText.h"
#include "com/Automation.h"
#include "com/RegistryKey.h"

namespace morvex::dictsystem {
namespace {

// The subkey of the dictionary key that holds the theme names; not a theme.
constexpr char kThemeNamesSubkey[] = "Name";

// The leading decimal digits of a theme subkey's name; 0 when there are
// none, and no more than LONG_MAX.
long ThemeIdFromName(const std::string& name) {
  long id = 0;
  for (char c : name) {
    if (c < '0' || c > '9') break;
    int digit = c - '0';
    if (id > (LONG_MAX - digit) / 10) return LONG_MAX;
    id = id * 10 + digit;
  }
  return id;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A dictionary object for `path` with its header read, closed again; null
// when the file does not open as a dictionary.
com::Ptr<IVelDictionary> ReadDictionary(const std::string& path, long themeId) {
  com::Ptr<IVelDictionary> dictionary;
  if (FAILED(CreateVelDictionary(IID_IVelDictionary, dictionary.PutVoid()))) return nullptr;
  com::Bstr fileName = com::Bstr::Adopt(BstrFromAnsi(path.data(), path.size()));
  if (FAILED(dictionary->put_AccessMode(vdsModeCreate)) ||
      FAILED(dictionary->put_DicFileName(fileName.Get())))
    return nullptr;
  if (FAILED(dictionary->Open(vdsOpenProp))) {
    // A file that does not open is passed over without a report.
    SetErrorInfo(0, nullptr);
    return nullptr;
  }
  dictionary->Close();
  dictionary->put_ThemeID(themeId);
  return dictionary;
}

// Adds the dictionaries listed in one theme subkey, from its last value to
// its first. Anything unreadable is passed over.
void AddTheme(HKEY dictionaryKey, const std::string& subkey, IVelDictCollection* collection) {
  com::RegistryKey theme;
  if (!theme.Open(dictionaryKey, subkey, KEY_QUERY_VALUE)) return;
  DWORD values = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyA(theme.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                       &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  long themeId = ThemeIdFromName(subkey);
  std::vector<char> name(longestName + 1);
  std::vector<BYTE> data(longestData + 1);
  for (DWORD index = values; index-- > 0;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataSize = static_cast<DWORD>(data.size());
    DWORD type = 0;
    if (RegEnumValueA(theme.Get(), index, name.data(), &nameLength, nullptr, &type, data.data(),
                      &dataSize) != ERROR_SUCCESS ||
        type != REG_SZ)
      continue;
    std::string path = TextFromData(data.data(), dataSize);
    if (path.empty() || !FileExists(path)) continue;
    if (com::Ptr<IVelDictionary> dictionary = ReadDictionary(path, themeId))
      collection->Add(dictionary.Get());
  }
}

}  // namespace

UINT ListInstalledDictionaries(com::Ptr<IVelDictCollection>* out) {
  com::Ptr<IVelDictCollection> collection;
  if (FAILED(CreateVelDictCollection(IID_IVelDictCollection, collection.PutVoid())))
    return IDS_ERR_REGISTRY;
  std::string keyText;
  com::RegistryKey dictionaries;
  if (!LoadKeyText(IDS_DICTIONARY_KEY, &keyText) ||
      !dictionaries.Open(HKEY_CURRENT_USER, keyText, KEY_READ))
    return IDS_ERR_REGISTRY;
  DWORD subkeys = 0, longestSubkey = 0;
  if (RegQueryInfoKeyA(dictionaries.Get(), nullptr, nullptr, nullptr, &subkeys, &longestSubkey,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return IDS_ERR_REGISTRY;
  std::vector<char> name(longestSubkey + 1);
  DWORD themes = 0;
  for (DWORD index = subkeys; index-- > 0;) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExA(dictionaries.Get(), index, name.data(), &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    std::string subkey(name.data(), length);
    if (lstrcmpiA(subkey.c_str(), kThemeNamesSubkey) == 0) continue;
    ++themes;
    AddTheme(dictionaries.Get(), subkey, collection.Get());
  }
  if (themes == 0) return IDS_ERR_REGISTRY;
  *out = std::move(collection);
  return 0;
}

}  // namespace morvex::dictsystem
