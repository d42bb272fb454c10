#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/pap.h"
#include "cli_lauf.h"
#include "geld/zahlen.h"

using namespace lst;

TEST(Zahlen, BetraegeWieGetippt) {
  EXPECT_EQ(BetragLesen("3000"), 3000.0);
  EXPECT_EQ(BetragLesen("3000,50"), 3000.5);
  EXPECT_EQ(BetragLesen("3.000,50"), 3000.5);
  EXPECT_EQ(BetragLesen("3000.50"), 3000.5);
  EXPECT_EQ(BetragLesen("1.234.567"), 1234567.0);
  EXPECT_EQ(BetragLesen(" 12,50 "), 12.5);
  EXPECT_EQ(BetragLesen("-7"), -7.0);
  EXPECT_EQ(BetragLesen(",5"), 0.5);
  for (const char* falsch : {"", "abc", "3,000,00", "1.23.456", "12a", "3.00.0,1", "--1", "1e5", "nan", " 12,5 € "}) {
    EXPECT_FALSE(BetragLesen(falsch).has_value()) << falsch;
  }
  EXPECT_FALSE(BetragLesen(std::string(100000, '9')).has_value());
  EXPECT_EQ(CentAlsText(123456789), "1.234.567,89");
  EXPECT_EQ(CentAlsText(-5), "-0,05");
  EXPECT_EQ(CentAlsText(INT64_MIN), "-92.233.720.368.547.758,08");
}

// Short numbers are read without from_chars; each must round as the full
// reading of the same decimal does, for amounts, numbers with either mark
// and up to fifteen digits.
TEST(Zahlen, KurzeZahlenRundenWieDieVolleLesung) {
  const auto genau = [](const std::string& text) {
    double wert = 0;
    std::from_chars(text.data(), text.data() + text.size(), wert, std::chars_format::fixed);
    return wert;
  };
  std::uint64_t z = 88172645463325252ull;
  for (int i = 0; i < 20000; ++i) {
    z ^= z << 13;
    z ^= z >> 7;
    z ^= z << 17;
    const std::string ganz = std::to_string(z % 100000000);
    const std::string cent = std::to_string(100 + z / 7 % 100).substr(1);
    const std::string lang = std::to_string(z % 10000000);  // up to seven decimals
    ASSERT_EQ(BetragLesen(ganz + "," + cent), genau(ganz + "." + cent)) << ganz << "," << cent;
    ASSERT_EQ(BetragLesen("-" + ganz + "," + cent.substr(1)), -genau(ganz + "." + cent.substr(1)));
    ASSERT_EQ(ZahlLesen(ganz + "," + lang), genau(ganz + "." + lang)) << ganz << "," << lang;
    ASSERT_EQ(ZahlLesen(ganz + "." + lang), genau(ganz + "." + lang)) << ganz << "." << lang;
  }
  EXPECT_EQ(ZahlLesen("0,123456789012345"), genau("0.123456789012345"));
  EXPECT_EQ(ZahlLesen("0,1234567890123456"), genau("0.1234567890123456"));
  EXPECT_EQ(ZahlLesen("9999999999999999,5"), genau("9999999999999999.5"));
  EXPECT_EQ(ZahlLesen("5."), 5.0);
  EXPECT_EQ(ZahlLesen(".25"), 0.25);
  EXPECT_TRUE(std::signbit(*ZahlLesen("-0")));
  EXPECT_TRUE(std::signbit(*BetragLesen("-0,00")));
  // A third decimal of an amount stays an error; a number may have it.
  EXPECT_FALSE(BetragLesen("1,005").has_value());
  EXPECT_EQ(ZahlLesen("1,005"), genau("1.005"));
  for (const char* falsch : {"1,", ",", "1,2,3", "1.2.3", "+-1", "--1", "1,2a"}) {
    EXPECT_FALSE(ZahlLesen(falsch).has_value() && BetragLesen(falsch).has_value()) << falsch;
  }
  EXPECT_FALSE(BetragLesen("1,").has_value());
}

TEST(Cli, BerechnenAlsJson) {
  const TCliLauf l = CliStarten("berechnen --jahr 2013 --brutto 3.000,00 --steuerklasse 1 --json --ohne-pv-zuschlag");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  EXPECT_EQ(JsonFeld(l.Ausgabe, "RE4"), "300000");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "LSt"), "46625");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Soli"), "2564");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "KiSt"), "3730");  // 8 % of 466.25, cut
  EXPECT_EQ(JsonFeld(l.Ausgabe, "KV_AN"), "21900");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "PV2_AN"), "0");
  for (const char* schreibweise : {"3000", "3000,00", "3000.00"}) {
    const TCliLauf m = CliStarten(std::string("berechnen --jahr 2013 --json --ohne-pv-zuschlag --brutto=") + schreibweise);
    EXPECT_EQ(JsonFeld(m.Ausgabe, "LSt"), "46625") << schreibweise;
  }
  const TCliLauf alt = CliStarten("berechnen --jahr 2013 --brutto 3000 --json --grundfreibetrag 8004 --ohne-pv-zuschlag");
  EXPECT_EQ(JsonFeld(alt.Ausgabe, "LSt"), "46825");
}

