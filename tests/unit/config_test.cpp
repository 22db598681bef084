#include <gtest/gtest.h>

#include <cstdint>
#include <variant>

#include "fakes/fake_registry.h"
#include "settings/config.h"
#include "settings/shortcut.h"
#include "util/text.h"

namespace quellon {
namespace {

using os::RootKey;

const wchar_t kKey[] = L"SOFTWARE\\Tarnwick\\YARB";

// A stored value for the tables: missing, a DWORD, a text or raw bytes.
struct Missing {};
using Stored = std::variant<Missing, uint32_t, std::wstring, std::vector<uint8_t>>;

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(cfg.OpenKey(kKey, true).ok()); }

  void Store(const std::wstring& name, const Stored& v) {
    auto k = std::move(reg.OpenKey(RootKey::CurrentUser, kKey, os::RegAccess::Full, true).value());
    (void)k->DeleteValue(name);
    Status st;
    if (auto d = std::get_if<uint32_t>(&v)) st = k->WriteDword(name, *d);
    if (auto s = std::get_if<std::wstring>(&v)) st = k->WriteString(name, *s);
    if (auto b = std::get_if<std::vector<uint8_t>>(&v)) st = k->WriteBinary(name, *b);
    ASSERT_TRUE(st.ok());
  }

  test::FakeRegistry reg;
  TConfig cfg{reg, L','};
};

TEST_F(ConfigTest, ReadStrTakesOnlyText) {
  struct Case {
    Stored stored;
    std::wstring expected;
  } cases[] = {
      {std::wstring(L"abc"), L"abc"},
      {std::wstring(L""), L""},
      {Missing{}, L"def"},
      {uint32_t{5}, L"def"},
      {std::vector<uint8_t>{'a', 0}, L"def"},
  };
  for (const auto& c : cases) {
    Store(L"v", c.stored);
    EXPECT_EQ(cfg.ReadStr(L"v", L"def"), c.expected);
  }
  cfg.CloseKey();
  EXPECT_EQ(cfg.ReadStr(L"v", L"def"), L"def") << "no key open";
}

TEST_F(ConfigTest, ReadIntKeepsTheDefaultOutsideTheRange) {
  struct Case {
    Stored stored;
    int32_t min, max, def, expected;
  } cases[] = {
      {uint32_t{2}, 2, 60, 0, 2},         {uint32_t{60}, 2, 60, 0, 60},
      {uint32_t{1}, 2, 60, 0, 0},         {uint32_t{61}, 2, 60, 0, 0},
      {uint32_t{0xFFFFFFFF}, -5, 5, 3, -1},  // a DWORD is a signed 32-bit number
      {uint32_t{0x80000000}, 0, 10, 7, 7},
      {std::wstring(L"5"), 0, 10, 7, 7},  {Missing{}, 0, 10, 7, 7},
      {std::vector<uint8_t>{5, 0, 0, 0}, 0, 10, 7, 7},
  };
  for (const auto& c : cases) {
    Store(L"n", c.stored);
    EXPECT_EQ(cfg.ReadInt(L"n", c.min, c.max, c.def), c.expected) << c.min << ".." << c.max;
  }
}

TEST_F(ConfigTest, ReadBoolAcceptsOnlyZeroAndOne) {
  struct Case {
    Stored stored;
    bool def, expected;
  } cases[] = {
      {uint32_t{0}, true, false}, {uint32_t{1}, false, true}, {uint32_t{2}, true, true},
      {uint32_t{2}, false, false}, {std::wstring(L"1"), false, false}, {Missing{}, true, true},
  };
  for (const auto& c : cases) {
    Store(L"b", c.stored);
    EXPECT_EQ(cfg.ReadBool(L"b", c.def), c.expected);
  }
}

