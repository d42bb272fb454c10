#include "print/lohnkonto_drucken.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "calc/anzeige.h"
#include "calc/jahresregeln.h"
#include "common/datum.h"
#include "print/gebietsschema.h"

namespace lst::druck {

namespace {

using TWert = std::int64_t (*)(const TMonatsErgebnis&);

struct TSpalte {
  const char* Kurz;
  const char* Lang;
  TWert Wert;
};

const std::vector<TSpalte>& Spalten() {
  static const std::vector<TSpalte> spalten = {
      {"Lfd. Lohn", "Laufender Arbeitslohn", [](const TMonatsErgebnis& e) { return e.LaufenderLohn; }},
      {"Einmalzahlung", "Sonstiger Bezug (Einmalzahlung)", [](const TMonatsErgebnis& e) { return e.SonstigerBezug; }},
      {"Gesamtbrutto", "Gesamtbrutto", [](const TMonatsErgebnis& e) { return e.Gesamtbrutto; }},
      {"LSt", "Lohnsteuer", [](const TMonatsErgebnis& e) { return e.LSt; }},
      {"Soli", "Solidaritätszuschlag", [](const TMonatsErgebnis& e) { return e.Soli; }},
      {"KiSt", "Kirchensteuer", [](const TMonatsErgebnis& e) { return e.KiSt; }},
      {"SV AN", "Sozialversicherung Arbeitnehmer", [](const TMonatsErgebnis& e) { return e.SVSummeAN; }},
      {"Netto", "Nettolohn", [](const TMonatsErgebnis& e) { return e.Netto; }},
      {"Auszahlung", "Auszahlungsbetrag", [](const TMonatsErgebnis& e) { return e.Auszahlung; }},
      {"AG-Kosten", "Lohnkosten des Arbeitgebers", [](const TMonatsErgebnis& e) { return e.AGGesamt; }},
  };
  return spalten;
}

TLohnkontoZeile Zeile(int monat, const QString& name, const TMonatsErgebnis& anzeige) {
  TLohnkontoZeile z;
  z.Monat = monat;
  z.Name = name;
  for (const TSpalte& s : Spalten()) {
    const std::int64_t cent = s.Wert(anzeige);
    z.Cent.push_back(cent);
    z.Zellen << BetragText(cent);
  }
  return z;
}

}  // namespace

QStringList LohnkontoSpalten() {
  QStringList l;
  for (const TSpalte& s : Spalten()) l << QString::fromUtf8(s.Kurz);
  return l;
}

QStringList LohnkontoSpaltenLang() {
  QStringList l;
  for (const TSpalte& s : Spalten()) l << QString::fromUtf8(s.Lang);
  return l;
}

QString BetragText(std::int64_t anzeigeCent) {
  return Gebietsschema().toString(static_cast<double>(anzeigeCent) / 100, 'f', 2);
}

TLohnkontoTexte LohnkontoTexte(const TLohnjahr& j, bool euro) {
  TLohnkontoTexte t;
  t.Jahr = j.Jahr;
  t.Waehrung = QString::fromLatin1(Waehrungszeichen(euro));
  if (j.Monate.empty()) return t;
  t.Beschaeftigung = QString::fromStdString(DatumText(j.Beginn) + " bis " + DatumText(j.Ende));
  const TParameter& dezember = j.Monate.back().Parameter;
  for (const TLohnjahrMonat& m : j.Monate) {
    t.Monate.push_back(Zeile(m.Monat, QString::fromUtf8(Monatsname(m.Monat)),
                             AnzeigeErgebnis(m.Parameter, euro, m.Ergebnis)));
  }
  t.Summe = Zeile(0, QStringLiteral("Summe"), AnzeigeErgebnis(dezember, euro, j.Summe));

  const auto geld = [&](std::int64_t cent) { return BetragText(AnzeigeCent(j.Jahr, euro, cent)); };
  t.MitAusgleich = j.Jahresausgleich.has_value();
  if (j.Jahresausgleich) {
    const TJahresausgleich& ja = *j.Jahresausgleich;
    t.Ausgleich = ja.Durchgefuehrt;
    for (const std::string& g : ja.Gruende) t.AusgleichGruende << QString::fromStdString(g);
    if (ja.Durchgefuehrt) {
      t.AusgleichLohn = geld(ja.Jahresarbeitslohn);
      t.AusgleichZeilen = {
          {QStringLiteral("Lohnsteuer"), geld(ja.LStJahr), geld(ja.LStEinbehalten), geld(ja.LStJA)},
          {QStringLiteral("Solidaritätszuschlag"), geld(ja.SoliJahr), geld(ja.SoliEinbehalten), geld(ja.SoliJA)},
          {QStringLiteral("Kirchensteuer"), geld(ja.KiStJahr), geld(ja.KiStEinbehalten), geld(ja.KiStJA)},
      };
    }
  }

  if (JahresRegeln(j.Jahr).Bescheinigung) {
    const TBescheinigung b = Lohnsteuerbescheinigung(j);
    for (const TBescheinigungsZeile& z : b.Zeilen) {
      t.Bescheinigung.push_back({QString::fromUtf8(z.Muster->Nummer), QString::fromUtf8(z.Muster->Text),
                                 z.Muster->Betrag ? geld(z.Betrag) : QString::fromStdString(z.Text)});
    }
    if (!b.Grossbuchstaben.empty()) {
      t.Bescheinigung.push_back({QString(), QStringLiteral("Großbuchstaben"), QString::fromStdString(b.Grossbuchstaben)});
    }
  } else {
    t.BescheinigungHinweis =
        QStringLiteral("Die Zeilen der Lohnsteuerbescheinigung werden erst ab %1 gebildet.")
            .arg(ErstesJahrMit([](const TJahresRegeln& r) { return r.Bescheinigung; }));
  }
  return t;
}

std::vector<QStringList> LohnkontoTabelle(const TLohnkontoTexte& t) {
  std::vector<QStringList> z;
  z.push_back(QStringList{QStringLiteral("Monat")} + LohnkontoSpalten());
  for (const TLohnkontoZeile& m : t.Monate) z.push_back(QStringList{m.Name} + m.Zellen);
  z.push_back(QStringList{t.Summe.Name} + t.Summe.Zellen);
  if (t.MitAusgleich) {
    z.push_back({});
    z.push_back({QStringLiteral("Jahresausgleich")});
    if (t.Ausgleich) {
      z.push_back({QStringLiteral("Jahresarbeitslohn"), t.AusgleichLohn});
      z.push_back({QString(), QStringLiteral("Jahressteuer"), QStringLiteral("einbehalten"), QStringLiteral("Erstattung")});
      for (const QStringList& a : t.AusgleichZeilen) z.push_back(a);
    } else {
      z.push_back({QStringLiteral("nicht durchgeführt")});
      for (const QString& g : t.AusgleichGruende) z.push_back({g});
    }
  }
  if (!t.MitBescheinigung) return z;
  z.push_back({});
  z.push_back({QStringLiteral("Lohnsteuerbescheinigung")});
  if (!t.BescheinigungHinweis.isEmpty()) z.push_back({t.BescheinigungHinweis});
  for (const QStringList& b : t.Bescheinigung) z.push_back(b);
  return z;
}

// ---- the printout ------------------------------------------------------------

namespace {

class TLohnkontoAusdruck {
 public:
  TLohnkontoAusdruck(TDruckMaschine& m, const TLohnkontoTexte& t, int groesse)
      : m_(m), t_(t), g_(groesse), klein_(std::max(6, groesse - 1)) {}

