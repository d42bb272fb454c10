// The Aktivrente of 2026 (section 3 no. 21 EStG), the federal state of the
// employment and the captions of the law of each year: worked examples to
// the cent, the wage tax against the flowchart run through the command pap,
// refusals, the state's church-tax rate against a typed one, Saxony's care
// split, Berlin and its two parts, and the command line's text, JSON and
// batch against each other.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/bundesland.h"
#include "calc/jahresregeln.h"
#include "calc/parameter.h"
#include "calc/pruefung.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/pap.h"
#include "cli_lauf.h"
#include "optionen_lauf.h"
#include "geld/zahlen.h"

namespace lst {
namespace {

using test::Euro;
using test::Rechnen;
using test::TOptionen;
using test::TVorbereitet;
using test::Vorbereiten;

// Cents as batch writes them: "1234.05".
std::string Punkt(std::int64_t cent) {
  const std::string rest = std::to_string(cent % 100);
  return std::to_string(cent / 100) + "." + (rest.size() < 2 ? "0" : "") + rest;
}

std::string Text(const TOptionen& o) {
  std::string t;
  for (const auto& [name, wert] : o) t += " --" + name + (wert.empty() ? "" : " " + wert);
  return t;
}

// ---- Aktivrente: worked examples ---------------------------------------------------
//
// Source: the project's facts on one-off payments, example E11 (employee
// born February 1959, past the regular retirement age, drawing a full old-age
// pension, key 3321; 3.500,00 EUR a month, class I, no church, add-on rate
// 2,9 %).  Recomputed here from the law: 2.000,00 EUR tax-free, RE4
// 1.500,00 EUR through the flowchart 2026 with the age relief of the year
// after the 64th birthday (2024), KRV 1 and ALV 1 (no pension or
// unemployment insurance of his own): wage tax 24,83 EUR (492,08 EUR
// without the Aktivrente); contributions of the key on the whole 3.500,00 EUR:
// KV 7,0 % reduced rate 245,00, add-on 50,75, care 63,00 (not childless),
// employer's isolated pension 325,50 and unemployment 45,50; net 3.116,42.
// No correction was needed.  The published statement "4.000 EUR gross, wage
// tax on 2.000 EUR" [BIALLO-AR] holds: 123,25 EUR with the age relief.
const TOptionen kE11 = {{"jahr", "2026"},          {"monat", "3"},         {"brutto", "3500"},
                        {"beitragsgruppe", "3321"}, {"kv-zusatzbeitrag", "2,9"}, {"altersentlastung", "2024"},
                        {"bekenntnislos", ""},      {"ohne-pv-zuschlag", ""}, {"aktivrente", ""}};

TEST(Aktivrente, BeispielE11) {
  const TMonatsErgebnis m = Rechnen(kE11);
  EXPECT_EQ(m.Aktivrente_steuerfrei, 200000);
  EXPECT_EQ(m.RE4, 150000);
  EXPECT_EQ(m.SteuerBrutto, 150000);
  EXPECT_EQ(m.Gesamtbrutto, 350000);
  EXPECT_EQ(m.LSt, 2483);
  EXPECT_EQ(m.KV.AN, 24500);
  EXPECT_EQ(m.KV2.AN, 5075);
  EXPECT_EQ(m.PV.AN, 6300);
  EXPECT_EQ(m.RV.AN, 0);
  EXPECT_EQ(m.AV.AN, 0);
  EXPECT_EQ(m.RV.AG, 32550);
  EXPECT_EQ(m.AV.AG, 4550);
  EXPECT_EQ(m.SVSummeAN, 35875);
  EXPECT_EQ(m.SVSummeAG, 72975);
  EXPECT_EQ(m.Netto, 311642);

  TOptionen ohne = kE11;
  ohne.pop_back();
  const TMonatsErgebnis o = Rechnen(ohne);
  EXPECT_EQ(o.LSt, 49208);
  EXPECT_EQ(o.Netto, 264917);
  EXPECT_EQ(o.Aktivrente_steuerfrei, 0);
  // The contributions do not change: the wage stays liable in full.
  EXPECT_EQ(o.SVSummeAN, m.SVSummeAN);
  EXPECT_EQ(o.SVSummeAG, m.SVSummeAG);

  TOptionen viertausend = kE11;
  viertausend[2].second = "4000";
  EXPECT_EQ(Rechnen(viertausend).LSt, 12325);
}

// The pay period's amount: a twelfth of the year's 24.000 EUR for a month,
// 7/360 for a week and 1/360 for a day (the proportions in which the
// flowchart takes a year's amounts for a pay period), the whole for a year.
TEST(Aktivrente, BetragDesZeitraums) {
  const TJahresRegeln& r = JahresRegeln(2026);
  EXPECT_EQ(AktivrenteFuerZeitraum(r, 1), 2400000);
  EXPECT_EQ(AktivrenteFuerZeitraum(r, 2), 200000);
  EXPECT_EQ(AktivrenteFuerZeitraum(r, 3), 46667);
  EXPECT_EQ(AktivrenteFuerZeitraum(r, 4), 6667);
  EXPECT_EQ(AktivrenteFuerZeitraum(JahresRegeln(2025), 2), 0);
  for (const auto& [zeitraum, brutto, frei] : std::vector<std::tuple<std::string, std::string, std::int64_t>>{
           {"woche", "800", 46667}, {"tag", "150", 6667}, {"jahr", "42000", 2400000}, {"woche", "300", 30000}}) {
    const TMonatsErgebnis m = Rechnen({{"jahr", "2026"}, {"zeitraum", zeitraum}, {"brutto", brutto}, {"aktivrente", ""}});
    EXPECT_EQ(m.Aktivrente_steuerfrei, frei) << zeitraum << " " << brutto;
    EXPECT_EQ(m.RE4 + m.Aktivrente_steuerfrei, m.LaufenderLohn) << zeitraum;
  }
}

// What the current wage leaves of the month's amount frees the one-off of
// the same month; a severance and pension payments are no pay for work done
// past the retirement age and stay taxable.
TEST(Aktivrente, SonstigerBezugAbfindungVersorgung) {
  const TOptionen basis = {{"jahr", "2026"}, {"monat", "11"}, {"aktivrente", ""}};
  const auto mit = [&](TOptionen dazu) {
    TOptionen o = basis;
    o.insert(o.end(), dazu.begin(), dazu.end());
    return Rechnen(o);
  };
  TMonatsErgebnis m = mit({{"brutto", "1500"}, {"sonstiger-bezug", "1000"}});
  EXPECT_EQ(m.Aktivrente_steuerfrei, 200000);
  EXPECT_EQ(m.RE4, 0);
  EXPECT_EQ(m.SteuerBrutto, 50000);
  m = mit({{"brutto", "2500"}, {"sonstiger-bezug", "1000"}});
  EXPECT_EQ(m.Aktivrente_steuerfrei, 200000);
  EXPECT_EQ(m.SteuerBrutto, 50000 + 100000);
  m = mit({{"brutto", "1000"}, {"abfindung", "5000"}});
  EXPECT_EQ(m.Aktivrente_steuerfrei, 100000);
  EXPECT_EQ(m.SteuerBrutto, 500000);
  m = mit({{"brutto", "3000"}, {"versorgungsbezug", "1800"}});
  EXPECT_EQ(m.Aktivrente_steuerfrei, 120000);
  EXPECT_EQ(m.RE4, 180000);
}

TEST(Aktivrente, Ablehnungen) {
  struct TFall {
    TOptionen Optionen;
    std::string Meldung;
  };
  const std::vector<TFall> faelle = {
      {{{"jahr", "2025"}, {"brutto", "3000"}, {"aktivrente", ""}}, "gilt erst ab 2026, nicht für 2025"},
      {{{"jahr", "2026"}, {"brutto", "500"}, {"minijob", ""}, {"aktivrente", ""}}, "nicht für Minijobs"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"beitragsgruppe", "0000"}, {"aktivrente", ""}}, "(Beitragsgruppe 0000: RV 0)"},
      {{{"jahr", "2026"}, {"brutto", "3000"}, {"besondere-tabelle", ""}, {"aktivrente", ""}}, "RV 0"},
  };
  for (const TFall& f : faelle) {
    const TVorbereitet v = Vorbereiten(f.Optionen);
    EXPECT_NE(v.Fehler.find("--aktivrente"), std::string::npos) << Text(f.Optionen) << ": " << v.Fehler;
    EXPECT_NE(v.Fehler.find(f.Meldung), std::string::npos) << Text(f.Optionen) << ": " << v.Fehler;
  }
  // Insured in the pension insurance himself (1111), the isolated employer's
  // share (3321, 1321) or a working student (0100): the employer pays.
  for (const char* gruppe : {"1111", "3321", "1321", "0100"}) {
    const TVorbereitet v = Vorbereiten({{"jahr", "2026"}, {"brutto", "3000"}, {"beitragsgruppe", gruppe}, {"aktivrente", ""}});
    EXPECT_EQ(v.Fehler, "") << gruppe;
  }
}

