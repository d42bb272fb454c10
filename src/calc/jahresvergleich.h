#pragma once
// One request computed in several tax years side by side: each year with
// its own parameters for the same pay month, the figures in one display
// currency (the DM years converted like every other display), and the
// change of each figure from one year of the comparison to the next.  The
// command line and the window "Jahresvergleich" show what this returns.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "calc/pruefung.h"

namespace lst {

// One figure of the comparison: its caption and the name of its amount in
// the command line's JSON and batch (ErgebnisFelder).
struct TVergleichsGroesse {
  const char* Titel;
  const char* Name;
  // The employer's side (cost), not the employee's.
  bool Arbeitgeber = false;
  // Shown even where it is 0 in every year (the gross, the wage tax, the
  // net wage, the cost); the others only where a year has them.
  bool Immer = false;
};
// The figures in the order they are shown: gross wage, the employee's
// taxes and contributions, the net wage, then the employer's flat-rate
// taxes, contributions and cost.
const std::vector<TVergleichsGroesse>& VergleichsGroessen();
// The index of a figure by its name; -1 for none.
int VergleichsGroesse(const char* name);

// A year prepared by a front: its parameters and request (amounts in the
// year's currency), the amounts as the user typed them, or why the front
// could not build the request (its message, which the year shows instead
// of figures).
struct TVergleichsVorlage {
  int Jahr = 0;
  TParameter Parameter;
  TAnfrage Anfrage;
  TGetippteBetraege Getippt;
  std::string Fehler;
};

// One year of the comparison.
struct TVergleichsJahr {
  int Jahr = 0;
  int Monat = 12;
  // Why the year has no figures (a German message); empty when computed.
  std::string Fehler;
  TParameter Parameter;
  TAnfrage Anfrage;
  // The slip in cents of the year's currency, and as shown: in cents of
  // the display currency.
  TMonatsErgebnis Ergebnis;
  TMonatsErgebnis Anzeige;
  bool Berechnet() const { return Fehler.empty(); }
};

struct TJahresvergleich {
  bool Euro = true;  // the display currency (false: DM)
  int Monat = 12;    // the pay month asked for
  std::vector<TVergleichsJahr> Jahre;

  // Figure g (VergleichsGroessen) of year i as shown; none where the year
  // has no figures.
  std::optional<std::int64_t> Wert(std::size_t i, std::size_t g) const;
  // The change of figure g from year i to year i + 1 (later less earlier);
  // none where either has no figures.
  std::optional<std::int64_t> Differenz(std::size_t i, std::size_t g) const;
  // Whether every year has its figures.
  bool Vollstaendig() const;
  // Whether figure g is shown: always where it says so, else where a year
  // has it (a minijob's flat-rate taxes, a surcharge of the childless).
  bool Gezeigt(std::size_t g) const;
  // The figures shown, in their order.
  std::vector<std::size_t> GezeigteGroessen() const;
};

// The value axis of the chart of the net wage and the employer's cost over
// the years, in units of the display currency: from Unten to Oben in steps
// of Schritt (1, 2, 2,5 or 5 times a power of ten, about five of them),
// every value of both lines inside with some room.
struct TVergleichsSkala {
  double Unten = 0;
  double Oben = 1000;
  double Schritt = 200;
};
TVergleichsSkala VergleichsSkala(const TJahresvergleich& v);

// The names of inputs and the amounts of a message (calc/pruefung.h
// BefundText) as a front words them, for the parameters of the year.
using TBefundWorte = std::function<std::string(const TBefund&, const TParameter&)>;

// The years prepared by a front, computed and shown in one currency: a
// year without its social insurance, and a request Pruefen refuses, get
// their message instead of figures.
TJahresvergleich JahreVergleichen(const std::vector<TVergleichsVorlage>& vorlagen, bool euro,
                                  const TBefundWorte& worte);

// The parameters of a pay month of a year, with the values the user stored
// for it.
using TJahresParameter = std::function<TParameter(int jahr, int monat)>;

// The request a, stated for the year anfrageJahr, in each of the years: its
// amounts turned into each year's currency, each year with the parameters
// of the pay month (up to 2013 every year has one set of rules).
TJahresvergleich JahreVergleichen(const TAnfrage& a, int anfrageJahr, const std::vector<int>& jahre, int monat,
                                  bool euro, const TJahresParameter& parameter, const TBefundWorte& worte);

// The request of one year with its amounts in the currency of another
// (Euro and DM at the official rate, each amount rounded to the cent once);
// the same request where both years have one currency.  The previous
// year's liable wages of the March clause follow the previous years.  The
// private premium, its care part and the employer's subsidy as paid stay
// as the fronts read them.
TAnfrage AnfrageInJahr(const TAnfrage& a, int vonJahr, int nachJahr);

// The years of a comparison as given: each one that has its social
// insurance, none twice, at least two.  Sorts them; returns an empty string
// or a German message.
std::string VergleichsjahrePruefen(std::vector<int>& jahre);
// The years from von to bis, both included (empty where bis < von).
std::vector<int> Jahresbereich(int von, int bis);
// The years a comparison opens with for a request of the year jahr: the
// year before and the year itself (from the first year: it and the next).
std::vector<int> StandardVergleichsjahre(int jahr);

}  // namespace lst
