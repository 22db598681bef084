#include "contract/registry_contract.h"

#include <algorithm>
#include <atomic>

#include "fakes/fake_registry.h"
#include "util/text.h"

namespace quellon::test {

using os::RegAccess;
using os::RootKey;

std::wstring ScratchKeyPath(const std::wstring& tag) {
  static std::atomic<int> counter{0};
  return L"SOFTWARE\\Tarnwick\\QuellonTest\\" + tag + L"-" + std::to_wstring(++counter);
}

void RegistryContract::SetUp() {
  under_ = GetParam().make();
  ASSERT_TRUE(under_.registry);
  ASSERT_FALSE(reg().KeyExists(RootKey::CurrentUser, under_.scratch)) << "scratch key in use";
}

void RegistryContract::TearDown() {
  if (!under_.registry) return;
  auto st = reg().DeleteKeyTree(RootKey::CurrentUser, under_.scratch);
  EXPECT_TRUE(st.ok() || st.Is(ErrorKind::NotFound)) << st.error().message;
  DeleteScratchParentIfEmpty(reg());
}

void DeleteScratchParentIfEmpty(os::Registry& reg) {
  const std::wstring parent = L"SOFTWARE\\Tarnwick\\QuellonTest";
  auto key = reg.OpenKey(RootKey::CurrentUser, parent, RegAccess::Read, false);
  if (!key) return;
  auto subs = key.value()->SubKeyNames();
  auto values = key.value()->ValueNames();
  key.value().reset();
  if (subs && values && subs.value().empty() && values.value().empty())
    (void)reg.DeleteKeyTree(RootKey::CurrentUser, parent);
}

std::wstring RegistryContract::Path(const std::wstring& sub) const {
  return sub.empty() ? under_.scratch : under_.scratch + L"\\" + sub;
}

std::unique_ptr<os::RegKey> RegistryContract::Open(const std::wstring& sub, RegAccess access,
                                                   bool create) {
  auto key = reg().OpenKey(RootKey::CurrentUser, Path(sub), access, create);
  EXPECT_TRUE(key.ok()) << (key.ok() ? std::wstring() : key.error().message);
  return key.ok() ? std::move(key.value()) : nullptr;
}

namespace {

std::vector<std::wstring> Sorted(std::vector<std::wstring> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<uint8_t> Bytes(std::initializer_list<int> b) {
  std::vector<uint8_t> out;
  for (int x : b) out.push_back(static_cast<uint8_t>(x));
  return out;
}

TEST_P(RegistryContract, OpenWithoutCreateFailsOnMissingKeyAndCreateMakesThePath) {
  auto missing = reg().OpenKey(RootKey::CurrentUser, Path(L"a\\b\\c"), RegAccess::Read, false);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().kind, ErrorKind::NotFound);
  EXPECT_EQ(missing.error().code, kErrFileNotFound);
  // The call and the system's text, without the code's number.
  EXPECT_EQ(missing.error().message, L"RegOpenKeyExW failed: " + missing.error().SystemText());
  EXPECT_FALSE(StartsWith(missing.error().SystemText(), L"Error ")) << missing.error().message;
  EXPECT_FALSE(missing.error().SystemText().empty());
  EXPECT_FALSE(reg().KeyExists(RootKey::CurrentUser, Path(L"a")));

  ASSERT_TRUE(Open(L"a\\b\\c", RegAccess::Full, true));
  for (const wchar_t* sub : {L"a", L"a\\b", L"a\\b\\c"})
    EXPECT_TRUE(reg().KeyExists(RootKey::CurrentUser, Path(sub))) << sub;
  auto again = Open(L"a\\b\\c", RegAccess::Read, false);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->Access(), RegAccess::Read);
}

TEST_P(RegistryContract, CreatingAnExistingKeyKeepsItsValues) {
  ASSERT_TRUE(Scratch()->WriteDword(L"kept", 7).ok());
  auto key = Open(L"", RegAccess::Read, true);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadDword(L"kept").value(), 7u);
}

