#include "cli/eingabe.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "calc/berechnung.h"
#include "calc/beitragsgruppe.h"
#include "calc/bundesland.h"
#include "calc/pruefung.h"
#include "calc/satzeingabe.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "calc/jahresregeln.h"
#include "cli/meldung.h"
#include "common/ini_datei.h"
#include "geld/zahlen.h"

namespace lst::cli {

namespace {

// Largest amount accepted: a billion in the display currency.
constexpr double kGroessterBetrag = 1e9;

std::string Kleinbuchstaben(std::string_view s) {
  std::string t(s);
  for (char& c : t) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return t;
}

std::string Betrag(std::string_view name, std::string_view wert, double& ziel) {
  const auto b = BetragLesen(wert);
  if (!b) return "--" + std::string(name) + ": " + Zitat(wert) + " ist kein Betrag";
  if (*b < 0) return "--" + std::string(name) + ": der Betrag darf nicht negativ sein";
  if (*b > kGroessterBetrag) return "--" + std::string(name) + ": der Betrag ist zu groß";
  ziel = *b;
  return {};
}

std::string Ganzzahl(std::string_view name, std::string_view wert, int von, int bis, int& ziel) {
  const auto z = GanzzahlLesen(wert);
  if (!z || *z < von || *z > bis) {
    return "--" + std::string(name) + ": " + Zitat(wert) + " ist keine ganze Zahl von " +
           std::to_string(von) + " bis " + std::to_string(bis);
  }
  ziel = static_cast<int>(*z);
  return {};
}

std::string Zahl(std::string_view name, std::string_view wert, double von, double bis, double& ziel) {
  const auto z = ZahlLesen(wert);
  if (!z || *z < von || *z > bis) {
    return "--" + std::string(name) + ": " + Zitat(wert) + " ist keine Zahl von " +
           BetragAlsText(von) + " bis " + BetragAlsText(bis);
  }
  ziel = *z;
  return {};
}

std::string Satz(std::string_view name, std::string_view wert, TSatzArt art, double& ziel) {
  std::string regel;
  const auto p = SatzLesen(wert, art, &regel);
  if (!p) return "--" + std::string(name) + ": " + Zitat(wert) + " ist " + regel;
  ziel = *p;
  return {};
}

// A settings file that is to be read: a readable file.  Returns an empty
// string or a German message; a missing file is refused only with mussDaSein.
std::string EinstellungsdateiPruefen(const std::filesystem::path& pfad, bool mussDaSein) {
  std::error_code f;
  const auto status = std::filesystem::status(pfad, f);
  const std::string name = "Die Einstellungsdatei " + DateiZitat(pfad.string());
  if (status.type() == std::filesystem::file_type::not_found) {
    return mussDaSein ? name + " gibt es nicht" : std::string();
  }
  if (f) return name + " kann nicht gelesen werden";
  if (std::filesystem::is_directory(status)) return name + " ist ein Ordner";
  if (!std::filesystem::is_regular_file(status)) return name + " ist keine gewöhnliche Datei";
  if (!std::ifstream(pfad, std::ios::binary)) return name + " kann nicht gelesen werden";
  return {};
}

}  // namespace

const std::vector<TBetragsOption>& BetragsOptionen() {
  static const std::vector<TBetragsOption> optionen = {
      {"sonstiger-bezug", TFeld::SonstigerBezug, &TEingabe::SonstigerBezug,
       "sonstiger Bezug (Einmalzahlung: Weihnachtsgeld, Urlaubsgeld, Prämie) des Zeitraums (ab 2002)"},
      {"jahresarbeitslohn", TFeld::Jahresarbeitslohn, &TEingabe::Jahresarbeitslohn,
       "voraussichtlicher Jahresarbeitslohn ohne den sonstigen Bezug (Vorgabe: der laufende Lohn aufs Jahr und "
       "die bisherigen sonstigen Bezüge)"},
      {"bisherige-sonstige-bezuege", TFeld::BisherigeSonstigeBezuege, &TEingabe::BisherigeSonstigeBezuege,
       "sonstige Bezüge des Jahres vor diesem Zeitraum"},
      {"sv-entgelt-bisher-kv", TFeld::SVEntgeltBisherKV, &TEingabe::SVEntgeltBisherKV,
       "beitragspflichtiges Entgelt KV/PV des Jahres vor diesem Zeitraum (Vorgabe: der laufende Lohn, begrenzt, "
       "für jeden früheren Monat)"},
      {"sv-entgelt-bisher-rv", TFeld::SVEntgeltBisherRV, &TEingabe::SVEntgeltBisherRV,
       "beitragspflichtiges Entgelt RV/AV des Jahres vor diesem Zeitraum (Vorgabe wie KV)"},
      {"vorjahr-sv-entgelt-kv", TFeld::VorjahrSVEntgeltKV, &TEingabe::VorjahrSVEntgeltKV,
       "beitragspflichtiges Entgelt KV/PV des Vorjahres (Märzklausel; Vorgabe: der laufende Lohn, begrenzt, für "
       "zwölf Monate)"},
      {"vorjahr-sv-entgelt-rv", TFeld::VorjahrSVEntgeltRV, &TEingabe::VorjahrSVEntgeltRV,
       "beitragspflichtiges Entgelt RV/AV des Vorjahres (Märzklausel; Vorgabe wie KV)"},
      {"abfindung", TFeld::Abfindung, &TEingabe::Abfindung,
       "Abfindung für den Verlust des Arbeitsplatzes: beitragsfrei, als sonstiger Bezug versteuert"},
      {"dienstwagen", TFeld::DienstwagenListenpreis, &TEingabe::Dienstwagen,
       "Bruttolistenpreis des Dienstwagens zur Privatnutzung (ab 2014)"},
      {"sachbezug", TFeld::Sachbezug, &TEingabe::Sachbezug,
       "Sachbezüge des Zeitraums (Gutscheine, Waren): frei bis zur Freigrenze von 44 EUR, ab 2022 50 EUR im "
       "Monat, darüber ganz steuer- und beitragspflichtig (ab 2014)"},
      {"steuerfrei", TFeld::Steuerfrei, &TEingabe::Steuerfrei,
       "steuer- und beitragsfreie Bezüge, ausgezahlt (Jobticket-Zuschuss u. a.)"},
      {"entgeltumwandlung", TFeld::Entgeltumwandlung, &TEingabe::Entgeltumwandlung,
       "Entgeltumwandlung für die betriebliche Altersversorgung aus dem Bruttolohn: steuerfrei bis 8 %, "
       "beitragsfrei bis 4 % der Beitragsbemessungsgrenze der RV (West), ab 2022 mit dem Zuschuss des "
       "Arbeitgebers von 15 % (ab 2014)"},
      {"vwl-ag", TFeld::VWLAG, &TEingabe::VWLAG,
       "vermögenswirksame Leistungen des Arbeitgebers (steuer- und beitragspflichtig)"},
      {"vwl-sparbetrag", TFeld::VWLSparbetrag, &TEingabe::VWLSparbetrag,
       "vermögenswirksamer Sparbetrag, vom Auszahlungsbetrag abgezogen"},
  };
  return optionen;
}

const std::vector<TOption>& Optionen() {
  // The range of years is the one of the version table.
  static const std::string jahre = "Steuerjahr " + std::to_string(kErstesJahr) + " bis " +
                                   std::to_string(kLetztesLStJahr) + " (Vorgabe " +
                                   std::to_string(TEingabe{}.Jahr) + ")";
  static const std::vector<TOption> optionen = {
      {"jahr", true, jahre.c_str()},
      {"monat", true, "Lohnzahlungsmonat 1 bis 12 (Vorgabe 12): wählt ab 2014 den Programmablaufplan und die Regeln der Sozialversicherung"},
      {"pap", true, "Programmablaufplan ausdrücklich, z. B. 2015dez, 2022jan, 2023juli"},
      {"kv-zusatzbeitrag", true, "Zusatzbeitragssatz der Krankenkasse in Prozent, 0 bis 10 mit höchstens zwei Nachkommastellen (ab 2015; Vorgabe: durchschnittlicher Zusatzbeitrag)"},
      {"pv-abschlaege", true, "Abschläge in der Pflegeversicherung für das 2. bis 5. Kind unter 25, 0 bis 4 (ab Juli 2023; in jeder Steuerklasse, auch ohne Kinderfreibeträge)"},
      {"ag-zuschuss-betrag", true, "Monatlicher Zuschuss des Arbeitgebers zur privaten KV+PV, wie gezahlt (ab 2026; Vorgabe: der gesetzliche Zuschuss)"},
      {"beitragsgruppe", true, "Beitragsgruppenschlüssel KV-RV-AV-PV, z. B. 1111, 6100, 6500, 0110, 3321 (ab 2014; Vorgabe: wie die übrigen Angaben)"},
      {"zeitraum", true, "Lohnzahlungszeitraum: jahr, monat (Vorgabe), woche, tag"},
      {"brutto", true, "steuerpflichtiger Bruttolohn des Zeitraums"},
      {"steuerklasse", true, "Steuerklasse 1 bis 6 (Vorgabe 1)"},
      {"kinderfreibetraege", true, "Zahl der Kinderfreibeträge, in Schritten von 0,5"},
      {"kirchensteuer", true, "Kirchensteuersatz in Prozent, 0 bis 100 mit höchstens zwei Nachkommastellen (Vorgabe: der des Bundeslandes, sonst 8)"},
      {"bundesland", true, "Bundesland der Beschäftigung, Name oder Kürzel (BW, BY, BE-W, BE-O, ...): Kirchensteuersatz (8 % in BW und BY, sonst 9 %, ein angegebener --kirchensteuer gilt vor), Region ost/west und Sachsen; Berlin bis 2024 als Berlin-West oder Berlin-Ost"},
      {"bekenntnislos", false, "keine Kirchensteuer"},
      {"faktor", true, "Faktor des Faktorverfahrens (nur Steuerklasse 4, ohne Freibetrag), 0,001 bis 1 mit drei Nachkommastellen"},
      {"freibetrag", true, "Freibetrag des Zeitraums"},
      {"hinzurechnung", true, "Hinzurechnungsbetrag des Zeitraums"},
      {"versorgungsbezug", true, "im Bruttolohn enthaltene Versorgungsbezüge"},
      {"versorgungsbezug-monat", true, "Versorgungsbezug für den ersten vollen Monat"},
      {"versorgungsbezug-sonder", true, "voraussichtliche Sonderzahlungen zum Versorgungsbezug im Jahr"},
      {"versorgungsmonate", true, "Monate mit Versorgungsbezügen (nur Zeitraum jahr, Vorgabe 12)"},
      {"versorgungsbeginn", true, "Jahr des Versorgungsbeginns"},
      {"sterbegeld", true, "Sterbegeld (nur Zeitraum jahr)"},
      {"altersentlastung", true, "Altersentlastungsbetrag; Wert: Kalenderjahr nach dem 64. Geburtstag (ein späteres Jahr als das Steuerjahr: keiner)"},
      {"besondere-tabelle", false, "besondere Lohnsteuertabelle: nicht rentenversichert (bis 2013 auch privat KV+PV, ab 2014 eine Beitragsgruppe ohne RV)"},
      {"aktivrente", false, "Aktivrente (ab 2026, § 3 Nr. 21 EStG): nach der Regelaltersgrenze bleiben bis 2.000 EUR im Monat (Woche 7/360, Tag 1/360 von 24.000 EUR) lohnsteuerfrei, zuerst vom laufenden Lohn, der Rest vom sonstigen Bezug; nicht im Minijob, nur mit Rentenversicherungsbeiträgen des Arbeitgebers (RV 1 oder 3)"},
      {"region", true, "Sozialversicherung ost oder west (Vorgabe west)"},
      {"sachsen", false, "Beschäftigung in Sachsen (nur Region ost)"},
      {"minijob", false, "geringfügige Beschäftigung (GF / MiniJob)"},
      {"haushalt", false, "Minijob im Privathaushalt"},
      {"aufstockung", false, "Aufstockung der Rentenversicherung (nur Minijob)"},
      {"pauschsteuer", true, "Pauschalsteuer des Arbeitgebers in Prozent (nur Minijob; dann keine Lohnsteuer nach Steuerklasse)"},
      {"gleitzone", false, "Gleitzone (ab Juli 2019 Übergangsbereich) anwenden"},
      {"uebergangsbereich", false, "Übergangsbereich anwenden (dasselbe wie --gleitzone)"},
      {"keine-rv-reduzierung", false, "Verzicht auf die Gleitzone in der Rentenversicherung (bis Juni 2019)"},
      {"u1", true, "Umlage U1 (Krankheit) des Arbeitgebers in Prozent, 0 bis 10 mit höchstens zwei Nachkommastellen (ab 2014; Vorgabe: Minijob-Zentrale beim Minijob, sonst 0)"},
      {"u2", true, "Umlage U2 (Mutterschaft) des Arbeitgebers in Prozent, 0 bis 10 mit höchstens zwei Nachkommastellen (ab 2014; Vorgabe wie --u1)"},
      {"privat", true, "privat kranken- und pflegeversichert; Wert: Monatsbeitrag KV+PV"},
      {"privat-pv", true, "der darin enthaltene Monatsbeitrag zur Pflegeversicherung (der Zuschuss des Arbeitgebers dann für KV und PV je für sich begrenzt)"},
      {"ag-zuschuss", false, "private Versicherung mit Arbeitgeberzuschuss"},
      {"ohne-kv-zuschlag", false, "ohne Zusatzbeitrag zur Krankenversicherung (bis 2014 der Beitragsanteil von 0,9 %)"},
      {"ohne-pv-zuschlag", false, "ohne Beitragszuschlag zur Pflegeversicherung für Kinderlose"},
      {"sonstige-abzuege", true, "sonstige Abzüge vom Nettolohn"},
      {"sv-tage", true, "SV-Tage vom Jahresbeginn (oder Beginn der Beschäftigung) bis zum Ende des Zeitraums, 1 bis "
                        "360 (Vorgabe: 30 je Monat bis zum Lohnzahlungsmonat)"},
      {"vorjahr-sv-tage", true, "SV-Tage im Vorjahr beim selben Arbeitgeber, 0 bis 360 (Märzklausel; 0: im Vorjahr "
                                "nicht beschäftigt; Vorgabe 360)"},
      {"vorjahr-kv-zusatzbeitrag", true, "Zusatzbeitragssatz der Krankenkasse im Vorjahr in Prozent (Märzklausel; "
                                         "Vorgabe: der durchschnittliche des Vorjahres)"},
      {"teilmonat", true, "Teilmonat bei Eintritt oder Austritt im Lohnzahlungsmonat: Kalendertage der "
                          "Beschäftigung, 1 bis 30 (nur Zeitraum monat; Lohnsteuer nach der Tagestabelle, "
                          "Beitragsbemessungsgrenzen anteilig)"},
      {"fuenftelregelung", false, "Abfindung mit der Fünftelregelung versteuern (bis 2024)"},
      {"dienstwagen-km", true, "Entfernung Wohnung – erste Tätigkeitsstätte in km für den Dienstwagen"},
      {"dienstwagen-satz", true, "Anteil des Listenpreises: 1, 0,5 (Elektro/Hybrid ab 2019) oder 0,25 (Elektro ab "
                                 "2020; Vorgabe 1)"},
      {"kindergeld", true, "Kindergeld des Zeitraums (Vorgabe: aus den Kinderfreibeträgen)"},
      {"grundfreibetrag", true, "Grundfreibetrag 2013: 8004 oder 8130 (Vorgabe 8130)"},
      {"dm", false, "Beträge in DM eingeben und anzeigen"},
      {"einstellungen", false, "Sätze und Bemessungsgrenzen aus der Einstellungsdatei"},
      {"einstellungsdatei", true, "andere Einstellungsdatei (statt DrumselLStTab.ini)"},
      {"arbeitgeber", false, "wunschnetto: der Betrag sind die Lohnkosten des Arbeitgebers"},
  };
  static const std::vector<TOption> mitBetraegen = [] {
    std::vector<TOption> alle = optionen;
    // The amounts of the pay beside the regular wage after the other
    // deductions, in the order of their table.
    auto nach = alle.begin();
    while (nach != alle.end() && std::string_view(nach->Name) != "sonstige-abzuege") ++nach;
    if (nach != alle.end()) ++nach;
    std::vector<TOption> betraege;
    for (const TBetragsOption& b : BetragsOptionen()) betraege.push_back({b.Name, true, b.Hilfe});
    alle.insert(nach, betraege.begin(), betraege.end());
    return alle;
  }();
  return mitBetraegen;
}

std::optional<bool> SchalterLesen(std::string_view wert) {
  const std::string w = Kleinbuchstaben(wert);
  std::string_view t = w;
  while (!t.empty() && (t.front() == ' ' || t.front() == '"')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '"' || t.back() == '\r')) t.remove_suffix(1);
  if (t.empty() || t == "0" || t == "nein" || t == "false" || t == "n") return false;
  if (t == "1" || t == "ja" || t == "true" || t == "x" || t == "j") return true;
  return std::nullopt;
}

