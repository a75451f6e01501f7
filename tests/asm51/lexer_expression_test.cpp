#include <gtest/gtest.h>

#include <string>

#include "expression.h"
#include "lexer.h"

namespace asm51 {
namespace {

struct Evaluator {
  SymbolTable symbols;
  std::uint16_t location = 0x1234;

  ExprResult operator()(std::string_view text) {
    const std::string line(text);
    const std::vector<Token> tokens = tokenize(line);
    const EvalEnv env{symbols, location, 1};
    return evaluate(std::span<const Token>(tokens).first(tokens.size() - 1), env);
  }
  void define(const std::string& name, std::uint16_t value) {
    Symbol s;
    s.name = name;
    s.value = value;
    s.known = true;
    symbols.add(upper(name), s);
  }
};

struct Case {
  const char* text;
  std::uint16_t value;
};

TEST(Expression, NumberBasesAndCharacterConstants) {
  Evaluator eval;
  for (const Case& c :
       {Case{"255", 255}, Case{"0FFH", 255}, Case{"0ffh", 255}, Case{"1010B", 10}, Case{"17O", 15},
        Case{"17Q", 15}, Case{"12D", 12}, Case{"0", 0}, Case{"65535", 65535}, Case{"'A'", 65},
        Case{"'AB'", 0x4142}, Case{"''''", 39}, Case{"\"z\"", 'z'}}) {
    const ExprResult r = eval(c.text);
    EXPECT_FALSE(r.error) << c.text;
    EXPECT_TRUE(r.known) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(Expression, MalformedNumbersAreErrors) {
  Evaluator eval;
  for (const char* text : {"0FFG", "19O", "2B", "4294967296", "12AD", "1FFFFFFFFH"}) {
    const ExprResult r = eval(text);
    ASSERT_TRUE(r.error) << text;
    EXPECT_EQ(*r.error, ErrorCode::BadNumber) << text;
  }
  // Without a leading digit it is a name, not a number.
  EXPECT_EQ(eval("FFH").undefinedName, "FFH");
}

TEST(Expression, OperatorsAndPrecedence) {
  Evaluator eval;
  for (const Case& c : {
           Case{"2+3*4", 14},
           Case{"(2+3)*4", 20},
           Case{"10-2-3", 5},
           Case{"100/7", 14},
           Case{"100 MOD 7", 2},
           Case{"1 SHL 4", 16},
           Case{"80H SHR 3", 16},
           Case{"1 SHL 16", 0},
           Case{"HIGH 1234H", 0x12},
           Case{"LOW 1234H", 0x34},
           Case{"HIGH 1234H + 1", 0x13},
           Case{"NOT 0", 0xFFFF},
           Case{"0F0H AND 3CH", 0x30},
           Case{"0F0H OR 0FH", 0xFF},
           Case{"0FFH XOR 0FH", 0xF0},
           Case{"1 OR 2 AND 0", 1},
           Case{"3 EQ 3", 0xFFFF},
           Case{"3 NE 3", 0},
           Case{"2 LT 3", 0xFFFF},
           Case{"3 LE 3", 0xFFFF},
           Case{"4 GT 3", 0xFFFF},
           Case{"3 GE 4", 0},
           Case{"2+3 = 5", 0xFFFF},
           Case{"2 <> 2", 0},
           Case{"2 < 1", 0},
           Case{"2 >= 2", 0xFFFF},
           Case{"NOT 1 EQ 1", 0},
           Case{"-1", 0xFFFF},
           Case{"- -5", 5},
           Case{"-2*3", 0xFFFA},
           Case{"0 - 1000", 0xFC18},
           Case{"$", 0x1234},
           Case{"$+2", 0x1236},
           Case{"LOW ($ SHR 4)", 0x23},
           Case{"2*(3+(4-1))", 12},
           // Intermediate values beyond 16 bits, as in timer reloads.
           Case{"HIGH(65536-50000)", 0x3C},
           Case{"LOW(65536-50000)", 0xB0},
           Case{"(65536-50000)/256", 0x3C},
           Case{"10000H SHR 4", 0x1000},
           // C spellings.
           Case{"0x1F + 0X10", 0x2F},
           Case{"1 << 4 | 1", 0x11},
           Case{"0F0H >> 4 & 3", 3},
           Case{"~0 % 7", 0xFFFFFFFF % 7 & 0xFFFF},
           // C's logical operators, looser than all others, && before ||.
           Case{"2 && 1", 0xFFFF},
           Case{"2 & 1 && 1", 0},
           Case{"1 | 2 && 0", 0},
           Case{"0 && 1 || 3", 0xFFFF},
           Case{"1 || 1 && 0", 0xFFFF},
           Case{"(1 || 0) + 1", 0},
           Case{"!0 + !7", 0xFFFF},
           Case{"1+2 == 3 && 3 != 4", 0xFFFF},
           Case{"!(1 && 0)", 0xFFFF},
       }) {
    const ExprResult r = eval(c.text);
    EXPECT_FALSE(r.error) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(Expression, BitSelection) {
  Evaluator eval;
  eval.define("P1", 0x90);
  eval.define("ACC", 0xE0);
  for (const Case& c : {Case{"20H.0", 0}, Case{"20H.3", 3}, Case{"2FH.7", 0x7F}, Case{"P1.0", 0x90},
                        Case{"ACC.7", 0xE7}, Case{"p1.5", 0x95}}) {
    const ExprResult r = eval(c.text);
    EXPECT_FALSE(r.error) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
  EXPECT_EQ(eval("30H.0").error, ErrorCode::NotBitAddressable);
  EXPECT_EQ(eval("81H.1").error, ErrorCode::NotBitAddressable);
  EXPECT_EQ(eval("20H.8").error, ErrorCode::BitNumberOutOfRange);
  EXPECT_EQ(eval("20H.8").detail, "8");
  EXPECT_EQ(eval("0A1H.1").detail, "0A1H");
}

TEST(Expression, UndefinedSymbolsAreUnknownNotErrors) {
  Evaluator eval;
  eval.define("Known", 5);
  const ExprResult r = eval("known + Later * 2");
  EXPECT_FALSE(r.error);
  EXPECT_FALSE(r.known);
  EXPECT_EQ(r.undefinedName, "Later");
  // An unknown divisor is no division by zero yet.
  EXPECT_FALSE(eval("4 / Later").error);
}

TEST(Expression, Errors) {
  Evaluator eval;
  EXPECT_EQ(eval("5 / 0").error, ErrorCode::DivisionByZero);
  EXPECT_EQ(eval("5 MOD (2-2)").error, ErrorCode::DivisionByZero);
  EXPECT_EQ(eval("(1+2").error, ErrorCode::MissingParenthesis);
  EXPECT_EQ(eval("1 2").error, ErrorCode::Syntax);
  EXPECT_EQ(eval("3 *").error, ErrorCode::IncompleteExpression);
  EXPECT_EQ(eval("3 *").detail, "*");
  EXPECT_EQ(eval("'ABC'").error, ErrorCode::StringValue);
  EXPECT_EQ(eval("DPTR + 1").error, ErrorCode::ReservedWord);
  EXPECT_EQ(eval("R3 + 1").error, ErrorCode::RegisterAsValue);
  EXPECT_EQ(eval("1 + 'open").error, ErrorCode::UnterminatedString);
  EXPECT_EQ(eval("1 ` 2").error, ErrorCode::UnexpectedCharacter);
  EXPECT_EQ(eval("1 ! 2").error, ErrorCode::Syntax);
}

TEST(Expression, NestingIsLimited) {
  Evaluator eval;
  const auto nested = [](int depth) {
    return std::string(depth, '(') + "7" + std::string(depth, ')');
  };
  EXPECT_EQ(eval(nested(kMaxExpressionDepth - 2)).value, 7);
  EXPECT_EQ(eval(nested(kMaxExpressionDepth + 5)).error, ErrorCode::ExpressionTooDeep);
  std::string minuses(200, '-');
  EXPECT_EQ(eval(minuses + "1").error, ErrorCode::ExpressionTooDeep);
  std::string nots;
  for (int i = 0; i < 100; ++i) nots += "NOT ";
  EXPECT_EQ(eval(nots + "1").error, ErrorCode::ExpressionTooDeep);
}

TEST(Lexer, CommentsStringsAndPunctuation) {
  const auto tokens = tokenize("lab: mov a,#'x;y' ; comment, with 'quote");
  ASSERT_EQ(tokens.size(), 8u);
  EXPECT_EQ(tokens[0].kind, Tok::Ident);
  EXPECT_EQ(tokens[1].kind, Tok::Colon);
  EXPECT_EQ(tokens[4].kind, Tok::Comma);
  EXPECT_EQ(tokens[5].kind, Tok::Hash);
  EXPECT_EQ(tokens[6].kind, Tok::String);
  EXPECT_EQ(tokens[6].text, "x;y");
  EXPECT_EQ(tokens[7].kind, Tok::End);

  const auto open = tokenize("DB 'unterminated");
  EXPECT_EQ(open[1].kind, Tok::Bad);
  EXPECT_TRUE(open[1].unterminated);
  // Operands as written, quotes included, for the messages.
  EXPECT_EQ(writtenText(std::span(tokens).subspan(3, 4)), "a,#'x;y'");
  EXPECT_EQ(writtenText(std::span(open).subspan(1)), "'unterminated");
  const auto ops = tokenize("<> <= >= < > =");
  EXPECT_EQ(ops[0].kind, Tok::Ne);
  EXPECT_EQ(ops[1].kind, Tok::Le);
  EXPECT_EQ(ops[2].kind, Tok::Ge);
  EXPECT_EQ(ops[3].kind, Tok::Lt);
  EXPECT_EQ(ops[4].kind, Tok::Gt);
  EXPECT_EQ(ops[5].kind, Tok::Eq);
}

}  // namespace
}  // namespace asm51
