#include "cli/jahresvergleich.h"

#include <algorithm>
#include <cstdio>

#include "calc/jahresregeln.h"
#include "calc/parameter.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/meldung.h"
#include "geld/zahlen.h"

namespace lst::cli {

namespace {

// Characters, not bytes: "ä" and "–" take more than one byte.
std::size_t Breite(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string Rechts(const std::string& text, std::size_t breite) {
  const std::size_t b = Breite(text);
  return std::string(b < breite ? breite - b : 0, ' ') + text;
}

std::string Links(const std::string& text, std::size_t breite) {
  const std::size_t b = Breite(text);
  return text + std::string(b < breite ? breite - b : 0, ' ');
}

// A JSON string of a message: quotes, backslashes and control characters
// escaped.
std::string JsonText(const std::string& text) {
  std::string j = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      j += '\\';
      j += static_cast<char>(c);
    } else if (c < 0x20) {
      char e[8];
      std::snprintf(e, sizeof e, "\\u%04x", c);
      j += e;
    } else {
      j += static_cast<char>(c);
    }
  }
  return j + "\"";
}

// The calculation of a year as the other outputs of the command line hold
// it.
TAbrechnungsStand Stand(const TJahresvergleich& v, const TVergleichsJahr& j) {
  TAbrechnungsStand s;
  s.Parameter = j.Parameter;
  s.Anfrage = j.Anfrage;
  s.Ergebnis = j.Ergebnis;
  s.Euro = v.Euro;
  return s;
}

// The texts of a year (currency, flowchart, group, March clause), the
// flowchart named in every year.
TTextWerte Texte(const TJahresvergleich& v, const TVergleichsJahr& j) {
  TTextWerte t;
  TextWerte(Stand(v, j), t);
  t[1] = Programmablaufplan(j.Parameter);
  return t;
}

// A change with its sign: "+12,34", "-5,00", "0,00".
std::string Aenderung(std::int64_t cent) {
  std::string text = CentAlsText(cent);
  if (cent > 0) text.insert(text.begin(), '+');
  return text;
}

}  // namespace

std::string VergleichsjahreLesen(const TJahresvergleichAufruf& a, std::vector<int>& jahre) {
  jahre.clear();
  const int neuestes = TEingabe{}.Jahr;
  const auto jahr = [](const std::string& text, const std::string& name, int& ziel) -> std::string {
    const auto z = GanzzahlLesen(text);
    if (!z || *z < 1 || *z > 9999) return name + Zitat(text) + " ist kein Jahr";
    ziel = static_cast<int>(*z);
    return {};
  };
  if (a.Von || a.Bis) {
    int bis = neuestes;
    if (a.Bis) {
      if (std::string f = jahr(*a.Bis, "--bis: ", bis); !f.empty()) return f;
    }
    int von = bis - 1;
    if (a.Von) {
      if (std::string f = jahr(*a.Von, "--von: ", von); !f.empty()) return f;
    }
    if (!a.Argumente.empty()) {
      return "Die Jahre stehen entweder als Argumente oder mit --von und --bis, nicht beides";
    }
    if (von > bis) return "--von " + std::to_string(von) + " liegt nach --bis " + std::to_string(bis);
    if (bis - von > 100) return "Der Bereich von " + std::to_string(von) + " bis " + std::to_string(bis) + " ist zu groß";
    jahre = Jahresbereich(von, bis);
  } else if (a.Argumente.empty()) {
    jahre = StandardVergleichsjahre(neuestes);
  } else {
    for (const std::string& arg : a.Argumente) {
      int j = 0;
      if (std::string f = jahr(arg, "", j); !f.empty()) return f;
      jahre.push_back(j);
    }
  }
  return VergleichsjahrePruefen(jahre);
}