// The wage tax with the Aktivrente is the flowchart's for the wage without
// the tax-free part, through the command pap (its own path from a CSV row to
// the flowchart): random wages, pay periods, classes, keys, the age relief
// and one-offs.
TEST(Aktivrente, SteuerIstDieDesAblaufplansOhneDenFreienTeil) {
  std::mt19937 g(2026);
  std::string csv = "year";
  for (std::size_t i = 1; i < pap::kEingaben.size(); ++i) (csv += ',') += pap::kEingaben[i];
  for (const char* n : pap::kNeueEingaben) (csv += ',') += n;
  csv += '\n';
  const auto papZeile = [](std::vector<std::pair<std::string, std::string>> werte) {
    std::string z = "2026";
    const auto wert = [&](std::string_view name) {
      for (const auto& [n, w] : werte)
        if (n == name) return w;
      return std::string(name == "f" ? "1" : "0");
    };
    for (std::size_t i = 1; i < pap::kEingaben.size(); ++i) (z += ',') += wert(pap::kEingaben[i]);
    for (const char* n : pap::kNeueEingaben) (z += ',') += wert(n);
    return z + '\n';
  };
  const std::int64_t kGrenze[] = {2400000, 200000, 46667, 6667};
  const std::int64_t kFaktor[] = {1, 12, 0, 360};
  struct TErwartet {
    std::int64_t Laufend, Sonstig, Soli;
    std::int64_t Frei;
  };
  std::vector<TErwartet> erwartet;
  for (int i = 0; i < 300; ++i) {
    const auto w = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g); };
    const int lzz = w(1, 4);
    const int klasse = w(1, 6);
    // A wage of the pay period around the tax-free amount and above.
    const std::int64_t brutto = std::max<std::int64_t>(100, kGrenze[lzz - 1] * w(10, 400) / 100);
    const bool rentner = w(0, 1);
    const bool alter = w(0, 1);
    const bool kirche = w(0, 1);
    const std::int64_t bezug = w(0, 2) == 0 ? w(1000, 900000) : 0;
    // The expected yearly wage as stated: without the tax-free part.
    const std::int64_t frei = std::min(brutto, kGrenze[lzz - 1]);
    const std::int64_t steuerpflichtig = brutto - frei;
    const std::int64_t jahreslohn =
        lzz == 3 ? steuerpflichtig * 360 / 7 : steuerpflichtig * kFaktor[lzz - 1];
    const std::int64_t bezugFrei = std::min(bezug, kGrenze[lzz - 1] - frei);
    TOptionen o = {{"jahr", "2026"},
                   {"monat", std::to_string(w(1, 12))},
                   {"zeitraum", lzz == 1 ? "jahr" : lzz == 2 ? "monat" : lzz == 3 ? "woche" : "tag"},
                   {"brutto", Euro(brutto)},
                   {"steuerklasse", std::to_string(klasse)},
                   {"beitragsgruppe", rentner ? "3321" : "1111"},
                   {"kv-zusatzbeitrag", "2,9"},
                   {kirche ? "kirchensteuer" : "bekenntnislos", kirche ? "9" : ""},
                   {"aktivrente", ""}};
    if (alter) o.push_back({"altersentlastung", "2024"});
    if (bezug > 0) {
      o.push_back({"sonstiger-bezug", Euro(bezug)});
      o.push_back({"jahresarbeitslohn", Euro(jahreslohn)});
    }
    const TMonatsErgebnis m = Rechnen(o);
    erwartet.push_back({m.LSt - m.LSt_sonstig, m.LSt_sonstig, m.Soli, m.Aktivrente_steuerfrei});
    EXPECT_EQ(m.Aktivrente_steuerfrei, frei + bezugFrei) << Text(o);
    std::vector<std::pair<std::string, std::string>> zeile = {{"LZZ", std::to_string(lzz)},
                                                               {"RE4", std::to_string(steuerpflichtig)},
                                                               {"STKL", std::to_string(klasse)},
                                                               {"R", kirche ? "1" : "0"},
                                                               {"KRV", rentner ? "1" : "0"},
                                                               {"ALV", rentner ? "1" : "0"},
                                                               {"PVZ", klasse == 2 ? "0" : "1"},
                                                               {"KVZ", "2.9"}};
    if (alter) {
      zeile.push_back({"ALTER1", "1"});
      zeile.push_back({"AJAHR", "2024"});
    }
    if (bezug > 0) {
      zeile.push_back({"SONSTB", std::to_string(bezug - bezugFrei)});
      zeile.push_back({"JRE4", std::to_string(jahreslohn)});
    }
    csv += papZeile(zeile);
  }
  const TCliLauf pap = CliStarten("pap", csv, false);
  ASSERT_EQ(pap.Status, 0) << pap.Fehler;
  std::istringstream zeilen(pap.Ausgabe);
  std::string kopf, zeile;
  std::getline(zeilen, kopf);
  std::vector<std::string> namen;
  ASSERT_TRUE(cli::CsvFelder(kopf, ',', namen));
  const auto spalte = [&](const char* name) {
    std::size_t i = 0;
    while (i < namen.size() && namen[i] != name) ++i;
    return i;
  };
  const std::size_t lst = spalte("LSTLZZ"), sts = spalte("STS"), solz = spalte("SOLZLZZ"), solzs = spalte("SOLZS");
  ASSERT_LT(solzs, namen.size()) << kopf;
  int mitFreiemTeil = 0;
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    ASSERT_TRUE(std::getline(zeilen, zeile));
    std::vector<std::string> z;
    ASSERT_TRUE(cli::CsvFelder(zeile, ',', z));
    EXPECT_EQ(std::stoll(z[lst]), erwartet[i].Laufend) << zeile;
    EXPECT_EQ(std::stoll(z[sts]), erwartet[i].Sonstig) << zeile;
    EXPECT_EQ(std::stoll(z[solz]) + std::stoll(z[solzs]), erwartet[i].Soli) << zeile;
    mitFreiemTeil += erwartet[i].Frei > 0;
  }
  EXPECT_EQ(mitFreiemTeil, 300);
}

