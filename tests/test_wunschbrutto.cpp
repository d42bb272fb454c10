#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "calc/abrechnung.h"
#include "calc/berechnung.h"
#include "calc/fehler.h"
#include "calc/sozialversicherung.h"

using namespace lst;

namespace {

// A request of 2013 (basic allowance 8130), class I, church tax 9 %,
// without the care surcharge of the childless, shown in Euro.
struct Abrechnung {
  TParameter p = StandardParameter(2013, 12);
  TAnfrage a;

  Abrechnung() {
    a.LZZ = 2;
    a.STKL = 1;
    a.KiStSatz = 0.09;
    a.PVZuschlag = false;
  }
  TMonatsErgebnis Rechne(std::int64_t brutto, std::int64_t sonstige = 0) const {
    TAnfrage b = a;
    b.Brutto = brutto;
    b.SonstigeAbzuege = sonstige;
    return Abrechnen(p, b);
  }
  TWunschErgebnis Suchen(std::int64_t wunsch, bool arbeitnehmerSicht, TMonatsErgebnis* ergebnis = nullptr,
                         std::int64_t sonstige = 0) const {
    TAnfrage b = a;
    b.SonstigeAbzuege = sonstige;
    return WunschBruttoSuchen(p, b, true, wunsch, arbeitnehmerSicht, ergebnis);
  }
};

}  // namespace

TEST(Abrechnen, NettoUndLohnkosten) {
  Abrechnung a;
  a.a.Kindergeld = 18400;
  a.a.AGZusatz = 1000;
  a.a.SonstigeAbzuege = 5000;
  a.a.Brutto = 300000;
  TMonatsErgebnis g = Abrechnen(a.p, a.a);
  EXPECT_EQ(g.Netto, g.BruttoNachSteuer - g.SVSummeAN - 5000);
  EXPECT_EQ(g.AGGesamt, 300000 + g.SVSummeAG);
  EXPECT_EQ(g.Auszahlung, g.Netto + 18400);
  EXPECT_EQ(g.AGGesamtPlus, g.AGGesamt + 1000);
  EXPECT_EQ(g.KV.AN, 21900);  // 7.3 % of 3000
  EXPECT_EQ(g.LSt, 46625);    // 2013, 8130, class I, without PVZ
  // The flat-rate tax of a minijob takes the place of the wage tax by
  // class: the employee pays none (section 40a (2) EStG), not both.
  a.a.Beschaeftigung = beGF;
  a.a.PauschSatz = 0.02;
  g = Abrechnen(a.p, a.a);
  EXPECT_EQ(g.LStPausch, 6000);
  EXPECT_EQ(g.AGGesamt, 300000 + 6000 + g.SVSummeAG);
  EXPECT_EQ(g.AGGesamtPlus, g.AGGesamt + 1000);
  EXPECT_EQ(g.Netto, g.BruttoNachSteuer - g.SVSummeAN - 5000);
  EXPECT_EQ(g.LSt, 0);
  EXPECT_EQ(g.SteuerSumme, 0);
  EXPECT_EQ(g.BruttoNachSteuer, 300000);
}

TEST(WunschBrutto, TrifftDenBruttolohnEinesNettos) {
  Abrechnung a;
  for (std::int64_t brutto : {250000, 300013, 512345}) {
    const std::int64_t netto = a.Rechne(brutto).Netto;
    TMonatsErgebnis m;
    const std::int64_t gefunden = a.Suchen(netto, true, &m).Brutto;
    EXPECT_EQ(m.RE4, gefunden);
    // The net of the gross found is the wish, or the gross lies one cent
    // beside a gross with that net.
    EXPECT_EQ(m.Netto, a.Rechne(gefunden).Netto);
    if (m.Netto != netto) {
      EXPECT_LE(std::abs(gefunden - brutto), 1) << brutto;
    }
  }
}

// The net of the gross found is the wish, or no gross one cent beside it
// comes nearer to the wish.
static void PruefeNaechstes(const Abrechnung& a, const TWunschErgebnis& t, std::int64_t wunsch, bool an = true,
                            std::int64_t sonstige = 0) {
  const auto wert = [&](std::int64_t g) { return an ? a.Rechne(g, sonstige).Netto : a.Rechne(g, sonstige).AGGesamt; };
  EXPECT_EQ(t.Wert, wert(t.Brutto));
  EXPECT_EQ(t.Genau, t.Wert == wunsch);
  if (!t.Genau) {
    EXPECT_LE(std::abs(t.Wert - wunsch), std::abs(wert(t.Brutto - 1) - wunsch)) << t.Brutto;
    EXPECT_LE(std::abs(t.Wert - wunsch), std::abs(wert(t.Brutto + 1) - wunsch)) << t.Brutto;
  }
}

