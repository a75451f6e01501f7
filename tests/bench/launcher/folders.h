#pragma once
// The benchmark's own folders: made under the temporary folder, removed with everything in them.

#include <string>

namespace bench {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  bool made() const { return !path_.empty(); }
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Makes the folder; false (and a complaint) when it cannot.
bool makeFolder(const std::wstring& path);
// Copies a file, complaining when it cannot.
bool copyInto(const std::wstring& from, const std::wstring& folder, const std::wstring& name);

}  // namespace bench
