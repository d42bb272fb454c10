// "lohnsteuer-cli drucken": the print settings the window reads at start,
// and the command's errors.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>
#include <vector>
#include <gtest/gtest.h>

#include "pdf_hilfe.h"

namespace {

struct TAufruf {
  int Status = -1;
  QString Fehler;
};

TAufruf Cli(const QStringList& argumente) {
  QProcess p;
  p.start(QStringLiteral(LOHNSTEUER_CLI_PATH), argumente);
  TAufruf a;
  if (!p.waitForFinished(30000)) return a;
  a.Status = p.exitCode();
  a.Fehler = QString::fromUtf8(p.readAllStandardError());
  return a;
}

class CliDrucken : public ::testing::Test {
 protected:
  // The configuration folder of the test program (see main.cpp).
  QDir konfig_{QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))};
  QTemporaryDir ordner_;

  void Schreiben(const char* name, const QByteArray& text) {
    QFile f(konfig_.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  void TearDown() override {
    QFile::remove(konfig_.filePath(QStringLiteral("Kolvanta.ini")));
    QFile::remove(konfig_.filePath(QStringLiteral("DrumselLStTab.ini")));
  }
};

// Margins and grey fill from "Kolvanta.ini", the font from the section
// "Druck" of the settings file; the margins of that section wait for the
// print options dialog's "OK" and do not apply.
TEST_F(CliDrucken, DruckeinstellungenWieDasFenster) {
  Schreiben("Kolvanta.ini", "[Druck]\nGrau=0\nLiRand=30\nObRand=25\nFontSize=9\n");
  Schreiben("DrumselLStTab.ini", "[Druck]\nLiRand=5\nFontName=DejaVu Serif\nFontSize=12\n");
  const QString pdf = ordner_.filePath(QStringLiteral("a.pdf"));
  const TAufruf a = Cli({QStringLiteral("drucken"), QStringLiteral("--brutto"), QStringLiteral("2.500,00"),
                         QStringLiteral("--pdf"), pdf});
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();
  EXPECT_TRUE(a.Fehler.isEmpty()) << a.Fehler.toStdString();
  const auto woerter = druck_test::PdfWoerter(pdf);
  const auto* daten = druck_test::Wort(woerter, QStringLiteral("Berechnungsdaten:"));
  const auto* titel = druck_test::Wort(woerter, QStringLiteral("Lohnsteuerberechnung"));
  ASSERT_TRUE(daten && titel);
  const double mm = 72 / 25.4;
  EXPECT_NEAR(daten->X0, 30 * mm, 1.5);
  EXPECT_NEAR(titel->Y0, 25 * mm, 2.5);
  // Body text at 12 points (headings 14): taller than the default 10.
  const auto* zeile = druck_test::Wort(woerter, QStringLiteral("Lohnsteuerklasse"));
  ASSERT_TRUE(zeile);
  EXPECT_GT(zeile->Y1 - zeile->Y0, 12.5);
  const QString schriften = QString::fromUtf8(druck_test::Ausfuehren(QStringLiteral("pdffonts"), {pdf}));
  EXPECT_TRUE(schriften.contains(QStringLiteral("DejaVuSerif"))) << schriften.toStdString();

  EXPECT_LT(druck_test::LaengsterGrauLauf(druck_test::PdfBild(pdf, 1, 72)), 5);
}

// A damaged "Kolvanta.ini" prints with the defaults.
TEST_F(CliDrucken, BeschaedigteDateiGibtVorgaben) {
  Schreiben("Kolvanta.ini", QByteArray("\xff\xfe[Druck\nLiRand=abc\n[Druck]\nLiRand=-4\nGrau=x\n\0\0", 45));
  const QString pdf = ordner_.filePath(QStringLiteral("b.pdf"));
  const TAufruf a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf=") + pdf});
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();
  const auto woerter = druck_test::PdfWoerter(pdf);
  const auto* daten = druck_test::Wort(woerter, QStringLiteral("Berechnungsdaten:"));
  ASSERT_TRUE(daten);
  EXPECT_NEAR(daten->X0, 17 * 72 / 25.4, 1.5);
}

TEST_F(CliDrucken, Fehler) {
  TAufruf a = Cli({QStringLiteral("drucken"), QStringLiteral("--brutto"), QStringLiteral("3000")});
  EXPECT_EQ(a.Status, 2);
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("--pdf"))) << a.Fehler.toStdString();
  a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf"), QStringLiteral("/nonexistent-folder/x.pdf")});
  EXPECT_EQ(a.Status, 1);
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("/nonexistent-folder/x.pdf"))) << a.Fehler.toStdString();
  a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf"), ordner_.filePath(QStringLiteral("c.pdf")),
           QStringLiteral("--steuerklasse"), QStringLiteral("7")});
  EXPECT_EQ(a.Status, 2);
  EXPECT_FALSE(QFile::exists(ordner_.filePath(QStringLiteral("c.pdf"))));
  a = Cli({QStringLiteral("berechnen"), QStringLiteral("--pdf"), ordner_.filePath(QStringLiteral("d.pdf"))});
  EXPECT_EQ(a.Status, 2);

  // The same checks as for berechnen: two signs, factor 0, pension payments
  // above the gross; no file is written.
  const QString f = ordner_.filePath(QStringLiteral("f.pdf"));
  for (const QString& falsch : {QStringLiteral("--kirchensteuer=--5"), QStringLiteral("--faktor=0"),
                                QStringLiteral("--versorgungsbezug=3000,01")}) {
    a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf"), f, QStringLiteral("--brutto"), QStringLiteral("3000"),
             QStringLiteral("--steuerklasse"), QStringLiteral("4"), falsch});
    EXPECT_EQ(a.Status, 2) << falsch.toStdString();
    EXPECT_TRUE(a.Fehler.startsWith(QStringLiteral("lohnsteuer-cli: "))) << a.Fehler.toStdString();
    EXPECT_FALSE(QFile::exists(f)) << falsch.toStdString();
  }

  // lohnsteuer-cli alone, without its printing program beside it.
  const QString allein = ordner_.filePath(QStringLiteral("lohnsteuer-cli"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(LOHNSTEUER_CLI_PATH), allein));
  QProcess p;
  p.start(allein, {QStringLiteral("drucken"), QStringLiteral("--pdf"), ordner_.filePath(QStringLiteral("e.pdf"))});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 2);
  EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("lohnsteuer-cli-druck")));
}

