// The calculation as a value: the same random requests of 1995 to 2026
// through the shared context and through Abrechnen give every figure alike;
// Abrechnen keeps nothing between calls.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "cli/ausgabe.h"
#include "cli/eingabe.h"

using namespace lst;

namespace {

// Random options of every kind, as the command line takes them; many do not
// fit together and are refused alike by both ways.
cli::TEingabe Zufall(std::mt19937& z) {
  const auto w = [&](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
  cli::TEingabe e;
  e.Jahr = 1995 + w(32);
  e.JahrGesetzt = true;
  e.Monat = 1 + w(12);
  if (e.Jahr >= 2022 && w(4) == 0) {
    static const char* const kPlaene[] = {"2022jan", "2023jan", "2025jan", "2023juli", "2024dez"};
    const std::string key = kPlaene[w(5)];
    if (std::stoi(key.substr(0, 4)) == e.Jahr) e.Version = key;
  }
  e.LZZ = static_cast<std::uint8_t>(1 + w(4));
  static const double kFaktor[] = {0, 12, 1, 7.0 / 30, 1.0 / 30};
  const double monat = w(10) == 0 ? w(60000) / 100.0 : 100 + w(1200000) / 100.0;
  e.Brutto = static_cast<double>(static_cast<std::int64_t>(monat * kFaktor[e.LZZ] * 100)) / 100;
  e.STKL = static_cast<std::uint8_t>(1 + w(6));
  if (w(3) == 0) e.ZKF = w(7) * 0.5;
  e.Bekenntnislos = w(3) == 0;
  e.KiStProzent = w(2) == 0 ? 8 : 9;
  if (e.STKL == 4 && w(3) == 0) e.Faktor = (1 + w(1000)) / 1000.0;
  if (w(5) == 0) e.Freibetrag = w(50000) / 100.0;
  if (w(8) == 0) e.Hinzurechnung = w(30000) / 100.0;
  if (w(8) == 0) {
    e.Versorgungsbezug = std::min(e.Brutto, w(200000) / 100.0);
    e.Versorgungsbeginn = 1990 + w(36);
    e.VersorgungMonat = w(200000) / 100.0;
  }
  if (w(8) == 0) e.Altersentlastung = 1990 + w(40);
  e.Region = static_cast<std::uint8_t>(w(2));
  e.Sachsen = e.Region == 0 && w(3) == 0;
  const int art = w(10);
  if (art == 0) e.Minijob = true;
  if (art == 1) e.Haushalt = true;
  if ((e.Minijob || e.Haushalt) && w(2) == 0) e.Aufstockung = true;
  if ((e.Minijob || e.Haushalt) && w(2) == 0) e.PauschProzent = 2;
  if (art == 2) e.BesondereTabelle = true;
  if (art == 3 || (art == 2 && w(2) == 0)) {
    e.PrivatBeitrag = 100 + w(150000) / 100.0;
    e.AGZuschuss = w(2) == 0;
    if (w(3) == 0) e.PrivatBeitragPV = *e.PrivatBeitrag / 5;
    if (e.Jahr >= 2026 && w(3) == 0) e.AGZuschussBetrag = w(40000) / 100.0;
  }
  if (w(6) == 0) e.Gleitzone = true;
  if (e.Gleitzone && w(3) == 0) e.KeineRVReduzierung = true;
  e.OhneKVZuschlag = w(10) == 0;
  e.OhnePVZuschlag = w(10) == 0;
  if (e.Jahr >= 2015 && w(3) == 0) e.KVZusatz = w(500) / 100.0;
  if (e.Jahr >= 2023 && w(3) == 0) e.PVAbschlaege = w(5);
  if (e.Jahr >= 2014 && w(4) == 0) e.U1 = w(400) / 100.0;
  if (e.Jahr >= 2014 && w(4) == 0) e.U2 = w(100) / 100.0;
  if (e.Jahr >= 2014 && w(4) == 0) {
    static const char* const kGruppen[] = {"1111", "3321", "0110", "6100", "6500", "0100", "3111", "1121", "0000", "0111"};
    e.Beitragsgruppe = *BeitragsgruppeLesen(kGruppen[w(10)]);
  }
  if (w(10) == 0) e.Kindergeld = w(60000) / 100.0;
  if (w(6) == 0) e.SonstigeAbzuege = w(20000) / 100.0;
  if (e.Jahr <= 2001) e.DM = w(2) == 0;
  if (e.Jahr == 2013 && w(2) == 0) e.Grundfreibetrag = w(2) == 0 ? 8004 : 8130;
  // Now and then an input that does not fit: both ways must refuse it alike.
  switch (w(40)) {
    case 0: e.Aufstockung = true; break;
    case 1: e.Sachsen = true; break;
    case 2: e.Faktor = 0.9; break;
    case 3: e.Faktor = 0.9; e.STKL = 4; e.Freibetrag = 100; break;
    case 4: e.ZKF = 1; break;
    case 5: e.Kindergeld = 100; break;
    case 6: e.VersorgungMonate = 6; break;
    case 7: e.Sterbegeld = 500; break;
    case 8: e.Versorgungsbezug = e.Brutto + 1; break;
    case 9: e.PrivatBeitragPV = 50; break;
    case 10: e.AGZuschuss = true; break;
    case 11: e.PauschProzent = 2; break;
    case 12: e.BesondereTabelle = true; e.Beitragsgruppe = *BeitragsgruppeLesen("3321"); break;
    case 13: e.Beitragsgruppe = *BeitragsgruppeLesen("1111"); e.Minijob = true; e.Haushalt = false; break;
    case 14: e.AGZuschussBetrag = 100; break;
    case 15: e.KeineRVReduzierung = true; break;
    case 16: e.KVZusatz = 1.5; break;
    case 17: e.PVAbschlaege = 2; break;
    case 18: e.U2 = 0.5; break;
    case 19: e.Beitragsgruppe = *BeitragsgruppeLesen("1112"); break;
    case 20: e.Aufstockung = true; e.Haushalt = true; e.Minijob = false; break;
    case 21: e.DM = true; break;
    default: break;
  }
  return e;
}

// Every figure of the old way, by the names of the new one.
void Vergleichen(const TGesamtErgebnis& alt, const cli::TRechnung& r, const TMonatsErgebnis& neu,
                 const std::string& was) {
  // The old record's amounts in the order of the names.
  std::vector<std::int64_t> werte = {r.LZ.RE4,           alt.LSt.LSt,         alt.LSt.LStPausch,
                                     alt.LSt.Soli,       alt.LSt.SoliPausch,  alt.LSt.BK,
                                     alt.LSt.BKPausch,   alt.LSt.KiSt,        alt.LSt.KiStPausch,
                                     alt.LSt.SteuerSumme, alt.LSt.SteuerSummePausch,
                                     alt.LSt.BruttoNachSteuer, alt.LSt.BruttoPlusPausch};
  for (int art = 0; art < svAnzahl; ++art) {
    werte.push_back(alt.SV.AN(art));
    werte.push_back(alt.SV.AG(art));
  }
  for (std::int64_t w : {alt.SV.SVSummeAN(), alt.SV.SVSummeAG(), alt.Netto, alt.AGGesamt, alt.Auszahlung,
                         alt.AGGesamtPlus, alt.SV.BE, alt.SV.BE_AN, alt.SV.U1_AG, alt.SV.U2_AG, alt.SV.IGU_AG,
                         alt.AGGesamtUmlagen, alt.SV.PKVZuschuss_AG}) {
    werte.push_back(w);
  }
  const auto& namen = cli::ErgebnisNamen();
  const auto& felder = ErgebnisFelder();
  ASSERT_EQ(felder.size(), namen.size());
  // The old record knows the amounts up to the private subsidy; of the
  // pay's parts only the regular wage and the gross wages are there.
  werte.resize(felder.size(), 0);
  for (std::size_t i = 0; i < felder.size(); ++i) {
    const std::string_view name = felder[i].Name;
    if (name == "LaufenderLohn" || name == "SteuerBrutto" || name == "Gesamtbrutto") werte[i] = r.LZ.RE4;
    if (name == "SVBrutto_KV" || name == "SVBrutto_RV") continue;
    ASSERT_STREQ(felder[i].Name, namen[i]);
    EXPECT_EQ(felder[i].Lesen(neu), werte[i]) << was << ": " << namen[i];
  }
  EXPECT_EQ(neu.Kindergeld, r.Zusatz.Kindergeld) << was;
  EXPECT_EQ(neu.SonstigeAbzuege, r.SonstigeAbzuege) << was;
}

std::string Beschreibung(const cli::TEingabe& e) {
  std::string t = std::to_string(e.Jahr) + "/" + std::to_string(e.Monat) + " LZZ " + std::to_string(e.LZZ) +
                  " Brutto " + std::to_string(e.Brutto) + " StKl " + std::to_string(e.STKL);
  if (!e.Version.empty()) t += " PAP " + e.Version;
  if (e.Beitragsgruppe) t += " Gruppe " + e.Beitragsgruppe->Text();
  if (e.Minijob || e.Haushalt) t += e.Minijob ? " Minijob" : " Haushalt";
  if (e.PrivatBeitrag) t += " privat";
  if (e.Einstellungen) t += " Einstellungen";
  return t;
}

TEST(Abrechnen, GleichDerRechnungImKontext) {
  std::mt19937 z(26);
  // A settings file with values of the user's own for some years.
  const std::filesystem::path ordner = std::filesystem::path(::testing::TempDir()) / "abrechnen_gleich";
  std::filesystem::create_directories(ordner);
  const std::filesystem::path datei = ordner / "einstellungen.ini";
  std::ofstream(datei) << "[SV2024]\nNVKVAN=7,5\nKVZusatz=2,1\nU1=1,6\n[BMG2024]\nRVWest=700000\n"
                          "[SV2010]\nNVPVAN=1,1\n[LSt2000]\nSoli=5\n[SV2026]\nU2=0,5\nGFRVAG=14\n"
                          "[LoSt2013]\nGrdFreiB8130=0\n";
  int gerechnet = 0, abgewiesen = 0;
  cli::TEinstellungsSpeicher speicherAlt, speicherNeu;
  // Until 10,000 requests have been computed both ways.
  for (int i = 0; gerechnet < 10000 && i < 30000; ++i) {
    cli::TEingabe e = Zufall(z);
    if (i % 5 == 0 && (e.Jahr == 2024 || e.Jahr == 2010 || e.Jahr == 2000 || e.Jahr == 2026 || e.Jahr == 2013)) {
      e.Einstellungen = true;
      e.Einstellungsdatei = datei.string();
    }
    const std::string was = Beschreibung(e);
    TRechenKontext k;
    cli::TRechnung r;
    const std::string fehlerAlt = cli::Vorbereiten(k, e, r, &speicherAlt);
    TParameter p;
    TAnfrage a;
    const std::string fehlerNeu = cli::Vorbereiten(e, p, a, &speicherNeu);
    ASSERT_EQ(fehlerNeu, fehlerAlt) << was << (e.BesondereTabelle ? " besondere" : "") << (e.AGZuschuss ? " zuschuss" : "");
    if (!fehlerAlt.empty()) {
      ++abgewiesen;
      continue;
    }
    TGesamtErgebnis alt;
    GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
    const TMonatsErgebnis neu = Abrechnen(p, a);
    Vergleichen(alt, r, neu, was);
    EXPECT_EQ(neu.Version, k.VersionFuer(k.LStJahr)) << was;
    if (::testing::Test::HasFailure()) break;
    ++gerechnet;
  }
  EXPECT_EQ(gerechnet, 10000);
  EXPECT_GT(abgewiesen, 1000);
}

// Nothing of one call reaches the next: a calculation repeated after others
// of other years, flowcharts and pay periods gives the same result.
TEST(Abrechnen, NichtsBleibtZwischenZweiAufrufen) {
  std::mt19937 z(4711);
  std::vector<std::pair<TParameter, TAnfrage>> faelle;
  while (faelle.size() < 300) {
    const cli::TEingabe e = Zufall(z);
    TParameter p;
    TAnfrage a;
    if (cli::Vorbereiten(e, p, a).empty()) faelle.emplace_back(p, a);
  }
  std::vector<TMonatsErgebnis> erste;
  for (const auto& [p, a] : faelle) erste.push_back(Abrechnen(p, a));
  std::shuffle(faelle.begin(), faelle.end(), z);
  std::vector<TMonatsErgebnis> zweite;
  for (const auto& [p, a] : faelle) zweite.push_back(Abrechnen(p, a));
  std::mt19937 z2(4711);
  std::vector<std::pair<TParameter, TAnfrage>> wieder;
  while (wieder.size() < 300) {
    const cli::TEingabe e = Zufall(z2);
    TParameter p;
    TAnfrage a;
    if (cli::Vorbereiten(e, p, a).empty()) wieder.emplace_back(p, a);
  }
  for (std::size_t i = 0; i < wieder.size(); ++i) {
    EXPECT_EQ(Abrechnen(wieder[i].first, wieder[i].second), erste[i]) << i;
  }
}

// The tools as functions of the parameters and the request equal the tools
// of the shared context after the same calculation: display amounts, the
// comparison, the table, the income tax, the curve and the net-to-gross
// search.
TEST(Abrechnen, WerkzeugeGleichDenenImKontext) {
  std::mt19937 z(2612);
  int gerechnet = 0;
  while (gerechnet < 300) {
    cli::TEingabe e = Zufall(z);
    TRechenKontext k;
    cli::TRechnung r;
    if (!cli::Vorbereiten(k, e, r).empty()) continue;
    TParameter p;
    TAnfrage a;
    ASSERT_EQ(cli::Vorbereiten(e, p, a), "");
    ++gerechnet;
    const std::string was = Beschreibung(e);
    const bool euro = !e.DM;
    TGesamtErgebnis alt;
    GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
    const TMonatsErgebnis neu = Abrechnen(p, a);
    // Shown amounts.
    const TAnzeigeErgebnis altAnzeige = AnzeigeErgebnis(k, r.LZ.RE4, alt, r.SonstigeAbzuege, r.Zusatz);
    const TMonatsErgebnis neuAnzeige = AnzeigeErgebnis(p, euro, neu);
    EXPECT_EQ(neuAnzeige.Netto, altAnzeige.Ergebnis.Netto) << was;
    EXPECT_EQ(neuAnzeige.AGGesamt, altAnzeige.Ergebnis.AGGesamt) << was;
    EXPECT_EQ(neuAnzeige.LSt, altAnzeige.Ergebnis.LSt.LSt) << was;
    EXPECT_EQ(neuAnzeige.SVSummeAN, altAnzeige.Ergebnis.SV.SVSummeAN()) << was;
    // The income-tax display of the calculation's taxable income.
    const TTarifStand stand = LetzterTarifStand(k);
    if (!a.PauschSatz || !(*a.PauschSatz > 0)) {
      EXPECT_EQ(neu.TarifX, stand.X) << was;
      EXPECT_EQ(neu.KZTAB, stand.KZTAB) << was;
    }
    const std::int64_t einkommen = static_cast<std::int64_t>(std::max(neu.TarifX, 0.0)) + 1234;
    if (EinkommensteuerVorhanden(p)) {
      const TEinkommensteuer est = EinkommensteuerJahr(p, a, a.STKL, 1, einkommen);
      // The old way after the calculation, as the display runs it.
      GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
      const TEinkommensteuer estAlt = EinkommensteuerJahr(k, a.STKL, 1, einkommen, r.LSt.KiStSatz);
      EXPECT_EQ(est.Steuer, estAlt.Steuer) << was;
      EXPECT_EQ(est.Ergebnis.Soli, estAlt.Ergebnis.Soli) << was;
      EXPECT_EQ(est.Ergebnis.KiSt, estAlt.Ergebnis.KiSt) << was;
    }
    // The comparison.
    TVergleichEingabe v;
    v.AN = {a.Brutto, 0, 0, a.ZKF, false};
    v.EG = {a.Brutto / 2 + 1000, 0, 0, 0, gerechnet % 5 == 0};
    v.LZZ = a.LZZ;
    v.Region = a.Region;
    v.Bekenntnislos = a.Bekenntnislos;
    const TVergleichErgebnis vNeu = SteuerklassenVergleichen(p, a, v);
    const TVergleichErgebnis vAlt = SteuerklassenVergleichen(k, v, r.LZ, r.LSt, r.SV);
    EXPECT_EQ(vNeu.AN3, vAlt.AN3) << was;
    EXPECT_EQ(vNeu.AN5, vAlt.AN5) << was;
    EXPECT_EQ(vNeu.EG3, vAlt.EG3) << was;
    EXPECT_EQ(vNeu.EG4, vAlt.EG4) << was;
    // The table's first rows.
    if (gerechnet % 3 == 0) {
      GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
      TLohnZeitraum lz = r.LZ;
      const auto tAlt = LohnsteuerTabelle(k, lz, r.LSt, r.SV, r.LZ.RE4, 12);
      const auto tNeu = LohnsteuerTabelle(p, a, euro, 12);
      ASSERT_EQ(tNeu.size(), tAlt.size());
      for (std::size_t i = 0; i < tNeu.size(); ++i) {
        EXPECT_EQ(tNeu[i].UG, tAlt[i].UG) << was << " Zeile " << i;
        EXPECT_EQ(tNeu[i].OG, tAlt[i].OG) << was << " Zeile " << i;
        EXPECT_EQ(tNeu[i].LSt, tAlt[i].LSt) << was << " Zeile " << i;
        EXPECT_EQ(tNeu[i].KiSt, tAlt[i].KiSt) << was << " Zeile " << i;
        EXPECT_EQ(tNeu[i].Soli, tAlt[i].Soli) << was << " Zeile " << i;
      }
    }
    // The net-to-gross search for the net wage of the slip.
    if (gerechnet % 4 == 0 && neuAnzeige.Netto > 0) {
      TLohnZeitraum lz = r.LZ;
      TGesamtErgebnis gefunden;
      k.EuroAnzeige = euro;
      try {
        const TWunschErgebnis wAlt = WunschBruttoSuchen(k, k.LStJahr, lz, r.LSt, gefunden, neuAnzeige.Netto, true,
                                                        r.Zusatz, r.SonstigeAbzuege, r.SV);
        TMonatsErgebnis m;
        const TWunschErgebnis wNeu = WunschBruttoSuchen(p, a, euro, neuAnzeige.Netto, true, &m);
        EXPECT_EQ(wNeu.Brutto, wAlt.Brutto) << was;
        EXPECT_EQ(wNeu.Genau, wAlt.Genau) << was;
        EXPECT_EQ(m.Netto, gefunden.Netto) << was;
      } catch (const TLStFehler&) {
        EXPECT_THROW(WunschBruttoSuchen(p, a, euro, neuAnzeige.Netto, true), TLStFehler) << was;
      }
    }
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
