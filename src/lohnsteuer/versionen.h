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
  // The employers had to correct the flowchart's months with the next
  // flowchart of its year, which is therefore in force for them by default
  // (from the year's first month); the first one stays a choice.
  bool Berichtigt;
  // Which outputs besides LSTLZZ … BKS the flowchart has: STV, SOLZV and BKV
  // (multi-year pay), VKVLZZ and VKVSONST, the six double-taxation outputs.
  bool MitVMT;
  bool MitVKV;
  bool MitDBA;
  // Where the month from which it applies is announced.
  const char* Quelle;
};

// Every version in the order of years and months (the rows: versionen.inc);
// the position is the version number of TLStZustand::ProgrammVersion.
// Versions 0 to 18 are the years 1995 to 2013.
inline constexpr auto kLStVersionen = std::to_array<TLStVersion>({
#define LST_VERSION(fabrik, schluessel, jahr, abMonat, berichtigt, vmt, vkv, dba, quelle) \
  {schluessel, jahr, abMonat, berichtigt, vmt, vkv, dba, quelle},
#include "lohnsteuer/versionen.inc"
#undef LST_VERSION
});

constexpr int kAnzahlLStVersionen = static_cast<int>(kLStVersionen.size());

// The first and the last tax year with a wage-tax program: the years of the
// first and the last version.
constexpr int kErstesJahr = kLStVersionen[0].Jahr;
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

// The version first published for a pay month (1 to 12) of a year, or -1:
// the last of the year in force from that month or before.
constexpr int LStVersionUrspruenglich(int jahr, int monat) {
  int gefunden = -1;
  for (int i = 0; i < kAnzahlLStVersionen; ++i) {
    if (kLStVersionen[i].Jahr == jahr && kLStVersionen[i].AbMonat <= monat) gefunden = i;
  }
  return gefunden;
}

// The version in force for a pay month (1 to 12) of a year by default, or
// -1: the first published one, or where that was corrected (Berichtigt) the
// flowchart that corrected it.
constexpr int LStVersionFuerMonat(int jahr, int monat) {
  int v = LStVersionUrspruenglich(jahr, monat);
  while (v >= 0 && kLStVersionen[v].Berichtigt && v + 1 < kAnzahlLStVersionen && kLStVersionen[v + 1].Jahr == jahr) ++v;
  return v;
}

// The pay months a version is in force for by default, [Von, Bis]; for a
// corrected version the months it was first published for.
struct TLStMonate {
  int Von = 0;
  int Bis = 0;
};
constexpr TLStMonate LStVersionMonate(int version) {
  if (version < 0 || version >= kAnzahlLStVersionen) return {};
  const TLStVersion& v = kLStVersionen[version];
  int von = v.AbMonat;
  // A version that corrected its predecessors reaches back to their months.
  for (int i = version - 1; i >= 0 && kLStVersionen[i].Jahr == v.Jahr && kLStVersionen[i].Berichtigt; --i) {
    if (!v.Berichtigt) von = kLStVersionen[i].AbMonat;
  }
  const int bis = version + 1 < kAnzahlLStVersionen && kLStVersionen[version + 1].Jahr == v.Jahr
                      ? kLStVersionen[version + 1].AbMonat - 1
                      : 12;
  return {von, bis};
}

static_assert(LStVersionFuerMonat(2013, 12) == 18 && LStVersionFuerMonat(1995, 1) == 0);
static_assert(LStVersionFuerMonat(2015, 11) == LStVersionNachSchluessel("2015"));
static_assert(LStVersionFuerMonat(2015, 12) == LStVersionNachSchluessel("2015dez"));
static_assert(LStVersionFuerMonat(2023, 6) == LStVersionNachSchluessel("2023"));
static_assert(LStVersionFuerMonat(2022, 3) == LStVersionNachSchluessel("2022"));
static_assert(LStVersionFuerMonat(2023, 2) == LStVersionNachSchluessel("2023"));
static_assert(LStVersionFuerMonat(2025, 1) == LStVersionNachSchluessel("2025"));
static_assert(LStVersionUrspruenglich(2025, 2) == LStVersionNachSchluessel("2025jan"));
static_assert(LStVersionMonate(LStVersionNachSchluessel("2023")).Von == 1 &&
              LStVersionMonate(LStVersionNachSchluessel("2023")).Bis == 6);
static_assert(LStVersionMonate(LStVersionNachSchluessel("2023jan")).Bis == 3);
static_assert(LStVersionFuerMonat(kLetztesLStJahr, 12) == kAnzahlLStVersionen - 1);

}  // namespace lst
