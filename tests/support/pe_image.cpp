#include "support/pe_image.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quellon::test {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& data) : d_(data) {}

  bool Has(uint64_t offset, uint64_t size) const { return offset <= d_.size() && size <= d_.size() - offset; }
  uint16_t U16(uint64_t o) const { return static_cast<uint16_t>(d_[o] | d_[o + 1] << 8); }
  uint32_t U32(uint64_t o) const { return U16(o) | static_cast<uint32_t>(U16(o + 2)) << 16; }
  uint64_t U64(uint64_t o) const { return U32(o) | static_cast<uint64_t>(U32(o + 4)) << 32; }

  // A zero-terminated name that lies wholly in the file.
  std::optional<std::string> Name(uint64_t o) const {
    std::string s;
    for (; o < d_.size(); ++o) {
      if (d_[o] == 0) return s;
      if (s.size() > 4096) break;
      s.push_back(static_cast<char>(d_[o]));
    }
    return std::nullopt;
  }

 private:
  const std::vector<uint8_t>& d_;
};

struct Section {
  uint32_t rva, size, raw, rawSize;
};

class Image {
 public:
  Image(const Reader& r, std::vector<Section> sections) : r_(r), sections_(std::move(sections)) {}

  // File offset of an address inside the image, when the file holds it.
  std::optional<uint64_t> Offset(uint32_t rva, uint32_t size = 1) const {
    for (const Section& s : sections_) {
      const uint32_t extent = std::max(s.size, s.rawSize);
      if (rva >= s.rva && rva - s.rva < extent) {
        const uint64_t off = static_cast<uint64_t>(s.raw) + (rva - s.rva);
        if (rva - s.rva + static_cast<uint64_t>(size) > s.rawSize) return std::nullopt;
        if (!r_.Has(off, size)) return std::nullopt;
        return off;
      }
    }
    return std::nullopt;
  }

  std::optional<std::string> NameAt(uint32_t rva) const {
    auto off = Offset(rva);
    if (!off) return std::nullopt;
    return r_.Name(*off);
  }

  const Reader& reader() const { return r_; }

 private:
  const Reader& r_;
  std::vector<Section> sections_;
};

bool Fail(std::string* error, const char* what) {
  if (error) *error = what;
  return false;
}

// The names in one thunk list (import lookup table), stopping at the zero
// entry.
bool ReadThunks(const Image& img, uint32_t rva, bool is64, std::vector<std::string>* out, std::string* error) {
  const uint32_t width = is64 ? 8 : 4;
  for (int n = 0;; ++n) {
    if (n > 100000) return Fail(error, "import list without end");
    auto off = img.Offset(rva + n * width, width);
    if (!off) return Fail(error, "import list outside the file");
    const uint64_t v = is64 ? img.reader().U64(*off) : img.reader().U32(*off);
    if (v == 0) return true;
    const bool byOrdinal = is64 ? (v >> 63) != 0 : (v >> 31) != 0;
    if (byOrdinal) {
      out->push_back("#" + std::to_string(v & 0xFFFF));
    } else {
      auto name = img.NameAt(static_cast<uint32_t>(v) + 2);  // after the hint
      if (!name) return Fail(error, "import name outside the file");
      out->push_back(*name);
    }
  }
}

bool ReadImports(const Image& img, uint32_t dirRva, uint32_t dirSize, bool is64, PeInfo* info,
                 std::string* error) {
  if (dirRva == 0 || dirSize == 0) return true;
  const Reader& r = img.reader();
  for (uint32_t i = 0;; ++i) {
    auto off = img.Offset(dirRva + i * 20, 20);
    if (!off) return Fail(error, "import directory outside the file");
    const uint32_t lookup = r.U32(*off), nameRva = r.U32(*off + 12), iat = r.U32(*off + 16);
    if (lookup == 0 && nameRva == 0 && iat == 0) return true;
    PeImport imp;
    auto name = img.NameAt(nameRva);
    if (!name) return Fail(error, "import DLL name outside the file");
    imp.dll = *name;
    if (!ReadThunks(img, lookup ? lookup : iat, is64, &imp.functions, error)) return false;
    info->imports.push_back(std::move(imp));
  }
}

