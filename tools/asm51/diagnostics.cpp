#include "diagnostics.h"

namespace asm51 {

std::string_view errorMessage(ErrorCode code) {
  switch (code) {
    case ErrorCode::Syntax:
      return "chybný zápis u {1}";
    case ErrorCode::UnknownInstruction:
      return "neznámá instrukce nebo direktiva {1}";
    case ErrorCode::BadOperand:
      return "instrukce {1} nepřijímá operand {2}";
    case ErrorCode::UndefinedSymbol:
      return "nedefinovaný symbol {1}";
    case ErrorCode::DuplicateSymbol:
      return "symbol {1} je už definován; zvolte jiné jméno";
    case ErrorCode::ReservedWord:
      return "{1} je vyhrazené slovo (instrukce, registr nebo direktiva); zvolte jiné jméno";
    case ErrorCode::BadNumber:
      return "{1} není platné číslo (správně např. 200, 0C8H, 11001000B)";
    case ErrorCode::ValueOutOfRange:
      return "hodnota {1} se nevejde do bajtu (0 až 255)";
    case ErrorCode::BranchOutOfRange:
      return "relativní skok je příliš daleko ({1} bajtů); použijte LJMP nebo JMP";
    case ErrorCode::PageOutOfRange:
      return "cíl {1} leží mimo 2KiB stránku, ve které je skok; použijte LJMP nebo JMP";
    case ErrorCode::NotBitAddressable:
      return "bajt {1} není bitově adresovatelný (jen 20H až 2FH a SFR na adresách dělitelných 8)";
    case ErrorCode::DivisionByZero:
      return "dělení nulou";
    case ErrorCode::ExpressionTooDeep:
      return "výraz je vnořený příliš hluboko (nejvýš 32 úrovní); rozdělte ho pomocí EQU";
    case ErrorCode::ForwardReference:
      return "hodnota {1} musí být známa už na tomto řádku; definujte {1} před ním";
    case ErrorCode::WrongSegment:
      return "{1} patří do kódu; přepněte do kódového segmentu direktivou CSEG";
    case ErrorCode::CodeBeyond64K:
      return "kód přesahuje 64 KiB (adresa {1}); zkontrolujte ORG a DS";
    case ErrorCode::CodeOverlap:
      return "kód na adrese {1} přepisuje dříve zapsaný kód; zkontrolujte ORG";
    case ErrorCode::MissingInclude:
      return "soubor {1} nelze přečíst; musí ležet ve složce se zdrojovým textem";
    case ErrorCode::MissingModFile:
      return "soubor {1} s názvy registrů nelze přečíst; musí ležet ve složce se zdrojovým textem";
    case ErrorCode::IncludeTooDeep:
      return "příliš mnoho vložených souborů u {1} (nejvýš 8 do hloubky a 64 celkem); "
             "nevkládá soubor sám sebe?";
    case ErrorCode::NetworkInclude:
      return "soubor {1} leží na jiném počítači; zkopírujte ho do složky se zdrojovým textem";
    case ErrorCode::MacroTooDeep:
      return "makra nebo REPT jsou vnořená příliš hluboko (nejvýš 32 úrovní); "
             "nevolá {1} samo sebe?";
    case ErrorCode::TooManyLines:
      return "zdrojový text je i s vloženými soubory a po rozvinutí maker, #define a REPT příliš "
             "dlouhý (nejvýš 500000 řádků nebo 8 MiB); zkontrolujte počty opakování";
    case ErrorCode::UnbalancedConditional:
      return "{1} bez IF; doplňte IF, nebo {1} smažte";
    case ErrorCode::UnterminatedBlock:
      return "{1} bez ENDM; doplňte ENDM";
    case ErrorCode::TooManyErrors:
      return "příliš mnoho chyb (přes 10000); opravte nejdřív ty první";
    case ErrorCode::LineTooLong:
      return "rozvinutím makra {1} vzniká příliš dlouhý řádek (nejvýš 16 KiB); "
             "nezdvojuje makro svůj parametr?";
    case ErrorCode::UnterminatedString:
      return "neukončený řetězec";
    case ErrorCode::UnexpectedCharacter:
      return "nečekaný znak {1}";
    case ErrorCode::MissingExpression:
      return "chybí hodnota (číslo, symbol nebo výraz)";
    case ErrorCode::IncompleteExpression:
      return "výraz končí předčasně: za {1} chybí hodnota";
    case ErrorCode::MissingParenthesis:
      return "ve výrazu chybí pravá závorka )";
    case ErrorCode::NotARegister:
      return "{1} není registr (registry jsou R0 až R7)";
    case ErrorCode::IndirectRegister:
      return "{1} nelze: nepřímo se adresuje jen přes @R0 a @R1";
    case ErrorCode::RegisterAsValue:
      return "{1} je registr, ne číslo; ve výrazu ho použít nelze";
    case ErrorCode::OperandCount:
      return "instrukce {1} má mít operandů: {2}";
    case ErrorCode::MissingOperand:
      return "instrukci {1} chybí operand";
    case ErrorCode::OperandCombination:
      return "instrukce {1} neumí operandy {2}";
    case ErrorCode::StringValue:
      return "řetězec '{1}' nelze použít jako číslo: musí mít 1 nebo 2 znaky";
    case ErrorCode::EmptyString:
      return "prázdný řetězec '' neuloží nic; napište mezi apostrofy aspoň jeden znak";
    case ErrorCode::AddressOutOfRange:
      return "adresa {1} se nevejde do bajtu (přímo lze adresovat 0 až 255)";
    case ErrorCode::BitAddressOutOfRange:
      return "bitová adresa {1} se nevejde do bajtu (0 až 255)";
    case ErrorCode::DefinitionOutOfRange:
      return "hodnota {1} je pro {2} příliš velká (nejvýš 0FFH)";
    case ErrorCode::BankOutOfRange:
      return "banka {1} neexistuje (USING 0 až 3)";
    case ErrorCode::BitNumberOutOfRange:
      return "bit {1} neexistuje (bity bajtu jsou 0 až 7)";
    case ErrorCode::CallPageOutOfRange:
      return "cíl {1} leží mimo 2KiB stránku, ve které je volání; použijte LCALL nebo CALL";
    case ErrorCode::WrongSegmentForBits:
      return "DBIT patří do bitového segmentu; přepněte do něj direktivou BSEG";
    case ErrorCode::ReserveInBitSegment:
      return "v bitovém segmentu se místo vyhrazuje direktivou DBIT, ne {1}";
    case ErrorCode::SegmentAt:
      return "za {1} může stát jen AT a adresa, ne {2}";
    case ErrorCode::ConditionName:
      return "za {1} má stát jedno jméno symbolu";
    case ErrorCode::SecondElse:
      return "{1} po ELSE: jedno IF má nejvýš jedno ELSE; nechybí ENDIF?";
    case ErrorCode::UnclosedIf:
      return "IF bez ENDIF; doplňte ENDIF";
    case ErrorCode::ExitmOutsideMacro:
      return "EXITM stojí mimo makro; smažte ho";
    case ErrorCode::DuplicateMacro:
      return "makro {1} je už definováno; zvolte jiné jméno";
    case ErrorCode::TooManyArguments:
      return "makro {1} dostalo víc argumentů, než má parametrů ({2})";
    case ErrorCode::MissingIncludeName:
      return "u {1} chybí jméno souboru; správně např. {2}";
    case ErrorCode::ForwardConflict:
      return "podmínku nelze rozhodnout: {1} je definován až za ní a jeho hodnota závisí na "
             "jejím výsledku; definujte {1} před {2}";
    case ErrorCode::SymbolMoved:
      return "návěští {1} vyšlo na adrese {2}, ale dřívější řádky počítaly s jinou; symboly "
             "použité v IF, ORG a DS definujte dřív, než je použijete";
    case ErrorCode::LinkingUnsupported:
      return "{1}: spojování samostatně překládaných modulů tento překladač neumí; dejte celý "
             "program do jednoho souboru (místo RSEG použijte CSEG a ORG)";
    case ErrorCode::MissingEnd:
      return "zdrojový text nekončí direktivou END; doplňte END na konec";
    case ErrorCode::HexNotWritten:
      return "soubor {1} nelze zapsat; zavřete program, který ho má otevřený, a zkontrolujte, "
             "že do složky smíte zapisovat";
    case ErrorCode::ValueTooLate:
      return "hodnotu {1} nelze určit: závisí na symbolech definovaných až za ní; "
             "definujte je před ní";
    case ErrorCode::DeviceInclude:
      return "{1} je zařízení nebo zvláštní cesta systému Windows, ne soubor; vložte obyčejný "
             "soubor ze složky se zdrojovým textem";
    case ErrorCode::UnknownDirective:
      return "neznámá direktiva {1}; preprocesor zná #define, #undef, #include, #if, #ifdef, "
             "#ifndef, #elif, #else, #endif a #error";
    case ErrorCode::MissingMacroName:
      return "za {1} chybí jméno makra (písmena, číslice a _, na začátku písmeno nebo _)";
    case ErrorCode::BadIncludeName:
      return "jméno souboru {1} patří do uvozovek nebo do <>, např. #include \"defs.inc\"";
    case ErrorCode::MissingCondition:
      return "za {1} chybí podmínka, např. {1} POCET > 2";
    case ErrorCode::UnbalancedDirective:
      return "{1} bez #if; doplňte #if, nebo {1} smažte";
    case ErrorCode::UnterminatedComment:
      return "neukončený komentář {1}; ukončete ho znaky */";
    case ErrorCode::ErrorDirective:
      return "ohlášeno direktivou #error: {1}";
    case ErrorCode::BadMacroCall:
      return "volání makra {1} neodpovídá jeho #define: uveďte v závorkách tolik argumentů, kolik "
             "má parametrů ({2}), a závorky uzavřete na tomtéž řádku";
    case ErrorCode::DefineTooDeep:
      return "makro {1} se rozvíjí přes příliš mnoho dalších maker z #define (nejvýš 64 úrovní); "
             "nedefinují se makra navzájem v kruhu?";
    case ErrorCode::BadParameterList:
      return "parametry makra {1} patří do závorek hned za jméno, oddělené čárkami, např. "
             "#define SOUCET(A, B) (A + B)";
    case ErrorCode::UnclosedDirective:
      return "{1} bez #endif; každý #if ukončete jedním #endif ve stejném souboru";
    case ErrorCode::DirectiveAfterElse:
      return "{1} po #else: jeden #if má nejvýš jeden #else; nechybí #endif?";
  }
  return "chyba";
}

void appendMessage(std::string& out, const Diagnostic& d, TextEncoding source, TextEncoding to) {
  const std::string_view text = errorMessage(d.code);
  std::size_t from = 0;
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', from)) {
    appendOwnText(out, text.substr(from, at - from), to);
    const std::string_view mark = text.substr(at, 3);
    if (mark == "{1}" || mark == "{2}") {
      appendSourceText(out, mark == "{1}" ? d.detail : d.extra, source, to);
      from = at + 3;
    } else {
      out.push_back('{');
      from = at + 1;
    }
  }
  appendOwnText(out, text.substr(from), to);
  if (!d.suggestion.empty()) {
    appendOwnText(out, " – nemysleli jste ", to);
    appendSourceText(out, d.suggestion, source, to);
    out.push_back('?');
  }
}

std::string messageText(const Diagnostic& d, TextEncoding source) {
  std::string out;
  appendMessage(out, d, source, TextEncoding::Utf8);
  return out;
}

}  // namespace asm51
