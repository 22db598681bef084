// The owners of handles whose "nothing" is INVALID_HANDLE_VALUE, and of
// memory the system allocated for the caller.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "os/win32/handles.h"

namespace quellon::win32 {
namespace {

bool IsOpen(HANDLE h) {
  DWORD flags = 0;
  return ::GetHandleInformation(h, &flags) != 0;
}

std::wstring TempFile() {
  wchar_t folder[MAX_PATH + 1] = {}, file[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH + 1, folder);
  ::GetTempFileNameW(folder, L"qh", 0, file);
  return file;
}

TEST(HandlesTest, AFileOwnerTakesInvalidAndNullAsNothing) {
  for (HANDLE none : {INVALID_HANDLE_VALUE, HANDLE(nullptr)}) {
    UniqueFile file(none);
    EXPECT_FALSE(file);
    file.reset();  // closes nothing
  }
  EXPECT_FALSE(UniqueFile());
  EXPECT_EQ(UniqueFile().get(), INVALID_HANDLE_VALUE);

  const std::wstring path = TempFile();
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  const HANDLE raw = file.get();
  UniqueFile moved(std::move(file));
  EXPECT_FALSE(file);
  EXPECT_EQ(file.get(), INVALID_HANDLE_VALUE);
  EXPECT_TRUE(IsOpen(raw));
  moved.reset();
  EXPECT_FALSE(IsOpen(raw)) << "closed by its owner";
  EXPECT_TRUE(::DeleteFileW(path.c_str())) << "nothing holds the file any more";
}

TEST(HandlesTest, AFindOwnerClosesTheSearch) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle missing(::FindFirstFileW(L"C:\\quellon-no-such-folder\\*", &data));
  EXPECT_FALSE(missing);

  const std::wstring path = TempFile();
  {
    UniqueFindHandle found(::FindFirstFileW(path.c_str(), &data));
    ASSERT_TRUE(found);
    UniqueFindHandle taken = std::move(found);
    EXPECT_FALSE(found);
    EXPECT_TRUE(taken);
  }
  EXPECT_TRUE(::DeleteFileW(path.c_str()));
}

TEST(HandlesTest, ALocalOwnerHoldsTheSystemsArray) {
  int count = 0;
  UniqueLocal<LPWSTR*> argv(::CommandLineToArgvW(L"zub.exe instance2 \"two words\"", &count));
  ASSERT_TRUE(argv);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(std::wstring(argv.get()[2]), L"two words");
  UniqueLocal<LPWSTR*> none;
  EXPECT_FALSE(none);
  EXPECT_EQ(none.get(), nullptr);
}

}  // namespace
}  // namespace quellon::win32
