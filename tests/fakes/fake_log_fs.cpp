#include "fakes/fake_log_fs.h"

#include <algorithm>

#include "util/text.h"

namespace quellon::test {

class FakeLogFileSystem::Writer final : public LogFileWriter {
 public:
  Writer(FakeLogFileSystem& fs, std::shared_ptr<File> file) : fs_(fs), file_(std::move(file)) {
    ++file_->openWriters;
  }
  ~Writer() override {
    if (!fs_.failFlush) file_->content += pending_;
    --file_->openWriters;
  }

  int64_t Size() override {
    if (fs_.failSize) throw LogFileError(L"GetFileSize failed: Error 5: Access is denied.");
    return static_cast<int64_t>(file_->content.size());
  }

  void Write(const std::string& bytes) override { pending_ += bytes; }

  void Flush() override {
    std::string bytes;
    bytes.swap(pending_);
    if (fs_.failFlush)
      throw LogFileError(L"WriteFile failed: Error 112: There is not enough space on the disk.");
    file_->content += bytes;
  }

 private:
  FakeLogFileSystem& fs_;
  std::shared_ptr<File> file_;
  std::string pending_;
};

std::wstring FakeLogFileSystem::Key(const std::wstring& path) { return UpperCase(path); }

std::wstring FakeLogFileSystem::FolderKey(const std::wstring& path) {
  size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? std::wstring() : UpperCase(path.substr(0, slash));
}

bool FakeLogFileSystem::HasFolderOf(const std::wstring& path) const {
  return folders_.count(FolderKey(path)) != 0;
}

void FakeLogFileSystem::AddFolder(const std::wstring& folder) {
  std::wstring f = folder;
  while (!f.empty() && f.back() == L'\\') f.pop_back();
  folders_.insert(UpperCase(f));
}

void FakeLogFileSystem::PutFile(const std::wstring& path, const std::string& content) {
  auto& file = files_[Key(path)];
  if (!file) {
    file = std::make_shared<File>();
    file->name = path;
  }
  file->content = content;
}

std::optional<std::string> FakeLogFileSystem::Contents(const std::wstring& path) const {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second->content;
}

void FakeLogFileSystem::SetReadOnly(const std::wstring& path, bool readOnly) {
  auto it = files_.find(Key(path));
  if (it != files_.end()) it->second->readOnly = readOnly;
}

std::vector<std::wstring> FakeLogFileSystem::FileNames() const {
  std::vector<std::wstring> names;
  for (const auto& [key, file] : files_) names.push_back(file->name);
  return names;
}

std::unique_ptr<LogFileWriter> FakeLogFileSystem::OpenForAppend(const std::wstring& path) {
  if (failOpen)
    throw LogFileError(
        L"CreateFileW failed: Error 32: The process cannot access the file because it is being "
        L"used by another process.");
  if (!HasFolderOf(path))
    throw LogFileError(L"CreateFileW failed: Error 3: The system cannot find the path specified.");
  auto& file = files_[Key(path)];
  if (!file) {
    file = std::make_shared<File>();
    file->name = path;
  } else if (file->readOnly) {
    throw LogFileError(L"CreateFileW failed: Error 5: Access is denied.");
  }
  ++opens;
  return std::make_unique<Writer>(*this, file);
}

bool FakeLogFileSystem::Exists(const std::wstring& path) { return files_.count(Key(path)) != 0; }

bool FakeLogFileSystem::Remove(const std::wstring& path) {
  auto it = files_.find(Key(path));
  if (it == files_.end() || it->second->readOnly || it->second->openWriters > 0) return false;
  files_.erase(it);
  return true;
}

bool FakeLogFileSystem::Rename(const std::wstring& from, const std::wstring& to) {
  auto it = files_.find(Key(from));
  if (it == files_.end() || it->second->openWriters > 0) return false;
  if (files_.count(Key(to)) || !HasFolderOf(to)) return false;
  std::shared_ptr<File> file = it->second;
  files_.erase(it);
  file->name = to;
  files_[Key(to)] = file;
  return true;
}

std::optional<uint64_t> FakeLogFileSystem::FreeBytes(const std::wstring& folder) {
  std::wstring f = folder;
  while (!f.empty() && f.back() == L'\\') f.pop_back();
  if (!folders_.count(UpperCase(f))) return std::nullopt;
  return freeBytes;
}

}  // namespace quellon::test
