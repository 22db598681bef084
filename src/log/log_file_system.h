// What the log writer needs from the file system: a file opened for
// appending that other programs may read and append to meanwhile, and the
// few whole-file operations of the size rotation.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "util/result.h"

namespace quellon {

// An open log file. Write keeps the bytes until Flush, which appends them
// in one piece at the file's end as it is then (another program may have
// appended since). Destroying the writer flushes what is kept, silently,
// and closes the file.
class LogFileWriter {
 public:
  virtual ~LogFileWriter() = default;
  // The size of the file as it is on disk, without bytes not yet flushed.
  virtual Result<int64_t> Size() = 0;
  virtual void Write(const std::string& bytes) = 0;
  // On failure the kept bytes are dropped.
  virtual Status Flush() = 0;
};

class LogFileSystem {
 public:
  virtual ~LogFileSystem() = default;
  // Opens the file for writing without truncating it, creating it when it
  // is missing, shared with other readers and writers. A missing folder
  // fails as NotFound, a read-only file as AccessDenied.
  virtual Result<std::unique_ptr<LogFileWriter>> OpenForAppend(const std::wstring& path) = 0;
  // True for an existing file (not a folder).
  virtual bool Exists(const std::wstring& path) = 0;
  // Deletes a file. A missing one is NotFound, a read-only one AccessDenied;
  // on Windows an open one fails too.
  virtual Status Remove(const std::wstring& path) = 0;
  // Renames a file. A missing source is NotFound; an existing target fails
  // (it is never replaced); on Windows an open source fails too.
  virtual Status Rename(const std::wstring& from, const std::wstring& to) = 0;
  // Total free bytes of the volume that holds the folder (not limited to
  // the user's quota); a missing folder fails.
  virtual Result<uint64_t> FreeBytes(const std::wstring& folder) = 0;
};

// The real file system of the platform.
LogFileSystem& SystemLogFileSystem();

// Sends a text to the platform's debugger output (stderr on the host).
void SystemDebugOutput(const std::wstring& text);

}  // namespace quellon
