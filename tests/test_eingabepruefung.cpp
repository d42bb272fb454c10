// The command line refuses what it cannot compute correctly, warns about what
// it computes as asked though it does not fit, and never reports a wrong
// figure with success.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/meldung.h"
#include "cli/pap.h"
#include "cli_lauf.h"
#include "geld/zahlen.h"

using namespace lst;

namespace {

std::string PapKopf() {
  std::string kopf;
  for (const char* n : pap::kEingaben) kopf += std::string(kopf.empty() ? "" : ",") + n;
  return kopf;
}

// A pap row of 2013, month, class I, gross 3000 Euro, f = 1.
std::string PapZeile(const std::string& re4 = "300000", const std::string& f = "1") {
  return "2013,2," + re4 + ",1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0," + f + ",0,0,0,0,0,0,0,0,0,0,0,0";
}

}  // namespace

TEST(Eingabe, DoppelteVorzeichenSindKeineZahl) {
  for (const char* falsch : {"--5", "--0,5", "+-5", "-+5", "++1", "- 5"}) {
    EXPECT_FALSE(ZahlLesen(falsch).has_value()) << falsch;
    EXPECT_FALSE(GanzzahlLesen(falsch).has_value()) << falsch;
    EXPECT_FALSE(BetragLesen(falsch).has_value()) << falsch;
  }
  EXPECT_EQ(ZahlLesen("-0,5"), -0.5);
  EXPECT_EQ(ZahlLesen("+5"), 5.0);
  EXPECT_EQ(GanzzahlLesen("-7"), -7);
  EXPECT_EQ(GanzzahlLesen("+7"), 7);
  EXPECT_EQ(GanzzahlLesen("-9223372036854775808"), INT64_MIN);

  const TCliLauf l = CliStarten("berechnen --brutto 3000 --kirchensteuer --5");
  EXPECT_EQ(l.Status, 2);
  EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli: --kirchensteuer: \"--5\""), std::string::npos) << l.Ausgabe;
}

TEST(Eingabe, UnstimmigeEingabenWerdenAbgewiesen) {
  for (const char* argumente :
       {"berechnen --brutto 3000 --steuerklasse 4 --faktor 0",
        "berechnen --brutto 3000 --steuerklasse 4 --faktor 1,01",
        "berechnen --brutto 1500 --versorgungsbezug 1500,01"}) {
    const TCliLauf l = CliStarten(argumente);
    EXPECT_EQ(l.Status, 2) << argumente;
    EXPECT_EQ(l.Ausgabe.rfind("lohnsteuer-cli: ", 0), 0u) << l.Ausgabe;
  }
  EXPECT_EQ(CliStarten("berechnen --brutto 3000 --steuerklasse 4 --faktor 0,001").Status, 0);
  EXPECT_EQ(CliStarten("berechnen --brutto 1500 --versorgungsbezug 1500").Status, 0);
}

TEST(Eingabe, WarnungenFuerMinijobUndGleitzone) {
  struct Fall {
    const char* Argumente;
    const char* Warnung;  // nullptr: none
  };
  for (const Fall& f : {Fall{"--brutto 450 --minijob", nullptr},
                        Fall{"--brutto 450,01 --minijob", "Geringfügigkeitsgrenze von 450,00 EUR"},
                        Fall{"--brutto 5500 --haushalt --zeitraum jahr", "Geringfügigkeitsgrenze von 5.400,00 EUR"},
                        Fall{"--brutto 600 --gleitzone", nullptr},
                        Fall{"--brutto 850,01 --gleitzone", "nicht in der Gleitzone"},
                        Fall{"--brutto 450 --gleitzone", "nicht in der Gleitzone"},
                        Fall{"--brutto 150 --gleitzone --zeitraum woche", nullptr},
                        Fall{"--brutto 600 --gleitzone --jahr 2002", "keine Gleitzone"},
                        Fall{"--brutto 700 --minijob --dm --jahr 2001", "Bruttolohn 700,00 DM liegt über der Geringfügigkeitsgrenze von 630,00 DM"}}) {
    // The year of the figures unless the case names one.
    const std::string jahr = std::string(f.Argumente).find("--jahr") == std::string::npos ? " --jahr 2013" : "";
    const TCliLauf l = CliStarten(std::string("berechnen --json ") + f.Argumente + jahr);
    EXPECT_EQ(l.Status, 0) << f.Argumente << l.Ausgabe;
    if (f.Warnung == nullptr) {
      EXPECT_EQ(l.Ausgabe.find("Warnung"), std::string::npos) << f.Argumente << l.Ausgabe;
    } else {
      EXPECT_NE(l.Ausgabe.find(std::string("lohnsteuer-cli: Warnung: ")), std::string::npos) << f.Argumente;
      EXPECT_NE(l.Ausgabe.find(f.Warnung), std::string::npos) << f.Argumente << l.Ausgabe;
    }
  }
  // The warning goes to standard error: the JSON on standard output stays clean.
  const TCliLauf json = CliStarten("berechnen --json --brutto 900 --minijob --jahr 2013", "", false);
  EXPECT_EQ(json.Ausgabe.find("Warnung"), std::string::npos);
  EXPECT_EQ(json.Ausgabe.front(), '{');
}

