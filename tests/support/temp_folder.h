// A fresh folder under the system's temporary folder, removed with all its
// files (read-only ones included) when the object goes.
#pragma once
#include <optional>
#include <string>

namespace quellon::test {

class TempFolder {
 public:
  explicit TempFolder(const std::wstring& prefix = L"quellon");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder with a trailing separator.
  const std::wstring& Path() const { return path_; }
  // The path of a file in the folder.
  std::wstring File(const std::wstring& name) const { return path_ + name; }

  static void PutFile(const std::wstring& path, const std::string& bytes);
  // Nothing when the file cannot be read.
  static std::optional<std::string> Contents(const std::wstring& path);
  static void SetReadOnly(const std::wstring& path, bool readOnly);

 private:
  std::wstring path_;
};

}  // namespace quellon::test
