// The command line's contributions: marginal employment with and without
// top-up, the sliding zone in other pay periods, damaged settings values.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli_lauf.h"

namespace {

using Lauf = TCliLauf;

// Standard output and standard error apart.
Lauf Starte(const std::string& argumente) { return CliStarten(argumente, "", false); }

std::int64_t Wert(const Lauf& l, const std::string& name) {
  const auto pos = l.Ausgabe.find("\"" + name + "\": ");
  if (pos == std::string::npos) return INT64_MIN;
  return std::stoll(l.Ausgabe.substr(pos + name.size() + 4));
}

}  // namespace

TEST(CliSV, MinijobMitUndOhneAufstockung) {
  const Lauf ohne = Starte("berechnen --jahr 2013 --minijob --brutto 200 --json");
  ASSERT_EQ(ohne.Status, 0) << ohne.Ausgabe << ohne.Fehler;
  EXPECT_EQ(Wert(ohne, "RVAuf_AN"), 0);
  EXPECT_EQ(Wert(ohne, "RV_AN"), 0);
  EXPECT_EQ(Starte("berechnen --jahr 2013 --minijob --brutto 200").Ausgabe.find("davon Aufstockung"),
            std::string::npos);

  // 2013, 450 EUR with top-up and 2 % flat tax.
  const Lauf grenze = Starte("berechnen --jahr 2013 --minijob --aufstockung --pauschsteuer 2 --brutto 450 --json");
  ASSERT_EQ(grenze.Status, 0) << grenze.Ausgabe << grenze.Fehler;
  EXPECT_EQ(Wert(grenze, "RV_AN"), 1755);
  EXPECT_EQ(Wert(grenze, "RV_AG"), 6750);
  EXPECT_EQ(Wert(grenze, "KV_AG"), 5850);
  EXPECT_EQ(Wert(grenze, "LStPausch"), 900);
  EXPECT_EQ(Wert(grenze, "SVSummeAN"), 1755);

  // 100 EUR: the minimum base of 175 EUR, 175 * 18,9 % - 15,00 = 18,08 EUR.
  const Lauf klein = Starte("berechnen --jahr 2013 --minijob --aufstockung --brutto 100 --json");
  EXPECT_EQ(Wert(klein, "RV_AN"), 1808);
  EXPECT_NE(Starte("berechnen --jahr 2013 --minijob --aufstockung --brutto 100").Ausgabe.find("\n  davon Aufstockung            18,08 EUR\n"),
            std::string::npos);
}

// The lines of the text add up to its sums in both columns: the taxes, the
// contributions (the top-up of a minijob is a note "davon" below the
// pension line, no line of the sum), the net wage and the employer's cost.
// Minijobs of both kinds with and without top-up, contribution groups, a
// private insurance, the zone, DM.
TEST(CliSV, TextzeilenErgebenDieSummen) {
  static const std::regex kBetrag("(-?[0-9.]+),([0-9][0-9]) (EUR|DM)");
  for (const char* optionen :
       {"--jahr 2024 --brutto 538 --minijob --aufstockung", "--jahr 2026 --brutto 400 --minijob",
        "--jahr 2024 --brutto 538 --haushalt --aufstockung", "--jahr 2013 --brutto 100 --minijob --aufstockung",
        "--jahr 2024 --brutto 3000 --beitragsgruppe 3321",
        "--jahr 2025 --brutto 5000 --beitragsgruppe 0110 --privat 800 --ag-zuschuss",
        "--jahr 2026 --brutto 1200 --uebergangsbereich --sonstige-abzuege 20 --kirchensteuer 9",
        "--jahr 1999 --dm --brutto 4000 --kinderfreibetraege 1"}) {
    const Lauf l = Starte(std::string("berechnen ") + optionen);
    ASSERT_EQ(l.Status, 0) << optionen << l.Fehler;
    // Each line's caption (its first 20 characters) with its amounts.
    std::vector<std::pair<std::string, std::vector<std::int64_t>>> zeilen;
    std::istringstream text(l.Ausgabe);
    for (std::string zeile; std::getline(text, zeile);) {
      std::vector<std::int64_t> betraege;
      for (auto it = std::sregex_iterator(zeile.begin(), zeile.end(), kBetrag); it != std::sregex_iterator(); ++it) {
        std::string ganz = (*it)[1];
        ganz.erase(std::remove(ganz.begin(), ganz.end(), '.'), ganz.end());
        const std::int64_t e = std::stoll(ganz);
        betraege.push_back(e * 100 + (ganz.front() == '-' ? -1 : 1) * std::stoll((*it)[2]));
      }
      std::string titel = zeile.substr(0, std::min<std::size_t>(zeile.size(), 20));
      while (!titel.empty() && titel.back() == ' ') titel.pop_back();
      zeilen.emplace_back(titel, betraege);
    }
    const auto zeile = [&](const std::string& titel) -> std::vector<std::int64_t> {
      for (const auto& [t, b] : zeilen)
        if (t == titel) return b;
      ADD_FAILURE() << optionen << ": keine Zeile " << titel << "\n" << l.Ausgabe;
      return {0, 0};
    };
    const auto summe = [&](std::initializer_list<const char*> titel, std::size_t spalte) {
      std::int64_t s = 0;
      for (const char* t : titel) s += zeile(t).at(spalte);
      return s;
    };
    for (std::size_t s = 0; s < 2; ++s) {
      EXPECT_EQ(summe({"Lohnsteuer", "Kirchensteuer", "Solidaritätsz."}, s), zeile("Steuern gesamt").at(s)) << optionen;
      EXPECT_EQ(summe({"KV Beitrag", "KV Zus.Beitrag", "RV Beitrag", "ALoV Beitrag", "PV Beitrag", "PV Zus.Beitrag"}, s),
                zeile("Soz.vers. gesamt").at(s))
          << optionen << "\n" << l.Ausgabe;
    }
    // Every contribution line lies between the wage after taxes and the sum.
    bool imBlock = false;
    std::int64_t an = 0;
    for (const auto& [t, b] : zeilen) {
      if (t == "Soz.vers. gesamt") break;
      if (imBlock && t.rfind("  davon ", 0) != 0 && t.rfind("BE ", 0) != 0) an += b.at(0);
      if (t == "nach Steuern") imBlock = true;
    }
    EXPECT_EQ(an, zeile("Soz.vers. gesamt").at(0)) << optionen << "\n" << l.Ausgabe;
    EXPECT_EQ(zeile("nach Steuern").at(0) - zeile("Soz.vers. gesamt").at(0) - zeile("Sonstiges").at(0),
              zeile("Netto Lohn").at(0))
        << optionen;
    // The employer's subsidy to a private insurance is part of his cost.
    std::int64_t zuschuss = 0;
    for (const auto& [t, b] : zeilen)
      if (t == "AG-Zuschuss PKV/PV") zuschuss = b.at(0);
    EXPECT_EQ(zeile("nach Steuern").at(1) + zeile("Soz.vers. gesamt").at(1) + zuschuss, zeile("Lohnkosten").at(0))
        << optionen;
    // The top-up is named once, as the note of the pension line.
    const bool aufstockung = std::string(optionen).find("--aufstockung") != std::string::npos;
    EXPECT_EQ(l.Ausgabe.find("RV Aufstockung"), std::string::npos) << optionen;
    if (aufstockung) {
      EXPECT_EQ(zeile("  davon Aufstockung").at(0), zeile("RV Beitrag").at(0)) << optionen;
    }
    EXPECT_EQ(l.Ausgabe.find("davon") != std::string::npos, aufstockung) << optionen;
  }
}

