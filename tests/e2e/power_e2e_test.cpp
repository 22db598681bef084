// Standby and hibernation at the end of a short period, under Wine for real:
// with Wine's power library, and with it disabled for ZUB.exe, so that
// hibernation is not available and standby falls back to
// SetSystemPowerState. Wine 8 accepts every one of these calls, so the
// program simply ends; a refusal must show its failure box, and OK on it must
// end the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/win32/user_key_fixture.h"
#include "support/win32/zub_process.h"
#include "util/text.h"

namespace quellon::test {
namespace {

struct SuspendCase {
  const char* name;
  uint32_t mainAction;
  bool powerLibrary;
  const char* executed;  // the action the watch carries out
};
inline void PrintTo(const SuspendCase& c, std::ostream* os) { *os << c.name; }

class SuspendE2E : public UserKeyFixture, public ::testing::WithParamInterface<SuspendCase> {
 protected:
  void SetUp() override {
    UserKeyFixture::SetUp();
    Returning();
    Put(L"Logger", 1u);
    Put(L"Time", 1u);
    Put(L"Time1", std::wstring(L"00:00:02.000"));
    ::DeleteFileW(ZubLogFile().c_str());
  }
  void TearDown() override {
    ::DeleteFileW(ZubLogFile().c_str());
    UserKeyFixture::TearDown();
  }
};

TEST_P(SuspendE2E, EndsTheProgramOrShowsItsFailureBox) {
  const SuspendCase& c = GetParam();
  Put(L"MainAction", c.mainAction);
  if (!c.powerLibrary) PutWineAppDefault(L"DllOverrides", L"powrprof", L"");

  ZubProcess zub;
  HWND window = zub.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);
  Click(FindChild(window, L"Begin", L"Button"));
  HWND box = nullptr;
  std::wstring caption;
  ASSERT_TRUE(WaitFor([&] {
    for (const wchar_t* name : {L"Error0", L"Error1", L"Error2"}) {
      if ((box = zub.WaitForWindow(name, 0)) != nullptr) {
        caption = name;
        return true;
      }
    }
    return !zub.Running();
  }, 15000)) << "neither an end nor a box within 15 s";

  const std::string log = ReadWholeFile(ZubLogFile());
  EXPECT_NE(log.find(std::string("Executing the action ") + c.executed), std::string::npos) << log;
  if (box) {
    ::testing::Test::RecordProperty("refused", WideToUtf8(caption));
    EXPECT_NE(FindChild(box, L"The system could not be hibernated / switched to standby mode."), nullptr);
    HWND ok = ::GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    Click(ok);
    EXPECT_TRUE(zub.WaitForExit(10000)) << "ZUB.exe still running after OK";
  } else {
    EXPECT_EQ(log.find("Error"), std::string::npos) << log;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, SuspendE2E,
    ::testing::Values(SuspendCase{"Standby", 6, true, "scmdSuspend"},
                      SuspendCase{"Hibernation", 1, true, "scmdHibernation"},
                      SuspendCase{"StandbyWithoutPowerLibrary", 6, false, "scmdSuspend"},
                      SuspendCase{"HibernationWithoutPowerLibraryIsStandby", 1, false, "scmdSuspend"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quellon::test
