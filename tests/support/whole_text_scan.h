#pragma once
// The listing scan done the plain way, on the whole decoded text, cut by cut: what the bounded
// search from the end must agree with. Shared by the scan's tests and its fuzzer.

#include <string>

#include "base/cp1250.h"
#include "base/number.h"
#include "report/summary_search.h"

namespace tamrill::test {

inline bool isSummaryBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

inline SummaryScan wholeTextScan(const std::string& bytes) {
  SummaryScan result;
  result.outcome = SummaryScan::Outcome::NoSummary;
  const Text text = decodeCp1250(bytes);
  const std::size_t p1 = lastPosition(toLower(text), u" errors found");
  if (p1 == 0) return result;
  const Text kept = leftChars(text, static_cast<long long>(p1));
  const std::size_t p2 = lastPosition(toLower(kept), u"assembly complete,");
  const std::size_t from = p2 == 0 ? 0 : p2 - 1 + 18;
  // Between the markers: blanks, one run of non-blanks, blanks.
  std::size_t first = from;
  std::size_t last = p1 - 1;  // the blank of " errors found"
  while (first < last && isSummaryBlank(kept[first])) ++first;
  while (last > first && isSummaryBlank(kept[last - 1])) --last;
  bool oneRun = first < last;
  for (std::size_t i = first; i < last; ++i) oneRun = oneRun && !isSummaryBlank(kept[i]);
  if (p2 == 0 || !oneRun) {
    result.listingText = leftChars(kept, kListingTextLimit);
    return result;
  }
  const Text count = kept.substr(from);
  result.listingText = leftChars(count, kListingTextLimit);
  const auto value = readNumber(kept.substr(first));
  result.outcome = value ? SummaryScan::Outcome::Read : SummaryScan::Outcome::OutOfRange;
  result.errorCount = value.value_or(0);
  return result;
}

}  // namespace tamrill::test
