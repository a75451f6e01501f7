#pragma once
// The values the help and about windows only display or open: the version, who made the
// program, where to find them, and the outside product the about window's icon points to.
// Gathered here so that one edit changes every place that shows them.

#include <array>
#include <cstddef>

#include "tamrill/version.h"

namespace tamrill::product {

// The version as the about window shows it, "v1.0." for 1.0.x: major and minor only.
inline constexpr char16_t kVersionText[] = u"v" TAMRILL_VERSION_SHORT ".";
// The heading of both windows: the name, three blanks, the version.
inline constexpr char16_t kNameAndVersion[] = u"Tamrill   v" TAMRILL_VERSION_SHORT ".";

// Shown as a host name (Label4 of both windows). Kept short: the help window also shows it in
// spaced-out capitals on one line of fixed width.
inline constexpr char16_t kMakerHost[] = u"tamrill.example";
// What the links open. A scheme in front, so that the shell need not guess what a bare host is.
inline constexpr char16_t kMakerAddress[] = u"http://tamrill.example/";

inline constexpr char16_t kMakerAndYear[] = u"Dílna Tamrill © 2024";
inline constexpr char16_t kAuthorLine[] = u"Vytvořil : Tým Tamrill;tym@tamrill.example";

inline constexpr char16_t kAcknowledgement[] =
    u"Poděkování: děkujeme členům kroužku elektroniky při naší škole za zapůjčení "
    u"programátoru pro mikrokontrolér AT89S51, za přehled instrukcí tohoto procesoru i za "
    u"obslužný software pro PC.";

// The game whose picture lies behind the about window.
inline constexpr char16_t kOutsideProductName[] = u"Hvězdná výprava – vesmírná hra";
inline constexpr char16_t kOutsideProductAddress[] = u"http://www.hvezdna-vyprava.example/";

// text in capital letters with two spaces between every two characters ("A  B  C"), for the
// help window's banner link. Only ASCII letters are raised: a host name has no others.
template <std::size_t N>
constexpr std::array<char16_t, 3 * (N - 1) - 1> spacedCapitals(const char16_t (&text)[N]) {
  static_assert(N >= 2, "an empty text has no spaced form");
  std::array<char16_t, 3 * (N - 1) - 1> out{};
  std::size_t at = 0;
  for (std::size_t i = 0; i + 1 < N; ++i) {
    if (i > 0) {
      out[at++] = u' ';
      out[at++] = u' ';
    }
    const char16_t c = text[i];
    out[at++] = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
  }
  out[at] = u'\0';
  return out;
}

inline constexpr auto kMakerHostSpaced = spacedCapitals(kMakerHost);

}  // namespace tamrill::product
