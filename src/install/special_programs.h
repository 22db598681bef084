// The special-programs table: applications whose windows need special
// treatment when watched, installed in the machine registry and loaded at
// start; and the installation check that loading it makes.
#pragma once
#include <string>
#include <vector>

#include "log/log_sink.h"
#include "os/app_shell.h"
#include "os/registry.h"
#include "util/exception.h"

namespace quellon {

struct TSpecPrg {
  std::wstring widoczna_nazwa;        // display name
  std::wstring szukana_klasa;         // window class, upper case
  std::wstring mon_prg;               // caption to watch, upper case
  std::wstring mon_class;             // class to watch, upper case
  std::vector<std::wstring> naglowki; // captions seen for the class
};

extern const wchar_t kSpecProgramsKey[];  // HKLM SOFTWARE\Tarnwick\YARB\SpecPrograms

// A row the installer writes: class, display name, caption and class to
// watch (empty cells are not written).
struct SpecProgramRecord {
  const wchar_t* windowClass;
  const wchar_t* displayName;
  const wchar_t* captionToWatch;
  const wchar_t* classToWatch;
};
const std::vector<SpecProgramRecord>& BuiltInSpecialPrograms();

// Writes the rows under HKLM as the installer does.
Status WriteSpecPrograms(os::Registry& registry, const std::vector<SpecProgramRecord>& rows);

// The installation records are missing (code 1: no SpecPrograms key) or
// damaged (2: a row with an empty name or display name; 3: a row with
// neither a caption nor a class to watch). The message is the log line,
// "Error <code> - Missed installation info".
class MissingInstallInfoError : public Exception {
 public:
  explicit MissingInstallInfoError(int code);
  const int code;
};

// Builds the table from the machine registry, read-only. Throws
// MissingInstallInfoError.
std::vector<TSpecPrg> LoadSpecialPrograms(os::Registry& registry);

// Shows the fatal installation error, logs "Error <code> - Missed
// installation info" and throws SilentAbort.
[[noreturn]] void MissingInstallInfo(int code, os::AppShell& shell, LogSink* log);

// The process-wide table.
std::vector<TSpecPrg>& SpecialPrograms();

}  // namespace quellon