// ---- the rules from 2014 -------------------------------------------------------

class CliDruckenAb2014 : public CliDrucken {
 protected:
  // The printout of a calculation as lines (see druck_test::Zeilen).
  QStringList Drucken(const QStringList& optionen) {
    const QString pdf = ordner_.filePath(QStringLiteral("r%1.pdf").arg(++n_));
    const TAufruf a = Cli(QStringList{QStringLiteral("drucken"), QStringLiteral("--pdf"), pdf} + optionen);
    EXPECT_EQ(a.Status, 0) << a.Fehler.toStdString();
    return druck_test::Zeilen(druck_test::PdfText(pdf));
  }

 private:
  int n_ = 0;
};

// The line that starts with text; empty when none does.
QString ZeileMit(const QStringList& z, const QString& text) {
  for (const QString& zeile : z) {
    if (zeile.startsWith(text)) return zeile;
  }
  return {};
}

// The amounts of a line ("1.234,56 EUR") in cents, left to right.
std::vector<std::int64_t> Betraege(const QString& zeile) {
  static const QRegularExpression muster(QStringLiteral("(-?[\\d.]+),(\\d\\d) EUR"));
  std::vector<std::int64_t> b;
  for (auto it = muster.globalMatch(zeile); it.hasNext();) {
    const auto m = it.next();
    QString euro = m.captured(1);
    euro.remove(QLatin1Char('.'));
    const std::int64_t e = euro.toLongLong();
    b.push_back(e * 100 + (e < 0 ? -1 : 1) * m.captured(2).toLongLong());
  }
  return b;
}

// The amounts of the line that starts with text; fails the test when the
// line is missing or has another number of amounts.
std::vector<std::int64_t> Betraege(const QStringList& z, const QString& text, std::size_t anzahl) {
  const QString zeile = ZeileMit(z, text);
  const std::vector<std::int64_t> b = Betraege(zeile);
  EXPECT_EQ(b.size(), anzahl) << text.toStdString() << ": " << zeile.toStdString() << "\n"
                              << z.join(QLatin1Char('\n')).toStdString();
  return b.size() == anzahl ? b : std::vector<std::int64_t>(anzahl, 0);
}

