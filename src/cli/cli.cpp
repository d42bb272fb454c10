#include "cli/cli.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/berechnung.h"
#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/programm.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/befehle.h"
#include "cli/eingabe.h"
#include "cli/lohnkonto.h"
#include "cli/jahresvergleich.h"
#include "cli/meldung.h"
#include "cli/pap.h"
#include "cli/werkzeuge.h"
#include "common/aufruf.h"
#include "geld/zahlen.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace lst::cli {

namespace {

void Hilfe(std::FILE* ziel) { std::fputs(HilfeText().c_str(), ziel); }

struct TAufruf {
  TEingabe Eingabe;
  bool Json = false;
  std::string Pdf;
  bool Splitting = false;
  bool Lohnkonto = false;
  bool Jahresausgleich = false;
  bool Bescheinigung = false;
  // jahresvergleich: the range of years and the CSV output.
  std::optional<std::string> Von;
  std::optional<std::string> Bis;
  bool Csv = false;
  std::vector<std::string> Argumente;
  // The spouse's column of vergleich.
  std::vector<std::pair<std::string, std::string>> Vergleich;
};

// Reads the options after the command; returns an empty string or a message.
std::string OptionenLesen(int argc, char** argv, TAufruf& a) {
  // Each option once: of two values, which one was meant?
  std::vector<std::string_view> gegeben;
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
    if (std::find(gegeben.begin(), gegeben.end(), name) != gegeben.end()) {
      return "--" + std::string(name) + " ist mehr als einmal angegeben";
    }
    gegeben.push_back(name);
    const TAufrufOption* o = FindeAufrufOption(name);
    if (o == nullptr) return "Unbekannte Option " + Zitat(arg);
    if (!o->Wert.empty() && !mitGleich) {
      if (i + 1 >= argc) {
        if (o->Art == TOptionsArt::Pdf) return "--pdf: der Dateiname fehlt";
        return "--" + std::string(name) + (o->Wert == "JAHR" ? ": das Jahr fehlt" : ": der Wert fehlt");
      }
      wert = argv[++i];
    } else if (o->Wert.empty() && !mitGleich) {
      wert = "1";
    }
    switch (o->Art) {
      case TOptionsArt::Json:
        a.Json = true;
        continue;
      case TOptionsArt::Splitting:
        a.Splitting = true;
        continue;
      case TOptionsArt::Pdf:
        if (wert.empty()) return "--pdf: der Dateiname fehlt";
        // The printout takes the name as Unicode text: a name of other bytes
        // would become another file.
        if (!GueltigesUtf8(wert)) return "--pdf: der Dateiname " + DateiZitat(wert) + " ist kein gültiges UTF-8";
        a.Pdf = std::string(wert);
        continue;
      case TOptionsArt::Lohnkonto:
        a.Lohnkonto = true;
        continue;
      case TOptionsArt::Jahresausgleich:
        a.Jahresausgleich = true;
        continue;
      case TOptionsArt::Bescheinigung:
        a.Bescheinigung = true;
        continue;
      case TOptionsArt::Csv:
        a.Csv = true;
        continue;
      case TOptionsArt::Von:
        a.Von = std::string(wert);
        continue;
      case TOptionsArt::Bis:
        a.Bis = std::string(wert);
        continue;
      case TOptionsArt::Vergleich:
        a.Vergleich.emplace_back(std::string(name), std::string(wert));
        continue;
      case TOptionsArt::Hilfe:
      case TOptionsArt::Version:
        // Answered before the options are read.
        continue;
      case TOptionsArt::Rechnung:
        break;
    }
    std::string fehler = OptionSetzen(a.Eingabe, name, wert);
    if (!fehler.empty()) return fehler;
  }
  return {};
}

// Prints the message; returns the exit status: 2 for unusable options and
// arguments, 1 for a calculation that cannot deliver a result.
int Fehler(const std::string& meldung, int status = 2) {
  std::fprintf(stderr, "lohnsteuer-cli: %s\n", meldung.c_str());
  return status;
}

void Warnen(const std::vector<std::string>& warnungen) {
  for (const std::string& w : warnungen) std::fprintf(stderr, "lohnsteuer-cli: Warnung: %s\n", w.c_str());
}

