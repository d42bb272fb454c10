// The social insurance of 2014 to 2026 through the command line: published
// pay slips and the reference computations of the rule periods via
// "berechnen --json" to the cent, the refusals of inputs a year or pay month
// does not have, wunschnetto, drucken and batch of 2026.
//
// Sources of the figures (research notes on 2014 to 2026, sections 8 and 9):
// oeffentlicher-dienst.info (KAT Diakonie 2016), the minijob office's
// example of October 2022 quoted by 450-euro-jobs.de, ETL (midi jobs 2023),
// stellenanzeigen.de (3.500 EUR in 2024), ECOVIS (minijob 2024),
// minijobs-aktuell.de (levies 2025 and 2026), and the reference computations
// per period (cases A, B, C; flowcharts of the period, no church tax).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/werkzeuge.h"
#include "cli/eingabe.h"
#include "cli_lauf.h"

namespace {

// Standard output alone; the messages apart.
TCliLauf Starte(const std::string& argumente, const std::string& eingabe = "") {
  return CliStarten(argumente, eingabe, false);
}

std::int64_t Wert(const TCliLauf& l, const std::string& name) {
  const std::string w = JsonFeld(l.Ausgabe, name);
  if (w == "?") {
    ADD_FAILURE() << name << " fehlt in " << l.Ausgabe;
    return INT64_MIN;
  }
  return std::stoll(w);
}

struct TErwartung {
  const char* Feld;
  std::int64_t Cent;
};

void Pruefe(const std::string& argumente, std::initializer_list<TErwartung> erwartet) {
  const TCliLauf l = Starte("berechnen --json " + argumente);
  ASSERT_EQ(l.Status, 0) << argumente << "\n" << l.Fehler;
  for (const TErwartung& e : erwartet) EXPECT_EQ(Wert(l, e.Feld), e.Cent) << argumente << " " << e.Feld;
}

}  // namespace

// ---- published examples -------------------------------------------------------

TEST(CliSV2014, VeroeffentlichteBeispiele) {
  // E1, oeffentlicher-dienst.info, KAT Diakonie 2016 K 3 step 4: 2.336 EUR,
  // class I, childless, add-on rate 0,9 % borne by the employee alone.
  Pruefe("--jahr 2016 --monat 1 --brutto 2336 --kv-zusatzbeitrag 0,9 --bekenntnislos",
         {{"LSt", 27516}, {"Soli", 1513}, {"KV_AN", 17053}, {"KV2_AN", 2102}, {"KV2_AG", 0},
          {"RV_AN", 21842}, {"AV_AN", 3504}, {"Netto", 156741}});
  // E3, the minijob office's example of October 2022 (450-euro-jobs.de):
  // 521 EUR in the new transition zone, add-on rate 1,3 %, not childless.
  Pruefe("--jahr 2022 --monat 10 --brutto 521 --uebergangsbereich --kv-zusatzbeitrag 1,3 --ohne-pv-zuschlag",
         {{"BE", 36561}, {"BE_AN", 148}, {"KV_AN", 11}, {"KV_AG", 5327}, {"KV2_AN", 1}, {"KV2_AG", 475},
          {"PV_AN", 2}, {"PV_AG", 1114}, {"RV_AN", 14}, {"RV_AG", 6786}, {"AV_AN", 2}, {"AV_AG", 876},
          {"SVSummeAN", 30}, {"SVSummeAG", 14578}});
  // E4, ETL midi jobs 2023: 1.040 EUR, class I, one child, add-on rate
  // 1,6 %, January to June.
  Pruefe("--jahr 2023 --monat 3 --brutto 1040 --gleitzone --kinderfreibetraege 1 --kv-zusatzbeitrag 1,6",
         {{"BE", 93618}, {"BE_AN", 70270}, {"LSt", 0}, {"RV_AN", 6535}, {"AV_AN", 914}, {"PV_AN", 1072},
          {"PV2_AN", 0}, {"Netto", 89787}, {"KV_AG", 8538}, {"KV2_AG", 936}, {"RV_AG", 10877}});
  // E6, stellenanzeigen.de, 3.500 EUR in 2024 (January to November
  // flowchart), church tax 9 %, add-on rate 1,7 %.  The page rounds the
  // church tax 38,9475 up; it is cut here, so the net is a cent higher.
  Pruefe("--jahr 2024 --monat 5 --brutto 3500 --kirchensteuer 9 --kv-zusatzbeitrag 1,7",
         {{"LSt", 43275}, {"Soli", 0}, {"KiSt", 3894}, {"KV_AN", 25550}, {"KV2_AN", 2975}, {"KV2_AG", 2975},
          {"PV_AN", 5950}, {"PV2_AN", 2100}, {"PV_AG", 5950}, {"RV_AN", 32550}, {"AV_AN", 4550},
          {"Netto", 229156}, {"AGGesamt", 421575}, {"IGU_AG", 210}, {"AGGesamtUmlagen", 421785}});
  // E8, ECOVIS: minijob of 538 EUR in 2024 with the pension top-up.
  Pruefe("--jahr 2024 --minijob --aufstockung --brutto 538", {{"RV_AG", 8070}, {"RV_AN", 1937}, {"Netto", 51863}});
  // E9, minijobs-aktuell.de: 550 EUR, the minijob office's levies of 2025
  // and 2026 and the flat tax of 2 %.
  Pruefe("--jahr 2025 --minijob --pauschsteuer 2 --brutto 550",
         {{"KV_AG", 7150}, {"RV_AG", 8250}, {"LStPausch", 1100}, {"U1_AG", 605}, {"U2_AG", 121}, {"IGU_AG", 83}});
  Pruefe("--jahr 2026 --minijob --pauschsteuer 2 --brutto 550",
         {{"KV_AG", 7150}, {"RV_AG", 8250}, {"U1_AG", 440}, {"U2_AG", 121}, {"IGU_AG", 83}});
}

