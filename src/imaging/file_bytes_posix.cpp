#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "imaging/file_bytes.h"
#include "util/text.h"

namespace quellon::imaging {
namespace {

bool Fail(std::wstring* error, const std::wstring& path, int code) {
  if (error) *error = path + L": " + Utf8ToWide(std::strerror(code));
  return false;
}

struct FileCloser {
  std::FILE* f;
  ~FileCloser() {
    if (f) std::fclose(f);
  }
};

}  // namespace

bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes, std::wstring* error) {
  const std::string name = WideToUtf8(path);
  FileCloser file{std::fopen(name.c_str(), "wb")};
  if (!file.f) return Fail(error, path, errno);
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file.f) == bytes.size();
  const int code = errno;
  const bool closed = std::fclose(std::exchange(file.f, nullptr)) == 0;
  if (ok && closed) return true;
  std::remove(name.c_str());
  return Fail(error, path, ok ? errno : code);
}

bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>* bytes, std::wstring* error) {
  FileCloser file{std::fopen(WideToUtf8(path).c_str(), "rb")};
  if (!file.f) return Fail(error, path, errno);
  bytes->clear();
  uint8_t buffer[64 * 1024];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.f)) > 0) bytes->insert(bytes->end(), buffer, buffer + got);
  if (std::ferror(file.f)) return Fail(error, path, errno);
  return true;
}

}  // namespace quellon::imaging
