// What the log writer needs from the file system: a file opened for
// appending that other programs may read and append to meanwhile, and the
// few whole-file operations of the size rotation.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace quellon {

// A file that could not be opened, sized or written; the message names the
// failed call and the system's reason.
class LogFileError : public std::runtime_error {
 public:
  explicit LogFileError(const std::wstring& message);
  const std::wstring& Message() const { return message_; }

 private:
  std::wstring message_;
};

// An open log file. Write keeps the bytes until Flush, which appends them
// in one piece at the file's end as it is then (another program may have
// appended since). Destroying the writer flushes what is kept, silently,
// and closes the file.
class LogFileWriter {
 public:
  virtual ~LogFileWriter() = default;
  // The size of the file as it is on disk, without bytes not yet flushed.
  // Throws LogFileError.
  virtual int64_t Size() = 0;
  virtual void Write(const std::string& bytes) = 0;
  // Throws LogFileError; the kept bytes are dropped then.
  virtual void Flush() = 0;
};

class LogFileSystem {
 public:
  virtual ~LogFileSystem() = default;
  // Opens the file for writing without truncating it, creating it when it
  // is missing, shared with other readers and writers. A missing folder or a
  // read-only file fails. Throws LogFileError.
  virtual std::unique_ptr<LogFileWriter> OpenForAppend(const std::wstring& path) = 0;
  // True for an existing file (not a folder).
  virtual bool Exists(const std::wstring& path) = 0;
  // Deletes a file; false when it is missing or read-only (on Windows also
  // while it is open).
  virtual bool Remove(const std::wstring& path) = 0;
  // Renames a file; false when the source is missing or the target exists
  // (on Windows also while the source is open).
  virtual bool Rename(const std::wstring& from, const std::wstring& to) = 0;
  // Total free bytes of the volume that holds the folder (not limited to
  // the user's quota); nothing when the query fails.
  virtual std::optional<uint64_t> FreeBytes(const std::wstring& folder) = 0;
};

// The real file system of the platform.
LogFileSystem& SystemLogFileSystem();

// Sends a text to the platform's debugger output (stderr on the host).
void SystemDebugOutput(const std::wstring& text);

}  // namespace quellon
