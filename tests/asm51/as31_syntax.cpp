#include "as31_syntax.h"

#include <sstream>
#include <vector>

#include "lexer.h"

namespace asm51::test {
namespace {

std::string withoutComment(const std::string& line) {
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';') {
      return line.substr(0, i);
    }
  }
  return line;
}

std::string trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// Splits off the first blank-separated word.
std::pair<std::string, std::string> firstWord(const std::string& text) {
  const auto end = text.find_first_of(" \t");
  if (end == std::string::npos) return {text, {}};
  return {text.substr(0, end), trim(text.substr(end))};
}

// '$' becomes '*'; in DB, quoted strings of more than one character become
// double-quoted strings.
std::string operands(const std::string& text, bool dataBytes) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') {
      const auto close = text.find('\'', i + 1);
      const std::string body = text.substr(i + 1, close - i - 1);
      out += dataBytes && body.size() > 1 ? "\"" + body + "\"" : "'" + body + "'";
      i = close;
    } else if (c == '$') {
      out += '*';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string toAs31Syntax(std::string_view source) {
  std::istringstream in{std::string(source)};
  std::ostringstream out;
  std::string raw;
  while (std::getline(in, raw)) {
    std::string line = trim(withoutComment(raw));
    if (line.empty() || line[0] == '$') {
      out << '\n';
      continue;
    }
    std::string label;
    const auto colon = line.find(':');
    if (colon != std::string::npos && line.find('\'') > colon) {
      label = line.substr(0, colon + 1);
      line = trim(line.substr(colon + 1));
    }
    auto [word, rest] = firstWord(line);
    const std::string upperWord = upper(word);
    auto [second, expr] = firstWord(rest);
    const std::string upperSecond = upper(second);
    if (label.empty() && (upperSecond == "EQU" || upperSecond == "SET" || upperSecond == "DATA" ||
                          upperSecond == "BIT" || upperSecond == "CODE")) {
      const bool bitName = expr.find('.') != std::string::npos;
      out << '\t' << (bitName ? ".flag " : ".equ ") << word << ", " << operands(expr, false)
          << '\n';
      continue;
    }
    std::string directive;
    if (upperWord == "ORG")
      directive = ".org";
    else if (upperWord == "DB")
      directive = ".db";
    else if (upperWord == "DW")
      directive = ".dw";
    else if (upperWord == "DS")
      directive = ".skip";
    else if (upperWord == "END")
      directive = ".end";
    out << label << '\t' << (directive.empty() ? word : directive) << ' '
        << operands(rest, upperWord == "DB") << '\n';
  }
  return out.str();
}

}  // namespace asm51::test
