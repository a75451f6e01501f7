#include "expression.h"

#include "reserved_words.h"

namespace asm51 {
namespace {

// Evaluated in 32 bits and cut to 16 at the end, so that the usual
// timer reload HIGH(65536-50000) means what its writer meant.
constexpr std::uint32_t kTrue = 0xFFFFFFFF;

struct Val {
  std::uint32_t v = 0;
  bool known = true;
};

class Parser {
 public:
  Parser(std::span<const Token> tokens, const EvalEnv& env, ExprResult& result)
      : tokens_(tokens), env_(env), result_(result) {}

  bool run(Val& out) {
    if (!parseLogical(out, 0)) return false;
    if (pos_ != tokens_.size()) return unexpected(peek());
    return true;
  }

 private:
  const Token& peek() const {
    static const Token kEnd{};
    return pos_ < tokens_.size() ? tokens_[pos_] : kEnd;
  }
  bool peekWord(std::string_view word) const {
    const Token& t = peek();
    return t.kind == Tok::Ident && equalsUpper(t.text, word);
  }
  bool fail(ErrorCode code, std::string detail = {}) {
    if (!result_.error) {
      result_.error = code;
      result_.detail = std::move(detail);
    }
    return false;
  }
  bool unexpected(const Token& t) {
    if (t.kind == Tok::Bad)
      return t.unterminated ? fail(ErrorCode::UnterminatedString)
                            : fail(ErrorCode::UnexpectedCharacter, std::string(t.text));
    if (t.kind == Tok::End) {
      if (pos_ == 0) return fail(ErrorCode::MissingExpression);
      return fail(ErrorCode::IncompleteExpression, std::string(tokens_[pos_ - 1].text));
    }
    return fail(ErrorCode::Syntax, std::string(t.text));
  }
  bool enter(int depth) {
    return depth <= kMaxExpressionDepth || fail(ErrorCode::ExpressionTooDeep);
  }

  static Val combine(const Val& a, const Val& b, std::uint32_t v) {
    return {v, a.known && b.known};
  }

  // && binds more tightly than ||, and both more loosely than any other
  // operator, as in C; they give the same true as the relational operators.
  bool parseLogical(Val& out, int depth) {
    if (!enter(depth) || !parseOr(out, depth)) return false;
    if (peek().kind != Tok::AndAnd && peek().kind != Tok::OrOr) return true;
    Val any{0, true};  // the || of the && groups read so far
    Val group = out;   // the && group being read
    while (peek().kind == Tok::AndAnd || peek().kind == Tok::OrOr) {
      const bool isAnd = peek().kind == Tok::AndAnd;
      ++pos_;
      Val rhs;
      if (!parseOr(rhs, depth)) return false;
      if (isAnd) {
        group = combine(group, rhs, group.v != 0 && rhs.v != 0 ? kTrue : 0);
      } else {
        any = combine(any, group, any.v != 0 || group.v != 0 ? kTrue : 0);
        group = rhs;
      }
    }
    out = combine(any, group, any.v != 0 || group.v != 0 ? kTrue : 0);
    return true;
  }

  bool parseOr(Val& out, int depth) {
    if (!parseAnd(out, depth)) return false;
    for (;;) {
      const bool isOr = peekWord("OR") || peek().kind == Tok::Pipe;
      if (!isOr && !peekWord("XOR") && peek().kind != Tok::Caret) return true;
      ++pos_;
      Val rhs;
      if (!parseAnd(rhs, depth)) return false;
      out = combine(out, rhs, isOr ? (out.v | rhs.v) : (out.v ^ rhs.v));
    }
  }

  bool parseAnd(Val& out, int depth) {
    if (!parseNot(out, depth)) return false;
    while (peekWord("AND") || peek().kind == Tok::Amp) {
      ++pos_;
      Val rhs;
      if (!parseNot(rhs, depth)) return false;
      out = combine(out, rhs, out.v & rhs.v);
    }
    return true;
  }

  bool parseNot(Val& out, int depth) {
    if (peekWord("NOT")) {
      ++pos_;
      if (!enter(depth + 1) || !parseNot(out, depth + 1)) return false;
      out.v = ~out.v;
      return true;
    }
    return parseRel(out, depth);
  }

  int relOp() const {
    switch (peek().kind) {
      case Tok::Eq:
        return 1;
      case Tok::Ne:
        return 2;
      case Tok::Lt:
        return 3;
      case Tok::Le:
        return 4;
      case Tok::Gt:
        return 5;
      case Tok::Ge:
        return 6;
      case Tok::Ident: {
        if (peek().text.size() != 2) return 0;
        if (peekWord("EQ")) return 1;
        if (peekWord("NE")) return 2;
        if (peekWord("LT")) return 3;
        if (peekWord("LE")) return 4;
        if (peekWord("GT")) return 5;
        if (peekWord("GE")) return 6;
        return 0;
      }
      default:
        return 0;
    }
  }