TEST(CliSV, GleitzoneImJahr) {
  // 7.200 EUR a year are 600 EUR a month: inside the zone, so the employee
  // pays about twelve times the monthly 38,76 EUR health contribution.
  const Lauf jahr = Starte("berechnen --jahr 2013 --zeitraum jahr --brutto 7200 --gleitzone --json");
  const Lauf monat = Starte("berechnen --jahr 2013 --zeitraum monat --brutto 600 --gleitzone --json");
  const Lauf ohne = Starte("berechnen --jahr 2013 --zeitraum jahr --brutto 7200 --json");
  ASSERT_EQ(jahr.Status, 0) << jahr.Ausgabe << jahr.Fehler;
  EXPECT_EQ(Wert(monat, "KV_AN") + Wert(monat, "KV2_AN"), 3876);
  EXPECT_NEAR(Wert(jahr, "KV_AN") + Wert(jahr, "KV2_AN"), 12 * 3876, 12);
  EXPECT_NEAR(Wert(jahr, "SVSummeAN"), 12 * Wert(monat, "SVSummeAN"), 48);
  EXPECT_LT(Wert(jahr, "SVSummeAN"), Wert(ohne, "SVSummeAN"));
  EXPECT_EQ(Wert(jahr, "SVSummeAG"), Wert(ohne, "SVSummeAG"));
}

TEST(CliSV, BeschaedigteEinstellungenWerdenGenanntUndErsetzt) {
  namespace fs = std::filesystem;
  const fs::path datei = fs::path(::testing::TempDir()) / ("cli_sv_" + std::to_string(std::random_device{}()) + ".ini");
  std::ofstream(datei) << "[SV2013]\nNVPVAN=1e300\nNVKVAN=7,3\n[LSt2013]\nSoli=-5,5\n[BMG2013]\nKVWest=0\n";
  const std::string optionen = " --einstellungsdatei " + datei.string() + " --json";
  const Lauf l = Starte("berechnen --jahr 2013 --brutto 3000" + optionen);
  const Lauf vorgabe = Starte("berechnen --jahr 2013 --brutto 3000 --json");
  fs::remove(datei);
  ASSERT_EQ(l.Status, 0) << l.Ausgabe << l.Fehler;
  // The calculation goes on with the defaults: the same figures as without file.
  EXPECT_EQ(l.Ausgabe, vorgabe.Ausgabe);
  EXPECT_GT(Wert(l, "Netto"), 0);
  // One German line per ignored key, naming file, section and key.
  std::istringstream zeilen(l.Fehler);
  std::vector<std::string> gelesen;
  for (std::string z; std::getline(zeilen, z);) gelesen.push_back(z);
  ASSERT_EQ(gelesen.size(), 3u) << l.Fehler;
  for (const char* teil : {"[SV2013] NVPVAN=1e300", "[LSt2013] Soli=-5,5", "[BMG2013] KVWest=0"}) {
    bool da = false;
    for (const std::string& z : gelesen)
      da |= z.find(teil) != std::string::npos && z.find(datei.string()) != std::string::npos &&
            z.find("wird nicht verwendet") != std::string::npos;
    EXPECT_TRUE(da) << teil << "\n" << l.Fehler;
  }
}
