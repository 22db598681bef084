// The product files as users get them: they must load on Windows XP and
// carry their version, resources and exports. The import tables are read
// from the files themselves (a newer system's loader would accept what XP
// refuses).
#include <windows.h>
#include <objidl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "imaging/file_bytes.h"
#include "os/win32/handles.h"
#include "support/pe_image.h"
#include "util/text.h"

namespace quellon::test {
namespace {

const std::wstring kDir = QUELLON_PRODUCT_DIR_W;

std::wstring ProductFile(const wchar_t* name) { return kDir + L"\\" + name; }

PeInfo ReadPe(const wchar_t* name) {
  auto bytes = imaging::ReadWholeFile(ProductFile(name));
  EXPECT_TRUE(bytes.ok()) << WideToUtf8(bytes.error().message) << " (build the windows preset first)";
  std::string why;
  auto info = ParsePe(bytes ? bytes.value() : std::vector<uint8_t>(), &why);
  EXPECT_TRUE(info) << WideToUtf8(name) << ": " << why;
  return info ? *info : PeInfo{};
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += "\n  " + l;
  return s;
}

TEST(ProductFilesTest, ImportNothingWindowsXpLacks) {
  for (const wchar_t* name : {L"ZUB.exe", L"SH.dll"}) {
    SCOPED_TRACE(WideToUtf8(name));
    const PeInfo pe = ReadPe(name);
    EXPECT_FALSE(pe.imports.empty());
    const auto problems = FindXpImportProblems(pe.imports);
    EXPECT_TRUE(problems.empty()) << "imports XP cannot satisfy:" << Join(problems);
    // XP's loader refuses a file that asks for a later system: 5.1 is XP,
    // 5.2 XP x64.
    const unsigned wanted = pe.is64 ? 0x0502 : 0x0501;
    EXPECT_LE(static_cast<unsigned>(pe.subsystemMajor << 8 | pe.subsystemMinor), wanted)
        << "subsystem version " << pe.subsystemMajor << "." << pe.subsystemMinor;
    EXPECT_LE(static_cast<unsigned>(pe.osMajor << 8 | pe.osMinor), wanted)
        << "system version " << pe.osMajor << "." << pe.osMinor;
  }
}

// The checker against a real file that does import a Vista function: this
// test program, built with the posix-thread runtime, which takes
// GetTickCount64 from kernel32 (the reason the product uses the win32 one).
TEST(ProductFilesTest, CheckerCatchesTheVistaImportOfThePosixRuntime) {
  wchar_t self[MAX_PATH + 1] = {};
  ASSERT_GT(::GetModuleFileNameW(nullptr, self, MAX_PATH + 1), 0u);
  auto bytes = imaging::ReadWholeFile(self);
  ASSERT_TRUE(bytes.ok());
  auto pe = ParsePe(bytes.value());
  ASSERT_TRUE(pe);
  const auto problems = FindXpImportProblems(pe->imports);
  EXPECT_NE(std::find(problems.begin(), problems.end(), "KERNEL32.dll!GetTickCount64: Vista and later"),
            problems.end())
      << Join(problems);
}

TEST(ProductFilesTest, ZubIsAGuiProgramAndShIsADll) {
  const PeInfo zub = ReadPe(L"ZUB.exe");
  EXPECT_EQ(zub.subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  EXPECT_FALSE(zub.isDll);
  const PeInfo sh = ReadPe(L"SH.dll");
  EXPECT_TRUE(sh.isDll);
  EXPECT_EQ(zub.is64, sh.is64) << "a hook library must match the program's architecture";
}

VS_FIXEDFILEINFO FixedVersion(const wchar_t* name) {
  const std::wstring path = ProductFile(name);
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &handle);
  EXPECT_GT(size, 0u) << WideToUtf8(name) << " has no version resource";
  std::vector<uint8_t> data(size ? size : 1);
  VS_FIXEDFILEINFO out{};
  if (!size || !::GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return out;
  void* block = nullptr;
  UINT len = 0;
  if (::VerQueryValueW(data.data(), L"\\", &block, &len) && len >= sizeof out) {
    out = *static_cast<VS_FIXEDFILEINFO*>(block);
  }
  EXPECT_EQ(out.dwSignature, 0xFEEF04BDu);
  return out;
}

TEST(ProductFilesTest, VersionResourcesCarryTheRightNumbers) {
  const VS_FIXEDFILEINFO zub = FixedVersion(L"ZUB.exe");
  EXPECT_EQ(zub.dwFileVersionMS, static_cast<DWORD>(ZUB_VERSION_MAJOR << 16 | ZUB_VERSION_MINOR));
  EXPECT_EQ(zub.dwFileVersionLS, static_cast<DWORD>(ZUB_VERSION_RELEASE << 16 | ZUB_VERSION_BUILD));
  EXPECT_EQ(zub.dwFileVersionMS, 0x00020032u) << "2.50";
  EXPECT_EQ(zub.dwFileVersionLS, 0x00020028u) << "2.40";
  EXPECT_EQ(zub.dwFileType, static_cast<DWORD>(VFT_APP));
  // The program loads only a hook library of exactly 0.22.
  const VS_FIXEDFILEINFO sh = FixedVersion(L"SH.dll");
  EXPECT_EQ(sh.dwFileVersionMS, 0x00000016u) << "0.22";
  EXPECT_EQ(sh.dwFileVersionLS, 0u);
  EXPECT_EQ(sh.dwFileType, static_cast<DWORD>(VFT_DLL));
}

TEST(ProductFilesTest, HookLibraryExportsItsThreeProceduresUndecorated) {
  const PeInfo sh = ReadPe(L"SH.dll");
  std::vector<std::string> names = sh.exports;
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"GetMsgProc", "HookProc", "Init"}));
  // And the loader finds them by those names.
  win32::UniqueModule module(::LoadLibraryW(ProductFile(L"SH.dll").c_str()));
  ASSERT_TRUE(module);
  for (const char* fn : {"Init", "HookProc", "GetMsgProc"}) {
    EXPECT_NE(::GetProcAddress(module.get(), fn), nullptr) << fn;
  }
}

