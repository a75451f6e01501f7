#include "assembler.h"

#include <algorithm>

#include <limits>

#include "builtin_names.h"
#include "context.h"
#include "include_names.h"
#include "opcode_table.h"
#include "register_files.h"
#include "source_text.h"
#include "text_encoding.h"

namespace asm51 {

AssemblyResult assemble(std::string_view sourceName, std::string_view source,
                        const FileReader& reader) {
  Context context(sourceName, std::string(source), reader, nullptr);
  return context.run();
}

AssemblyResult assemble(std::string_view sourceName, std::string source, const FileReader& reader,
                        ListingSink& sink) {
  Context context(sourceName, std::move(source), reader, &sink);
  return context.run();
}

Context::Context(std::string_view sourceName, std::string source, const FileReader& reader,
                 ListingSink* sink)
    : sourceName_(sourceName), reader_(reader), sink_(sink) {
  const bool bom = normalizeSourceText(source);
  result_.texts.push_back(std::make_unique<const std::string>(std::move(source)));
  source_ = *result_.texts.back();
  // The mark is gone from the text the lines are read from, but it still says UTF-8.
  result_.encoding = bom ? TextEncoding::Utf8 : sourceEncoding(source_);
  const auto& table = opcodeTable();
  for (std::size_t op = 0; op < table.size(); ++op) {
    const OpcodeInfo& info = table[op];
    if (info.mnemonic.empty()) continue;
    // AJMP and ACALL carry address bits in the opcode: keep the page-0 form only.
    if (info.operands[0] == OperandKind::Addr11 && (op >> 5) != 0) continue;
    mnemonics_[info.mnemonic].push_back(static_cast<std::uint8_t>(op));
  }
}

namespace {

// One control of a $ line: a name and an optional (argument).
struct Control {
  std::string name;
  std::string_view argument;
  bool hasArgument = false;
};

std::vector<Control> parseControls(std::string_view text);

bool isModControl(std::string_view name) {
  return (name.size() > 3 && name.starts_with("MOD")) || name.starts_with("NOMOD");
}

// True when some control line of the text names a register definition file
// or turns them off.
bool namesModFile(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    const std::size_t first = firstNonBlank(line);
    if (first != std::string_view::npos && line[first] == '$') {
      for (const Control& control : parseControls(line.substr(first + 1)))
        if (isModControl(control.name)) return true;
    }
    start = end + 1;
  }
  return false;
}

}  // namespace

AssemblyResult Context::run() {
  predefine_ = !namesModFile(source_);
  if (!sink_)
    result_.listing.reserve(
        static_cast<std::size_t>(std::count(source_.begin(), source_.end(), '\n')) + 1);
  runFirstPass();
  if (sink_) sink_->begin(result_);
  runPass(2);
  for (const Symbol* symbol : symbols_.userSymbols())
    result_.symbols.push_back({symbol->name, symbol->type, symbol->value, symbol->known});
  result_.fatal = stopped_;
  return std::move(result_);
}

void Context::runPass(int pass) {
  pass_ = pass;
  linkingReported_ = false;
  beyondReported_ = false;
  linkerSegments_.clear();
  counters_ = {};
  segment_ = Segment::Code;
  bank_ = 0;
  statement_ = 0;
  includesThisPass_ = 0;
  modLoaded_ = false;
  listOn_ = true;
  ended_ = false;
  stopped_ = false;
  conditionals_.clear();
  macros_.clear();
  recording_.reset();
  macroDepth_ = 0;
  exitMacro_ = false;
  expansions_ = 0;
  expandedLines_ = 0;
  expandedBytes_ = 0;
  builtinsRead_.clear();
  preprocessor_.reset();
  if (predefine_) {
    // Defined in both passes alike, so that statement numbers agree.
    current_ = CurrentLine{};
    current_.builtin = true;
    processFile("mod51", builtinNames(), 1, true);
    current_ = CurrentLine{};
  }
  processFile(sourceName_, source_, 0, false);
  closeOpenBlocks();
}

void Context::processFile(std::string_view name, std::string_view text, int depth,
                          bool fromModFile) {
  const bool builtin = current_.builtin;
  const Preprocessor::FileState outer = preprocessor_.beginFile();
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size() && !ended_ && !stopped_) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    current_ = CurrentLine{};
    current_.fileName = name;
    current_.text = line;
    current_.listed = line;
    // Saturates: a file of more than 2^31 lines keeps its last number.
    if (lineNumber < std::numeric_limits<int>::max()) ++lineNumber;
    current_.line = lineNumber;
    if (depth == 0) lastLine_ = lineNumber;
    current_.depth = depth;
    current_.fromModFile = fromModFile;
    current_.builtin = builtin;
    current_.firstByte = result_.objectBytes.size();
    processLine();
    start = end + 1;
  }
  finishFile(outer, name, lineNumber, depth);
}