namespace {
// name == text, compared without a call: the options are looked up per cell.
template <std::size_t N>
bool Ist(std::string_view name, const char (&text)[N]) {
  return name.size() == N - 1 && std::memcmp(name.data(), text, N - 1) == 0;
}
}  // namespace

std::string OptionSetzen(TEingabe& e, std::string_view name, std::string_view wert) {
  int zahl = 0;
  std::string f;
  if (Ist(name, "jahr")) {
    f = Ganzzahl(name, wert, 1, 9999, zahl);
    if (f.empty()) {
      e.Jahr = zahl;
      e.JahrGesetzt = true;
    }
    return f;
  }
  if (Ist(name, "monat")) return Ganzzahl(name, wert, 1, 12, e.Monat);
  if (Ist(name, "pap")) {
    std::string w = Kleinbuchstaben(wert);
    while (!w.empty() && w.back() == ' ') w.pop_back();
    while (!w.empty() && w.front() == ' ') w.erase(0, 1);
    const int v = LStVersionNachSchluessel(w);
    if (v < 0 || !JahresRegeln(kLStVersionen[v].Jahr).PeriodenNachMonat) {
      std::string bekannt;
      for (const TLStVersion& d : kLStVersionen) {
        if (!JahresRegeln(d.Jahr).PeriodenNachMonat) continue;
        if (!bekannt.empty()) bekannt += ", ";
        bekannt += d.Schluessel;
      }
      return "--pap: " + Zitat(wert) + " ist kein Programmablaufplan (bekannt: " + bekannt + ")";
    }
    e.Version = w;
    return {};
  }
  if (Ist(name, "kv-zusatzbeitrag")) {
    double p = 0;
    f = Satz(name, wert, TSatzArt::Zusatzbeitrag, p);
    if (f.empty()) e.KVZusatz = p;
    return f;
  }
  if (Ist(name, "u1") || Ist(name, "u2")) {
    double p = 0;
    f = Satz(name, wert, TSatzArt::Umlage, p);
    if (f.empty()) (Ist(name, "u1") ? e.U1 : e.U2) = p;
    return f;
  }
  if (Ist(name, "beitragsgruppe")) {
    const auto g = BeitragsgruppeLesen(wert);
    if (!g) return "--beitragsgruppe: " + Zitat(wert) + " sind nicht vier Ziffern (KV, RV, AV, PV), z. B. 1111";
    e.Beitragsgruppe = *g;
    return {};
  }
  if (Ist(name, "pv-abschlaege")) return Ganzzahl(name, wert, 0, 4, e.PVAbschlaege);
  if (Ist(name, "ag-zuschuss-betrag")) {
    double b = 0;
    f = Betrag(name, wert, b);
    if (f.empty()) e.AGZuschussBetrag = b;
    return f;
  }
  if (Ist(name, "zeitraum")) {
    const std::string w = Kleinbuchstaben(wert);
    if (w == "jahr") e.LZZ = 1;
    else if (w == "monat") e.LZZ = 2;
    else if (w == "woche") e.LZZ = 3;
    else if (w == "tag") e.LZZ = 4;
    else return "--zeitraum: " + Zitat(wert) + " ist keiner von jahr, monat, woche, tag";
    return {};
  }
  if (Ist(name, "brutto")) return Betrag(name, wert, e.Brutto);
  if (Ist(name, "steuerklasse")) {
    f = Ganzzahl(name, wert, 1, 6, zahl);
    if (f.empty()) e.STKL = static_cast<std::uint8_t>(zahl);
    return f;
  }
  if (Ist(name, "kinderfreibetraege")) {
    f = Zahl(name, wert, 0, 99, e.ZKF);
    if (f.empty() && std::fmod(e.ZKF * 2, 1.0) != 0) {
      return "--kinderfreibetraege: die Zahl geht in Schritten von 0,5";
    }
    return f;
  }
  if (Ist(name, "kirchensteuer")) {
    f = Satz(name, wert, TSatzArt::Kirchensteuer, e.KiStProzent);
    if (f.empty()) e.KiStGesetzt = true;
    return f;
  }
  if (Ist(name, "bundesland")) {
    const auto land = BundeslandLesen(wert);
    if (!land) return "--bundesland: " + Zitat(wert) + " ist kein Bundesland (bekannt: " + BundeslaenderListe() + ")";
    e.Bundesland = *land;
    return {};
  }
  if (Ist(name, "faktor")) {
    double faktor = 0;
    f = Zahl(name, wert, 0, 1, faktor);
    // The factor is entered with three decimals; below 0,001 it would take
    // away the whole wage tax.
    std::string_view t = wert;
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    const auto trenner = t.find_first_of(",.");
    const bool dreiStellen = trenner == std::string_view::npos || t.size() - trenner - 1 <= 3;
    if (f.empty() && (!(faktor >= 0.001) || !dreiStellen)) {
      f = "--faktor: " + Zitat(wert) + " ist kein Faktor von 0,001 bis 1 mit höchstens drei Nachkommastellen";
    }
    if (f.empty()) e.Faktor = faktor;
    return f;
  }
  if (Ist(name, "freibetrag")) return Betrag(name, wert, e.Freibetrag);
  if (Ist(name, "hinzurechnung")) return Betrag(name, wert, e.Hinzurechnung);
  if (Ist(name, "versorgungsbezug")) return Betrag(name, wert, e.Versorgungsbezug);
  if (Ist(name, "versorgungsbezug-monat")) return Betrag(name, wert, e.VersorgungMonat);
  if (Ist(name, "versorgungsbezug-sonder")) return Betrag(name, wert, e.VersorgungSonder);
  if (Ist(name, "versorgungsmonate")) return Ganzzahl(name, wert, 0, 12, e.VersorgungMonate);
  if (Ist(name, "versorgungsbeginn")) return Ganzzahl(name, wert, 1900, 2100, e.Versorgungsbeginn);
  if (Ist(name, "sterbegeld")) return Betrag(name, wert, e.Sterbegeld);
  if (Ist(name, "altersentlastung")) {
    f = Ganzzahl(name, wert, 1900, 2100, zahl);
    if (f.empty()) e.Altersentlastung = zahl;
    return f;
  }
  if (Ist(name, "region")) {
    const std::string w = Kleinbuchstaben(wert);
    if (w == "ost") e.Region = 0;
    else if (w == "west") e.Region = 1;
    else return "--region: " + Zitat(wert) + " ist weder ost noch west";
    return {};
  }
  if (Ist(name, "pauschsteuer")) {
    double p = 0;
    f = Satz(name, wert, TSatzArt::Pauschsteuer, p);
    if (f.empty()) e.PauschProzent = p;
    return f;
  }
  if (Ist(name, "privat")) {
    double b = 0;
    f = Betrag(name, wert, b);
    if (f.empty()) e.PrivatBeitrag = b;
    return f;
  }
  if (Ist(name, "privat-pv")) {
    double b = 0;
    f = Betrag(name, wert, b);
    if (f.empty()) e.PrivatBeitragPV = b;
    return f;
  }
  if (Ist(name, "sonstige-abzuege")) return Betrag(name, wert, e.SonstigeAbzuege);
  for (const TBetragsOption& o : BetragsOptionen()) {
    if (name == o.Name) {
      double b = 0;
      f = Betrag(name, wert, b);
      if (f.empty()) e.*o.Wert = b;
      return f;
    }
  }
  if (Ist(name, "sv-tage")) {
    f = Ganzzahl(name, wert, 1, 360, zahl);
    if (f.empty()) e.SVTage = zahl;
    return f;
  }
  if (Ist(name, "vorjahr-sv-tage")) return Ganzzahl(name, wert, 0, 360, e.VorjahrSVTage);
  if (Ist(name, "teilmonat")) {
    f = Ganzzahl(name, wert, 1, 30, zahl);
    if (f.empty()) e.Teilmonat = zahl;
    return f;
  }
  if (Ist(name, "vorjahr-kv-zusatzbeitrag")) {
    double p = 0;
    f = Satz(name, wert, TSatzArt::Zusatzbeitrag, p);
    if (f.empty()) e.VorjahrKVZusatz = p;
    return f;
  }
  if (Ist(name, "dienstwagen-km")) return Zahl(name, wert, 0, 1000, e.DienstwagenKm);
  if (Ist(name, "dienstwagen-satz")) {
    double satz = 0;
    f = Zahl(name, wert, 0, 1, satz);
    if (f.empty() && satz != 1 && satz != 0.5 && satz != 0.25) f = "--dienstwagen-satz: " + Zitat(wert) + " ist nicht 1, 0,5 oder 0,25";
    if (f.empty()) e.DienstwagenSatz = satz;
    return f;
  }
  if (Ist(name, "kindergeld")) {
    double b = 0;
    f = Betrag(name, wert, b);
    if (f.empty()) e.Kindergeld = b;
    return f;
  }
  if (Ist(name, "grundfreibetrag")) {
    f = Ganzzahl(name, wert, 0, 99999, zahl);
    if (f.empty() && zahl != 8004 && zahl != 8130) return "--grundfreibetrag: nur 8004 oder 8130";
    if (f.empty()) e.Grundfreibetrag = zahl;
    return f;
  }
  if (Ist(name, "einstellungsdatei")) {
    if (wert.empty()) return "--einstellungsdatei: der Dateiname fehlt";
    // A file named on purpose is read or refused, never silently replaced
    // by the defaults.
    f = EinstellungsdateiPruefen(std::filesystem::path(std::string(wert)), true);
    if (!f.empty()) return "--einstellungsdatei: " + f;
    e.Einstellungsdatei = std::string(wert);
    e.Einstellungen = true;
    return {};
  }
  // Flags.
  bool* schalter = nullptr;
  if (Ist(name, "bekenntnislos")) schalter = &e.Bekenntnislos;
  else if (Ist(name, "besondere-tabelle")) schalter = &e.BesondereTabelle;
  else if (Ist(name, "sachsen")) schalter = &e.Sachsen;
  else if (Ist(name, "minijob")) schalter = &e.Minijob;
  else if (Ist(name, "haushalt")) schalter = &e.Haushalt;
  else if (Ist(name, "aufstockung")) schalter = &e.Aufstockung;
  else if (Ist(name, "gleitzone") || Ist(name, "uebergangsbereich")) schalter = &e.Gleitzone;
  else if (Ist(name, "keine-rv-reduzierung")) schalter = &e.KeineRVReduzierung;
  else if (Ist(name, "ag-zuschuss")) schalter = &e.AGZuschuss;
  else if (Ist(name, "ohne-kv-zuschlag")) schalter = &e.OhneKVZuschlag;
  else if (Ist(name, "ohne-pv-zuschlag")) schalter = &e.OhnePVZuschlag;
  else if (Ist(name, "fuenftelregelung")) schalter = &e.Fuenftelregelung;
  else if (Ist(name, "aktivrente")) schalter = &e.Aktivrente;
  else if (Ist(name, "dm")) schalter = &e.DM;
  else if (Ist(name, "einstellungen")) schalter = &e.Einstellungen;
  else if (Ist(name, "arbeitgeber")) schalter = &e.Arbeitgeber;
  if (schalter == nullptr) return "Unbekannte Option " + Zitat("--" + std::string(name));
  const auto an = SchalterLesen(wert);
  if (!an) return "--" + std::string(name) + ": " + Zitat(wert) + " ist weder ja noch nein";
  *schalter = *an;
  return {};
}