// Each shown sum of the settlement is the sum of its shown lines, in both
// columns: the taxes, the wage after taxes, the contributions, the net wage,
// the employer's cost and the cost with the levies.
void SummenStimmen(const QStringList& z) {
  const auto brutto = Betraege(z, QStringLiteral("Bruttolohn ="), 2);
  const auto lst = Betraege(z, QStringLiteral("Lohnsteuer ="), 2);
  const auto kist = Betraege(z, QStringLiteral("Kirchensteuer ="), 2);
  const auto soli = Betraege(z, QStringLiteral("Solidarit\u00e4tsz. ="), 2);
  const auto steuern = Betraege(z, QStringLiteral("Steuern gesamt ="), 2);
  const auto nach = Betraege(z, QStringLiteral("Lohn nach Steuern ="), 2);
  std::int64_t svAN = 0, svAG = 0;
  for (const char16_t* art : {u"Krankenversicherungsbeitrag", u"Zusatzbetrag zur KV", u"Rentenversicherungsbeitrag",
                              u"Arbeitslosenversicherungsbeitrag", u"Pflegeversicherungsbeitrag",
                              u"Zusatzbetrag zur PV"}) {
    const QString zeile = ZeileMit(z, QString::fromUtf16(art));
    if (zeile.isEmpty()) continue;
    const auto b = Betraege(zeile);
    ASSERT_EQ(b.size(), 2u) << zeile.toStdString();
    svAN += b[0];
    svAG += b[1];
  }
  const auto sv = Betraege(z, QStringLiteral("Soz.vers. gesamt ="), 2);
  const auto sonstiges = Betraege(ZeileMit(z, QStringLiteral("Sonstiges =")));
  const auto netto = Betraege(z, QStringLiteral("Netto Lohn ="), 1);
  const auto kosten = Betraege(z, QStringLiteral("Lohnkosten ="), 1);
  const QString zuschussZeile = ZeileMit(z, QStringLiteral("AG-Zuschuss private KV/PV ="));
  const std::int64_t zuschuss = zuschussZeile.isEmpty() ? 0 : Betraege(zuschussZeile).at(0);
  const auto u1 = Betraege(z, QStringLiteral("Umlage U1 (Krankheit) ="), 1);
  const auto u2 = Betraege(z, QStringLiteral("Umlage U2 (Mutterschaft) ="), 1);
  const auto igu = Betraege(z, QStringLiteral("Insolvenzgeldumlage ="), 1);
  const auto mitUmlagen = Betraege(z, QStringLiteral("Lohnkosten mit Umlagen ="), 1);
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(lst[s] + kist[s] + soli[s], steuern[s]) << s;
    EXPECT_EQ(nach[s], s == 0 ? brutto[0] - steuern[0] : brutto[1] + steuern[1]) << s;
  }
  EXPECT_EQ(svAN, sv[0]);
  EXPECT_EQ(svAG, sv[1]);
  EXPECT_EQ(nach[0] - sv[0] - (sonstiges.empty() ? 0 : sonstiges[0]), netto[0]);
  EXPECT_EQ(nach[1] + sv[1] + zuschuss, kosten[0]);
  EXPECT_EQ(kosten[0] + u1[0] + u2[0] + igu[0], mitUmlagen[0]);
}

// The contribution lines with their rates: "title rateAN amountAN rateAG
// amountAG", a rate "\u2013" for a side that pays nothing.
struct TBeitragsZeile {
  QString Titel;
  double SatzAN = -1, SatzAG = -1;  // percent; -1 for "\u2013"
  std::int64_t AN = 0, AG = 0;
};
std::vector<TBeitragsZeile> BeitragsZeilen(const QStringList& z) {
  static const QRegularExpression muster(QStringLiteral(
      "^(.*\\S) (\u2013|[\\d]+,\\d{3}%) (-?[\\d.]+,\\d\\d EUR) (\u2013|[\\d]+,\\d{3}%) (-?[\\d.]+,\\d\\d EUR)$"));
  const auto satz = [](const QString& t) {
    return t == QStringLiteral("\u2013") ? -1.0 : QString(t).remove(QLatin1Char('%')).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
  };
  std::vector<TBeitragsZeile> b;
  for (const QString& zeile : z) {
    const auto m = muster.match(zeile);
    if (!m.hasMatch()) continue;
    b.push_back({m.captured(1), satz(m.captured(2)), satz(m.captured(4)), Betraege(m.captured(3)).at(0),
                 Betraege(m.captured(5)).at(0)});
  }
  return b;
}

// Each contribution against the rate printed beside it: nothing where the
// side pays nothing, else the rate on the wage basis (a wage below the
// ceilings and outside the zone; a surcharge rounded with its share may be
// a cent off).  All six kinds of contribution lines that the settlement can
// show are counted.
void SaetzePassen(const QStringList& z, std::int64_t basis) {
  const std::vector<TBeitragsZeile> b = BeitragsZeilen(z);
  EXPECT_GE(b.size(), 4u) << z.join(QLatin1Char('\n')).toStdString();
  for (const TBeitragsZeile& zeile : b) {
    for (const auto& [satz, betrag] : {std::pair{zeile.SatzAN, zeile.AN}, std::pair{zeile.SatzAG, zeile.AG}}) {
      if (satz < 0) {
        EXPECT_EQ(betrag, 0) << zeile.Titel.toStdString();
      } else {
        EXPECT_NEAR(static_cast<double>(betrag), std::round(static_cast<double>(basis) * satz / 100), 1.0)
            << zeile.Titel.toStdString() << " " << satz;
      }
    }
  }
}

// The contribution line that starts with titel.
TBeitragsZeile Beitrag(const QStringList& z, const QString& titel) {
  for (const TBeitragsZeile& b : BeitragsZeilen(z)) {
    if (b.Titel.startsWith(titel)) return b;
  }
  ADD_FAILURE() << "keine Beitragszeile " << titel.toStdString() << "\n" << z.join(QLatin1Char('\n')).toStdString();
  return {};
}

