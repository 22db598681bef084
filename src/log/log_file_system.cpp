#include "log/log_file_system.h"

#include "util/text.h"

namespace quellon {

LogFileError::LogFileError(const std::wstring& message)
    : std::runtime_error(WideToUtf8(message)), message_(message) {}

}  // namespace quellon
