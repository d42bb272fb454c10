#include "cli/lohnkonto.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "calc/anzeige.h"
#include "calc/fehler.h"
#include "calc/jahresregeln.h"
#include "calc/lohnjahr.h"
#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/meldung.h"
#include "common/datum.h"
#include "geld/zahlen.h"

namespace lst::cli {

namespace {

// The columns of lohnkonto beside the options.
enum TEigeneSpalte {
  spPersonalnummer,
  spEintritt,
  spAustritt,
  spUnterbrechung,
  spLohnersatz,
  spDBA,
  spATE,
  spJahresausgleich,
  spAnzahl
};
const std::vector<std::string_view>& EigeneSpalten() {
  static const std::vector<std::string_view> namen = {"personalnummer", "eintritt",       "austritt",
                                                      "unterbrechung",  "lohnersatz",     "steuerfrei-dba",
                                                      "steuerfrei-ate", "jahresausgleich"};
  return namen;
}

struct TRohzeile {
  long Nummer = 0;
  std::string Text;
};

// An employee's rows as read, in the order of the input.
struct TMitarbeiter {
  std::string Nummer;
  std::vector<TRohzeile> Zeilen;
};

// An employee's rows prepared for the year: the core's request, per row
// the options (for the amounts as typed) and its line, the rows refused.
struct TKonto {
  TLohnjahrAnfrage Anfrage;
  std::vector<TEingabe> Eingaben;
  std::vector<long> Zeilen;
  std::vector<std::string> MonatsZellen;  // the cell "monat" of each row refused
  std::vector<std::pair<long, std::string>> Fehler;
  bool Euro = true;
};

std::string Zeilennummer(long nummer) { return "Zeile " + std::to_string(nummer); }

// Where the employees' years go, in the order of the input: an output
// of rows, or the printout's collection.
class TZiel {
 public:
  virtual ~TZiel() = default;
  // The head row is read.
  virtual void Anfang(const TCsvKopf& k, bool mitNummer) = 0;
  // An employee whose year is not computed: the rows refused and why.
  virtual void Verworfen(const std::string& nummer, const TKonto& k, const std::string& meldung) = 0;
  virtual void Jahr(const std::string& nummer, const TKonto& k, const TLohnjahr& j) = 0;
  virtual void Ende() {}
  // What is ready goes out (every block and at the end).
  virtual void Schreiben() {}
  // Whether enough waits to be written.
  virtual bool Voll() const { return false; }
};

// Writes the rows of the employees, CSV or JSON.
class TAusgabe : public TZiel {
 public:
  TAusgabe(const TLohnkontoOptionen& o, std::ostream& aus) : O_(o), Aus_(aus) {}

  std::string Puffer;

  void Anfang(const TCsvKopf& k, bool mitNummer) override {
    Trenner_ = k.Trenner;
    Dezimal_ = k.Dezimal;
    MitNummer_ = mitNummer;
    Kopf();
  }

  void Schreiben() override {
    Aus_.write(Puffer.data(), static_cast<std::streamsize>(Puffer.size()));
    Puffer.clear();
  }

  bool Voll() const override { return Puffer.size() >= (1 << 16); }

  void Kopf() {
    if (O_.Json) {
      Puffer += '[';
      return;
    }
    if (MitNummer_) (Puffer += "personalnummer") += Trenner_;
    Puffer += "monat";
    (Puffer += Trenner_) += "eingabezeile";
    for (const char* name : ErgebnisNamen()) (Puffer += Trenner_) += name;
    for (const char* name : TextNamen()) (Puffer += Trenner_) += name;
    (Puffer += Trenner_) += "SVTage";
    (Puffer += Trenner_) += "Teilmonat";
    if (O_.Jahresausgleich) {
      for (const char* name : {"LStJA", "SoliJA", "KiStJA"}) (Puffer += Trenner_) += name;
    }
    if (O_.Bescheinigung) {
      for (const TBescheinigungsMuster& m : BescheinigungsMuster()) ((Puffer += Trenner_) += "Zeile") += m.Nummer;
      (Puffer += Trenner_) += "Grossbuchstaben";
    }
    (Puffer += Trenner_) += "hinweis";
    (Puffer += Trenner_) += "fehler";
    Puffer += '\n';
  }

