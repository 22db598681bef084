#include "contract/log_fs_contract.h"

#include "fakes/fake_log_fs.h"
#include "util/text.h"

namespace quellon::test {
namespace {

// An open writer, or a failure of the test.
std::unique_ptr<LogFileWriter> Open(LogFileSystem& fs, const std::wstring& path) {
  auto w = fs.OpenForAppend(path);
  EXPECT_TRUE(w.ok()) << WideToUtf8(w.ok() ? std::wstring() : w.error().message);
  return w ? std::move(w.value()) : nullptr;
}

int64_t SizeOf(LogFileWriter& w) {
  auto size = w.Size();
  EXPECT_TRUE(size.ok()) << WideToUtf8(size.ok() ? std::wstring() : size.error().message);
  return size ? size.value() : -1;
}

// A failed call's error: "<call> failed: <system text>" without the code's
// number, which is kept apart.
void ExpectSystemError(const Error& e) {
  EXPECT_NE(e.message.find(L" failed: "), std::wstring::npos) << WideToUtf8(e.message);
  EXPECT_EQ(e.message.find(L"Error "), std::wstring::npos) << WideToUtf8(e.message);
  EXPECT_FALSE(e.SystemText().empty());
  EXPECT_NE(e.code, 0u);
}

}  // namespace

TEST_P(LogFsContract, OpenCreatesAMissingFileAndKeepsAnExistingOne) {
  LogFileSystem& fs = h_->Fs();
  {
    auto w = Open(fs, Path(L"new.log"));
    ASSERT_TRUE(w);
    EXPECT_TRUE(fs.Exists(Path(L"new.log")));
    EXPECT_EQ(SizeOf(*w), 0);
  }
  EXPECT_EQ(h_->Contents(Path(L"new.log")), std::string());

  h_->PutFile(Path(L"old.log"), "abc\r\n");
  auto w = Open(fs, Path(L"old.log"));
  ASSERT_TRUE(w);
  EXPECT_EQ(SizeOf(*w), 5);
  EXPECT_EQ(h_->Contents(Path(L"old.log")), "abc\r\n");
}

TEST_P(LogFsContract, WriteKeepsBytesUntilFlushAppendsThem) {
  h_->PutFile(Path(L"a.log"), "abc");
  auto w = Open(h_->Fs(), Path(L"a.log"));
  ASSERT_TRUE(w);
  w->Write("de");
  w->Write("f");
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "abc");
  EXPECT_EQ(SizeOf(*w), 3);
  EXPECT_TRUE(w->Flush().ok());
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "abcdef");
  EXPECT_EQ(SizeOf(*w), 6);
  EXPECT_TRUE(w->Flush().ok());  // nothing kept, nothing written
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "abcdef");
}

TEST_P(LogFsContract, FlushAppendsAtTheEndAfterAnotherWriter) {
  LogFileSystem& fs = h_->Fs();
  auto first = Open(fs, Path(L"shared.log"));
  auto second = Open(fs, Path(L"shared.log"));  // read and write sharing
  ASSERT_TRUE(first && second);
  first->Write("one\r\n");
  EXPECT_TRUE(first->Flush().ok());
  second->Write("two\r\n");
  EXPECT_TRUE(second->Flush().ok());
  EXPECT_EQ(SizeOf(*first), 10);
  first->Write("three\r\n");
  EXPECT_TRUE(first->Flush().ok());
  EXPECT_EQ(h_->Contents(Path(L"shared.log")), "one\r\ntwo\r\nthree\r\n");
}

TEST_P(LogFsContract, ClosingFlushesWhatIsKept) {
  {
    auto w = Open(h_->Fs(), Path(L"c.log"));
    ASSERT_TRUE(w);
    w->Write("\xEF\xBB\xBF");
  }
  EXPECT_EQ(h_->Contents(Path(L"c.log")), "\xEF\xBB\xBF");
}

TEST_P(LogFsContract, OpenFailsInAMissingFolderAndOnAReadOnlyFile) {
  LogFileSystem& fs = h_->Fs();
  auto missing = fs.OpenForAppend(h_->MissingFolder() + L"x.log");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().kind, ErrorKind::NotFound) << WideToUtf8(missing.error().message);
  ExpectSystemError(missing.error());
  EXPECT_FALSE(fs.Exists(h_->MissingFolder() + L"x.log"));

  h_->PutFile(Path(L"ro.log"), "keep");
  h_->SetReadOnly(Path(L"ro.log"), true);
  auto ro = fs.OpenForAppend(Path(L"ro.log"));
  ASSERT_FALSE(ro.ok()) << "a read-only file opened for writing";
  EXPECT_EQ(ro.error().kind, ErrorKind::AccessDenied) << WideToUtf8(ro.error().message);
  ExpectSystemError(ro.error());
  h_->SetReadOnly(Path(L"ro.log"), false);
  EXPECT_EQ(h_->Contents(Path(L"ro.log")), "keep");
}

