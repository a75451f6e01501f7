#include "core/paths.h"

namespace tamrill {

namespace {
long long length(TextView text) { return static_cast<long long>(text.size()); }
}  // namespace

Text fileNameOf(TextView path) {
  const std::size_t p = lastPosition(path, u"\\");
  return rightChars(path, length(path) - static_cast<long long>(p));
}

Text folderOf(TextView path, TextView fileName) {
  return leftChars(path, length(path) - length(fileName));
}

Text replaceLast3(TextView path, TextView extension) {
  return leftChars(path, length(path) - 3) + Text(extension);
}

Text baseNameOf(TextView fileName) { return leftChars(fileName, length(fileName) - 4); }

}  // namespace tamrill