// ---- federal state -------------------------------------------------------------------

TEST(Bundesland, NamenUndKuerzel) {
  EXPECT_EQ(Bundeslaender().size(), 18u);
  for (const TBundeslandDaten& d : Bundeslaender()) {
    EXPECT_EQ(BundeslandLesen(d.Name), d.Land) << d.Name;
    EXPECT_EQ(BundeslandLesen(d.Kuerzel), d.Land) << d.Kuerzel;
    const bool acht = d.Land == TBundesland::BadenWuerttemberg || d.Land == TBundesland::Bayern;
    EXPECT_EQ(d.KiStProzent, acht ? 8 : 9) << d.Name;
  }
  EXPECT_EQ(BundeslandLesen("BAYERN"), TBundesland::Bayern);
  EXPECT_EQ(BundeslandLesen("by"), TBundesland::Bayern);
  EXPECT_EQ(BundeslandLesen("baden-wuerttemberg"), TBundesland::BadenWuerttemberg);
  EXPECT_EQ(BundeslandLesen("BADEN-WÜRTTEMBERG"), TBundesland::BadenWuerttemberg);
  EXPECT_EQ(BundeslandLesen("thueringen"), TBundesland::Thueringen);
  EXPECT_EQ(BundeslandLesen("NRW"), TBundesland::NordrheinWestfalen);
  EXPECT_EQ(BundeslandLesen("Berlin (West)"), TBundesland::BerlinWest);
  EXPECT_EQ(BundeslandLesen("West-Berlin"), TBundesland::BerlinWest);
  EXPECT_EQ(BundeslandLesen("berlin ost"), TBundesland::BerlinOst);
  EXPECT_EQ(BundeslandLesen("BE-O"), TBundesland::BerlinOst);
  EXPECT_EQ(BundeslandLesen("Berlin"), TBundesland::Berlin);
  for (const char* falsch : {"", "  ", "Bayern2", "Preußen", "B", "Sachsen Anhalt Nord", "Tirol"}) {
    EXPECT_FALSE(BundeslandLesen(falsch)) << falsch;
  }
  // "Sachsen Anhalt" is Saxony-Anhalt, whatever stands between the words.
  EXPECT_EQ(BundeslandLesen("Sachsen Anhalt"), TBundesland::SachsenAnhalt);
}

