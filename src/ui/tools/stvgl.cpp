#include "ui/tools/stvgl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/anzeige.h"
#include "calc/fehler.h"
#include "common/qt/edit_cs.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"

namespace lst {

namespace {

TEditCS* Betragsfeld(const char* name, QWidget* eltern, int zeichen = 10) {
  auto* e = new TEditCS(eltern);
  e->setObjectName(QString::fromLatin1(name));
  e->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern);
  e->SetZusZeichen(QStringLiteral(","));
  e->SetAlignment(TEditCS::taRightJustify);
  e->setMaxLength(zeichen);
  return e;
}

QLabel* Ergebnisfeld(const char* name, QWidget* eltern) {
  auto* l = new QLabel(QStringLiteral("0,00 €"), eltern);
  l->setObjectName(QString::fromLatin1(name));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00 EUR")));
  return l;
}

}  // namespace

TFStVgl::TFStVgl(TRechnerSchnittstelle& rechner, QWidget* eltern)
    : QDialog(eltern), rechner_(rechner) {
  setObjectName(QStringLiteral("FStVgl"));
  setWindowTitle(QStringLiteral("Vergleich Steuerklassen"));
  setModal(false);

  auto* eingaben = new QGridLayout;
  auto* label1 = new QLabel(QStringLiteral("Arbeitnehmer"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  auto* label2 = new QLabel(QStringLiteral("Ehegatte"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  for (QLabel* l : {label1, label2}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
  }
  eingaben->addWidget(label1, 0, 1);
  eingaben->addWidget(label2, 0, 2);

  an_ = {Betragsfeld("EStPflAN", this), Betragsfeld("EFreiAN", this), Betragsfeld("EVersBezAN", this),
         Betragsfeld("EAnzKiAN", this, 4), new QCheckBox(this)};
  eg_ = {Betragsfeld("EStPflEG", this), Betragsfeld("EFreiEG", this), Betragsfeld("EVersBezEG", this),
         Betragsfeld("EAnzKiEG", this, 4), new QCheckBox(this)};
  an_.VersFrei->setObjectName(QStringLiteral("CBVFrAN"));
  eg_.VersFrei->setObjectName(QStringLiteral("CBVFrEG"));
  const char* zeilen[] = {"StPfl Brutto Lohn", "Freibetrag", "Versorgungsbezüge", "Anzahl der Kinder",
                          "Versicherungsfrei"};
  for (int i = 0; i < 5; ++i) {
    auto* titel = new QLabel(QString::fromUtf8(zeilen[i]), this);
    eingaben->addWidget(titel, i + 1, 0);
  }
  int zeile = 1;
  for (TEditCS* TSpalte::*feld : {&TSpalte::Brutto, &TSpalte::Frei, &TSpalte::VersBez}) {
    eingaben->addWidget(an_.*feld, zeile, 1);
    eingaben->addWidget(eg_.*feld, zeile, 2);
    ++zeile;
  }
  // The children fields are narrow.
  for (TEditCS* e : {an_.Kinder, eg_.Kinder}) {
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00,00")) + 16);
  }
  eingaben->addWidget(an_.Kinder, 4, 1, Qt::AlignRight);
  eingaben->addWidget(eg_.Kinder, 4, 2, Qt::AlignRight);
  eingaben->addWidget(an_.VersFrei, 5, 1, Qt::AlignRight);
  eingaben->addWidget(eg_.VersFrei, 5, 2, Qt::AlignRight);

  auto* lzzKopf = new QLabel(QStringLiteral("LZZ"), this);
  lzzKopf->setAlignment(Qt::AlignCenter);
  lzz_ = new QComboBox(this);
  lzz_->setObjectName(QStringLiteral("CLZZ"));
  lzz_->addItems({QStringLiteral("Jahr"), QStringLiteral("Monat"), QStringLiteral("Woche"), QStringLiteral("Tag")});
  lzz_->setCurrentIndex(1);
  lzzKopf->setBuddy(lzz_);
  eingaben->addWidget(lzzKopf, 0, 3);
  eingaben->addWidget(lzz_, 1, 3);
  eingaben->setColumnStretch(1, 1);
  eingaben->setColumnStretch(2, 1);

  auto* linie = new QFrame(this);
  linie->setFrameShape(QFrame::HLine);
  linie->setFrameShadow(QFrame::Sunken);

  auto* ergebnisse = new QGridLayout;
  const char* koepfe[] = {"Arbeitnehmer", "Ehegatte", "Summe"};
  for (int i = 0; i < 3; ++i) {
    auto* k = new QLabel(QString::fromLatin1(koepfe[i]), this);
    k->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = k->font();
    f.setBold(true);
    k->setFont(f);
    ergebnisse->addWidget(k, 0, i + 1);
  }
  l35AN_ = Ergebnisfeld("L35AN", this);
  l44AN_ = Ergebnisfeld("L44AN", this);
  l53AN_ = Ergebnisfeld("L53AN", this);
  l35EG_ = Ergebnisfeld("L35EG", this);
  l44EG_ = Ergebnisfeld("L44EG", this);
  l53EG_ = Ergebnisfeld("L53EG", this);
  l35Sum_ = Ergebnisfeld("L35Sum", this);
  l44Sum_ = Ergebnisfeld("L44Sum", this);
  l53Sum_ = Ergebnisfeld("L53Sum", this);
  QLabel* felder[3][3] = {{l35AN_, l35EG_, l35Sum_}, {l44AN_, l44EG_, l44Sum_}, {l53AN_, l53EG_, l53Sum_}};
  const char* kombis[] = {"3/5", "4/4", "5/3"};
  for (int i = 0; i < 3; ++i) {
    ergebnisse->addWidget(new QLabel(QStringLiteral("Lohnsteuer bei Steuerklassen %1").arg(QLatin1String(kombis[i])), this),
                          i + 1, 0);
    for (int j = 0; j < 3; ++j) ergebnisse->addWidget(felder[i][j], i + 1, j + 1);
  }
  ergebnisse->setColumnStretch(0, 1);

  ergText_ = new QLabel(QStringLiteral("Die günstigste Kombination ist "), this);
  ergText_->setObjectName(QStringLiteral("LErgText"));
  QFont fett = ergText_->font();
  fett.setBold(true);
  ergText_->setFont(fett);

  auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
  schliessen->setObjectName(QStringLiteral("BClose"));
  schliessen->setAutoDefault(false);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
  auto* unten = new QHBoxLayout;
  unten->addWidget(ergText_, 1);
  unten->addWidget(schliessen);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(eingaben);
  layout->addWidget(linie);
  layout->addLayout(ergebnisse);
  layout->addSpacing(6);
  layout->addLayout(unten);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  for (const TSpalte* s : {&an_, &eg_}) {
    for (TEditCS* e : {s->Brutto, s->Frei, s->VersBez, s->Kinder}) {
      connect(e, &QLineEdit::textChanged, this, &TFStVgl::FieldChng);
    }
    connect(s->VersFrei, &QCheckBox::toggled, this, &TFStVgl::FieldChng);
  }
  connect(lzz_, &QComboBox::currentIndexChanged, this, &TFStVgl::FieldChng);
}

void TFStVgl::FieldChng() { CalcVgl(); }

void TFStVgl::BetraegeUmrechnen(double faktor) {
  QLocale ort = AnzeigeLocale();
  ort.setNumberOptions(QLocale::OmitGroupSeparator);
  for (const TSpalte* s : {&an_, &eg_}) {
    for (TEditCS* e : {s->Brutto, s->Frei, s->VersBez}) {
      if (e->text().trimmed().isEmpty()) continue;
      const bool vorher = e->blockSignals(true);
      e->setText(ort.toString(e->AsFloat() * faktor, 'f', 2));
      e->blockSignals(vorher);
    }
  }
}

TVergleichPerson TFStVgl::Person(const TSpalte& s) const {
  const TAbrechnungsStand& stand = rechner_.Stand();
  const auto cent = [&](const TEditCS* e) { return InCent(stand.Parameter.Jahr, stand.Euro, e->AsFloat()); };
  TVergleichPerson p;
  p.Brutto = cent(s.Brutto);
  p.Freibetrag = cent(s.Frei);
  p.Versorgungsbezug = cent(s.VersBez);
  p.Kinder = s.Kinder->AsFloat();
  p.Versicherungsfrei = s.VersFrei->isChecked();
  return p;
}

void TFStVgl::CalcVgl() {
  // The couple's shared inputs as the calculator window's calculation has
  // them.
  const TAbrechnungsStand& s = rechner_.Stand();
  const TDatensaetze d = Aufbereiten(s.Parameter, s.Anfrage);
  TVergleichEingabe e;
  e.Altersentlastung = d.LSt.ALTER1;
  e.Bekenntnislos = d.LSt.Bekenntnislos;
  e.LZZ = static_cast<std::uint8_t>(std::max(lzz_->currentIndex(), 0) + 1);
  e.Region = d.SV.Region;
  e.AN = Person(an_);
  e.EG = Person(eg_);
  try {
    ergebnis_ = SteuerklassenVergleichen(s.Parameter, s.Anfrage, e);
  } catch (const TLStFehler& f) {
    ergText_->setText(QString::fromStdString(f.what()));
    return;
  }
  // Shown amounts: the sums and the verdict from the shown columns.
  const TVergleichErgebnis r = AnzeigeVergleich(s.Parameter.Jahr, s.Euro, ergebnis_);
  const auto geld = [&](std::int64_t anzeigeCent) { return GeldText(s.Euro, static_cast<double>(anzeigeCent) / 100); };
  l35AN_->setText(geld(r.AN3));
  l44AN_->setText(geld(r.AN4));
  l53AN_->setText(geld(r.AN5));
  l35EG_->setText(geld(r.EG5));
  l44EG_->setText(geld(r.EG4));
  l53EG_->setText(geld(r.EG3));
  l35Sum_->setText(geld(r.Summe35()));
  l44Sum_->setText(geld(r.Summe44()));
  l53Sum_->setText(geld(r.Summe53()));
  ergText_->setText(QStringLiteral("Die günstigste Kombination ist ") +
                    QString::fromLatin1(KombinationText(r.Guenstigste)));
}

}  // namespace lst
