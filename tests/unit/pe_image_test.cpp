#include "support/pe_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace quellon::test {
namespace {

// Builds a small PE file in memory: one section at RVA 0x1000 holding an
// import directory (and, when asked, an export directory), laid out as a
// linker would.
class PeBuilder {
 public:
  PeBuilder(bool is64, uint16_t subsystem) : is64_(is64), subsystem_(subsystem) {}

  void Import(const std::string& dll, std::vector<std::string> functions) {
    imports_.push_back({dll, std::move(functions)});
  }
  void Export(const std::string& name) { exports_.push_back(name); }

  std::vector<uint8_t> Build() const {
    // Section contents, addressed by RVA from kBase.
    std::vector<uint8_t> s(0x1000, 0);
    uint32_t at = 0;
    auto alloc = [&](uint32_t n) {
      uint32_t r = at;
      at += (n + 7) & ~7u;
      return r;
    };
    const uint32_t width = is64_ ? 8 : 4;
    const uint32_t descriptors = alloc(20 * static_cast<uint32_t>(imports_.size() + 1));
    for (size_t i = 0; i < imports_.size(); ++i) {
      const auto& [dll, fns] = imports_[i];
      const uint32_t thunks = alloc(width * static_cast<uint32_t>(fns.size() + 1));
      for (size_t j = 0; j < fns.size(); ++j) {
        uint64_t v;
        if (fns[j][0] == '#') {
          v = std::stoul(fns[j].substr(1)) | (is64_ ? 1ull << 63 : 1ull << 31);
        } else {
          const uint32_t hint = alloc(static_cast<uint32_t>(fns[j].size() + 3));
          std::memcpy(&s[hint + 2], fns[j].data(), fns[j].size());
          v = kBase + hint;
        }
        Put(s, thunks + static_cast<uint32_t>(j) * width, v, width);
      }
      const uint32_t name = alloc(static_cast<uint32_t>(dll.size() + 1));
      std::memcpy(&s[name], dll.data(), dll.size());
      const uint32_t d = descriptors + static_cast<uint32_t>(i) * 20;
      Put(s, d, kBase + thunks, 4);       // lookup table
      Put(s, d + 12, kBase + name, 4);    // DLL name
      Put(s, d + 16, kBase + thunks, 4);  // address table
    }
    uint32_t exportDir = 0;
    if (!exports_.empty()) {
      exportDir = alloc(40);
      const uint32_t names = alloc(4 * static_cast<uint32_t>(exports_.size()));
      for (size_t i = 0; i < exports_.size(); ++i) {
        const uint32_t n = alloc(static_cast<uint32_t>(exports_[i].size() + 1));
        std::memcpy(&s[n], exports_[i].data(), exports_[i].size());
        Put(s, names + static_cast<uint32_t>(i) * 4, kBase + n, 4);
      }
      Put(s, exportDir + 24, exports_.size(), 4);
      Put(s, exportDir + 32, kBase + names, 4);
    }

    const uint32_t optSize = is64_ ? 240 : 224;
    std::vector<uint8_t> f(kRaw, 0);
    f[0] = 'M';
    f[1] = 'Z';
    Put(f, 60, 64, 4);
    Put(f, 64, 0x00004550, 4);
    const uint32_t coff = 68;
    Put(f, coff, is64_ ? 0x8664 : 0x14C, 2);
    Put(f, coff + 2, 1, 2);  // one section
    Put(f, coff + 16, optSize, 2);
    Put(f, coff + 18, exports_.empty() ? 0x0102 : 0x2102, 2);
    const uint32_t opt = coff + 20;
    Put(f, opt, is64_ ? 0x20B : 0x10B, 2);
    Put(f, opt + 40, 5, 2);  // operating system 5.1
    Put(f, opt + 42, 1, 2);
    Put(f, opt + 48, 5, 2);  // subsystem 5.1
    Put(f, opt + 50, 1, 2);
    Put(f, opt + 68, subsystem_, 2);
    const uint32_t dirs = is64_ ? opt + 112 : opt + 96;
    Put(f, dirs - 4, 16, 4);
    if (!exports_.empty()) {
      Put(f, dirs, kBase + exportDir, 4);
      Put(f, dirs + 4, 40, 4);
    }
    Put(f, dirs + 8, kBase + descriptors, 4);
    Put(f, dirs + 12, 20 * static_cast<uint32_t>(imports_.size() + 1), 4);
    const uint32_t sec = opt + optSize;
    std::memcpy(&f[sec], ".idata", 6);
    Put(f, sec + 8, 0x1000, 4);   // virtual size
    Put(f, sec + 12, kBase, 4);   // RVA
    Put(f, sec + 16, 0x1000, 4);  // raw size
    Put(f, sec + 20, kRaw, 4);    // raw offset
    f.insert(f.end(), s.begin(), s.end());
    return f;
  }

 private:
  static constexpr uint32_t kBase = 0x1000;
  static constexpr uint32_t kRaw = 0x400;

