// TConfig: the registry accessor the settings load through. It keeps a root
// key and one current key, offers the plain registry operations on it with
// their errors, and readers that never fail: each gives the caller's default
// for a missing, mistyped or out-of-range value.
//
// Key paths: a path that starts with a backslash, or any path while no key
// is open, is taken from the root key; any other path from the current key.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "os/registry.h"
#include "settings/shortcut.h"

namespace quellon {

using TColor = int32_t;

class TConfig {
 public:
  // The decimal separator is the user's locale's unless given.
  explicit TConfig(os::Registry& registry);
  TConfig(os::Registry& registry, wchar_t decimalSeparator);
  ~TConfig();
  TConfig(const TConfig&) = delete;
  TConfig& operator=(const TConfig&) = delete;

  // HKEY_CURRENT_USER after construction. Changing it closes the current key.
  os::RootKey RootKey() const { return root_; }
  void SetRootKey(os::RootKey root);

  // Opens a key with full access (creating it when canCreate) or for
  // reading only (never creating it) and makes it the current key. On
  // failure the current key stays as it was.
  Status OpenKey(const std::wstring& key, bool canCreate);
  Status OpenKeyReadOnly(const std::wstring& key);
  void CloseKey();
  bool HasCurrentKey() const { return key_ != nullptr; }
  // The current key's path below the root, without leading backslash.
  const std::wstring& CurrentPath() const { return path_; }
  os::RegKey* CurrentKey() const { return key_.get(); }

  // Reads that report: an integer is a REG_DWORD, missing or of another type
  // is an error; a missing text is the empty text, a text of another type is
  // an error.
  Result<int32_t> ReadInteger(const std::wstring& name) const;
  Result<std::wstring> ReadString(const std::wstring& name) const;
  Status WriteInteger(const std::wstring& name, int32_t value);
  Status WriteBool(const std::wstring& name, bool value);
  Status WriteString(const std::wstring& name, const std::wstring& value);
  bool ValueExists(const std::wstring& name) const;
  // A missing value is NotFound.
  Status DeleteValue(const std::wstring& name);
  Result<std::vector<std::wstring>> GetValueNames() const;
  Result<std::vector<std::wstring>> GetKeyNames() const;

  // Readers that never fail.
  std::wstring ReadStr(const std::wstring& name, const std::wstring& def) const;
  int32_t ReadInt(const std::wstring& name, int32_t min, int32_t max, int32_t def) const;
  bool ReadBool(const std::wstring& name, bool def) const;
  // The value is text; see DecodeFloatText for the decimal mark.
  double ReadFloat(const std::wstring& name, double min, double max, double def) const;
  // A REG_SZ value in the text form of shortcut.h; failing that, a
  // REG_DWORD 0..65535.
  TShortCut ReadShortCut(const std::wstring& name, TShortCut def) const;
  TColor ReadColor(const std::wstring& name, TColor def) const;

  // Deletes the key with all its subkeys; deleting the current key or one
  // above it closes the current key. False on any failure (also for the
  // root itself).
  bool DeleteKey(const std::wstring& key);
  bool KeyExists(const std::wstring& key);

  // The predefined root key named ("HKEY_CURRENT_USER", any letter case),
  // RootKey::None for any other name.
  static os::RootKey StrToKey(const std::wstring& key);

 private:
  std::wstring Resolve(const std::wstring& key) const;
  Status Open(const std::wstring& key, os::RegAccess access, bool create);

  os::Registry& registry_;
  wchar_t decimalSeparator_;
  os::RootKey root_ = os::RootKey::CurrentUser;
  std::unique_ptr<os::RegKey> key_;
  std::wstring path_;
};

// The number in a stored text. The single run of characters other than 0-9
// that lies strictly between the first and the last character is the
// decimal mark, whatever it is ("1,5", "1.5" and "1 pt 5" all read 1.5); a
// text without such a run is read as it stands with the given separator.
// False for a second run or a text that is not a number then.
bool DecodeFloatText(const std::wstring& text, wchar_t decimalSeparator, double& value);

}  // namespace quellon
