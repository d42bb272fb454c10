#include "ui/tools/jahresvergleich.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "calc/anzeige.h"
#include "calc/jahresregeln.h"
#include "calc/werkzeuge.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"
#include "ui/tools/jahres_grafik.h"

namespace lst {

// ---- the model ------------------------------------------------------------------

TJahresvergleichModell::TJahresvergleichModell(QObject* eltern) : QAbstractTableModel(eltern) {}

void TJahresvergleichModell::Setzen(const TJahresvergleich& v) {
  beginResetModel();
  v_ = v;
  zeilen_.clear();
  // The flowchart in every year; the contribution group where a year has
  // one (from 2014).
  zeilen_.push_back({0, 0});
  for (const TVergleichsJahr& j : v_.Jahre) {
    if (j.Berechnet() && j.Ergebnis.Beitragsgruppe) {
      zeilen_.push_back({1, 0});
      break;
    }
  }
  for (std::size_t g : v_.GezeigteGroessen()) zeilen_.push_back({-1, g});
  endResetModel();
}

void TJahresvergleichModell::Leeren() { Setzen({}); }

int TJahresvergleichModell::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() || v_.Jahre.empty() ? 0 : static_cast<int>(zeilen_.size());
}

int TJahresvergleichModell::columnCount(const QModelIndex& eltern) const {
  if (eltern.isValid() || v_.Jahre.empty()) return 0;
  return static_cast<int>(2 * v_.Jahre.size());
}

int TJahresvergleichModell::JahresSpalte(std::size_t i) const {
  return i < v_.Jahre.size() ? static_cast<int>(2 * i + 1) : -1;
}

int TJahresvergleichModell::DifferenzSpalte(std::size_t i) const {
  return i > 0 && i < v_.Jahre.size() ? static_cast<int>(2 * i) : -1;
}

bool TJahresvergleichModell::Spalte(int spalte, std::size_t& jahr, bool& differenz) const {
  if (spalte <= 0 || spalte >= columnCount()) return false;
  differenz = spalte % 2 == 0;
  jahr = static_cast<std::size_t>(differenz ? spalte / 2 : (spalte - 1) / 2);
  return true;
}

int TJahresvergleichModell::GroessenZeile(std::size_t g) const {
  for (std::size_t z = 0; z < zeilen_.size(); ++z) {
    if (zeilen_[z].Text < 0 && zeilen_[z].Groesse == g) return static_cast<int>(z);
  }
  return -1;
}

QString TJahresvergleichModell::Kopf(int spalte) const {
  if (spalte == 0) return QStringLiteral("Jahr");
  std::size_t i = 0;
  bool differenz = false;
  if (!Spalte(spalte, i, differenz)) return {};
  if (differenz) return QStringLiteral("Diff %1/%2").arg(v_.Jahre[i - 1].Jahr).arg(v_.Jahre[i].Jahr);
  return QString::number(v_.Jahre[i].Jahr);
}

QString TJahresvergleichModell::Zelle(int zeile, int spalte) const {
  if (zeile < 0 || zeile >= static_cast<int>(zeilen_.size())) return {};
  const TZeile& z = zeilen_[static_cast<std::size_t>(zeile)];
  if (spalte == 0) {
    if (z.Text == 0) return QStringLiteral("Programmablaufplan");
    if (z.Text == 1) return QStringLiteral("Beitragsgruppe");
    return QString::fromUtf8(VergleichsGroessen()[z.Groesse].Titel);
  }
  std::size_t i = 0;
  bool differenz = false;
  if (!Spalte(spalte, i, differenz)) return {};
  const TVergleichsJahr& j = v_.Jahre[i];
  if (z.Text >= 0) {
    if (differenz || !j.Berechnet()) return {};
    if (z.Text == 0) return QString::fromStdString(AblaufplanSchluessel(j.Parameter));
    if (!j.Ergebnis.Beitragsgruppe) return {};
    const auto ziffern = j.Ergebnis.Beitragsgruppe->Ziffern();
    return QString::fromLatin1(ziffern.data(), static_cast<int>(ziffern.size()));
  }
  const auto wert = differenz ? v_.Differenz(i - 1, z.Groesse) : v_.Wert(i, z.Groesse);
  if (!wert) return QStringLiteral("–");
  QString text = ZahlText(static_cast<double>(*wert) / 100);
  if (differenz && *wert > 0) text.prepend(QLatin1Char('+'));
  return text;
}