  bool parseRel(Val& out, int depth) {
    if (!parseAdd(out, depth)) return false;
    for (int op = relOp(); op != 0; op = relOp()) {
      ++pos_;
      Val rhs;
      if (!parseAdd(rhs, depth)) return false;
      bool r = false;
      switch (op) {
        case 1:
          r = out.v == rhs.v;
          break;
        case 2:
          r = out.v != rhs.v;
          break;
        case 3:
          r = out.v < rhs.v;
          break;
        case 4:
          r = out.v <= rhs.v;
          break;
        case 5:
          r = out.v > rhs.v;
          break;
        default:
          r = out.v >= rhs.v;
          break;
      }
      out = combine(out, rhs, r ? kTrue : 0);
    }
    return true;
  }

  bool parseAdd(Val& out, int depth) {
    if (!parseMul(out, depth)) return false;
    for (;;) {
      const Tok k = peek().kind;
      if (k != Tok::Plus && k != Tok::Minus) return true;
      ++pos_;
      Val rhs;
      if (!parseMul(rhs, depth)) return false;
      out = combine(out, rhs, k == Tok::Plus ? out.v + rhs.v : out.v - rhs.v);
    }
  }

  bool parseMul(Val& out, int depth) {
    if (!parseUnary(out, depth)) return false;
    for (;;) {
      int op = 0;
      if (peek().kind == Tok::Star)
        op = 1;
      else if (peek().kind == Tok::Slash)
        op = 2;
      else if (peekWord("MOD") || peek().kind == Tok::Percent)
        op = 3;
      else if (peekWord("SHL") || peek().kind == Tok::Shl)
        op = 4;
      else if (peekWord("SHR") || peek().kind == Tok::Shr)
        op = 5;
      if (op == 0) return true;
      ++pos_;
      Val rhs;
      if (!parseUnary(rhs, depth)) return false;
      std::uint32_t r = 0;
      if ((op == 2 || op == 3) && rhs.v == 0) {
        // Unknown operands in the first pass read as 0; that is no error yet.
        if (rhs.known) return fail(ErrorCode::DivisionByZero);
      } else {
        switch (op) {
          case 1:
            r = out.v * rhs.v;
            break;
          case 2:
            r = out.v / rhs.v;
            break;
          case 3:
            r = out.v % rhs.v;
            break;
          case 4:
            r = rhs.v >= 32 ? 0 : out.v << rhs.v;
            break;
          default:
            r = rhs.v >= 32 ? 0 : out.v >> rhs.v;
            break;
        }
      }
      out = combine(out, rhs, r);
    }
  }

  bool parseUnary(Val& out, int depth) {
    const Tok k = peek().kind;
    int op = 0;
    if (k == Tok::Minus)
      op = 1;
    else if (k == Tok::Plus)
      op = 2;
    else if (peekWord("HIGH"))
      op = 3;
    else if (peekWord("LOW"))
      op = 4;
    else if (peekWord("NOT") || k == Tok::Tilde)
      op = 5;
    else if (k == Tok::Bang)
      op = 6;
    if (op == 0) return parseBitSelect(out, depth);
    ++pos_;
    if (!enter(depth + 1) || !parseUnary(out, depth + 1)) return false;
    switch (op) {
      case 1:
        out.v = 0u - out.v;
        break;
      case 3:
        out.v = (out.v >> 8) & 0xFF;
        break;
      case 4:
        out.v = out.v & 0xFF;
        break;
      case 5:
        out.v = ~out.v;
        break;
      case 6:
        out.v = out.v == 0 ? kTrue : 0;
        break;
      default:
        break;
    }
    return true;
  }

  // byte.bit names a bit of a bit-addressable byte (P1.0, ACC.7, 20H.3).
  bool parseBitSelect(Val& out, int depth) {
    if (!parsePrimary(out, depth)) return false;
    if (peek().kind != Tok::Dot) return true;
    ++pos_;
    Val bit;
    if (!parsePrimary(bit, depth)) return false;
    if (!out.known || !bit.known) {
      out = {0, false};
      return true;
    }
    if (bit.v > 7) return fail(ErrorCode::BitNumberOutOfRange, std::to_string(bit.v));
    if (out.v >= 0x20 && out.v <= 0x2F) {
      out.v = (out.v - 0x20) * 8 + bit.v;
    } else if (out.v >= 0x80 && out.v <= 0xFF && out.v % 8 == 0) {
      out.v += bit.v;
    } else {
      std::string byte;
      appendHex(byte, out.v & 0xFFFF, out.v > 0xFF ? 4 : 2);
      return fail(ErrorCode::NotBitAddressable, (byte[0] > '9' ? "0" : "") + byte + "H");
    }
    return true;
  }