// 2026, an employee with church tax: the month, the flowchart and the
// fund's add-on rate with the employee's half; the levies below the cost.
TEST_F(CliDruckenAb2014, Arbeitnehmer2026MitKirchensteuer) {
  const QStringList z = Drucken({QStringLiteral("--jahr=2026"), QStringLiteral("--brutto=4.000"),
                                 QStringLiteral("--kirchensteuer=9"), QStringLiteral("--kv-zusatzbeitrag=2,5"),
                                 QStringLiteral("--sonstige-abzuege=12,50")});
  const int daten = z.indexOf(QStringLiteral("Berechnungsdaten:"));
  ASSERT_GE(daten, 0) << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(z.mid(daten + 1, 4), (QStringList{QStringLiteral("Lohnzahlungszeitraum Monat (30 Tage)"),
                                              QStringLiteral("Lohnzahlungsmonat Dezember 2026"),
                                              QStringLiteral("Programmablaufplan Ablaufplan 2026"),
                                              QStringLiteral("Lohnsteuerklasse I")}));
  EXPECT_TRUE(z.contains(QStringLiteral("Kirchensteuer 9%")));
  EXPECT_TRUE(z.contains(QStringLiteral("KV-Zusatzbeitrag 2,50% (AN 1,25%)"))) << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(z.contains(QStringLiteral("Beitragsabschl\u00e4ge PV keine")));
  EXPECT_TRUE(z.contains(QStringLiteral("\u00dcbergangsbereich nein")));
  EXPECT_TRUE(z.contains(QStringLiteral("Private KV/PV nein")));
  EXPECT_EQ(ZeileMit(z, QStringLiteral("Bemessungsentgelt")), QString());
  EXPECT_EQ(ZeileMit(z, QStringLiteral("AG-Zuschuss")), QString());
  // 9 % of the wage tax; half the add-on rate each.
  const auto lst = Betraege(z, QStringLiteral("Lohnsteuer ="), 2);
  const auto kist = Betraege(z, QStringLiteral("Kirchensteuer ="), 2);
  EXPECT_GT(lst[0], 0);
  EXPECT_NEAR(kist[0], lst[0] * 0.09, 1.0);
  EXPECT_EQ(Betraege(z, QStringLiteral("Zusatzbetrag zur KV 1,250%"), 2), (std::vector<std::int64_t>{5000, 5000}));
  // No levies of a fund without --u1/--u2; the insolvency levy of 0,15 %.
  EXPECT_EQ(Betraege(z, QStringLiteral("Umlage U1"), 1)[0], 0);
  EXPECT_EQ(Betraege(z, QStringLiteral("Insolvenzgeldumlage"), 1)[0], 600);
  SummenStimmen(z);
}

// July 2023: three children under 25 give two discounts of 0,25 % on the
// employee's care rate, no surcharge of the childless; the flowchart of July.
TEST_F(CliDruckenAb2014, Juli2023DreiKinder) {
  const QStringList z = Drucken({QStringLiteral("--jahr=2023"), QStringLiteral("--monat=7"), QStringLiteral("--brutto=3000"),
                                 QStringLiteral("--kinderfreibetraege=3"), QStringLiteral("--pv-abschlaege=2")});
  EXPECT_TRUE(z.contains(QStringLiteral("Lohnzahlungsmonat Juli 2023"))) << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(z.contains(QStringLiteral("Programmablaufplan Ablaufplan 2023 ab Juli")));
  EXPECT_TRUE(z.contains(QStringLiteral("Beitragsabschl\u00e4ge PV 2 (3 Kinder unter 25)")));
  EXPECT_TRUE(z.contains(QStringLiteral("KV-Zusatzbeitrag 1,60% (AN 0,80%)")));
  EXPECT_EQ(Betraege(z, QStringLiteral("Pflegeversicherungsbeitrag 1,200%"), 2),
            (std::vector<std::int64_t>{3600, 5100}));
  EXPECT_EQ(ZeileMit(z, QStringLiteral("Zusatzbetrag zur PV")), QString());
  SummenStimmen(z);

  // June has neither discounts nor their row; its flowchart is the one of
  // January to June (April's, which corrected January to March).
  const QStringList juni = Drucken({QStringLiteral("--jahr=2023"), QStringLiteral("--monat=6"),
                                    QStringLiteral("--brutto=3000"), QStringLiteral("--kinderfreibetraege=3")});
  EXPECT_TRUE(juni.contains(QStringLiteral("Programmablaufplan Ablaufplan 2023 Januar bis Juni")));
  EXPECT_EQ(ZeileMit(juni, QStringLiteral("Beitragsabschl")), QString());
}

