#include <gtest/gtest.h>

#include <cmath>

#include "calc/abrechnung.h"
#include "calc/werkzeuge.h"

using namespace lst;

namespace {

// A request of 2013 (basic allowance 8130) with church tax 9 % and its slip,
// as the calculator shows them.
struct Rechner {
  TParameter p = StandardParameter(2013, 12);
  TAnfrage a;
  TMonatsErgebnis erg;

  explicit Rechner(std::int64_t brutto = 300000, std::uint8_t stkl = 1) {
    a.Brutto = brutto;
    a.STKL = stkl;
    a.KiStSatz = 0.09;
    Rechnen();
  }
  void Rechnen() { erg = Abrechnen(p, a); }
  // The wage tax of one calculation with other class, wage and region.
  std::int64_t LSt(std::uint8_t stkl, std::int64_t brutto, std::uint8_t region = 1) const {
    TAnfrage b = a;
    b.STKL = stkl;
    b.Brutto = brutto;
    b.Region = region;
    return Abrechnen(p, b).LSt;
  }
  TVergleichErgebnis Vergleich(const TVergleichEingabe& v) const { return SteuerklassenVergleichen(p, a, v); }
};

bool Gleich(const TVergleichErgebnis& x, const TVergleichErgebnis& y) {
  return x.AN3 == y.AN3 && x.AN4 == y.AN4 && x.AN5 == y.AN5 && x.EG5 == y.EG5 && x.EG4 == y.EG4 &&
         x.EG3 == y.EG3 && x.Guenstigste == y.Guenstigste;
}

}  // namespace

TEST(Steuerklassenvergleich, SechsLaeufeSummenUndUrteil) {
  Rechner r;
  TVergleichEingabe v;
  // Both wages 0: every amount 0, all sums equal, the verdict 5/3.
  TVergleichErgebnis e = r.Vergleich(v);
  EXPECT_EQ(e.Summe35() + e.Summe44() + e.Summe53(), 0);
  EXPECT_EQ(e.Guenstigste, TKombination::K53);
  EXPECT_STREQ(KombinationText(e.Guenstigste), "5/3");

  // Employee only: the sums are the employee's taxes in classes 3, 4 and 5.
  v.AN.Brutto = 300000;
  e = r.Vergleich(v);
  EXPECT_EQ(e.AN3, r.LSt(3, 300000));
  EXPECT_EQ(e.AN4, r.LSt(4, 300000));
  EXPECT_EQ(e.AN5, r.LSt(5, 300000));
  EXPECT_EQ(e.Summe35(), e.AN3);
  EXPECT_EQ(e.Summe44(), e.AN4);
  EXPECT_EQ(e.Summe53(), e.AN5);
  EXPECT_EQ(e.Guenstigste, TKombination::K35);

  // Both: the spouse's column runs in 5, 4, 3.  Nothing of the runs stays:
  // the comparison repeated, and the calculation after it, give the same.
  v.EG.Brutto = 150000;
  e = r.Vergleich(v);
  EXPECT_EQ(e.EG5, r.LSt(5, 150000));
  EXPECT_EQ(e.EG3, r.LSt(3, 150000));
  EXPECT_EQ(e.Summe53(), e.AN5 + e.EG3);
  EXPECT_TRUE(Gleich(r.Vergleich(v), e));
  EXPECT_EQ(Abrechnen(r.p, r.a), r.erg);

  // The yearly pay period reads the same fields as yearly amounts.
  v.LZZ = 1;
  const TVergleichErgebnis jahr = r.Vergleich(v);
  EXPECT_LT(jahr.AN4, e.AN4);
}