  static void Put(std::vector<uint8_t>& v, size_t at, uint64_t value, unsigned width) {
    for (unsigned i = 0; i < width; ++i) v[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }

  bool is64_;
  uint16_t subsystem_;
  std::vector<std::pair<std::string, std::vector<std::string>>> imports_;
  std::vector<std::string> exports_;
};

TEST(PeImageTest, ReadsImportsExportsAndHeaderOfBothWidths) {
  for (bool is64 : {false, true}) {
    SCOPED_TRACE(is64 ? "PE32+" : "PE32");
    PeBuilder b(is64, 2);
    b.Import("KERNEL32.dll", {"CloseHandle", "GetModuleFileNameW", "#17"});
    b.Import("USER32.dll", {"CallNextHookEx"});
    b.Export("GetMsgProc");
    b.Export("HookProc");
    b.Export("Init");
    std::string error;
    auto info = ParsePe(b.Build(), &error);
    ASSERT_TRUE(info) << error;
    EXPECT_EQ(info->is64, is64);
    EXPECT_EQ(info->subsystem, 2);
    EXPECT_EQ(info->subsystemMajor, 5);
    EXPECT_EQ(info->subsystemMinor, 1);
    EXPECT_TRUE(info->isDll);
    ASSERT_EQ(info->imports.size(), 2u);
    EXPECT_EQ(info->imports[0].dll, "KERNEL32.dll");
    EXPECT_EQ(info->imports[0].functions, (std::vector<std::string>{"CloseHandle", "GetModuleFileNameW", "#17"}));
    EXPECT_EQ(info->imports[1].functions, (std::vector<std::string>{"CallNextHookEx"}));
    EXPECT_EQ(info->exports, (std::vector<std::string>{"GetMsgProc", "HookProc", "Init"}));
    EXPECT_TRUE(FindXpImportProblems(info->imports).empty());
  }
}

TEST(PeImageTest, CatchesAVistaImportInAParsedFile) {
  PeBuilder b(true, 2);
  b.Import("KERNEL32.dll", {"CloseHandle", "GetTickCount64"});
  auto info = ParsePe(b.Build());
  ASSERT_TRUE(info);
  EXPECT_EQ(FindXpImportProblems(info->imports),
            (std::vector<std::string>{"KERNEL32.dll!GetTickCount64: Vista and later"}));
}

TEST(PeImageTest, DamagedFilesAreRefusedWithoutCrashing) {
  PeBuilder b(true, 2);
  b.Import("KERNEL32.dll", {"CloseHandle", "Sleep"});
  b.Export("Init");
  const std::vector<uint8_t> good = b.Build();
  // Every cut-off length that ends before the import data fails cleanly
  // (the sanitizers see any read past the end).
  for (size_t n : {size_t{0}, size_t{2}, size_t{63}, size_t{64}, size_t{100}, size_t{300}, size_t{0x400},
                   size_t{0x408}, size_t{0x420}}) {
    SCOPED_TRACE(n);
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    std::string error;
    EXPECT_FALSE(ParsePe(cut, &error));
    EXPECT_FALSE(error.empty());
  }
  // Every single byte overwritten with 0xFF: parse or refuse, never crash.
  for (size_t i = 0; i < good.size(); i += 3) {
    std::vector<uint8_t> bad = good;
    bad[i] = 0xFF;
    (void)ParsePe(bad);
  }
}

TEST(XpImportCheckTest, DecidesPerDllAndFunction) {
  struct Case {
    const char* dll;
    std::vector<std::string> functions;
    std::vector<std::string> problems;
  };
  const Case cases[] = {
      {"KERNEL32.dll", {"CreateFileW", "Sleep", "#5"}, {}},
      {"kernel32.DLL", {"InitializeSRWLock", "FlsAlloc"},
       {"kernel32.DLL!InitializeSRWLock: Vista and later", "kernel32.DLL!FlsAlloc: Server 2003 and later"}},
      {"USER32.dll", {"SetWindowsHookExW", "ChangeWindowMessageFilterEx"},
       {"USER32.dll!ChangeWindowMessageFilterEx: Windows 7 and later"}},
      {"ADVAPI32.dll", {"RegOpenKeyExW", "RegDeleteTreeW"}, {"ADVAPI32.dll!RegDeleteTreeW: Vista and later"}},
      {"msvcrt.dll", {"malloc", "_vsnwprintf", "wcscpy_s"}, {"msvcrt.dll!wcscpy_s: not in the msvcrt.dll of Windows XP"}},
      // The same name in a DLL that never had it is no Vista import.
      {"GDI32.dll", {"GetTickCount64"}, {}},
      {"api-ms-win-core-synch-l1-2-0.dll", {"WaitOnAddress"},
       {"api-ms-win-core-synch-l1-2-0.dll: not a DLL that Windows XP ships"}},
      {"libstdc++-6.dll", {"_ZSt4cout"}, {"libstdc++-6.dll: not a DLL that Windows XP ships"}},
      {"dwmapi.dll", {"DwmIsCompositionEnabled"}, {"dwmapi.dll: not a DLL that Windows XP ships"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dll);
    PeImport imp;
    imp.dll = c.dll;
    imp.functions = c.functions;
    EXPECT_EQ(FindXpImportProblems({imp}), c.problems);
  }
}

TEST(XpImportCheckTest, TheProductsSystemDllsAreAllowed) {
  for (const char* dll : {"KERNEL32.dll", "USER32.dll", "GDI32.dll", "ADVAPI32.dll", "SHELL32.dll", "ole32.dll",
                          "OLEAUT32.dll", "COMCTL32.dll", "comdlg32.dll", "VERSION.dll", "WINMM.dll", "msvcrt.dll",
                          "SHLWAPI.dll", "PSAPI.DLL", "POWRPROF.dll", "WININET.dll", "UxTheme.dll", "IMM32.dll",
                          "WS2_32.dll"}) {
    EXPECT_TRUE(IsXpSystemDll(dll)) << dll;
  }
  EXPECT_FALSE(IsXpSystemDll("kernel32"));
  EXPECT_FALSE(IsXpSystemDll("bcrypt.dll"));
}

}  // namespace
}  // namespace quellon::test