int Berechnen(const TAufruf& a) {
  if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument " + Zitat(a.Argumente[0]));
  TAbrechnungsStand s;
  std::vector<std::string> warnungen;
  std::string fehler = Vorbereiten(a.Eingabe, s.Parameter, s.Anfrage, nullptr, &warnungen);
  if (!fehler.empty()) return Fehler(fehler);
  s.Euro = !a.Eingabe.DM;
  s.ArbeitnehmerSicht = !a.Eingabe.Arbeitgeber;
  try {
    s.Ergebnis = Abrechnen(s.Parameter, s.Anfrage);
  } catch (const TLStFehler& e) {
    return Fehler(e.what(), 1);
  }
  if (!s.Parameter.R().Vorhanden) {
    // Wage tax only: the year's social insurance is not in the tables yet.
    if (a.Json) {
      std::printf("%s\n", AlsJsonNurSteuer(s).c_str());
    } else {
      std::fputs(AlsTextNurSteuer(s).c_str(), stdout);
    }
    return 0;
  }
  Warnen(warnungen);
  const TAnzeige anzeige = Anzeigen(s, &a.Eingabe);
  if (a.Json) {
    std::printf("%s\n", AlsJson(anzeige).c_str());
  } else {
    std::fputs(AlsText(anzeige, s.Ergebnis.LStPausch > 0).c_str(), stdout);
  }
  return 0;
}

int Wunschnetto(const TAufruf& a) {
  if (a.Argumente.size() != 1) {
    return Fehler("wunschnetto erwartet genau einen Betrag, z. B. lohnsteuer-cli wunschnetto 2000");
  }
  const auto wunsch = BetragLesen(a.Argumente[0]);
  if (!wunsch) return Fehler(Zitat(a.Argumente[0]) + " ist kein Betrag");
  if (*wunsch <= 0 || *wunsch > 1e9) return Fehler("Der Wunschbetrag muss größer als 0 und höchstens 1.000.000.000 sein");
  TEingabe eingabe = a.Eingabe;
  eingabe.BruttoGesucht = true;
  TAbrechnungsStand s;
  std::string fehler = Vorbereiten(eingabe, s.Parameter, s.Anfrage);
  if (!fehler.empty()) return Fehler(fehler);
  if (!s.Parameter.R().Vorhanden) {
    const std::string jahr = std::to_string(s.Parameter.Jahr);
    return Fehler("wunschnetto braucht die Sozialversicherung, die für " + jahr +
                  " noch nicht hinterlegt ist; die Steuern allein rechnet: lohnsteuer-cli berechnen --jahr " +
                  jahr + " --brutto BETRAG");
  }
  const bool arbeitnehmer = !a.Eingabe.Arbeitgeber;
  s.Euro = !a.Eingabe.DM;
  s.ArbeitnehmerSicht = arbeitnehmer;
  TWunschErgebnis treffer;
  // The wish in cents of the display currency, as typed.
  const std::int64_t wunschCent = Runden(*wunsch * 100);
  try {
    treffer = WunschBruttoSuchen(s.Parameter, s.Anfrage, s.Euro, wunschCent, arbeitnehmer, &s.Ergebnis);
  } catch (const TLStFehler& e) {
    return Fehler(e.what(), 1);
  }
  s.Anfrage.Brutto = treffer.Brutto;
  if (s.Anfrage.VBEZ > s.Anfrage.Brutto) {
    return Fehler("Der gefundene Bruttolohn ist kleiner als der Versorgungsbezug, der in ihm enthalten sein soll.", 1);
  }
  // The warnings of the gross found.
  std::vector<std::string> warnungen;
  for (const TBefund& b : Pruefen(s.Parameter, s.Anfrage, {true})) warnungen.push_back(BefundText(b, s.Parameter, eingabe.DM));
  Warnen(warnungen);
  const TAnzeige anzeige = Anzeigen(s, nullptr);
  const std::int64_t wunschAnzeige = Runden(*wunsch * 100);
  const std::int64_t erreicht = anzeige.Wert(arbeitnehmer ? "Netto" : "AGGesamt");
  if (a.Json) {
    std::printf("%s\n", AlsJson(anzeige, "\"Wunsch\": " + std::to_string(wunschAnzeige) +
                                             ", \"Genau\": " + (treffer.Genau ? "true" : "false"))
                            .c_str());
  } else {
    const auto betrag = [&](std::int64_t cent) { return CentAlsText(cent) + " " + anzeige.Waehrung; };
    std::printf("Gefundener Bruttolohn: %s\n", betrag(anzeige.Wert("RE4")).c_str());
    if (treffer.Genau) {
      std::printf("%s auf den Cent.\n\n",
                  arbeitnehmer ? "Der Nettolohn trifft den Wunsch" : "Die Lohnkosten treffen den Wunsch");
    } else {
      std::printf("Kein Bruttolohn trifft den Wunsch auf den Cent; am nächsten %s %s.\n\n",
                  arbeitnehmer ? "kommt ihm der Nettolohn von" : "kommen ihm Lohnkosten von",
                  betrag(erreicht).c_str());
    }
    std::fputs(AlsText(anzeige, s.Ergebnis.LStPausch > 0).c_str(), stdout);
  }
  return 0;
}

