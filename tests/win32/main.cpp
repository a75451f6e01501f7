#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  // GoogleTest's own options are ASCII.
  std::vector<std::string> narrow;
  for (int i = 0; i < argc; ++i) narrow.emplace_back(argv[i], argv[i] + std::wcslen(argv[i]));
  std::vector<char*> pointers;
  for (std::string& arg : narrow) pointers.push_back(arg.data());
  int count = argc;
  testing::InitGoogleTest(&count, pointers.data());
  return RUN_ALL_TESTS();
}