  bool parsePrimary(Val& out, int depth) {
    const Token& t = peek();
    switch (t.kind) {
      case Tok::Number:
        ++pos_;
        if (t.badNumber) return fail(ErrorCode::BadNumber, std::string(t.text));
        out = {t.value, true};
        return true;
      case Tok::String: {
        ++pos_;
        const std::string s = stringValue(t);
        if (s.empty() || s.size() > 2) return fail(ErrorCode::StringValue, s);
        std::uint32_t v = 0;
        for (unsigned char c : s) v = (v << 8) | c;
        out = {v, true};
        return true;
      }
      case Tok::Dollar:
        ++pos_;
        out = {env_.location, true};
        return true;
      case Tok::LParen: {
        ++pos_;
        if (!enter(depth + 1) || !parseLogical(out, depth + 1)) return false;
        if (peek().kind != Tok::RParen) return fail(ErrorCode::MissingParenthesis);
        ++pos_;
        return true;
      }
      case Tok::Ident:
        return parseSymbol(out);
      default:
        return unexpected(t);
    }
  }

  bool parseSymbol(Val& out) {
    const Token& t = peek();
    ++pos_;
    const std::string name = upper(t.text);
    if (const Symbol* sym = env_.symbols.find(name)) {
      if (sym->type == SymbolType::Register)
        return fail(ErrorCode::RegisterAsValue, std::string(t.text));
      if (env_.reads && (!sym->known || sym->predefined)) return readAhead(t, name, sym, out);
      const bool known = sym->known || (env_.assumedKnown && sym->assumed);
      out = {sym->value, known};
      if (sym->predefined) result_.predefined = true;
      if (!known) noteUndefined(t);
      return true;
    }
    // AR0..AR7 are the absolute addresses of the bank chosen by USING.
    if (name.size() == 3 && name[0] == 'A' && name[1] == 'R' && name[2] >= '0' && name[2] <= '7') {
      out = {static_cast<std::uint32_t>(env_.bank * 8 + (name[2] - '0')), true};
      return true;
    }
    if (registerNumber(t) >= 0) return fail(ErrorCode::RegisterAsValue, std::string(t.text));
    if (isReservedWord(name)) return fail(ErrorCode::ReservedWord, std::string(t.text));
    if (env_.reads) return readAhead(t, name, nullptr, out);
    noteUndefined(t);
    out = {0, false};
    return true;
  }

  // A name the first pass does not know (yet) on this line, or a predefined
  // one: an earlier run's value stands in for it, and the read is noted so
  // that the run can be checked against the values it ends with.
  bool readAhead(const Token& t, const std::string& name, const Symbol* sym, Val& out) {
    ForwardRead read;
    read.name = name;
    read.written = std::string(t.text);
    read.statement = env_.statement;
    read.condition = env_.condition;
    const Symbol* ahead = env_.later ? env_.later->find(name) : nullptr;
    const bool aheadUsable = ahead && !ahead->predefined && ahead->type != SymbolType::Register &&
                             (ahead->known || ahead->assumed);
    if (sym && !sym->predefined && sym->assumed) {
      read.value = sym->value;
      read.available = true;
      result_.assumed = true;
    } else if (aheadUsable) {
      read.value = ahead->value;
      read.available = true;
      result_.assumed = true;
    } else if (sym && sym->predefined) {
      read.value = sym->value;
      read.available = true;
      result_.predefined = true;
    }
    if (!read.available) noteUndefined(t);
    out = {read.value, read.available};
    env_.reads->push_back(std::move(read));
    return true;
  }

  void noteUndefined(const Token& t) {
    if (result_.undefinedName.empty()) result_.undefinedName = std::string(t.text);
  }

  std::span<const Token> tokens_;
  const EvalEnv& env_;
  ExprResult& result_;
  std::size_t pos_ = 0;
};

}  // namespace

ExprResult evaluate(std::span<const Token> tokens, const EvalEnv& env) {
  ExprResult result;
  Val v;
  Parser parser(tokens, env, result);
  if (!parser.run(v)) {
    result.known = false;
    return result;
  }
  result.value = static_cast<std::uint16_t>(v.v);
  result.known = v.known;
  return result;
}

}  // namespace asm51
