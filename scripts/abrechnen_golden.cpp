// Writes tests/data/abrechnen_golden.csv: what the calculation through the
// shared context (TRechenKontext, the command line's old Vorbereiten,
// GesamtBerechnen and the tools' context overloads) computes for the random
// requests of tests/test_abrechnen.cpp, so that the calculation through
// Abrechnen stays held to it once the context is gone.  The format is
// described in tests/data/README.md.
//
// Built by hand against a build of the tree of its commit (the context no
// longer exists after it):
//   g++ -std=c++20 -O2 -ffp-contract=off -fno-fast-math -Isrc scripts/abrechnen_golden.cpp
//       build/liblohnsteuer_cli_lib.a build/liblohnsteuer_core.a -o /tmp/abrechnen_golden
//   /tmp/abrechnen_golden > tests/data/abrechnen_golden.csv
// It also computes each figure through Abrechnen and the tools of the
// parameters and the request, and counts on stderr where the two differ.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "cli/ausgabe.h"
#include "cli/eingabe.h"

using namespace lst;

namespace {

// ---- the random requests of tests/test_abrechnen.cpp ---------------------------

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

// ---- the request as text ----------------------------------------------------------

std::string Zahl(double d) {
  char puffer[64];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, d);
  return std::string(puffer, r.ptr);
}

// The options as the columns of a row, by the command line's names: empty
// where the option is not given (TEingabe{}), 1 for a flag, the pay period
// as 1 to 4 and the region as 0 or 1.
constexpr const char* kEingabeSpalten =
    "jahr,monat,pap,zeitraum,brutto,steuerklasse,kinderfreibetraege,kirchensteuer,bekenntnislos,faktor,"
    "freibetrag,hinzurechnung,versorgungsbezug,versorgungsbezug-monat,versorgungsbezug-sonder,"
    "versorgungsmonate,versorgungsbeginn,sterbegeld,altersentlastung,besondere-tabelle,region,sachsen,"
    "minijob,haushalt,aufstockung,pauschsteuer,gleitzone,keine-rv-reduzierung,privat,privat-pv,"
    "beitragsgruppe,ag-zuschuss,ag-zuschuss-betrag,ohne-kv-zuschlag,ohne-pv-zuschlag,kv-zusatzbeitrag,"
    "pv-abschlaege,u1,u2,sonstige-abzuege,kindergeld,grundfreibetrag,dm,einstellungen";

std::string EingabeText(const cli::TEingabe& e) {
  const cli::TEingabe v;
  std::vector<std::string> t;
  const auto zahl = [&](double w, double vorgabe) { t.push_back(w != vorgabe ? Zahl(w) : std::string()); };
  const auto opt = [&](const std::optional<double>& w) { t.push_back(w ? Zahl(*w) : std::string()); };
  const auto flag = [&](bool w) { t.push_back(w ? "1" : ""); };
  if (!e.JahrGesetzt || e.Arbeitgeber || e.BruttoGesucht || (e.Einstellungen != !e.Einstellungsdatei.empty())) {
    std::cerr << "unerwartete Eingabe\n";
    std::exit(1);
  }
  t.push_back(std::to_string(e.Jahr));
  zahl(e.Monat, v.Monat);
  t.push_back(e.Version);
  zahl(e.LZZ, v.LZZ);
  zahl(e.Brutto, v.Brutto);
  zahl(e.STKL, v.STKL);
  zahl(e.ZKF, v.ZKF);
  zahl(e.KiStProzent, v.KiStProzent);
  flag(e.Bekenntnislos);
  opt(e.Faktor);
  zahl(e.Freibetrag, v.Freibetrag);
  zahl(e.Hinzurechnung, v.Hinzurechnung);
  zahl(e.Versorgungsbezug, v.Versorgungsbezug);
  zahl(e.VersorgungMonat, v.VersorgungMonat);
  zahl(e.VersorgungSonder, v.VersorgungSonder);
  zahl(e.VersorgungMonate, v.VersorgungMonate);
  zahl(e.Versorgungsbeginn, v.Versorgungsbeginn);
  zahl(e.Sterbegeld, v.Sterbegeld);
  t.push_back(e.Altersentlastung ? std::to_string(*e.Altersentlastung) : std::string());
  flag(e.BesondereTabelle);
  zahl(e.Region, v.Region);
  flag(e.Sachsen);
  flag(e.Minijob);
  flag(e.Haushalt);
  flag(e.Aufstockung);
  opt(e.PauschProzent);
  flag(e.Gleitzone);
  flag(e.KeineRVReduzierung);
  opt(e.PrivatBeitrag);
  opt(e.PrivatBeitragPV);
  t.push_back(e.Beitragsgruppe ? e.Beitragsgruppe->Text() : std::string());
  flag(e.AGZuschuss);
  opt(e.AGZuschussBetrag);
  flag(e.OhneKVZuschlag);
  flag(e.OhnePVZuschlag);
  opt(e.KVZusatz);
  zahl(e.PVAbschlaege, v.PVAbschlaege);
  opt(e.U1);
  opt(e.U2);
  zahl(e.SonstigeAbzuege, v.SonstigeAbzuege);
  opt(e.Kindergeld);
  t.push_back(e.Grundfreibetrag ? std::to_string(*e.Grundfreibetrag) : std::string());
  flag(e.DM);
  flag(e.Einstellungen);
  std::string s;
  for (std::size_t i = 0; i < t.size(); ++i) s += (i == 0 ? "" : ",") + t[i];
  return s;
}

