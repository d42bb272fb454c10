// One-off payments, severance, the company car, benefits in kind and
// tax-free pay on the slip: worked examples to the cent, the rules that
// refuse what a year or a person does not have, and properties over random
// requests (the one-off's tax is the flowchart's, its liable part stays
// under the payment and the pro-rated ceiling, the lines add up, the text,
// JSON and batch agree).

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/parameter.h"
#include "calc/pruefung.h"
#include "calc/sozialversicherung.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/pap.h"
#include "cli_lauf.h"
#include "optionen_lauf.h"

namespace lst {
namespace {

using test::Euro;
using test::Rechnen;
using test::TOptionen;
using test::TVorbereitet;
using test::Vorbereiten;

std::string Text(const TOptionen& o) {
  std::string t;
  for (const auto& [name, wert] : o) t += " --" + name + (wert.empty() ? "" : " " + wert);
  return t;
}

// ---- worked examples ------------------------------------------------------------
//
// The examples of the project's facts on one-off payments (section 10 of
// einmalzahlungen_2014_2026.md), each recomputed here from the law: wage
// tax by the annual-difference method of section 39b (3) EStG with the
// official flowchart of the month, contributions by section 23a SGB IV on
// the capped current wage plus the liable part of the one-off, one
// rounding per branch.  No correction was needed; E14's current-wage tax
// 1.632,58 EUR is the published figure of the Soli commentary [SOLI-S].

struct TBeispiel {
  const char* Name;
  TOptionen Optionen;
  // Expected amounts by field name, in cents.
  std::vector<std::pair<const char*, std::int64_t>> Werte;
  bool Maerzklausel = false;
};

const std::vector<TBeispiel>& Beispiele() {
  static const std::vector<TBeispiel> b = {
      {"E1 Weihnachtsgeld, Grenze nicht erreicht",
       {{"jahr", "2025"}, {"monat", "11"}, {"brutto", "3200"}, {"sonstiger-bezug", "2400"}, {"bekenntnislos", ""},
        {"kv-zusatzbeitrag", "2,5"}},
       {{"LSt", 89416}, {"LSt_sonstig", 54800}, {"Soli", 0}, {"SVSummeAN", 120680}, {"SVSummeAG", 117320},
        {"KV_AN", 40880}, {"KV2_AN", 7000}, {"RV_AN", 52080}, {"AV_AN", 7280},
        {"AnteiligeBBG_KV", 6063750}, {"Einmalzahlung_KV", 240000}, {"Einmalzahlung_RV", 240000},
        {"Gesamtbrutto", 560000}, {"SteuerBrutto", 560000}, {"SVBrutto_KV", 560000}, {"Netto", 349904},
        {"Auszahlung", 349904}}},
      {"E2 Weihnachtsgeld über der KV-Grenze",
       {{"jahr", "2026"}, {"monat", "12"}, {"brutto", "5500"}, {"sonstiger-bezug", "8000"}, {"steuerklasse", "3"},
        {"kinderfreibetraege", "1"}, {"kirchensteuer", "9"}, {"kv-zusatzbeitrag", "2,9"}, {"kindergeld", "0"}},
       {{"LSt", 239566}, {"LSt_sonstig", 188000}, {"KiSt", 19663}, {"KiSt_sonstig", 16920}, {"Soli", 0},
        {"Einmalzahlung_KV", 375000}, {"Einmalzahlung_RV", 800000}, {"SVBrutto_KV", 925000},
        {"SVBrutto_RV", 1350000}, {"KV_AN", 67525}, {"KV2_AN", 13413}, {"RV_AN", 125550}, {"AV_AN", 17550},
        {"SVSummeAN", 240688}, {"SVSummeAG", 240688}, {"IGU_AG", 2025}, {"Netto", 850083}}},
      // The previous year's add-on rate is that year's average (1,6 %).
      {"E3 Märzklausel",
       {{"jahr", "2024"}, {"monat", "2"}, {"brutto", "4600"}, {"sonstiger-bezug", "6000"}, {"bekenntnislos", ""},
        {"kv-zusatzbeitrag", "1,7"}},
       {{"LSt", 237216}, {"LSt_sonstig", 166000}, {"Einmalzahlung_KV", 465000}, {"Einmalzahlung_RV", 600000},
        {"AnteiligeBBG_KV", 5985000}, {"SVSummeAN", 96830 + 111960}, {"SVSummeAG", 94070 + 109170},
        {"Netto", 613994}},
       true},
      {"E4 Urlaubsgeld im Übergangsbereich",
       {{"jahr", "2025"}, {"monat", "6"}, {"brutto", "1500"}, {"sonstiger-bezug", "400"},
        {"jahresarbeitslohn", "18000"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "2,5"}, {"gleitzone", ""},
        {"ohne-pv-zuschlag", ""}},
       {{"BE", 188723}, {"BE_AN", 186150}, {"SVSummeAN", 38999}, {"SVSummeAG", 40075}, {"LSt", 1325 + 5900},
        {"LSt_sonstig", 5900}}},
      {"E4 Weihnachtsgeld über dem Übergangsbereich",
       {{"jahr", "2025"}, {"monat", "11"}, {"brutto", "1500"}, {"sonstiger-bezug", "1500"},
        {"jahresarbeitslohn", "18400"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "2,5"}, {"gleitzone", ""},
        {"ohne-pv-zuschlag", ""}},
       {{"BE", 0}, {"SVSummeAN", 62850}, {"SVSummeAG", 62850}, {"LSt_sonstig", 22500}}},
      {"E5 Minijob mit Weihnachtsgeld",
       {{"jahr", "2026"}, {"monat", "12"}, {"brutto", "560"}, {"sonstiger-bezug", "250"}, {"minijob", ""},
        {"aufstockung", ""}, {"pauschsteuer", "2"}, {"u1", "0,8"}, {"u2", "0,22"}},
       {{"LStPausch", 1620}, {"LSt", 0}, {"KV_AG", 10530}, {"RV_AG", 12150}, {"RV_AN", 2916}, {"U1_AG", 448},
        {"U2_AG", 123}, {"IGU_AG", 122}, {"Netto", 78084}}},
      {"E6 Abfindung 2024 mit Fünftelregelung",
       {{"jahr", "2024"}, {"monat", "9"}, {"brutto", "4800"}, {"abfindung", "40000"}, {"fuenftelregelung", ""},
        {"jahresarbeitslohn", "43200"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "1,7"}},
       {{"LSt", 76666 + 1256500}, {"LSt_sonstig", 1256500}, {"Soli_sonstig", 69107}, {"SVSummeAN", 101040},
        {"Einmalzahlung_KV", 0}, {"SteuerBrutto", 4480000}, {"Auszahlung", 2976687}}},
      {"E6 Abfindung 2024 ohne Fünftelregelung",
       {{"jahr", "2024"}, {"monat", "9"}, {"brutto", "4800"}, {"abfindung", "40000"}, {"jahresarbeitslohn", "43200"},
        {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "1,7"}},
       {{"LSt_sonstig", 1479900}, {"Soli_sonstig", 81394}}},
      {"E7 Abfindung 2025",
       {{"jahr", "2025"}, {"monat", "9"}, {"brutto", "4800"}, {"abfindung", "40000"}, {"jahresarbeitslohn", "43200"},
        {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "2,5"}},
       {{"LSt", 74233 + 1461600}, {"LSt_sonstig", 1461600}, {"Soli", 0}, {"SVSummeAN", 103440},
        {"Auszahlung", 2840727}}},
      {"E8 Dienstwagen (Verbrenner)",
       {{"jahr", "2026"}, {"monat", "4"}, {"brutto", "5000"}, {"kinderfreibetraege", "2"}, {"pv-abschlaege", "1"},
        {"kv-zusatzbeitrag", "2,9"}, {"dienstwagen", "48730"}, {"dienstwagen-km", "20"}, {"bekenntnislos", ""},
        {"kindergeld", "0"}},
       {{"GWV", 77920}, {"RE4", 577920}, {"LSt", 101966}, {"SVSummeAN", 120786}, {"Gesamtbrutto", 577920},
        {"Auszahlung", 277248}}},
      {"E8 Dienstwagen (Elektro, ein Viertel)",
       {{"jahr", "2026"}, {"monat", "4"}, {"brutto", "5000"}, {"kinderfreibetraege", "2"}, {"pv-abschlaege", "1"},
        {"kv-zusatzbeitrag", "2,9"}, {"dienstwagen", "64900"}, {"dienstwagen-km", "20"}, {"dienstwagen-satz", "0,25"},
        {"bekenntnislos", ""}, {"kindergeld", "0"}},
       {{"GWV", 25960}, {"LSt", 86925}, {"SVSummeAN", 109924}, {"Auszahlung", 303151}}},
      {"E9 Entgeltumwandlung mit Zuschuss",
       {{"jahr", "2026"}, {"monat", "5"}, {"brutto", "4000"}, {"entgeltumwandlung", "250"}, {"bekenntnislos", ""},
        {"kv-zusatzbeitrag", "2,9"}},
       {{"BAVZuschuss_AG", 3750}, {"RE4", 375000}, {"LSt", 46416}, {"SVSummeAN", 81563}, {"SVSummeAG", 79313},
        {"Auszahlung", 247021}, {"AGGesamt", 400000 + 79313 + 3750}}},
      {"E12 erste Einmalzahlung im Juni",
       {{"jahr", "2026"}, {"monat", "6"}, {"brutto", "5200"}, {"steuerklasse", "4"}, {"kirchensteuer", "8"},
        {"kv-zusatzbeitrag", "2,9"}, {"sonstiger-bezug", "4000"}},
       {{"Einmalzahlung_KV", 367500}, {"SVSummeAN", 196477}, {"LSt_sonstig", 112300}, {"KiSt", 6697 + 8984}}},
      // November: the June payment counts with its liable part 3.675 EUR.
      {"E12 zweite Einmalzahlung im November",
       {{"jahr", "2026"}, {"monat", "11"}, {"brutto", "5200"}, {"steuerklasse", "4"}, {"kirchensteuer", "8"},
        {"kv-zusatzbeitrag", "2,9"}, {"sonstiger-bezug", "5000"}, {"bisherige-sonstige-bezuege", "4000"},
        {"sv-entgelt-bisher-kv", "55675"}, {"sv-entgelt-bisher-rv", "56000"}},
       {{"Einmalzahlung_KV", 306250}, {"SVSummeAN", 200247}, {"LSt_sonstig", 152000}, {"KiSt", 6697 + 12160}}},
      {"E13 VWL, Gutschein, Sparbetrag",
       {{"jahr", "2026"}, {"monat", "5"}, {"brutto", "3000"}, {"vwl-ag", "40"}, {"sachbezug", "50"},
        {"vwl-sparbetrag", "40"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "2,9"}},
       {{"RE4", 304000}, {"LSt", 30183}, {"SVSummeAN", 66120}, {"Gesamtbrutto", 309000}, {"Netto", 207697},
        {"Auszahlung", 203697}}},
      {"E14 Urlaubsgeld, Soli-Freigrenze",
       {{"jahr", "2025"}, {"monat", "7"}, {"brutto", "7400"}, {"sonstiger-bezug", "400"}, {"bekenntnislos", ""},
        {"kv-zusatzbeitrag", "2,5"}, {"ohne-pv-zuschlag", ""}},
       {{"LSt", 163258 + 15200}, {"LSt_sonstig", 15200}, {"Soli_sonstig", 0}, {"Einmalzahlung_KV", 0},
        {"Einmalzahlung_RV", 40000}}},
  };
  return b;
}

std::int64_t Feld(const TMonatsErgebnis& m, std::string_view name) {
  for (const TErgebnisFeld& f : ErgebnisFelder()) {
    if (name == f.Name) return f.Lesen(m);
  }
  ADD_FAILURE() << "kein Feld " << name;
  return 0;
}

TEST(Einmalzahlungen, BeispieleAufDenCent) {
  for (const TBeispiel& b : Beispiele()) {
    const TMonatsErgebnis m = Rechnen(b.Optionen);
    for (const auto& [name, wert] : b.Werte) EXPECT_EQ(Feld(m, name), wert) << b.Name << ": " << name;
    EXPECT_EQ(m.Maerzklausel, b.Maerzklausel) << b.Name;
  }
}

// The same examples through the command line: the JSON has the figures and
// the text shows the lines of the parts.
TEST(Einmalzahlungen, BeispieleUeberDieKommandozeile) {
  for (const TBeispiel& b : Beispiele()) {
    const TCliLauf json = CliStarten("berechnen --json" + Text(b.Optionen), "", false);
    ASSERT_EQ(json.Status, 0) << b.Name << json.Fehler;
    for (const auto& [name, wert] : b.Werte) {
      EXPECT_NE(json.Ausgabe.find("\"" + std::string(name) + "\": " + std::to_string(wert) + ","), std::string::npos)
          << b.Name << ": " << name << "\n" << json.Ausgabe;
    }
    EXPECT_NE(json.Ausgabe.find(b.Maerzklausel ? "\"Maerzklausel\": true" : "\"Maerzklausel\": false"),
              std::string::npos)
        << b.Name;
  }
  const TCliLauf text = CliStarten("berechnen" + Text(Beispiele()[0].Optionen), "", false);
  for (const char* zeile : {"Laufender Lohn", "Sonstiger Bezug", "Gesamtbrutto", "Steuerbrutto", "SV-Brutto",
                            "davon sonst. Bez.", "Auszahlungsbetrag"}) {
    EXPECT_NE(text.Ausgabe.find(zeile), std::string::npos) << zeile << "\n" << text.Ausgabe;
  }
}

// ---- what a year or a person does not have --------------------------------------

TEST(Einmalzahlungen, AbweisungenNennenDieOptionUndDenGrund) {
  const struct {
    TOptionen Optionen;
    const char* Teil;
  } faelle[] = {
      // The flowcharts tax one-offs from 2002.
      {{{"jahr", "1999"}, {"brutto", "3000"}, {"sonstiger-bezug", "500"}}, "--sonstiger-bezug gilt erst ab 2002"},
      {{{"jahr", "2001"}, {"brutto", "3000"}, {"abfindung", "500"}}, "--abfindung gilt erst ab 2002"},
      // Benefits in kind and deferred compensation from the tables of 2014.
      {{{"jahr", "2013"}, {"brutto", "3000"}, {"dienstwagen", "30000"}}, "--dienstwagen gilt erst ab 2014"},
      {{{"jahr", "2013"}, {"brutto", "3000"}, {"entgeltumwandlung", "100"}}, "--entgeltumwandlung gilt erst ab 2014"},
      {{{"jahr", "2025"}, {"brutto", "3000"}, {"abfindung", "500"}, {"fuenftelregelung", ""}},
       "die Fünftelregelung im Lohnsteuerabzug gibt es nur von 2002 bis 2024"},
      {{{"jahr", "2024"}, {"brutto", "3000"}, {"fuenftelregelung", ""}}, "--fuenftelregelung gilt nur mit --abfindung"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"sv-tage", "90"}}, "--sv-tage gilt nur mit --sonstiger-bezug"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"jahresarbeitslohn", "40000"}},
       "--jahresarbeitslohn gilt nur mit --sonstiger-bezug oder --abfindung"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"dienstwagen-km", "12"}}, "--dienstwagen-km gilt nur mit --dienstwagen"},
      // The reduced shares of electric cars by the year of the pay month.
      {{{"jahr", "2018"}, {"brutto", "3000"}, {"dienstwagen", "40000"}, {"dienstwagen-satz", "0,5"}},
       "--dienstwagen-satz 0,5 gilt erst ab 2019"},
      {{{"jahr", "2019"}, {"brutto", "3000"}, {"dienstwagen", "40000"}, {"dienstwagen-satz", "0,25"}},
       "--dienstwagen-satz 0,25 gilt erst ab 2020"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"dienstwagen", "120000"}, {"dienstwagen-satz", "0,25"}},
       "bis 100.000,00 EUR"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"entgeltumwandlung", "3000,01"}},
       "--entgeltumwandlung 3.000,01 EUR ist größer als der Bruttolohn 3.000,00 EUR"},
      {{{"jahr", "2026"}, {"brutto", "500"}, {"minijob", ""}, {"pauschsteuer", "2"}, {"abfindung", "1000"}},
       "--abfindung gilt nicht neben --pauschsteuer"},
      {{{"jahr", "2014"}, {"brutto", "3000"}, {"sonstiger-bezug", "500"}, {"vorjahr-kv-zusatzbeitrag", "1"}},
       "--vorjahr-kv-zusatzbeitrag gilt erst ab 2016"},
  };
  for (const auto& f : faelle) {
    const TVorbereitet v = Vorbereiten(f.Optionen);
    EXPECT_NE(v.Fehler.find(f.Teil), std::string::npos) << Text(f.Optionen) << "\n" << v.Fehler;
  }
  // Values the options themselves refuse.
  cli::TEingabe e;
  EXPECT_NE(cli::OptionSetzen(e, "dienstwagen-satz", "0,3"), "");
  EXPECT_NE(cli::OptionSetzen(e, "sv-tage", "0"), "");
  EXPECT_NE(cli::OptionSetzen(e, "sv-tage", "361"), "");
  EXPECT_NE(cli::OptionSetzen(e, "vorjahr-sv-tage", "-1"), "");
  EXPECT_NE(cli::OptionSetzen(e, "sonstiger-bezug", "-5"), "");
  EXPECT_NE(cli::OptionSetzen(e, "sonstiger-bezug", "abc"), "");
}

