#include "base/number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tamrill {

namespace {

// More significant digits than any double needs to be rounded right; the rest only scale.
constexpr std::size_t kMaxDigits = 800;
// Far beyond any exponent that matters, and far from overflowing a long long.
constexpr long long kSaturation = 1'000'000'000'000LL;

bool isSkipped(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n';
}
bool isDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}
bool isSign(char16_t c) {
  return c == u'+' || c == u'-';
}

long long saturate(long long v) {
  if (v > kSaturation) return kSaturation;
  if (v < -kSaturation) return -kSaturation;
  return v;
}

}  // namespace

void NumberReader::takeMantissaDigit(int digit, bool fraction) {
  if (digits_.empty() && digit == 0) {
    if (fraction) scale_ = saturate(scale_ - 1);
    return;
  }
  if (digits_.size() < kMaxDigits) {
    digits_.push_back(static_cast<char>('0' + digit));
    if (fraction) scale_ = saturate(scale_ - 1);
  } else if (!fraction) {
    scale_ = saturate(scale_ + 1);
  }
}

bool NumberReader::take(char16_t c) {
  if (stage_ == Stage::Done) return false;
  if (isSkipped(c)) return true;
  const bool exponent = stage_ == Stage::ExponentStart || stage_ == Stage::Exponent;
  if (exponent ? takeExponent(c) : takeMantissa(c)) return true;
  stage_ = Stage::Done;
  return false;
}

bool NumberReader::takeMantissa(char16_t c) {
  if (stage_ == Stage::Start && isSign(c)) {
    negative_ = c == u'-';
    stage_ = Stage::Whole;
    return true;
  }
  if (isDigit(c)) {
    if (stage_ == Stage::Start) stage_ = Stage::Whole;
    takeMantissaDigit(c - u'0', stage_ == Stage::Fraction);
    return true;
  }
  if (c == u'.' && stage_ != Stage::Fraction) {
    stage_ = Stage::Fraction;
    return true;
  }
  // Only after a sign, a digit or the period: a bare "e" begins no number.
  if ((c == u'e' || c == u'E') && stage_ != Stage::Start) {
    stage_ = Stage::ExponentStart;
    return true;
  }
  return false;
}

bool NumberReader::takeExponent(char16_t c) {
  if (stage_ == Stage::ExponentStart && isSign(c)) {
    exponentNegative_ = c == u'-';
    stage_ = Stage::Exponent;
    return true;
  }
  if (!isDigit(c)) return false;
  stage_ = Stage::Exponent;
  if (exponent_ < kSaturation) exponent_ = exponent_ * 10 + (c - u'0');
  return true;
}

std::optional<float> NumberReader::value() const {
  const float zero = negative_ ? -0.0F : 0.0F;
  if (digits_.empty()) return zero;  // no significant digit: 0 whatever the exponent says
  const long long power = scale_ + (exponentNegative_ ? -exponent_ : exponent_);
  // The value lies in [10^(magnitude-1), 10^magnitude).
  const long long magnitude = static_cast<long long>(digits_.size()) + power;
  if (magnitude > 40) return std::nullopt;
  if (magnitude < -50) return zero;

  std::string written = digits_ + "e" + std::to_string(power);
  double parsed = 0;
  const auto [end, error] =
      std::from_chars(written.data(), written.data() + written.size(), parsed);
  if (error != std::errc() || end != written.data() + written.size()) return std::nullopt;
  // Checked before the conversion: a double beyond the float range has no float value.
  if (parsed > static_cast<double>(std::numeric_limits<float>::max())) return std::nullopt;
  const auto single = static_cast<float>(parsed);
  return negative_ ? -single : single;
}

std::optional<float> readNumber(TextView text) {
  NumberReader reader;
  for (const char16_t c : text) {
    if (!reader.take(c)) break;
  }
  return reader.value();
}

}  // namespace tamrill
