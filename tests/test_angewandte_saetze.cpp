// The rates shown beside the contributions (AngewandteSaetze): each side's
// rate is the one its amount was computed with, in normal employment, in
// minijobs of both kinds with and without the pension top-up, in the
// contribution groups and under a private insurance.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "geld/geld.h"
#include "calc/pruefung.h"
#include "calc/sozialversicherung.h"

using namespace lst;

namespace {

struct TFall {
  const char* Name;
  int Jahr = 2024;
  int Monat = 12;
  std::int64_t Brutto = 300000;
  int Beschaeftigung = beNV;
  bool Aufstockung = false;
  const char* Gruppe = nullptr;  // the contribution group, as typed
  std::uint8_t Privat = 0;
  std::uint8_t LZZ = 2;
  float Kinder = 0;
  int Abschlaege = 0;
  bool Sachsen = false;
};

struct TBerechnet {
  TMonatsErgebnis Erg;
  std::array<TSatzPaar, svAnzahl> Saetze{};
  TBBGZeitraum Grenzen{};
};

TBerechnet Rechne(const TFall& f) {
  TBerechnet b;
  const TParameter p = Parameter(f.Jahr, f.Monat);
  TAnfrage a;
  a.LZZ = f.LZZ;
  a.Brutto = f.Brutto;
  a.Beschaeftigung = f.Beschaeftigung;
  a.Aufstockung = f.Aufstockung;
  if (f.Gruppe != nullptr) a.Beitragsgruppe = BeitragsgruppeLesen(f.Gruppe);
  a.Privat = f.Privat != 0;
  a.AGZuschuss = f.Privat == 2;
  a.PrivatBeitrag = f.Privat != 0 ? 70000 : 0;
  a.ZKF = f.Kinder;
  a.PVAbschlaege = f.Abschlaege;
  a.Region = f.Sachsen ? rgOst : rgWest;
  a.Sachsen = f.Sachsen;
  const std::vector<TBefund> befunde = Pruefen(p, a);
  const TBefund* fehler = ErsterFehler(befunde);
  EXPECT_EQ(fehler, nullptr) << f.Name << ": " << (fehler ? fehler->Meldung : "");
  b.Erg = Abrechnen(p, a);
  const TDatensaetze d = Aufbereiten(p, a);
  b.Saetze = AngewandteSaetze(f.Jahr, d.SV);
  // The slip names the same rates.
  EXPECT_EQ(b.Erg.Saetze, b.Saetze) << f.Name;
  b.Grenzen = BBGFuerZeitraum(p.BBG, f.LZZ, d.SV.Region);
  return b;
}

const char* const kArtNamen[svAnzahl] = {"KV", "PV", "RV", "AV", "RVAuf", "KV2", "PV2"};

// Every contribution of the slip against the rate shown beside it: nothing
// where the rate says the side pays nothing, else the rate on the wage up
// to the kind's ceiling.  A surcharge rounded together with its share may
// differ by a cent from its own rounding.
void SaetzePassenZuDenBetraegen(const TFall& f) {
  const TBerechnet b = Rechne(f);
  for (int art : {svKV, svKV2, svRV, svAV, svPV, svPV2}) {
    const std::int64_t basis = std::min(f.Brutto, b.Grenzen[BBGFuerArt(static_cast<TSVArt>(art))]);
    for (int seite = 0; seite < 2; ++seite) {
      const double satz = seite == 0 ? b.Saetze[art].AN : b.Saetze[art].AG;
      const TBeitrag& beitrag = b.Erg.Beitrag(static_cast<TSVArt>(art));
      const std::int64_t betrag = seite == 0 ? beitrag.AN : beitrag.AG;
      const std::string was =
          std::string(f.Name) + " " + kArtNamen[art] + (seite == 0 ? " AN" : " AG") + " Satz " + std::to_string(satz);
      if (satz < 0) {
        EXPECT_EQ(betrag, 0) << was;
      } else {
        EXPECT_NEAR(static_cast<double>(betrag), static_cast<double>(Runden(static_cast<double>(basis) * satz)), 1.0)
            << was;
        EXPECT_GT(betrag, 0) << was;
      }
    }
  }
}

}  // namespace

TEST(AngewandteSaetze, PassenZuDenBetraegen) {
  const TFall faelle[] = {
      {.Name = "normal 2024"},
      {.Name = "normal 2013 mit Zuschlag", .Jahr = 2013},
      {.Name = "2016 Zusatzbeitrag nur AN", .Jahr = 2016},
      {.Name = "Jahr ueber den Grenzen", .Brutto = 12000000, .LZZ = 1},
      {.Name = "Minijob mit Aufstockung", .Brutto = 53800, .Beschaeftigung = beGF, .Aufstockung = true},
      {.Name = "Minijob ohne Aufstockung", .Brutto = 53800, .Beschaeftigung = beGF},
      {.Name = "Haushalt mit Aufstockung", .Brutto = 53800, .Beschaeftigung = beHH, .Aufstockung = true},
      {.Name = "Haushalt ohne Aufstockung", .Jahr = 2026, .Brutto = 60300, .Beschaeftigung = beHH},
      {.Name = "Minijob 2013", .Jahr = 2013, .Brutto = 40000, .Beschaeftigung = beGF, .Aufstockung = true},
      {.Name = "Haushalt 2004", .Jahr = 2004, .Brutto = 40000, .Beschaeftigung = beHH, .Aufstockung = true},
      {.Name = "Gruppe 3321", .Gruppe = "3321"},
      {.Name = "Gruppe 1101", .Gruppe = "1101"},
      {.Name = "Gruppe 1121 2022", .Jahr = 2022, .Gruppe = "1121"},
      {.Name = "Gruppe 0110", .Gruppe = "0110"},
      {.Name = "Gruppe 6500", .Brutto = 50000, .Beschaeftigung = beGF, .Gruppe = "6500"},
      {.Name = "privat 2013", .Jahr = 2013, .Privat = 1},
      {.Name = "privat 2024", .Privat = 2},
      {.Name = "drei Kinder unter 25", .Kinder = 3, .Abschlaege = 2},
      {.Name = "Sachsen", .Sachsen = true},
  };
  for (const TFall& f : faelle) SaetzePassenZuDenBetraegen(f);
}

// The top-up pair repeats the employee's top-up rate, which the employer
// does not share; without the top-up neither side has one.  (The rates of
// the minijobs and groups as printed: tests/druck/test_cli_drucken.cpp.)
TEST(AngewandteSaetze, AufstockungNurDesArbeitnehmers) {
  constexpr double kKeiner = -0.01;
  TBerechnet b = Rechne({.Name = "GF", .Brutto = 53800, .Beschaeftigung = beGF, .Aufstockung = true});
  EXPECT_DOUBLE_EQ(b.Saetze[svRV].AN, 0.036);
  EXPECT_DOUBLE_EQ(b.Saetze[svRVAuf].AN, 0.036);
  EXPECT_DOUBLE_EQ(b.Saetze[svRVAuf].AG, kKeiner);
  b = Rechne({.Name = "GF ohne", .Brutto = 53800, .Beschaeftigung = beGF});
  EXPECT_DOUBLE_EQ(b.Saetze[svRVAuf].AN, kKeiner);
  EXPECT_DOUBLE_EQ(b.Saetze[svRVAuf].AG, kKeiner);
  EXPECT_DOUBLE_EQ(b.Saetze[svRV].AG, 0.15);
}
