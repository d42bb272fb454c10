#pragma once
// The rates a user states in percent, each kind with one range and one
// number of decimals: the command line's options, the window's fields and
// the values stored in the settings file are read by the same rule, so that
// a rate taken in one place is taken in every other.

#include <optional>
#include <string>
#include <string_view>

namespace lst {

enum class TSatzArt {
  Zusatzbeitrag,  // the health fund's add-on rate: 0 to 10 %, two decimals
  Umlage,         // the employer's levies U1 and U2: 0 to 10 %, two decimals
  Pauschsteuer,   // the employer's flat-rate tax: 0 to 100 %, two decimals
  Kirchensteuer,  // the church-tax rate: 0 to 100 %, two decimals
  Beitrag,        // a contribution rate of the rate table: 0 to 100 %, three decimals
};

struct TSatzGrenzen {
  double Von;
  double Bis;
  int Stellen;       // decimals at most
  const char* Name;  // "Zusatzbeitragssatz" ...
};
const TSatzGrenzen& SatzGrenzen(TSatzArt art);

// Reads a rate in percent as typed or stored ("1,7", "1.70", " 2 "):
// nothing for text that is no number, lies outside the range or has more
// decimals than the kind allows (trailing zeros do not count); then fehler,
// where given, receives a German message that names the range
// ("kein Zusatzbeitragssatz von 0 bis 10 Prozent mit höchstens zwei
// Nachkommastellen").
std::optional<double> SatzLesen(std::string_view text, TSatzArt art, std::string* fehler = nullptr);

// The message for a rate that SatzLesen refuses, without the text.
std::string SatzRegel(TSatzArt art);

// The church-tax rate in percent where none is given.
constexpr double kKirchensteuerVorgabe = 8;

}  // namespace lst
