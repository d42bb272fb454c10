#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calc/abrechnung.h"
#include "calc/werkzeuge.h"
#include "cli/eingabe.h"
#include "cli_lauf.h"

using namespace lst;

namespace {

// A calculation with the options of the command line: parameters, request, slip.
struct Stand {
  TParameter p;
  TAnfrage a;
  TMonatsErgebnis m;
  explicit Stand(const cli::TEingabe& e) {
    EXPECT_EQ(cli::Vorbereiten(e, p, a), "");
    m = Abrechnen(p, a);
  }
};

}  // namespace

TEST(CliWerkzeuge, TabelleIstDerKopierteText) {
  const TCliLauf l = CliStarten("tabelle --brutto 1.000,01 --zeitraum woche --steuerklasse 3 --kirchensteuer 9");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  cli::TEingabe e;
  e.Brutto = 1000.01;
  e.LZZ = 3;
  e.STKL = 3;
  e.KiStProzent = 9;
  Stand s(e);
  ASSERT_EQ(s.a.Brutto, 100001);
  const auto zeilen = LohnsteuerTabelle(s.p, s.a, true);
  std::vector<std::vector<std::string>> texte;
  for (const auto& z : zeilen) {
    const auto c = ZellenTexte(s.p.Jahr, true, z);
    texte.emplace_back(c.begin(), c.end());
  }
  EXPECT_EQ(l.Ausgabe, KopierText(texte));
  EXPECT_EQ(std::count(l.Ausgabe.begin(), l.Ausgabe.end(), '\n'), 498);
  EXPECT_NE(l.Ausgabe.back(), '\n');

  const TCliLauf json = CliStarten("tabelle --brutto 3000 --json");
  ASSERT_EQ(json.Status, 0);
  EXPECT_EQ(std::count(json.Ausgabe.begin(), json.Ausgabe.end(), '{'), 499);
  EXPECT_EQ(JsonFeld(json.Ausgabe, "UG"), "199800");
}

TEST(CliWerkzeuge, EstTabelleUmDasEinkommenDerRechnung) {
  const TCliLauf l = CliStarten("est-tabelle --brutto 4000 --steuerklasse 3");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  EXPECT_EQ(std::count(l.Ausgabe.begin(), l.Ausgabe.end(), '\n'), 498);
  const std::string erste = l.Ausgabe.substr(0, l.Ausgabe.find('\r'));
  EXPECT_EQ(std::count(erste.begin(), erste.end(), '\t'), 7);
  // The table starts 1000 below the income per tariff unit.
  cli::TEingabe e;
  e.Brutto = 4000;
  e.STKL = 3;
  Stand s(e);
  const std::int64_t start = EStTabellenStart(s.m.TarifX);
  EXPECT_EQ(erste.substr(0, erste.find('\t')), GanzzahlAlsText(start));
  EXPECT_EQ(CliStarten("est-tabelle --json").Status, 0);
}

TEST(CliWerkzeuge, EinkommensteuerAlsJson) {
  const TCliLauf l = CliStarten("einkommensteuer --jahr 2013 50.000,99 --splitting --json");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  TAnfrage a;
  a.KiStSatz = 0.08;
  const TEinkommensteuer e = EinkommensteuerJahr(StandardParameter(2013, 12), a, 1, 2, 50000);
  EXPECT_EQ(JsonFeld(l.Ausgabe, "zvE"), "5000000");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "KZTAB"), "2");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "ESt"), std::to_string(e.Steuer * 100));
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Soli"), std::to_string(e.Ergebnis.Soli));
  EXPECT_EQ(JsonFeld(l.Ausgabe, "KiSt"), std::to_string(e.Ergebnis.KiSt));
  EXPECT_EQ(JsonFeld(l.Ausgabe, "SteuerSumme"), std::to_string(e.Ergebnis.SteuerSumme));
  EXPECT_EQ(JsonFeld(l.Ausgabe, "BruttoNachSteuer"), std::to_string(e.Ergebnis.BruttoNachSteuer));
  const TCliLauf ohne = CliStarten("einkommensteuer --jahr 2013 50000 --bekenntnislos --json");
  EXPECT_EQ(JsonFeld(ohne.Ausgabe, "KZTAB"), "1");
  EXPECT_EQ(JsonFeld(ohne.Ausgabe, "KiSt"), "0");
  const TCliLauf text = CliStarten("einkommensteuer --jahr 2013 50000");
  EXPECT_NE(text.Ausgabe.find("Grundtabelle"), std::string::npos);
  EXPECT_NE(text.Ausgabe.find("50.000,00 EUR"), std::string::npos);
}

