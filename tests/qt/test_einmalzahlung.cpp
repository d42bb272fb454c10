// The tab "Einmalzahlung / Sachbezüge" of the calculator window: one-off
// payments, severance, the company car, benefits in kind and tax-free pay
// typed as a user types them, the lines the result panel adds for them,
// against the core and against the command line's JSON for the same inputs.

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollArea>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <functional>
#include <map>
#include <memory>
#include <span>

#include "calc/werkzeuge.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"
#include "ui/tools/lohnumr.h"
#include "ui/tools/stvgl.h"
#include "ui/tools/tabelle.h"
#include "ui/tools/werkzeuge.h"

using lst::TEditCS;
using lst::TFRechner;

namespace {

// The command line's options of the tab and the fields that take them.
const std::map<QString, const char*>& EinmalOptionen() {
  static const std::map<QString, const char*> optionen = {
      {"--sonstiger-bezug", "ESonstBezug"},
      {"--jahresarbeitslohn", "EJahresLohn"},
      {"--bisherige-sonstige-bezuege", "EBisherSonstBez"},
      {"--sv-tage", "ESVTage"},
      {"--sv-entgelt-bisher-kv", "ESVEntgeltKV"},
      {"--sv-entgelt-bisher-rv", "ESVEntgeltRV"},
      {"--vorjahr-sv-tage", "EVorjahrSVTage"},
      {"--vorjahr-sv-entgelt-kv", "EVorjahrSVEntgeltKV"},
      {"--vorjahr-sv-entgelt-rv", "EVorjahrSVEntgeltRV"},
      {"--vorjahr-kv-zusatzbeitrag", "EVorjahrKVZusatz"},
      {"--abfindung", "EAbfindung"},
      {"--dienstwagen", "EDienstwagen"},
      {"--dienstwagen-km", "EDienstwagenKm"},
      {"--sachbezug", "ESachbezug"},
      {"--steuerfrei", "ESteuerfrei"},
      {"--entgeltumwandlung", "EEntgeltumw"},
      {"--vwl-ag", "EVWLAG"},
      {"--vwl-sparbetrag", "EVWLSpar"},
  };
  return optionen;
}

// Result labels and the amounts (cents) an example states for them.
using TErwartet = QList<QPair<QString, qint64>>;

// A result label and the field of the shown result it states (sign -1: a
// line that is subtracted).
struct TErgebnisZeile {
  const char* Label;
  const char* Feld;
  int Vorzeichen = 1;
};
constexpr TErgebnisZeile kArbeitnehmerZeilen[] = {
    {"ErgSonstBezug", "SonstigerBezug"},      {"ErgAbfindung", "Abfindung"},
    {"ErgGWV", "GWV"},                        {"ErgSachbezug", "Sachbezug"},
    {"ErgVWLAG", "VWL_AG"},                   {"ErgSteuerfrei", "Steuerfrei"},
    {"ErgGesamtbrutto", "Gesamtbrutto"},      {"ErgSteuerBrutto", "SteuerBrutto"},
    {"ErgSVBrutto", "SVBrutto_KV"},           {"ErgEinmalKV", "Einmalzahlung_KV"},
    {"ErgSVBruttoRV", "SVBrutto_RV"},
    {"ErgEinmalRV", "Einmalzahlung_RV"},      {"ErgLohnSt", "LSt"},
    {"ErgLStSonstig", "LSt_sonstig"},         {"ErgKirchenSt", "KiSt"},
    {"ErgKiStSonstig", "KiSt_sonstig"},       {"ErgSoli", "Soli"},
    {"ErgSoliSonstig", "Soli_sonstig"},       {"ErgSteuern", "SteuerSumme"},
    {"ErgNachSt", "BruttoNachSteuer"},        {"ErgKV", "KV_AN"},
    {"ErgKV2", "KV2_AN"},                     {"ErgRV", "RV_AN"},
    {"ErgAV", "AV_AN"},                       {"ErgPV", "PV_AN"},
    {"ErgPV2", "PV2_AN"},                     {"ErgSV", "SVSummeAN"},
    {"ErgGWVAbzug", "GWV", -1},               {"ErgSachbezugAbzug", "Sachbezug", -1},
    {"ErgEntgeltumw", "Entgeltumwandlung", -1}, {"ErgBAVZuschussAN", "BAVZuschuss_AG"},
    {"ErgNettoLohn", "Netto"},
    {"ErgPKVZuschussAN", "PKVZuschuss_AG"},   {"ErgVWLSpar", "VWLSparbetrag", -1},
    {"ErgKindergeld", "Kindergeld"},          {"ErgAuszahlung", "Auszahlung"},
};
constexpr TErgebnisZeile kArbeitgeberZeilen[] = {
    {"ErgSonstBezug", "SonstigerBezug"}, {"ErgGWV", "GWV"},
    {"ErgGesamtbrutto", "Gesamtbrutto"}, {"ErgLohnSt", "LStPausch"},
    {"ErgSteuern", "SteuerSummePausch"}, {"ErgNachSt", "BruttoPlusPausch"},
    {"ErgKV", "KV_AG"},                  {"ErgRV", "RV_AG"},
    {"ErgPV2", "PV2_AG"},                {"ErgSV", "SVSummeAG"},
    {"ErgGWVAbzug", "GWV", -1},          {"ErgBAVZuschuss", "BAVZuschuss_AG"},
    {"ErgPKVZuschussAG", "PKVZuschuss_AG"}, {"ErgNettoLohn", "AGGesamt"},
    {"ErgUmlagenGesamt", "AGGesamtUmlagen"},
};

std::int64_t Feld(const lst::TMonatsErgebnis& e, const char* name) {
  // Child benefit is no member of the JSON's amounts (it has its own).
  if (QLatin1String(name) == QLatin1String("Kindergeld")) return e.Kindergeld;
  for (const lst::TErgebnisFeld& f : lst::ErgebnisFelder())
    if (QLatin1String(f.Name) == QLatin1String(name)) return f.Lesen(e);
  qFatal("Ergebnisfeld %s fehlt", name);
  return 0;
}

// The amount of a money text as shown ("-1.234,56 EUR"), in cents.
std::int64_t Cent(const QString& text) {
  QString t = text;
  t.remove(QStringLiteral("EUR")).remove(QStringLiteral("DM")).remove(QLatin1Char('.'));
  t = t.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double x = t.toDouble(&ok);
  if (!ok) qFatal("kein Betrag: %s", qPrintable(text));
  return static_cast<std::int64_t>(x * 100 + (x < 0 ? -0.5 : 0.5));
}

}  // namespace