// A rate in percent as German text with up to three decimals.
std::string Prozent(double p) {
  std::string t = std::to_string(Runden(p * 1000));
  while (t.size() < 4) t.insert(0, "0");
  t.insert(t.size() - 3, ",");
  while (t.back() == '0') t.pop_back();
  if (t.back() == ',') t.pop_back();
  return t + " %";
}

// The first pay months of a year's rule periods of the social insurance
// (1 alone for a year with one set of rules).
std::vector<int> Periodenanfaenge(int jahr) {
  std::vector<int> ab{1};
  if (!JahresRegeln(jahr).PeriodenNachMonat) return ab;
  for (int m = 2; m <= 12; ++m) {
    if (SVPeriode(jahr, m).AbMonat != SVPeriode(jahr, m - 1).AbMonat) ab.push_back(m);
  }
  return ab;
}

// What a rule period sets, as (what, value) in German.
std::vector<std::pair<std::string, std::string>> PeriodenWerte(int jahr, int monat) {
  const TSVPeriode& p = SVPeriode(jahr, monat);
  const TSVSatzTabelle s = SVSaetzeStandard(jahr, monat);
  std::vector<std::pair<std::string, std::string>> w;
  const auto grenze = [](std::int64_t west, std::int64_t ost) {
    std::string t = CentAlsText(west) + " EUR";
    if (ost != west) t += " (Ost " + CentAlsText(ost) + " EUR)";
    return t;
  };
  const auto satz = [&](int art) {
    return Prozent(100 * ((s[beNV][art].AN > 0 ? s[beNV][art].AN : 0) + (s[beNV][art].AG > 0 ? s[beNV][art].AG : 0)));
  };
  w.emplace_back("BBG KV/PV", grenze(p.KVWest, p.KVOst));
  w.emplace_back("BBG RV/AV", grenze(p.RVWest, p.RVOst));
  w.emplace_back("KV", satz(svKV));
  if (p.ZB >= 0) w.emplace_back("Zusatzbeitrag Durchschnitt", Prozent(p.ZB));
  else if (p.KV2AN >= 0) w.emplace_back("KV-Zuschlag Arbeitnehmer", Prozent(p.KV2AN));
  w.emplace_back("PV", satz(svPV));
  if (p.PV2AN >= 0) w.emplace_back("PV-Zuschlag Kinderlose", Prozent(p.PV2AN));
  if (p.PVAbschlag >= 0) w.emplace_back("PV-Abschlag je Kind", Prozent(p.PVAbschlag));
  w.emplace_back("RV", satz(svRV));
  w.emplace_back("AV", satz(svAV));
  w.emplace_back("Minijob bis", grenze(p.GFWest, p.GFOst));
  if (p.Zone != zfKeine) {
    w.emplace_back(ZonenName(jahr, monat), CentAlsText(p.ZoneUnten + 1) + " bis " + CentAlsText(p.ZoneOben) + " EUR");
  }
  if (p.U1GF >= 0) w.emplace_back("U1 Minijob", Prozent(p.U1GF));
  if (p.U2GF >= 0) w.emplace_back("U2 Minijob", Prozent(p.U2GF));
  if (p.IGU >= 0) w.emplace_back("Insolvenzgeldumlage", Prozent(p.IGU));
  return w;
}

