// The registrar's registry target over the real Windows registry (the wide
// registry API, UTF-8 names converted). Used by the framework's
// DllRegisterServer and DllUnregisterServer helpers.
#pragma once

#include "com/registrar/RegistryTarget.h"

namespace morvex::com {

class Win32Registry : public registrar::RegistryTarget {
 public:
  bool CreateKey(registrar::Root root, const std::string& path) override;
  bool KeyExists(registrar::Root root, const std::string& path) override;
  bool DeleteTree(registrar::Root root, const std::string& path) override;
  bool SetValue(registrar::Root root, const std::string& path, const std::string& name,
                const registrar::Value& value) override;
  bool DeleteValue(registrar::Root root, const std::string& path, const std::string& name) override;
  bool ListKey(registrar::Root root, const std::string& path,
               registrar::KeyListing* listing) override;
};

}  // namespace morvex::com
