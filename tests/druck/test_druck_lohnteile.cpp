// The printout of pay beside the regular wage: one-off payments, severance,
// company car, benefits in kind, tax-free pay.  Printed by "lohnsteuer-cli
// drucken", read back from the PDF and held against "lohnsteuer-cli
// berechnen --json" (and its text) for the same options: every printed
// amount is the command line's, every printed sum the sum of its printed
// lines.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <gtest/gtest.h>

#include "calc/jahresregeln.h"
#include "pdf_hilfe.h"

using namespace lst;
using druck_test::TRechnungFall;

namespace {

QByteArray Cli(const QStringList& argumente, int* status = nullptr) {
  QProcess p;
  p.start(QStringLiteral(LOHNSTEUER_CLI_PATH), argumente);
  if (!p.waitForFinished(30000)) return {};
  if (status != nullptr) *status = p.exitCode();
  EXPECT_EQ(p.exitCode(), 0) << argumente.join(QLatin1Char(' ')).toStdString() << "\n"
                             << p.readAllStandardError().toStdString();
  return p.readAllStandardOutput();
}

// The amounts of a text in cents, left to right ("-1.234,56 EUR").
std::vector<std::int64_t> Betraege(const QString& text) {
  static const QRegularExpression muster(QStringLiteral("(-?)([\\d.]+),(\\d\\d) (?:EUR|DM)"));
  std::vector<std::int64_t> b;
  for (auto it = muster.globalMatch(text); it.hasNext();) {
    const auto m = it.next();
    const std::int64_t cent = QString(m.captured(2)).remove(QLatin1Char('.')).toLongLong() * 100 +
                              m.captured(3).toLongLong();
    b.push_back(m.captured(1).isEmpty() ? cent : -cent);
  }
  return b;
}

// One line of the settlement: its caption (without the rates of a
// contribution line) and its amounts.  A note has no "=" and one amount.
struct TZeile {
  QString Titel;
  std::vector<std::int64_t> Betraege;
  bool Notiz() const { return !Titel.endsWith(QLatin1Char('=')) && Betraege.size() == 1; }
};

// The lines of the settlement that carry amounts, in order, over all pages;
// a note whose amount stands below its caption (a large font) as one line.
std::vector<TZeile> Abrechnung(const QStringList& z) {
  static const QRegularExpression betrag(QStringLiteral("-?[\\d.]+,\\d\\d (?:EUR|DM)"));
  static const QRegularExpression satz(QStringLiteral("( (\u2013|[\\d]+,\\d{3}%))+$"));
  std::vector<TZeile> a;
  const int von = z.indexOf(QStringLiteral("Abrechnung: Arb.nehmer Arb.geber"));
  const int bis = z.indexOf(QStringLiteral("Beitragsbemessungsgrenzen:"));
  EXPECT_TRUE(von >= 0 && bis > von) << z.join(QLatin1Char('\n')).toStdString();
  QString ohneBetrag;
  for (int i = von + 1; i < bis; ++i) {
    const auto m = betrag.match(z[i]);
    if (!m.hasMatch()) {
      ohneBetrag = z[i];
      continue;
    }
    QString titel = z[i].left(m.capturedStart()).trimmed();
    titel.remove(satz);
    if (titel.isEmpty()) titel = ohneBetrag;
    a.push_back({titel, Betraege(z[i])});
    ohneBetrag.clear();
  }
  return a;
}

// The rows of the inputs that follow the rows every slip has (over a page
// break: without the foot and the next head).
QStringList NeueAngaben(const QStringList& z) {
  const int von = z.indexOf(QRegularExpression(QStringLiteral("AN-Eigenanteil Aufstockung RV \\*\\) .*")));
  QStringList a;
  for (int i = von + 1; von >= 0 && i < z.size(); ++i) {
    if (z[i] == QStringLiteral("Abrechnung: Arb.nehmer Arb.geber")) break;
    if (z[i].startsWith(QStringLiteral("Ver.:")) || z[i].startsWith(QStringLiteral("Lohnsteuerberechnung ")) ||
        z[i].startsWith(QStringLiteral("Lohnsteuer \u2013"))) {
      continue;
    }
    a << z[i];
  }
  return a;
}

// The words of a PDF as lines: words of one page at one height, left to
// right.
std::vector<std::vector<druck_test::TWort>> WortZeilen(const QString& pdf) {
  std::vector<std::vector<druck_test::TWort>> zeilen;
  for (const druck_test::TWort& w : druck_test::PdfWoerter(pdf)) {
    auto it = std::find_if(zeilen.begin(), zeilen.end(), [&](const auto& z) {
      return z.front().Seite == w.Seite && std::abs(z.front().Y0 - w.Y0) < 1.5;
    });
    if (it == zeilen.end()) {
      zeilen.push_back({w});
    } else {
      it->push_back(w);
    }
  }
  for (auto& z : zeilen) std::sort(z.begin(), z.end(), [](const auto& x, const auto& y) { return x.X0 < y.X0; });
  std::sort(zeilen.begin(), zeilen.end(), [](const auto& x, const auto& y) {
    return std::pair(x.front().Seite, x.front().Y0) < std::pair(y.front().Seite, y.front().Y0);
  });
  return zeilen;
}

// A printout with the command line's figures for the same options.
struct TDruck {
  QString Pdf;
  QStringList Zeilen;
  QJsonObject Json;
  QString Text;       // "berechnen" as text
  std::int64_t Wert(const char* name) const { return Json.value(QLatin1String(name)).toInteger(); }
  // An amount of the text's line that starts with titel; 0 without one.
  std::int64_t TextWert(const QString& titel) const {
    for (const QString& zeile : Text.split(QLatin1Char('\n'))) {
      if (zeile.startsWith(titel + QLatin1Char(' '))) {
        const auto b = Betraege(zeile);
        return b.empty() ? 0 : b[0];
      }
    }
    return 0;
  }
};

class DruckLohnteile : public ::testing::Test {
 protected:
  QDir konfig_{QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))};
  QTemporaryDir ordner_;

  void TearDown() override { QFile::remove(konfig_.filePath(QStringLiteral("DrumselLStTab.ini"))); }

  // The print font's size, as the window's print options store it.
  void Schriftgroesse(int groesse) {
    QFile f(konfig_.filePath(QStringLiteral("DrumselLStTab.ini")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("[Druck]\nFontSize=%1\n").arg(groesse).toUtf8());
  }

  TDruck Drucken(const QString& optionen) {
    const QStringList o = optionen.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    TDruck d;
    d.Pdf = ordner_.filePath(QStringLiteral("l%1.pdf").arg(++n_));
    Cli(QStringList{QStringLiteral("drucken"), QStringLiteral("--pdf"), d.Pdf} + o);
    d.Zeilen = druck_test::Zeilen(druck_test::PdfText(d.Pdf));
    d.Json = QJsonDocument::fromJson(Cli(QStringList{QStringLiteral("berechnen"), QStringLiteral("--json")} + o)).object();
    d.Text = QString::fromUtf8(Cli(QStringList{QStringLiteral("berechnen")} + o));
    EXPECT_FALSE(d.Json.isEmpty()) << optionen.toStdString();
    return d;
  }

 private:
  int n_ = 0;
};

