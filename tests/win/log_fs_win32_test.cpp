// The log file system contract on real files under Wine.
#include "contract/log_fs_contract.h"
#include "support/temp_folder.h"

namespace quellon::test {
namespace {

class Win32LogFsHarness final : public LogFsHarness {
 public:
  LogFileSystem& Fs() override { return SystemLogFileSystem(); }
  std::wstring Folder() override { return temp_.Path(); }
  std::wstring MissingFolder() override { return temp_.Path() + L"missing\\"; }
  void PutFile(const std::wstring& path, const std::string& bytes) override {
    TempFolder::PutFile(path, bytes);
  }
  std::optional<std::string> Contents(const std::wstring& path) override {
    return TempFolder::Contents(path);
  }
  void SetReadOnly(const std::wstring& path, bool readOnly) override {
    TempFolder::SetReadOnly(path, readOnly);
  }
  bool OpenFilesAreLocked() const override { return true; }

 private:
  TempFolder temp_{L"quellon-logfs"};
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win32, LogFsContract,
                         testing::Values(LogFsContractParam{
                             "Win32", [] { return std::make_unique<Win32LogFsHarness>(); }}),
                         LogFsContractName);

}  // namespace quellon::test
