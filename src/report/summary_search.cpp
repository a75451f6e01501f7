#include "report/summary_search.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "base/cp1250.h"
#include "base/number.h"

namespace tamrill {

namespace {

constexpr std::string_view kErrorsFound = " errors found";
constexpr std::string_view kAssemblyComplete = "assembly complete,";
// The part of "assembly complete," after its blank, which a count written without a blank
// ("assembly complete,3") joins into one run of non-blanks.
constexpr std::uint64_t kCompleteTail = std::string_view("complete,").size();

bool isBlank(char b) {
  return b == ' ' || b == '\t' || b == '\r' || b == '\n';
}

// In Windows-1250 only the ASCII capitals lower-case to ASCII letters, so folding bytes is the
// same as folding the decoded text for markers written in ASCII.
char fold(char b) {
  return (b >= 'A' && b <= 'Z') ? static_cast<char>(b - 'A' + 'a') : b;
}

bool matchesAt(const char* at, std::string_view marker) {
  for (std::size_t i = 0; i < marker.size(); ++i) {
    if (fold(at[i]) != marker[i]) return false;
  }
  return true;
}

class ChunkedFile {
 public:
  ChunkedFile(ReadableFile& file, std::size_t chunkSize)
      : file_(file), chunk_(std::max<std::size_t>(chunkSize, 1)) {}

  bool failed() const { return failed_; }

  // Offset of the last occurrence of marker that ends at or before limit.
  std::optional<std::uint64_t> findLast(std::string_view marker, std::uint64_t limit) {
    const std::size_t m = marker.size();
    if (limit < m) return std::nullopt;
    std::uint64_t high = limit - m + 1;  // candidates start below high
    while (high > 0) {
      const std::uint64_t low = high > chunk_ ? high - chunk_ : 0;
      const auto candidates = static_cast<std::size_t>(high - low);
      // Each read overlaps the one before by m - 1 bytes, so a marker split across the border
      // is still seen whole.
      if (!read(low, candidates + m - 1)) return std::nullopt;
      for (std::size_t j = candidates; j-- > 0;) {
        if (matchesAt(buffer_.data() + j, marker)) return low + j;
      }
      high = low;
    }
    return std::nullopt;
  }

  // Where the run of bytes that ends at end and are all blank (or all not blank) begins. Runs
  // are short in a listing: the reads start small and grow.
  std::uint64_t runStart(std::uint64_t end, bool blank) {
    std::size_t step = std::min<std::size_t>(chunk_, 64);
    while (end > 0) {
      const std::uint64_t low = end > step ? end - step : 0;
      step = std::min(step * 2, chunk_);
      const auto count = static_cast<std::size_t>(end - low);
      if (!read(low, count)) return end;
      for (std::size_t j = count; j-- > 0;) {
        if (isBlank(buffer_[j]) != blank) return low + j + 1;
      }
      end = low;
    }
    return 0;
  }

  bool markerAt(std::uint64_t at, std::string_view marker) {
    return read(at, marker.size()) && matchesAt(buffer_.data(), marker);
  }

  // The text of [from, to), decoded, at most limit characters of it.
  Text text(std::uint64_t from, std::uint64_t to, std::size_t limit) {
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(to - from, limit));
    if (!read(from, count)) return {};
    return decodeCp1250(std::string_view(buffer_.data(), count));
  }

  // Feeds [from, to) to reader until the number ends.
  void readNumber(std::uint64_t from, std::uint64_t to, NumberReader& reader) {
    while (from < to) {
      const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(to - from, chunk_));
      if (!read(from, count)) return;
      for (std::size_t i = 0; i < count; ++i) {
        if (!reader.take(fromCp1250(static_cast<unsigned char>(buffer_[i])))) return;
      }
      from += count;
    }
  }

 private:
  bool read(std::uint64_t offset, std::size_t count) {
    if (failed_) return false;
    buffer_.resize(count);
    if (count > 0 && !file_.read(offset, buffer_.data(), count)) failed_ = true;
    return !failed_;
  }

  ReadableFile& file_;
  std::size_t chunk_;
  std::vector<char> buffer_;
  bool failed_ = false;
};

}  // namespace

SummaryScan scanSummary(ReadableFile& file, std::size_t chunkSize) {
  using Outcome = SummaryScan::Outcome;
  SummaryScan result;
  ChunkedFile chunks(file, chunkSize);
  const std::uint64_t size = file.size();

  const auto errorsFound = chunks.findLast(kErrorsFound, size);
  if (chunks.failed()) return result;
  result.outcome = Outcome::NoSummary;
  if (!errorsFound) return result;
  // The working text now ends with the blank ahead of "errors found".
  const std::uint64_t kept = *errorsFound + 1;

  // Walked back from the marker, the summary is: blanks, the count, blanks, "assembly
  // complete,". Only those few bytes are read, however far an earlier "assembly complete," is.
  const std::uint64_t countEnd = chunks.runStart(*errorsFound, true);
  const std::uint64_t runFrom = chunks.runStart(countEnd, false);
  const std::uint64_t blanksFrom = chunks.runStart(runFrom, true);
  // Where the summary's text begins (after its comma), and its count.
  std::optional<std::uint64_t> textStart;
  std::uint64_t countStart = runFrom;
  if (runFrom < countEnd) {
    if (blanksFrom >= kAssemblyComplete.size() &&
        chunks.markerAt(blanksFrom - kAssemblyComplete.size(), kAssemblyComplete)) {
      textStart = blanksFrom;
    } else if (const std::uint64_t head = kAssemblyComplete.size() - kCompleteTail;
               runFrom >= head && runFrom + kCompleteTail < countEnd &&
               chunks.markerAt(runFrom - head, kAssemblyComplete)) {
      textStart = countStart = runFrom + kCompleteTail;
    }
  }
  if (chunks.failed()) return SummaryScan{};
  if (!textStart) {
    result.listingText = chunks.text(0, kept, kListingTextLimit);
    return chunks.failed() ? SummaryScan{} : result;
  }

  result.listingText = chunks.text(*textStart, kept, kListingTextLimit);
  // Read from the count itself: the number reading would stop at a carriage return before it.
  NumberReader reader;
  chunks.readNumber(countStart, kept, reader);
  if (chunks.failed()) return SummaryScan{};
  const std::optional<float> count = reader.value();
  if (!count) {
    result.outcome = Outcome::OutOfRange;
    return result;
  }
  result.outcome = Outcome::Read;
  result.errorCount = *count;
  return result;
}

}  // namespace tamrill
