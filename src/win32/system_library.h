#pragma once
// A system DLL that is loaded only when one of its functions is first needed, and only from the
// system folder. The file dialog and the web links need comdlg32 and shell32, which would more
// than double what the program loads at start-up; most runs never use them.

#include <windows.h>

#include "win32/unique_handles.h"

namespace tamrill::win32 {

class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* fileName) : fileName_(fileName) {}

  // The named function, the library loaded first when it is not yet; null when either is
  // missing. Function is the function's type, e.g. decltype(::ShellExecuteW).
  template <typename Function>
  Function* function(const char* name) {
    if (!module_ && !tried_) {
      tried_ = true;
      module_.reset(::LoadLibraryExW(fileName_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    }
    if (!module_) return nullptr;
    // Through the generic function type, which converts to and from any other.
    const auto generic = reinterpret_cast<void (*)()>(::GetProcAddress(module_.get(), name));
    return reinterpret_cast<Function*>(generic);
  }

 private:
  const wchar_t* fileName_;
  bool tried_ = false;
  unique_hmodule module_;
};

}  // namespace tamrill::win32