// ---- reference computations per rule period ----------------------------------

TEST(CliSV2014, ReferenzrechnungenDerPerioden) {
  struct TZeile {
    std::int64_t KVAN, PVAN, RVAN, AVAN, SVAN, LSt, Soli, Netto, SVAG;
    std::int64_t IGU, BE, BEAN;  // IGU -1: not given for the case
  };
  // Cases A (3.000 EUR, class I, childless), B (6.500 EUR, class III, two
  // children under 25: one discount from July 2023) and C (800 EUR in the
  // zone), West, the period's average add-on rate; KVAN with the add-on rate.
  const std::string a = "--bekenntnislos --brutto 3000";
  const std::string b = "--bekenntnislos --brutto 6500 --steuerklasse 3 --kinderfreibetraege 2";
  const std::string c = "--bekenntnislos --brutto 800 --gleitzone";
  const std::vector<std::pair<std::string, TZeile>> zeilen = {
      {"--jahr 2014 --monat 1 " + a, {24600, 3825, 28350, 4500, 61275, 45675, 2512, 190538, 57825, 450, 0, 0}},
      {"--jahr 2014 --monat 1 " + c, {6352, 989, 7306, 1160, 15807, 0, 0, 64193, 15420, -1, 78653, 0}},
      {"--jahr 2015 --monat 1 " + b, {33826, 4847, 56568, 9075, 104316, 115366, 4299, 426019, 100603, 908, 0, 0}},
      {"--jahr 2019 --monat 7 " + c, {5202, 1208, 6242, 838, 13490, 0, 0, 66510, 15860, -1, 73557, 0}},
      {"--jahr 2022 --monat 10 " + c, {3298, 873, 3858, 498, 8527, 0, 0, 71473, 19071, -1, 68479, 41481}},
      {"--jahr 2023 --monat 7 --pv-abschlaege 1 " + b,
       {40399, 7232, 60450, 8450, 116531, 87733, 0, 445736, 117778, 390, 0, 0}},
      {"--jahr 2024 --monat 1 --pv-abschlaege 1 " + b,
       {42177, 7504, 60450, 8450, 118581, 83050, 0, 448369, 119875, 390, 0, 0}},
      {"--jahr 2026 --monat 1 " + a, {26250, 7200, 27900, 3900, 65250, 29308, 0, 205442, 63450, 450, 0, 0}},
      {"--jahr 2026 --monat 1 --pv-abschlaege 1 " + b,
       {50859, 9009, 60450, 8450, 128768, 76200, 0, 445032, 130222, 975, 0, 0}},
      {"--jahr 2026 --monat 1 " + c, {2468, 883, 2623, 367, 6341, 0, 0, 73659, 20466, -1, 62488, 28203}},
  };
  for (const auto& [argumente, z] : zeilen) {
    const TCliLauf l = Starte("berechnen --json " + argumente);
    ASSERT_EQ(l.Status, 0) << argumente << "\n" << l.Fehler;
    SCOPED_TRACE(argumente);
    EXPECT_EQ(Wert(l, "KV_AN") + Wert(l, "KV2_AN"), z.KVAN);
    EXPECT_EQ(Wert(l, "PV_AN") + Wert(l, "PV2_AN"), z.PVAN);
    EXPECT_EQ(Wert(l, "RV_AN"), z.RVAN);
    EXPECT_EQ(Wert(l, "AV_AN"), z.AVAN);
    EXPECT_EQ(Wert(l, "SVSummeAN"), z.SVAN);
    EXPECT_EQ(Wert(l, "LSt"), z.LSt);
    EXPECT_EQ(Wert(l, "Soli"), z.Soli);
    EXPECT_EQ(Wert(l, "Netto"), z.Netto);
    EXPECT_EQ(Wert(l, "SVSummeAG"), z.SVAG);
    if (z.IGU >= 0) {
      EXPECT_EQ(Wert(l, "IGU_AG"), z.IGU);
    }
    EXPECT_EQ(Wert(l, "BE"), z.BE);
    EXPECT_EQ(Wert(l, "BE_AN"), z.BEAN);
    // The cost with the levies is the cost and the levies.
    EXPECT_EQ(Wert(l, "AGGesamtUmlagen"),
              Wert(l, "AGGesamt") + Wert(l, "U1_AG") + Wert(l, "U2_AG") + Wert(l, "IGU_AG"));
  }
}

