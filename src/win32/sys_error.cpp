#include "win32/sys_error.h"

#include "win32/wide.h"

namespace tamrill::win32 {

SysError toSysError(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return SysError::None;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
      return SysError::NotFound;
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_NETNAME_DELETED:
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_HOST_UNREACHABLE:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_BAD_NET_RESP:
    case ERROR_NO_NET_OR_BAD_PATH:
      return SysError::Unreachable;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return SysError::AccessDenied;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return SysError::InUse;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return SysError::AlreadyExists;
    // What CreateProcessW says of 16-bit, DOS and foreign programs and of files that are no
    // program at all.
    case ERROR_BAD_FORMAT:
    case ERROR_CHILD_NOT_COMPLETE:
    case ERROR_INVALID_STARTING_CODESEG:
    case ERROR_INVALID_STACKSEG:
    case ERROR_INVALID_MODULETYPE:
    case ERROR_INVALID_EXE_SIGNATURE:
    case ERROR_EXE_MARKED_INVALID:
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_EXE_MACHINE_TYPE_MISMATCH:
      return SysError::BadExeFormat;
    default:
      return SysError::Other;
  }
}

namespace {

// The drive (C: and a backslash) or the share (a server and share name, and a backslash) a
// path lies on; empty for anything else.
std::wstring rootOf(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2) + L"\\";
  if (!path.starts_with(L"\\\\") || path.starts_with(L"\\\\?\\")) return {};
  const std::size_t server = path.find(L'\\', 2);
  if (server == std::wstring::npos) return {};
  const std::size_t share = path.find(L'\\', server + 1);
  return share == std::wstring::npos ? path + L"\\" : path.substr(0, share + 1);
}

}  // namespace

SysError pathSysError(DWORD error, const Text& path) {
  if (error != ERROR_PATH_NOT_FOUND) return toSysError(error);
  const std::wstring root = rootOf(wide(path));
  if (root.empty() || ::GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return SysError::NotFound;
  }
  return SysError::Unreachable;
}

}  // namespace tamrill::win32
