// The calculation as a value: random requests of 1995 to 2026 give every
// figure, refusal and tool figure that the calculation through the shared
// context gave for them (recorded in tests/data/abrechnen_golden.csv);
// Abrechnen keeps nothing between calls.

#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "cli/ausgabe.h"
#include "cli/eingabe.h"

using namespace lst;

namespace {

// Random options of every kind, as the command line takes them; many do not
// fit together and are refused.  The recorded requests were drawn by this
// function (seed 26 for the slips, 2612 for the tools).
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

// ---- the recorded figures --------------------------------------------------------

// One row of the file: its cells (the message of an M row is the rest of
// the line).
struct TGoldZeile {
  std::vector<std::string> Zellen;
  int Zeile = 0;  // line number, for the messages
  const std::string& operator[](std::size_t i) const { return Zellen.at(i); }
};

struct TGold {
  std::vector<std::string> Meldungen;
  std::vector<TGoldZeile> Zeilen;  // every row but M, in file order
  // The column names of each row type from the comment lines.
  std::map<std::string, std::vector<std::string>> Spalten;
};

std::vector<std::string> Teilen(std::string_view z, std::size_t hoechstens = std::string::npos) {
  std::vector<std::string> t;
  while (true) {
    const std::size_t komma = t.size() + 1 < hoechstens ? z.find(',') : std::string_view::npos;
    t.emplace_back(z.substr(0, komma));
    if (komma == std::string_view::npos) return t;
    z.remove_prefix(komma + 1);
  }
}

const TGold& Gold() {
  static const TGold gold = [] {
    TGold g;
    std::ifstream datei(std::string(LOHNSTEUER_VECTORS_DIR) + "/abrechnen_golden.csv");
    std::string z;
    int nummer = 0;
    while (std::getline(datei, z)) {
      ++nummer;
      if (z.empty()) continue;
      if (z.rfind("# ", 0) == 0) {
        const std::vector<std::string> t = Teilen(std::string_view(z).substr(2));
        if (t.size() > 2 && t[0].size() == 1) g.Spalten[t[0]] = t;
        continue;
      }
      if (z.rfind("M,", 0) == 0) {
        const std::vector<std::string> t = Teilen(z, 3);
        EXPECT_EQ(t[1], std::to_string(g.Meldungen.size())) << "Zeile " << nummer;
        g.Meldungen.push_back(t[2]);
        continue;
      }
      // A message of a failing search is the rest of the line as well.
      g.Zeilen.push_back({z.rfind("N,", 0) == 0 && z.find(",!,") != std::string::npos ? Teilen(z, 5) : Teilen(z), nummer});
    }
    return g;
  }();
  return gold;
}

// An amount of the file: empty is 0.
std::int64_t Betrag(const std::string& t) {
  std::int64_t w = 0;
  if (t.empty()) return 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), w);
  EXPECT_TRUE(r.ec == std::errc() && r.ptr == t.data() + t.size()) << '"' << t << '"';
  return w;
}

double Dezimal(const std::string& t) {
  double w = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), w);
  EXPECT_TRUE(r.ec == std::errc() && r.ptr == t.data() + t.size()) << '"' << t << '"';
  return w;
}

constexpr std::size_t kEingabeSpalten = 44;

