#include <cerrno>
#include <cstdio>
#include <utility>

#include "imaging/file_bytes.h"
#include "util/posix/errno_error.h"
#include "util/text.h"

namespace quellon::imaging {
namespace {

using posix::ErrnoError;

struct FileCloser {
  std::FILE* f;
  ~FileCloser() {
    if (f) std::fclose(f);
  }
};

}  // namespace

Status WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  const std::string name = WideToUtf8(path);
  FileCloser file{std::fopen(name.c_str(), "wb")};
  if (!file.f) return ErrnoError(L"fopen", errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.f) == bytes.size();
  const int writeError = errno;
  const bool closed = std::fclose(std::exchange(file.f, nullptr)) == 0;
  const int closeError = errno;
  if (written && closed) return {};
  std::remove(name.c_str());
  return written ? ErrnoError(L"fclose", closeError) : ErrnoError(L"fwrite", writeError);
}

Result<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) {
  FileCloser file{std::fopen(WideToUtf8(path).c_str(), "rb")};
  if (!file.f) return ErrnoError(L"fopen", errno);
  std::vector<uint8_t> bytes;
  uint8_t buffer[64 * 1024];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.f)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
  if (std::ferror(file.f)) return ErrnoError(L"fread", errno);
  return bytes;
}

}  // namespace quellon::imaging
