// The command line's contributions: marginal employment with and without
// top-up, the sliding zone in other pay periods, damaged settings values.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
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
  EXPECT_EQ(Starte("berechnen --jahr 2013 --minijob --brutto 200").Ausgabe.find("RV Aufstockung"),
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
  EXPECT_NE(Starte("berechnen --jahr 2013 --minijob --aufstockung --brutto 100").Ausgabe.find("RV Aufstockung"),
            std::string::npos);
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