// A one-off in a minijob that makes twelve months and it exceed the yearly
// limit is computed, with a warning.
TEST(Einmalzahlungen, MinijobUeberDerJahresgrenzeWarnt) {
  const TVorbereitet v = Vorbereiten({{"jahr", "2022"}, {"monat", "12"}, {"brutto", "500"}, {"minijob", ""},
                                      {"sonstiger-bezug", "720"}});
  ASSERT_EQ(v.Fehler, "");
  bool gewarnt = false;
  for (const TBefund& b : Pruefen(v.P, v.A)) gewarnt |= b.Feld == TFeld::SonstigerBezug && b.Schwere == TSchwere::Warnung;
  EXPECT_TRUE(gewarnt);
}

// ---- the March clause ----------------------------------------------------------

TEST(Einmalzahlungen, MaerzklauselNurImErstenQuartalUndMitVorjahr) {
  const TOptionen basis = {{"jahr", "2024"}, {"brutto", "4600"}, {"sonstiger-bezug", "6000"}, {"bekenntnislos", ""}};
  const auto mit = [&](TOptionen zusatz) {
    TOptionen o = basis;
    o.insert(o.end(), zusatz.begin(), zusatz.end());
    return Rechnen(o);
  };
  EXPECT_TRUE(mit({{"monat", "3"}}).Maerzklausel);
  // April: the payment stays in its month, liable up to the room left.
  const TMonatsErgebnis april = mit({{"monat", "4"}});
  EXPECT_FALSE(april.Maerzklausel);
  EXPECT_EQ(april.Einmalzahlung_KV, april.AnteiligeBBG_KV - 4 * 460000);
  // Not employed in the previous year: the room of this year alone.
  const TMonatsErgebnis neu = mit({{"monat", "2"}, {"vorjahr-sv-tage", "0"}});
  EXPECT_FALSE(neu.Maerzklausel);
  EXPECT_EQ(neu.Einmalzahlung_KV, 1035000 - 2 * 460000);
  // Within the room of this year nothing moves.
  EXPECT_FALSE(mit({{"monat", "2"}, {"sv-entgelt-bisher-kv", "0"}, {"sv-tage", "60"}, {"brutto", "100"}}).Maerzklausel);
  // Part of the previous year: its pro-rated ceiling and its liable wage.
  const TMonatsErgebnis teil = mit({{"monat", "1"}, {"vorjahr-sv-tage", "90"}, {"vorjahr-sv-entgelt-kv", "12000"}});
  EXPECT_TRUE(teil.Maerzklausel);
  EXPECT_EQ(teil.AnteiligeBBG_KV, 1496250);  // 59.850 EUR x 90 / 360
  EXPECT_EQ(teil.Einmalzahlung_KV, 296250);
  // Privately insured: the pension ceiling decides, and the health branch
  // has no liable part.
  const TMonatsErgebnis privat =
      mit({{"monat", "2"}, {"privat", "600"}, {"ag-zuschuss", ""}, {"brutto", "7000"}, {"sonstiger-bezug", "3000"}});
  EXPECT_TRUE(privat.Maerzklausel);
  EXPECT_EQ(privat.Einmalzahlung_KV, 0);
  EXPECT_EQ(privat.SVBrutto_KV, 0);
}