int JahrDerEingabe(const TEingabe& e) {
  if (!e.Version.empty() && !e.JahrGesetzt) {
    const int v = LStVersionNachSchluessel(e.Version);
    if (v >= 0) return kLStVersionen[v].Jahr;
  }
  return e.Jahr;
}

bool NurSteuer(int jahr) {
  const TJahresRegeln& r = JahresRegeln(jahr);
  return r.Lohnsteuer && !r.Vorhanden;
}

namespace {

// The settings file's values of a year as the user stored them, read once
// per file and year; damaged values are named on standard error once and
// replaced by the defaults.  Returns null and sets fehler for a file that
// cannot be read.
const TGeladeneEinstellungen* EinstellungenHolen(const TEingabe& e, int jahr, TEinstellungsSpeicher* speicher,
                                                 TGeladeneEinstellungen& ablage, std::string& fehler) {
  const std::string datei = e.Einstellungsdatei.empty() ? TDateiNamen{}.Saetze : e.Einstellungsdatei;
  if (speicher != nullptr) {
    for (const auto& g : speicher->Eintraege) {
      if (g.Jahr == jahr && g.Datei == datei) return &g;
    }
  }
  if (e.Einstellungsdatei.empty()) {
    // Only the default file may be missing (the first start).
    fehler = EinstellungsdateiPruefen(IniPfad(datei), false);
    if (!fehler.empty()) return nullptr;
  }
  const TNewIniFile ini = e.Einstellungsdatei.empty() ? TNewIniFile(datei) : TNewIniFile::AusPfad(datei);
  const TIniAbbild abbild = ini.Abbild();
  TEinstellungsBericht bericht;
  ablage = {};
  ablage.Datei = datei;
  ablage.Jahr = jahr;
  ablage.Ue = UeberschreibungenLaden(abbild, jahr, &bericht);
  for (const TIgnorierterWert& w : bericht) {
    // The file's name as the command line quotes file names.
    std::string meldung = w.Meldung;
    const std::string roh = "Einstellungsdatei \"" + w.Datei + "\"";
    if (meldung.rfind(roh, 0) == 0) meldung.replace(0, roh.size(), "Einstellungsdatei " + DateiZitat(w.Datei));
    std::fprintf(stderr, "lohnsteuer-cli: Warnung: %s\n", meldung.c_str());
  }
  if (speicher == nullptr) return &ablage;
  speicher->Eintraege.push_back(ablage);
  return &speicher->Eintraege.back();
}

// An amount typed in the display currency as cents of the year's currency.
std::int64_t Cent(int jahr, bool dm, double betrag) {
  if (!dm && DMJahr(jahr)) {
    betrag *= kDMFaktor;
  } else if (dm && !DMJahr(jahr)) {
    betrag /= kDMFaktor;
  }
  return Runden(betrag * 100);
}

}  // namespace