// Every printed sum is the sum of its printed lines, in both columns: the
// parts of the gross, the taxes, the wage after taxes, the contributions,
// the net wage after what is not paid out, the employer's cost with his
// subsidies and levies, the payout.  Notes (the bases and the one-off's
// shares) are no lines of any sum.
void SummenStimmen(const std::vector<TZeile>& a, const std::string& fall) {
  SCOPED_TRACE(fall);
  const auto finde = [&](const QString& titel, std::size_t von = 0) {
    for (std::size_t i = von; i < a.size(); ++i) {
      if (a[i].Titel == titel) return i;
    }
    ADD_FAILURE() << "keine Zeile " << titel.toStdString();
    return a.size();
  };
  const auto spalte = [&](std::size_t i, std::size_t s) { return i < a.size() && s < a[i].Betraege.size() ? a[i].Betraege[s] : 0; };
  const std::size_t brutto = finde(QStringLiteral("Gesamtbrutto ="));
  for (std::size_t s = 0; s < 2; ++s) {
    std::int64_t teile = 0;
    for (std::size_t i = 0; i < brutto; ++i) {
      ASSERT_EQ(a[i].Betraege.size(), 2u) << a[i].Titel.toStdString();
      teile += a[i].Betraege[s];
    }
    EXPECT_EQ(teile, spalte(brutto, s)) << "Gesamtbrutto " << s;
  }
  const std::size_t steuern = finde(QStringLiteral("Steuern gesamt ="));
  const std::size_t nach = finde(QStringLiteral("Lohn nach Steuern ="));
  const std::size_t sv = finde(QStringLiteral("Soz.vers. gesamt ="));
  const std::size_t netto = finde(QStringLiteral("Netto Lohn ="));
  const std::size_t kosten = finde(QStringLiteral("Lohnkosten ="));
  const std::size_t auszahlung = finde(QStringLiteral("Auszahlungsbetrag ="));
  ASSERT_TRUE(brutto < steuern && steuern < nach && nach < sv && sv < netto && netto < kosten && kosten < auszahlung);
  ASSERT_EQ(auszahlung, a.size() - 1) << "der Auszahlungsbetrag zuletzt";
  std::int64_t beitraegeAN = 0, beitraegeAG = 0, abzuegeAN = 0, abzuegeAG = 0, steuerAN = 0, steuerAG = 0;
  for (std::size_t i = brutto + 1; i < steuern; ++i) {
    if (a[i].Notiz()) continue;
    steuerAN += spalte(i, 0);
    steuerAG += spalte(i, 1);
  }
  EXPECT_EQ(steuerAN, spalte(steuern, 0));
  EXPECT_EQ(steuerAG, spalte(steuern, 1));
  EXPECT_EQ(spalte(brutto, 0) - spalte(steuern, 0), spalte(nach, 0));
  EXPECT_EQ(spalte(brutto, 1) + spalte(steuern, 1), spalte(nach, 1));
  for (std::size_t i = nach + 1; i < sv; ++i) {
    if (a[i].Notiz()) continue;
    ASSERT_EQ(a[i].Betraege.size(), 2u) << a[i].Titel.toStdString();
    beitraegeAN += spalte(i, 0);
    beitraegeAG += spalte(i, 1);
  }
  EXPECT_EQ(beitraegeAN, spalte(sv, 0));
  EXPECT_EQ(beitraegeAG, spalte(sv, 1));
  // Below the contributions: the other deductions (shown as the amount
  // deducted, as the contributions are) and what is not paid out (with its
  // sign); the company car also leaves the employer's cost (his column).
  for (std::size_t i = sv + 1; i < netto; ++i) {
    const bool sonstiges = a[i].Titel.endsWith(QStringLiteral("Sonstiges ="));
    abzuegeAN += sonstiges ? -spalte(i, 0) : spalte(i, 0);
    abzuegeAG += spalte(i, 1);
  }
  EXPECT_EQ(spalte(nach, 0) - spalte(sv, 0) + abzuegeAN, spalte(netto, 0));
  std::int64_t zuschuesse = 0;
  for (std::size_t i = netto + 1; i < kosten; ++i) zuschuesse += spalte(i, 0);
  EXPECT_EQ(spalte(nach, 1) + spalte(sv, 1) + abzuegeAG + zuschuesse, spalte(kosten, 0));
  // The levies from 2014, then the payout's lines.
  std::size_t ende = kosten;
  const QString mitUmlagen = QStringLiteral("Lohnkosten mit Umlagen =");
  for (std::size_t i = kosten + 1; i < auszahlung; ++i) {
    if (a[i].Titel != mitUmlagen) continue;
    std::int64_t umlagen = 0;
    for (std::size_t j = kosten + 1; j < i; ++j) umlagen += spalte(j, 0);
    EXPECT_EQ(spalte(kosten, 0) + umlagen, spalte(i, 0));
    ende = i;
  }
  std::int64_t zahlungen = 0;
  for (std::size_t i = ende + 1; i < auszahlung; ++i) zahlungen += spalte(i, 0);
  EXPECT_EQ(spalte(netto, 0) + zahlungen, spalte(auszahlung, 0));
}