TEST(Eingabe, GroessteEingabenBleibenImRahmen) {
  const std::string max = "1.000.000.000";
  for (const char* art : {"", "--minijob --aufstockung", "--gleitzone", "--privat 1.000.000.000 --ag-zuschuss"}) {
    const TCliLauf l = CliStarten("berechnen --jahr 2013 --json --zeitraum jahr --kirchensteuer 100 --brutto " + max +
                                  " --hinzurechnung " + max + " --versorgungsbezug " + max + " --sonstige-abzuege " +
                                  max + " --kindergeld " + max + " --kinderfreibetraege 99 " + art);
    ASSERT_EQ(l.Status, 0) << art << l.Ausgabe;
    std::istringstream felder(l.Ausgabe.substr(l.Ausgabe.find('{')));
    std::string stueck;
    int zahlen = 0;
    while (std::getline(felder, stueck, ':')) {
      std::getline(felder, stueck, ',');
      if (stueck.find('"') != std::string::npos) continue;
      const long long wert = std::atoll(stueck.c_str());
      EXPECT_LE(std::llabs(wert), 1'000'000'000'000'000LL) << stueck;
      ++zahlen;
    }
    EXPECT_GT(zahlen, 30);
  }
}

TEST(Wunschnetto, FindetAuchWeitAusserhalbDesErstenFensters) {
  const TCliLauf l = CliStarten("wunschnetto 100 --sonstige-abzuege 1000 --json");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  EXPECT_LE(std::llabs(std::stoll(JsonFeld(l.Ausgabe, "Netto")) - 10000), 1) << l.Ausgabe;
  EXPECT_GT(std::stoll(JsonFeld(l.Ausgabe, "RE4")), 110000);
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Wunsch"), "10000");
  const std::string genau = JsonFeld(l.Ausgabe, "Genau");
  EXPECT_EQ(genau, JsonFeld(l.Ausgabe, "Netto") == "10000" ? "true" : "false");

  const TCliLauf text = CliStarten("wunschnetto 100 --sonstige-abzuege 1000");
  EXPECT_TRUE(text.Ausgabe.find("trifft den Wunsch auf den Cent") != std::string::npos ||
              text.Ausgabe.find("am nächsten kommt ihm der Nettolohn von") != std::string::npos)
      << text.Ausgabe;
}

TEST(Wunschnetto, UnerreichbarerWunschGibtStatus1) {
  const TCliLauf l = CliStarten("wunschnetto 900.000.000");
  EXPECT_EQ(l.Status, 1);
  EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli: Der Wunsch-Nettolohn von 900.000.000,00 EUR ist mit keinem "
                           "Bruttolohn erreichbar"),
            std::string::npos)
      << l.Ausgabe;
  EXPECT_EQ(l.Ausgabe.find("Gefundener Bruttolohn"), std::string::npos);
}