void Context::processLines(std::string_view text, bool expansion) {
  const CurrentLine caller = current_;
  std::size_t start = 0;
  while (start < text.size() && !ended_ && !stopped_ && !exitMacro_) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    current_ = CurrentLine{};
    current_.fileName = caller.fileName;
    current_.text = text.substr(start, end - start);
    current_.listed = current_.text;
    current_.line = caller.line;
    current_.depth = caller.depth;
    current_.fromModFile = caller.fromModFile;
    current_.expansion = expansion;
    current_.firstByte = result_.objectBytes.size();
    processLine();
    start = end + 1;
  }
}

bool Context::charge(std::uint32_t lines, std::uint64_t bytes) {
  expandedLines_ += std::min(lines, kMaxLinesPerPass);
  expandedBytes_ += std::min(bytes, kMaxExpandedBytesPerPass);
  if (expandedLines_ <= kMaxLinesPerPass && expandedBytes_ <= kMaxExpandedBytesPerPass) return true;
  fatalError(ErrorCode::TooManyLines);
  return false;
}

void Context::processLine() {
  // Bounds the work of one pass and keeps statement numbers within an int.
  if (current_.expansion) expandedBytes_ += current_.text.size();
  if (++expandedLines_ > kMaxLinesPerPass || expandedBytes_ > kMaxExpandedBytesPerPass) {
    fatalError(ErrorCode::TooManyLines);
    finishLine();
    return;
  }
  ++statement_;
  tokenize(current_.text, tokens_);
  if (!current_.expansion && !current_.builtin && preprocessor_.wants(current_.text, tokens_)) {
    if (!preprocessLine()) return;
    tokenize(current_.text, tokens_);
  }
  dropDirectiveDot(tokens_);
  if (recording_) {
    if (!recordLine(tokens_)) finishLine();
    return;
  }
  if (conditional(tokens_) || skipping()) {
    finishLine();
    return;
  }
  const std::size_t first = firstNonBlank(current_.text);
  if (first != std::string_view::npos && current_.text[first] == '$') {
    processControls(current_.text.substr(first + 1));
    return;
  }
  if (beginBlock(tokens_)) {
    finishLine();
    return;
  }
  if (callMacro(tokens_)) return;
  processStatement(tokens_);
  finishLine();
}

namespace {

// Words that may also be written with a leading dot (.ORG, .DB, X .EQU 5).
constexpr std::string_view kDottable[] = {
    "ORG",   "DB",    "DW",    "DS",    "SKIP", "DBIT",   "EQU",    "SET",   "DATA",
    "IDATA", "XDATA", "BIT",   "CODE",  "END",  "USING",  "CSEG",   "DSEG",  "ISEG",
    "BSEG",  "XSEG",  "IF",    "IFN",   "ELSE", "ELSEIF", "ENDIF",  "IFDEF", "IFNDEF",
    "MACRO", "ENDM",  "EXITM", "LOCAL", "REPT", "LIST",   "NOLIST",
};

}  // namespace

// Sources written for other tools put a dot before directives; the dot is
// dropped where a directive can stand: first, after a name, or after a label.
void Context::dropDirectiveDot(std::vector<Token>& tokens) {
  for (std::size_t p = 0; p < 3 && p + 1 < tokens.size(); ++p) {
    const Token& dot = tokens[p];
    const Token& word = tokens[p + 1];
    if (dot.kind != Tok::Dot || word.kind != Tok::Ident) continue;
    if (dot.text.data() + 1 != word.text.data()) continue;  // ". ORG" is no directive
    const std::string upperWord = upper(word.text);
    if (std::find(std::begin(kDottable), std::end(kDottable), upperWord) == std::end(kDottable))
      continue;
    tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(p));
    return;
  }
}

void Context::finishLine() {
  if (pass_ != 2) return;
  const bool listed = listOn_ && !current_.fromModFile;
  if (!listed && current_.diagnostics.empty()) return;
  ListedLine out;
  out.line = current_.line;
  out.depth = current_.depth;
  out.expansion = current_.expansion;
  out.text = current_.listed;
  out.address = current_.address;
  out.value = current_.value;
  out.firstByte = current_.firstByte;
  out.byteCount = result_.objectBytes.size() - current_.firstByte;
  out.diagnostics = std::move(current_.diagnostics);
  if (sink_)
    sink_->line(out, result_);
  else
    result_.listing.push_back(std::move(out));
}

