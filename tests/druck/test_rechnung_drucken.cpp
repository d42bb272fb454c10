// The printout of a calculation, read back from the PDF.
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "geld/geld.h"
#include "calc/sozialversicherung.h"
#include "pdf_hilfe.h"

using namespace lst;
using druck_test::Geld;
using druck_test::TRechnungFall;
using druck_test::KeinWortUeberEinemAnderen;
using druck_test::Zeilen;

namespace {

class RechnungDrucken : public ::testing::Test {
 protected:
  QTemporaryDir ordner_;
  druck::TDruckMaschine m_;

  RechnungDrucken() { m_.FesteZeit = QDateTime(QDate(2013, 3, 4), QTime(9, 5)); }

  QString Drucken(TRechnungFall& f, int groesse = 10) {
    const QString pdf = ordner_.filePath(QStringLiteral("rechnung%1.pdf").arg(++n_));
    EXPECT_TRUE(druck::RechnungAlsPdf(m_, pdf, f.A, f.S, groesse));
    return pdf;
  }
  QStringList Text(TRechnungFall& f, int groesse = 10) {
    return Zeilen(druck_test::PdfText(Drucken(f, groesse)));
  }

 private:
  int n_ = 0;
};

// The rates of the contribution line that starts with titel: beside its
// amounts, or on the line below them where the font leaves no room.
QStringList SaetzeDerZeile(const QStringList& z, const QString& titel) {
  static const QRegularExpression satz(QStringLiteral("(\u2013|[0-9]+,[0-9]{3}%)( |$)"));
  QStringList saetze;
  for (int i = 0; i < z.size(); ++i) {
    if (!z[i].startsWith(titel)) continue;
    QString text = z[i].mid(titel.size());
    if (i + 1 < z.size() && !z[i + 1].contains(QStringLiteral("EUR"))) text += QLatin1Char(' ') + z[i + 1];
    for (auto it = satz.globalMatch(text); it.hasNext();) saetze << it.next().captured(1);
    break;
  }
  return saetze;
}

// Index of the first line that starts with text, at or after von; -1 if none.
int Finde(const QStringList& z, const QString& text, int von = 0) {
  for (int i = von; i < z.size(); ++i) {
    if (z[i].startsWith(text)) return i;
  }
  return -1;
}

// The three sections with their rows in order and the amounts of the
// calculation; no factor row without the factor method; a month shows each
// ceiling once.
TEST_F(RechnungDrucken, DreiAbschnitteMitDenErgebnissen) {
  cli::TEingabe e;
  e.Jahr = 2013;
  e.Brutto = 3000;
  e.STKL = 1;
  e.SonstigeAbzuege = 12.5;
  TRechnungFall f(e);
  const QStringList z = Text(f);
  const TMonatsErgebnis& r = f.S.Ergebnis;

  const int kopf = Finde(z, QStringLiteral("Lohnsteuerberechnung 2013"));
  const int daten = Finde(z, QStringLiteral("Berechnungsdaten:"));
  const int abrechnung = Finde(z, QStringLiteral("Abrechnung: Arb.nehmer Arb.geber"));
  const int grenzen = Finde(z, QStringLiteral("Beitragsbemessungsgrenzen:"));
  ASSERT_TRUE(kopf >= 0 && kopf < daten && daten < abrechnung && abrechnung < grenzen)
      << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(z[kopf + 1].startsWith(QStringLiteral("Lohnsteuer \u2013")));

  const QStringList erwartet = {
      QStringLiteral("Lohnzahlungszeitraum Monat (30 Tage)"),
      QStringLiteral("Lohnsteuerklasse I"),
      QStringLiteral("Kirchensteuer 8%"),
      QStringLiteral("Altersentlastung (\u00a724a EStG) nein"),
      // 2013: the provision allowance of section 39b EStG (section 10c up
      // to 2009, see JahresTexte).
      QStringLiteral("nicht rentenversichert (\u00a739b Abs.2 Satz 5 Nr.3 EStG) nein"),
      QStringLiteral("Versorgungsbez\u00fcge 0,00 EUR"),
      QStringLiteral("Vers.bez. im Januar 0,00 EUR"),
      QStringLiteral("Sond.zahlg. f\u00fcr Vers.empf\u00e4nger 0,00 EUR"),
      QStringLiteral("Vers.bez. gezahlt f\u00fcr 12 Monate"),
      QStringLiteral("Freibetrag 0,00 EUR"),
      QStringLiteral("Hinzurechnungsbetrag 0,00 EUR"),
      QStringLiteral("Abfindg./Kapitalausz./Sterbegeld 0,00 EUR"),
      QStringLiteral("Kinder lt. Lohnsteuerkarte 0"),
      QStringLiteral("Sozialversicherung Region West"),
      QStringLiteral("Geringf\u00fcgig Besch\u00e4ftigt nein"),
      QStringLiteral("AN-Eigenanteil Aufstockung RV *) nein"),
  };
  EXPECT_EQ(z.mid(daten + 1, erwartet.size()), erwartet);
  EXPECT_EQ(Finde(z, QStringLiteral("Faktor")), -1);

  const auto zeile = [&](const QString& titel, std::int64_t an, std::int64_t ag) {
    return titel + QLatin1Char(' ') + Geld(an) + QLatin1Char(' ') + Geld(ag);
  };
  const QStringList abr = z.mid(abrechnung + 1, 6);
  EXPECT_EQ(abr, (QStringList{
                     zeile(QStringLiteral("Bruttolohn ="), 300000, 300000),
                     zeile(QStringLiteral("Lohnsteuer ="), r.LSt, r.LStPausch),
                     zeile(QStringLiteral("Kirchensteuer ="), r.KiSt, r.KiStPausch),
                     zeile(QStringLiteral("Solidarit\u00e4tsz. ="), r.Soli, r.SoliPausch),
                     zeile(QStringLiteral("Steuern gesamt ="), r.SteuerSumme, r.SteuerSummePausch),
                     zeile(QStringLiteral("Lohn nach Steuern ="), r.BruttoNachSteuer, r.BruttoPlusPausch),
                 }));
  const int kv = Finde(z, QStringLiteral("Krankenversicherungsbeitrag"));
  ASSERT_GT(kv, abrechnung);
  const QStringList sv = z.mid(kv, 9);
  // Each side's rate before its amount; the surcharges the employee's alone.
  EXPECT_EQ(sv[0], QStringLiteral("Krankenversicherungsbeitrag 7,300% ") + Geld(r.KV.AN) +
                       QStringLiteral(" 7,300% ") + Geld(r.KV.AG));
  EXPECT_EQ(sv[1], QStringLiteral("Zusatzbetrag zur KV 0,900% ") + Geld(r.KV2.AN) + QStringLiteral(" \u2013 ") +
                       Geld(0));
  EXPECT_TRUE(sv[2].startsWith(QStringLiteral("Rentenversicherungsbeitrag *) 9,450% "))) << sv[2].toStdString();
  EXPECT_TRUE(sv[2].contains(QStringLiteral(" EUR 9,450% ")));
  EXPECT_TRUE(sv[3].startsWith(QStringLiteral("Arbeitslosenversicherungsbeitrag 1,500% ")));
  EXPECT_TRUE(sv[4].startsWith(QStringLiteral("Pflegeversicherungsbeitrag 1,025% ")));
  EXPECT_TRUE(sv[5].startsWith(QStringLiteral("Zusatzbetrag zur PV 0,250% ")));
  EXPECT_TRUE(sv[5].endsWith(QStringLiteral(" EUR \u2013 0,00 EUR")));
  EXPECT_EQ(sv[6], zeile(QStringLiteral("Soz.vers. gesamt ="), r.SVSummeAN, r.SVSummeAG));
  EXPECT_EQ(sv[7], QStringLiteral("Sonstiges = 12,50 EUR"));
  EXPECT_EQ(sv[8], QStringLiteral("Netto Lohn = ") + Geld(r.Netto));
  EXPECT_EQ(z[kv + 9], QStringLiteral("Lohnkosten = ") + Geld(r.AGGesamt));

  const TBBGZeitraum monat = BBGFuerZeitraum(f.S.Parameter.BBG, 2, rgWest);
  EXPECT_EQ(z.mid(grenzen + 1, 4),
            (QStringList{QStringLiteral("Pflegevers. / Krankenvers. ") + Geld(monat[bbgKV]) +
                             QStringLiteral(" pro Monat"),
                         QStringLiteral("Rentenversicherung ") + Geld(monat[bbgRV]) + QStringLiteral(" pro Monat"),
                         QStringLiteral("Arbeitslosenversicherung ") + Geld(monat[bbgAV]) + QStringLiteral(" pro Monat"),
                         QStringLiteral("Geringf\u00fcgig Besch. ") + Geld(monat[bbgGF]) + QStringLiteral(" pro Monat")}));
  EXPECT_EQ(Finde(z, QStringLiteral("Basistarif")), -1);
  EXPECT_TRUE(z.last().contains(QStringLiteral("Seite 1")));
}

// Factor method, East, marginal employment with top-up, private insurance
// (no KV and PV surcharges), a yearly pay period: every ceiling twice.
TEST_F(RechnungDrucken, BedingteZeilenUndJahr) {
  cli::TEingabe e;
  e.Jahr = 2013;
  e.LZZ = 1;
  e.Brutto = 40000;
  e.STKL = 4;
  e.Faktor = 0.955;
  e.Region = 0;
  e.PrivatBeitrag = 300;
  e.Bekenntnislos = true;
  TRechnungFall f(e);
  const QString pdf = Drucken(f);
  const QStringList z = Zeilen(druck_test::PdfText(pdf));
  const QString alles = z.join(QLatin1Char('\n'));
  EXPECT_NE(Finde(z, QStringLiteral("Faktor Lohnsteuerabzugsverfahren 0,955")), -1) << alles.toStdString();
  EXPECT_NE(Finde(z, QStringLiteral("Kirchensteuer bekenntnislos")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Lohnzahlungszeitraum Jahr (360 Tage)")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Sozialversicherung Region Ost")), -1);
  EXPECT_EQ(Finde(z, QStringLiteral("Zusatzbetrag zur KV")), -1);
  EXPECT_EQ(Finde(z, QStringLiteral("Zusatzbetrag zur PV")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Basistarif KV/PV 300,00 EUR")), -1);
  // Each ceiling of the East a month and a year (twelve months).
  const int grenzen = Finde(z, QStringLiteral("Beitragsbemessungsgrenzen:"));
  ASSERT_GE(grenzen, 0);
  const QStringList g = z.mid(grenzen + 1, 4);
  const TBBGZeitraum monat = BBGFuerZeitraum(f.S.Parameter.BBG, 2, rgOst);
  const TBBGArt arten[] = {bbgKV, bbgRV, bbgAV, bbgGF};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(g[i].endsWith(Geld(monat[arten[i]]) + QStringLiteral(" pro Monat ") +
                              Geld(12 * monat[arten[i]]) + QStringLiteral(" pro Jahr (360 Tage)")))
        << g[i].toStdString();
  }
  // The monthly amounts end at 60 % of the width between the margins (17 mm
  // and 15 mm of 210 mm); the yearly ones end together at 90 %, or further
  // right when they would touch the monthly ones, as with this font.
  const auto woerter = druck_test::PdfWoerter(pdf);
  const double mm = 72 / 25.4;
  int monate = 0;
  double ende = 0;
  for (const auto& w : woerter) {
    if (w.Text != QStringLiteral("Monat") || w.Y0 < 400) continue;
    ++monate;
    EXPECT_NEAR(w.X1, (17 + 178 * 0.6) * mm, 1.0);
    // The next word on the line is the yearly amount, clear of "Monat".
    double naechstes = 1e9;
    for (const auto& v : woerter) {
      if (std::abs(v.Y0 - w.Y0) < 1 && v.X0 > w.X0) naechstes = std::min(naechstes, v.X0);
    }
    EXPECT_GT(naechstes, w.X1 + 2 * mm);
    EXPECT_LT(naechstes, 1e9);
  }
  for (const auto& w : woerter) {
    if (w.Text != QStringLiteral("Tage)") || w.Y0 < 400) continue;
    if (ende == 0) ende = w.X1;
    EXPECT_NEAR(w.X1, ende, 0.5);
    EXPECT_GE(w.X1, (17 + 178 * 0.9) * mm - 1.0);
    EXPECT_LE(w.X1, (17 + 178) * mm + 0.5);
  }
  EXPECT_EQ(monate, 4);
}

// Minijob with top-up: the marginal-employment rows say so; a week converts
// the ceilings by whole days.
TEST_F(RechnungDrucken, MinijobUndWoche) {
  cli::TEingabe e;
  e.Jahr = 2013;
  e.LZZ = 3;
  e.Brutto = 90;
  e.Minijob = true;
  e.Aufstockung = true;
  TRechnungFall f(e);
  const QStringList z = Text(f);
  EXPECT_NE(Finde(z, QStringLiteral("Geringf\u00fcgig Besch\u00e4ftigt ja")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("AN-Eigenanteil Aufstockung RV *) 3,9%")), -1) << z.join(QLatin1Char('\n')).toStdString();
  // A week is seven days of a thirtieth of the month, each rounded to cents.
  const std::int64_t gf = BBGFuerZeitraum(f.S.Parameter.BBG, 2, rgWest)[bbgGF];
  const std::int64_t woche = Runden(Runden(gf / 30.0) * 7.0);
  EXPECT_NE(Finde(z, QStringLiteral("Geringf\u00fcgig Besch. ") + Geld(gf) + QStringLiteral(" pro Monat ") +
                         Geld(woche) + QStringLiteral(" pro Woche (7 Tage)")),
            -1);
  // The employer alone pays health insurance, at his flat rate; the
  // employee tops up the pension, on the minimum base of 175 EUR a month.
  const TMonatsErgebnis& sv = f.S.Ergebnis;
  EXPECT_NE(Finde(z, QStringLiteral("Krankenversicherungsbeitrag \u2013 ") + Geld(0) + QStringLiteral(" 13,000% ") +
                         Geld(sv.KV.AG)),
            -1)
      << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_NE(Finde(z, QStringLiteral("Rentenversicherungsbeitrag *) 3,900% ") + Geld(sv.RV.AN) +
                         QStringLiteral(" 15,000% ") + Geld(sv.RV.AG)),
            -1);
  EXPECT_NE(Finde(z, QStringLiteral("Arbeitslosenversicherungsbeitrag \u2013 0,00 EUR \u2013 0,00 EUR")), -1);
  EXPECT_GT(sv.KV.AG, 0);
  EXPECT_GT(sv.RV.AN, 0);
}

// Amount fields that are not numbers print as 0,00; the printout goes on.
TEST_F(RechnungDrucken, UnlesbarerBetragWirdNull) {
  cli::TEingabe e;
  e.Jahr = 2013;
  e.Brutto = 2000;
  TRechnungFall f(e);
  f.A.Freibetrag = QStringLiteral("12,3,4");
  f.A.Hinzurechnung = QStringLiteral("1.234,5");
  f.A.Versorgungsbezuege = QStringLiteral("abc");
  f.A.Kinder = QStringLiteral("  ");
  const QStringList z = Text(f);
  EXPECT_NE(Finde(z, QStringLiteral("Freibetrag 0,00 EUR")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Hinzurechnungsbetrag 1.234,50 EUR")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Versorgungsbez\u00fcge 0,00 EUR")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Kinder lt. Lohnsteuerkarte 0")), -1);
  EXPECT_NE(Finde(z, QStringLiteral("Beitragsbemessungsgrenzen:")), -1);
  EXPECT_TRUE(z.last().contains(QStringLiteral("Seite 1")));
}

// A larger print font moves the value columns right instead of writing
// values over their labels; pay-period ceilings that no longer fit beside
// the monthly ones go below them.
TEST_F(RechnungDrucken, GroessereSchriftOhneUeberlappung) {
  // Which lines the larger font wraps depends on the font the system puts
  // in place of "Arial"; what must hold with any of them: no word lies over
  // another, and every row and amount is printed.
  cli::TEingabe e;
  e.Jahr = 2013;
  e.LZZ = 1;
  e.Brutto = 36000;
  TRechnungFall f(e);
  const QString pdf = Drucken(f, 12);
  KeinWortUeberEinemAnderen(pdf);
  const QString text = Zeilen(druck_test::PdfText(pdf)).join(QLatin1Char(' '));
  EXPECT_TRUE(text.contains(QStringLiteral("nicht rentenversichert (\u00a739b Abs.2 Satz 5 Nr.3 EStG) nein")));
  EXPECT_TRUE(text.contains(QStringLiteral("Abfindg./Kapitalausz./Sterbegeld 0,00 EUR")));
  const TBBGZeitraum monat = BBGFuerZeitraum(f.S.Parameter.BBG, 2, rgWest);
  EXPECT_TRUE(text.contains(QStringLiteral("Pflegevers. / Krankenvers. ") + Geld(monat[bbgKV]) +
                            QStringLiteral(" pro Monat ") + Geld(12 * monat[bbgKV]) +
                            QStringLiteral(" pro Jahr (360 Tage)")))
      << text.toStdString();

  // The rates of both sides beside the widest amounts of a year above the
  // ceilings, and beside a minijob's: each rate is printed, clear of the
  // amounts, whatever size it then takes.
  cli::TEingabe gruppe;
  gruppe.Jahr = 2026;
  gruppe.LZZ = 1;
  gruppe.Brutto = 150000;
  gruppe.Beitragsgruppe = BeitragsgruppeLesen("3321");
  cli::TEingabe mini;
  mini.Jahr = 2026;
  mini.LZZ = 1;
  mini.Brutto = 7200;
  mini.Haushalt = true;
  mini.Aufstockung = true;
  for (const cli::TEingabe& fall : {gruppe, mini}) {
    TRechnungFall g(fall);
    for (int groesse : {12, 14}) {
      const QString datei = Drucken(g, groesse);
      KeinWortUeberEinemAnderen(datei);
      const QStringList z = Zeilen(druck_test::PdfText(datei));
      const TMonatsErgebnis& sv = g.S.Ergebnis;
      const QStringList rv = fall.Haushalt ? QStringList{QStringLiteral("13,600%"), QStringLiteral("5,000%")}
                                           : QStringList{QStringLiteral("\u2013"), QStringLiteral("9,300%")};
      EXPECT_EQ(SaetzeDerZeile(z, QStringLiteral("Rentenversicherungsbeitrag")), rv)
          << groesse << z.join(QLatin1Char('\n')).toStdString();
      const int zeile = Finde(z, QStringLiteral("Rentenversicherungsbeitrag"));
      ASSERT_GE(zeile, 0);
      EXPECT_TRUE(z[zeile].endsWith(Geld(sv.RV.AN) + QLatin1Char(' ') + rv[1] + QLatin1Char(' ') + Geld(sv.RV.AG)) ||
                  z[zeile].endsWith(Geld(sv.RV.AN) + QLatin1Char(' ') + Geld(sv.RV.AG)))
          << z[zeile].toStdString();
    }
  }
}


// A large print font pushes the printout onto a second page with its own
// head; the feet count the pages.
TEST_F(RechnungDrucken, GrosseSchriftGibtZweiteSeite) {
  cli::TEingabe e;
  e.Jahr = 2013;
  e.Brutto = 3000;
  TRechnungFall f(e);
  const QString pdf = Drucken(f, 20);
  ASSERT_EQ(druck_test::Seiten(pdf), 2);
  const QStringList s1 = Zeilen(druck_test::PdfText(pdf, 1));
  const QStringList s2 = Zeilen(druck_test::PdfText(pdf, 2));
  EXPECT_EQ(s1.first(), QStringLiteral("Lohnsteuerberechnung 2013"));
  EXPECT_EQ(s2.first(), QStringLiteral("Lohnsteuerberechnung 2013"));
  EXPECT_TRUE(s1.last().contains(QStringLiteral("Seite 1")));
  EXPECT_TRUE(s2.last().contains(QStringLiteral("Seite 2")));
  EXPECT_NE(Finde(s2, QStringLiteral("Beitragsbemessungsgrenzen:")), -1);
  EXPECT_EQ(Finde(s1, QStringLiteral("Beitragsbemessungsgrenzen:")), -1);
}

}  // namespace

namespace {

// The Aktivrente and the state on the printout: the state named, the
// Aktivrente's row in the years that have it, its tax-free part as a note
// between "Gesamtbrutto" and "Steuerbrutto", the state's church-tax rate;
// the special table in the law of 2026.
TEST_F(RechnungDrucken, AktivrenteUndBundesland) {
  cli::TEingabe e;
  e.Jahr = 2026;
  e.Monat = 3;
  e.Brutto = 3500;
  e.Beitragsgruppe = BeitragsgruppeLesen("3321");
  e.Altersentlastung = 2024;
  e.Bundesland = TBundesland::Bayern;
  e.Aktivrente = true;
  TRechnungFall f(e);
  const QStringList z = Text(f);
  const QString alles = z.join(QLatin1Char('\n'));
  ASSERT_EQ(f.S.Ergebnis.Aktivrente_steuerfrei, 200000);
  EXPECT_GE(Finde(z, QStringLiteral("Bundesland Bayern")), 0) << alles.toStdString();
  EXPECT_GE(Finde(z, QStringLiteral("Kirchensteuer 8%")), 0) << alles.toStdString();
  EXPECT_GE(Finde(z, QStringLiteral("Aktivrente (\u00a73 Nr.21 EStG) ja")), 0) << alles.toStdString();
  const int brutto = Finde(z, QStringLiteral("Gesamtbrutto ="));
  const int frei = Finde(z, QStringLiteral("Aktivrente steuerfrei ") + Geld(200000));
  const int steuer = Finde(z, QStringLiteral("Steuerbrutto ") + Geld(150000));
  EXPECT_TRUE(brutto >= 0 && brutto < frei && frei < steuer) << alles.toStdString();
  EXPECT_FALSE(alles.contains(QStringLiteral("10c"))) << alles.toStdString();
  EXPECT_GE(Finde(z, QStringLiteral("nicht rentenversichert (\u00a739b Abs.2 Satz 5 Nr.3 EStG) ja")), 0)
      << alles.toStdString();

  // 2025: no Aktivrente row; without a state no state row.
  cli::TEingabe v;
  v.Jahr = 2025;
  v.Brutto = 3500;
  TRechnungFall g(v);
  const QString vorher = Text(g).join(QLatin1Char('\n'));
  EXPECT_FALSE(vorher.contains(QStringLiteral("Aktivrente"))) << vorher.toStdString();
  EXPECT_FALSE(vorher.contains(QStringLiteral("Bundesland"))) << vorher.toStdString();
}

}  // namespace
