// A log sink that keeps its lines.
#pragma once
#include <string>
#include <vector>

#include "log/log_sink.h"

namespace quellon::test {

class RecordingLog final : public LogSink {
 public:
  void LogEvent(const std::wstring& message) override { lines.push_back(message); }
  std::vector<std::wstring> lines;
};

}  // namespace quellon::test
