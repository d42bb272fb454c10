#include "ui/tools/lohnumr.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "geld/geld.h"
#include "calc/werkzeuge.h"
#include "common/qt/edit_cs.h"
#include "common/qt/platzierung.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"

namespace lst {

namespace {

QLabel* Benannt(const char* name, const QString& text, QWidget* eltern) {
  auto* l = new QLabel(text, eltern);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

}  // namespace

TFLohnUmr::TFLohnUmr(TRechnerSchnittstelle& rechner, TNewIniFile einstellungen, QWidget* eltern)
    : QDialog(eltern), rechner_(rechner), datei_(std::move(einstellungen)) {
  setObjectName(QStringLiteral("FLohnUmr"));
  setWindowTitle(QStringLiteral("Lohnumrechnungen"));
  setModal(false);

  auto* kopf = new QHBoxLayout;
  auto* label3 = Benannt("Label3", QStringLiteral("Arbeitsstunden pro Woche"), this);
  stunden_ = new TEditCS(this);
  stunden_->setObjectName(QStringLiteral("EWochenStd"));
  stunden_->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern);
  stunden_->SetZusZeichen(QStringLiteral(","));
  stunden_->SetAlignment(TEditCS::taRightJustify);
  stunden_->setMaxLength(10);
  stunden_->setText(QStringLiteral("38,5"));
  stunden_->setMaximumWidth(stunden_->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 16);
  label3->setBuddy(stunden_);
  kopf->addWidget(label3);
  kopf->addWidget(stunden_);
  kopf->addStretch();

  was_ = Benannt("LWas", QStringLiteral("Bruttolöhne pro:"), this);
  QFont fett = was_->font();
  fett.setBold(true);
  was_->setFont(fett);

  const auto ergebnis = [this](const char* name) {
    QLabel* l = Benannt(name, QStringLiteral("--------------"), this);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00 EUR")));
    return l;
  };
  jahr_ = ergebnis("ErgJahrLohn");
  monat_ = ergebnis("ErgMonatsLohn");
  stunde_ = ergebnis("ErgStundenlohn");
  woStd_ = Benannt("LWoStd", QString(), this);

  auto* raster = new QGridLayout;
  raster->addWidget(Benannt("Label1", QStringLiteral("Jahr="), this), 0, 0, Qt::AlignRight);
  raster->addWidget(jahr_, 0, 1);
  raster->addWidget(Benannt("Label5", QStringLiteral("365 Tage"), this), 0, 2);
  raster->addWidget(Benannt("Label2", QStringLiteral("Monat="), this), 1, 0, Qt::AlignRight);
  raster->addWidget(monat_, 1, 1);
  raster->addWidget(Benannt("Label6", QStringLiteral("Jahr / 12"), this), 1, 2);
  raster->addWidget(Benannt("Label4", QStringLiteral("Stunde="), this), 2, 0, Qt::AlignRight);
  raster->addWidget(stunde_, 2, 1);
  auto* formel = new QHBoxLayout;
  formel->setSpacing(4);
  formel->addWidget(Benannt("Label7", QStringLiteral("Jahr / 52 /"), this));
  formel->addWidget(woStd_);
  formel->addStretch();
  raster->addLayout(formel, 2, 2);
  raster->setColumnStretch(1, 1);
  raster->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QStringLiteral("Jahr / 52 / 0000,00")));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(kopf);
  layout->addWidget(was_);
  layout->addLayout(raster);
  layout->addStretch();

  connect(stunden_, &QLineEdit::textChanged, this, &TFLohnUmr::EWochenStdChange);
  adjustSize();
  RestorePlacement(this, datei_, kPlatzAlles);
  EWochenStdChange();
}

TFLohnUmr::~TFLohnUmr() { SavePlacement(this, datei_); }

void TFLohnUmr::EWochenStdChange() {
  woStd_->setText(stunden_->text());
  Umrechnen();
}

void TFLohnUmr::Umrechnen() {
  // The gross wage of the calculation shown, in the employer's view its
  // wage cost.
  const TAbrechnungsStand& s = rechner_.Stand();
  std::int64_t betrag = 0;
  if (s.ArbeitnehmerSicht) {
    was_->setText(QStringLiteral("Bruttolöhne pro:"));
    betrag = s.Ergebnis.RE4;
  } else {
    was_->setText(QStringLiteral("Lohnkosten pro:"));
    betrag = s.Ergebnis.AGGesamt;
  }
  const int index = s.Anfrage.LZZ - 1;
  const TLohnUmrechnung u = LohnUmrechnen(betrag, index, stunden_->AsFloat());
  const int jahr = s.Parameter.Jahr;
  // The cents of month and hour carry fractions; shown to the cent.
  stunde_->setText(u.Stunde ? GeldText(jahr, s.Euro, Runden(*u.Stunde)) : QStringLiteral("Stunden falsch!"));
  jahr_->setText(GeldText(jahr, s.Euro, u.Jahr));
  monat_->setText(GeldText(jahr, s.Euro, Runden(u.Monat)));
}

void TFLohnUmr::hideEvent(QHideEvent* ereignis) {
  QDialog::hideEvent(ereignis);
  if (!ereignis->spontaneous()) emit Geschlossen();
}

}  // namespace lst