TEST(Ausgabe, WaehrungUndGetippteBetraege) {
  // A DM year computed in pfennigs, shown in Euro as typed.
  TCliLauf l = CliStarten("berechnen --jahr 2000 --brutto 3000 --json");
  ASSERT_EQ(l.Status, 0);
  EXPECT_EQ(l.Ausgabe.rfind("{\"Waehrung\": \"EUR\", \"RE4\": 300000,", 0), 0u) << l.Ausgabe;
  l = CliStarten("berechnen --jahr 2000 --brutto 3000 --json --dm");
  EXPECT_EQ(l.Ausgabe.rfind("{\"Waehrung\": \"DM\", \"RE4\": 300000,", 0), 0u) << l.Ausgabe;
  // A DM year typed in DM: the gross is shown as typed, not 3.000,01; a Euro
  // year has no amounts in DM (the window offers them only for 1995 to 2001).
  l = CliStarten("berechnen --jahr 2001 --brutto 3000 --dm --json");
  EXPECT_EQ(l.Ausgabe.rfind("{\"Waehrung\": \"DM\", \"RE4\": 300000,", 0), 0u) << l.Ausgabe;
  for (const char* jahr : {"2002", "2013", "2020"}) {
    l = CliStarten(std::string("berechnen --brutto 3000 --dm --jahr ") + jahr);
    EXPECT_EQ(l.Status, 2) << jahr << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find("--dm gilt nur bis 2001"), std::string::npos) << jahr << l.Ausgabe;
  }
  l = CliStarten("berechnen --jahr 2001 --brutto 3000 --sonstige-abzuege 100 --dm");
  EXPECT_NE(l.Ausgabe.find("Bruttolohn                   3.000,00 DM         3.000,00 DM\n"), std::string::npos)
      << l.Ausgabe;
  EXPECT_NE(l.Ausgabe.find("Sonstiges                      100,00 DM\n"), std::string::npos) << l.Ausgabe;
  l = CliStarten("berechnen --brutto 3000 --json");
  EXPECT_EQ(JsonFeld(l.Ausgabe, "Waehrung"), "\"EUR\"");

  std::istringstream ein("jahr;brutto;dm\n2001;3000;ja\n2013;3000;ja\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  EXPECT_NE(aus.str().find("\n2001;3000;ja;3000,00;"), std::string::npos) << aus.str();
  EXPECT_NE(aus.str().find("Zeile 3: --dm gilt nur bis 2001"), std::string::npos) << aus.str();
}

TEST(Batch, ZeilenMitAndererSpaltenzahlSindFehler) {
  std::istringstream ein(
      "brutto;steuerklasse;kirchensteuer\n"
      "3000;1;9\n"
      "3000;1\n"
      "3000;1;9;5\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  EXPECT_NE(fehler.str().find("lohnsteuer-cli: Zeile 3: weniger Spalten als in der Kopfzeile (2 statt 3)"),
            std::string::npos)
      << fehler.str();
  EXPECT_NE(fehler.str().find("lohnsteuer-cli: Zeile 4: mehr Spalten als in der Kopfzeile (4 statt 3)"),
            std::string::npos)
      << fehler.str();
  EXPECT_EQ(fehler.str().find("Zeile 2"), std::string::npos);

  // Warnings of a row go to the messages; the row is computed.
  std::istringstream mini("brutto;minijob\n500;ja\n300;ja\n");
  std::ostringstream ausMini, fehlerMini;
  cli::TEingabe vorgabe2013;
  vorgabe2013.Jahr = 2013;
  EXPECT_EQ(cli::Batch(vorgabe2013, mini, ausMini, fehlerMini), 0);
  EXPECT_NE(fehlerMini.str().find("lohnsteuer-cli: Zeile 2: Warnung: Der Bruttolohn 500,00 EUR liegt über"),
            std::string::npos)
      << fehlerMini.str();
  EXPECT_EQ(fehlerMini.str().find("Zeile 3"), std::string::npos);

  // A separator at the end of the head row (and of the rows) is no column.
  std::istringstream mitTrenner("brutto;steuerklasse;\n3000;1;\n3000;3\n");
  std::ostringstream aus2, fehler2;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, mitTrenner, aus2, fehler2), 0) << fehler2.str();
  EXPECT_EQ(aus2.str().rfind("brutto;steuerklasse;RE4;", 0), 0u) << aus2.str();
  EXPECT_NE(aus2.str().find("\n3000;1;3000,00;"), std::string::npos);
  EXPECT_NE(aus2.str().find("\n3000;3;3000,00;"), std::string::npos);
}

