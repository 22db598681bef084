#include "log/logger.h"
#include "os/win32/registry_win32.h"

namespace quellon {

bool TMsgLogger::RegEnabled(const std::wstring& AAppKey) {
  return RegEnabled(win32::SystemRegistry(), AAppKey);
}

}  // namespace quellon
