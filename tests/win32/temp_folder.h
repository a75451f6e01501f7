#pragma once
// A fresh folder under the temporary folder for one test, removed with everything in it.

#include <windows.h>

#include <string>

#include "base/text.h"

namespace tamrill::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, without a trailing backslash.
  const Text& path() const { return path_; }
  Text operator/(const Text& name) const { return path_ + u"\\" + name; }

 private:
  Text path_;
};

std::wstring wide(const Text& text);
// Writes a file with these bytes, replacing any; fails the test when it cannot.
void writeFile(const Text& path, const std::string& content);
std::string readFile(const Text& path);
bool isThere(const Text& path);  // anything at all, hidden or not, file or folder

}  // namespace tamrill::test
