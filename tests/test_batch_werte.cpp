// batch writes the amounts without their names: its cells must be the
// amounts of the display, column by column, in every year and currency.

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "calc/berechnung.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli_lauf.h"

namespace lst {
namespace {

// Cents as batch writes them: "-1234,56".
std::string Zelle(std::int64_t cent, char dezimal) {
  std::string t = cent < 0 ? "-" : "";
  const std::uint64_t b = cent < 0 ? 0 - static_cast<std::uint64_t>(cent) : static_cast<std::uint64_t>(cent);
  t += std::to_string(b / 100);
  t += dezimal;
  t += static_cast<char>('0' + b % 100 / 10);
  t += static_cast<char>('0' + b % 10);
  return t;
}

// The display of one calculation as berechnen shows it.
cli::TAnzeige Anzeige(const std::vector<std::pair<std::string, std::string>>& optionen) {
  cli::TEingabe e;
  for (const auto& [name, wert] : optionen) {
    // A flag is given without a value.
    const std::string f = cli::OptionSetzen(e, name, wert.empty() ? "1" : wert);
    EXPECT_EQ(f, "") << name;
  }
  TAbrechnungsStand s;
  EXPECT_EQ(cli::Vorbereiten(e, s.Parameter, s.Anfrage), "");
  s.Euro = !e.DM;
  s.Ergebnis = Abrechnen(s.Parameter, s.Anfrage);
  return cli::Anzeigen(s, &e);
}

TEST(BatchWerte, NamenUndWerteWieDieFelder) {
  const cli::TAnzeige a = Anzeige({{"jahr", "2026"}, {"brutto", "2345,67"}, {"minijob", ""}, {"u1", "1,1"}});
  ASSERT_EQ(a.Felder.size(), cli::kErgebnisAnzahl);
  for (std::size_t i = 0; i < cli::kErgebnisAnzahl; ++i) {
    EXPECT_EQ(a.Felder[i].first, cli::ErgebnisNamen()[i]) << i;
  }
  // The names are the core's names of the result's fields, each reading
  // its own field.
  TMonatsErgebnis m;
  for (std::size_t i = 0; i < cli::kErgebnisAnzahl; ++i) ErgebnisFelder()[i].Zugriff(m) = static_cast<std::int64_t>(i + 1);
  const auto felder = cli::ErgebnisFelder(m);
  for (std::size_t i = 0; i < cli::kErgebnisAnzahl; ++i) {
    EXPECT_EQ(felder[i].second, static_cast<std::int64_t>(i + 1)) << felder[i].first;
  }
  EXPECT_EQ(m.RE4, 1);
  EXPECT_EQ(m.Gesamtbrutto, static_cast<std::int64_t>(cli::kErgebnisAnzahl) - 1);
  EXPECT_EQ(m.Aktivrente_steuerfrei, static_cast<std::int64_t>(cli::kErgebnisAnzahl));
}

// Rows of several years, currencies and pay periods through batch; each
// result cell against the display's amount of the same name.
TEST(BatchWerte, ZellenSindDieBetraegeDerAnzeige) {
  struct TFall {
    std::vector<std::pair<std::string, std::string>> Optionen;
  };
  const std::vector<TFall> faelle = {
      {{{"jahr", "1998"}, {"brutto", "4321,09"}, {"dm", ""}, {"steuerklasse", "3"}}},
      {{{"jahr", "2001"}, {"brutto", "2000"}, {"zeitraum", "woche"}}},
      {{{"jahr", "2013"}, {"brutto", "98765,43"}, {"zeitraum", "jahr"}, {"region", "ost"}, {"sachsen", ""}}},
      {{{"jahr", "2019"}, {"monat", "7"}, {"brutto", "900"}, {"gleitzone", ""}}},
      // Deductions above the pay: a negative net.
      {{{"jahr", "2026"}, {"monat", "3"}, {"brutto", "100"}, {"sonstige-abzuege", "543,21"}}},
      {{{"jahr", "2026"}, {"brutto", "500"}, {"minijob", ""}, {"u1", "1,1"}, {"u2", "0,24"}}},
      {{{"jahr", "2024"}, {"brutto", "999999999"}, {"steuerklasse", "5"}}},
      {{{"jahr", "2024"}, {"brutto", "3000"}, {"beitragsgruppe", "3321"}}},
      {{{"jahr", "2023"}, {"monat", "3"}, {"brutto", "538"}, {"haushalt", ""}, {"aufstockung", ""}}},
  };
  for (const char trenner : {';', ','}) {
    const char dezimal = trenner == ';' ? ',' : '.';
    for (const TFall& f : faelle) {
      std::string kopf, zeile;
      for (const auto& [name, wert] : f.Optionen) {
        if (!kopf.empty()) kopf += trenner, zeile += trenner;
        kopf += name;
        std::string w = wert.empty() ? "ja" : wert;
        if (trenner == ',') {
          for (char& c : w) c = c == ',' ? '.' : c;
        }
        zeile += w;
      }
      std::istringstream ein(kopf + "\n" + zeile + "\n");
      std::ostringstream aus, fehler;
      cli::Batch(cli::TEingabe{}, ein, aus, fehler);
      std::istringstream ergebnis(aus.str());
      std::string ausKopf, ausZeile;
      std::getline(ergebnis, ausKopf);
      std::getline(ergebnis, ausZeile);
      std::vector<std::string> namen, zellen;
      ASSERT_TRUE(cli::CsvFelder(ausKopf, trenner, namen));
      ASSERT_TRUE(cli::CsvFelder(ausZeile, trenner, zellen));
      ASSERT_EQ(namen.size(), zellen.size()) << ausZeile;
      ASSERT_EQ(namen.size(), f.Optionen.size() + cli::kTextAnzahl + cli::kErgebnisAnzahl + 1);
      EXPECT_EQ(zellen.back(), "") << fehler.str();
      const cli::TAnzeige a = Anzeige(f.Optionen);
      // The amounts next to the input, then the texts.
      for (std::size_t i = 0; i < cli::kErgebnisAnzahl; ++i) {
        const std::size_t spalte = f.Optionen.size() + i;
        EXPECT_EQ(namen[spalte], a.Felder[i].first);
        EXPECT_EQ(zellen[spalte], Zelle(a.Felder[i].second, dezimal)) << kopf << ' ' << namen[spalte];
      }
      const std::string texte[] = {a.Waehrung, a.Programmablaufplan, a.Beitragsgruppe, a.Maerzklausel ? "ja" : "nein"};
      for (std::size_t i = 0; i < cli::kTextAnzahl; ++i) {
        const std::size_t spalte = f.Optionen.size() + cli::kErgebnisAnzahl + i;
        EXPECT_EQ(namen[spalte], cli::TextNamen()[i]);
        EXPECT_EQ(zellen[spalte], texte[i]) << kopf << ' ' << namen[spalte];
      }
      if (f.Optionen.back().first == "sonstige-abzuege") {
        EXPECT_LT(a.Wert("Netto"), 0);
      }
    }
  }
}

// Every member of "berechnen --json" is a batch column of the same name
// with the same value for the same options (the texts as they are, the
// amounts in cents as batch writes them); a text column whose member the
// year does not have (the flowchart and the contribution group before 2014)
// stays empty.
TEST(BatchWerte, JedesJsonMitgliedIstEineSpalte) {
  using TOptionen = std::vector<std::pair<std::string, std::string>>;
  const std::vector<TOptionen> faelle = {
      {{"jahr", "1998"}, {"brutto", "4321,09"}, {"dm", ""}},
      {{"jahr", "2013"}, {"brutto", "450"}, {"minijob", ""}, {"aufstockung", ""}},
      {{"jahr", "2023"}, {"monat", "3"}, {"brutto", "3000"}, {"kirchensteuer", "9"}},
      {{"jahr", "2024"}, {"brutto", "3000"}, {"beitragsgruppe", "0110"}, {"privat", "700"}, {"ag-zuschuss", ""}},
      {{"jahr", "2026"}, {"brutto", "603"}, {"haushalt", ""}, {"aufstockung", ""}},
      // The pay beside the regular wage, the March clause.
      {{"jahr", "2024"}, {"monat", "2"}, {"brutto", "4600"}, {"sonstiger-bezug", "6000"}, {"dienstwagen", "30000"},
       {"dienstwagen-km", "10"}, {"entgeltumwandlung", "100"}, {"vwl-ag", "40"}, {"vwl-sparbetrag", "20"},
       {"sachbezug", "50,01"}, {"steuerfrei", "30"}, {"vorjahr-kv-zusatzbeitrag", "1,5"}},
      {{"jahr", "2024"}, {"monat", "9"}, {"brutto", "4800"}, {"abfindung", "40000"}, {"fuenftelregelung", ""},
       {"jahresarbeitslohn", "43200"}},
  };
  static const std::regex kMitglied("\"([^\"]+)\": (\"[^\"]*\"|-?[0-9]+|true|false)");
  for (const TOptionen& f : faelle) {
    std::string argumente = "berechnen --json", kopf, zeile;
    for (const auto& [name, wert] : f) {
      argumente += " --" + name + (wert.empty() ? "" : " " + wert);
      kopf += (kopf.empty() ? "" : ";") + name;
      zeile += (zeile.empty() ? "" : ";") + (wert.empty() ? std::string("ja") : wert);
    }
    const TCliLauf json = CliStarten(argumente, "", false);
    const TCliLauf batch = CliStarten("batch", kopf + "\n" + zeile + "\n", false);
    ASSERT_EQ(json.Status, 0) << argumente << json.Fehler;
    ASSERT_EQ(batch.Status, 0) << kopf << batch.Fehler;
    std::istringstream ausgabe(batch.Ausgabe);
    std::string ausKopf, ausZeile;
    std::getline(ausgabe, ausKopf);
    std::getline(ausgabe, ausZeile);
    std::vector<std::string> namen, zellen;
    ASSERT_TRUE(cli::CsvFelder(ausKopf, ';', namen));
    ASSERT_TRUE(cli::CsvFelder(ausZeile, ';', zellen));
    ASSERT_EQ(namen.size(), zellen.size());
    std::vector<bool> genannt(namen.size(), false);
    int mitglieder = 0;
    for (auto it = std::sregex_iterator(json.Ausgabe.begin(), json.Ausgabe.end(), kMitglied);
         it != std::sregex_iterator(); ++it) {
      const std::string name = (*it)[1], wert = (*it)[2];
      ++mitglieder;
      std::size_t spalte = f.size();
      while (spalte < namen.size() && namen[spalte] != name) ++spalte;
      ASSERT_LT(spalte, namen.size()) << name << " fehlt in der Kopfzeile von batch: " << ausKopf;
      genannt[spalte] = true;
      // A yes-or-no member is "ja" or "nein" in batch.
      const std::string erwartet = wert.front() == '"' ? wert.substr(1, wert.size() - 2)
                                   : wert == "true"    ? "ja"
                                   : wert == "false"   ? "nein"
                                                       : Zelle(std::stoll(wert), ',');
      EXPECT_EQ(zellen[spalte], erwartet) << argumente << ": " << name;
    }
    EXPECT_EQ(mitglieder, static_cast<int>(cli::kErgebnisAnzahl) + (f[0].second >= "2014" ? 4 : 2)) << json.Ausgabe;
    // What the JSON does not name, batch leaves empty (the last column is
    // "fehler").
    for (std::size_t i = f.size(); i + 1 < namen.size(); ++i) {
      if (!genannt[i]) {
        EXPECT_EQ(zellen[i], "") << argumente << ": " << namen[i];
      }
    }
  }
}

// One batch over years and pay months in turn, each again later: every row
// has the ceilings and rates of its own year and month.
TEST(BatchWerte, JahreUndMonateImWechsel) {
  // Changes within a year: the marginal limit in October 2022, the care
  // rates in July 2023.
  const char* const kZeilen[][5] = {
      {"2019", "6", "1000", "ja", ""}, {"2019", "7", "1000", "ja", ""}, {"2026", "1", "3000", "", ""},
      {"1999", "12", "7000", "", ""},  {"2022", "10", "500", "", "ja"}, {"2022", "9", "500", "", "ja"},
      {"2023", "6", "4000", "", ""},   {"2023", "7", "4000", "", ""},   {"2013", "5", "5800", "", ""}};
  std::string text = "jahr;monat;brutto;gleitzone;minijob\n";
  for (int runde = 0; runde < 2; ++runde) {
    for (const auto& z : kZeilen) text += std::string(z[0]) + ";" + z[1] + ";" + z[2] + ";" + z[3] + ";" + z[4] + "\n";
  }
  std::istringstream ein(text);
  std::ostringstream aus, fehler;
  cli::Batch(cli::TEingabe{}, ein, aus, fehler);
  std::istringstream ergebnis(aus.str());
  std::string zeile;
  std::getline(ergebnis, zeile);
  std::vector<std::string> zellen;
  for (int runde = 0; runde < 2; ++runde) {
    for (const auto& z : kZeilen) {
      ASSERT_TRUE(std::getline(ergebnis, zeile));
      ASSERT_TRUE(cli::CsvFelder(zeile, ';', zellen));
      std::vector<std::pair<std::string, std::string>> optionen = {{"jahr", z[0]}, {"monat", z[1]}, {"brutto", z[2]}};
      if (*z[3] != 0) optionen.emplace_back("gleitzone", "");
      if (*z[4] != 0) optionen.emplace_back("minijob", "");
      const cli::TAnzeige a = Anzeige(optionen);
      for (std::size_t i = 0; i < cli::kErgebnisAnzahl; ++i) {
        EXPECT_EQ(zellen[5 + i], Zelle(a.Felder[i].second, ',')) << zeile << ' ' << a.Felder[i].first;
      }
    }
  }
}

// The messages of the rows come in the order of the rows, a warning with
// its row, whatever the size of the input.
TEST(BatchWerte, MeldungenInDerFolgeDerZeilen) {
  std::string text = "jahr;brutto;minijob\n";
  std::string erwartet;
  for (int i = 0; i < 3000; ++i) {
    const int nummer = i + 2;
    switch (i % 3) {
      case 0:
        text += "2026;abc;\n";
        erwartet += "lohnsteuer-cli: Zeile " + std::to_string(nummer) + ": --brutto: \"abc\" ist kein Betrag\n";
        break;
      case 1:
        text += "2026;1000;ja\n";
        erwartet += "lohnsteuer-cli: Zeile " + std::to_string(nummer) +
                    ": Warnung: Der Bruttolohn 1.000,00 EUR liegt über der Geringfügigkeitsgrenze von 603,00 EUR "
                    "des Zeitraums; gerechnet wird wie angegeben.\n";
        break;
      default:
        text += "2026;3000;\n";
    }
  }
  std::istringstream ein(text);
  std::ostringstream aus, fehler;
  EXPECT_EQ(cli::Batch(cli::TEingabe{}, ein, aus, fehler), 1);
  EXPECT_EQ(fehler.str(), erwartet);
  // Each row once, the failed ones with their message in the last cell.
  std::istringstream zeilen(aus.str());
  std::string zeile;
  int anzahl = 0;
  while (std::getline(zeilen, zeile)) ++anzahl;
  EXPECT_EQ(anzahl, 3001);
  EXPECT_NE(aus.str().find(";\"Zeile 2999: --brutto: \"\"abc\"\" ist kein Betrag\""), std::string::npos);
}

}  // namespace
}  // namespace lst