// ---- properties over random requests -------------------------------------------------

struct TZufallsFall {
  TOptionen Optionen;
  int Jahr = 2026;
};

TZufallsFall Zufall(std::mt19937& g) {
  const auto w = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g); };
  const auto betrag = [&](int bis) { return Euro(100LL * w(0, bis) + w(0, 99)); };
  TZufallsFall f;
  f.Jahr = w(2014, 2026);
  TOptionen& o = f.Optionen;
  o = {{"jahr", std::to_string(f.Jahr)}, {"monat", std::to_string(w(1, 12))}, {"brutto", betrag(9000)},
       {"steuerklasse", std::to_string(w(1, 6))}};
  if (w(0, 1)) o.push_back({"bekenntnislos", ""});
  if (w(0, 3) == 0) o.push_back({"region", "ost"});
  if (w(0, 1)) o.push_back({"sonstiger-bezug", betrag(20000)});
  if (w(0, 4) == 0) o.push_back({"abfindung", betrag(60000)});
  if (w(0, 3) == 0) o.push_back({"dienstwagen", betrag(90000)});
  if (w(0, 3) == 0) o.push_back({"sachbezug", betrag(80)});
  if (w(0, 3) == 0) o.push_back({"steuerfrei", betrag(100)});
  if (w(0, 3) == 0) o.push_back({"vwl-ag", betrag(40)});
  if (w(0, 3) == 0) o.push_back({"vwl-sparbetrag", betrag(40)});
  if (w(0, 3) == 0) o.push_back({"entgeltumwandlung", betrag(400)});
  if (w(0, 4) == 0) o.push_back({"privat", betrag(800)});
  if (w(0, 5) == 0) o.push_back({"gleitzone", ""});
  return f;
}

