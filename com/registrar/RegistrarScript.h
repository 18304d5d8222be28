// Registrar scripts: the text form in which each COM server describes the
// registry keys it registers, and its parsed form.
//
//   HKCR
//   {
//     Morvex.Thing.1 = s 'Thing Class'
//     {
//       CLSID = s '{...}'
//     }
//     NoRemove CLSID
//     {
//       ForceRemove {...} = s 'Thing Class'
//       {
//         InprocServer32 = s '%MODULE%'
//         {
//           val ThreadingModel = s 'Apartment'
//         }
//       }
//     }
//   }
//
// Roots HKCR, HKCU, HKLM (or their HKEY_ names); a key may carry NoRemove
// (registration creates it if needed, unregistration leaves it), ForceRemove
// (registration replaces the whole key, unregistration removes it whole) or
// Delete (registration removes it). "= s '...'" sets a key's default value,
// "val name = s '...'" or "= d '...'" (decimal or 0x hexadecimal) a named
// value. Names may be quoted; '' inside quotes is one quote. %NAME% in a
// name or value is replaced by the variable NAME, %% by one %; variables are
// replaced after the text is split, so a value with quotes or braces in it
// (a module path) cannot change the script's structure.
//
// The parser reads the whole script before anything is applied, and reports
// the first fault with its line and column. Used by the COM framework's
// registration; portable, and tested natively.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/registrar/RegistryTarget.h"

namespace morvex::registrar {

enum class KeyMode { kNormal, kNoRemove, kForceRemove, kDelete };

struct NamedValue {
  std::string name;
  Value value;
};

struct Key {
  KeyMode mode = KeyMode::kNormal;
  std::string name;
  std::optional<Value> defaultValue;
  std::vector<NamedValue> values;
  std::vector<Key> subkeys;
};

struct RootBlock {
  Root root = Root::kClassesRoot;
  std::vector<Key> keys;
};

struct Script {
  std::vector<RootBlock> roots;
};

struct Variable {
  std::string name;  // without the percent signs; compared without regard to case
  std::string value;
};

struct ParseError {
  int line = 0;    // 1-based
  int column = 0;  // 1-based, in bytes
  std::string message;

  // "line 3, column 7: <message>"
  std::string ToString() const;
};

// Keys nest at most this deep below their root.
inline constexpr int kMaxKeyDepth = 64;

// Parses `text` (UTF-8; a leading byte-order mark and trailing NULs are
// ignored). On success fills `script` and returns true; otherwise fills
// `error`, leaves `script` empty and returns false.
bool ParseScript(std::string_view text, const std::vector<Variable>& variables, Script* script,
                 ParseError* error);

}  // namespace morvex::registrar
