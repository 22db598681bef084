// Whole-file reads and writes for the picture files, by wide path (UTF-8 on
// the Linux host).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quellon::imaging {

// Replaces the file. A write that fails part-way removes what it wrote.
bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes, std::wstring* error = nullptr);

bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>* bytes, std::wstring* error = nullptr);

}  // namespace quellon::imaging
