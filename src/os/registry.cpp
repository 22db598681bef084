#include "os/registry.h"

#include "util/text.h"

namespace quellon::os {

RegValue RegValue::FromRaw(const RawValue& raw) {
  RegValue v;
  v.type = raw.type;
  if (raw.type == kRegSz) {
    v.kind = Kind::String;
    // UTF-16LE; the terminating zero may be missing, and anything after the
    // first zero is not part of the text.
    size_t n = raw.data.size() / 2;
    v.text.reserve(n);
    for (size_t i = 0; i < n; ++i) {
      auto ch = static_cast<wchar_t>(raw.data[2 * i] | (raw.data[2 * i + 1] << 8));
      if (ch == L'\0') break;
      v.text += ch;
    }
  } else if (raw.type == kRegDword && raw.data.size() == 4) {
    v.kind = Kind::Dword;
    v.dword = static_cast<uint32_t>(raw.data[0]) | static_cast<uint32_t>(raw.data[1]) << 8 |
              static_cast<uint32_t>(raw.data[2]) << 16 | static_cast<uint32_t>(raw.data[3]) << 24;
  } else {
    v.kind = raw.type == kRegBinary ? Kind::Binary : Kind::Other;
    v.data = raw.data;
  }
  return v;
}

std::vector<uint8_t> EncodeRegString(const std::wstring& text) {
  std::vector<uint8_t> out;
  out.reserve((text.size() + 1) * 2);
  for (wchar_t ch : text) {
    auto u = static_cast<uint16_t>(ch);  // the program's texts are UTF-16 code units
    out.push_back(static_cast<uint8_t>(u & 0xFF));
    out.push_back(static_cast<uint8_t>(u >> 8));
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

std::vector<uint8_t> EncodeRegDword(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
}

std::wstring RegTypeName(uint32_t type) {
  switch (type) {
    case kRegNone:
      return L"REG_NONE";
    case kRegSz:
      return L"REG_SZ";
    case kRegExpandSz:
      return L"REG_EXPAND_SZ";
    case kRegBinary:
      return L"REG_BINARY";
    case kRegDword:
      return L"REG_DWORD";
    case kRegMultiSz:
      return L"REG_MULTI_SZ";
    case kRegQword:
      return L"REG_QWORD";
    default:
      return L"type " + std::to_wstring(type);
  }
}

namespace {

Error WrongType(const std::wstring& name, const RegValue& v, const wchar_t* wanted) {
  std::wstring shown = name.empty() ? std::wstring(L"(default)") : L"\"" + QuotedValue(name) + L"\"";
  std::wstring what = RegTypeName(v.type);
  if (v.type == kRegDword && v.kind != RegValue::Kind::Dword)
    what += L" of " + std::to_wstring(v.data.size()) + L" bytes";
  return Error{ErrorKind::WrongType, kErrDatatypeMismatch,
                  L"Value " + shown + L" is " + what + L", not " + wanted + L"."};
}

}  // namespace

bool RegKey::ValueExists(const std::wstring& name) const { return ReadRaw(name).ok(); }

Result<RegValue> RegKey::ReadValue(const std::wstring& name) const {
  auto raw = ReadRaw(name);
  if (!raw) return raw.error();
  return RegValue::FromRaw(raw.value());
}

Result<std::wstring> RegKey::ReadString(const std::wstring& name) const {
  auto v = ReadValue(name);
  if (!v) return v.error();
  if (v.value().kind != RegValue::Kind::String) return WrongType(name, v.value(), L"REG_SZ");
  return std::move(v.value().text);
}

Result<uint32_t> RegKey::ReadDword(const std::wstring& name) const {
  auto v = ReadValue(name);
  if (!v) return v.error();
  if (v.value().kind != RegValue::Kind::Dword) return WrongType(name, v.value(), L"REG_DWORD");
  return v.value().dword;
}

Result<std::vector<uint8_t>> RegKey::ReadBinary(const std::wstring& name) const {
  auto v = ReadValue(name);
  if (!v) return v.error();
  if (v.value().kind != RegValue::Kind::Binary) return WrongType(name, v.value(), L"REG_BINARY");
  return std::move(v.value().data);
}

Status RegKey::WriteString(const std::wstring& name, const std::wstring& text) {
  return WriteRaw(name, kRegSz, EncodeRegString(text));
}

Status RegKey::WriteDword(const std::wstring& name, uint32_t value) {
  return WriteRaw(name, kRegDword, EncodeRegDword(value));
}

Status RegKey::WriteBinary(const std::wstring& name, const std::vector<uint8_t>& data) {
  return WriteRaw(name, kRegBinary, data);
}

bool Registry::KeyExists(RootKey root, const std::wstring& path) {
  auto key = OpenKey(root, path, RegAccess::Read, false);
  // A key that refuses to be opened for reading is still there.
  return key.ok() || key.Is(ErrorKind::AccessDenied);
}

}  // namespace quellon::os
