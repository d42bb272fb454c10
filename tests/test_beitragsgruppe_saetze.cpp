// The contribution group as the fronts use it: which rates of a table row it
// levies in a pay month, the boxes it sets, and the keys it refuses.

#include <gtest/gtest.h>

#include <string>

#include "calc/abrechnung.h"
#include "calc/beitragsgruppe.h"
#include "calc/pruefung.h"
#include "calc/sozialversicherung.h"

using namespace lst;

namespace {

constexpr double kNicht = -0.01;  // not levied: -1 percent

TBeitragsgruppe Gruppe(const char* text) {
  const auto g = BeitragsgruppeLesen(text);
  EXPECT_TRUE(g.has_value()) << text;
  return g.value_or(TBeitragsgruppe{});
}

std::array<TSatzPaar, svAnzahl> Zeile(const char* gruppe, int jahr, int monat, int typ = beNV) {
  std::array<TSatzPaar, svAnzahl> z = SVSaetzeStandard(jahr, monat)[typ];
  SaetzeDerGruppe(Gruppe(gruppe), jahr, monat, z);
  return z;
}

// The check's error on the contribution group of a request, "" without.
std::string GruppenFehler(const TParameter& p, const TAnfrage& a) {
  for (const TBefund& b : Pruefen(p, a)) {
    if (b.Schwere == TSchwere::Fehler && b.Feld == TFeld::Beitragsgruppe) return b.Meldung;
  }
  return "";
}

}  // namespace

// 1111 and 9111 levy the row as it stands; each other digit takes out its
// branch or the employee's share of it.
TEST(SaetzeDerGruppe, ZiffernNehmenZweigeHeraus) {
  const auto voll = SVSaetzeStandard(2026, 12)[beNV];
  for (const char* g : {"1111", "9111"}) {
    const auto z = Zeile(g, 2026, 12);
    for (int art = 0; art < svAnzahl; ++art) {
      EXPECT_EQ(z[art].AN, voll[art].AN) << g << " " << art;
      EXPECT_EQ(z[art].AG, voll[art].AG) << g << " " << art;
    }
  }
  // 3321: the reduced health rate of the period for both shares; pension
  // and unemployment the employer's share alone.
  auto z = Zeile("3321", 2026, 12);
  EXPECT_DOUBLE_EQ(z[svKV].AN, 0.07);
  EXPECT_DOUBLE_EQ(z[svKV].AG, 0.07);
  EXPECT_EQ(z[svRV].AN, kNicht);
  EXPECT_EQ(z[svRV].AG, voll[svRV].AG);
  EXPECT_EQ(z[svAV].AN, kNicht);
  EXPECT_EQ(z[svAV].AG, voll[svAV].AG);
  EXPECT_EQ(z[svPV].AN, voll[svPV].AN);
  EXPECT_EQ(z[svKV2].AN, voll[svKV2].AN);
  // From 2017 to 2021 the employer paid no unemployment share of his own.
  z = Zeile("3301", 2019, 12);
  EXPECT_EQ(z[svAV].AN, kNicht);
  EXPECT_EQ(z[svAV].AG, kNicht);
  z = Zeile("1121", 2019, 12);
  EXPECT_EQ(z[svAV].AG, kNicht);

  // Private (0110): neither health nor care, nor their add-ons.
  z = Zeile("0110", 2026, 12);
  for (int art : {svKV, svKV2, svPV, svPV2}) EXPECT_EQ(z[art].AN, kNicht) << art;
  EXPECT_EQ(z[svRV].AN, voll[svRV].AN);
  // A voluntary member paying himself (0111) keeps the add-on rate for the
  // wage tax, and the care insurance.
  z = Zeile("0111", 2026, 12);
  EXPECT_EQ(z[svKV].AN, kNicht);
  EXPECT_EQ(z[svKV2].AN, voll[svKV2].AN);
  EXPECT_EQ(z[svPV].AN, voll[svPV].AN);
  // 0000: nothing at all.
  z = Zeile("0000", 2026, 12);
  for (int art = 0; art < svAnzahl; ++art) EXPECT_LT(z[art].AN, 0) << art;
}

