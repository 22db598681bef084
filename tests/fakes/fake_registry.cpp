#include "fakes/fake_registry.h"

#include <algorithm>

#include "util/text.h"

namespace quellon::test {

using os::RegAccess;
using os::RootKey;

namespace {

std::wstring Fold(const std::wstring& name) { return UpperCase(name); }

// Splits a path at backslashes; empty parts (a doubled or trailing
// backslash) are skipped, as the system does.
std::vector<std::wstring> SplitPath(const std::wstring& path) {
  std::vector<std::wstring> parts;
  std::wstring cur;
  for (wchar_t ch : path) {
    if (ch == L'\\') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

std::wstring JoinFolded(const std::vector<std::wstring>& parts) {
  std::wstring out;
  for (const auto& p : parts) {
    if (!out.empty()) out += L'\\';
    out += Fold(p);
  }
  return out;
}

const wchar_t* SystemText(uint32_t code) {
  switch (code) {
    case kErrFileNotFound:
      return L"The system cannot find the file specified.";
    case kErrAccessDenied:
      return L"Access is denied.";
    case kErrInvalidHandle:
      return L"The handle is invalid.";
    case kErrInvalidParameter:
      return L"The parameter is incorrect.";
    case kErrBadPathname:
      return L"The specified path is invalid.";
    case kErrKeyDeleted:
      return L"Illegal operation attempted on a registry key that has been marked for deletion.";
    case 1009:
      return L"The configuration registry database is corrupt.";
    case 1021:
      return L"Cannot create a symbolic link in a registry key that already has subkeys or "
             L"values.";
    default:
      return nullptr;
  }
}

}  // namespace

Error FakeRegError(const wchar_t* call, uint32_t code) {
  const wchar_t* sys = SystemText(code);
  return SystemError(call, code, sys ? std::wstring(sys) : L"Error " + std::to_wstring(code) + L".");
}

struct FakeRegistry::Node {
  struct Value {
    std::wstring name;  // as first written
    os::RawValue raw;
  };
  std::wstring name;
  std::map<std::wstring, Value> values;                     // by folded name
  std::map<std::wstring, std::shared_ptr<Node>> children;   // by folded name
  bool deleted = false;

  void MarkDeleted() {
    deleted = true;
    for (auto& c : children) c.second->MarkDeleted();
  }
};

class FakeRegKey final : public os::RegKey {
 public:
  FakeRegKey(FakeRegistry& reg, RootKey root, std::wstring foldedPath,
             std::shared_ptr<FakeRegistry::Node> node, RegAccess access)
      : reg_(reg), root_(root), path_(std::move(foldedPath)), node_(std::move(node)),
        access_(access) {}

  RegAccess Access() const override { return access_; }

  Result<os::RawValue> ReadRaw(const std::wstring& name) const override {
    if (node_->deleted) return FakeRegError(L"RegQueryValueExW", kErrKeyDeleted);
    auto it = node_->values.find(Fold(name));
    if (it == node_->values.end()) return FakeRegError(L"RegQueryValueExW", kErrFileNotFound);
    return it->second.raw;
  }

  Status WriteRaw(const std::wstring& name, uint32_t type,
                     const std::vector<uint8_t>& data) override {
    if (auto err = CheckWrite(L"RegSetValueExW")) return *err;
    auto& v = node_->values[Fold(name)];
    if (v.name.empty()) v.name = name;
    v.raw.type = type;
    v.raw.data = data;
    return {};
  }

  Status DeleteValue(const std::wstring& name) override {
    if (auto err = CheckWrite(L"RegDeleteValueW")) return *err;
    if (node_->values.erase(Fold(name)) == 0)
      return FakeRegError(L"RegDeleteValueW", kErrFileNotFound);
    return {};
  }

  Result<std::vector<std::wstring>> ValueNames() const override {
    if (node_->deleted) return FakeRegError(L"RegEnumValueW", kErrKeyDeleted);
    std::vector<std::wstring> names;
    for (const auto& v : node_->values) names.push_back(v.second.name);
    return names;
  }

  Result<std::vector<std::wstring>> SubKeyNames() const override {
    if (node_->deleted) return FakeRegError(L"RegEnumKeyExW", kErrKeyDeleted);
    std::vector<std::wstring> names;
    for (const auto& c : node_->children) names.push_back(c.second->name);
    return names;
  }

 private:
  std::unique_ptr<Error> CheckWrite(const wchar_t* call) const {
    uint32_t code = 0;
    if (node_->deleted)
      code = kErrKeyDeleted;
    else if (access_ == RegAccess::Read)
      code = kErrAccessDenied;
    else if (auto f = reg_.FindFailure(root_, path_, FakeRegistry::Op::Write))
      code = f->code;
    if (!code) return nullptr;
    return std::make_unique<Error>(FakeRegError(call, code));
  }

  FakeRegistry& reg_;
  RootKey root_;
  std::wstring path_;
  std::shared_ptr<FakeRegistry::Node> node_;
  RegAccess access_;
};

FakeRegistry::FakeRegistry() { Reset(); }

void FakeRegistry::Reset() {
  for (auto& r : roots_) r.second->MarkDeleted();
  roots_.clear();
  failures_.clear();
  for (RootKey r : {RootKey::ClassesRoot, RootKey::CurrentUser, RootKey::LocalMachine,
                    RootKey::Users, RootKey::PerformanceData, RootKey::CurrentConfig,
                    RootKey::DynData})
    roots_[r] = std::make_shared<Node>();
}

FakeRegistry::~FakeRegistry() = default;

void FakeRegistry::FailOn(RootKey root, const std::wstring& path, Op op, uint32_t code) {
  failures_.push_back(Failure{root, JoinFolded(SplitPath(path)), op, code});
}

void FakeRegistry::ClearFailures() { failures_.clear(); }

const FakeRegistry::Failure* FakeRegistry::FindFailure(RootKey root,
                                                       const std::wstring& foldedPath,
                                                       Op op) const {
  for (const auto& f : failures_)
    if (f.root == root && f.op == op && f.path == foldedPath) return &f;
  return nullptr;
}

Result<std::unique_ptr<os::RegKey>> FakeRegistry::OpenKey(RootKey root, const std::wstring& path,
                                                          RegAccess access, bool create) {
  const wchar_t* call = create ? L"RegCreateKeyExW" : L"RegOpenKeyExW";
  auto rootIt = roots_.find(root);
  if (rootIt == roots_.end()) return FakeRegError(call, kErrInvalidHandle);
  if (!path.empty() && path[0] == L'\\') return FakeRegError(call, kErrBadPathname);
  auto parts = SplitPath(path);
  std::wstring folded = JoinFolded(parts);
  if (auto f = FindFailure(root, folded, Op::Open)) return FakeRegError(call, f->code);
  if (access == RegAccess::Full)
    if (auto f = FindFailure(root, folded, Op::OpenFull)) return FakeRegError(call, f->code);

  std::shared_ptr<Node> node = rootIt->second;
  for (const auto& part : parts) {
    auto key = Fold(part);
    auto it = node->children.find(key);
    if (it == node->children.end()) {
      if (!create) return FakeRegError(call, kErrFileNotFound);
      auto child = std::make_shared<Node>();
      child->name = part;
      it = node->children.emplace(key, std::move(child)).first;
    }
    node = it->second;
  }
  return std::unique_ptr<os::RegKey>(new FakeRegKey(*this, root, folded, node, access));
}

Status FakeRegistry::DeleteKeyTree(RootKey root, const std::wstring& path) {
  auto rootIt = roots_.find(root);
  if (rootIt == roots_.end()) return FakeRegError(L"RegOpenKeyExW", kErrInvalidHandle);
  if (!path.empty() && path[0] == L'\\') return FakeRegError(L"RegOpenKeyExW", kErrBadPathname);
  auto parts = SplitPath(path);
  if (parts.empty()) return FakeRegError(L"RegDeleteKeyW", kErrInvalidParameter);
  if (auto f = FindFailure(root, JoinFolded(parts), Op::DeleteTree))
    return FakeRegError(L"RegDeleteKeyW", f->code);
  std::shared_ptr<Node> parent = rootIt->second;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    auto it = parent->children.find(Fold(parts[i]));
    if (it == parent->children.end()) return FakeRegError(L"RegOpenKeyExW", kErrFileNotFound);
    parent = it->second;
  }
  auto it = parent->children.find(Fold(parts.back()));
  if (it == parent->children.end()) return FakeRegError(L"RegOpenKeyExW", kErrFileNotFound);
  it->second->MarkDeleted();
  parent->children.erase(it);
  return {};
}

}  // namespace quellon::test
