// Registry port: a hierarchical store of keys and typed values under the
// predefined root keys. The Win32 adapter is the system registry; tests use
// an in-memory store that passes the same contract suite.
//
// Names of keys and values compare without regard to case and keep the case
// they were created with. The unnamed (default) value of a key is the value
// with the empty name. Paths are relative to a root, with backslashes
// between the parts ("SOFTWARE\\Tarnwick\\YARB"); the empty path is the root.
// A doubled or trailing backslash is tolerated; a leading one is a bad path.
//
// Every operation returns its error as a value: the failed call's name and
// the system's text ("RegOpenKeyExW failed: The system cannot find the file
// specified."), the system's code and its kind, which lets callers tell "not
// there" from "not allowed" from "not of that type" without parsing texts.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "util/result.h"

namespace quellon::os {

// The predefined root keys, with the numbers the system gives their handles.
enum class RootKey : uint32_t {
  None = 0,  // no root: every operation on it fails as an invalid handle
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
  PerformanceData = 0x80000004u,
  CurrentConfig = 0x80000005u,
  DynData = 0x80000006u,
};

// The system's value type codes that the program tells apart.
enum RegTypeCode : uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
  kRegQword = 11,
};

// Every operation returns a Result or a Status (util/result.h). The codes
// the port reports are the system's (kErrFileNotFound, kErrAccessDenied,
// kErrInvalidHandle, kErrInvalidParameter, kErrBadPathname, kErrKeyDeleted,
// kErrDatatypeMismatch), the same numbers on every store; the kind follows
// from the code (KindOfSystemCode).

// A value as stored: its type code and its bytes.
struct RawValue {
  uint32_t type = kRegNone;
  std::vector<uint8_t> data;
};

// A value decoded by type. Strings are REG_SZ (the text up to the first
// zero character, or all of it when the data has no terminating zero);
// DWORDs are REG_DWORD of exactly 4 bytes; everything else is Other with the
// raw type code and bytes.
struct RegValue {
  enum class Kind { String, Dword, Binary, Other };
  Kind kind = Kind::Other;
  uint32_t type = kRegNone;
  std::wstring text;          // String
  uint32_t dword = 0;         // Dword
  std::vector<uint8_t> data;  // Binary and Other

  static RegValue FromRaw(const RawValue& raw);
};

// The bytes REG_SZ stores for a text: UTF-16 little-endian with a
// terminating zero.
std::vector<uint8_t> EncodeRegString(const std::wstring& text);
std::vector<uint8_t> EncodeRegDword(uint32_t value);

enum class RegAccess {
  Read,  // query values, enumerate; writes and deletes fail as access denied
  Full,  // everything
};

// One open key, closed when the object is destroyed.
class RegKey {
 public:
  virtual ~RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;

  virtual RegAccess Access() const = 0;

  // The stored value, or NotFound.
  virtual Result<RawValue> ReadRaw(const std::wstring& name) const = 0;
  // Stores any type with any bytes (REG_SZ data is stored as given, also
  // without its terminating zero).
  virtual Status WriteRaw(const std::wstring& name, uint32_t type,
                             const std::vector<uint8_t>& data) = 0;
  // A missing value is NotFound; callers that only want it gone ignore that.
  virtual Status DeleteValue(const std::wstring& name) = 0;
  // Names of the values and of the direct subkeys, in no promised order.
  virtual Result<std::vector<std::wstring>> ValueNames() const = 0;
  virtual Result<std::vector<std::wstring>> SubKeyNames() const = 0;

  // Typed access over the primitives above.
  bool ValueExists(const std::wstring& name) const;
  Result<RegValue> ReadValue(const std::wstring& name) const;
  // NotFound when missing, WrongType when stored with another type.
  Result<std::wstring> ReadString(const std::wstring& name) const;
  Result<uint32_t> ReadDword(const std::wstring& name) const;
  Result<std::vector<uint8_t>> ReadBinary(const std::wstring& name) const;
  Status WriteString(const std::wstring& name, const std::wstring& text);
  Status WriteDword(const std::wstring& name, uint32_t value);
  Status WriteBinary(const std::wstring& name, const std::vector<uint8_t>& data);

 protected:
  RegKey() = default;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens root\path. With create, missing keys on the way are created
  // (also when opening for reading).
  virtual Result<std::unique_ptr<RegKey>> OpenKey(RootKey root, const std::wstring& path,
                                                     RegAccess access, bool create) = 0;
  // Deletes root\path with all its subkeys and values; a missing key is
  // NotFound. The root itself (empty path) cannot be deleted.
  virtual Status DeleteKeyTree(RootKey root, const std::wstring& path) = 0;

  bool KeyExists(RootKey root, const std::wstring& path);
};

// The system's name of a value type ("REG_SZ", "REG_DWORD", ...; other
// codes as "type <n>").
std::wstring RegTypeName(uint32_t type);

}  // namespace quellon::os
