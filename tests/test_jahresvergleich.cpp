// The year comparison: each year's column the slip berechnen computes for
// that year, the window's way (one request turned into each year's
// currency) the command line's way, the changes between the years, the
// three outputs of the command line agreeing, the DM years in Euro, and the
// refusal of unusable years.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/jahresvergleich.h"
#include "cli/ausgabe.h"
#include "cli/eingabe.h"
#include "cli/jahresvergleich.h"
#include "cli_lauf.h"
#include "geld/zahlen.h"

using namespace lst;

namespace {

// The options of a call, set as the command line sets them.
cli::TEingabe Optionen(const std::vector<std::string>& optionen) {
  cli::TEingabe e;
  for (std::size_t i = 0; i < optionen.size(); ++i) {
    const std::string name = optionen[i].substr(2);
    const bool mitWert = i + 1 < optionen.size() && optionen[i + 1].rfind("--", 0) != 0;
    EXPECT_EQ(cli::OptionSetzen(e, name, mitWert ? optionen[++i] : "1"), "") << optionen[i];
  }
  return e;
}

TJahresvergleich Vergleich(const std::vector<std::string>& optionen, const std::vector<std::string>& jahre) {
  cli::TJahresvergleichAufruf a;
  a.Eingabe = Optionen(optionen);
  a.Argumente = jahre;
  TJahresvergleich v;
  EXPECT_EQ(cli::JahresvergleichRechnen(a, v), "");
  return v;
}

std::vector<std::string> AlleJahre() {
  std::vector<std::string> j;
  for (int jahr = kErstesJahr; jahr <= kLetztesLStJahr; ++jahr) j.push_back(std::to_string(jahr));
  return j;
}

const std::vector<std::vector<std::string>> kFaelle = {
    {"--brutto", "3000"},
    {"--brutto", "5.432,10", "--steuerklasse", "3", "--kinderfreibetraege", "2", "--kirchensteuer", "9"},
    {"--brutto", "400", "--minijob", "--pauschsteuer", "2"},
    {"--brutto", "1100", "--gleitzone", "--region", "ost", "--sachsen"},
    {"--brutto", "7000", "--privat", "650", "--ag-zuschuss", "--steuerklasse", "4"},
    {"--brutto", "2500", "--freibetrag", "150", "--versorgungsbezug", "300", "--versorgungsbeginn", "2000",
     "--altersentlastung", "2005", "--sonstige-abzuege", "12,34", "--kindergeld", "250"},
    {"--zeitraum", "woche", "--brutto", "900", "--steuerklasse", "5", "--bekenntnislos", "--dm"},
};

}  // namespace

// Each year's column is what berechnen --jahr computes and shows for the
// same options; a year the options do not fit carries berechnen's message.
TEST(Jahresvergleich, JedesJahrWieBerechnen) {
  for (const auto& optionen : kFaelle) {
    const TJahresvergleich v = Vergleich(optionen, AlleJahre());
    ASSERT_EQ(v.Jahre.size(), static_cast<std::size_t>(kLetztesLStJahr - kErstesJahr + 1));
    int gerechnet = 0;
    for (const TVergleichsJahr& j : v.Jahre) {
      cli::TEingabe e = Optionen(optionen);
      e.Jahr = j.Jahr;
      e.JahrGesetzt = true;
      e.DMJedesJahr = true;
      TAbrechnungsStand s;
      const std::string fehler = cli::Vorbereiten(e, s.Parameter, s.Anfrage);
      ASSERT_EQ(j.Fehler, fehler) << j.Jahr;
      if (!fehler.empty()) continue;
      ++gerechnet;
      s.Euro = !e.DM;
      s.Ergebnis = Abrechnen(s.Parameter, s.Anfrage);
      EXPECT_EQ(j.Ergebnis, s.Ergebnis) << j.Jahr;
      const cli::TAnzeige anzeige = cli::Anzeigen(s, &e);
      for (const auto& [name, wert] : anzeige.Felder) {
        std::int64_t w = 0;
        for (const TErgebnisFeld& f : ErgebnisFelder())
          if (name == f.Name) w = f.Lesen(j.Anzeige);
        EXPECT_EQ(w, wert) << j.Jahr << " " << name;
      }
      EXPECT_EQ(j.Parameter.Monat, s.Parameter.Monat);
      EXPECT_EQ(j.Parameter.Version, s.Parameter.Version);
    }
    // The options fit most years (a minijob's flat-rate tax and the others
    // every one).
    EXPECT_GE(gerechnet, 30) << optionen[1];
  }
}