TEST(Cli, TextZeigtDieErgebniszeilen) {
  const TCliLauf l = CliStarten("berechnen --brutto 3000 --bekenntnislos");
  ASSERT_EQ(l.Status, 0);
  for (const char* zeile : {"Bruttolohn", "Lohnsteuer", "Solidaritätsz.", "Soz.vers. gesamt",
                            "Netto Lohn", "Lohnkosten", "3.000,00 EUR"}) {
    EXPECT_NE(l.Ausgabe.find(zeile), std::string::npos) << zeile;
  }
}

TEST(Cli, FalscheEingabenGebenMeldungUndStatus2) {
  for (const char* argumente :
       {"berechnen --brutto abc", "berechnen --steuerklasse 7", "berechnen --zeitraum quartal",
        "berechnen --unbekannt", "berechnen --brutto", "berechnen --jahr 1994",
        "berechnen --faktor 0,9 --steuerklasse 3", "berechnen --pauschsteuer 2",
        "berechnen --sachsen", "wunschnetto", "wunschnetto 0", "unsinn",
        "berechnen --kinderfreibetraege 1,3"}) {
    const TCliLauf l = CliStarten(argumente);
    EXPECT_EQ(l.Status, 2) << argumente;
    EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli"), std::string::npos) << argumente;
  }
  EXPECT_EQ(CliStarten("--help").Status, 0);
}

TEST(Cli, WunschnettoFindetBrutto) {
  const TCliLauf l = CliStarten("wunschnetto 2000 --json");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  const std::int64_t netto = std::stoll(JsonFeld(l.Ausgabe, "Netto"));
  EXPECT_NEAR(netto, 200000, 2);
}

TEST(Batch, ZeilenMitFehlernUndTrennern) {
  std::istringstream ein(
      "brutto;steuerklasse;zeitraum;bekenntnislos;kinderfreibetraege\n"
      "3000;1;;ja;\n"
      "\"3.000,50\";3;monat;0;2\n"
      "abc;1;;;\n"
      "2000;9;;;\n"
      "1000;1;;vielleicht;\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  std::istringstream zeilen(aus.str());
  std::string kopf, z1, z2, z3, z4, z5;
  std::getline(zeilen, kopf);
  std::getline(zeilen, z1);
  std::getline(zeilen, z2);
  std::getline(zeilen, z3);
  std::getline(zeilen, z4);
  std::getline(zeilen, z5);
  EXPECT_EQ(kopf.rfind("brutto;steuerklasse;zeitraum;bekenntnislos;kinderfreibetraege;RE4;LSt;", 0), 0u);
  EXPECT_NE(kopf.find(";fehler"), std::string::npos);
  EXPECT_EQ(z1.rfind("3000;1;;ja;;3000,00;", 0), 0u) << z1;
  EXPECT_EQ(z1.back(), ';');  // no error
  EXPECT_EQ(z2.rfind("3.000,50;3;monat;0;2;3000,50;", 0), 0u) << z2;
  EXPECT_NE(z3.find("Zeile 4"), std::string::npos);
  EXPECT_NE(z3.find("kein Betrag"), std::string::npos);
  EXPECT_NE(z4.find("Zeile 5"), std::string::npos);
  EXPECT_NE(z5.find("weder ja noch nein"), std::string::npos);
  EXPECT_NE(fehler.str().find("Zeile 4"), std::string::npos);
}

TEST(Batch, KommaGetrenntUndUnbekannteSpalte) {
  std::istringstream ein("--brutto,steuerklasse\n3000.50,1\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 0);
  EXPECT_NE(aus.str().find("\n3000.50,1,3000.50,"), std::string::npos) << aus.str();

  std::istringstream falsch("brutto;gehalt\n1;2\n");
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, falsch, aus, fehler), 2);
  EXPECT_NE(fehler.str().find("unbekannte Spalte \"gehalt\""), std::string::npos);
}

TEST(Pap, FehlerhafteZeilenWerdenGemeldet) {
  std::string kopf;
  for (const char* n : pap::kEingaben) kopf += std::string(kopf.empty() ? "" : ",") + n;
  const std::string gut = "2013,2,300000,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0";
  std::string jahr1994 = gut;
  jahr1994.replace(0, 4, "1994");
  std::istringstream ein(kopf + ",GFB\n" + gut + ",8004\n" + "2013,2,x\n" + jahr1994 + ",8130\n" + gut + ",8130\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 1);
  const std::string a = aus.str();
  EXPECT_NE(a.find(gut + ",8004,46825,2575,46825,0,0,0,0,0,0\n"), std::string::npos) << a;
  EXPECT_NE(a.find(gut + ",8130,46625,2564,46625,0,0,0,0,0,0\n"), std::string::npos);
  EXPECT_NE(fehler.str().find("Zeile 3"), std::string::npos);
  EXPECT_NE(fehler.str().find("Zeile 4: Keine Lohnsteuer für 1994 vorhanden."), std::string::npos);
}
