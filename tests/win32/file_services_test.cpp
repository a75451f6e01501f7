// The real file services under Wine: what counts as an existing file, copies that never replace,
// deletions, and reading a file that another program is still writing.

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "win32/win32_platform.h"

namespace tamrill::test {
namespace {

class FileServicesTest : public testing::Test {
 protected:
  win32::Win32Platform platform{::GetModuleHandleW(nullptr)};
  TempFolder folder;
};

TEST_F(FileServicesTest, OnlyAPlainFileAtExactlyThatPathExists) {
  writeFile(folder / u"mod51", "include");
  EXPECT_TRUE(platform.fileExists(folder / u"mod51"));
  EXPECT_TRUE(platform.fileExists(folder / u"MOD51")) << "Windows paths ignore letter case";
  EXPECT_FALSE(platform.fileExists(folder / u"mod52"));
  EXPECT_FALSE(platform.fileExists(folder / u"nowhere\\mod51"));
  EXPECT_FALSE(platform.fileExists(u""));
  EXPECT_FALSE(platform.fileExists(folder / u"mod51\\")) << "a file is no folder";
}

TEST_F(FileServicesTest, HiddenAndSystemFilesCountAsMissing) {
  writeFile(folder / u"hidden", "x");
  ASSERT_TRUE(::SetFileAttributesW(wide(folder / u"hidden").c_str(), FILE_ATTRIBUTE_HIDDEN));
  writeFile(folder / u"system", "x");
  ASSERT_TRUE(::SetFileAttributesW(wide(folder / u"system").c_str(), FILE_ATTRIBUTE_SYSTEM));
  EXPECT_FALSE(platform.fileExists(folder / u"hidden"));
  EXPECT_FALSE(platform.fileExists(folder / u"system"));
}

TEST_F(FileServicesTest, AFolderCountsAsMissing) {
  ASSERT_TRUE(::CreateDirectoryW(wide(folder / u"mod51").c_str(), nullptr));
  EXPECT_FALSE(platform.fileExists(folder / u"mod51"));
}

TEST_F(FileServicesTest, WildcardsAreNeverAPatternEvenWhenAFileWouldMatch) {
  writeFile(folder / u"asm51.exe", "MZ");
  EXPECT_FALSE(platform.fileExists(folder / u"asm5?.exe"));
  EXPECT_FALSE(platform.fileExists(folder / u"asm51.*"));
  EXPECT_FALSE(platform.fileExists(folder / u"*"));
  EXPECT_FALSE(platform.fileExists(folder.path() + u"?\\asm51.exe"));
}

// A read-only tool (a CD, a locked-down installation) must not give a copy that no clean-up
// can delete.
TEST_F(FileServicesTest, CopyOfAReadOnlyFileIsNotReadOnlyAndCanBeDeleted) {
  writeFile(folder / u"mod51", "include");
  ASSERT_TRUE(::SetFileAttributesW(wide(folder / u"mod51").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(::CreateDirectoryW(wide(folder / u"work").c_str(), nullptr));
  EXPECT_EQ(platform.copyFile(folder / u"mod51", folder / u"work\\mod51"), SysError::None);
  EXPECT_EQ(::GetFileAttributesW(wide(folder / u"work\\mod51").c_str()) & FILE_ATTRIBUTE_READONLY,
            0U);
  EXPECT_EQ(platform.deleteFile(folder / u"work\\mod51"), SysError::None);
  ::SetFileAttributesW(wide(folder / u"mod51").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(FileServicesTest, StampTellsAFileFromItsRewriteAndFromAFileThatReplacedIt) {
  writeFile(folder / u"mod51", "include");
  const StampResult first = platform.fileStamp(folder / u"mod51");
  ASSERT_EQ(first.error, SysError::None);
  EXPECT_EQ(first.stamp.size, 7U);
  EXPECT_NE(first.stamp.lastWrite, 0U);
  EXPECT_EQ(platform.fileStamp(folder / u"MOD51").stamp, first.stamp);

  writeFile(folder / u"mod51", "include, rewritten");
  EXPECT_NE(platform.fileStamp(folder / u"mod51").stamp, first.stamp);
  const StampResult rewritten = platform.fileStamp(folder / u"mod51");
  ASSERT_TRUE(::DeleteFileW(wide(folder / u"mod51").c_str()));
  writeFile(folder / u"mod51", "include, rewritten");
  EXPECT_NE(platform.fileStamp(folder / u"mod51").stamp, rewritten.stamp);

  EXPECT_EQ(platform.fileStamp(folder / u"mod52").error, SysError::NotFound);
  // The clock and the file times count alike: a file written now is stamped about now.
  const std::uint64_t now = platform.fileTimeNow();
  const std::uint64_t written = platform.fileStamp(folder / u"mod51").stamp.lastWrite;
  EXPECT_LT(now > written ? now - written : written - now, 600'000'000U);  // a minute
}

TEST_F(FileServicesTest, CzechLettersAndSpacesInThePath) {
  const Text subfolder = folder / u"Složka s mezerami";
  ASSERT_TRUE(::CreateDirectoryW(wide(subfolder).c_str(), nullptr));
  const Text file = subfolder + u"\\příliš žluťoučký kůň.asm";
  writeFile(file, "mov a,#1");
  EXPECT_TRUE(platform.fileExists(file));
  EXPECT_FALSE(platform.fileExists(subfolder + u"\\prilis zlutoucky kun.asm"));
  const auto reader = platform.openForReading(file);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->size(), 8U);
}

TEST_F(FileServicesTest, CopyMakesANewFileAndNeverReplacesOne) {
  writeFile(folder / u"asm51.exe", "the assembler");
  ASSERT_TRUE(::CreateDirectoryW(wide(folder / u"projekt").c_str(), nullptr));
  EXPECT_EQ(platform.copyFile(folder / u"asm51.exe", folder / u"projekt\\asm51.exe"),
            SysError::None);
  EXPECT_EQ(readFile(folder / u"projekt\\asm51.exe"), "the assembler");

  writeFile(folder / u"projekt\\mod51", "the user's own mod51");
  writeFile(folder / u"mod51", "ours");
  EXPECT_EQ(platform.copyFile(folder / u"mod51", folder / u"projekt\\mod51"),
            SysError::AlreadyExists);
  EXPECT_EQ(readFile(folder / u"projekt\\mod51"), "the user's own mod51");
}

TEST_F(FileServicesTest, CopyFailuresSayWhy) {
  writeFile(folder / u"mod52", "x");
  EXPECT_EQ(platform.copyFile(folder / u"missing", folder / u"copy"), SysError::NotFound);
  EXPECT_EQ(platform.copyFile(folder / u"mod52", folder / u"no folder\\mod52"), SysError::NotFound);
  EXPECT_FALSE(isThere(folder / u"copy"));
}

TEST_F(FileServicesTest, DeleteRemovesAFileAndReportsWhatItCouldNot) {
  writeFile(folder / u"copy", "x");
  EXPECT_EQ(platform.deleteFile(folder / u"copy"), SysError::None);
  EXPECT_FALSE(isThere(folder / u"copy"));
  EXPECT_EQ(platform.deleteFile(folder / u"copy"), SysError::NotFound);

  writeFile(folder / u"held", "x");
  const HANDLE held = ::CreateFileW(wide(folder / u"held").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(platform.deleteFile(folder / u"held"), SysError::InUse);
  ::CloseHandle(held);
  EXPECT_TRUE(isThere(folder / u"held"));
}

TEST_F(FileServicesTest, ReadsAFileThatAnotherHandleIsStillWriting) {
  const Text listing = folder / u"blik.lst";
  const HANDLE writer = ::CreateFileW(wide(listing).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(::WriteFile(writer, "assembly complete, ", 19, &written, nullptr));

  const auto reader = platform.openForReading(listing);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->size(), 19U);
  ASSERT_TRUE(::WriteFile(writer, "0 errors found", 14, &written, nullptr));
  EXPECT_EQ(reader->size(), 33U) << "the size follows the writer";

  std::string tail(14, '\0');
  ASSERT_TRUE(reader->read(19, tail.data(), tail.size()));
  EXPECT_EQ(tail, "0 errors found");
  std::string head(8, '\0');
  ASSERT_TRUE(reader->read(0, head.data(), head.size()));
  EXPECT_EQ(head, "assembly");
  EXPECT_FALSE(reader->read(30, tail.data(), 4)) << "past the end";
  EXPECT_FALSE(reader->read(33, tail.data(), 1));
  ::CloseHandle(writer);
}

TEST_F(FileServicesTest, ReadingAMissingFileGivesNothing) {
  EXPECT_EQ(platform.openForReading(folder / u"none.lst"), nullptr);
}

// The record of copies: its folder made with the ones above it, written whole over the old one
// with nothing left beside it, and listed with the other files of its folder only.
TEST_F(FileServicesTest, RecordsAreWrittenWholeAndListed) {
  const Text records = folder / u"AppData\\Local\\Tamrill";
  EXPECT_EQ(platform.createFolder(records), SysError::None);
  EXPECT_EQ(platform.createFolder(records), SysError::None) << "one there already is fine";
  EXPECT_EQ(platform.writeFileDurably(records + u"\\copies-1-2.txt", "first"), SysError::None);
  EXPECT_EQ(platform.writeFileDurably(records + u"\\copies-1-2.txt", "second, longer"),
            SysError::None);
  EXPECT_EQ(readFile(records + u"\\copies-1-2.txt"), "second, longer");
  ASSERT_TRUE(::CreateDirectoryW(wide(records + u"\\a folder").c_str(), nullptr));
  EXPECT_EQ(platform.filesIn(records), std::vector<Text>{u"copies-1-2.txt"});
  EXPECT_TRUE(platform.filesIn(folder / u"nowhere").empty());

  writeFile(folder / u"plain", "x");
  EXPECT_EQ(platform.createFolder(folder / u"plain"), SysError::AlreadyExists);
  EXPECT_NE(platform.writeFileDurably(folder / u"nowhere\\copies-1-2.txt", "x"), SysError::None);
}

// "Not found" on a drive that is there means the file is gone; on a drive that is not there it
// means nothing is known.
TEST_F(FileServicesTest, AMissingDriveIsUnreachableAndAMissingFolderIsNotFound) {
  Text missing;
  for (char16_t drive = u'Q'; drive <= u'Y' && missing.empty(); ++drive) {
    const Text root = Text(1, drive) + u":\\";
    if (::GetFileAttributesW(wide(root).c_str()) == INVALID_FILE_ATTRIBUTES) missing = root;
  }
  ASSERT_FALSE(missing.empty()) << "every drive letter from Q to Y is taken";
  EXPECT_EQ(platform.fileStamp(missing + u"projekt\\mod51").error, SysError::Unreachable);
  EXPECT_EQ(platform.deleteFile(missing + u"projekt\\mod51"), SysError::Unreachable);
  EXPECT_EQ(platform.fileStamp(folder / u"no folder\\mod51").error, SysError::NotFound);
  EXPECT_EQ(platform.deleteFile(folder / u"no folder\\mod51"), SysError::NotFound);
}

}  // namespace
}  // namespace tamrill::test