// The printed lines against the command line's text ("berechnen"): each
// printed amount is one of its text line's (the n-th line of that caption
// there; a one-off's share by the line above it), and each text line with
// an amount other than 0 is printed.  The printout alone has the pro-rated
// ceilings and the one-off's share of the liable wage; a slip of the
// regular wage alone ends, as it always did, with the employer's cost
// (the text then adds the child benefit and the final sum).
void WieText(const std::vector<TZeile>& druck, const TDruck& d) {
  static const std::map<QString, QString> namen = {
      {QStringLiteral("Lohn nach Steuern"), QStringLiteral("nach Steuern")},
      {QStringLiteral("Krankenversicherungsbeitrag"), QStringLiteral("KV Beitrag")},
      {QStringLiteral("Zusatzbetrag zur KV"), QStringLiteral("KV Zus.Beitrag")},
      {QStringLiteral("Rentenversicherungsbeitrag *)"), QStringLiteral("RV Beitrag")},
      {QStringLiteral("Arbeitslosenversicherungsbeitrag"), QStringLiteral("ALoV Beitrag")},
      {QStringLiteral("Pflegeversicherungsbeitrag"), QStringLiteral("PV Beitrag")},
      {QStringLiteral("Zusatzbetrag zur PV"), QStringLiteral("PV Zus.Beitrag")},
      {QStringLiteral("Umlage U1 (Krankheit)"), QStringLiteral("Umlage U1")},
      {QStringLiteral("Umlage U2 (Mutterschaft)"), QStringLiteral("Umlage U2")},
      {QStringLiteral("Lohnkosten mit Umlagen"), QStringLiteral("Lohnk. mit Umlagen")},
      {QStringLiteral("AG-Zuschuss private KV/PV"), QStringLiteral("AG-Zuschuss PKV/PV")}};
  static const QRegularExpression betrag(QStringLiteral("-?[\\d.]+,\\d\\d (?:EUR|DM)"));
  struct TTextZeile {
    QString Titel;
    std::vector<std::int64_t> Betraege;
    bool Gedruckt = false;
  };
  std::vector<TTextZeile> text;
  QString oben;
  for (const QString& zeile : d.Text.split(QLatin1Char('\n'))) {
    const auto m = betrag.match(zeile);
    if (!m.hasMatch()) continue;
    QString titel = zeile.left(m.capturedStart()).trimmed();
    titel = titel.startsWith(QStringLiteral("davon")) ? oben + QStringLiteral(" davon") : (oben = titel);
    text.push_back({titel, Betraege(zeile)});
  }
  std::map<QString, int> gesehen;
  oben.clear();
  for (const TZeile& z : druck) {
    QString titel = z.Titel;
    if (titel.endsWith(QStringLiteral(" ="))) titel.chop(2);
    if (namen.count(titel)) titel = namen.at(titel);
    titel = titel == QStringLiteral("davon sonstiger Bezug") ? oben + QStringLiteral(" davon") : (oben = titel);
    if (titel.startsWith(QStringLiteral("anteilige BBG")) ||
        (titel.startsWith(QStringLiteral("SV-Brutto")) && titel.endsWith(QStringLiteral(" davon")))) {
      continue;
    }
    // The n-th line of the caption, or its last (the subsidy to a private
    // insurance: the text's one line, the printout's cost and payout).
    const int n = ++gesehen[titel];
    TTextZeile* passend = nullptr;
    int k = 0;
    for (TTextZeile& t : text) {
      if (t.Titel == titel && ++k <= n) passend = &t;
    }
    ASSERT_TRUE(passend) << "nicht im Text: " << titel.toStdString();
    passend->Gedruckt = true;
    for (std::int64_t b : z.Betraege) {
      EXPECT_NE(std::find(passend->Betraege.begin(), passend->Betraege.end(), b), passend->Betraege.end())
          << titel.toStdString() << " " << b;
    }
  }
  const bool teile = gesehen.count(QStringLiteral("Gesamtbrutto")) != 0;
  for (const TTextZeile& t : text) {
    const bool betraege = std::any_of(t.Betraege.begin(), t.Betraege.end(), [](std::int64_t b) { return b != 0; });
    const bool ohneZahlung = !teile && (t.Titel == QStringLiteral("Kindergeld") || t.Titel == QStringLiteral("Endsumme"));
    EXPECT_TRUE(t.Gedruckt || !betraege || ohneZahlung) << "nicht gedruckt: " << t.Titel.toStdString();
  }
}

