#include "ui/calculator/bmg_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calc/anzeige.h"
#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "common/qt/edit_cs.h"

namespace lst {

namespace {

const char* const kZeilen[4] = {"KV(/PV)", "RV", "AV", "GF"};

}  // namespace

TFBMG::TFBMG(const TDateiNamen& namen, QWidget* eltern) : QDialog(eltern), namen_(namen) {
  setObjectName(QStringLiteral("TFBMG"));
  setWindowTitle(QStringLiteral("Beitragsbemessungsgrenzen"));
  setModal(true);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TEditCS* ost[4];
  TEditCS* west[4];
  PageControl1->addTab(Seite(true, "TabSheet1", "POst", ost, 1), QStringLiteral("Ost"));
  PageControl1->addTab(Seite(false, "TabSheet2", "PWest", west, 5), QStringLiteral("West"));
  EKVOst = ost[0];
  ERVOst = ost[1];
  EAVOst = ost[2];
  EGFOst = ost[3];
  EKVWest = west[0];
  ERVWest = west[1];
  EAVWest = west[2];
  EGFWest = west[3];
  PageControl1->setCurrentIndex(1);

  BOK = new QPushButton(QStringLiteral("OK"), this);
  BOK->setObjectName(QStringLiteral("BOK"));
  BOK->setDefault(true);
  BCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  BCancel->setObjectName(QStringLiteral("BCancel"));
  connect(BOK, &QPushButton::clicked, this, [this] { BOKClick(); });
  connect(BCancel, &QPushButton::clicked, this, [this] { BCancelClick(); });

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch(1);
  knoepfe->addWidget(BOK);
  knoepfe->addWidget(BCancel);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(PageControl1);
  spalte->addLayout(knoepfe);
  setTabOrder(BOK, BCancel);

  Fuellen();
}

QWidget* TFBMG::Seite(bool ost, const char* name, const char* panelName, TEditCS** felder, int ersteLDM) {
  auto* seite = new QWidget;
  seite->setObjectName(QString::fromLatin1(name));
  auto* rahmen = new QVBoxLayout(seite);
  auto* panel = new QFrame(seite);
  panel->setObjectName(QString::fromLatin1(panelName));
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setAutoFillBackground(true);
  QPalette p = panel->palette();
  p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
  p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
  panel->setPalette(p);
  rahmen->addWidget(panel);

  auto* g = new QGridLayout(panel);
  g->setHorizontalSpacing(10);
  const QString region = ost ? QStringLiteral("Ost") : QStringLiteral("West");
  const char* const namen[4] = {"EKV", "ERV", "EAV", "EGF"};
  for (int i = 0; i < 4; ++i) {
    auto* e = new TEditCS(panel);
    e->setObjectName(QString::fromLatin1(namen[i]) + region);
    e->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern);
    e->SetZusZeichen(QStringLiteral(","));
    e->setMaxLength(13);
    e->SetAlignment(TEditCS::taRightJustify);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")) + 12);
    e->setAccessibleName(QStringLiteral("%1 %2").arg(QString::fromLatin1(kZeilen[i]), region));
    auto* l = new QLabel(QString::fromLatin1(kZeilen[i]), panel);
    l->setBuddy(e);
    auto* einheit = new QLabel(QStringLiteral("€ pro Monat"), panel);
    einheit->setObjectName(QStringLiteral("LDM%1").arg(ersteLDM + i));
    g->addWidget(l, i, 0);
    g->addWidget(e, i, 1);
    g->addWidget(einheit, i, 2);
    felder[i] = e;
  }
  g->setColumnStretch(3, 1);
  return seite;
}

void TFBMG::EinheitenSetzen(const QString& symbol) {
  for (QLabel* l : findChildren<QLabel*>())
    if (l->objectName().startsWith(QLatin1String("LDM"))) l->setText(symbol + QStringLiteral(" pro Monat"));
}

