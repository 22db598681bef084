#include "log/logger.h"

#include <utility>

#include "os/clock.h"
#include "platform/path_rules.h"
#include "util/text.h"

namespace quellon {
namespace {

constexpr const wchar_t* kSeparatorLine = L"----------------------------------------";
constexpr const char kUtf8Bom[] = "\xEF\xBB\xBF";
// Fallback names ZUB.log1, ZUB.log2, ... are tried up to this number; a
// folder where none of them is free or deletable is not usable.
constexpr int kMaxFallbackNames = 10000;

std::wstring TwoDigits(int v) {
  wchar_t buf[3] = {static_cast<wchar_t>(L'0' + v / 10 % 10),
                    static_cast<wchar_t>(L'0' + v % 10), 0};
  return buf;
}

std::wstring CleanMessage(std::wstring msg) {
  for (auto& c : msg)
    if (c == L'\n' || c == L'\r') c = L'-';
  return msg;
}

TMsgLogger* g_logger = nullptr;

// Frees the process-wide logger at program end. The pointer itself is
// plain data, so code running later still finds it null.
struct LoggerReleaser {
  ~LoggerReleaser() { FreeLogger(); }
} g_loggerReleaser;

}  // namespace

TMsgLogger::TMsgLogger(int64_t AMaxSize, bool AEnabled, LoggerServices services)
    : FMaxSize(AMaxSize),
      fs_(services.fileSystem ? *services.fileSystem : SystemLogFileSystem()),
      executablePath_(std::move(services.executablePath)),
      versionText_(std::move(services.versionText)),
      localNow_(std::move(services.localNow)),
      debugOutput_(std::move(services.debugOutput)) {
  if (!localNow_) localNow_ = [] { return os::SystemClock().Now(); };
  if (!debugOutput_) debugOutput_ = SystemDebugOutput;
  // Without the per-user folder there is no place for the log: a file
  // relative to whatever the current folder is would be a surprise.
  if (services.folder.empty()) throw LogFileError(L"No folder for the log file");
  std::wstring folder = services.folder;
  if (!FileNamePart(folder).empty()) folder += L'\\';  // no trailing separator
  FFileName = folder + ChangeFileExtension(FileNamePart(executablePath_), L".log");
  if (Status opened = OpenLogFile(); !opened) throw LogFileError(opened.error().message);
  LogEvent(kSeparatorLine);
  WriteHeader();
  SetEnabled(AEnabled);
}

TMsgLogger::~TMsgLogger() {
  RecursiveLockGuard guard(OnlyOneThread);
  FStream.reset();
}

std::wstring TMsgLogger::FileName() const {
  RecursiveLockGuard guard(OnlyOneThread);
  return FFileName;
}

void TMsgLogger::SetEnabled(bool value) {
  {
    RecursiveLockGuard guard(OnlyOneThread);
    if (value == FEnabled.load() || (!FStream && value)) return;
    FEnabled.store(value);
  }
  Log(value ? L"Log enabled" : L"Log disabled");
}

Status TMsgLogger::OpenLogFile() {
  FEnabled.store(true);
  auto opened = fs_.OpenForAppend(FFileName);
  Result<int64_t> size = opened ? opened.value()->Size() : Result<int64_t>(opened.error());
  if (!size) {
    FEnabled.store(false);
    FStream.reset();
    return size.error();
  }
  FStream = std::move(opened.value());
  // Only a file this logger starts gets the byte-order mark; it goes out
  // with the first line.
  if (size.value() == 0) FStream->Write(kUtf8Bom);
  return {};
}

void TMsgLogger::WriteHeader() {
  LogEvent(Format(L"Application: [%s] Version: [%s]", {executablePath_, versionText_}));
}

std::wstring TMsgLogger::TimeStamp() const {
  DateTimeParts p = DecodeDateTime(localNow_());
  wchar_t year[8] = {static_cast<wchar_t>(L'0' + p.year / 1000 % 10),
                     static_cast<wchar_t>(L'0' + p.year / 100 % 10),
                     static_cast<wchar_t>(L'0' + p.year / 10 % 10),
                     static_cast<wchar_t>(L'0' + p.year % 10), 0};
  wchar_t ms[4] = {static_cast<wchar_t>(L'0' + p.millisecond / 100 % 10),
                   static_cast<wchar_t>(L'0' + p.millisecond / 10 % 10),
                   static_cast<wchar_t>(L'0' + p.millisecond % 10), 0};
  std::wstring out = year;
  out += TwoDigits(p.month) + TwoDigits(p.day) + L' ' + TwoDigits(p.hour) + TwoDigits(p.minute) +
         TwoDigits(p.second) + L'.' + ms;
  return out;
}

void TMsgLogger::LogEvent(const std::wstring& Msg) {
  if (!FEnabled.load()) return;
  std::wstring line;
  try {
    line = TimeStamp() + L": " + CleanMessage(Msg);
  } catch (...) {
    return;
  }
  WriteToFile(line);
}

void TMsgLogger::LogDebug(const std::wstring& Msg) {
  try {
    debugOutput_(Msg);
  } catch (...) {
  }
}

void TMsgLogger::Log(const std::wstring& Msg) {
  LogEvent(Msg);
  LogDebug(Msg);
}

void TMsgLogger::Log(const std::wstring& format, std::initializer_list<FormatArg> args) {
  std::wstring msg;
  try {
    msg = Format(format, args);
  } catch (const FormatError&) {
    // The caller's mistake must not cost the event: keep its text.
    msg = L"Error in log format \"" + format + L"\"";
  } catch (...) {
    return;
  }
  Log(msg);
}

void TMsgLogger::LogExecTime(const std::wstring& Msg, uint32_t Ticks) {
  LogEvent(Msg + L" executing time: " + std::to_wstring(Ticks) + L"ms");
}

void TMsgLogger::LogStream(const std::wstring& Msg) {
  if (!FEnabled.load()) return;
  WriteToFile(Msg);
}

void TMsgLogger::WriteToFile(const std::wstring& line) {
  std::string bytes;
  try {
    bytes = WideToUtf8(line);
    bytes += "\r\n";
  } catch (...) {
    return;
  }
  RecursiveLockGuard guard(OnlyOneThread);
  if (!FStream) return;
  // A failure loses this line only; the next one tries again.
  try {
    int64_t limit = FMaxSize.load();
    if (limit > 0) {
      Result<int64_t> size = FStream->Size();
      if (!size) return;
      if (size.value() > limit) {
        RotateLogFile();
        if (!FStream) return;
      }
    }
    Result<uint64_t> free = fs_.FreeBytes(FolderPart(FFileName));
    if (free && free.value() > kLogMinFreeBytes && FEnabled.load()) {
      FStream->Write(bytes);
      static_cast<void>(FStream->Flush());
    }
  } catch (...) {
    // Out of memory.
  }
}

void TMsgLogger::RotateLogFile() {
  FStream.reset();
  std::wstring backup = ChangeFileExtension(FFileName, L".bak");
  bool moved = !fs_.Exists(backup) || fs_.Remove(backup).ok();
  if (moved) moved = fs_.Rename(FFileName, backup).ok();
  if (!moved) {
    // The full file stays; the log goes on under the first free (or
    // freeable) numbered name, whose own backup is again the ".bak".
    std::wstring next;
    for (int n = 1; n <= kMaxFallbackNames && next.empty(); ++n) {
      std::wstring candidate = FFileName + std::to_wstring(n);
      if (!fs_.Exists(candidate) || fs_.Remove(candidate).ok()) next = candidate;
    }
    FFileName = next;
  }
  if (FFileName.empty() || !OpenLogFile()) {
    // No usable file: logging has failed for good.
    FFileName.clear();
    FEnabled.store(false);
    FStream.reset();
    return;
  }
  WriteHeader();
}

bool TMsgLogger::RegEnabled(os::Registry& registry, const std::wstring& AAppKey) {
  auto key = registry.OpenKey(os::RootKey::CurrentUser, L"SOFTWARE\\Tarnwick\\" + AAppKey,
                              os::RegAccess::Full, false);
  if (!key) return false;
  auto value = key.value()->ReadDword(L"Logger");
  return value && value.value() != 0;
}

TMsgLogger* Logger() { return g_logger; }

bool CreateLogger(int64_t AMaxSize, LoggerServices services) {
  FreeLogger();
  try {
    g_logger = new TMsgLogger(AMaxSize, true, std::move(services));
  } catch (...) {
    g_logger = nullptr;
    return false;
  }
  return true;
}

void FreeLogger() { delete std::exchange(g_logger, nullptr); }

namespace applog {

void LogEvent(const std::wstring& Msg) {
  if (TMsgLogger* l = Logger()) l->LogEvent(Msg);
}

void Log(const std::wstring& Msg) {
  if (TMsgLogger* l = Logger()) l->Log(Msg);
}

void Log(const std::wstring& format, std::initializer_list<FormatArg> args) {
  if (TMsgLogger* l = Logger()) l->Log(format, args);
}

void LogExecTime(const std::wstring& Msg, uint32_t Ticks) {
  if (TMsgLogger* l = Logger()) l->LogExecTime(Msg, Ticks);
}

void LogStream(const std::wstring& Msg) {
  if (TMsgLogger* l = Logger()) l->LogStream(Msg);
}

}  // namespace applog

}  // namespace quellon