// Every amount of the settlement is the command line's for the same
// options, and every part of the pay the command line has is printed.
void WieKommandozeile(const std::vector<TZeile>& a, const TDruck& d, const std::string& fall) {
  SCOPED_TRACE(fall);
  std::set<std::string> gezeigt;
  const auto w = [&](const char* name) {
    gezeigt.insert(name);
    return d.Wert(name);
  };
  std::map<QString, int> gesehen;
  QString vorige;  // the line a "davon" note belongs to
  for (const TZeile& z : a) {
    const int mal = ++gesehen[z.Titel];
    std::vector<std::int64_t> soll;
    const auto beide = [&](std::int64_t b) { soll = {b, b}; };
    const QString& t = z.Titel;
    if (t == QStringLiteral("davon sonstiger Bezug")) {
      const std::map<QString, const char*> davon = {
          {QStringLiteral("Lohnsteuer ="), "LSt_sonstig"},      {QStringLiteral("Kirchensteuer ="), "KiSt_sonstig"},
          {QStringLiteral("Solidarit\u00e4tsz. ="), "Soli_sonstig"}, {QStringLiteral("SV-Brutto"), "Einmalzahlung_KV"},
          {QStringLiteral("SV-Brutto KV/PV"), "Einmalzahlung_KV"}, {QStringLiteral("SV-Brutto RV/AV"), "Einmalzahlung_RV"}};
      ASSERT_TRUE(davon.count(vorige)) << vorige.toStdString();
      soll = {w(davon.at(vorige))};
      if (vorige == QStringLiteral("SV-Brutto")) {
        EXPECT_EQ(d.Wert("Einmalzahlung_RV"), soll[0]);
      }
      EXPECT_EQ(z.Betraege, soll) << t.toStdString() << " zu " << vorige.toStdString();
      continue;
    }
    vorige = t;
    static const std::map<QString, const char*> teile = {
        {QStringLiteral("Laufender Lohn ="), "LaufenderLohn"}, {QStringLiteral("Sonstiger Bezug ="), "SonstigerBezug"},
        {QStringLiteral("Abfindung ="), "Abfindung"},          {QStringLiteral("VWL Arbeitgeber ="), "VWL_AG"},
        {QStringLiteral("Steuerfreie Bez\u00fcge ="), "Steuerfrei"}, {QStringLiteral("Gesamtbrutto ="), "Gesamtbrutto"}};
    static const std::map<QString, std::pair<const char*, const char*>> paare = {
        {QStringLiteral("Lohnsteuer ="), {"LSt", "LStPausch"}},
        {QStringLiteral("Kirchensteuer ="), {"KiSt", "KiStPausch"}},
        {QStringLiteral("Solidarit\u00e4tsz. ="), {"Soli", "SoliPausch"}},
        {QStringLiteral("Steuern gesamt ="), {"SteuerSumme", "SteuerSummePausch"}},
        {QStringLiteral("Lohn nach Steuern ="), {"BruttoNachSteuer", "BruttoPlusPausch"}},
        {QStringLiteral("Krankenversicherungsbeitrag"), {"KV_AN", "KV_AG"}},
        {QStringLiteral("Zusatzbetrag zur KV"), {"KV2_AN", "KV2_AG"}},
        {QStringLiteral("Rentenversicherungsbeitrag *)"), {"RV_AN", "RV_AG"}},
        {QStringLiteral("Arbeitslosenversicherungsbeitrag"), {"AV_AN", "AV_AG"}},
        {QStringLiteral("Pflegeversicherungsbeitrag"), {"PV_AN", "PV_AG"}},
        {QStringLiteral("Zusatzbetrag zur PV"), {"PV2_AN", "PV2_AG"}},
        {QStringLiteral("Soz.vers. gesamt ="), {"SVSummeAN", "SVSummeAG"}}};
    static const std::map<QString, const char*> einzeln = {
        {QStringLiteral("Steuerbrutto"), "SteuerBrutto"},
        {QStringLiteral("SV-Brutto KV/PV"), "SVBrutto_KV"},
        {QStringLiteral("SV-Brutto RV/AV"), "SVBrutto_RV"},
        {QStringLiteral("anteilige BBG KV/PV"), "AnteiligeBBG_KV"},
        {QStringLiteral("anteilige BBG RV/AV"), "AnteiligeBBG_RV"},
        {QStringLiteral("anteilige BBG KV/PV Vorjahr"), "AnteiligeBBG_KV"},
        {QStringLiteral("anteilige BBG RV/AV Vorjahr"), "AnteiligeBBG_RV"},
        {QStringLiteral("Netto Lohn ="), "Netto"},
        {QStringLiteral("AG-Zuschuss bAV ="), "BAVZuschuss_AG"},
        {QStringLiteral("AG-Zuschuss private KV/PV ="), "PKVZuschuss_AG"},
        {QStringLiteral("Lohnkosten ="), "AGGesamt"},
        {QStringLiteral("Umlage U1 (Krankheit) ="), "U1_AG"},
        {QStringLiteral("Umlage U2 (Mutterschaft) ="), "U2_AG"},
        {QStringLiteral("Insolvenzgeldumlage ="), "IGU_AG"},
        {QStringLiteral("Lohnkosten mit Umlagen ="), "AGGesamtUmlagen"},
        {QStringLiteral("Auszahlungsbetrag ="), "Auszahlung"}};
    if (teile.count(t)) {
      beide(w(teile.at(t)));
    } else if (paare.count(t)) {
      soll = {w(paare.at(t).first), w(paare.at(t).second)};
    } else if (einzeln.count(t)) {
      soll = {w(einzeln.at(t))};
    } else if (t == QStringLiteral("SV-Brutto")) {
      soll = {w("SVBrutto_KV")};
      EXPECT_EQ(d.Wert("SVBrutto_RV"), soll[0]);
    } else if (t == QStringLiteral("Dienstwagen (GwV) =")) {
      // Part of the gross, then not paid out and no cost to the employer.
      beide(mal == 1 ? w("GWV") : -w("GWV"));
    } else if (t == QStringLiteral("Sachbezug =")) {
      soll = mal == 1 ? std::vector<std::int64_t>{w("Sachbezug"), d.Wert("Sachbezug")}
                      : std::vector<std::int64_t>{-d.Wert("Sachbezug")};
    } else if (t == QStringLiteral("Entgeltumwandlung =")) {
      soll = {-w("Entgeltumwandlung")};
    } else if (t == QStringLiteral("VWL-Sparbetrag =")) {
      soll = {-w("VWLSparbetrag")};
    } else if (t == QStringLiteral("Sonstiges =")) {
      soll = {d.TextWert(QStringLiteral("Sonstiges"))};
    } else if (t == QStringLiteral("Kindergeld =")) {
      soll = {d.TextWert(QStringLiteral("Kindergeld"))};
      EXPECT_NE(soll[0], 0);
    } else {
      ADD_FAILURE() << "unbekannte Zeile " << t.toStdString();
      continue;
    }
    EXPECT_EQ(z.Betraege, soll) << t.toStdString() << " (" << mal << ")";
  }
  for (const char* name : {"SonstigerBezug", "Abfindung", "GWV", "Sachbezug", "Steuerfrei", "VWL_AG", "Entgeltumwandlung",
                           "BAVZuschuss_AG", "VWLSparbetrag", "LSt_sonstig", "KiSt_sonstig", "Soli_sonstig",
                           "AnteiligeBBG_KV", "AnteiligeBBG_RV", "PKVZuschuss_AG"}) {
    if (d.Wert(name) != 0) {
      EXPECT_TRUE(gezeigt.count(name)) << name << " fehlt im Ausdruck";
    }
  }
  WieText(a, d);
}

// 2025, November: a Christmas bonus of 2.400 EUR beside 3.200 EUR in
// class I.
TEST_F(DruckLohnteile, Weihnachtsgeld) {
  const TDruck d = Drucken(QStringLiteral("--jahr 2025 --monat 11 --brutto 3200 --sonstiger-bezug 2400 --bekenntnislos "
                                          "--kv-zusatzbeitrag 2,5"));
  const std::vector<TZeile> a = Abrechnung(d.Zeilen);
  EXPECT_EQ(NeueAngaben(d.Zeilen), QStringList{QStringLiteral("Sonstiger Bezug 2.400,00 EUR")});
  const QStringList z = d.Zeilen;
  const auto zeile = [&](const QString& text) { return z.contains(text); };
  EXPECT_TRUE(zeile(QStringLiteral("Laufender Lohn = 3.200,00 EUR 3.200,00 EUR")))
      << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(zeile(QStringLiteral("Sonstiger Bezug = 2.400,00 EUR 2.400,00 EUR")));
  EXPECT_TRUE(zeile(QStringLiteral("Gesamtbrutto = 5.600,00 EUR 5.600,00 EUR")));
  EXPECT_TRUE(zeile(QStringLiteral("Steuerbrutto 5.600,00 EUR")));
  const int lst = z.indexOf(QStringLiteral("Lohnsteuer = 894,16 EUR 0,00 EUR"));
  ASSERT_GE(lst, 0);
  EXPECT_EQ(z[lst + 1], QStringLiteral("davon sonstiger Bezug 548,00 EUR"));
  // No church tax, no surcharge: no shares of them.
  EXPECT_EQ(z.filter(QStringLiteral("davon sonstiger Bezug")).size(), 2);
  const int svBrutto = z.indexOf(QStringLiteral("SV-Brutto 5.600,00 EUR"));
  ASSERT_GE(svBrutto, 0);
  EXPECT_EQ(z[svBrutto + 1], QStringLiteral("davon sonstiger Bezug 2.400,00 EUR"));
  // The ceilings of eleven months: 5.512,50 x 11 and 8.050 x 11.
  EXPECT_EQ(z[svBrutto + 2], QStringLiteral("anteilige BBG KV/PV 60.637,50 EUR"));
  EXPECT_EQ(z[svBrutto + 3], QStringLiteral("anteilige BBG RV/AV 88.550,00 EUR"));
  EXPECT_TRUE(zeile(QStringLiteral("Soz.vers. gesamt = 1.206,80 EUR 1.173,20 EUR")));
  EXPECT_TRUE(zeile(QStringLiteral("Auszahlungsbetrag = 3.499,04 EUR")));
  EXPECT_TRUE(z.filter(QStringLiteral("rzklausel")).isEmpty());
  // Nothing is withheld from the payout: no line of what is not paid out.
  for (const char* titel : {"Dienstwagen", "Sachbezug", "Entgeltumwandlung", "VWL", "Kindergeld", "Bruttolohn"}) {
    EXPECT_TRUE(z.filter(QString::fromLatin1(titel)).isEmpty()) << titel;
  }
  SummenStimmen(a, "Weihnachtsgeld");
  WieKommandozeile(a, d, "Weihnachtsgeld");
}