  void Drucken() {
    // The page head names the printout and the year.
    if (!t_.Personalnummer.isEmpty()) {
      m_.DruckText(g_, kFett, kLinks, 0, kOhneSchatten, QStringLiteral("Personalnummer %1").arg(t_.Personalnummer));
      m_.DruckVorschub(0);
    }
    m_.DruckText(g_, kNormal, kLinks, 0, kOhneSchatten,
                 QStringLiteral("Beschäftigung: %1; Beträge in %2").arg(t_.Beschaeftigung, t_.Waehrung));
    m_.DruckVorschub(0);
    m_.DruckVorschub(0);
    Monate();
    if (t_.MitAusgleich) {
      m_.DruckVorschub(0);
      const auto ausgleich = [&] { Ausgleich(); };
      m_.Zusammenhalten(m_.Hoehe(ausgleich));
      ausgleich();
    }
    if (t_.MitBescheinigung) {
      m_.DruckVorschub(0);
      Bescheinigung();
    }
  }

 private:
  // The right edge of amount column i (percent of the width).
  static double Rechts(int i) { return 13.0 + (i + 1) * 8.7; }

  void Kopfzeile() {
    m_.DruckText(klein_, kFett, kLinks, 0, kOhneSchatten, QStringLiteral("Monat"));
    const QStringList kopf = LohnkontoSpalten();
    for (int i = 0; i < kopf.size(); ++i) m_.DruckText(klein_, kFett, kRechts, Rechts(i), kOhneSchatten, kopf[i]);
    m_.DruckVorschub(0);
    m_.DruckLinie(false, 100, 0);
  }

  void Zeile(const TLohnkontoZeile& z, int stil) {
    m_.DruckText(klein_, stil, kLinks, 0, kOhneSchatten, z.Name);
    for (int i = 0; i < z.Zellen.size(); ++i) {
      m_.DruckText(klein_, stil, kRechts, Rechts(i), kOhneSchatten, z.Zellen[i]);
    }
    m_.DruckVorschub(0);
  }

  void Monate() {
    Kopfzeile();
    for (const TLohnkontoZeile& z : t_.Monate) Zeile(z, kNormal);
    m_.DruckLinie(false, 100, 0);
    Zeile(t_.Summe, kFett);
    m_.DruckLinie(true, 100, 0);
  }

  void Ueberschrift(const QString& text) {
    m_.DruckText(g_, kFett | kUnterstrichen, kLinks, 0, kOhneSchatten, text);
    m_.DruckVorschub(0);
  }

