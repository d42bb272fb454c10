#include "cli/cli.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/berechnung.h"
#include "calc/jahresregeln.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/pap.h"
#include "cli/werkzeuge.h"
#include "common/zahlen.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace lst::cli {

namespace {

void Hilfe(std::FILE* ziel) {
  std::string text =
      "Aufruf: lohnsteuer-cli BEFEHL [OPTIONEN]\n"
      "\n"
      "Befehle:\n"
      "  berechnen            eine Lohnabrechnung rechnen (Steuern, Sozialversicherung,\n"
      "                       Nettolohn, Lohnkosten)\n"
      "  wunschnetto BETRAG   den Bruttolohn zu einem Wunsch-Nettolohn suchen (mit\n"
      "                       --arbeitgeber: zu geplanten Lohnkosten)\n"
      "  batch                eine Abrechnung je CSV-Zeile der Standardeingabe; Spalten\n"
      "                       wie die Optionen benannt (Kopfzeile), Trenner ; oder ,\n"
      "  drucken --pdf DATEI  den Ausdruck der Lohnabrechnung als PDF-Datei schreiben\n"
      "                       (Optionen wie bei berechnen; Druckeinstellungen wie im\n"
      "                       Fenster aus Kolvanta.ini und DrumselLStTab.ini)\n"
      "  pap                  Lohnsteuer-Programmablaufplan direkt rechnen (CSV mit den\n"
      "                       Eingangsgrößen des Ablaufplans, Beträge in Cent)\n"
      "  tabelle              Lohnsteuertabelle: 499 Lohnstufen ab 1.000,00 unter --brutto\n"
      "                       (UG, OG, LohnSt, KiSt, Soli; durch Tabulatoren getrennt)\n"
      "  est-tabelle          Einkommensteuertabelle (Grund- und Splittingtabelle) um das\n"
      "                       zu versteuernde Einkommen der Abrechnung\n"
      "  einkommensteuer EINKOMMEN [--splitting]\n"
      "                       tarifliche Einkommensteuer, Soli und KiSt eines Jahres\n"
      "  vergleich BRUTTO_AN BRUTTO_EG\n"
      "                       Steuerklassenvergleich 3/5, 4/4, 5/3 eines Ehepaares\n"
      "  jahre                die Steuerjahre mit Währung, Ablaufplänen und den Regeln\n"
      "                       der Sozialversicherung (mit --json als JSON-Liste)\n"
      "\n"
      "Beträge wie in Deutschland üblich: 3000, 3000,50, 3.000,50 oder 3000.50.\n"
      "\n"
      "Optionen (berechnen, wunschnetto; bei batch Vorgaben für alle Zeilen):\n";
  for (const TOption& o : Optionen()) {
    std::string links = std::string("  --") + o.Name + (o.MitWert ? " WERT" : "");
    if (links.size() < 32) links.append(32 - links.size(), ' ');
    text += links + o.Hilfe + "\n";
  }
  text += "  --json                      Ergebnis als JSON-Objekt, Beträge in Cent\n"
          "  --pdf DATEI                 drucken: die PDF-Datei, in die gedruckt wird\n"
          "  --splitting                 einkommensteuer: Splittingtabelle\n"
          "  --versicherungsfrei         vergleich: Arbeitnehmer nicht rentenversichert\n"
          "  --eg-freibetrag WERT, --eg-versorgungsbezug WERT, --eg-kinderfreibetraege WERT,\n"
          "  --eg-versicherungsfrei      vergleich: die Angaben des Ehegatten\n"
          "  --help                      diese Hilfe\n";
  std::fputs(text.c_str(), ziel);
}

const TOption* FindeOption(std::string_view name) {
  for (const TOption& o : Optionen()) {
    if (name == o.Name) return &o;
  }
  return nullptr;
}

struct TAufruf {
  TEingabe Eingabe;
  bool Json = false;
  std::string Pdf;
  bool Splitting = false;
  std::vector<std::string> Argumente;
  // The spouse's column of vergleich.
  std::vector<std::pair<std::string, std::string>> Vergleich;
};

// Reads the options after the command; returns an empty string or a message.
std::string OptionenLesen(int argc, char** argv, TAufruf& a) {
  for (int i = 2; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg.size() < 3 || arg.substr(0, 2) != "--") {
      a.Argumente.emplace_back(arg);
      continue;
    }
    std::string_view name = arg.substr(2);
    std::string_view wert;
    bool mitGleich = false;
    if (const auto gleich = name.find('='); gleich != std::string_view::npos) {
      wert = name.substr(gleich + 1);
      name = name.substr(0, gleich);
      mitGleich = true;
    }
    if (name == "json") {
      a.Json = true;
      continue;
    }
    if (name == "pdf") {
      if (!mitGleich) {
        if (i + 1 >= argc) return "--pdf: der Dateiname fehlt";
        wert = argv[++i];
      }
      if (wert.empty()) return "--pdf: der Dateiname fehlt";
      a.Pdf = std::string(wert);
      continue;
    }
    if (name == "splitting") {
      a.Splitting = true;
      continue;
    }
    if (IstVergleichsOption(name)) {
      if (VergleichsOptionMitWert(name) && !mitGleich) {
        if (i + 1 >= argc) return "--" + std::string(name) + ": der Wert fehlt";
        wert = argv[++i];
      }
      a.Vergleich.emplace_back(std::string(name), std::string(wert));
      continue;
    }
    const TOption* o = FindeOption(name);
    if (o == nullptr) return "Unbekannte Option --" + std::string(name.substr(0, 60));
    if (o->MitWert && !mitGleich) {
      if (i + 1 >= argc) return "--" + std::string(name) + ": der Wert fehlt";
      wert = argv[++i];
    } else if (!o->MitWert && !mitGleich) {
      wert = "1";
    }
    std::string fehler = OptionSetzen(a.Eingabe, name, wert);
    if (!fehler.empty()) return fehler;
  }
  return {};
}