// The state sets the church-tax rate; a rate typed wins.
TEST(Bundesland, KirchensteuerSatz) {
  const TOptionen basis = {{"jahr", "2026"}, {"brutto", "5000"}};
  const auto kist = [&](TOptionen dazu) {
    TOptionen o = basis;
    o.insert(o.end(), dazu.begin(), dazu.end());
    return Rechnen(o);
  };
  const TMonatsErgebnis acht = kist({{"kirchensteuer", "8"}});
  const TMonatsErgebnis neun = kist({{"kirchensteuer", "9"}});
  ASSERT_NE(acht.KiSt, neun.KiSt);
  EXPECT_EQ(kist({{"bundesland", "Bayern"}}).KiSt, acht.KiSt);
  EXPECT_EQ(kist({{"bundesland", "BW"}}).KiSt, acht.KiSt);
  EXPECT_EQ(kist({{"bundesland", "Hessen"}}).KiSt, neun.KiSt);
  EXPECT_EQ(kist({{"bundesland", "HH"}}).KiSt, neun.KiSt);
  EXPECT_EQ(kist({{"bundesland", "Bayern"}, {"kirchensteuer", "9"}}).KiSt, neun.KiSt);
  EXPECT_EQ(kist({{"kirchensteuer", "8"}, {"bundesland", "Hessen"}}).KiSt, acht.KiSt);
  EXPECT_EQ(kist({{"bundesland", "Hessen"}, {"bekenntnislos", ""}}).KiSt, 0);
  // Without a state the usual rate of 8 %.
  EXPECT_EQ(kist({}).KiSt, acht.KiSt);
  // The core alone: the request's rate where stated, else the state's.
  TAnfrage a;
  a.KiStSatz = 0.05;
  a.Bundesland = TBundesland::Bremen;
  EXPECT_DOUBLE_EQ(MitBundesland(a).KiStSatz, 0.05);
  a.KiStSatzAngegeben = false;
  EXPECT_DOUBLE_EQ(MitBundesland(a).KiStSatz, 0.09);
}