// July 2019 in the transition zone: its name from July, the reduced base of
// the whole contribution (the employee's own base only from October 2022).
TEST_F(CliDruckenAb2014, Uebergangsbereich2019) {
  const QStringList z = Drucken({QStringLiteral("--jahr=2019"), QStringLiteral("--monat=7"), QStringLiteral("--brutto=1000"),
                                 QStringLiteral("--uebergangsbereich")});
  EXPECT_TRUE(z.contains(QStringLiteral("\u00dcbergangsbereich ja"))) << z.join(QLatin1Char('\n')).toStdString();
  // 0,7566 x 450 + (1300/850 - 450/850 x 0,7566) x 550
  EXPECT_TRUE(z.contains(QStringLiteral("Bemessungsentgelt 961,34 EUR")));
  EXPECT_EQ(ZeileMit(z, QStringLiteral("Bemessungsentgelt Arbeitnehmer")), QString());
  EXPECT_TRUE(z.contains(QStringLiteral("KV-Zusatzbeitrag 0,90% (AN 0,45%)")));
  // The employer pays on the whole wage: 7,3 % of 1.000,00.
  EXPECT_EQ(Betraege(z, QStringLiteral("Krankenversicherungsbeitrag"), 2)[1], 7300);
  SummenStimmen(z);

  const QStringList juni = Drucken({QStringLiteral("--jahr=2019"), QStringLiteral("--monat=6"), QStringLiteral("--brutto=700"),
                                    QStringLiteral("--gleitzone"), QStringLiteral("--keine-rv-reduzierung")});
  EXPECT_TRUE(juni.contains(QStringLiteral("Gleitzone ja, RV ohne Reduzierung"))) << juni.join(QLatin1Char('\n')).toStdString();
  SummenStimmen(juni);
  // From October 2022 the employee's own base as well; a wage above the
  // zone has none.
  const QStringList neu = Drucken({QStringLiteral("--jahr=2026"), QStringLiteral("--brutto=1000"),
                                   QStringLiteral("--uebergangsbereich")});
  EXPECT_FALSE(ZeileMit(neu, QStringLiteral("Bemessungsentgelt Arbeitnehmer")).isEmpty()) << neu.join(QLatin1Char('\n')).toStdString();
  SummenStimmen(neu);
  const QStringList darueber = Drucken({QStringLiteral("--jahr=2026"), QStringLiteral("--brutto=3000"),
                                        QStringLiteral("--uebergangsbereich")});
  EXPECT_TRUE(darueber.contains(QStringLiteral("\u00dcbergangsbereich nein (Lohn au\u00dferhalb)")));
}

// The employer's view of 2026 with the fund's levies; a private insurance
// with the employer's subsidy, which the cost includes.
TEST_F(CliDruckenAb2014, ArbeitgeberMitUmlagen) {
  const QStringList z = Drucken({QStringLiteral("--jahr=2026"), QStringLiteral("--brutto=4000"), QStringLiteral("--arbeitgeber"),
                                 QStringLiteral("--u1=1,6"), QStringLiteral("--u2=0,44")});
  EXPECT_EQ(Betraege(z, QStringLiteral("Umlage U1 (Krankheit) ="), 1)[0], 6400) << z.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(Betraege(z, QStringLiteral("Umlage U2 (Mutterschaft) ="), 1)[0], 1760);
  EXPECT_EQ(Betraege(z, QStringLiteral("Insolvenzgeldumlage ="), 1)[0], 600);
  EXPECT_EQ(Betraege(z, QStringLiteral("Lohnkosten ="), 1)[0], 484600);
  EXPECT_EQ(Betraege(z, QStringLiteral("Lohnkosten mit Umlagen ="), 1)[0], 493360);
  // The employer's view has no other deductions.
  EXPECT_TRUE(z.contains(QStringLiteral("Sonstiges =")));
  SummenStimmen(z);

  const QStringList privat = Drucken({QStringLiteral("--jahr=2024"), QStringLiteral("--brutto=6000"), QStringLiteral("--privat=900"),
                                      QStringLiteral("--ag-zuschuss"), QStringLiteral("--arbeitgeber")});
  EXPECT_TRUE(privat.contains(QStringLiteral("Private KV/PV ja, mit AG-Zuschuss"))) << privat.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(privat.contains(QStringLiteral("AG-Zuschuss private KV/PV 450,00 EUR")));
  EXPECT_TRUE(privat.contains(QStringLiteral("KV-Zusatzbeitrag entf\u00e4llt")));
  EXPECT_EQ(Betraege(privat, QStringLiteral("AG-Zuschuss private KV/PV ="), 1)[0], 45000);
  SummenStimmen(privat);
}