// The request of the 44 cells from ab: the options by their long names in
// the order the file's header names them.
cli::TEingabe EingabeLesen(const TGoldZeile& z, std::size_t ab, const std::string& einstellungsdatei) {
  cli::TEingabe e;
  std::size_t i = ab;
  const auto zelle = [&]() -> const std::string& { return z[i++]; };
  const auto zahl = [&](auto& ziel) {
    const std::string& t = zelle();
    if (!t.empty()) ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(Dezimal(t));
  };
  const auto opt = [&](auto& ziel) {
    const std::string& t = zelle();
    if (!t.empty()) ziel = Dezimal(t);
  };
  const auto flag = [&](bool& ziel) { ziel = zelle() == "1"; };
  e.Jahr = static_cast<int>(Betrag(zelle()));
  e.JahrGesetzt = true;
  zahl(e.Monat);
  e.Version = zelle();
  zahl(e.LZZ);
  zahl(e.Brutto);
  zahl(e.STKL);
  zahl(e.ZKF);
  zahl(e.KiStProzent);
  flag(e.Bekenntnislos);
  opt(e.Faktor);
  zahl(e.Freibetrag);
  zahl(e.Hinzurechnung);
  zahl(e.Versorgungsbezug);
  zahl(e.VersorgungMonat);
  zahl(e.VersorgungSonder);
  zahl(e.VersorgungMonate);
  zahl(e.Versorgungsbeginn);
  zahl(e.Sterbegeld);
  if (const std::string& t = zelle(); !t.empty()) e.Altersentlastung = static_cast<int>(Betrag(t));
  flag(e.BesondereTabelle);
  zahl(e.Region);
  flag(e.Sachsen);
  flag(e.Minijob);
  flag(e.Haushalt);
  flag(e.Aufstockung);
  opt(e.PauschProzent);
  flag(e.Gleitzone);
  flag(e.KeineRVReduzierung);
  opt(e.PrivatBeitrag);
  opt(e.PrivatBeitragPV);
  if (const std::string& t = zelle(); !t.empty()) {
    const auto g = BeitragsgruppeLesen(t);
    EXPECT_TRUE(g.has_value()) << t;
    if (g) e.Beitragsgruppe = *g;
  }
  flag(e.AGZuschuss);
  opt(e.AGZuschussBetrag);
  flag(e.OhneKVZuschlag);
  flag(e.OhnePVZuschlag);
  opt(e.KVZusatz);
  zahl(e.PVAbschlaege);
  opt(e.U1);
  opt(e.U2);
  zahl(e.SonstigeAbzuege);
  opt(e.Kindergeld);
  if (const std::string& t = zelle(); !t.empty()) e.Grundfreibetrag = static_cast<int>(Betrag(t));
  flag(e.DM);
  if (zelle() == "1") {
    e.Einstellungen = true;
    e.Einstellungsdatei = einstellungsdatei;
  }
  EXPECT_EQ(i, ab + kEingabeSpalten);
  return e;
}

// The settings file of the requests with "einstellungen".
std::string Einstellungsdatei() {
  const std::filesystem::path ordner = std::filesystem::path(::testing::TempDir()) / "abrechnen_gold";
  std::filesystem::create_directories(ordner);
  const std::filesystem::path datei = ordner / "einstellungen.ini";
  std::ofstream(datei) << "[SV2024]\nNVKVAN=7,5\nKVZusatz=2,1\nU1=1,6\n[BMG2024]\nRVWest=700000\n"
                          "[SV2010]\nNVPVAN=1,1\n[LSt2000]\nSoli=5\n[SV2026]\nU2=0,5\nGFRVAG=14\n"
                          "[LoSt2013]\nGrdFreiB8130=0\n";
  return datei.string();
}

// The line and the options given, for the messages.
std::string Beschreibung(const TGoldZeile& z) {
  std::string t = "Zeile " + std::to_string(z.Zeile) + " " + z[0] + ":";
  const auto spalten = Gold().Spalten.find("A");
  for (std::size_t i = 1; i <= kEingabeSpalten && i < z.Zellen.size(); ++i) {
    if (z[i].empty()) continue;
    const std::string name = spalten != Gold().Spalten.end() && i < spalten->second.size() ? spalten->second[i] : "?";
    t += " --" + name + " " + z[i];
  }
  return t;
}

// The record holds the first 40 amounts of the result: those of a regular
// wage alone.  The pay's parts added later are 0 there, the gross wages the
// taxable wage (the liable ones depend on the ceilings and are not checked).
constexpr std::size_t kAufgezeichnet = 40;

// The 40 amounts by the names of the command line's JSON and the three beside
// them, from the cell ab; "-" is not checked.
void FelderVergleichen(const TGoldZeile& z, std::size_t ab, const TMonatsErgebnis& m, const std::string& was) {
  const auto& felder = ErgebnisFelder();
  for (std::size_t i = 0; i < kAufgezeichnet; ++i) {
    if (z[ab + i] == "-") continue;
    EXPECT_EQ(felder[i].Lesen(m), Betrag(z[ab + i])) << was << ": " << felder[i].Name;
  }
  for (std::size_t i = kAufgezeichnet; i < felder.size(); ++i) {
    const std::string_view name = felder[i].Name;
    if (name == "SVBrutto_KV" || name == "SVBrutto_RV") continue;
    const bool brutto = name == "LaufenderLohn" || name == "SteuerBrutto" || name == "Gesamtbrutto";
    EXPECT_EQ(felder[i].Lesen(m), brutto ? m.RE4 : 0) << was << ": " << name;
  }
  const std::size_t n = kAufgezeichnet;
  EXPECT_EQ(m.Kindergeld, Betrag(z[ab + n])) << was << ": Kindergeld";
  EXPECT_EQ(m.SonstigeAbzuege, Betrag(z[ab + n + 1])) << was << ": SonstigeAbzuege";
  EXPECT_EQ(m.AGZusatz, Betrag(z[ab + n + 2])) << was << ": AGZusatz";
}