TEST_F(ConfigTest, ReadFloatTakesAnyDecimalMark) {
  const double def = 0.1 + 0.2;  // not what its 15-digit text would read back as
  struct Case {
    Stored stored;
    double expected;
  } cases[] = {
      {std::wstring(L"1,5"), 1.5},      {std::wstring(L"1.5"), 1.5},
      {std::wstring(L"1 pt 5"), 1.5},   {std::wstring(L"-2.25"), -2.25},
      {std::wstring(L"15"), 15},        {std::wstring(L"0"), 0},
      {std::wstring(L"1.,5"), 1.5},     // one run of two characters
      {std::wstring(L"1.5.5"), def},    // two runs
      {std::wstring(L"1,234.5"), def},  // thousands separators are a second run
      {std::wstring(L"1e5"), 1.5},      // an exponent letter is a mark too
      {std::wstring(L"5,"), 5},         // the last character is not inside
      {std::wstring(L",5"), 0.5},
      {std::wstring(L".5"), def},       // as it stands, with ',' as separator
      {std::wstring(L"abc"), def},      {std::wstring(L""), def},
      {std::wstring(L"-"), def},        {std::wstring(L"101"), def},  // above max
      {std::wstring(L"-101"), def},     {Missing{}, def},
      {uint32_t{5}, def},
  };
  for (const auto& c : cases) {
    Store(L"f", c.stored);
    EXPECT_DOUBLE_EQ(cfg.ReadFloat(L"f", -100, 100, def), c.expected)
        << (std::holds_alternative<std::wstring>(c.stored)
                ? WideToUtf8(std::get<std::wstring>(c.stored))
                : std::string("(not text)"));
  }
  EXPECT_EQ(cfg.ReadFloat(L"none", -100, 100, def), def) << "the default exactly";

  TConfig dot(reg, L'.');
  ASSERT_TRUE(dot.OpenKeyReadOnly(kKey).ok());
  Store(L"f", std::wstring(L".5"));
  EXPECT_DOUBLE_EQ(dot.ReadFloat(L"f", 0, 1, 0.25), 0.5);
}

TEST(ShortCutTest, TextForms) {
  struct Case {
    const wchar_t* text;
    TShortCut code;
    const wchar_t* written;  // nullptr: as read
  } cases[] = {
      {L"A", 0x41, nullptr},
      {L"Shift+Ctrl+A", scShift | scCtrl | 0x41, nullptr},
      {L"Ctrl+Shift+A", scShift | scCtrl | 0x41, L"Shift+Ctrl+A"},
      {L"ctrl+alt+del", scCtrl | scAlt | 0x2E, L"Ctrl+Alt+Del"},
      {L"Alt+F4", scAlt | 0x73, nullptr},
      {L"F24", 0x87, nullptr},
      {L"Shift+9", scShift | 0x39, nullptr},
      {L"Ctrl+Escape", scCtrl | 0x1B, L"Ctrl+Esc"},
      {L"PageDown", 0x22, L"PgDn"},
      {L"Space", 0x20, nullptr},
      {L"", 0, nullptr},
  };
  for (const auto& c : cases) {
    TShortCut sc = 0xFFFF;
    ASSERT_TRUE(TextToShortCut(c.text, sc)) << WideToUtf8(c.text);
    EXPECT_EQ(sc, c.code) << WideToUtf8(c.text);
    EXPECT_EQ(ShortCutToText(sc), c.written ? c.written : c.text);
  }
  for (const wchar_t* bad : {L"Ctrl+", L"Ctrl+Ctrl+A", L"A+Ctrl", L"F0", L"F25", L"F01", L"Hyper+A",
                             L"Ctrl A", L"AB", L"+A", L" A"}) {
    TShortCut sc = 0;
    EXPECT_FALSE(TextToShortCut(bad, sc)) << WideToUtf8(bad);
  }
  EXPECT_EQ(ShortCutToText(scCtrl | 0xE5), L"") << "a key without a name";
}

TEST_F(ConfigTest, ReadShortCutTakesTextThenNumber) {
  const TShortCut def = scAlt | 0x58;
  struct Case {
    Stored stored;
    TShortCut expected;
  } cases[] = {
      {std::wstring(L"Ctrl+Shift+A"), scShift | scCtrl | 0x41},
      {std::wstring(L""), 0},
      {std::wstring(L"Ctrl+"), def},
      {std::wstring(L"16449"), def},  // digits are not the text form
      {uint32_t{scShift | 0x41}, scShift | 0x41},
      {uint32_t{65535}, 65535},
      {uint32_t{65536}, def},
      {Missing{}, def},
  };
  for (const auto& c : cases) {
    Store(L"sc", c.stored);
    EXPECT_EQ(cfg.ReadShortCut(L"sc", def), c.expected);
  }
}

TEST_F(ConfigTest, ReadColorTakesTheFullRange) {
  Store(L"c", uint32_t{0x80000000});
  EXPECT_EQ(cfg.ReadColor(L"c", 5), INT32_MIN);
  Store(L"c", uint32_t{0x00FF00FF});
  EXPECT_EQ(cfg.ReadColor(L"c", 5), 0x00FF00FF);
  Store(L"c", std::wstring(L"clRed"));
  EXPECT_EQ(cfg.ReadColor(L"c", 5), 5);
}

