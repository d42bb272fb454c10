#include "cli/batch.h"

#include <bit>
#include <charconv>
#include <istream>
#include <ostream>

#include "calc/berechnung.h"
#include "cli/ausgabe.h"
#include "cli/meldung.h"
#include "common/zahlen.h"

namespace lst::cli {

namespace {
// Whether text holds nothing but blanks and tabs (and, with wagenruecklauf,
// carriage returns), checked per cell without a call per character.
bool NurLeerzeichen(std::string_view text, bool wagenruecklauf) {
  for (const char c : text) {
    if (c != ' ' && c != '\t' && (!wagenruecklauf || c != '\r')) return false;
  }
  return true;
}
}  // namespace

bool CsvFelder(std::string_view zeile, char trenner, std::vector<std::string>& felder) {
  // The strings of the previous row are reused: no allocation per field.
  std::size_t anzahl = 0;
  {
    // Most lines hold neither quotes nor carriage returns: their fields lie
    // between the separators as they are.
    const char* anfang = zeile.data();
    const char* const ende = anfang + zeile.size();
    for (const char* p = anfang;; ++p) {
      if (p == ende || *p == trenner) {
        if (anzahl == felder.size()) felder.emplace_back();
        felder[anzahl++].assign(anfang, static_cast<std::size_t>(p - anfang));
        if (p == ende) {
          felder.resize(anzahl);
          return true;
        }
        anfang = p + 1;
      } else if (*p == '"' || *p == '\r') {
        break;  // read by the rules below, from the start
      }
    }
    anzahl = 0;
  }
  const auto naechstes = [&]() -> std::string& {
    if (anzahl == felder.size()) felder.emplace_back();
    std::string& f = felder[anzahl++];
    f.clear();
    return f;
  };
  std::string* feld = &naechstes();
  bool inAnfuehrung = false;
  bool warAngefuehrt = false;
  for (std::size_t i = 0; i < zeile.size(); ++i) {
    const char c = zeile[i];
    if (!inAnfuehrung && c != '"' && c != trenner && c != '\r') {
      // A run of plain characters at once.
      std::size_t ende = i + 1;
      while (ende < zeile.size() && zeile[ende] != '"' && zeile[ende] != trenner && zeile[ende] != '\r') ++ende;
      feld->append(zeile.data() + i, ende - i);
      i = ende - 1;
      continue;
    }
    if (inAnfuehrung) {
      if (c == '"') {
        if (i + 1 < zeile.size() && zeile[i + 1] == '"') {
          *feld += '"';
          ++i;
        } else {
          inAnfuehrung = false;
        }
      } else {
        *feld += c;
      }
    } else if (c == '"' && !warAngefuehrt && NurLeerzeichen(*feld, false)) {
      feld->clear();
      inAnfuehrung = true;
      warAngefuehrt = true;
    } else if (c == trenner) {
      feld = &naechstes();
      warAngefuehrt = false;
    } else if (c != '\r' || i + 1 != zeile.size()) {
      *feld += c;
    }
  }
  felder.resize(anzahl);
  return !inAnfuehrung;
}

namespace {

// The cells of a line as views: into the line itself where it holds neither
// quotes nor carriage returns (no copy per cell; inDerZeile), else into
// texte, which CsvFelder reads them into.  False for an unclosed quote; the
// cells read up to it are kept.
bool Zellen(std::string_view zeile, char trenner, std::vector<std::string>& texte,
            std::vector<std::string_view>& zellen, bool& inDerZeile) {
  zellen.clear();
  inDerZeile = true;
  const char* anfang = zeile.data();
  const char* const ende = anfang + zeile.size();
  for (const char* p = anfang;; ++p) {
    if (p == ende || *p == trenner) {
      zellen.emplace_back(anfang, static_cast<std::size_t>(p - anfang));
      if (p == ende) return true;
      anfang = p + 1;
    } else if (*p == '"' || *p == '\r') {
      break;
    }
  }
  inDerZeile = false;
  const bool gelesen = CsvFelder(zeile, trenner, texte);
  zellen.assign(texte.begin(), texte.end());
  return gelesen;
}

// Whether a spreadsheet would take the cell for a formula: text that starts
// with "=", "+", "-" or "@" and is no number ("-12,50" is one).
bool WieFormel(std::string_view feld) {
  if (feld.empty()) return false;
  const char c = feld.front();
  if (c != '=' && c != '+' && c != '-' && c != '@') return false;
  return !BetragLesen(feld) && !ZahlLesen(feld);
}

}  // namespace

// One cell: quoted where it holds the separator, a quote or a line break; a
// text a spreadsheet would run as a formula gets a leading apostrophe, which
// makes it plain text there.
void FeldSchreiben(std::string& ziel, std::string_view feld, char trenner) {
  if (feld.empty()) return;
  const bool formel = WieFormel(feld);
  bool zitieren = false;
  for (const char c : feld) {
    if (c == trenner || c == '"' || c == '\n' || c == '\r') {
      zitieren = true;
      break;
    }
  }
  if (zitieren) ziel += '"';
  if (formel) ziel += '\'';
  if (!zitieren) {
    ziel.append(feld);
    return;
  }
  for (char c : feld) {
    if (c == '"') ziel += '"';
    ziel += c;
  }
  ziel += '"';
}

namespace {

// Cents of the display currency as "1234,56" (or "1234.56" when the comma
// separates the columns), written at ziel; returns the end.
char* BetragSchreiben(char* ziel, std::int64_t cent, char dezimal) {
  static constexpr char kPaare[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  std::uint64_t betrag = static_cast<std::uint64_t>(cent);
  if (cent < 0) {
    *ziel++ = '-';
    betrag = 0 - betrag;
  }
  if (betrag == 0) {  // the most frequent amount
    ziel[0] = '0';
    ziel[1] = dezimal;
    ziel[2] = '0';
    ziel[3] = '0';
    return ziel + 4;
  }
  // The units (at least one digit), the mark and the cents, written from
  // the right.
  const unsigned c = static_cast<unsigned>(betrag % 100);
  betrag /= 100;
  // The number of digits from the highest bit, without a division per
  // digit: 1233/4096 is just above log10(2), the table corrects by one.
  static constexpr std::uint64_t kZehnHoch[] = {1ull,
                                                10ull,
                                                100ull,
                                                1000ull,
                                                10000ull,
                                                100000ull,
                                                1000000ull,
                                                10000000ull,
                                                100000000ull,
                                                1000000000ull,
                                                10000000000ull,
                                                100000000000ull,
                                                1000000000000ull,
                                                10000000000000ull,
                                                100000000000000ull,
                                                1000000000000000ull,
                                                10000000000000000ull,
                                                100000000000000000ull,
                                                1000000000000000000ull,
                                                10000000000000000000ull};
  const std::uint64_t ungerade = betrag | 1;  // as many digits, at least one
  const unsigned schaetzung = (static_cast<unsigned>(std::bit_width(ungerade)) * 1233) >> 12;
  const std::size_t stellen = schaetzung + 1 - (ungerade < kZehnHoch[schaetzung] ? 1 : 0);
  char* p = ziel + stellen + 3;
  char* const ende = p;
  *--p = kPaare[2 * c + 1];
  *--p = kPaare[2 * c];
  *--p = dezimal;
  while (betrag >= 100) {
    const unsigned paar = static_cast<unsigned>(betrag % 100);
    betrag /= 100;
    *--p = kPaare[2 * paar + 1];
    *--p = kPaare[2 * paar];
  }
  if (betrag >= 10) {
    *--p = kPaare[2 * betrag + 1];
    *--p = kPaare[2 * betrag];
  } else {
    *--p = static_cast<char>('0' + betrag);
  }
  return ende;
}

}  // namespace

// The first anzahl amounts, each after a separator.
void BetraegeSchreiben(std::string& ziel, const TErgebnisWerte& werte, std::size_t anzahl, char trenner,
                       char dezimal) {
  // At most 20 digits, sign, decimal mark, two decimals and the separator.
  char zeile[kErgebnisAnzahl * 26];
  char* p = zeile;
  for (std::size_t i = 0; i < anzahl; ++i) {
    *p++ = trenner;
    p = BetragSchreiben(p, werte[i], dezimal);
  }
  ziel.append(zeile, p);
}

int Batch(const TEingabe& vorgabe, std::istream& ein, std::ostream& aus, std::ostream& fehler) {
  std::string zeile;
  long nummer = 0;
  // Header.
  std::vector<std::string> kopf;
  char trenner = ';';
  while (std::getline(ein, zeile)) {
    ++nummer;
    if (zeile.size() >= 3 && zeile.compare(0, 3, "\xEF\xBB\xBF") == 0) zeile.erase(0, 3);
    if (zeile.find_first_not_of(" \t\r") != std::string::npos) break;
  }
  if (ein.fail() && zeile.empty()) {
    fehler << "lohnsteuer-cli: Keine Kopfzeile gefunden.\n";
    return 2;
  }
  // The separator of the head row; a head row with neither names one
  // column, whose cells may hold a decimal comma.
  trenner = zeile.find(';') == std::string::npos && zeile.find(',') != std::string::npos ? ',' : ';';
  const char dezimal = trenner == ';' ? ',' : '.';
  if (!CsvFelder(zeile, trenner, kopf)) {
    fehler << "lohnsteuer-cli: Zeile " << nummer << ": Anführungszeichen nicht geschlossen\n";
    return 2;
  }
  // A separator at the end of the head row (as some spreadsheets write it)
  // names no column; the rows may then end with one as well.
  const bool trennerAmEnde = kopf.size() > 1 && kopf.back().find_first_not_of(" \t\r") == std::string::npos;
  if (trennerAmEnde) kopf.pop_back();
  std::vector<const TOption*> spalten;
  std::vector<std::string_view> spaltenNamen;  // the options' names, measured once
  for (std::string& name : kopf) {
    std::string n = name;
    while (!n.empty() && (n.back() == ' ' || n.back() == '\r')) n.pop_back();
    while (!n.empty() && n.front() == ' ') n.erase(0, 1);
    if (n.rfind("--", 0) == 0) n.erase(0, 2);
    const TOption* gefunden = nullptr;
    for (const TOption& o : Optionen()) {
      if (n == o.Name) gefunden = &o;
    }
    if (gefunden == nullptr || n == "arbeitgeber") {
      fehler << "lohnsteuer-cli: Kopfzeile: unbekannte Spalte " << Zitat(n) << '\n';
      return 2;
    }
    // Of two columns for one option, which one was meant?
    for (const TOption* s : spalten) {
      if (s == gefunden) {
        fehler << "lohnsteuer-cli: Kopfzeile: die Spalte " << Zitat(n) << " ist mehr als einmal angegeben\n";
        return 2;
      }
    }
    spalten.push_back(gefunden);
    spaltenNamen.emplace_back(gefunden->Name);
  }

  std::string puffer;
  const auto& ergebnisNamen = ErgebnisNamen();
  for (std::size_t i = 0; i < kopf.size(); ++i) {
    if (i > 0) puffer += trenner;
    FeldSchreiben(puffer, kopf[i], trenner);
  }
  // The amounts, then the texts of the JSON object (after the amounts, so
  // that the amounts keep their columns next to the input).
  for (const char* name : ergebnisNamen) {
    (puffer += trenner) += name;
  }
  for (const char* name : TextNamen()) {
    (puffer += trenner) += name;
  }
  (puffer += trenner) += "fehler";
  puffer += '\n';
  // The rows go out in large blocks; so do the messages, each block of them
  // before the rows they name.
  constexpr std::size_t kBlock = 1 << 16;
  std::string meldungen;
  const auto meldungenSchreiben = [&] {
    if (meldungen.empty()) return;
    fehler.write(meldungen.data(), static_cast<std::streamsize>(meldungen.size()));
    fehler.flush();
    meldungen.clear();
  };
  const auto schreiben = [&] {
    meldungenSchreiben();
    aus.write(puffer.data(), static_cast<std::streamsize>(puffer.size()));
    puffer.clear();
  };
  const auto zeilenMeldung = [&](std::string_view text) {
    char zahl[24];
    meldungen += "lohnsteuer-cli: Zeile ";
    meldungen.append(zahl, std::to_chars(zahl, zahl + sizeof zahl, nummer).ptr);
    meldungen += ": ";
    meldungen += text;
    meldungen += '\n';
  };

  TEinstellungsSpeicher speicher;
  std::vector<std::string> texte;
  std::vector<std::string_view> felder;  // the cells of the row being read
  bool inDerZeile = false;                // they are views into the line
  TEingabe e;
  TErgebnisWerte werte{};
  TTextWerte textWerte;
  TAbrechnungsStand stand;
  std::vector<std::string> warnungen;
  std::string meldung;
  bool fehlgeschlagen = false;
  while (std::getline(ein, zeile)) {
    ++nummer;
    if (NurLeerzeichen(zeile, true)) continue;
    meldung.clear();
    if (!Zellen(zeile, trenner, texte, felder, inDerZeile)) {
      meldung = "Anführungszeichen nicht geschlossen";
    } else {
      if (trennerAmEnde && felder.size() == kopf.size() + 1 &&
          NurLeerzeichen(felder.back(), true)) {
        felder.pop_back();
      }
      // A row of another width has lost or gained a field somewhere: its
      // values cannot be told apart from the neighbouring columns.
      if (felder.size() != kopf.size()) {
        meldung = std::string(felder.size() > kopf.size() ? "mehr" : "weniger") + " Spalten als in der Kopfzeile (" +
                  std::to_string(felder.size()) + " statt " + std::to_string(kopf.size()) + ")";
      }
    }
    e = vorgabe;
    for (std::size_t i = 0; meldung.empty() && i < felder.size(); ++i) {
      const TOption& o = *spalten[i];
      if (o.MitWert) {
        if (NurLeerzeichen(felder[i], false)) continue;
        meldung = OptionSetzen(e, spaltenNamen[i], felder[i]);
      } else {
        const auto an = SchalterLesen(felder[i]);
        if (!an) {
          meldung = std::string(o.Name) + ": " + Zitat(felder[i]) + " ist weder ja noch nein";
        } else if (*an) {
          meldung = OptionSetzen(e, spaltenNamen[i], "1");
        }
      }
    }
    // Vorbereiten sets the whole request before it is used.
    if (meldung.empty()) {
      // A settings file's warnings go straight to the error output: the
      // messages of the rows before come first.
      if (e.Einstellungen) meldungenSchreiben();
      meldung = Vorbereiten(e, stand.Parameter, stand.Anfrage, &speicher, &warnungen);
      stand.Euro = !e.DM;
      stand.ArbeitnehmerSicht = !e.Arbeitgeber;
    }
    bool nurSteuer = false;
    if (meldung.empty()) {
      try {
        stand.Ergebnis = Abrechnen(stand.Parameter, stand.Anfrage);
        nurSteuer = !stand.Parameter.R().Vorhanden;
      } catch (const TLStFehler& f) {
        meldung = f.what();
        nurSteuer = false;
      }
    }
    // Cells of a plain line need no quotes: unless one would be taken for
    // a formula, the line itself up to its last cell is their text.
    bool wieGelesen = inDerZeile && felder.size() == kopf.size();
    for (std::size_t i = 0; wieGelesen && i < felder.size(); ++i) {
      const std::string_view f = felder[i];
      wieGelesen = f.empty() || (f.front() != '=' && f.front() != '+' && f.front() != '-' && f.front() != '@');
    }
    if (wieGelesen) {
      puffer.append(felder.front().data(),
                    static_cast<std::size_t>(felder.back().data() + felder.back().size() - felder.front().data()));
    } else {
      for (std::size_t i = 0; i < kopf.size(); ++i) {
        if (i > 0) puffer += trenner;
        if (i < felder.size()) FeldSchreiben(puffer, felder[i], trenner);
      }
    }
    if (nurSteuer) {
      // The tax fields only; the social insurance and what depends on it
      // stay empty, and the row says why.
      AnzeigeWerte(stand, &e, werte);
      BetraegeSchreiben(puffer, werte, kSteuerAnzahl, trenner, dezimal);
      puffer.append(kErgebnisAnzahl - kSteuerAnzahl, trenner);
      // The flowchart is named as the JSON of the tax alone names it.
      TextWerte(stand, textWerte);
      textWerte[1] = Programmablaufplan(stand.Parameter);
      textWerte[2].clear();
      textWerte[3].clear();
      for (const std::string& t : textWerte) (puffer += trenner) += t;
      puffer += trenner;
      FeldSchreiben(puffer,
                    "Zeile " + std::to_string(nummer) + ": nur Steuern (Programmablaufplan " + textWerte[1] +
                        "); Sozialversicherung für " + std::to_string(stand.Parameter.Jahr) +
                        " nicht hinterlegt",
                    trenner);
    } else if (meldung.empty()) {
      AnzeigeWerte(stand, &e, werte);
      BetraegeSchreiben(puffer, werte, kErgebnisAnzahl, trenner, dezimal);
      TexteAnhaengen(puffer, trenner, stand);
      for (const std::string& w : warnungen) zeilenMeldung("Warnung: " + w);
      puffer += trenner;
    } else {
      puffer.append(kTextAnzahl + kErgebnisAnzahl, trenner);
      puffer += trenner;
      FeldSchreiben(puffer, "Zeile " + std::to_string(nummer) + ": " + meldung, trenner);
      zeilenMeldung(meldung);
      fehlgeschlagen = true;
    }
    puffer += '\n';
    if (puffer.size() >= kBlock || meldungen.size() >= kBlock) schreiben();
  }
  schreiben();
  aus.flush();
  return fehlgeschlagen ? 1 : 0;
}

}  // namespace lst::cli
