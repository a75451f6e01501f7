#include "context.h"
#include "opcode_table.h"

namespace asm51 {

// What an operand looks like, before any value is known.
enum class Form : std::uint8_t {
  A,
  AB,
  C,
  Dptr,
  AtDptr,
  AtADptr,
  AtAPc,
  R,
  AtR,
  Imm,
  NotBit,
  Expr,
  Bad
};

struct Parsed {
  Form form = Form::Bad;
  int reg = 0;
  std::span<const Token> expr;
};

namespace {

bool isWord(const Token& t, std::string_view word) {
  return t.kind == Tok::Ident && equalsUpper(t.text, word);
}

// R0..R7, or a name given to one of them on an earlier line. A name defined
// only further down is not a register here: pass 1 could not have known it,
// and both passes must size the instruction alike.
int registerOperand(const Token& t, const SymbolTable& symbols, int statement) {
  if (const int reg = registerNumber(t); reg >= 0) return reg;
  if (t.kind != Tok::Ident || t.text.size() > 31) return -1;
  char name[32];
  for (std::size_t i = 0; i < t.text.size(); ++i) name[i] = asciiUpper(t.text[i]);
  const Symbol* symbol = symbols.find(std::string_view(name, t.text.size()));
  if (!symbol || symbol->type != SymbolType::Register || symbol->definedAt >= statement) return -1;
  return symbol->value;
}

Parsed parseOperand(std::span<const Token> t, const SymbolTable& symbols, int statement) {
  Parsed p;
  if (t.empty()) return p;
  if (t.size() == 1 && t[0].kind == Tok::Ident) {
    if (isWord(t[0], "A"))
      p.form = Form::A;
    else if (isWord(t[0], "AB"))
      p.form = Form::AB;
    else if (isWord(t[0], "C"))
      p.form = Form::C;
    else if (isWord(t[0], "DPTR"))
      p.form = Form::Dptr;
    else if ((p.reg = registerOperand(t[0], symbols, statement)) >= 0)
      p.form = Form::R;
    else if (isWord(t[0], "PC"))
      p.form = Form::Bad;
    else
      p.form = Form::Expr;
    if (p.form == Form::Expr) p.expr = t;
    return p;
  }
  if (t[0].kind == Tok::At) {
    if (t.size() == 2 && (p.reg = registerOperand(t[1], symbols, statement)) >= 0 && p.reg <= 1)
      p.form = Form::AtR;
    else if (t.size() == 2 && isWord(t[1], "DPTR"))
      p.form = Form::AtDptr;
    else if (t.size() == 4 && isWord(t[1], "A") && t[2].kind == Tok::Plus && isWord(t[3], "DPTR"))
      p.form = Form::AtADptr;
    else if (t.size() == 4 && isWord(t[1], "A") && t[2].kind == Tok::Plus && isWord(t[3], "PC"))
      p.form = Form::AtAPc;
    return p;
  }
  if (t[0].kind == Tok::Hash || t[0].kind == Tok::Slash) {
    p.form = t[0].kind == Tok::Hash ? Form::Imm : Form::NotBit;
    p.expr = t.subspan(1);
    if (p.expr.empty()) p.form = Form::Bad;
    return p;
  }
  p.form = Form::Expr;
  p.expr = t;
  return p;
}

bool fits(OperandKind kind, const Parsed& p, int reg) {
  switch (kind) {
    case OperandKind::None:
      return false;
    case OperandKind::A:
      return p.form == Form::A;
    case OperandKind::AB:
      return p.form == Form::AB;
    case OperandKind::C:
      return p.form == Form::C;
    case OperandKind::Dptr:
      return p.form == Form::Dptr;
    case OperandKind::AtDptr:
      return p.form == Form::AtDptr;
    case OperandKind::AtADptr:
      return p.form == Form::AtADptr;
    case OperandKind::AtAPc:
      return p.form == Form::AtAPc;
    case OperandKind::R:
      return p.form == Form::R && p.reg == reg;
    case OperandKind::AtR:
      return p.form == Form::AtR && p.reg == reg;
    case OperandKind::Imm8:
    case OperandKind::Imm16:
      return p.form == Form::Imm;
    case OperandKind::NotBit:
      return p.form == Form::NotBit;
    case OperandKind::Direct:
    case OperandKind::Bit:
    case OperandKind::Rel:
    case OperandKind::Addr11:
    case OperandKind::Addr16:
      return p.form == Form::Expr;
  }
  return false;
}

constexpr std::size_t kMaxOperands = 3;
constexpr std::uint8_t kSjmp = 0x80;
constexpr std::uint8_t kAjmp = 0x01;
constexpr std::uint8_t kLjmp = 0x02;
constexpr std::uint8_t kAcall = 0x11;
constexpr std::uint8_t kLcall = 0x12;

bool samePage(std::uint32_t next, std::uint32_t target) {
  return (next & 0xF800) == (target & 0xF800);
}

// True when `b` is `a` with one character changed, added or left out.
bool oneCharApart(std::string_view a, std::string_view b) {
  if (a.size() > b.size()) std::swap(a, b);
  if (b.size() - a.size() > 1 || a == b) return false;
  std::size_t i = 0;
  while (i < a.size() && a[i] == b[i]) ++i;
  const std::string_view restA = a.substr(a.size() == b.size() ? i + 1 : i);
  return restA == b.substr(i + 1);
}

// "2", or "1/2" for a mnemonic whose forms differ in their number of operands.
std::string operandCounts(std::span<const std::uint8_t> candidates) {
  std::string counts;
  for (const std::uint8_t candidate : candidates) {
    const std::string n = std::to_string(opcodeTable()[candidate].operandCount());
    if (counts.find(n) == std::string::npos) counts += (counts.empty() ? "" : "/") + n;
  }
  return counts.empty() ? "1" : counts;  // JMP and CALL take one target
}

constexpr std::string_view kCommonDirectives[] = {
    "ORG",  "DB",   "DW",   "DS",   "EQU",  "SET",  "DATA", "BIT",   "END",
    "CSEG", "DSEG", "BSEG", "XSEG", "ISEG", "REPT", "ENDM", "ENDIF", "USING",
};

}  // namespace

namespace {

// The first opcode of the mnemonic whose operand kinds the operands fit.
int matchOpcode(std::span<const std::uint8_t> candidates, std::span<const Parsed> operands) {
  const auto& table = opcodeTable();
  for (std::uint8_t candidate : candidates) {
    const OpcodeInfo& info = table[candidate];
    if (info.operandCount() != static_cast<int>(operands.size())) continue;
    bool match = true;
    for (std::size_t k = 0; k < operands.size() && match; ++k)
      match = fits(info.operands[k], operands[k], info.reg);
    if (match) return candidate;
  }
  return -1;
}

}  // namespace

void Context::instruction(std::string_view word, const Token& wordToken,
                          std::span<const Token> args) {
  const bool generic = word == "JMP" || word == "CALL";
  const auto found = mnemonics_.find(word);
  if (found == mnemonics_.end() && !generic) {
    if (pass_ != 2) return;
    // A known word one typing error away, shortest first: MOVE gives MOV.
    std::string_view meant;
    const auto consider = [&](std::string_view known) {
      if (oneCharApart(word, known) && (meant.empty() || known.size() < meant.size() ||
                                        (known.size() == meant.size() && known < meant)))
        meant = known;
    };
    for (const auto& [mnemonic, opcodes] : mnemonics_) consider(mnemonic);
    for (const std::string_view directive : kCommonDirectives) consider(directive);
    consider("JMP");
    consider("CALL");
    error(ErrorCode::UnknownInstruction, std::string(wordToken.text), {}, std::string(meant));
    return;
  }
  if (segment_ != Segment::Code) {
    error(ErrorCode::WrongSegment, std::string(wordToken.text));
    return;
  }
  // No instruction takes more than three operands.
  const auto& operandTokens = splitOperands(args);
  if (operandTokens.size() > kMaxOperands) {
    error(ErrorCode::OperandCount, std::string(wordToken.text),
          operandCounts(found != mnemonics_.end() ? std::span<const std::uint8_t>(found->second)
                                                  : std::span<const std::uint8_t>()));
    return;
  }
  std::array<Parsed, kMaxOperands> parsed;
  for (std::size_t k = 0; k < operandTokens.size(); ++k)
    parsed[k] = parseOperand(operandTokens[k], symbols_, statement_);
  const std::span<const Parsed> operands(parsed.data(), operandTokens.size());

  int opcode = -1;
  if (generic && operands.size() == 1 && operands[0].form == Form::Expr)
    opcode = genericOpcode(word == "JMP", operands[0]);
  else if (found != mnemonics_.end())
    opcode = matchOpcode(found->second, operands);
  if (opcode < 0) {
    if (pass_ == 2)
      operandError(wordToken.text,
                   found != mnemonics_.end() ? std::span<const std::uint8_t>(found->second)
                                             : std::span<const std::uint8_t>(),
                   operands, operandTokens);
    return;
  }
  if (pass_ == 1) {
    advance(opcodeTable()[static_cast<std::size_t>(opcode)].length);
    return;
  }
  encode(static_cast<std::uint8_t>(opcode), operands);
}

// JMP and CALL pick the shortest form that reaches a target already known in
// pass 1; a forward target gets the long form. Pass 2 repeats pass 1's choice.
int Context::genericOpcode(bool isJmp, const Parsed& target) {
  std::uint8_t& choice = note();
  if (pass_ == 1) {
    const std::uint32_t next = counter() + 2;
    const Evaluated v = evaluateExpr(target.expr);
    choice = isJmp ? kLjmp : kLcall;
    // A label named like an 8051 register further down would be another
    // target in pass 2 than the predefined name is in pass 1.
    if (v.ok && v.known && !v.predefined) {
      const auto offset = static_cast<std::int32_t>(v.value) - static_cast<std::int32_t>(next);
      if (isJmp && offset >= -128 && offset <= 127)
        choice = kSjmp;
      else if (samePage(next, v.value))
        choice = isJmp ? kAjmp : kAcall;
    }
  }
  if (choice != kSjmp && choice != kAjmp && choice != kAcall && choice != kLcall)
    choice = isJmp ? kLjmp : kLcall;
  return choice;
}

// Pass 2: the opcode and its operand bytes, with range checks.
void Context::encode(std::uint8_t opcode, std::span<const Parsed> operands) {
  const OpcodeInfo& info = opcodeTable()[opcode];
  const std::uint32_t start = counter();
  std::array<std::uint8_t, 3> bytes{opcode, 0, 0};
  std::size_t size = 1;
  for (std::size_t k = 0; k < operands.size(); ++k) {
    const OperandKind kind = info.operands[k];
    if (operands[k].form != Form::Expr && operands[k].form != Form::Imm &&
        operands[k].form != Form::NotBit)
      continue;
    const Evaluated v = evaluateExpr(operands[k].expr);
    const std::uint16_t value = v.value;
    switch (kind) {
      case OperandKind::Direct:
      case OperandKind::Bit:
      case OperandKind::NotBit:
        if (v.ok && value > 0xFF)
          error(kind == OperandKind::Direct ? ErrorCode::AddressOutOfRange
                                            : ErrorCode::BitAddressOutOfRange,
                writtenWithValue(operands[k].expr, value, true));
        bytes[size++] = static_cast<std::uint8_t>(value);
        break;
      case OperandKind::Imm8:
        if (v.ok && value > 0xFF && value < 0xFF00)
          error(ErrorCode::ValueOutOfRange, writtenWithValue(operands[k].expr, value, false));
        bytes[size++] = static_cast<std::uint8_t>(value);
        break;
      case OperandKind::Imm16:
      case OperandKind::Addr16:
        bytes[size++] = static_cast<std::uint8_t>(value >> 8);
        bytes[size++] = static_cast<std::uint8_t>(value);
        break;
      case OperandKind::Rel: {
        const auto offset =
            static_cast<std::int32_t>(value) - static_cast<std::int32_t>(start + info.length);
        if (v.ok && (offset < -128 || offset > 127))
          error(ErrorCode::BranchOutOfRange, std::to_string(offset < 0 ? -offset : offset));
        bytes[size++] = static_cast<std::uint8_t>(offset & 0xFF);
        break;
      }
      case OperandKind::Addr11:
        if (v.ok && !samePage(start + 2, value))
          error(
              (opcode & 0x1F) == kAcall ? ErrorCode::CallPageOutOfRange : ErrorCode::PageOutOfRange,
              std::string(writtenText(operands[k].expr)));
        bytes[0] = static_cast<std::uint8_t>(bytes[0] | ((value >> 8) & 7) << 5);
        bytes[size++] = static_cast<std::uint8_t>(value);
        break;
      default:
        break;
    }
  }
  // MOV direct,direct stores the source address first.
  if (opcode == 0x85) std::swap(bytes[1], bytes[2]);
  emit(std::span<const std::uint8_t>(bytes.data(), size));
}

// Says which operand does not fit, or that their number or combination does not.
void Context::operandError(std::string_view word, std::span<const std::uint8_t> candidates,
                           std::span<const Parsed> operands,
                           const std::vector<std::span<const Token>>& texts) {
  const auto& table = opcodeTable();
  const int count = static_cast<int>(operands.size());
  bool countFits = candidates.empty() && count == 1;  // JMP and CALL take one target
  for (const std::uint8_t candidate : candidates)
    countFits = countFits || table[candidate].operandCount() == count;
  if (!countFits) {
    error(ErrorCode::OperandCount, std::string(word), operandCounts(candidates));
    return;
  }
  for (std::size_t k = 0; k < operands.size(); ++k) {
    const std::span<const Token> t = texts[k];
    if (t.empty()) {
      error(ErrorCode::MissingOperand, std::string(word));
      return;
    }
    if (t.size() == 2 && t[0].kind == Tok::At && t[1].kind == Tok::Ident) {
      const int reg = registerOperand(t[1], symbols_, statement_);
      if (reg >= 2) {
        error(ErrorCode::IndirectRegister, std::string(writtenText(t)));
        return;
      }
      const std::string_view name = t[1].text;
      if (reg < 0 && name.size() >= 2 && asciiUpper(name[0]) == 'R' &&
          name.find_first_not_of("0123456789", 1) == std::string_view::npos) {
        error(ErrorCode::NotARegister, std::string(name));
        return;
      }
    }
    bool fitsSome = false;
    for (const std::uint8_t candidate : candidates) {
      const OpcodeInfo& info = table[candidate];
      if (info.operandCount() == count && fits(info.operands[k], operands[k], info.reg))
        fitsSome = true;
    }
    if (!fitsSome) {
      error(ErrorCode::BadOperand, std::string(word), std::string(writtenText(t)));
      return;
    }
  }
  const std::span<const Token> all(
      texts.front().data(),
      static_cast<std::size_t>(texts.back().data() + texts.back().size() - texts.front().data()));
  error(ErrorCode::OperandCombination, std::string(word), std::string(writtenText(all)));
}

}  // namespace asm51
