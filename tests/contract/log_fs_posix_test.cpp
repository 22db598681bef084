// The log file system contract on the host's real files (the adapter the
// benchmark measures). Windows runs its own adapter in tests/win.
#if !defined(_WIN32)
#include "contract/log_fs_contract.h"
#include "support/temp_folder.h"

namespace quellon::test {
namespace {

class PosixLogFsHarness final : public LogFsHarness {
 public:
  LogFileSystem& Fs() override { return SystemLogFileSystem(); }
  std::wstring Folder() override { return temp_.Path(); }
  std::wstring MissingFolder() override { return temp_.Path() + L"missing/"; }
  void PutFile(const std::wstring& path, const std::string& bytes) override {
    TempFolder::PutFile(path, bytes);
  }
  std::optional<std::string> Contents(const std::wstring& path) override {
    return TempFolder::Contents(path);
  }
  void SetReadOnly(const std::wstring& path, bool readOnly) override {
    TempFolder::SetReadOnly(path, readOnly);
  }
  bool OpenFilesAreLocked() const override { return false; }

 private:
  TempFolder temp_{L"quellon-logfs"};
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Posix, LogFsContract,
                         testing::Values(LogFsContractParam{
                             "Posix", [] { return std::make_unique<PosixLogFsHarness>(); }}),
                         LogFsContractName);

}  // namespace quellon::test
#endif