// ---- rows -------------------------------------------------------------------------------

// An amount: empty for 0.
std::string B(std::int64_t w) { return w == 0 ? std::string() : std::to_string(w); }

struct TZeile {
  std::string t;
  void Feld(const std::string& s) { t += "," + s; }
  void Betrag(std::int64_t w) { Feld(B(w)); }
};

// The 40 amounts of an old result by the order of ErgebnisFelder.
std::vector<std::int64_t> Felder(std::int64_t re4, const TGesamtErgebnis& alt) {
  std::vector<std::int64_t> werte = {re4,
                                     alt.LSt.LSt,
                                     alt.LSt.LStPausch,
                                     alt.LSt.Soli,
                                     alt.LSt.SoliPausch,
                                     alt.LSt.BK,
                                     alt.LSt.BKPausch,
                                     alt.LSt.KiSt,
                                     alt.LSt.KiStPausch,
                                     alt.LSt.SteuerSumme,
                                     alt.LSt.SteuerSummePausch,
                                     alt.LSt.BruttoNachSteuer,
                                     alt.LSt.BruttoPlusPausch};
  for (int art = 0; art < svAnzahl; ++art) {
    werte.push_back(alt.SV.AN(art));
    werte.push_back(alt.SV.AG(art));
  }
  for (std::int64_t w : {alt.SV.SVSummeAN(), alt.SV.SVSummeAG(), alt.Netto, alt.AGGesamt, alt.Auszahlung,
                         alt.AGGesamtPlus, alt.SV.BE, alt.SV.BE_AN, alt.SV.U1_AG, alt.SV.U2_AG, alt.SV.IGU_AG,
                         alt.AGGesamtUmlagen, alt.SV.PKVZuschuss_AG}) {
    werte.push_back(w);
  }
  return werte;
}

std::map<std::string, int> gAbweichungen;
void Pruefen(const std::string& was, std::int64_t neu, std::int64_t alt) {
  if (neu != alt) ++gAbweichungen[was];
}
void PruefenD(const std::string& was, double neu, double alt) {
  if (neu != alt) ++gAbweichungen[was];
}

// The old result's 40 amounts and the three beside them; compared with a new result.
// The shown amounts in the other currency had no reduced bases, levies, total
// with the levies or subsidy: "-" (umgerechnet).
void FelderSchreiben(TZeile& z, std::int64_t re4, const TGesamtErgebnis& alt, std::int64_t kindergeld,
                     std::int64_t sonstige, std::int64_t agZusatz, const TMonatsErgebnis& neu, const std::string& art,
                     bool umgerechnet = false) {
  const std::vector<std::int64_t> werte = Felder(re4, alt);
  const auto& felder = ErgebnisFelder();
  for (std::size_t i = 0; i < felder.size(); ++i) {
    if (umgerechnet && i >= 33) {
      z.Feld("-");
      continue;
    }
    z.Betrag(werte[i]);
    Pruefen(art + "." + felder[i].Name, felder[i].Lesen(neu), werte[i]);
  }
  z.Betrag(kindergeld);
  z.Betrag(sonstige);
  z.Betrag(agZusatz);
  Pruefen(art + ".Kindergeld", neu.Kindergeld, kindergeld);
  Pruefen(art + ".SonstigeAbzuege", neu.SonstigeAbzuege, sonstige);
  Pruefen(art + ".AGZusatz", neu.AGZusatz, agZusatz);
}