  void Ende() override {
    if (O_.Json) Puffer += Erster_ ? "]\n" : "\n]\n";
  }

  // The rows refused and the sum row's message; no month is computed.
  void Verworfen(const std::string& nummer, const TKonto& k, const std::string& meldung) override {
    if (O_.Json) {
      Objekt(nummer);
      Puffer += "\"fehler\": [";
      for (std::size_t i = 0; i < k.Fehler.size(); ++i) {
        if (i > 0) Puffer += ", ";
        JsonText(Zeilennummer(k.Fehler[i].first) + ": " + k.Fehler[i].second);
      }
      if (!k.Fehler.empty()) Puffer += ", ";
      JsonText(meldung);
      Puffer += "]}";
      return;
    }
    for (std::size_t i = 0; i < k.Fehler.size(); ++i) {
      ZeilenAnfang(nummer, k.MonatsZellen[i], std::to_string(k.Fehler[i].first));
      LeereSpalten();
      Puffer += Trenner_;
      FeldSchreiben(Puffer, Zeilennummer(k.Fehler[i].first) + ": " + k.Fehler[i].second, Trenner_);
      Puffer += '\n';
    }
    ZeilenAnfang(nummer, "summe", "");
    LeereSpalten();
    Puffer += Trenner_;
    FeldSchreiben(Puffer, meldung, Trenner_);
    Puffer += '\n';
  }

