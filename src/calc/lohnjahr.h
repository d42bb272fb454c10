#pragma once
// One employee's payroll year with one employer as a value: the pay months'
// requests in, every month's slip, the sum, the employer's annual
// adjustment (section 42b EStG) and the lines of the annual wage-tax
// certificate out.
//
//   TLohnjahr LohnjahrRechnen(const TLohnjahrAnfrage& a);
//
// The months run in order, each carrying the year so far to the next: the
// expected yearly wage of a one-off (what was paid so far and the regular
// wage to December or to the exit), the wages liable per branch for the
// pro-rated ceilings, the contribution days.  A month is the slip Abrechnen
// gives for its request with these year-to-date inputs filled in, so that
// any month can be recomputed alone.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/parameter.h"
#include "common/datum.h"

namespace lst {

// One pay month as the payroll states it.
struct TLohnMonatEingabe {
  int Monat = 0;                 // 1 to 12
  TParameter Parameter;          // of the pay month (its flowchart and rule period)
  // A monthly pay period.  The year-to-date inputs (Jahresarbeitslohn,
  // BisherigeSonstigeBezuege, SVTage, SVEntgeltBisherKV/RV) and the part
  // month are the year's to fill and stay empty.
  TAnfrage Anfrage;
  // At least five working days without a claim to wage (letter U).
  bool Unterbrechung = false;
  // Wage replacement paid through the employer: short-time allowance,
  // subsidy to maternity pay, compensation under the Infection Protection
  // Act, top-up of partial retirement (tax-free; certificate line 15).
  std::int64_t Lohnersatz = 0;
  // Wage free of German tax under a double-taxation treaty or the decree on
  // work abroad (certificate line 16), paid beside the month's taxable wage.
  std::int64_t SteuerfreiDBA = 0;
  std::int64_t SteuerfreiATE = 0;
};

struct TLohnjahrAnfrage {
  // The months with a row, in any order, each month once.  A month of the
  // employment without a row repeats the previous month's request without
  // its one-off payments.
  std::vector<TLohnMonatEingabe> Monate;
  // Entry and exit; without, the employment runs from the first month with
  // a row to December.
  std::optional<TDatum> Eintritt;
  std::optional<TDatum> Austritt;
  // Whether the employer's annual adjustment is to run in December, and
  // whether the employee asked for none (an exclusion of its own).
  bool Jahresausgleich = false;
  bool AusgleichAbgelehnt = false;
};

// One computed month.
struct TLohnjahrMonat {
  int Monat = 0;
  // The row of the request it came from (index into Monate), -1 for a month
  // that repeats the previous one.
  int Eingabe = -1;
  TParameter Parameter;
  // The request as computed: the row's (or the repeated one) with the
  // year-to-date inputs and the part month filled in.
  TAnfrage Anfrage;
  TMonatsErgebnis Ergebnis;
  // Contribution days from the start of the year (or the employment) to the
  // end of the month.
  int SVTage = 0;
  bool Unterbrechung = false;      // letter U (stated, or a month without wage)
  std::int64_t Lohnersatz = 0;
  std::int64_t SteuerfreiDBA = 0, SteuerfreiATE = 0;
};

// The employer's annual adjustment.  Done only where the law allows it;
// Gruende names each exclusion that applies, in German.
struct TJahresausgleich {
  bool Durchgefuehrt = false;
  std::vector<std::string> Gruende;
  // The year's wage (current and one-off payments, without severance and
  // multi-year pay), the taxes the flowchart of December gives for it as a
  // yearly wage, the taxes withheld on it in the months, and the refunds
  // (each adjusted on its own, never a charge).
  std::int64_t Jahresarbeitslohn = 0;
  std::int64_t LStJahr = 0, SoliJahr = 0, KiStJahr = 0;
  std::int64_t LStEinbehalten = 0, SoliEinbehalten = 0, KiStEinbehalten = 0;
  std::int64_t LStJA = 0, SoliJA = 0, KiStJA = 0;
};

struct TLohnjahr {
  // Why the year cannot be computed (German; it may name inputs by the
  // placeholders of calc/pruefung.h), with the month it concerns (0: the
  // year as a whole).  Empty when computed.
  std::string Fehler;
  int FehlerMonat = 0;
  int Jahr = 0;
  // The employment within the year.
  TDatum Beginn, Ende;
  std::vector<TLohnjahrMonat> Monate;
  // Every amount of the months added up (the amounts of ErgebnisFelder and
  // the certificate's own).
  TMonatsErgebnis Summe;
  std::int64_t Lohnersatz = 0;
  std::int64_t SteuerfreiDBA = 0, SteuerfreiATE = 0;
  int Unterbrechungen = 0;
  bool AusgleichAbgelehnt = false;
  std::optional<TJahresausgleich> Jahresausgleich;
};

TLohnjahr LohnjahrRechnen(const TLohnjahrAnfrage& a);

// A request as a month of the year starts from it: without its one-off
// payments and severance, and without the year-to-date inputs and the part
// month, which the year fills.
TAnfrage AlsLohnmonat(const TAnfrage& a);

// ---- the annual wage-tax certificate ---------------------------------------

// A line of the certificate's pattern: its number ("3", "22a") and its text
// as the form words it.
struct TBescheinigungsMuster {
  const char* Nummer;
  const char* Text;
  bool Betrag;  // an amount (else a text: the duration, the number of U)
};
// Every line the certificate here can fill, in the form's order.
const std::vector<TBescheinigungsMuster>& BescheinigungsMuster();

struct TBescheinigungsZeile {
  const TBescheinigungsMuster* Muster = nullptr;
  std::int64_t Betrag = 0;   // cents of the year's currency
  std::string Text;          // the lines that are text
};

struct TBescheinigung {
  int Jahr = 0;
  // The lines that apply, in the form's order: 1 to 6, 22a, 23a, 25 to 27
  // always, the others where the year fills them.
  std::vector<TBescheinigungsZeile> Zeilen;
  // The capital letters: "S" where a one-off was taxed without the wages of
  // earlier employers of the year (the employment began after 1 January),
  // empty where none applies.
  std::string Grossbuchstaben;
  const TBescheinigungsZeile* Zeile(std::string_view nummer) const;
};

// The certificate of a computed year (after the annual adjustment, where it
// ran).  Flat-taxed months of a minijob are no part of it.
TBescheinigung Lohnsteuerbescheinigung(const TLohnjahr& j);

}  // namespace lst