// The window compares the request of its own year: its amounts turned into
// each year's currency give each year the slip the command line computes
// from the typed amounts, DM years included.
TEST(Jahresvergleich, AnfrageImJahrWieGetippt) {
  std::vector<std::vector<std::string>> faelle = kFaelle;
  faelle.pop_back();  // typed in DM: the window's request of 2026 is not
  faelle.push_back({"--monat", "2", "--brutto", "4100", "--sonstiger-bezug", "9000", "--vorjahr-sv-entgelt-kv",
                    "30000", "--vorjahr-sv-entgelt-rv", "31000", "--sv-entgelt-bisher-kv", "4100",
                    "--jahresarbeitslohn", "52000"});
  for (const auto& optionen : faelle) {
    cli::TEingabe e = Optionen(optionen);
    TParameter p26;
    TAnfrage a26;
    ASSERT_EQ(cli::Vorbereiten(e, p26, a26), "");
    const auto parameter = [](int jahr, int monat) { return StandardParameter(jahr, monat); };
    const auto worte = [](const TBefund& b, const TParameter& p) { return cli::BefundText(b, p, false); };
    std::vector<int> jahre;
    for (int j = kErstesJahr; j <= kLetztesLStJahr; ++j) jahre.push_back(j);
    const TJahresvergleich fenster = JahreVergleichen(a26, 2026, jahre, e.Monat, true, parameter, worte);
    const TJahresvergleich kommandozeile = Vergleich(optionen, AlleJahre());
    for (std::size_t i = 0; i < jahre.size(); ++i) {
      const TVergleichsJahr& f = fenster.Jahre[i];
      const TVergleichsJahr& k = kommandozeile.Jahre[i];
      ASSERT_EQ(f.Fehler, k.Fehler) << f.Jahr;
      EXPECT_EQ(f.Ergebnis, k.Ergebnis) << f.Jahr << " " << optionen[1];
      EXPECT_EQ(f.Anfrage.Brutto, k.Anfrage.Brutto) << f.Jahr;
      EXPECT_EQ(f.Anfrage.VorjahrSVEntgeltKV, k.Anfrage.VorjahrSVEntgeltKV) << f.Jahr;
      // Shown in Euro the figures agree but for the typed gross, which the
      // command line shows as typed and the window converted back: at most
      // a cent off.
      for (std::size_t g = 0; g < VergleichsGroessen().size(); ++g) {
        if (!f.Berechnet()) continue;
        EXPECT_LE(std::abs(*fenster.Wert(i, g) - *kommandozeile.Wert(i, g)), 1)
            << f.Jahr << " " << VergleichsGroessen()[g].Name;
      }
    }
  }
  // In February of the years with monthly rules the one-off falls back to
  // the previous December; in 2002 (one set of rules, December) it cannot,
  // but the previous year's wages are still of 2001's currency.
  const TJahresvergleich v = Vergleich(faelle.back(), {"2002", "2015", "2026"});
  ASSERT_TRUE(v.Vollstaendig());
  EXPECT_EQ(v.Jahre[0].Monat, 12);
  EXPECT_EQ(v.Jahre[0].Anfrage.VorjahrSVEntgeltKV, Runden(30000 * kDMFaktor * 100));
  EXPECT_FALSE(v.Jahre[0].Ergebnis.Maerzklausel);
  EXPECT_EQ(v.Jahre[1].Monat, 2);
  EXPECT_TRUE(v.Jahre[1].Ergebnis.Maerzklausel);
  EXPECT_TRUE(v.Jahre[2].Ergebnis.Maerzklausel);
}