QVariant TJahresvergleichModell::data(const QModelIndex& index, int rolle) const {
  if (!index.isValid()) return {};
  const int zeile = index.row();
  const int spalte = index.column();
  std::size_t i = 0;
  bool differenz = false;
  const bool jahresSpalte = Spalte(spalte, i, differenz);
  switch (rolle) {
    case Qt::DisplayRole:
      return Zelle(zeile, spalte);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(spalte == 0 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                             : Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::ToolTipRole: {
      if (!jahresSpalte) return {};
      // A year without figures says why.
      for (std::size_t k : {i, differenz ? i - 1 : i}) {
        if (!v_.Jahre[k].Berechnet()) {
          return QStringLiteral("%1: %2").arg(v_.Jahre[k].Jahr).arg(QString::fromStdString(v_.Jahre[k].Fehler));
        }
      }
      return {};
    }
    case Qt::FontRole: {
      const TZeile& z = zeilen_[static_cast<std::size_t>(zeile)];
      if (z.Text >= 0) return {};
      const char* name = VergleichsGroessen()[z.Groesse].Name;
      if (std::strcmp(name, "Netto") != 0 && std::strcmp(name, "AGGesamt") != 0) return {};
      QFont f;
      f.setBold(true);
      return f;
    }
    case Qt::BackgroundRole:
      if (jahresSpalte && differenz) return QApplication::palette().brush(QPalette::AlternateBase);
      return {};
    default:
      return {};
  }
}

QVariant TJahresvergleichModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (richtung != Qt::Horizontal) return {};
  if (rolle == Qt::DisplayRole) return Kopf(abschnitt);
  if (rolle == Qt::TextAlignmentRole) {
    return QVariant::fromValue(abschnitt == 0 ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                              : Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  }
  return {};
}

// ---- the window ------------------------------------------------------------------

TFJahresvergleich::TFJahresvergleich(TRechnerSchnittstelle& rechner, QWidget* eltern)
    : QDialog(eltern), rechner_(rechner) {
  setObjectName(QStringLiteral("FJahresvergleich"));
  setWindowTitle(QStringLiteral("Jahresvergleich"));
  setModal(false);

  const int erstes = ErstesJahrMit([](const TJahresRegeln& r) { return r.Vorhanden; });
  const int letztes = LetztesJahrMit([](const TJahresRegeln& r) { return r.Vorhanden; });
  const auto jahrFeld = [&](const char* name) {
    auto* s = new QSpinBox(this);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(erstes, letztes);
    s->setGroupSeparatorShown(false);
    s->setKeyboardTracking(false);
    return s;
  };
  von_ = jahrFeld("SEVon");
  bis_ = jahrFeld("SEBis");
  von_->setToolTip(QStringLiteral("Erstes Jahr des Vergleichs"));
  bis_->setToolTip(QStringLiteral("Letztes Jahr des Vergleichs"));
  monat_ = new QComboBox(this);
  monat_->setObjectName(QStringLiteral("CBVergleichsMonat"));
  for (int m = 1; m <= 12; ++m) monat_->addItem(QString::fromUtf8(Monatsname(m)), m);
  monat_->setCurrentIndex(11);
  monat_->setToolTip(QStringLiteral("Lohnzahlungsmonat: wählt ab 2014 den Programmablaufplan und die Regeln der "
                                    "Sozialversicherung; vorher gilt in jedem Monat dasselbe"));
  auto* lVon = new QLabel(QStringLiteral("&Von"), this);
  lVon->setBuddy(von_);
  auto* lBis = new QLabel(QStringLiteral("&bis"), this);
  lBis->setBuddy(bis_);
  auto* lMonat = new QLabel(QStringLiteral("&Monat"), this);
  lMonat->setBuddy(monat_);
  einheit_ = new QLabel(this);
  einheit_->setObjectName(QStringLiteral("LEinheit"));
  auto* oben = new QHBoxLayout;
  oben->addWidget(lVon);
  oben->addWidget(von_);
  oben->addWidget(lBis);
  oben->addWidget(bis_);
  oben->addSpacing(12);
  oben->addWidget(lMonat);
  oben->addWidget(monat_);
  oben->addStretch(1);
  oben->addWidget(einheit_);

  modell_ = new TJahresvergleichModell(this);
  tabelle_ = new QTableView(this);
  tabelle_->setObjectName(QStringLiteral("TVJahresvergleich"));
  tabelle_->setModel(modell_);
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabelle_->verticalHeader()->setVisible(false);
  tabelle_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  tabelle_->horizontalHeader()->setHighlightSections(false);
  tabelle_->setWordWrap(false);
  tabelle_->setToolTip(QStringLiteral("Kopieren mit rechter Maustaste oder Strg+C"));
  tabelle_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tabelle_, &QWidget::customContextMenuRequested, this, &TFJahresvergleich::Kontextmenue);

  kopieren_ = new QAction(QStringLiteral("&Kopieren"), this);
  kopieren_->setObjectName(QStringLiteral("Kopieren1"));
  kopieren_->setShortcut(QKeySequence::Copy);
  kopieren_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(kopieren_, &QAction::triggered, this, &TFJahresvergleich::Kopieren);
  tabelle_->addAction(kopieren_);
  tabelle_->installEventFilter(this);

  grafik_ = new TJahresGrafik(this);
  auto* teiler = new QSplitter(Qt::Vertical, this);
  teiler->setObjectName(QStringLiteral("Teiler"));
  teiler->addWidget(tabelle_);
  teiler->addWidget(grafik_);
  teiler->setStretchFactor(0, 3);
  teiler->setStretchFactor(1, 2);
  teiler->setChildrenCollapsible(false);

  meldung_ = new QLabel(this);
  meldung_->setObjectName(QStringLiteral("LMeldung"));
  meldung_->setWordWrap(true);
  meldung_->setTextFormat(Qt::PlainText);
  QPalette rot = meldung_->palette();
  rot.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
  meldung_->setPalette(rot);
  meldung_->hide();

  kopierenKnopf_ = new QPushButton(QStringLiteral("&Kopieren"), this);
  kopierenKnopf_->setObjectName(QStringLiteral("BKopieren"));
  kopierenKnopf_->setAutoDefault(false);
  kopierenKnopf_->setToolTip(QStringLiteral("Die markierten Zeilen (ohne Markierung die ganze Tabelle) mit der "
                                            "Kopfzeile in die Zwischenablage"));
  connect(kopierenKnopf_, &QPushButton::clicked, this, &TFJahresvergleich::Kopieren);
  auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
  schliessen->setObjectName(QStringLiteral("BClose"));
  schliessen->setAutoDefault(false);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
  auto* unten = new QHBoxLayout;
  unten->addWidget(kopierenKnopf_);
  unten->addStretch(1);
  unten->addWidget(schliessen);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(teiler, 1);
  layout->addWidget(meldung_);
  layout->addLayout(unten);

  // Room for the table's rows down to the cost, the chart below.
  const QFontMetrics fm(font());
  resize(fm.horizontalAdvance(QLatin1Char('0')) * 100, fm.height() * 50);
  teiler->setSizes({fm.height() * 32, fm.height() * 13});

  const auto bereich = [this] {
    if (!setzt_) BereichGewaehlt();
  };
  connect(von_, &QSpinBox::valueChanged, this, bereich);
  connect(bis_, &QSpinBox::valueChanged, this, bereich);
  connect(monat_, &QComboBox::currentIndexChanged, this, [this] {
    if (!setzt_) Berechnen();
  });
}