  void Jahr(const std::string& nummer, const TKonto& k, const TLohnjahr& j) override {
    const bool mitBescheinigung = O_.Bescheinigung && JahresRegeln(j.Jahr).Bescheinigung;
    const TBescheinigung b = mitBescheinigung ? Lohnsteuerbescheinigung(j) : TBescheinigung{};
    std::string hinweis;
    if (O_.Jahresausgleich && j.Jahresausgleich) {
      const TJahresausgleich& ja = *j.Jahresausgleich;
      if (!ja.Durchgefuehrt) {
        hinweis = "Kein Jahresausgleich: ";
        for (std::size_t i = 0; i < ja.Gruende.size(); ++i) hinweis += (i > 0 ? "; " : "") + ja.Gruende[i];
      } else if (ja.LStJA + ja.SoliJA + ja.KiStJA == 0) {
        hinweis = "Jahresausgleich: keine Erstattung";
      } else {
        hinweis = "Jahresausgleich: Erstattung mit der Abrechnung für Dezember";
      }
    }
    if (O_.Bescheinigung && !mitBescheinigung) {
      if (!hinweis.empty()) hinweis += "; ";
      hinweis += "die Lohnsteuerbescheinigung gibt es hier erst ab " +
                 std::to_string(ErstesJahrMit([](const TJahresRegeln& r) { return r.Bescheinigung; }));
    }
    TErgebnisWerte summe{};
    TAbrechnungsStand stand;
    stand.Euro = k.Euro;
    if (O_.Json) {
      Objekt(nummer);
      Puffer += "\"Jahr\": " + std::to_string(j.Jahr) + ", \"Monate\": [";
    }
    for (std::size_t i = 0; i < j.Monate.size(); ++i) {
      const TLohnjahrMonat& m = j.Monate[i];
      stand.Parameter = m.Parameter;
      stand.Ergebnis = m.Ergebnis;
      const TEingabe* getippt = m.Eingabe >= 0 ? &k.Eingaben[static_cast<std::size_t>(m.Eingabe)] : nullptr;
      const long zeile = m.Eingabe >= 0 ? k.Zeilen[static_cast<std::size_t>(m.Eingabe)] : 0;
      AnzeigeWerte(stand, getippt, Werte_);
      for (std::size_t w = 0; w < kErgebnisAnzahl; ++w) summe[w] += Werte_[w];
      const std::string monatHinweis = m.Eingabe >= 0 ? std::string() : "keine Zeile: wie der Vormonat";
      if (O_.Json) {
        if (i > 0) Puffer += ", ";
        std::string zusatz = "\"monat\": " + std::to_string(m.Monat) + ", \"eingabezeile\": " +
                             (zeile > 0 ? std::to_string(zeile) : "null") + ", \"SVTage\": " +
                             std::to_string(m.SVTage) + ", \"Teilmonat\": " +
                             (m.Anfrage.Teilmonat ? std::to_string(*m.Anfrage.Teilmonat) : "null");
        if (!monatHinweis.empty()) zusatz += ", \"hinweis\": \"" + monatHinweis + "\"";
        Puffer += AlsJson(Anzeigen(stand, getippt), zusatz);
        continue;
      }
      ZeilenAnfang(nummer, std::to_string(m.Monat), zeile > 0 ? std::to_string(zeile) : "");
      BetraegeSchreiben(Puffer, Werte_.data(), kErgebnisAnzahl, Trenner_, Dezimal_);
      TexteAnhaengen(Puffer, Trenner_, stand);
      (Puffer += Trenner_) += std::to_string(m.SVTage);
      Puffer += Trenner_;
      if (m.Anfrage.Teilmonat) Puffer += std::to_string(*m.Anfrage.Teilmonat);
      if (O_.Jahresausgleich) {
        // The refunds stand with December's slip, where they are paid.
        const bool hier = j.Jahresausgleich && j.Jahresausgleich->Durchgefuehrt && i + 1 == j.Monate.size();
        const std::int64_t ja[] = {hier ? j.Jahresausgleich->LStJA : 0, hier ? j.Jahresausgleich->SoliJA : 0,
                                   hier ? j.Jahresausgleich->KiStJA : 0};
        BetraegeSchreiben(Puffer, ja, 3, Trenner_, Dezimal_);
      }
      if (O_.Bescheinigung) Puffer.append(BescheinigungsMuster().size() + 1, Trenner_);
      Puffer += Trenner_;
      FeldSchreiben(Puffer, monatHinweis, Trenner_);
      Puffer += Trenner_;
      Puffer += '\n';
    }
    if (O_.Json) {
      Puffer += "], \"Summe\": {";
      for (std::size_t w = 0; w < kErgebnisAnzahl; ++w) {
        Puffer += std::string(w > 0 ? ", \"" : "\"") + ErgebnisNamen()[w] + "\": " + std::to_string(summe[w]);
      }
      Puffer += "}";
      if (O_.Jahresausgleich && j.Jahresausgleich) {
        const TJahresausgleich& ja = *j.Jahresausgleich;
        Puffer += ", \"Jahresausgleich\": {\"Durchgefuehrt\": ";
        Puffer += ja.Durchgefuehrt ? "true" : "false";
        Puffer += ", \"Gruende\": [";
        for (std::size_t i = 0; i < ja.Gruende.size(); ++i) {
          if (i > 0) Puffer += ", ";
          JsonText(ja.Gruende[i]);
        }
        Puffer += "]";
        const std::pair<const char*, std::int64_t> werte[] = {
            {"Jahresarbeitslohn", ja.Jahresarbeitslohn}, {"LStJahr", ja.LStJahr},
            {"SoliJahr", ja.SoliJahr},                   {"KiStJahr", ja.KiStJahr},
            {"LStEinbehalten", ja.LStEinbehalten},       {"SoliEinbehalten", ja.SoliEinbehalten},
            {"KiStEinbehalten", ja.KiStEinbehalten},     {"LStJA", ja.LStJA},
            {"SoliJA", ja.SoliJA},                       {"KiStJA", ja.KiStJA}};
        for (const auto& [name, wert] : werte) Puffer += std::string(", \"") + name + "\": " + std::to_string(wert);
        Puffer += "}";
      }
      if (mitBescheinigung) {
        Puffer += ", \"Bescheinigung\": {";
        bool erste = true;
        for (const TBescheinigungsZeile& z : b.Zeilen) {
          Puffer += std::string(erste ? "\"Zeile" : ", \"Zeile") + z.Muster->Nummer + "\": ";
          erste = false;
          if (z.Muster->Betrag) {
            Puffer += std::to_string(z.Betrag);
          } else if (std::string_view(z.Muster->Nummer) == "2") {
            Puffer += z.Text;
          } else {
            JsonText(z.Text);
          }
        }
        Puffer += ", \"Grossbuchstaben\": ";
        JsonText(b.Grossbuchstaben);
        Puffer += "}";
      }
      if (!hinweis.empty()) {
        Puffer += ", \"hinweis\": ";
        JsonText(hinweis);
      }
      Puffer += "}";
      return;
    }
    ZeilenAnfang(nummer, "summe", "");
    BetraegeSchreiben(Puffer, summe.data(), kErgebnisAnzahl, Trenner_, Dezimal_);
    // The sum row names the currency alone.
    (Puffer += Trenner_) += Waehrungszeichen(k.Euro);
    Puffer.append(kTextAnzahl - 1, Trenner_);
    (Puffer += Trenner_) += std::to_string(j.Monate.back().SVTage);
    Puffer += Trenner_;
    if (O_.Jahresausgleich) {
      const TJahresausgleich ja = j.Jahresausgleich.value_or(TJahresausgleich{});
      const std::int64_t werte[] = {ja.LStJA, ja.SoliJA, ja.KiStJA};
      BetraegeSchreiben(Puffer, werte, 3, Trenner_, Dezimal_);
    }
    if (O_.Bescheinigung) {
      for (const TBescheinigungsMuster& m : BescheinigungsMuster()) {
        const TBescheinigungsZeile* z = b.Zeile(m.Nummer);
        if (z == nullptr) {
          Puffer += Trenner_;
        } else if (m.Betrag) {
          BetraegeSchreiben(Puffer, &z->Betrag, 1, Trenner_, Dezimal_);
        } else {
          Puffer += Trenner_;
          FeldSchreiben(Puffer, z->Text, Trenner_);
        }
      }
      (Puffer += Trenner_) += b.Grossbuchstaben;
    }
    Puffer += Trenner_;
    FeldSchreiben(Puffer, hinweis, Trenner_);
    Puffer += Trenner_;
    Puffer += '\n';
  }

