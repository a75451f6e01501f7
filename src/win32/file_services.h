#pragma once
// The file-system services: the existence test, copying, deleting, shared reading and the
// stamps that tell one file, and one version of it, from another.

#include <memory>

#include "platform/platform.h"

namespace tamrill::win32 {

bool fileExists(const Text& path);
SysError copyFile(const Text& from, const Text& to);
SysError deleteFile(const Text& path);
std::unique_ptr<ReadableFile> openForReading(const Text& path);
StampResult fileStamp(const Text& path);
std::uint64_t fileTimeNow();

}  // namespace tamrill::win32