// The liable part of a one-off never exceeds the payment nor the room the
// pro-rated ceiling leaves; a severance is never liable; the gross wages
// and the net are the sums of their lines; a one-off never lowers the tax.
TEST(Einmalzahlungen, EigenschaftenZufaelligerAnfragen) {
  std::mt19937 g(2712);
  int gerechnet = 0;
  for (int i = 0; i < 3000; ++i) {
    const TZufallsFall f = Zufall(g);
    const TVorbereitet v = Vorbereiten(f.Optionen);
    if (!v.Fehler.empty()) continue;
    ++gerechnet;
    const TMonatsErgebnis m = Abrechnen(v.P, v.A);
    const TAnfrage& a = v.A;
    const std::string was = Text(f.Optionen);
    EXPECT_GE(m.Einmalzahlung_KV, 0) << was;
    EXPECT_LE(m.Einmalzahlung_KV, a.SonstigerBezug) << was;
    EXPECT_LE(m.Einmalzahlung_RV, a.SonstigerBezug) << was;
    if (!m.Maerzklausel && a.SonstigerBezug > 0) {
      // The room: the pro-rated ceiling less the current wage of this and
      // every earlier month, each capped.
      const TBBGZeitraum grenze = BBGFuerZeitraum(v.P.BBG, a.LZZ, a.Region);
      const std::int64_t svLohn = m.SVBrutto_RV - m.Einmalzahlung_RV;
      EXPECT_LE(svLohn, grenze[bbgRV]) << was;
      EXPECT_LE(m.Einmalzahlung_RV, std::max<std::int64_t>(m.AnteiligeBBG_RV - v.P.Monat * svLohn, 0)) << was;
    }
    EXPECT_EQ(m.Gesamtbrutto, m.LaufenderLohn + m.SonstigerBezug + m.Abfindung + m.GWV + m.Sachbezug + m.Steuerfrei +
                                  m.VWL_AG)
        << was;
    EXPECT_EQ(m.Netto, m.Gesamtbrutto - m.SteuerSumme - m.SVSummeAN - m.SonstigeAbzuege - m.GWV - m.Sachbezug -
                           m.Entgeltumwandlung)
        << was;
    EXPECT_EQ(m.Auszahlung, m.Netto + m.Kindergeld + m.PKVZuschuss_AG - m.VWLSparbetrag) << was;
    EXPECT_EQ(m.SteuerSumme, m.LSt + m.Soli + m.KiSt) << was;
    EXPECT_LE(m.LSt_sonstig, m.LSt) << was;
    // The one-off's taxes come on top of those of the current wage.
    TAnfrage ohne = a;
    ohne.SonstigerBezug = 0;
    ohne.Abfindung = 0;
    ohne.Jahresarbeitslohn.reset();
    ohne.BisherigeSonstigeBezuege = 0;
    ohne.Fuenftelregelung = false;
    const TMonatsErgebnis laufend = Abrechnen(v.P, ohne);
    EXPECT_EQ(m.LSt - m.LSt_sonstig, laufend.LSt) << was;
    EXPECT_EQ(m.Soli - m.Soli_sonstig, laufend.Soli) << was;
    EXPECT_EQ(m.KiSt - m.KiSt_sonstig, laufend.KiSt) << was;
    EXPECT_GE(m.LSt_sonstig, 0) << was;
    // A severance pays no contributions.
    if (a.SonstigerBezug == 0) EXPECT_EQ(m.SVSummeAN, laufend.SVSummeAN) << was;
  }
  EXPECT_GT(gerechnet, 1000);
}