// Saxony: the care split and the region East, as --region ost --sachsen;
// the other new states East without the split.
TEST(Bundesland, SachsenUndRegion) {
  for (const char* jahr : {"2004", "2019", "2024", "2026"}) {
    const TOptionen basis = {{"jahr", jahr}, {"brutto", "4000"}, {"kirchensteuer", "9"}};
    const auto mit = [&](TOptionen dazu) {
      TOptionen o = basis;
      o.insert(o.end(), dazu.begin(), dazu.end());
      return Rechnen(o);
    };
    const TMonatsErgebnis sachsen = mit({{"bundesland", "Sachsen"}});
    EXPECT_EQ(sachsen, mit({{"region", "ost"}, {"sachsen", ""}})) << jahr;
    EXPECT_GT(sachsen.PV.AN, sachsen.PV.AG) << jahr;
    const TMonatsErgebnis thueringen = mit({{"bundesland", "TH"}});
    EXPECT_EQ(thueringen, mit({{"region", "ost"}})) << jahr;
    EXPECT_LT(thueringen.PV.AN, sachsen.PV.AN) << jahr;
    EXPECT_EQ(mit({{"bundesland", "NI"}}), mit({{"region", "west"}})) << jahr;
  }
  // A region or Saxony stated beside the state has to be the state's.
  EXPECT_NE(Vorbereiten({{"bundesland", "Bayern"}, {"region", "ost"}}).Fehler.find("widersprechen einander"),
            std::string::npos);
  EXPECT_NE(Vorbereiten({{"bundesland", "Brandenburg"}, {"sachsen", ""}}).Fehler.find("widersprechen einander"),
            std::string::npos);
  EXPECT_EQ(Vorbereiten({{"bundesland", "Sachsen"}, {"region", "ost"}, {"sachsen", ""}}).Fehler, "");
  // The window disables region and Saxony where a state decides them.
  const TParameter& p = StandardParameter(2024, 12);
  TAnfrage a;
  a.Bundesland = TBundesland::Sachsen;
  EXPECT_NE(NichtVerfuegbar(p, a, TFeld::Region), "");
  EXPECT_NE(NichtVerfuegbar(p, a, TFeld::Sachsen), "");
  a.Bundesland.reset();
  EXPECT_EQ(NichtVerfuegbar(p, a, TFeld::Region), "");
}