TEST(WunschBrutto, TrifftDenWunschAufDenCentOderAmNaechsten) {
  Abrechnung a;
  int genau = 0;
  for (std::int64_t wunsch : {200000, 200001, 200002, 200003, 123457}) {
    TMonatsErgebnis m;
    const TWunschErgebnis t = a.Suchen(wunsch, true, &m);
    EXPECT_EQ(m.RE4, t.Brutto);
    EXPECT_EQ(m.Netto, t.Wert);
    EXPECT_GT(t.Brutto, wunsch);
    PruefeNaechstes(a, t, wunsch);
    genau += t.Genau;
  }
  EXPECT_GT(genau, 0);
}

TEST(WunschBrutto, EinCentWunschEndetAnEinerGrenze) {
  Abrechnung a;
  const std::int64_t g = a.Suchen(1, true).Brutto;
  EXPECT_GE(g, 1);
  EXPECT_LE(g, 3);
}

TEST(WunschBrutto, ArbeitgebersichtSuchtLohnkosten) {
  Abrechnung a;
  const TWunschErgebnis t = a.Suchen(100000, false);
  EXPECT_GE(t.Brutto, 75000);
  EXPECT_LE(t.Brutto, 100000);
  PruefeNaechstes(a, t, 100000, false);
}

TEST(WunschBrutto, FenstertWeitetSichBisZumWunsch) {
  Abrechnung a;
  // 1000 Euro other deductions for a wished net of 100 Euro: the answer lies
  // far above three times the wish.  A large addition to the wage does the
  // same.
  TMonatsErgebnis m;
  TWunschErgebnis t = a.Suchen(10000, true, &m, 100000);
  EXPECT_GT(t.Brutto, 110000);
  EXPECT_LE(std::abs(m.Netto - 10000), 1);
  EXPECT_EQ(a.Rechne(t.Brutto, 100000).Netto, t.Wert);

  a.a.Hinzurechnung = 2000000;
  t = a.Suchen(50000, true);
  EXPECT_GT(t.Brutto, 150000);
  EXPECT_LE(std::abs(t.Wert - 50000), 1);
  PruefeNaechstes(a, t, 50000);
}

TEST(WunschBrutto, UnerreichbarerWunschWirdGemeldet) {
  Abrechnung a;
  // More net than a gross of a billion leaves.
  try {
    a.Suchen(90'000'000'000, true);
    ADD_FAILURE() << "no error";
  } catch (const TWunschUnerreichbar& f) {
    EXPECT_NE(std::string(f.what()).find("Wunsch-Nettolohn von 900.000.000,00 EUR"), std::string::npos) << f.what();
    EXPECT_NE(std::string(f.what()).find("1.000.000.000,00 EUR"), std::string::npos) << f.what();
    EXPECT_FALSE(f.Unter);
  }
  // Less net than a gross of 0 leaves (negative other deductions add to it).
  try {
    a.Suchen(50000, true, nullptr, -100000);
    ADD_FAILURE() << "no error";
  } catch (const TWunschUnerreichbar& f) {
    EXPECT_NE(std::string(f.what()).find("schon ein Bruttolohn von 0,00 EUR"), std::string::npos) << f.what();
    EXPECT_TRUE(f.Unter);
  }
  // So does a one-off: its net part is there at a gross of 0.
  {
    TAnfrage b = a.a;
    b.SonstigerBezug = 240000;
    try {
      WunschBruttoSuchen(a.p, b, true, 30000, true);
      ADD_FAILURE() << "no error";
    } catch (const TWunschUnerreichbar& f) {
      EXPECT_TRUE(f.Unter) << f.what();
    }
    EXPECT_GT(WunschBruttoSuchen(a.p, b, true, 349904, true).Brutto, 0);
  }
  // Employer view, and no wish at all.
  EXPECT_THROW(a.Suchen(200'000'000'000, false), TLStFehler);
  EXPECT_THROW(a.Suchen(0, true), TLStFehler);
}
