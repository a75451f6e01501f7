#pragma once
// Move-only owners of Win32 handles and GDI objects, each named after what it owns. They are
// std::unique_ptr with a deleter, so they cannot be copied and never close a handle twice.

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace tamrill::win32 {

namespace detail {

template <typename Handle, auto Close>
struct HandleDeleter {
  using pointer = Handle;
  void operator()(Handle handle) const noexcept {
    if (handle != nullptr) Close(handle);
  }
};

inline void closeHandle(HANDLE handle) noexcept {
  ::CloseHandle(handle);
}
inline void destroyWindow(HWND window) noexcept {
  ::DestroyWindow(window);
}
inline void deleteGdiObject(HGDIOBJ object) noexcept {
  ::DeleteObject(object);
}
inline void destroyIcon(HICON icon) noexcept {
  ::DestroyIcon(icon);
}
inline void freeLibrary(HMODULE module) noexcept {
  ::FreeLibrary(module);
}

// Handles that report failure with INVALID_HANDLE_VALUE instead of null.
struct FileHandleDeleter {
  using pointer = HANDLE;
  void operator()(HANDLE handle) const noexcept {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
};
struct FindHandleDeleter {
  using pointer = HANDLE;
  void operator()(HANDLE handle) const noexcept {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) ::FindClose(handle);
  }
};

}  // namespace detail

using unique_handle = std::unique_ptr<void, detail::HandleDeleter<HANDLE, detail::closeHandle>>;
using unique_file = std::unique_ptr<void, detail::FileHandleDeleter>;
using unique_find = std::unique_ptr<void, detail::FindHandleDeleter>;
using unique_hwnd = std::unique_ptr<std::remove_pointer_t<HWND>,
                                    detail::HandleDeleter<HWND, detail::destroyWindow>>;
using unique_hfont = std::unique_ptr<std::remove_pointer_t<HFONT>,
                                     detail::HandleDeleter<HFONT, detail::deleteGdiObject>>;
using unique_hbrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>,
                                      detail::HandleDeleter<HBRUSH, detail::deleteGdiObject>>;
using unique_hpen = std::unique_ptr<std::remove_pointer_t<HPEN>,
                                    detail::HandleDeleter<HPEN, detail::deleteGdiObject>>;
using unique_hbitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>,
                                       detail::HandleDeleter<HBITMAP, detail::deleteGdiObject>>;
using unique_hicon = std::unique_ptr<std::remove_pointer_t<HICON>,
                                     detail::HandleDeleter<HICON, detail::destroyIcon>>;
using unique_hmodule = std::unique_ptr<std::remove_pointer_t<HMODULE>,
                                       detail::HandleDeleter<HMODULE, detail::freeLibrary>>;

// Both handles that CreateProcessW hands back, closed together.
class unique_process_information {
 public:
  unique_process_information() = default;
  explicit unique_process_information(const PROCESS_INFORMATION& info)
      : process_(info.hProcess), thread_(info.hThread) {}
  HANDLE process() const { return process_.get(); }
  HANDLE thread() const { return thread_.get(); }

 private:
  unique_handle process_;
  unique_handle thread_;
};

// A device context obtained with GetDC, released to its window.
class unique_window_dc {
 public:
  explicit unique_window_dc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ~unique_window_dc() {
    if (dc_ != nullptr) ::ReleaseDC(window_, dc_);
  }
  unique_window_dc(const unique_window_dc&) = delete;
  unique_window_dc& operator=(const unique_window_dc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a device context for one scope; the previous one comes back after.
class scoped_select {
 public:
  scoped_select(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~scoped_select() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  scoped_select(const scoped_select&) = delete;
  scoped_select& operator=(const scoped_select&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A compatible memory DC, deleted at the end of its scope.
class unique_memory_dc {
 public:
  explicit unique_memory_dc(HDC like) : dc_(::CreateCompatibleDC(like)) {}
  ~unique_memory_dc() {
    if (dc_ != nullptr) ::DeleteDC(dc_);
  }
  unique_memory_dc(const unique_memory_dc&) = delete;
  unique_memory_dc& operator=(const unique_memory_dc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Runs a function when the scope ends, however it ends.
template <typename Function>
class scope_exit {
 public:
  explicit scope_exit(Function function) : function_(std::move(function)) {}
  ~scope_exit() { function_(); }
  scope_exit(const scope_exit&) = delete;
  scope_exit& operator=(const scope_exit&) = delete;

 private:
  Function function_;
};

}  // namespace tamrill::win32