bool ReadDelayImports(const Image& img, uint32_t dirRva, uint32_t dirSize, bool is64, PeInfo* info,
                      std::string* error) {
  if (dirRva == 0 || dirSize == 0) return true;
  const Reader& r = img.reader();
  for (uint32_t i = 0;; ++i) {
    auto off = img.Offset(dirRva + i * 32, 32);
    if (!off) return Fail(error, "delay-import directory outside the file");
    const uint32_t nameRva = r.U32(*off + 4), names = r.U32(*off + 16);
    if (nameRva == 0) return true;
    PeImport imp;
    imp.delayLoaded = true;
    auto name = img.NameAt(nameRva);
    if (!name) return Fail(error, "delay-import DLL name outside the file");
    imp.dll = *name;
    if (!ReadThunks(img, names, is64, &imp.functions, error)) return false;
    info->imports.push_back(std::move(imp));
  }
}

bool ReadExports(const Image& img, uint32_t dirRva, uint32_t dirSize, PeInfo* info, std::string* error) {
  if (dirRva == 0 || dirSize == 0) return true;
  const Reader& r = img.reader();
  auto off = img.Offset(dirRva, 40);
  if (!off) return Fail(error, "export directory outside the file");
  const uint32_t count = r.U32(*off + 24), namesRva = r.U32(*off + 32);
  if (count > 65536) return Fail(error, "too many export names");
  for (uint32_t i = 0; i < count; ++i) {
    auto p = img.Offset(namesRva + i * 4, 4);
    if (!p) return Fail(error, "export names outside the file");
    auto name = img.NameAt(r.U32(*p));
    if (!name) return Fail(error, "export name outside the file");
    info->exports.push_back(*name);
  }
  return true;
}

// System DLLs of Windows XP that the product files may use.
const char* const kXpDlls[] = {
    "kernel32.dll", "user32.dll", "gdi32.dll",  "advapi32.dll", "shell32.dll", "ole32.dll",   "oleaut32.dll",
    "comctl32.dll", "comdlg32.dll", "version.dll", "winmm.dll", "msvcrt.dll",  "shlwapi.dll", "psapi.dll",
    "powrprof.dll", "wininet.dll", "uxtheme.dll", "imm32.dll",  "ws2_32.dll",
};

struct Denied {
  const char* dll;
  const char* function;
  const char* since;
};