 private:
  const TLohnkontoOptionen& O_;
  std::ostream& Aus_;
  char Trenner_ = ';';
  char Dezimal_ = ',';
  bool MitNummer_ = false;
  bool Erster_ = true;
  TErgebnisWerte Werte_{};

  void ZeilenAnfang(const std::string& nummer, const std::string& monat, const std::string& zeile) {
    if (MitNummer_) {
      FeldSchreiben(Puffer, nummer, Trenner_);
      Puffer += Trenner_;
    }
    FeldSchreiben(Puffer, monat, Trenner_);
    (Puffer += Trenner_) += zeile;
  }

  // The cells of the amounts and texts left empty.
  void LeereSpalten() {
    std::size_t n = kErgebnisAnzahl + kTextAnzahl + 2 + 1;
    if (O_.Jahresausgleich) n += 3;
    if (O_.Bescheinigung) n += BescheinigungsMuster().size() + 1;
    Puffer.append(n, Trenner_);
  }

  void Objekt(const std::string& nummer) {
    Puffer += Erster_ ? "\n{" : ",\n{";
    Erster_ = false;
    if (MitNummer_) {
      Puffer += "\"personalnummer\": ";
      JsonText(nummer);
      Puffer += ", ";
    }
  }

  void JsonText(std::string_view text) {
    Puffer += '"';
    for (const char c : text) {
      if (c == '"' || c == '\\') {
        (Puffer += '\\') += c;
      } else if (static_cast<unsigned char>(c) < 0x20) {
        char u[8];
        std::snprintf(u, sizeof u, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
        Puffer += u;
      } else {
        Puffer += c;
      }
    }
    Puffer += '"';
  }
};

// The years collected for the printout.
class TSammler : public TZiel {
 public:
  explicit TSammler(const std::function<void(TGerechnetesLohnjahr&&)>& jahr) : Jahr_(jahr) {}
  void Anfang(const TCsvKopf&, bool) override {}
  void Verworfen(const std::string&, const TKonto&, const std::string&) override {}
  void Jahr(const std::string& nummer, const TKonto& k, const TLohnjahr& j) override {
    Jahr_(TGerechnetesLohnjahr{nummer, k.Euro, j});
  }

