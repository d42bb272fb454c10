// The income-tax tariffs of 1995 to 2004 against the tariff of the law and
// the official 1995 splitting table.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "cli/pap.h"
#include "lohnsteuer/lohst1995_2004.h"
#include "lohnsteuer/werk.h"

using namespace lst;

namespace {

std::string Pfad(const std::string& datei) {
  return std::string(LOHNSTEUER_VECTORS_DIR) + "/" + datei;
}

TLStGeneration1995& Programm(TFlussplanWerk& k, int jahr) {
  k.LStJahr = static_cast<std::int16_t>(jahr);
  auto* p = dynamic_cast<TLStGeneration1995*>(k.ProgrammFuerMonat(jahr));
  if (p == nullptr) throw std::runtime_error("kein Programm " + std::to_string(jahr));
  return *p;
}

// The tax of the year's tariff on a yearly taxable income; from 2002 through
// the income-tax routine (class III for splitting), before through the
// tariff as UPMLST applies it.
std::int64_t Tarif(TFlussplanWerk& k, int jahr, int kztab, std::int64_t zve) {
  TLStGeneration1995& p = Programm(k, jahr);
  if (p.HatEinkommensteuer()) {
    k.LStVar.LZZ = 1;
    return p.Einkommensteuer(kztab == 2 ? 3 : 1, static_cast<std::uint8_t>(kztab), zve);
  }
  return p.Tarifsteuer(static_cast<std::uint8_t>(kztab), zve);
}

}  // namespace

