#pragma once
// The file-system services: the existence test, copying, deleting, shared reading, the stamps
// that tell one file, and one version of it, from another, and what the record of copies needs.

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tamrill::win32 {

bool fileExists(const Text& path);
SysError copyFile(const Text& from, const Text& to);
SysError deleteFile(const Text& path);
std::unique_ptr<ReadableFile> openForReading(const Text& path);
StampResult fileStamp(const Text& path);
std::uint64_t fileTimeNow();
SysError createFolder(const Text& path);
std::vector<Text> filesIn(const Text& folder);
SysError writeFileDurably(const Text& path, const std::string& bytes);

}  // namespace tamrill::win32
