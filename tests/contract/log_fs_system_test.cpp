// The log file system contract on the system's real files: the POSIX adapter
// on the host (the one the benchmark measures), the Win32 adapter under Wine.
#include "contract/log_fs_contract.h"
#include "support/temp_folder.h"

namespace quellon::test {
namespace {

#if defined(_WIN32)
constexpr const wchar_t* kMissing = L"missing\\";
constexpr bool kOpenFilesAreLocked = true;
#else
constexpr const wchar_t* kMissing = L"missing/";
constexpr bool kOpenFilesAreLocked = false;
#endif

class SystemLogFsHarness final : public LogFsHarness {
 public:
  LogFileSystem& Fs() override { return SystemLogFileSystem(); }
  std::wstring Folder() override { return temp_.Path(); }
  std::wstring MissingFolder() override { return temp_.Path() + kMissing; }
  void PutFile(const std::wstring& path, const std::string& bytes) override {
    TempFolder::PutFile(path, bytes);
  }
  std::optional<std::string> Contents(const std::wstring& path) override {
    return TempFolder::Contents(path);
  }
  void SetReadOnly(const std::wstring& path, bool readOnly) override {
    TempFolder::SetReadOnly(path, readOnly);
  }
  bool OpenFilesAreLocked() const override { return kOpenFilesAreLocked; }

 private:
  TempFolder temp_{L"quellon-logfs"};
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(System, LogFsContract,
                         testing::Values(LogFsContractParam{
                             "System", [] { return std::make_unique<SystemLogFsHarness>(); }}),
                         LogFsContractName);

}  // namespace quellon::test
