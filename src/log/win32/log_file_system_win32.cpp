#include <windows.h>

#include <algorithm>

#include "log/log_file_system.h"
#include "os/win32/handles.h"
#include "os/win32/win_error.h"

namespace quellon {
namespace {

using win32::CallError;
using win32::LastError;

class Win32LogFile final : public LogFileWriter {
 public:
  explicit Win32LogFile(win32::UniqueFile file) : file_(std::move(file)) {}
  ~Win32LogFile() override {
    static_cast<void>(Flush());  // silently, as the port promises
  }

  Result<int64_t> Size() override {
    DWORD high = 0;
    DWORD low = GetFileSize(file_.get(), &high);
    if (low == INVALID_FILE_SIZE) {
      DWORD err = GetLastError();
      if (err != NO_ERROR) return CallError(L"GetFileSize", err);
    }
    return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
  }

  void Write(const std::string& bytes) override { pending_ += bytes; }

  Status Flush() override {
    if (pending_.empty()) return {};
    std::string bytes;
    bytes.swap(pending_);
    // Another program may have appended since the last line.
    LONG high = 0;
    if (SetFilePointer(file_.get(), 0, &high, FILE_END) == INVALID_SET_FILE_POINTER) {
      DWORD err = GetLastError();
      if (err != NO_ERROR) return CallError(L"SetFilePointer", err);
    }
    size_t done = 0;
    while (done < bytes.size()) {
      DWORD written = 0;
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
      if (!WriteFile(file_.get(), bytes.data() + done, chunk, &written, nullptr))
        return LastError(L"WriteFile");
      if (written == 0) return CallError(L"WriteFile", ERROR_WRITE_FAULT);
      done += written;
    }
    return {};
  }

 private:
  win32::UniqueFile file_;
  std::string pending_;
};

class Win32LogFileSystem final : public LogFileSystem {
 public:
  Result<std::unique_ptr<LogFileWriter>> OpenForAppend(const std::wstring& path) override {
    // Windows refuses to open a read-only file for writing; Wine running as
    // root does not, so the attribute is checked here for both to agree.
    DWORD attrs = GetFileAttributesW(path.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY))
      return CallError(L"CreateFileW", ERROR_ACCESS_DENIED);
    win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError(L"CreateFileW");
    return std::unique_ptr<LogFileWriter>(std::make_unique<Win32LogFile>(std::move(file)));
  }

  bool Exists(const std::wstring& path) override {
    DWORD attrs = GetFileAttributesW(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
  }

  Status Remove(const std::wstring& path) override {
    if (!DeleteFileW(path.c_str())) return LastError(L"DeleteFileW");
    return {};
  }

  Status Rename(const std::wstring& from, const std::wstring& to) override {
    if (!MoveFileW(from.c_str(), to.c_str())) return LastError(L"MoveFileW");
    return {};
  }

  Result<uint64_t> FreeBytes(const std::wstring& folder) override {
    ULARGE_INTEGER available, total, free;
    if (!GetDiskFreeSpaceExW(folder.c_str(), &available, &total, &free))
      return LastError(L"GetDiskFreeSpaceExW");
    return static_cast<uint64_t>(free.QuadPart);
  }
};

}  // namespace

LogFileSystem& SystemLogFileSystem() {
  static Win32LogFileSystem fs;
  return fs;
}

void SystemDebugOutput(const std::wstring& text) { OutputDebugStringW(text.c_str()); }

}  // namespace quellon