// The changes are the later year's shown amount less the earlier's, none
// beside a year without figures; the rows shown are those a year has.
TEST(Jahresvergleich, DifferenzenUndZeilen) {
  const TJahresvergleich v = Vergleich({"--brutto", "3000", "--pv-abschlaege", "2"}, {"2022", "2024", "2025", "2026"});
  ASSERT_FALSE(v.Jahre[0].Berechnet());
  EXPECT_NE(v.Jahre[0].Fehler.find("--pv-abschlaege"), std::string::npos);
  EXPECT_FALSE(v.Vollstaendig());
  const int netto = VergleichsGroesse("Netto");
  ASSERT_GE(netto, 0);
  EXPECT_FALSE(v.Wert(0, netto));
  EXPECT_FALSE(v.Differenz(0, netto));
  for (std::size_t i = 1; i + 1 < v.Jahre.size(); ++i) {
    for (std::size_t g = 0; g < VergleichsGroessen().size(); ++g) {
      ASSERT_TRUE(v.Differenz(i, g));
      EXPECT_EQ(*v.Differenz(i, g), *v.Wert(i + 1, g) - *v.Wert(i, g));
    }
  }
  EXPECT_EQ(*v.Wert(3, netto), v.Jahre[3].Anzeige.Netto);
  EXPECT_FALSE(v.Wert(4, netto));
  EXPECT_EQ(VergleichsGroesse("gibt es nicht"), -1);

  // A regular employee's rows: no flat-rate taxes, the surcharge of the
  // childless only without children; the main rows always.
  const auto gezeigt = [](const TJahresvergleich& w, const char* name) {
    return w.Gezeigt(static_cast<std::size_t>(VergleichsGroesse(name)));
  };
  EXPECT_FALSE(gezeigt(v, "SteuerSummePausch"));
  EXPECT_FALSE(gezeigt(v, "PV2_AN"));
  EXPECT_TRUE(gezeigt(v, "KV2_AN"));
  const TJahresvergleich minijob = Vergleich({"--brutto", "450", "--minijob", "--pauschsteuer", "2"}, {"2012", "2013"});
  EXPECT_TRUE(gezeigt(minijob, "SteuerSummePausch"));
  EXPECT_TRUE(gezeigt(minijob, "LSt"));
  EXPECT_TRUE(gezeigt(minijob, "SVSummeAN"));
  EXPECT_FALSE(gezeigt(minijob, "KV2_AG"));
  const auto zeilen = minijob.GezeigteGroessen();
  EXPECT_TRUE(std::is_sorted(zeilen.begin(), zeilen.end()));
}

// The years asked for: sorted; each once, each with its social insurance,
// at least two; without any, the newest and the one before.
TEST(Jahresvergleich, Jahresangaben) {
  std::vector<int> j{2026, 2014, 2020};
  EXPECT_EQ(VergleichsjahrePruefen(j), "");
  EXPECT_EQ(j, (std::vector<int>{2014, 2020, 2026}));
  j = {2020, 1994};
  EXPECT_EQ(VergleichsjahrePruefen(j), "Für 1994 gibt es keine Abrechnung (1995 bis 2026)");
  j = {2020, 2021, 2020};
  EXPECT_EQ(VergleichsjahrePruefen(j), "Das Jahr 2020 ist mehr als einmal angegeben");
  j = {2020};
  EXPECT_EQ(VergleichsjahrePruefen(j), "Ein Jahresvergleich braucht mindestens zwei Jahre (1995 bis 2026)");
  EXPECT_EQ(StandardVergleichsjahre(2026), (std::vector<int>{2025, 2026}));
  EXPECT_EQ(StandardVergleichsjahre(1995), (std::vector<int>{1995, 1996}));
  EXPECT_TRUE(Jahresbereich(2026, 2014).empty());

  cli::TJahresvergleichAufruf a;
  EXPECT_EQ(cli::VergleichsjahreLesen(a, j), "");
  EXPECT_EQ(j, (std::vector<int>{2025, 2026}));
  a.Bis = "2020";
  EXPECT_EQ(cli::VergleichsjahreLesen(a, j), "");
  EXPECT_EQ(j, (std::vector<int>{2019, 2020}));
  a.Von = "2014";
  EXPECT_EQ(cli::VergleichsjahreLesen(a, j), "");
  EXPECT_EQ(j.size(), 7u);
}

