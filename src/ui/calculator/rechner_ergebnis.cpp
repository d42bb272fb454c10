// The result panel of the calculator window and the wish-net field.

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

#include <algorithm>
#include <exception>

#include "calc/anzeige.h"
#include "calc/berechnung.h"
#include "calc/jahresregeln.h"
#include "common/qt/edit_cs.h"
#include "ui/calculator/rechner.h"

namespace lst {

namespace {

const QColor kGruen(0x00, 0x80, 0x00);
const QColor kRot(0xFF, 0x00, 0x00);
const QColor kFuchsia(0xFF, 0x00, 0xFF);
const QColor kSchwarz(0x00, 0x00, 0x00);
const QColor kMarine(0x00, 0x00, 0x80);

const QString kLeerWert = QStringLiteral("-------------------------------");

}  // namespace

QWidget* TFRechner::ErgebnisPanelBauen() {
  PErg = new QFrame(this);
  PErg->setObjectName(QStringLiteral("PErg"));
  PErg->setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(PErg);
  g->setVerticalSpacing(4);
  g->setHorizontalSpacing(8);

  QFont fett = PErg->font();
  fett.setBold(true);
  QFontMetrics fm(fett);
  const int wertBreite = std::max(fm.horizontalAdvance(kLeerWert),
                                  fm.horizontalAdvance(QStringLiteral("99.999.999,99 EUR"))) + 8;

  LErg = new QLabel(QStringLiteral("Ergebnisse:"), PErg);
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
    auto* l = new QLabel(text, PErg);
    if (name != nullptr) l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert = new QLabel(kLeerWert, PErg);
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
    auto* box = new QWidget(PErg);
    auto* reihe = new QHBoxLayout(box);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->setSpacing(4);
    reihe->addStretch(1);
    ErgText = new QLabel(EZusText->text(), box);
    ErgText->setObjectName(QStringLiteral("ErgText"));
    auto* gleich = new QLabel(QStringLiteral("="), box);
    gleich->setObjectName(QStringLiteral("Label45"));
    reihe->addWidget(ErgText);
    reihe->addWidget(gleich);
    ErgZusatz = new QLabel(kLeerWert, PErg);
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
  LTxtWunsch = new QLabel(QStringLiteral("Wunsch-Nettolohn"), PErg);
  LTxtWunsch->setObjectName(QStringLiteral("LTxtWunsch"));
  LTxtWunsch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  ENettoLohn = new TEditCS(PErg);
  ENettoLohn->setObjectName(QStringLiteral("ENettoLohn"));
  ENettoLohn->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern | TEditCS::DezTrenn);
  ENettoLohn->setMaxLength(10);
  ENettoLohn->SetAlignment(TEditCS::taRightJustify);
  ENettoLohn->setFixedWidth(ENettoLohn->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")) + 12);
  ENettoLohn->setToolTip(QStringLiteral("Der Bruttolohn zu diesem Betrag wird gesucht"));
  ENettoLohn->setAccessibleName(QStringLiteral("Wunsch-Nettolohn"));
  LTxtWunsch->setBuddy(ENettoLohn);
  auto* ldmNetto = new QLabel(QStringLiteral("[€]"), PErg);
  ldmNetto->setObjectName(QStringLiteral("LDMNetto"));
  ldmNetto->setFont(fett);
  {
    auto* box = new QWidget(PErg);
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
    auto* linie = new QFrame(PErg);
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
  return PErg;
}

QString TFRechner::Geld(std::int64_t cent) {
  const double betrag = AusCent(k_, cent);
  return QLocale().toCurrencyString(betrag, QString::fromStdString(k_.Waehrung), 2);
}

void TFRechner::ErgebnisseZeigen() {
  inAnzeige_ = true;
  const bool an = k_.ArbeitnehmerSicht;
  // The amounts as shown: each line converted once, the sums formed from
  // the shown lines (calc/anzeige.h).
  const TAnzeigeErgebnis anzeige =
      AnzeigeErgebnis(k_, d_.Rechnung.LZ.RE4, d_.Ergebnis, d_.Rechnung.SonstigeAbzuege, d_.Rechnung.Zusatz);
  const TGesamtErgebnis& e = anzeige.Ergebnis;
  const TLStErgebnis& s = e.LSt;
  const TSVErgebnis& sv = e.SV;
  const QString symbol = QString::fromStdString(anzeige.Waehrung);
  const auto geld = [&](std::int64_t anzeigeCent) {
    return QLocale().toCurrencyString(static_cast<double>(anzeigeCent) / 100, symbol, 2);
  };
  if (an) {
    LLoSt->setText(QStringLiteral("Lohnsteuer ="));
    LErg->setText(QStringLiteral("Ergebnisse Arbeitnehmer:"));
    LTxtNetto->setText(QStringLiteral("Netto Lohn ="));
    LTxtWunsch->setText(QStringLiteral("Wunsch-Nettolohn"));
  } else {
    LLoSt->setText(d_.Rechnung.LSt.PauschSatzAG > 0 ? QStringLiteral("Pauschalsteuer =")
                                                  : QStringLiteral("Lohnsteuer ="));
    LErg->setText(QStringLiteral("Ergebnisse Arbeitgeber:"));
    LTxtNetto->setText(QStringLiteral("Lohnkosten ="));
    LTxtWunsch->setText(QStringLiteral("Plan-Lohnkosten"));
    LTxtEndsumme->setVisible(false);
  }
  ENettoLohn->setAccessibleName(LTxtWunsch->text());
  ErgBruttoLohn->setText(geld(anzeige.RE4));
  if (an) {
    ErgLohnSt->setText(geld(s.LSt));
    ErgKirchenSt->setText(geld(s.KiSt));
    ErgSoli->setText(geld(s.Soli));
    ErgSteuern->setText(geld(s.SteuerSumme));
    ErgNachSt->setText(geld(s.BruttoNachSteuer));
    ErgKV->setText(geld(sv.AN(svKV)));
    ErgKV2->setText(geld(sv.AN(svKV2)));
    ErgRV->setText(geld(sv.AN(svRV)));
    ErgAV->setText(geld(sv.AN(svAV)));
    ErgPV->setText(geld(sv.AN(svPV)));
    ErgPV2->setText(geld(sv.AN(svPV2)));
    ErgSV->setText(geld(sv.SVSummeAN()));
    ErgZusatz->setText(geld(anzeige.SonstigeAbzuege));
    ErgNettoLohn->setText(geld(e.Netto));
    ErgKiGeld->setText(geld(anzeige.Kindergeld));
    ErgKiGeldZwi->setText(geld(e.Auszahlung));
  } else {
    ErgLohnSt->setText(geld(s.LStPausch));
    ErgKirchenSt->setText(geld(s.KiStPausch));
    ErgSoli->setText(geld(s.SoliPausch));
    ErgSteuern->setText(geld(s.SteuerSummePausch));
    ErgNachSt->setText(geld(s.BruttoPlusPausch));
    ErgKV->setText(geld(sv.AG(svKV)));
    ErgKV2->setText(geld(sv.AG(svKV2)));
    ErgRV->setText(geld(sv.AG(svRV)));
    ErgAV->setText(geld(sv.AG(svAV)));
    ErgPV->setText(geld(sv.AG(svPV)));
    ErgPV2->setText(geld(sv.AG(svPV2)));
    ErgSV->setText(geld(sv.SVSummeAG()));
    ErgZusatz->clear();
    ErgNettoLohn->setText(geld(e.AGGesamt));
    ErgKiGeld->setText(geld(0));
    ErgKiGeldZwi->clear();
  }
  // The zone's bases in both views; the levies and the cost with them in the
  // employer's view of the years that have them.
  const bool zone = sv.BE > 0;
  const bool zoneAN = sv.BE_AN > 0;
  const bool umlagen = !an && JahresRegeln(k_.LStJahr).PeriodenNachMonat;
  ErgBE->setText(zone ? geld(sv.BE) : QString());
  ErgBEAN->setText(zoneAN ? geld(sv.BE_AN) : QString());
  ErgU1->setText(geld(sv.U1_AG));
  ErgU2->setText(geld(sv.U2_AG));
  ErgIGU->setText(geld(sv.IGU_AG));
  ErgUmlagenGesamt->setText(geld(e.AGGesamtUmlagen));
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtBE, ErgBE}) w->setVisible(zone);
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtBEAN, ErgBEAN}) w->setVisible(zoneAN);
  for (QWidget* w : std::initializer_list<QWidget*>{LTxtU1, ErgU1, LTxtU2, ErgU2, LTxtIGU, ErgIGU, LTxtUmlagenGesamt,
                                                    ErgUmlagenGesamt})
    w->setVisible(umlagen);

  // The windows that follow the calculation refresh now.
  emit Berechnet();
  inAnzeige_ = false;
}

void TFRechner::ENettoLohnChange() {
  if (inAnzeige_) return;
  EingabenSammeln();
  if (wunschBetrag_ <= 0) return;
  TLohnZeitraum lz = d_.Rechnung.LZ;
  lz.RE4 = wunschBetrag_;
  // The search judges the shown amount against the wish as typed, in cents
  // of the display currency.
  const std::int64_t wunsch = Runden(ENettoLohn->AsFloat() * 100);
  if (wunsch <= 0) return;
  TGesamtErgebnis erg;
  try {
    WunschBrutto(k_, k_.LStJahr, lz, d_.Rechnung.LSt, erg, wunsch, k_.ArbeitnehmerSicht,
                 d_.Rechnung.Zusatz, d_.Rechnung.SonstigeAbzuege, d_.Rechnung.SV);
  } catch (const std::exception& fehler) {
    Fehler(QString::fromStdString(fehler.what()));
    return;
  }
  d_.Rechnung.LZ.RE4 = lz.RE4;
  d_.Ergebnis = erg;
  ErgebnisseZeigen();
}

}  // namespace lst
