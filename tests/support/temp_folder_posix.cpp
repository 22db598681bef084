#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/temp_folder.h"
#include "util/text.h"

namespace quellon::test {

TempFolder::TempFolder(const std::wstring& prefix) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/" + WideToUtf8(prefix) + "-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = Utf8ToWide(pattern) + L"/";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(WideToUtf8(path_), ec);
}

void TempFolder::PutFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(WideToUtf8(path), std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("writing a test file failed");
}

std::optional<std::string> TempFolder::Contents(const std::wstring& path) {
  std::ifstream in(WideToUtf8(path), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::SetReadOnly(const std::wstring& path, bool readOnly) {
  if (::chmod(WideToUtf8(path).c_str(), readOnly ? 0444 : 0644) != 0)
    throw std::runtime_error("chmod failed");
}

}  // namespace quellon::test
