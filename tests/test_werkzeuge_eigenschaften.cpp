// The tools against the single calculation, over random inputs of every
// year: a table row is the calculation of its top, a column of the
// comparison is the calculation of that person, the net-to-gross search
// answers "not met" only where no gross nearby meets the wish, and the
// shown lines add up to the shown sums in either display currency.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "geld/zahlen.h"

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "cli/eingabe.h"
#include "cli_lauf.h"

using namespace lst;

namespace {

// A single calculation with the inputs as the command line takes them:
// parameters, request, slip and display currency.
struct Einzel {
  TParameter p;
  TAnfrage a;
  TMonatsErgebnis erg;
  bool euro = true;
  std::string Fehler;
  explicit Einzel(const cli::TEingabe& e) {
    Fehler = cli::Vorbereiten(e, p, a);
    if (!Fehler.empty()) return;
    euro = !e.DM;
    erg = Abrechnen(p, a);
  }
  // The shown wage tax, church tax and surcharge.
  std::array<std::int64_t, 3> Steuern() const {
    return {AnzeigeCent(p.Jahr, euro, erg.LSt), AnzeigeCent(p.Jahr, euro, erg.KiSt),
            AnzeigeCent(p.Jahr, euro, erg.Soli)};
  }
};

// Random inputs of a year: pay period, wage, class, children, church,
// region, allowance, addition, pension, age relief, private insurance,
// special table, surcharge status; amounts in the display currency.
cli::TEingabe Zufall(std::mt19937& z, int jahr, bool mitVersorgung = true) {
  auto wuerfel = [&](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
  cli::TEingabe e;
  e.Jahr = jahr;
  e.JahrGesetzt = true;
  e.DM = jahr <= 2001 ? wuerfel(2) == 0 : wuerfel(8) == 0;
  e.LZZ = static_cast<std::uint8_t>(1 + wuerfel(4));
  static const double kFaktor[] = {0, 12, 1, 7.0 / 30, 1.0 / 30};
  const double monat = 600 + wuerfel(700000) / 100.0;
  e.Brutto = static_cast<double>(static_cast<std::int64_t>(monat * kFaktor[e.LZZ] * 100)) / 100;
  e.STKL = static_cast<std::uint8_t>(1 + wuerfel(6));
  if (e.STKL <= 4 && wuerfel(3) == 0) e.ZKF = 0.5 * (1 + wuerfel(4));
  e.KiStProzent = wuerfel(2) ? 8 : 9;
  e.Bekenntnislos = wuerfel(4) == 0;
  e.Region = static_cast<std::uint8_t>(wuerfel(2));
  const double zeitraum = e.Brutto;
  if (wuerfel(5) == 0) e.Freibetrag = static_cast<double>(static_cast<std::int64_t>(zeitraum * 0.1 * 100)) / 100;
  if (wuerfel(6) == 0) e.Hinzurechnung = static_cast<double>(static_cast<std::int64_t>(zeitraum * 0.2 * 100)) / 100;
  if (mitVersorgung && wuerfel(6) == 0) {
    e.Versorgungsbezug = static_cast<double>(static_cast<std::int64_t>(zeitraum * 0.3 * 100)) / 100;
  }
  if (wuerfel(6) == 0) e.Altersentlastung = jahr - 1;
  const int art = wuerfel(8);
  if (art == 0) e.PrivatBeitrag = 300 + wuerfel(400);
  if (art == 1) e.BesondereTabelle = true;
  if (wuerfel(6) == 0) e.OhnePVZuschlag = true;
  return e;
}

}  // namespace

TEST(WerkzeugEigenschaften, JedeTabellenzeileIstDieEinzelrechnungIhrerObergrenze) {
  std::mt19937 z(1995);
  int geprueft = 0;
  for (int jahr = 1995; jahr <= 2026; ++jahr) {
    for (int fall = 0; fall < 6; ++fall) {
      const cli::TEingabe e = Zufall(z, jahr, false);
      Einzel s(e);
      if (!s.Fehler.empty()) continue;
      const std::int64_t lohn = InCent(jahr, s.euro, e.Brutto);
      ASSERT_EQ(s.a.Brutto, lohn);
      const auto zeilen = LohnsteuerTabelle(s.p, s.a, s.euro, 12);
      ASSERT_EQ(zeilen.size(), 12u);
      const std::int64_t angezeigt = AnzeigeCent(jahr, s.euro, lohn);
      const std::int64_t start = angezeigt <= 100000 ? 0 : angezeigt - 100000;
      TLStTabellenZeile vorige;
      for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const TLStTabellenZeile a = AnzeigeZeile(jahr, s.euro, zeilen[i]);
        const std::string wo = std::to_string(jahr) + " LZZ " + std::to_string(e.LZZ) + " StKl " +
                               std::to_string(e.STKL) + (e.DM ? " DM" : "") + " Zeile " + std::to_string(i);
        if (i == 0) {
          EXPECT_LE(a.UG, start) << wo;
          EXPECT_GE(a.OG, start) << wo;
        } else {
          EXPECT_EQ(a.UG, vorige.OG + 1) << wo;
        }
        EXPECT_LE(a.UG, a.OG) << wo;
        // The calculation a user runs with the shown top and the same options.
        cli::TEingabe oben = e;
        oben.Brutto = static_cast<double>(a.OG) / 100;
        Einzel einzel(oben);
        ASSERT_EQ(einzel.Fehler, "") << wo;
        const auto steuern = einzel.Steuern();
        EXPECT_EQ(a.LSt, steuern[0]) << wo;
        EXPECT_EQ(a.KiSt, steuern[1]) << wo;
        EXPECT_EQ(a.Soli, steuern[2]) << wo;
        vorige = a;
        ++geprueft;
      }
    }
  }
  EXPECT_GT(geprueft, 1500);
}