// 2026, December, class III with a child allowance and 9 % church tax: a
// one-off of 8.000 EUR beside 5.500 EUR; above the health ceiling the
// liable parts differ by branch.
TEST_F(DruckLohnteile, SonstigerBezugZweiGrenzen) {
  const TDruck d = Drucken(QStringLiteral("--jahr 2026 --monat 12 --brutto 5500 --sonstiger-bezug 8000 --steuerklasse 3 "
                                          "--kinderfreibetraege 1 --kirchensteuer 9 --kv-zusatzbeitrag 2,9 "
                                          "--kindergeld 0"));
  const QStringList& z = d.Zeilen;
  const int lst = z.indexOf(QStringLiteral("Lohnsteuer = 2.395,66 EUR 0,00 EUR"));
  const int kist = z.indexOf(QStringLiteral("Kirchensteuer = 196,63 EUR 0,00 EUR"));
  ASSERT_TRUE(lst >= 0 && kist >= 0) << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(z[lst + 1], QStringLiteral("davon sonstiger Bezug 1.880,00 EUR"));
  EXPECT_EQ(z[kist + 1], QStringLiteral("davon sonstiger Bezug 169,20 EUR"));
  const int kv = z.indexOf(QStringLiteral("SV-Brutto KV/PV 9.250,00 EUR"));
  ASSERT_GE(kv, 0);
  EXPECT_EQ(z.mid(kv + 1, 3), (QStringList{QStringLiteral("davon sonstiger Bezug 3.750,00 EUR"),
                                           QStringLiteral("SV-Brutto RV/AV 13.500,00 EUR"),
                                           QStringLiteral("davon sonstiger Bezug 8.000,00 EUR")}));
  EXPECT_TRUE(z.contains(QStringLiteral("Netto Lohn = 8.500,83 EUR")));
  EXPECT_TRUE(z.filter(QStringLiteral("Kindergeld")).isEmpty());
  const std::vector<TZeile> a = Abrechnung(z);
  SummenStimmen(a, "zwei Grenzen");
  WieKommandozeile(a, d, "zwei Grenzen");
}

// 2026, April: a company car of 48.730 EUR list price, 20 km to work: its
// value 779,20 EUR is part of the gross and taxed and liable, but not paid
// out and no cost of wages.
TEST_F(DruckLohnteile, Dienstwagen) {
  const TDruck d = Drucken(QStringLiteral("--jahr 2026 --monat 4 --brutto 5000 --kinderfreibetraege 2 --pv-abschlaege 1 "
                                          "--kv-zusatzbeitrag 2,9 --dienstwagen 48730 --dienstwagen-km 20 "
                                          "--bekenntnislos --kindergeld 0"));
  const QStringList& z = d.Zeilen;
  EXPECT_EQ(NeueAngaben(z), (QStringList{QStringLiteral("Dienstwagen: Listenpreis 48.730,00 EUR"),
                                         QStringLiteral("Dienstwagen: Entfernung 20 km")}));
  EXPECT_EQ(z.filter(QStringLiteral("Dienstwagen (GwV) =")),
            (QStringList{QStringLiteral("Dienstwagen (GwV) = 779,20 EUR 779,20 EUR"),
                         QStringLiteral("Dienstwagen (GwV) = -779,20 EUR -779,20 EUR")}))
      << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(z.contains(QStringLiteral("Lohnsteuer = 1.019,66 EUR 0,00 EUR")));
  EXPECT_TRUE(z.contains(QStringLiteral("SV-Brutto 5.779,20 EUR")));
  EXPECT_TRUE(z.filter(QStringLiteral("Soz.vers. gesamt = 1.207,86 EUR")).size() == 1);
  EXPECT_TRUE(z.contains(QStringLiteral("Auszahlungsbetrag = 2.772,48 EUR")));
  // No one-off: neither its shares nor its ceilings.
  EXPECT_TRUE(z.filter(QStringLiteral("davon")).isEmpty());
  EXPECT_TRUE(z.filter(QStringLiteral("anteilige BBG")).isEmpty());
  const std::vector<TZeile> a = Abrechnung(z);
  SummenStimmen(a, "Dienstwagen");
  WieKommandozeile(a, d, "Dienstwagen");
}

// February 2024: the one-off exceeds what the ceiling leaves and belongs to
// December 2023 (March clause): the previous year's ceilings and a note.
TEST_F(DruckLohnteile, Maerzklausel) {
  const TDruck d = Drucken(QStringLiteral("--jahr 2024 --monat 2 --brutto 4600 --sonstiger-bezug 6000 --bekenntnislos "
                                          "--kv-zusatzbeitrag 1,7"));
  ASSERT_TRUE(d.Json.value(QStringLiteral("Maerzklausel")).toBool());
  const QStringList& z = d.Zeilen;
  // The twelve months of 2023 (4.987,50 and 7.300 EUR a month).
  const int bbg = z.indexOf(QStringLiteral("anteilige BBG KV/PV Vorjahr 59.850,00 EUR"));
  ASSERT_GE(bbg, 0) << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(z[bbg + 1], QStringLiteral("anteilige BBG RV/AV Vorjahr 87.600,00 EUR"));
  // The note over the lines its column needs, right above the contributions.
  const int kv = z.indexOf(QRegularExpression(QStringLiteral("Krankenversicherungsbeitrag .*")));
  ASSERT_GT(kv, bbg + 2);
  EXPECT_EQ(z.mid(bbg + 2, kv - bbg - 2).join(QLatin1Char(' ')),
            QStringLiteral("M\u00e4rzklausel (\u00a7 23a Abs. 4 SGB IV): dem letzten Abrechnungszeitraum des "
                           "Vorjahres zugeordnet"));
  const std::vector<TZeile> a = Abrechnung(z);
  SummenStimmen(a, "Maerzklausel");
  WieKommandozeile(a, d, "Maerzklausel");

  // In a large font the notes' amounts go below their captions; they are
  // still the command line's, and the sums still hold.
  Schriftgroesse(15);
  const TDruck gross = Drucken(QStringLiteral("--jahr 2024 --monat 2 --brutto 4600 --sonstiger-bezug 6000 "
                                              "--bekenntnislos --kv-zusatzbeitrag 1,7"));
  EXPECT_TRUE(gross.Zeilen.contains(QStringLiteral("anteilige BBG KV/PV Vorjahr")))
      << gross.Zeilen.join(QLatin1Char('\n')).toStdString();
  const std::vector<TZeile> g = Abrechnung(gross.Zeilen);
  SummenStimmen(g, "Maerzklausel 15 Punkte");
  WieKommandozeile(g, gross, "Maerzklausel 15 Punkte");
  druck_test::KeinWortUeberEinemAnderen(gross.Pdf);
  Schriftgroesse(10);

  // The same payment in April: this year's ceilings, no note.
  const TDruck april = Drucken(QStringLiteral("--jahr 2024 --monat 4 --brutto 4600 --sonstiger-bezug 6000 "
                                              "--bekenntnislos --kv-zusatzbeitrag 1,7"));
  EXPECT_TRUE(april.Zeilen.filter(QStringLiteral("rzklausel")).isEmpty());
  EXPECT_TRUE(april.Zeilen.filter(QStringLiteral("Vorjahr")).isEmpty());
  EXPECT_EQ(april.Zeilen.filter(QStringLiteral("anteilige BBG")).size(), 2);
}

