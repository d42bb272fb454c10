#include "cli/befehle.h"

#include <algorithm>

#include "calc/jahresregeln.h"
#include "cli/eingabe.h"
#include "common/aufruf.h"
#include "lohnsteuer/versionen.h"

namespace lst::cli {

const std::vector<TBefehl>& Befehle() {
  static const std::vector<TBefehl> befehle = {
      {"berechnen", "", "eine Lohnabrechnung rechnen (Steuern, Sozialversicherung, Nettolohn, Lohnkosten)",
       "Rechnet die Lohnabrechnung eines Lohnzahlungszeitraums: Lohnsteuer, Solidaritätszuschlag, "
       "Kirchensteuer, die Beiträge zur Sozialversicherung von Arbeitnehmer und Arbeitgeber, den Nettolohn, "
       "den Auszahlungsbetrag und die Lohnkosten. Jede Eingabe des Fensters ist eine Option. Mit --json ein "
       "JSON-Objekt mit jedem Ergebnisfeld in Cent der Währung, in der die Beträge eingegeben wurden (Euro, "
       "oder DM mit --dm); das Feld \"Waehrung\" nennt sie.",
       true},
      {"wunschnetto", "BETRAG", "den Bruttolohn zu einem Wunsch-Nettolohn suchen (mit --arbeitgeber: zu geplanten "
                                "Lohnkosten)",
       "Sucht den Bruttolohn zu einem Wunsch-Nettolohn (mit --arbeitgeber: zu geplanten Lohnkosten) und zeigt "
       "seine Abrechnung. Die Meldung sagt, ob der Wunsch auf den Cent getroffen wird oder welcher nächste "
       "Betrag erreichbar ist; ein Wunsch, den kein Bruttolohn bis zu einer Milliarde erreicht, ist ein Fehler. "
       "Mit --json sagen die Felder \"Wunsch\" und \"Genau\" dasselbe.",
       true},
      {"batch", "", "eine Abrechnung je CSV-Zeile der Standardeingabe; Spalten wie die Optionen benannt "
                    "(Kopfzeile), Trenner ; oder ,",
       "Rechnet eine Abrechnung je CSV-Zeile der Standardeingabe (Trenner ; oder ,). Die Spalten der Kopfzeile "
       "heißen wie die Optionen ohne die Striche; fehlende Spalten nehmen die Vorgaben, die Optionen der "
       "Befehlszeile sind die Vorgaben jeder Zeile. Die Ausgabe wiederholt die Spalten der Eingabe und fügt "
       "jedes Feld von berechnen --json als Spalte gleichen Namens an, dazu die Spalte fehler. Eine Zeile mit "
       "mehr oder weniger Feldern als die Kopfzeile ist ein Fehler dieser Zeile. Ein Text, der mit =, +, - "
       "oder @ beginnt und keine Zahl ist, erhält einen Apostroph davor, damit eine Tabellenkalkulation ihn "
       "als Text zeigt.",
       true},
      {"lohnkonto", "", "das Lohnjahr: eine CSV-Zeile je Lohnzahlungsmonat (Spalte monat 1 bis 12; "
                        "personalnummer trennt die Arbeitnehmer); Ausgabe eine Zeile je Monat und eine Zeile summe",
       "Rechnet das Lohnjahr eines oder vieler Arbeitnehmer: eine CSV-Zeile der Standardeingabe je "
       "Lohnzahlungsmonat (Spalte monat 1 bis 12; die Spalte personalnummer trennt die Arbeitnehmer; eintritt "
       "und austritt als Datum TT.MM.JJJJ; unterbrechung ja für den Großbuchstaben U; lohnersatz: "
       "Kurzarbeitergeld u. a.; steuerfrei-dba und steuerfrei-ate: steuerfreier Arbeitslohn nach "
       "Doppelbesteuerungsabkommen und Auslandstätigkeitserlass neben dem Bruttolohn; jahresausgleich nein: der "
       "Arbeitnehmer will keinen Jahresausgleich; die übrigen Spalten wie bei batch). Jeder Monat trägt das Jahr bis dahin "
       "weiter: den voraussichtlichen Jahresarbeitslohn eines sonstigen Bezugs, die beitragspflichtigen "
       "Entgelte und die SV-Tage. Ein Monat ohne Zeile wiederholt den laufenden Lohn des Vormonats. Die "
       "Ausgabe hat eine Zeile je Arbeitnehmer und Monat mit den Spalten von batch und eine Zeile summe; mit "
       "--jahresausgleich der Lohnsteuer-Jahresausgleich des Arbeitgebers im Dezember, mit --bescheinigung "
       "die Zeilen der Lohnsteuerbescheinigung.",
       true},
      {"drucken", "--pdf DATEI", "den Ausdruck der Lohnabrechnung als PDF-Datei schreiben (Optionen wie bei "
                                 "berechnen; Druckeinstellungen wie im Fenster aus Kolvanta.ini und "
                                 "DrumselLStTab.ini); mit --lohnkonto das Lohnjahr",
       "Schreibt den Ausdruck der Lohnabrechnung, wie ihn das Fenster druckt, als PDF-Datei (A4), mit den "
       "Optionen von berechnen und den Druckeinstellungen, die das Fenster beim Start liest (Kolvanta.ini und "
       "der Abschnitt Druck von DrumselLStTab.ini). Mit --lohnkonto druckt er statt dessen das Lohnkonto "
       "(Querformat): die Monate aus der Standardeingabe wie bei lohnkonto, je Arbeitnehmer eine Zeile je "
       "Monat und die Summe, mit --jahresausgleich den Jahresausgleich, mit --bescheinigung die Zeilen der "
       "Lohnsteuerbescheinigung; jeder Arbeitnehmer beginnt auf einer neuen Seite. Kann das Jahr eines "
       "Arbeitnehmers nicht gerechnet werden, entsteht keine Datei. Eine Anzeige braucht er nicht. Die Datei "
       "entsteht unter "
       "einem vorläufigen Namen daneben und ersetzt das Ziel erst, wenn sie vollständig geschrieben ist; "
       "scheitert das Schreiben, bleibt eine vorhandene Datei, wie sie war.\n\n"
       "Den Befehl führt das Programm lohnsteuer-cli-druck aus, das Qt zum Zeichnen einbindet, während "
       "lohnsteuer-cli selbst ohne Qt startet. lohnsteuer-cli sucht es in seinem eigenen Ordner und in "
       "lib/lohnsteuer/ neben seinem bin-Ordner (installiert: /usr/lib/lohnsteuer/).",
       true},
      {"pap", "", "Lohnsteuer-Programmablaufplan direkt rechnen (CSV mit den Eingangsgrößen des Ablaufplans, "
                  "Beträge in Cent)",
       "Rechnet das Lohnsteuerprogramm eines Jahres direkt auf den Eingangsgrößen seines Programmablaufplans "
       "(CSV der Standardeingabe, Beträge in Cent, 0 bis 10^12), zum Abgleich mit Referenzdaten. Die Spalte "
       "year nennt den Ablaufplan: ein Jahr oder einen Schlüssel wie 2015dez, 2022jan, 2023juli. Eine Datei "
       "mit den Eingängen der neueren Ablaufpläne erhält auch deren Ausgänge. Der Befehl nimmt keine Optionen.",
       false},
      {"tabelle", "", "Lohnsteuertabelle: 499 Lohnstufen ab 1.000,00 unter --brutto (Spalten UG, OG, LohnSt, "
                      "KiSt, Soli, durch Tabulatoren getrennt)",
       "Die Lohnsteuertabelle des Fensters für die Eingaben von berechnen: 499 Lohnstufen ab 1.000,00 unter "
       "--brutto mit Lohnsteuer, Kirchensteuer und Solidaritätszuschlag, eine Zeile je Stufe, die Zellen durch "
       "Tabulatoren getrennt, die Zeilen durch CR LF, wie das Fenster sie beim Kopieren in die Zwischenablage "
       "legt. Mit --json die Zeilen in Cent der Anzeigewährung.",
       true},
      {"est-tabelle", "", "Einkommensteuertabelle (Grund- und Splittingtabelle) um das zu versteuernde "
                          "Einkommen der Abrechnung",
       "Die Einkommensteuertabelle des Fensters: Einkommensbereiche mit derselben Einkommensteuer in der "
       "Grund- und der Splittingtabelle, um das zu versteuernde Einkommen der Abrechnung; Format wie bei "
       "tabelle.",
       true},
      {"einkommensteuer", "EINKOMMEN [--splitting]", "tarifliche Einkommensteuer, Soli und KiSt eines Jahres",
       "Tarifliche Einkommensteuer, Solidaritätszuschlag und Kirchensteuer eines zu versteuernden Einkommens "
       "(1995 bis 2001 über den Tarifschritt der Lohnsteuer, wie im Fenster); mit --splitting nach der "
       "Splittingtabelle, mit --abfindung BETRAG die Fünftelregelung des § 34 EStG für eine Abfindung im "
       "Einkommen. Mit --json die Felder Waehrung, zvE, KZTAB, ESt, ESt_Abfindung, Soli, KiSt, SteuerSumme "
       "und BruttoNachSteuer.",
       true},
      {"vergleich", "BRUTTO_AN BRUTTO_EG", "Steuerklassenvergleich 3/5, 4/4, 5/3 eines Ehepaares",
       "Steuerklassenvergleich eines Ehepaares: die Lohnsteuer beider in den Klassen 3/5, 4/4 und 5/3 und die "
       "günstigste Kombination. Der Arbeitnehmer nimmt --freibetrag, --versorgungsbezug, "
       "--kinderfreibetraege und --versicherungsfrei, der Ehegatte die Optionen --eg-...; gemeinsam sind "
       "Jahr, Zeitraum, Region, Kirchensteuer, Altersentlastung und der Faktor der Klasse 4.",
       true},
      {"jahre", "", "die Steuerjahre mit Währung, Ablaufplänen und den Regeln der Sozialversicherung (mit "
                    "--json als JSON-Liste)",
       "Listet die Steuerjahre, das neueste zuerst, mit ihrer Währung, den Lohnsteuer-Ablaufplänen (ab 2014 "
       "jeder mit den Monaten, in denen er gilt) und den Regeln der Sozialversicherung; ab 2014 die "
       "Regelperioden mit Bemessungsgrenzen, Sätzen, Minijob-Grenze, Übergangsbereich und Umlagen. Mit "
       "--json als JSON-Liste; eine andere Option nimmt der Befehl nicht.",
       false},
      {"jahresvergleich", "[JAHR JAHR ...] [--von JAHR] [--bis JAHR]",
       "dieselbe Abrechnung in mehreren Jahren nebeneinander, mit der Änderung von Jahr zu Jahr (ohne Jahre: "
       "Vorjahr und neuestes Jahr); Lohnzahlungsmonat mit --monat (Vorgabe 12); Ausgabe als Tabelle, mit "
       "--json oder --csv",
       "Rechnet dieselbe Abrechnung in mehreren Steuerjahren, jedes mit seinen eigenen Werten für den "
       "Lohnzahlungsmonat (--monat, Vorgabe Dezember), und zeigt die Jahre nebeneinander mit der Änderung von "
       "Jahr zu Jahr. Die Jahre stehen als Argumente oder als Bereich --von/--bis; ohne sie das Vorjahr und das "
       "neueste Jahr. Beträge der DM-Jahre erscheinen in der Anzeigewährung. Mit --json eine Liste mit einem "
       "Objekt je Jahr (Jahr, Monat, Programmablaufplan und jedes Feld von berechnen --json), mit --csv eine "
       "Zeile je Jahr mit den Spalten von batch. Ein Jahr, das die Eingaben nicht rechnen kann, nennt seinen "
       "Grund statt der Zahlen.",
       true},
  };
  return befehle;
}

const std::vector<TAufrufOption>& AufrufOptionen() {
  static const std::vector<TAufrufOption> optionen = [] {
    std::vector<TAufrufOption> alle;
    for (const TOption& o : Optionen()) {
      const std::string name = o.Name;
      alle.push_back({name, !o.MitWert ? "" : name == "einstellungsdatei" ? "DATEI" : "WERT", o.Hilfe,
                      TOptionsArt::Rechnung, {}});
    }
    const std::vector<std::string> vergleich{"vergleich"};
    std::vector<std::string> mitHilfe;
    for (const TBefehl& b : Befehle()) {
      if (std::string_view(b.Name) != "pap") mitHilfe.emplace_back(b.Name);
    }
    const std::vector<TAufrufOption> eigene = {
        {"json", "", "Ergebnis als JSON-Objekt, Beträge in Cent der Anzeigewährung", TOptionsArt::Json,
         {"berechnen", "wunschnetto", "tabelle", "est-tabelle", "einkommensteuer", "vergleich", "jahre", "lohnkonto", "jahresvergleich"}},
        {"pdf", "DATEI", "drucken: die PDF-Datei, in die gedruckt wird", TOptionsArt::Pdf, {"drucken"}},
        {"lohnkonto", "",
         "drucken: das Lohnkonto des Jahres statt einer Abrechnung, die Monate aus der Standardeingabe wie bei "
         "lohnkonto (je Arbeitnehmer eigene Seiten)",
         TOptionsArt::Lohnkonto, {"drucken"}},
        {"jahresausgleich", "",
         "lohnkonto, drucken --lohnkonto: Lohnsteuer-Jahresausgleich des Arbeitgebers (§ 42b EStG) im Dezember, "
         "mit den Erstattungen LStJA, SoliJA und KiStJA, oder dem Grund, der ihn ausschließt (ab 2014)",
         TOptionsArt::Jahresausgleich, {"lohnkonto", "drucken"}},
        {"bescheinigung", "",
         "lohnkonto, drucken --lohnkonto: die Zeilen der Lohnsteuerbescheinigung (Zeile1 bis Zeile28; ab 2014)",
         TOptionsArt::Bescheinigung, {"lohnkonto", "drucken"}},
        {"von", "JAHR", "jahresvergleich: erstes Jahr (Vorgabe: das Jahr vor --bis)", TOptionsArt::Von,
         {"jahresvergleich"}},
        {"bis", "JAHR", "jahresvergleich: letztes Jahr (Vorgabe: das neueste Jahr)", TOptionsArt::Bis,
         {"jahresvergleich"}},
        {"csv", "", "jahresvergleich: eine CSV-Zeile je Jahr mit den Spalten von batch", TOptionsArt::Csv,
         {"jahresvergleich"}},
        {"splitting", "", "einkommensteuer: Splittingtabelle", TOptionsArt::Splitting, {"einkommensteuer"}},
        {"versicherungsfrei", "", "vergleich: Arbeitnehmer nicht rentenversichert", TOptionsArt::Vergleich,
         vergleich},
        {"eg-freibetrag", "WERT", "vergleich: Freibetrag des Ehegatten", TOptionsArt::Vergleich, vergleich},
        {"eg-versorgungsbezug", "WERT", "vergleich: im Bruttolohn des Ehegatten enthaltene Versorgungsbezüge",
         TOptionsArt::Vergleich, vergleich},
        {"eg-kinderfreibetraege", "WERT", "vergleich: Kinderfreibeträge des Ehegatten", TOptionsArt::Vergleich,
         vergleich},
        {"eg-versicherungsfrei", "", "vergleich: Ehegatte nicht rentenversichert", TOptionsArt::Vergleich,
         vergleich},
        {"help", "", "diese Hilfe (auch -h oder der Befehl hilfe)", TOptionsArt::Hilfe, mitHilfe},
        {"version", "", "die Versionsnummer ausgeben", TOptionsArt::Version, mitHilfe},
    };
    alle.insert(alle.end(), eigene.begin(), eigene.end());
    return alle;
  }();
  return optionen;
}

const TAufrufOption* FindeAufrufOption(std::string_view name) {
  for (const TAufrufOption& o : AufrufOptionen()) {
    if (o.Name == name) return &o;
  }
  return nullptr;
}

std::vector<std::string> OptionenDesBefehls(std::string_view befehl) {
  const auto b = std::find_if(Befehle().begin(), Befehle().end(),
                              [&](const TBefehl& x) { return befehl == x.Name; });
  std::vector<std::string> namen;
  if (b == Befehle().end()) return namen;
  for (const TAufrufOption& o : AufrufOptionen()) {
    const bool nimmt = o.Befehle.empty()
                           ? b->Rechnung
                           : std::find(o.Befehle.begin(), o.Befehle.end(), befehl) != o.Befehle.end();
    if (nimmt) namen.push_back(o.Name);
  }
  return namen;
}

std::vector<std::string> Wertvorschlaege(std::string_view option) {
  const auto zahlen = [](int von, int bis) {
    std::vector<std::string> w;
    for (int i = von; i <= bis; ++i) w.push_back(std::to_string(i));
    return w;
  };
  if (option == "jahr") {
    std::vector<std::string> w;
    for (int j = kLetztesLStJahr; j >= kErstesJahr; --j) w.push_back(std::to_string(j));
    return w;
  }
  if (option == "pap") {
    // The keys --pap takes: the flowcharts of the years with several.
    std::vector<std::string> w;
    for (const TLStVersion& v : kLStVersionen) {
      if (JahresRegeln(v.Jahr).PeriodenNachMonat) w.emplace_back(v.Schluessel);
    }
    return w;
  }
  if (option == "monat") return zahlen(1, 12);
  if (option == "steuerklasse") return zahlen(1, 6);
  if (option == "pv-abschlaege") return zahlen(0, 4);
  if (option == "zeitraum") return {"jahr", "monat", "woche", "tag"};
  if (option == "region") return {"west", "ost"};
  if (option == "dienstwagen-satz") return {"1", "0,5", "0,25"};
  if (option == "grundfreibetrag") return {"8004", "8130"};
  return {};
}

bool DateiWert(std::string_view option) {
  const TAufrufOption* o = FindeAufrufOption(option);
  return o != nullptr && o->Wert == "DATEI";
}

std::string HilfeText() {
  std::string text =
      "Aufruf: lohnsteuer-cli BEFEHL [OPTIONEN]\n"
      "\n"
      "Befehle:\n";
  std::vector<THilfeEintrag> befehle;
  for (const TBefehl& b : Befehle()) {
    std::string links = b.Name;
    if (*b.Argumente != '\0') links += std::string(" ") + b.Argumente;
    befehle.push_back({links, b.Hilfe});
  }
  text += HilfeSpalten(befehle, 23);
  text +=
      "\n"
      "Beträge wie in Deutschland üblich: 3000, 3000,50, 3.000,50 oder 3000.50.\n"
      "\n"
      "Optionen (berechnen, wunschnetto, drucken, tabelle, est-tabelle,\n"
      "einkommensteuer, vergleich, jahresvergleich; bei batch und lohnkonto Vorgaben\n"
      "für alle Zeilen):\n";
  std::vector<THilfeEintrag> optionen;
  for (const TAufrufOption& o : AufrufOptionen()) {
    optionen.push_back({"--" + o.Name + (o.Wert.empty() ? "" : " " + o.Wert), o.Hilfe});
  }
  return text + HilfeSpalten(optionen);
}

}  // namespace lst::cli
