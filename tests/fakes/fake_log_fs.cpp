#include "fakes/fake_log_fs.h"

#include <algorithm>

#include "util/text.h"

namespace quellon::test {
namespace {

// The system's texts for the codes the fake gives, as the Win32 adapter
// reports them.
Error FsError(const wchar_t* call, uint32_t code) {
  const wchar_t* text = L"";
  switch (code) {
    case kErrFileNotFound:
      text = L"The system cannot find the file specified.";
      break;
    case kErrPathNotFound:
      text = L"The system cannot find the path specified.";
      break;
    case kErrAccessDenied:
      text = L"Access is denied.";
      break;
    case kErrSharingViolation:
      text = L"The process cannot access the file because it is being used by another process.";
      break;
    case kErrAlreadyExists:
      text = L"Cannot create a file when that file already exists.";
      break;
    case kErrDiskFull:
      text = L"There is not enough space on the disk.";
      break;
  }
  return SystemError(call, code, text);
}

}  // namespace

class FakeLogFileSystem::Writer final : public LogFileWriter {
 public:
  Writer(FakeLogFileSystem& fs, std::shared_ptr<File> file) : fs_(fs), file_(std::move(file)) {
    ++file_->openWriters;
  }
  ~Writer() override {
    if (!fs_.failFlush) file_->content += pending_;
    --file_->openWriters;
  }

  Result<int64_t> Size() override {
    if (fs_.failSize) return FsError(L"GetFileSize", kErrAccessDenied);
    return static_cast<int64_t>(file_->content.size());
  }

  void Write(const std::string& bytes) override { pending_ += bytes; }

  Status Flush() override {
    std::string bytes;
    bytes.swap(pending_);
    if (fs_.failFlush) return FsError(L"WriteFile", kErrDiskFull);
    file_->content += bytes;
    return {};
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

Result<std::unique_ptr<LogFileWriter>> FakeLogFileSystem::OpenForAppend(const std::wstring& path) {
  if (failOpen) return FsError(L"CreateFileW", kErrSharingViolation);
  if (!HasFolderOf(path)) return FsError(L"CreateFileW", kErrPathNotFound);
  auto& file = files_[Key(path)];
  if (!file) {
    file = std::make_shared<File>();
    file->name = path;
  } else if (file->readOnly) {
    return FsError(L"CreateFileW", kErrAccessDenied);
  }
  ++opens;
  return std::unique_ptr<LogFileWriter>(std::make_unique<Writer>(*this, file));
}

bool FakeLogFileSystem::Exists(const std::wstring& path) { return files_.count(Key(path)) != 0; }

Status FakeLogFileSystem::Remove(const std::wstring& path) {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return FsError(L"DeleteFileW", kErrFileNotFound);
  if (it->second->readOnly) return FsError(L"DeleteFileW", kErrAccessDenied);
  if (it->second->openWriters > 0) return FsError(L"DeleteFileW", kErrSharingViolation);
  files_.erase(it);
  return {};
}

Status FakeLogFileSystem::Rename(const std::wstring& from, const std::wstring& to) {
  auto it = files_.find(Key(from));
  if (it == files_.end()) return FsError(L"MoveFileW", kErrFileNotFound);
  if (it->second->openWriters > 0) return FsError(L"MoveFileW", kErrSharingViolation);
  if (files_.count(Key(to))) return FsError(L"MoveFileW", kErrAlreadyExists);
  if (!HasFolderOf(to)) return FsError(L"MoveFileW", kErrPathNotFound);
  std::shared_ptr<File> file = it->second;
  files_.erase(it);
  file->name = to;
  files_[Key(to)] = file;
  return {};
}

Result<uint64_t> FakeLogFileSystem::FreeBytes(const std::wstring& folder) {
  std::wstring f = folder;
  while (!f.empty() && f.back() == L'\\') f.pop_back();
  if (!folders_.count(UpperCase(f)) || !freeBytes)
    return FsError(L"GetDiskFreeSpaceExW", kErrPathNotFound);
  return *freeBytes;
}

}  // namespace quellon::test