// ---- inputs the year or the pay month does not have ---------------------------

TEST(CliSV2014, OptionenAusserhalbIhrerZeitWerdenAbgewiesen) {
  struct TFall {
    const char* Argumente;
    const char* Meldung;
  };
  const TFall faelle[] = {
      {"--jahr 2014 --kv-zusatzbeitrag 1", "--kv-zusatzbeitrag gilt erst ab 2015, nicht für Dezember 2014"},
      {"--jahr 2026 --kv-zusatzbeitrag 10,5",
       "--kv-zusatzbeitrag: \"10,5\" ist kein Zusatzbeitragssatz von 0 bis 10 Prozent mit höchstens zwei Nachkommastellen"},
      {"--jahr 2026 --kv-zusatzbeitrag -1", "--kv-zusatzbeitrag: \"-1\" ist kein Zusatzbeitragssatz"},
      // A third decimal is refused, not rounded away for the tax.
      {"--jahr 2026 --kv-zusatzbeitrag 1,705", "--kv-zusatzbeitrag: \"1,705\" ist kein Zusatzbeitragssatz"},
      {"--jahr 2026 --minijob --kv-zusatzbeitrag 2", "--kv-zusatzbeitrag gilt nicht für Minijobs"},
      {"--jahr 2026 --privat 400 --kv-zusatzbeitrag 2", "--kv-zusatzbeitrag gilt nicht bei privater"},
      {"--jahr 2023 --monat 6 --kinderfreibetraege 2 --pv-abschlaege 1",
       "--pv-abschlaege gilt erst ab Juli 2023, nicht für Juni 2023"},
      {"--jahr 2020 --kinderfreibetraege 2 --pv-abschlaege 1", "--pv-abschlaege gilt erst ab Juli 2023"},
      {"--jahr 2026 --pv-abschlaege 5 --kinderfreibetraege 3", "--pv-abschlaege: \"5\" ist keine ganze Zahl von 0 bis 4"},
      {"--jahr 2026 --privat 400 --pv-abschlaege 1", "--pv-abschlaege gilt nur in der sozialen Pflegeversicherung"},
      {"--jahr 2013 --u1 1", "--u1 gilt erst ab 2014, nicht für 2013"},
      {"--jahr 2005 --u2 0,5", "--u2 gilt erst ab 2014, nicht für 2005"},
      {"--jahr 2026 --u1 10,01", "--u1: \"10,01\" ist kein Umlagesatz von 0 bis 10 Prozent"},
      {"--jahr 2026 --u1 1,555", "--u1: \"1,555\" ist kein Umlagesatz von 0 bis 10 Prozent mit höchstens zwei"},
      {"--jahr 2026 --u2 x", "--u2: \"x\" ist kein Umlagesatz"},
      {"--jahr 2019 --monat 7 --gleitzone --keine-rv-reduzierung", "den Verzicht gibt es nur bis Juni 2019, nicht für Juli 2019"},
      {"--jahr 2025 --ag-zuschuss-betrag 100 --privat 500", "--ag-zuschuss-betrag gilt erst ab 2026"},
      {"--jahr 2026 --ag-zuschuss-betrag 100", "--ag-zuschuss-betrag gilt nur mit --privat"},
      {"--jahr 2024 --region west --sachsen", "--sachsen gilt nur mit --region ost"},
      {"--jahr 2020 --dm", "--dm gilt nur bis 2001"},
  };
  for (const TFall& f : faelle) {
    const TCliLauf l = CliStarten(std::string("berechnen --brutto 3000 ") + f.Argumente);
    EXPECT_EQ(l.Status, 2) << f.Argumente << "\n" << l.Ausgabe;
    EXPECT_NE(l.Ausgabe.find(f.Meldung), std::string::npos) << f.Argumente << "\n" << l.Ausgabe;
    EXPECT_EQ(l.Ausgabe.find("Bruttolohn"), std::string::npos) << f.Argumente;
  }
  // What each period does have is taken.
  for (const char* gut : {"--jahr 2015 --kv-zusatzbeitrag 0", "--jahr 2026 --kv-zusatzbeitrag 10",
                          "--jahr 2023 --monat 7 --kinderfreibetraege 2 --pv-abschlaege 1",
                          "--jahr 2026 --pv-abschlaege 1", "--jahr 2026 --steuerklasse 5 --pv-abschlaege 4",
                          "--jahr 2026 --kv-zusatzbeitrag 1,70", "--jahr 2026 --u1 1,55",
                          "--jahr 2019 --monat 6 --gleitzone --keine-rv-reduzierung",
                          "--jahr 2014 --u1 1,5 --u2 0,4", "--jahr 2025 --region ost",
                          "--jahr 2026 --region ost --sachsen", "--jahr 2026 --privat 500 --ag-zuschuss-betrag 200",
                          "--jahr 2018 --privat 500 --ag-zuschuss", "--jahr 2026 --uebergangsbereich",
                          "--jahr 2026 --privat 500 --ag-zuschuss"}) {
    const TCliLauf l = CliStarten(std::string("berechnen --json --brutto 3000 ") + gut);
    EXPECT_EQ(l.Status, 0) << gut << "\n" << l.Ausgabe;
  }
}

