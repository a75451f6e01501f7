#include "context.h"
#include "reserved_words.h"

namespace asm51 {
namespace {

SymbolType labelType(Segment segment) {
  switch (segment) {
    case Segment::Code:
      return SymbolType::Code;
    case Segment::Data:
      return SymbolType::Data;
    case Segment::Idata:
      return SymbolType::Idata;
    case Segment::Bit:
      return SymbolType::Bit;
    case Segment::Xdata:
      return SymbolType::Xdata;
  }
  return SymbolType::Code;
}

struct Definer {
  std::string_view word;
  SymbolType type;
  std::uint32_t limit;  // largest value that fits the kind of address
};

constexpr Definer kDefiners[] = {
    {"EQU", SymbolType::Number, 0xFFFF},  {"SET", SymbolType::Set, 0xFFFF},
    {"DATA", SymbolType::Data, 0xFF},     {"IDATA", SymbolType::Idata, 0xFF},
    {"XDATA", SymbolType::Xdata, 0xFFFF}, {"BIT", SymbolType::Bit, 0xFF},
    {"CODE", SymbolType::Code, 0xFFFF},
};

constexpr std::string_view kDirectives[] = {
    "DB",    "DW",   "ORG",   "DS",     "DBIT", "USING",   "END",  "CSEG",
    "DSEG",  "ISEG", "BSEG",  "XSEG",   "LIST", "NOLIST",  "NAME", "PUBLIC",
    "EXITM", "SKIP", "EXTRN", "EXTERN", "RSEG", "SEGMENT",
};

constexpr std::string_view kLinkerWords[] = {"PUBLIC", "EXTRN", "EXTERN", "RSEG"};

// The directive for a linker that the line starts with, or nothing; cheap, as
// every line asks.
std::string_view linkerWord(const std::vector<Token>& tokens) {
  if (tokens[0].kind != Tok::Ident) return {};
  const std::string_view first = tokens[0].text;
  const char letter = asciiUpper(first[0]);
  if ((letter == 'P' || letter == 'E' || letter == 'R') && first.size() >= 4 && first.size() <= 6)
    for (const std::string_view word : kLinkerWords)
      if (equalsUpper(first, word)) return word;
  if (tokens[1].kind == Tok::Ident && tokens[1].text.size() == 7 &&
      equalsUpper(tokens[1].text, "SEGMENT"))
    return "SEGMENT";
  return {};
}

Segment segmentOfType(std::string_view upperType) {
  if (upperType == "DATA") return Segment::Data;
  if (upperType == "IDATA") return Segment::Idata;
  if (upperType == "BIT") return Segment::Bit;
  if (upperType == "XDATA") return Segment::Xdata;
  return Segment::Code;
}

SymbolType externType(std::string_view upperType) {
  if (upperType == "DATA") return SymbolType::Data;
  if (upperType == "IDATA") return SymbolType::Idata;
  if (upperType == "BIT") return SymbolType::Bit;
  if (upperType == "XDATA") return SymbolType::Xdata;
  if (upperType == "NUMBER") return SymbolType::Number;
  return SymbolType::Code;
}

}  // namespace

bool Context::isStatementWord(std::string_view upperWord) const {
  return mnemonics_.contains(upperWord) || upperWord == "JMP" || upperWord == "CALL" ||
         macros_.contains(upperWord) ||
         std::find(std::begin(kDirectives), std::end(kDirectives), upperWord) !=
             std::end(kDirectives);
}

// Tokens taken by a leading label: "NAME:" anywhere, or a bare NAME in column
// 1 that is followed by an instruction, a directive or nothing.
std::size_t Context::labelTokens(const std::vector<Token>& tokens) const {
  if (tokens[0].kind != Tok::Ident) return 0;
  if (tokens[1].kind == Tok::Colon) return 2;
  if (current_.text.empty() || !identStart(current_.text[0])) return 0;
  if (isStatementWord(upper(tokens[0].text))) return 0;
  if (tokens[1].kind == Tok::End) return 1;
  return tokens[1].kind == Tok::Ident && isStatementWord(upper(tokens[1].text)) ? 1 : 0;
}

void Context::processStatement(const std::vector<Token>& tokens) {
  if (tokens.front().kind == Tok::End) return;
  // Before definitions: EXTRN CODE (PUTC) is no CODE definition of EXTRN.
  if (const std::string_view word = linkerWord(tokens); !word.empty()) {
    linkerDirective(word, tokens);
    return;
  }
  if (symbolDefinition(tokens)) return;

  const std::size_t i = labelTokens(tokens);
  if (i > 0) defineLabel(tokens[0]);
  if (tokens[i].kind == Tok::End) return;
  if (tokens[i].kind != Tok::Ident) {
    const Token& t = tokens[i];
    if (t.kind == Tok::Bad && t.unterminated)
      error(ErrorCode::UnterminatedString);
    else if (t.kind == Tok::Bad)
      error(ErrorCode::UnexpectedCharacter, std::string(t.text));
    else
      error(ErrorCode::Syntax, std::string(writtenText(std::span(&t, 1))));
    return;
  }
  const std::string word = upper(tokens[i].text);
  const std::span<const Token> args = std::span<const Token>(tokens).subspan(i + 1);
  if (directive(word, args)) return;
  instruction(word, tokens[i], args);
}

void Context::defineLabel(const Token& nameToken) {
  defineSymbol(nameToken, labelType(segment_), location(), true, false, true);
  if (pass_ == 2 && counter() <= 0xFFFF) current_.address = location();
}

// NAME EQU expr, NAME BIT P1.0, NAME DATA 30H and the like.
bool Context::symbolDefinition(const std::vector<Token>& tokens) {
  if (tokens.size() < 3 || tokens[0].kind != Tok::Ident || tokens[1].kind != Tok::Ident)
    return false;
  const std::string word = upper(tokens[1].text);
  for (const Definer& definer : kDefiners) {
    if (word != definer.word) continue;
    const std::span<const Token> expr =
        std::span<const Token>(tokens).subspan(2, tokens.size() - 3);
    if (definer.type == SymbolType::Number && expr.size() == 1) {
      if (const int reg = registerNumber(expr[0]); reg >= 0) {
        if (pass_ == 2) current_.value = static_cast<std::uint16_t>(reg);
        defineSymbol(tokens[0], SymbolType::Register, static_cast<std::uint16_t>(reg), true);
        return true;
      }
    }
    // Pass 1 works out what it can from values further down, for IFs that read it.
    const Evaluated v = evaluateAhead(expr, false);
    if (pass_ == 2 && v.ok && v.value > definer.limit)
      error(ErrorCode::DefinitionOutOfRange, writtenWithValue(expr, v.value, true), word);
    if (pass_ == 2) current_.value = v.value;
    defineSymbol(tokens[0], definer.type, v.value, v.known && !v.assumed, v.known && v.assumed);
    return true;
  }
  return false;
}

void Context::defineSymbol(const Token& nameToken, SymbolType type, std::uint16_t value, bool known,
                           bool assumed, bool label) {
  std::string name = upper(nameToken.text);
  if (isReservedWord(name)) {
    error(ErrorCode::ReservedWord, std::string(nameToken.text));
    return;
  }
  Symbol* symbol = symbols_.find(name);
  const bool redefinable = type == SymbolType::Set;
  // The source's own definition of a predefined name takes its place.
  if (symbol && current_.builtin && !symbol->predefined) return;
  if (symbol && symbol->predefined && !current_.builtin) {
    symbols_.remove(name);
    symbol = nullptr;
  }
  if (!symbol) {
    Symbol fresh;
    fresh.name = std::string(nameToken.text);
    fresh.type = type;
    fresh.value = value;
    fresh.known = known;
    fresh.assumed = assumed;
    fresh.fromModFile = current_.fromModFile;
    fresh.definedAt = statement_;
    fresh.firstDefinedAt = statement_;
    fresh.predefined = current_.builtin;
    symbols_.add(std::move(name), std::move(fresh));
    return;
  }
  if (redefinable && symbol->type == SymbolType::Set) {
    symbol->value = value;
    symbol->known = known;
    symbol->assumed = assumed;
    symbol->definedAt = statement_;
    return;
  }
  if (symbol->definedAt != statement_) {
    error(ErrorCode::DuplicateSymbol, std::string(nameToken.text));
    return;
  }
  // A label must lie where pass 1 put it: lines before it were sized, and
  // forward references resolved, with that address. Nothing is known to move
  // one; should anything do so, the code would be wrong without a word.
  // After an earlier error the move may be that error's consequence.
  if (label && pass_ == 2 && symbol->known && symbol->value != value && result_.errorCount() == 0)
    error(ErrorCode::SymbolMoved, std::string(nameToken.text), intelHex(value));
  // Pass 2 sees its own definition again, now with forward references resolved.
  symbol->value = value;
  symbol->known = known;
  symbol->assumed = assumed;
}

// EXTRN, PUBLIC, RSEG and NAME SEGMENT serve a linker, which sources for one
// file do not need: one error says so, and the names they declare are given
// values so that no further errors follow from them.
bool Context::linkerDirective(std::string_view word, std::span<const Token> tokens) {
  if (!linkingReported_) {
    linkingReported_ = true;
    error(ErrorCode::LinkingUnsupported, std::string(word));
  }
  if (word == "SEGMENT") {
    const std::string type = tokens.size() > 2 ? upper(tokens[2].text) : std::string();
    linkerSegments_[upper(tokens[0].text)] = segmentOfType(type);
  } else if (word == "RSEG") {
    const auto found =
        tokens.size() > 1 ? linkerSegments_.find(upper(tokens[1].text)) : linkerSegments_.end();
    segment_ = found != linkerSegments_.end() ? found->second : Segment::Code;
  } else if (word == "EXTRN" || word == "EXTERN") {
    SymbolType type = SymbolType::Code;
    for (const Token& t : tokens.subspan(1)) {
      if (t.kind != Tok::Ident) continue;
      const std::string name = upper(t.text);
      if (name == "CODE" || name == "DATA" || name == "IDATA" || name == "BIT" || name == "XDATA" ||
          name == "NUMBER")
        type = externType(name);
      else if (!symbols_.find(name) || symbols_.find(name)->predefined)
        defineSymbol(t, type, 0, true);
    }
  }
  return true;
}

bool Context::directive(std::string_view word, std::span<const Token> args) {
  const std::span<const Token> expr = args.first(args.size() - 1);  // without Tok::End
  if (word == "DB")
    dataBytes(args, false);
  else if (word == "DW")
    dataBytes(args, true);
  else if (word == "ORG")
    setCounter(expr);
  else if (word == "DS" || word == "SKIP")
    reserve(expr, Segment::Code);
  else if (word == "DBIT")
    reserve(expr, Segment::Bit);
  else if (word == "USING") {
    const Evaluated v = evaluateExpr(expr);
    if (v.ok && v.value > 3)
      error(ErrorCode::BankOutOfRange, writtenWithValue(expr, v.value, false));
    else if (v.ok)
      bank_ = v.value;
  } else if (word == "LIST" || word == "NOLIST") {
    listOn_ = word == "LIST";
  } else if (word == "NAME") {
    // A module's name matters only to a linker.
  } else if (word == "EXITM") {
    if (macroDepth_ == 0) error(ErrorCode::ExitmOutsideMacro);
    exitMacro_ = true;
  } else if (word == "END") {
    // END START names the entry point, which only a loader would use; it
    // must still be a value.
    if (!expr.empty()) evaluateExpr(expr);
    ended_ = true;
  } else if (word == "CSEG")
    selectSegment(Segment::Code, expr);
  else if (word == "DSEG")
    selectSegment(Segment::Data, expr);
  else if (word == "ISEG")
    selectSegment(Segment::Idata, expr);
  else if (word == "BSEG")
    selectSegment(Segment::Bit, expr);
  else if (word == "XSEG")
    selectSegment(Segment::Xdata, expr);
  else
    return false;
  return true;
}

void Context::dataBytes(std::span<const Token> args, bool words) {
  if (segment_ != Segment::Code) {
    error(ErrorCode::WrongSegment, words ? "DW" : "DB");
    return;
  }
  const auto& items = splitOperands(args);
  if (items.empty()) {
    error(ErrorCode::MissingExpression);
    return;
  }
  std::vector<std::uint8_t> bytes;
  for (const auto& item : items) {
    // A string alone gives its characters; in an expression it is a value.
    if (!words && item.size() == 1 && item[0].kind == Tok::String) {
      const std::string text = stringValue(item[0]);
      if (text.empty()) error(ErrorCode::EmptyString);
      for (char c : text) bytes.push_back(static_cast<std::uint8_t>(c));
      continue;
    }
    const Evaluated v = pass_ == 2 ? evaluateExpr(item) : Evaluated{};
    if (words) {
      bytes.push_back(static_cast<std::uint8_t>(v.value >> 8));
      bytes.push_back(static_cast<std::uint8_t>(v.value & 0xFF));
    } else {
      if (v.ok && v.value > 0xFF && v.value < 0xFF00)
        error(ErrorCode::ValueOutOfRange, writtenWithValue(item, v.value, false));
      bytes.push_back(static_cast<std::uint8_t>(v.value & 0xFF));
    }
  }
  emit(bytes);
}

void Context::setCounter(std::span<const Token> expr) {
  const Evaluated v = requireKnownInPass1(expr);
  if (v.ok || pass_ == 1) counter() = v.value;
  if (pass_ == 2) current_.address = location();
}

void Context::reserve(std::span<const Token> expr, Segment required) {
  // DS reserves bytes in any segment but the bit segment; DBIT only there.
  if (required == Segment::Bit && segment_ != Segment::Bit) {
    error(ErrorCode::WrongSegmentForBits);
    return;
  }
  if (required != Segment::Bit && segment_ == Segment::Bit) {
    error(ErrorCode::ReserveInBitSegment, "DS");
    return;
  }
  if (pass_ == 2 && counter() <= 0xFFFF) current_.address = location();
  const Evaluated v = requireKnownInPass1(expr);
  if (v.ok || pass_ == 1) advance(v.value);
  if (pass_ == 2 && segment_ == Segment::Code && counter() > 0x10000) beyond64K(0x10000);
}

void Context::selectSegment(Segment segment, std::span<const Token> args) {
  segment_ = segment;
  if (!args.empty()) {
    if (args[0].kind != Tok::Ident || upper(args[0].text) != "AT") {
      constexpr std::string_view kWords[] = {"CSEG", "DSEG", "ISEG", "BSEG", "XSEG"};
      error(ErrorCode::SegmentAt, std::string(kWords[static_cast<std::size_t>(segment)]),
            std::string(writtenText(args)));
      return;
    }
    const Evaluated v = requireKnownInPass1(args.subspan(1));
    if (v.ok || pass_ == 1) counter() = v.value;
  }
  if (pass_ == 2) current_.address = location();
}

}  // namespace asm51