TEST_P(RegistryContract, ReadOnlyKeyRefusesWritesAndDeletesButReads) {
  ASSERT_TRUE(Scratch()->WriteString(L"name", L"before").ok());
  auto ro = Open(L"", RegAccess::Read, false);
  ASSERT_TRUE(ro);
  auto w = ro->WriteString(L"name", L"after");
  EXPECT_TRUE(w.Is(ErrorKind::AccessDenied)) << w.error().message;
  EXPECT_EQ(w.error().code, kErrAccessDenied);
  EXPECT_EQ(w.error().message, L"RegSetValueExW failed: " + w.error().SystemText());
  EXPECT_FALSE(StartsWith(w.error().SystemText(), L"Error ")) << w.error().message;
  EXPECT_TRUE(ro->WriteDword(L"new", 1).Is(ErrorKind::AccessDenied));
  EXPECT_TRUE(ro->DeleteValue(L"name").Is(ErrorKind::AccessDenied));
  EXPECT_EQ(ro->ReadString(L"name").value(), L"before");
  EXPECT_FALSE(ro->ValueExists(L"new"));

  // Read-only with create still creates the key.
  auto created = Open(L"ro-created", RegAccess::Read, true);
  ASSERT_TRUE(created);
  EXPECT_TRUE(created->WriteDword(L"x", 1).Is(ErrorKind::AccessDenied));
  EXPECT_TRUE(reg().KeyExists(RootKey::CurrentUser, Path(L"ro-created")));
}

