// The host's log file system, used by the benchmark and the host contract
// run. It keeps the Windows rules the logger relies on: a file without
// write permission counts as read-only (it can be neither opened for
// writing nor deleted, also for root), and a rename never replaces a file.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "log/log_file_system.h"
#include "util/posix/errno_error.h"
#include "util/text.h"

namespace quellon {
namespace {

using posix::ErrnoError;

bool IsReadOnly(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

class PosixLogFile final : public LogFileWriter {
 public:
  explicit PosixLogFile(int fd) : fd_(fd) {}
  ~PosixLogFile() override {
    static_cast<void>(Flush());  // silently, as the port promises
    ::close(fd_);
  }
  PosixLogFile(const PosixLogFile&) = delete;
  PosixLogFile& operator=(const PosixLogFile&) = delete;

  Result<int64_t> Size() override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return ErrnoError(L"fstat", errno);
    return static_cast<int64_t>(st.st_size);
  }

  void Write(const std::string& bytes) override { pending_ += bytes; }

  // O_APPEND puts each write at the end as it is then.
  Status Flush() override {
    if (pending_.empty()) return {};
    std::string bytes;
    bytes.swap(pending_);
    size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return ErrnoError(L"write", n < 0 ? errno : EIO);
      done += static_cast<size_t>(n);
    }
    return {};
  }

 private:
  int fd_;
  std::string pending_;
};

class PosixLogFileSystem final : public LogFileSystem {
 public:
  Result<std::unique_ptr<LogFileWriter>> OpenForAppend(const std::wstring& path) override {
    std::string p = WideToUtf8(path);
    struct stat st;
    if (::stat(p.c_str(), &st) == 0 && IsReadOnly(st)) return ErrnoError(L"open", EACCES);
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return ErrnoError(L"open", errno);
    return std::unique_ptr<LogFileWriter>(std::make_unique<PosixLogFile>(fd));
  }

  bool Exists(const std::wstring& path) override {
    struct stat st;
    return ::stat(WideToUtf8(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
  }

  Status Remove(const std::wstring& path) override {
    std::string p = WideToUtf8(path);
    struct stat st;
    if (::stat(p.c_str(), &st) != 0) return ErrnoError(L"unlink", errno);
    if (S_ISDIR(st.st_mode)) return ErrnoError(L"unlink", EISDIR);
    if (IsReadOnly(st)) return ErrnoError(L"unlink", EACCES);
    if (::unlink(p.c_str()) != 0) return ErrnoError(L"unlink", errno);
    return {};
  }

  Status Rename(const std::wstring& from, const std::wstring& to) override {
    std::string f = WideToUtf8(from), t = WideToUtf8(to);
    struct stat st;
    if (::lstat(t.c_str(), &st) == 0) return ErrnoError(L"rename", EEXIST);
    if (::rename(f.c_str(), t.c_str()) != 0) return ErrnoError(L"rename", errno);
    return {};
  }

  Result<uint64_t> FreeBytes(const std::wstring& folder) override {
    struct statvfs vfs;
    if (::statvfs(WideToUtf8(folder).c_str(), &vfs) != 0) return ErrnoError(L"statvfs", errno);
    return static_cast<uint64_t>(vfs.f_bfree) * vfs.f_frsize;
  }
};

}  // namespace

LogFileSystem& SystemLogFileSystem() {
  static PosixLogFileSystem fs;
  return fs;
}

void SystemDebugOutput(const std::wstring& text) {
  std::fprintf(stderr, "%s\n", WideToUtf8(text).c_str());
}

}  // namespace quellon
