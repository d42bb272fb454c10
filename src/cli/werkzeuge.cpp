#include "cli/werkzeuge.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>

#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "cli/meldung.h"
#include "geld/zahlen.h"

namespace lst::cli {

namespace {

// Prints the message; returns the exit status: 2 for unusable options and
// arguments, 1 for a calculation that cannot deliver a result.
int Fehler(const std::string& meldung, int status = 2) {
  std::fprintf(stderr, "lohnsteuer-cli: %s\n", meldung.c_str());
  return status;
}

// The rows exactly as the table window copies them; a terminal gets a
// final line break, a pipe or file the text alone.
void TabelleAusgeben(const std::vector<std::vector<std::string>>& zeilen) {
  const std::string text = KopierText(zeilen);
  std::fwrite(text.data(), 1, text.size(), stdout);
  if (isatty(fileno(stdout))) std::fputs("\n", stdout);
}

std::string JsonPaar(const char* name, std::int64_t wert) {
  return std::string("\"") + name + "\": " + std::to_string(wert);
}

// A calculation of the inputs: its parameters, request and result, in the
// display currency of the inputs.
struct TStand {
  TAbrechnungsStand S;
  int Jahr() const { return S.Parameter.Jahr; }
};

// Returns 0, or the exit status after a message.
int Rechnen(const TEingabe& e, TStand& s) {
  std::string fehler = Vorbereiten(e, s.S.Parameter, s.S.Anfrage);
  if (!fehler.empty()) return Fehler(fehler);
  s.S.Euro = !e.DM;
  try {
    s.S.Ergebnis = Abrechnen(s.S.Parameter, s.S.Anfrage);
  } catch (const TLStFehler& f) {
    return Fehler(f.what(), 1);
  }
  return 0;
}

int Tabelle(const TWerkzeugAufruf& a) {
  if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument " + Zitat(a.Argumente[0]));
  TStand s;
  if (const int status = Rechnen(a.Eingabe, s); status != 0) return status;
  const bool euro = s.S.Euro;
  const auto zeilen = LohnsteuerTabelle(s.S.Parameter, s.S.Anfrage, euro);
  if (a.Json) {
    std::string json = "[";
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      const TLStTabellenZeile z = AnzeigeZeile(s.Jahr(), euro, zeilen[i]);
      json += i == 0 ? "\n" : ",\n";
      json += "{" + JsonPaar("UG", z.UG) + ", " + JsonPaar("OG", z.OG) + ", " + JsonPaar("LSt", z.LSt) +
              ", " + JsonPaar("KiSt", z.KiSt) + ", " + JsonPaar("Soli", z.Soli) + "}";
    }
    std::printf("%s\n]\n", json.c_str());
    return 0;
  }
  std::vector<std::vector<std::string>> texte;
  texte.reserve(zeilen.size());
  for (const TLStTabellenZeile& z : zeilen) {
    const auto zellen = ZellenTexte(s.Jahr(), euro, z);
    texte.emplace_back(zellen.begin(), zellen.end());
  }
  TabelleAusgeben(texte);
  return 0;
}

int EStTabelle(const TWerkzeugAufruf& a) {
  if (!a.Argumente.empty()) return Fehler("Unerwartetes Argument " + Zitat(a.Argumente[0]));
  TStand s;
  if (const int status = Rechnen(a.Eingabe, s); status != 0) return status;
  const bool euro = s.S.Euro;
  // The table starts below the taxable income of the calculation.
  const auto zeilen = EinkommensteuerTabelle(s.S.Parameter, s.S.Anfrage, s.S.Anfrage.STKL,
                                             EStTabellenStart(s.S.Ergebnis.TarifX));
  if (a.Json) {
    std::string json = "[";
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      const TEStAnzeigeZeile z = AnzeigeZeile(s.Jahr(), euro, zeilen[i]);
      json += i == 0 ? "\n" : ",\n";
      json += "{" + JsonPaar("EinkVon", z.Von) + ", \"EinkBis\": " +
              (z.Bis < 0 ? std::string("null") : std::to_string(z.Bis)) + ", " +
              JsonPaar("EStGrund", z.ESt[0]) + ", " + JsonPaar("KiStGrund", z.KiSt[0]) + ", " +
              JsonPaar("SoliGrund", z.Soli[0]) + ", " + JsonPaar("EStSplitt", z.ESt[1]) + ", " +
              JsonPaar("KiStSplitt", z.KiSt[1]) + ", " + JsonPaar("SoliSplitt", z.Soli[1]) + "}";
    }
    std::printf("%s\n]\n", json.c_str());
    return 0;
  }
  std::vector<std::vector<std::string>> texte;
  texte.reserve(zeilen.size());
  for (const TEStTabellenZeile& z : zeilen) {
    const auto zellen = ZellenTexte(s.Jahr(), euro, z);
    texte.emplace_back(zellen.begin(), zellen.end());
  }
  TabelleAusgeben(texte);
  return 0;
}