// The add-on rate's split, the care discount and the levies as the options
// set them.
TEST(CliSV2014, ZusatzbeitragAbschlagUndUmlagen) {
  // 2018: the employee alone; 2019: half each (3.000 EUR, 1,0 %).
  TCliLauf l = Starte("berechnen --json --jahr 2018 --brutto 3000 --kv-zusatzbeitrag 1");
  EXPECT_EQ(Wert(l, "KV2_AN"), 3000);
  EXPECT_EQ(Wert(l, "KV2_AG"), 0);
  l = Starte("berechnen --json --jahr 2019 --brutto 3000 --kv-zusatzbeitrag 1");
  EXPECT_EQ(Wert(l, "KV2_AN"), 1500);
  EXPECT_EQ(Wert(l, "KV2_AG"), 1500);
  // Without the add-on rate neither side pays it.
  l = Starte("berechnen --json --jahr 2026 --brutto 3000 --ohne-kv-zuschlag");
  EXPECT_EQ(Wert(l, "KV2_AN"), 0);
  EXPECT_EQ(Wert(l, "KV2_AG"), 0);
  // The wage tax takes the rate typed: a higher add-on rate, less tax.
  const TCliLauf hoch = Starte("berechnen --json --jahr 2026 --brutto 4000 --kv-zusatzbeitrag 5");
  const TCliLauf null = Starte("berechnen --json --jahr 2026 --brutto 4000 --kv-zusatzbeitrag 0");
  EXPECT_LT(Wert(hoch, "LSt"), Wert(null, "LSt"));

  // The discount lowers the employee's care share from July 2023; the
  // wage tax takes it only from 2024.
  const std::string b = "berechnen --json --brutto 3000 --kinderfreibetraege 2 --monat 12 ";
  const TCliLauf ohne23 = Starte(b + "--jahr 2023"), mit23 = Starte(b + "--jahr 2023 --pv-abschlaege 2");
  EXPECT_EQ(Wert(ohne23, "PV_AN") - Wert(mit23, "PV_AN"), 1500);  // 2 x 0,25 % of 3.000
  EXPECT_EQ(Wert(ohne23, "PV_AG"), Wert(mit23, "PV_AG"));
  EXPECT_EQ(Wert(ohne23, "LSt"), Wert(mit23, "LSt"));
  const TCliLauf ohne24 = Starte(b + "--jahr 2024"), mit24 = Starte(b + "--jahr 2024 --pv-abschlaege 2");
  EXPECT_GT(Wert(mit24, "LSt"), Wert(ohne24, "LSt"));

  // U1 and U2 of normal employment as typed; 0 without; the minijob
  // office's rates in marginal employment unless typed.
  l = Starte("berechnen --json --jahr 2026 --brutto 3000 --u1 2,5 --u2 0,5");
  EXPECT_EQ(Wert(l, "U1_AG"), 7500);
  EXPECT_EQ(Wert(l, "U2_AG"), 1500);
  EXPECT_EQ(Wert(l, "AGGesamtUmlagen"), Wert(l, "AGGesamt") + 7500 + 1500 + Wert(l, "IGU_AG"));
  l = Starte("berechnen --json --jahr 2026 --brutto 3000");
  EXPECT_EQ(Wert(l, "U1_AG"), 0);
  EXPECT_EQ(Wert(l, "U2_AG"), 0);
  l = Starte("berechnen --json --jahr 2026 --minijob --brutto 500 --u1 0");
  EXPECT_EQ(Wert(l, "U1_AG"), 0);
  EXPECT_EQ(Wert(l, "U2_AG"), 110);

  // From 2025 the East has the West's ceilings: the same contributions.
  const TCliLauf ost = Starte("berechnen --json --jahr 2025 --brutto 9000 --region ost");
  const TCliLauf west = Starte("berechnen --json --jahr 2025 --brutto 9000");
  EXPECT_EQ(Wert(ost, "RV_AN"), Wert(west, "RV_AN"));
  EXPECT_EQ(Wert(ost, "SVSummeAG"), Wert(west, "SVSummeAG"));
}

