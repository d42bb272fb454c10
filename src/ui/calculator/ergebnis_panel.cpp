// The result panel of the calculator window and the wish-net field.

#include "ui/calculator/ergebnis_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "common/qt/edit_cs.h"
#include "ui/calculator/feld_hinweise.h"

namespace lst {

namespace {

const QColor kGruen(0x00, 0x80, 0x00);
const QColor kRot(0xFF, 0x00, 0x00);
const QColor kFuchsia(0xFF, 0x00, 0xFF);
const QColor kSchwarz(0x00, 0x00, 0x00);
const QColor kMarine(0x00, 0x00, 0x80);
const QColor kGrau(0x60, 0x60, 0x60);

// The margin above and below each line.
constexpr int kRand = 2;

const QString kDienstwagen = QStringLiteral("Geldwerter Vorteil des Dienstwagens zur privaten Nutzung");

const QString kLeerWert = QStringLiteral("-------------------------------");

}  // namespace

TErgebnisPanel::TErgebnisPanel(QWidget* eltern) : QFrame(eltern) {
  setObjectName(QStringLiteral("PErg"));
  setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(this);
  // No spacing between the rows: each line brings its own margin, so that a
  // hidden line takes no room at all (the lines of the zone, the levies and
  // the pay beside the regular wage come and go).
  g->setVerticalSpacing(0);
  g->setHorizontalSpacing(8);

  QFont fett = font();
  fett.setBold(true);
  QFontMetrics fm(fett);
  const int wertBreite = std::max(fm.horizontalAdvance(kLeerWert),
                                  fm.horizontalAdvance(QStringLiteral("99.999.999,99 EUR"))) + 8;

  LErg = new QLabel(QStringLiteral("Ergebnisse:"), this);
  LErg->setObjectName(QStringLiteral("LErg"));
  QFont kopf = fett;
  kopf.setUnderline(true);
  kopf.setPointSizeF(kopf.pointSizeF() * 1.15);
  LErg->setFont(kopf);
  LErg->setContentsMargins(0, 0, 0, kRand * 2);
  g->addWidget(LErg, 0, 0, 1, 2);

  int z = 1;
  // The widest caption in bold, of every line in either view.
  int breite = 0;
  auto zeile = [&](const char* name, const QString& text, QLabel*& wert, const char* wertName,
                   const QColor& farbe) -> QLabel* {
    breite = std::max(breite, fm.horizontalAdvance(text));
    auto* l = new QLabel(text, this);
    if (name != nullptr) l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert = new QLabel(kLeerWert, this);
    wert->setObjectName(QString::fromLatin1(wertName));
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setFont(fett);
    wert->setFixedWidth(wertBreite);
    wert->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette p = wert->palette();
    p.setColor(QPalette::WindowText, farbe);
    wert->setPalette(p);
    l->setBuddy(wert);
    l->setContentsMargins(0, kRand, 0, kRand);
    wert->setContentsMargins(0, kRand, 0, kRand);
    g->addWidget(l, z, 0);
    g->addWidget(wert, z, 1);
    ++z;
    return l;
  };
  auto abstand = [&] { g->setRowMinimumHeight(z++, fm.height() / 2 + 2 * kRand); };
  // A line that is shown only with pay beside the regular wage.
  auto weitere = [&](TZeile& ziel, const char* name, const QString& text, const char* wertName, const QColor& farbe) {
    ziel.Text = zeile(name, text, ziel.Wert, wertName, farbe);
    ziel.Text->setVisible(false);
    ziel.Wert->setVisible(false);
  };
  // A note below a line ("davon ..."): no line of a sum, so in plain grey.
  auto notiz = [&](TZeile& ziel, const char* name, const char* wertName,
                   const QString& text = QStringLiteral("davon sonst. Bez. =")) {
    weitere(ziel, name, text, wertName, kGrau);
    ziel.Wert->setFont(font());
    QPalette p = ziel.Text->palette();
    p.setColor(QPalette::WindowText, kGrau);
    ziel.Text->setPalette(p);
  };

  LTxt1 = zeile("LTxt1", QStringLiteral("Bruttolohn ="), ErgBruttoLohn, "ErgBruttoLohn", kGruen);
  // The parts of the pay and the gross wages they make.
  const int teileVon = z;
  weitere(sonstBezug_, "LTxtSonstBezug", QStringLiteral("Sonstiger Bezug ="), "ErgSonstBezug", kGruen);
  weitere(abfindung_, "LTxtAbfindung", QStringLiteral("Abfindung ="), "ErgAbfindung", kGruen);
  weitere(gwv_, "LTxtGWV", QStringLiteral("Geldwerter Vorteil ="), "ErgGWV", kGruen);
  gwv_.Text->setToolTip(kDienstwagen);
  weitere(sachbezug_, "LTxtSachbezug", QStringLiteral("Sachbezug ="), "ErgSachbezug", kGruen);
  weitere(vwlAG_, "LTxtVWLAG", QStringLiteral("VWL Arbeitgeber ="), "ErgVWLAG", kGruen);
  weitere(steuerfrei_, "LTxtSteuerfrei", QStringLiteral("Steuerfreie Bezüge ="), "ErgSteuerfrei", kGruen);
  weitere(gesamtbrutto_, "LTxtGesamtbrutto", QStringLiteral("Gesamtbrutto ="), "ErgGesamtbrutto", kGruen);
  gesamtbrutto_.Text->setFont(fett);
  const int teileBis = z;
  // The Aktivrente: paid and liable, left out of the taxable wage.
  weitere(aktivrente_, "LTxtAktivrente", QStringLiteral("Aktivrente steuerfrei ="), "ErgAktivrente", kSchwarz);
  aktivrente_.Text->setToolTip(QStringLiteral("Arbeitslohn nach der Regelaltersgrenze, der lohnsteuerfrei bleibt "
                                              "(§ 3 Nr. 21 EStG): bis 2.000 € im Monat"));
  weitere(steuerBrutto_, "LTxtSteuerBrutto", QStringLiteral("Steuerbrutto ="), "ErgSteuerBrutto", kSchwarz);
  weitere(svBrutto_, "LTxtSVBrutto", QStringLiteral("SV-Brutto ="), "ErgSVBrutto", kSchwarz);
  notiz(einmalKV_, "LTxtEinmalKV", "ErgEinmalKV");
  weitere(svBruttoRV_, "LTxtSVBruttoRV", QStringLiteral("SV-Brutto RV/AV ="), "ErgSVBruttoRV", kSchwarz);
  notiz(einmalRV_, "LTxtEinmalRV", "ErgEinmalRV");
  // The reduced bases of the zone, shown only where they apply.
  LTxtBE = zeile("LTxtBE", QStringLiteral("Bemessungsentgelt ="), ErgBE, "ErgBE", kGruen);
  LTxtBEAN = zeile("LTxtBEAN", QStringLiteral("Bemessung AN-Anteil ="), ErgBEAN, "ErgBEAN", kGruen);
  abstand();
  const int steuernVon = z;
  LLoSt = zeile("LLoSt", QStringLiteral("Lohnsteuer ="), ErgLohnSt, "ErgLohnSt", kRot);
  notiz(lstSonstig_, "LTxtLStSonstig", "ErgLStSonstig");
  zeile("LTxt3", QStringLiteral("Kirchensteuer ="), ErgKirchenSt, "ErgKirchenSt", kRot);
  notiz(kistSonstig_, "LTxtKiStSonstig", "ErgKiStSonstig");
  zeile("LTxt4", QStringLiteral("Solidaritätsz. ="), ErgSoli, "ErgSoli", kRot);
  notiz(soliSonstig_, "LTxtSoliSonstig", "ErgSoliSonstig");
  zeile("LTxt5", QStringLiteral("Steuern gesamt ="), ErgSteuern, "ErgSteuern", kFuchsia);
  const int steuernBis = z;
  zeile("LTxt6", QStringLiteral("nach Steuern ="), ErgNachSt, "ErgNachSt", kSchwarz);
  abstand();
  const int svVon = z;
  zeile("LTxt9", QStringLiteral("KV Beitrag ="), ErgKV, "ErgKV", kRot);
  zeile("LTxt9a", QStringLiteral("KV Zus.Beitrag ="), ErgKV2, "ErgKV2", kRot);
  zeile("LTxt10", QStringLiteral("RV Beitrag ="), ErgRV, "ErgRV", kRot);
  zeile("LTxt11", QStringLiteral("ALoV Beitrag ="), ErgAV, "ErgAV", kRot);
  zeile("LTxt12", QStringLiteral("PV Beitrag ="), ErgPV, "ErgPV", kRot);
  zeile("LTxt12a", QStringLiteral("PV Zus.Beitrag ="), ErgPV2, "ErgPV2", kRot);
  zeile("LTxt13", QStringLiteral("Soz.vers. gesamt ="), ErgSV, "ErgSV", kFuchsia);
  const int svBis = z;
  // A one-off of January to March that belongs to the previous year.
  maerzklausel_ = new QLabel(QStringLiteral("Märzklausel: sonst. Bezug im Vorjahr verbeitragt"), this);
  maerzklausel_->setObjectName(QStringLiteral("LMaerzklausel"));
  maerzklausel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  maerzklausel_->setContentsMargins(0, kRand, 0, kRand);
  maerzklausel_->setToolTip(QStringLiteral("Der sonstige Bezug übersteigt die anteilige Beitragsbemessungsgrenze "
                                           "dieses Jahres; er wird dem letzten Abrechnungszeitraum des Vorjahres "
                                           "zugeordnet und nach dessen Grenzen und Beitragssätzen verbeitragt "
                                           "(§ 23a Abs. 4 SGB IV)"));
  {
    QPalette p = maerzklausel_->palette();
    p.setColor(QPalette::WindowText, kMarine);
    maerzklausel_->setPalette(p);
  }
  maerzklausel_->setVisible(false);
  g->addWidget(maerzklausel_, z++, 0, 1, 2);
  // The employer's levies (from 2014), not part of the contributions' sum.
  LTxtU1 = zeile("LTxtU1", QStringLiteral("Umlage U1 ="), ErgU1, "ErgU1", kRot);
  LTxtU2 = zeile("LTxtU2", QStringLiteral("Umlage U2 ="), ErgU2, "ErgU2", kRot);
  LTxtIGU = zeile("LTxtIGU", QStringLiteral("Insolvenzgeldumlage ="), ErgIGU, "ErgIGU", kRot);
  abstand();

  // The other deductions: their caption is the text typed under "Sonstige Abzüge".
  {
    auto* box = new QWidget(this);
    auto* reihe = new QHBoxLayout(box);
    reihe->setContentsMargins(0, kRand, 0, kRand);
    reihe->setSpacing(4);
    reihe->addStretch(1);
    ErgText = new QLabel(QStringLiteral("Sonstiges"), box);
    ErgText->setObjectName(QStringLiteral("ErgText"));
    auto* gleich = new QLabel(QStringLiteral("="), box);
    gleich->setObjectName(QStringLiteral("Label45"));
    reihe->addWidget(ErgText);
    reihe->addWidget(gleich);
    ErgZusatz = new QLabel(kLeerWert, this);
    ErgZusatz->setObjectName(QStringLiteral("ErgZusatz"));
    ErgZusatz->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ErgZusatz->setFont(fett);
    ErgZusatz->setFixedWidth(wertBreite);
    ErgZusatz->setContentsMargins(0, kRand, 0, kRand);
    QPalette p = ErgZusatz->palette();
    p.setColor(QPalette::WindowText, kRot);
    ErgZusatz->setPalette(p);
    g->addWidget(box, z, 0);
    g->addWidget(ErgZusatz, z++, 1);
  }
  // Not paid out: the company car, benefits in kind, pay converted into a
  // pension; what the employer adds to the cost.
  weitere(gwvAbzug_, "LTxtGWVAbzug", QStringLiteral("Geldwerter Vorteil ="), "ErgGWVAbzug", kRot);
  gwvAbzug_.Text->setToolTip(kDienstwagen + QStringLiteral(": nicht ausgezahlt"));
  weitere(sachbezugAbzug_, "LTxtSachbezugAbzug", QStringLiteral("Sachbezug ="), "ErgSachbezugAbzug", kRot);
  weitere(entgeltumw_, "LTxtEntgeltumw", QStringLiteral("Entgeltumwandlung ="), "ErgEntgeltumw", kRot);
  // What the employer adds to the converted pay goes into the pension, not
  // into the net wage: a note in the employee's view.
  notiz(bavZuschussAN_, "LTxtBAVZuschussAN", "ErgBAVZuschussAN", QStringLiteral("zzgl. AG-Zuschuss bAV ="));
  weitere(bavZuschuss_, "LTxtBAVZuschuss", QStringLiteral("AG-Zuschuss bAV ="), "ErgBAVZuschuss", kRot);
  weitere(pkvZuschussAG_, "LTxtPKVZuschussAG", QStringLiteral("AG-Zuschuss PKV/PV ="), "ErgPKVZuschussAG", kRot);
  const int blockBis = z;
  abstand();

  LTxtNetto = zeile("LTxtNetto", QStringLiteral("Netto Lohn ="), ErgNettoLohn, "ErgNettoLohn", kMarine);
  LTxtNetto->setFont(fett);
  QFont netto = fett;
  netto.setUnderline(true);
  ErgNettoLohn->setFont(netto);
  LTxtUmlagenGesamt = zeile("LTxtUmlagenGesamt", QStringLiteral("Lohnkosten inkl. Umlagen ="), ErgUmlagenGesamt,
                            "ErgUmlagenGesamt", kMarine);
  LTxtUmlagenGesamt->setFont(fett);
  // From the net wage to the payout.
  weitere(pkvZuschussAN_, "LTxtPKVZuschussAN", QStringLiteral("AG-Zuschuss PKV/PV ="), "ErgPKVZuschussAN", kGruen);
  weitere(vwlSpar_, "LTxtVWLSpar", QStringLiteral("VWL-Sparbetrag ="), "ErgVWLSpar", kRot);
  weitere(kindergeld_, "LTxtKindergeld", QStringLiteral("Kindergeld ="), "ErgKindergeld", kGruen);
  weitere(auszahlung_, "LTxtAuszahlung", QStringLiteral("Auszahlungsbetrag ="), "ErgAuszahlung", kMarine);
  auszahlung_.Text->setFont(fett);
  auszahlung_.Wert->setFont(netto);
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtBE, ErgBE, LTxtBEAN, ErgBEAN, LTxtU1, ErgU1, LTxtU2, ErgU2,
                                                    LTxtIGU, ErgIGU, LTxtUmlagenGesamt, ErgUmlagenGesamt})
    w->setVisible(false);

  // The wish-net field.
  LTxtWunsch = new QLabel(QStringLiteral("Wunsch-Nettolohn"), this);
  LTxtWunsch->setObjectName(QStringLiteral("LTxtWunsch"));
  LTxtWunsch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ENettoLohn = new TEditCS(this);
  ENettoLohn->setObjectName(QStringLiteral("ENettoLohn"));
  ENettoLohn->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern | TEditCS::DezTrenn);
  ENettoLohn->setMaxLength(10);
  ENettoLohn->SetAlignment(TEditCS::taRightJustify);
  ENettoLohn->setFixedWidth(ENettoLohn->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) + 12);
  ENettoLohn->setToolTip(QStringLiteral("Der Bruttolohn zu diesem Betrag wird gesucht"));
  ENettoLohn->setAccessibleName(QStringLiteral("Wunsch-Nettolohn"));
  LTxtWunsch->setBuddy(ENettoLohn);
  auto* ldmNetto = new QLabel(QStringLiteral("[€]"), this);
  ldmNetto->setObjectName(QStringLiteral("LDMNetto"));
  ldmNetto->setFont(fett);
  {
    auto* box = new QWidget(this);
    auto* reihe = new QHBoxLayout(box);
    reihe->setContentsMargins(0, kRand, 0, kRand);
    reihe->setSpacing(4);
    reihe->addStretch(1);
    reihe->addWidget(ENettoLohn);
    reihe->addWidget(ldmNetto);
    box->setFixedWidth(wertBreite);
    g->addWidget(LTxtWunsch, z, 0);
    g->addWidget(box, z++, 1);
  }

  // Child benefit: computed and filled, not shown.
  LTxt7 = zeile("LTxt7", QStringLiteral("Kindergeld ="), ErgKiGeld, "ErgKiGeld", kGruen);
  LTxtEndsumme = zeile("LTxtEndsumme", QStringLiteral("Endsumme ="), ErgKiGeldZwi, "ErgKiGeldZwi", kSchwarz);
  for (QWidget* w : std::initializer_list<QWidget*>{LTxt7, ErgKiGeld, LTxtEndsumme, ErgKiGeldZwi})
    w->setVisible(false);

  // Thin raised bevels right of the value column group the tax lines, the
  // contribution lines and the whole block.
  auto fase = [&](int von, int bis, int spalte) {
    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::VLine);
    linie->setFrameShadow(QFrame::Raised);
    g->addWidget(linie, von, spalte, bis - von, 1);
  };
  fase(teileVon - 1, teileBis, 2);
  teileFase_ = g->itemAtPosition(teileVon - 1, 2)->widget();
  teileFase_->setVisible(false);
  fase(steuernVon, steuernBis, 2);
  fase(svVon, svBis, 2);
  fase(1, blockBis, 3);

  // The caption column is as wide as its widest caption in either view, so
  // that the lines shown only in the employer's view or in the zone never
  // push the values out of the panel.
  for (const QString& text : {QStringLiteral("Pauschalsteuer ="), QStringLiteral("Lohnkosten ="),
                             QStringLiteral("Wunsch-Nettolohn"), QStringLiteral("Plan-Lohnkosten")})
    breite = std::max(breite, fm.horizontalAdvance(text));
  g->setColumnMinimumWidth(0, breite + 4);

  g->setColumnStretch(0, 1);
  g->setRowStretch(z, 1);

  connect(ENettoLohn, &QLineEdit::textChanged, this, [this] {
    if (!zeigt_) emit WunschGeaendert();
  });
}