class TestEinmalzahlung : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;
  QTabWidget* reiter_ = nullptr;
  std::unique_ptr<TBoxFaenger> boxen_;

  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }
  template <class T = TEditCS>
  T* Kind(const char* name) const {
    return TRechnerElemente::Suchen<T>(r_, name);
  }
  QLabel* Label(const char* name) const { return Kind<QLabel>(name); }
  // A result line as shown: visible, and its amount.
  bool Sichtbar(const char* name) const { return Label(name)->isVisibleTo(r_); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    reiter_ = Kind<QTabWidget>("TabEingabe");
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void Beenden() {
    e_->ProgrammBeenden1->trigger();
    r_ = nullptr;
    anw_.reset();
  }

  // The tab a control lies on, chosen with a click on its tab.
  void ReiterVon(QWidget* w) {
    for (int i = 0; i < reiter_->count(); ++i) {
      if (!reiter_->widget(i)->isAncestorOf(w) || reiter_->currentIndex() == i) continue;
      QTabBar* leiste = reiter_->tabBar();
      QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->tabRect(i).center());
      QCOMPARE(reiter_->currentIndex(), i);
    }
  }
  void Tippen(QWidget* feld, const QString& text) {
    ReiterVon(feld);
    QVERIFY2(feld->isEnabled(), qPrintable(feld->objectName()));
    Eintippen(feld, text);
  }
  void Ankreuzen(QAbstractButton* k, bool an) {
    ReiterVon(k);
    Setzen(k, an);
  }
  // An item of a drop-down by its index, with the keyboard.
  void Index(QComboBox* liste, int ziel) {
    ReiterVon(liste);
    QVERIFY2(liste->isEnabled(), qPrintable(liste->objectName()));
    liste->setFocus();
    while (liste->currentIndex() < ziel) QTest::keyClick(liste, Qt::Key_Down);
    while (liste->currentIndex() > ziel) QTest::keyClick(liste, Qt::Key_Up);
    QCOMPARE(liste->currentIndex(), ziel);
  }
  void JahrMonat(int jahr, int monat) {
    Waehlen(e_->CBJahr, jahr);
    QCOMPARE(S().Parameter.Jahr, jahr);
    if (monat > 0) {
      Waehlen(e_->CBMonat, monat);
      QCOMPARE(int(S().Parameter.Monat), monat);
    }
  }

  // The command line's options typed and clicked into the window.
  void Eingeben(const QStringList& optionen) {
    int jahr = S().Parameter.Jahr, monat = 0;
    for (int i = 0; i + 1 < optionen.size(); ++i) {
      if (optionen[i] == QLatin1String("--jahr")) jahr = optionen[i + 1].toInt();
      if (optionen[i] == QLatin1String("--monat")) monat = optionen[i + 1].toInt();
    }
    JahrMonat(jahr, monat);
    for (int i = 0; i < optionen.size(); ++i) {
      const QString& o = optionen[i];
      const QString w = i + 1 < optionen.size() ? optionen[i + 1] : QString();
      if (o == QLatin1String("--brutto")) Tippen(e_->ELohn, w);
      if (o == QLatin1String("--steuerklasse")) Index(e_->CBStKl, w.toInt() - 1);
      if (o == QLatin1String("--kinderfreibetraege")) Tippen(e_->E_ZKF, w);
      if (o == QLatin1String("--pv-abschlaege")) Tippen(e_->E_KinderU25, QString::number(w.toInt() + 1));
      if (o == QLatin1String("--kirchensteuer")) Tippen(e_->cbKirchenSt->lineEdit(), w);
      if (o == QLatin1String("--bekenntnislos")) Ankreuzen(e_->CBR, true);
      if (o == QLatin1String("--kv-zusatzbeitrag")) Tippen(e_->EKV2ANProz, w);
      if (o == QLatin1String("--fuenftelregelung")) Ankreuzen(Kind<QCheckBox>("cbFuenftel"), true);
      if (o == QLatin1String("--dienstwagen-satz"))
        Index(Kind<QComboBox>("CBDienstwagenSatz"), w == QLatin1String("0,5") ? 1 : w == QLatin1String("0,25") ? 2 : 0);
      if (const auto it = EinmalOptionen().find(o); it != EinmalOptionen().end()) Tippen(Kind(it->second), w);
    }
  }

  // Every line of the view shown that states a field of the result: shown
  // where the field is not 0 (the zero lines of a plain slip stay), with
  // the amount of the core's result for the command line's request.
  void WieDerKern(const QStringList& optionen) {
    lst::TParameter p;
    lst::TAnfrage a;
    const std::string fehler = KommandozeilenAnfrage(optionen, p, a);
    QVERIFY2(fehler.empty(), fehler.c_str());
    const lst::TMonatsErgebnis kern = lst::AnzeigeErgebnis(p, true, lst::Abrechnen(p, a));
    const bool an = S().ArbeitnehmerSicht;
    for (const TErgebnisZeile& z : an ? std::span<const TErgebnisZeile>(kArbeitnehmerZeilen)
                                      : std::span<const TErgebnisZeile>(kArbeitgeberZeilen)) {
      const std::int64_t wert = z.Vorzeichen * Feld(kern, z.Feld);
      if (!Sichtbar(z.Label)) {
        // A line shows where it has an amount; the liable wages of pension
        // insurance stand in one line with those of health insurance where
        // they are the same.
        const bool eineZeile = kern.SVBrutto_KV == kern.SVBrutto_RV &&
                               (QByteArray(z.Label) == "ErgSVBruttoRV" || QByteArray(z.Label) == "ErgEinmalRV");
        QVERIFY2(wert == 0 || eineZeile, z.Label);
        continue;
      }
      QVERIFY2(Label(z.Label)->text() == GeldText(wert), qPrintable(QStringLiteral("%1: %2 statt %3")
                                                                 .arg(QLatin1String(z.Label), Label(z.Label)->text(),
                                                                      GeldText(wert))));
    }
    // The regular wage the search varies stands first.
    QCOMPARE(Label("ErgBruttoLohn")->text(), GeldText(kern.LaufenderLohn));
  }

  // Every sum shown is the sum of the lines shown above it.
  void SummenDerZeilen() {
    const bool an = S().ArbeitnehmerSicht;
    const auto wert = [&](const char* name) { return Sichtbar(name) ? Cent(Label(name)->text()) : 0; };
    const auto summe = [&](std::initializer_list<const char*> namen) {
      std::int64_t s = 0;
      for (const char* n : namen) s += wert(n);
      return s;
    };
    if (Sichtbar("ErgGesamtbrutto")) {
      QCOMPARE(wert("ErgGesamtbrutto"), summe({"ErgBruttoLohn", "ErgSonstBezug", "ErgAbfindung", "ErgGWV",
                                               "ErgSachbezug", "ErgVWLAG", "ErgSteuerfrei"}));
    }
    const std::int64_t brutto = Sichtbar("ErgGesamtbrutto") ? wert("ErgGesamtbrutto") : wert("ErgBruttoLohn");
    QCOMPARE(wert("ErgSteuern"), summe({"ErgLohnSt", "ErgKirchenSt", "ErgSoli"}));
    QCOMPARE(wert("ErgNachSt"), an ? brutto - wert("ErgSteuern") : brutto + wert("ErgSteuern"));
    QCOMPARE(wert("ErgSV"), summe({"ErgKV", "ErgKV2", "ErgRV", "ErgAV", "ErgPV", "ErgPV2"}));
    const std::int64_t abzuege = summe({"ErgGWVAbzug", "ErgSachbezugAbzug", "ErgEntgeltumw"});
    if (an) {
      QCOMPARE(wert("ErgNettoLohn"), wert("ErgNachSt") - wert("ErgSV") - wert("ErgZusatz") + abzuege);
      if (Sichtbar("ErgAuszahlung")) {
        QCOMPARE(wert("ErgAuszahlung"),
                 summe({"ErgNettoLohn", "ErgPKVZuschussAN", "ErgVWLSpar", "ErgKindergeld"}));
      }
    } else {
      QCOMPARE(wert("ErgNettoLohn"), wert("ErgNachSt") + wert("ErgSV") + abzuege +
                                         summe({"ErgBAVZuschuss", "ErgPKVZuschussAG"}));
      if (Sichtbar("ErgUmlagenGesamt"))
        QCOMPARE(wert("ErgUmlagenGesamt"), summe({"ErgNettoLohn", "ErgU1", "ErgU2", "ErgIGU"}));
    }
  }

  // The window's request against the command line's for the same options,
  // with the inputs of the tab.
  void GleicheAnfrage(const QStringList& optionen) {
    const std::string fehler = WieKommandozeileRechnung(S(), optionen);
    QVERIFY2(fehler.empty(), fehler.c_str());
    lst::TParameter p;
    lst::TAnfrage c;
    QVERIFY(KommandozeilenAnfrage(optionen, p, c).empty());
    const lst::TAnfrage& a = S().Anfrage;
    QCOMPARE(a.SonstigerBezug, c.SonstigerBezug);
    QCOMPARE(a.Jahresarbeitslohn, c.Jahresarbeitslohn);
    QCOMPARE(a.BisherigeSonstigeBezuege, c.BisherigeSonstigeBezuege);
    QCOMPARE(a.SVTage, c.SVTage);
    QCOMPARE(a.SVEntgeltBisherKV, c.SVEntgeltBisherKV);
    QCOMPARE(a.SVEntgeltBisherRV, c.SVEntgeltBisherRV);
    QCOMPARE(a.VorjahrSVTage, c.VorjahrSVTage);
    QCOMPARE(a.VorjahrSVEntgeltKV, c.VorjahrSVEntgeltKV);
    QCOMPARE(a.VorjahrSVEntgeltRV, c.VorjahrSVEntgeltRV);
    QCOMPARE(a.VorjahrKVZusatz, c.VorjahrKVZusatz);
    QCOMPARE(a.Abfindung, c.Abfindung);
    QCOMPARE(a.Fuenftelregelung, c.Fuenftelregelung);
    QCOMPARE(a.DienstwagenListenpreis, c.DienstwagenListenpreis);
    QCOMPARE(a.DienstwagenKm, c.DienstwagenKm);
    QCOMPARE(a.DienstwagenSatz.value_or(1), c.DienstwagenSatz.value_or(1));
    QCOMPARE(a.Sachbezug, c.Sachbezug);
    QCOMPARE(a.Steuerfrei, c.Steuerfrei);
    QCOMPARE(a.Entgeltumwandlung, c.Entgeltumwandlung);
    QCOMPARE(a.VWLAG, c.VWLAG);
    QCOMPARE(a.VWLSparbetrag, c.VWLSparbetrag);
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    QApplication::setQuitOnLastWindowClosed(false);
    lst::TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }
  void init() {
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    JahrVorgeben(ordner_, 2026);
    boxen_ = std::make_unique<TBoxFaenger>();
    Starten();
  }
  void cleanup() {
    if (anw_) Beenden();
    // No message box opened unasked.
    QVERIFY2(boxen_->Texte.isEmpty(), qPrintable(boxen_->Texte.join(QLatin1Char('\n'))));
    boxen_.reset();
  }

  // The worked examples and a few more, typed as a user types them: the
  // figures of the examples, every shown line against the core, the sums
  // against their lines, the request and the result against the command
  // line's JSON; then the same in the employer's view.
  void beispiele_data() {
    QTest::addColumn<QStringList>("optionen");
    // Label and amount (cents) the example states.
    QTest::addColumn<TErwartet>("erwartet");
    using L = TErwartet;
    QTest::newRow("E1 Einmalzahlung 2025")
        << QStringList{"--jahr", "2025", "--monat", "11", "--brutto", "3200", "--steuerklasse", "1",
                       "--bekenntnislos", "--kv-zusatzbeitrag", "2,5", "--sonstiger-bezug", "2400"}
        << L{{"ErgLohnSt", 89416}, {"ErgLStSonstig", 54800}, {"ErgSV", 120680}, {"ErgNettoLohn", 349904},
             {"ErgAuszahlung", 349904}, {"ErgSonstBezug", 240000}, {"ErgGesamtbrutto", 560000}};
    // With one child allowance the payout holds the year's child benefit
    // (the window has no field for it): 8.500,83 + 259,00.
    QTest::newRow("E2 Einmalzahlung Klasse III")
        << QStringList{"--jahr", "2026", "--monat", "12", "--brutto", "5500", "--steuerklasse", "3",
                       "--kinderfreibetraege", "1", "--kirchensteuer", "9", "--kv-zusatzbeitrag", "2,9",
                       "--sonstiger-bezug", "8000"}
        << L{{"ErgLohnSt", 239566}, {"ErgLStSonstig", 188000}, {"ErgKirchenSt", 19663}, {"ErgKiStSonstig", 16920},
             {"ErgSV", 240688}, {"ErgEinmalKV", 375000}, {"ErgEinmalRV", 800000}, {"ErgNettoLohn", 850083},
             {"ErgKindergeld", 25900}, {"ErgAuszahlung", 875983}};
    // Likewise the two child allowances: 2.772,48 + 518,00.
    QTest::newRow("E8 Dienstwagen")
        << QStringList{"--jahr", "2026", "--monat", "4", "--brutto", "5000", "--steuerklasse", "1",
                       "--kinderfreibetraege", "2", "--pv-abschlaege", "1", "--bekenntnislos",
                       "--kv-zusatzbeitrag", "2,9", "--dienstwagen", "48730", "--dienstwagen-km", "20"}
        << L{{"ErgGWV", 77920}, {"ErgGWVAbzug", -77920}, {"ErgLohnSt", 101966}, {"ErgSV", 120786},
             {"ErgNettoLohn", 277248}, {"ErgAuszahlung", 329048}};
    QTest::newRow("E9 Entgeltumwandlung")
        << QStringList{"--jahr", "2026", "--monat", "5", "--brutto", "4000", "--steuerklasse", "1",
                       "--bekenntnislos", "--kv-zusatzbeitrag", "2,9", "--entgeltumwandlung", "250"}
        << L{{"ErgLohnSt", 46416}, {"ErgSV", 81563}, {"ErgEntgeltumw", -25000}, {"ErgNettoLohn", 247021},
             {"ErgAuszahlung", 247021}, {"ErgSteuerBrutto", 375000}, {"ErgBAVZuschussAN", 3750}};
    QTest::newRow("Märzklausel")
        << QStringList{"--jahr", "2026", "--monat", "2", "--brutto", "5500", "--sonstiger-bezug", "8000",
                       "--vorjahr-sv-tage", "300", "--vorjahr-sv-entgelt-kv", "40000", "--vorjahr-sv-entgelt-rv",
                       "40000", "--vorjahr-kv-zusatzbeitrag", "2,5", "--bisherige-sonstige-bezuege", "1000",
                       "--jahresarbeitslohn", "67000"}
        << L{};
    QTest::newRow("Abfindung Fünftelregelung 2024")
        << QStringList{"--jahr", "2024", "--monat", "6", "--brutto", "4200", "--abfindung", "30000",
                       "--fuenftelregelung", "--jahresarbeitslohn", "52000"}
        << L{{"ErgAbfindung", 3000000}};
    QTest::newRow("Sachbezug, steuerfrei, VWL, Elektro")
        << QStringList{"--jahr", "2026", "--monat", "3", "--brutto", "3800", "--steuerklasse", "4",
                       "--sachbezug", "80", "--steuerfrei", "58", "--vwl-ag", "26,59", "--vwl-sparbetrag", "40",
                       "--dienstwagen", "52000", "--dienstwagen-km", "12", "--dienstwagen-satz", "0,25",
                       "--sonstiger-bezug", "500", "--sv-tage", "90", "--sv-entgelt-bisher-rv", "7000"}
        << L{{"ErgSachbezug", 8000}, {"ErgSteuerfrei", 5800}, {"ErgVWLAG", 2659}, {"ErgVWLSpar", -4000}};
  }
  void beispiele() {
    QFETCH(QStringList, optionen);
    QFETCH(TErwartet, erwartet);
    Eingeben(optionen);
    for (const auto& [name, cent] : erwartet) {
      QVERIFY2(Sichtbar(qPrintable(name)), qPrintable(name));
      QCOMPARE(Label(qPrintable(name))->text(), GeldText(cent));
    }
    // The tab names how many of its inputs are in force.
    QVERIFY2(reiter_->tabText(1).startsWith(QStringLiteral("Einmalzahlung / Sachbezüge (")),
             qPrintable(reiter_->tabText(1)));
    GleicheAnfrage(optionen);
    ::WieDieKommandozeile(S(), optionen);
    WieDerKern(optionen);
    SummenDerZeilen();
    QCOMPARE(Sichtbar("LMaerzklausel"), S().Ergebnis.Maerzklausel);
    // The pro-rated ceilings beside the one-off's liable part.
    if (Sichtbar("ErgEinmalKV")) {
      const lst::TMonatsErgebnis& e = S().Ergebnis;
      const QString tipp = Label("ErgEinmalKV")->toolTip() + Label("ErgEinmalRV")->toolTip();
      QVERIFY2(tipp.contains(QStringLiteral("KV/PV: ") + GeldText(e.AnteiligeBBG_KV)), qPrintable(tipp));
      QVERIFY2(tipp.contains(QStringLiteral("RV/AV: ") + GeldText(e.AnteiligeBBG_RV)), qPrintable(tipp));
    }
    if (QLatin1String(QTest::currentDataTag()) == QLatin1String("Märzklausel")) QVERIFY(S().Ergebnis.Maerzklausel);
    e_->Arbeitgeberanteil1->trigger();
    WieDerKern(optionen);
    SummenDerZeilen();
    QVERIFY(!Sichtbar("ErgLStSonstig"));
    QVERIFY(!Sichtbar("ErgAuszahlung"));
    e_->Arbeitnehmeranteil1->trigger();
  }

  // A plain slip shows none of the new lines, and the first line is the
  // gross wage as before; the tab names no input.
  void einfacheAbrechnung() {
    JahrMonat(2026, 12);
    Tippen(e_->ELohn, QStringLiteral("3000"));
    QCOMPARE(Kind<QLabel>("LTxt1")->text(), QStringLiteral("Bruttolohn ="));
    for (const char* name : {"ErgSonstBezug", "ErgGesamtbrutto", "ErgSteuerBrutto", "ErgSVBrutto", "ErgLStSonstig",
                             "ErgGWVAbzug", "ErgAuszahlung", "ErgKindergeld", "LMaerzklausel"})
      QVERIFY2(!Sichtbar(name), name);
    QCOMPARE(reiter_->tabText(1), QStringLiteral("Einmalzahlung / Sachbezüge"));
    // A one-off shows its lines; emptied again, the slip is plain again.
    Tippen(Kind("ESonstBezug"), QStringLiteral("1000"));
    QCOMPARE(Kind<QLabel>("LTxt1")->text(), QStringLiteral("Laufender Lohn ="));
    QVERIFY(Sichtbar("ErgGesamtbrutto"));
    QCOMPARE(reiter_->tabText(1), QStringLiteral("Einmalzahlung / Sachbezüge (1)"));
    Tippen(Kind("ESonstBezug"), QString());
    QVERIFY(!Sichtbar("ErgGesamtbrutto"));
    QCOMPARE(Kind<QLabel>("LTxt1")->text(), QStringLiteral("Bruttolohn ="));
  }

  // Where the year, the month or the other inputs do not have an input,
  // its field and caption are disabled and the tooltip says why; the
  // amount typed stays but does not count.
  void nichtVerfuegbar() {
    TEditCS* bezug = Kind("ESonstBezug");
    TEditCS* tage = Kind("ESVTage");
    TEditCS* wagen = Kind("EDienstwagen");
    TEditCS* km = Kind("EDienstwagenKm");
    TEditCS* abfindung = Kind("EAbfindung");
    auto* fuenftel = Kind<QCheckBox>("cbFuenftel");
    // 2026: the § 23a fields need a one-off, the distance a list price.
    JahrMonat(2026, 12);
    QVERIFY(bezug->isEnabled());
    QVERIFY(!tage->isEnabled());
    QVERIFY2(tage->toolTip().contains(QStringLiteral("SV-Tage gilt nur mit Sonstiger Bezug")),
             qPrintable(tage->toolTip()));
    QVERIFY(!Kind<QLabel>("LSVTage")->isEnabled());
    QVERIFY(!km->isEnabled());
    Tippen(bezug, QStringLiteral("1500"));
    QVERIFY(tage->isEnabled());
    QVERIFY(Kind<QLabel>("LSVTage")->isEnabled());
    Tippen(wagen, QStringLiteral("40000"));
    QVERIFY(km->isEnabled());
    QVERIFY(S().Ergebnis.GWV > 0);

    // 2013: no company car; the list price stays typed and counts again in
    // 2014.
    JahrMonat(2013, 0);
    QVERIFY(!wagen->isEnabled());
    QVERIFY2(wagen->toolTip().contains(QStringLiteral("Dienstwagen Listenpreis gilt erst ab")),
             qPrintable(wagen->toolTip()));
    QVERIFY(!Kind<QLabel>("LDienstwagen")->isEnabled());
    QCOMPARE(wagen->text(), QStringLiteral("40000"));
    QCOMPARE(S().Anfrage.DienstwagenListenpreis, 0);
    QCOMPARE(S().Ergebnis.GWV, 0);
    QVERIFY(!Sichtbar("ErgGWV"));
    QVERIFY(bezug->isEnabled());

    // 1999: no one-off payments either; tax-free pay and the capital-forming
    // benefits are there, so the tab stays.
    JahrMonat(1999, 0);
    QVERIFY(!bezug->isEnabled());
    QVERIFY2(bezug->toolTip().contains(QStringLiteral("Sonstiger Bezug gilt erst ab 2002")),
             qPrintable(bezug->toolTip()));
    QVERIFY(!abfindung->isEnabled());
    QCOMPARE(S().Anfrage.SonstigerBezug, 0);
    QVERIFY(!Sichtbar("ErgSonstBezug"));
    QVERIFY(reiter_->isTabEnabled(1));
    QVERIFY(Kind("ESteuerfrei")->isEnabled());
    QVERIFY(Kind("EVWLSpar")->isEnabled());

    // The one-fifth rule: only with a severance, and only up to 2024.
    JahrMonat(2024, 12);
    QVERIFY(!fuenftel->isEnabled());
    QVERIFY2(fuenftel->toolTip().contains(QStringLiteral("gilt nur mit Abfindung")), qPrintable(fuenftel->toolTip()));
    Tippen(abfindung, QStringLiteral("20000"));
    QVERIFY(fuenftel->isEnabled());
    Ankreuzen(fuenftel, true);
    QVERIFY(S().Anfrage.Fuenftelregelung);
    const std::int64_t mitFuenftel = S().Ergebnis.LSt;
    JahrMonat(2025, 12);
    QVERIFY(!fuenftel->isEnabled());
    QVERIFY2(fuenftel->toolTip().contains(QStringLiteral("bis 2024")), qPrintable(fuenftel->toolTip()));
    QVERIFY(!S().Anfrage.Fuenftelregelung);
    JahrMonat(2024, 12);
    QVERIFY(S().Anfrage.Fuenftelregelung);
    QCOMPARE(S().Ergebnis.LSt, mitFuenftel);
  }

  // An input the core refuses turns its field red with the core's message
  // as the tooltip, as the window marks every refused input; mended, the
  // mark goes.
  void abgelehnt() {
    JahrMonat(2026, 6);
    Tippen(e_->ELohn, QStringLiteral("3000"));
    Tippen(Kind("ESonstBezug"), QStringLiteral("2000"));
    TEditCS* tage = Kind("ESVTage");
    Tippen(tage, QStringLiteral("400"));
    QVERIFY(Rot(tage));
    QVERIFY2(tage->toolTip().contains(QStringLiteral("400 sind nicht 1 bis 360 Tage")), qPrintable(tage->toolTip()));
    Tippen(tage, QStringLiteral("180"));
    QVERIFY(!Rot(tage));
    QCOMPARE(S().Anfrage.SVTage, 180);

    // A rate outside the rule of add-on rates: red, the previous year's
    // average applies.
    TEditCS* zusatz = Kind("EVorjahrKVZusatz");
    Tippen(zusatz, QStringLiteral("12"));
    QVERIFY(Rot(zusatz));
    QVERIFY2(zusatz->toolTip().contains(QStringLiteral("Zusatzbeitragssatz")), qPrintable(zusatz->toolTip()));
    QVERIFY(!S().Anfrage.VorjahrKVZusatz);
    Tippen(zusatz, QStringLiteral("2,5"));
    QVERIFY(!Rot(zusatz));
    QCOMPARE(S().Anfrage.VorjahrKVZusatz, std::optional<double>(2.5));

    // A quarter of the list price only for electric cars up to the limit.
    Tippen(Kind("EDienstwagen"), QStringLiteral("110000"));
    auto* satz = Kind<QComboBox>("CBDienstwagenSatz");
    Index(satz, 2);
    QVERIFY(Rot(satz));
    QVERIFY2(satz->toolTip().contains(QStringLiteral("Anteil Listenpreis 0,25")), qPrintable(satz->toolTip()));
    Index(satz, 1);
    QVERIFY(!Rot(satz));

    // Deferred compensation above the gross wage.
    TEditCS* umw = Kind("EEntgeltumw");
    Tippen(umw, QStringLiteral("3500"));
    QVERIFY(Rot(umw));
    QVERIFY2(umw->toolTip().contains(QStringLiteral("Entgeltumwandlung %1 ist größer als der Bruttolohn %2")
                                         .arg(GeldText(350000), GeldText(300000))),
             qPrintable(umw->toolTip()));
    Tippen(umw, QStringLiteral("300"));
    QVERIFY(!Rot(umw));
  }

  // The wish-net search varies the regular wage and keeps the one-off: the
  // wish is met by the net wage (Netto Lohn, the one-off's net part in it),
  // as the command line's "wunschnetto" finds it; in the employer's view by
  // the wage cost.
  void wunschNetto() {
    const QStringList optionen{"--jahr", "2025", "--monat", "11", "--bekenntnislos", "--kv-zusatzbeitrag", "2,5",
                               "--sonstiger-bezug", "2400"};
    Eingeben(optionen + QStringList{"--brutto", "1000"});
    // Less than the one-off leaves at a gross of 0: the wish turns red with
    // the reason, no box, the slip shown stays.
    const lst::TMonatsErgebnis vorher = S().Ergebnis;
    Tippen(e_->ENettoLohn, QStringLiteral("300"));
    QVERIFY(Rot(e_->ENettoLohn));
    QVERIFY2(e_->ENettoLohn->toolTip().contains(QStringLiteral("schon ein Bruttolohn von 0,00 EUR ergibt")),
             qPrintable(e_->ENettoLohn->toolTip()));
    QCOMPARE(S().Ergebnis.Netto, vorher.Netto);
    QCOMPARE(S().Anfrage.Brutto, 100000);
    Tippen(e_->ENettoLohn, QStringLiteral("3499,04"));
    QVERIFY(!Rot(e_->ENettoLohn));
    QCOMPARE(S().Anfrage.SonstigerBezug, 240000);
    QCOMPARE(e_->ErgNettoLohn->text(), GeldText(349904));
    QVERIFY(Sichtbar("ErgSonstBezug"));
    QCOMPARE(Label("ErgSonstBezug")->text(), GeldText(240000));
    SummenDerZeilen();
    QProcess cli;
    cli.start(QStringLiteral(LOHNSTEUER_CLI_PATH), QStringList{"wunschnetto", "3499,04", "--json"} + optionen);
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject j = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QVERIFY(j.value("Genau").toBool());
    QCOMPARE(j.value("LaufenderLohn").toInteger(), S().Anfrage.Brutto);
    QCOMPARE(Label("ErgBruttoLohn")->text(), GeldText(j.value("LaufenderLohn").toInteger()));
    QCOMPARE(j.value("Netto").toInteger(), S().Ergebnis.Netto);
    QCOMPARE(j.value("LSt_sonstig").toInteger(), S().Ergebnis.LSt_sonstig);

    // The employer's view: planned wage costs against the cost.
    e_->Arbeitgeberanteil1->trigger();
    Tippen(e_->ENettoLohn, QStringLiteral("7000"));
    QCOMPARE(e_->ErgNettoLohn->text(), GeldText(S().Ergebnis.AGGesamt));
    QVERIFY(std::llabs(S().Ergebnis.AGGesamt - 700000) <= 1);
    QCOMPARE(S().Anfrage.SonstigerBezug, 240000);
    SummenDerZeilen();
  }

  // The tools compute the window's request, one-off and company car
  // included: the wage-tax table is the command line's, the graph's curve
  // passes through the net wage shown, the wage conversion follows.
  void werkzeuge() {
    const QStringList optionen{"--jahr", "2026", "--monat", "4", "--brutto", "4500", "--sonstiger-bezug", "3000",
                               "--dienstwagen", "38000", "--dienstwagen-km", "15"};
    Eingeben(optionen);
    lst::TWerkzeuge& w = anw_->Werkzeuge();
    QString tabelle;
    bool gelaufen = false;
    QTimer::singleShot(0, [&] {
      auto* t = qobject_cast<lst::TFTabelle*>(QApplication::activeModalWidget());
      QVERIFY(t != nullptr);
      QCOMPARE(t->Gitter()->rowCount(), 499);
      t->Gitter()->selectAll();
      tabelle = t->AuswahlText();
      gelaufen = true;
      t->close();
    });
    e_->Tabelle1->trigger();
    QVERIFY(gelaufen);
    QProcess cli;
    cli.start(QStringLiteral(LOHNSTEUER_CLI_PATH), QStringList{"tabelle"} + optionen);
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(tabelle, QString::fromUtf8(cli.readAllStandardOutput()));
    // The graph's value at the gross wage is the net wage shown.
    const double kurve = lst::Kurvenwert(S().Parameter, S().Anfrage, true, true, 4500);
    QCOMPARE(GeldText(std::llround(kurve * 100)), e_->ErgNettoLohn->text());
    e_->LohnUmrAnz1->trigger();
    QVERIFY(w.LohnUmr()->isVisible());
    const QString jahr = w.LohnUmr()->findChild<QLabel*>(QStringLiteral("ErgJahrLohn"))->text();
    QCOMPARE(jahr, GeldText(12 * S().Ergebnis.RE4).replace(QChar(0xA0), QLatin1Char(' ')));
    w.LohnUmr()->close();
    // The class comparison and the graph window work on the same
    // calculation (no message box: cleanup).
    e_->Steuerklassenvgl1->trigger();
    QWidget* vergleich = w.StVgl();
    QTest::keyClicks(vergleich->findChild<TEditCS*>(QStringLiteral("EStPflAN")), QStringLiteral("4500"));
    QTest::keyClicks(vergleich->findChild<TEditCS*>(QStringLiteral("EStPflEG")), QStringLiteral("2000"));
    const QString urteil = vergleich->findChild<QLabel*>(QStringLiteral("LErgText"))->text();
    QVERIFY2(urteil.startsWith(QStringLiteral("Die günstigste Kombination ist")), qPrintable(urteil));
    vergleich->close();
    gelaufen = false;
    QTimer::singleShot(0, [&] {
      QWidget* grafik = QApplication::activeModalWidget();
      QVERIFY(grafik != nullptr);
      gelaufen = true;
      grafik->close();
    });
    e_->Grafik1->trigger();
    QVERIFY(gelaufen);
    QCOMPARE(S().Anfrage.SonstigerBezug, 300000);
  }

  // The tab's inputs come back at the next start as they were typed, the
  // result with them; the amounts of a pay period in the month the window
  // starts with.  A session that never used the tab leaves the file
  // without the section (an older file stays as it was), and a damaged
  // stored value is named at the start and stays in the file while its
  // field stays empty.
  void gespeichert() {
    const QString datei = ordner_.filePath(QStringLiteral("DrumselLStTab.ini"));
    const auto lesen = [&] {
      QFile f(datei);
      return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    const QStringList optionen{"--jahr", "2026", "--monat", "12", "--brutto", "4000", "--sonstiger-bezug", "2500",
                               "--sv-tage", "330", "--abfindung", "9000", "--dienstwagen", "30000",
                               "--dienstwagen-km", "12", "--dienstwagen-satz", "0,5", "--steuerfrei", "50",
                               "--vwl-ag", "26,59", "--vwl-sparbetrag", "40", "--vorjahr-kv-zusatzbeitrag", "2,5"};
    // A session without the tab: no section.
    Beenden();
    lst::TNewIniFile::AusPfad(datei.toStdString()).WriteString("Fremd", "Sonstiger Bezug", "1234");
    Starten();
    Tippen(e_->ELohn, QStringLiteral("4000"));
    Beenden();
    QVERIFY(!lesen().contains(QStringLiteral("[Einmalzahlung]")));
    QVERIFY(lesen().contains(QStringLiteral("[Fremd]")));

    Starten();
    Eingeben(optionen);
    const QString titel = reiter_->tabText(1);
    QCOMPARE(titel, QStringLiteral("Einmalzahlung / Sachbezüge (10)"));
    const lst::TMonatsErgebnis vorher = S().Ergebnis;
    const lst::TAnfrage anfrageVorher = S().Anfrage;
    Beenden();
    QVERIFY(lesen().contains(QStringLiteral("SonstigerBezug=2500")));
    QVERIFY(lesen().contains(QStringLiteral("VWLAG=26,59")));

    // The gross wage is no setting; typed again, the slip is the same.
    Starten();
    QCOMPARE(reiter_->tabText(1), titel);
    QCOMPARE(Kind("ESonstBezug")->text(), QStringLiteral("2500"));
    QCOMPARE(Kind("EVWLAG")->text(), QStringLiteral("26,59"));
    QCOMPARE(Kind<QComboBox>("CBDienstwagenSatz")->currentText(), QStringLiteral("0,5"));
    Tippen(e_->ELohn, QStringLiteral("4000"));
    QCOMPARE(S().Anfrage.SVTage, anfrageVorher.SVTage);
    QCOMPARE(S().Anfrage.VorjahrKVZusatz, anfrageVorher.VorjahrKVZusatz);
    QCOMPARE(S().Anfrage.DienstwagenSatz, anfrageVorher.DienstwagenSatz);
    QCOMPARE(S().Ergebnis.Auszahlung, vorher.Auszahlung);
    QCOMPARE(S().Ergebnis.LSt_sonstig, vorher.LSt_sonstig);
    QCOMPARE(e_->ErgNettoLohn->text(), GeldText(vorher.Netto));
    GleicheAnfrage(optionen);

    // Closed in the weekly pay period: the next start's month has the same
    // money per day, the one-off stays.
    Index(e_->CBLZZ, 2);
    QCOMPARE(Kind("ESteuerfrei")->text(), QStringLiteral("11,67"));
    Beenden();
    Starten();
    QCOMPARE(e_->CBLZZ->currentIndex(), 1);
    QCOMPARE(Kind("ESteuerfrei")->text(), QStringLiteral("50,01"));
    QCOMPARE(Kind("ESonstBezug")->text(), QStringLiteral("2500"));

    // Emptied, the fields stay empty at the next start.
    Index(Kind<QComboBox>("CBDienstwagenSatz"), 0);
    for (const char* name : {"ESVTage", "EVorjahrKVZusatz", "ESonstBezug", "EAbfindung", "EDienstwagenKm",
                             "EDienstwagen", "ESteuerfrei", "EVWLAG", "EVWLSpar"})
      Tippen(Kind(name), QString());
    QCOMPARE(reiter_->tabText(1), QStringLiteral("Einmalzahlung / Sachbezüge"));
    Beenden();
    Starten();
    QCOMPARE(reiter_->tabText(1), QStringLiteral("Einmalzahlung / Sachbezüge"));
    QCOMPARE(S().Ergebnis.Gesamtbrutto, S().Ergebnis.LaufenderLohn);
    Beenden();

    // Damaged values: named once, the field empty, the value kept.
    {
      lst::TNewIniFile ini = lst::TNewIniFile::AusPfad(datei.toStdString());
      QVERIFY(ini.WriteString("Einmalzahlung", "Abfindung", "zwölf"));
      QVERIFY(ini.WriteString("Einmalzahlung", "DienstwagenSatz", "0,7"));
      QVERIFY(ini.WriteString("Einmalzahlung", "Sachbezug", "30"));
    }
    Starten();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    QVERIFY2(boxen_->Texte[0].contains(QStringLiteral("[Einmalzahlung] Abfindung=zwölf")),
             qPrintable(boxen_->Texte[0]));
    QVERIFY2(boxen_->Texte[0].contains(QStringLiteral("[Einmalzahlung] DienstwagenSatz=0,7")),
             qPrintable(boxen_->Texte[0]));
    boxen_->Texte.clear();
    QVERIFY(Kind("EAbfindung")->text().isEmpty());
    QCOMPARE(Kind<QComboBox>("CBDienstwagenSatz")->currentIndex(), 0);
    QCOMPARE(Kind("ESachbezug")->text(), QStringLiteral("30"));
    Tippen(Kind("EDienstwagen"), QStringLiteral("40000"));
    Index(Kind<QComboBox>("CBDienstwagenSatz"), 2);
    Beenden();
    QVERIFY(lesen().contains(QStringLiteral("Abfindung=zwölf")));
    QVERIFY(lesen().contains(QStringLiteral("DienstwagenSatz=0,25")));
    Starten();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    boxen_->Texte.clear();
  }

  // In a DM year the tab's amounts are DM; "Beträge in DM" off converts
  // them, so that the same money stays entered, and the lines in Euro add
  // up to the sums in Euro.  A change of the pay period converts the
  // amounts of the period, not the one-off figures.
  void dmJahrUndZeitraum() {
    JahrMonat(2001, 0);
    QVERIFY(!S().Euro);
    Tippen(e_->ELohn, QStringLiteral("5000"));
    Tippen(Kind("ESteuerfrei"), QStringLiteral("100"));
    Tippen(Kind("EVWLAG"), QStringLiteral("78"));
    Tippen(Kind("EVWLSpar"), QStringLiteral("78"));
    const std::int64_t steuerfrei = S().Anfrage.Steuerfrei;
    e_->BetraegeInDM1->trigger();
    QVERIFY(S().Euro);
    QCOMPARE(Kind("ESteuerfrei")->text(), QStringLiteral("51,13"));
    QCOMPARE(Kind("EVWLAG")->text(), QStringLiteral("39,88"));
    QVERIFY(std::llabs(S().Anfrage.Steuerfrei - steuerfrei) <= 1);
    SummenDerZeilen();
    e_->BetraegeInDM1->trigger();
    QVERIFY(!S().Euro);

    JahrMonat(2026, 12);
    Tippen(e_->ELohn, QStringLiteral("3000"));
    Tippen(Kind("ESonstBezug"), QStringLiteral("1200"));
    Tippen(Kind("ESachbezug"), QStringLiteral("30"));
    Index(e_->CBLZZ, 0);
    QCOMPARE(Kind("ESachbezug")->text(), QStringLiteral("360,00"));
    QCOMPARE(Kind("ESonstBezug")->text(), QStringLiteral("1200"));
    QCOMPARE(S().Anfrage.Sachbezug, 36000);
  }

  // Pictures for a look by eye; only when LOHNSTEUER_BILDER names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    auto* rollen = qobject_cast<QScrollArea*>(r_->centralWidget());
    QVERIFY(rollen != nullptr);
    r_->resize(rollen->widget()->sizeHint() + QSize(4, r_->menuBar()->sizeHint().height() + 4));
    const auto speichern = [&](const QString& name) {
      QTest::qWait(50);
      QVERIFY(r_->grab().save(ziel + "/einmal_" + name + ".png"));
    };
    Eingeben({"--jahr", "2026", "--monat", "12", "--brutto", "5500", "--steuerklasse", "3", "--kinderfreibetraege",
              "1", "--kirchensteuer", "9", "--kv-zusatzbeitrag", "2,9"});
    speichern(QStringLiteral("regulaer_arbeitnehmer"));
    e_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("regulaer_arbeitgeber"));
    e_->Arbeitnehmeranteil1->trigger();
    Eingeben({"--sonstiger-bezug", "8000"});
    speichern(QStringLiteral("e2_arbeitnehmer"));
    Eingeben({"--dienstwagen", "48730", "--dienstwagen-km", "20"});
    speichern(QStringLiteral("weihnachtsgeld_dienstwagen"));
    Tippen(Kind("EDienstwagen"), QString());
    e_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("e2_arbeitgeber"));
    e_->Arbeitnehmeranteil1->trigger();
    Eingeben({"--monat", "2", "--vorjahr-sv-tage", "300", "--abfindung", "12000", "--dienstwagen", "48730",
              "--dienstwagen-km", "20", "--sachbezug", "60", "--steuerfrei", "50", "--entgeltumwandlung", "200",
              "--vwl-ag", "26,59", "--vwl-sparbetrag", "40"});
    Tippen(Kind("ESVTage"), QStringLiteral("400"));
    speichern(QStringLiteral("alles_arbeitnehmer"));
    e_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("alles_arbeitgeber"));
    e_->Arbeitnehmeranteil1->trigger();
    Tippen(Kind("ESVTage"), QString());
    Tippen(Kind("EAbfindung"), QString());
    speichern(QStringLiteral("maerzklausel"));
    JahrMonat(2013, 0);
    speichern(QStringLiteral("2013_nicht_verfuegbar"));
    JahrMonat(1999, 0);
    speichern(QStringLiteral("1999_dm"));
    ReiterVon(e_->ELohn);
    speichern(QStringLiteral("1999_erster_reiter"));
  }
};

QTEST_MAIN(TestEinmalzahlung)
#include "test_einmalzahlung.moc"
