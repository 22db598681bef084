// Where log lines go. The process-wide logger implements it; code that
// reports takes a pointer that is null while logging is off.
#pragma once
#include <string>

namespace quellon {

class LogSink {
 public:
  virtual ~LogSink() = default;
  // One event line; the sink adds the time stamp.
  virtual void LogEvent(const std::wstring& message) = 0;
};

}  // namespace quellon
