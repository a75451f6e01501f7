// The derivation rules by which the program cuts its paths.

#include <gtest/gtest.h>

#include "base/paths.h"

namespace tamrill {
namespace {

TEST(Paths, SourceInAFolder) {
  const Text path = u"C:\\work\\blink.asm";
  const Text name = fileNameOf(path);
  EXPECT_EQ(name, u"blink.asm");
  EXPECT_EQ(folderOf(path, name), u"C:\\work\\");
  EXPECT_EQ(replaceLast3(path, u"hex"), u"C:\\work\\blink.hex");
  EXPECT_EQ(replaceLast3(path, u"lst"), u"C:\\work\\blink.lst");
  EXPECT_EQ(baseNameOf(name), u"blink");
}

TEST(Paths, LastThreeCharactersAreReplacedWhateverTheyAre) {
  EXPECT_EQ(replaceLast3(u"C:\\work\\prog.s", u"hex"), u"C:\\work\\prohex");
  EXPECT_EQ(replaceLast3(u"C:\\x\\prog.a51", u"lst"), u"C:\\x\\prog.lst");
  EXPECT_EQ(replaceLast3(u"ab", u"hex"), u"hex");
}

TEST(Paths, PathWithoutBackslashIsItsOwnName) {
  EXPECT_EQ(fileNameOf(u"blink.asm"), u"blink.asm");
  EXPECT_EQ(folderOf(u"blink.asm", u"blink.asm"), u"");
}

TEST(Paths, TrailingBackslashGivesAnEmptyName) {
  EXPECT_EQ(fileNameOf(u"C:\\work\\"), u"");
  EXPECT_EQ(folderOf(u"C:\\work\\", u""), u"C:\\work\\");
}

TEST(Paths, CzechNamesAreCutByCharacters) {
  const Text path = u"D:\\Projekty 2026\\řízení\\žárovka.asm";
  EXPECT_EQ(fileNameOf(path), u"žárovka.asm");
  EXPECT_EQ(folderOf(path, fileNameOf(path)), u"D:\\Projekty 2026\\řízení\\");
  EXPECT_EQ(baseNameOf(u"žárovka.asm"), u"žárovka");
}

TEST(Paths, ShortNamesHaveNoBaseName) {
  EXPECT_EQ(baseNameOf(u".asm"), u"");
  EXPECT_EQ(baseNameOf(u"a.s"), u"");
}

TEST(Text, LowerCaseCoversCzechCapitals) {
  EXPECT_EQ(toLower(u"ŽLUŤOUČKÝ KŮŇ ĎÁBELSKÉ ÓDY Ř Ě Š"), u"žluťoučký kůň ďábelské ódy ř ě š");
  EXPECT_EQ(toLower(u"BLINK.ASM\""), u"blink.asm\"");
}

TEST(Text, Utf8RoundTrip) {
  const std::string utf8 = "Přeložit 𝄞 ×";
  EXPECT_EQ(toUtf8(fromUtf8(utf8)), utf8);
  EXPECT_EQ(fromUtf8("Přeložit").size(), 8U);
}

TEST(Paths, CommandLinePathsAreMadeAbsoluteAgainstTheStartFolder) {
  const Text start = u"C:\\Users\\student\\projekt";
  EXPECT_EQ(absolutePath(u"blink.asm", start), u"C:\\Users\\student\\projekt\\blink.asm");
  EXPECT_EQ(absolutePath(u".\\src\\..\\blink.asm", start),
            u"C:\\Users\\student\\projekt\\blink.asm");
  EXPECT_EQ(absolutePath(u"..\\x.asm", start), u"C:\\Users\\student\\x.asm");
  EXPECT_EQ(absolutePath(u"..\\..\\..\\..\\x.asm", start), u"C:\\x.asm");
  EXPECT_EQ(absolutePath(u"\\x.asm", start), u"C:\\x.asm");
  // The same drive's current folder is the start folder; another drive's is not known.
  EXPECT_EQ(absolutePath(u"c:x.asm", start), u"C:\\Users\\student\\projekt\\x.asm");
  EXPECT_EQ(absolutePath(u"D:x.asm", start), u"D:\\x.asm");
  EXPECT_EQ(absolutePath(u"blink.asm", u"C:\\"), u"C:\\blink.asm");
  // Absolute and network paths stay as they are.
  EXPECT_EQ(absolutePath(u"E:\\Mé projekty\\blink.asm", start), u"E:\\Mé projekty\\blink.asm");
  EXPECT_EQ(absolutePath(u"\\\\server\\share\\blink.asm", start), u"\\\\server\\share\\blink.asm");
  EXPECT_EQ(absolutePath(u"blink.asm", u"\\\\server\\share"), u"\\\\server\\share\\blink.asm");
  EXPECT_EQ(absolutePath(u"\\x.asm", u"\\\\server\\share\\dir"), u"\\\\server\\share\\x.asm");
  EXPECT_EQ(absolutePath(u"", start), u"");
}

}  // namespace
}  // namespace tamrill