namespace {

std::vector<Control> parseControls(std::string_view text) {
  std::vector<Control> controls;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == '$' || blankLength(text, i) > 0))
      i += text[i] == '$' ? 1 : blankLength(text, i);
    if (i >= text.size() || text[i] == ';') break;
    const std::size_t nameStart = i;
    while (i < text.size() && identChar(text[i])) ++i;
    Control control;
    control.name = upper(text.substr(nameStart, i - nameStart));
    if (i == nameStart) ++i;  // skip a stray character
    while (i < text.size() && blankLength(text, i) > 0) i += blankLength(text, i);
    if (i < text.size() && text[i] == '(') {
      const std::size_t close = text.find(')', i + 1);
      const std::size_t stop = close == std::string_view::npos ? text.size() : close;
      control.argument = text.substr(i + 1, stop - i - 1);
      control.hasArgument = true;
      i = close == std::string_view::npos ? text.size() : close + 1;
    }
    if (!control.name.empty()) controls.push_back(std::move(control));
  }
  return controls;
}

// A file name in $INCLUDE( ), without blanks and quotes around it.
std::string trimmed(std::string_view text) {
  text = trimBlanks(text);
  const std::size_t first = text.find_first_not_of("'\"");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of("'\"");
  return std::string(trimBlanks(text.substr(first, last - first + 1)));
}

}  // namespace

void Context::processControls(std::string_view text) {
  struct Pending {
    std::string name;
    FileKind kind;
  };
  std::vector<Pending> pending;
  for (const Control& control : parseControls(text)) {
    const std::string& name = control.name;
    if (name == "INCLUDE" || name == "IC") {
      const std::string file = trimmed(control.argument);
      if (file.empty()) {
        error(ErrorCode::MissingIncludeName, "$" + name, "$" + name + " (DEFS.INC)");
        continue;
      }
      pending.push_back({file, FileKind::Include});
    } else if (isModControl(name) && !name.starts_with("NOMOD")) {
      // One register definition file per source; a second one would
      // only redefine the same names.
      if (modLoaded_) continue;
      modLoaded_ = true;
      pending.push_back({asciiLowered(name), FileKind::ModFile});
    } else if (name.starts_with("NOMOD")) {
      modLoaded_ = true;
    } else if (name == "TITLE" || name == "TT") {
      // Set in pass 1 already: the listing's header comes before any line.
      result_.title = std::string(control.argument);
    } else if (name == "LIST" || name == "LI") {
      listOn_ = true;
    } else if (name == "NOLIST" || name == "NOLI") {
      listOn_ = false;
    } else if (name == "NOSYMBOLS" || name == "NOSB") {
      result_.listSymbols = false;
    } else if (name == "SYMBOLS" || name == "SB") {
      result_.listSymbols = true;
    }
    // Other controls (PAGELENGTH, PAGEWIDTH, EJECT, DATE, ...) shape
    // printed pages, which this listing does not have.
  }
  // The control line is listed before the lines it brings in; a missing
  // file is reported under it.
  std::vector<SourceFile*> files;
  for (const Pending& p : pending) {
    SourceFile* file = openSource(p.name, p.kind);
    if (!file) break;
    files.push_back(file);
  }
  const int depth = current_.depth;
  const bool fromMod = current_.fromModFile;
  finishLine();
  for (SourceFile* file : files) enterSource(*file, depth, fromMod);
}

Context::SourceFile* Context::openSource(const std::string& name, FileKind kind) {
  if (kind == FileKind::Include) {
    if (const std::optional<ErrorCode> refusal = refusedIncludeName(name)) {
      fatalError(*refusal, name);
      return nullptr;
    }
  }
  if (current_.depth >= kMaxIncludeDepth || includesThisPass_ >= kMaxIncludesPerPass) {
    fatalError(ErrorCode::IncludeTooDeep, name);
    return nullptr;
  }
  ++includesThisPass_;
  SourceFile& file = readFile(name, kind);
  if (!file.text) {
    fatalError(kind == FileKind::ModFile ? ErrorCode::MissingModFile : ErrorCode::MissingInclude,
               name);
    return nullptr;
  }
  // Included text counts as expanded text: 64 includes of a large file are work too.
  if (!charge(0, file.text->size())) return nullptr;
  return &file;
}

void Context::enterSource(SourceFile& file, int depth, bool fromModFile) {
  if (ended_ || stopped_) return;
  // A built-in register file included again, under any of its names, would
  // only define the same names again.
  if (file.builtin) {
    const char* text = file.text->data();
    if (std::find(builtinsRead_.begin(), builtinsRead_.end(), text) != builtinsRead_.end()) return;
    builtinsRead_.push_back(text);
  }
  processFile(file.name, *file.text, depth + 1, fromModFile || file.modFile);
}

