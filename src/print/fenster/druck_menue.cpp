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

namespace {

// Reads the window's controls by name.
class TFensterLeser {
 public:
  explicit TFensterLeser(QWidget* f) : f_(f) {}

  QWidget* Element(const char* name) const {
    return f_ ? f_->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
  }

  // The text a control shows: an edit's text, a list's selected item, a
  // label's caption.
  void Text(const char* name, QString& ziel) const {
    QWidget* w = Element(name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) ziel = e->text();
    else if (auto* c = qobject_cast<QComboBox*>(w)) ziel = c->currentText();
    else if (auto* l = qobject_cast<QLabel*>(w)) ziel = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) ziel = b->text();
  }
  void Index(const char* name, int& ziel) const {
    if (auto* c = qobject_cast<QComboBox*>(Element(name))) ziel = c->currentIndex();
  }
  void Haken(const char* name, bool& ziel) const {
    if (auto* b = qobject_cast<QAbstractButton*>(Element(name))) ziel = b->isChecked();
  }
  void AktivUndHaken(const char* name, bool& ziel) const {
    if (auto* b = qobject_cast<QAbstractButton*>(Element(name))) {
      ziel = b->isEnabled() && b->isChecked();
    }
  }
  // Visible in the window (whether the window itself is shown or not).
  void Sichtbar(const char* name, bool& ziel) const {
    if (QWidget* w = Element(name)) ziel = w->isVisibleTo(f_);
  }
  // The selected item of a radio group: a button group or a box of radio
  // buttons of that name.
  void Auswahl(const char* name, QString& ziel) const {
    if (!f_) return;
    const QString n = QString::fromLatin1(name);
    if (auto* g = f_->findChild<QButtonGroup*>(n)) {
      if (g->checkedButton()) ziel = g->checkedButton()->text();
      return;
    }
    if (QWidget* w = Element(name)) {
      for (auto* r : w->findChildren<QRadioButton*>()) {
        if (r->isChecked()) ziel = r->text();
      }
    }
  }

 private:
  QWidget* f_;
};

QString OhneKuerzel(QString s) { return s.remove(QLatin1Char('&')); }

}  // namespace

druck::TDruckAngaben DruckAngabenAusFenster(QWidget* fenster, const TRechenKontext& k,
                                            const TRechnerDaten& d) {
  druck::TDruckAngaben a;
  const TFensterLeser l(fenster);
  a.Titel = fenster && !fenster->windowTitle().isEmpty()
                ? fenster->windowTitle()
                : QStringLiteral("Lohnsteuerberechnung %1").arg(k.LStJahr);

  a.LZZIndex = d.LohnZeitraum.LZZ - 1;
  l.Index("CBLZZ", a.LZZIndex);
  a.Lohnzahlungszeitraum = druck::ZeitraumText(a.LZZIndex);
  l.Text("CBLZZ", a.Lohnzahlungszeitraum);
  static const char* const kKlassen[] = {"I", "II", "III", "IV", "V", "VI"};
  a.Steuerklasse = QString::fromLatin1(kKlassen[std::clamp<int>(d.LStEingabe.STKL, 1, 6) - 1]);
  l.Text("CBStKl", a.Steuerklasse);
  a.Faktorverfahren = d.LStEingabe.af;
  l.Haken("cbAF", a.Faktorverfahren);
  l.Text("edFaktor", a.Faktor);
  a.Bekenntnislos = d.LStEingabe.Bekenntnislos;
  l.Haken("CBR", a.Bekenntnislos);
  l.Text("cbKirchenSt", a.Kirchensteuer);
  a.Altersentlastung = d.LStEingabe.ALTER1;
  l.Haken("CBAlter", a.Altersentlastung);
  a.TabArt = d.LStEingabe.TabArt;
  l.Index("cbTabArt", a.TabArt);
  l.Text("EVersBez", a.Versorgungsbezuege);
  l.Text("EVBezM", a.VersorgungJanuar);
  l.Text("EVBezS", a.VersorgungSonder);
  l.Text("EZMVB", a.VersorgungMonate);
  l.Text("EFreibetrag", a.Freibetrag);
  l.Text("EHinzuR", a.Hinzurechnung);
  l.Text("edSterbe", a.Sterbegeld);
  l.Text("E_ZKF", a.Kinder);
  QString region = d.SVEingabe.Region == 0 ? QStringLiteral("Ost") : QStringLiteral("West");
  l.Auswahl("RGOstWest", region);
  a.Region = OhneKuerzel(region) == QStringLiteral("Ost") ? 0 : 1;
  l.Haken("CBGF", a.GF);
  a.GFSichtbar = true;
  l.Sichtbar("CBGF", a.GFSichtbar);
  l.Sichtbar("PanGF", a.GFSichtbar);
  l.AktivUndHaken("CBAufst", a.AufstockungAn);
  l.Sichtbar("CBAufst", a.AufstockungSichtbar);
  l.Text("EAufProz", a.AufstockungProzent);
  a.Privat = d.SVEingabe.PKV != 0;
  l.Haken("cbPriv", a.Privat);
  l.Text("EPVWert", a.PrivatBetrag);

  l.Text("LTxt1", a.LTxt1);
  l.Text("LLoSt", a.LLoSt);
  l.Text("LTxt3", a.LTxt3);
  l.Text("LTxt4", a.LTxt4);
  l.Text("LTxt5", a.LTxt5);
  l.Text("LTxt6", a.LTxt6);
  l.Text("LTxt13", a.LTxt13);
  l.Text("ErgText", a.ErgText);
  l.Text("ErgZusatz", a.ErgZusatz);
  return a;
}

TDruckSteuerung::TDruckSteuerung(TRechnerSchnittstelle& rechner, druck::TDruckMaschine& maschine,
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
  auto* drucken = f->findChild<QAction*>(QStringLiteral("Drucken1"));
  auto* drucker = f->findChild<QAction*>(QStringLiteral("Drucker1"));
  if (drucker) {
    drucker->setEnabled(true);
    connect(drucker, &QAction::triggered, this, &TDruckSteuerung::Drucker1Click);
  }
  if (!drucken) return false;
  drucken->setEnabled(true);
  if (drucken->shortcut().isEmpty()) drucken->setShortcut(QKeySequence::Print);
  connect(drucken, &QAction::triggered, this, &TDruckSteuerung::Drucken1Click);

  if (!f->findChild<QAction*>(QStringLiteral("Druckvorschau1"))) {
    auto* vorschau = new QAction(QStringLiteral("Druck&vorschau..."), f);
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
  return DruckAngabenAusFenster(rechner_.Fenster(), rechner_.Kontext(), rechner_.Daten());
}

void TDruckSteuerung::Meldung(const QString& text) {
  QMessageBox::warning(rechner_.Fenster(), QStringLiteral("Drucken"), text);
}

bool TDruckSteuerung::PdfSpeichern(const QString& datei) {
  return druck::RechnungAlsPdf(maschine_, datei, Angaben(), rechner_.Kontext(), rechner_.Daten(),
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
  if (!druck::RechnungDrucken(maschine_, drucker, a, rechner_.Kontext(), rechner_.Daten(),
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
    druck::RechnungDrucken(maschine_, *p, a, rechner_.Kontext(), rechner_.Daten(),
                           optionen_.DruckSchriftGroesse());
  });
  vorschau.resize(900, 1000);
  vorschau.exec();
}

void TDruckSteuerung::Drucker1Click() { optionen_.exec(); }

}  // namespace lst
