#include "context.h"
#include "reserved_words.h"

namespace asm51 {

// False when the line is the preprocessor's (a directive, or a line that
// #if leaves out): it is listed as written and not assembled.
bool Context::preprocessLine() {
  pendingInclude_.reset();
  const PreprocessedLine out = preprocessor_.line(current_.text, *this);
  if (out.cost > 0 && !charge(0, out.cost)) {
    finishLine();
    return false;
  }
  if (out.code) {
    current_.text = out.text;
    return true;
  }
  finishDirective();
  return false;
}

// Lists a directive's line, then reads the file it included, as $INCLUDE does.
void Context::finishDirective() {
  SourceFile* file = nullptr;
  if (pendingInclude_) {
    const std::string name = std::move(*pendingInclude_);
    pendingInclude_.reset();
    file = openSource(name, FileKind::Include);
  }
  const int depth = current_.depth;
  const bool fromMod = current_.fromModFile;
  finishLine();
  if (file) enterSource(*file, depth, fromMod);
}

// What the file left open is reported under a line of its own after its last.
void Context::finishFile(const Preprocessor::FileState& outer, std::string_view name, int lastLine,
                         int depth) {
  const bool complete = !ended_ && !stopped_;
  current_ = CurrentLine{};
  current_.fileName = name;
  current_.line = lastLine;
  current_.depth = depth;
  current_.firstByte = result_.objectBytes.size();  // the line has no code of its own
  pendingInclude_.reset();
  preprocessor_.endFile(outer, complete, *this);
  if (!current_.diagnostics.empty() || pendingInclude_) finishDirective();
}

// #if and #elif are decided as IF is, forward values included, so that both
// read the assembler's symbols alike. A name that is neither #define'd nor a
// symbol anywhere in the source reads as 0, as a C preprocessor reads it:
// known once a run of pass 1 has seen the whole source, so a first run that
// meets a name it does not know yet asks for another.
bool Context::preprocessorCondition(std::string_view directive, std::string_view expression) {
  tokenize(expression, conditionTokens_);
  conditionTokens_.pop_back();  // Tok::End
  const bool lookedEverywhere = pass_ == 2 || earlier_;
  for (Token& token : conditionTokens_) {
    if (token.kind != Tok::Ident) continue;
    const std::string name = upper(token.text);
    const bool absolute =
        name.size() == 3 && name.starts_with("AR") && name[2] >= '0' && name[2] <= '7';
    if (absolute || isReservedWord(name) || symbols_.find(name)) continue;
    if (!lookedEverywhere) {
      nameUnseenInCondition_ = true;
      continue;
    }
    if (pass_ == 1 && earlier_->find(name)) continue;
    token.kind = Tok::Number;
    token.value = 0;
  }
  return valueCondition(true, conditionTokens_, directive);
}

void Context::preprocessorInclude(std::string name) {
  pendingInclude_ = std::move(name);
}

void Context::preprocessorError(ErrorCode code, std::string detail, std::string extra) {
  error(code, std::move(detail), std::move(extra));
}

}  // namespace asm51
