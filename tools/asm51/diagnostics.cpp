#include "diagnostics.h"

namespace asm51 {

std::string_view errorMessage(ErrorCode code) {
  switch (code) {
    case ErrorCode::Syntax:
      return "syntax error";
    case ErrorCode::UnknownInstruction:
      return "unknown instruction or directive";
    case ErrorCode::BadOperand:
      return "invalid operand";
    case ErrorCode::UndefinedSymbol:
      return "undefined symbol";
    case ErrorCode::DuplicateSymbol:
      return "duplicate symbol";
    case ErrorCode::ReservedWord:
      return "reserved word used as a symbol";
    case ErrorCode::BadNumber:
      return "invalid number";
    case ErrorCode::ValueOutOfRange:
      return "value out of range";
    case ErrorCode::BranchOutOfRange:
      return "relative jump out of range";
    case ErrorCode::PageOutOfRange:
      return "target outside the current 2 KiB page";
    case ErrorCode::NotBitAddressable:
      return "address is not bit-addressable";
    case ErrorCode::DivisionByZero:
      return "division by zero";
    case ErrorCode::ExpressionTooDeep:
      return "expression nested too deeply";
    case ErrorCode::ForwardReference:
      return "value must be known before this line";
    case ErrorCode::WrongSegment:
      return "not allowed in this segment";
    case ErrorCode::CodeBeyond64K:
      return "code beyond 64 KiB";
    case ErrorCode::CodeOverlap:
      return "code overlaps earlier code";
    case ErrorCode::MissingInclude:
      return "cannot read include file";
    case ErrorCode::MissingModFile:
      return "cannot read register definition file";
    case ErrorCode::IncludeTooDeep:
      return "too many or too deeply nested include files";
    case ErrorCode::NetworkInclude:
      return "include file on another computer refused";
    case ErrorCode::MacroTooDeep:
      return "macro calls nested too deeply";
    case ErrorCode::TooManyLines:
      return "too many lines, counting macro expansions";
    case ErrorCode::UnbalancedConditional:
      return "IF, ELSE and ENDIF do not pair up";
    case ErrorCode::UnterminatedBlock:
      return "MACRO or REPT without ENDM";
    case ErrorCode::TooManyErrors:
      return "too many errors";
    case ErrorCode::LineTooLong:
      return "macro expansion makes a line too long";
    case ErrorCode::DeviceInclude:
      return "jméno zařízení nebo cesta k zařízení se nedá vložit jako soubor; vložte soubor ze "
             "složky zdrojového textu pod jiným jménem";
    case ErrorCode::UnknownDirective:
      return "neznámá direktiva; preprocesor zná #define, #undef, #include, #if, #ifdef, #ifndef, "
             "#elif, #else, #endif a #error";
    case ErrorCode::MissingMacroName:
      return "za direktivou chybí jméno makra (písmena, číslice a _, na začátku písmeno nebo _)";
    case ErrorCode::BadIncludeName:
      return "jméno souboru patří do uvozovek nebo do <>, např. #include \"defs.inc\"";
    case ErrorCode::MissingCondition:
      return "za direktivou chybí podmínka, např. #if POCET > 2";
    case ErrorCode::UnbalancedDirective:
      return "#if, #elif, #else a #endif netvoří páry; každý #if ukončete jedním #endif ve stejném "
             "souboru";
    case ErrorCode::UnterminatedComment:
      return "neukončený komentář /*; ukončete ho znaky */";
    case ErrorCode::ErrorDirective:
      return "chyba ohlášená direktivou #error";
    case ErrorCode::BadMacroCall:
      return "volání neodpovídá makru z #define; uveďte v závorkách tolik argumentů, kolik má "
             "parametrů";
    case ErrorCode::DefineTooDeep:
      return "makra z #define se rozvíjejí jedno v druhém příliš hluboko (nejvýš 64 úrovní)";
  }
  return "error";
}

}  // namespace asm51