std::string OptionsName(TFeld f) {
  switch (f) {
    case TFeld::Jahr: return "--jahr";
    case TFeld::Monat: return "--monat";
    case TFeld::Zeitraum: return "--zeitraum";
    case TFeld::Brutto: return "--brutto";
    case TFeld::Steuerklasse: return "--steuerklasse";
    case TFeld::Kinderfreibetraege: return "--kinderfreibetraege";
    case TFeld::Kirchensteuer: return "--kirchensteuer";
    case TFeld::Bundesland: return "--bundesland";
    case TFeld::Aktivrente: return "--aktivrente";
    case TFeld::Faktor: return "--faktor";
    case TFeld::Freibetrag: return "--freibetrag";
    case TFeld::Hinzurechnung: return "--hinzurechnung";
    case TFeld::Versorgungsbezug: return "--versorgungsbezug";
    case TFeld::VersorgungMonat: return "--versorgungsbezug-monat";
    case TFeld::VersorgungSonder: return "--versorgungsbezug-sonder";
    case TFeld::Versorgungsmonate: return "--versorgungsmonate";
    case TFeld::Versorgungsbeginn: return "--versorgungsbeginn";
    case TFeld::Sterbegeld: return "--sterbegeld";
    case TFeld::Altersentlastung: return "--altersentlastung";
    case TFeld::BesondereTabelle: return "--besondere-tabelle";
    case TFeld::Region: return "--region";
    case TFeld::Sachsen: return "--sachsen";
    case TFeld::Minijob: return "--minijob";
    case TFeld::Haushalt: return "--haushalt";
    case TFeld::Aufstockung: return "--aufstockung";
    case TFeld::Pauschsteuer: return "--pauschsteuer";
    case TFeld::Gleitzone: return "--gleitzone";
    case TFeld::RVVerzicht: return "--keine-rv-reduzierung";
    case TFeld::Privat: return "--privat";
    case TFeld::PrivatPV: return "--privat-pv";
    case TFeld::AGZuschuss: return "--ag-zuschuss";
    case TFeld::AGZuschussBetrag: return "--ag-zuschuss-betrag";
    case TFeld::KVZuschlag: return "--ohne-kv-zuschlag";
    case TFeld::PVZuschlag: return "--ohne-pv-zuschlag";
    case TFeld::KVZusatz: return "--kv-zusatzbeitrag";
    case TFeld::PVAbschlaege: return "--pv-abschlaege";
    case TFeld::U1: return "--u1";
    case TFeld::U2: return "--u2";
    case TFeld::Beitragsgruppe: return "--beitragsgruppe";
    case TFeld::Kindergeld: return "--kindergeld";
    case TFeld::SonstigeAbzuege: return "--sonstige-abzuege";
    case TFeld::SVTage: return "--sv-tage";
    case TFeld::VorjahrSVTage: return "--vorjahr-sv-tage";
    case TFeld::VorjahrKVZusatz: return "--vorjahr-kv-zusatzbeitrag";
    case TFeld::Fuenftelregelung: return "--fuenftelregelung";
    case TFeld::DienstwagenKm: return "--dienstwagen-km";
    case TFeld::DienstwagenSatz: return "--dienstwagen-satz";
    case TFeld::Teilmonat: return "--teilmonat";
    default:
      for (const TBetragsOption& o : BetragsOptionen()) {
        if (o.Feld == f) return std::string("--") + o.Name;
      }
      return "";
  }
}