// The pay month chooses the rule period: the zone of 2019 before and after
// July, the minijob limit of 2022 before and after October.
TEST(CliSV2014, DerMonatWaehltDieRegelperiode) {
  const TCliLauf juni = Starte("berechnen --json --jahr 2019 --monat 6 --brutto 1000 --gleitzone");
  const TCliLauf juli = Starte("berechnen --json --jahr 2019 --monat 7 --brutto 1000 --gleitzone");
  EXPECT_EQ(Wert(juni, "BE"), 0);  // above the zone up to 850 EUR
  EXPECT_GT(Wert(juli, "BE"), 0);
  EXPECT_LT(Wert(juli, "SVSummeAN"), Wert(juni, "SVSummeAN"));
  EXPECT_NE(juni.Fehler.find("liegt nicht in der Gleitzone (über 450,00 EUR bis 850,00 EUR"), std::string::npos)
      << juni.Fehler;
  EXPECT_EQ(juli.Fehler.find("Warnung"), std::string::npos) << juli.Fehler;
  const TCliLauf aussen = Starte("berechnen --jahr 2026 --brutto 2500 --uebergangsbereich");
  EXPECT_NE(aussen.Fehler.find("liegt nicht im Übergangsbereich (über 603,00 EUR bis 2.000,00 EUR"),
            std::string::npos)
      << aussen.Fehler;

  const TCliLauf sep = Starte("berechnen --json --jahr 2022 --monat 9 --brutto 500 --minijob");
  const TCliLauf okt = Starte("berechnen --json --jahr 2022 --monat 10 --brutto 500 --minijob");
  EXPECT_NE(sep.Fehler.find("über der Geringfügigkeitsgrenze von 450,00 EUR"), std::string::npos) << sep.Fehler;
  EXPECT_EQ(okt.Fehler.find("Warnung"), std::string::npos) << okt.Fehler;
  // The flowchart follows the month as well.
  EXPECT_EQ(JsonFeld(Starte("berechnen --json --jahr 2023 --monat 3 --brutto 3000").Ausgabe, "Programmablaufplan"),
            "\"2023\"");
  EXPECT_EQ(JsonFeld(Starte("berechnen --json --jahr 2023 --monat 3 --pap 2023jan --brutto 3000").Ausgabe,
                     "Programmablaufplan"),
            "\"2023jan\"");
  EXPECT_EQ(JsonFeld(Starte("berechnen --json --jahr 2023 --brutto 3000").Ausgabe, "Programmablaufplan"),
            "\"2023juli\"");
  // Without --jahr: the newest year, its December.
  EXPECT_EQ(Starte("berechnen --json --brutto 3000").Ausgabe,
            Starte("berechnen --json --brutto 3000 --jahr " + std::to_string(lst::kLetztesLStJahr) + " --monat 12").Ausgabe);
}