TEST_P(RegistryContract, TypedReadsMatchTypeOrReportMismatch) {
  auto key = Scratch();
  ASSERT_TRUE(key->WriteString(L"sz", L"text").ok());
  ASSERT_TRUE(key->WriteDword(L"dw", 0xFFFFFFFFu).ok());
  ASSERT_TRUE(key->WriteBinary(L"bin", Bytes({0, 1, 0xFF})).ok());
  ASSERT_TRUE(key->WriteRaw(L"multi", os::kRegMultiSz, Bytes({'a', 0, 0, 0, 0, 0})).ok());
  ASSERT_TRUE(key->WriteRaw(L"qword", os::kRegQword, Bytes({1, 0, 0, 0, 0, 0, 0, 0})).ok());
  ASSERT_TRUE(key->WriteRaw(L"shortdw", os::kRegDword, Bytes({1, 0})).ok());

  using K = os::RegValue::Kind;
  struct Case {
    const wchar_t* name;
    K kind;
    uint32_t type;
    bool asString, asDword, asBinary;
  } cases[] = {
      {L"sz", K::String, os::kRegSz, true, false, false},
      {L"dw", K::Dword, os::kRegDword, false, true, false},
      {L"bin", K::Binary, os::kRegBinary, false, false, true},
      {L"multi", K::Other, os::kRegMultiSz, false, false, false},
      {L"qword", K::Other, os::kRegQword, false, false, false},
      // A DWORD that is not 4 bytes long is not read as a number.
      {L"shortdw", K::Other, os::kRegDword, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.name));
    auto v = key->ReadValue(c.name);
    ASSERT_TRUE(v.ok());
    EXPECT_EQ(v.value().kind, c.kind);
    EXPECT_EQ(v.value().type, c.type);
    auto s = key->ReadString(c.name);
    auto d = key->ReadDword(c.name);
    auto b = key->ReadBinary(c.name);
    EXPECT_EQ(s.ok(), c.asString);
    EXPECT_EQ(d.ok(), c.asDword);
    EXPECT_EQ(b.ok(), c.asBinary);
    for (const Error* e : {s.ok() ? nullptr : &s.error(), d.ok() ? nullptr : &d.error(),
                                  b.ok() ? nullptr : &b.error()}) {
      if (!e) continue;
      EXPECT_EQ(e->kind, ErrorKind::WrongType);
      EXPECT_NE(e->message.find(c.name), std::wstring::npos) << e->message;
    }
  }
  EXPECT_EQ(key->ReadString(L"sz").value(), L"text");
  EXPECT_EQ(key->ReadDword(L"dw").value(), 0xFFFFFFFFu);
  EXPECT_EQ(key->ReadBinary(L"bin").value(), Bytes({0, 1, 0xFF}));
  EXPECT_EQ(key->ReadValue(L"qword").value().data, Bytes({1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(key->ReadValue(L"shortdw").value().data, Bytes({1, 0}));
}

TEST_P(RegistryContract, MissingValueIsNotFoundForEveryRead) {
  auto key = Scratch();
  EXPECT_FALSE(key->ValueExists(L"none"));
  EXPECT_TRUE(key->ReadRaw(L"none").Is(ErrorKind::NotFound));
  EXPECT_TRUE(key->ReadValue(L"none").Is(ErrorKind::NotFound));
  EXPECT_TRUE(key->ReadString(L"none").Is(ErrorKind::NotFound));
  EXPECT_TRUE(key->ReadDword(L"none").Is(ErrorKind::NotFound));
  EXPECT_TRUE(key->ReadBinary(L"none").Is(ErrorKind::NotFound));
  EXPECT_EQ(key->ReadString(L"none").error().code, kErrFileNotFound);
}

TEST_P(RegistryContract, StringForms) {
  auto key = Scratch();
  struct Case {
    const wchar_t* name;
    std::vector<uint8_t> data;
    std::wstring text;
  } cases[] = {
      {L"empty", os::EncodeRegString(L""), L""},
      {L"no data", {}, L""},
      {L"unterminated", Bytes({'a', 0, 'b', 0, 'c', 0}), L"abc"},
      {L"odd length", Bytes({'a', 0, 'b', 0, 'c'}), L"ab"},
      {L"inner zero", Bytes({'a', 0, 'b', 0, 0, 0, 'c', 0, 0, 0}), L"ab"},
      {L"non-ASCII", os::EncodeRegString(L"Gr\u00fc\u00dfe \u20ac"), L"Gr\u00fc\u00dfe \u20ac"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(key->WriteRaw(c.name, os::kRegSz, c.data).ok());
    // Stored as written; Wine hands out an unterminated even-length text
    // with a terminating zero added, Windows as stored.
    auto raw = key->ReadRaw(c.name).value().data;
    auto terminated = c.data;
    terminated.insert(terminated.end(), {0, 0});
    EXPECT_TRUE(raw == c.data || (c.data.size() % 2 == 0 && raw == terminated)) << c.text;
    auto s = key->ReadString(c.name);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.value(), c.text);
  }
  ASSERT_TRUE(key->WriteString(L"written", L"").ok());
  EXPECT_EQ(key->ReadRaw(L"written").value().data, Bytes({0, 0}));
}

TEST_P(RegistryContract, ValuesLargerThanAFirstBufferRoundTrip) {
  auto key = Scratch();
  std::vector<uint8_t> big(100000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7);
  std::wstring longText(5000, L'x');
  longText[4999] = L'!';
  ASSERT_TRUE(key->WriteBinary(L"big", big).ok());
  ASSERT_TRUE(key->WriteString(L"long", longText).ok());
  EXPECT_EQ(key->ReadBinary(L"big").value(), big);
  EXPECT_EQ(key->ReadString(L"long").value(), longText);
}

TEST_P(RegistryContract, DefaultValueHasTheEmptyName) {
  auto key = Scratch();
  EXPECT_FALSE(key->ValueExists(L""));
  ASSERT_TRUE(key->WriteString(L"", L"0").ok());
  EXPECT_EQ(key->ReadString(L"").value(), L"0");
  EXPECT_EQ(key->ValueNames().value(), std::vector<std::wstring>{L""});
}

TEST_P(RegistryContract, EnumeratesValueAndSubkeyNames) {
  auto key = Scratch();
  EXPECT_TRUE(key->ValueNames().value().empty());
  EXPECT_TRUE(key->SubKeyNames().value().empty());
  for (const wchar_t* n : {L"Zeta", L"alpha", L"0", L"Mid dle"})
    ASSERT_TRUE(key->WriteDword(n, 1).ok());
  for (const wchar_t* k : {L"Sub1", L"sub2\\deeper", L"Another"})
    ASSERT_TRUE(Open(k, RegAccess::Full, true));
  EXPECT_EQ(Sorted(key->ValueNames().value()),
            Sorted({L"Zeta", L"alpha", L"0", L"Mid dle"}));
  // Only direct subkeys.
  EXPECT_EQ(Sorted(key->SubKeyNames().value()), Sorted({L"Sub1", L"sub2", L"Another"}));
  // A read-only key enumerates too.
  auto ro = Open(L"", RegAccess::Read, false);
  EXPECT_EQ(ro->ValueNames().value().size(), 4u);
  EXPECT_EQ(ro->SubKeyNames().value().size(), 3u);
}

TEST_P(RegistryContract, DeleteValueRemovesItAndReportsAMissingOne) {
  auto key = Scratch();
  ASSERT_TRUE(key->WriteDword(L"gone", 1).ok());
  ASSERT_TRUE(key->WriteDword(L"stays", 2).ok());
  EXPECT_TRUE(key->DeleteValue(L"GONE").ok());
  EXPECT_FALSE(key->ValueExists(L"gone"));
  EXPECT_TRUE(key->ValueExists(L"stays"));
  auto again = key->DeleteValue(L"gone");
  EXPECT_TRUE(again.Is(ErrorKind::NotFound)) << again.error().message;
  EXPECT_EQ(again.error().code, kErrFileNotFound);
  EXPECT_EQ(again.error().message, L"RegDeleteValueW failed: " + again.error().SystemText());
}

TEST_P(RegistryContract, DeleteKeyTreeRemovesSubkeysAndValues) {
  ASSERT_TRUE(Open(L"top\\a\\a1", RegAccess::Full, true)->WriteDword(L"v", 1).ok());
  ASSERT_TRUE(Open(L"top\\a\\a2", RegAccess::Full, true));
  ASSERT_TRUE(Open(L"top\\b", RegAccess::Full, true)->WriteString(L"s", L"x").ok());
  ASSERT_TRUE(Open(L"top", RegAccess::Full, true)->WriteString(L"", L"default").ok());
  ASSERT_TRUE(Open(L"sibling", RegAccess::Full, true));

  auto st = reg().DeleteKeyTree(RootKey::CurrentUser, Path(L"TOP"));
  ASSERT_TRUE(st.ok()) << st.error().message;
  EXPECT_FALSE(reg().KeyExists(RootKey::CurrentUser, Path(L"top")));
  EXPECT_TRUE(reg().KeyExists(RootKey::CurrentUser, Path(L"sibling")));
  EXPECT_EQ(Scratch()->SubKeyNames().value(), std::vector<std::wstring>{L"sibling"});

  EXPECT_TRUE(reg().DeleteKeyTree(RootKey::CurrentUser, Path(L"top")).Is(ErrorKind::NotFound));
  // The root itself is never deleted.
  auto root = reg().DeleteKeyTree(RootKey::CurrentUser, L"");
  EXPECT_FALSE(root.ok());
  EXPECT_EQ(root.error().code, kErrInvalidParameter);
}

TEST_P(RegistryContract, OpenKeyOfADeletedKeyFails) {
  auto key = Open(L"doomed", RegAccess::Full, true);
  ASSERT_TRUE(key->WriteDword(L"v", 1).ok());
  ASSERT_TRUE(reg().DeleteKeyTree(RootKey::CurrentUser, Path(L"doomed")).ok());
  EXPECT_TRUE(key->WriteDword(L"v", 2).Is(ErrorKind::KeyDeleted));
  EXPECT_TRUE(key->ReadDword(L"v").Is(ErrorKind::KeyDeleted));
  // Created again, it is a new, empty key; the old handle stays dead.
  auto fresh = Open(L"doomed", RegAccess::Full, true);
  EXPECT_FALSE(fresh->ValueExists(L"v"));
  EXPECT_TRUE(key->ValueNames().Is(ErrorKind::KeyDeleted));
}

TEST_P(RegistryContract, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
  auto key = Open(L"Mixed\\Case", RegAccess::Full, true);
  ASSERT_TRUE(key->WriteDword(L"Alpha", 1).ok());
  ASSERT_TRUE(key->WriteDword(L"ALPHA", 2).ok());
  EXPECT_EQ(key->ReadDword(L"alpha").value(), 2u);
  EXPECT_EQ(key->ValueNames().value(), std::vector<std::wstring>{L"Alpha"});

  auto upper = Open(L"MIXED\\CASE", RegAccess::Read, false);
  ASSERT_TRUE(upper);
  EXPECT_EQ(upper->ReadDword(L"aLpHa").value(), 2u);
  EXPECT_EQ(Scratch()->SubKeyNames().value(), std::vector<std::wstring>{L"Mixed"});
  EXPECT_TRUE(reg().KeyExists(RootKey::CurrentUser, Path(L"mixed\\case")));
}

TEST_P(RegistryContract, PathSpelling) {
  ASSERT_TRUE(Open(L"p\\q", RegAccess::Full, true));
  // A trailing backslash names the same key.
  auto trailing = reg().OpenKey(RootKey::CurrentUser, Path(L"p\\q\\"), RegAccess::Read, false);
  EXPECT_TRUE(trailing.ok());
  // A leading backslash is not a path below the root.
  auto leading = reg().OpenKey(RootKey::CurrentUser, L"\\" + Path(L"p"), RegAccess::Read, false);
  ASSERT_FALSE(leading.ok());
  EXPECT_EQ(leading.error().code, kErrBadPathname);
  auto none = reg().OpenKey(RootKey::None, L"SOFTWARE", RegAccess::Read, false);
  ASSERT_FALSE(none.ok());
  EXPECT_EQ(none.error().code, kErrInvalidHandle);
}

// The failures tests can inject into the in-memory registry.
TEST(FakeRegistryTest, InjectedFailuresHitOnlyTheirKeyAndOperation) {
  FakeRegistry reg;
  const std::wstring path = L"SOFTWARE\\Tarnwick\\YARB";
  reg.FailOn(RootKey::CurrentUser, L"software\\tarnwick\\yarb", FakeRegistry::Op::OpenFull);
  auto full = reg.OpenKey(RootKey::CurrentUser, path, RegAccess::Full, true);
  ASSERT_FALSE(full.ok());
  EXPECT_EQ(full.error().message, L"RegCreateKeyExW failed: Access is denied.");
  EXPECT_EQ(full.error().code, kErrAccessDenied);
  EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, path)) << "a refused create creates nothing";
  ASSERT_TRUE(reg.OpenKey(RootKey::CurrentUser, L"SOFTWARE\\Tarnwick", RegAccess::Full, true));

  reg.ClearFailures();
  auto key = reg.OpenKey(RootKey::CurrentUser, path, RegAccess::Full, true);
  ASSERT_TRUE(key.ok());
  reg.FailOn(RootKey::CurrentUser, path, FakeRegistry::Op::Write, 1009);
  auto w = key.value()->WriteDword(L"x", 1);
  EXPECT_EQ(w.error().message,
            L"RegSetValueExW failed: The configuration registry database is corrupt.");
  EXPECT_EQ(w.error().code, 1009u);
  EXPECT_TRUE(key.value()->DeleteValue(L"x").Is(ErrorKind::Failed));
  EXPECT_TRUE(reg.OpenKey(RootKey::CurrentUser, path + L"\\Sub", RegAccess::Full, true)
                  .value()
                  ->WriteDword(L"x", 1)
                  .ok());

  reg.FailOn(RootKey::CurrentUser, path, FakeRegistry::Op::Open, 2);
  EXPECT_TRUE(reg.OpenKey(RootKey::CurrentUser, path, RegAccess::Read, false).Is(ErrorKind::NotFound));
  reg.FailOn(RootKey::CurrentUser, path, FakeRegistry::Op::DeleteTree);
  EXPECT_TRUE(reg.DeleteKeyTree(RootKey::CurrentUser, path).Is(ErrorKind::AccessDenied));
  EXPECT_TRUE(reg.DeleteKeyTree(RootKey::CurrentUser, L"SOFTWARE\\Tarnwick").ok());
}

INSTANTIATE_TEST_SUITE_P(Fake, RegistryContract, ::testing::Values(RegistryFactory{"fake", [] {
                           return RegistryUnderTest{std::make_unique<FakeRegistry>(),
                                                    ScratchKeyPath(L"fake")};
                         }}));

}  // namespace
}  // namespace quellon::test
