// Registry string values, read within the sizes they report.
#include "RegistryText.h"

#include <vector>

#include "com/Module.h"

namespace morvex::dictsystem {
namespace {

constexpr int kMaxKeyTextLength = 1023;

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

std::string TextFromData(const BYTE* data, DWORD size) {
  const char* text = reinterpret_cast<const char*>(data);
  size_t length = 0;
  while (length < size && text[length] != '\0') ++length;
  return std::string(text, length);
}

bool ReadStringValue(HKEY key, const char* name, std::string* text) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (size == 0 || !IsStringType(type)) return false;
  std::vector<BYTE> data(size);
  if (RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS ||
      !IsStringType(type))
    return false;
  *text = TextFromData(data.data(), size);
  return !text->empty();
}

bool LoadKeyText(UINT id, std::string* text) {
  char buffer[kMaxKeyTextLength + 1] = {};
  int length = LoadStringA(com::ModuleInstance(), id, buffer, sizeof buffer);
  if (length <= 0) return false;
  text->assign(buffer, static_cast<size_t>(length));
  return true;
}

}  // namespace morvex::dictsystem
