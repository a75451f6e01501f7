// The arguments are what follows the program's own name, exactly as typed.

#include "base/program_arguments.h"

#include <gtest/gtest.h>

namespace tamrill {
namespace {

TEST(ProgramArgumentsTest, AQuotedNameRunsToItsClosingQuote) {
  EXPECT_EQ(
      argumentsAfterProgramName(u"\"C:\\Program Files\\Tamrill\\tamrill.exe\" \"C:\\a b\\x.asm\""),
      u"\"C:\\a b\\x.asm\"");
  // Text glued to the closing quote is already an argument.
  EXPECT_EQ(argumentsAfterProgramName(u"\"C:\\t\\tamrill.exe\"\"C:\\x.asm\""), u"\"C:\\x.asm\"");
  EXPECT_EQ(argumentsAfterProgramName(u"\"C:\\t\\tamrill.exe\""), u"");
  EXPECT_EQ(argumentsAfterProgramName(u"\"C:\\never closed \"x\""), u"x\"");
  EXPECT_EQ(argumentsAfterProgramName(u"\"C:\\never closed"), u"");
}

TEST(ProgramArgumentsTest, AnUnquotedNameRunsToTheFirstBlank) {
  EXPECT_EQ(argumentsAfterProgramName(u"tamrill.exe \"C:\\x.asm\""), u"\"C:\\x.asm\"");
  EXPECT_EQ(argumentsAfterProgramName(u"C:\\t\\tamrill.exe"), u"");
  EXPECT_EQ(argumentsAfterProgramName(u"tam\"rill a\"b"), u"a\"b");
}

TEST(ProgramArgumentsTest, OnlyTheBlanksBeforeTheArgumentsGo) {
  EXPECT_EQ(argumentsAfterProgramName(u"t.exe \t  \"x.asm\"  "), u"\"x.asm\"  ");
  EXPECT_EQ(argumentsAfterProgramName(u"t.exe a   b"), u"a   b");
  EXPECT_EQ(argumentsAfterProgramName(u"\"t.exe\"   "), u"");
  EXPECT_EQ(argumentsAfterProgramName(u""), u"");
  EXPECT_EQ(argumentsAfterProgramName(u"   x"), u"x") << "no name at all";
}

TEST(ProgramArgumentsTest, CzechPathsPassUntouched) {
  EXPECT_EQ(argumentsAfterProgramName(u"tamrill.exe \"C:\\Příliš žluťoučký\\kůň.asm\""),
            u"\"C:\\Příliš žluťoučký\\kůň.asm\"");
}

}  // namespace
}  // namespace tamrill
