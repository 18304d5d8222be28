// An in-memory registry for the registrar's tests: keys and values under
// the three roots, names compared without regard to ASCII case, a text dump
// of everything to compare states, and writes that can be made to fail.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "com/registrar/RegistryTarget.h"

namespace morvex::registrar {

class FakeRegistry : public RegistryTarget {
 public:
  bool CreateKey(Root root, const std::string& path) override;
  bool KeyExists(Root root, const std::string& path) override;
  bool DeleteTree(Root root, const std::string& path) override;
  bool SetValue(Root root, const std::string& path, const std::string& name,
                const Value& value) override;
  bool DeleteValue(Root root, const std::string& path, const std::string& name) override;
  bool ListKey(Root root, const std::string& path, KeyListing* listing) override;

  // Every key and value, one a line, in name order:
  //   HKCR\CLSID\{...}
  //   HKCR\CLSID\{...} @ = s 'Thing Class'
  //   HKCR\CLSID\{...}\InprocServer32 ThreadingModel = s 'Apartment'
  std::string Dump() const;

  std::optional<Value> Get(Root root, const std::string& path, const std::string& name);

  // Creating a key or setting a value under a path that contains
  // `fragment` fails from now on.
  void FailWritesTo(std::string fragment) { failingFragment_ = std::move(fragment); }

 private:
  struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  struct Node {
    std::map<std::string, Value, NameLess> values;
    std::map<std::string, Node, NameLess> subkeys;
  };

  Node* Find(Root root, const std::string& path);
  bool WriteFails(const std::string& path) const;
  static void DumpNode(const Node& node, const std::string& prefix, std::string* out);

  Node roots_[3];
  std::string failingFragment_;
};

}  // namespace morvex::registrar