int Fehler(const std::string& meldung) {
  std::fprintf(stderr, "lohnsteuer-cli: %s\n", meldung.c_str());
  return 2;
}

int Berechnen(const TAufruf& a) {
  if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument \"" + a.Argumente[0] + "\"");
  TRechenKontext k;
  TRechnung r;
  std::string fehler = Vorbereiten(k, a.Eingabe, r);
  if (!fehler.empty()) return Fehler(fehler);
  TGesamtErgebnis erg;
  try {
    if (NurSteuer(k.LStJahr)) {
      SteuerBerechnen(k, k.LStJahr, r.LZ, r.LSt, erg.LSt, r.SV);
      if (a.Json) {
        std::printf("%s\n", AlsJsonNurSteuer(k, r.LZ.RE4, erg.LSt).c_str());
      } else {
        std::fputs(AlsTextNurSteuer(k, r.LZ.RE4, erg.LSt).c_str(), stdout);
      }
      return 0;
    }
    GesamtBerechnen(k, k.LStJahr, r.LZ, r.LSt, erg, r.Zusatz, r.SonstigeAbzuege, r.SV);
  } catch (const TLStFehler& e) {
    return Fehler(e.what());
  }
  if (a.Json) {
    std::printf("%s\n", AlsJson(r.LZ.RE4, erg).c_str());
  } else {
    std::fputs(AlsText(k, r.LZ.RE4, erg, r.SonstigeAbzuege, r.Zusatz.Kindergeld,
                       r.LSt.PauschSatzAG > 0).c_str(), stdout);
  }
  return 0;
}