std::int64_t TErgebnisPanel::Wunsch() const {
  // The search judges the shown amount against the wish as typed, in cents
  // of the display currency.
  const std::int64_t wunsch = Runden(ENettoLohn->AsFloat() * 100);
  return wunsch > 0 ? wunsch : 0;
}

void TErgebnisPanel::WunschUmrechnen(double faktor) {
  if (ENettoLohn->text().trimmed().isEmpty()) return;
  const QSignalBlocker sperre(ENettoLohn);
  QLocale ort;
  ort.setNumberOptions(QLocale::OmitGroupSeparator);
  ENettoLohn->setText(ort.toString(ENettoLohn->AsFloat() * faktor, 'f', 2));
}

void TErgebnisPanel::WunschMelden(const QString& text) { hinweis::Meldung(ENettoLohn, text); }

void TErgebnisPanel::Zeigen(const TAbrechnungsStand& s) {
  zeigt_ = true;
  // The results shown are those of the inputs: a wish marked before is no
  // longer the question.
  WunschMelden({});
  const bool an = s.ArbeitnehmerSicht;
  // The amounts as shown: each line converted once, the sums formed from
  // the shown lines.
  const TMonatsErgebnis e = AnzeigeErgebnis(s.Parameter, s.Euro, s.Ergebnis);
  const QString symbol = QString::fromLatin1(Waehrungszeichen(s.Euro));
  const auto geld = [&](std::int64_t anzeigeCent) {
    return QLocale().toCurrencyString(static_cast<double>(anzeigeCent) / 100, symbol, 2);
  };
  if (an) {
    LLoSt->setText(QStringLiteral("Lohnsteuer ="));
    LErg->setText(QStringLiteral("Ergebnisse Arbeitnehmer:"));
    LTxtNetto->setText(QStringLiteral("Netto Lohn ="));
    LTxtWunsch->setText(QStringLiteral("Wunsch-Nettolohn"));
  } else {
    const bool pausch = s.Anfrage.PauschSatz && *s.Anfrage.PauschSatz > 0;
    LLoSt->setText(pausch ? QStringLiteral("Pauschalsteuer =") : QStringLiteral("Lohnsteuer ="));
    LErg->setText(QStringLiteral("Ergebnisse Arbeitgeber:"));
    LTxtNetto->setText(QStringLiteral("Lohnkosten ="));
    LTxtWunsch->setText(QStringLiteral("Plan-Lohnkosten"));
    LTxtEndsumme->setVisible(false);
  }
  ENettoLohn->setAccessibleName(LTxtWunsch->text());
  ErgText->setText(QString::fromStdString(s.Anfrage.SonstigeBezeichnung));
  // Pay beside the regular wage: the regular wage becomes one part of the
  // gross.  A plain slip shows none of these lines.
  const bool teile = e.SonstigerBezug != 0 || e.Abfindung != 0 || e.GWV != 0 || e.Sachbezug != 0 ||
                     e.Steuerfrei != 0 || e.VWL_AG != 0 || e.Entgeltumwandlung != 0 || e.BAVZuschuss_AG != 0 ||
                     e.VWLSparbetrag != 0 || e.Aktivrente_steuerfrei != 0;
  LTxt1->setText(teile ? QStringLiteral("Laufender Lohn =") : QStringLiteral("Bruttolohn ="));
  ErgBruttoLohn->setText(geld(teile ? e.LaufenderLohn : e.RE4));
  const auto zeigen = [&](const TZeile& z, bool sichtbar, std::int64_t betrag) {
    z.Text->setVisible(sichtbar);
    z.Wert->setVisible(sichtbar);
    if (sichtbar) z.Wert->setText(geld(betrag));
  };
  zeigen(sonstBezug_, teile && e.SonstigerBezug != 0, e.SonstigerBezug);
  zeigen(abfindung_, teile && e.Abfindung != 0, e.Abfindung);
  zeigen(gwv_, teile && e.GWV != 0, e.GWV);
  zeigen(sachbezug_, teile && e.Sachbezug != 0, e.Sachbezug);
  zeigen(vwlAG_, teile && e.VWL_AG != 0, e.VWL_AG);
  zeigen(steuerfrei_, teile && e.Steuerfrei != 0, e.Steuerfrei);
  zeigen(gesamtbrutto_, teile, e.Gesamtbrutto);
  teileFase_->setVisible(teile);
  zeigen(aktivrente_, teile && e.Aktivrente_steuerfrei != 0, e.Aktivrente_steuerfrei);
  zeigen(steuerBrutto_, teile, e.SteuerBrutto);
  // The liable wages: one line where health and pension insurance take the
  // same, each with the liable part of a one-off below it.
  const bool sv = teile && (e.SVBrutto_KV != 0 || e.SVBrutto_RV != 0);
  const bool einmal = e.SonstigerBezug != 0;
  const bool einSV = e.SVBrutto_KV == e.SVBrutto_RV && e.Einmalzahlung_KV == e.Einmalzahlung_RV;
  svBrutto_.Text->setText(einSV ? QStringLiteral("SV-Brutto =") : QStringLiteral("SV-Brutto KV/PV ="));
  zeigen(svBrutto_, sv, e.SVBrutto_KV);
  zeigen(einmalKV_, sv && einmal, e.Einmalzahlung_KV);
  zeigen(svBruttoRV_, sv && !einSV, e.SVBrutto_RV);
  zeigen(einmalRV_, sv && einmal && !einSV, e.Einmalzahlung_RV);
  // What the liable part of a one-off is measured against: the pro-rated
  // ceilings.
  if (sv && einmal) {
    const auto grenze = [&](const QString& zweig, std::int64_t bbg) {
      return QStringLiteral("Anteilige Beitragsbemessungsgrenze %1: %2").arg(zweig, geld(bbg));
    };
    const QString kv = grenze(QStringLiteral("KV/PV"), e.AnteiligeBBG_KV);
    const QString rv = grenze(QStringLiteral("RV/AV"), e.AnteiligeBBG_RV);
    einmalKV_.Wert->setToolTip(einSV ? kv + QLatin1Char('\n') + rv : kv);
    einmalRV_.Wert->setToolTip(rv);
  }
  // The one-off's taxes are contained in the employee's taxes.
  zeigen(lstSonstig_, an && e.LSt_sonstig != 0, e.LSt_sonstig);
  zeigen(kistSonstig_, an && e.KiSt_sonstig != 0, e.KiSt_sonstig);
  zeigen(soliSonstig_, an && e.Soli_sonstig != 0, e.Soli_sonstig);
  maerzklausel_->setVisible(e.Maerzklausel);
  // Not paid out (the company car costs the employer no wage either); the
  // employer's subsidies in his cost.
  zeigen(gwvAbzug_, teile && e.GWV != 0, -e.GWV);
  zeigen(sachbezugAbzug_, teile && an && e.Sachbezug != 0, -e.Sachbezug);
  zeigen(entgeltumw_, teile && an && e.Entgeltumwandlung != 0, -e.Entgeltumwandlung);
  zeigen(bavZuschuss_, !an && e.BAVZuschuss_AG != 0, e.BAVZuschuss_AG);
  zeigen(bavZuschussAN_, an && e.BAVZuschuss_AG != 0, e.BAVZuschuss_AG);
  zeigen(pkvZuschussAG_, teile && !an && e.PKVZuschuss_AG != 0, e.PKVZuschuss_AG);
  // From the net wage to the payout.
  zeigen(pkvZuschussAN_, teile && an && e.PKVZuschuss_AG != 0, e.PKVZuschuss_AG);
  zeigen(vwlSpar_, teile && an && e.VWLSparbetrag != 0, -e.VWLSparbetrag);
  zeigen(kindergeld_, teile && an && e.Kindergeld != 0, e.Kindergeld);
  zeigen(auszahlung_, teile && an, e.Auszahlung);
  if (an) {
    ErgLohnSt->setText(geld(e.LSt));
    ErgKirchenSt->setText(geld(e.KiSt));
    ErgSoli->setText(geld(e.Soli));
    ErgSteuern->setText(geld(e.SteuerSumme));
    ErgNachSt->setText(geld(e.BruttoNachSteuer));
    ErgKV->setText(geld(e.KV.AN));
    ErgKV2->setText(geld(e.KV2.AN));
    ErgRV->setText(geld(e.RV.AN));
    ErgAV->setText(geld(e.AV.AN));
    ErgPV->setText(geld(e.PV.AN));
    ErgPV2->setText(geld(e.PV2.AN));
    ErgSV->setText(geld(e.SVSummeAN));
    ErgZusatz->setText(geld(e.SonstigeAbzuege));
    ErgNettoLohn->setText(geld(e.Netto));
    ErgKiGeld->setText(geld(e.Kindergeld));
    ErgKiGeldZwi->setText(geld(e.Auszahlung));
  } else {
    ErgLohnSt->setText(geld(e.LStPausch));
    ErgKirchenSt->setText(geld(e.KiStPausch));
    ErgSoli->setText(geld(e.SoliPausch));
    ErgSteuern->setText(geld(e.SteuerSummePausch));
    ErgNachSt->setText(geld(e.BruttoPlusPausch));
    ErgKV->setText(geld(e.KV.AG));
    ErgKV2->setText(geld(e.KV2.AG));
    ErgRV->setText(geld(e.RV.AG));
    ErgAV->setText(geld(e.AV.AG));
    ErgPV->setText(geld(e.PV.AG));
    ErgPV2->setText(geld(e.PV2.AG));
    ErgSV->setText(geld(e.SVSummeAG));
    ErgZusatz->clear();
    ErgNettoLohn->setText(geld(e.AGGesamt));
    ErgKiGeld->setText(geld(0));
    ErgKiGeldZwi->clear();
  }
  // The zone's bases in both views; the levies and the cost with them in the
  // employer's view of the years that have them.
  const bool zone = e.BE > 0;
  const bool zoneAN = e.BE_AN > 0;
  const bool umlagen = !an && s.Parameter.Regeln != nullptr && s.Parameter.R().PeriodenNachMonat;
  ErgBE->setText(zone ? geld(e.BE) : QString());
  ErgBEAN->setText(zoneAN ? geld(e.BE_AN) : QString());
  ErgU1->setText(geld(e.U1_AG));
  ErgU2->setText(geld(e.U2_AG));
  ErgIGU->setText(geld(e.IGU_AG));
  ErgUmlagenGesamt->setText(geld(e.AGGesamtUmlagen));
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtBE, ErgBE}) w->setVisible(zone);
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtBEAN, ErgBEAN}) w->setVisible(zoneAN);
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtU1, ErgU1, LTxtU2, ErgU2, LTxtIGU, ErgIGU, LTxtUmlagenGesamt,
                                                    ErgUmlagenGesamt})
    w->setVisible(umlagen);
  zeigt_ = false;
}

}  // namespace lst
