#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "assembler.h"
#include "expression.h"
#include "lexer.h"
#include "preprocessor.h"
#include "symbols.h"

namespace asm51 {

struct Parsed;  // an instruction operand, as instructions.cpp reads it

enum class Segment : std::uint8_t { Code, Data, Idata, Bit, Xdata };

// All state of one assembly. Both passes walk the same lines; pass 1 only
// measures and defines, pass 2 checks, encodes and lists.
class Context final : private PreprocessorHost {
 public:
  // Without a sink, listed lines are collected in the result.
  Context(std::string_view sourceName, std::string source, const FileReader& reader,
          ListingSink* sink);
  AssemblyResult run();

 private:
  struct Evaluated {
    std::uint16_t value = 0;
    bool known = false;
    bool ok = false;          // usable: no error and, in pass 2, defined
    bool predefined = false;  // a predefined name took part, which the source may yet define
    bool assumed = false;     // known only through an earlier run's values (pass 1)
  };

  // Where the line being processed came from, and what it produced.
  struct CurrentLine {
    std::string_view fileName;
    std::string_view text;    // as the assembler reads it, preprocessed
    std::string_view listed;  // as written, for the listing
    int line = 0;
    int depth = 0;
    bool fromModFile = false;
    bool builtin = false;    // a predefined name's definition, never listed
    bool expansion = false;  // produced by a macro or REPT
    std::optional<std::uint16_t> address;
    std::optional<std::uint16_t> value;
    std::size_t firstByte = 0;
    std::vector<std::size_t> diagnostics;
  };

  // A file that $INCLUDE, #include or $MOD51 named, read once for all passes.
  struct SourceFile {
    std::string_view name;                 // as the source wrote it
    std::optional<std::string_view> text;  // nullopt when it cannot be read
    bool modFile = false;  // register definitions: not listed, not in the symbol table
    bool builtin = false;  // a register file the assembler carries itself
  };

  // assembler.cpp: passes, files and controls
  void runPass(int pass);
  void processFile(std::string_view name, std::string_view text, int depth, bool fromModFile);
  // Runs the lines of `text` as if they stood in place of the current line.
  void processLines(std::string_view text, bool expansion);
  void processLine();
  void processControls(std::string_view text);
  SourceFile& readFile(const std::string& name, FileKind kind);
  // Checks and reads a file to include after the current line; null after
  // the fatal error that says why not.
  SourceFile* openSource(const std::string& name, FileKind kind);
  void enterSource(SourceFile& file, int depth, bool fromModFile);
  void finishLine();
  static void dropDirectiveDot(std::vector<Token>& tokens);

  // preprocessing.cpp: the C preprocessor's lines, between reading a line and assembling it
  bool preprocessLine();
  void finishDirective();
  void finishFile(const Preprocessor::FileState& outer, std::string_view name, int lastLine,
                  int depth);
  bool preprocessorCondition(std::string_view directive, std::string_view expression) override;
  void preprocessorInclude(std::string name) override;
  void preprocessorError(ErrorCode code, std::string detail, std::string extra) override;

  // conditionals.cpp and macros.cpp: conditional assembly, macros and REPT
  struct Conditional {
    bool parentActive = true;
    bool active = false;  // lines of the current branch are assembled
    bool taken = false;   // some branch of this IF has been assembled
    bool elseSeen = false;
  };
  struct Macro {
    std::vector<std::string> params;  // upper-case
    std::vector<std::string> locals;  // upper-case
    std::vector<std::string> body;
  };
  // A MACRO or REPT whose body is being read, up to its ENDM.
  struct Recording {
    bool isRept = false;
    std::string name;  // upper-case macro name
    Macro macro;
    std::uint32_t count = 0;  // REPT's repetitions
    int nesting = 0;          // inner MACRO/REPT blocks not yet closed
  };
  bool skipping() const { return !conditionals_.empty() && !conditionals_.back().active; }
  bool conditional(const std::vector<Token>& tokens);
  bool condition(std::string_view word, std::span<const Token> args);
  // Whether the branch of a conditional line (`word`: IF, IFN, ELSEIF, and
  // any other whose condition is an assembler expression) is taken. A value
  // from further down counts with its final value; when none is consistent,
  // pass 2 reports it, naming `word`. Call once per line, while processing it.
  bool valueCondition(bool whenTrue, std::span<const Token> args, std::string_view word = "IF");
  bool beginBlock(const std::vector<Token>& tokens);
  bool recordLine(const std::vector<Token>& tokens);
  bool endBlock();
  bool callMacro(const std::vector<Token>& tokens);
  void expand(const std::vector<std::string>& lines, std::uint32_t times);
  // Counts work against the pass's bounds; false, with a fatal error, past them.
  bool charge(std::uint32_t lines, std::uint64_t bytes);
  void closeOpenBlocks();

  // forward_values.cpp: values that IFs read before their definition
  void runFirstPass();
  std::vector<const ForwardRead*> readsGoneWrong() const;
  // Pass 1: names not known yet take an earlier run's value, and are noted.
  Evaluated evaluateAhead(std::span<const Token> tokens, bool condition);
  // The first name in `tokens` that is defined on this line or further down.
  std::string forwardName(std::span<const Token> tokens) const;

