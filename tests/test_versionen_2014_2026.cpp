// The flowchart versions from 2014 as the command line and the core reach
// them: the pay month and --pap choose the version, a mismatched or unknown
// flowchart is refused, the pap mode reads version keys and writes the
// outputs of the newer flowcharts.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/parameter.h"
#include "calc/werkzeuge.h"
#include "cli/pap.h"
#include "cli_lauf.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/werk.h"

using namespace lst;

// December 2015 grants the raised allowances of the whole year at once: the
// December tax of a monthly wage is far below November's, and --pap names the
// same flowchart as the month.
TEST(VersionenCli, MonatUndPapWaehlenDenAblaufplan) {
  const TCliLauf dez = CliStarten("berechnen --jahr 2015 --brutto 3000 --steuerklasse 2 --kinderfreibetraege 1 --json");
  const TCliLauf nov = CliStarten("berechnen --jahr 2015 --monat 11 --brutto 3000 --steuerklasse 2 --kinderfreibetraege 1 --json");
  const TCliLauf pap = CliStarten("berechnen --pap 2015 --brutto 3000 --steuerklasse 2 --kinderfreibetraege 1 --json");
  ASSERT_EQ(dez.Status, 0) << dez.Ausgabe;
  ASSERT_EQ(nov.Status, 0) << nov.Ausgabe;
  EXPECT_EQ(JsonFeld(dez.Ausgabe, "Programmablaufplan"), "\"2015dez\"");
  EXPECT_EQ(JsonFeld(nov.Ausgabe, "Programmablaufplan"), "\"2015\"");
  EXPECT_EQ(pap.Ausgabe, nov.Ausgabe);
  EXPECT_LT(std::stoll(JsonFeld(dez.Ausgabe, "LSt")), std::stoll(JsonFeld(nov.Ausgabe, "LSt")) * 6 / 10);
  // Church tax follows its base: 8 % by default.
  const long long bk = std::stoll(JsonFeld(nov.Ausgabe, "BK"));
  EXPECT_EQ(std::stoll(JsonFeld(nov.Ausgabe, "KiSt")), bk * 8 / 100);

  const TCliLauf text = CliStarten("berechnen --jahr 2017 --brutto 2500");
  EXPECT_EQ(text.Status, 0);
  EXPECT_NE(text.Ausgabe.find("Programmablaufplan  2017"), std::string::npos) << text.Ausgabe;
  EXPECT_NE(text.Ausgabe.find("Lohnsteuer"), std::string::npos);
  EXPECT_NE(text.Ausgabe.find("Netto Lohn"), std::string::npos);
}

TEST(VersionenCli, FalscherAblaufplanKlareMeldungen) {
  struct TFall {
    const char* Argumente;
    const char* Meldung;
  };
  const TFall faelle[] = {
      {"berechnen --jahr 2016 --pap 2015dez --brutto 1", "--pap 2015dez gehört zum Jahr 2015, nicht zu 2016"},
      {"berechnen --pap 2099 --brutto 1", "ist kein Programmablaufplan (bekannt: 2014, 2015, 2015dez"},
      {"berechnen --jahr 2099 --brutto 1", "Keine Lohnsteuer für 2099 vorhanden."},
      {"berechnen --jahr 2014 --kv-zusatzbeitrag 1 --brutto 1", "--kv-zusatzbeitrag gilt erst ab 2015"},
      {"berechnen --jahr 2013 --monat 13 --brutto 1", "--monat: \"13\" ist keine ganze Zahl von 1 bis 12"},
  };
  for (const TFall& f : faelle) {
    const TCliLauf l = CliStarten(f.Argumente);
    EXPECT_EQ(l.Status, 2) << f.Argumente;
    EXPECT_NE(l.Ausgabe.find(f.Meldung), std::string::npos) << f.Argumente << "\n" << l.Ausgabe;
  }
  // Up to 2013 everything stays as it was, whatever the month.
  EXPECT_EQ(CliStarten("berechnen --jahr 2013 --brutto 3000 --json --monat 3").Ausgabe,
            CliStarten("berechnen --jahr 2013 --brutto 3000 --json").Ausgabe);
}

