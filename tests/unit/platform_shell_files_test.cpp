#include <gtest/gtest.h>

#include "platform/shell_files.h"

namespace quellon {
namespace {

using namespace std::string_literals;

TEST(ShellFileRequestTest, NameListsEndWithTwoZeros) {
  EXPECT_EQ(DoubleZeroList({}), L"\0"s);
  EXPECT_EQ(DoubleZeroList({L"C:\\a.txt"}), L"C:\\a.txt\0\0"s);
  EXPECT_EQ(DoubleZeroList({L"a", L"bc"}), L"a\0bc\0\0"s);
}

TEST(ShellFileRequestTest, EmptySourceListIsRefusedBeforeTheShell) {
  ShellFileRequest request;
  request.function = 99;
  EXPECT_FALSE(BuildShellFileRequest({}, {L"C:\\to"}, kShellCopyFlags, kShellCopy, request));
  EXPECT_FALSE(BuildShellFileRequest({}, {}, ShellDeleteFlags(true), kShellDelete, request));
  EXPECT_EQ(request.function, 99u) << "a refused request is left alone";
}

TEST(ShellFileRequestTest, OperationsMapToTheShellFunctions) {
  const struct {
    unsigned operation;
    unsigned function;
  } kCases[] = {{0, 2 /*FO_COPY*/}, {1, 3 /*FO_DELETE*/}, {2, 1 /*FO_MOVE*/}, {3, 4 /*FO_RENAME*/}};
  for (const auto& c : kCases) {
    ShellFileRequest request;
    ASSERT_TRUE(BuildShellFileRequest({L"a"}, {L"b"}, 0x15, c.operation, request)) << c.operation;
    EXPECT_EQ(request.function, c.function) << c.operation;
    EXPECT_EQ(request.from, L"a\0\0"s);
    EXPECT_EQ(request.to, L"b\0\0"s);
    EXPECT_EQ(request.flags, 0x15);
  }
  ShellFileRequest request;
  EXPECT_FALSE(BuildShellFileRequest({L"a"}, {L"b"}, 0, 4, request));
}

TEST(ShellFileRequestTest, DeleteHasOnlyTheFinalZeroAsDestination) {
  ShellFileRequest request;
  ASSERT_TRUE(BuildShellFileRequest({L"x", L"y"}, {}, ShellDeleteFlags(false), kShellDelete,
                                    request));
  EXPECT_EQ(request.from, L"x\0y\0\0"s);
  EXPECT_EQ(request.to, L"\0"s);
}

TEST(ShellFileRequestTest, CopyAndDeleteFlags) {
  EXPECT_EQ(kShellCopyFlags, 0x15);
  EXPECT_EQ(ShellDeleteFlags(false), 0x15);
  EXPECT_EQ(ShellDeleteFlags(true), 0x55);
}

}  // namespace
}  // namespace quellon
