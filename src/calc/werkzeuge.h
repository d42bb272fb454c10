#pragma once
// The tools around the single calculation: the tax-class comparison of a
// married couple, the wage-tax table, the income-tax table, the gross/net
// curve with its view and the wage conversion.  The windows and the command
// line show what these loops return; nothing here knows a window.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/datensaetze.h"

namespace lst {

// --- Tax-class comparison ----------------------------------------------------

// One spouse's column; amounts in cents of the pay period.
struct TVergleichPerson {
  std::int64_t Brutto = 0;
  std::int64_t Freibetrag = 0;
  std::int64_t Versorgungsbezug = 0;
  double Kinder = 0;                // child allowances
  bool Versicherungsfrei = false;   // not in the statutory pension insurance
};

struct TVergleichEingabe {
  TVergleichPerson AN;              // employee
  TVergleichPerson EG;              // spouse
  std::uint8_t LZZ = 2;             // shared pay period, 1 year .. 4 day
  bool Altersentlastung = false;
  bool Bekenntnislos = false;
  std::uint8_t Region = 1;          // 0 "Ost", 1 "West"
};

enum class TKombination { K35, K44, K53 };

// "3/5", "4/4" or "5/3": employee's class first.
const char* KombinationText(TKombination k);

struct TVergleichErgebnis {
  // Wage tax of the pay period: employee in classes 3, 4, 5, spouse in 5, 4, 3.
  std::int64_t AN3 = 0, AN4 = 0, AN5 = 0, EG5 = 0, EG4 = 0, EG3 = 0;
  std::int64_t Summe35() const { return AN3 + EG5; }
  std::int64_t Summe44() const { return AN4 + EG4; }
  std::int64_t Summe53() const { return AN5 + EG3; }
  TKombination Guenstigste = TKombination::K53;
};

// The combination with the smallest sum.  All three equal: 5/3.  Two equal
// and cheapest: 4/4 when it is one of them (it needs no balancing in the
// yearly assessment), otherwise 5/3.
TKombination GuenstigsteKombination(std::int64_t summe35, std::int64_t summe44,
                                    std::int64_t summe53);

// --- Wage-tax table ------------------------------------------------------------

constexpr int kTabellenZeilen = 499;

// One wage bracket; amounts in cents of the pay period.
struct TLStTabellenZeile {
  std::int64_t UG = 0, OG = 0, LSt = 0, KiSt = 0, Soli = 0;
};

// The yearly wage the table starts at: 1000.00 below the wage of the pay
// period (0 when the wage is at most 1000.00), turned into a yearly wage.
std::int64_t TabellenStartlohn(std::int64_t lohn, std::uint8_t lzz);
// A start wage of the pay period turned into a yearly wage.
std::int64_t JahresStartlohn(std::int64_t start, std::uint8_t lzz);

// --- Income-tax table and display ---------------------------------------------

struct TEinkommensteuer {
  std::int64_t Steuer = 0;    // tariff tax in whole currency units
  std::int64_t SteuerAbfindung = 0;  // the part of it on a severance (one-fifth rule)
  TLStErgebnis Ergebnis;      // LSt, Soli, BK, KiSt, SteuerSumme, BruttoNachSteuer (yearly)
};

// The income tax of one income as shown, in cents of the display currency:
// each line converted once, the total and the amount after taxes formed
// from the shown lines.
struct TEStAnzeige {
  std::int64_t Einkommen = 0, Steuer = 0, Soli = 0, KiSt = 0, Gesamt = 0, NachSteuern = 0;
  std::int64_t SteuerAbfindung = 0;
};

// One row: the incomes Von..Bis over which neither tariff changes.
// Bis is -1 when the row covers a single income.  Index 0 basic, 1 splitting.
struct TEStTabellenZeile {
  std::int64_t Von = 0;
  std::int64_t Bis = -1;
  std::array<std::int64_t, 2> ESt{};    // whole currency units
  std::array<std::int64_t, 2> KiSt{};   // cents
  std::array<std::int64_t, 2> Soli{};   // cents
};

// The first income of the table: X cut, 1000 below it, 0 when X <= 1000.
std::int64_t EStTabellenStart(double x);

// The texts of the eight cells "Eink. von" .. "Soli. Splitt." in the
// year's currency (incomes and taxes in whole units).
std::array<std::string, 8> ZellenTexte(const TEStTabellenZeile& z);

// A row in cents of the display currency: Von, Bis (-1 stays -1), ESt,
// KiSt and Soli each converted.
struct TEStAnzeigeZeile {
  std::int64_t Von = 0;
  std::int64_t Bis = -1;
  std::array<std::int64_t, 2> ESt{}, KiSt{}, Soli{};
};

// Rows of cells as the table windows copy them: cells separated by tabs,
// rows by CR LF, nothing after the last row.
std::string KopierText(const std::vector<std::vector<std::string>>& zeilen);

// A whole number with thousands separators ("%.0n").
std::string GanzzahlAlsText(std::int64_t zahl);

// --- Gross/net curve -------------------------------------------------------------

// The visible ranges of the graph and the mapping to the pixels of its
// drawing area: the plot starts at column 45 and row 5 and is 67 pixels
// narrower and 40 pixels lower than the area.
class TPlottAnsicht {
 public:
  static constexpr int kLinks = 45;
  static constexpr int kOben = 5;
  // Zooming in stops at one cent per pixel; zooming out and scrolling stop
  // at a billion.
  static constexpr double kKleinsterSchritt = 0.01;
  static constexpr double kGroessterWert = 1e9;

