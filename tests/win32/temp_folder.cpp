#include "temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tamrill::test {

std::wstring wide(const Text& text) {
  return {text.begin(), text.end()};
}

TempFolder::TempFolder() {
  std::array<wchar_t, MAX_PATH + 1> base{};
  ::GetTempPathW(static_cast<DWORD>(base.size()), base.data());
  static unsigned counter = 0;
  const std::wstring name = std::wstring(base.data()) + L"tamrill-test-" +
                            std::to_wstring(::GetCurrentProcessId()) + L"-" +
                            std::to_wstring(++counter);
  ::CreateDirectoryW(name.c_str(), nullptr);
  path_.assign(name.begin(), name.end());
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(wide(path_)), ignored);
}

void writeFile(const Text& path, const std::string& content) {
  std::ofstream out(std::filesystem::path(wide(path)), std::ios::binary | std::ios::trunc);
  out << content;
  ASSERT_TRUE(out.good()) << "cannot write the test file";
}

std::string readFile(const Text& path) {
  std::ifstream in(std::filesystem::path(wide(path)), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool isThere(const Text& path) {
  return ::GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace tamrill::test