int Wunschnetto(const TAufruf& a) {
  if (a.Argumente.size() != 1) {
    return Fehler("wunschnetto erwartet genau einen Betrag, z. B. lohnsteuer-cli wunschnetto 2000");
  }
  const auto wunsch = BetragLesen(a.Argumente[0]);
  if (!wunsch) {
    std::string meldung = a.Argumente[0].substr(0, 60);
    meldung.insert(meldung.begin(), '"');
    return Fehler(meldung + "\" ist kein Betrag");
  }
  if (*wunsch <= 0 || *wunsch > 1e9) return Fehler("Der Wunschbetrag muss größer als 0 und höchstens 1.000.000.000 sein");
  TRechenKontext k;
  TRechnung r;
  std::string fehler = Vorbereiten(k, a.Eingabe, r);
  if (!fehler.empty()) return Fehler(fehler);
  if (NurSteuer(k.LStJahr)) {
    return Fehler("wunschnetto braucht die Sozialversicherung, die für " + std::to_string(k.LStJahr) +
                  " noch nicht hinterlegt ist; die Steuern allein rechnet: lohnsteuer-cli berechnen --jahr " +
                  std::to_string(k.LStJahr) + " --brutto BETRAG");
  }
  const bool arbeitnehmer = !a.Eingabe.Arbeitgeber;
  k.ArbeitnehmerSicht = arbeitnehmer;
  TGesamtErgebnis erg;
  try {
    WunschBrutto(k, k.LStJahr, r.LZ, r.LSt, erg, InCent(k, *wunsch), arbeitnehmer, r.Zusatz,
                 r.SonstigeAbzuege, r.SV);
  } catch (const TLStFehler& e) {
    return Fehler(e.what());
  }
  if (a.Json) {
    std::printf("%s\n", AlsJson(r.LZ.RE4, erg).c_str());
  } else {
    const double brutto = AusCent(k, r.LZ.RE4);
    std::printf("Gefundener Bruttolohn: %s %s\n\n", BetragAlsText(brutto).c_str(), k.Waehrung.c_str());
    std::fputs(AlsText(k, r.LZ.RE4, erg, r.SonstigeAbzuege, r.Zusatz.Kindergeld,
                       r.LSt.PauschSatzAG > 0).c_str(), stdout);
  }
  return 0;
}

// "jahre": one block per year, newest first.
int Jahre(bool json) {
  auto janein = [](bool b) { return b ? "ja" : "nein"; };
  auto monat = [](int m) -> std::string {
    if (m <= 0) return "nein";
    if (m == 1) return "ja";
    static const char* const namen[] = {"Januar", "Februar", "März",     "April",   "Mai",      "Juni",
                                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    return std::string("ab ") + namen[(m - 1) % 12];
  };
  std::string aus = json ? "[" : "";
  for (int jahr = kLetztesJahr; jahr >= kErstesJahr; --jahr) {
    const TJahresRegeln r = JahresRegeln(jahr);
    if (json) {
      char zeile[768];
      std::snprintf(zeile, sizeof zeile,
                    "%s{\"Jahr\":%d,\"Waehrung\":\"%s\",\"Einkommensteuer\":%s,\"Tabelle\":%s,"
                    "\"EinkommensteuerTarif\":%s,\"GrundfreibetragWahl\":%s,\"HoechsterKRV\":%d,\"Ablaufplaene\":\"%s\","
                    "\"GleitzoneAbMonat\":%d,\"GleitzoneUnter\":%lld,\"GleitzoneOber\":%lld,"
                    "\"KVZuschlagAbMonat\":%d,\"PVZuschlagAbMonat\":%d,\"AufstockungGF\":%s,"
                    "\"AufstockungHH\":%s,\"Kindergeld\":%s}",
                    jahr == kLetztesJahr ? "" : ",", jahr, JahresWaehrung(jahr),
                    r.Einkommensteuer ? "true" : "false", r.Tabelle ? "true" : "false",
                    r.EinkommensteuerTarif ? "true" : "false", r.GrundfreibetragWahl ? "true" : "false", r.HoechsterKRV, r.Ablaufplaene.c_str(),
                    r.GleitzoneAbMonat, static_cast<long long>(r.GleitzoneUnter),
                    static_cast<long long>(r.GleitzoneOber), r.KVZuschlagAbMonat, r.PVZuschlagAbMonat,
                    r.AufstockungGF ? "true" : "false", r.AufstockungHH ? "true" : "false",
                    r.Kindergeld ? "true" : "false");
      aus += zeile;
      continue;
    }
    std::string gleitzone = "nein";
    if (r.Gleitzone()) {
      gleitzone = CentAlsText(r.GleitzoneUnter + 1) + " bis " +
                  CentAlsText(r.GleitzoneOber) + " " + JahresWaehrung(jahr) + " im Monat";
      if (r.GleitzoneAbMonat > 1) gleitzone += " (" + monat(r.GleitzoneAbMonat) + ")";
    }
    aus += std::to_string(jahr) + " (" + JahresWaehrung(jahr) + ")\n";
    aus += "  Lohnsteuer:        " + r.Ablaufplaene + "\n";
    aus += std::string("  Einkommensteuer:   ") +
           (r.Einkommensteuer ? "ja" : r.EinkommensteuerTarif ? "über den Tarifschritt der Lohnsteuer" : "nein") +
           ", Tabellenroutine: " + janein(r.Tabelle) + ", KRV bis " + std::to_string(r.HoechsterKRV) + "\n";
    aus += "  Gleitzone:         " + gleitzone + "\n";
    aus += "  KV-Zuschlag:       " + monat(r.KVZuschlagAbMonat) +
           ", PV-Zuschlag Kinderlose: " + monat(r.PVZuschlagAbMonat) + "\n";
    aus += std::string("  Aufstockung RV:    Minijob ") + janein(r.AufstockungGF) + ", Privathaushalt " +
           janein(r.AufstockungHH) + "\n";
    aus += std::string("  Kindergeld:        ") + janein(r.Kindergeld) + "\n";
  }
  if (json) aus += "]\n";
  std::fputs(aus.c_str(), stdout);
  return 0;
}

// Printing needs Qt's painting; so that every other command starts without
// loading Qt, it lives in the program "lohnsteuer-cli-druck" beside this one,
// which takes over the call.  Returns only when that program cannot start.
int DruckprogrammAufrufen(char** argv) {
  namespace fs = std::filesystem;
  std::error_code fehler;
  fs::path selbst = fs::read_symlink("/proc/self/exe", fehler);
  if (fehler || selbst.empty()) selbst = fs::absolute(argv[0], fehler);
  const fs::path druck = selbst.parent_path() / "lohnsteuer-cli-druck";
#if defined(__unix__) || defined(__APPLE__)
  execv(druck.c_str(), argv);
  const std::string grund = std::strerror(errno);
#else
  const std::string grund = "nicht verfügbar";
#endif
  return Fehler("Drucken braucht das Programm \"" + druck.string() + "\" (" + grund + ")");
}

}  // namespace

