// Theme names: one key per language under the theme-name key, one value
// per theme in each.
#include <windows.h>

#include <cstdio>
#include <string>

#include "HubResource.h"
#include "RegistryLists.h"
#include "RegistryText.h"
#include "com/RegistryKey.h"

namespace morvex::dictsystem {

UINT ReadThemeName(long langId, long themeId, std::string* name) {
  std::string keyText;
  if (!LoadKeyText(IDS_THEME_NAME_KEY, &keyText)) return IDS_ERR_REGISTRY;
  char language[16];
  std::snprintf(language, sizeof language, "%3X", static_cast<unsigned>(langId));
  char theme[16];
  std::snprintf(theme, sizeof theme, "%ld", themeId);
  com::RegistryKey names;
  if (!names.Open(HKEY_CURRENT_USER, keyText + language, KEY_QUERY_VALUE) ||
      !ReadStringValue(names.Get(), theme, name))
    return IDS_ERR_REGISTRY;
  return 0;
}

}  // namespace morvex::dictsystem