TEST(Pap, GrenzenSpaltenzahlUndMeldungen) {
  const std::string kopf = PapKopf();
  const std::string lang = std::string(70, 'x') + "\xFF\xFE";
  std::istringstream ein(kopf + "\n" + PapZeile() + "\n" +      // 2: fine
                         PapZeile() + ",7\n" +                   // 3: one field more than the head
                         PapZeile("300000", "1000") + "\n" +     // 4: f above 1
                         PapZeile("300000", "-0.5") + "\n" +     // 5: f below 0
                         PapZeile("1000000000000000") + "\n" +   // 6: RE4 10^15
                         PapZeile("1000000000000") + "\n" +      // 7: RE4 10^12, the largest amount
                         PapZeile(lang) + "\n" +                 // 8: no number, long and broken text
                         PapZeile("300000", "0.5") + "\n");      // 9: fine
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 1);
  std::istringstream meldungen(fehler.str());
  std::string zeile;
  std::string zeilen;
  while (std::getline(meldungen, zeile)) {
    EXPECT_EQ(zeile.rfind("lohnsteuer-cli: Zeile ", 0), 0u) << zeile;
    zeilen += zeile.substr(22, 1);
  }
  EXPECT_EQ(zeilen, "34568");
  EXPECT_NE(fehler.str().find("mehr Spalten als in der Kopfzeile"), std::string::npos);
  std::string gekuerzt = "\"";
  gekuerzt.append(60, 'x');
  gekuerzt += "…\"";
  EXPECT_NE(fehler.str().find(gekuerzt), std::string::npos) << fehler.str();
  EXPECT_NE(aus.str().find(PapZeile("1000000000000") + ","), std::string::npos);

  // A head without the inputs is unusable: status 2.
  std::istringstream schlecht("year,LZZ\n2013,2\n");
  std::ostringstream aus2, fehler2;
  EXPECT_EQ(pap::Strom(schlecht, aus2, fehler2), 2);
  EXPECT_EQ(fehler2.str().rfind("lohnsteuer-cli: Zeile 1: ", 0), 0u) << fehler2.str();
  EXPECT_EQ(CliStarten("pap", kopf + "\n" + PapZeile("300000", "2") + "\n").Status, 1);
}

// The inputs of the newer flowcharts keep the same limits: amounts from 0
// to 10^12 cents, a sensible additional health rate, one sign, quoted text.
TEST(Pap, NeueEingabenMitGrenzen) {
  const std::string kopf = PapKopf() + ",KVZ,MBV,PVA,ALV,PKPVAGZ";
  const std::string basis = "2024,2,300000,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0";
  const auto zeile = [&](const std::string& neu) { return basis + "," + neu + "\n"; };
  const std::string lang = std::string(70, 'y') + "\x01";
  std::istringstream ein(kopf + "\n" + zeile("1.70,97400,0,0,0") +    // 2: fine
                         zeile("1.70,1000000000001,0,0,0") +          // 3: MBV above 10^12
                         zeile("1.70,0,0,0,-1") +                     // 4: PKPVAGZ below 0
                         zeile("20.5,0,0,0,0") +                      // 5: KVZ above 20 %
                         zeile("1.70,+-5,0,0,0") +                    // 6: two signs
                         zeile("+-1.70,0,0,0,0") +                    // 7: two signs
                         zeile(lang + ",0,0,0,0") +                   // 8: long text with a control character
                         zeile("1.70,1000000000000,0,0,1000000000000"));  // 9: the largest amounts
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 1);
  std::istringstream meldungen(fehler.str());
  std::string z;
  std::string zeilen;
  while (std::getline(meldungen, z)) {
    EXPECT_EQ(z.rfind("lohnsteuer-cli: Zeile ", 0), 0u) << z;
    zeilen += z.substr(22, 1);
  }
  EXPECT_EQ(zeilen, "345678") << fehler.str();
  EXPECT_NE(fehler.str().find("Wert von MBV muss zwischen 0 und 1000000000000 liegen"),
            std::string::npos) << fehler.str();
  EXPECT_NE(fehler.str().find("Wert von KVZ muss zwischen 0 und 20 liegen"), std::string::npos);
  EXPECT_NE(fehler.str().find("\"" + std::string(60, 'y') + "…\""), std::string::npos) << fehler.str();
  EXPECT_EQ(fehler.str().find('\x01'), std::string::npos);
}

