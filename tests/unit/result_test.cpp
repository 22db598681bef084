#include <gtest/gtest.h>

#include <string>

#include "core/datetime.h"
#include "install/special_programs.h"
#include "util/exception.h"
#include "util/result.h"
#include "util/text.h"

namespace quellon {
namespace {

// A log line takes the system's text back out of an error: it must be the
// text alone for a failed call, and the whole message for the program's own.
TEST(ErrorTest, SystemTextIsTheReasonOfAFailedCallAndTheMessageOtherwise) {
  struct Case {
    const char* what;
    Error error;
    std::wstring message, systemText;
    ErrorKind kind;
  } cases[] = {
      {"a failed call", SystemError(L"ExitWindowsEx", 1, L"Invalid function."),
       L"ExitWindowsEx failed: Invalid function.", L"Invalid function.", ErrorKind::Failed},
      {"a code with a kind", SystemError(L"RegOpenKeyExW", 2, L"The system cannot find the file specified."),
       L"RegOpenKeyExW failed: The system cannot find the file specified.",
       L"The system cannot find the file specified.", ErrorKind::NotFound},
      {"a text with a colon", SystemError(L"CreateFileW", 5, L"Access is denied: C:\\x failed: y"),
       L"CreateFileW failed: Access is denied: C:\\x failed: y", L"Access is denied: C:\\x failed: y",
       ErrorKind::AccessDenied},
      {"the program's own", Error{ErrorKind::BadData, 0, L"'x9' is not a valid integer value"},
       L"'x9' is not a valid integer value", L"'x9' is not a valid integer value", ErrorKind::BadData},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.error.message, c.message);
    EXPECT_EQ(c.error.SystemText(), c.systemText);
    EXPECT_EQ(c.error.kind, c.kind);
  }
}

// The program's exceptions keep their wide message as it was given: a text
// that UTF-8 cannot carry (a lone surrogate half) comes back unchanged.
TEST(ExceptionTest, MessagesAreKeptWideAndEveryKindIsAStandardException) {
  const std::wstring odd = std::wstring(L"''") + static_cast<wchar_t>(0xD800) + L"'' is not a valid time";
  try {
    throw ConvertError(odd);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), odd);
  }
  try {
    throw MissingInstallInfoError(2);
  } catch (const std::exception& e) {
    const auto* missing = dynamic_cast<const MissingInstallInfoError*>(&e);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->code, 2);
    EXPECT_EQ(missing->Message(), L"Error 2 - Missed installation info");
  }
  EXPECT_THROW(throw SilentAbort(), std::exception);
}

}  // namespace
}  // namespace quellon
