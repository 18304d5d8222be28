// Names and comparisons shared by every registry the registrar writes to.
#include "com/registrar/RegistryTarget.h"

namespace morvex::registrar {

const char* RootName(Root root) {
  switch (root) {
    case Root::kClassesRoot:
      return "HKCR";
    case Root::kCurrentUser:
      return "HKCU";
    case Root::kLocalMachine:
      return "HKLM";
  }
  return "?";
}

bool Value::operator==(const Value& other) const {
  if (type != other.type) return false;
  return type == Type::kString ? text == other.text : number == other.number;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace morvex::registrar