// A batch mixes the years: a row of 2016 is computed in full, in its month.
TEST(VersionenCli, BatchMischtDieJahre) {
  const TCliLauf l = CliStarten("batch", "jahr;brutto;monat\n2013;3000;\n2016;3000;4\n");
  ASSERT_EQ(l.Status, 0) << l.Ausgabe;
  std::istringstream zeilen(l.Ausgabe);
  std::string kopf, z2013, z2016;
  std::getline(zeilen, kopf);
  std::getline(zeilen, z2013);
  std::getline(zeilen, z2016);
  EXPECT_EQ(z2013.find("nur Steuern"), std::string::npos);
  EXPECT_NE(z2016.find("2016;3000;4;3000,00;"), std::string::npos) << z2016;
  EXPECT_EQ(z2016.find(";;;"), std::string::npos) << z2016;
  EXPECT_EQ(z2016.find("nicht hinterlegt"), std::string::npos) << z2016;
}

TEST(VersionenPap, SchluesselUndNeueSpalten) {
  const std::string kopf =
      "year,LZZ,RE4,STKL,ZKF,R,KRV,ALTER1,AJAHR,VBEZ,VBEZM,VBEZS,ZMVB,VJAHR,LZZFREIB,LZZHINZU,PKV,PKPV,"
      "PVS,PVZ,af,f,SONSTB,VBS,VMT,VKAPA,STERBE,JRE4,JVBEZ,JFREIB,JHINZU,ENTSCH,JRE4ENT,SONSTENT,GFB";
  const std::string neu = kopf + ",KVZ,MBV,PVA,ALV,PKPVAGZ\n";
  const std::string zeile = "2,300000,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,";
  std::istringstream ein(neu + "2015dez," + zeile + ",0.90,0,0,0,0\n2016," + zeile + ",1.10,0,0,0,0\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(pap::Strom(ein, aus, fehler), 0) << fehler.str();
  std::istringstream zeilen(aus.str());
  std::string k, a, b;
  std::getline(zeilen, k);
  std::getline(zeilen, a);
  std::getline(zeilen, b);
  EXPECT_NE(k.find(",LSTLZZ,SOLZLZZ,BK,STS,SOLZS,BKS,STV,SOLZV,BKV,VKVLZZ,VKVSONST,VFRB,VFRBS1,VFRBS2,WVFRB,WVFRBO,WVFRBM"),
            std::string::npos);
  // 2015dez has VKVLZZ/VKVSONST but no double-taxation outputs; 2016 has all.
  EXPECT_EQ(a.substr(a.size() - 6), ",,,,,,") << a;
  EXPECT_NE(b.back(), ',') << b;

  // A key that names no flowchart; a year without a program.
  std::istringstream falsch(neu + "2015juni," + zeile + ",0,0,0,0,0\n2030," + zeile + ",0,0,0,0,0\n");
  std::ostringstream aus2, fehler2;
  EXPECT_EQ(pap::Strom(falsch, aus2, fehler2), 1);
  EXPECT_NE(fehler2.str().find("Unbekannter Programmablaufplan \"2015juni\""), std::string::npos) << fehler2.str();
  EXPECT_NE(fehler2.str().find("Keine Lohnsteuer für 2030 vorhanden."), std::string::npos) << fehler2.str();

  // The old files keep their nine outputs.
  std::istringstream alt(kopf + "\n2013," + zeile + "\n");
  std::ostringstream aus3, fehler3;
  EXPECT_EQ(pap::Strom(alt, aus3, fehler3), 0);
  EXPECT_EQ(aus3.str().substr(0, aus3.str().find('\n')), kopf + ",LSTLZZ,SOLZLZZ,BK,STS,SOLZS,BKS,STV,SOLZV,BKV");
}

// A pension whose supplement FVBZ equals what is left of it after the
// pension allowance (ZVBEZ = FVBZ exactly) leaves no pension part of the
// employee lump sum.  Figures worked out from the flowchart: 2019, 52,64 a
// month since 1990 (row 1): VBEZB 631,68, FVB 40 % = 252,68 (rounded up),
// HFVBZ = 379,00, so FVBZ 379; ZVBEZ = 631,68 - 252,68 = 379,00; the pension
// part of ANP is 0, the wage part rounds 789,28 - 379,00 = 410,28 up to 411,
// and VFRB = (411 + 252,68 + 379) * 100 = 104268 cents.
TEST(VersionenPap, VersorgungsfreibetragGleichRestOhneRundungsfehler) {
  const std::string kopf =
      "year,LZZ,RE4,STKL,ZKF,R,KRV,ALTER1,AJAHR,VBEZ,VBEZM,VBEZS,ZMVB,VJAHR,LZZFREIB,LZZHINZU,PKV,PKPV,"
      "PVS,PVZ,af,f,SONSTB,VBS,VMT,VKAPA,STERBE,JRE4,JVBEZ,JFREIB,JHINZU,ENTSCH,JRE4ENT,SONSTENT,GFB,"
      "KVZ,MBV,PVA,ALV,PKPVAGZ\n";
  std::istringstream ein(kopf +
                         "2019,2,24495,4,0,0,2,1,2005,5264,5264,0,7,1990,8112,0,2,106467,0,0,0,1,0,0,0,0,0,0,0,0,0,"
                         "0,0,0,,1.64,0,0,0,0\n");
  std::ostringstream aus, fehler;
  ASSERT_EQ(pap::Strom(ein, aus, fehler), 0) << fehler.str();
  std::istringstream zeilen(aus.str());
  std::string k, z;
  std::getline(zeilen, k);
  std::getline(zeilen, z);
  // The outputs ... VKVLZZ, VKVSONST, VFRB, VFRBS1, VFRBS2, WVFRB, WVFRBO, WVFRBM.
  EXPECT_NE(z.find(",104268,0,104268,0,0,0,0,0"), std::string::npos) << z;
}

// The income-tax routine of the version in force: in December 2015 the basic
// allowance is 8472, before it 8354.
TEST(VersionenKern, EinkommensteuerNachMonat) {
  TAnfrage a;
  a.KiStSatz = 0.08;
  EXPECT_EQ(EinkommensteuerJahr(StandardParameter(2015, 11), a, 1, 1, 8400).Steuer, 6);
  const TParameter& dezember = StandardParameter(2015, 12);
  EXPECT_EQ(EinkommensteuerJahr(dezember, a, 1, 1, 8400).Steuer, 0);
  EXPECT_EQ(EinkommensteuerJahr(dezember, a, 1, 1, 8473).Steuer, 0);
  EXPECT_EQ(EinkommensteuerJahr(dezember, a, 1, 1, 8500).Steuer, 3);
  // The table routine of a version from 2014 works like that of 2013.
  TFlussplanWerk k;
  k.LStJahr = 2016;
  TLohnsteuerProgramm* p = k.ProgrammFuerMonat(2016);
  ASSERT_NE(p, nullptr);
  ASSERT_TRUE(p->HatTabelle());
  TTabellenArgumente t;
  t.STKL = 1;
  t.Lohn = 3600000;
  const std::int64_t naechste = p->Tabelle(t);
  EXPECT_EQ(naechste, 3603600);
  EXPECT_GT(k.LStVar.LSTLZZ, 500000);
  EXPECT_LT(k.LStVar.LSTLZZ, 600000);
}

// The tools need only the wage tax and work for the years without social
// insurance.  The income tax follows the tariff of § 32a EStG of the
// flowchart in force; the values below are worked out from the law's
// formula, e.g. 2020 at 50000: z = (50000 - 14532) / 10000 = 3.5468,
// (212.02 z + 2397) z + 972.79 = 12141.95, so 12141.
TEST(VersionenWerkzeuge, EinkommensteuerNachDemTarifDesJahres) {
  struct TFall {
    const char* Argumente;
    long long ESt;   // cents
  };
  const TFall faelle[] = {
      {"50000 --jahr 2020", 1214100},
      {"10000 --jahr 2020", 8600},            // y = 0.0592: (972.87 y + 1400) y = 86.29
      {"50000 --jahr 2024 --monat 11", 1090600},  // 11604 basic allowance
      {"50000 --pap 2024", 1090600},
      {"50000 --jahr 2024", 1087200},         // December: 11784 for the whole year
      {"50000 --jahr 2026", 1054800},         // z = 3.2201: 10548.24
      {"15000 --jahr 2026", 43500},           // y = 0.2652: 435.58
      {"100000 --jahr 2026 --splitting", 2109600},
      {"300000 --jahr 2026", 11552900},       // 0.45 x - 19470.38
  };
  for (const TFall& f : faelle) {
    const TCliLauf l = CliStarten(std::string("einkommensteuer ") + f.Argumente + " --json");
    ASSERT_EQ(l.Status, 0) << f.Argumente << "\n" << l.Ausgabe;
    EXPECT_EQ(std::stoll(JsonFeld(l.Ausgabe, "ESt")), f.ESt) << f.Argumente;
  }
  // Surcharge 5.5 % of the tax above the exemption limit, church tax 8 %.
  const TCliLauf hoch = CliStarten("einkommensteuer 300000 --jahr 2026 --json");
  EXPECT_EQ(JsonFeld(hoch.Ausgabe, "Soli"), "635409");
  EXPECT_EQ(JsonFeld(hoch.Ausgabe, "KiSt"), "924232");
  EXPECT_EQ(JsonFeld(CliStarten("einkommensteuer 50000 --jahr 2026 --json").Ausgabe, "Soli"), "0");
}

namespace {

struct TZeile {
  long long UG = 0, OG = 0, LSt = 0, KiSt = 0, Soli = 0;
};

std::vector<TZeile> TabellenZeilen(const std::string& json) {
  std::vector<TZeile> zeilen;
  std::istringstream ein(json);
  std::string z;
  while (std::getline(ein, z)) {
    if (z.find("\"UG\"") == std::string::npos) continue;
    zeilen.push_back({std::stoll(JsonFeld(z, "UG")), std::stoll(JsonFeld(z, "OG")), std::stoll(JsonFeld(z, "LSt")),
                      std::stoll(JsonFeld(z, "KiSt")), std::stoll(JsonFeld(z, "Soli"))});
  }
  return zeilen;
}

std::string Euro(long long cent) {
  return std::to_string(cent / 100) + "," + (cent % 100 < 10 ? "0" : "") + std::to_string(cent % 100);
}

}  // namespace

// A row of the wage-tax table carries the taxes of the main routine at the
// top of its bracket; the rows follow each other without gaps.
TEST(VersionenWerkzeuge, TabelleGleichHauptprogrammAmStufenende) {
  for (const char* jahr : {"--jahr 2025", "--jahr 2018"}) {
    const std::string optionen = std::string(jahr) + " --zeitraum jahr --ohne-pv-zuschlag --steuerklasse 3";
    const TCliLauf t = CliStarten("tabelle --brutto 40000 --json " + optionen);
    ASSERT_EQ(t.Status, 0) << t.Ausgabe;
    const std::vector<TZeile> zeilen = TabellenZeilen(t.Ausgabe);
    ASSERT_EQ(zeilen.size(), 499u);
    for (std::size_t i = 1; i < zeilen.size(); ++i) {
      ASSERT_EQ(zeilen[i].UG, zeilen[i - 1].OG + 1) << jahr << " row " << i;
      ASSERT_GE(zeilen[i].LSt, zeilen[i - 1].LSt) << jahr << " row " << i;
    }
    EXPECT_LE(zeilen.front().UG, 3900000);
    EXPECT_GT(zeilen.back().LSt, zeilen.front().LSt);
    for (std::size_t i : {std::size_t{0}, std::size_t{123}, std::size_t{498}}) {
      const TZeile& z = zeilen[i];
      const TCliLauf b = CliStarten("berechnen --json --brutto " + Euro(z.OG) + " " + optionen);
      ASSERT_EQ(b.Status, 0) << b.Ausgabe;
      EXPECT_EQ(std::stoll(JsonFeld(b.Ausgabe, "LSt")), z.LSt) << jahr << " " << Euro(z.OG);
      EXPECT_EQ(std::stoll(JsonFeld(b.Ausgabe, "Soli")), z.Soli) << jahr << " " << Euro(z.OG);
      EXPECT_EQ(std::stoll(JsonFeld(b.Ausgabe, "KiSt")), z.KiSt) << jahr << " " << Euro(z.OG);
    }
  }
  // The December flowcharts: a monthly row holds the December tax of its top
  // wage, the year's tax less what January to November withheld too much.
  for (const char* pap : {"--pap 2015dez", "--pap 2024dez"}) {
    const std::string optionen = std::string(pap) + " --zeitraum monat --ohne-pv-zuschlag --steuerklasse 1";
    const TCliLauf t = CliStarten("tabelle --brutto 4321,09 --json " + optionen);
    ASSERT_EQ(t.Status, 0) << t.Ausgabe;
    const std::vector<TZeile> zeilen = TabellenZeilen(t.Ausgabe);
    ASSERT_EQ(zeilen.size(), 499u);
    for (std::size_t i : {std::size_t{0}, std::size_t{400}}) {
      const TCliLauf b = CliStarten("berechnen --json --brutto " + Euro(zeilen[i].OG) + " " + optionen);
      ASSERT_EQ(b.Status, 0) << b.Ausgabe;
      EXPECT_EQ(std::stoll(JsonFeld(b.Ausgabe, "LSt")), zeilen[i].LSt) << pap << " " << Euro(zeilen[i].OG);
      EXPECT_EQ(std::stoll(JsonFeld(b.Ausgabe, "Soli")), zeilen[i].Soli) << pap << " " << Euro(zeilen[i].OG);
    }
  }
  // A monthly table of the version chosen by the month.
  const TCliLauf monat = CliStarten("tabelle --brutto 3000 --jahr 2025 --json");
  ASSERT_EQ(monat.Status, 0) << monat.Ausgabe;
  EXPECT_EQ(TabellenZeilen(monat.Ausgabe).size(), 499u);
}

// The income-tax table starts below the income the calculation left; the
// comparison of tax classes takes the employee's inputs of the calculation.
TEST(VersionenWerkzeuge, EStTabelleUndVergleich) {
  const TCliLauf t = CliStarten("est-tabelle --jahr 2024 --brutto 5000 --json");
  ASSERT_EQ(t.Status, 0) << t.Ausgabe;
  const std::string erste = t.Ausgabe.substr(0, t.Ausgabe.find("},"));
  const long long von = std::stoll(JsonFeld(erste, "EinkVon"));
  EXPECT_GT(von, 4000000) << erste;   // a yearly gross of 60000 leaves about 50000
  EXPECT_LT(von, 5500000) << erste;
  const TCliLauf e = CliStarten("einkommensteuer " + Euro(von) + " --jahr 2024 --json");
  EXPECT_EQ(JsonFeld(e.Ausgabe, "ESt"), JsonFeld(erste, "EStGrund"));

  const TCliLauf v = CliStarten("vergleich 3000 1500 --pap 2023juli --json");
  ASSERT_EQ(v.Status, 0) << v.Ausgabe;
  const TCliLauf an4 = CliStarten("berechnen --pap 2023juli --brutto 3000 --steuerklasse 4 --json");
  const TCliLauf an3 = CliStarten("berechnen --pap 2023juli --brutto 3000 --steuerklasse 3 --json");
  EXPECT_EQ(JsonFeld(v.Ausgabe, "AN_4"), JsonFeld(an4.Ausgabe, "LSt"));
  EXPECT_EQ(JsonFeld(v.Ausgabe, "AN_3"), JsonFeld(an3.Ausgabe, "LSt"));
  EXPECT_LT(std::stoll(JsonFeld(v.Ausgabe, "AN_3")), std::stoll(JsonFeld(v.Ausgabe, "AN_4")));
}