void TFBMG::Fuellen() {
  if (!Quelle) return;
  stand_ = Quelle();
  QLocale ort;
  ort.setNumberOptions(QLocale::OmitGroupSeparator);
  auto setzen = [&](TEditCS* e, TBBGArt art, TRegion r) {
    e->setText(ort.toString(AnzeigeWert(stand_.Jahr, stand_.Euro, stand_.Grenzen[art][r]), 'f', 2));
  };
  setzen(EKVOst, bbgKV, rgOst);
  setzen(ERVOst, bbgRV, rgOst);
  setzen(EAVOst, bbgAV, rgOst);
  setzen(EGFOst, bbgGF, rgOst);
  setzen(EKVWest, bbgKV, rgWest);
  setzen(ERVWest, bbgRV, rgWest);
  setzen(EAVWest, bbgAV, rgWest);
  setzen(EGFWest, bbgGF, rgWest);
  setWindowTitle(stand_.Monat > 0 ? QStringLiteral("Beitragsbemessungsgrenzen %1 %2")
                                        .arg(QString::fromUtf8(Monatsname(stand_.Monat)))
                                        .arg(stand_.Jahr)
                                  : QStringLiteral("Beitragsbemessungsgrenzen %1").arg(stand_.Jahr));
}

void TFBMG::showEvent(QShowEvent* ereignis) {
  Fuellen();
  QDialog::showEvent(ereignis);
}

void TFBMG::Melden(const QString& text) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

void TFBMG::BOKClick() {
  // A ceiling of 0 would silently remove every contribution: each field must
  // hold a positive amount the file can store.
  struct TFeld {
    TEditCS* Feld;
    int Zeile;
    int Seite;
  };
  const TFeld felder[] = {{EKVOst, 0, 0}, {ERVOst, 1, 0}, {EAVOst, 2, 0}, {EGFOst, 3, 0},
                          {EKVWest, 0, 1}, {ERVWest, 1, 1}, {EAVWest, 2, 1}, {EGFWest, 3, 1}};
  std::int64_t cent[8];
  for (int i = 0; i < 8; ++i) {
    const TFeld& f = felder[i];
    const double x = f.Feld->AsFloat();
    cent[i] = x > 0 ? InCent(stand_.Jahr, stand_.Euro, x) : 0;
    if (cent[i] <= 0 || cent[i] > kHoechsteGrenze) {
      PageControl1->setCurrentIndex(f.Seite);
      f.Feld->setFocus();
      f.Feld->selectAll();
      Melden(QStringLiteral("Bitte geben Sie für „%1“ auf der Seite „%2“ einen Betrag über 0 und "
                            "bis höchstens %3 ein.")
                 .arg(QString::fromLatin1(kZeilen[f.Zeile]),
                      f.Seite == 0 ? QStringLiteral("Ost") : QStringLiteral("West"),
                      QLocale().toString(AnzeigeWert(stand_.Jahr, stand_.Euro, kHoechsteGrenze), 'f', 2)));
      return;
    }
  }
  TBBGTabelle t{};
  for (int r = 0; r < 2; ++r) {
    const std::int64_t* c = cent + 4 * r;
    t[bbgKV][r] = c[0];
    t[bbgPV][r] = c[0];
    t[bbgRV][r] = c[1];
    t[bbgAV][r] = c[2];
    t[bbgGF][r] = c[3];
  }
  // OK saves at once, also when the settings are otherwise written at the end.
  // The ceilings left at the period's defaults are stored as the row's.
  if (stand_.Monat > 0) PeriodeWechseln(stand_.Jahr, stand_.Monat, 0, t);
  TNewIniFile ini = namen_.SaetzeDatei();
  const TBBGTabelle bisher = BBGLaden(ini, stand_.Jahr);
  if (!BBGSpeichern(ini, stand_.Jahr, t) || !ini.Speichern()) {
    // The ceilings in effect stay those of the settings in memory too.
    if (ini.Gehalten()) BBGSpeichern(ini, stand_.Jahr, bisher);
    Melden(QStringLiteral("Die Bemessungsgrenzen konnten nicht in die Datei\n%1\ngeschrieben werden. "
                          "Die bisher gespeicherten Werte bleiben erhalten.")
               .arg(QString::fromStdString(ini.FileName().string())));
    return;
  }
  if (Gespeichert) Gespeichert(BBGLaden(ini, stand_.Jahr));
  accept();
}

void TFBMG::BCancelClick() {
  Fuellen();
  reject();
}

}  // namespace lst
