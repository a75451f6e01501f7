#include "base/failure_text.h"

#include <array>

namespace tamrill {

namespace {

struct Reason {
  SysError error;
  const char16_t* file;   // empty: told as any other refusal
  const char16_t* start;  // empty: told as any other refusal
};

// clang-format off
constexpr std::array kReasons{
  Reason{SysError::NotFound,      u"Soubor nebo složka nebyla nalezena.",
                                  u"Program nebyl nalezen."},
  Reason{SysError::Unreachable,   u"Jednotka nebo síťová složka není dostupná.",
                                  u"Jednotka nebo síťová složka s programem není dostupná."},
  Reason{SysError::AccessDenied,  u"Přístup byl odepřen (složka je možná chráněna proti zápisu).",
                                  u"Přístup byl odepřen."},
  Reason{SysError::InUse,         u"Soubor právě používá jiný program.",
                                  u""},
  Reason{SysError::AlreadyExists, u"Ve složce už je skrytý soubor nebo složka stejného jména.",
                                  u""},
  Reason{SysError::BadExeFormat,  u"Tato verze Windows neumí tento program spustit.",
                                  u"Tento program nelze v tomto systému spustit."},
};
// clang-format on

}  // namespace

Text failureReason(SysError error, Attempt attempt) {
  const bool start = attempt == Attempt::ProgramStart;
  for (const Reason& reason : kReasons) {
    if (reason.error != error) continue;
    const char16_t* text = start ? reason.start : reason.file;
    if (*text != u'\0') return text;
  }
  return start ? u"Systém spuštění odmítl." : u"Systém operaci odmítl.";
}

}  // namespace tamrill