// An amount in cents of the display currency, with its symbol.
std::string Betrag(const TStand& s, std::int64_t anzeigeCent) {
  return CentAlsText(anzeigeCent) + " " + Waehrungszeichen(s.S.Euro);
}

// "titel" padded to breite characters (not bytes), then the value right-aligned.
std::string Zeile(const std::string& titel, const std::string& wert, std::size_t breite = 30) {
  std::size_t n = 0;
  for (unsigned char c : titel) n += (c & 0xC0) != 0x80;
  std::string z = titel + std::string(n < breite ? breite - n : 1, ' ');
  z += std::string(wert.size() < 18 ? 18 - wert.size() : 1, ' ') + wert + "\n";
  return z;
}

int Einkommensteuer(const TWerkzeugAufruf& a) {
  if (a.Argumente.size() != 1) {
    return Fehler("einkommensteuer erwartet genau ein zu versteuerndes Einkommen, z. B. "
                  "lohnsteuer-cli einkommensteuer 50000 --splitting");
  }
  const auto betrag = BetragLesen(a.Argumente[0]);
  if (!betrag) return Fehler(Zitat(a.Argumente[0]) + " ist kein Betrag");
  if (*betrag < 0 || *betrag > 1e9) return Fehler("Das Einkommen muss von 0 bis 1.000.000.000 reichen");
  TStand s;
  if (const int status = Rechnen(a.Eingabe, s); status != 0) return status;
  const std::int64_t einkommen = Abschneiden(static_cast<double>(InCent(s.Jahr(), s.S.Euro, *betrag)) / 100);
  const std::uint8_t kztab = a.Splitting ? 2 : 1;
  // A severance contained in the income: the one-fifth rule of section 34
  // EStG, in whole currency units as the income.
  const std::int64_t abfindung = Abschneiden(static_cast<double>(s.S.Anfrage.Abfindung) / 100);
  const TEinkommensteuer est =
      EinkommensteuerJahr(s.S.Parameter, s.S.Anfrage, s.S.Anfrage.STKL, kztab, einkommen, abfindung);
  // Every amount as shown; the total and the amount after taxes from the shown lines.
  const TEStAnzeige e = AnzeigeEinkommensteuer(s.Jahr(), s.S.Euro, einkommen, est);
  if (a.Json) {
    const std::string teil = abfindung > 0 ? ", " + JsonPaar("ESt_Abfindung", e.SteuerAbfindung) : std::string();
    std::printf("{\"Waehrung\": \"%s\", %s, %s, %s%s, %s, %s, %s, %s}\n", Waehrungszeichen(s.S.Euro),
                JsonPaar("zvE", e.Einkommen).c_str(), JsonPaar("KZTAB", kztab).c_str(),
                JsonPaar("ESt", e.Steuer).c_str(), teil.c_str(), JsonPaar("Soli", e.Soli).c_str(),
                JsonPaar("KiSt", e.KiSt).c_str(), JsonPaar("SteuerSumme", e.Gesamt).c_str(),
                JsonPaar("BruttoNachSteuer", e.NachSteuern).c_str());
    return 0;
  }
  std::string text = abfindung > 0 ? "Einkommensteuer nach § 32a EStG mit der Fünftelregelung des § 34 EStG, "
                                   : "Tarifliche Einkommensteuer nach § 32a EStG, ";
  text += a.Splitting ? "Splittingtabelle" : "Grundtabelle";
  text += ". Alle Werte pro Jahr!\n";
  text += Zeile("zu versteuerndes Einkommen", Betrag(s, e.Einkommen));
  text += Zeile(abfindung > 0 ? "Einkommensteuer (§ 34 EStG)" : "Tarifliche Einkommensteuer", Betrag(s, e.Steuer));
  if (abfindung > 0) text += Zeile("  davon auf die Abfindung", Betrag(s, e.SteuerAbfindung));
  text += Zeile("Soli", Betrag(s, e.Soli));
  text += Zeile("KiSt", Betrag(s, e.KiSt));
  text += Zeile("Gesamt", Betrag(s, e.Gesamt));
  text += Zeile("nach Steuern", Betrag(s, e.NachSteuern));
  std::fputs(text.c_str(), stdout);
  return 0;
}