TEST(CliWerkzeuge, VergleichAlsJsonUndText) {
  const TCliLauf l = CliStarten("vergleich --jahr 2013 3000 0 --json");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Summe_35"), JsonFeld(l.Ausgabe, "AN_3"));
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Summe_53"), JsonFeld(l.Ausgabe, "AN_5"));
  EXPECT_EQ(JsonFeld(l.Ausgabe, "EG_3"), "0");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Kombination"), "\"3/5\"");
  const TCliLauf null = CliStarten("vergleich --jahr 2013 0 0 --json");
  EXPECT_EQ(JsonFeld(null.Ausgabe, "Kombination"), "\"5/3\"");
  const TCliLauf ost = CliStarten("vergleich --jahr 2013 5500 0 --json --region ost");
  const TCliLauf west = CliStarten("vergleich --jahr 2013 5500 0 --json");
  EXPECT_GT(std::stoll(JsonFeld(ost.Ausgabe, "AN_4")), std::stoll(JsonFeld(west.Ausgabe, "AN_4")));
  // The spouse's column: allowance and children lower the spouse's tax.
  const TCliLauf mit = CliStarten("vergleich --jahr 2013 3000 2500 --json --eg-freibetrag 300 --eg-kinderfreibetraege 1");
  const TCliLauf ohne = CliStarten("vergleich --jahr 2013 3000 2500 --json");
  ASSERT_EQ(mit.Status, 0) << mit.Ausgabe;
  EXPECT_LT(std::stoll(JsonFeld(mit.Ausgabe, "EG_4")), std::stoll(JsonFeld(ohne.Ausgabe, "EG_4")));
  EXPECT_EQ(JsonFeld(mit.Ausgabe, "AN_4"), JsonFeld(ohne.Ausgabe, "AN_4"));
  const TCliLauf frei = CliStarten("vergleich --jahr 2013 3000 2500 --json --versicherungsfrei");
  EXPECT_GT(std::stoll(JsonFeld(frei.Ausgabe, "AN_4")), std::stoll(JsonFeld(ohne.Ausgabe, "AN_4")));
  const TCliLauf text = CliStarten("vergleich --jahr 2013 3000 1500");
  EXPECT_NE(text.Ausgabe.find("Die günstigste Kombination ist 3/5"), std::string::npos);
  EXPECT_NE(text.Ausgabe.find("Lohnsteuer bei Steuerklassen 4/4"), std::string::npos);
}

TEST(CliWerkzeuge, FalscheAufrufe) {
  for (const char* argumente :
       {"vergleich 3000", "vergleich 3000 abc", "vergleich -1 0", "einkommensteuer",
        "einkommensteuer x", "einkommensteuer 1 2", "tabelle 5", "tabelle --splitting",
        "berechnen --splitting", "est-tabelle --steuerklasse 9", "vergleich 1 2 --eg-freibetrag x", "vergleich 1 2 --eg-kinderfreibetraege 0,3",
        "berechnen --eg-freibetrag 5", "tabelle --versicherungsfrei", "vergleich 1 2 --eg-freibetrag"}) {
    const TCliLauf l = CliStarten(argumente);
    EXPECT_EQ(l.Status, 2) << argumente;
    EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli"), std::string::npos) << argumente;
  }
}
