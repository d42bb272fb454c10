// What the calculator window asks the core beside the refusals of the
// command line: why an input does not apply (the window disables it and
// names the reason), the hint on an ordinary wage within the minijob limit,
// and the stored levy of 0.  None of it changes what the command line
// refuses or warns of.

#include <gtest/gtest.h>

#include <string>

#include "calc/parameter.h"
#include "calc/pruefung.h"
#include "calc/sozialversicherung.h"

using namespace lst;

namespace {

bool Enthaelt(const std::string& text, const std::string& teil) { return text.find(teil) != std::string::npos; }

// Findings of a field.
int Anzahl(const std::vector<TBefund>& befunde, TFeld f) {
  int n = 0;
  for (const TBefund& b : befunde) n += b.Feld == f;
  return n;
}

}  // namespace

// The zone from April 2003; in 2003 the year's set of rules has it, from
// 2014 the pay month's period says so.
TEST(NichtVerfuegbar, ZoneErstAbApril2003) {
  const std::string vorher = NichtVerfuegbar(StandardParameter(2002, 12), {}, TFeld::Gleitzone);
  EXPECT_EQ(vorher, "{Gleitzone} gilt erst ab April 2003, nicht für 2002");
  EXPECT_EQ(NichtVerfuegbar(StandardParameter(2003, 12), {}, TFeld::Gleitzone), "");
  for (int jahr : {2014, 2019, 2026})
    for (int monat : {1, 7, 12}) EXPECT_EQ(NichtVerfuegbar(StandardParameter(jahr, monat), {}, TFeld::Gleitzone), "");
  // The command line still computes a zone asked for in 2002, with a warning.
  TAnfrage a;
  a.Brutto = 60000;
  a.Gleitzone = true;
  const auto befunde = Pruefen(StandardParameter(2002, 12), a);
  EXPECT_EQ(ErsterFehler(befunde), nullptr);
  EXPECT_EQ(Anzahl(befunde, TFeld::Gleitzone), 1);
}

// Beside the factor no allowance; without a church no church-tax rate.
// Both say why, and the command line refuses the pair as before.
TEST(NichtVerfuegbar, FreibetragNebenFaktorUndKirchensteuerOhneKirche) {
  const TParameter& p = StandardParameter(2026, 12);
  TAnfrage a;
  a.STKL = 4;
  EXPECT_EQ(NichtVerfuegbar(p, a, TFeld::Freibetrag), "");
  a.Faktor = 0.9;
  const std::string grund = NichtVerfuegbar(p, a, TFeld::Freibetrag);
  EXPECT_TRUE(Enthaelt(grund, "{Faktor}") && Enthaelt(grund, "{Freibetrag}")) << grund;
  EXPECT_TRUE(Enthaelt(grund, "§ 39f Abs. 1 Satz 6 EStG")) << grund;
  a.Freibetrag = 10000;
  const std::vector<TBefund> befunde = Pruefen(p, a);
  const TBefund* fehler = ErsterFehler(befunde);
  ASSERT_NE(fehler, nullptr);
  EXPECT_EQ(fehler->Feld, TFeld::Faktor);

  TAnfrage kirche;
  EXPECT_EQ(NichtVerfuegbar(p, kirche, TFeld::Kirchensteuer), "");
  kirche.Bekenntnislos = true;
  EXPECT_TRUE(Enthaelt(NichtVerfuegbar(p, kirche, TFeld::Kirchensteuer), "{Kirchensteuer}"));
  EXPECT_EQ(ErsterFehler(Pruefen(p, kirche)), nullptr);
}

// The hint on an ordinary wage up to the limit of marginal employment comes
// only when asked for, in the pay period's limit, not for 0 and not for a
// minijob (which warns above the limit instead).
TEST(Pruefen, MinijobHinweisNurAufWunsch) {
  const TParameter& p = StandardParameter(2026, 12);
  const std::int64_t grenze = BBGFuerZeitraum(p.BBG, 2, rgWest)[bbgGF];
  TPruefOptionen mit;
  mit.MinijobHinweis = true;
  TAnfrage a;
  a.Brutto = grenze;
  EXPECT_EQ(Anzahl(Pruefen(p, a), TFeld::Brutto), 0);
  const auto befunde = Pruefen(p, a, mit);
  ASSERT_EQ(Anzahl(befunde, TFeld::Brutto), 1);
  EXPECT_EQ(befunde[0].Schwere, TSchwere::Warnung);
  EXPECT_TRUE(Enthaelt(befunde[0].Meldung, "{Betrag:" + std::to_string(grenze) + "}")) << befunde[0].Meldung;
  EXPECT_TRUE(Enthaelt(befunde[0].Meldung, "{Minijob}")) << befunde[0].Meldung;
  a.Brutto = grenze + 1;
  EXPECT_EQ(Anzahl(Pruefen(p, a, mit), TFeld::Brutto), 0);
  a.Brutto = 0;
  EXPECT_EQ(Anzahl(Pruefen(p, a, mit), TFeld::Brutto), 0);
  // A week's limit is the week's share.
  a.LZZ = 3;
  a.Brutto = BBGFuerZeitraum(p.BBG, 3, rgWest)[bbgGF] + 1;
  EXPECT_EQ(Anzahl(Pruefen(p, a, mit), TFeld::Brutto), 0);
  // A minijob within the limit: nothing; above it: the warning of old.
  TAnfrage minijob;
  minijob.Beschaeftigung = beGF;
  minijob.Brutto = grenze;
  EXPECT_EQ(Anzahl(Pruefen(p, minijob, mit), TFeld::Brutto), 0);
  minijob.Brutto = grenze + 1;
  EXPECT_EQ(Anzahl(Pruefen(p, minijob), TFeld::Brutto), 1);
}

// A stored levy of 0 is none: the parameters say so, the slip is the same.
TEST(Parameter, GespeicherteUmlageNullIstKeine) {
  TUeberschreibungen ue;
  ue.U1Prozent = 0;
  ue.U2Prozent = 0.5;
  const TParameter p = Parameter(2026, 12, ue);
  EXPECT_LT(p.U1NV, 0);
  EXPECT_EQ(p.U2NV, 0.5);
  TAnfrage a;
  a.Brutto = 300000;
  const TMonatsErgebnis mit = Abrechnen(p, a);
  EXPECT_EQ(mit.U1_AG, 0);
  TUeberschreibungen nurU2;
  nurU2.U2Prozent = 0.5;
  EXPECT_EQ(mit.U2_AG, Abrechnen(Parameter(2026, 12, nurU2), a).U2_AG);
  EXPECT_GT(mit.U2_AG, 0);
  // Before 2014 there are no levies to store.
  EXPECT_LT(Parameter(2013, 12, ue).U2NV, 0);
}
