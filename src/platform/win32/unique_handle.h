#pragma once
#include <windows.h>

#include <utility>

namespace netcheck {

// Owns one Windows handle and releases it with `Close`; move-only, so no handle is closed twice.
template <typename Handle, auto Close, Handle Empty = Handle{}>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Empty)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Empty);
    }
    return *this;
  }

  Handle Get() const { return handle_; }
  Handle* Receive() {
    Reset();
    return &handle_;
  }
  Handle Release() { return std::exchange(handle_, Empty); }
  explicit operator bool() const { return handle_ != Empty; }
  void Reset() {
    if (handle_ != Empty) Close(std::exchange(handle_, Empty));
  }

 private:
  Handle handle_ = Empty;
};

inline void CloseGdiFont(HFONT font) { DeleteObject(font); }
inline void CloseGdiBrush(HBRUSH brush) { DeleteObject(brush); }
inline void CloseGdiBitmap(HBITMAP bitmap) { DeleteObject(bitmap); }

using UniqueHKey = UniqueHandle<HKEY, &RegCloseKey>;
using UniqueHwnd = UniqueHandle<HWND, &DestroyWindow>;
using UniqueHIcon = UniqueHandle<HICON, &DestroyIcon>;
using UniqueHFont = UniqueHandle<HFONT, &CloseGdiFont>;
using UniqueHBrush = UniqueHandle<HBRUSH, &CloseGdiBrush>;
using UniqueHBitmap = UniqueHandle<HBITMAP, &CloseGdiBitmap>;
using UniqueMemoryDC = UniqueHandle<HDC, &DeleteDC>;
using UniqueHandleObject = UniqueHandle<HANDLE, &CloseHandle>;

// A window's device context, released to its window.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a device context and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace netcheck