// Unusable years and options on the command line: a German message and
// exit status 2, nothing on standard output.
TEST(Jahresvergleich, UnbrauchbareJahreAufDerKommandozeile) {
  const std::map<std::string, std::string> faelle = {
      {"jahresvergleich abc 2026", "\"abc\" ist kein Jahr"},
      {"jahresvergleich 1990 2026", "Für 1990 gibt es keine Abrechnung (1995 bis 2026)"},
      {"jahresvergleich 2031 2026", "Für 2031 gibt es keine Abrechnung (1995 bis 2026)"},
      {"jahresvergleich 2026", "Ein Jahresvergleich braucht mindestens zwei Jahre (1995 bis 2026)"},
      {"jahresvergleich 2025 2025", "Das Jahr 2025 ist mehr als einmal angegeben"},
      {"jahresvergleich 2025,5 2026", "\"2025,5\" ist kein Jahr"},
      {"jahresvergleich --von 2026 --bis 2014", "--von 2026 liegt nach --bis 2014"},
      {"jahresvergleich --von 2026", "Ein Jahresvergleich braucht mindestens zwei Jahre (1995 bis 2026)"},
      {"jahresvergleich --von zwei", "--von: \"zwei\" ist kein Jahr"},
      {"jahresvergleich --bis", "--bis: das Jahr fehlt"},
      {"jahresvergleich --von 2020 2026", "Die Jahre stehen entweder als Argumente oder mit --von und --bis, nicht beides"},
      {"jahresvergleich --von 1 --bis 9999", "Der Bereich von 1 bis 9999 ist zu groß"},
      {"jahresvergleich --jahr 2020", "--jahr gilt nicht für jahresvergleich"},
      {"jahresvergleich --pap 2025jan", "--pap gilt nicht für jahresvergleich"},
      {"jahresvergleich --json --csv", "--json und --csv schließen einander aus"},
      {"jahresvergleich --brutto -5", "--brutto: der Betrag darf nicht negativ sein"},
      {"berechnen --von 2020", "--von gilt nur für jahresvergleich"},
      {"berechnen --csv", "--csv gilt nur für jahresvergleich"},
  };
  for (const auto& [aufruf, meldung] : faelle) {
    const TCliLauf l = CliStarten(aufruf, "", false);
    EXPECT_EQ(l.Status, 2) << aufruf;
    EXPECT_EQ(l.Ausgabe, "") << aufruf;
    EXPECT_EQ(l.Fehler.rfind("lohnsteuer-cli: " + meldung, 0), 0u) << aufruf << ": " << l.Fehler;
  }
  // Help names the command and its options.
  const TCliLauf hilfe = CliStarten("--help");
  for (const char* t : {"jahresvergleich [JAHR JAHR ...]", "--von JAHR", "--bis JAHR", "--csv"})
    EXPECT_NE(hilfe.Ausgabe.find(t), std::string::npos) << t;
}