// The header names the columns as the core does.
TEST(Abrechnen, AufzeichnungNenntDieFelderDesKerns) {
  const TGold& g = Gold();
  const auto& namen = cli::ErgebnisNamen();
  const auto& felder = ErgebnisFelder();
  ASSERT_EQ(felder.size(), namen.size());
  for (const char* typ : {"A", "W"}) {
    ASSERT_TRUE(g.Spalten.count(typ)) << typ;
    const std::vector<std::string>& s = g.Spalten.at(typ);
    const std::size_t ab = 1 + kEingabeSpalten + (std::string(typ) == "A" ? 1 : 0);
    ASSERT_EQ(s.size(), ab + kAufgezeichnet + 3 + (std::string(typ) == "W" ? 2 : 0)) << typ;
    EXPECT_EQ(s[1], "jahr");
    EXPECT_EQ(s[kEingabeSpalten], "einstellungen");
    for (std::size_t i = 0; i < kAufgezeichnet; ++i) {
      EXPECT_STREQ(felder[i].Name, namen[i]);
      EXPECT_EQ(s[ab + i], felder[i].Name) << typ;
    }
  }
}

// Every request of the record refused with the same message or computed to
// the same figures (and the same flowchart) as through the shared context.
TEST(Abrechnen, GleichDerAufzeichnungDerRechnungImKontext) {
  const TGold& g = Gold();
  const std::string datei = Einstellungsdatei();
  int gerechnet = 0, abgewiesen = 0;
  cli::TEinstellungsSpeicher speicher;
  for (const TGoldZeile& z : g.Zeilen) {
    if (z[0] != "A" && z[0] != "R") continue;
    const std::string was = Beschreibung(z);
    const cli::TEingabe e = EingabeLesen(z, 1, datei);
    TParameter p;
    TAnfrage a;
    const std::string fehler = cli::Vorbereiten(e, p, a, &speicher);
    if (z[0] == "R") {
      ASSERT_EQ(z.Zellen.size(), 2 + kEingabeSpalten) << was;
      const std::int64_t nummer = Betrag(z[1 + kEingabeSpalten]);
      ASSERT_LT(nummer, static_cast<std::int64_t>(g.Meldungen.size())) << was;
      EXPECT_EQ(fehler, g.Meldungen[static_cast<std::size_t>(nummer)]) << was;
      ++abgewiesen;
    } else {
      ASSERT_EQ(z.Zellen.size(), 2 + kEingabeSpalten + kAufgezeichnet + 3) << was;
      ASSERT_EQ(fehler, "") << was;
      const TMonatsErgebnis m = Abrechnen(p, a);
      EXPECT_EQ(m.Version, Betrag(z[1 + kEingabeSpalten])) << was;
      FelderVergleichen(z, 2 + kEingabeSpalten, m, was);
      ++gerechnet;
    }
    if (::testing::Test::HasFailure()) break;
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

// The tools as functions of the parameters and the request give the figures
// that the tools of the shared context gave after the same calculation:
// display amounts, the tariff step, the income tax and its table, the
// comparison, the wage-tax table, the net-to-gross search both ways and the
// curve.
TEST(Abrechnen, WerkzeugeGleichDerAufzeichnungImKontext) {
  const TGold& g = Gold();
  int gerechnet = 0;
  std::size_t i = 0;
  const auto& zeilen = g.Zeilen;
  while (i < zeilen.size() && zeilen[i][0] != "W") ++i;
  while (i < zeilen.size()) {
    const TGoldZeile& w = zeilen[i++];
    ASSERT_EQ(w[0], "W") << Beschreibung(w);
    // The rows of this request's tools, by type.
    std::map<std::string, std::vector<const TGoldZeile*>> werkzeug;
    for (; i < zeilen.size() && zeilen[i][0] != "W"; ++i) werkzeug[zeilen[i][0]].push_back(&zeilen[i]);
    const auto eine = [&](const char* typ) -> const TGoldZeile* {
      const auto it = werkzeug.find(typ);
      if (it == werkzeug.end()) return nullptr;
      EXPECT_EQ(it->second.size(), 1u) << typ;
      return it->second.front();
    };
    ++gerechnet;
    const std::string was = Beschreibung(w);
    const cli::TEingabe e = EingabeLesen(w, 1, "");
    TParameter p;
    TAnfrage a;
    ASSERT_EQ(cli::Vorbereiten(e, p, a), "") << was;
    const bool euro = !e.DM;
    const TMonatsErgebnis neu = Abrechnen(p, a);
    // Shown amounts and the tariff step where the income-tax display starts.
    const TMonatsErgebnis anzeige = AnzeigeErgebnis(p, euro, neu);
    ASSERT_EQ(w.Zellen.size(), 1 + kEingabeSpalten + kAufgezeichnet + 3 + 2) << was;
    FelderVergleichen(w, 1 + kEingabeSpalten, anzeige, was + " (angezeigt)");
    const std::size_t tarif = 1 + kEingabeSpalten + kAufgezeichnet + 3;
    EXPECT_EQ(neu.TarifX, Dezimal(w[tarif])) << was;
    EXPECT_EQ(neu.KZTAB, Betrag(w[tarif + 1])) << was;

    // The income tax of the calculation's taxable income, and its table.
    const TGoldZeile* est = eine("E");
    const TGoldZeile* estTabelle = eine("S");
    EXPECT_EQ(est != nullptr, EinkommensteuerVorhanden(p)) << was;
    EXPECT_EQ(estTabelle != nullptr, EinkommensteuerVorhanden(p)) << was;
    if (est != nullptr) {
      ASSERT_EQ(est->Zellen.size(), 15u) << was;
      const std::int64_t einkommen = static_cast<std::int64_t>(std::max(neu.TarifX, 0.0)) + 1234;
      EXPECT_EQ(Betrag((*est)[1]), einkommen) << was;
      const TEinkommensteuer neuESt = EinkommensteuerJahr(p, a, a.STKL, 1, einkommen);
      EXPECT_EQ(neuESt.Steuer, Betrag((*est)[2])) << was;
      for (int f = 0; f < 12; ++f) EXPECT_EQ(neuESt.Ergebnis[f], Betrag((*est)[3 + f])) << was << " Steuer " << f;
    }
    if (estTabelle != nullptr) {
      ASSERT_EQ(estTabelle->Zellen.size(), 2u + 5 * 8) << was;
      const std::int64_t start = EStTabellenStart(std::max(neu.TarifX, 0.0));
      EXPECT_EQ(Betrag((*estTabelle)[1]), start) << was;
      const auto t = EinkommensteuerTabelle(p, a, a.STKL, start, 5);
      ASSERT_EQ(t.size(), 5u) << was;
      for (std::size_t r = 0; r < t.size(); ++r) {
        const std::size_t ab = 2 + 8 * r;
        const std::int64_t werte[] = {t[r].Von,     t[r].Bis,     t[r].ESt[0],  t[r].ESt[1],
                                      t[r].KiSt[0], t[r].KiSt[1], t[r].Soli[0], t[r].Soli[1]};
        for (std::size_t f = 0; f < 8; ++f) {
          EXPECT_EQ(werte[f], Betrag((*estTabelle)[ab + f])) << was << " Tabelle " << r << " Spalte " << f;
        }
      }
    }

    // The comparison, as computed and as shown.
    const TGoldZeile* vergleich = eine("V");
    ASSERT_NE(vergleich, nullptr) << was;
    ASSERT_EQ(vergleich->Zellen.size(), 15u) << was;
    TVergleichEingabe v;
    v.AN = {a.Brutto, 0, 0, a.ZKF, false};
    v.EG = {a.Brutto / 2 + 1000, 0, 0, 0, gerechnet % 5 == 0};
    v.LZZ = a.LZZ;
    v.Region = a.Region;
    v.Bekenntnislos = a.Bekenntnislos;
    const TVergleichErgebnis vNeu = SteuerklassenVergleichen(p, a, v);
    const TVergleichErgebnis vAnzeige = AnzeigeVergleich(p.Jahr, euro, vNeu);
    for (const auto& [x, ab] : {std::pair{&vNeu, 1}, {&vAnzeige, 8}}) {
      const std::int64_t werte[] = {x->AN3, x->AN4, x->AN5, x->EG5, x->EG4, x->EG3};
      for (int f = 0; f < 6; ++f) EXPECT_EQ(werte[f], Betrag((*vergleich)[ab + f])) << was << " Vergleich " << ab + f;
      EXPECT_EQ(KombinationText(x->Guenstigste), (*vergleich)[ab + 6]) << was;
    }

    // The table's first rows.
    const TGoldZeile* tabelle = eine("T");
    EXPECT_EQ(tabelle != nullptr, gerechnet % 3 == 0) << was;
    if (tabelle != nullptr) {
      ASSERT_EQ(tabelle->Zellen.size(), 1u + 12 * 5) << was;
      const auto t = LohnsteuerTabelle(p, a, euro, 12);
      ASSERT_EQ(t.size(), 12u) << was;
      for (std::size_t r = 0; r < t.size(); ++r) {
        const std::int64_t werte[] = {t[r].UG, t[r].OG, t[r].LSt, t[r].KiSt, t[r].Soli};
        for (std::size_t f = 0; f < 5; ++f) {
          EXPECT_EQ(werte[f], Betrag((*tabelle)[1 + 5 * r + f])) << was << " Zeile " << r << " Spalte " << f;
        }
      }
    }

    // The net-to-gross search for the net wage and the employer's cost of the slip.
    const auto suche = werkzeug.find("N");
    std::vector<std::string> sichten;
    if (gerechnet % 4 == 0 && anzeige.Netto > 0) {
      sichten.push_back("AN");
      if (anzeige.AGGesamt > 0) sichten.push_back("AG");
    }
    ASSERT_EQ(suche == werkzeug.end() ? 0u : suche->second.size(), sichten.size()) << was;
    for (std::size_t s = 0; s < sichten.size(); ++s) {
      const TGoldZeile& n = *suche->second[s];
      ASSERT_EQ(n[1], sichten[s]) << was;
      const bool arbeitnehmer = n[1] == "AN";
      const std::int64_t wunsch = arbeitnehmer ? anzeige.Netto : anzeige.AGGesamt;
      EXPECT_EQ(Betrag(n[2]), wunsch) << was;
      if (n[3] == "!") {
        ASSERT_EQ(n.Zellen.size(), 5u) << was;
        try {
          WunschBruttoSuchen(p, a, euro, wunsch, arbeitnehmer);
          ADD_FAILURE() << was << ": die Suche findet einen Bruttolohn";
        } catch (const TLStFehler& f) {
          EXPECT_EQ(std::string(f.what()), n[4]) << was;
        }
        continue;
      }
      ASSERT_EQ(n.Zellen.size(), 3u + 6 + kAufgezeichnet + 3) << was;
      TMonatsErgebnis gefunden;
      const TWunschErgebnis wNeu = WunschBruttoSuchen(p, a, euro, wunsch, arbeitnehmer, &gefunden);
      const std::int64_t werte[] = {wNeu.Brutto, wNeu.BruttoAngezeigt, wNeu.Genau ? 1 : 0,
                                    wNeu.Wert,   wNeu.UmgebungVon,     wNeu.UmgebungBis};
      for (std::size_t f = 0; f < 6; ++f) EXPECT_EQ(werte[f], Betrag(n[3 + f])) << was << " Suche " << n[1] << " " << f;
      FelderVergleichen(n, 9, gefunden, was + " (gefunden " + n[1] + ")");
    }

    // The curve.
    const TGoldZeile* kurve = eine("K");
    EXPECT_EQ(kurve != nullptr, gerechnet % 6 == 0) << was;
    if (kurve != nullptr) {
      ASSERT_EQ(kurve->Zellen.size(), 2u + 11) << was;
      TPlottAnsicht ansicht;
      ansicht.Flaeche(267, 140);
      std::vector<double> werte;
      Kurve(p, a, euro, (*kurve)[1] == "AN", ansicht, werte, 20);
      EXPECT_EQ((*kurve)[1], gerechnet % 12 == 0 ? "AN" : "AG");
      ASSERT_EQ(werte.size(), 11u) << was;
      for (std::size_t s = 0; s < werte.size(); ++s) EXPECT_EQ(werte[s], Dezimal((*kurve)[2 + s])) << was << " Spalte " << s;
    }
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_EQ(gerechnet, 300);
}

}  // namespace
