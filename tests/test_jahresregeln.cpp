// What each tax year offers, as the window and the command line share it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/jahresregeln.h"
#include "calc/parameter.h"
#include "calc/sozialversicherung.h"
#include "cli_lauf.h"

using namespace lst;

namespace {

// The years of one set of rules a year, 1995 to 2013.
constexpr int kLetztesJahrEinerRegel = 2013;

std::string Ausgabe(const std::string& argumente, int& status) {
  const TCliLauf l = CliStarten(argumente);
  status = l.Status;
  return l.Ausgabe;
}

}  // namespace

TEST(JahresRegeln, WasJedesJahrKennt) {
  for (int jahr = kErstesJahr; jahr <= kLetztesJahrEinerRegel; ++jahr) {
    const TJahresRegeln r = JahresRegeln(jahr);
    SCOPED_TRACE(jahr);
    EXPECT_TRUE(r.Vorhanden);
    EXPECT_EQ(r.DM, jahr <= 2001);
    EXPECT_EQ(std::string(JahresWaehrung(jahr)), jahr <= 2001 ? "DM" : "EUR");
    EXPECT_EQ(r.Einkommensteuer, jahr >= 2002);
    EXPECT_EQ(r.Tabelle, jahr >= 2004);
    EXPECT_EQ(r.GrundfreibetragWahl, jahr == 2013);
    EXPECT_EQ(r.HoechsterKRV, jahr >= 2010 ? 2 : 1);
    EXPECT_EQ(r.Gleitzone(), jahr >= 2003);
    EXPECT_EQ(r.KVZuschlag(), jahr >= 2005);
    EXPECT_EQ(r.PVZuschlag(), jahr >= 2005);
    EXPECT_EQ(r.AufstockungGF, jahr >= 2000);
    EXPECT_EQ(r.AufstockungHH, jahr >= 2004);
    EXPECT_EQ(r.Kindergeld, jahr >= 1996);
    // The zone's bounds are the core's, converted per pay period as the
    // ceilings are.
    const TGleitzoneGrenzen woche = GleitzoneGrenzenFuerZeitraum(jahr, 3);
    EXPECT_EQ(woche.Vorhanden, r.Gleitzone());
    // Only the employee's surcharges and the top-up depend on the year.
    EXPECT_TRUE(r.ArtVorhanden(beNV, svKV));
    EXPECT_FALSE(r.ArtVorhanden(beGF, svKV2));
    EXPECT_FALSE(r.ArtVorhanden(beNV, svRVAuf));
    EXPECT_EQ(r.ArtVorhanden(beNV, svPV2), jahr >= 2005);
  }
  EXPECT_EQ(JahresRegeln(2003).GleitzoneAbMonat, 4);
  EXPECT_EQ(JahresRegeln(2005).KVZuschlagAbMonat, 7);
  EXPECT_EQ(JahresRegeln(2012).GleitzoneUnter, 40000);
  EXPECT_EQ(JahresRegeln(2013).GleitzoneOber, 85000);
  EXPECT_FALSE(JahresRegeln(1994).Vorhanden);
  EXPECT_FALSE(JahresRegeln(kLetztesLStJahr + 1).Vorhanden);
  EXPECT_FALSE(JahresRegeln(2013).PeriodenNachMonat);
  // From 2014 every year has its social insurance, its rules by pay month.
  for (int jahr = 2014; jahr <= kLetztesLStJahr; ++jahr) {
    const TJahresRegeln r = JahresRegeln(jahr);
    SCOPED_TRACE(jahr);
    EXPECT_TRUE(r.Vorhanden);
    EXPECT_TRUE(r.PeriodenNachMonat);
    EXPECT_TRUE(r.ArtVorhanden(beNV, svKV));
    EXPECT_TRUE(r.ArtVorhanden(beNV, svKV2));
    EXPECT_TRUE(r.Gleitzone());
  }
  EXPECT_STREQ(ZonenName(2019, 6), "Gleitzone");
  EXPECT_STREQ(ZonenName(2019, 7), "Übergangsbereich");
  EXPECT_STREQ(ZonenName(2013, 12), "Gleitzone");
}

TEST(JahresRegeln, SachsenNurWoPflegeErhobenWird) {
  TSatzPaar pv{0.00975, 0.00975};
  ASSERT_TRUE(SachsenPVSaetze(2009, pv));
  EXPECT_DOUBLE_EQ(pv.AN, 0.01475);
  EXPECT_DOUBLE_EQ(pv.AG, 0.00475);
  TSatzPaar anfang{0.005, 0.005};  // 1995: the employee bears it all
  ASSERT_TRUE(SachsenPVSaetze(1995, anfang));
  EXPECT_DOUBLE_EQ(anfang.AN, 0.01);
  EXPECT_DOUBLE_EQ(anfang.AG, 0.0);
  for (TSatzPaar kein : {TSatzPaar{0, 0}, TSatzPaar{-0.01, -0.01}}) {
    const TSatzPaar vorher = kein;
    EXPECT_FALSE(SachsenPVSaetze(2013, kein));
    EXPECT_EQ(kein.AN, vorher.AN);
  }
  TSatzPaar spaet{0.01, 0.01};
  EXPECT_FALSE(SachsenPVSaetze(2014, spaet));
}

