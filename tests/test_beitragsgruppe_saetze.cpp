// The contribution group as the fronts use it: which rates of a table row it
// levies in a pay month, the boxes it sets, and the keys it refuses.

#include <gtest/gtest.h>

#include <string>

#include "calc/beitragsgruppe.h"
#include "calc/rechnung.h"
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

// What the window does with a typed key: BeitragsgruppeUebernehmen on a copy
// of its request, whose fields then name the boxes.
TEST(BeitragsgruppeUebernehmen, SetztDieAngabenOderLehntAb) {
  TRechnung r;
  r.Jahr = 2026;
  r.Monat = 12;
  r.Beitragsgruppe = Gruppe("3321");
  EXPECT_EQ(BeitragsgruppeUebernehmen(r), "");
  EXPECT_EQ(r.Beschaeftigung, beNV);
  EXPECT_EQ(r.LSt.TabArt, 1);  // not in the statutory pension insurance
  EXPECT_EQ(r.Privat, 0);
  EXPECT_EQ(BeitragsgruppeDerRechnung(r).Text(), "3321");

  r.Beitragsgruppe = Gruppe("0100");
  EXPECT_EQ(BeitragsgruppeUebernehmen(r), "");
  EXPECT_EQ(r.Beschaeftigung, beNV);  // a working student
  EXPECT_NE(r.Privat, 0);
  EXPECT_EQ(r.LSt.TabArt, 0);
  r.Beschaeftigung = beHH;
  EXPECT_EQ(BeitragsgruppeUebernehmen(r), "");
  EXPECT_EQ(r.Beschaeftigung, beHH);  // a private minijob stays one
  EXPECT_TRUE(r.Aufstockung);

  r.Beschaeftigung = beNV;
  r.Beitragsgruppe = Gruppe("6500");
  EXPECT_EQ(BeitragsgruppeUebernehmen(r), "");
  EXPECT_EQ(r.Beschaeftigung, beGF);
  EXPECT_FALSE(r.Aufstockung);
  EXPECT_EQ(r.Privat, 0);

  // Refused keys leave the request as it was.
  for (const char* g : {"2111", "1110", "1112", "4111", "1411", "6111"}) {
    TRechnung s = r;
    s.Beitragsgruppe = Gruppe(g);
    const std::string f = BeitragsgruppeUebernehmen(s);
    EXPECT_EQ(f.rfind(std::string("Beitragsgruppe ") + g + ": ", 0), 0u) << f;
    EXPECT_EQ(s.Beschaeftigung, r.Beschaeftigung) << g;
  }
  r.Jahr = 2019;
  r.Beitragsgruppe = Gruppe("3321");
  EXPECT_NE(BeitragsgruppeUebernehmen(r).find("AV 2"), std::string::npos);
  r.Jahr = 2013;
  EXPECT_NE(BeitragsgruppeUebernehmen(r).find("erst ab 2014"), std::string::npos);
}