// The one-off's tax is the flowchart's STS for the same inputs, through the
// command pap (its own path from a CSV row to the flowchart).
TEST(Einmalzahlungen, SteuerDesBezugsIstDieDesAblaufplans) {
  std::mt19937 g(34);
  // Every input column of the flowchart, 0 where not set.
  std::string csv = "year";
  for (std::size_t i = 1; i < pap::kEingaben.size(); ++i) (csv += ',') += pap::kEingaben[i];
  for (const char* n : pap::kNeueEingaben) (csv += ',') += n;
  csv += '\n';
  const auto papZeile = [](std::string jahr, std::vector<std::pair<std::string, std::string>> werte) {
    std::string z = jahr;
    const auto wert = [&](std::string_view name) {
      for (const auto& [n, w] : werte)
        if (n == name) return w;
      return std::string(name == "f" ? "1" : "0");
    };
    for (std::size_t i = 1; i < pap::kEingaben.size(); ++i) (z += ',') += wert(pap::kEingaben[i]);
    for (const char* n : pap::kNeueEingaben) (z += ',') += wert(n);
    return z + '\n';
  };
  std::vector<std::int64_t> erwartet;
  for (int i = 0; i < 200; ++i) {
    const auto w = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g); };
    const int jahr = w(2015, 2026);
    const int klasse = w(1, 6);
    const std::int64_t brutto = w(50000, 900000);
    const std::int64_t bezug = w(1000, 3000000);
    const std::int64_t jahreslohn = brutto * 12 + w(0, 1) * w(0, 500000);
    const bool kirche = w(0, 1);
    const TOptionen o = {{"jahr", std::to_string(jahr)},
                         {"monat", "12"},
                         {"brutto", Euro(brutto)},
                         {"steuerklasse", std::to_string(klasse)},
                         {"sonstiger-bezug", Euro(bezug)},
                         {"jahresarbeitslohn", Euro(jahreslohn)},
                         {"kv-zusatzbeitrag", "1,5"},
                         {kirche ? "kirchensteuer" : "bekenntnislos", kirche ? "9" : ""}};
    const TMonatsErgebnis m = Rechnen(o);
    erwartet.push_back(m.LSt_sonstig);
    const TParameter& p = StandardParameter(jahr, 12);
    csv += papZeile(kLStVersionen[p.Version].Schluessel, {{"LZZ", "2"},
                                                        {"RE4", std::to_string(brutto)},
                                                        {"STKL", std::to_string(klasse)},
                                                        {"R", kirche ? "1" : "0"},
                                                        {"PVZ", klasse == 2 ? "0" : "1"},
                                                        {"SONSTB", std::to_string(bezug)},
                                                        {"JRE4", std::to_string(jahreslohn)},
                                                        {"KVZ", "1.5"}});
  }
  const TCliLauf pap = CliStarten("pap", csv, false);
  ASSERT_EQ(pap.Status, 0) << pap.Fehler;
  std::istringstream zeilen(pap.Ausgabe);
  std::string kopf, zeile;
  std::getline(zeilen, kopf);
  std::vector<std::string> namen;
  ASSERT_TRUE(cli::CsvFelder(kopf, ',', namen));
  std::size_t sts = 0;
  while (sts < namen.size() && namen[sts] != "STS") ++sts;
  ASSERT_LT(sts, namen.size()) << kopf;
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    ASSERT_TRUE(std::getline(zeilen, zeile));
    std::vector<std::string> zellen;
    ASSERT_TRUE(cli::CsvFelder(zeile, ',', zellen));
    EXPECT_EQ(std::stoll(zellen[sts]), erwartet[i]) << zeile;
  }
}