class ZubResources : public ::testing::Test {
 protected:
  void SetUp() override {
    zub_.reset(::LoadLibraryExW(ProductFile(L"ZUB.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(zub_);
  }
  std::string Resource(const wchar_t* name, const wchar_t* type) {
    HRSRC r = ::FindResourceW(zub_.get(), name, type);
    if (!r) return {};
    HGLOBAL g = ::LoadResource(zub_.get(), r);
    const char* p = g ? static_cast<const char*>(::LockResource(g)) : nullptr;
    return p ? std::string(p, ::SizeofResource(zub_.get(), r)) : std::string();
  }
  win32::UniqueModule zub_;
};

TEST_F(ZubResources, ManifestAsksForCommonControls6DpiAwarenessAndAsInvoker) {
  const std::string manifest = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_FALSE(manifest.empty()) << "no RT_MANIFEST 1";
  for (const char* needed : {
           "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
           "publicKeyToken=\"6595b64144ccf1df\"",
           "level=\"asInvoker\"",
           "uiAccess=\"false\"",
           "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
           "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
           "version=\"2.50.2.40\"",
       }) {
    EXPECT_NE(manifest.find(needed), std::string::npos) << needed;
  }
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out) {
  auto* names = reinterpret_cast<std::vector<std::wstring>*>(out);
  names->push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<uintptr_t>(name)) : name);
  return TRUE;
}

TEST_F(ZubResources, FirstIconGroupIsTheProgramIconIn16_32And48Pixels) {
  std::vector<std::wstring> groups;
  ::EnumResourceNamesW(zub_.get(), RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&groups));
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups[0], L"MAINICON");
  const std::string dir = Resource(L"MAINICON", RT_GROUP_ICON);
  ASSERT_GE(dir.size(), 6u);
  const auto* p = reinterpret_cast<const uint8_t*>(dir.data());
  const unsigned count = p[4] | p[5] << 8;
  ASSERT_EQ(dir.size(), 6 + count * 14u);
  std::set<unsigned> sizes;
  for (unsigned i = 0; i < count; ++i) {
    const uint8_t* e = p + 6 + i * 14;
    sizes.insert(e[0]);
    EXPECT_EQ(e[6] | e[7] << 8, 32) << "bits per pixel of entry " << i;
  }
  EXPECT_EQ(sizes, (std::set<unsigned>{16, 32, 48}));
}

TEST_F(ZubResources, MenuPicturesAreRawPngData) {
  for (const wchar_t* name : {L"XMenu1", L"XMenu2"}) {
    const std::string data = Resource(name, RT_RCDATA);
    EXPECT_EQ(data.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << WideToUtf8(name);
  }
}

// The help system's reader of compiled help files (itss.dll); MinGW's
// headers do not declare it. Methods after IUnknown, in order.
struct IITStorage : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
  virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};
const GUID kClsidITStorage = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const GUID kIidITStorage = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

std::string ReadTopic(IStorage* chm, const wchar_t* topic) {
  win32::ComPtr<IStream> stream;
  if (FAILED(chm->OpenStream(topic, nullptr, STGM_READ, 0, stream.put()))) return {};
  std::string out;
  char buf[4096];
  ULONG got = 0;
  while (SUCCEEDED(stream->Read(buf, sizeof buf, &got)) && got > 0) out.append(buf, got);
  return out;
}

TEST(ProductFilesTest, HelpFileNextToTheProgramHoldsItsTwoTopics) {
  auto read = imaging::ReadWholeFile(ProductFile(L"ZUB.chm"));
  ASSERT_TRUE(read.ok()) << "ZUB.chm missing";
  const std::vector<uint8_t>& chm = read.value();
  ASSERT_GT(chm.size(), 4u);
  EXPECT_EQ(std::string(chm.begin(), chm.begin() + 4), "ITSF");
  // Read through the system's own reader, as the help viewer does.
  win32::ScopedCoInit com;
  win32::ComPtr<IITStorage> its;
  ASSERT_HRESULT_SUCCEEDED(
      ::CoCreateInstance(kClsidITStorage, nullptr, CLSCTX_INPROC_SERVER, kIidITStorage, its.put_void()));
  win32::ComPtr<IStorage> storage;
  ASSERT_HRESULT_SUCCEEDED(its->StgOpenStorage(ProductFile(L"ZUB.chm").c_str(), nullptr,
                                               STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, storage.put()));
  for (auto [topic, title] : {std::pair{L"ZUB.htm", "<title>Quellon</title>"},
                              std::pair{L"Advenced.htm", "<title>Advanced options</title>"}}) {
    EXPECT_NE(ReadTopic(storage.get(), topic).find(title), std::string::npos)
        << WideToUtf8(topic) << " not readable from ZUB.chm";
  }
}

}  // namespace
}  // namespace quellon::test