// Functions of XP's system DLLs that only later systems export. A product
// file that imports one of them does not start on XP ("The procedure entry
// point ... could not be located").
const Denied kDenied[] = {
    {"kernel32.dll", "GetTickCount64", "Vista"},
    {"kernel32.dll", "InitializeSRWLock", "Vista"},
    {"kernel32.dll", "AcquireSRWLockExclusive", "Vista"},
    {"kernel32.dll", "AcquireSRWLockShared", "Vista"},
    {"kernel32.dll", "ReleaseSRWLockExclusive", "Vista"},
    {"kernel32.dll", "ReleaseSRWLockShared", "Vista"},
    {"kernel32.dll", "TryAcquireSRWLockExclusive", "Windows 7"},
    {"kernel32.dll", "TryAcquireSRWLockShared", "Windows 7"},
    {"kernel32.dll", "InitializeConditionVariable", "Vista"},
    {"kernel32.dll", "SleepConditionVariableCS", "Vista"},
    {"kernel32.dll", "SleepConditionVariableSRW", "Vista"},
    {"kernel32.dll", "WakeConditionVariable", "Vista"},
    {"kernel32.dll", "WakeAllConditionVariable", "Vista"},
    {"kernel32.dll", "InitOnceInitialize", "Vista"},
    {"kernel32.dll", "InitOnceExecuteOnce", "Vista"},
    {"kernel32.dll", "InitOnceBeginInitialize", "Vista"},
    {"kernel32.dll", "InitOnceComplete", "Vista"},
    {"kernel32.dll", "CreateSymbolicLinkA", "Vista"},
    {"kernel32.dll", "CreateSymbolicLinkW", "Vista"},
    {"kernel32.dll", "GetFinalPathNameByHandleA", "Vista"},
    {"kernel32.dll", "GetFinalPathNameByHandleW", "Vista"},
    {"kernel32.dll", "FlsAlloc", "Server 2003"},
    {"kernel32.dll", "FlsGetValue", "Server 2003"},
    {"kernel32.dll", "FlsSetValue", "Server 2003"},
    {"kernel32.dll", "FlsFree", "Server 2003"},
    {"kernel32.dll", "LocaleNameToLCID", "Vista"},
    {"kernel32.dll", "LCIDToLocaleName", "Vista"},
    {"kernel32.dll", "GetLocaleInfoEx", "Vista"},
    {"kernel32.dll", "GetUserDefaultLocaleName", "Vista"},
    {"kernel32.dll", "GetSystemDefaultLocaleName", "Vista"},
    {"kernel32.dll", "CompareStringEx", "Vista"},
    {"kernel32.dll", "CompareStringOrdinal", "Vista"},
    {"kernel32.dll", "LCMapStringEx", "Vista"},
    {"kernel32.dll", "GetDateFormatEx", "Vista"},
    {"kernel32.dll", "GetTimeFormatEx", "Vista"},
    {"kernel32.dll", "GetNumberFormatEx", "Vista"},
    {"kernel32.dll", "EnumSystemLocalesEx", "Vista"},
    {"kernel32.dll", "IsValidLocaleName", "Vista"},
    {"kernel32.dll", "ResolveLocaleName", "Windows 7"},
    {"kernel32.dll", "GetSystemTimePreciseAsFileTime", "Windows 8"},
    {"kernel32.dll", "CreateThreadpoolTimer", "Vista"},
    {"kernel32.dll", "SetThreadpoolTimer", "Vista"},
    {"kernel32.dll", "WaitForThreadpoolTimerCallbacks", "Vista"},
    {"kernel32.dll", "CloseThreadpoolTimer", "Vista"},
    {"kernel32.dll", "CreateThreadpoolWork", "Vista"},
    {"kernel32.dll", "SubmitThreadpoolWork", "Vista"},
    {"kernel32.dll", "WaitForThreadpoolWorkCallbacks", "Vista"},
    {"kernel32.dll", "CloseThreadpoolWork", "Vista"},
    {"kernel32.dll", "CreateThreadpoolWait", "Vista"},
    {"kernel32.dll", "SetThreadpoolWait", "Vista"},
    {"kernel32.dll", "CloseThreadpoolWait", "Vista"},
    {"kernel32.dll", "CreateEventExA", "Vista"},
    {"kernel32.dll", "CreateEventExW", "Vista"},
    {"kernel32.dll", "CreateMutexExA", "Vista"},
    {"kernel32.dll", "CreateMutexExW", "Vista"},
    {"kernel32.dll", "CreateSemaphoreExA", "Vista"},
    {"kernel32.dll", "CreateSemaphoreExW", "Vista"},
    {"kernel32.dll", "InitializeCriticalSectionEx", "Vista"},
    {"kernel32.dll", "WaitOnAddress", "Windows 8"},
    {"kernel32.dll", "WakeByAddressSingle", "Windows 8"},
    {"kernel32.dll", "WakeByAddressAll", "Windows 8"},
    {"kernel32.dll", "QueryFullProcessImageNameA", "Vista"},
    {"kernel32.dll", "QueryFullProcessImageNameW", "Vista"},
    {"kernel32.dll", "GetErrorMode", "Vista"},
    {"kernel32.dll", "SetThreadErrorMode", "Windows 7"},
    {"kernel32.dll", "GetFileInformationByHandleEx", "Vista"},
    {"kernel32.dll", "SetFileInformationByHandle", "Vista"},
    {"kernel32.dll", "CancelIoEx", "Vista"},
    {"kernel32.dll", "GetQueuedCompletionStatusEx", "Vista"},
    {"kernel32.dll", "GetThreadId", "Server 2003"},
    {"kernel32.dll", "GetCurrentProcessorNumber", "Vista"},
    {"kernel32.dll", "FlushProcessWriteBuffers", "Vista"},
    {"kernel32.dll", "GetProductInfo", "Vista"},
    {"kernel32.dll", "InterlockedCompareExchange64", "Vista"},
    {"kernel32.dll", "GetDynamicTimeZoneInformation", "Vista"},
    {"kernel32.dll", "RegisterApplicationRestart", "Vista"},
    {"kernel32.dll", "AddDllDirectory", "Windows 8"},
    {"kernel32.dll", "SetDefaultDllDirectories", "Windows 8"},
    {"kernel32.dll", "RaiseFailFastException", "Windows 7"},
    {"user32.dll", "SetProcessDPIAware", "Vista"},
    {"user32.dll", "IsProcessDPIAware", "Vista"},
    {"user32.dll", "SetProcessDpiAwarenessContext", "Windows 10"},
    {"user32.dll", "GetDpiForWindow", "Windows 10"},
    {"user32.dll", "GetDpiForSystem", "Windows 10"},
    {"user32.dll", "ChangeWindowMessageFilter", "Vista"},
    {"user32.dll", "ChangeWindowMessageFilterEx", "Windows 7"},
    {"user32.dll", "RegisterPowerSettingNotification", "Vista"},
    {"user32.dll", "UnregisterPowerSettingNotification", "Vista"},
    {"user32.dll", "ShutdownBlockReasonCreate", "Vista"},
    {"user32.dll", "ShutdownBlockReasonDestroy", "Vista"},
    {"user32.dll", "AddClipboardFormatListener", "Vista"},
    {"user32.dll", "RemoveClipboardFormatListener", "Vista"},
    {"user32.dll", "LogicalToPhysicalPoint", "Vista"},
    {"user32.dll", "PhysicalToLogicalPoint", "Vista"},
    {"user32.dll", "UpdateLayeredWindowIndirect", "Vista"},
    {"user32.dll", "SetWindowDisplayAffinity", "Windows 7"},
    {"user32.dll", "RegisterTouchWindow", "Windows 7"},
    {"user32.dll", "CalculatePopupWindowPosition", "Windows 7"},
    {"advapi32.dll", "RegGetValueA", "Vista"},
    {"advapi32.dll", "RegGetValueW", "Vista"},
    {"advapi32.dll", "RegDeleteTreeA", "Vista"},
    {"advapi32.dll", "RegDeleteTreeW", "Vista"},
    {"advapi32.dll", "RegCopyTreeA", "Vista"},
    {"advapi32.dll", "RegCopyTreeW", "Vista"},
    {"advapi32.dll", "RegDeleteKeyExA", "Vista"},
    {"advapi32.dll", "RegDeleteKeyExW", "Vista"},
    {"advapi32.dll", "RegSetKeyValueA", "Vista"},
    {"advapi32.dll", "RegSetKeyValueW", "Vista"},
    {"advapi32.dll", "RegDeleteKeyValueA", "Vista"},
    {"advapi32.dll", "RegDeleteKeyValueW", "Vista"},
    {"advapi32.dll", "RegLoadMUIStringA", "Vista"},
    {"advapi32.dll", "RegLoadMUIStringW", "Vista"},
    {"advapi32.dll", "RegDisablePredefinedCacheEx", "Vista"},
    {"advapi32.dll", "EventRegister", "Vista"},
    {"advapi32.dll", "EventWrite", "Vista"},
    {"advapi32.dll", "EventUnregister", "Vista"},
    {"shell32.dll", "SHGetKnownFolderPath", "Vista"},
    {"shell32.dll", "SHGetKnownFolderIDList", "Vista"},
    {"shell32.dll", "SHCreateItemFromParsingName", "Vista"},
    {"shell32.dll", "SHGetStockIconInfo", "Vista"},
    {"shell32.dll", "SHSetKnownFolderPath", "Vista"},
    {"comctl32.dll", "TaskDialog", "Vista"},
    {"comctl32.dll", "TaskDialogIndirect", "Vista"},
    {"comctl32.dll", "LoadIconMetric", "Vista"},
    {"comctl32.dll", "LoadIconWithScaleDown", "Vista"},
    {"ole32.dll", "CoGetApartmentType", "Windows 7"},
    {"powrprof.dll", "PowerGetActiveScheme", "Vista"},
    {"powrprof.dll", "PowerSetActiveScheme", "Vista"},
    {"powrprof.dll", "PowerReadACValue", "Vista"},
    {"powrprof.dll", "PowerReadDCValue", "Vista"},
};

