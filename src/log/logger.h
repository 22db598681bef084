// The log file writer: time-stamped lines appended to a per-user text file
// with a size limit, a full file moved aside to ".bak". Writing never raises
// an error to the caller; a line that cannot be written is lost.
//
// Logging is off unless the user switched it on in the registry; then one
// process-wide logger exists from program start to program end. Callers
// test Logger() (or the LogSink pointer they were given) before writing, or
// use the applog functions, which do nothing while logging is off.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "core/datetime.h"
#include "log/log_file_system.h"
#include "log/log_sink.h"
#include "log/recursive_lock.h"
#include "os/registry.h"
#include "util/exception.h"
#include "util/format.h"
#include "util/result.h"

namespace quellon {

// The program's size limit of its log file.
constexpr int64_t kLogMaxSize = 0x500000;
// The application key under HKCU "SOFTWARE\Tarnwick\" whose "Logger" value
// switches logging on.
constexpr const wchar_t* kLoggerAppKey = L"YARB";
// Lines are written only while the log's volume has more free bytes than
// this (10 MiB and one byte).
constexpr uint64_t kLogMinFreeBytes = 0xA00001;

// Where the log goes and what the logger asks of the platform. Start-up
// fills in the folder (the application-data folder's "Brightlode" subfolder,
// GetSpecialFolder(CSIDL_APPDATA, "Brightlode")), the executable's path and
// its version text (GetFileVersionText(path, true, true)).
struct LoggerServices {
  LogFileSystem* fileSystem = nullptr;  // not owned; null: SystemLogFileSystem()
  std::wstring folder;                  // with a trailing separator; empty: no log
  std::wstring executablePath;          // full path; the log is named after it
  std::wstring versionText;
  std::function<TDateTime()> localNow;                   // empty: the system clock
  std::function<void(const std::wstring&)> debugOutput;  // empty: SystemDebugOutput
};

// The log file could not be started; the message names the failed call and
// the system's reason.
class LogFileError : public Exception {
 public:
  using Exception::Exception;
};

class TMsgLogger final : public LogSink {
 public:
  // Opens (or creates) the log file and writes the separator and the header
  // line. Throws LogFileError when the file cannot be opened.
  TMsgLogger(int64_t AMaxSize, bool AEnabled, LoggerServices services);
  ~TMsgLogger() override;
  TMsgLogger(const TMsgLogger&) = delete;
  TMsgLogger& operator=(const TMsgLogger&) = delete;

  // True when HKCU "SOFTWARE\Tarnwick\<AAppKey>", opened with full access
  // and not created, has a REG_DWORD "Logger" other than 0; a missing key or
  // value, another type or a read error give false. The first form reads the
  // system registry (the host has none: false).
  static bool RegEnabled(const std::wstring& AAppKey);
  static bool RegEnabled(os::Registry& registry, const std::wstring& AAppKey);

  // Full path of the log file; empty once logging has failed for good.
  std::wstring FileName() const;
  // The size limit in bytes; 0 or less means none.
  int64_t MaxSize() const { return FMaxSize.load(); }
  void SetMaxSize(int64_t value) { FMaxSize.store(value); }
  bool Enabled() const { return FEnabled.load(); }
  // Changes the state only when it differs and either the file is open or
  // the new value is false, then logs "Log enabled" or "Log disabled" (the
  // latter therefore reaches the debugger output only).
  void SetEnabled(bool value);

  // A time-stamped line, every CR and LF of the message turned into "-".
  void LogEvent(const std::wstring& Msg) override;
  // The message, unchanged, to the debugger output only.
  void LogDebug(const std::wstring& Msg);
  // LogEvent and LogDebug.
  void Log(const std::wstring& Msg);
  void Log(const std::wstring& format, std::initializer_list<FormatArg> args);
  // "<Msg> executing time: <Ticks>ms" as an event line.
  void LogExecTime(const std::wstring& Msg, uint32_t Ticks);
  // The message as it is, without time stamp, line breaks kept.
  void LogStream(const std::wstring& Msg);

 private:
  Status OpenLogFile();
  void WriteHeader();
  void WriteToFile(const std::wstring& line);
  void RotateLogFile();
  std::wstring TimeStamp() const;

  // Serializes the size check, rotation and write of each line; recursive
  // because the header of a new file is written from inside a rotation.
  mutable RecursiveLock OnlyOneThread;
  std::unique_ptr<LogFileWriter> FStream;
  std::atomic<bool> FEnabled{false};
  std::wstring FFileName;
  std::atomic<int64_t> FMaxSize{0};

  LogFileSystem& fs_;
  std::wstring executablePath_;
  std::wstring versionText_;
  std::function<TDateTime()> localNow_;
  std::function<void(const std::wstring&)> debugOutput_;
};

// The process-wide logger; null while logging is off.
TMsgLogger* Logger();
// Makes a new, enabled logger the process-wide one and returns true; when
// it cannot be created the process-wide logger is null and the result false.
bool CreateLogger(int64_t AMaxSize, LoggerServices services);
// Ends logging; also done at program end.
void FreeLogger();

// The logger's calls on the process-wide logger; each does nothing while
// logging is off.
namespace applog {
void LogEvent(const std::wstring& Msg);
void Log(const std::wstring& Msg);
void Log(const std::wstring& format, std::initializer_list<FormatArg> args);
void LogExecTime(const std::wstring& Msg, uint32_t Ticks);
void LogStream(const std::wstring& Msg);
}  // namespace applog

}  // namespace quellon
