#include <windows.h>

#include <gtest/gtest.h>

#include "util/text.h"

namespace quellon {
namespace {

TEST(WinTextTest, UpperCaseIsLocaleAware) {
  EXPECT_EQ(UpperCase(L"zub.exe \u00e4"), L"ZUB.EXE \u00c4");
  EXPECT_EQ(LowerCase(L"INSTANCE2"), L"instance2");
}

}  // namespace
}  // namespace quellon
