#include "install/special_programs.h"

#include "install/error_box.h"
#include "util/text.h"

namespace quellon {

const wchar_t kSpecProgramsKey[] = L"SOFTWARE\\Tarnwick\\YARB\\SpecPrograms";

namespace {

std::wstring MissedLine(int code) {
  return L"Error " + std::to_wstring(code) + L" - Missed installation info";
}

}  // namespace

MissingInstallInfoError::MissingInstallInfoError(int code) : Exception(MissedLine(code)), code(code) {}

const std::vector<SpecProgramRecord>& BuiltInSpecialPrograms() {
  static const std::vector<SpecProgramRecord> rows = {
      {L"PIXELFMCLASS", L"PixelView Station FM", L"ActiveMovie Window", L""},
      {L"PIXELTVCLASS", L"PixelView Station TV", L"ActiveMovie Window", L""},
      {L"IVCAP", L"PixelView Station TV", L"ActiveMovie Window", L""},
      {L"PV878FMCLASS", L"PixelView FM Radio", L"ActiveMovie Window", L""},
      {L"PV878TVCLASS", L"PixelView TV Application", L"ActiveMovie Window", L""},
  };
  return rows;
}

Status WriteSpecPrograms(os::Registry& registry, const std::vector<SpecProgramRecord>& rows) {
  auto key = registry.OpenKey(os::RootKey::LocalMachine, kSpecProgramsKey, os::RegAccess::Full, true);
  if (!key) return key.error();
  for (const auto& r : rows)
    if (auto s = key.value()->WriteString(r.windowClass, r.displayName); !s) return s;
  auto tw = registry.OpenKey(os::RootKey::LocalMachine, std::wstring(kSpecProgramsKey) + L"\\TrueWindows",
                             os::RegAccess::Full, true);
  if (!tw) return tw.error();
  for (const auto& r : rows) {
    if (*r.classToWatch)
      if (auto s = tw.value()->WriteString(std::wstring(r.windowClass) + L"(class)", r.classToWatch); !s)
        return s;
    if (*r.captionToWatch)
      if (auto s = tw.value()->WriteString(r.windowClass, r.captionToWatch); !s) return s;
  }
  return {};
}

std::vector<TSpecPrg> LoadSpecialPrograms(os::Registry& registry) {
  auto key = registry.OpenKey(os::RootKey::LocalMachine, kSpecProgramsKey, os::RegAccess::Read, false);
  if (!key) throw MissingInstallInfoError{1};
  auto names = key.value()->ValueNames();
  if (!names) throw MissingInstallInfoError{1};
  std::vector<TSpecPrg> table;
  table.reserve(names.value().size());
  for (const auto& name : names.value()) {
    TSpecPrg row;
    row.szukana_klasa = UpperCase(name);
    auto display = key.value()->ReadString(name);
    if (display) row.widoczna_nazwa = display.value();
    if (row.szukana_klasa.empty() || row.widoczna_nazwa.empty()) throw MissingInstallInfoError{2};
    table.push_back(std::move(row));
  }
  // Without a TrueWindows subkey the lookups run against SpecPrograms
  // itself, where every name exists.
  auto tw = registry.OpenKey(os::RootKey::LocalMachine, std::wstring(kSpecProgramsKey) + L"\\TrueWindows",
                             os::RegAccess::Read, false);
  const os::RegKey& lookup = tw ? *tw.value() : *key.value();
  for (size_t i = 0; i < table.size(); ++i) {
    const std::wstring& name = names.value()[i];
    if (auto v = lookup.ReadString(name)) table[i].mon_prg = UpperCase(v.value());
    if (auto v = lookup.ReadString(name + L"(class)")) table[i].mon_class = UpperCase(v.value());
    if (table[i].mon_prg.empty() && table[i].mon_class.empty()) throw MissingInstallInfoError{3};
  }
  return table;
}

void MissingInstallInfo(int code, os::AppShell& shell, LogSink* log) {
  ShowErrorBox(shell,
               L"Quellon is not installed or previous installation has been damaged.\r\n"
               L"You need to reinstall the program!",
               true);
  if (log) log->LogEvent(MissedLine(code));
  throw SilentAbort();
}

std::vector<TSpecPrg>& SpecialPrograms() {
  static std::vector<TSpecPrg> table;
  return table;
}

}  // namespace quellon