// Text, JSON and CSV name the same amounts; a year without figures says why
// in each, and the exit status is 1.  The JSON object of a year is the one
// of berechnen --json for that year.
TEST(Jahresvergleich, DreiAusgabenStimmenUeberein) {
  const std::string optionen = " 2026 2001 2022 2024 --brutto 4321,09 --steuerklasse 3 --pv-abschlaege 1";
  const TCliLauf json = CliStarten("jahresvergleich --json" + optionen, "", false);
  const TCliLauf csv = CliStarten("jahresvergleich --csv" + optionen, "", false);
  const TCliLauf text = CliStarten("jahresvergleich" + optionen, "", false);
  for (const TCliLauf* l : {&json, &csv, &text}) {
    EXPECT_EQ(l->Status, 1);
    // Two years cannot take the discounts: one message each.
    EXPECT_EQ(std::count(l->Fehler.begin(), l->Fehler.end(), '\n'), 2) << l->Fehler;
    EXPECT_NE(l->Fehler.find("lohnsteuer-cli: 2022: --pv-abschlaege"), std::string::npos) << l->Fehler;
  }
  // The JSON objects, one a line.
  std::vector<std::string> objekte;
  std::istringstream js(json.Ausgabe);
  for (std::string z; std::getline(js, z);)
    if (z.rfind("{", 0) == 0) objekte.push_back(z);
  ASSERT_EQ(objekte.size(), 4u);
  EXPECT_EQ(JsonFeld(objekte[0], "Jahr"), "2001");
  EXPECT_EQ(JsonFeld(objekte[0], "Monat"), "12");
  EXPECT_NE(JsonFeld(objekte[0], "Fehler"), "?");
  EXPECT_EQ(JsonFeld(objekte[3], "Programmablaufplan"), "\"2026\"");
  // berechnen --json for 2026: the same members after Jahr and Monat.
  const TCliLauf b = CliStarten("berechnen --json --jahr 2026 --brutto 4321,09 --steuerklasse 3 --pv-abschlaege 1");
  ASSERT_EQ(b.Status, 0);
  EXPECT_EQ("{" + objekte[3].substr(objekte[3].find("\"Waehrung\"")), b.Ausgabe.substr(0, b.Ausgabe.size() - 1));
  const TCliLauf b22 = CliStarten("berechnen --json --jahr 2022 --brutto 4321,09 --steuerklasse 3 --pv-abschlaege 1",
                                  "", false);
  EXPECT_EQ(b22.Status, 2);
  EXPECT_NE(objekte[1].find("\"Fehler\": \"" + b22.Fehler.substr(16, b22.Fehler.size() - 17) + "\"}"), std::string::npos)
      << objekte[1];

  // CSV: a head row, one row per year.
  std::vector<std::vector<std::string>> zeilen;
  std::istringstream cs(csv.Ausgabe);
  for (std::string z; std::getline(cs, z);) {
    std::vector<std::string> zellen;
    std::string zelle;
    std::istringstream zs(z);
    while (std::getline(zs, zelle, ';')) zellen.push_back(zelle);
    if (!z.empty() && z.back() == ';') zellen.emplace_back();
    zeilen.push_back(zellen);
  }
  ASSERT_EQ(zeilen.size(), 5u);
  const auto spalte = [&](const std::string& name) {
    for (std::size_t i = 0; i < zeilen[0].size(); ++i)
      if (zeilen[0][i] == name) return i;
    ADD_FAILURE() << name;
    return std::size_t{0};
  };
  EXPECT_EQ(zeilen[0].size(), 2 + cli::kErgebnisAnzahl + cli::kTextAnzahl + 1);
  EXPECT_EQ(zeilen[1][0], "2001");
  EXPECT_EQ(zeilen[2][0], "2022");
  EXPECT_EQ(zeilen[2][spalte("fehler")].rfind("2022: --pv-abschlaege", 0), 0u);
  EXPECT_EQ(zeilen[2][spalte("Netto")], "");
  EXPECT_EQ(zeilen[4][spalte("Programmablaufplan")], "2026");
  EXPECT_EQ(zeilen[4][spalte("Waehrung")], "EUR");
  EXPECT_EQ(zeilen[4][spalte("fehler")], "");
  // Text: a row per figure, the years as columns with the changes between.
  std::map<std::string, std::vector<std::string>> tabelle;
  std::istringstream ts(text.Ausgabe);
  for (std::string z; std::getline(ts, z);) {
    std::istringstream zs(z);
    std::vector<std::string> woerter;
    for (std::string w; zs >> w;) woerter.push_back(w);
    if (woerter.empty()) continue;
    std::string titel;
    std::size_t i = 0;
    // The caption is the words up to the first amount or dash.
    while (i < woerter.size() && !BetragLesen(woerter[i]) && woerter[i] != "–") titel += (titel.empty() ? "" : " ") + woerter[i++];
    tabelle[titel] = std::vector<std::string>(woerter.begin() + static_cast<long>(i), woerter.end());
  }
  ASSERT_EQ(tabelle["Nettolohn"].size(), 7u) << text.Ausgabe;
  EXPECT_EQ(tabelle["Nettolohn"][0], "–");
  EXPECT_EQ(tabelle["Nettolohn"][1], "–");
  for (const char* name : {"Netto", "LSt", "KV_AN", "PV_AN", "AGGesamt", "SVSummeAG"}) {
    const std::string titel = VergleichsGroessen()[static_cast<std::size_t>(VergleichsGroesse(name))].Titel;
    for (std::size_t jahr : {1u, 2u, 3u}) {  // 2022 refused, 2024 and 2026 computed
      const std::string j = JsonFeld(objekte[jahr], name);
      const std::string c = zeilen[jahr + 1][spalte(name)];
      const std::string t = tabelle[titel][2 * jahr];
      if (jahr == 1) {
        EXPECT_EQ(j, "?");
        EXPECT_EQ(c, "");
        EXPECT_EQ(t, "–");
        continue;
      }
      EXPECT_EQ(CentAlsText(std::stoll(j)), t) << name;
      EXPECT_EQ(*BetragLesen(c), std::stoll(j) / 100.0) << name;
    }
  }
  // The change from 2024 to 2026 in the text, from the JSON's amounts.
  const std::int64_t d = std::stoll(JsonFeld(objekte[3], "Netto")) - std::stoll(JsonFeld(objekte[2], "Netto"));
  EXPECT_EQ(tabelle["Nettolohn"][5], (d > 0 ? "+" : "") + CentAlsText(d));
  const auto plan = text.Ausgabe.find("\nProgrammablaufplan ");
  ASSERT_NE(plan, std::string::npos);
  const std::string planZeile = text.Ausgabe.substr(plan + 1, text.Ausgabe.find('\n', plan + 1) - plan - 1);
  EXPECT_NE(planZeile.find(" 2024dez "), std::string::npos) << planZeile;
  EXPECT_EQ(planZeile.substr(planZeile.size() - 5), " 2026");
  EXPECT_NE(text.Ausgabe.find("\n2022: --pv-abschlaege"), std::string::npos);
}