TEST(Tarif1995bis2004, GesetzlicherTarifAlleZeilen) {
  std::ifstream ein(Pfad("tarif.csv"));
  ASSERT_TRUE(ein) << "tarif.csv fehlt";
  TFlussplanWerk k;
  std::string zeile;
  std::getline(ein, zeile);
  ASSERT_EQ(zeile.substr(0, 24), "year,GFB,KZTAB,zvE,ESt");
  int geprueft = 0;
  int jahre[2005 - 1995] = {};
  while (std::getline(ein, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    const auto f = pap::Felder(zeile);
    ASSERT_EQ(f.size(), 5u) << zeile;
    const int jahr = std::stoi(std::string(f[0]));
    if (jahr < 1995 || jahr > 2004) continue;
    const int kztab = std::stoi(std::string(f[2]));
    const std::int64_t zve = std::stoll(std::string(f[3]));
    const std::int64_t est = std::stoll(std::string(f[4]));
    EXPECT_EQ(Tarif(k, jahr, kztab, zve), est) << zeile;
    ++geprueft;
    ++jahre[jahr - 1995];
  }
  // Every year but 2001 is in the file.
  for (int j = 1995; j <= 2004; ++j) {
    if (j != 2001) {
      EXPECT_GT(jahre[j - 1995], 150) << j;
    }
  }
  EXPECT_GE(geprueft, 1874);
}

TEST(Tarif1995bis2004, AmtlicheSplittingtabelle1995) {
  std::ifstream ein(Pfad("tarif1995_splitting_amtlich.csv"));
  ASSERT_TRUE(ein) << "tarif1995_splitting_amtlich.csv fehlt";
  TFlussplanWerk k;
  TLStGeneration1995& p = Programm(k, 1995);
  std::string zeile;
  std::getline(ein, zeile);
  ASSERT_NE(zeile.find("zve_from_dm,zve_to_dm,tarifliche_est_dm"), std::string::npos) << zeile;
  int zeilen = 0;
  while (std::getline(ein, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (zeile.empty()) continue;
    const auto f = pap::Felder(zeile);
    ASSERT_GE(f.size(), 5u) << zeile;
    const auto kztab = static_cast<std::uint8_t>(std::stoi(std::string(f[1])));
    const std::int64_t von = std::stoll(std::string(f[2]));
    const std::int64_t bis = std::stoll(std::string(f[3]));
    const std::int64_t est = std::stoll(std::string(f[4]));
    // The whole income range of a table row carries its tax.
    EXPECT_EQ(p.Tarifsteuer(kztab, von), est) << zeile;
    EXPECT_EQ(p.Tarifsteuer(kztab, bis), est) << zeile;
    EXPECT_EQ(p.Tarifsteuer(kztab, (von + bis) / 2), est) << zeile;
    ++zeilen;
  }
  EXPECT_EQ(zeilen, 50);
}

TEST(Tarif1995bis2004, ErsteZone1995WirdAbgeschnitten) {
  // 0.19 * 5724 - 1067 = 20.56: the law cuts to 20; rounding gave 21.
  EXPECT_EQ(UPTAB95(5724), 20);
  EXPECT_EQ(UPTAB95(5616), 0);
  EXPECT_EQ(UPTAB95(5670), 10);
}

TEST(Tarif1995bis2004, SchrittgrenzenDerDMJahre) {
  TFlussplanWerk k;
  // 1996: 12095 lies on the step starting at 12042 and pays nothing; 12096
  // pays (AS3(0.0054 * 86.63) + 2590) * 0.0054 = 13.
  TLStGeneration1995& p96 = Programm(k, 1996);
  EXPECT_EQ(p96.Tarifsteuer(1, 12095), 0);
  EXPECT_EQ(p96.Tarifsteuer(1, 12096), 13);
  EXPECT_EQ(p96.Tarifsteuer(1, 12096 + 53), 13);
  EXPECT_EQ(p96.Tarifsteuer(2, 2 * 12096), 26);
  // 1997 has the tariff of 1996.
  EXPECT_EQ(Programm(k, 1997).Tarifsteuer(1, 12096), 13);
}

TEST(Tarif1995bis2004, Tarif2001InDerMitteDer54DMStufe) {
  TFlussplanWerk k;
  TLStGeneration1995& p = Programm(k, 2001);
  // Below 54 DM no tax at all; otherwise X = step 54 + 27.
  EXPECT_EQ(p.Tarifsteuer(1, 53), 0);
  // 14093: step 14040, X = 14067 < 14094.
  EXPECT_EQ(p.Tarifsteuer(1, 14093), 0);
  // 14094: step 14094, X = 14121, Y = 0.0081: (AS3(3.141909) + 1990) * 0.0081 = 16.14...
  EXPECT_EQ(p.Tarifsteuer(1, 14094), 16);
  EXPECT_EQ(p.Tarifsteuer(1, 14147), 16);
  // 50000: step 49950, X = 49977, Y = 3.1941:
  // AS3((AS3(455.127309) + 2300) * 3.1941) + 857 = 9657.151.
  EXPECT_EQ(p.Tarifsteuer(1, 50000), 9657);
  // 200000: X = 199989 (step 199962 + 27): 0.485 * X - 19299 = 77695.665.
  EXPECT_EQ(p.Tarifsteuer(1, 200000), 77695);
  EXPECT_EQ(p.Tarifsteuer(2, 400000), 2 * 77695);
}

TEST(Tarif1995bis2004, Einkommensteuer2002AmEingangDerStufen) {
  TFlussplanWerk k;
  TLStGeneration1995& p = Programm(k, 2002);
  k.LStVar.LZZ = 1;
  // Below 36 Euro nothing is placed on a step.
  EXPECT_EQ(p.Einkommensteuer(1, 1, 35), 0);
  // 7235: X = 7200 + 18 = 7218 < 7236.
  EXPECT_EQ(p.Einkommensteuer(1, 1, 7235), 0);
  // 7236: X = 7254, (AS3(0.0054 * 768.85) + 1990) * 0.0054 = 10.768...
  EXPECT_EQ(p.Einkommensteuer(1, 1, 7236), 10);
  EXPECT_EQ(p.Einkommensteuer(3, 2, 2 * 7236), 20);
}