// ---- text, wunschnetto, drucken, batch ----------------------------------------

TEST(CliSV2014, TextZeigtZoneUndUmlagen) {
  const TCliLauf zone = Starte("berechnen --jahr 2022 --monat 10 --brutto 521 --gleitzone --kv-zusatzbeitrag 1,3");
  ASSERT_EQ(zone.Status, 0) << zone.Fehler;
  EXPECT_EQ(zone.Ausgabe.rfind("Programmablaufplan  2022\n", 0), 0u) << zone.Ausgabe;
  EXPECT_NE(zone.Ausgabe.find("\nBE Übergangsbereich             1,48 EUR          365,61 EUR\n"), std::string::npos)
      << zone.Ausgabe;
  const TCliLauf alt = Starte("berechnen --jahr 2019 --monat 6 --brutto 700 --gleitzone");
  EXPECT_NE(alt.Ausgabe.find("\nBE Gleitzone "), std::string::npos) << alt.Ausgabe;
  EXPECT_EQ(alt.Ausgabe.find("Übergangsbereich"), std::string::npos) << alt.Ausgabe;

  const TCliLauf mini = Starte("berechnen --jahr 2025 --minijob --pauschsteuer 2 --brutto 550");
  for (const char* zeile : {"\nUmlage U1                                           6,05 EUR\n",
                            "\nUmlage U2                                           1,21 EUR\n",
                            "\nInsolvenzgeldumlage                                 0,83 EUR\n",
                            "\nLohnkosten                                        715,00 EUR\n",
                            "\nLohnk. mit Umlagen                                723,09 EUR\n"}) {
    EXPECT_NE(mini.Ausgabe.find(zeile), std::string::npos) << zeile << mini.Ausgabe;
  }
  // Up to 2013 the text has none of these lines.
  const TCliLauf vorher = Starte("berechnen --jahr 2013 --brutto 600 --gleitzone");
  EXPECT_EQ(vorher.Ausgabe.find("Umlage"), std::string::npos);
  EXPECT_EQ(vorher.Ausgabe.find("BE "), std::string::npos);
  EXPECT_EQ(vorher.Ausgabe.find("Programmablaufplan"), std::string::npos);
}

TEST(CliSV2014, WunschnettoUndDrucken2026) {
  const TCliLauf w = Starte("wunschnetto 2000 --jahr 2026 --json --kv-zusatzbeitrag 2,5");
  ASSERT_EQ(w.Status, 0) << w.Fehler;
  EXPECT_EQ(JsonFeld(w.Ausgabe, "Genau"), "true");
  EXPECT_EQ(Wert(w, "Netto"), 200000);
  // The gross found gives that net when computed.
  const std::string brutto = std::to_string(Wert(w, "RE4") / 100) + "," +
                             (Wert(w, "RE4") % 100 < 10 ? "0" : "") + std::to_string(Wert(w, "RE4") % 100);
  const TCliLauf b = Starte("berechnen --json --jahr 2026 --kv-zusatzbeitrag 2,5 --brutto " + brutto);
  EXPECT_EQ(Wert(b, "Netto"), 200000) << brutto;
  // The employer's planned cost: without the levies, as in the window.
  const TCliLauf ag = Starte("wunschnetto 5000 --jahr 2026 --arbeitgeber --json");
  ASSERT_EQ(ag.Status, 0) << ag.Fehler;
  EXPECT_EQ(Wert(ag, "AGGesamt"), 500000);

  if (!DruckprogrammDa()) GTEST_SKIP() << "ohne lohnsteuer-cli-druck (Qt)";
  const std::string pdf = ::testing::TempDir() + "cli_sv_2026_" + std::to_string(getpid()) + ".pdf";
  const TCliLauf d = CliStarten("drucken --jahr 2026 --brutto 3000 --kv-zusatzbeitrag 2,9 --pdf '" + pdf + "'");
  ASSERT_EQ(d.Status, 0) << d.Ausgabe;
  std::ifstream datei(pdf, std::ios::binary);
  std::string kopf(5, '\0');
  datei.read(kopf.data(), 5);
  EXPECT_EQ(kopf, "%PDF-");
  std::filesystem::remove(pdf);
}

