#pragma once
// The file-system services: the existence test, copying, deleting and shared reading.

#include <memory>

#include "platform/platform.h"

namespace tamrill::win32 {

bool fileExists(const Text& path);
SysError copyFile(const Text& from, const Text& to);
SysError deleteFile(const Text& path);
std::unique_ptr<ReadableFile> openForReading(const Text& path);

}  // namespace tamrill::win32
