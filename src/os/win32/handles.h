// Owners for Win32 handles: each handle, key, module, GDI object and COM
// pointer has exactly one owner, which releases it on every path.
#pragma once
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace quellon::win32 {

// What "nothing owned" is for a kind of value. Most handles use null; file
// and find handles use INVALID_HANDLE_VALUE, which is not a constant
// expression and so cannot be a template argument itself. A file handle
// owner also takes null as nothing (it is never a file, and a zeroed slot
// must not be closed).
template <typename T>
struct NullIsNone {
  static T None() { return T(); }
  static bool Owns(T value) { return value != T(); }
};
struct InvalidHandleIsNone {
  static HANDLE None() { return INVALID_HANDLE_VALUE; }
  static bool Owns(HANDLE value) { return value != INVALID_HANDLE_VALUE && value != nullptr; }
};

// Move-only owner of a value released by Close.
template <typename T, typename CloseFn, CloseFn Close, typename NonePolicy = NullIsNone<T>>
class UniqueAny {
 public:
  UniqueAny() = default;
  explicit UniqueAny(T value) : value_(value) {}
  ~UniqueAny() { reset(); }
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const { return value_; }
  explicit operator bool() const { return NonePolicy::Owns(value_); }
  T release() { return std::exchange(value_, NonePolicy::None()); }
  void reset(T value = NonePolicy::None()) {
    T old = std::exchange(value_, value);
    if (NonePolicy::Owns(old)) Close(old);
  }
  // For out-parameters: releases what is owned and hands out the slot.
  T* put() {
    reset();
    return &value_;
  }

 private:
  T value_ = NonePolicy::None();
};

inline void CloseHandleValue(HANDLE h) { ::CloseHandle(h); }
inline void CloseRegKey(HKEY k) { ::RegCloseKey(k); }
inline void FreeLibraryValue(HMODULE m) { ::FreeLibrary(m); }
inline void DeleteGdiObject(HGDIOBJ o) { ::DeleteObject(o); }
inline void DeleteDcValue(HDC dc) { ::DeleteDC(dc); }
inline void DestroyIconValue(HICON i) { ::DestroyIcon(i); }
inline void CloseFind(HANDLE h) { ::FindClose(h); }
inline void UnmapView(void* p) { ::UnmapViewOfFile(p); }
inline void DestroyWindowValue(HWND w) { ::DestroyWindow(w); }
inline void DestroyMenuValue(HMENU m) { ::DestroyMenu(m); }
template <typename P>
inline void LocalFreeValue(P p) {
  ::LocalFree(reinterpret_cast<HLOCAL>(p));
}

using UniqueHandle = UniqueAny<HANDLE, decltype(&CloseHandleValue), CloseHandleValue>;
using UniqueRegKey = UniqueAny<HKEY, decltype(&CloseRegKey), CloseRegKey>;
using UniqueModule = UniqueAny<HMODULE, decltype(&FreeLibraryValue), FreeLibraryValue>;
using UniqueGdiObject = UniqueAny<HGDIOBJ, decltype(&DeleteGdiObject), DeleteGdiObject>;
using UniqueDc = UniqueAny<HDC, decltype(&DeleteDcValue), DeleteDcValue>;
using UniqueIcon = UniqueAny<HICON, decltype(&DestroyIconValue), DestroyIconValue>;
using UniqueWindow = UniqueAny<HWND, decltype(&DestroyWindowValue), DestroyWindowValue>;
using UniqueMenu = UniqueAny<HMENU, decltype(&DestroyMenuValue), DestroyMenuValue>;
using UniqueMappedView = UniqueAny<void*, decltype(&UnmapView), UnmapView>;
// CreateFileW's handles.
using UniqueFile = UniqueAny<HANDLE, decltype(&CloseHandleValue), CloseHandleValue, InvalidHandleIsNone>;
// FindFirstFileW's handles.
using UniqueFindHandle = UniqueAny<HANDLE, decltype(&CloseFind), CloseFind, InvalidHandleIsNone>;
// Memory the system allocated with LocalAlloc for the caller to free, such
// as CommandLineToArgvW's array: UniqueLocal<LPWSTR*>.
template <typename P>
using UniqueLocal = UniqueAny<P, decltype(&LocalFreeValue<P>), LocalFreeValue<P>>;

// COM pointer owner.
template <typename I>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  I** put() {
    reset();
    return &p_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

 private:
  I* p_ = nullptr;
};

// Scope guards for paired calls.
class ScopedCoInit {
 public:
  ScopedCoInit() : hr_(::CoInitialize(nullptr)) {}
  ~ScopedCoInit() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ScopedCoInit(const ScopedCoInit&) = delete;
  ScopedCoInit& operator=(const ScopedCoInit&) = delete;
  HRESULT result() const { return hr_; }

 private:
  HRESULT hr_;
};

class ScopedGetDc {
 public:
  explicit ScopedGetDc(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
  ~ScopedGetDc() {
    if (dc_) ::ReleaseDC(wnd_, dc_);
  }
  ScopedGetDc(const ScopedGetDc&) = delete;
  ScopedGetDc& operator=(const ScopedGetDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
  ~ScopedSelectObject() {
    if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace quellon::win32
