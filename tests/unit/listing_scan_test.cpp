// The listing scan: the search from the end must agree with cutting the whole text, read little
// of a long listing, and set errorCount and listingText as the scan's cuts say.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/application.h"
#include "base/cp1250.h"
#include "base/number.h"
#include "report/listing_scan.h"
#include "report/summary_search.h"
#include "support/fake_platform.h"
#include "support/whole_text_scan.h"

namespace tamrill {
namespace {

using Outcome = SummaryScan::Outcome;

// A listing in memory that counts what is read and can refuse its nth read.
class StringFile final : public ReadableFile {
 public:
  explicit StringFile(std::string bytes, int failingRead = -1)
      : bytes_(std::move(bytes)), failingRead_(failingRead) {}
  std::uint64_t size() const override { return bytes_.size(); }
  bool read(std::uint64_t offset, char* buffer, std::size_t count) override {
    if (reads_++ == failingRead_) return false;
    if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
    std::memcpy(buffer, bytes_.data() + offset, count);
    bytesRead_ += count;
    return true;
  }
  int reads() const { return reads_; }
  std::uint64_t bytesRead() const { return bytesRead_; }

 private:
  std::string bytes_;
  int failingRead_;
  int reads_ = 0;
  std::uint64_t bytesRead_ = 0;
};

using test::wholeTextScan;

SummaryScan scanBytes(const std::string& bytes, std::size_t chunk = kDefaultChunk) {
  StringFile file(bytes);
  return scanSummary(file, chunk);
}

void expectSame(const SummaryScan& actual, const SummaryScan& expected, const std::string& bytes,
                std::size_t chunk) {
  const auto where = ::testing::Message() << "chunk " << chunk << ", listing \"" << bytes << '"';
  ASSERT_EQ(actual.outcome, expected.outcome) << where;
  EXPECT_EQ(actual.errorCount, expected.errorCount) << where;
  EXPECT_EQ(std::signbit(actual.errorCount), std::signbit(expected.errorCount)) << where;
  EXPECT_EQ(actual.listingText, expected.listingText) << where;
}

TEST(SummarySearch, AgreesWithTheWholeTextOnGeneratedListings) {
  // Markers in several letter cases, near misses, numbers, blanks, and Czech bytes.
  // clang-format off
  const std::vector<std::string> pieces = {
      " errors found",  " ERRORS FOUND",  " Errors Found",      "assembly complete,",
      "ASSEMBLY COMPLETE,", "Assembly Complete,", "assembly complete", " errors foun",
      "errors found",   " error found",   " 3",                 " 12 ",
      " no ",           "-3",             "0.5",                "1e39",
      "\n",             "\r\n",           "\t",                 " ",
      "x",              "e",              ".",                  "+",
      "\xC8\xE8\x8A\x9E\xCC",  "7",       "0000",               "ASSEMBLY",
      "assembly complete, 3 errors found", "ASSEMBLY COMPLETE, NO ERRORS FOUND",
  };
  // clang-format on
  std::mt19937 random(20240611);
  int checked = 0;
  for (int round = 0; round < 4000; ++round) {
    std::string bytes;
    const int count = static_cast<int>(random() % 14);
    for (int i = 0; i < count; ++i) bytes += pieces[random() % pieces.size()];
    if (random() % 4 == 0) {
      // Random bytes, any value, to mix with the markers.
      const int extra = static_cast<int>(random() % 20);
      for (int i = 0; i < extra; ++i) {
        bytes.insert(bytes.begin() + static_cast<long>(random() % (bytes.size() + 1)),
                     static_cast<char>(random() % 256));
      }
    }
    const SummaryScan expected = wholeTextScan(bytes);
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{5}, std::size_t{13},
                                    std::size_t{17}, std::size_t{64}, kDefaultChunk}) {
      expectSame(scanBytes(bytes, chunk), expected, bytes, chunk);
      if (::testing::Test::HasFailure()) return;
    }
    checked += expected.outcome == Outcome::Read ? 1 : 0;
  }
  // The generator must reach the successful reads too, not only the failures.
  EXPECT_GT(checked, 400);
}

