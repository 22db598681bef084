#include "contract/log_fs_contract.h"

#include "fakes/fake_log_fs.h"

namespace quellon::test {

TEST_P(LogFsContract, OpenCreatesAMissingFileAndKeepsAnExistingOne) {
  LogFileSystem& fs = h_->Fs();
  {
    auto w = fs.OpenForAppend(Path(L"new.log"));
    EXPECT_TRUE(fs.Exists(Path(L"new.log")));
    EXPECT_EQ(w->Size(), 0);
  }
  EXPECT_EQ(h_->Contents(Path(L"new.log")), std::string());

  h_->PutFile(Path(L"old.log"), "abc\r\n");
  auto w = fs.OpenForAppend(Path(L"old.log"));
  EXPECT_EQ(w->Size(), 5);
  EXPECT_EQ(h_->Contents(Path(L"old.log")), "abc\r\n");
}

TEST_P(LogFsContract, WriteKeepsBytesUntilFlushAppendsThem) {
  h_->PutFile(Path(L"a.log"), "abc");
  auto w = h_->Fs().OpenForAppend(Path(L"a.log"));
  w->Write("de");
  w->Write("f");
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "abc");
  EXPECT_EQ(w->Size(), 3);
  w->Flush();
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "abcdef");
  EXPECT_EQ(w->Size(), 6);
  w->Flush();  // nothing kept, nothing written
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "abcdef");
}

TEST_P(LogFsContract, FlushAppendsAtTheEndAfterAnotherWriter) {
  LogFileSystem& fs = h_->Fs();
  auto first = fs.OpenForAppend(Path(L"shared.log"));
  auto second = fs.OpenForAppend(Path(L"shared.log"));  // read and write sharing
  first->Write("one\r\n");
  first->Flush();
  second->Write("two\r\n");
  second->Flush();
  EXPECT_EQ(first->Size(), 10);
  first->Write("three\r\n");
  first->Flush();
  EXPECT_EQ(h_->Contents(Path(L"shared.log")), "one\r\ntwo\r\nthree\r\n");
}

TEST_P(LogFsContract, ClosingFlushesWhatIsKept) {
  {
    auto w = h_->Fs().OpenForAppend(Path(L"c.log"));
    w->Write("\xEF\xBB\xBF");
  }
  EXPECT_EQ(h_->Contents(Path(L"c.log")), "\xEF\xBB\xBF");
}

TEST_P(LogFsContract, OpenFailsInAMissingFolderAndOnAReadOnlyFile) {
  LogFileSystem& fs = h_->Fs();
  EXPECT_THROW(fs.OpenForAppend(h_->MissingFolder() + L"x.log"), LogFileError);
  EXPECT_FALSE(fs.Exists(h_->MissingFolder() + L"x.log"));

  h_->PutFile(Path(L"ro.log"), "keep");
  h_->SetReadOnly(Path(L"ro.log"), true);
  try {
    fs.OpenForAppend(Path(L"ro.log"));
    ADD_FAILURE() << "a read-only file opened for writing";
  } catch (const LogFileError& e) {
    EXPECT_FALSE(e.Message().empty());
  }
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
  EXPECT_TRUE(fs.Remove(Path(L"a.bak")));
  EXPECT_FALSE(fs.Exists(Path(L"a.bak")));
  EXPECT_FALSE(fs.Remove(Path(L"a.bak")));

  h_->PutFile(Path(L"ro.bak"), "old");
  h_->SetReadOnly(Path(L"ro.bak"), true);
  EXPECT_FALSE(fs.Remove(Path(L"ro.bak")));
  EXPECT_TRUE(fs.Exists(Path(L"ro.bak")));
  h_->SetReadOnly(Path(L"ro.bak"), false);
  EXPECT_EQ(h_->Contents(Path(L"ro.bak")), "old");
  EXPECT_TRUE(fs.Remove(Path(L"ro.bak")));
}

TEST_P(LogFsContract, RenameMovesAFileButNeverReplacesOne) {
  LogFileSystem& fs = h_->Fs();
  h_->PutFile(Path(L"a.log"), "log");
  EXPECT_TRUE(fs.Rename(Path(L"a.log"), Path(L"a.bak")));
  EXPECT_FALSE(fs.Exists(Path(L"a.log")));
  EXPECT_EQ(h_->Contents(Path(L"a.bak")), "log");

  h_->PutFile(Path(L"a.log"), "new");
  EXPECT_FALSE(fs.Rename(Path(L"a.log"), Path(L"a.bak")));
  EXPECT_EQ(h_->Contents(Path(L"a.log")), "new");
  EXPECT_EQ(h_->Contents(Path(L"a.bak")), "log");

  EXPECT_FALSE(fs.Rename(Path(L"none.log"), Path(L"none.bak")));
  EXPECT_FALSE(fs.Exists(Path(L"none.bak")));
}

TEST_P(LogFsContract, AnOpenFileCannotBeRemovedOrRenamedOnWindows) {
  if (!h_->OpenFilesAreLocked()) GTEST_SKIP() << "open files are not locked here";
  LogFileSystem& fs = h_->Fs();
  auto w = fs.OpenForAppend(Path(L"open.log"));
  EXPECT_FALSE(fs.Remove(Path(L"open.log")));
  EXPECT_FALSE(fs.Rename(Path(L"open.log"), Path(L"open.bak")));
  EXPECT_TRUE(fs.Exists(Path(L"open.log")));
  w.reset();
  EXPECT_TRUE(fs.Rename(Path(L"open.log"), Path(L"open.bak")));
}

TEST_P(LogFsContract, FreeBytesOfAFolderAndOfAMissingOne) {
  std::optional<uint64_t> free = h_->Fs().FreeBytes(h_->Folder());
  ASSERT_TRUE(free.has_value());
  EXPECT_GT(*free, 0u);
  EXPECT_FALSE(h_->Fs().FreeBytes(h_->MissingFolder()).has_value());
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
