#include "settings/config.h"

#include <locale>
#include <sstream>

#include "settings/decimal_mark.h"
#include "util/text.h"

namespace quellon {

using os::RegAccess;

namespace {

Error NoKeyOpen() {
  return Error{ErrorKind::Failed, kErrInvalidHandle, L"No registry key is open."};
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring TrimBackslashes(const std::wstring& path) {
  size_t b = path.find_first_not_of(L'\\');
  if (b == std::wstring::npos) return L"";
  size_t e = path.find_last_not_of(L'\\');
  return path.substr(b, e - b + 1);
}

// Strictly: optional sign, digits with at most one separator, at least one
// digit. Locale-independent conversion of the digits.
bool ConvertPlain(const std::wstring& text, wchar_t sep, double& value) {
  std::string plain;
  size_t i = 0;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) plain += static_cast<char>(text[i++]);
  bool digits = false, mark = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      plain += static_cast<char>(text[i]);
      digits = true;
    } else if (text[i] == sep && !mark) {
      plain += '.';
      mark = true;
    } else {
      return false;
    }
  }
  if (!digits) return false;
  std::istringstream in(plain);
  in.imbue(std::locale::classic());
  double v = 0;
  in >> v;
  if (in.fail()) return false;
  value = v;
  return true;
}

}  // namespace

bool DecodeFloatText(const std::wstring& text, wchar_t decimalSeparator, double& value) {
  // Runs of non-digits strictly inside the text.
  size_t runStart = 0, runEnd = 0;
  int runs = 0;
  for (size_t i = 1; i + 1 < text.size(); ++i) {
    if (IsDigit(text[i])) continue;
    if (runs > 0 && runEnd == i) {
      runEnd = i + 1;
      continue;
    }
    if (++runs > 1) return false;
    runStart = i;
    runEnd = i + 1;
  }
  std::wstring plain = text;
  if (runs == 1) plain.replace(runStart, runEnd - runStart, 1, decimalSeparator);
  return ConvertPlain(plain, decimalSeparator, value);
}

TConfig::TConfig(os::Registry& registry) : TConfig(registry, LocaleDecimalSeparator()) {}

TConfig::TConfig(os::Registry& registry, wchar_t decimalSeparator)
    : registry_(registry), decimalSeparator_(decimalSeparator) {}

TConfig::~TConfig() = default;

void TConfig::SetRootKey(os::RootKey root) {
  CloseKey();
  root_ = root;
}

std::wstring TConfig::Resolve(const std::wstring& key) const {
  bool absolute = !key.empty() && key[0] == L'\\';
  std::wstring rel = TrimBackslashes(key);
  if (absolute || !key_ || path_.empty()) return rel;
  return rel.empty() ? path_ : path_ + L"\\" + rel;
}

Status TConfig::Open(const std::wstring& key, RegAccess access, bool create) {
  std::wstring path = Resolve(key);
  auto opened = registry_.OpenKey(root_, path, access, create);
  if (!opened) return opened.error();
  key_ = std::move(opened.value());
  path_ = std::move(path);
  return {};
}

Status TConfig::OpenKey(const std::wstring& key, bool canCreate) {
  return Open(key, RegAccess::Full, canCreate);
}

Status TConfig::OpenKeyReadOnly(const std::wstring& key) {
  return Open(key, RegAccess::Read, false);
}

void TConfig::CloseKey() {
  key_.reset();
  path_.clear();
}

Result<int32_t> TConfig::ReadInteger(const std::wstring& name) const {
  if (!key_) return NoKeyOpen();
  auto v = key_->ReadDword(name);
  if (!v) return v.error();
  return static_cast<int32_t>(v.value());
}

Result<std::wstring> TConfig::ReadString(const std::wstring& name) const {
  if (!key_) return NoKeyOpen();
  auto v = key_->ReadString(name);
  if (v.Is(ErrorKind::NotFound)) return std::wstring();
  return v;
}

