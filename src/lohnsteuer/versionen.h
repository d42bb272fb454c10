#pragma once
// The wage-tax flowcharts by version.  Up to 2013 a tax year has one program
// (2013 chooses its two flowcharts by the basic allowance of the context);
// from 2014 a year can have several flowcharts, each in force from a pay
// month on, and each is a program of its own, named by its key ("2015dez").

#include <array>
#include <cstdint>
#include <string_view>

namespace lst {

struct TLStVersion {
  const char* Schluessel;  // "2013", "2015dez", "2023juli" ...
  std::int16_t Jahr;
  // First pay month of the year for which the flowchart is in force; it
  // stays in force up to the month before the next version of its year.
  std::uint8_t AbMonat;
  // Which outputs besides LSTLZZ … BKS the flowchart has: STV, SOLZV and BKV
  // (multi-year pay), VKVLZZ and VKVSONST, the six double-taxation outputs.
  bool MitVMT;
  bool MitVKV;
  bool MitDBA;
  // Where the month from which it applies is announced.
  const char* Quelle;
};

// Every version in the order of years and months; the position is the
// version number of TLStZustand::ProgrammVersion.  Versions 0 to 18 are
// the years 1995 to 2013.
//
// The months from 2014 on follow the Ministry's letters that published the
// flowcharts (Bundesministerium der Finanzen, "Programmablaufpläne für den
// Lohnsteuerabzug", Bundessteuerblatt I):
inline constexpr auto kLStVersionen = std::to_array<TLStVersion>({
    // 1995 to 2001 tax the current wage only: no other payments, no
    // multi-year pay.
    {"1995", 1995, 1, false, false, false, ""},
    {"1996", 1996, 1, false, false, false, ""},
    {"1997", 1997, 1, false, false, false, ""},
    {"1998", 1998, 1, false, false, false, ""},
    {"1999", 1999, 1, false, false, false, ""},
    {"2000", 2000, 1, false, false, false, ""},
    {"2001", 2001, 1, false, false, false, ""},
    {"2002", 2002, 1, true, false, false, ""},
    {"2003", 2003, 1, true, false, false, ""},
    {"2004", 2004, 1, true, false, false, ""},
    {"2005", 2005, 1, true, false, false, ""},
    {"2006", 2006, 1, true, false, false, ""},
    {"2007", 2007, 1, true, false, false, ""},
    {"2008", 2008, 1, true, false, false, ""},
    {"2009", 2009, 1, true, false, false, ""},
    {"2010", 2010, 1, true, false, false, ""},
    {"2011", 2011, 1, true, false, false, ""},
    {"2012", 2012, 1, true, true, false, ""},
    {"2013", 2013, 1, true, true, false, ""},
    {"2014", 2014, 1, true, true, false,
     "BMF-Schreiben IV C 5 - S 2361/13/10002, BStBl. 2013 I S. 1536: Lohnzahlungszeiträume, die "
     "nach dem 31.12.2013 und vor dem 1.1.2015 enden"},
    {"2015", 2015, 1, true, true, false,
     "Bekanntmachung BStBl. 2014 I S. 1518: 2015; ab Dezember der Ablaufplan für Dezember 2015"},
    {"2015dez", 2015, 12, true, true, false,
     "BMF-Schreiben IV C 5 - S 2361/15/10001, BStBl. 2015 I S. 676 (Gesetz vom 16.7.2015, "
     "BGBl. I S. 1202): Nachholung der Entlastung des ganzen Jahres ab 1.12.2015"},
    {"2016", 2016, 1, true, true, true, "Bekanntmachung vom 16.11.2015: ganzes Jahr 2016"},
    {"2017", 2017, 1, true, true, true, "einziger Ablaufplan des Jahres: ganzes Jahr 2017"},
    {"2018", 2018, 1, true, true, true, "einziger Ablaufplan des Jahres: ganzes Jahr 2018"},
    {"2019", 2019, 1, true, true, true, "einziger Ablaufplan des Jahres: ganzes Jahr 2019"},
    {"2020", 2020, 1, true, true, true, "einziger Ablaufplan des Jahres: ganzes Jahr 2020"},
    {"2021", 2021, 1, true, true, true, "einziger Ablaufplan des Jahres: ganzes Jahr 2021"},
    {"2022jan", 2022, 1, true, true, true,
     "BMF-Schreiben vom 5.11.2021 (BStBl. 2021 I S. 2051): ab Januar 2022 bis zum geänderten "
     "Ablaufplan"},
    {"2022", 2022, 6, true, true, true,
     "BMF-Schreiben vom 20.5.2022 (BStBl. 2022 I S. 682): anzuwenden ab dem 1.6.2022; Januar bis "
     "Mai sind damit zu berichtigen"},
    {"2023jan", 2023, 1, true, true, true,
     "Bekanntmachung vom 18.11.2022 (BStBl. 2022 I S. 1531): Januar bis März 2023"},
    {"2023", 2023, 4, true, true, true,
     "BMF-Schreiben vom 13.2.2023: anzuwenden ab dem 1.4.2023; Januar bis März sind damit zu "
     "berichtigen"},
    {"2023juli", 2023, 7, true, true, true,
     "Bekanntmachung vom 19.6.2023: Lohnsteuerabzug ab dem 1.7.2023 (spätestens ab 1.9.2023)"},
    // January to March 2024 were first withheld under the flowchart of
    // 3.11.2023, which is not available; the amended one is the one to
    // correct those months with.
    {"2024", 2024, 1, true, true, true,
     "BMF-Schreiben vom 23.2.2024 (BStBl. 2024 I S. 295): spätestens ab dem 1.4.2024, Januar bis "
     "März damit zu berichtigen (der erste Ablaufplan vom 3.11.2023 fehlt)"},
    {"2024dez", 2024, 12, true, true, true,
     "BMF-Schreiben vom 18.10.2024: nur für die Abrechnung Dezember 2024 (§ 52 Abs. 32a EStG)"},
    {"2025jan", 2025, 1, false, true, true,
     "Bekanntmachung vom 22.11.2024: ab Januar 2025 bis zum geänderten Ablaufplan"},
    {"2025", 2025, 3, false, true, true,
     "BMF-Schreiben vom 22.1.2025: spätestens ab dem 1.3.2025, Januar und Februar damit zu "
     "berichtigen"},
    {"2026", 2026, 1, false, false, true,
     "BMF-Schreiben vom 12.11.2025 (IV C 5 - S 2361/00025/016/028): ganzes Jahr 2026"},
});

constexpr int kAnzahlLStVersionen = static_cast<int>(kLStVersionen.size());

// The last tax year with a wage-tax program, the year of the last version
// (its social insurance may be missing: see kLetztesJahr).
constexpr int kLetztesLStJahr = kLStVersionen[kAnzahlLStVersionen - 1].Jahr;

// Version number of 1995 … 2013 (one program a year).
constexpr int kVersionJahr1995 = 0;

// Version number of a key ("2015dez"), or -1.  Keys are exact: "2015" is the
// flowchart of January to November 2015.
constexpr int LStVersionNachSchluessel(std::string_view schluessel) {
  for (int i = 0; i < kAnzahlLStVersionen; ++i) {
    if (schluessel == kLStVersionen[i].Schluessel) return i;
  }
  return -1;
}

// The version in force for a pay month (1 to 12) of a year, or -1.
constexpr int LStVersionFuerMonat(int jahr, int monat) {
  int gefunden = -1;
  for (int i = 0; i < kAnzahlLStVersionen; ++i) {
    if (kLStVersionen[i].Jahr == jahr && kLStVersionen[i].AbMonat <= monat) gefunden = i;
  }
  return gefunden;
}

// The average additional health contribution rate of a year in percent, as
// announced for the year (from 2015; 0 before): the flowcharts' tables use it.
constexpr double DurchschnittlicherZusatzbeitrag(int jahr) {
  constexpr double kSatz[] = {0.90, 1.10, 1.10, 1.00, 0.90, 1.10, 1.30, 1.30, 1.60, 1.70, 2.50, 2.90};
  if (jahr < 2015) return 0.0;
  if (jahr > 2026) return kSatz[11];
  return kSatz[jahr - 2015];
}

static_assert(LStVersionFuerMonat(2013, 12) == 18 && LStVersionFuerMonat(1995, 1) == 0);
static_assert(LStVersionFuerMonat(2015, 11) == LStVersionNachSchluessel("2015"));
static_assert(LStVersionFuerMonat(2015, 12) == LStVersionNachSchluessel("2015dez"));
static_assert(LStVersionFuerMonat(2023, 6) == LStVersionNachSchluessel("2023"));
static_assert(LStVersionFuerMonat(kLetztesLStJahr, 12) == kAnzahlLStVersionen - 1);

}  // namespace lst
