// The listing scan and the number reading on any bytes. Besides crashes and sanitizer reports,
// it checks that the chunk size never changes the result, and that the search from the end
// agrees with the plain scan of the whole text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "base/cp1250.h"
#include "base/number.h"
#include "report/summary_search.h"
#include "support/whole_text_scan.h"

namespace {

class BytesFile final : public tamrill::ReadableFile {
 public:
  explicit BytesFile(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t size() const override { return bytes_.size(); }
  bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
    if (offset > bytes_.size() || count > bytes_.size() - offset) __builtin_trap();
    std::memcpy(buffer, bytes_.data() + offset, count);
    return true;
  }

 private:
  std::string_view bytes_;
};

bool same(const tamrill::SummaryScan& a, const tamrill::SummaryScan& b) {
  return a.outcome == b.outcome && a.listingText == b.listingText &&
         (a.errorCount == b.errorCount || (std::isnan(a.errorCount) && std::isnan(b.errorCount)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  BytesFile file(bytes);
  const tamrill::SummaryScan whole = tamrill::scanSummary(file);
  // A chunk size taken from the input, small enough to put borders inside the markers.
  const std::size_t chunk = size == 0 ? 1 : 1 + data[0] % 31;
  const tamrill::SummaryScan chunked = tamrill::scanSummary(file, chunk);
  if (!same(whole, chunked)) __builtin_trap();
  if (!same(whole, tamrill::test::wholeTextScan(std::string(bytes)))) __builtin_trap();
  if (whole.outcome == tamrill::SummaryScan::Outcome::Read &&
      (std::isnan(whole.errorCount) || std::isinf(whole.errorCount))) {
    __builtin_trap();
  }

  const auto number = tamrill::readNumber(tamrill::decodeCp1250(bytes));
  if (number && !std::isfinite(*number)) __builtin_trap();
  return 0;
}
