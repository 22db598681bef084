// Whole-file reads and writes for the picture files, by wide path (UTF-8 on
// the Linux host). Failures carry the failed call and the system's reason.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "util/result.h"

namespace quellon::imaging {

// Replaces the file. A write that fails part-way removes what it wrote.
Status WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes);

Result<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path);

}  // namespace quellon::imaging