TEST(Steuerklassenvergleich, UrteilBeiGleichstand) {
  EXPECT_EQ(GuenstigsteKombination(1, 2, 3), TKombination::K35);
  EXPECT_EQ(GuenstigsteKombination(2, 1, 3), TKombination::K44);
  EXPECT_EQ(GuenstigsteKombination(3, 2, 1), TKombination::K53);
  EXPECT_EQ(GuenstigsteKombination(5, 5, 5), TKombination::K53);
  EXPECT_EQ(GuenstigsteKombination(1, 1, 3), TKombination::K44);
  EXPECT_EQ(GuenstigsteKombination(3, 1, 1), TKombination::K44);
  EXPECT_EQ(GuenstigsteKombination(1, 3, 1), TKombination::K53);
  // Sums beyond 32 bits stay exact.
  EXPECT_EQ(GuenstigsteKombination(5'000'000'001, 5'000'000'000, 5'000'000'002), TKombination::K44);
}

TEST(Steuerklassenvergleich, OstenMitDerBemessungsgrenzeDerRegion) {
  // 5500.00 a month lies above the East pension ceiling (4900.00): the
  // provision allowance depends on the region.
  Rechner r;
  TVergleichEingabe v;
  v.AN.Brutto = 550000;
  v.Region = 0;
  const TVergleichErgebnis ost = r.Vergleich(v);
  EXPECT_EQ(ost.AN4, r.LSt(4, 550000, 0));
  v.Region = 1;
  const TVergleichErgebnis west = r.Vergleich(v);
  EXPECT_EQ(west.AN4, r.LSt(4, 550000, 1));
  EXPECT_GT(ost.AN4, west.AN4);
  // Exempt from the pension insurance: no pension part, more tax than both.
  v.AN.Versicherungsfrei = true;
  EXPECT_GT(r.Vergleich(v).AN4, ost.AN4);
}

TEST(Steuerklassenvergleich, FaktorNurInDerKlasseVier) {
  Rechner r(300000, 4);
  TVergleichEingabe v;
  v.AN.Brutto = 300000;
  const TVergleichErgebnis ohne = r.Vergleich(v);
  r.a.Faktor = 0.9;
  r.Rechnen();
  const TVergleichErgebnis mit = r.Vergleich(v);
  EXPECT_EQ(mit.AN3, ohne.AN3);
  EXPECT_EQ(mit.AN5, ohne.AN5);
  EXPECT_LT(mit.AN4, ohne.AN4);
  // Class IV of the comparison is the calculation with the factor.
  EXPECT_EQ(mit.AN4, r.erg.LSt);
}

TEST(Lohnsteuertabelle, StartlohnUndJahresumrechnung) {
  EXPECT_EQ(TabellenStartlohn(100000, 2), 0);
  EXPECT_EQ(TabellenStartlohn(0, 1), 0);
  EXPECT_EQ(TabellenStartlohn(100001, 3), 51);   // 360 / 7 = 51.43
  EXPECT_EQ(TabellenStartlohn(100004, 3), 206);  // 205.71
  EXPECT_EQ(TabellenStartlohn(300000, 2), 2400000);
  EXPECT_EQ(TabellenStartlohn(110000, 4), 3600000);
  EXPECT_EQ(TabellenStartlohn(5000000, 1), 4900000);
  // Wages beyond 32 bits multiply without overflow.
  EXPECT_EQ(TabellenStartlohn(100000000000, 4), 99999900000 * 360);
}

TEST(Lohnsteuertabelle, ZeilenLueckenlosUndWiederholbar) {
  Rechner r;
  const auto a = LohnsteuerTabelle(r.p, r.a, true);
  ASSERT_EQ(a.size(), 499u);
  // The first bracket holds the start wage (2000.00 a month).
  EXPECT_LE(a[0].UG, 200000);
  EXPECT_GE(a[0].OG, 200000);
  for (std::size_t i = 1; i < a.size(); ++i) {
    EXPECT_EQ(a[i].UG, a[i - 1].OG + 1) << i;
    EXPECT_GE(a[i].LSt, a[i - 1].LSt) << i;
  }
  // Church tax 9 % of the base, cut; the surcharge for the month.
  EXPECT_GT(a[200].KiSt, 0);
  EXPECT_GT(a[200].Soli, 0);
  r.Rechnen();
  const auto b = LohnsteuerTabelle(r.p, r.a, true);
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(ZellenTexte(2013, true, a[i]), ZellenTexte(2013, true, b[i])) << i;
  }
  const auto texte = ZellenTexte(2013, true, a[0]);
  EXPECT_EQ(texte[0], "1.998,00");
  EXPECT_EQ(texte[1], "2.000,99");
}

TEST(Lohnsteuertabelle, KopierText) {
  const std::vector<std::vector<std::string>> zeilen = {
      {"1", "2", "3", "4", "5"}, {"a", "b", "c", "d", "e"}, {"6", "7", "8", "9", "1.000,00"}};
  EXPECT_EQ(KopierText(zeilen), "1\t2\t3\t4\t5\r\na\tb\tc\td\te\r\n6\t7\t8\t9\t1.000,00");
  EXPECT_EQ(KopierText({}), "");
  EXPECT_EQ(GanzzahlAlsText(1234567), "1.234.567");
  EXPECT_EQ(GanzzahlAlsText(0), "0");
  EXPECT_EQ(GanzzahlAlsText(-1000), "-1.000");
}

TEST(Einkommensteuertabelle, ZeilenfassenGleicheSteuernZusammen) {
  // A monthly request: the table and the income tax are yearly all the same.
  Rechner r;
  ASSERT_EQ(r.a.LZZ, 2);
  // From 0: the first row covers the tax-free range of the basic tariff.
  auto t = EinkommensteuerTabelle(r.p, r.a, 1, EStTabellenStart(900.7));
  ASSERT_EQ(t.size(), 499u);
  EXPECT_EQ(t[0].Von, 0);
  EXPECT_EQ(t[0].ESt[0], 0);
  EXPECT_GE(t[0].Bis, 8130);
  EXPECT_EQ(t[1].Von, t[0].Bis + 1);
  EXPECT_GT(t[1].ESt[0], 0);
  for (std::size_t i = 1; i < t.size(); ++i) {
    const std::int64_t ende = t[i - 1].Bis < 0 ? t[i - 1].Von : t[i - 1].Bis;
    EXPECT_EQ(t[i].Von, ende + 1) << i;
    EXPECT_TRUE(t[i].ESt[0] != t[i - 1].ESt[0] || t[i].ESt[1] != t[i - 1].ESt[1]) << i;
  }
  // The upper progression zone: one to three incomes a row; yearly amounts.
  EXPECT_EQ(EStTabellenStart(60000.9), 59000);
  t = EinkommensteuerTabelle(r.p, r.a, 1, 59000);
  ASSERT_EQ(t.size(), 499u);
  for (std::size_t i = 0; i + 1 < t.size(); ++i) {
    const std::int64_t anzahl = t[i].Bis < 0 ? 1 : t[i].Bis - t[i].Von + 1;
    EXPECT_GE(anzahl, 1) << i;
    EXPECT_LE(anzahl, 3) << i;
  }
  const TEinkommensteuer e = EinkommensteuerJahr(r.p, r.a, 1, 1, t[10].Von);
  EXPECT_EQ(e.Steuer, t[10].ESt[0]);
  EXPECT_EQ(e.Ergebnis.KiSt, t[10].KiSt[0]);
  EXPECT_EQ(e.Ergebnis.Soli, t[10].Soli[0]);
  EXPECT_GT(e.Ergebnis.Soli, 50000);  // a year's surcharge, not a month's
  const auto zellen = ZellenTexte(TEStTabellenZeile{59000, -1, {15000, 9000}, {123456, 0}, {0, 5}});
  EXPECT_EQ(zellen[0], "59.000");
  EXPECT_EQ(zellen[1], "");
  EXPECT_EQ(zellen[2], "15.000");
  EXPECT_EQ(zellen[3], "1.234,56");
  EXPECT_EQ(zellen[7], "0,05");
}

TEST(Einkommensteuer, AnzeigeUebernimmtDasEinkommenDerRechnung) {
  Rechner r(400000, 3);
  EXPECT_EQ(r.erg.KZTAB, 2);
  // 48000 a year less lump sums and provision allowance, halved.
  EXPECT_GT(r.erg.TarifX, 18000);
  EXPECT_LT(r.erg.TarifX, 21000);
  const std::int64_t einkommen = static_cast<std::int64_t>(r.erg.TarifX) * 2;
  const TEinkommensteuer e = EinkommensteuerJahr(r.p, r.a, 3, 2, einkommen);
  EXPECT_EQ(Abrechnen(r.p, r.a).TarifX, r.erg.TarifX);
  EXPECT_EQ(e.Ergebnis.LSt, e.Steuer * 100);
  EXPECT_EQ(e.Ergebnis.SteuerSumme, e.Ergebnis.LSt + e.Ergebnis.Soli + e.Ergebnis.KiSt);
  EXPECT_EQ(e.Ergebnis.BruttoNachSteuer, einkommen * 100 - e.Ergebnis.SteuerSumme);
  // The wage tax of the year is the tariff tax of that income.
  TAnfrage jahr = r.a;
  jahr.LZZ = 1;
  jahr.Brutto = 4800000;
  EXPECT_EQ(Abrechnen(r.p, jahr).LSt, e.Ergebnis.LSt);
  // Class V reports its taxable income, not the scaled amounts of its formula.
  Rechner v(400000, 5);
  EXPECT_EQ(v.erg.KZTAB, 1);
  EXPECT_GT(v.erg.TarifX, 40000);
}

TEST(Plott, ZoomUndSchieben) {
  TPlottAnsicht a;
  a.Flaeche(1067, 440);
  EXPECT_EQ(a.Breite, 1000);
  EXPECT_EQ(a.Hoehe, 400);
  EXPECT_DOUBLE_EQ(a.XProPixel, 10);
  EXPECT_DOUBLE_EQ(a.YProPixel, 25);
  EXPECT_EQ(a.Spalte(5000), 545);
  EXPECT_EQ(a.Zeile(5000), 205);
  EXPECT_DOUBLE_EQ(a.XWert(545), 5000);

  a.ZoomIn();
  EXPECT_DOUBLE_EQ(a.XMin, 2500);
  EXPECT_DOUBLE_EQ(a.XMax, 7500);
  EXPECT_DOUBLE_EQ(a.YMin, 2500);
  EXPECT_DOUBLE_EQ(a.YMax, 7500);
  a.Zuruecksetzen();
  a.ZoomOut();
  EXPECT_DOUBLE_EQ(a.XMin, 0);
  EXPECT_DOUBLE_EQ(a.XMax, 20000);
  EXPECT_DOUBLE_EQ(a.YMax, 20000);
  a.ZoomOut();
  EXPECT_DOUBLE_EQ(a.XMax, 40000);

  a.Zuruecksetzen();
  a.ScrollX(-1);
  EXPECT_DOUBLE_EQ(a.XMin, 0);
  EXPECT_DOUBLE_EQ(a.XMax, 10000);
  a.ScrollX(1);
  EXPECT_DOUBLE_EQ(a.XMin, 1000);
  EXPECT_DOUBLE_EQ(a.XMax, 11000);
  a.ScrollX(-1);
  a.ScrollX(-1);
  EXPECT_DOUBLE_EQ(a.XMin, 0);
  // The vertical bar: -1 (the upper arrow) moves the range up.
  a.ScrollY(-1);
  EXPECT_DOUBLE_EQ(a.YMin, 1000);
  a.ScrollY(1);
  EXPECT_DOUBLE_EQ(a.YMin, 0);

  // Rubber band: up to 9 pixels nothing; otherwise its corners, either way round.
  a.Zuruecksetzen();
  EXPECT_FALSE(a.ZoomRechteck(100, 100, 109, 300));
  EXPECT_DOUBLE_EQ(a.XMax, 10000);
  EXPECT_TRUE(a.ZoomRechteck(545, 205, 145, 105));
  EXPECT_DOUBLE_EQ(a.XMin, 1000);
  EXPECT_DOUBLE_EQ(a.XMax, 5000);
  EXPECT_DOUBLE_EQ(a.YMin, 5000);
  EXPECT_DOUBLE_EQ(a.YMax, 7500);
  // Left of the axis: from 0.
  a.Zuruecksetzen();
  EXPECT_TRUE(a.ZoomRechteck(0, 5, 100, 100));
  EXPECT_DOUBLE_EQ(a.XMin, 0);
}

TEST(Plott, ZoomHaeltBeiEinemCentJePixel) {
  TPlottAnsicht a;
  a.Flaeche(467, 240);
  for (int i = 0; i < 200; ++i) a.ZoomIn();
  EXPECT_NEAR(a.XMax - a.XMin, 0.01 * a.Breite, 1e-9);
  EXPECT_NEAR(a.YMax - a.YMin, 0.01 * a.Hoehe, 1e-9);
  EXPECT_GT(a.XProPixel, 0.0099);
  EXPECT_TRUE(std::isfinite(a.Zeile(a.YMin)));
  EXPECT_GE(a.XMin, 0);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(a.ZoomRechteck(45, 5, 60, 20));
  EXPECT_NEAR(a.XMax - a.XMin, 0.01 * a.Breite, 1e-9);
  for (int i = 0; i < 200; ++i) a.ZoomOut();
  EXPECT_LE(a.XMax, TPlottAnsicht::kGroessterWert);
  EXPECT_GT(a.XMax, TPlottAnsicht::kGroessterWert / 4);
}

TEST(Plott, KurveEineRechnungJeSpalte) {
  Rechner r;
  TPlottAnsicht a;
  a.Flaeche(267, 140);
  std::vector<double> werte;
  Kurve(r.p, r.a, true, true, a, werte);
  ASSERT_EQ(werte.size(), 201u);
  EXPECT_EQ(werte[0], 0);
  Rechner einzeln(300000);
  EXPECT_DOUBLE_EQ(werte[60], einzeln.erg.Netto / 100.0);  // 60 * 50.00
  // The last column is the calculation of 10000.00.
  EXPECT_DOUBLE_EQ(werte[200], Rechner(1000000).erg.Netto / 100.0);
  Kurve(r.p, r.a, true, false, a, werte);
  EXPECT_DOUBLE_EQ(werte[60], einzeln.erg.AGGesamt / 100.0);
  Kurve(r.p, r.a, true, false, a, werte, 4);
  EXPECT_EQ(werte.size(), 51u);
}

TEST(Lohnumrechnung, JahrMonatStunde) {
  TLohnUmrechnung u = LohnUmrechnen(300000, 1, 38.5);
  EXPECT_EQ(u.Jahr, 3600000);
  EXPECT_DOUBLE_EQ(u.Monat, 300000);
  ASSERT_TRUE(u.Stunde.has_value());
  EXPECT_EQ(std::llround(*u.Stunde), 1798);
  u = LohnUmrechnen(70000, 2, 40);
  EXPECT_EQ(u.Jahr, 3640000);
  EXPECT_EQ(std::llround(u.Monat), 303333);
  EXPECT_FALSE(LohnUmrechnen(70000, 2, 0.0).Stunde.has_value());
  EXPECT_FALSE(LohnUmrechnen(70000, 2, std::nullopt).Stunde.has_value());
  EXPECT_EQ(LohnUmrechnen(70000, 2, std::nullopt).Jahr, 3640000);
  EXPECT_EQ(AufJahr(1000, 0), 1000);
  EXPECT_EQ(AufJahr(1000, 3), 365000);
  EXPECT_EQ(AufJahr(1000, 4), 0);
  EXPECT_EQ(AufJahr(1000, -1), 0);
}

// The table walks long rows in growing steps; it must give the rows that a
// walk income by income gives.
TEST(Einkommensteuertabelle, WieEinkommenFuerEinkommen) {
  Rechner r;
  r.a.KiStSatz = 0.08;
  const auto schrittweise = [&](std::uint8_t stkl, std::int64_t start) {
    std::vector<TEStTabellenZeile> t;
    std::array<std::int64_t, 2> letzte{0, 0};
    bool neu = true;
    for (std::int64_t e = start;; ++e) {
      TEStTabellenZeile z;
      z.Von = e;
      for (int i = 0; i < 2; ++i) {
        const TEinkommensteuer est = EinkommensteuerJahr(r.p, r.a, stkl, static_cast<std::uint8_t>(i + 1), e);
        z.ESt[i] = est.Steuer;
        z.KiSt[i] = est.Ergebnis.KiSt;
        z.Soli[i] = est.Ergebnis.Soli;
        if (z.ESt[i] != letzte[i]) neu = true;
        letzte[i] = z.ESt[i];
      }
      if (neu) {
        if (t.size() == 499) return t;
        t.push_back(z);
        neu = false;
      } else {
        t.back().Bis = e;
      }
    }
  };
  for (std::uint8_t stkl : {1, 3, 5, 6}) {
    for (std::int64_t start : {0, 7000, 15500, 52000, 249000}) {
      const auto a = EinkommensteuerTabelle(r.p, r.a, stkl, start);
      const auto b = schrittweise(stkl, start);
      ASSERT_EQ(a.size(), b.size());
      for (std::size_t i = 0; i < a.size(); ++i) {
        ASSERT_EQ(ZellenTexte(a[i]), ZellenTexte(b[i])) << int(stkl) << " " << start << " " << i;
      }
    }
  }
}
