#pragma once

#include <string>
#include <string_view>

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
  // What goes in: includes refused by their name, and the C preprocessor's lines.
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
};

// Messages are fixed texts: the listing's error summary repeats them after the
// summary line, where no source text may appear.
std::string_view errorMessage(ErrorCode code);

struct Diagnostic {
  ErrorCode code;
  std::string detail;     // the offending name or text, shown under the line only
  std::string fileName;   // file the line came from
  int line = 0;           // line number within that file
  bool included = false;  // line from an included file rather than the main source
  bool fatal = false;     // assembly stopped here
};

}  // namespace asm51