  // reporting.cpp: errors and warnings
  void error(ErrorCode code, std::string detail = {}, std::string extra = {},
             std::string suggestion = {});
  void fatalError(ErrorCode code, std::string detail = {});
  void warning(ErrorCode code, std::string detail = {});
  void record(Diagnostic d);
  void beyond64K(std::uint32_t address);
  std::string suggestSymbol(const std::string& written) const;

  // statements.cpp: labels, symbol definitions and directives
  void processStatement(const std::vector<Token>& tokens);
  bool isStatementWord(std::string_view upperWord) const;
  std::size_t labelTokens(const std::vector<Token>& tokens) const;
  void defineLabel(const Token& nameToken);
  bool symbolDefinition(const std::vector<Token>& tokens);
  void defineSymbol(const Token& nameToken, SymbolType type, std::uint16_t value, bool known,
                    bool assumed = false, bool label = false);
  bool linkerDirective(std::string_view word, std::span<const Token> tokens);
  bool directive(std::string_view word, std::span<const Token> args);
  void dataBytes(std::span<const Token> args, bool words);
  void setCounter(std::span<const Token> expr);
  void reserve(std::span<const Token> expr, Segment required);
  void selectSegment(Segment segment, std::span<const Token> args);

  // instructions.cpp
  void instruction(std::string_view word, const Token& wordToken, std::span<const Token> args);
  int genericOpcode(bool isJmp, const Parsed& target);
  void encode(std::uint8_t opcode, std::span<const Parsed> operands);
  void operandError(std::string_view word, std::span<const std::uint8_t> candidates,
                    std::span<const Parsed> operands,
                    const std::vector<std::span<const Token>>& texts);

  // helpers
  Evaluated evaluateExpr(std::span<const Token> tokens);
  Evaluated requireKnownInPass1(std::span<const Token> tokens);
  // Fills operands_ with the comma-separated parts of `tokens`.
  const std::vector<std::span<const Token>>& splitOperands(std::span<const Token> tokens);
  void emit(std::span<const std::uint8_t> bytes);
  std::uint32_t& counter() { return counters_[static_cast<std::size_t>(segment_)]; }
  void advance(std::uint32_t count) {
    counter() = std::min(counter() + std::min(count, kCounterCeiling), kCounterCeiling);
  }
  std::uint16_t location() const {
    return static_cast<std::uint16_t>(counters_[static_cast<std::size_t>(segment_)] & 0xFFFF);
  }
  std::uint8_t& note();

  std::string_view sourceName_;
  std::string_view source_;
  const FileReader& reader_;
  ListingSink* sink_;
  std::unordered_map<std::string_view, std::vector<std::uint8_t>> mnemonics_;

  int pass_ = 1;
  SymbolTable symbols_;
  std::array<std::uint32_t, 5> counters_{};
  Segment segment_ = Segment::Code;
  int bank_ = 0;
  int statement_ = 0;                // running line index, identical in both passes
  std::vector<std::uint8_t> notes_;  // what pass 1 decided per statement
  int includesThisPass_ = 0;
  std::vector<Conditional> conditionals_;
  std::map<std::string, Macro, std::less<>> macros_;
  std::optional<Recording> recording_;
  int macroDepth_ = 0;
  bool exitMacro_ = false;        // EXITM seen: the rest of this expansion is dropped
  std::uint32_t expansions_ = 0;  // numbers LOCAL names, alike in both passes
  std::uint32_t expandedLines_ = 0;
  std::uint64_t expandedBytes_ = 0;  // text of expanded lines, this pass
  bool predefine_ = false;           // the source names no register definition file
  // Values read by pass 1 before their definition, and whether an IF did so.
  std::vector<ForwardRead> forwardReads_;
  bool forwardCondition_ = false;
  bool nameUnseenInCondition_ = false;      // a #if of the first run read a name not known yet
  std::optional<SymbolTable> earlier_;      // symbols of the previous run of pass 1
  std::map<int, std::string> undecidable_;  // IF lines without a consistent branch: the name
  bool linkingReported_ = false;
  bool beyondReported_ = false;
  std::map<std::string, Segment, std::less<>> linkerSegments_;           // NAME SEGMENT TYPE
  mutable std::map<std::string, std::string, std::less<>> suggestions_;  // by upper-case name
  int lastLine_ = 0;        // of the main source, where unclosed blocks are reported
  bool modLoaded_ = false;  // the source named a register definition file
  bool listOn_ = true;
  bool ended_ = false;
  bool stopped_ = false;
  CurrentLine current_;
  std::vector<Token> tokens_;                     // storage reused by every line
  std::vector<std::span<const Token>> operands_;  // likewise
  std::map<std::string, SourceFile> files_;       // by kind and name
  std::vector<const char*> builtinsRead_;         // built-in register files read this pass
  Preprocessor preprocessor_;
  std::optional<std::string> pendingInclude_;  // named by the current #include line
  std::vector<Token> conditionTokens_;
  AssemblyResult result_;
};

}  // namespace asm51
