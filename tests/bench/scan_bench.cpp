// Times the listing scan on a 1 GiB listing whose summary stands at its end, against reading the
// whole file, in one run. Usage: scan_bench [folder for the temporary listing, default /tmp]

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "report/summary_search.h"

namespace {

constexpr std::uint64_t kListingSize = std::uint64_t{1} << 30;

class PosixFile final : public tamrill::ReadableFile {
 public:
  explicit PosixFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY)) {}
  ~PosixFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  std::uint64_t size() const override {
    struct stat info {};
    return ::fstat(fd_, &info) == 0 ? static_cast<std::uint64_t>(info.st_size) : 0;
  }
  bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
    while (count > 0) {
      const ssize_t got = ::pread(fd_, buffer, count, static_cast<off_t>(offset));
      if (got <= 0) return false;
      buffer += got;
      count -= static_cast<std::size_t>(got);
      offset += static_cast<std::uint64_t>(got);
    }
    return true;
  }
  int descriptor() const { return fd_; }

 private:
  int fd_;
};

bool writeListing(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0) return false;
  const std::string summary = "\n\nASSEMBLY COMPLETE, 3 ERRORS FOUND\n";
  const std::string line = "0123 7401      MOV   A,#01h        ; one line of the listing\n";
  std::string block;
  while (block.size() < (1U << 20)) block += line;
  block.resize(1U << 20);
  std::uint64_t written = 0;
  bool ok = true;
  while (ok && written + block.size() <= kListingSize - summary.size()) {
    ok = ::write(fd, block.data(), block.size()) == static_cast<ssize_t>(block.size());
    written += block.size();
  }
  const std::string rest(kListingSize - summary.size() - written, ' ');
  ok = ok && ::write(fd, rest.data(), rest.size()) == static_cast<ssize_t>(rest.size());
  ok = ok && ::write(fd, summary.data(), summary.size()) == static_cast<ssize_t>(summary.size());
  // Flushed first, so that write-back does not run during the timings.
  ok = ok && ::fdatasync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "/tmp";
  const std::string path = folder + "/scan_bench_" + std::to_string(::getpid()) + ".lst";
  if (!writeListing(path)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    ::unlink(path.c_str());
    return 1;
  }

  auto start = std::chrono::steady_clock::now();
  PosixFile file(path);
  const tamrill::SummaryScan scan = tamrill::scanSummary(file);
  const double scanMs = millisecondsSince(start);

  start = std::chrono::steady_clock::now();
  std::vector<char> buffer(1U << 20);
  std::uint64_t total = 0;
  PosixFile whole(path);
  for (ssize_t got; (got = ::read(whole.descriptor(), buffer.data(), buffer.size())) > 0;) {
    total += static_cast<std::uint64_t>(got);
  }
  const double readMs = millisecondsSince(start);
  ::unlink(path.c_str());

  const bool right = file.isOpen() && scan.outcome == tamrill::SummaryScan::Outcome::Read &&
                     scan.errorCount == 3 && total == kListingSize;
  std::printf("listing %llu bytes (in the page cache), count read %s (%g)\n",
              static_cast<unsigned long long>(kListingSize), right ? "right" : "WRONG",
              static_cast<double>(scan.errorCount));
  std::printf("scan:              %10.3f ms (target under 20 ms)\n", scanMs);
  std::printf("read whole file:   %10.3f ms\n", readMs);
  std::printf("whole read / scan: %10.0f x\n", scanMs > 0 ? readMs / scanMs : 0.0);
  return right ? 0 : 1;
}
