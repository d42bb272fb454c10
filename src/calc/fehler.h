#pragma once

#include <stdexcept>
#include <string>

namespace lst {

// The one error of the calculation core, carrying its German message.
class TLStFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A wished net wage (or wage cost) that no gross wage reaches.  Unter: the
// wish lies below what a gross wage of 0 gives already (pay beside the
// regular wage, a one-off say, raises the net wage of every gross);
// otherwise even the largest gross searched gives less.
class TWunschUnerreichbar : public TLStFehler {
 public:
  TWunschUnerreichbar(const std::string& text, bool unter) : TLStFehler(text), Unter(unter) {}
  bool Unter;
};

// "Keine Lohnsteuer für <jahr> vorhanden."
[[noreturn]] void KeineLohnsteuer(int jahr);

// For the years with wage tax but without social insurance (from 2014):
// "Für <jahr> ist die Sozialversicherung noch nicht hinterlegt …".
[[noreturn]] void KeineSozialversicherung(int jahr);

}  // namespace lst