TEST(CliSV2014, BatchMitDenNeuenSpalten) {
  const std::string ein =
      "jahr;monat;brutto;kv-zusatzbeitrag;pv-abschlaege;kinderfreibetraege;steuerklasse;u1;u2;uebergangsbereich;minijob\n"
      "2026;1;3000;;;;;;;;\n"
      "2024;5;3500;1,7;;;;2;0,5;;\n"
      "2023;7;6500;;1;2;3;;;;\n"
      "2022;10;521;1,3;;;;;;ja;\n"
      "2025;;550;;;;;;;;ja\n"
      "2023;6;6500;;1;2;3;;;;\n"
      "2014;;3000;1;;;;;;;\n";
  const TCliLauf l = Starte("batch --bekenntnislos", ein);
  EXPECT_EQ(l.Status, 1) << l.Fehler;
  std::istringstream zeilen(l.Ausgabe);
  std::string kopf;
  std::getline(zeilen, kopf);
  EXPECT_NE(kopf.find(";AGGesamtPlus;BE;BE_AN;U1_AG;U2_AG;IGU_AG;AGGesamtUmlagen;PKVZuschuss_AG;"),
            std::string::npos)
      << kopf;
  EXPECT_NE(kopf.find(";Gesamtbrutto;Aktivrente_steuerfrei;Waehrung;Programmablaufplan;Beitragsgruppe;Maerzklausel;fehler"),
            std::string::npos)
      << kopf;
  std::vector<std::string> z;
  for (std::string s; std::getline(zeilen, s);) z.push_back(s);
  ASSERT_EQ(z.size(), 7u) << l.Ausgabe;
  // The columns of a row by the head row's names.
  const auto spalte = [&](const std::string& zeile, const std::string& name) {
    std::vector<std::string> k, w;
    std::istringstream a(kopf), b(zeile);
    for (std::string s; std::getline(a, s, ';');) k.push_back(s);
    for (std::string s; std::getline(b, s, ';');) w.push_back(s);
    for (std::size_t i = 0; i < k.size() && i < w.size(); ++i)
      if (k[i] == name) return w[i];
    return std::string("?");
  };
  EXPECT_EQ(spalte(z[0], "Netto"), "2054,42");          // reference case A of January 2026
  EXPECT_EQ(spalte(z[0], "Programmablaufplan"), "2026");
  EXPECT_EQ(spalte(z[0], "Beitragsgruppe"), "1111");
  EXPECT_EQ(spalte(z[3], "Programmablaufplan"), "2022");
  EXPECT_EQ(spalte(z[4], "Beitragsgruppe"), "6500");    // a minijob without top-up
  EXPECT_EQ(spalte(z[4], "Waehrung"), "EUR");
  EXPECT_EQ(spalte(z[5], "Programmablaufplan"), "");    // a row with an error
  EXPECT_EQ(spalte(z[1], "U1_AG"), "70,00");
  EXPECT_EQ(spalte(z[1], "U2_AG"), "17,50");
  EXPECT_EQ(spalte(z[1], "IGU_AG"), "2,10");
  EXPECT_EQ(spalte(z[1], "AGGesamtUmlagen"), "4305,35");  // 4.215,75 + 70 + 17,50 + 2,10
  EXPECT_EQ(spalte(z[2], "Netto"), "4457,36");          // reference case B of July 2023
  EXPECT_EQ(spalte(z[3], "BE"), "365,61");
  EXPECT_EQ(spalte(z[3], "BE_AN"), "1,48");
  EXPECT_EQ(spalte(z[4], "U1_AG"), "6,05");
  EXPECT_NE(z[5].find("Zeile 7: --pv-abschlaege gilt erst ab Juli 2023, nicht für Juni 2023"), std::string::npos)
      << z[5];
  EXPECT_NE(z[6].find("Zeile 8: --kv-zusatzbeitrag gilt erst ab 2015"), std::string::npos) << z[6];
  EXPECT_NE(l.Fehler.find("lohnsteuer-cli: Zeile 7: --pv-abschlaege"), std::string::npos) << l.Fehler;
}

