#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "cli/eingabe.h"

using namespace lst;

namespace {

struct Lauf {
  int Status = -1;
  std::string Ausgabe;
};

Lauf Starte(const std::string& argumente) {
  const std::string befehl = std::string(LOHNSTEUER_CLI_PATH) + " " + argumente + " </dev/null 2>&1";
  Lauf lauf;
  FILE* rohr = popen(befehl.c_str(), "r");
  if (rohr == nullptr) return lauf;
  char puffer[4096];
  std::size_t n = 0;
  while ((n = fread(puffer, 1, sizeof puffer, rohr)) > 0) lauf.Ausgabe.append(puffer, n);
  const int status = pclose(rohr);
  lauf.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return lauf;
}

std::string JsonWert(const std::string& json, const std::string& name) {
  const auto pos = json.find("\"" + name + "\": ");
  if (pos == std::string::npos) return "?";
  const auto start = pos + name.size() + 4;
  return json.substr(start, json.find_first_of(",}", start) - start);
}

// The calculator's state after a calculation with the options of the command line.
struct Stand {
  TRechenKontext k;
  cli::TRechnung r;
  explicit Stand(const cli::TEingabe& e) {
    EXPECT_EQ(cli::Vorbereiten(k, e, r), "");
    TGesamtErgebnis erg;
    GesamtBerechnen(k, e.Jahr, r.LZ, r.LSt, erg, r.Zusatz, r.SonstigeAbzuege, r.SV);
  }
};

}  // namespace

TEST(CliWerkzeuge, TabelleIstDerKopierteText) {
  const Lauf l = Starte("tabelle --brutto 1.000,01 --zeitraum woche --steuerklasse 3 --kirchensteuer 9");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  cli::TEingabe e;
  e.Brutto = 1000.01;
  e.LZZ = 3;
  e.STKL = 3;
  e.KiStProzent = 9;
  Stand s(e);
  const auto zeilen = LohnsteuerTabelle(s.k, s.r.LZ, s.r.LSt, s.r.SV, 100001);
  std::vector<std::vector<std::string>> texte;
  for (const auto& z : zeilen) {
    const auto c = ZellenTexte(s.k, z);
    texte.emplace_back(c.begin(), c.end());
  }
  EXPECT_EQ(l.Ausgabe, KopierText(texte));
  EXPECT_EQ(std::count(l.Ausgabe.begin(), l.Ausgabe.end(), '\n'), 498);
  EXPECT_NE(l.Ausgabe.back(), '\n');

  const Lauf json = Starte("tabelle --brutto 3000 --json");
  ASSERT_EQ(json.Status, 0);
  EXPECT_EQ(std::count(json.Ausgabe.begin(), json.Ausgabe.end(), '{'), 499);
  EXPECT_EQ(JsonWert(json.Ausgabe, "UG"), "199800");
}

TEST(CliWerkzeuge, EstTabelleUmDasEinkommenDerRechnung) {
  const Lauf l = Starte("est-tabelle --brutto 4000 --steuerklasse 3");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  EXPECT_EQ(std::count(l.Ausgabe.begin(), l.Ausgabe.end(), '\n'), 498);
  const std::string erste = l.Ausgabe.substr(0, l.Ausgabe.find('\r'));
  EXPECT_EQ(std::count(erste.begin(), erste.end(), '\t'), 7);
  // The table starts 1000 below the income per tariff unit.
  cli::TEingabe e;
  e.Brutto = 4000;
  e.STKL = 3;
  Stand s(e);
  const std::int64_t start = EStTabellenStart(LetzterTarifStand(s.k).X);
  EXPECT_EQ(erste.substr(0, erste.find('\t')), GanzzahlAlsText(start));
  EXPECT_EQ(Starte("est-tabelle --json").Status, 0);
}