TEST(WerkzeugEigenschaften, JedeVergleichsspalteIstDieEinzelrechnungDerPerson) {
  std::mt19937 z(2013);
  auto wuerfel = [&](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
  int geprueft = 0;
  for (int jahr = 1995; jahr <= 2026; ++jahr) {
    for (int fall = 0; fall < 5; ++fall) {
      cli::TEingabe e = Zufall(z, jahr);
      e.STKL = 4;  // the employee's calculation in a class of the comparison
      Einzel s(e);
      if (!s.Fehler.empty()) continue;
      // The spouse's own fields, typed in the display currency.
      cli::TEingabe eg;
      eg.Jahr = jahr;
      eg.JahrGesetzt = true;
      eg.DM = e.DM;
      eg.LZZ = e.LZZ;
      eg.Region = e.Region;
      eg.Bekenntnislos = e.Bekenntnislos;
      eg.KiStProzent = e.KiStProzent;
      eg.Altersentlastung = e.Altersentlastung;
      eg.Brutto = static_cast<double>(static_cast<std::int64_t>(e.Brutto * (wuerfel(150) / 100.0) * 100)) / 100;
      if (wuerfel(3) == 0) eg.Freibetrag = static_cast<double>(static_cast<std::int64_t>(eg.Brutto * 10)) / 100;
      if (wuerfel(4) == 0) eg.Versorgungsbezug = static_cast<double>(static_cast<std::int64_t>(eg.Brutto * 25)) / 100;
      if (wuerfel(3) == 0) eg.ZKF = 0.5 * (1 + wuerfel(3));
      eg.BesondereTabelle = wuerfel(5) == 0;

      TVergleichEingabe v;
      v.LZZ = e.LZZ;
      const TDatensaetze d = Aufbereiten(s.p, s.a);
      v.Altersentlastung = d.LSt.ALTER1;
      v.Bekenntnislos = d.LSt.Bekenntnislos;
      v.Region = e.Region;
      v.AN = {d.LZ.RE4, d.LSt.Freibetrag, d.LSt.VBEZ, e.ZKF, e.BesondereTabelle};
      const auto cent = [&](double betrag) { return InCent(jahr, s.euro, betrag); };
      v.EG = {cent(eg.Brutto), cent(eg.Freibetrag), cent(eg.Versorgungsbezug), eg.ZKF, eg.BesondereTabelle};
      const TVergleichErgebnis erg = SteuerklassenVergleichen(s.p, s.a, v);
      const std::int64_t an[] = {erg.AN3, erg.AN4, erg.AN5};
      const std::int64_t ehe[] = {erg.EG3, erg.EG4, erg.EG5};
      for (int klasse = 3; klasse <= 5; ++klasse) {
        const std::string wo = std::to_string(jahr) + " LZZ " + std::to_string(e.LZZ) + " Klasse " +
                               std::to_string(klasse) + (e.DM ? " DM" : "");
        cli::TEingabe a = e;
        a.STKL = static_cast<std::uint8_t>(klasse);
        // Class V takes no child allowances; a parent pays no surcharge of the childless.
        const auto klasseV = [](cli::TEingabe& p) {
          if (p.STKL < 5 || p.ZKF == 0) return;
          p.ZKF = 0;
          p.OhnePVZuschlag = true;
        };
        klasseV(a);
        Einzel ea(a);
        ASSERT_EQ(ea.Fehler, "") << wo;
        EXPECT_EQ(an[klasse - 3], ea.erg.LSt) << wo;
        cli::TEingabe b = eg;
        b.STKL = static_cast<std::uint8_t>(klasse);
        klasseV(b);
        Einzel eb(b);
        ASSERT_EQ(eb.Fehler, "") << wo;
        EXPECT_EQ(ehe[klasse - 3], eb.erg.LSt) << wo;
        ++geprueft;
      }
    }
  }
  EXPECT_GT(geprueft, 300);
}

TEST(WerkzeugEigenschaften, AngezeigteZeilenErgebenDieAngezeigtenSummen) {
  std::mt19937 z(2001);
  int umgerechnet = 0;
  for (int jahr = 1995; jahr <= 2026; ++jahr) {
    for (int fall = 0; fall < 12; ++fall) {
      cli::TEingabe e = Zufall(z, jahr);
      if (z() % 3 == 0) e.SonstigeAbzuege = 12.34;
      if (jahr <= 2013 && e.ZKF > 0) e.Kindergeld = 154.5;
      Einzel s(e);
      if (!s.Fehler.empty()) continue;
      const std::string wo = std::to_string(jahr) + (e.DM ? " DM" : " EUR");
      umgerechnet += AnzeigeUmgerechnet(jahr, s.euro);
      const auto einzeln = [&](std::int64_t cent) { return Runden(AnzeigeWert(jahr, s.euro, cent) * 100); };
      const TMonatsErgebnis g = AnzeigeErgebnis(s.p, s.euro, s.erg);
      if (cli::NurSteuer(jahr)) {
        EXPECT_EQ(g.LSt, einzeln(s.erg.LSt)) << wo;
        EXPECT_EQ(g.SteuerSumme, g.LSt + g.KiSt + g.Soli) << wo;
        EXPECT_EQ(g.BruttoNachSteuer, g.RE4 - g.SteuerSumme) << wo;
        continue;
      }
      // Each line is its own amount converted once.
      EXPECT_EQ(g.RE4, einzeln(s.erg.RE4)) << wo;
      EXPECT_EQ(g.LSt, einzeln(s.erg.LSt)) << wo;
      EXPECT_EQ(g.KiSt, einzeln(s.erg.KiSt)) << wo;
      EXPECT_EQ(g.Soli, einzeln(s.erg.Soli)) << wo;
      EXPECT_EQ(g.LStPausch, einzeln(s.erg.LStPausch)) << wo;
      std::int64_t an = 0, ag = 0;
      for (int art : {svKV, svPV, svRV, svAV, svKV2, svPV2}) {
        const TBeitrag& gezeigt = g.Beitrag(static_cast<TSVArt>(art));
        const TBeitrag& gerechnet = s.erg.Beitrag(static_cast<TSVArt>(art));
        EXPECT_EQ(gezeigt.AN, einzeln(gerechnet.AN)) << wo << " " << art;
        EXPECT_EQ(gezeigt.AG, einzeln(gerechnet.AG)) << wo << " " << art;
        an += gezeigt.AN;
        ag += gezeigt.AG;
      }
      // The sums are those of the shown lines.
      EXPECT_EQ(g.SteuerSumme, g.LSt + g.KiSt + g.Soli) << wo;
      EXPECT_EQ(g.SteuerSummePausch, g.LStPausch + g.KiStPausch + g.SoliPausch) << wo;
      EXPECT_EQ(g.BruttoNachSteuer, g.RE4 - g.SteuerSumme) << wo;
      EXPECT_EQ(g.BruttoPlusPausch, g.RE4 + g.SteuerSummePausch) << wo;
      EXPECT_EQ(g.SVSummeAN, an) << wo;
      EXPECT_EQ(g.SVSummeAG, ag) << wo;
      EXPECT_EQ(g.Netto, g.BruttoNachSteuer - an - g.SonstigeAbzuege) << wo;
      EXPECT_EQ(g.AGGesamt, g.BruttoPlusPausch + ag) << wo;
      EXPECT_EQ(g.Auszahlung, g.Netto + g.Kindergeld) << wo;
      // The graph shows the net of the result panel.
      EXPECT_DOUBLE_EQ(Kurvenwert(s.p, s.a, s.euro, true, static_cast<double>(g.RE4) / 100),
                       static_cast<double>(g.Netto) / 100)
          << wo;
      // Without conversion the shown amounts are the calculated ones.
      if (!AnzeigeUmgerechnet(jahr, s.euro)) {
        EXPECT_EQ(g.Netto, s.erg.Netto) << wo;
        EXPECT_EQ(g.AGGesamt, s.erg.AGGesamt) << wo;
      }
    }
  }
  EXPECT_GT(umgerechnet, 40);
}

// Every "not met" of the search is true: no gross the user can type within
// the searched neighbourhood, and as far again on either side, meets the
// wish; every "met" is met by the shown amount of a calculation with the
// gross found.
TEST(WerkzeugEigenschaften, WunschNichtGetroffenNurWennKeinBruttoInDerNaeheTrifft) {
  std::mt19937 z(891);
  int nichtGetroffen = 0, faelle = 0;
  for (int jahr = 1995; jahr <= 2013; ++jahr) {
    for (int fall = 0; fall < 24; ++fall) {
      cli::TEingabe e = Zufall(z, jahr, false);
      e.BruttoGesucht = true;
      const bool an = z() % 4 != 0;
      Einzel s(e);
      if (!s.Fehler.empty()) continue;
      const std::int64_t wunsch = 20000 + static_cast<std::int64_t>(z() % 300000) * (e.LZZ == 1 ? 12 : 1);
      TWunschErgebnis t;
      try {
        t = WunschBruttoSuchen(s.p, s.a, s.euro, wunsch, an);
      } catch (const TLStFehler&) {
        continue;
      }
      ++faelle;
      const std::string wo = std::to_string(jahr) + " LZZ " + std::to_string(e.LZZ) + (e.DM ? " DM" : " EUR") +
                             " Wunsch " + std::to_string(wunsch);
      // The gross found, typed as shown, gives the amount the search reports.
      cli::TEingabe getippt = e;
      getippt.Brutto = static_cast<double>(t.BruttoAngezeigt) / 100;
      getippt.BruttoGesucht = false;
      Einzel g(getippt);
      ASSERT_EQ(g.Fehler, "") << wo;
      const TMonatsErgebnis a = AnzeigeErgebnis(g.p, g.euro, g.erg);
      EXPECT_EQ(g.a.Brutto, t.Brutto) << wo;
      EXPECT_EQ(an ? a.Netto : a.AGGesamt, t.Wert) << wo;
      EXPECT_EQ(t.Genau, t.Wert == wunsch) << wo;
      if (t.Genau) continue;
      ++nichtGetroffen;
      EXPECT_LE(t.UmgebungVon, t.BruttoAngezeigt) << wo;
      EXPECT_GE(t.UmgebungBis, t.BruttoAngezeigt) << wo;
      // Beyond the neighbourhood where the search steps through the shown
      // cents; shown in DM, a Euro year steps through its own cents, whose
      // amounts take every second DM cent only.
      const bool dmFuerEuroJahr = !s.euro && jahr > 2001;
      const std::int64_t breite = dmFuerEuroJahr ? 0 : 2 * (t.UmgebungBis - t.UmgebungVon);
      for (std::int64_t x = std::max<std::int64_t>(t.UmgebungVon - breite, 0); x <= t.UmgebungBis + breite; ++x) {
        TAnfrage l = s.a;
        l.Brutto = AusAnzeigeCent(jahr, s.euro, x);
        const TMonatsErgebnis b = AnzeigeErgebnis(s.p, s.euro, Abrechnen(s.p, l));
        if (AnzeigeCent(jahr, s.euro, l.Brutto) != x) continue;  // not a gross the user can type
        ASSERT_NE(an ? b.Netto : b.AGGesamt, wunsch)
            << wo << " Brutto " << x << " gefunden " << t.BruttoAngezeigt << " Umgebung " << t.UmgebungVon
            << ".." << t.UmgebungBis << (an ? " Netto" : " Lohnkosten");
      }
    }
  }
  EXPECT_GT(faelle, 200);
  std::printf("%d von %d Wünschen nicht auf den Cent getroffen\n", nichtGetroffen, faelle);
}

// --- The faults as a user met them on the command line ------------------------

namespace {

std::int64_t Feld(const std::string& json, const std::string& name) {
  const std::string wert = JsonFeld(json, name);
  return wert == "?" ? -1 : std::stoll(wert);
}

}  // namespace

TEST(WerkzeugFehler, TabelleDerJahre1995Bis2003NachLohnzahlungszeitraum) {
  // 2002, a month of 3000: the first row is the bracket that holds 2000.00,
  // taxed like a single calculation of its top.
  const TCliLauf t = CliStarten("tabelle --jahr 2002 --brutto 3000", "", false);
  ASSERT_EQ(t.Status, 0) << t.Fehler;
  EXPECT_EQ(t.Ausgabe.substr(0, t.Ausgabe.find('\r')), "1.998,00\t2.000,99\t292,41\t23,39\t16,08");
  const TCliLauf b = CliStarten("berechnen --jahr 2002 --brutto 2000,99 --json", "", false);
  EXPECT_EQ(Feld(b.Ausgabe, "LSt"), 29241);
  // A week of 1999 in Euro: the row's top, typed, gives the row's taxes.
  const TCliLauf w = CliStarten("tabelle --jahr 1999 --zeitraum woche --brutto 1500 --json", "", false);
  ASSERT_EQ(w.Status, 0) << w.Fehler;
  const std::string erste = w.Ausgabe.substr(w.Ausgabe.find('{'), w.Ausgabe.find('}') - w.Ausgabe.find('{') + 1);
  const std::int64_t og = Feld(erste, "OG");
  EXPECT_LE(Feld(erste, "UG"), 50000);
  EXPECT_GE(og, 50000);
  char brutto[32];
  std::snprintf(brutto, sizeof brutto, "%lld,%02lld", static_cast<long long>(og / 100), static_cast<long long>(og % 100));
  const TCliLauf e = CliStarten(std::string("berechnen --jahr 1999 --zeitraum woche --json --brutto ") + brutto, "", false);
  EXPECT_EQ(Feld(e.Ausgabe, "LSt"), Feld(erste, "LSt"));
  EXPECT_EQ(Feld(e.Ausgabe, "Soli"), Feld(erste, "Soli"));
}

TEST(WerkzeugFehler, TabelleMitPflegezuschlagDerKinderlosen) {
  // 2013, a year of 36000 without church: the surcharge of the childless
  // raises the provision allowance of a single calculation; the row too.
  const TCliLauf t = CliStarten("tabelle --jahr 2013 --zeitraum jahr --brutto 36000 --bekenntnislos --json", "", false);
  ASSERT_EQ(t.Status, 0) << t.Fehler;
  EXPECT_EQ(Feld(t.Ausgabe, "UG"), 3499200);
  EXPECT_EQ(Feld(t.Ausgabe, "OG"), 3502799);
  const TCliLauf b = CliStarten("berechnen --jahr 2013 --zeitraum jahr --brutto 35027,99 --bekenntnislos --json", "", false);
  EXPECT_EQ(Feld(t.Ausgabe, "LSt"), Feld(b.Ausgabe, "LSt"));
  EXPECT_EQ(Feld(t.Ausgabe, "Soli"), Feld(b.Ausgabe, "Soli"));
  const TCliLauf ohne = CliStarten("berechnen --jahr 2013 --zeitraum jahr --brutto 35027,99 --bekenntnislos "
                                   "--ohne-pv-zuschlag --json", "", false);
  EXPECT_GT(Feld(ohne.Ausgabe, "LSt"), Feld(b.Ausgabe, "LSt"));
}

TEST(WerkzeugFehler, VergleichGibtDemEhegattenNurSeineEingaben) {
  const TCliLauf allein = CliStarten("berechnen --jahr 2013 --brutto 1800 --steuerklasse 5 --json", "", false);
  const std::int64_t eg5 = Feld(allein.Ausgabe, "LSt");
  EXPECT_EQ(eg5, 37700);
  for (const char* option : {"", "--hinzurechnung 1000", "--privat 600", "--kinderfreibetraege 2",
                             "--versorgungsbezug 500 --versorgungsbeginn 2010", "--ohne-pv-zuschlag",
                             "--steuerklasse 2", "--faktor 0,9 --steuerklasse 4"}) {
    const TCliLauf v = CliStarten(std::string("vergleich --jahr 2013 3500 1800 --json ") + option, "", false);
    ASSERT_EQ(v.Status, 0) << option << v.Fehler;
    EXPECT_EQ(Feld(v.Ausgabe, "EG_5"), eg5) << option;
  }
  // The spouse's own fields do count, like the same options of a calculation.
  const TCliLauf eigene = CliStarten("vergleich --jahr 2013 3500 1800 --json --eg-freibetrag 200 --eg-kinderfreibetraege 1 "
                                     "--eg-versicherungsfrei", "", false);
  const TCliLauf einzeln = CliStarten("berechnen --jahr 2013 --brutto 1800 --steuerklasse 4 --freibetrag 200 "
                                      "--kinderfreibetraege 1 --besondere-tabelle --json", "", false);
  EXPECT_EQ(Feld(eigene.Ausgabe, "EG_4"), Feld(einzeln.Ausgabe, "LSt"));
  // The employee's column is the employee's calculation in each class.
  const TCliLauf an = CliStarten("vergleich --jahr 2013 3500 1800 --json --hinzurechnung 1000", "", false);
  const TCliLauf an3 = CliStarten("berechnen --jahr 2013 --brutto 3500 --steuerklasse 3 --hinzurechnung 1000 --json", "", false);
  EXPECT_EQ(Feld(an.Ausgabe, "AN_3"), Feld(an3.Ausgabe, "LSt"));
}

TEST(WerkzeugFehler, WunschnettoSuchtDieNaeheDesSprungsAb) {
  for (const char* fall : {"891,72 --jahr 2012 --region ost", "1135,78 --jahr 2013 --steuerklasse 6"}) {
    const TCliLauf w = CliStarten(std::string("wunschnetto --json ") + fall, "", false);
    ASSERT_EQ(w.Status, 0) << fall << w.Fehler;
    EXPECT_EQ(JsonFeld(w.Ausgabe, "Genau"), "true") << fall;
    EXPECT_EQ(Feld(w.Ausgabe, "Netto"), Feld(w.Ausgabe, "Wunsch")) << fall;
  }
  const TCliLauf text = CliStarten("wunschnetto 891,72 --jahr 2012 --region ost", "", false);
  EXPECT_NE(text.Ausgabe.find("Der Nettolohn trifft den Wunsch auf den Cent."), std::string::npos) << text.Ausgabe;
}

TEST(WerkzeugFehler, DMJahreInEuroAngezeigt) {
  // The contribution lines of 1999 add up to the shown total.
  const TCliLauf b = CliStarten("berechnen --jahr 1999 --brutto 3000 --json", "", false);
  ASSERT_EQ(b.Status, 0) << b.Fehler;
  std::int64_t an = 0;
  for (const char* art : {"KV_AN", "PV_AN", "RV_AN", "AV_AN", "KV2_AN", "PV2_AN"}) an += Feld(b.Ausgabe, art);
  EXPECT_EQ(an, 63300);
  EXPECT_EQ(Feld(b.Ausgabe, "SVSummeAN"), an);
  EXPECT_EQ(Feld(b.Ausgabe, "Netto"), Feld(b.Ausgabe, "BruttoNachSteuer") - an);
  const TCliLauf text = CliStarten("berechnen --jahr 1999 --brutto 3000", "", false);
  EXPECT_NE(text.Ausgabe.find("633,00 EUR"), std::string::npos) << text.Ausgabe;
  EXPECT_EQ(text.Ausgabe.find("632,99"), std::string::npos) << text.Ausgabe;
  // The search's "to the cent" is the shown net.
  const TCliLauf w = CliStarten("wunschnetto 2000 --jahr 1999 --json", "", false);
  ASSERT_EQ(w.Status, 0) << w.Fehler;
  EXPECT_EQ(Feld(w.Ausgabe, "Netto"), 200000);
  EXPECT_EQ(JsonFeld(w.Ausgabe, "Genau"), "true");
  // The tools show Euro in text and JSON alike.
  const TCliLauf est = CliStarten("einkommensteuer 30000 --jahr 1999 --json", "", false);
  const TCliLauf estText = CliStarten("einkommensteuer 30000 --jahr 1999", "", false);
  EXPECT_EQ(JsonFeld(est.Ausgabe, "Waehrung"), "\"EUR\"");
  EXPECT_LE(std::abs(Feld(est.Ausgabe, "zvE") - 3000000), 52);  // whole DM
  EXPECT_EQ(Feld(est.Ausgabe, "SteuerSumme"), Feld(est.Ausgabe, "ESt") + Feld(est.Ausgabe, "Soli") + Feld(est.Ausgabe, "KiSt"));
  EXPECT_NE(estText.Ausgabe.find(CentAlsText(Feld(est.Ausgabe, "ESt")) + " EUR"), std::string::npos) << estText.Ausgabe;
  const TCliLauf v = CliStarten("vergleich 3000 1500 --jahr 1999 --json", "", false);
  const TCliLauf vText = CliStarten("vergleich 3000 1500 --jahr 1999", "", false);
  EXPECT_EQ(Feld(v.Ausgabe, "Summe_35"), Feld(v.Ausgabe, "AN_3") + Feld(v.Ausgabe, "EG_5"));
  EXPECT_NE(vText.Ausgabe.find(CentAlsText(Feld(v.Ausgabe, "AN_3")) + " EUR"), std::string::npos) << vText.Ausgabe;
  const TCliLauf t = CliStarten("tabelle --jahr 1999 --brutto 3000 --json", "", false);
  const TCliLauf tText = CliStarten("tabelle --jahr 1999 --brutto 3000", "", false);
  EXPECT_EQ(tText.Ausgabe.substr(0, tText.Ausgabe.find('\t')), CentAlsText(Feld(t.Ausgabe, "UG")));
  EXPECT_LE(Feld(t.Ausgabe, "UG"), 200000);
  EXPECT_GE(Feld(t.Ausgabe, "OG"), 200000);
  // The income-tax table in Euro: incomes with cents, rows adjacent.
  const TCliLauf e = CliStarten("est-tabelle --jahr 1999 --brutto 3000 --json", "", false);
  ASSERT_EQ(e.Status, 0) << e.Fehler;
  const std::size_t zweite = e.Ausgabe.find("},\n{") + 3;
  EXPECT_EQ(Feld(e.Ausgabe.substr(zweite), "EinkVon"), Feld(e.Ausgabe, "EinkBis") + 1);
  const TCliLauf eText = CliStarten("est-tabelle --jahr 1999 --brutto 3000", "", false);
  EXPECT_EQ(eText.Ausgabe.substr(0, eText.Ausgabe.find('\t')), CentAlsText(Feld(e.Ausgabe, "EinkVon")));
}
