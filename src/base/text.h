#pragma once
// The core's text type counts characters as the platform's UTF-16 strings do, so every length
// rule (the 12-character name, the cuts by character counts) holds for Czech names too.

#include <string>
#include <string_view>

namespace tamrill {

using Text = std::u16string;
using TextView = std::u16string_view;

// Sources are UTF-8; these convert at the edges (tests, probes, the fuzzers).
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);

// Letter case folding as the program's comparisons need it: every letter of Windows-1250 and
// Latin-1 that has a lower-case form, which covers the Czech alphabet.
char16_t toLower(char16_t c);
Text toLower(TextView text);
// Whether a and b are equal when letter case is ignored, as Windows compares file names.
bool equalIgnoringCase(TextView a, TextView b);

// The first n characters of text, or all of it when it is shorter; n below 0 gives nothing.
Text leftChars(TextView text, long long n);
// The last n characters of text, or all of it when it is shorter; n below 0 gives nothing.
Text rightChars(TextView text, long long n);
// 1-based position of the last occurrence of what in text, 0 when there is none.
std::size_t lastPosition(TextView text, TextView what);

}  // namespace tamrill