 private:
  const std::function<void(TGerechnetesLohnjahr&&)>& Jahr_;
};

int Durchlaufen(const TEingabe& vorgabe, const TLohnkontoOptionen& o, std::istream& ein, TZiel& ausgabe,
                std::ostream& fehler) {
  long nummer = 0;
  TCsvKopf k;
  if (const std::string f = KopfLesen(ein, nummer, EigeneSpalten(), k); !f.empty()) {
    fehler << "lohnsteuer-cli: " << f << '\n';
    return 2;
  }
  // Where the columns of the year stand.
  int spalteMonat = -1;
  int eigene[spAnzahl];
  std::fill(std::begin(eigene), std::end(eigene), -1);
  for (std::size_t i = 0; i < k.Namen.size(); ++i) {
    if (k.Spalten[i] != nullptr && std::string_view(k.Spalten[i]->Name) == "monat") spalteMonat = static_cast<int>(i);
    if (k.Eigene[i] >= 0) eigene[k.Eigene[i]] = static_cast<int>(i);
  }
  if (spalteMonat < 0) {
    fehler << "lohnsteuer-cli: Kopfzeile: die Spalte \"monat\" fehlt (ein Lohnkonto hat eine Zeile je "
              "Lohnzahlungsmonat)\n";
    return 2;
  }
  const bool mitNummer = eigene[spPersonalnummer] >= 0;

  // The rows by employee, in the order each first appears.
  std::vector<TMitarbeiter> mitarbeiter;
  std::unordered_map<std::string, std::size_t> nachNummer;
  std::string zeile;
  TCsvZeile z;
  while (std::getline(ein, zeile)) {
    ++nummer;
    if (LeereZeile(zeile)) continue;
    std::string pn;
    if (mitNummer && ZeileLesen(k, zeile, z).empty()) {
      pn = std::string(z.Felder[static_cast<std::size_t>(eigene[spPersonalnummer])]);
      while (!pn.empty() && (pn.back() == ' ' || pn.back() == '\t')) pn.pop_back();
      while (!pn.empty() && (pn.front() == ' ' || pn.front() == '\t')) pn.erase(0, 1);
    }
    const auto [platz, neu] = nachNummer.try_emplace(pn, mitarbeiter.size());
    if (neu) mitarbeiter.push_back({pn, {}});
    mitarbeiter[platz->second].Zeilen.push_back({nummer, std::move(zeile)});
  }

  ausgabe.Anfang(k, mitNummer);
  constexpr std::size_t kBlock = 1 << 16;
  std::string meldungen;
  const auto schreiben = [&] {
    if (!meldungen.empty()) {
      fehler.write(meldungen.data(), static_cast<std::streamsize>(meldungen.size()));
      fehler.flush();
      meldungen.clear();
    }
    ausgabe.Schreiben();
  };
  const auto melden = [&](const std::string& text) { (meldungen += "lohnsteuer-cli: ") += text + '\n'; };

  TEinstellungsSpeicher speicher;
  std::vector<std::string> warnungen;
  bool fehlgeschlagen = false;
  TKonto konto;
  for (const TMitarbeiter& ma : mitarbeiter) {
    konto = TKonto{};
    const std::string wer = mitNummer ? "Personalnummer " + Zitat(ma.Nummer) + ": " : std::string();
    std::optional<bool> dm;
    std::optional<bool> ausgleich;
    for (const TRohzeile& r : ma.Zeilen) {
      const auto abgelehnt = [&](std::string meldung) {
        konto.Fehler.emplace_back(r.Nummer, meldung);
        const std::size_t s = static_cast<std::size_t>(spalteMonat);
        konto.MonatsZellen.emplace_back(s < z.Felder.size() ? std::string(z.Felder[s]) : std::string());
        melden(Zeilennummer(r.Nummer) + ": " + meldung);
      };
      TEingabe e = vorgabe;
      std::string meldung = ZeileLesen(k, r.Text, z);
      if (meldung.empty()) meldung = OptionenAnwenden(k, z, e);
      const auto zelle = [&](int spalte) {
        return spalte < 0 ? std::string_view() : z.Felder[static_cast<std::size_t>(spalte)];
      };
      if (meldung.empty() && mitNummer && ma.Nummer.empty()) meldung = "personalnummer: die Personalnummer fehlt";
      if (meldung.empty() && LeereZeile(zelle(spalteMonat))) meldung = "monat: der Lohnzahlungsmonat fehlt";
      TLohnMonatEingabe monat;
      // Entry and exit: the same in every row that names them.
      for (const auto& [spalte, ziel, name] :
           {std::tuple{eigene[spEintritt], &konto.Anfrage.Eintritt, "eintritt"},
            std::tuple{eigene[spAustritt], &konto.Anfrage.Austritt, "austritt"}}) {
        if (!meldung.empty() || LeereZeile(zelle(spalte))) continue;
        const auto datum = DatumLesen(zelle(spalte));
        if (!datum) {
          meldung = std::string(name) + ": " + Zitat(zelle(spalte)) + " ist kein Datum (TT.MM.JJJJ)";
        } else if (*ziel && **ziel != *datum) {
          meldung = std::string(name) + ": " + DatumText(*datum) + " widerspricht " + DatumText(**ziel) +
                    " einer früheren Zeile";
        } else {
          *ziel = datum;
        }
      }
      if (meldung.empty() && !LeereZeile(zelle(eigene[spUnterbrechung]))) {
        const auto an = SchalterLesen(zelle(eigene[spUnterbrechung]));
        if (!an) meldung = "unterbrechung: " + Zitat(zelle(eigene[spUnterbrechung])) + " ist weder ja noch nein";
        else monat.Unterbrechung = *an;
      }
      // The amounts beside the slip.
      for (const auto& [spalte, ziel] : {std::pair{spLohnersatz, &monat.Lohnersatz},
                                         std::pair{spDBA, &monat.SteuerfreiDBA},
                                         std::pair{spATE, &monat.SteuerfreiATE}}) {
        if (!meldung.empty() || LeereZeile(zelle(eigene[spalte]))) continue;
        const std::string name(EigeneSpalten()[spalte]);
        const auto betrag = BetragLesen(zelle(eigene[spalte]));
        if (!betrag) meldung = name + ": " + Zitat(zelle(eigene[spalte])) + " ist kein Betrag";
        else if (*betrag < 0) meldung = name + ": der Betrag darf nicht negativ sein";
        else if (*betrag > 1e9) meldung = name + ": der Betrag ist zu groß";
        else *ziel = InCent(JahrDerEingabe(e), !e.DM, *betrag);
      }
      // The employee's wish against the adjustment: the same in every row
      // that states it.
      if (meldung.empty() && !LeereZeile(zelle(eigene[spJahresausgleich]))) {
        const auto an = SchalterLesen(zelle(eigene[spJahresausgleich]));
        if (!an) {
          meldung = "jahresausgleich: " + Zitat(zelle(eigene[spJahresausgleich])) + " ist weder ja noch nein";
        } else if (ausgleich && *ausgleich != *an) {
          meldung = "jahresausgleich: ja und nein in den Zeilen eines Arbeitnehmers";
        } else {
          ausgleich = *an;
        }
      }
      if (meldung.empty() && dm && *dm != e.DM) meldung = "--dm gilt für alle Monate eines Lohnkontos oder für keinen";
      if (meldung.empty()) {
        dm = e.DM;
        if (e.Einstellungen && !meldungen.empty()) schreiben();
        meldung = Vorbereiten(e, monat.Parameter, monat.Anfrage, &speicher, &warnungen);
      }
      if (!meldung.empty()) {
        abgelehnt(meldung);
        continue;
      }
      for (const std::string& w : warnungen) melden(Zeilennummer(r.Nummer) + ": Warnung: " + w);
      monat.Monat = e.Monat;
      konto.Anfrage.Monate.push_back(std::move(monat));
      konto.Eingaben.push_back(std::move(e));
      konto.Zeilen.push_back(r.Nummer);
    }
    konto.Euro = !dm.value_or(vorgabe.DM);
    konto.Anfrage.Jahresausgleich = o.Jahresausgleich;
    konto.Anfrage.AusgleichAbgelehnt = !ausgleich.value_or(true);
    if (!konto.Fehler.empty()) {
      ausgabe.Verworfen(ma.Nummer, konto, wer + "das Lohnkonto ist nicht gerechnet: " +
                                              std::to_string(konto.Fehler.size()) + " Zeile(n) mit Fehlern");
      fehlgeschlagen = true;
    } else {
      TLohnjahr j;
      std::string meldung;
      try {
        j = LohnjahrRechnen(konto.Anfrage);
        meldung = j.Fehler;
      } catch (const TLStFehler& f) {
        meldung = f.what();
      }
      if (!meldung.empty()) {
        // The message in the words of the options; the row of the month it
        // concerns, where there is one.
        const TParameter& p = konto.Anfrage.Monate.front().Parameter;
        std::string text = BefundText(TBefund{TFeld::Jahr, TSchwere::Fehler, meldung}, p, !konto.Euro);
        for (std::size_t i = 0; i < konto.Anfrage.Monate.size(); ++i) {
          if (j.FehlerMonat > 0 && konto.Anfrage.Monate[i].Monat == j.FehlerMonat) {
            text = Zeilennummer(konto.Zeilen[i]) + ": " + text;
          }
        }
        melden(wer + text);
        ausgabe.Verworfen(ma.Nummer, TKonto{}, wer + text);
        fehlgeschlagen = true;
      } else {
        ausgabe.Jahr(ma.Nummer, konto, j);
      }
    }
    if (ausgabe.Voll() || meldungen.size() >= kBlock) schreiben();
  }
  ausgabe.Ende();
  schreiben();
  return fehlgeschlagen ? 1 : 0;
}

}  // namespace

int Lohnkonto(const TEingabe& vorgabe, const TLohnkontoOptionen& o, std::istream& ein, std::ostream& aus,
              std::ostream& fehler) {
  TAusgabe ausgabe(o, aus);
  const int status = Durchlaufen(vorgabe, o, ein, ausgabe, fehler);
  aus.flush();
  return status;
}

int LohnjahreRechnen(const TEingabe& vorgabe, const TLohnkontoOptionen& o, std::istream& ein,
                     std::ostream& fehler, const std::function<void(TGerechnetesLohnjahr&&)>& jahr) {
  TSammler sammler(jahr);
  return Durchlaufen(vorgabe, o, ein, sammler, fehler);
}

}  // namespace lst::cli