// Berlin: while the ceilings of East and West differ (up to 2024) the
// request names the part; from 2025 Berlin alone is enough.
TEST(Bundesland, Berlin) {
  for (int jahr : {1995, 2001, 2013, 2024}) {
    const TVorbereitet v = Vorbereiten({{"jahr", std::to_string(jahr)}, {"brutto", "9000"}, {"bundesland", "Berlin"}});
    EXPECT_NE(v.Fehler.find("--bundesland Berlin: für " + std::to_string(jahr)), std::string::npos) << v.Fehler;
    EXPECT_NE(v.Fehler.find("Berlin-West oder Berlin-Ost"), std::string::npos) << v.Fehler;
    const TOptionen basis = {{"jahr", std::to_string(jahr)}, {"brutto", "9000"}, {"kirchensteuer", "9"}};
    TOptionen west = basis, ost = basis, regionOst = basis;
    west.push_back({"bundesland", "Berlin-West"});
    ost.push_back({"bundesland", "BE-O"});
    regionOst.push_back({"region", "ost"});
    const TMonatsErgebnis w = Rechnen(west), o = Rechnen(ost);
    EXPECT_EQ(w, Rechnen(basis)) << jahr;
    EXPECT_EQ(o, Rechnen(regionOst)) << jahr;
    // Above the ceilings: the East's pension ceiling was the lower one.
    EXPECT_LT(o.RV.AN, w.RV.AN) << jahr;
  }
  for (const char* jahr : {"2025", "2026"}) {
    EXPECT_EQ(Vorbereiten({{"jahr", jahr}, {"brutto", "9000"}, {"bundesland", "Berlin"}}).Fehler, "") << jahr;
  }
}

// ---- captions of the law of the year -------------------------------------------------

TEST(JahresTexte, VorsorgepauschaleNachJahr) {
  for (int jahr = kErstesJahr; jahr <= kLetztesLStJahr; ++jahr) {
    const TJahresRegeln& r = JahresRegeln(jahr);
    const std::string was = std::to_string(jahr);
    if (jahr <= 2009) {
      EXPECT_EQ(r.TextBesondereTabelle, "versicherungsfrei (§10c Abs.3 EStG)") << was;
      EXPECT_NE(r.HinweisBesondereTabelle.find("§10c Abs.3 EStG"), std::string::npos) << was;
    } else {
      EXPECT_EQ(r.TextBesondereTabelle.find("10c"), std::string::npos) << was;
      EXPECT_NE(r.TextBesondereTabelle.find("§39b Abs.2 Satz 5 Nr.3 EStG"), std::string::npos) << was;
      EXPECT_EQ(r.HinweisBesondereTabelle.find("10c"), std::string::npos) << was;
    }
    EXPECT_EQ(r.TextGuenstigerpruefung.empty(), jahr < 2008 || jahr > 2009) << was;
    // Up to 2013 the special table stood for private insurance as well,
    // from 2014 for a contribution group without pension insurance.
    EXPECT_EQ(r.HinweisBesondereTabelle.find("Beitragsgruppe") != std::string::npos, jahr >= 2014) << was;
    EXPECT_EQ(r.HinweisBesondereTabelle.find("Mindestvorsorgepauschale") != std::string::npos, jahr >= 2010) << was;
    EXPECT_EQ(r.AktivrenteMonat, jahr >= 2026 ? 200000 : 0) << was;
  }
  EXPECT_NE(JahresRegeln(2026).HinweisBesondereTabelle.find("ohne Mindestvorsorgepauschale"), std::string::npos);
}

// ---- command line: text, JSON and batch agree ---------------------------------------