TEST(CliWerkzeuge, EinkommensteuerAlsJson) {
  const Lauf l = Starte("einkommensteuer 50.000,99 --splitting --json");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  TRechenKontext k;
  k.GFB = 8130;
  k.LStVar.R = 1;
  const TEinkommensteuer e = EinkommensteuerJahr(k, 1, 2, 50000, 0.08);
  EXPECT_EQ(JsonWert(l.Ausgabe, "zvE"), "5000000");
  EXPECT_EQ(JsonWert(l.Ausgabe, "KZTAB"), "2");
  EXPECT_EQ(JsonWert(l.Ausgabe, "ESt"), std::to_string(e.Steuer * 100));
  EXPECT_EQ(JsonWert(l.Ausgabe, "Soli"), std::to_string(e.Ergebnis.Soli));
  EXPECT_EQ(JsonWert(l.Ausgabe, "KiSt"), std::to_string(e.Ergebnis.KiSt));
  EXPECT_EQ(JsonWert(l.Ausgabe, "SteuerSumme"), std::to_string(e.Ergebnis.SteuerSumme));
  EXPECT_EQ(JsonWert(l.Ausgabe, "BruttoNachSteuer"), std::to_string(e.Ergebnis.BruttoNachSteuer));
  const Lauf ohne = Starte("einkommensteuer 50000 --bekenntnislos --json");
  EXPECT_EQ(JsonWert(ohne.Ausgabe, "KZTAB"), "1");
  EXPECT_EQ(JsonWert(ohne.Ausgabe, "KiSt"), "0");
  const Lauf text = Starte("einkommensteuer 50000");
  EXPECT_NE(text.Ausgabe.find("Grundtabelle"), std::string::npos);
  EXPECT_NE(text.Ausgabe.find("50.000,00 EUR"), std::string::npos);
}

TEST(CliWerkzeuge, VergleichAlsJsonUndText) {
  const Lauf l = Starte("vergleich 3000 0 --json");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  EXPECT_EQ(JsonWert(l.Ausgabe, "Summe_35"), JsonWert(l.Ausgabe, "AN_3"));
  EXPECT_EQ(JsonWert(l.Ausgabe, "Summe_53"), JsonWert(l.Ausgabe, "AN_5"));
  EXPECT_EQ(JsonWert(l.Ausgabe, "EG_3"), "0");
  EXPECT_EQ(JsonWert(l.Ausgabe, "Kombination"), "\"3/5\"");
  const Lauf null = Starte("vergleich 0 0 --json");
  EXPECT_EQ(JsonWert(null.Ausgabe, "Kombination"), "\"5/3\"");
  const Lauf ost = Starte("vergleich 5500 0 --json --region ost");
  const Lauf west = Starte("vergleich 5500 0 --json");
  EXPECT_GT(std::stoll(JsonWert(ost.Ausgabe, "AN_4")), std::stoll(JsonWert(west.Ausgabe, "AN_4")));
  // The spouse's column: allowance and children lower the spouse's tax.
  const Lauf mit = Starte("vergleich 3000 2500 --json --eg-freibetrag 300 --eg-kinderfreibetraege 1");
  const Lauf ohne = Starte("vergleich 3000 2500 --json");
  ASSERT_EQ(mit.Status, 0) << mit.Ausgabe;
  EXPECT_LT(std::stoll(JsonWert(mit.Ausgabe, "EG_4")), std::stoll(JsonWert(ohne.Ausgabe, "EG_4")));
  EXPECT_EQ(JsonWert(mit.Ausgabe, "AN_4"), JsonWert(ohne.Ausgabe, "AN_4"));
  const Lauf frei = Starte("vergleich 3000 2500 --json --versicherungsfrei");
  EXPECT_GT(std::stoll(JsonWert(frei.Ausgabe, "AN_4")), std::stoll(JsonWert(ohne.Ausgabe, "AN_4")));
  const Lauf text = Starte("vergleich 3000 1500");
  EXPECT_NE(text.Ausgabe.find("Die günstigste Kombination ist 3/5"), std::string::npos);
  EXPECT_NE(text.Ausgabe.find("Lohnsteuer bei Steuerklassen 4/4"), std::string::npos);
}

TEST(CliWerkzeuge, FalscheAufrufe) {
  for (const char* argumente :
       {"vergleich 3000", "vergleich 3000 abc", "vergleich -1 0", "einkommensteuer",
        "einkommensteuer x", "einkommensteuer 1 2", "tabelle 5", "tabelle --splitting",
        "berechnen --splitting", "est-tabelle --steuerklasse 9", "vergleich 1 2 --eg-freibetrag x", "vergleich 1 2 --eg-kinderfreibetraege 0,3",
        "berechnen --eg-freibetrag 5", "tabelle --versicherungsfrei", "vergleich 1 2 --eg-freibetrag"}) {
    const Lauf l = Starte(argumente);
    EXPECT_EQ(l.Status, 2) << argumente;
    EXPECT_NE(l.Ausgabe.find("lohnsteuer-cli"), std::string::npos) << argumente;
  }
}
