#include <windows.h>
#include <shobjidl.h>

#include "os/taskbar.h"
#include "os/win32/handles.h"

namespace quellon::os {
namespace {

// {56FDF344-FD6D-11D0-958A-006097C9A090}
const CLSID kTaskbarList = {0x56FDF344, 0xFD6D, 0x11D0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};
// {EA1AFB91-9E28-4B86-90E9-9E9F8A5EEFAF}
const IID kTaskbarList3 = {0xEA1AFB91, 0x9E28, 0x4B86, {0x90, 0xE9, 0x9E, 0x9F, 0x8A, 0x5E, 0xEF, 0xAF}};

class Win32TaskbarProgress final : public TaskbarProgress {
 public:
  Win32TaskbarProgress(HWND window, win32::ComPtr<ITaskbarList3> list)
      : window_(window), list_(std::move(list)) {}
  bool SetIndeterminate() override { return SUCCEEDED(list_->SetProgressState(window_, TBPF_INDETERMINATE)); }
  bool SetValue(uint64_t completed, uint64_t total) override {
    return SUCCEEDED(list_->SetProgressValue(window_, completed, total));
  }
  bool SetNoProgress() override { return SUCCEEDED(list_->SetProgressState(window_, TBPF_NOPROGRESS)); }

 private:
  HWND window_;
  win32::ComPtr<ITaskbarList3> list_;
};

}  // namespace

std::unique_ptr<TaskbarProgress> CreateTaskbarProgress(uintptr_t window) {
  win32::ComPtr<ITaskbarList3> list;
  if (FAILED(CoCreateInstance(kTaskbarList, nullptr, CLSCTX_INPROC_SERVER, kTaskbarList3, list.put_void())))
    return nullptr;
  return std::make_unique<Win32TaskbarProgress>(reinterpret_cast<HWND>(window), std::move(list));
}

}  // namespace quellon::os
