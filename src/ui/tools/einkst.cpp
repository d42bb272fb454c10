#include "ui/tools/einkst.h"

#include <QButtonGroup>
#include <QHideEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/werkzeuge.h"
#include "common/qt/edit_cs.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"

namespace lst {

namespace {

QLabel* Ergebnisfeld(const char* name, QWidget* eltern) {
  auto* l = new QLabel(QStringLiteral("--------------"), eltern);
  l->setObjectName(QString::fromLatin1(name));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("0.000.000.000,00 EUR")));
  return l;
}

}  // namespace

TFEinkSt::TFEinkSt(TRechnerSchnittstelle& rechner, QWidget* eltern) : QDialog(eltern), rechner_(rechner) {
  setObjectName(QStringLiteral("FEinkSt"));
  setWindowTitle(QStringLiteral("Tarifliche Einkommensteuer"));
  setModal(false);

  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(QStringLiteral("nach § 32a EStG"), this));
  kopf->addStretch();
  auto* proJahr = new QLabel(QStringLiteral("Alle Werte pro Jahr!"), this);
  QFont fett = proJahr->font();
  fett.setBold(true);
  proJahr->setFont(fett);
  kopf->addWidget(proJahr);

  auto* eingabe = new QHBoxLayout;
  auto* titel = new QLabel(QStringLiteral("zu versteuerndes Einkommen"), this);
  lohn_ = new TEditCS(this);
  lohn_->setObjectName(QStringLiteral("ELohn"));
  lohn_->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern);
  lohn_->SetZusZeichen(QStringLiteral(","));
  lohn_->SetAlignment(TEditCS::taRightJustify);
  lohn_->setMaxLength(10);
  titel->setBuddy(lohn_);
  // The unit of the amount fields: the display currency, as in the calculator.
  auto* einheit =
      new QLabel(QStringLiteral("[%1]").arg(QString::fromLatin1(Waehrungszeichen(rechner.Stand().Euro))), this);
  einheit->setObjectName(QStringLiteral("LDMBrutto"));
  eingabe->addWidget(titel);
  eingabe->addWidget(lohn_, 1);
  eingabe->addWidget(einheit);

  auto* gruppe = new QGroupBox(this);
  gruppe->setObjectName(QStringLiteral("RGSplitting"));
  auto* grund = new QRadioButton(QStringLiteral("Grundtabelle"), gruppe);
  auto* split = new QRadioButton(QStringLiteral("Splittingtabelle"), gruppe);
  grund->setChecked(true);
  auto* gruppenLayout = new QHBoxLayout(gruppe);
  gruppenLayout->addWidget(grund);
  gruppenLayout->addWidget(split);
  splitting_ = new QButtonGroup(this);
  splitting_->addButton(grund, 0);
  splitting_->addButton(split, 1);

  auto* ergebnisse = new QFormLayout;
  ergebnisse->setLabelAlignment(Qt::AlignRight);
  ergSteuern_ = Ergebnisfeld("ErgSteuern", this);
  ergSoli_ = Ergebnisfeld("ErgSoli", this);
  ergKiSt_ = Ergebnisfeld("ErgKiSt", this);
  ergGesamt_ = Ergebnisfeld("ErgGesamt", this);
  ergNachSt_ = Ergebnisfeld("ErgNachSt", this);
  ergebnisse->addRow(QStringLiteral("Tarifliche Einkommensteuer= "), ergSteuern_);
  ergebnisse->addRow(QStringLiteral("Soli= "), ergSoli_);
  ergebnisse->addRow(QStringLiteral("KiSt= "), ergKiSt_);
  ergebnisse->addRow(QStringLiteral("Gesamt= "), ergGesamt_);
  ergebnisse->addRow(QStringLiteral("nach Steuern= "), ergNachSt_);
  QFont gesamtFett = ergGesamt_->font();
  gesamtFett.setBold(true);
  ergNachSt_->setFont(gesamtFett);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kopf);
  layout->addLayout(eingabe);
  layout->addWidget(gruppe);
  layout->addLayout(ergebnisse);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Only the user's typing and clicks recompute; the take-over computes itself.
  connect(lohn_, &QLineEdit::textEdited, this, &TFEinkSt::CalcEinkSt);
  connect(splitting_, &QButtonGroup::idClicked, this, &TFEinkSt::CalcEinkSt);
}

void TFEinkSt::EinheitSetzen() {
  if (auto* einheit = findChild<QLabel*>(QStringLiteral("LDMBrutto")))
    einheit->setText(QStringLiteral("[%1]").arg(QString::fromLatin1(Waehrungszeichen(rechner_.Stand().Euro))));
}

void TFEinkSt::SetzeAusRechner(std::uint8_t stkl) {
  EinheitSetzen();
  stkl_ = stkl;
  // The taxable income of the calculation's tariff step, and its tariff.
  const TAbrechnungsStand& s = rechner_.Stand();
  const int kztab = s.Ergebnis.KZTAB == 2 ? 2 : 1;
  const double einkommen =
      AnzeigeWert(s.Parameter.Jahr, s.Euro, static_cast<std::int64_t>(s.Ergebnis.TarifX * 100 * kztab));
  lohn_->setText(AnzeigeLocale().toString(einkommen, 'f', 2).remove(AnzeigeLocale().groupSeparator()));
  splitting_->button(kztab - 1)->setChecked(true);
  CalcEinkSt();
}

void TFEinkSt::CalcEinkSt() {
  const TAbrechnungsStand& s = rechner_.Stand();
  const int jahr = s.Parameter.Jahr;
  const std::uint8_t kztab = static_cast<std::uint8_t>(splitting_->checkedId() == 1 ? 2 : 1);
  const std::int64_t einkommen = Abschneiden(static_cast<double>(InCent(jahr, s.Euro, lohn_->AsFloat())) / 100);
  const TEinkommensteuer e = EinkommensteuerJahr(s.Parameter, s.Anfrage, stkl_, kztab, einkommen);
  // As shown: each line converted once, total and remainder from the shown lines.
  const TEStAnzeige a = AnzeigeEinkommensteuer(jahr, s.Euro, einkommen, e);
  const auto geld = [&](std::int64_t anzeigeCent) { return GeldText(s.Euro, static_cast<double>(anzeigeCent) / 100); };
  ergSteuern_->setText(geld(a.Steuer));
  ergSoli_->setText(geld(a.Soli));
  ergKiSt_->setText(geld(a.KiSt));
  ergGesamt_->setText(geld(a.Gesamt));
  ergNachSt_->setText(geld(a.NachSteuern));
}

void TFEinkSt::hideEvent(QHideEvent* ereignis) {
  QDialog::hideEvent(ereignis);
  if (!ereignis->spontaneous()) emit Geschlossen();
}

}  // namespace lst