// With every new input at 0 the slip is the one of the regular wage alone,
// also with the liable wage and days of the year stated.
TEST(Einmalzahlungen, OhneNeueAngabenWieBisher) {
  const TOptionen basis = {{"jahr", "2023"}, {"monat", "8"}, {"brutto", "4321,09"}, {"steuerklasse", "3"}};
  TOptionen mitNull = basis;
  for (const cli::TBetragsOption& b : cli::BetragsOptionen()) {
    const std::string name = b.Name;
    // The inputs that only come with a one-off are refused without one.
    if (name.find("sv-entgelt") != std::string::npos || name == "jahresarbeitslohn" ||
        name == "bisherige-sonstige-bezuege")
      continue;
    mitNull.push_back({name, "0"});
  }
  EXPECT_EQ(Rechnen(mitNull), Rechnen(basis));
}

}  // namespace
}  // namespace lst

namespace lst {
namespace {

// ---- the one-fifth rule in the income tax (section 34 EStG) ----------------------

// The 2025 tariff of section 32a (1) EStG as the law writes it, for the
// check of the rule: whole euros.
std::int64_t Tarif2025(std::int64_t zve) {
  const double x = static_cast<double>(zve);
  double st = 0;
  if (x <= 12096) {
    st = 0;
  } else if (x <= 17443) {
    const double y = (x - 12096) / 10000;
    st = (932.30 * y + 1400) * y;
  } else if (x <= 68480) {
    const double z = (x - 17443) / 10000;
    st = (176.64 * z + 2397) * z + 1015.13;
  } else if (x <= 277825) {
    st = 0.42 * x - 10911.92;
  } else {
    st = 0.45 * x - 19246.67;
  }
  return static_cast<std::int64_t>(st);
}

TEST(Einmalzahlungen, FuenftelregelungDerEinkommensteuer) {
  const struct {
    std::int64_t Einkommen, Abfindung;
    bool Splitting;
  } faelle[] = {{73315, 40000, false}, {150000, 60000, false}, {100000, 120000, false},
                {90000, 30000, true},  {500000, 300000, false}, {20000, 5000, true}};
  for (const auto& f : faelle) {
    // Five times the tax on a fifth above the rest; with a negative rest
    // five times the tax on a fifth of the income (section 34 (1) sentences
    // 2 and 3 EStG); splitting doubles the tariff of half the income.
    const auto t = [&](std::int64_t x) { return f.Splitting ? 2 * Tarif2025(x / 2) : Tarif2025(x); };
    const std::int64_t rest = f.Einkommen - f.Abfindung;
    const std::int64_t erwartet =
        rest >= 0 ? t(rest) + 5 * (t(rest + f.Abfindung / 5) - t(rest)) : 5 * t(f.Einkommen / 5);
    std::string argumente = "einkommensteuer " + std::to_string(f.Einkommen) + " --jahr 2025 --json --bekenntnislos" +
                            " --abfindung " + std::to_string(f.Abfindung) + (f.Splitting ? " --splitting" : "");
    const TCliLauf l = CliStarten(argumente, "", false);
    ASSERT_EQ(l.Status, 0) << argumente << l.Fehler;
    EXPECT_NE(l.Ausgabe.find("\"ESt\": " + std::to_string(erwartet * 100) + ","), std::string::npos)
        << argumente << "\n" << l.Ausgabe;
    const std::int64_t teil = erwartet - (rest >= 0 ? t(rest) : 0);
    EXPECT_NE(l.Ausgabe.find("\"ESt_Abfindung\": " + std::to_string(teil * 100) + ","), std::string::npos)
        << argumente << "\n" << l.Ausgabe;
  }
  // The surcharge of the whole tax: above the exemption limit although the
  // tax without the severance stays below it.
  const TCliLauf mit = CliStarten("einkommensteuer 150000 --jahr 2025 --json --bekenntnislos --abfindung 60000", "", false);
  const TCliLauf ohne = CliStarten("einkommensteuer 90000 --jahr 2025 --json --bekenntnislos", "", false);
  EXPECT_EQ(ohne.Ausgabe.find("\"Soli\": 0,"), std::string::npos) << ohne.Ausgabe;
  EXPECT_EQ(mit.Ausgabe.find("\"Soli\": 0,"), std::string::npos) << mit.Ausgabe;
  // Without a severance the member is not there; the text names the rule.
  EXPECT_EQ(ohne.Ausgabe.find("ESt_Abfindung"), std::string::npos);
  const TCliLauf text = CliStarten("einkommensteuer 73315 --jahr 2025 --bekenntnislos --abfindung 40000", "", false);
  const std::size_t zeile = text.Ausgabe.find("  davon auf die Abfindung");
  ASSERT_NE(zeile, std::string::npos) << text.Ausgabe;
  EXPECT_EQ(text.Ausgabe.find("12.395,00 EUR", zeile), text.Ausgabe.find('\n', zeile) - 13) << text.Ausgabe;
}

}  // namespace
}  // namespace lst
