#include "context.h"

namespace asm51 {

void Context::error(ErrorCode code, std::string detail, std::string extra, std::string suggestion) {
  if (pass_ != 2 || stopped_) return;
  Diagnostic d;
  d.code = code;
  d.suggestion = code == ErrorCode::UndefinedSymbol ? suggestSymbol(detail) : std::move(suggestion);
  d.detail = std::move(detail);
  d.extra = std::move(extra);
  record(std::move(d));
}

void Context::fatalError(ErrorCode code, std::string detail) {
  stopped_ = true;
  if (pass_ != 2) return;
  Diagnostic d;
  d.code = code;
  d.detail = std::move(detail);
  d.fatal = true;
  record(std::move(d));
}

void Context::warning(ErrorCode code, std::string detail) {
  if (pass_ != 2 || stopped_ || result_.warnings >= static_cast<int>(kMaxWarnings)) return;
  Diagnostic d;
  d.code = code;
  d.detail = std::move(detail);
  d.warning = true;
  ++result_.warnings;
  record(std::move(d));
}

void Context::record(Diagnostic d) {
  if (!d.warning && static_cast<std::size_t>(result_.errorCount()) >= kMaxErrors) {
    // Keeps memory and the count bounded on a source that is all errors.
    d = Diagnostic{};
    d.code = ErrorCode::TooManyErrors;
    d.fatal = true;
    stopped_ = true;
  }
  d.fileName = std::string(current_.fileName);
  d.line = current_.line;
  d.included = current_.depth > 0;
  // The list of errors at the listing's top shows the line, and a token the
  // message names, shortened.
  constexpr std::size_t kShown = 200;
  d.sourceLine = shortened(current_.listed, kShown);
  if (d.detail.size() > kShown) d.detail = shortened(d.detail, kShown);
  if (d.extra.size() > kShown) d.extra = shortened(d.extra, kShown);
  current_.diagnostics.push_back(result_.diagnostics.size());
  result_.diagnostics.push_back(std::move(d));
}

// Once: every line after the first beyond 64 KiB would say the same.
void Context::beyond64K(std::uint32_t address) {
  if (beyondReported_ || pass_ != 2) return;
  beyondReported_ = true;
  error(ErrorCode::CodeBeyond64K, intelHex(address));
}

// A defined name that differs from `written` in one character (one changed,
// added or left out); the source's own names before predefined ones.
std::string Context::suggestSymbol(const std::string& written) const {
  constexpr std::size_t kLongest = 64;
  constexpr std::size_t kNamesLookedAt = 1000;  // a source full of typing errors stays fast
  const std::string name = upper(written);
  // In names of one or two letters, one more letter makes another name, not a typing error.
  if (name.size() < 3 || name.size() > kLongest) return {};
  if (const auto it = suggestions_.find(name); it != suggestions_.end()) return it->second;
  if (suggestions_.size() >= kNamesLookedAt) return {};
  constexpr std::string_view kChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_?";
  const Symbol* best = nullptr;
  std::string bestKey;
  std::string probe;
  const auto consider = [&](const std::string& key) {
    const Symbol* s = symbols_.find(key);
    if (!s || key == name) return;
    const bool own = !s->predefined && !s->fromModFile;
    const bool bestOwn = best && !best->predefined && !best->fromModFile;
    if (!best || (own && !bestOwn) || (own == bestOwn && key < bestKey)) {
      best = s;
      bestKey = key;
    }
  };
  for (std::size_t i = 0; i <= name.size(); ++i) {
    for (const char c : kChars) {
      if (i < name.size()) {
        probe = name;
        probe[i] = c;
        consider(probe);
      }
      probe = name;
      probe.insert(i, 1, c);
      consider(probe);
    }
    if (i < name.size()) {
      probe = name;
      probe.erase(i, 1);
      consider(probe);
    }
  }
  std::string found = best ? best->name : std::string();
  suggestions_.emplace(name, found);
  return found;
}

}  // namespace asm51
