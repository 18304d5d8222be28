// An open registry key that is closed when it goes, for every piece of the
// system that reads or writes the registry: the framework's registrar
// target and the servers' own readers and writers of their keys. The wide
// form takes names as Windows stores them; the ANSI forms take them in the
// system's code page, as the servers' keys and values are named.
#pragma once

#include <windows.h>

#include <string>

namespace morvex::com {

class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  // Opens `path` under `parent` with `access`, letting go of any key held
  // before; false, and no key held, when it cannot.
  bool Open(HKEY parent, const wchar_t* path, REGSAM access);
  bool Open(HKEY parent, const std::string& path, REGSAM access);
  // The same with full access, creating the keys of `path` that are missing.
  bool OpenOrCreate(HKEY parent, const std::string& path);

  // The key; null when none is held.
  HKEY Get() const { return key_; }

 private:
  void Close();
  // Whether the call that was to open key_ succeeded; no key held when not.
  bool Kept(LONG result);

  HKEY key_ = nullptr;
};

}  // namespace morvex::com