  void Ausgleich() {
    Ueberschrift(QStringLiteral("Jahresausgleich durch den Arbeitgeber:"));
    if (!t_.Ausgleich) {
      m_.DruckText(g_, kNormal, kLinks, 0, kOhneSchatten, QStringLiteral("nicht durchgeführt:"));
      m_.DruckVorschub(0);
      for (const QString& g : t_.AusgleichGruende) Umbrechen(QStringLiteral("– ") + g, 3, 95, kNormal);
      return;
    }
    m_.DruckText(g_, kNormal, kLinks, 0, kOhneSchatten, QStringLiteral("Jahresarbeitslohn"));
    m_.DruckText(g_, kNormal, kRechts, 40, kOhneSchatten, t_.AusgleichLohn);
    m_.DruckVorschub(0);
    const double spalten[] = {40, 55, 70};
    const QString kopf[] = {QStringLiteral("Jahressteuer"), QStringLiteral("einbehalten"), QStringLiteral("Erstattung")};
    for (int i = 0; i < 3; ++i) m_.DruckText(g_, kFett, kRechts, spalten[i], kOhneSchatten, kopf[i]);
    m_.DruckVorschub(0);
    for (const QStringList& z : t_.AusgleichZeilen) {
      m_.DruckText(g_, kNormal, kLinks, 0, kOhneSchatten, z.value(0));
      for (int i = 0; i < 3; ++i) m_.DruckText(g_, i == 2 ? kFett : kNormal, kRechts, spalten[i], kOhneSchatten, z.value(i + 1));
      m_.DruckVorschub(0);
    }
  }

  void Bescheinigung() {
    const auto kopf = [&] {
      Ueberschrift(QStringLiteral("Lohnsteuerbescheinigung %1:").arg(t_.Jahr));
      if (!t_.BescheinigungHinweis.isEmpty()) Umbrechen(t_.BescheinigungHinweis, 0, 95, kNormal);
    };
    // The heading stays with its first line.
    m_.Zusammenhalten(m_.Hoehe([&] {
      kopf();
      if (!t_.Bescheinigung.empty()) BescheinigungsZeile(t_.Bescheinigung.front());
    }));
    kopf();
    for (const QStringList& z : t_.Bescheinigung) {
      m_.Zusammenhalten(m_.Hoehe([&] { BescheinigungsZeile(z); }));
      BescheinigungsZeile(z);
    }
  }

  void BescheinigungsZeile(const QStringList& z) {
    m_.DruckText(g_, kNormal, kLinks, 0, kOhneSchatten, z.value(0));
    m_.DruckText(g_, kNormal, kRechts, 100, kOhneSchatten, z.value(2));
    Umbrechen(z.value(1), 5, 78, kNormal);
  }

  // A text in lines from links that end before rechts (percent), broken
  // between words.
  void Umbrechen(const QString& text, double links, double rechts, int stil) {
    const QStringList woerter = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString zeile;
    const auto ausgeben = [&] {
      m_.DruckText(g_, stil, kLinks, links, kOhneSchatten, zeile);
      m_.DruckVorschub(0);
      zeile.clear();
    };
    for (const QString& w : woerter) {
      const QString probe = zeile.isEmpty() ? w : zeile + QLatin1Char(' ') + w;
      if (!zeile.isEmpty() && m_.TextBreiteProzent(g_, stil, probe) > rechts - links) ausgeben();
      zeile = zeile.isEmpty() ? w : zeile + QLatin1Char(' ') + w;
    }
    if (!zeile.isEmpty() || woerter.isEmpty()) ausgeben();
  }

  TDruckMaschine& m_;
  const TLohnkontoTexte& t_;
  int g_;
  int klein_;
};

}  // namespace

bool LohnkontoDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, const TLohnkontoTexte& t,
                      int groesse) {
  return LohnkontenDrucken(maschine, geraet, std::span(&t, 1), groesse);
}

bool LohnkontenDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, std::span<const TLohnkontoTexte> t,
                       int groesse) {
  const QString titel = t.empty() ? QStringLiteral("Lohnkonto") : QStringLiteral("Lohnkonto %1").arg(t.front().Jahr);
  if (!maschine.DruckBeginn(geraet, kQuerformat, titel)) return false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (i > 0) maschine.Seitenwechsel();
    TLohnkontoAusdruck(maschine, t[i], groesse > 0 ? groesse : maschine.BasisGroesse).Drucken();
  }
  return maschine.DruckEnde();
}

bool LohnkontoAlsPdf(TDruckMaschine& maschine, const QString& datei, std::span<const TLohnkontoTexte> t,
                     int groesse, QString* grund) {
  return PdfSicherSchreiben(
      datei, QPageLayout::Landscape,
      [&](QPdfWriter& pdf) { return LohnkontenDrucken(maschine, pdf, t, groesse); },
      QStringLiteral("Sie kann dort nicht angelegt werden (der Ordner fehlt oder ist nicht beschreibbar)."), grund);
}

}  // namespace lst::druck
