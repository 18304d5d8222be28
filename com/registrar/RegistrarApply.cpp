// Writes a parsed registrar script into a registry and takes it back out;
// the rules are in RegistrarApply.h.
#include "com/registrar/RegistrarApply.h"

#include <utility>

namespace morvex::registrar {
namespace {

std::string Describe(Root root, const std::string& path) {
  return std::string(RootName(root)) + "\\" + path;
}

std::string Describe(Root root, const std::string& path, const std::string& name) {
  return "value '" + name + "' of " + Describe(root, path);
}

class Writer {
 public:
  Writer(RegistryTarget& registry, std::string* error) : registry_(registry), error_(error) {}

  bool Register(Root root, const std::string& parent, const Key& key) {
    std::string path = parent.empty() ? key.name : parent + "\\" + key.name;
    if (key.mode == KeyMode::kForceRemove || key.mode == KeyMode::kDelete) {
      if (!registry_.DeleteTree(root, path)) return Fail("cannot remove " + Describe(root, path));
      if (key.mode == KeyMode::kDelete) return true;
    }
    if (!registry_.CreateKey(root, path)) return Fail("cannot create " + Describe(root, path));
    if (key.defaultValue && !registry_.SetValue(root, path, "", *key.defaultValue))
      return Fail("cannot set the default value of " + Describe(root, path));
    for (const NamedValue& value : key.values) {
      if (!registry_.SetValue(root, path, value.name, value.value))
        return Fail("cannot set " + Describe(root, path, value.name));
    }
    for (const Key& subkey : key.subkeys) {
      if (!Register(root, path, subkey)) return false;
    }
    return true;
  }

  // Goes on past failures; the first one is kept (see Succeeded).
  void Unregister(Root root, const std::string& parent, const Key& key) {
    std::string path = parent.empty() ? key.name : parent + "\\" + key.name;
    if (key.mode == KeyMode::kDelete || !registry_.KeyExists(root, path)) return;
    if (key.mode == KeyMode::kForceRemove) {
      if (!registry_.DeleteTree(root, path)) Fail("cannot remove " + Describe(root, path));
      return;
    }
    for (const Key& subkey : key.subkeys) Unregister(root, path, subkey);
    for (const NamedValue& value : key.values) {
      if (!registry_.DeleteValue(root, path, value.name))
        Fail("cannot remove " + Describe(root, path, value.name));
    }
    if (key.mode == KeyMode::kNoRemove) return;
    if (key.defaultValue && !registry_.DeleteValue(root, path, ""))
      Fail("cannot remove the default value of " + Describe(root, path));
    KeyListing listing;
    if (!registry_.ListKey(root, path, &listing)) {
      Fail("cannot read " + Describe(root, path));
    } else if (listing.subkeyCount == 0 && listing.valueNames.empty() &&
               !registry_.DeleteTree(root, path)) {
      Fail("cannot remove " + Describe(root, path));
    }
  }

  bool Succeeded() const { return ok_; }

 private:
  bool Fail(std::string message) {
    if (ok_) *error_ = std::move(message);
    ok_ = false;
    return false;
  }

  RegistryTarget& registry_;
  std::string* error_;
  bool ok_ = true;
};

}  // namespace

bool RegisterScript(const Script& script, RegistryTarget& registry, std::string* error) {
  error->clear();
  Writer writer(registry, error);
  for (const RootBlock& block : script.roots) {
    for (const Key& key : block.keys) {
      if (!writer.Register(block.root, "", key)) {
        std::string ignored;
        UnregisterScript(script, registry, &ignored);
        return false;
      }
    }
  }
  return true;
}

bool UnregisterScript(const Script& script, RegistryTarget& registry, std::string* error) {
  error->clear();
  Writer writer(registry, error);
  for (const RootBlock& block : script.roots) {
    for (const Key& key : block.keys) writer.Unregister(block.root, "", key);
  }
  return writer.Succeeded();
}

}  // namespace morvex::registrar
