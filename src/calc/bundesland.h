#pragma once
// The federal states and what the calculation takes from the state of the
// employment: the church-tax rate (8 % in Baden-Württemberg and Bavaria,
// 9 % elsewhere), the care split of Saxony and the region of the social
// insurance (East: the new states and East Berlin).  Berlin is one state
// with two regions: in the years whose ceilings differ between East and
// West the request names the part ("Berlin-West", "Berlin-Ost").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lst {

enum class TBundesland {
  BadenWuerttemberg, Bayern, Berlin, BerlinWest, BerlinOst, Brandenburg, Bremen, Hamburg, Hessen,
  MecklenburgVorpommern, Niedersachsen, NordrheinWestfalen, RheinlandPfalz, Saarland, Sachsen,
  SachsenAnhalt, SchleswigHolstein, Thueringen,
  Anzahl
};

struct TBundeslandDaten {
  TBundesland Land;
  const char* Name;      // "Baden-Württemberg", "Berlin-West"
  const char* Kuerzel;   // "BW"; Berlin's parts "BE-W", "BE-O"
  int KiStProzent;       // church-tax rate in percent
  bool Ost;              // region East of the social insurance
  bool Sachsen;          // the care split of Saxony
  // Berlin without its part: the region is open in the years with one.
  bool Geteilt = false;
};

// Every state in the order of the drop-down lists (alphabetical, Berlin
// with its two parts after it).
const std::vector<TBundeslandDaten>& Bundeslaender();
const TBundeslandDaten& BundeslandDaten(TBundesland land);

// A state by its German name or its usual abbreviation, case-insensitive,
// with or without umlauts ("Thüringen", "thueringen", "TH"); Berlin's parts
// also as "Berlin West", "West-Berlin", "Berlin (Ost)", "BE-O".  Empty for
// anything else.
std::optional<TBundesland> BundeslandLesen(std::string_view text);

// The names a user may type, for a message: "Baden-Württemberg (BW), ...".
std::string BundeslaenderListe();

}  // namespace lst