TEST_F(ConfigTest, ReportingReadsTellMissingFromMistyped) {
  Store(L"n", std::wstring(L"5"));
  Store(L"s", uint32_t{5});
  EXPECT_TRUE(cfg.ReadInteger(L"missing").Is(ErrorKind::NotFound));
  EXPECT_TRUE(cfg.ReadInteger(L"n").Is(ErrorKind::WrongType));
  EXPECT_EQ(cfg.ReadString(L"missing").value(), L"");
  EXPECT_TRUE(cfg.ReadString(L"s").Is(ErrorKind::WrongType));
  cfg.CloseKey();
  EXPECT_FALSE(cfg.ReadInteger(L"n").ok());
  EXPECT_FALSE(cfg.WriteInteger(L"n", 1).ok());
  EXPECT_FALSE(cfg.ValueExists(L"n"));
}

TEST_F(ConfigTest, PathsAreRelativeToTheCurrentKeyUnlessRooted) {
  ASSERT_TRUE(cfg.OpenKey(L"SpecPrograms\\NOTEPAD", true).ok());
  EXPECT_EQ(cfg.CurrentPath(), L"SOFTWARE\\Tarnwick\\YARB\\SpecPrograms\\NOTEPAD");
  EXPECT_TRUE(cfg.KeyExists(L"\\SOFTWARE\\Tarnwick\\YARB\\SpecPrograms"));
  EXPECT_FALSE(cfg.KeyExists(L"SpecPrograms")) << "relative to ...\\NOTEPAD";

  // A failed open keeps the current key.
  EXPECT_TRUE(cfg.OpenKeyReadOnly(L"missing").Is(ErrorKind::NotFound));
  EXPECT_EQ(cfg.CurrentPath(), L"SOFTWARE\\Tarnwick\\YARB\\SpecPrograms\\NOTEPAD");
  EXPECT_TRUE(cfg.WriteString(L"0", L"Untitled - Notepad").ok());

  ASSERT_TRUE(cfg.OpenKeyReadOnly(L"\\SOFTWARE\\Tarnwick\\YARB").ok());
  EXPECT_TRUE(cfg.KeyExists(L"SpecPrograms\\NOTEPAD"));
  EXPECT_TRUE(cfg.WriteString(L"x", L"y").Is(ErrorKind::AccessDenied));
  cfg.CloseKey();
  EXPECT_TRUE(cfg.KeyExists(L"SOFTWARE\\Tarnwick")) << "from the root with no key open";
}

TEST_F(ConfigTest, DeleteKeyRemovesTheTreeAndClosesAKeyInside) {
  ASSERT_TRUE(cfg.OpenKey(L"SpecPrograms\\NOTEPAD", true).ok());
  ASSERT_TRUE(cfg.OpenKey(L"\\SOFTWARE\\Tarnwick\\YARB", false).ok());
  EXPECT_TRUE(cfg.DeleteKey(L"SpecPrograms"));
  EXPECT_TRUE(cfg.HasCurrentKey()) << "the current key is above the deleted one";
  EXPECT_FALSE(cfg.KeyExists(L"SpecPrograms"));
  EXPECT_FALSE(cfg.DeleteKey(L"SpecPrograms")) << "missing";

  EXPECT_TRUE(cfg.DeleteKey(L"\\SOFTWARE\\Tarnwick\\YARB"));
  EXPECT_FALSE(cfg.HasCurrentKey());
  EXPECT_FALSE(cfg.KeyExists(L"\\SOFTWARE\\Tarnwick\\YARB"));
  EXPECT_FALSE(cfg.DeleteKey(L"\\")) << "never the root";

  reg.FailOn(RootKey::CurrentUser, L"SOFTWARE\\Tarnwick", test::FakeRegistry::Op::DeleteTree);
  EXPECT_FALSE(cfg.DeleteKey(L"SOFTWARE\\Tarnwick"));
  EXPECT_TRUE(cfg.KeyExists(L"SOFTWARE\\Tarnwick"));
}

TEST(ConfigStrToKeyTest, PredefinedNamesInAnyCase) {
  struct Case {
    const wchar_t* name;
    uint32_t handle;
  } cases[] = {
      {L"HKEY_CLASSES_ROOT", 0x80000000u},    {L"HKEY_CURRENT_USER", 0x80000001u},
      {L"hkey_local_machine", 0x80000002u},   {L"HKEY_USERS", 0x80000003u},
      {L"HKEY_PERFORMANCE_DATA", 0x80000004u}, {L"HKEY_CURRENT_CONFIG", 0x80000005u},
      {L"Hkey_Dyn_Data", 0x80000006u},        {L"HKCU", 0},
      {L"", 0},                               {L"HKEY_CURRENT_USER\\SOFTWARE", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(static_cast<uint32_t>(TConfig::StrToKey(c.name)), c.handle) << WideToUtf8(c.name);
}

}  // namespace
}  // namespace quellon