TEST_P(LogFsContract, ExistsIsTrueForFilesOnly) {
  LogFileSystem& fs = h_->Fs();
  h_->PutFile(Path(L"here.log"), "");
  EXPECT_TRUE(fs.Exists(Path(L"here.log")));
  EXPECT_FALSE(fs.Exists(Path(L"gone.log")));
  EXPECT_FALSE(fs.Exists(h_->Folder()));
}

TEST_P(LogFsContract, RemoveDeletesAFileButNotAMissingOrReadOnlyOne) {
  LogFileSystem& fs = h_->Fs();
  h_->PutFile(Path(L"a.bak"), "old");
  EXPECT_TRUE(fs.Remove(Path(L"a.bak")).ok());
  EXPECT_FALSE(fs.Exists(Path(L"a.bak")));
  Status again = fs.Remove(Path(L"a.bak"));
  EXPECT_TRUE(again.Is(ErrorKind::NotFound)) << WideToUtf8(again.error().message);
  if (!again) ExpectSystemError(again.error());

  h_->PutFile(Path(L"ro.bak"), "old");
  h_->SetReadOnly(Path(L"ro.bak"), true);
  Status ro = fs.Remove(Path(L"ro.bak"));
  EXPECT_TRUE(ro.Is(ErrorKind::AccessDenied)) << WideToUtf8(ro.error().message);
  EXPECT_TRUE(fs.Exists(Path(L"ro.bak")));
  h_->SetReadOnly(Path(L"ro.bak"), false);
  EXPECT_EQ(h_->Contents(Path(L"ro.bak")), "old");
  EXPECT_TRUE(fs.Remove(Path(L"ro.bak")).ok());
}

TEST_P(LogFsContract, RenameMovesAFileButNeverReplacesOne) {
  LogFileSystem& fs = h_->Fs();
  h_->PutFile(Path(L"a.log"), "log");
  EXPECT_TRUE(fs.Rename(Path(L"a.log"), Path(L"a.bak")).ok());
  EXPECT_FALSE(fs.Exists(Path(L"a.log")));
  EXPECT_EQ(h_->Contents(Path(L"a.bak")), "log");

  h_->PutFile(Path(L"a.log"), "new");
  Status taken = fs.Rename(Path(L"a.log"), Path(L"a.bak"));
  EXPECT_FALSE(taken.ok());
  if (!taken) ExpectSystemError(taken.error());
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "new");
  EXPECT_EQ(h_->Contents(Path(L"a.bak")), "log");

  Status none = fs.Rename(Path(L"none.log"), Path(L"none.bak"));
  EXPECT_TRUE(none.Is(ErrorKind::NotFound)) << WideToUtf8(none.error().message);
  EXPECT_FALSE(fs.Exists(Path(L"none.bak")));
}

TEST_P(LogFsContract, AnOpenFileCannotBeRemovedOrRenamedOnWindows) {
  if (!h_->OpenFilesAreLocked()) GTEST_SKIP() << "open files are not locked here";
  LogFileSystem& fs = h_->Fs();
  auto w = Open(fs, Path(L"open.log"));
  ASSERT_TRUE(w);
  EXPECT_FALSE(fs.Remove(Path(L"open.log")).ok());
  EXPECT_FALSE(fs.Rename(Path(L"open.log"), Path(L"open.bak")).ok());
  EXPECT_TRUE(fs.Exists(Path(L"open.log")));
  w.reset();
  EXPECT_TRUE(fs.Rename(Path(L"open.log"), Path(L"open.bak")).ok());
}

TEST_P(LogFsContract, FreeBytesOfAFolderAndOfAMissingOne) {
  Result<uint64_t> free = h_->Fs().FreeBytes(h_->Folder());
  ASSERT_TRUE(free.ok()) << WideToUtf8(free.error().message);
  EXPECT_GT(free.value(), 0u);
  Result<uint64_t> missing = h_->Fs().FreeBytes(h_->MissingFolder());
  ASSERT_FALSE(missing.ok());
  ExpectSystemError(missing.error());
}

namespace {

class FakeLogFsHarness final : public LogFsHarness {
 public:
  FakeLogFsHarness() { fs_.AddFolder(Folder()); }
  LogFileSystem& Fs() override { return fs_; }
  std::wstring Folder() override { return L"C:\\Users\\Quellon\\AppData\\Roaming\\Brightlode\\"; }
  std::wstring MissingFolder() override { return L"C:\\Users\\Quellon\\Missing\\"; }
  void PutFile(const std::wstring& path, const std::string& bytes) override {
    fs_.PutFile(path, bytes);
  }
  std::optional<std::string> Contents(const std::wstring& path) override {
    return fs_.Contents(path);
  }
  void SetReadOnly(const std::wstring& path, bool readOnly) override {
    fs_.SetReadOnly(path, readOnly);
  }
  bool OpenFilesAreLocked() const override { return true; }

 private:
  FakeLogFileSystem fs_;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Fake, LogFsContract,
                         testing::Values(LogFsContractParam{
                             "Fake", [] { return std::make_unique<FakeLogFsHarness>(); }}),
                         LogFsContractName);

}  // namespace quellon::test
