#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "diagnostics.h"
#include "lexer.h"

namespace asm51 {

// #define'd names expanded inside one another, at most.
inline constexpr int kMaxDefineDepth = 64;

// What the preprocessor asks of the assembly it feeds.
class PreprocessorHost {
 public:
  // #if and #elif (`directive`, written "#if" or "#elif"): true when the
  // condition holds. The expression comes with its #define'd names expanded
  // and defined(NAME) written as 1 or 0.
  virtual bool preprocessorCondition(std::string_view directive, std::string_view expression) = 0;
  // #include "name" or <name>: read once the directive's line is done.
  virtual void preprocessorInclude(std::string name) = 0;
  virtual void preprocessorError(ErrorCode code, std::string detail, std::string extra = {}) = 0;

 protected:
  ~PreprocessorHost() = default;
};

struct PreprocessedLine {
  bool code = true;       // false: a directive, or a line that #if leaves out
  std::string_view text;  // what the assembler reads, when `code`
  bool expanded = false;  // a #define'd name was replaced
  std::size_t cost = 0;   // work the replacing took, here or in a condition: bounded a pass
};

// The C preprocessor's share of sources written for other tools, a line at
// a time: // and /* */ comments, #define and #undef (also with parameters),
// #include, and #if, #ifdef, #ifndef, #elif, #else and #endif. A '#' starts
// a directive only as a line's first non-blank character, so MOV A,#1 is
// untouched; // and /* never start a comment inside a string or after ';'.
class Preprocessor {
 public:
  // What an including file had going while an included one is read.
  struct FileState {
    bool inComment = false;
    std::size_t conditionals = 0;
  };

  // Whether a line, as the assembler's lexer reads it, has anything for the
  // preprocessor: a directive, a comment to strip, a #define'd name, or it
  // lies in a comment or in a branch that #if leaves out. Most lines have
  // none of these and cost nothing more.
  bool wants(std::string_view text, const std::vector<Token>& tokens) const {
    if (!continuing_ && !inComment_ && frames_.empty() && defines_.empty() &&
        tokens.front().kind != Tok::Hash && std::memchr(text.data(), '/', text.size()) == nullptr)
      return false;
    return wantsTokens(tokens);
  }
  // Forgets every definition: each pass starts afresh.
  void reset();
  FileState beginFile();
  // Back in the including file; what this one left open is reported when
  // it was read to its end.
  void endFile(const FileState& outer, bool complete, PreprocessorHost& host);
  // `text` is one line as written, without its line end. The returned text
  // stays valid until the next call.
  PreprocessedLine line(std::string_view text, PreprocessorHost& host);

 private:
  enum class Mode { Code, Control, Directive, Include };
  struct Define {
    bool functionLike = false;
    std::vector<std::string> params;
    std::string body;
  };
  struct Frame {
    bool parentActive = true;
    bool active = false;
    bool taken = false;
    bool elseSeen = false;
  };
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };

  bool wantsTokens(const std::vector<Token>& tokens) const;
  bool active() const { return frames_.empty() || frames_.back().active; }
  void strip(std::string_view text, std::string& out, Mode mode);
  void directive(std::string_view text, PreprocessorHost& host);
  void conditional(std::string_view word, std::string_view rest, PreprocessorHost& host);
  bool evaluate(const std::string& directiveName, std::string_view expression,
                PreprocessorHost& host);
  void define(std::string_view rest, PreprocessorHost& host);
  void undefine(std::string_view name);
  bool expand(std::string_view text, std::string& out, bool condition, PreprocessorHost& host,
              int depth);
  std::size_t definedOperand(std::string_view text, std::size_t from, std::string& out,
                             PreprocessorHost& host) const;
  const Define* find(std::string_view name) const;
  std::string culprit(std::string_view innermost) const;

  std::unordered_map<std::string, Define, Hash, std::equal_to<>> defines_;
  // How many names start with each byte: most words of a line are no
  // #define'd name, and this says so without a lookup.
  std::array<std::uint32_t, 256> firstBytes_{};
  std::vector<Frame> frames_;
  std::size_t fileFrames_ = 0;  // frames_ that the including files opened
  bool inComment_ = false;
  bool continuing_ = false;                  // a directive's line ended in a backslash
  std::string pending_;                      // the directive so far
  std::vector<std::string_view> expanding_;  // names being expanded, not replaced again
  std::string_view lastExpanded_;
  std::size_t work_ = 0;
  bool expanded_ = false;
  std::string stripped_;
  std::string out_;
  std::string directive_;
  std::string condition_;
};

}  // namespace asm51
