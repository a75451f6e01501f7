#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "assembler.h"

namespace asm51 {

// The listing: a header, the list of errors and warnings with their lines,
// every listed line with its number, address and object bytes (errors again
// under their lines), the symbol table, and the summary line last, where
// Tamrill and other tools read the count. CRLF line ends; Windows-1250, or
// UTF-8 with a byte-order mark when the source is UTF-8.
//
// ListingStream formats lines as pass 2 produces them; as the list of errors
// comes first, it keeps them until finish() writes the whole in chunks.
class ListingStream final : public ListingSink {
 public:
  // Receives the text in order; false when it could not be written.
  using Output = std::function<bool(std::string_view)>;

  // `sourceName` is UTF-8.
  ListingStream(std::string_view sourceName, Output output);
  void begin(const AssemblyResult& result) override;
  void line(const ListedLine& line, const AssemblyResult& result) override;
  // Writes the listing of `result`, whose diagnostics may have grown since
  // its lines were listed (a HEX file that could not be written). False when
  // any chunk could not be written.
  bool finish(const AssemblyResult& result);

 private:
  void send(std::string& chunk);

  std::string sourceName_;
  Output output_;
  TextEncoding encoding_ = TextEncoding::Windows1250;
  std::vector<std::string> body_;  // the listed lines, in chunks
  std::vector<bool> shown_;        // diagnostics shown under a listed line
  bool ok_ = true;
};

// The whole listing of a result whose lines were collected.
std::string writeListing(const AssemblyResult& result, std::string_view sourceName);

}  // namespace asm51