TEST(SummarySearch, MarkersSplitAcrossEveryChunkBorder) {
  const std::string head = "0123456789 listing line\n";
  for (const char* tail : {"Assembly Complete, 4 Errors Found\n", " 5 errors found"}) {
    const std::string bytes = head + tail;
    const SummaryScan expected = wholeTextScan(bytes);
    for (std::size_t chunk = 1; chunk <= bytes.size() + 1; ++chunk) {
      expectSame(scanBytes(bytes, chunk), expected, bytes, chunk);
    }
  }
}

TEST(SummarySearch, ShortAndEmptyListings) {
  for (const std::string& bytes :
       {std::string(), std::string(" errors found"), std::string(16, 'a') + " errors found",
        std::string(17, 'a') + " errors found", std::string(18, 'a') + " errors found",
        std::string("assembly complete, errors found"),
        std::string("assembly complete,assembly complete, 2 errors found")}) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, kDefaultChunk}) {
      expectSame(scanBytes(bytes, chunk), wholeTextScan(bytes), bytes, chunk);
    }
  }
}

TEST(SummarySearch, ReadsOnlyTheEndOfALongListing) {
  std::string bytes;
  while (bytes.size() < 8 * 1024 * 1024) bytes += "0001 7400      MOV A,#00h   ; errors\n";
  bytes += "\nASSEMBLY COMPLETE, 3 ERRORS FOUND\n";
  StringFile file(bytes);
  const SummaryScan scan = scanSummary(file);
  EXPECT_EQ(scan.outcome, Outcome::Read);
  EXPECT_EQ(scan.errorCount, 3);
  EXPECT_LE(file.bytesRead(), 4 * kDefaultChunk);
}

TEST(SummarySearch, AFailingReadAnywhereMakesTheListingUnreadable) {
  const std::string bytes = std::string(100, 'x') + "assembly complete, 2 errors found";
  StringFile probe(bytes);
  ASSERT_EQ(scanSummary(probe, 16).outcome, Outcome::Read);
  for (int failing = 0; failing < probe.reads(); ++failing) {
    StringFile file(bytes, failing);
    const SummaryScan scan = scanSummary(file, 16);
    EXPECT_EQ(scan.outcome, Outcome::Unreadable) << "read " << failing;
    EXPECT_TRUE(scan.listingText.empty());
  }
}

TEST(SummarySearch, ListingTextIsBoundedWhenTheMarkersAreFarApart) {
  const std::string bytes = "assembly complete, 1" + std::string(100000, ' ') + " errors found";
  const SummaryScan scan = scanBytes(bytes);
  EXPECT_EQ(scan.outcome, Outcome::Read);
  EXPECT_EQ(scan.errorCount, 1);
  EXPECT_EQ(scan.listingText.size(), kListingTextLimit);
  EXPECT_EQ(scan.listingText.substr(0, 3), u" 1 ");
}

// --- scanListing on the program state, through the fake platform ---

class ScanListingTest : public ::testing::Test {
 protected:
  static constexpr char16_t kListing[] = u"C:\\projekt\\blik.lst";

  void listing(const std::string& bytes) {
    fake.addFile(kListing, bytes);
    app.state.listingPath = kListing;
  }

  test::FakePlatform fake;
  Application app{fake, fake};
};

struct ScanCase {
  const char* name;
  std::string listing;
  float errorCount;
  const char16_t* listingText;
};

class ScanReads : public ScanListingTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(ScanReads, TheCountOfTheSummary) {
  const ScanCase& c = GetParam();
  listing(c.listing);
  app.state.errorCount = 99;
  ASSERT_EQ(scanListing(app.platform, app.state), ScanResult::Read);
  EXPECT_EQ(app.state.errorCount, c.errorCount);
  EXPECT_EQ(app.state.listingText, c.listingText);
  EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Summaries, ScanReads,
    ::testing::Values(
        ScanCase{"TwoErrors", "0000 main: nop\n\nASSEMBLY COMPLETE, 2 ERRORS FOUND\n", 2, u" 2 "},
        ScanCase{"NoErrors", "ASSEMBLY COMPLETE, NO ERRORS FOUND\r\n", 0, u" NO "},
        ScanCase{"MixedCase", "Assembly Complete, 4 Errors Found", 4, u" 4 "},
        ScanCase{"LaterSummaryCounts",
                 "assembly complete, 5 errors found\nassembly complete, 1 errors found\n", 1,
                 u" 1 "},
        // "assembly complete," after the last " errors found" does not count.
        ScanCase{"CompleteOnlyAheadOfTheCount",
                 "assembly complete, 2 errors found\nassembly complete, 9 ...", 2, u" 2 "},
        ScanCase{"CountWithoutABlank", "ASSEMBLY COMPLETE,7 ERRORS FOUND", 7, u"7 "},
        ScanCase{"BlanksAndLineEndsAround", "assembly complete, \t\r\n5 \n errors found", 5,
                 u" \t\r\n5 \n "},
        ScanCase{"FractionalCount", "assembly complete, 0.5 errors found", 0.5F, u" 0.5 "},
        ScanCase{"NegativeCount", "assembly complete, -3 errors found", -3, u" -3 "},
        ScanCase{"AnyWordReadsZero",
                 "assembly complete, \xC8\xE1"
                 "dn\xE9 errors found",
                 0, u" Čádné "}),
    [](const auto& info) { return std::string(info.param.name); });