Status TConfig::WriteInteger(const std::wstring& name, int32_t value) {
  if (!key_) return NoKeyOpen();
  return key_->WriteDword(name, static_cast<uint32_t>(value));
}

Status TConfig::WriteBool(const std::wstring& name, bool value) {
  return WriteInteger(name, value ? 1 : 0);
}

Status TConfig::WriteString(const std::wstring& name, const std::wstring& value) {
  if (!key_) return NoKeyOpen();
  return key_->WriteString(name, value);
}

bool TConfig::ValueExists(const std::wstring& name) const {
  return key_ && key_->ValueExists(name);
}

Status TConfig::DeleteValue(const std::wstring& name) {
  if (!key_) return NoKeyOpen();
  return key_->DeleteValue(name);
}

Result<std::vector<std::wstring>> TConfig::GetValueNames() const {
  if (!key_) return NoKeyOpen();
  return key_->ValueNames();
}

Result<std::vector<std::wstring>> TConfig::GetKeyNames() const {
  if (!key_) return NoKeyOpen();
  return key_->SubKeyNames();
}

std::wstring TConfig::ReadStr(const std::wstring& name, const std::wstring& def) const {
  if (!key_) return def;
  auto v = key_->ReadString(name);
  return v ? v.value() : def;
}

int32_t TConfig::ReadInt(const std::wstring& name, int32_t min, int32_t max, int32_t def) const {
  auto v = ReadInteger(name);
  if (!v || v.value() < min || v.value() > max) return def;
  return v.value();
}

bool TConfig::ReadBool(const std::wstring& name, bool def) const {
  return ReadInt(name, 0, 1, def ? 1 : 0) != 0;
}

double TConfig::ReadFloat(const std::wstring& name, double min, double max, double def) const {
  // A missing or non-text value gives the default as it is (not a round
  // trip through its text, which would lose digits).
  if (!key_) return def;
  auto text = key_->ReadString(name);
  if (!text) return def;
  double v = 0;
  if (!DecodeFloatText(text.value(), decimalSeparator_, v) || v < min || v > max) return def;
  return v;
}

TShortCut TConfig::ReadShortCut(const std::wstring& name, TShortCut def) const {
  if (key_) {
    auto text = key_->ReadString(name);
    TShortCut sc = 0;
    if (text && TextToShortCut(text.value(), sc)) return sc;
  }
  return static_cast<TShortCut>(ReadInt(name, 0, 65535, def));
}

TColor TConfig::ReadColor(const std::wstring& name, TColor def) const {
  return ReadInt(name, INT32_MIN, INT32_MAX, def);
}

bool TConfig::DeleteKey(const std::wstring& key) {
  std::wstring path = Resolve(key);
  if (path.empty()) return false;
  if (!registry_.DeleteKeyTree(root_, path).ok()) return false;
  if (key_) {
    std::wstring cur = UpperCase(path_), del = UpperCase(path);
    if (cur == del || StartsWith(cur, del + L"\\")) CloseKey();
  }
  return true;
}

bool TConfig::KeyExists(const std::wstring& key) { return registry_.KeyExists(root_, Resolve(key)); }

os::RootKey TConfig::StrToKey(const std::wstring& key) {
  static const struct {
    const wchar_t* name;
    os::RootKey root;
  } kRoots[] = {
      {L"HKEY_CLASSES_ROOT", os::RootKey::ClassesRoot},
      {L"HKEY_CURRENT_USER", os::RootKey::CurrentUser},
      {L"HKEY_LOCAL_MACHINE", os::RootKey::LocalMachine},
      {L"HKEY_USERS", os::RootKey::Users},
      {L"HKEY_PERFORMANCE_DATA", os::RootKey::PerformanceData},
      {L"HKEY_DYN_DATA", os::RootKey::DynData},
      {L"HKEY_CURRENT_CONFIG", os::RootKey::CurrentConfig},
  };
  std::wstring lower = AsciiLower(key);
  for (const auto& r : kRoots)
    if (AsciiLower(r.name) == lower) return r.root;
  return os::RootKey::None;
}

}  // namespace quellon
