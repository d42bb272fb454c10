#include "print/fenster/druck_optionen.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/qt/edit_cs.h"

namespace lst {

namespace {

constexpr int kKleinsteSchrift = 4;
constexpr int kGroessteSchrift = 72;

// A margin: digits only, two at most.
QLineEdit* RandFeld(QWidget* eltern, const char* name) {
  auto* e = new TEditCS(eltern);
  e->setObjectName(QString::fromLatin1(name));
  e->SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern);
  e->setMaxLength(2);
  e->SetAlignment(TEditCS::taRightJustify);
  e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  return e;
}

}  // namespace

TFDruckOptionen::TFDruckOptionen(druck::TDruckMaschine& maschine, std::string dateiName,
                                 QWidget* parent)
    : TFDruckOptionen(maschine, TNewIniFile(dateiName), parent) {}

TFDruckOptionen::TFDruckOptionen(druck::TDruckMaschine& maschine, TNewIniFile einstellungen,
                                 QWidget* parent)
    : QDialog(parent), maschine_(maschine), datei_(std::move(einstellungen)) {
  setObjectName(QStringLiteral("FDruckOptionen"));
  setWindowTitle(QStringLiteral("Druckoptionen"));
  setModal(true);

  auto* raender = new QGroupBox(QStringLiteral("Seitenr\u00e4nder"), this);
  auto* gitter = new QGridLayout(raender);
  EORand = RandFeld(raender, "EORand");
  ELRand = RandFeld(raender, "ELRand");
  ERRand = RandFeld(raender, "ERRand");
  const struct {
    const char16_t* Text;
    QLineEdit* Feld;
  } zeilen[] = {{u"Seitenrand &oben", EORand},
                {u"Seitenrand &links", ELRand},
                {u"Seitenrand &rechts", ERRand}};
  int zeile = 0;
  for (const auto& z : zeilen) {
    auto* titel = new QLabel(QString::fromUtf16(z.Text), raender);
    titel->setBuddy(z.Feld);
    gitter->addWidget(titel, zeile, 0);
    gitter->addWidget(z.Feld, zeile, 1);
    gitter->addWidget(new QLabel(QStringLiteral("[mm]"), raender), zeile, 2);
    ++zeile;
  }
  gitter->setColumnStretch(3, 1);

  auto* schriftBox = new QGroupBox(QStringLiteral("Schrift und Drucker"), this);
  auto* schriftLayout = new QVBoxLayout(schriftBox);
  LSchrift = new QLabel(schriftBox);
  LSchrift->setObjectName(QStringLiteral("LSchrift"));
  BFont = new QPushButton(QStringLiteral("&Standardschriftart..."), schriftBox);
  BFont->setObjectName(QStringLiteral("BFont"));
  BPrint = new QPushButton(QStringLiteral("&Drucker..."), schriftBox);
  BPrint->setObjectName(QStringLiteral("BPrint"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BFont);
  knoepfe->addWidget(BPrint);
  knoepfe->addStretch();
  schriftLayout->addWidget(LSchrift);
  schriftLayout->addLayout(knoepfe);

  auto* leiste = new QDialogButtonBox(this);
  BOK = new QPushButton(QStringLiteral("OK"), this);
  BOK->setObjectName(QStringLiteral("BOK"));
  BOK->setDefault(true);
  BCancel = new QPushButton(QStringLiteral("Abbrechen"), this);
  BCancel->setObjectName(QStringLiteral("BCancel"));
  leiste->addButton(BOK, QDialogButtonBox::AcceptRole);
  leiste->addButton(BCancel, QDialogButtonBox::RejectRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(raender);
  layout->addWidget(schriftBox);
  layout->addStretch();
  layout->addWidget(leiste);

  connect(BFont, &QPushButton::clicked, this, &TFDruckOptionen::BFontClick);
  connect(BPrint, &QPushButton::clicked, this, &TFDruckOptionen::BPrintClick);
  connect(BOK, &QPushButton::clicked, this, &TFDruckOptionen::BOKClick);
  connect(BCancel, &QPushButton::clicked, this, &TFDruckOptionen::BCancelClick);

  FormCreate();
}

TFDruckOptionen::~TFDruckOptionen() = default;

void TFDruckOptionen::FormCreate() {
  gespeichert_ = druck::DruckOptionenLesen(TNewIniFile(datei_));
  schrift_ = QFont(QString::fromStdString(gespeichert_.FontName), gespeichert_.FontSize);
  druckGroesse_ = gespeichert_.FontSize;
  maschine_.Schrift = schrift_;
  EORand->setText(QString::fromStdString(gespeichert_.ObRand));
  ELRand->setText(QString::fromStdString(gespeichert_.LiRand));
  ERRand->setText(QString::fromStdString(gespeichert_.ReRand));
  SchriftAnzeigen();
}

void TFDruckOptionen::showEvent(QShowEvent* e) {
  // Opened again after "Abbrechen": the stored margins, not what was typed.
  EORand->setText(QString::fromStdString(gespeichert_.ObRand));
  ELRand->setText(QString::fromStdString(gespeichert_.LiRand));
  ERRand->setText(QString::fromStdString(gespeichert_.ReRand));
  SchriftAnzeigen();
  QDialog::showEvent(e);
}

void TFDruckOptionen::SchriftAnzeigen() {
  LSchrift->setText(QStringLiteral("Schrift: %1, %2 pt")
                        .arg(maschine_.Schrift.family())
                        .arg(maschine_.Schrift.pointSize()));
}

QPrinter& TFDruckOptionen::Drucker() {
  if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *drucker_;
}

void TFDruckOptionen::BFontClick() {
  QFontDialog dialog(schrift_, this);
  dialog.setWindowTitle(QStringLiteral("Standardschriftart"));
  if (dialog.exec() != QDialog::Accepted) return;
  QFont f = dialog.selectedFont();
  if (f.pointSize() <= 0) f.setPointSize(druckGroesse_);
  f.setPointSize(std::clamp(f.pointSize(), kKleinsteSchrift, kGroessteSchrift));
  schrift_ = f;
  maschine_.Schrift = schrift_;
  SchriftAnzeigen();
}

void TFDruckOptionen::BPrintClick() {
  QPrintDialog dialog(&Drucker(), this);
  dialog.setWindowTitle(QStringLiteral("Drucker einrichten"));
  dialog.exec();
}

void TFDruckOptionen::BOKClick() {
  const struct {
    QLineEdit* Feld;
    const char* Name;
    int* Ziel;
  } raender[] = {{EORand, "Seitenrand oben", &maschine_.ObRand},
                 {ELRand, "Seitenrand links", &maschine_.LiRand},
                 {ERRand, "Seitenrand rechts", &maschine_.ReRand}};
  int mm[3] = {};
  for (int i = 0; i < 3; ++i) {
    const std::string fehler =
        druck::RandPruefen(raender[i].Feld->text().toStdString(), raender[i].Name, mm[i]);
    if (!fehler.empty()) {
      QMessageBox::warning(this, windowTitle(), QString::fromStdString(fehler));
      raender[i].Feld->setFocus();
      raender[i].Feld->selectAll();
      return;
    }
  }
  druck::TDruckOptionen neu;
  neu.ObRand = std::to_string(mm[0]);
  neu.LiRand = std::to_string(mm[1]);
  neu.ReRand = std::to_string(mm[2]);
  neu.FontName = schrift_.family().toStdString();
  neu.FontSize = std::clamp(schrift_.pointSize(), kKleinsteSchrift, kGroessteSchrift);
  TNewIniFile ini(datei_);
  if (!druck::DruckOptionenSchreiben(ini, neu)) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("Die Druckoptionen konnten nicht in \"%1\" gespeichert "
                                        "werden; sie gelten nur bis zum Programmende.")
                             .arg(QString::fromStdString(ini.FileName().string())));
  }
  gespeichert_ = neu;
  for (int i = 0; i < 3; ++i) *raender[i].Ziel = mm[i];
  druckGroesse_ = neu.FontSize;
  accept();
}

void TFDruckOptionen::BCancelClick() { reject(); }

}  // namespace lst