TEST(Meldung, ZitatKuerztAnZeichengrenzen) {
  EXPECT_EQ(cli::Zitat("abc"), "\"abc\"");
  // 61 two-byte characters: 60 kept whole, then the mark of the cut.
  std::string ae;
  for (int i = 0; i < 61; ++i) ae += "ä";
  const std::string sechzig = ae.substr(0, 120);
  EXPECT_EQ(cli::Zitat(ae), std::string("\"").append(sechzig).append("…\""));
  EXPECT_EQ(cli::Zitat(sechzig), std::string("\"").append(sechzig).append("\""));
  // Broken sequences, overlong forms, surrogates and control characters.
  EXPECT_EQ(cli::Zitat("a\xC3"), "\"a\xEF\xBF\xBD\"");
  EXPECT_EQ(cli::Zitat("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
  EXPECT_EQ(cli::Zitat("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
  EXPECT_EQ(cli::Zitat("a\nb\x1b"), "\"a?b?\"");
  EXPECT_EQ(cli::Zitat("€𝄞"), "\"€𝄞\"");
}

// The tool commands read their options as berechnen does and refuse the same.
TEST(Eingabe, WerkzeugePruefenWieBerechnen) {
  for (const char* befehl : {"tabelle --brutto 3000", "est-tabelle --brutto 3000", "einkommensteuer 50000 --brutto 3000",
                             "vergleich 3000 1500"}) {
    for (const char* falsch : {"--kirchensteuer --5", "--steuerklasse 4 --faktor 0", "--versorgungsbezug 3000,01"}) {
      const std::string argumente = std::string(befehl) + " " + falsch;
      const TCliLauf l = CliStarten(argumente);
      EXPECT_EQ(l.Status, 2) << argumente << "\n" << l.Ausgabe;
      EXPECT_EQ(l.Ausgabe.rfind("lohnsteuer-cli: ", 0), 0u) << argumente << "\n" << l.Ausgabe;
    }
  }
  // vergleich: each spouse's pension payments lie within that spouse's gross.
  const TCliLauf an = CliStarten("vergleich 3000 1500 --versorgungsbezug 2000");
  EXPECT_EQ(an.Status, 0) << an.Ausgabe;
  for (const char* argumente : {"vergleich 3000 1500 --eg-versorgungsbezug 1500,01",
                                "vergleich 3000 1500 --eg-freibetrag +-5", "vergleich 3000 +-1500"}) {
    const TCliLauf l = CliStarten(argumente);
    EXPECT_EQ(l.Status, 2) << argumente << "\n" << l.Ausgabe;
  }
  EXPECT_NE(CliStarten("vergleich 3000 1500 --eg-versorgungsbezug 1600")
                .Ausgabe.find("--eg-versorgungsbezug 1.600,00 ist größer als der Bruttolohn des Ehegatten 1.500,00"),
            std::string::npos);
}

TEST(Hilfe, OptionstexteStehenInEinerSpalte) {
  const TCliLauf l = CliStarten("--help");
  ASSERT_EQ(l.Status, 0);
  std::istringstream zeilen(l.Ausgabe);
  std::string zeile;
  std::size_t spalte = 0;
  int optionen = 0;
  const auto breite = [](const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
  };
  bool imTeil = false;
  while (std::getline(zeilen, zeile)) {
    EXPECT_LE(breite(zeile), 80u) << zeile;
    if (zeile.rfind("  --", 0) == 0) {
      imTeil = true;
      const auto luecke = zeile.find("  ", 2);
      ASSERT_NE(luecke, std::string::npos) << "no gap: " << zeile;
      const auto text = zeile.find_first_not_of(' ', luecke);
      if (spalte == 0) spalte = text;
      EXPECT_EQ(text, spalte) << zeile;
      ++optionen;
    } else if (imTeil && !zeile.empty()) {
      // A continued text starts in the same column.
      EXPECT_EQ(zeile.find_first_not_of(' '), spalte) << zeile;
    }
  }
  EXPECT_GT(optionen, 30);
}