// Minijobs of both kinds, with and without the pension top-up: the
// employer's flat rates beside his amounts, the employee's top-up rate
// beside his pension share, "\u2013" where a side pays nothing; the group
// in the data; every sum the sum of its lines.
TEST_F(CliDruckenAb2014, MinijobsMitDenAngewandtenSaetzen) {
  struct {
    const char* Optionen;
    const char* Gruppe;
    double KVAG, RVAN, RVAG;  // percent; -1 for "\u2013"
    std::int64_t Lohn;
  } const faelle[] = {
      {"--jahr=2024 --brutto=538 --minijob --aufstockung", "6100", 13, 3.6, 15, 53800},
      {"--jahr=2024 --brutto=538 --minijob", "6500", 13, -1, 15, 53800},
      {"--jahr=2026 --brutto=603 --haushalt --aufstockung", "6100", 5, 13.6, 5, 60300},
      {"--jahr=2025 --monat=3 --brutto=400 --haushalt", "6500", 5, -1, 5, 40000},
      {"--jahr=2024 --brutto=538 --minijob --aufstockung --privat=200", "0100", -1, 3.6, 15, 53800},
  };
  for (const auto& f : faelle) {
    const QStringList z = Drucken(QString::fromLatin1(f.Optionen).split(QLatin1Char(' ')));
    const std::string was = f.Optionen;
    EXPECT_TRUE(z.contains(QStringLiteral("Beitragsgruppe ") + QString::fromLatin1(f.Gruppe)))
        << was << "\n" << z.join(QLatin1Char('\n')).toStdString();
    const bool haushalt = was.find("--haushalt") != std::string::npos;
    EXPECT_TRUE(z.contains(haushalt ? QStringLiteral("Geringf\u00fcgig Besch\u00e4ftigt ja, im Privathaushalt")
                                    : QStringLiteral("Geringf\u00fcgig Besch\u00e4ftigt ja")))
        << was;
    const TBeitragsZeile kv = Beitrag(z, QStringLiteral("Krankenversicherungsbeitrag"));
    const TBeitragsZeile rv = Beitrag(z, QStringLiteral("Rentenversicherungsbeitrag"));
    EXPECT_EQ(kv.SatzAN, -1) << was;
    EXPECT_EQ(kv.SatzAG, f.KVAG) << was;
    EXPECT_EQ(rv.SatzAN, f.RVAN) << was;
    EXPECT_EQ(rv.SatzAG, f.RVAG) << was;
    for (const char16_t* art : {u"Arbeitslosenversicherungsbeitrag", u"Pflegeversicherungsbeitrag"}) {
      const TBeitragsZeile b = Beitrag(z, QString::fromUtf16(art));
      EXPECT_EQ(b.SatzAN, -1) << was;
      EXPECT_EQ(b.SatzAG, -1) << was;
    }
    // The top-up is in the pension line alone, not a line of its own.
    EXPECT_EQ(ZeileMit(z, QStringLiteral("RV Aufstockung")), QString());
    EXPECT_EQ(ZeileMit(z, QStringLiteral("davon")), QString());
    SaetzePassen(z, f.Lohn);
    SummenStimmen(z);
  }
}

// Contribution groups whose employee shares are not all levied: the
// employer's rate beside his amount, "\u2013" beside the employee's 0,00.
TEST_F(CliDruckenAb2014, BeitragsgruppenMitDenAngewandtenSaetzen) {
  struct {
    const char* Optionen;
    const char* Gruppe;
    double KV, RVAN, RVAG, AVAN, AVAG, PV;  // percent; -1 for "\u2013"
  } const faelle[] = {
      // A pensioner past the regular age: reduced health rate, the
      // employer's pension and unemployment shares alone.
      {"--jahr=2024 --brutto=3000 --beitragsgruppe=3321", "3321", 7.0, -1, 9.3, -1, 1.3, 1.7},
      {"--jahr=2026 --brutto=3000 --beitragsgruppe=1101", "1101", 7.3, 9.3, 9.3, -1, -1, 1.8},
      {"--jahr=2022 --brutto=3000 --beitragsgruppe=1121", "1121", 7.3, 9.3, 9.3, -1, 1.2, 1.525},
      {"--jahr=2025 --brutto=3000 --beitragsgruppe=0110 --privat=600", "0110", -1, 9.3, 9.3, 1.3, 1.3, -1},
  };
  for (const auto& f : faelle) {
    const QStringList z = Drucken(QString::fromLatin1(f.Optionen).split(QLatin1Char(' ')));
    const std::string was = f.Optionen;
    EXPECT_TRUE(z.contains(QStringLiteral("Beitragsgruppe ") + QString::fromLatin1(f.Gruppe)))
        << was << "\n" << z.join(QLatin1Char('\n')).toStdString();
    const TBeitragsZeile kv = Beitrag(z, QStringLiteral("Krankenversicherungsbeitrag"));
    const TBeitragsZeile rv = Beitrag(z, QStringLiteral("Rentenversicherungsbeitrag"));
    const TBeitragsZeile av = Beitrag(z, QStringLiteral("Arbeitslosenversicherungsbeitrag"));
    const TBeitragsZeile pv = Beitrag(z, QStringLiteral("Pflegeversicherungsbeitrag"));
    EXPECT_EQ(kv.SatzAN, f.KV) << was;
    EXPECT_EQ(kv.SatzAG, f.KV) << was;
    EXPECT_EQ(rv.SatzAN, f.RVAN) << was;
    EXPECT_EQ(rv.SatzAG, f.RVAG) << was;
    EXPECT_EQ(av.SatzAN, f.AVAN) << was;
    EXPECT_EQ(av.SatzAG, f.AVAG) << was;
    EXPECT_EQ(pv.SatzAG, f.PV) << was;
    SaetzePassen(z, 300000);
    SummenStimmen(z);
  }
}

