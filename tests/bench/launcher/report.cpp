#include "report.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cwchar>

namespace bench {

namespace {

void write(DWORD which, const std::wstring& line) {
  const std::wstring text = line + L"\n";
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

}  // namespace

void say(const std::wstring& line) {
  write(STD_OUTPUT_HANDLE, line);
}

void complain(const std::wstring& line) {
  write(STD_ERROR_HANDLE, L"bench: " + line);
}

std::wstring format(const wchar_t* pattern, ...) {
  wchar_t buffer[512];
  va_list arguments;
  va_start(arguments, pattern);
  std::vswprintf(buffer, std::size(buffer), pattern, arguments);
  va_end(arguments);
  return buffer;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace bench