std::string Kopf() {
  std::string k;
  for (const auto& f : ErgebnisFelder()) k += std::string(",") + f.Name;
  return k + ",Kindergeld,SonstigeAbzuege,AGZusatz";
}

}  // namespace

int main() {
  // The messages, numbered in the order they first occur.
  std::vector<std::string> meldungen;
  std::map<std::string, int> meldungNummer;
  std::ostringstream aus;
  std::ostream& kopf = std::cout;
  kopf << "# What the calculation through the shared context gave for random requests: the single slip\n"
          "# and the tools.  Row types and columns (format: README.md):\n";
  kopf << "# M,Nummer,Meldung\n";
  kopf << "# A," << kEingabeSpalten << ",Version" << Kopf() << "\n";
  kopf << "# R," << kEingabeSpalten << ",Meldung\n";
  kopf << "# W," << kEingabeSpalten << Kopf() << ",TarifX,KZTAB\n";
  kopf << "# E,Einkommen,Steuer,LSt,LStPausch,Soli,SoliPausch,BK,BKPausch,KiSt,KiStPausch,SteuerSumme,"
         "SteuerSummePausch,BruttoNachSteuer,BruttoPlusPausch\n";
  kopf << "# S,Start,{Von,Bis,ESt1,ESt2,KiSt1,KiSt2,Soli1,Soli2}x5\n";
  kopf << "# V,AN3,AN4,AN5,EG5,EG4,EG3,Guenstigste,AnzeigeAN3,AnzeigeAN4,AnzeigeAN5,AnzeigeEG5,AnzeigeEG4,"
         "AnzeigeEG3,AnzeigeGuenstigste\n";
  kopf << "# T,{UG,OG,LSt,KiSt,Soli}x12\n";
  kopf << "# N,Sicht,Wunsch,Brutto,BruttoAngezeigt,Genau,Wert,UmgebungVon,UmgebungBis" << Kopf() << "\n";
  kopf << "# N,Sicht,Wunsch,!,Meldung\n";
  kopf << "# K,Sicht,{Wert}x11\n";

  // ---- the single slip -----------------------------------------------------------------
  std::mt19937 z(26);
  const std::filesystem::path ordner = std::filesystem::temp_directory_path() / "abrechnen_golden_einstellungen";
  std::filesystem::create_directories(ordner);
  const std::filesystem::path datei = ordner / "einstellungen.ini";
  std::ofstream(datei) << "[SV2024]\nNVKVAN=7,5\nKVZusatz=2,1\nU1=1,6\n[BMG2024]\nRVWest=700000\n"
                          "[SV2010]\nNVPVAN=1,1\n[LSt2000]\nSoli=5\n[SV2026]\nU2=0,5\nGFRVAG=14\n"
                          "[LoSt2013]\nGrdFreiB8130=0\n";
  int gerechnet = 0, abgewiesen = 0;
  cli::TEinstellungsSpeicher speicherAlt, speicherNeu;
  for (int i = 0; gerechnet < 10000 && i < 30000; ++i) {
    cli::TEingabe e = Zufall(z);
    if (i % 5 == 0 && (e.Jahr == 2024 || e.Jahr == 2010 || e.Jahr == 2000 || e.Jahr == 2026 || e.Jahr == 2013)) {
      e.Einstellungen = true;
      e.Einstellungsdatei = datei.string();
    }
    TRechenKontext k;
    cli::TRechnung r;
    const std::string fehlerAlt = cli::Vorbereiten(k, e, r, &speicherAlt);
    TParameter p;
    TAnfrage a;
    const std::string fehlerNeu = cli::Vorbereiten(e, p, a, &speicherNeu);
    if (fehlerNeu != fehlerAlt) ++gAbweichungen["Meldung"];
    if (!fehlerAlt.empty()) {
      if (fehlerAlt.find('\n') != std::string::npos) return 1;
      auto [it, neuIn] = meldungNummer.emplace(fehlerAlt, static_cast<int>(meldungen.size()));
      if (neuIn) meldungen.push_back(fehlerAlt);
      aus << "R," << EingabeText(e) << "," << it->second << "\n";
      ++abgewiesen;
      continue;
    }
    TGesamtErgebnis alt;
    GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
    const TMonatsErgebnis neu = Abrechnen(p, a);
    TZeile zeile{"A," + EingabeText(e)};
    zeile.Feld(std::to_string(k.VersionFuer(k.LStJahr)));
    Pruefen("A.Version", neu.Version, k.VersionFuer(k.LStJahr));
    FelderSchreiben(zeile, r.LZ.RE4, alt, r.Zusatz.Kindergeld, r.SonstigeAbzuege, r.Zusatz.AGZusatz, neu, "A");
    aus << zeile.t << "\n";
    ++gerechnet;
  }
  std::cerr << "Abrechnungen " << gerechnet << ", abgewiesen " << abgewiesen << "\n";

  // ---- the tools -----------------------------------------------------------------------
  std::mt19937 zw(2612);
  int werkzeuge = 0;
  while (werkzeuge < 300) {
    cli::TEingabe e = Zufall(zw);
    TRechenKontext k;
    cli::TRechnung r;
    if (!cli::Vorbereiten(k, e, r).empty()) continue;
    TParameter p;
    TAnfrage a;
    if (!cli::Vorbereiten(e, p, a).empty()) return 2;
    ++werkzeuge;
    const bool euro = !e.DM;
    TGesamtErgebnis alt;
    GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
    const TMonatsErgebnis neu = Abrechnen(p, a);
    // The shown amounts and the tariff step of the calculation.
    const TAnzeigeErgebnis altAnzeige = AnzeigeErgebnis(k, r.LZ.RE4, alt, r.SonstigeAbzuege, r.Zusatz);
    const TMonatsErgebnis neuAnzeige = AnzeigeErgebnis(p, euro, neu);
    TZeile w{"W," + EingabeText(e)};
    FelderSchreiben(w, altAnzeige.RE4, altAnzeige.Ergebnis, altAnzeige.Kindergeld, altAnzeige.SonstigeAbzuege,
                    altAnzeige.AGZusatz, neuAnzeige, "W", AnzeigeUmgerechnet(k));
    const TTarifStand stand = LetzterTarifStand(k);
    w.Feld(Zahl(stand.X));
    w.Feld(std::to_string(stand.KZTAB));
    const bool pausch = a.PauschSatz && *a.PauschSatz > 0;
    PruefenD(pausch ? "W.TarifX (pausch)" : "W.TarifX", neu.TarifX, stand.X);
    Pruefen(pausch ? "W.KZTAB (pausch)" : "W.KZTAB", neu.KZTAB, stand.KZTAB);
    aus << w.t << "\n";

    // The income tax of the calculation's taxable income and its table.
    const std::int64_t einkommen = static_cast<std::int64_t>(std::max(neu.TarifX, 0.0)) + 1234;
    const bool estVorhanden = EinkommensteuerProgramm(k) != nullptr;
    if (estVorhanden != EinkommensteuerVorhanden(p)) ++gAbweichungen["EinkommensteuerVorhanden"];
    if (estVorhanden) {
      GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
      const TEinkommensteuer estAlt = EinkommensteuerJahr(k, a.STKL, 1, einkommen, r.LSt.KiStSatz);
      const TEinkommensteuer est = EinkommensteuerJahr(p, a, a.STKL, 1, einkommen);
      TZeile ez{"E," + std::to_string(einkommen)};
      ez.Betrag(estAlt.Steuer);
      Pruefen("E.Steuer", est.Steuer, estAlt.Steuer);
      for (int i = 0; i < 12; ++i) {
        ez.Betrag(estAlt.Ergebnis[i]);
        Pruefen("E." + std::to_string(i), est.Ergebnis[i], estAlt.Ergebnis[i]);
      }
      aus << ez.t << "\n";
      // Five rows of the table from 1000 below the taxable income.
      GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
      const std::int64_t start = EStTabellenStart(std::max(neu.TarifX, 0.0));
      const auto tAlt = EinkommensteuerTabelle(k, a.STKL, r.LSt.KiStSatz, start, 5);
      const auto tNeu = EinkommensteuerTabelle(p, a, a.STKL, start, 5);
      if (tAlt.size() != 5 || tNeu.size() != 5) return 3;
      TZeile sz{"S," + std::to_string(start)};
      for (std::size_t i = 0; i < tAlt.size(); ++i) {
        const TEStTabellenZeile& x = tAlt[i];
        const TEStTabellenZeile& y = tNeu[i];
        for (auto [n, v, u] : {std::tuple{"Von", x.Von, y.Von}, {"Bis", x.Bis, y.Bis}, {"ESt1", x.ESt[0], y.ESt[0]},
                               {"ESt2", x.ESt[1], y.ESt[1]}, {"KiSt1", x.KiSt[0], y.KiSt[0]},
                               {"KiSt2", x.KiSt[1], y.KiSt[1]}, {"Soli1", x.Soli[0], y.Soli[0]},
                               {"Soli2", x.Soli[1], y.Soli[1]}}) {
          sz.Betrag(v);
          Pruefen(std::string("S.") + n, u, v);
        }
      }
      aus << sz.t << "\n";
    }

    // The comparison.
    TVergleichEingabe v;
    v.AN = {a.Brutto, 0, 0, a.ZKF, false};
    v.EG = {a.Brutto / 2 + 1000, 0, 0, 0, werkzeuge % 5 == 0};
    v.LZZ = a.LZZ;
    v.Region = a.Region;
    v.Bekenntnislos = a.Bekenntnislos;
    const TVergleichErgebnis vNeu = SteuerklassenVergleichen(p, a, v);
    const TVergleichErgebnis vAlt = SteuerklassenVergleichen(k, v, r.LZ, r.LSt, r.SV);
    k.EuroAnzeige = euro;
    const TVergleichErgebnis vAltAnzeige = AnzeigeVergleich(k, vAlt);
    const TVergleichErgebnis vNeuAnzeige = AnzeigeVergleich(p.Jahr, euro, vNeu);
    TZeile vz{"V"};
    for (const auto& [x, y, n] : {std::tuple{&vAlt, &vNeu, "V."}, {&vAltAnzeige, &vNeuAnzeige, "V.Anzeige"}}) {
      for (auto [was, alt6, neu6] : {std::tuple{"AN3", x->AN3, y->AN3}, {"AN4", x->AN4, y->AN4}, {"AN5", x->AN5, y->AN5},
                                      {"EG5", x->EG5, y->EG5}, {"EG4", x->EG4, y->EG4}, {"EG3", x->EG3, y->EG3}}) {
        vz.Betrag(alt6);
        Pruefen(std::string(n) + was, neu6, alt6);
      }
      vz.Feld(KombinationText(x->Guenstigste));
      Pruefen(std::string(n) + "Guenstigste", static_cast<int>(y->Guenstigste), static_cast<int>(x->Guenstigste));
    }
    aus << vz.t << "\n";

    // The table's first rows.
    if (werkzeuge % 3 == 0) {
      GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, alt, r.Zusatz, r.SonstigeAbzuege, r.SV);
      TLohnZeitraum lz = r.LZ;
      const auto tAlt = LohnsteuerTabelle(k, lz, r.LSt, r.SV, r.LZ.RE4, 12);
      const auto tNeu = LohnsteuerTabelle(p, a, euro, 12);
      if (tAlt.size() != 12 || tNeu.size() != 12) return 4;
      TZeile tz{"T"};
      for (std::size_t i = 0; i < tAlt.size(); ++i) {
        const TLStTabellenZeile& x = tAlt[i];
        const TLStTabellenZeile& y = tNeu[i];
        for (auto [n, alt5, neu5] : {std::tuple{"UG", x.UG, y.UG}, {"OG", x.OG, y.OG}, {"LSt", x.LSt, y.LSt},
                                     {"KiSt", x.KiSt, y.KiSt}, {"Soli", x.Soli, y.Soli}}) {
          tz.Betrag(alt5);
          Pruefen(std::string("T.") + n, neu5, alt5);
        }
      }
      aus << tz.t << "\n";
    }

    // The net-to-gross search for the net wage and the employer's cost of the slip.
    if (werkzeuge % 4 == 0 && neuAnzeige.Netto > 0) {
      for (const bool sicht : {true, false}) {
        const std::int64_t wunsch = sicht ? altAnzeige.Ergebnis.Netto : altAnzeige.Ergebnis.AGGesamt;
        if (wunsch <= 0) continue;
        TLohnZeitraum lz = r.LZ;
        TGesamtErgebnis gefunden;
        k.EuroAnzeige = euro;
        TZeile nz{std::string("N,") + (sicht ? "AN" : "AG") + "," + std::to_string(wunsch)};
        std::string meldungAlt, meldungNeu;
        TWunschErgebnis wAlt;
        try {
          wAlt = WunschBruttoSuchen(k, k.LStJahr, lz, r.LSt, gefunden, wunsch, sicht, r.Zusatz, r.SonstigeAbzuege, r.SV);
        } catch (const TLStFehler& f) {
          meldungAlt = f.what();
        }
        TMonatsErgebnis m;
        TWunschErgebnis wNeu;
        try {
          wNeu = WunschBruttoSuchen(p, a, euro, wunsch, sicht, &m);
        } catch (const TLStFehler& f) {
          meldungNeu = f.what();
        }
        if (meldungAlt != meldungNeu) ++gAbweichungen["N.Meldung"];
        if (!meldungAlt.empty()) {
          nz.Feld("!");
          nz.Feld(meldungAlt);
        } else {
          for (auto [n, x, y] : {std::tuple{"Brutto", wAlt.Brutto, wNeu.Brutto},
                                 {"BruttoAngezeigt", wAlt.BruttoAngezeigt, wNeu.BruttoAngezeigt},
                                 {"Genau", std::int64_t{wAlt.Genau}, std::int64_t{wNeu.Genau}},
                                 {"Wert", wAlt.Wert, wNeu.Wert},
                                 {"UmgebungVon", wAlt.UmgebungVon, wNeu.UmgebungVon},
                                 {"UmgebungBis", wAlt.UmgebungBis, wNeu.UmgebungBis}}) {
            nz.Betrag(x);
            Pruefen(std::string("N.") + n, y, x);
          }
          FelderSchreiben(nz, lz.RE4, gefunden, r.Zusatz.Kindergeld, r.SonstigeAbzuege, r.Zusatz.AGZusatz, m, "N");
        }
        aus << nz.t << "\n";
      }
    }

    // The curve, every twentieth column of a small graph, in the slip's view.
    if (werkzeuge % 6 == 0) {
      TPlottAnsicht ansicht;
      ansicht.Flaeche(267, 140);
      const bool sicht = werkzeuge % 12 == 0;
      TAbrechnung d;
      d.Rechnung = r;
      k.EuroAnzeige = euro;
      k.ArbeitnehmerSicht = sicht;
      std::vector<double> kAlt, kNeu;
      Kurve(k, d, ansicht, kAlt, 20);
      Kurve(p, a, euro, sicht, ansicht, kNeu, 20);
      if (kAlt.size() != 11 || kNeu.size() != 11) return 5;
      TZeile kz{std::string("K,") + (sicht ? "AN" : "AG")};
      for (std::size_t i = 0; i < kAlt.size(); ++i) {
        kz.Feld(Zahl(kAlt[i]));
        PruefenD("K", kNeu[i], kAlt[i]);
      }
      aus << kz.t << "\n";
    }
  }
  for (std::size_t i = 0; i < meldungen.size(); ++i) kopf << "M," << i << "," << meldungen[i] << "\n";
  kopf << aus.str();
  for (const auto& [was, n] : gAbweichungen) std::cerr << "abweichend: " << was << " " << n << "\n";
  return 0;
}