// A flowchart named outright is the one printed; the years up to 2013 have
// none of the rows of the later rules.
TEST_F(CliDruckenAb2014, AblaufplanAusDemKontextBis2013Nichts) {
  const QStringList z = Drucken({QStringLiteral("--jahr=2024"), QStringLiteral("--monat=12"), QStringLiteral("--pap=2024"),
                                 QStringLiteral("--brutto=3000")});
  EXPECT_TRUE(z.contains(QStringLiteral("Lohnzahlungsmonat Dezember 2024")));
  EXPECT_TRUE(z.contains(QStringLiteral("Programmablaufplan Ablaufplan 2024 Januar bis November")))
      << z.join(QLatin1Char('\n')).toStdString();
  const QStringList alt = Drucken({QStringLiteral("--jahr=2013"), QStringLiteral("--brutto=3000")});
  for (const char* text : {"Lohnzahlungsmonat", "Programmablaufplan", "Beitragsgruppe", "KV-Zusatzbeitrag", "Gleitzone",
                           "Private KV/PV", "Umlage", "Insolvenzgeldumlage", "Lohnkosten mit"}) {
    EXPECT_EQ(ZeileMit(alt, QString::fromLatin1(text)), QString()) << text;
  }
}

// ---- the payroll year ------------------------------------------------------------

// The program with standard input.
TAufruf CliMitEingabe(const QStringList& argumente, const QByteArray& eingabe, QByteArray* ausgabe = nullptr) {
  QProcess p;
  p.start(QStringLiteral(LOHNSTEUER_CLI_PATH), argumente);
  TAufruf a;
  if (!p.waitForStarted(30000)) return a;
  p.write(eingabe);
  p.closeWriteChannel();
  if (!p.waitForFinished(60000)) return a;
  a.Status = p.exitCode();
  a.Fehler = QString::fromUtf8(p.readAllStandardError());
  if (ausgabe != nullptr) *ausgabe = p.readAllStandardOutput();
  return a;
}

// The amount after a line's text, as the printout writes it.
QString BetragNach(const QStringList& zeilen, const QString& anfang) {
  for (const QString& z : zeilen) {
    if (z.startsWith(anfang + QLatin1Char(' '))) return z.section(QLatin1Char(' '), -1);
  }
  return QStringLiteral("?");
}

// A printed amount as the CSV writes it, without the thousands' dots.
QString Csv(QString betrag) { return betrag.remove(QLatin1Char('.')); }

// The value of a CSV column in the row whose first cells are given.
QString CsvZelle(const QByteArray& csv, const QString& zeilenAnfang, const QString& spalte) {
  const QStringList zeilen = QString::fromUtf8(csv).split(QLatin1Char('\n'));
  const QStringList kopf = zeilen.value(0).split(QLatin1Char(';'));
  const qsizetype i = kopf.indexOf(spalte);
  for (const QString& z : zeilen) {
    if (z.startsWith(zeilenAnfang)) return z.split(QLatin1Char(';')).value(i);
  }
  return QStringLiteral("?");
}

