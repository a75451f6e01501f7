#include "base/paths.h"

#include <algorithm>
#include <vector>

namespace tamrill {

namespace {
long long length(TextView text) {
  return static_cast<long long>(text.size());
}
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

Text baseNameOf(TextView fileName) {
  return leftChars(fileName, length(fileName) - 4);
}

namespace {

// The length of the root of an absolute path: "C:\" or "\\server\share\" (0 when it has none).
std::size_t rootLength(TextView path) {
  if (path.size() >= 3 && path[1] == u':' && path[2] == u'\\') return 3;
  if (!path.starts_with(u"\\\\")) return 0;
  const std::size_t share = path.find(u'\\', 2);
  if (share == TextView::npos) return path.size();
  const std::size_t end = path.find(u'\\', share + 1);
  return end == TextView::npos ? path.size() : end + 1;
}

Text withSegmentsResolved(TextView path) {
  const std::size_t root = rootLength(path);
  Text result(path.substr(0, root));
  std::vector<TextView> segments;
  TextView rest = path.substr(root);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(u'\\'), rest.size());
    const TextView segment = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (segment == u"..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != u".") {
      segments.push_back(segment);
    }
  }
  if (!result.empty() && result.back() != u'\\') result += u'\\';
  for (std::size_t i = 0; i < segments.size(); ++i) {
    if (i > 0) result += u'\\';
    result += segments[i];
  }
  return result;
}

}  // namespace

Text absolutePath(TextView path, TextView folder) {
  if (path.empty()) return {};
  if (rootLength(path) > 0) return Text(path);
  Text full;
  if (path.size() >= 2 && path[1] == u':') {
    const bool sameDrive = !folder.empty() && toLower(folder[0]) == toLower(path[0]);
    full = sameDrive ? Text(folder) + u"\\" + Text(path.substr(2))
                     : Text(path.substr(0, 2)) + u"\\" + Text(path.substr(2));
  } else if (path.front() == u'\\') {
    full = Text(folder.substr(0, rootLength(folder))) + Text(path);
  } else {
    full = Text(folder) + u"\\" + Text(path);
  }
  return withSegmentsResolved(full);
}

}  // namespace tamrill