int Hauptprogramm(int argc, char** argv, TDruckenBefehl drucken) {
  if (argc < 2) {
    Hilfe(stderr);
    return 2;
  }
  const std::string befehl = argv[1];
  if (befehl == "--help" || befehl == "-h" || befehl == "hilfe") {
    Hilfe(stdout);
    return 0;
  }
  std::ios::sync_with_stdio(false);
  if (befehl == "pap") {
    if (argc > 2) return Fehler("pap nimmt keine Optionen");
    return pap::Strom(std::cin, std::cout, std::cerr);
  }
  if (befehl == "jahre") {
    bool json = false;
    for (int i = 2; i < argc; ++i) {
      if (std::string_view(argv[i]) != "--json") return Fehler("jahre nimmt nur die Option --json");
      json = true;
    }
    return Jahre(json);
  }
  if (befehl != "berechnen" && befehl != "wunschnetto" && befehl != "batch" &&
      befehl != "drucken" && !IstWerkzeug(befehl)) {
    return Fehler("Unbekannter Befehl \"" + befehl.substr(0, 60) + "\". Hilfe mit: lohnsteuer-cli --help");
  }
  TAufruf a;
  for (int i = 2; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      Hilfe(stdout);
      return 0;
    }
  }
  std::string fehler = OptionenLesen(argc, argv, a);
  if (!fehler.empty()) return Fehler(fehler);
  if (befehl != "drucken" && !a.Pdf.empty()) return Fehler("--pdf gilt nur für drucken");
  if (IstWerkzeug(befehl)) {
    return WerkzeugAusfuehren(befehl, {a.Eingabe, a.Json, a.Splitting, a.Argumente, a.Vergleich});
  }
  if (a.Splitting) return Fehler("--splitting gilt nur für einkommensteuer");
  if (!a.Vergleich.empty()) return Fehler("--" + a.Vergleich[0].first + " gilt nur für vergleich");
  if (befehl == "berechnen") return Berechnen(a);
  if (befehl == "wunschnetto") return Wunschnetto(a);
  if (befehl == "drucken") {
    if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument \"" + a.Argumente[0].substr(0, 60) + "\"");
    if (a.Pdf.empty()) return Fehler("drucken erwartet --pdf DATEI");
    if (drucken == nullptr) return DruckprogrammAufrufen(argv);
    return drucken(a.Eingabe, a.Pdf);
  }
  if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument \"" + a.Argumente[0].substr(0, 60) + "\"");
  return Batch(a.Eingabe, std::cin, std::cout, std::cerr);
}

}  // namespace lst::cli