// Two employees, one-offs in June and November, a refund for the second
// (class III in December after class III all year with a wage that drops):
// each begins on his own page, and the sums, the adjustment and the
// certificate printed are the figures of lohnkonto for the same input.
TEST_F(CliDrucken, LohnkontoJeArbeitnehmerMitAusgleichUndBescheinigung) {
  const QByteArray jahr =
      "personalnummer;monat;brutto;sonstiger-bezug;steuerklasse\n"
      "7;1;3000;;1\n7;6;3000;1500;1\n7;11;3000;2000;1\n"
      "A-8;1;6000;;3\nA-8;7;2500;;3\n";
  const QStringList optionen{QStringLiteral("--jahr=2025"), QStringLiteral("--jahresausgleich"),
                             QStringLiteral("--bescheinigung")};
  const QString pdf = ordner_.filePath(QStringLiteral("jahr.pdf"));
  TAufruf a = CliMitEingabe(QStringList{QStringLiteral("drucken"), QStringLiteral("--lohnkonto"),
                                        QStringLiteral("--pdf"), pdf} + optionen, jahr);
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();
  EXPECT_TRUE(a.Fehler.isEmpty()) << a.Fehler.toStdString();
  ASSERT_EQ(druck_test::Seiten(pdf), 2);

  QByteArray csv;
  a = CliMitEingabe(QStringList{QStringLiteral("lohnkonto")} + optionen, jahr, &csv);
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();

  int seite = 0;
  for (const QString nummer : {QStringLiteral("7"), QStringLiteral("A-8")}) {
    const QStringList z = druck_test::Zeilen(druck_test::PdfText(pdf, ++seite));
    EXPECT_TRUE(z.contains(QStringLiteral("Personalnummer ") + nummer)) << z.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(z.contains(QStringLiteral("Beschäftigung: 01.01.2025 bis 31.12.2025; Beträge in EUR")));
    const QString summe = z.filter(QRegularExpression(QStringLiteral("^Summe "))).value(0);
    const QStringList zellen = summe.split(QLatin1Char(' '));
    ASSERT_EQ(zellen.size(), 11) << summe.toStdString();
    const QString zeile = nummer + QStringLiteral(";summe;");
    EXPECT_EQ(Csv(zellen[3]), CsvZelle(csv, zeile, QStringLiteral("Gesamtbrutto"))) << summe.toStdString();
    EXPECT_EQ(Csv(zellen[4]), CsvZelle(csv, zeile, QStringLiteral("LSt")));
    EXPECT_EQ(Csv(zellen[6]), CsvZelle(csv, zeile, QStringLiteral("KiSt")));
    EXPECT_EQ(Csv(zellen[8]), CsvZelle(csv, zeile, QStringLiteral("Netto")));
    for (const char* nr : {"3", "4", "5", "6", "22a", "23a", "25", "26", "27"}) {
      EXPECT_EQ(Csv(BetragNach(z, QString::fromLatin1(nr))), CsvZelle(csv, zeile, QStringLiteral("Zeile") + QLatin1String(nr)))
          << nummer.toStdString() << " Zeile " << nr;
    }
  }
  // The second employee's refund stands in his adjustment and in December.
  const QStringList z2 = druck_test::Zeilen(druck_test::PdfText(pdf, 2));
  const QString erstattung =
      z2.filter(QRegularExpression(QStringLiteral("^Lohnsteuer [0-9]"))).value(0).section(QLatin1Char(' '), -1);
  EXPECT_EQ(Csv(erstattung), CsvZelle(csv, QStringLiteral("A-8;summe;"), QStringLiteral("LStJA")));
  EXPECT_NE(erstattung, QStringLiteral("0,00"));
}

// Without the options the blocks are left out; a year that cannot be
// computed writes no file and leaves the one there as it was.
TEST_F(CliDrucken, LohnkontoOhneBloeckeUndFehler) {
  const QString pdf = ordner_.filePath(QStringLiteral("ohne.pdf"));
  TAufruf a = CliMitEingabe({QStringLiteral("drucken"), QStringLiteral("--lohnkonto"), QStringLiteral("--pdf"), pdf,
                             QStringLiteral("--jahr=2024")},
                            "monat;brutto\n1;2500\n");
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();
  const QString text = druck_test::PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("Dezember"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("Jahresausgleich")));
  EXPECT_FALSE(text.contains(QStringLiteral("Lohnsteuerbescheinigung")));
  EXPECT_FALSE(text.contains(QStringLiteral("Personalnummer")));

  QFile vorher(pdf);
  ASSERT_TRUE(vorher.open(QIODevice::ReadOnly));
  const QByteArray inhalt = vorher.readAll();
  vorher.close();
  a = CliMitEingabe({QStringLiteral("drucken"), QStringLiteral("--lohnkonto"), QStringLiteral("--pdf"), pdf,
                     QStringLiteral("--jahr=2024")},
                    "personalnummer;monat;brutto\n1;1;2500\n2;1;2500\n2;13;2500\n");
  EXPECT_EQ(a.Status, 1);
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("Zeile 4"))) << a.Fehler.toStdString();
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("nicht geschrieben"))) << a.Fehler.toStdString();
  QFile nachher(pdf);
  ASSERT_TRUE(nachher.open(QIODevice::ReadOnly));
  EXPECT_EQ(nachher.readAll(), inhalt);

  for (const QByteArray& eingabe : {QByteArray("brutto\n3000\n"), QByteArray(), QByteArray("monat;brutto\n")}) {
    const QString leer = ordner_.filePath(QStringLiteral("leer.pdf"));
    a = CliMitEingabe({QStringLiteral("drucken"), QStringLiteral("--lohnkonto"), QStringLiteral("--pdf"), leer},
                      eingabe);
    EXPECT_EQ(a.Status, 2) << eingabe.toStdString();
    EXPECT_FALSE(QFile::exists(leer)) << eingabe.toStdString();
  }
  // The year's options belong to the year.
  a = Cli({QStringLiteral("berechnen"), QStringLiteral("--jahresausgleich")});
  EXPECT_EQ(a.Status, 2);
  a = Cli({QStringLiteral("lohnkonto"), QStringLiteral("--lohnkonto")});
  EXPECT_EQ(a.Status, 2);
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("--lohnkonto gilt nur für drucken"))) << a.Fehler.toStdString();
}

}  // namespace