Context::SourceFile& Context::readFile(const std::string& name, FileKind kind) {
  // Both passes must see the same text, so each file is read once.
  const std::string key = std::string(kind == FileKind::ModFile ? "M:" : "I:") + name;
  auto it = files_.find(key);
  if (it != files_.end()) return it->second;
  SourceFile file;
  if (std::optional<std::string> content = reader_ ? reader_(name, kind) : std::nullopt) {
    normalizeSourceText(*content);
    result_.texts.push_back(std::make_unique<const std::string>(std::move(*content)));
    file.text = *result_.texts.back();
  } else if (kind == FileKind::Include) {
    // A file of that name in the folder comes first.
    file.text = builtinRegisterFile(name);
    file.builtin = file.text.has_value();
  }
  file.modFile = kind == FileKind::ModFile || file.builtin;
  it = files_.emplace(key, file).first;
  // The name must outlive the listing of the file's lines: the key keeps it.
  it->second.name = std::string_view(it->first).substr(2);
  return it->second;
}

std::uint8_t& Context::note() {
  const auto index = static_cast<std::size_t>(statement_);
  if (notes_.size() <= index) notes_.resize(index + 1, 0);
  return notes_[index];
}

void Context::emit(std::span<const std::uint8_t> bytes) {
  std::uint32_t& loc = counter();
  if (pass_ == 2) {
    if (!current_.address && loc <= 0xFFFF) current_.address = static_cast<std::uint16_t>(loc);
    bool beyond = false;
    bool overlap = false;
    std::uint32_t overlapAt = 0;
    // Only a source full of errors lists more bytes than this; the memory
    // image is built all the same.
    const bool listed = result_.objectBytes.size() + bytes.size() <= kMaxListedBytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const std::uint32_t at = loc + static_cast<std::uint32_t>(i);
      if (listed) result_.objectBytes.push_back(bytes[i]);
      if (at > 0xFFFF) {
        beyond = true;
        continue;
      }
      const auto address = static_cast<std::uint16_t>(at);
      if (!overlap && result_.image.used(address)) {
        overlap = true;
        overlapAt = address;
      }
      result_.image.set(address, bytes[i]);
    }
    if (beyond) beyond64K(std::max(loc, 0x10000u));
    if (overlap) warning(ErrorCode::CodeOverlap, intelHex(overlapAt));
  }
  advance(static_cast<std::uint32_t>(bytes.size()));
}

Context::Evaluated Context::evaluateExpr(std::span<const Token> tokens) {
  Evaluated out;
  if (tokens.empty()) {
    error(ErrorCode::MissingExpression);
    return out;
  }
  EvalEnv env{symbols_, location(), bank_};
  env.assumedKnown = pass_ == 2;
  const ExprResult r = evaluate(tokens, env);
  out.value = r.value;
  out.known = r.known;
  out.predefined = r.predefined;
  if (r.error) {
    error(*r.error, r.detail);
    return out;
  }
  if (!r.known && pass_ == 2) {
    // R8 and the like are registers the writer thought the 8051 had.
    const std::string_view name = r.undefinedName;
    const bool registerLike = name.size() >= 2 && asciiUpper(name[0]) == 'R' &&
                              name.find_first_not_of("0123456789", 1) == std::string_view::npos;
    // Defined, but from values that were not known in time (X EQU Y, Y EQU Z, Z EQU 1).
    const bool late = symbols_.find(upper(name)) != nullptr;
    error(registerLike ? ErrorCode::NotARegister
          : late       ? ErrorCode::ValueTooLate
                       : ErrorCode::UndefinedSymbol,
          r.undefinedName);
    return out;
  }
  out.ok = true;
  return out;
}

// ORG, DS and the like move the location counter, so their value must be
// known in pass 1 already or the two passes would place code differently.
Context::Evaluated Context::requireKnownInPass1(std::span<const Token> tokens) {
  Evaluated v = evaluateExpr(tokens);
  if (pass_ == 1) {
    if (!v.known) note() |= 1;
    return v;
  }
  if (v.ok && statement_ < static_cast<int>(notes_.size()) &&
      (notes_[static_cast<std::size_t>(statement_)] & 1)) {
    error(ErrorCode::ForwardReference, forwardName(tokens));
    v.ok = false;
  }
  return v;
}

const std::vector<std::span<const Token>>& Context::splitOperands(std::span<const Token> tokens) {
  std::vector<std::span<const Token>>& parts = operands_;
  parts.clear();
  if (tokens.empty() || tokens.front().kind == Tok::End) return parts;
  int depth = 0;
  std::size_t start = 0;
  std::size_t i = 0;
  for (; i < tokens.size() && tokens[i].kind != Tok::End; ++i) {
    if (tokens[i].kind == Tok::LParen)
      ++depth;
    else if (tokens[i].kind == Tok::RParen)
      --depth;
    else if (tokens[i].kind == Tok::Comma && depth <= 0) {
      parts.push_back(tokens.subspan(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(tokens.subspan(start, i - start));
  return parts;
}

}  // namespace asm51
