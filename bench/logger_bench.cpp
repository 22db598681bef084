// Time per event line written by the log writer to a real file in /tmp
// (the host's file system adapter: append, flush per line, free-space query
// per line, the program's 5 MiB limit with its rotation to ".bak").
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "log/logger.h"
#include "util/text.h"

namespace {

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = "/tmp/quellon-logbench-XXXXXX";
    if (mkdtemp(pattern.data())) path_ = pattern + "/";
  }
  ~BenchFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  std::wstring Path() const { return quellon::Utf8ToWide(path_); }

 private:
  std::string path_;
};

void BM_LogEvent(benchmark::State& state) {
  BenchFolder folder;
  quellon::LoggerServices s;
  s.folder = folder.Path();
  s.executablePath = L"/opt/quellon/ZUB.exe";
  s.versionText = L"2.50.2.40";
  quellon::TMsgLogger log(state.range(0), true, s);
  const std::wstring msg = L"Countdown: 42 seconds left, beep 3 of 5";
  for (auto _ : state) log.LogEvent(msg);
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(state.range(0) > 0 ? "5 MiB limit" : "no limit");
}
BENCHMARK(BM_LogEvent)->Arg(quellon::kLogMaxSize)->Arg(0);

void BM_LogEventDisabled(benchmark::State& state) {
  BenchFolder folder;
  quellon::LoggerServices s;
  s.folder = folder.Path();
  s.executablePath = L"/opt/quellon/ZUB.exe";
  s.debugOutput = [](const std::wstring&) {};
  quellon::TMsgLogger log(quellon::kLogMaxSize, false, s);
  const std::wstring msg = L"Countdown: 42 seconds left, beep 3 of 5";
  for (auto _ : state) log.LogEvent(msg);
}
BENCHMARK(BM_LogEventDisabled);

}  // namespace

BENCHMARK_MAIN();