// A severance of 40.000 EUR in 2024, with the one-fifth rule and without:
// free of contributions, its taxes the one-off's; the rule lowers them.
TEST_F(DruckLohnteile, Abfindung) {
  const QString optionen = QStringLiteral("--jahr 2024 --monat 9 --brutto 4800 --abfindung 40000");
  const TDruck mit = Drucken(optionen + QStringLiteral(" --fuenftelregelung"));
  const TDruck ohne = Drucken(optionen);
  EXPECT_EQ(NeueAngaben(mit.Zeilen), QStringList{QStringLiteral("Abfindung mit F\u00fcnftelregelung 40.000,00 EUR")});
  EXPECT_EQ(NeueAngaben(ohne.Zeilen), QStringList{QStringLiteral("Abfindung 40.000,00 EUR")});
  for (const TDruck* d : {&mit, &ohne}) {
    const std::string fall = d == &mit ? "Abfindung mit Fuenftelregelung" : "Abfindung";
    const QStringList& z = d->Zeilen;
    EXPECT_TRUE(z.contains(QStringLiteral("Abfindung = 40.000,00 EUR 40.000,00 EUR")))
        << z.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(z.contains(QStringLiteral("Steuerbrutto 44.800,00 EUR"))) << fall;
    EXPECT_TRUE(z.contains(QStringLiteral("SV-Brutto 4.800,00 EUR"))) << fall;
    EXPECT_EQ(z.filter(QStringLiteral("davon sonstiger Bezug")).size(), 3) << fall;
    EXPECT_TRUE(z.filter(QStringLiteral("anteilige BBG")).isEmpty()) << fall;
    const std::vector<TZeile> a = Abrechnung(z);
    SummenStimmen(a, fall);
    WieKommandozeile(a, *d, fall);
  }
  EXPECT_LT(mit.Wert("LSt_sonstig"), ohne.Wert("LSt_sonstig"));
}