// A minijob: 6100 keeps the employee's top-up, 6500 takes it out.
TEST(SaetzeDerGruppe, Minijob) {
  const auto gf = SVSaetzeStandard(2026, 12)[beGF];
  auto z = Zeile("6100", 2026, 12, beGF);
  EXPECT_EQ(z[svRVAuf].AN, gf[svRVAuf].AN);
  EXPECT_EQ(z[svRV].AG, gf[svRV].AG);
  EXPECT_EQ(z[svKV].AG, gf[svKV].AG);
  z = Zeile("6500", 2026, 12, beGF);
  EXPECT_EQ(z[svRVAuf].AN, kNicht);
  EXPECT_EQ(z[svRV].AN, kNicht);
  EXPECT_EQ(z[svRV].AG, gf[svRV].AG);
}

// What the window does with a typed key: the request's check of the key for
// the year, the month and the employment stated, and the request with the
// group applied (MitGruppe), whose fields then name the boxes.
TEST(MitGruppe, SetztDieAngabenOderLehntAb) {
  const TParameter& p = StandardParameter(2026, 12);
  TAnfrage a;
  a.Beitragsgruppe = Gruppe("3321");
  EXPECT_EQ(GruppenFehler(p, a), "");
  TAnfrage m = MitGruppe(p, a);
  EXPECT_EQ(m.Beschaeftigung, beNV);
  EXPECT_TRUE(m.BesondereTabelle);  // not in the statutory pension insurance
  EXPECT_EQ(Aufbereiten(p, a).LSt.TabArt, 1);
  EXPECT_FALSE(m.Privat);
  EXPECT_EQ(BeitragsgruppeDerAnfrage(p, a).Text(), "3321");

  a.Beitragsgruppe = Gruppe("0100");
  EXPECT_EQ(GruppenFehler(p, a), "");
  m = MitGruppe(p, a);
  EXPECT_EQ(m.Beschaeftigung, beNV);  // a working student
  EXPECT_TRUE(m.Privat);
  EXPECT_FALSE(m.BesondereTabelle);
  EXPECT_EQ(Aufbereiten(p, a).LSt.TabArt, 0);
  a.Beschaeftigung = beHH;
  EXPECT_EQ(GruppenFehler(p, a), "");
  m = MitGruppe(p, a);
  EXPECT_EQ(m.Beschaeftigung, beHH);  // a private minijob stays one
  EXPECT_TRUE(m.Aufstockung);

  a.Beschaeftigung = beNV;
  a.Beitragsgruppe = Gruppe("6500");
  EXPECT_EQ(GruppenFehler(p, a), "");
  m = MitGruppe(p, a);
  EXPECT_EQ(m.Beschaeftigung, beGF);
  EXPECT_FALSE(m.Aufstockung);
  EXPECT_FALSE(m.Privat);
  // The group decides over the private insurance stated.
  TAnfrage privat = a;
  privat.Privat = true;
  privat.PrivatBeitrag = 50000;
  EXPECT_FALSE(MitGruppe(p, privat).Privat);
  EXPECT_EQ(MitGruppe(p, privat).PrivatBeitrag, 0);

  // Refused keys of a minijob: the request's check names them, and the
  // key's own check for the insurance it describes says why.
  a.Beschaeftigung = beGF;
  for (const char* g : {"2111", "1110", "1112", "4111", "1411", "6111"}) {
    TAnfrage b = a;
    b.Beitragsgruppe = Gruppe(g);
    const std::string f = GruppenFehler(p, b);
    EXPECT_NE(f.find(g), std::string::npos) << g << ": " << f;
    const TVersicherung v = VersicherungDerGruppe(*b.Beitragsgruppe, b.Beschaeftigung);
    const std::string grund = BeitragsgruppePruefen(*b.Beitragsgruppe, p.Jahr, p.Monat, v.Beschaeftigung, v.Privat);
    EXPECT_EQ(grund.rfind(std::string("Beitragsgruppe ") + g + ": ", 0), 0u) << grund;
  }
  a.Beschaeftigung = beNV;
  a.Beitragsgruppe = Gruppe("3321");
  EXPECT_NE(GruppenFehler(StandardParameter(2019, 12), a).find("AV 2"), std::string::npos);
  EXPECT_NE(GruppenFehler(StandardParameter(2013, 12), a).find("erst ab 2014"), std::string::npos)
      << GruppenFehler(StandardParameter(2013, 12), a);
}
