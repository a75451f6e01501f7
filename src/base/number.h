#pragma once
// Reads the number a text begins with, the way the listing's error count is read: blanks, tabs
// and line feeds are skipped wherever they stand; then an optional sign, digits, an optional
// period with more digits and an optional exponent, up to the first character that cannot
// continue the number. A text that does not begin with a number reads 0.

#include <cstdint>
#include <optional>
#include <string>

#include "base/text.h"

namespace tamrill {

// Fed one character at a time, so that a number can be read straight out of a file without
// holding the text. Keeps a bounded amount of state however long the number runs.
class NumberReader {
 public:
  // Takes the next character; false once the number has ended (that character is not part of
  // it, and nothing more is taken).
  bool take(char16_t c);
  // The number read so far in single precision; nullopt when it lies beyond that range.
  std::optional<float> value() const;

 private:
  enum class Stage : std::uint8_t { Start, Whole, Fraction, ExponentStart, Exponent, Done };
  // The sign, digits and period of the number itself, up to the exponent's mark.
  bool takeMantissa(char16_t c);
  // The exponent's sign and digits.
  bool takeExponent(char16_t c);
  void takeMantissaDigit(int digit, bool fraction);

  Stage stage_ = Stage::Start;
  bool negative_ = false;
  bool exponentNegative_ = false;
  std::string digits_;      // significant digits, leading zeros dropped
  long long scale_ = 0;     // the power of ten that digits_ is multiplied by
  long long exponent_ = 0;  // the written exponent, saturated
};

std::optional<float> readNumber(TextView text);

}  // namespace tamrill