// Every input of pay beside the wage at once, with a private insurance and
// the employer's subsidies: each input row, and at 10, 12 and 14 points no
// word over another, the notes' amounts aligned and left of the employee's,
// each part of the settlement and the ceilings on one page.
TEST_F(DruckLohnteile, AlleAngabenUndSeiten) {
  const QString optionen = QStringLiteral(
      "--jahr 2026 --monat 6 --brutto 4200 --sonstiger-bezug 1500 --jahresarbeitslohn 52000 "
      "--bisherige-sonstige-bezuege 800 --sv-tage 180 --sv-entgelt-bisher-kv 21000 --sv-entgelt-bisher-rv 0 "
      "--dienstwagen 35000 --dienstwagen-km 12,5 --dienstwagen-satz 0,5 --sachbezug 60 --steuerfrei 50 "
      "--entgeltumwandlung 200 --vwl-ag 40 --vwl-sparbetrag 40 --kinderfreibetraege 1 --kirchensteuer 8 "
      "--privat 700 --ag-zuschuss --sonstige-abzuege 10");
  for (int groesse : {10, 12, 14}) {
    Schriftgroesse(groesse);
    const TDruck d = Drucken(optionen);
    const std::string fall = "Schrift " + std::to_string(groesse);
    const QStringList& z = d.Zeilen;
    EXPECT_EQ(NeueAngaben(z), (QStringList{
                                  QStringLiteral("Sonstiger Bezug 1.500,00 EUR"),
                                  QStringLiteral("Jahresarbeitslohn (ohne Bezug) 52.000,00 EUR"),
                                  QStringLiteral("Bisherige sonstige Bez\u00fcge 800,00 EUR"),
                                  QStringLiteral("SV-Tage 180"),
                                  QStringLiteral("SV-Entgelt bisher KV/PV 21.000,00 EUR"),
                                  QStringLiteral("SV-Entgelt bisher RV/AV 0,00 EUR"),
                                  QStringLiteral("Dienstwagen: Listenpreis 35.000,00 EUR"),
                                  QStringLiteral("Dienstwagen: Entfernung 12,5 km"),
                                  QStringLiteral("Dienstwagen: Anteil 0,5"),
                                  QStringLiteral("Sachbezug 60,00 EUR"),
                                  QStringLiteral("Steuerfreie Bez\u00fcge 50,00 EUR"),
                                  QStringLiteral("Entgeltumwandlung 200,00 EUR"),
                                  QStringLiteral("VWL Arbeitgeber 40,00 EUR"),
                                  QStringLiteral("VWL-Sparbetrag 40,00 EUR"),
                              }))
        << fall;
    const std::vector<TZeile> a = Abrechnung(z);
    SummenStimmen(a, fall);
    WieKommandozeile(a, d, fall);
    EXPECT_TRUE(z.contains(QStringLiteral("Kindergeld = 259,00 EUR"))) << fall;
    druck_test::KeinWortUeberEinemAnderen(d.Pdf);

    // Where the amounts end: the notes' together, left of the employee's
    // amounts; the payout's at the employee's, the subsidies at the
    // employer's column.
    const auto woerter = druck_test::PdfWoerter(d.Pdf);
    const auto wortZeilen = WortZeilen(d.Pdf);
    // The nummer-th line that starts with anfang.
    // A note's amount may stand on the line below its caption.
    const auto zeileVon = [&](const QString& anfang, int nummer = 1) -> std::vector<druck_test::TWort> {
      for (std::size_t i = 0; i < wortZeilen.size(); ++i) {
        const auto& zeile = wortZeilen[i];
        QStringList text;
        for (const auto& w : zeile) text << w.Text;
        if (!text.join(QLatin1Char(' ')).startsWith(anfang) || --nummer > 0) continue;
        const bool betrag = std::any_of(zeile.begin(), zeile.end(), [](const auto& w) { return w.Text == QStringLiteral("EUR"); });
        if (!betrag && i + 1 < wortZeilen.size()) {
          auto mit = zeile;
          mit.insert(mit.end(), wortZeilen[i + 1].begin(), wortZeilen[i + 1].end());
          return mit;
        }
        return zeile;
      }
      ADD_FAILURE() << "keine Zeile " << anfang.toStdString() << " " << fall;
      return {};
    };
    // The right end of the k-th amount ("EUR") of a line, and the left end
    // of its first.
    const auto ende = [&](const std::vector<druck_test::TWort>& zeile, int k) {
      for (const auto& w : zeile) {
        if (w.Text == QStringLiteral("EUR") && --k == 0) return w.X1;
      }
      return -1.0;
    };
    const auto anfang = [&](const std::vector<druck_test::TWort>& zeile) {
      for (std::size_t i = 1; i < zeile.size(); ++i) {
        if (zeile[i].Text == QStringLiteral("EUR")) return zeile[i - 1].X0;
      }
      return -1.0;
    };
    const double spalteAN = ende(zeileVon(QStringLiteral("Gesamtbrutto =")), 1);
    const double spalteAG = ende(zeileVon(QStringLiteral("Gesamtbrutto =")), 2);
    const double linksAN = anfang(zeileVon(QStringLiteral("Gesamtbrutto =")));
    const double notiz = ende(zeileVon(QStringLiteral("Steuerbrutto")), 1);
    for (const auto& [wort, nummer] : std::vector<std::pair<const char*, int>>{
             {"davon", 1}, {"davon", 2}, {"davon", 3}, {"davon", 4}, {"SV-Brutto", 1}, {"SV-Brutto", 2}, {"anteilige", 1},
             {"anteilige", 2}}) {
      EXPECT_NEAR(ende(zeileVon(QString::fromLatin1(wort), nummer), 1), notiz, 0.5) << wort << nummer << " " << fall;
    }
    EXPECT_LT(notiz, linksAN) << fall;
    for (const char* wort : {"Kindergeld =", "VWL-Sparbetrag =", "Auszahlungsbetrag =", "Netto Lohn =",
                             "Entgeltumwandlung =", "Sachbezug ="}) {
      EXPECT_NEAR(ende(zeileVon(QString::fromLatin1(wort)), 1), spalteAN, 0.5) << wort << " " << fall;
    }
    EXPECT_NEAR(ende(zeileVon(QStringLiteral("Lohnkosten =")), 1), spalteAG, 0.5) << fall;
    EXPECT_NEAR(ende(zeileVon(QStringLiteral("AG-Zuschuss bAV =")), 1), spalteAG, 0.5) << fall;
    // The subsidy to the private insurance: the employer's cost, then paid out.
    EXPECT_NEAR(ende(zeileVon(QStringLiteral("AG-Zuschuss private KV/PV ="), 1), 1), spalteAG, 0.5) << fall;
    EXPECT_NEAR(ende(zeileVon(QStringLiteral("AG-Zuschuss private KV/PV ="), 2), 1), spalteAN, 0.5) << fall;

    // What belongs together is on one page.
    const auto seite = [&](const char* wort) {
      const druck_test::TWort* w = druck_test::Wort(woerter, QString::fromUtf8(wort));
      EXPECT_TRUE(w) << wort << " " << fall;
      return w ? w->Seite : 0;
    };
    EXPECT_EQ(seite("Abrechnung:"), seite("Laufender"));
    EXPECT_EQ(seite("Laufender"), seite("Gesamtbrutto"));
    EXPECT_EQ(seite("Gesamtbrutto"), seite("Steuern"));
    EXPECT_EQ(seite("Krankenversicherungsbeitrag"), seite("Netto"));
    EXPECT_EQ(seite("Lohnkosten"), seite("Insolvenzgeldumlage"));
    EXPECT_EQ(seite("Kindergeld"), seite("Auszahlungsbetrag"));
    EXPECT_EQ(seite("Beitragsbemessungsgrenzen:"), seite("Basistarif"));
    EXPECT_GT(seite("Abrechnung:"), 1) << "die Angaben f\u00fcllen die erste Seite";
  }
}

// A one-off beside a short data section: the settlement on the first page
// if it holds it, else whole on the next; the ceilings whole on a page.
TEST_F(DruckLohnteile, AbrechnungGanzAufEinerSeite) {
  const TDruck d = Drucken(QStringLiteral("--jahr 2025 --monat 11 --brutto 3200 --sonstiger-bezug 2400 --bekenntnislos "
                                          "--kv-zusatzbeitrag 2,5"));
  const auto woerter = druck_test::PdfWoerter(d.Pdf);
  const auto seite = [&](const char* wort) {
    const druck_test::TWort* w = druck_test::Wort(woerter, QString::fromUtf8(wort));
    return w ? w->Seite : 0;
  };
  const int abrechnung = seite("Abrechnung:");
  ASSERT_GT(abrechnung, 0);
  EXPECT_EQ(seite("Auszahlungsbetrag"), abrechnung);
  EXPECT_EQ(seite("Beitragsbemessungsgrenzen:"), seite("Besch."));
  // Page 1 ends with the inputs: no settlement's line, no rule of it below.
  const QStringList eins = druck_test::Zeilen(druck_test::PdfText(d.Pdf, 1));
  EXPECT_TRUE(eins.filter(QStringLiteral(" = ")).isEmpty()) << eins.join(QLatin1Char('\n')).toStdString();
}

