#include "base/failure_text.h"

namespace tamrill {

Text fileFailureReason(SysError error) {
  switch (error) {
    case SysError::NotFound:
      return u"Soubor nebo složka nebyla nalezena.";
    case SysError::AccessDenied:
      return u"Přístup byl odepřen (složka je možná chráněna proti zápisu).";
    case SysError::InUse:
      return u"Soubor právě používá jiný program.";
    case SysError::AlreadyExists:
      return u"Ve složce už je skrytý soubor nebo složka stejného jména.";
    case SysError::BadExeFormat:
      return u"Tato verze Windows neumí tento program spustit.";
    case SysError::None:
    case SysError::Other:
      break;
  }
  return u"Systém operaci odmítl.";
}

}  // namespace tamrill
