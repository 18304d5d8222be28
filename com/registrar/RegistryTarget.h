// The registry as the registrar sees it: three roots, keys named by
// backslash-separated paths below a root, and string or number values.
//
// The registrar writes through this interface only. On Windows the COM
// framework implements it over the real registry; the tests of the
// registrar use an in-memory one. Key and value names compare without
// regard to ASCII case, as the registry's do. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace morvex::registrar {

enum class Root { kClassesRoot, kCurrentUser, kLocalMachine };

// "HKCR", "HKCU", "HKLM": for messages.
const char* RootName(Root root);

struct Value {
  enum class Type { kString, kNumber };  // REG_SZ, REG_DWORD
  Type type = Type::kString;
  std::string text;
  std::uint32_t number = 0;

  static Value String(std::string text) { return {Type::kString, std::move(text), 0}; }
  static Value Number(std::uint32_t number) { return {Type::kNumber, {}, number}; }
  bool operator==(const Value& other) const;
  bool operator!=(const Value& other) const { return !(*this == other); }
};

// What a key holds: the names of its values ("" is the default value, when
// it is set) and how many subkeys it has.
struct KeyListing {
  std::vector<std::string> valueNames;
  std::size_t subkeyCount = 0;
};

class RegistryTarget {
 public:
  virtual ~RegistryTarget() = default;

  // Creates the key and any missing parents; true when it exists afterwards.
  virtual bool CreateKey(Root root, const std::string& path) = 0;
  virtual bool KeyExists(Root root, const std::string& path) = 0;
  // Removes the key with all its subkeys and values; a missing key is no error.
  virtual bool DeleteTree(Root root, const std::string& path) = 0;
  // Sets a value of an existing key; the name "" is the key's default value.
  virtual bool SetValue(Root root, const std::string& path, const std::string& name,
                        const Value& value) = 0;
  // Removes a value; a missing one is no error.
  virtual bool DeleteValue(Root root, const std::string& path, const std::string& name) = 0;
  virtual bool ListKey(Root root, const std::string& path, KeyListing* listing) = 0;
};

// ASCII case-insensitive equality, the registry's rule for names.
bool SameName(const std::string& a, const std::string& b);

}  // namespace morvex::registrar
