// The contract of the log file system port, run against the in-memory fake
// and against the real adapters on real temporary files.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "log/log_file_system.h"

namespace quellon::test {

// What a contract run needs besides the port: a place to work and a way to
// see and arrange files behind the port's back.
class LogFsHarness {
 public:
  virtual ~LogFsHarness() = default;
  virtual LogFileSystem& Fs() = 0;
  // An existing, empty folder, with a trailing separator.
  virtual std::wstring Folder() = 0;
  // A folder that does not exist, with a trailing separator.
  virtual std::wstring MissingFolder() = 0;
  virtual void PutFile(const std::wstring& path, const std::string& bytes) = 0;
  virtual std::optional<std::string> Contents(const std::wstring& path) = 0;
  virtual void SetReadOnly(const std::wstring& path, bool readOnly) = 0;
  // Windows keeps an open file from being deleted or renamed; POSIX does not.
  virtual bool OpenFilesAreLocked() const = 0;
};

struct LogFsContractParam {
  std::string name;
  std::function<std::unique_ptr<LogFsHarness>()> make;
};

// Names the run in test listings instead of dumping the bytes.
inline void PrintTo(const LogFsContractParam& param, std::ostream* os) { *os << param.name; }

class LogFsContract : public testing::TestWithParam<LogFsContractParam> {
 protected:
  void SetUp() override { h_ = GetParam().make(); }
  void TearDown() override { h_.reset(); }
  std::wstring Path(const std::wstring& name) { return h_->Folder() + name; }

  std::unique_ptr<LogFsHarness> h_;
};

inline std::string LogFsContractName(const testing::TestParamInfo<LogFsContractParam>& info) {
  return info.param.name;
}

}  // namespace quellon::test