// "jahre": one block per year, newest first.
int Jahre(bool json) {
  auto janein = [](bool b) { return b ? "ja" : "nein"; };
  auto monat = [](int m) -> std::string {
    if (m <= 0) return "nein";
    if (m == 1) return "ja";
    return std::string("ab ") + Monatsname((m - 1) % 12 + 1);
  };
  auto wahr = [](bool b) { return b ? "true" : "false"; };
  std::string aus = json ? "[" : "";
  TFlussplanWerk k;
  for (int jahr = kLetztesLStJahr; jahr >= kErstesJahr; --jahr) {
    const bool erstes = jahr == kLetztesLStJahr;
    std::string perioden;
    for (int ab : Periodenanfaenge(jahr)) {
      if (!perioden.empty()) perioden += ',';
      perioden += std::to_string(ab);
    }
    const bool nachMonat = JahresRegeln(jahr).PeriodenNachMonat;
    if (NurSteuer(jahr) || nachMonat) {
      // Wage tax only: the year's flowcharts and the months each is in force.
      k.LStJahr = static_cast<std::int16_t>(jahr);
      std::string plaene;
      bool einkommensteuer = false;
      bool tabelle = false;
      for (int v = 0; v < kAnzahlLStVersionen; ++v) {
        if (kLStVersionen[v].Jahr != jahr) continue;
        const TLStMonate m = LStVersionMonate(v);
        const int ab = m.Von;
        const int bis = m.Bis;
        // A corrected flowchart with the months it was first published for.
        const std::string ursprung = kLStVersionen[v].Berichtigt
                                         ? std::string(", ursprünglich; berichtigt durch ") + kLStVersionen[v + 1].Schluessel
                                         : std::string();
        if (!plaene.empty()) plaene += ", ";
        plaene += kLStVersionen[v].Schluessel;
        if (ab == 1 && bis == 12) {
          plaene += " (ganzes Jahr" + ursprung + ")";
        } else if (bis == 12) {
          plaene += std::string(" (ab ") + Monatsname(ab) + ursprung + ")";
        } else if (ab == bis) {
          plaene += std::string(" (") + Monatsname(ab) + ursprung + ")";
        } else {
          plaene += std::string(" (") + Monatsname(ab) + " bis " + Monatsname(bis) + ursprung + ")";
        }
        TLohnsteuerProgramm* p = k.ProgrammVersion(v);
        if (p == nullptr) {
          plaene += " ohne Programm";
        } else if (v == LStVersionFuerMonat(jahr, 12)) {
          einkommensteuer = p->HatEinkommensteuer();
          tabelle = p->HatTabelle();
        }
      }
      const bool tarif = EinkommensteuerProgramm(k.ProgrammFuerMonat(jahr)) != nullptr;
      if (nachMonat && !NurSteuer(jahr)) {
        // With social insurance: the descriptor's lines, the flowcharts by
        // month and the rule periods.
        const TJahresRegeln r = JahresRegeln(jahr);
        if (json) {
          char zeile[1024];
          std::snprintf(zeile, sizeof zeile,
                        "%s{\"Jahr\":%d,\"Waehrung\":\"%s\",\"Einkommensteuer\":%s,\"Tabelle\":%s,"
                        "\"EinkommensteuerTarif\":%s,\"GrundfreibetragWahl\":false,\"HoechsterKRV\":%d,\"Ablaufplaene\":\"%s\","
                        "\"GleitzoneAbMonat\":%d,\"GleitzoneUnter\":%lld,\"GleitzoneOber\":%lld,"
                        "\"KVZuschlagAbMonat\":%d,\"PVZuschlagAbMonat\":%d,\"AufstockungGF\":%s,"
                        "\"AufstockungHH\":%s,\"Kindergeld\":%s,\"Sozialversicherung\":true,\"Regelperioden\":[%s]}",
                        erstes ? "" : ",", jahr, JahresWaehrung(jahr), wahr(einkommensteuer), wahr(tabelle),
                        wahr(tarif), r.HoechsterKRV, plaene.c_str(), r.GleitzoneAbMonat,
                        static_cast<long long>(r.GleitzoneUnter), static_cast<long long>(r.GleitzoneOber),
                        r.KVZuschlagAbMonat, r.PVZuschlagAbMonat, wahr(r.AufstockungGF), wahr(r.AufstockungHH),
                        wahr(r.Kindergeld), perioden.c_str());
          aus += zeile;
          continue;
        }
        aus += std::to_string(jahr) + " (" + JahresWaehrung(jahr) + ")\n";
        aus += "  Lohnsteuer:        " + plaene + "\n";
        aus += std::string("  Einkommensteuer:   ") +
               (einkommensteuer ? "ja" : tarif ? "über den Tarifschritt der Lohnsteuer" : "nein") +
               ", Tabellenroutine: " + janein(tabelle) + ", KRV bis " + std::to_string(r.HoechsterKRV) + "\n";
        std::vector<std::pair<std::string, std::string>> vorher;
        for (int ab : Periodenanfaenge(jahr)) {
          const auto werte = PeriodenWerte(jahr, ab);
          std::vector<std::string> teile;
          for (const auto& w : werte) {
            bool gleich = false;
            for (const auto& v : vorher) gleich = gleich || v == w;
            if (!gleich) teile.push_back(w.first + " " + w.second);
          }
          for (const auto& v : vorher) {
            bool da = v.first == "Gleitzone";  // renamed, listed under its new name
            for (const auto& w : werte) da = da || w.first == v.first;
            if (!da) teile.push_back(v.first + " entfällt");
          }
          // Wrapped at 80 characters below the period's month.
          std::string zeile = std::string(ab == 1 ? "  Soz.vers.:         " : "                     ") +
                              (ab == 1 ? "Januar" : std::string("ab ") + Monatsname(ab)) + ":";
          std::size_t breite = 0;
          for (unsigned char c : zeile) breite += (c & 0xC0) != 0x80;
          for (std::size_t i = 0; i < teile.size(); ++i) {
            const std::string teil = teile[i] + (i + 1 < teile.size() ? "," : "");
            std::size_t n = 0;
            for (unsigned char c : teil) n += (c & 0xC0) != 0x80;
            if (breite + 1 + n > 80 && breite > 23) {
              aus += zeile + "\n";
              zeile = std::string(23, ' ');
              breite = 23;
              zeile += teil;
              breite += n;
            } else {
              zeile += " " + teil;
              breite += 1 + n;
            }
          }
          aus += zeile + "\n";
          vorher = werte;
        }
        aus += std::string("  Aufstockung RV:    Minijob ") + janein(r.AufstockungGF) + ", Privathaushalt " +
               janein(r.AufstockungHH) + "\n";
        aus += std::string("  Kindergeld:        ") + janein(r.Kindergeld) + "\n";
        continue;
      }
      if (json) {
        aus += std::string(erstes ? "" : ",") + "{\"Jahr\":" + std::to_string(jahr) + ",\"Waehrung\":\"" +
               JahresWaehrung(jahr) + "\",\"Einkommensteuer\":" + wahr(einkommensteuer) +
               ",\"Tabelle\":" + wahr(tabelle) + ",\"EinkommensteuerTarif\":" + wahr(tarif) +
               ",\"GrundfreibetragWahl\":false,\"HoechsterKRV\":" + std::to_string(HoechsterKRV(jahr)) +
               ",\"Ablaufplaene\":\"" + plaene +
               "\",\"GleitzoneAbMonat\":null,\"GleitzoneUnter\":null,\"GleitzoneOber\":null,"
               "\"KVZuschlagAbMonat\":null,\"PVZuschlagAbMonat\":null,\"AufstockungGF\":null,"
               "\"AufstockungHH\":null,\"Kindergeld\":null,\"Sozialversicherung\":false,\"Regelperioden\":[]}";
        continue;
      }
      aus += std::to_string(jahr) + " (" + JahresWaehrung(jahr) + ")\n";
      aus += "  Lohnsteuer:        " + plaene + "\n";
      aus += std::string("  Einkommensteuer:   ") +
             (einkommensteuer ? "ja" : tarif ? "über den Tarifschritt der Lohnsteuer" : "nein") +
             ", Tabellenroutine: " + janein(tabelle) + ", KRV bis " + std::to_string(HoechsterKRV(jahr)) + "\n";
      aus += "  Soz.vers.:         nicht hinterlegt (gerechnet werden Lohnsteuer, Solidaritätszuschlag und "
             "Kirchensteuer)\n";
      continue;
    }
    const TJahresRegeln r = JahresRegeln(jahr);
    if (json) {
      char zeile[768];
      std::snprintf(zeile, sizeof zeile,
                    "%s{\"Jahr\":%d,\"Waehrung\":\"%s\",\"Einkommensteuer\":%s,\"Tabelle\":%s,"
                    "\"EinkommensteuerTarif\":%s,\"GrundfreibetragWahl\":%s,\"HoechsterKRV\":%d,\"Ablaufplaene\":\"%s\","
                    "\"GleitzoneAbMonat\":%d,\"GleitzoneUnter\":%lld,\"GleitzoneOber\":%lld,"
                    "\"KVZuschlagAbMonat\":%d,\"PVZuschlagAbMonat\":%d,\"AufstockungGF\":%s,"
                    "\"AufstockungHH\":%s,\"Kindergeld\":%s,\"Sozialversicherung\":true,\"Regelperioden\":[%s]}",
                    erstes ? "" : ",", jahr, JahresWaehrung(jahr),
                    wahr(r.Einkommensteuer), wahr(r.Tabelle),
                    wahr(r.EinkommensteuerTarif), wahr(r.GrundfreibetragWahl), r.HoechsterKRV, r.Ablaufplaene.c_str(),
                    r.GleitzoneAbMonat, static_cast<long long>(r.GleitzoneUnter),
                    static_cast<long long>(r.GleitzoneOber), r.KVZuschlagAbMonat, r.PVZuschlagAbMonat,
                    wahr(r.AufstockungGF), wahr(r.AufstockungHH), wahr(r.Kindergeld), perioden.c_str());
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
// loading Qt, it lives in the program "lohnsteuer-cli-druck", which takes
// over the call.  In the build folder it lies beside this program; installed
// it is a helper in the package's own folder under lib (DRUCK_ORDNER, as
// seen from the folder of the programs).  Returns only when neither can
// start.
#ifndef LOHNSTEUER_DRUCK_ORDNER
#define LOHNSTEUER_DRUCK_ORDNER "../lib/lohnsteuer"
#endif
int DruckprogrammAufrufen(char** argv) {
  namespace fs = std::filesystem;
  std::error_code fehler;
  fs::path selbst = fs::read_symlink("/proc/self/exe", fehler);
  if (fehler || selbst.empty()) selbst = fs::absolute(argv[0], fehler);
  const fs::path ordner = selbst.parent_path();
  const fs::path orte[] = {ordner / "lohnsteuer-cli-druck",
                           (ordner / LOHNSTEUER_DRUCK_ORDNER / "lohnsteuer-cli-druck").lexically_normal()};
  std::string gesucht;
  std::string grund = "nicht gefunden";
  for (const fs::path& druck : orte) {
    if (!gesucht.empty()) gesucht += " oder ";
    gesucht += DateiZitat(druck.string());
#if defined(__unix__) || defined(__APPLE__)
    if (access(druck.c_str(), F_OK) != 0) continue;
    execv(druck.c_str(), argv);
    grund = std::strerror(errno);
#else
    grund = "nicht verfügbar";
#endif
  }
  return Fehler("Drucken braucht das Programm lohnsteuer-cli-druck, gesucht als " + gesucht + " (" + grund + ")");
}

// The command itself; Hauptprogramm adds the check of the output.
int Befehl(int argc, char** argv, TDruckenBefehl drucken) {
  if (argc < 2) {
    Hilfe(stderr);
    return 2;
  }
  const std::string befehl = argv[1];
  if (befehl == "--help" || befehl == "-h" || befehl == "hilfe") {
    Hilfe(stdout);
    return 0;
  }
  if (befehl == "--version") {
    std::fputs(VersionsZeile("lohnsteuer-cli").c_str(), stdout);
    return 0;
  }
  std::ios::sync_with_stdio(false);
  // Reading a row must not flush the output written so far.
  std::cin.tie(nullptr);
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
  if (befehl != "berechnen" && befehl != "wunschnetto" && befehl != "batch" && befehl != "lohnkonto" &&
      befehl != "drucken" && befehl != "jahresvergleich" && !IstWerkzeug(befehl)) {
    return Fehler("Unbekannter Befehl " + Zitat(befehl) + ". Hilfe mit: lohnsteuer-cli --help");
  }
  TAufruf a;
  for (int i = 2; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      Hilfe(stdout);
      return 0;
    }
    if (std::string_view(argv[i]) == "--version") {
      std::fputs(VersionsZeile("lohnsteuer-cli").c_str(), stdout);
      return 0;
    }
  }
  std::string fehler = OptionenLesen(argc, argv, a);
  if (!fehler.empty()) return Fehler(fehler);
  if (befehl != "drucken" && !a.Pdf.empty()) return Fehler("--pdf gilt nur für drucken");
  if (befehl != "drucken" && a.Lohnkonto) return Fehler("--lohnkonto gilt nur für drucken");
  if (a.Jahresausgleich || a.Bescheinigung) {
    const std::string option = a.Jahresausgleich ? "--jahresausgleich" : "--bescheinigung";
    if (befehl == "drucken" && !a.Lohnkonto) return Fehler(option + " braucht bei drucken die Option --lohnkonto");
    if (befehl != "lohnkonto" && befehl != "drucken") return Fehler(option + " gilt nur für lohnkonto und drucken");
  }
  if (befehl != "jahresvergleich") {
    if (a.Von) return Fehler("--von gilt nur für jahresvergleich");
    if (a.Bis) return Fehler("--bis gilt nur für jahresvergleich");
    if (a.Csv) return Fehler("--csv gilt nur für jahresvergleich");
  }
  if (befehl == "drucken" && NurSteuer(JahrDerEingabe(a.Eingabe))) {
    const std::string jahr = std::to_string(JahrDerEingabe(a.Eingabe));
    return Fehler(befehl + " braucht die Sozialversicherung, die für " + jahr +
                  " noch nicht hinterlegt ist; die Steuern allein rechnet: lohnsteuer-cli berechnen --jahr " + jahr +
                  " --brutto BETRAG");
  }
  if (IstWerkzeug(befehl)) {
    return WerkzeugAusfuehren(befehl, {a.Eingabe, a.Json, a.Splitting, a.Argumente, a.Vergleich});
  }
  if (a.Splitting) return Fehler("--splitting gilt nur für einkommensteuer");
  if (!a.Vergleich.empty()) return Fehler("--" + a.Vergleich[0].first + " gilt nur für vergleich");
  if (befehl == "berechnen") return Berechnen(a);
  if (befehl == "jahresvergleich") {
    if (a.Json && a.Csv) return Fehler("--json und --csv schließen einander aus");
    TJahresvergleichAufruf v;
    v.Eingabe = a.Eingabe;
    v.Argumente = a.Argumente;
    v.Von = a.Von;
    v.Bis = a.Bis;
    v.Ausgabe = a.Json ? TVergleichsAusgabe::Json : a.Csv ? TVergleichsAusgabe::Csv : TVergleichsAusgabe::Text;
    return Jahresvergleich(v);
  }
  if (befehl == "wunschnetto") return Wunschnetto(a);
  if (befehl == "drucken") {
    if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument " + Zitat(a.Argumente[0]));
    if (a.Pdf.empty()) return Fehler("drucken erwartet --pdf DATEI");
    if (drucken == nullptr) return DruckprogrammAufrufen(argv);
    return drucken(TDruckAuftrag{&a.Eingabe, a.Pdf, a.Lohnkonto, a.Jahresausgleich, a.Bescheinigung});
  }
  if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument " + Zitat(a.Argumente[0]));
  if (befehl == "lohnkonto") {
    return Lohnkonto(a.Eingabe, {a.Jahresausgleich, a.Bescheinigung, a.Json}, std::cin, std::cout, std::cerr);
  }
  return Batch(a.Eingabe, std::cin, std::cout, std::cerr);
}

}  // namespace

int Hauptprogramm(int argc, char** argv, TDruckenBefehl drucken) {
  int status = Befehl(argc, argv, drucken);
  // Results that never reached their file (a full disk, a closed pipe) are
  // no success.
  std::cout.flush();
  const bool strom = !std::cout.fail();
  const bool c = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  if (!strom || !c) {
    std::fprintf(stderr, "lohnsteuer-cli: Die Ausgabe konnte nicht vollständig geschrieben werden.\n");
    if (status == 0) status = 1;
  }
  return status;
}

}  // namespace lst::cli
