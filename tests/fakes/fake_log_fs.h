// An in-memory log file system with the Windows rules: names compare
// without regard to case, a read-only file can be neither opened for
// writing nor deleted, an open file can be neither deleted nor renamed, a
// rename never replaces a file, and files live only in known folders.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "log/log_file_system.h"

namespace quellon::test {

class FakeLogFileSystem final : public LogFileSystem {
 public:
  struct File {
    std::wstring name;  // as created
    std::string content;
    bool readOnly = false;
    int openWriters = 0;
  };

  // Folders are given with or without a trailing backslash.
  void AddFolder(const std::wstring& folder);
  void PutFile(const std::wstring& path, const std::string& content);
  std::optional<std::string> Contents(const std::wstring& path) const;
  void SetReadOnly(const std::wstring& path, bool readOnly);
  // Names of all files, as created, sorted without regard to case.
  std::vector<std::wstring> FileNames() const;

  // Free bytes every folder reports; nothing makes the query fail.
  std::optional<uint64_t> freeBytes = 100ull << 30;
  // Failures of the next calls, until cleared.
  bool failOpen = false;
  bool failSize = false;
  bool failFlush = false;
  int opens = 0;  // successful OpenForAppend calls

  Result<std::unique_ptr<LogFileWriter>> OpenForAppend(const std::wstring& path) override;
  bool Exists(const std::wstring& path) override;
  Status Remove(const std::wstring& path) override;
  Status Rename(const std::wstring& from, const std::wstring& to) override;
  Result<uint64_t> FreeBytes(const std::wstring& folder) override;

 private:
  class Writer;
  static std::wstring Key(const std::wstring& path);
  static std::wstring FolderKey(const std::wstring& path);
  bool HasFolderOf(const std::wstring& path) const;

  std::set<std::wstring> folders_;
  std::map<std::wstring, std::shared_ptr<File>> files_;
};

}  // namespace quellon::test
