#include "print/fenster/druck_menue.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>

#include "print/fenster/druck_optionen.h"

namespace lst {

TDruckSteuerung::TDruckSteuerung(TDruckQuelle& rechner, druck::TDruckMaschine& maschine,
                                 TFDruckOptionen& optionen, QObject* parent)
    : QObject(parent), rechner_(rechner), maschine_(maschine), optionen_(optionen) {
  PdfDateiFragen = [this]() {
    return QFileDialog::getSaveFileName(
        rechner_.Fenster(), QStringLiteral("Kein Drucker eingerichtet \u2013 Ausdruck als PDF speichern"),
        QDir::home().filePath(QStringLiteral("Lohnsteuerberechnung.pdf")),
        QStringLiteral("PDF-Dateien (*.pdf)"));
  };
  DruckerVorhanden = []() { return !QPrinterInfo::availablePrinters().isEmpty(); };
}

bool TDruckSteuerung::Anbinden() {
  QWidget* f = rechner_.Fenster();
  if (!f) return false;
  QAction* drucken = rechner_.DruckenAktion();
  QAction* drucker = rechner_.DruckerAktion();
  if (drucker) {
    drucker->setEnabled(true);
    connect(drucker, &QAction::triggered, this, &TDruckSteuerung::Drucker1Click);
  }
  if (!drucken) return false;
  drucken->setEnabled(true);
  if (drucken->shortcut().isEmpty()) drucken->setShortcut(QKeySequence::Print);
  connect(drucken, &QAction::triggered, this, &TDruckSteuerung::Drucken1Click);

  if (vorschau_ == nullptr) {
    auto* vorschau = new QAction(QStringLiteral("Druck&vorschau..."), f);
    vorschau_ = vorschau;
    vorschau->setObjectName(QStringLiteral("Druckvorschau1"));
    connect(vorschau, &QAction::triggered, this, &TDruckSteuerung::Druckvorschau1Click);
    // Into every menu that holds "&Drucken", just below it.
    for (QObject* o : drucken->associatedObjects()) {
      auto* menue = qobject_cast<QMenu*>(o);
      if (!menue) continue;
      const auto aktionen = menue->actions();
      const int i = aktionen.indexOf(drucken);
      menue->insertAction(i >= 0 && i + 1 < aktionen.size() ? aktionen[i + 1] : nullptr, vorschau);
    }
  }
  return true;
}

druck::TDruckAngaben TDruckSteuerung::Angaben() const {
  return druck::DruckAngabenFuer(rechner_.Stand());
}

void TDruckSteuerung::Meldung(const QString& text) {
  QMessageBox::warning(rechner_.Fenster(), QStringLiteral("Drucken"), text);
}

bool TDruckSteuerung::PdfSpeichern(const QString& datei) {
  return druck::RechnungAlsPdf(maschine_, datei, Angaben(), rechner_.Stand(),
                               optionen_.DruckSchriftGroesse());
}

void TDruckSteuerung::Drucken1Click() {
  QPrinter& drucker = optionen_.Drucker();
  const bool inDatei = drucker.outputFormat() == QPrinter::PdfFormat;
  if (!DruckerVorhanden() && !(inDatei && !drucker.outputFileName().isEmpty())) {
    QString datei = PdfDateiFragen();
    if (datei.isEmpty()) return;
    if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) datei += QStringLiteral(".pdf");
    if (!PdfSpeichern(datei)) {
      Meldung(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.")
                  .arg(QDir::toNativeSeparators(datei)));
    }
    return;
  }
  const druck::TDruckAngaben a = Angaben();
  drucker.setDocName(a.Titel);
  if (!druck::RechnungDrucken(maschine_, drucker, a, rechner_.Stand(),
                              optionen_.DruckSchriftGroesse())) {
    Meldung(QStringLiteral("Der Ausdruck konnte nicht gedruckt werden (Drucker \"%1\").")
                .arg(drucker.printerName()));
  }
}

void TDruckSteuerung::Druckvorschau1Click() {
  QPrintPreviewDialog vorschau(&optionen_.Drucker(), rechner_.Fenster());
  vorschau.setObjectName(QStringLiteral("FDruckvorschau"));
  vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
  connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
    const druck::TDruckAngaben a = Angaben();
    p->setDocName(a.Titel);
    druck::RechnungDrucken(maschine_, *p, a, rechner_.Stand(),
                           optionen_.DruckSchriftGroesse());
  });
  vorschau.resize(900, 1000);
  vorschau.exec();
}

void TDruckSteuerung::Drucker1Click() { optionen_.exec(); }

}  // namespace lst