std::string JahresvergleichRechnen(const TJahresvergleichAufruf& a, TJahresvergleich& v,
                                   std::vector<std::string>* warnungen) {
  if (a.Eingabe.JahrGesetzt) {
    return "--jahr gilt nicht für jahresvergleich: die Jahre stehen als Argumente (jahresvergleich 2025 2026) "
           "oder mit --von und --bis";
  }
  if (!a.Eingabe.Version.empty()) {
    return "--pap gilt nicht für jahresvergleich: jedes Jahr rechnet mit dem Programmablaufplan seines "
           "Lohnzahlungsmonats (--monat)";
  }
  std::vector<int> jahre;
  if (std::string f = VergleichsjahreLesen(a, jahre); !f.empty()) return f;
  TEinstellungsSpeicher speicher;
  std::vector<TVergleichsVorlage> vorlagen;
  for (int jahr : jahre) {
    TEingabe e = a.Eingabe;
    e.Jahr = jahr;
    e.JahrGesetzt = true;
    e.DMJedesJahr = true;
    TVergleichsVorlage vorlage;
    vorlage.Jahr = jahr;
    // The parameters stay those of the month where the options do not fit.
    vorlage.Parameter = StandardParameter(jahr, e.Monat);
    std::vector<std::string> w;
    vorlage.Fehler = Vorbereiten(e, vorlage.Parameter, vorlage.Anfrage, &speicher, &w);
    vorlage.Getippt = GetippteBetraege(&e);
    if (warnungen != nullptr && vorlage.Fehler.empty()) {
      for (const std::string& text : w) warnungen->push_back(std::to_string(jahr) + ": " + text);
    }
    vorlagen.push_back(std::move(vorlage));
  }
  const bool dm = a.Eingabe.DM;
  v = JahreVergleichen(vorlagen, !dm, [dm](const TBefund& b, const TParameter& p) { return BefundText(b, p, dm); });
  v.Monat = a.Eingabe.Monat;
  return {};
}

std::string VergleichAlsText(const TJahresvergleich& v) {
  const std::size_t n = v.Jahre.size();
  // The cells: the label, then per year its value and, after every year
  // but the first, the change from the year before.
  std::vector<std::vector<std::string>> zeilen;
  std::vector<std::string> kopf{""};
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) kopf.push_back("Diff " + std::to_string(v.Jahre[i - 1].Jahr) + "/" + std::to_string(v.Jahre[i].Jahr));
    kopf.push_back(std::to_string(v.Jahre[i].Jahr));
  }
  zeilen.push_back(kopf);
  const auto textZeile = [&](const std::string& titel, std::size_t index) {
    std::vector<std::string> z{titel};
    bool etwas = false;
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0) z.emplace_back();
      const TVergleichsJahr& j = v.Jahre[i];
      std::string t = j.Berechnet() ? Texte(v, j)[index] : std::string();
      etwas = etwas || !t.empty();
      z.push_back(std::move(t));
    }
    if (etwas) zeilen.push_back(z);
  };
  textZeile("Programmablaufplan", 1);
  textZeile("Beitragsgruppe", 2);
  for (std::size_t g : v.GezeigteGroessen()) {
    std::vector<std::string> z{VergleichsGroessen()[g].Titel};
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0) {
        const auto d = v.Differenz(i - 1, g);
        z.push_back(d ? Aenderung(*d) : "–");
      }
      const auto w = v.Wert(i, g);
      z.push_back(w ? CentAlsText(*w) : "–");
    }
    zeilen.push_back(std::move(z));
  }
  std::vector<std::size_t> breiten(kopf.size(), 0);
  for (const auto& z : zeilen) {
    for (std::size_t c = 0; c < z.size(); ++c) breiten[c] = std::max(breiten[c], Breite(z[c]));
  }
  std::string text = "Jahresvergleich, Lohnzahlungsmonat " + std::string(Monatsname(v.Monat)) +
                     " (vor 2014: das ganze Jahr), Beträge in " + Waehrungszeichen(v.Euro) + "\n\n";
  for (const auto& z : zeilen) {
    std::string zeile = Links(z[0], breiten[0]);
    for (std::size_t c = 1; c < z.size(); ++c) zeile += "  " + Rechts(z[c], breiten[c]);
    while (!zeile.empty() && zeile.back() == ' ') zeile.pop_back();
    text += zeile + "\n";
  }
  bool ersteMeldung = true;
  for (const TVergleichsJahr& j : v.Jahre) {
    if (j.Berechnet()) continue;
    text += ersteMeldung ? "\n" : "";
    ersteMeldung = false;
    text += std::to_string(j.Jahr) + ": " + j.Fehler + "\n";
  }
  return text;
}