std::string BefundText(const TBefund& b, const TParameter& p, bool dm) {
  return lst::BefundText(b, OptionsName, [&](std::int64_t cent) {
    std::int64_t anzeige = cent;
    if (!dm && DMJahr(p.Jahr)) anzeige = Runden(static_cast<double>(cent) / kDMFaktor);
    if (dm && !DMJahr(p.Jahr)) anzeige = Runden(static_cast<double>(cent) * kDMFaktor);
    return CentAlsText(anzeige) + (dm ? " DM" : " EUR");
  });
}

std::string Vorbereiten(const TEingabe& e, TParameter& p, TAnfrage& a, TEinstellungsSpeicher* speicher,
                        std::vector<std::string>* warnungen) {
  // What the request itself cannot hold.
  const int jahr = JahrDerEingabe(e);
  const TJahresRegeln& regeln = JahresRegeln(jahr);
  if (!regeln.Lohnsteuer) return "Keine Lohnsteuer für " + std::to_string(jahr) + " vorhanden.";
  int version = -1;
  if (!e.Version.empty()) {
    version = LStVersionNachSchluessel(e.Version);
    if (version >= 0 && kLStVersionen[version].Jahr != jahr) {
      return "--pap " + e.Version + " gehört zum Jahr " + std::to_string(kLStVersionen[version].Jahr) +
             ", nicht zu " + std::to_string(jahr);
    }
  }
  if (e.DM && !regeln.DM && !e.DMJedesJahr) {
    return "--dm gilt nur bis " + std::to_string(LetztesJahrMit([](const TJahresRegeln& r) { return r.DM; }));
  }
  if (e.Minijob && e.Haushalt) return "--minijob und --haushalt schließen einander aus";
  if (e.Grundfreibetrag && !regeln.GrundfreibetragWahl) {
    return "--grundfreibetrag gilt nur für " +
           std::to_string(LetztesJahrMit([](const TJahresRegeln& r) { return r.GrundfreibetragWahl; }));
  }
  const int monat = regeln.PeriodenNachMonat ? e.Monat : 12;
  TUeberschreibungen ue;
  if (e.Einstellungen) {
    std::string f;
    TGeladeneEinstellungen ablage;
    const TGeladeneEinstellungen* g = EinstellungenHolen(e, jahr, speicher, ablage, f);
    if (g == nullptr) return f;
    ue = g->Ue;
  }
  if (e.Grundfreibetrag) ue.Grundfreibetrag = *e.Grundfreibetrag;
  // The cached set is copied once, not built into a temporary first: a
  // batch prepares a row after the other.
  const int v = regeln.PeriodenNachMonat ? version : -1;
  if (v < 0 && ue == TUeberschreibungen{}) p = StandardParameter(jahr, monat);
  else p = Parameter(jahr, monat, ue, v);

  // The request as the options state it; the contribution group given
  // decides in the core.
  a = TAnfrage{};
  const auto cent = [&](double betrag) { return Cent(jahr, e.DM, betrag); };
  a.LZZ = e.LZZ;
  a.Brutto = cent(e.Brutto);
  a.Altersentlastung = e.Altersentlastung;
  a.Bekenntnislos = e.Bekenntnislos;
  a.BesondereTabelle = e.BesondereTabelle;
  a.STKL = e.STKL;
  a.Faktor = e.Faktor;
  a.ZKF = static_cast<float>(e.ZKF);
  a.Freibetrag = cent(e.Freibetrag);
  a.Hinzurechnung = cent(e.Hinzurechnung);
  a.VBEZ = cent(e.Versorgungsbezug);
  a.VBEZM = cent(e.VersorgungMonat);
  a.VBEZS = cent(e.VersorgungSonder);
  a.ZMVB = static_cast<std::uint8_t>(e.VersorgungMonate);
  a.VJAHR = e.Versorgungsbeginn;
  a.STERBE = cent(e.Sterbegeld);
  a.KiStSatz = e.KiStProzent / 100;
  a.KiStSatzAngegeben = e.KiStGesetzt || !e.Bundesland;
  a.Bundesland = e.Bundesland;
  a.Aktivrente = e.Aktivrente;
  if (e.PauschProzent) a.PauschSatz = *e.PauschProzent / 100;
  a.Beschaeftigung = e.Minijob ? beGF : e.Haushalt ? beHH : beNV;
  a.Region = e.Region;
  a.Sachsen = e.Sachsen;
  a.Aufstockung = e.Aufstockung;
  a.Gleitzone = e.Gleitzone;
  a.RVVerzicht = e.KeineRVReduzierung;
  a.KVZuschlag = !e.OhneKVZuschlag;
  // The care surcharge of the childless is not levied in class II (single
  // parents).
  a.PVZuschlag = e.STKL != 2 && !e.OhnePVZuschlag;
  a.KVZusatz = e.KVZusatz;
  a.PVAbschlaege = e.PVAbschlaege;
  if (e.U1) a.U1 = *e.U1 / 100;
  if (e.U2) a.U2 = *e.U2 / 100;
  // The special table stands for private insurance where no contribution
  // group says otherwise.
  a.Privat = e.PrivatBeitrag || (e.BesondereTabelle && !e.Beitragsgruppe);
  a.AGZuschuss = e.AGZuschuss;
  a.PrivatBeitrag = Runden(e.PrivatBeitrag.value_or(0) * 100);
  if (e.PrivatBeitragPV) a.PrivatBeitragPV = Runden(*e.PrivatBeitragPV * 100);
  if (e.AGZuschussBetrag) a.AGZuschussBetrag = Runden(*e.AGZuschussBetrag * 100);
  a.Beitragsgruppe = e.Beitragsgruppe;
  if (e.Kindergeld) a.Kindergeld = cent(*e.Kindergeld);
  a.SonstigeAbzuege = cent(e.SonstigeAbzuege);
  const auto betrag = [&](const std::optional<double>& b) { return cent(b.value_or(0)); };
  const auto vielleicht = [&](const std::optional<double>& b) {
    return b ? std::optional<std::int64_t>(cent(*b)) : std::nullopt;
  };
  a.SonstigerBezug = betrag(e.SonstigerBezug);
  a.Jahresarbeitslohn = vielleicht(e.Jahresarbeitslohn);
  a.BisherigeSonstigeBezuege = betrag(e.BisherigeSonstigeBezuege);
  a.SVTage = e.SVTage;
  a.SVEntgeltBisherKV = vielleicht(e.SVEntgeltBisherKV);
  a.SVEntgeltBisherRV = vielleicht(e.SVEntgeltBisherRV);
  a.VorjahrSVTage = e.VorjahrSVTage;
  // The previous year's amounts are of the previous year's currency.
  const auto vorjahr = [&](const std::optional<double>& b) {
    return b ? std::optional<std::int64_t>(Cent(jahr - 1, e.DM, *b)) : std::nullopt;
  };
  a.VorjahrSVEntgeltKV = vorjahr(e.VorjahrSVEntgeltKV);
  a.VorjahrSVEntgeltRV = vorjahr(e.VorjahrSVEntgeltRV);
  a.VorjahrKVZusatz = e.VorjahrKVZusatz;
  a.Abfindung = betrag(e.Abfindung);
  a.Fuenftelregelung = e.Fuenftelregelung;
  a.DienstwagenListenpreis = betrag(e.Dienstwagen);
  a.DienstwagenKm = e.DienstwagenKm;
  a.DienstwagenSatz = e.DienstwagenSatz;
  a.Sachbezug = betrag(e.Sachbezug);
  a.Steuerfrei = betrag(e.Steuerfrei);
  a.Entgeltumwandlung = betrag(e.Entgeltumwandlung);
  a.VWLAG = betrag(e.VWLAG);
  a.VWLSparbetrag = betrag(e.VWLSparbetrag);
  a.Teilmonat = e.Teilmonat;

  TPruefOptionen o;
  o.BruttoGesucht = e.BruttoGesucht;
  const std::vector<TBefund> befunde = Pruefen(p, a, o);
  if (const TBefund* f = ErsterFehler(befunde)) return BefundText(*f, p, e.DM);
  if (warnungen != nullptr) {
    warnungen->clear();
    for (const TBefund& b : befunde) warnungen->push_back(BefundText(b, p, e.DM));
  }
  return {};
}

}  // namespace lst::cli
