#pragma once

#include <string>
#include <string_view>

#include "text_encoding.h"

namespace asm51 {

enum class ErrorCode {
  Syntax,
  UnknownInstruction,
  BadOperand,
  UndefinedSymbol,
  DuplicateSymbol,
  ReservedWord,
  BadNumber,
  ValueOutOfRange,
  BranchOutOfRange,
  PageOutOfRange,
  NotBitAddressable,
  DivisionByZero,
  ExpressionTooDeep,
  ForwardReference,
  WrongSegment,
  CodeBeyond64K,
  CodeOverlap,
  MissingInclude,
  MissingModFile,
  IncludeTooDeep,
  NetworkInclude,
  MacroTooDeep,
  TooManyLines,
  UnbalancedConditional,
  UnterminatedBlock,
  TooManyErrors,
  LineTooLong,
  UnterminatedString,
  UnexpectedCharacter,
  MissingExpression,
  IncompleteExpression,
  MissingParenthesis,
  NotARegister,
  IndirectRegister,
  RegisterAsValue,
  OperandCount,
  MissingOperand,
  OperandCombination,
  StringValue,
  EmptyString,
  AddressOutOfRange,
  BitAddressOutOfRange,
  DefinitionOutOfRange,
  BankOutOfRange,
  BitNumberOutOfRange,
  CallPageOutOfRange,
  WrongSegmentForBits,
  ReserveInBitSegment,
  SegmentAt,
  ConditionName,
  SecondElse,
  UnclosedIf,
  ExitmOutsideMacro,
  DuplicateMacro,
  TooManyArguments,
  MissingIncludeName,
  ForwardConflict,
  SymbolMoved,
  LinkingUnsupported,
  MissingEnd,
  HexNotWritten,
  ValueTooLate,
  // Includes refused by their name, and the C preprocessor's lines.
  DeviceInclude,
  UnknownDirective,
  MissingMacroName,
  BadIncludeName,
  MissingCondition,
  UnbalancedDirective,
  UnterminatedComment,
  ErrorDirective,
  BadMacroCall,
  DefineTooDeep,
  BadParameterList,
  UnclosedDirective,
  DirectiveAfterElse,
};

// The message of a code, Czech, in UTF-8: "{1}" stands for the diagnostic's
// detail and "{2}" for its extra part.
std::string_view errorMessage(ErrorCode code);

struct Diagnostic {
  ErrorCode code;
  std::string detail;      // the offending token as written, or a number
  std::string extra;       // a second part of some messages, from the source or a number
  std::string suggestion;  // a defined name that the writer may have meant
  std::string fileName;    // file the line came from
  std::string sourceLine;  // the line as written (cut when long), for the list of errors
  int line = 0;            // line number within that file; 0 for none
  bool included = false;   // line from an included file rather than the main source
  bool fatal = false;      // assembly stopped here
  bool warning = false;    // shown, but not counted among the errors
};

// The message with its parts filled in: the assembler's own words are written
// in `to`, the parts taken from a source in encoding `source` are converted.
void appendMessage(std::string& out, const Diagnostic& d, TextEncoding source, TextEncoding to);
// The same as UTF-8, for a source in encoding `source`.
std::string messageText(const Diagnostic& d, TextEncoding source = TextEncoding::Utf8);

}  // namespace asm51