TEST(JahresRegeln, KommandozeileListetDieJahre) {
  int status = -1;
  const std::string text = Ausgabe("jahre", status);
  EXPECT_EQ(status, 0);
  // Newest first, each year once, with its currency: every year carried,
  // the years of wage tax alone too.
  const std::string letztes = std::to_string(kLetztesLStJahr);
  EXPECT_EQ(text.find(letztes + " (EUR)"), 0u) << text;
  for (int jahr = 1995; jahr <= kLetztesLStJahr; ++jahr) {
    const std::string kopf = std::to_string(jahr) + (jahr <= 2001 ? " (DM)\n" : " (EUR)\n");
    EXPECT_NE(text.find(kopf), std::string::npos) << jahr;
    EXPECT_EQ(text.find(kopf), text.rfind(kopf)) << jahr;
    if (jahr < kLetztesLStJahr) {
      EXPECT_LT(text.find(std::to_string(jahr + 1) + " ("), text.find(kopf)) << jahr;
    }
  }
  EXPECT_NE(text.find("2015 (Januar bis November), 2015dez (ab Dezember)"), std::string::npos) << text;
  EXPECT_NE(text.find("2017 (ganzes Jahr)"), std::string::npos);
  // Every year has its social insurance; from 2014 with the rule periods.
  EXPECT_EQ(text.find("nicht hinterlegt"), std::string::npos);
  EXPECT_NE(text.find("                     ab Juli: PV 3,4 %, PV-Zuschlag Kinderlose 0,6 %,"), std::string::npos)
      << text;
  EXPECT_NE(text.find("                     ab Oktober: Minijob bis 520,00 EUR,"), std::string::npos);
  EXPECT_NE(text.find("ab Juli: Übergangsbereich 450,01 bis 1.300,00 EUR"), std::string::npos);
  EXPECT_NE(text.find("1995 (DM)"), std::string::npos);
  EXPECT_LT(text.find("2002 (EUR)"), text.find("2001 (DM)"));
  EXPECT_NE(text.find("Grundfreibetrag 8004"), std::string::npos);
  EXPECT_NE(text.find("8130"), std::string::npos);
  EXPECT_NE(text.find("Januar bis November"), std::string::npos);
  EXPECT_NE(text.find("450,01 bis 850,00 EUR"), std::string::npos);
  EXPECT_NE(text.find("400,01 bis 800,00 EUR im Monat (ab April)"), std::string::npos);

  const std::string json = Ausgabe("jahre --json", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(json.rfind("[{\"Jahr\":" + letztes + ",", 0), 0u) << json;
  // One object per year, each with the same members in the same order.
  std::vector<std::string> objekte;
  for (std::size_t a = json.find('{'); a != std::string::npos; a = json.find('{', a + 1)) {
    objekte.push_back(json.substr(a, json.find('}', a) - a + 1));
  }
  ASSERT_EQ(objekte.size(), static_cast<std::size_t>(kLetztesLStJahr - kErstesJahr + 1));
  const auto schluessel = [](const std::string& o) {
    std::string s;
    for (std::size_t e = o.find("\":"); e != std::string::npos; e = o.find("\":", e + 2)) {
      const std::size_t a = o.rfind('"', e - 1);
      s += o.substr(a, e - a + 1);
    }
    return s;
  };
  for (const std::string& o : objekte) EXPECT_EQ(schluessel(o), schluessel(objekte.back())) << o;
  EXPECT_NE(objekte[0].find("\"Sozialversicherung\":true"), std::string::npos) << objekte[0];
  EXPECT_NE(objekte[0].find("\"GleitzoneAbMonat\":1"), std::string::npos) << objekte[0];
  EXPECT_NE(json.find("{\"Jahr\":2022,"), std::string::npos);
  EXPECT_NE(json.substr(json.find("{\"Jahr\":2022,")).find("\"Regelperioden\":[1,10]}"), std::string::npos);
  const std::string& j2013 = objekte[kLetztesLStJahr - 2013];
  EXPECT_NE(j2013.find("\"Regelperioden\":[1]}"), std::string::npos) << j2013;
  EXPECT_NE(j2013.find("{\"Jahr\":2013,"), std::string::npos) << j2013;
  EXPECT_NE(j2013.find("\"Sozialversicherung\":true"), std::string::npos) << j2013;
  EXPECT_NE(json.find("{\"Jahr\":1999,\"Waehrung\":\"DM\""), std::string::npos);
  EXPECT_NE(json.find("\"KVZuschlagAbMonat\":7"), std::string::npos);

  Ausgabe("jahre --unsinn", status);
  EXPECT_EQ(status, 2);
}

TEST(JahresRegeln, KommandozeileFolgtDenRegeln) {
  int status = -1;
  // No sliding zone before April 2003: computed without it, with a warning.
  const std::string keine = Ausgabe("berechnen --jahr 2002 --brutto 600 --gleitzone", status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(keine.find("keine Gleitzone"), std::string::npos) << keine;
  EXPECT_EQ((Ausgabe("berechnen --jahr 2003 --brutto 600 --gleitzone", status), status), 0);
  // No top-up in private households before 2004.
  Ausgabe("berechnen --jahr 2003 --haushalt --aufstockung --brutto 300", status);
  EXPECT_EQ(status, 2);
  // A minijob in Saxony pays no care contribution.
  const std::string mini =
      Ausgabe("berechnen --jahr 2009 --minijob --brutto 400 --region ost --sachsen --json", status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(mini.find("\"PV_AN\": 0,"), std::string::npos) << mini;
}

// The years without an income-tax routine compute the income tax through
// the flowchart's tariff step: 1999, 50.000 DM basic tariff.
TEST(JahresRegeln, EinkommensteuerDerDMJahre) {
  int status = -1;
  const std::string est = Ausgabe("einkommensteuer 50000 --jahr 1999 --dm --json", status);
  EXPECT_EQ(status, 0) << est;
  EXPECT_NE(est.find("\"ESt\": 1090500"), std::string::npos) << est;
  EXPECT_NE(est.find("\"Soli\": 59977"), std::string::npos) << est;
  EXPECT_NE(est.find("\"KiSt\": 87240"), std::string::npos) << est;
  // 1995: the church-tax base is the tariff tax, 7,5 % surcharge.
  const std::string fruh = Ausgabe("einkommensteuer 50000 --jahr 1995 --dm --splitting --json", status);
  EXPECT_EQ(status, 0) << fruh;
  EXPECT_NE(fruh.find("\"ESt\": 820800"), std::string::npos) << fruh;
  EXPECT_NE(fruh.find("\"KiSt\": 65664"), std::string::npos) << fruh;
  EXPECT_NE(fruh.find("\"Soli\": 61560"), std::string::npos) << fruh;
  const std::string tabelle = Ausgabe("est-tabelle --jahr 1999 --brutto 4000 --dm", status);
  EXPECT_EQ(status, 0) << tabelle.substr(0, 200);
  EXPECT_GT(std::count(tabelle.begin(), tabelle.end(), '\n'), 400);
}

// The flowchart's name says the months it is in force for, where its year
// has more than one; every month from 2014 has one, and a pay month names
// the flowchart its parameters run.
TEST(JahresRegeln, AblaufplanName) {
  EXPECT_EQ(AblaufplanName(2026, 5), "Ablaufplan 2026");
  EXPECT_EQ(AblaufplanName(2013, 12), "Ablaufplan 2013");
  EXPECT_EQ(AblaufplanName(2024, 12), "Ablaufplan 2024 Dezember");
  EXPECT_EQ(AblaufplanName(2024, 11), "Ablaufplan 2024 Januar bis November");
  // A corrected flowchart reaches back over the months of the first one.
  EXPECT_EQ(AblaufplanName(2023, 2), "Ablaufplan 2023 Januar bis Juni");
  EXPECT_EQ(AblaufplanName(2023, 6), "Ablaufplan 2023 Januar bis Juni");
  EXPECT_EQ(AblaufplanName(2023, 7), "Ablaufplan 2023 ab Juli");
  EXPECT_EQ(AblaufplanName(2022, 6), "Ablaufplan 2022");
  EXPECT_EQ(AblaufplanName(2022, 1), "Ablaufplan 2022");
  EXPECT_EQ(AblaufplanName(2025, 2), "Ablaufplan 2025");
  EXPECT_EQ(AblaufplanName(2015, 12), "Ablaufplan 2015 Dezember");
  EXPECT_EQ(AblaufplanName(LStVersionNachSchluessel("2025jan")), "Ablaufplan 2025 Januar bis Februar (ursprünglich)");
  EXPECT_EQ(AblaufplanName(LStVersionNachSchluessel("2023jan")), "Ablaufplan 2023 Januar bis März (ursprünglich)");
  EXPECT_EQ(AblaufplanName(LStVersionNachSchluessel("2022jan")), "Ablaufplan 2022 Januar bis Mai (ursprünglich)");
  EXPECT_EQ(AblaufplanName(-1), "");
  EXPECT_EQ(AblaufplanName(kAnzahlLStVersionen), "");
  EXPECT_EQ(AblaufplanName(2040, 1), "");
  for (int jahr = 2014; jahr <= kLetztesLStJahr; ++jahr) {
    for (int monat = 1; monat <= 12; ++monat) {
      const int v = StandardParameter(jahr, monat).Version;
      ASSERT_GE(v, 0) << jahr << "/" << monat;
      EXPECT_EQ(AblaufplanName(jahr, monat), AblaufplanName(v)) << jahr << "/" << monat;
    }
  }
  EXPECT_EQ(std::string(Monatsname(3)), "März");
  EXPECT_EQ(std::string(Monatsname(0)), "");
  EXPECT_EQ(std::string(Monatsname(13)), "");
}