void TFJahresvergleich::BereichGewaehlt() {
  bereichEigen_ = true;
  Berechnen();
}

void TFJahresvergleich::Berechnen() {
  const TAbrechnungsStand& s = rechner_.Stand();
  if (s.Parameter.Regeln == nullptr) return;
  const int jahr = s.Parameter.Jahr;
  if (jahr != rechnerJahr_ && !bereichEigen_) {
    // The year before and the year shown, until the user chooses a range.
    const std::vector<int> standard = StandardVergleichsjahre(jahr);
    setzt_ = true;
    von_->setValue(standard.front());
    bis_->setValue(standard.back());
    setzt_ = false;
  }
  rechnerJahr_ = jahr;

  std::vector<int> jahre = Jahresbereich(von_->value(), bis_->value());
  const int monat = monat_->currentData().toInt();
  einheit_->setText(QStringLiteral("Beträge in %1").arg(QString::fromLatin1(Waehrungszeichen(s.Euro))));
  if (const std::string f = VergleichsjahrePruefen(jahre); !f.empty()) {
    modell_->Leeren();
    grafik_->Leeren();
    meldung_->setText(von_->value() > bis_->value()
                          ? QStringLiteral("Das erste Jahr %1 liegt nach dem letzten %2.").arg(von_->value()).arg(bis_->value())
                          : QString::fromStdString(f));
    meldung_->show();
    kopierenKnopf_->setEnabled(false);
    return;
  }
  const bool euro = s.Euro;
  const TJahresvergleich v = JahreVergleichen(
      s.Anfrage, jahr, jahre, monat, euro, [this](int j, int m) { return rechner_.JahresParameter(j, m); },
      [this, euro](const TBefund& b, const TParameter& p) {
        return BefundText(
            b, [this](TFeld f) { return rechner_.FeldName(f); },
            [&p, euro](std::int64_t cent) { return GeldText(p.Jahr, euro, cent).toStdString(); });
      });
  modell_->Setzen(v);
  grafik_->Setzen(v);
  kopierenKnopf_->setEnabled(true);

  QStringList meldungen;
  for (const TVergleichsJahr& j : v.Jahre) {
    if (!j.Berechnet()) meldungen << QStringLiteral("%1: %2").arg(j.Jahr).arg(QString::fromStdString(j.Fehler));
  }
  meldung_->setText(meldungen.join(QLatin1Char('\n')));
  meldung_->setVisible(!meldungen.isEmpty());

  // The captions and amounts whole; the figures' column a little wider.
  tabelle_->resizeColumnsToContents();
  for (int c = 0; c < modell_->columnCount(); ++c) {
    tabelle_->setColumnWidth(c, tabelle_->columnWidth(c) + (c == 0 ? 16 : 10));
  }
}