TEST(AktivrenteBundesland, TextJsonUndBatchGleich) {
  const std::vector<TOptionen> faelle = {
      kE11,
      {{"jahr", "2026"}, {"brutto", "2800"}, {"bundesland", "Bayern"}, {"aktivrente", ""}, {"sonstiger-bezug", "900"}},
      {{"jahr", "2026"}, {"zeitraum", "woche"}, {"brutto", "700"}, {"bundesland", "sn"}, {"aktivrente", ""}},
      {{"jahr", "2024"}, {"brutto", "7000"}, {"bundesland", "Berlin-Ost"}},
      {{"jahr", "2026"}, {"brutto", "3000"}, {"bundesland", "by"}, {"kirchensteuer", "9"}},
  };
  std::string batch = "jahr,monat,zeitraum,brutto,beitragsgruppe,kv-zusatzbeitrag,altersentlastung,bekenntnislos,"
                      "ohne-pv-zuschlag,aktivrente,bundesland,kirchensteuer,sonstiger-bezug\n";
  const std::vector<std::string> spalten = {"jahr",          "monat",     "zeitraum",         "brutto",
                                            "beitragsgruppe", "kv-zusatzbeitrag", "altersentlastung", "bekenntnislos",
                                            "ohne-pv-zuschlag", "aktivrente", "bundesland", "kirchensteuer",
                                            "sonstiger-bezug"};
  std::vector<TMonatsErgebnis> ergebnisse;
  for (const TOptionen& o : faelle) {
    const TMonatsErgebnis m = Rechnen(o);
    ergebnisse.push_back(m);
    const TCliLauf json = CliStarten("berechnen --json" + Text(o));
    ASSERT_EQ(json.Status, 0) << json.Ausgabe;
    EXPECT_EQ(JsonFeld(json.Ausgabe, "Aktivrente_steuerfrei"), std::to_string(m.Aktivrente_steuerfrei)) << Text(o);
    EXPECT_EQ(JsonFeld(json.Ausgabe, "LSt"), std::to_string(m.LSt)) << Text(o);
    EXPECT_EQ(JsonFeld(json.Ausgabe, "KiSt"), std::to_string(m.KiSt)) << Text(o);
    EXPECT_EQ(JsonFeld(json.Ausgabe, "Netto"), std::to_string(m.Netto)) << Text(o);
    const TCliLauf text = CliStarten("berechnen" + Text(o));
    ASSERT_EQ(text.Status, 0) << text.Ausgabe;
    const bool zeile = text.Ausgabe.find("Aktivrente stfrei") != std::string::npos;
    EXPECT_EQ(zeile, m.Aktivrente_steuerfrei > 0) << text.Ausgabe;
    if (zeile) {
      EXPECT_NE(text.Ausgabe.find(CentAlsText(m.Aktivrente_steuerfrei) + " EUR"), std::string::npos) << text.Ausgabe;
    }
    std::string z;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
      if (i > 0) z += ',';
      for (const auto& [name, wert] : o) {
        if (name == spalten[i]) z += wert.empty() ? "ja" : "\"" + wert + "\"";
      }
    }
    batch += z + '\n';
  }
  const TCliLauf b = CliStarten("batch", batch, false);
  ASSERT_EQ(b.Status, 0) << b.Fehler;
  std::istringstream zeilen(b.Ausgabe);
  std::string kopf, zeile;
  std::getline(zeilen, kopf);
  std::vector<std::string> namen;
  ASSERT_TRUE(cli::CsvFelder(kopf, ',', namen));
  const auto spalte = [&](const char* name) {
    std::size_t i = 0;
    while (i < namen.size() && namen[i] != name) ++i;
    return i;
  };
  const std::size_t frei = spalte("Aktivrente_steuerfrei"), lst = spalte("LSt"), kist = spalte("KiSt");
  ASSERT_LT(frei, namen.size()) << kopf;
  for (const TMonatsErgebnis& m : ergebnisse) {
    ASSERT_TRUE(std::getline(zeilen, zeile));
    std::vector<std::string> z;
    ASSERT_TRUE(cli::CsvFelder(zeile, ',', z));
    EXPECT_EQ(z[frei], Punkt(m.Aktivrente_steuerfrei)) << zeile;
    EXPECT_EQ(z[lst], Punkt(m.LSt)) << zeile;
    EXPECT_EQ(z[kist], Punkt(m.KiSt)) << zeile;
  }
}

}  // namespace
}  // namespace lst