std::string VergleichAlsJson(const TJahresvergleich& v) {
  std::string json = "[";
  for (std::size_t i = 0; i < v.Jahre.size(); ++i) {
    const TVergleichsJahr& j = v.Jahre[i];
    json += i == 0 ? "\n" : ",\n";
    const std::string kopf =
        "{\"Jahr\": " + std::to_string(j.Jahr) + ", \"Monat\": " + std::to_string(j.Parameter.Monat);
    if (!j.Berechnet()) {
      json += kopf + ", \"Fehler\": " + JsonText(j.Fehler) + "}";
      continue;
    }
    // The object of berechnen --json, with the flowchart named in every
    // year.
    const TTextWerte texte = Texte(v, j);
    TAnzeige a;
    a.Waehrung = texte[0];
    a.Programmablaufplan = texte[1];
    a.Beitragsgruppe = texte[2];
    a.Felder = ErgebnisFelder(j.Anzeige);
    a.Maerzklausel = j.Anzeige.Maerzklausel;
    json += kopf + ", " + AlsJson(a).substr(1);
  }
  return json + "\n]\n";
}

std::string VergleichAlsCsv(const TJahresvergleich& v) {
  constexpr char trenner = ';';
  std::string csv = "jahr;monat";
  for (const char* name : ErgebnisNamen()) (csv += trenner) += name;
  for (const char* name : TextNamen()) (csv += trenner) += name;
  csv += ";fehler\n";
  TErgebnisWerte werte{};
  for (const TVergleichsJahr& j : v.Jahre) {
    csv += std::to_string(j.Jahr) + trenner + std::to_string(j.Parameter.Monat);
    if (j.Berechnet()) {
      ErgebnisWerte(j.Anzeige, werte);
      BetraegeSchreiben(csv, werte.data(), kErgebnisAnzahl, trenner, ',');
      for (const std::string& t : Texte(v, j)) (csv += trenner) += t;
      csv += trenner;
    } else {
      csv.append(kErgebnisAnzahl + kTextAnzahl + 1, trenner);
      // Named by its year, as batch names a row's message by its row.
      FeldSchreiben(csv, std::to_string(j.Jahr) + ": " + j.Fehler, trenner);
    }
    csv += '\n';
  }
  return csv;
}

int Jahresvergleich(const TJahresvergleichAufruf& a) {
  TJahresvergleich v;
  std::vector<std::string> warnungen;
  if (std::string f = JahresvergleichRechnen(a, v, &warnungen); !f.empty()) {
    std::fprintf(stderr, "lohnsteuer-cli: %s\n", f.c_str());
    return 2;
  }
  for (const std::string& w : warnungen) std::fprintf(stderr, "lohnsteuer-cli: Warnung: %s\n", w.c_str());
  for (const TVergleichsJahr& j : v.Jahre) {
    if (!j.Berechnet()) std::fprintf(stderr, "lohnsteuer-cli: %d: %s\n", j.Jahr, j.Fehler.c_str());
  }
  std::string aus;
  switch (a.Ausgabe) {
    case TVergleichsAusgabe::Text: aus = VergleichAlsText(v); break;
    case TVergleichsAusgabe::Json: aus = VergleichAlsJson(v); break;
    case TVergleichsAusgabe::Csv: aus = VergleichAlsCsv(v); break;
  }
  std::fputs(aus.c_str(), stdout);
  return v.Vollstaendig() ? 0 : 1;
}

}  // namespace lst::cli
