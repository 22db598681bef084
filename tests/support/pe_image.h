// A reader for the parts of a PE file (EXE or DLL) that decide whether it
// loads on Windows XP: its import tables, its exports, its subsystem and the
// system version it asks for. It reads the file's bytes itself, so the
// answer does not depend on the loader of the system the test runs on.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quellon::test {

struct PeImport {
  std::string dll;                     // as written in the file
  std::vector<std::string> functions;  // by name; by ordinal as "#<n>"
  bool delayLoaded = false;
};

struct PeInfo {
  bool is64 = false;
  uint16_t subsystem = 0;  // 2 = GUI, 3 = console
  uint16_t subsystemMajor = 0, subsystemMinor = 0;
  uint16_t osMajor = 0, osMinor = 0;
  bool isDll = false;
  std::vector<PeImport> imports;
  std::vector<std::string> exports;  // export names
};

// Nothing, with the reason in *error, for data that is not a well-formed PE
// file (every offset is checked against the data).
std::optional<PeInfo> ParsePe(const std::vector<uint8_t>& file, std::string* error = nullptr);

// Every import of the list that Windows XP cannot satisfy, one line each
// ("KERNEL32.dll!GetTickCount64: Vista and later"): a DLL that XP does not
// ship, a function of a system DLL that arrived after XP, or a secure-CRT
// function that XP's msvcrt.dll does not have. Empty when all is well.
std::vector<std::string> FindXpImportProblems(const std::vector<PeImport>& imports);

// The system DLLs a product file may import from.
bool IsXpSystemDll(const std::string& dll);

}  // namespace quellon::test