// The settings file holds a year's first rule period: a stored value equal
// to its default gives way to the pay month's default, one that differs
// applies; the stored add-on rate and levies apply unless typed.
TEST(CliSV2014, EinstellungenUndRegelperioden) {
  const std::string ordner = ::testing::TempDir() + "cli_sv_ini_" + std::to_string(getpid());
  std::filesystem::create_directories(ordner);
  const std::string gleich = ordner + "/gleich.ini", anders = ordner + "/anders.ini";
  std::ofstream(gleich) << "[BMG2022]\nGFWest=45000\n[SV2026]\nKVZusatz=3.5\nU1=2\n";
  std::ofstream(anders) << "[BMG2022]\nGFWest=48000\n";
  const std::string mini = "berechnen --json --jahr 2022 --monat 10 --minijob --brutto 500 --einstellungsdatei ";
  EXPECT_EQ(Starte(mini + gleich).Fehler.find("Warnung"), std::string::npos);  // October: 520 EUR
  EXPECT_NE(Starte(mini + anders).Fehler.find("über der Geringfügigkeitsgrenze von 480,00 EUR"), std::string::npos);

  const std::string normal = "berechnen --json --jahr 2026 --brutto 3000 --einstellungsdatei " + gleich;
  TCliLauf l = Starte(normal);
  ASSERT_EQ(l.Status, 0) << l.Fehler;
  EXPECT_EQ(Wert(l, "KV2_AN"), 5250);  // 3,5 % half each
  EXPECT_EQ(Wert(l, "KV2_AG"), 5250);
  EXPECT_EQ(Wert(l, "U1_AG"), 6000);
  l = Starte(normal + " --kv-zusatzbeitrag 1 --u1 0");
  EXPECT_EQ(Wert(l, "KV2_AN"), 1500);
  EXPECT_EQ(Wert(l, "U1_AG"), 0);
  // A damaged add-on rate is named and replaced by the average.
  std::ofstream(ordner + "/kaputt.ini") << "[SV2026]\nKVZusatz=abc\n";
  l = Starte("berechnen --json --jahr 2026 --brutto 3000 --einstellungsdatei " + ordner + "/kaputt.ini");
  EXPECT_EQ(l.Status, 0);
  EXPECT_NE(l.Fehler.find("[SV2026] KVZusatz=abc wird nicht verwendet"), std::string::npos) << l.Fehler;
  EXPECT_EQ(Wert(l, "KV2_AN"), 4350);
  std::filesystem::remove_all(ordner);
}

// The curve of the plot tool computes each point as berechnen does, in the
// request's pay month (its rule period and flowchart).
TEST(CliSV2014, KurveWieBerechnen) {
  for (const char* monat : {"3", "12"}) {
    lst::cli::TEingabe e;
    ASSERT_EQ(lst::cli::OptionSetzen(e, "jahr", "2023"), "");
    ASSERT_EQ(lst::cli::OptionSetzen(e, "monat", monat), "");
    ASSERT_EQ(lst::cli::OptionSetzen(e, "kinderfreibetraege", "2"), "");
    ASSERT_EQ(lst::cli::OptionSetzen(e, "brutto", "1000"), "");
    lst::TParameter p;
    lst::TAnfrage a;
    ASSERT_EQ(lst::cli::Vorbereiten(e, p, a), "");
    for (const char* brutto : {"800", "2500", "7000"}) {
      const double netto = lst::Kurvenwert(p, a, true, true, std::stod(brutto));
      const TCliLauf l = Starte(std::string("berechnen --json --jahr 2023 --kinderfreibetraege 2 --monat ") + monat +
                                " --brutto " + brutto);
      EXPECT_DOUBLE_EQ(netto, static_cast<double>(Wert(l, "Netto")) / 100) << monat << " " << brutto;
    }
  }
}
