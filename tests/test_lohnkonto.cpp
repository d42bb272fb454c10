// The payroll year: each month is the slip of its request with the year so
// far carried from the earlier months, the sum row adds the months, the
// certificate's lines are the sums they name, the employer's annual
// adjustment and its exclusions, worked examples to the cent, years whose
// flowchart or rules change within the year, and refused input.

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/lohnjahr.h"
#include "calc/pruefung.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/lohnkonto.h"
#include "cli_lauf.h"
#include "geld/zahlen.h"

namespace lst {
namespace {

using TOptionen = std::vector<std::pair<std::string, std::string>>;

cli::TEingabe Eingabe(const TOptionen& optionen) {
  cli::TEingabe e;
  for (const auto& [name, wert] : optionen) {
    EXPECT_EQ(cli::OptionSetzen(e, name, wert.empty() ? "1" : wert), "") << name;
  }
  return e;
}

// A month of the core's request, prepared as the command line prepares it.
TLohnMonatEingabe Monat(const TOptionen& optionen) {
  TLohnMonatEingabe m;
  const cli::TEingabe e = Eingabe(optionen);
  EXPECT_EQ(cli::Vorbereiten(e, m.Parameter, m.Anfrage), "");
  m.Monat = e.Monat;
  return m;
}

TOptionen Mit(TOptionen o, const TOptionen& dazu) {
  o.insert(o.end(), dazu.begin(), dazu.end());
  return o;
}

// lohnkonto in the process: the CSV rows by their cells, the head apart.
struct TKonto {
  int Status = -1;
  std::string Fehler;
  std::vector<std::string> Kopf;
  std::vector<std::vector<std::string>> Zeilen;

