// Text between the UTF-16 of Windows' file names and console and the byte strings the assembler
// works in, in a given code page. Windows only.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace asm51::cli {

inline std::string narrowText(std::wstring_view wide, UINT codePage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int narrow =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, out.data(), narrow, nullptr, nullptr);
  return out;
}

// Empty when the bytes are not valid in the code page and flags hold MB_ERR_INVALID_CHARS.
inline std::wstring wideText(std::string_view bytes, UINT codePage, DWORD flags = 0) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int wide = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(codePage, flags, bytes.data(), size, out.data(), wide);
  return out;
}

}  // namespace asm51::cli
