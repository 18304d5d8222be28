// The in-memory registry of the registrar's tests.
#include "com/tests/FakeRegistry.h"

#include <cctype>
#include <vector>

namespace morvex::registrar {
namespace {

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = path.find('\\', start);
    parts.push_back(path.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string Quote(const Value& value) {
  if (value.type == Value::Type::kNumber) return "d '" + std::to_string(value.number) + "'";
  return "s '" + value.text + "'";
}

}  // namespace

bool FakeRegistry::NameLess::operator()(const std::string& a, const std::string& b) const {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    int x = std::tolower(static_cast<unsigned char>(a[i]));
    int y = std::tolower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

FakeRegistry::Node* FakeRegistry::Find(Root root, const std::string& path) {
  Node* node = &roots_[static_cast<int>(root)];
  for (const std::string& part : SplitPath(path)) {
    auto it = node->subkeys.find(part);
    if (it == node->subkeys.end()) return nullptr;
    node = &it->second;
  }
  return node;
}

bool FakeRegistry::WriteFails(const std::string& path) const {
  return !failingFragment_.empty() && path.find(failingFragment_) != std::string::npos;
}

bool FakeRegistry::CreateKey(Root root, const std::string& path) {
  if (WriteFails(path)) return false;
  Node* node = &roots_[static_cast<int>(root)];
  for (const std::string& part : SplitPath(path)) node = &node->subkeys[part];
  return true;
}

bool FakeRegistry::KeyExists(Root root, const std::string& path) {
  return Find(root, path) != nullptr;
}

bool FakeRegistry::DeleteTree(Root root, const std::string& path) {
  size_t split = path.rfind('\\');
  Node* parent = split == std::string::npos ? &roots_[static_cast<int>(root)]
                                            : Find(root, path.substr(0, split));
  if (parent) parent->subkeys.erase(split == std::string::npos ? path : path.substr(split + 1));
  return true;
}

bool FakeRegistry::SetValue(Root root, const std::string& path, const std::string& name,
                            const Value& value) {
  Node* node = Find(root, path);
  if (!node || WriteFails(path)) return false;
  node->values[name] = value;
  return true;
}

bool FakeRegistry::DeleteValue(Root root, const std::string& path, const std::string& name) {
  Node* node = Find(root, path);
  if (node) node->values.erase(name);
  return node != nullptr;
}

bool FakeRegistry::ListKey(Root root, const std::string& path, KeyListing* listing) {
  Node* node = Find(root, path);
  if (!node) return false;
  listing->valueNames.clear();
  for (const auto& value : node->values) listing->valueNames.push_back(value.first);
  listing->subkeyCount = node->subkeys.size();
  return true;
}

std::optional<Value> FakeRegistry::Get(Root root, const std::string& path,
                                       const std::string& name) {
  Node* node = Find(root, path);
  if (!node) return std::nullopt;
  auto it = node->values.find(name);
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

void FakeRegistry::DumpNode(const Node& node, const std::string& prefix, std::string* out) {
  for (const auto& [name, value] : node.values)
    *out += prefix + " " + (name.empty() ? "@" : name) + " = " + Quote(value) + "\n";
  for (const auto& [name, subkey] : node.subkeys) {
    std::string path = prefix + "\\" + name;
    *out += path + "\n";
    DumpNode(subkey, path, out);
  }
}

std::string FakeRegistry::Dump() const {
  std::string out;
  for (Root root : {Root::kClassesRoot, Root::kCurrentUser, Root::kLocalMachine})
    DumpNode(roots_[static_cast<int>(root)], RootName(root), &out);
  return out;
}

}  // namespace morvex::registrar