// A DM year beside the Euro years: in Euro by default, its slip computed
// in DM from the gross turned into DM; with --dm every year in DM.
TEST(Jahresvergleich, DMJahreInDerAnzeigewaehrung) {
  const TJahresvergleich euro = Vergleich({"--brutto", "3000"}, {"2001", "2002"});
  ASSERT_TRUE(euro.Vollstaendig());
  EXPECT_TRUE(euro.Euro);
  EXPECT_EQ(euro.Jahre[0].Anfrage.Brutto, 586749);
  EXPECT_EQ(euro.Jahre[0].Anzeige.Gesamtbrutto, 300000);
  EXPECT_EQ(euro.Jahre[0].Anzeige.LSt, AnzeigeCent(2001, true, euro.Jahre[0].Ergebnis.LSt));
  const TCliLauf b = CliStarten("berechnen --json --jahr 2001 --brutto 3000");
  EXPECT_EQ(JsonFeld(b.Ausgabe, "Netto"), std::to_string(euro.Jahre[0].Anzeige.Netto));
  EXPECT_EQ(JsonFeld(b.Ausgabe, "AGGesamt"), std::to_string(euro.Jahre[0].Anzeige.AGGesamt));
  // The change of the net wage from 2001 to 2002 in Euro is small: the same
  // money, a year apart.
  const std::int64_t d = *euro.Differenz(0, static_cast<std::size_t>(VergleichsGroesse("Netto")));
  EXPECT_LT(std::abs(d), 1000);

  const TJahresvergleich dm = Vergleich({"--brutto", "5867,49", "--dm"}, {"2001", "2002"});
  ASSERT_TRUE(dm.Vollstaendig()) << dm.Jahre[1].Fehler;
  EXPECT_FALSE(dm.Euro);
  EXPECT_EQ(dm.Jahre[0].Anfrage.Brutto, 586749);
  EXPECT_EQ(dm.Jahre[1].Anfrage.Brutto, 300000);
  EXPECT_EQ(dm.Jahre[1].Anzeige.Gesamtbrutto, 586749);
  EXPECT_EQ(dm.Jahre[1].Anzeige.LSt, AnzeigeCent(2002, false, dm.Jahre[1].Ergebnis.LSt));
  const std::string text = cli::VergleichAlsText(dm);
  EXPECT_NE(text.find("Beträge in DM"), std::string::npos);
  EXPECT_NE(text.find("5.867,49"), std::string::npos);
  // berechnen keeps --dm to the DM years.
  EXPECT_EQ(CliStarten("berechnen --jahr 2002 --dm --brutto 1").Status, 2);
}

// The chart's axis holds both lines with room, in round steps.
TEST(Jahresvergleich, SkalaDerGrafik) {
  for (const auto& optionen : kFaelle) {
    const TJahresvergleich v = Vergleich(optionen, AlleJahre());
    const TVergleichsSkala s = VergleichsSkala(v);
    ASSERT_GT(s.Schritt, 0);
    const double stufen = (s.Oben - s.Unten) / s.Schritt;
    EXPECT_NEAR(stufen, std::round(stufen), 1e-6);
    EXPECT_GE(stufen, 2);
    EXPECT_LE(stufen, 8);
    const double zehner = std::pow(10.0, std::floor(std::log10(s.Schritt)));
    const double f = s.Schritt / zehner;
    EXPECT_TRUE(std::fabs(f - 1) < 1e-9 || std::fabs(f - 2) < 1e-9 || std::fabs(f - 2.5) < 1e-9 ||
                std::fabs(f - 5) < 1e-9)
        << s.Schritt;
    for (const TVergleichsJahr& j : v.Jahre) {
      if (!j.Berechnet()) continue;
      for (std::int64_t c : {j.Anzeige.Netto, j.Anzeige.AGGesamt}) {
        EXPECT_GT(c / 100.0, s.Unten);
        EXPECT_LT(c / 100.0, s.Oben);
      }
    }
  }
  // One flat line of 0 still gets an axis; no figures the default one.
  TJahresvergleich null = Vergleich({"--brutto", "0"}, {"2025", "2026"});
  const TVergleichsSkala n = VergleichsSkala(null);
  EXPECT_EQ(n.Unten, 0);
  EXPECT_GT(n.Oben, 0);
  null.Jahre.clear();
  EXPECT_EQ(VergleichsSkala(null).Oben, TVergleichsSkala{}.Oben);
}