  std::size_t Spalte(std::string_view name) const {
    for (std::size_t i = 0; i < Kopf.size(); ++i)
      if (Kopf[i] == name) return i;
    ADD_FAILURE() << "keine Spalte " << name;
    return 0;
  }
  const std::string& Zelle(std::size_t zeile, std::string_view name) const { return Zeilen.at(zeile).at(Spalte(name)); }
  // An amount cell in cents.
  std::int64_t Cent(std::size_t zeile, std::string_view name) const {
    const auto b = BetragLesen(Zelle(zeile, name));
    EXPECT_TRUE(b.has_value()) << name << ": " << Zelle(zeile, name);
    return b ? Runden(*b * 100) : 0;
  }
};

TKonto Lohnkonto(const std::string& csv, const TOptionen& vorgabe = {}, cli::TLohnkontoOptionen o = {}) {
  std::istringstream ein(csv);
  std::ostringstream aus, fehler;
  TKonto k;
  k.Status = cli::Lohnkonto(Eingabe(vorgabe), o, ein, aus, fehler);
  k.Fehler = fehler.str();
  std::istringstream zeilen(aus.str());
  std::string zeile;
  if (std::getline(zeilen, zeile)) EXPECT_TRUE(cli::CsvFelder(zeile, ';', k.Kopf));
  while (std::getline(zeilen, zeile)) {
    EXPECT_TRUE(cli::CsvFelder(zeile, ';', k.Zeilen.emplace_back()));
  }
  return k;
}

// Two results without what the year carried: the slips alone.
void GleicheAbrechnung(TMonatsErgebnis a, TMonatsErgebnis b, const std::string& was) {
  a.Stand = b.Stand = {};
  EXPECT_TRUE(a == b) << was;
  for (const TErgebnisFeld& f : ErgebnisFelder()) EXPECT_EQ(f.Lesen(a), f.Lesen(b)) << was << ": " << f.Name;
}

// ---- each month is berechnen with the year so far -------------------------

struct TJahrFall {
  const char* Name;
  TOptionen Person;
  // Month, regular wage and one-off of the rows given.
  std::vector<std::tuple<int, const char*, const char*>> Zeilen;
};

const std::vector<TJahrFall>& JahrFaelle() {
  static const std::vector<TJahrFall> f = {
      {"2015 (Dezember-Ablaufplan)",
       {{"jahr", "2015"}, {"steuerklasse", "3"}, {"kinderfreibetraege", "1"}, {"kv-zusatzbeitrag", "0,9"}},
       {{1, "4100", ""}, {6, "4100", "2000"}, {11, "4300", "4100"}}},
      {"2019 (Übergangsbereich ab Juli)",
       {{"jahr", "2019"}, {"gleitzone", ""}, {"kirchensteuer", "9"}},
       {{1, "1100", ""}, {6, "1100", "500"}, {11, "1150", "900"}}},
      {"2022 (berichtigter Ablaufplan)",
       {{"jahr", "2022"}, {"steuerklasse", "1"}, {"region", "ost"}},
       {{1, "6800", ""}, {6, "6800", "7000"}, {11, "6800", "9000"}}},
      {"2023 (Pflege ab Juli)",
       {{"jahr", "2023"}, {"kinderfreibetraege", "2"}, {"kv-zusatzbeitrag", "1,6"}},
       {{1, "3900", ""}, {6, "3900", "1950"}, {7, "3900", ""}, {11, "3900", "3900"}}},
      {"2024 (Dezember-Ablaufplan)",
       {{"jahr", "2024"}, {"steuerklasse", "4"}, {"bekenntnislos", ""}},
       {{1, "5600", ""}, {6, "5600", "2800"}, {11, "5600", "5600"}}},
      {"2026", {{"jahr", "2026"}, {"privat", "650"}, {"ag-zuschuss", ""}}, {{1, "7200", ""}, {6, "7200", "3600"}, {11, "7200", "7200"}}},
  };
  return f;
}

std::string Csv(const TJahrFall& f) {
  std::string csv = "monat;brutto;sonstiger-bezug\n";
  for (const auto& [monat, brutto, bezug] : f.Zeilen) {
    csv += std::to_string(monat) + ";" + brutto + ";" + bezug + "\n";
  }
  return csv;
}

// Each row of the output is berechnen of its month with the year-to-date
// options taken from the rows above it (not from the core's own carry):
// the one-off's yearly wage is what those rows paid plus this month's
// current wage to December, the days 30 a month, the liable wages the
// rows' SV gross.
TEST(Lohnkonto, JederMonatIstBerechnenMitDemJahrBisDahin) {
  for (const TJahrFall& f : JahrFaelle()) {
    const TKonto k = Lohnkonto(Csv(f), f.Person);
    ASSERT_EQ(k.Status, 0) << f.Name << k.Fehler;
    ASSERT_EQ(k.Zeilen.size(), 13u) << f.Name;
    std::int64_t bezahlt = 0, einmal = 0, kv = 0, rv = 0;
    for (std::size_t i = 0; i < 12; ++i) {
      const int monat = static_cast<int>(i) + 1;
      const std::int64_t laufend = k.Cent(i, "RE4");
      const std::int64_t bezug = k.Cent(i, "SonstigerBezug");
      TOptionen o = Mit(f.Person, {{"monat", std::to_string(monat)}, {"brutto", k.Zelle(i, "LaufenderLohn")}});
      if (bezug > 0) {
        const auto euro = [](std::int64_t c) { return std::to_string(c / 100) + "," + std::to_string(c % 100 / 10) + std::to_string(c % 10); };
        o = Mit(o, {{"sonstiger-bezug", euro(bezug)},
                    {"jahresarbeitslohn", euro(bezahlt + einmal + laufend * (13 - monat))},
                    {"sv-tage", std::to_string(30 * monat)},
                    {"sv-entgelt-bisher-kv", euro(kv)},
                    {"sv-entgelt-bisher-rv", euro(rv)}});
        if (einmal > 0) o.emplace_back("bisherige-sonstige-bezuege", euro(einmal));
      }
      TAbrechnungsStand s;
      const cli::TEingabe e = Eingabe(o);
      ASSERT_EQ(cli::Vorbereiten(e, s.Parameter, s.Anfrage), "") << f.Name << " " << monat;
      s.Ergebnis = Abrechnen(s.Parameter, s.Anfrage);
      cli::TErgebnisWerte werte{};
      cli::AnzeigeWerte(s, &e, werte);
      for (std::size_t w = 0; w < cli::kErgebnisAnzahl; ++w) {
        EXPECT_EQ(k.Cent(i, cli::ErgebnisNamen()[w]), werte[w]) << f.Name << ", Monat " << monat << ": "
                                                               << cli::ErgebnisNamen()[w];
      }
      EXPECT_EQ(k.Zelle(i, "Programmablaufplan"), cli::Programmablaufplan(s.Parameter)) << f.Name << " " << monat;
      bezahlt += laufend;
      einmal += bezug;
      kv += k.Cent(i, "SVBrutto_KV");
      rv += k.Cent(i, "SVBrutto_RV");
    }
  }
}

// The sum row adds every amount column of the months.
TEST(Lohnkonto, SummeIstDieSummeDerMonate) {
  for (const TJahrFall& f : JahrFaelle()) {
    const TKonto k = Lohnkonto(Csv(f), f.Person);
    ASSERT_EQ(k.Zelle(12, "monat"), "summe");
    for (const char* name : cli::ErgebnisNamen()) {
      std::int64_t summe = 0;
      for (std::size_t i = 0; i < 12; ++i) summe += k.Cent(i, name);
      EXPECT_EQ(k.Cent(12, name), summe) << f.Name << ": " << name;
    }
  }
}

// The months of a year with a flowchart change name the flowchart of each
// month, and the core's request of each month recomputes alone to its slip.
TEST(Lohnkonto, AblaufplanwechselImJahr) {
  const struct {
    int Jahr;
    std::vector<std::pair<int, const char*>> Ab;  // from month: key
  } faelle[] = {{2015, {{1, "2015"}, {12, "2015dez"}}},
                {2023, {{1, "2023"}, {7, "2023juli"}}},
                {2024, {{1, "2024"}, {12, "2024dez"}}}};
  for (const auto& f : faelle) {
    TLohnjahrAnfrage a;
    a.Monate.push_back(Monat({{"jahr", std::to_string(f.Jahr)}, {"monat", "1"}, {"brutto", "3500"}}));
    a.Monate.push_back(Monat({{"jahr", std::to_string(f.Jahr)}, {"monat", "11"}, {"brutto", "3500"}, {"sonstiger-bezug", "3500"}}));
    const TLohnjahr j = LohnjahrRechnen(a);
    ASSERT_EQ(j.Fehler, "");
    ASSERT_EQ(j.Monate.size(), 12u);
    for (const TLohnjahrMonat& m : j.Monate) {
      const char* erwartet = nullptr;
      for (const auto& [ab, schluessel] : f.Ab)
        if (m.Monat >= ab) erwartet = schluessel;
      EXPECT_EQ(cli::Programmablaufplan(m.Parameter), erwartet) << f.Jahr << " " << m.Monat;
      GleicheAbrechnung(m.Ergebnis, Abrechnen(m.Parameter, m.Anfrage), std::to_string(f.Jahr) + " " + std::to_string(m.Monat));
    }
  }
}

// A row may name another flowchart of its year outright (the one first
// published); the months that repeat it take the month's own.
TEST(Lohnkonto, AusdruecklicherAblaufplanGiltFuerSeineZeile) {
  const TKonto k = Lohnkonto("monat;brutto;pap\n1;4000;2022jan\n6;4000;\n", {{"jahr", "2022"}});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  EXPECT_EQ(k.Zelle(0, "Programmablaufplan"), "2022jan");
  EXPECT_EQ(k.Zelle(1, "Programmablaufplan"), "2022");
  EXPECT_GT(k.Cent(0, "LSt"), k.Cent(1, "LSt"));
}

// ---- the annual adjustment ---------------------------------------------------

TLohnjahr GleichesJahr(const TOptionen& person, bool ausgleich = true) {
  TLohnjahrAnfrage a;
  a.Monate.push_back(Monat(Mit(person, {{"monat", "1"}})));
  a.Jahresausgleich = ausgleich;
  return LohnjahrRechnen(a);
}

// The same wage every month and no one-off: the months' wage tax is the
// year's tax in a year of one flowchart, nothing is refunded.  In the years
// whose December flowchart lowers the tariff the refund is the difference.
TEST(Lohnkonto, GleicherLohnOhneEinmalzahlungKeinAusgleich) {
  for (int jahr : {2014, 2016, 2017, 2018, 2019, 2020, 2021, 2022, 2025, 2026}) {
    for (const char* brutto : {"1800", "3333,33", "6000", "12500"}) {
      for (const char* klasse : {"1", "3"}) {
        const TLohnjahr j = GleichesJahr({{"jahr", std::to_string(jahr)}, {"brutto", brutto}, {"steuerklasse", klasse},
                                          {"kirchensteuer", "9"}});
        ASSERT_EQ(j.Fehler, "");
        ASSERT_TRUE(j.Jahresausgleich && j.Jahresausgleich->Durchgefuehrt) << jahr;
        const TJahresausgleich& ja = *j.Jahresausgleich;
        EXPECT_EQ(ja.LStJA, 0) << jahr << " " << brutto << " " << klasse;
        EXPECT_EQ(ja.SoliJA, 0) << jahr << " " << brutto << " " << klasse;
        EXPECT_EQ(ja.LStEinbehalten, j.Summe.LSt);
        EXPECT_EQ(ja.KiStJA, 0) << jahr << " " << brutto << " " << klasse;
      }
    }
  }
  // 2015 and 2024: December's flowchart gives December the year's raised
  // allowances; 2023: the care rates change in July and the year is taxed
  // with the July flowchart's blended rate.  Either way the months withhold
  // the year's tax (within the cents each month cuts): nothing to refund.
  for (int jahr : {2015, 2023, 2024}) {
    const TLohnjahr j = GleichesJahr({{"jahr", std::to_string(jahr)}, {"brutto", "4000"}});
    const TJahresausgleich& ja = *j.Jahresausgleich;
    EXPECT_NEAR(static_cast<double>(j.Summe.LSt), static_cast<double>(ja.LStJahr), 12) << jahr;
    EXPECT_LE(ja.LStJA, 12) << jahr;
    if (jahr != 2023) {
      EXPECT_LT(j.Monate.back().Ergebnis.LSt, j.Monate.front().Ergebnis.LSt - 1000) << jahr;
    }
  }
}

// Worked example E10 of the project's facts on the payroll year (section 10
// of einmalzahlungen_2014_2026.md, computed there with the flowchart of
// 2025): 3.000 EUR January to
// June, 4.500 EUR July to December, class I, church 9 %, add-on rate 2,5 %.
// Recomputed from section 42b EStG: withheld 6 x 301,50 + 6 x 662,75 =
// 5.785,50, the yearly tax on 45.000 EUR 5.694,00, refund 91,50; no Soli.
// The church tax is cut to the cent in every month and in the year (the
// flowchart's church-tax base times the rate, cut, as on every slip here):
// 6 x 27,13 + 6 x 59,64 - 512,46 = 8,16 (the example's "cut" reading; its
// 8,28 rounds the months instead).
TEST(Lohnkonto, JahresausgleichBeispielE10) {
  const TKonto k = Lohnkonto("monat;brutto\n1;3000\n7;4500\n",
                             {{"jahr", "2025"}, {"kirchensteuer", "9"}, {"kv-zusatzbeitrag", "2,5"}},
                             {true, true, false});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  EXPECT_EQ(k.Cent(12, "LSt"), 578550);
  EXPECT_EQ(k.Cent(12, "KiSt"), 6 * 2713 + 6 * 5964);
  EXPECT_EQ(k.Cent(11, "LStJA"), 9150);
  EXPECT_EQ(k.Cent(11, "SoliJA"), 0);
  EXPECT_EQ(k.Cent(11, "KiStJA"), 816);
  EXPECT_EQ(k.Cent(10, "LStJA"), 0);
  EXPECT_EQ(k.Cent(12, "LStJA"), 9150);
  // The certificate: line 4 what is left withheld after the refund.
  EXPECT_EQ(k.Zelle(12, "Zeile1"), "01.01.2025 - 31.12.2025");
  EXPECT_EQ(k.Cent(12, "Zeile3"), 4500000);
  EXPECT_EQ(k.Cent(12, "Zeile4"), 569400);
  EXPECT_EQ(k.Cent(12, "Zeile6"), 51246);
  EXPECT_NE(k.Zelle(12, "hinweis").find("Erstattung"), std::string::npos);
}

// Each exclusion of section 42b (1) EStG that the inputs can say is named.
TEST(Lohnkonto, AusschluesseDesJahresausgleichs) {
  const TOptionen person = {{"jahr", "2025"}, {"brutto", "3000"}};
  const struct {
    const char* Grund;
    std::string Csv;
    TOptionen Vorgabe;
  } faelle[] = {
      {"Steuerklasse V oder VI", "monat\n1\n", {{"steuerklasse", "5"}}},
      {"Steuerklasse II, III oder IV nur für einen Teil", "monat;steuerklasse\n1;1\n7;3\n", {}},
      {"Freibetrag oder Hinzurechnungsbetrag", "monat;freibetrag\n1;100\n", {}},
      {"Faktorverfahren", "monat;steuerklasse;faktor\n1;4;0,9\n", {}},
      {"nicht das ganze Jahr beschäftigt", "monat;eintritt\n3;01.03.2025\n", {}},
      {"nicht das ganze Jahr beschäftigt", "monat;austritt\n1;30.11.2025\n", {}},
      {"Großbuchstabe U", "monat;unterbrechung\n1;\n5;ja\n6;\n", {}},
      {"Großbuchstabe U", "monat;brutto\n1;3000\n5;0\n6;3000\n", {}},
      {"Lohnersatzleistung", "monat;lohnersatz\n1;\n4;800\n5;0\n", {}},
      {"Zusatzbeitragssatz der Krankenkasse", "monat;kv-zusatzbeitrag\n1;2,5\n7;2,9\n", {}},
      {"Beitragszuschlag für Kinderlose", "monat;ohne-pv-zuschlag\n1;nein\n7;ja\n", {}},
      {"private Kranken- und Pflegeversicherung", "monat;privat\n1;500\n7;520\n", {}},
      {"pauschal besteuerter Minijob", "monat;brutto;minijob;pauschsteuer\n1;500;ja;2\n", {}},
      {"will keinen Jahresausgleich", "monat;jahresausgleich\n1;nein\n7;\n", {}},
      {"Doppelbesteuerungsabkommen oder dem Auslandstätigkeitserlass (März)", "monat;steuerfrei-dba\n1;\n3;900\n4;0\n", {}},
      {"Doppelbesteuerungsabkommen oder dem Auslandstätigkeitserlass (Mai)", "monat;steuerfrei-ate\n1;\n5;1200\n6;0\n", {}},
  };
  for (const auto& f : faelle) {
    const TKonto k = Lohnkonto(f.Csv, Mit(person, f.Vorgabe), {true, false, false});
    ASSERT_EQ(k.Status, 0) << f.Grund << k.Fehler;
    const std::string& hinweis = k.Zelle(k.Zeilen.size() - 1, "hinweis");
    EXPECT_EQ(hinweis.rfind("Kein Jahresausgleich: ", 0), 0u) << f.Grund;
    EXPECT_NE(hinweis.find(f.Grund), std::string::npos) << hinweis;
    EXPECT_EQ(k.Cent(k.Zeilen.size() - 1, "LStJA"), 0) << f.Grund;
  }
  // The PV discounts for children count from 2024 (2023 adjusts with the
  // July flowchart's blended rate).
  const TKonto k2023 = Lohnkonto("monat;pv-abschlaege\n1;0\n7;1\n", {{"jahr", "2023"}, {"brutto", "3000"}, {"kinderfreibetraege", "2"}},
                                 {true, false, false});
  EXPECT_EQ(k2023.Zelle(12, "hinweis").find("Kein"), std::string::npos) << k2023.Zelle(12, "hinweis");
  const TKonto k2025 = Lohnkonto("monat;pv-abschlaege\n1;0\n7;1\n", {{"jahr", "2025"}, {"brutto", "3000"}, {"kinderfreibetraege", "2"}},
                                 {true, false, false});
  EXPECT_NE(k2025.Zelle(12, "hinweis").find("Abschläge für Kinder"), std::string::npos);
}

// The employee's wish is one for the year; a column that is neither yes
// nor no, or says both, refuses the employee; "ja" adjusts.
TEST(Lohnkonto, JahresausgleichsWunschDesArbeitnehmers) {
  const TOptionen person = {{"jahr", "2025"}, {"brutto", "3000"}};
  TKonto k = Lohnkonto("monat;jahresausgleich\n1;ja\n", person, {true, false, false});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  EXPECT_EQ(k.Zelle(12, "hinweis"), "Jahresausgleich: keine Erstattung");
  k = Lohnkonto("monat;jahresausgleich\n1;ja\n7;nein\n", person, {true, false, false});
  EXPECT_EQ(k.Status, 1);
  EXPECT_NE(k.Fehler.find("Zeile 3: jahresausgleich: ja und nein"), std::string::npos) << k.Fehler;
  k = Lohnkonto("monat;jahresausgleich\n1;vielleicht\n", person, {true, false, false});
  EXPECT_EQ(k.Status, 1);
  EXPECT_NE(k.Fehler.find("weder ja noch nein"), std::string::npos) << k.Fehler;
  k = Lohnkonto("monat;steuerfrei-dba\n1;-5\n", person, {true, false, false});
  EXPECT_EQ(k.Status, 1);
  EXPECT_NE(k.Fehler.find("steuerfrei-dba: der Betrag darf nicht negativ sein"), std::string::npos) << k.Fehler;
}

// A severance stays out of the adjustment with its tax: the year without
// it adjusts as if it had not been paid.
TEST(Lohnkonto, AbfindungBleibtAusserhalbDesAusgleichs) {
  const TOptionen person = {{"jahr", "2025"}, {"kv-zusatzbeitrag", "2,5"}};
  TLohnjahrAnfrage mit, ohne;
  for (auto* a : {&mit, &ohne}) {
    a->Jahresausgleich = true;
    a->Monate.push_back(Monat(Mit(person, {{"monat", "1"}, {"brutto", "3000"}})));
    a->Monate.push_back(Monat(Mit(person, {{"monat", "7"}, {"brutto", "4000"}, {"sonstiger-bezug", "1000"}})));
  }
  mit.Monate[1] = Monat(Mit(person, {{"monat", "7"}, {"brutto", "4000"}, {"sonstiger-bezug", "1000"}, {"abfindung", "20000"}}));
  const TLohnjahr a = LohnjahrRechnen(mit), b = LohnjahrRechnen(ohne);
  ASSERT_TRUE(a.Jahresausgleich->Durchgefuehrt);
  EXPECT_EQ(a.Jahresausgleich->Jahresarbeitslohn, b.Jahresausgleich->Jahresarbeitslohn);
  EXPECT_EQ(a.Jahresausgleich->LStJahr, b.Jahresausgleich->LStJahr);
  EXPECT_EQ(a.Jahresausgleich->LStJA, b.Jahresausgleich->LStJA);
  EXPECT_GT(a.Summe.LSt, b.Summe.LSt);
}

// ---- the certificate ---------------------------------------------------------

// Every line is the sum of the months it names.
TEST(Lohnkonto, BescheinigungszeilenSindIhreSummen) {
  for (const TJahrFall& f : JahrFaelle()) {
    TLohnjahrAnfrage a;
    for (const auto& [monat, brutto, bezug] : f.Zeilen) {
      TOptionen o = Mit(f.Person, {{"monat", std::to_string(monat)}, {"brutto", brutto}});
      if (*bezug) o.emplace_back("sonstiger-bezug", bezug);
      a.Monate.push_back(Monat(o));
    }
    a.Jahresausgleich = true;
    const TLohnjahr j = LohnjahrRechnen(a);
    ASSERT_EQ(j.Fehler, "") << f.Name;
    if (!JahresRegeln(j.Jahr).Bescheinigung) continue;
    const TBescheinigung b = Lohnsteuerbescheinigung(j);
    TMonatsErgebnis s;
    for (const TLohnjahrMonat& m : j.Monate) {
      s.SteuerBrutto += m.Ergebnis.SteuerBrutto;
      s.LSt += m.Ergebnis.LSt;
      s.Soli += m.Ergebnis.Soli;
      s.KiSt += m.Ergebnis.KiSt;
      s.RV.AN += m.Ergebnis.RV.AN;
      s.RV.AG += m.Ergebnis.RV.AG;
      s.KV.AN += m.Ergebnis.KV.AN + m.Ergebnis.KV2.AN;
      s.PV.AN += m.Ergebnis.PV.AN + m.Ergebnis.PV2.AN;
      s.AV.AN += m.Ergebnis.AV.AN;
      s.PKVZuschuss_AG += m.Ergebnis.PKVZuschuss_AG;
    }
    const TJahresausgleich& ja = *j.Jahresausgleich;
    const auto zeile = [&](const char* n) {
      const TBescheinigungsZeile* z = b.Zeile(n);
      return z ? z->Betrag : -1;
    };
    EXPECT_EQ(zeile("3"), s.SteuerBrutto) << f.Name;
    EXPECT_EQ(zeile("4"), s.LSt - ja.LStJA) << f.Name;
    EXPECT_EQ(zeile("5"), s.Soli - ja.SoliJA) << f.Name;
    EXPECT_EQ(zeile("6"), s.KiSt - ja.KiStJA) << f.Name;
    EXPECT_EQ(zeile("22a"), s.RV.AG) << f.Name;
    EXPECT_EQ(zeile("23a"), s.RV.AN) << f.Name;
    EXPECT_EQ(zeile("25"), s.KV.AN) << f.Name;
    EXPECT_EQ(zeile("26"), s.PV.AN) << f.Name;
    EXPECT_EQ(zeile("27"), s.AV.AN) << f.Name;
    EXPECT_EQ(std::max<std::int64_t>(zeile("24b"), 0) + std::max<std::int64_t>(zeile("24c"), 0), s.PKVZuschuss_AG)
        << f.Name;
  }
}

// A voluntary member of a statutory fund whose employer pays the fund
// (contribution group 9111): the slip is that of group 1111, the employer's
// shares are tax-free subsidies in lines 24a (health) and 24c (care), and
// lines 25 and 26 show the whole contribution (the facts' section 7 after
// the tax administration's rule for voluntary members).  Wage free under a
// treaty or the decree on work abroad stands in lines 16a and 16b and
// leaves the months' slips alone; a month paid only abroad is no "U".
TEST(Lohnkonto, FreiwilligVersichertUndSteuerfreiImAusland) {
  const TOptionen person = {{"jahr", "2026"}, {"brutto", "7000"}, {"kv-zusatzbeitrag", "2,9"}};
  const TKonto pflicht = Lohnkonto("monat\n1\n", Mit(person, {{"beitragsgruppe", "1111"}}), {false, true, false});
  const TKonto freiwillig = Lohnkonto(
      "monat;steuerfrei-dba;steuerfrei-ate;brutto\n1;;;\n4;2000;;\n5;;750;\n6;3000;;0\n7;;;\n",
      Mit(person, {{"beitragsgruppe", "9111"}}), {false, true, false});
  ASSERT_EQ(pflicht.Status, 0) << pflicht.Fehler;
  ASSERT_EQ(freiwillig.Status, 0) << freiwillig.Fehler;
  const std::size_t summe = 12, juni = 5;
  // June pays nothing here: the pension and unemployment lines differ by
  // June's contributions.
  for (const auto& [zeile, spalte] : {std::pair{"Zeile22a", "RV_AG"}, std::pair{"Zeile23a", "RV_AN"},
                                      std::pair{"Zeile27", "AV_AN"}}) {
    EXPECT_EQ(freiwillig.Cent(summe, zeile), pflicht.Cent(summe, zeile) - pflicht.Cent(juni, spalte)) << zeile;
  }
  std::int64_t kvAG = 0, pvAG = 0, kvAN = 0, pvAN = 0;
  for (std::size_t m = 0; m < 12; ++m) {
    kvAG += freiwillig.Cent(m, "KV_AG") + freiwillig.Cent(m, "KV2_AG");
    pvAG += freiwillig.Cent(m, "PV_AG") + freiwillig.Cent(m, "PV2_AG");
    kvAN += freiwillig.Cent(m, "KV_AN") + freiwillig.Cent(m, "KV2_AN");
    pvAN += freiwillig.Cent(m, "PV_AN") + freiwillig.Cent(m, "PV2_AN");
  }
  EXPECT_GT(kvAG, 0);
  EXPECT_EQ(freiwillig.Cent(summe, "Zeile24a"), kvAG);
  EXPECT_EQ(freiwillig.Cent(summe, "Zeile24c"), pvAG);
  EXPECT_EQ(freiwillig.Cent(summe, "Zeile25"), kvAN + kvAG);
  EXPECT_EQ(freiwillig.Cent(summe, "Zeile26"), pvAN + pvAG);
  EXPECT_EQ(freiwillig.Cent(summe, "Zeile16a"), 500000);
  EXPECT_EQ(freiwillig.Cent(summe, "Zeile16b"), 75000);
  EXPECT_EQ(freiwillig.Zelle(summe, "Zeile2"), "0");
  EXPECT_EQ(pflicht.Zelle(summe, "Zeile24a"), "");
  EXPECT_EQ(pflicht.Zelle(summe, "Zeile16a"), "");
  // The months' slips are those of group 1111.
  EXPECT_EQ(freiwillig.Cent(0, "Netto"), pflicht.Cent(0, "Netto"));
  EXPECT_EQ(freiwillig.Cent(3, "LSt"), pflicht.Cent(3, "LSt"));
}

// Worked examples E6 and E7 of the facts (severance with the exit on 30
// September, 4.800 EUR a month, class I, childless, no church): recomputed
// here with the flowcharts of 2024 and 2025 through the year; no
// correction was needed.  2024 with the one-fifth rule: line 3 43.200,00,
// line 10 40.000,00, line 11 12.565,00, line 12 691,07.  2025 without it:
// line 3 83.200,00 with the severance in it, line 19 40.000,00, line 4 nine
// months' 742,33 and the one-off's 14.616,00.
TEST(Lohnkonto, BescheinigungBeispieleE6E7) {
  const TKonto k2024 = Lohnkonto("monat;brutto;abfindung;fuenftelregelung;austritt\n1;4800;;;30.09.2024\n9;4800;40000;ja;\n",
                                 {{"jahr", "2024"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "1,7"}}, {true, true, false});
  ASSERT_EQ(k2024.Status, 0) << k2024.Fehler;
  ASSERT_EQ(k2024.Zeilen.size(), 10u);
  const std::size_t s = 9;
  EXPECT_EQ(k2024.Zelle(s, "Zeile1"), "01.01.2024 - 30.09.2024");
  EXPECT_EQ(k2024.Cent(s, "Zeile3"), 4320000);
  EXPECT_EQ(k2024.Cent(s, "Zeile4"), 9 * 76666);
  EXPECT_EQ(k2024.Cent(s, "Zeile10"), 4000000);
  EXPECT_EQ(k2024.Cent(s, "Zeile11"), 1256500);
  EXPECT_EQ(k2024.Cent(s, "Zeile12"), 69107);
  EXPECT_EQ(k2024.Zelle(s, "Zeile19"), "");
  EXPECT_EQ(k2024.Cent(s, "Zeile23a"), 9 * 44640);
  EXPECT_NE(k2024.Zelle(s, "hinweis").find("nicht das ganze Jahr"), std::string::npos);

  const TKonto k2025 = Lohnkonto("monat;brutto;abfindung;austritt\n1;4800;;30.09.2025\n9;4800;40000;\n",
                                 {{"jahr", "2025"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "2,5"}}, {false, true, false});
  ASSERT_EQ(k2025.Status, 0) << k2025.Fehler;
  EXPECT_EQ(k2025.Cent(s, "Zeile3"), 8320000);
  EXPECT_EQ(k2025.Cent(s, "Zeile4"), 9 * 74233 + 1461600);
  EXPECT_EQ(k2025.Cent(s, "Zeile5"), 0);
  EXPECT_EQ(k2025.Cent(s, "Zeile19"), 4000000);
  EXPECT_EQ(k2025.Zelle(s, "Zeile10"), "");
  EXPECT_EQ(k2025.Cent(8, "SVSummeAN"), 103440);
}

// Worked example E12 (two one-offs of 2026, the second limited by the
// first's liable part) as a year: the months carry the liable wage, June
// 3.675,00 and November 3.062,50 liable to health, the one-offs' tax
// 1.123,00 and 1.520,00 (November's yearly wage with June's bonus in
// full), church tax 8 % of each base cut.  Recomputed from section 23a SGB
// IV and the flowchart; the example needed no correction.
TEST(Lohnkonto, ZweiEinmalzahlungenBeispielE12) {
  const TKonto k = Lohnkonto("monat;brutto;sonstiger-bezug\n1;5200;\n6;5200;4000\n7;5200;\n11;5200;5000\n12;5200;\n",
                             {{"jahr", "2026"}, {"steuerklasse", "4"}, {"kirchensteuer", "8"}, {"kv-zusatzbeitrag", "2,9"}});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  EXPECT_EQ(k.Cent(5, "Einmalzahlung_KV"), 367500);
  EXPECT_EQ(k.Cent(5, "SVSummeAN"), 196477);
  EXPECT_EQ(k.Cent(5, "LSt_sonstig"), 112300);
  EXPECT_EQ(k.Cent(5, "KiSt"), 6697 + 8984);
  EXPECT_EQ(k.Cent(10, "Einmalzahlung_KV"), 306250);
  EXPECT_EQ(k.Cent(10, "SVSummeAN"), 200247);
  EXPECT_EQ(k.Cent(10, "LSt_sonstig"), 152000);
  EXPECT_EQ(k.Cent(10, "KiSt"), 6697 + 12160);
  EXPECT_EQ(k.Cent(0, "SVSummeAN"), 113100);
}

// Worked example E4 (2025, 1.500 EUR in the transition zone, holiday pay in
// June, Christmas bonus in November): June's contributions on the zone's
// base of 1.900 EUR, November's in full above the zone; the one-offs' tax
// 59,00 and 225,00 with the yearly wages 18.000 and 18.400 EUR the year
// carries.  Recomputed; no correction.
TEST(Lohnkonto, UebergangsbereichBeispielE4) {
  const TKonto k = Lohnkonto("monat;brutto;sonstiger-bezug\n1;1500;\n6;1500;400\n7;1500;\n11;1500;1500\n12;1500;\n",
                             {{"jahr", "2025"}, {"bekenntnislos", ""}, {"kv-zusatzbeitrag", "2,5"}, {"uebergangsbereich", ""},
                              {"ohne-pv-zuschlag", ""}});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  EXPECT_EQ(k.Cent(0, "SVSummeAN"), 27392);
  EXPECT_EQ(k.Cent(5, "BE"), 188723);
  EXPECT_EQ(k.Cent(5, "SVSummeAN"), 38999);
  EXPECT_EQ(k.Cent(5, "LSt_sonstig"), 5900);
  EXPECT_EQ(k.Cent(10, "SVSummeAN"), 62850);
  EXPECT_EQ(k.Cent(10, "LSt_sonstig"), 22500);
}

// ---- entry, exit and part months ---------------------------------------------

// A part month: the wage tax is the day table's times the calendar days,
// the ceilings the month's share; the contribution days count the calendar
// days, and a one-off after it sees the pro-rated ceiling of those days.
TEST(Lohnkonto, EintrittImMonat) {
  const TOptionen person = {{"jahr", "2025"}, {"kv-zusatzbeitrag", "2,5"}, {"kirchensteuer", "9"}};
  TLohnjahrAnfrage a;
  a.Eintritt = TDatum{2025, 3, 15};
  a.Monate.push_back(Monat(Mit(person, {{"monat", "3"}, {"brutto", "4080"}})));
  a.Monate.push_back(Monat(Mit(person, {{"monat", "4"}, {"brutto", "5000"}, {"sonstiger-bezug", "9000"}})));
  const TLohnjahr j = LohnjahrRechnen(a);
  ASSERT_EQ(j.Fehler, "");
  ASSERT_EQ(j.Monate.size(), 10u);
  const TLohnjahrMonat& maerz = j.Monate[0];
  EXPECT_EQ(maerz.Anfrage.Teilmonat, 17);
  EXPECT_EQ(maerz.SVTage, 17);
  EXPECT_EQ(j.Monate[1].SVTage, 47);
  // The day table: 4.080 / 17 = 240 EUR a day.
  const TLohnMonatEingabe tag = Monat(Mit(person, {{"monat", "3"}, {"brutto", "240"}, {"zeitraum", "tag"}}));
  const TMonatsErgebnis t = Abrechnen(tag.Parameter, tag.Anfrage);
  EXPECT_EQ(maerz.Ergebnis.LSt, 17 * t.LSt);
  EXPECT_EQ(maerz.Ergebnis.Soli, 17 * t.Soli);
  EXPECT_EQ(maerz.Ergebnis.KiSt, 17 * t.KiSt);
  // The health ceiling of 17 days: 5.512,50 x 17 / 30.
  EXPECT_EQ(maerz.Ergebnis.SVBrutto_KV, 312375);
  EXPECT_EQ(maerz.Ergebnis.SVBrutto_RV, 408000);
  // April's one-off: the ceiling of 47 days against March's and April's
  // capped wages.
  const TMonatsErgebnis& april = j.Monate[1].Ergebnis;
  EXPECT_EQ(april.AnteiligeBBG_KV, Runden(5512.50 * 12 * 47 / 360 * 100));
  EXPECT_EQ(april.Einmalzahlung_KV, april.AnteiligeBBG_KV - 312375 - 500000);
  // The one-off's yearly wage: March, April and eight more months of April's.
  EXPECT_EQ(j.Monate[1].Anfrage.Jahresarbeitslohn, 408000 + 9 * 500000);
  for (const TLohnjahrMonat& m : j.Monate) GleicheAbrechnung(m.Ergebnis, Abrechnen(m.Parameter, m.Anfrage), "Monat");
  const TBescheinigung b = Lohnsteuerbescheinigung(j);
  EXPECT_EQ(b.Zeile("1")->Text, "15.03.2025 - 31.12.2025");
  EXPECT_EQ(b.Grossbuchstaben, "S");
}

// The exit month's row is the wage of its days; the one-off paid in it
// counts no wage after the exit, and nobody comes before the entry.
TEST(Lohnkonto, AustrittImMonat) {
  const TOptionen person = {{"jahr", "2026"}, {"kv-zusatzbeitrag", "2,9"}};
  TLohnjahrAnfrage a;
  a.Austritt = TDatum{2026, 8, 20};
  a.Monate.push_back(Monat(Mit(person, {{"monat", "1"}, {"brutto", "3100"}})));
  a.Monate.push_back(Monat(Mit(person, {{"monat", "8"}, {"brutto", "2000"}, {"sonstiger-bezug", "1500"}})));
  const TLohnjahr j = LohnjahrRechnen(a);
  ASSERT_EQ(j.Fehler, "");
  ASSERT_EQ(j.Monate.size(), 8u);
  EXPECT_EQ(j.Monate.back().Anfrage.Teilmonat, 20);
  EXPECT_EQ(j.Monate.back().SVTage, 230);
  EXPECT_EQ(j.Monate.back().Anfrage.Jahresarbeitslohn, 7 * 310000 + 200000);
  // Entered in the previous year: the March clause counts that year's days.
  TLohnjahrAnfrage b;
  b.Eintritt = TDatum{2025, 10, 16};
  b.Monate.push_back(Monat(Mit(person, {{"monat", "2"}, {"brutto", "3100"}, {"sonstiger-bezug", "12000"}})));
  b.Monate.push_back(Monat(Mit(person, {{"monat", "1"}, {"brutto", "3100"}})));
  const TLohnjahr k = LohnjahrRechnen(b);
  ASSERT_EQ(k.Fehler, "");
  EXPECT_EQ(k.Monate[1].Anfrage.VorjahrSVTage, 16 + 60);
  EXPECT_TRUE(k.Monate[1].Ergebnis.Maerzklausel);
}

// ---- refused input ---------------------------------------------------------------

TEST(Lohnkonto, FehlerhafteEingabeDeutschOhneAbsturz) {
  const struct {
    std::string Csv;
    int Status;
    const char* Meldung;
  } faelle[] = {
      {"", 2, "Keine Kopfzeile gefunden"},
      {"brutto\n3000\n", 2, "die Spalte \"monat\" fehlt"},
      {"monat;gehalt\n1;3000\n", 2, "unbekannte Spalte \"gehalt\""},
      {"monat;brutto;monat\n1;1;1\n", 2, "mehr als einmal"},
      {"monat;brutto\n1;3000\n1;3100\n", 1, "mehr als einmal angegeben"},
      {"monat;brutto\n13;3000\n", 1, "--monat"},
      {"monat;brutto\n;3000\n", 1, "der Lohnzahlungsmonat fehlt"},
      {"monat;brutto\n1;drei\n", 1, "ist kein Betrag"},
      {"monat;brutto\n1;\"3000\n", 1, "Anführungszeichen nicht geschlossen"},
      {"monat;brutto\n1;3000;1\n", 1, "mehr Spalten als in der Kopfzeile"},
      {"monat;brutto;eintritt\n1;3000;31.02.2025\n", 1, "ist kein Datum"},
      {"monat;brutto;eintritt\n1;3000;01.01.2025\n2;3000;01.02.2025\n", 1, "widerspricht"},
      {"monat;brutto;eintritt;austritt\n3;3000;01.03.2025;28.02.2025\n", 1, "liegt vor dem Eintritt"},
      {"monat;brutto;eintritt\n2;3000;01.03.2025\n", 1, "außerhalb der Beschäftigung"},
      {"monat;brutto;eintritt\n4;3000;15.02.2025\n", 1, "den ersten Monat der Beschäftigung, fehlt die Zeile"},
      {"monat;brutto;eintritt\n2;1500;15.02.2025\n", 1, "der Vormonat ist ein Teilmonat"},
      {"monat;brutto;austritt\n1;3000;15.05.2025\n", 1, "fehlt die Zeile des Teilmonats"},
      {"monat;brutto;eintritt\n1;3000;01.01.2026\n", 1, "liegt nach dem Jahr 2025"},
      {"monat;brutto;jahr\n1;3000;2025\n2;3000;2024\n", 1, "Ein Lohnkonto hat ein Jahr"},
      {"monat;brutto;zeitraum\n1;700;woche\n", 1, "Monatslöhne (--zeitraum monat)"},
      {"monat;brutto;jahresarbeitslohn;sonstiger-bezug\n1;3000;40000;500\n", 1,
       "--jahresarbeitslohn ergibt sich im Lohnkonto aus den früheren Monaten"},
      {"monat;brutto;teilmonat\n1;3000;10\n", 1, "--teilmonat ergibt sich im Lohnkonto"},
      {"monat;brutto;lohnersatz\n1;3000;-5\n", 1, "nicht negativ"},
      {"monat;brutto;unterbrechung\n1;3000;vielleicht\n", 1, "weder ja noch nein"},
      {"personalnummer;monat;brutto\n;1;3000\n", 1, "die Personalnummer fehlt"},
      {"monat;brutto;jahr\n1;3000;1994\n", 1, "Keine Lohnsteuer für 1994"},
  };
  for (const auto& f : faelle) {
    std::istringstream ein(f.Csv);
    std::ostringstream aus, fehler;
    const int status = cli::Lohnkonto(Eingabe({{"jahr", "2025"}}), {}, ein, aus, fehler);
    EXPECT_EQ(status, f.Status) << f.Csv;
    EXPECT_NE(fehler.str().find(f.Meldung), std::string::npos) << f.Csv << "\n" << fehler.str();
    EXPECT_EQ(fehler.str().rfind("lohnsteuer-cli: ", 0), 0u) << fehler.str();
  }
  // A refused employee leaves the others computed; the sum row of the
  // refused one says why.
  const TKonto k = Lohnkonto("personalnummer;monat;brutto\n7;1;3000\n8;1;zwei\n7;2;3100\n", {{"jahr", "2025"}});
  EXPECT_EQ(k.Status, 1);
  ASSERT_EQ(k.Zeilen.size(), 13u + 2u);
  EXPECT_EQ(k.Zelle(12, "personalnummer"), "7");
  EXPECT_EQ(k.Zelle(12, "monat"), "summe");
  EXPECT_EQ(k.Zelle(13, "fehler"), "Zeile 3: --brutto: \"zwei\" ist kein Betrag");
  EXPECT_NE(k.Zelle(14, "fehler").find("Personalnummer \"8\": das Lohnkonto ist nicht gerechnet"), std::string::npos);
}

// Employees by their number, in the order each first appears, their rows in
// any order; the command line's options are every row's defaults.
TEST(Lohnkonto, PersonalnummernUndReihenfolge) {
  const TKonto k = Lohnkonto("personalnummer;monat;brutto\nB;12;2000\nA;1;3000\nB;11;2000\n",
                             {{"jahr", "2026"}, {"steuerklasse", "3"}});
  ASSERT_EQ(k.Status, 0) << k.Fehler;
  ASSERT_EQ(k.Zeilen.size(), 2u + 1u + 12u + 1u);
  EXPECT_EQ(k.Zelle(0, "personalnummer"), "B");
  EXPECT_EQ(k.Zelle(0, "monat"), "11");
  EXPECT_EQ(k.Zelle(0, "eingabezeile"), "4");
  EXPECT_EQ(k.Zelle(2, "monat"), "summe");
  EXPECT_EQ(k.Zelle(3, "personalnummer"), "A");
  EXPECT_EQ(k.Zelle(4, "hinweis"), "keine Zeile: wie der Vormonat");
  EXPECT_EQ(k.Cent(15, "RE4"), 12 * 300000);
}

// The command itself: help, JSON with the refunds and the certificate's
// lines by their numbers, options of other commands refused.
TEST(Lohnkonto, Kommandozeile) {
  const TCliLauf hilfe = CliStarten("--help");
  EXPECT_NE(hilfe.Ausgabe.find("lohnkonto"), std::string::npos);
  EXPECT_NE(hilfe.Ausgabe.find("--jahresausgleich"), std::string::npos);
  EXPECT_NE(hilfe.Ausgabe.find("--teilmonat"), std::string::npos);
  const TCliLauf json = CliStarten("lohnkonto --jahr 2025 --kirchensteuer 9 --kv-zusatzbeitrag 2,5 --jahresausgleich "
                                   "--bescheinigung --json",
                                   "personalnummer;monat;brutto\n17;1;3000\n17;7;4500\n");
  EXPECT_EQ(json.Status, 0) << json.Ausgabe;
  EXPECT_EQ(JsonFeld(json.Ausgabe, "LStJA"), "9150");
  EXPECT_EQ(JsonFeld(json.Ausgabe, "KiStJA"), "816");
  EXPECT_EQ(JsonFeld(json.Ausgabe, "Zeile3"), "4500000");
  EXPECT_EQ(JsonFeld(json.Ausgabe, "Zeile4"), "569400");
  EXPECT_EQ(JsonFeld(json.Ausgabe, "Zeile1"), "\"01.01.2025 - 31.12.2025\"");
  EXPECT_EQ(JsonFeld(json.Ausgabe, "personalnummer"), "\"17\"");
  const TCliLauf falsch = CliStarten("batch --jahresausgleich", "brutto\n3000\n");
  EXPECT_EQ(falsch.Status, 2);
  EXPECT_NE(falsch.Ausgabe.find("--jahresausgleich gilt nur für lohnkonto"), std::string::npos);
}

}  // namespace
}  // namespace lst
