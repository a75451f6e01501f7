#include "base/program_arguments.h"

namespace tamrill {

namespace {
bool isBlank(char16_t c) {
  return c != u'\0' && c <= u' ';
}
}  // namespace

Text argumentsAfterProgramName(TextView commandLine) {
  std::size_t at = 0;
  const std::size_t end = commandLine.size();
  if (at < end && commandLine[at] == u'"') {
    ++at;
    while (at < end && commandLine[at] != u'"') ++at;
    if (at < end) ++at;
  } else {
    while (at < end && commandLine[at] > u' ') ++at;
  }
  while (at < end && isBlank(commandLine[at])) ++at;
  return Text(commandLine.substr(at));
}

}  // namespace tamrill
