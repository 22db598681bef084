// An in-memory registry that behaves as the system's does for everything
// the program uses: case-insensitive names that keep their first spelling,
// read-only keys that refuse writes, open keys that fail once their key is
// deleted, raw value bytes kept as written. Tests can make chosen keys fail.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "os/registry.h"

namespace quellon::test {

class FakeRegistry final : public os::Registry {
 public:
  // What an injected failure hits, for the key at exactly the given path.
  enum class Op {
    Open,         // any open of the key, with or without create
    OpenFull,     // opens with full access only; read-only opens still work
    Write,        // value writes and value deletes through any key at the path
    DeleteTree,   // DeleteKeyTree of the key
  };

  FakeRegistry();
  ~FakeRegistry() override;

  Result<std::unique_ptr<os::RegKey>> OpenKey(os::RootKey root, const std::wstring& path,
                                              os::RegAccess access, bool create) override;
  Status DeleteKeyTree(os::RootKey root, const std::wstring& path) override;

  // From now on the operation fails on root\path with the system code.
  void FailOn(os::RootKey root, const std::wstring& path, Op op,
              uint32_t code = kErrAccessDenied);
  void ClearFailures();
  // Back to empty root keys and no failures; keys still open fail from now
  // on as keys that were deleted.
  void Reset();

  struct Node;

 private:
  struct Failure {
    os::RootKey root;
    std::wstring path;  // folded
    Op op;
    uint32_t code;
  };
  const Failure* FindFailure(os::RootKey root, const std::wstring& foldedPath, Op op) const;
  friend class FakeRegKey;

  std::map<os::RootKey, std::shared_ptr<Node>> roots_;
  std::vector<Failure> failures_;
};

// The error the system gives for a code, with its own text, as the Win32
// adapter reports it ("RegOpenKeyExW failed: The system cannot find the file
// specified.", code 2, NotFound).
Error FakeRegError(const wchar_t* call, uint32_t code);

}  // namespace quellon::test
