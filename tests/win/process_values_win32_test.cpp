// The instance guard on the real named objects: the name is taken whether a
// mutex or another kind of object holds it.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "app/process_values.h"
#include "os/win32/handles.h"

namespace quellon {
namespace {

// An instance number of its own, so that no copy of the program meets it.
class InstanceGuardWin32Test : public ::testing::Test {
 protected:
  InstanceGuardWin32Test() : before_(ProcessCommandLine()) {
    SetProcessValuesForTest(L"zub.exe instance48213");
  }
  ~InstanceGuardWin32Test() override {
    ReleaseInstanceMutex();
    SetProcessValuesForTest(before_);
  }
  std::wstring Name() const { return InstanceMutexName(InstanceNumber()); }

 private:
  std::wstring before_;
};

TEST_F(InstanceGuardWin32Test, AFreeNameIsOwnedUntilReleased) {
  ASSERT_EQ(InstanceNumber(), 48213);
  ASSERT_TRUE(AcquireInstanceMutex());
  EXPECT_TRUE(InstanceMutexHeld());
  win32::UniqueHandle seen(::OpenMutexW(SYNCHRONIZE, FALSE, Name().c_str()));
  EXPECT_TRUE(seen) << "the mutex carries the instance's name";
  ReleaseInstanceMutex();
  EXPECT_FALSE(InstanceMutexHeld());
}

TEST_F(InstanceGuardWin32Test, AMutexHeldElsewhereRefuses) {
  // Another thread stands for the other copy: a mutex belongs to a thread.
  win32::UniqueHandle held(::CreateMutexW(nullptr, TRUE, Name().c_str()));
  ASSERT_TRUE(held);
  bool acquired = true;
  std::thread other([&acquired] { acquired = AcquireInstanceMutex(); });
  other.join();
  EXPECT_FALSE(acquired);
  EXPECT_FALSE(InstanceMutexHeld());
  ::ReleaseMutex(held.get());
}

TEST_F(InstanceGuardWin32Test, ANameHeldByAnotherKindOfObjectRefuses) {
  const struct {
    const char* what;
    HANDLE (*make)(const wchar_t* name);
  } kCases[] = {
      {"event", [](const wchar_t* n) { return ::CreateEventW(nullptr, TRUE, FALSE, n); }},
      {"semaphore", [](const wchar_t* n) { return ::CreateSemaphoreW(nullptr, 1, 1, n); }},
      {"file mapping",
       [](const wchar_t* n) { return ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 16, n); }},
  };
  for (const auto& c : kCases) {
    win32::UniqueHandle other(c.make(Name().c_str()));
    ASSERT_TRUE(other) << c.what;
    EXPECT_FALSE(AcquireInstanceMutex()) << c.what;
    EXPECT_FALSE(InstanceMutexHeld()) << c.what;
  }
  EXPECT_TRUE(AcquireInstanceMutex()) << "the name is free again";
}

}  // namespace
}  // namespace quellon