  double XMin = 0, XMax = 10000, YMin = 0, YMax = 10000;
  double XProPixel = 0, YProPixel = 0;
  int Breite = 1, Hoehe = 1;   // plot width and height in pixels

  // The size of the drawing area; recomputes the scales.
  void Flaeche(int breite, int hoehe);
  void Zuruecksetzen();   // 0..10000 on both axes
  void Skalen();

  double XWert(double spalte) const { return (spalte - kLinks) * XProPixel + XMin; }
  double YWert(double zeile) const { return YMax - (zeile - kOben) * YProPixel; }
  std::int64_t Spalte(double x) const;
  std::int64_t Zeile(double y) const;

  // Middle half of both ranges.
  void ZoomIn();
  // Both ranges doubled around their middle, starting at 0 at the latest.
  void ZoomOut();
  // Into the rectangle between two corners (pixels); false when it is not
  // more than 9 pixels wide and high.
  bool ZoomRechteck(int x1, int y1, int x2, int y2);
  // A tenth of the range: +1 right, -1 left (not below 0).
  void ScrollX(int richtung);
  // +1 down, -1 up (the arrows of a vertical scroll bar).
  void ScrollY(int richtung);

 private:
  void Mindestbreite(double& min, double& max, int pixel) const;
};

// --- Wage conversion -------------------------------------------------------------

// An amount of the pay period (index of the list: 0 year, 1 month, 2 week,
// 3 day) as a yearly amount; 0 for any other index.
std::int64_t AufJahr(std::int64_t betrag, int zeitraumIndex);

struct TLohnUmrechnung {
  std::int64_t Jahr = 0;            // cents
  double Monat = 0;                 // cents
  std::optional<double> Stunde;     // cents; none for hours that are no number or not above 0
};

TLohnUmrechnung LohnUmrechnen(std::int64_t betrag, int zeitraumIndex,
                              std::optional<double> wochenstunden);

// ---- the tools as functions of the parameters and the request ------------------
// Each takes what it varies as an argument and computes every other input of
// the request as a single slip does; nothing of an earlier calculation is
// read.  Amounts in cents of the year's currency unless said otherwise.

// The comparison: six runs of the year's flowchart, in the order employee
// 3, 4, 5, spouse 5, 4, 3.  The employee's column takes the request's
// inputs with the person's fields of the comparison written over them; the
// spouse's column takes only the couple's shared inputs from the request
// (flowchart, church membership, age relief, region and Saxony, the factor
// of class IV) and otherwise the inputs of a calculation with nothing but
// the spouse's fields.  So each column is the wage tax of a single
// calculation of that person in that class.  "Versicherungsfrei" is the
// special table: no statutory pension and, unless the request has a private
// contribution, no statutory health insurance.  Throws TLStFehler for a
// year without a flowchart.
TVergleichErgebnis SteuerklassenVergleichen(const TParameter& p, const TAnfrage& a, const TVergleichEingabe& e);
// The six amounts in cents of the display currency (calc/anzeige.h), the
// sums formed from them and the verdict on those sums: what a window or the
// command line shows.
TVergleichErgebnis AnzeigeVergleich(int jahr, bool euro, const TVergleichErgebnis& e);

// The wage-tax table from 1000.00 of the display currency below the
// request's gross wage, with its other inputs.
std::vector<TLStTabellenZeile> LohnsteuerTabelle(const TParameter& p, const TAnfrage& a, bool euro,
                                                 int zeilen = kTabellenZeilen);
TLStTabellenZeile AnzeigeZeile(int jahr, bool euro, const TLStTabellenZeile& z);
std::array<std::string, 5> ZellenTexte(int jahr, bool euro, const TLStTabellenZeile& z);

// The yearly income tax of a taxable income (whole currency units), with
// the request's church membership and rate and its child allowances.
// With a severance in it (whole currency units), by the one-fifth rule of
// section 34 (1) EStG (SteuerAbfindung the part of the tax on it).
TEinkommensteuer EinkommensteuerJahr(const TParameter& p, const TAnfrage& a, std::uint8_t stkl,
                                     std::uint8_t kztab, std::int64_t einkommen, std::int64_t abfindung = 0);
TEStAnzeige AnzeigeEinkommensteuer(int jahr, bool euro, std::int64_t einkommen, const TEinkommensteuer& e);
// Whether the year computes the income tax at all (its routine or the
// flowchart's tariff step).
bool EinkommensteuerVorhanden(const TParameter& p);
std::vector<TEStTabellenZeile> EinkommensteuerTabelle(const TParameter& p, const TAnfrage& a, std::uint8_t stkl,
                                                      std::int64_t start, int zeilen = kTabellenZeilen);
TEStAnzeigeZeile AnzeigeZeile(int jahr, bool euro, const TEStTabellenZeile& z);
std::array<std::string, 8> ZellenTexte(int jahr, bool euro, const TEStTabellenZeile& z);

// Net wage (employee view) or employer cost, as shown in the display
// currency, of the request with the gross wage x of the display currency.
double Kurvenwert(const TParameter& p, const TAnfrage& a, bool euro, bool arbeitnehmerSicht, double x);
void Kurve(const TParameter& p, const TAnfrage& a, bool euro, bool arbeitnehmerSicht, const TPlottAnsicht& ansicht,
           std::vector<double>& werte, int schritt = 1);

}  // namespace lst
