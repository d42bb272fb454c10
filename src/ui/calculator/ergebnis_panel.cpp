// The result panel of the calculator window and the wish-net field.

#include "ui/calculator/ergebnis_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

#include <algorithm>

#include "calc/anzeige.h"
#include "calc/geld.h"
#include "common/qt/edit_cs.h"

namespace lst {

namespace {

const QColor kGruen(0x00, 0x80, 0x00);
const QColor kRot(0xFF, 0x00, 0x00);
const QColor kFuchsia(0xFF, 0x00, 0xFF);
const QColor kSchwarz(0x00, 0x00, 0x00);
const QColor kMarine(0x00, 0x00, 0x80);

const QString kLeerWert = QStringLiteral("-------------------------------");

}  // namespace

TErgebnisPanel::TErgebnisPanel(QWidget* eltern) : QFrame(eltern) {
  setObjectName(QStringLiteral("PErg"));
  setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(this);
  g->setVerticalSpacing(4);
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
    g->addWidget(l, z, 0);
    g->addWidget(wert, z, 1);
    ++z;
    return l;
  };
  auto abstand = [&] { g->setRowMinimumHeight(z++, fm.height() / 2); };

  zeile("LTxt1", QStringLiteral("Bruttolohn ="), ErgBruttoLohn, "ErgBruttoLohn", kGruen);
  // The reduced bases of the zone, shown only where they apply.
  LTxtBE = zeile("LTxtBE", QStringLiteral("Bemessungsentgelt ="), ErgBE, "ErgBE", kGruen);
  LTxtBEAN = zeile("LTxtBEAN", QStringLiteral("Bemessung AN-Anteil ="), ErgBEAN, "ErgBEAN", kGruen);
  abstand();
  const int steuernVon = z;
  LLoSt = zeile("LLoSt", QStringLiteral("Lohnsteuer ="), ErgLohnSt, "ErgLohnSt", kRot);
  zeile("LTxt3", QStringLiteral("Kirchensteuer ="), ErgKirchenSt, "ErgKirchenSt", kRot);
  zeile("LTxt4", QStringLiteral("Solidaritätsz. ="), ErgSoli, "ErgSoli", kRot);
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
  // The employer's levies (from 2014), not part of the contributions' sum.
  LTxtU1 = zeile("LTxtU1", QStringLiteral("Umlage U1 ="), ErgU1, "ErgU1", kRot);
  LTxtU2 = zeile("LTxtU2", QStringLiteral("Umlage U2 ="), ErgU2, "ErgU2", kRot);
  LTxtIGU = zeile("LTxtIGU", QStringLiteral("Insolvenzgeldumlage ="), ErgIGU, "ErgIGU", kRot);
  abstand();

  // The other deductions: their caption is the text typed under "Sonstige Abzüge".
  {
    auto* box = new QWidget(this);
    auto* reihe = new QHBoxLayout(box);
    reihe->setContentsMargins(0, 0, 0, 0);
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
    QPalette p = ErgZusatz->palette();
    p.setColor(QPalette::WindowText, kRot);
    ErgZusatz->setPalette(p);
    g->addWidget(box, z, 0);
    g->addWidget(ErgZusatz, z++, 1);
  }
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
    reihe->setContentsMargins(0, 0, 0, 0);
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

void TErgebnisPanel::Zeigen(const TAbrechnungsStand& s) {
  zeigt_ = true;
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
  ErgBruttoLohn->setText(geld(e.RE4));
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