QString TFJahresvergleich::KopierText() const {
  std::set<int> zeilen;
  if (const QItemSelectionModel* auswahl = tabelle_->selectionModel()) {
    for (const QModelIndex& i : auswahl->selectedIndexes()) zeilen.insert(i.row());
  }
  if (zeilen.empty()) {
    for (int r = 0; r < modell_->rowCount(); ++r) zeilen.insert(r);
  }
  std::vector<std::vector<std::string>> text;
  std::vector<std::string> kopf;
  for (int c = 0; c < modell_->columnCount(); ++c) kopf.push_back(modell_->Kopf(c).toStdString());
  text.push_back(std::move(kopf));
  for (int r : zeilen) {
    std::vector<std::string> zeile;
    for (int c = 0; c < modell_->columnCount(); ++c) zeile.push_back(modell_->Zelle(r, c).toStdString());
    text.push_back(std::move(zeile));
  }
  return QString::fromStdString(lst::KopierText(text));
}

void TFJahresvergleich::Kopieren() {
  if (modell_->rowCount() == 0) return;
  QApplication::clipboard()->setText(KopierText());
}

bool TFJahresvergleich::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == tabelle_ && ereignis->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
    Kopieren();
    return true;
  }
  return QDialog::eventFilter(objekt, ereignis);
}

void TFJahresvergleich::Kontextmenue(const QPoint& stelle) {
  QMenu menue(this);
  menue.setObjectName(QStringLiteral("PopupMenu1"));
  kopieren_->setEnabled(modell_->rowCount() > 0);
  menue.addAction(kopieren_);
  menue.exec(tabelle_->viewport()->mapToGlobal(stelle));
  kopieren_->setEnabled(true);
}

}  // namespace lst
