#include "win32/sys_error.h"

namespace tamrill::win32 {

SysError toSysError(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return SysError::None;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
      return SysError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_NOT_READY:
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

}  // namespace tamrill::win32
