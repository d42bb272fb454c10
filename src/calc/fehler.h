#pragma once

#include <stdexcept>
#include <string>

namespace lst {

// The one error of the calculation core, carrying its German message.
class TLStFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Keine Lohnsteuer für <jahr> vorhanden."
[[noreturn]] void KeineLohnsteuer(int jahr);

// For the years with wage tax but without social insurance (from 2014):
// "Für <jahr> ist die Sozialversicherung noch nicht hinterlegt …".
[[noreturn]] void KeineSozialversicherung(int jahr);

}  // namespace lst
