#pragma once
// Finding the error count in a listing without reading the listing: the summary stands at its
// end, so the markers are looked for from the end backwards in chunks, and only the bytes the
// count needs are read. The result is the same as cutting the whole decoded text would give.

#include <cstddef>
#include <cstdint>

#include "base/text.h"
#include "platform/platform.h"

namespace tamrill {

// listingText is cut to this many characters. Nothing reads it but the scan itself, and
// between the two markers of a malformed listing there may be the whole file.
inline constexpr std::size_t kListingTextLimit = 4096;
inline constexpr std::size_t kDefaultChunk = 64 * 1024;

struct SummaryScan {
  enum class Outcome : std::uint8_t {
    Read,        // errorCount holds the count
    Unreadable,  // the file could not be read; listingText is to be left as it was
    NoSummary,   // no " errors found" with "assembly complete," and one count ahead of it
    OutOfRange,  // the count lies beyond single precision
  };
  Outcome outcome = Outcome::Unreadable;
  float errorCount = 0;
  // The working text as the last completed cut left it (the number text after a success),
  // cut to kListingTextLimit characters.
  Text listingText;
};

// The summary is the last " errors found" with "assembly complete," ahead of it (letter case
// ignored) and, between the two, one number or one word (NO, which reads 0) with nothing but
// blanks around it. Anything else is no summary, and no count is made up from other text: a
// comment that says "3 errors found" is not one. The blanks are those the number reading skips.
// chunkSize only changes how the file is read, never the result.
SummaryScan scanSummary(ReadableFile& file, std::size_t chunkSize = kDefaultChunk);

}  // namespace tamrill