// A slip of the regular wage alone prints as it always did: none of the
// new rows, the settlement's lines as before, one page.  In a year of the
// Mark shown in Euro its sums are those of its shown lines, as on the
// command line.
TEST_F(DruckLohnteile, NurLaufenderLohnWieBisher) {
  const TDruck d = Drucken(QStringLiteral("--jahr 2026 --monat 5 --brutto 4000 --kinderfreibetraege 1 "
                                          "--sonstige-abzuege 12,50"));
  const QStringList& z = d.Zeilen;
  EXPECT_TRUE(NeueAngaben(z).isEmpty()) << z.join(QLatin1Char('\n')).toStdString();
  const int von = z.indexOf(QStringLiteral("Abrechnung: Arb.nehmer Arb.geber"));
  ASSERT_GE(von, 0);
  EXPECT_EQ(z.mid(von, 24), (QStringList{
                                QStringLiteral("Abrechnung: Arb.nehmer Arb.geber"),
                                QStringLiteral("Bruttolohn = 4.000,00 EUR 4.000,00 EUR"),
                                QStringLiteral("Lohnsteuer = 531,83 EUR 0,00 EUR"),
                                QStringLiteral("Kirchensteuer = 23,65 EUR 0,00 EUR"),
                                QStringLiteral("Solidarit\u00e4tsz. = 0,00 EUR 0,00 EUR"),
                                QStringLiteral("Steuern gesamt = 555,48 EUR 0,00 EUR"),
                                QStringLiteral("Lohn nach Steuern = 3.444,52 EUR 4.000,00 EUR"),
                                QStringLiteral("Krankenversicherungsbeitrag 7,300% 292,00 EUR 7,300% 292,00 EUR"),
                                QStringLiteral("Zusatzbetrag zur KV 1,450% 58,00 EUR 1,450% 58,00 EUR"),
                                QStringLiteral("Rentenversicherungsbeitrag *) 9,300% 372,00 EUR 9,300% 372,00 EUR"),
                                QStringLiteral("Arbeitslosenversicherungsbeitrag 1,300% 52,00 EUR 1,300% 52,00 EUR"),
                                QStringLiteral("Pflegeversicherungsbeitrag 1,800% 72,00 EUR 1,800% 72,00 EUR"),
                                QStringLiteral("Soz.vers. gesamt = 846,00 EUR 846,00 EUR"),
                                QStringLiteral("Sonstiges = 12,50 EUR"),
                                QStringLiteral("Netto Lohn = 2.586,02 EUR"),
                                QStringLiteral("Lohnkosten = 4.846,00 EUR"),
                                QStringLiteral("Umlage U1 (Krankheit) = 0,00 EUR"),
                                QStringLiteral("Umlage U2 (Mutterschaft) = 0,00 EUR"),
                                QStringLiteral("Insolvenzgeldumlage = 6,00 EUR"),
                                QStringLiteral("Lohnkosten mit Umlagen = 4.852,00 EUR"),
                                QStringLiteral("Beitragsbemessungsgrenzen:"),
                                QStringLiteral("Pflegevers. / Krankenvers. 5.812,50 EUR pro Monat"),
                                QStringLiteral("Rentenversicherung 8.450,00 EUR pro Monat"),
                                QStringLiteral("Arbeitslosenversicherung 8.450,00 EUR pro Monat"),
                            }));
  EXPECT_EQ(druck_test::Seiten(d.Pdf), 1);
  WieText(Abrechnung(z), d);

  const TDruck mark = Drucken(QStringLiteral("--jahr 1999 --brutto 2556,46 --steuerklasse 3"));
  EXPECT_TRUE(mark.Zeilen.contains(QStringLiteral("Lohn nach Steuern = 2.274,05 EUR 2.556,46 EUR")));
  EXPECT_TRUE(mark.Zeilen.contains(QStringLiteral("Soz.vers. gesamt = 539,41 EUR 539,41 EUR")));
  EXPECT_TRUE(mark.Zeilen.contains(QStringLiteral("Netto Lohn = 1.734,64 EUR")))
      << mark.Zeilen.join(QLatin1Char('\n')).toStdString();
  WieText(Abrechnung(mark.Zeilen), mark);
}

// The display currency: 1999 in Euro converts every line once and forms the
// sums of the shown lines; the printout is the command line's.
TEST_F(DruckLohnteile, UmgerechneteAnzeige) {
  const TDruck d = Drucken(QStringLiteral("--jahr 1999 --brutto 2556,46 --vwl-ag 40 --steuerfrei 50,33 "
                                          "--vwl-sparbetrag 39,99 --steuerklasse 3"));
  const QStringList& z = d.Zeilen;
  EXPECT_EQ(NeueAngaben(z), (QStringList{QStringLiteral("Steuerfreie Bez\u00fcge 50,33 EUR"),
                                         QStringLiteral("VWL Arbeitgeber 40,00 EUR"),
                                         QStringLiteral("VWL-Sparbetrag 39,99 EUR")}))
      << z.join(QLatin1Char('\n')).toStdString();
  const std::vector<TZeile> a = Abrechnung(z);
  SummenStimmen(a, "1999");
  WieKommandozeile(a, d, "1999");
}

// The inputs the printout states are those the calculation applies: none
// the year or the person lacks, the one-fifth rule only where the year's
// flowchart has it, an optional amount given as 0 stated, the previous
// year's days only where they differ from a full year.
TEST(DruckAngabenLohnteile, NurAngewandteAngaben) {
  cli::TEingabe e;
  e.Jahr = 2025;
  e.Monat = 3;
  e.Brutto = 4000;
  e.Abfindung = 30000;
  TRechnungFall f(e);
  f.S.Anfrage.Fuenftelregelung = true;  // as the window may hold it
  f.A = druck::DruckAngabenFuer(f.S);
  EXPECT_EQ(f.A.Abfindung, QStringLiteral("30.000,00"));
  EXPECT_FALSE(f.A.Fuenftelregelung);
  f.S.Parameter = StandardParameter(2024, 3);
  EXPECT_TRUE(druck::DruckAngabenFuer(f.S).Fuenftelregelung);

  cli::TEingabe s;
  s.Jahr = 2024;
  s.Monat = 2;
  s.Brutto = 4000;
  s.SonstigerBezug = 5000;
  s.SVEntgeltBisherKV = 0;
  TRechnungFall g(s);
  EXPECT_EQ(g.A.SVEntgeltBisherKV, QStringLiteral("0,00"));
  EXPECT_TRUE(g.A.SVEntgeltBisherRV.isEmpty());
  EXPECT_TRUE(g.A.VorjahrSVTage.isEmpty());
  g.S.Anfrage.VorjahrSVTage = 0;
  EXPECT_EQ(druck::DruckAngabenFuer(g.S).VorjahrSVTage, QStringLiteral("0"));
  // Without the one-off the calculation leaves its inputs aside.
  g.S.Anfrage.SonstigerBezug = 0;
  const druck::TDruckAngaben ohne = druck::DruckAngabenFuer(g.S);
  EXPECT_TRUE(ohne.SonstigerBezug.isEmpty());
  EXPECT_TRUE(ohne.SVEntgeltBisherKV.isEmpty());
  EXPECT_TRUE(ohne.VorjahrSVTage.isEmpty());

  // Before the flowcharts with one-offs (2002) there is none; a company
  // car only with the rules of the pay that know it.
  cli::TEingabe alt;
  alt.Jahr = 1999;
  alt.Brutto = 4000;
  TRechnungFall h(alt);
  h.S.Anfrage.SonstigerBezug = 100000;
  h.S.Anfrage.DienstwagenListenpreis = 3000000;
  h.S.Anfrage.DienstwagenKm = 10;
  const druck::TDruckAngaben vorher = druck::DruckAngabenFuer(h.S);
  EXPECT_TRUE(vorher.SonstigerBezug.isEmpty());
  EXPECT_TRUE(vorher.DienstwagenListenpreis.isEmpty());
  EXPECT_TRUE(vorher.DienstwagenKm.isEmpty());
}

}  // namespace
