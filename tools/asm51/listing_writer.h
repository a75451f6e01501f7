#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "assembler.h"

namespace asm51 {

// The listing: a header, every listed line with its number, address and
// object bytes, errors under their lines, the summary line, an error
// summary and the symbol table. CRLF line ends.
//
// ListingStream formats lines as pass 2 produces them and hands the text on
// in chunks, so that a long listing never has to be held in memory.
class ListingStream final : public ListingSink {
 public:
  // Receives the text in order; false when it could not be written.
  using Output = std::function<bool(std::string_view)>;

  ListingStream(std::string_view sourceName, Output output);
  void begin(const AssemblyResult& result) override;
  void line(const ListedLine& line, const AssemblyResult& result) override;
  // The summary line, error summary and symbol table, then the last chunk.
  // False when any chunk could not be written.
  bool finish(const AssemblyResult& result);

 private:
  void flushIfFull();
  void flush();

  std::string sourceName_;
  Output output_;
  std::string buffer_;
  bool ok_ = true;
};

// The whole listing of a result whose lines were collected.
std::string writeListing(const AssemblyResult& result, std::string_view sourceName);

}  // namespace asm51
