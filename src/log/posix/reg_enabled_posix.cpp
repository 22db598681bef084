#include "log/logger.h"

namespace quellon {

// The host has no registry, so nothing switches logging on.
bool TMsgLogger::RegEnabled(const std::wstring&) { return false; }

}  // namespace quellon