bool EndsWith(const std::string& s, const char* suffix) {
  const size_t n = std::strlen(suffix);
  return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

}  // namespace

std::optional<PeInfo> ParsePe(const std::vector<uint8_t>& file, std::string* error) {
  Reader r(file);
  auto fail = [&](const char* what) -> std::optional<PeInfo> {
    Fail(error, what);
    return std::nullopt;
  };
  if (!r.Has(0, 64) || r.U16(0) != 0x5A4D) return fail("no MZ header");
  const uint32_t pe = r.U32(60);
  if (!r.Has(pe, 24) || r.U32(pe) != 0x00004550) return fail("no PE signature");
  const uint16_t sectionCount = r.U16(pe + 6);
  const uint16_t optSize = r.U16(pe + 20);
  const uint16_t characteristics = r.U16(pe + 22);
  const uint64_t opt = pe + 24;
  if (!r.Has(opt, optSize) || optSize < 96) return fail("optional header cut off");
  PeInfo info;
  const uint16_t magic = r.U16(opt);
  if (magic == 0x20B) {
    info.is64 = true;
  } else if (magic != 0x10B) {
    return fail("unknown optional header");
  }
  info.isDll = (characteristics & 0x2000) != 0;
  info.osMajor = r.U16(opt + 40);
  info.osMinor = r.U16(opt + 42);
  info.subsystemMajor = r.U16(opt + 48);
  info.subsystemMinor = r.U16(opt + 50);
  info.subsystem = r.U16(opt + 68);
  const uint64_t dirCountAt = info.is64 ? opt + 108 : opt + 92;
  const uint64_t dirs = dirCountAt + 4;
  if (dirCountAt + 4 > opt + optSize) return fail("optional header cut off");
  const uint32_t dirCount = std::min<uint32_t>(r.U32(dirCountAt), 16);
  if (dirs + dirCount * 8ull > opt + optSize) return fail("data directories cut off");
  auto dir = [&](uint32_t i, uint32_t* rva, uint32_t* size) {
    *rva = *size = 0;
    if (i < dirCount) {
      *rva = r.U32(dirs + i * 8);
      *size = r.U32(dirs + i * 8 + 4);
    }
  };

  std::vector<Section> sections;
  const uint64_t sec = opt + optSize;
  if (!r.Has(sec, sectionCount * 40ull)) return fail("section table cut off");
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const uint64_t s = sec + i * 40ull;
    sections.push_back({r.U32(s + 12), r.U32(s + 8), r.U32(s + 20), r.U32(s + 16)});
  }
  Image img(r, std::move(sections));

  uint32_t rva, size;
  std::string why;
  dir(0, &rva, &size);
  if (!ReadExports(img, rva, size, &info, &why)) return fail(why.c_str());
  dir(1, &rva, &size);
  if (!ReadImports(img, rva, size, info.is64, &info, &why)) return fail(why.c_str());
  dir(13, &rva, &size);
  if (!ReadDelayImports(img, rva, size, info.is64, &info, &why)) return fail(why.c_str());
  return info;
}

bool IsXpSystemDll(const std::string& dll) {
  const std::string lower = Lower(dll);
  return std::any_of(std::begin(kXpDlls), std::end(kXpDlls), [&](const char* d) { return lower == d; });
}

std::vector<std::string> FindXpImportProblems(const std::vector<PeImport>& imports) {
  std::vector<std::string> problems;
  for (const PeImport& imp : imports) {
    const std::string dll = Lower(imp.dll);
    if (!IsXpSystemDll(dll)) {
      problems.push_back(imp.dll + ": not a DLL that Windows XP ships");
      continue;
    }
    for (const std::string& fn : imp.functions) {
      for (const Denied& d : kDenied) {
        if (dll == d.dll && fn == d.function) {
          problems.push_back(imp.dll + "!" + fn + ": " + d.since + " and later");
        }
      }
      // XP's msvcrt.dll predates the secure CRT: none of the *_s functions.
      if (dll == "msvcrt.dll" && EndsWith(fn, "_s")) {
        problems.push_back(imp.dll + "!" + fn + ": not in the msvcrt.dll of Windows XP");
      }
    }
  }
  return problems;
}

}  // namespace quellon::test
