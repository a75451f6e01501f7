#include "include_names.h"

#include <array>

#include "ascii.h"

namespace asm51 {
namespace {

bool isSeparator(char c) {
  return c == '\\' || c == '/';
}

// Windows drops what follows the first dot (the extension), and trailing
// blanks, before it compares a name with its devices.
bool isDeviceComponent(std::string_view component) {
  std::string_view base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  static constexpr auto kDevices =
      std::to_array<std::string_view>({"CON", "NUL", "AUX", "PRN", "CONIN$", "CONOUT$", "CLOCK$"});
  for (std::string_view device : kDevices)
    if (equalsUpper(base, device)) return true;
  if (base.size() < 4 ||
      !(equalsUpper(base.substr(0, 3), "COM") || equalsUpper(base.substr(0, 3), "LPT")))
    return false;
  const std::string_view number = base.substr(3);
  if (number.size() == 1) return number[0] >= '1' && number[0] <= '9';
  // Superscript one, two and three in UTF-8 name ports too.
  return number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

bool namesDevice(std::string_view path) {
  std::size_t start = 0;
  while (start <= path.size()) {
    // A colon ends a part too: C:CON and CON: name the device as well.
    std::size_t end = start;
    while (end < path.size() && !isSeparator(path[end]) && path[end] != ':') ++end;
    if (isDeviceComponent(path.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}

std::optional<ErrorCode> refusedIncludeName(std::string_view name) {
  const bool twoSeparators = name.size() >= 2 && isSeparator(name[0]) && isSeparator(name[1]);
  // \\.\ and \\?\ reach devices and the system's own namespaces; of their
  // forms, only \\?\UNC\ goes to another computer.
  if (twoSeparators && name.size() >= 4 && (name[2] == '.' || name[2] == '?') &&
      isSeparator(name[3]) &&
      !(name.size() >= 8 && equalsUpper(name.substr(4, 3), "UNC") && isSeparator(name[7])))
    return ErrorCode::DeviceInclude;
  if (twoSeparators) return ErrorCode::NetworkInclude;
  // \??\ reaches the system's object namespace, devices included.
  if (name.size() >= 4 && isSeparator(name[0]) && name[1] == '?' && name[2] == '?' &&
      isSeparator(name[3]))
    return ErrorCode::DeviceInclude;
  if (namesDevice(name)) return ErrorCode::DeviceInclude;
  return std::nullopt;
}

}  // namespace asm51