// No count is made up from other text: only "assembly complete," with one number or word
// between it and the last " errors found" is a summary.
TEST_F(ScanListingTest, WithoutASummaryNoCountIsMadeUpAndTheCountStays) {
  struct Failing {
    std::string listing;
    ScanResult result;
  };
  for (const Failing& c : {
           Failing{"assembly complete, 1 error found", ScanResult::NoSummary},  // singular
           Failing{"0000 ; 3 errors found in the old version\n", ScanResult::NoSummary},
           Failing{"ABCDEFGHIJKLMNOPQRSTUVWXYZ 51 errors found", ScanResult::NoSummary},
           Failing{"assembly complete, 3 chyby errors found", ScanResult::NoSummary},
           Failing{"assembly complete, errors found", ScanResult::NoSummary},
           Failing{"assembly complete, 3\r\n; errors found", ScanResult::NoSummary},
           Failing{"0000 NOP\r\nASSEMBLY COMPLETE, 2 ERR", ScanResult::NoSummary},  // cut short
           Failing{"assembly complete, 1e39 errors found", ScanResult::Failed},  // beyond a float
       }) {
    listing(c.listing);
    app.state.errorCount = 7;
    EXPECT_EQ(scanListing(app.platform, app.state), c.result) << c.listing;
    EXPECT_EQ(app.state.errorCount, 7);
  }
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ScanListingTest, AListingThatCannotBeReadIsAFailure) {
  listing("assembly complete, 2 errors found");
  app.state.listingText = u"before";
  for (const auto call : {test::FakePlatform::Call::Open, test::FakePlatform::Call::Read}) {
    fake.failNext(call, SysError::InUse);
    EXPECT_EQ(scanListing(app.platform, app.state), ScanResult::Failed);
    EXPECT_EQ(app.state.errorCount, 0);
    EXPECT_EQ(app.state.listingText, u"before");
  }
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_EQ(scanListing(app.platform, app.state), ScanResult::Read);  // one-off failures
  EXPECT_EQ(app.state.errorCount, 2);
}

TEST_F(ScanListingTest, NoListingGivesMinusTenAndSaysWhichFile) {
  app.state.listingText = u"kept";
  ASSERT_EQ(scanListing(app.platform, app.state), ScanResult::NoListing);
  EXPECT_EQ(app.state.errorCount, -10);
  app.state.listingPath = kListing;  // a source is loaded, its listing is not there
  app.state.errorCount = 3;
  ASSERT_EQ(scanListing(app.platform, app.state), ScanResult::NoListing);
  EXPECT_EQ(app.state.errorCount, -10);
  // A hidden listing counts as missing too.
  fake.addFile(kListing, "assembly complete, 2 errors found", true);
  ASSERT_EQ(scanListing(app.platform, app.state), ScanResult::NoListing);
  EXPECT_EQ(app.state.errorCount, -10);

  ASSERT_EQ(fake.messages.size(), 3U);
  EXPECT_EQ(fake.messages[0].text, u"Soubor nenačten");
  EXPECT_EQ(fake.messages[1].text, u"Soubor C:\\projekt\\blik.lst neexistuje");
  EXPECT_EQ(fake.messages[2].text, u"Soubor C:\\projekt\\blik.lst neexistuje");
  for (const auto& m : fake.messages) {
    EXPECT_EQ(m.title, u"Informace");
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(app.state.listingText, u"kept");
}

}  // namespace
}  // namespace tamrill