int Vergleich(const TWerkzeugAufruf& a) {
  if (a.Argumente.size() != 2) {
    return Fehler("vergleich erwartet zwei Bruttolöhne (Arbeitnehmer, Ehegatte), z. B. "
                  "lohnsteuer-cli vergleich 3000 1500");
  }
  double getippt[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    const auto b = BetragLesen(a.Argumente[i]);
    if (!b) return Fehler(Zitat(a.Argumente[i]) + " ist kein Betrag");
    if (*b < 0 || *b > 1e9) return Fehler("Ein Bruttolohn muss von 0 bis 1.000.000.000 reichen");
    getippt[i] = *b;
  }
  // The employee's gross is the one of the calculation, so that its checks
  // (pension payments within the gross) hold for the employee's column.
  TEingabe ein = a.Eingabe;
  ein.Brutto = getippt[0];
  // The calculation behind the employee's column runs in a class of the
  // comparison: the class typed (II, say, without the surcharge of the
  // childless) is none of the couple's.
  ein.STKL = 4;
  TStand s;
  if (const int status = Rechnen(ein, s); status != 0) return status;
  const auto inCent = [&](double betrag) { return InCent(s.Jahr(), s.S.Euro, betrag); };
  const std::int64_t brutto[2] = {inCent(getippt[0]), inCent(getippt[1])};
  const TDatensaetze r = Aufbereiten(s.S.Parameter, s.S.Anfrage);
  TVergleichEingabe v;
  v.LZZ = ein.LZZ;
  v.Altersentlastung = r.LSt.ALTER1;
  v.Bekenntnislos = r.LSt.Bekenntnislos;
  v.Region = ein.Region;
  // The employee's column takes the allowances of the calculation.
  v.AN = {brutto[0], r.LSt.Freibetrag, r.LSt.VBEZ, ein.ZKF, ein.BesondereTabelle};
  v.EG.Brutto = brutto[1];
  for (const auto& [name, wert] : a.Vergleich) {
    if (name == "versicherungsfrei" || name == "eg-versicherungsfrei") {
      const auto an = SchalterLesen(wert.empty() ? "1" : wert);
      if (!an) return Fehler("--" + name + ": " + Zitat(wert) + " ist weder ja noch nein");
      (name == "versicherungsfrei" ? v.AN : v.EG).Versicherungsfrei = *an;
      continue;
    }
    if (name == "eg-kinderfreibetraege") {
      const auto z = ZahlLesen(wert);
      if (!z || *z < 0 || *z > 99 || std::fmod(*z * 2, 1.0) != 0) {
        return Fehler("--eg-kinderfreibetraege: " + Zitat(wert) + " ist keine Zahl von 0 bis 99 in Schritten von 0,5");
      }
      v.EG.Kinder = *z;
      continue;
    }
    const auto b = BetragLesen(wert);
    if (!b || *b < 0 || *b > 1e9) return Fehler("--" + name + ": " + Zitat(wert) + " ist kein Betrag von 0 bis 1.000.000.000");
    if (name == "eg-versorgungsbezug" && *b > getippt[1]) {
      return Fehler("--eg-versorgungsbezug " + BetragAlsText(*b) + " ist größer als der Bruttolohn des Ehegatten " +
                    BetragAlsText(getippt[1]) + ", in dem er enthalten ist");
    }
    (name == "eg-freibetrag" ? v.EG.Freibetrag : v.EG.Versorgungsbezug) = inCent(*b);
  }
  TVergleichErgebnis erg;
  try {
    // Shown amounts: the sums and the verdict from the shown columns.
    erg = AnzeigeVergleich(s.Jahr(), s.S.Euro, SteuerklassenVergleichen(s.S.Parameter, s.S.Anfrage, v));
  } catch (const TLStFehler& f) {
    return Fehler(f.what(), 1);
  }
  const char* kombination = KombinationText(erg.Guenstigste);
  if (a.Json) {
    std::printf("{\"Waehrung\": \"%s\", %s, %s, %s, %s, %s, %s, %s, %s, %s, \"Kombination\": \"%s\"}\n",
                Waehrungszeichen(s.S.Euro), JsonPaar("AN_3", erg.AN3).c_str(), JsonPaar("AN_4", erg.AN4).c_str(),
                JsonPaar("AN_5", erg.AN5).c_str(), JsonPaar("EG_5", erg.EG5).c_str(),
                JsonPaar("EG_4", erg.EG4).c_str(), JsonPaar("EG_3", erg.EG3).c_str(),
                JsonPaar("Summe_35", erg.Summe35()).c_str(), JsonPaar("Summe_44", erg.Summe44()).c_str(),
                JsonPaar("Summe_53", erg.Summe53()).c_str(), kombination);
    return 0;
  }
  const auto zeile = [&](const char* name, std::int64_t an, std::int64_t eg, std::int64_t summe) {
    std::string z = std::string("Lohnsteuer bei Steuerklassen ") + name;
    const std::string werte[] = {Betrag(s, an), Betrag(s, eg), Betrag(s, summe)};
    for (const std::string& w : werte) z += std::string(w.size() < 18 ? 18 - w.size() : 1, ' ') + w;
    return z + "\n";
  };
  std::string text = std::string(32, ' ') + "      Arbeitnehmer          Ehegatte             Summe\n";
  text += zeile("3/5", erg.AN3, erg.EG5, erg.Summe35());
  text += zeile("4/4", erg.AN4, erg.EG4, erg.Summe44());
  text += zeile("5/3", erg.AN5, erg.EG3, erg.Summe53());
  text += std::string("Die günstigste Kombination ist ") + kombination + "\n";
  std::fputs(text.c_str(), stdout);
  return 0;
}

}  // namespace

bool IstWerkzeug(const std::string& befehl) {
  return befehl == "tabelle" || befehl == "est-tabelle" || befehl == "einkommensteuer" ||
         befehl == "vergleich";
}

int WerkzeugAusfuehren(const std::string& befehl, const TWerkzeugAufruf& a) {
  if (a.Splitting && befehl != "einkommensteuer") return Fehler("--splitting gilt nur für einkommensteuer");
  if (!a.Vergleich.empty() && befehl != "vergleich") {
    return Fehler("--" + a.Vergleich[0].first + " gilt nur für vergleich");
  }
  if (befehl == "tabelle") return Tabelle(a);
  if (befehl == "est-tabelle") return EStTabelle(a);
  if (befehl == "einkommensteuer") return Einkommensteuer(a);
  return Vergleich(a);
}

}  // namespace lst::cli
