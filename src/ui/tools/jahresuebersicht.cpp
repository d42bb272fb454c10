#include "ui/tools/jahresuebersicht.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>
#include <utility>

#include "calc/anzeige.h"
#include "calc/fehler.h"
#include "calc/jahresregeln.h"
#include "calc/pruefung.h"
#include "common/datum.h"
#include "geld/geld.h"
#include "geld/zahlen.h"
#include "print/fenster/druck_optionen.h"
#include "print/gebietsschema.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"

namespace lst {

namespace {

// The largest amount a month takes (as the window's fields).
constexpr double kHoechstbetrag = 1e9;

QString Zitat(const QString& t) { return QStringLiteral("„%1“").arg(t); }

}  // namespace

// ---- the grid -------------------------------------------------------------------

int TJahresModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : 13; }

int TJahresModell::SpalteDBA() {
  // Asked for every cell a paint shows: the printout's columns are counted
  // once, they never change while the program runs.
  static const int spalte = 1 + static_cast<int>(druck::LohnkontoSpalten().size());
  return spalte;
}

int TJahresModell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : SpalteATE() + 1; }

const druck::TLohnkontoZeile* TJahresModell::Zeile(int row) const {
  if (!texte_) return nullptr;
  if (row == kSummenZeile) return &texte_->Summe;
  for (const druck::TLohnkontoZeile& z : texte_->Monate) {
    if (z.Monat == row + 1) return &z;
  }
  return nullptr;
}

const std::array<std::int64_t, 12>* TJahresModell::Eingaben(int spalte) const {
  if (spalte == kSpalteLohn) return &lohn_;
  if (spalte == kSpalteEinmal) return &einmal_;
  if (spalte == SpalteDBA()) return &dba_;
  if (spalte == SpalteATE()) return &ate_;
  return nullptr;
}

std::array<std::int64_t, 12>* TJahresModell::Eingaben(int spalte) {
  return const_cast<std::array<std::int64_t, 12>*>(std::as_const(*this).Eingaben(spalte));
}

QVariant TJahresModell::data(const QModelIndex& index, int rolle) const {
  if (!index.isValid()) return {};
  const int r = index.row();
  const int c = index.column();
  const bool summe = r == kSummenZeile;
  const bool beschaeftigt = !summe && r + 1 >= von_ && r + 1 <= bis_;
  const std::array<std::int64_t, 12>* eingaben = Eingaben(c);
  const bool steuerfrei = c >= SpalteDBA();
  switch (rolle) {
    case Qt::DisplayRole: {
      if (c == 0) return summe ? QStringLiteral("Summe") : QString::fromUtf8(Monatsname(r + 1));
      if (steuerfrei) {
        // The tax-free wages are inputs alone: the months of the employment
        // and their sum.
        if (beschaeftigt) return druck::BetragText((*eingaben)[static_cast<std::size_t>(r)]);
        if (!summe) return {};
        std::int64_t s = 0;
        for (int m = von_; m <= bis_; ++m) s += (*eingaben)[static_cast<std::size_t>(m - 1)];
        return druck::BetragText(s);
      }
      if (const druck::TLohnkontoZeile* z = Zeile(r)) return z->Zellen.value(c - 1);
      // Without figures the inputs still show what was typed.
      if (beschaeftigt && eingaben != nullptr) return druck::BetragText((*eingaben)[static_cast<std::size_t>(r)]);
      return {};
    }
    case Qt::EditRole:
      if (summe || eingaben == nullptr) return {};
      return druck::BetragText((*eingaben)[static_cast<std::size_t>(r)]);
    case Qt::TextAlignmentRole:
      return c == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
      if (summe) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::ForegroundRole:
      if (!summe && !beschaeftigt) return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
      return {};
    case Qt::ToolTipRole:
      if (!summe && !beschaeftigt && c > 0) return QStringLiteral("Dieser Monat liegt außerhalb der Beschäftigung.");
      if (beschaeftigt && eingaben != nullptr) return QStringLiteral("Doppelklick oder F2: Betrag des Monats eingeben");
      return {};
    default:
      return {};
  }
}

QVariant TJahresModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
  if (richtung != Qt::Horizontal) return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
  if (rolle == Qt::DisplayRole) {
    if (abschnitt == SpalteDBA()) return QStringLiteral("Stfr. DBA");
    if (abschnitt == SpalteATE()) return QStringLiteral("Stfr. ATE");
    return abschnitt == 0 ? QStringLiteral("Monat") : druck::LohnkontoSpalten().value(abschnitt - 1);
  }
  if (rolle == Qt::ToolTipRole) {
    if (abschnitt == SpalteDBA()) {
      return QStringLiteral("Steuerfreier Arbeitslohn nach einem Doppelbesteuerungsabkommen, neben dem Lohn gezahlt "
                            "(Lohnsteuerbescheinigung Zeile 16a; kein Jahresausgleich)");
    }
    if (abschnitt == SpalteATE()) {
      return QStringLiteral("Steuerfreier Arbeitslohn nach dem Auslandstätigkeitserlass, neben dem Lohn gezahlt "
                            "(Lohnsteuerbescheinigung Zeile 16b; kein Jahresausgleich)");
    }
    if (abschnitt > 0) return druck::LohnkontoSpaltenLang().value(abschnitt - 1);
  }
  return {};
}

Qt::ItemFlags TJahresModell::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const int r = index.row();
  if (r != kSummenZeile && r + 1 >= von_ && r + 1 <= bis_ && Eingaben(index.column()) != nullptr)
    f |= Qt::ItemIsEditable;
  return f;
}

bool TJahresModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
  if (rolle != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const QString text = wert.toString().trimmed();
  const QString monat = QString::fromUtf8(Monatsname(index.row() + 1));
  const QString spalte = headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
  std::optional<double> betrag = text.isEmpty() ? std::optional<double>(0.0) : FeldBetragLesen(text.toStdString());
  if (!betrag || !std::isfinite(*betrag)) {
    emit Abgelehnt(QStringLiteral("%1, %2: %3 ist kein Betrag.").arg(monat, spalte, Zitat(text)));
    return false;
  }
  if (*betrag < 0) {
    emit Abgelehnt(QStringLiteral("%1, %2: der Betrag darf nicht negativ sein.").arg(monat, spalte));
    return false;
  }
  if (*betrag > kHoechstbetrag) {
    emit Abgelehnt(QStringLiteral("%1, %2: der Betrag ist zu groß.").arg(monat, spalte));
    return false;
  }
  const auto i = static_cast<std::size_t>(index.row());
  (*Eingaben(index.column()))[i] = static_cast<std::int64_t>(std::llround(*betrag * 100));
  if (index.column() == kSpalteLohn) getippt_[i] = true;
  emit dataChanged(index, index);
  // The sum of a tax-free column follows its months.
  if (index.column() >= SpalteDBA()) {
    const QModelIndex summe = this->index(kSummenZeile, index.column());
    emit dataChanged(summe, summe);
  }
  emit Geaendert();
  return true;
}

void TJahresModell::Vorgabe(std::int64_t lohnCent) {
  for (std::size_t i = 0; i < 12; ++i) {
    if (!getippt_[i]) lohn_[i] = lohnCent;
  }
  emit dataChanged(index(0, kSpalteLohn), index(11, kSpalteLohn));
}

void TJahresModell::Beschaeftigt(int vonMonat, int bisMonat) {
  von_ = vonMonat;
  bis_ = bisMonat;
  emit dataChanged(index(0, 0), index(kSummenZeile, columnCount() - 1));
}

void TJahresModell::Ergebnis(const druck::TLohnkontoTexte* texte) {
  // The grid keeps its shape: an editor open in it stays open.
  if (texte != nullptr) texte_ = *texte;
  else texte_.reset();
  emit dataChanged(index(0, 0), index(kSummenZeile, columnCount() - 1));
}

void TJahresModell::Umrechnen(double faktor) {
  for (auto* spalte : {&lohn_, &einmal_, &dba_, &ate_}) {
    for (std::int64_t& betrag : *spalte) betrag = std::llround(static_cast<double>(betrag) * faktor);
  }
}

// ---- the window -----------------------------------------------------------------

TFJahresuebersicht::TFJahresuebersicht(TRechnerSchnittstelle& rechner, QWidget* eltern)
    : QDialog(eltern), rechner_(rechner) {
  setObjectName(QStringLiteral("FJahresuebersicht"));
  setWindowTitle(QStringLiteral("Jahresübersicht"));
  setSizeGripEnabled(true);
  resize(1300, 800);

  auto* layout = new QVBoxLayout(this);

  // Entry and exit.
  auto* kopf = new QHBoxLayout;
  const auto datumsFeld = [&](const char* name, const QString& beschriftung, const QString& hilfe) {
    auto* feld = new QLineEdit(this);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    feld->setToolTip(hilfe);
    feld->setMaximumWidth(110);
    auto* l = new QLabel(beschriftung, this);
    l->setBuddy(feld);
    kopf->addWidget(l);
    kopf->addWidget(feld);
    connect(feld, &QLineEdit::textChanged, this, &TFJahresuebersicht::Neuberechnen);
    return feld;
  };
  eintritt_ = datumsFeld("edEintritt", QStringLiteral("&Eintritt:"),
                         QStringLiteral("Beginn der Beschäftigung; leer: beschäftigt seit Jahresbeginn"));
  kopf->addSpacing(12);
  austritt_ = datumsFeld("edAustritt", QStringLiteral("A&ustritt:"),
                         QStringLiteral("Ende der Beschäftigung; leer: beschäftigt bis Jahresende"));
  kopf->addSpacing(24);
  keinAusgleich_ = new QCheckBox(QStringLiteral("Arbeitnehmer &wünscht keinen Jahresausgleich"), this);
  keinAusgleich_->setObjectName(QStringLiteral("CBKeinAusgleich"));
  keinAusgleich_->setToolTip(
      QStringLiteral("Der Arbeitgeber darf den Jahresausgleich nicht durchführen, wenn der Arbeitnehmer es "
                     "beantragt (§ 42b Abs. 1 Satz 3 Nr. 1 EStG)."));
  connect(keinAusgleich_, &QCheckBox::toggled, this, &TFJahresuebersicht::Neuberechnen);
  kopf->addWidget(keinAusgleich_);
  kopf->addStretch(1);
  layout->addLayout(kopf);

  hinweis_ = new QLabel(this);
  hinweis_->setObjectName(QStringLiteral("LHinweis"));
  hinweis_->setWordWrap(true);
  hinweis_->setStyleSheet(QStringLiteral("color: #b00000;"));
  hinweis_->hide();
  layout->addWidget(hinweis_);

  modell_ = new TJahresModell(this);
  tabelle_ = new QTableView(this);
  tabelle_->setObjectName(QStringLiteral("TVMonate"));
  tabelle_->setModel(modell_);
  tabelle_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
  tabelle_->verticalHeader()->hide();
  // The amount columns share the width; the grid is as high as its rows.
  tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tabelle_->horizontalHeader()->setMinimumSectionSize(tabelle_->fontMetrics().horizontalAdvance(QStringLiteral("000.000,00")) + 12);
  const int zeilenHoehe = tabelle_->fontMetrics().height() + 6;
  tabelle_->verticalHeader()->setDefaultSectionSize(zeilenHoehe);
  tabelle_->setMinimumHeight(tabelle_->horizontalHeader()->sizeHint().height() + 13 * zeilenHoehe +
                             2 * tabelle_->frameWidth() + 2);
  tabelle_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  tabelle_->setMaximumHeight(tabelle_->minimumHeight());
  tabelle_->setMinimumWidth(900);
  layout->addWidget(tabelle_);
  connect(modell_, &TJahresModell::Geaendert, this, &TFJahresuebersicht::Neuberechnen);
  connect(modell_, &TJahresModell::Abgelehnt, this, [this](const QString& text) {
    hinweis_->setText(text);
    hinweis_->show();
  });

  auto* unten = new QHBoxLayout;
  auto* ausgleichGruppe = new QGroupBox(QStringLiteral("Jahresausgleich durch den Arbeitgeber"), this);
  ausgleichGruppe->setObjectName(QStringLiteral("GBJahresausgleich"));
  auto* al = new QVBoxLayout(ausgleichGruppe);
  ausgleichText_ = new QLabel(ausgleichGruppe);
  ausgleichText_->setObjectName(QStringLiteral("LJahresausgleich"));
  ausgleichText_->setWordWrap(true);
  al->addWidget(ausgleichText_);
  ausgleich_ = new QStandardItemModel(0, 3, this);
  ausgleich_->setHorizontalHeaderLabels(
      {QStringLiteral("Jahressteuer"), QStringLiteral("einbehalten"), QStringLiteral("Erstattung")});
  ausgleichTabelle_ = new QTableView(ausgleichGruppe);
  ausgleichTabelle_->setObjectName(QStringLiteral("TVJahresausgleich"));
  ausgleichTabelle_->setModel(ausgleich_);
  ausgleichTabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ausgleichTabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  ausgleichTabelle_->verticalHeader()->setDefaultSectionSize(zeilenHoehe);
  ausgleichTabelle_->setFixedHeight(ausgleichTabelle_->horizontalHeader()->sizeHint().height() + 3 * zeilenHoehe +
                                    2 * ausgleichTabelle_->frameWidth() + 2);
  al->addWidget(ausgleichTabelle_);
  al->addStretch(1);
  unten->addWidget(ausgleichGruppe, 2);

  auto* bescheinigungGruppe = new QGroupBox(QStringLiteral("Lohnsteuerbescheinigung"), this);
  bescheinigungGruppe->setObjectName(QStringLiteral("GBBescheinigung"));
  auto* bl = new QVBoxLayout(bescheinigungGruppe);
  bescheinigung_ = new QStandardItemModel(0, 3, this);
  bescheinigung_->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Text"), QStringLiteral("Betrag")});
  bescheinigungTabelle_ = new QTableView(bescheinigungGruppe);
  bescheinigungTabelle_->setObjectName(QStringLiteral("TVBescheinigung"));
  bescheinigungTabelle_->setModel(bescheinigung_);
  bescheinigungTabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  bescheinigungTabelle_->verticalHeader()->hide();
  bescheinigungTabelle_->setWordWrap(false);
  bescheinigungTabelle_->verticalHeader()->setDefaultSectionSize(zeilenHoehe);
  bescheinigungTabelle_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  bescheinigungTabelle_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  bescheinigungTabelle_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  bl->addWidget(bescheinigungTabelle_);
  unten->addWidget(bescheinigungGruppe, 3);
  layout->addLayout(unten, 1);

  // The commands: actions with their shortcuts, and buttons for them.
  const auto aktion = [&](const char* name, const QString& text, const QKeySequence& kuerzel, auto slot) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(kuerzel);
    a->setShortcutContext(Qt::WindowShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  kopieren_ = aktion("JahrKopieren", QStringLiteral("&Kopieren"), QKeySequence::Copy, &TFJahresuebersicht::Kopieren);
  csv_ = aktion("JahrCsv", QStringLiteral("Als &CSV speichern..."), QKeySequence::Save,
                &TFJahresuebersicht::AlsCsvSpeichern);
  drucken_ = aktion("JahrDrucken", QStringLiteral("&Drucken"), QKeySequence::Print, &TFJahresuebersicht::Drucken);
  auto* knoepfe = new QHBoxLayout;
  for (QAction* a : {kopieren_, csv_, drucken_}) {
    auto* k = new QPushButton(a->text(), this);
    k->setObjectName(QStringLiteral("PB") + a->objectName());
    k->setToolTip(a->shortcut().toString(QKeySequence::NativeText));
    k->setAutoDefault(false);
    connect(k, &QPushButton::clicked, a, &QAction::trigger);
    connect(a, &QAction::enabledChanged, k, &QPushButton::setEnabled);
    knoepfe->addWidget(k);
  }
  knoepfe->addStretch(1);
  auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
  schliessen->setObjectName(QStringLiteral("PBSchliessen"));
  schliessen->setAutoDefault(false);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
  knoepfe->addWidget(schliessen);
  layout->addLayout(knoepfe);

  CsvDateiFragen = [this] {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"),
                                        QDir::home().filePath(QStringLiteral("Jahresuebersicht.csv")),
                                        QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"));
  };
  PdfDateiFragen = [this] {
    return QFileDialog::getSaveFileName(
        this, QStringLiteral("Kein Drucker eingerichtet \u2013 Lohnkonto als PDF speichern"),
        QDir::home().filePath(QStringLiteral("Lohnkonto.pdf")), QStringLiteral("PDF-Dateien (*.pdf)"));
  };
  DruckerVorhanden = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
}

TFJahresuebersicht::~TFJahresuebersicht() {
  // An editor still open commits its text while the window goes; nothing
  // is computed any more then.
  disconnect(modell_, nullptr, this, nullptr);
}

void TFJahresuebersicht::DruckAnbinden(druck::TDruckMaschine& maschine, TFDruckOptionen& optionen) {
  maschine_ = &maschine;
  optionen_ = &optionen;
}

QString TFJahresuebersicht::Meldung() const { return meldung_; }

void TFJahresuebersicht::Fehler(const QString& text) {
  meldung_ = text;
  jahr_.reset();
  texte_.reset();
  modell_->Ergebnis(nullptr);
  ausgleich_->setRowCount(0);
  bescheinigung_->setRowCount(0);
  ausgleichText_->clear();
  hinweis_->setText(text);
  hinweis_->show();
  for (QAction* a : {kopieren_, csv_, drucken_}) a->setEnabled(false);
}

void TFJahresuebersicht::Neuberechnen() {
  const TAbrechnungsStand& s = rechner_.Stand();
  const TParameter& p = s.Parameter;
  const int jahr = p.Jahr;
  setWindowTitle(QStringLiteral("Jahresübersicht %1 - Stkl. %2 - Beträge in %3")
                     .arg(jahr)
                     .arg(SteuerklasseName(s.Anfrage.STKL), QString::fromLatin1(Waehrungszeichen(s.Euro))));
  modell_->Vorgabe(AnzeigeCent(jahr, s.Euro, s.Anfrage.Brutto));
  meldung_.clear();
  hinweis_->hide();
  for (QLineEdit* f : {eintritt_, austritt_}) f->setStyleSheet(QString());

  if (s.Anfrage.LZZ != 2) {
    Fehler(QStringLiteral("Die Jahresübersicht rechnet Monatslöhne: bitte im Rechner den Lohnzahlungszeitraum "
                          "%1 wählen.").arg(Zitat(ZeitraumName(2).simplified())));
    return;
  }

  // Entry and exit as typed.
  std::optional<TDatum> ein, aus;
  for (auto [feld, ziel, name] : {std::tuple{eintritt_, &ein, QStringLiteral("Eintritt")},
                                  std::tuple{austritt_, &aus, QStringLiteral("Austritt")}}) {
    const QString text = feld->text().trimmed();
    if (text.isEmpty()) continue;
    *ziel = DatumLesen(text.toStdString());
    if (!*ziel) {
      feld->setStyleSheet(QStringLiteral("background: #ffc0c0;"));
      Fehler(QStringLiteral("%1: %2 ist kein Datum (TT.MM.JJJJ).").arg(name, Zitat(text)));
      return;
    }
  }
  int von = 1, bis = 12;
  if (ein && ein->Jahr == jahr) von = ein->Monat;
  if (aus && aus->Jahr == jahr) bis = aus->Monat;
  // Dates the year does not fit: every month goes to the core, which names
  // what does not fit.
  const bool passend = von <= bis && !(ein && ein->Jahr > jahr) && !(aus && aus->Jahr < jahr);
  if (!passend) von = 1, bis = 12;
  modell_->Beschaeftigt(von, bis);

  // The window's request as every month's, without the one-off pay and the
  // year so far, which the year fills in.
  anfrage_ = TLohnjahrAnfrage{};
  anfrage_.Eintritt = ein;
  anfrage_.Austritt = aus;
  anfrage_.Jahresausgleich = true;
  anfrage_.AusgleichAbgelehnt = keinAusgleich_->isChecked();
  const auto feldName = [](TFeld f) -> std::string {
    switch (f) {
      case TFeld::Jahr: return "Steuerjahr";
      case TFeld::Monat: return "Monat";
      case TFeld::Zeitraum: return "Lohnzahlungszeitraum";
      case TFeld::Brutto: return "Lfd. Lohn";
      case TFeld::SonstigerBezug: return "Einmalzahlung";
      default: return FeldKennung(f);
    }
  };
  const auto text = [&](const std::string& meldung) {
    return QString::fromStdString(BefundText(meldung, feldName, [&](std::int64_t cent) {
      return druck::GeldText(AnzeigeWert(jahr, s.Euro, cent), Waehrungszeichen(s.Euro)).toStdString();
    }));
  };
  for (int m = von; m <= bis; ++m) {
    TLohnMonatEingabe e;
    e.Monat = m;
    e.Parameter = Parameter(jahr, m, p.Ue);
    TAnfrage a = AlsLohnmonat(s.Anfrage);
    a.Brutto = AusAnzeigeCent(jahr, s.Euro, modell_->Lohn(m));
    a.SonstigerBezug = AusAnzeigeCent(jahr, s.Euro, modell_->Einmalzahlung(m));
    if (const TBefund* b = ErsterFehler(Pruefen(e.Parameter, a))) {
      Fehler(QString::fromUtf8(Monatsname(m)) + QStringLiteral(": ") + text(b->Meldung));
      return;
    }
    e.Anfrage = std::move(a);
    e.SteuerfreiDBA = AusAnzeigeCent(jahr, s.Euro, modell_->SteuerfreiDBA(m));
    e.SteuerfreiATE = AusAnzeigeCent(jahr, s.Euro, modell_->SteuerfreiATE(m));
    anfrage_.Monate.push_back(std::move(e));
  }

  TLohnjahr j;
  try {
    j = LohnjahrRechnen(anfrage_);
  } catch (const TLStFehler& f) {
    Fehler(text(f.what()));
    return;
  }
  if (!j.Fehler.empty()) {
    const QString vor = j.FehlerMonat > 0 ? QString::fromUtf8(Monatsname(j.FehlerMonat)) + QStringLiteral(": ") : QString();
    Fehler(vor + text(j.Fehler));
    return;
  }
  jahr_ = std::move(j);
  texte_ = druck::LohnkontoTexte(*jahr_, s.Euro);
  modell_->Ergebnis(&*texte_);
  for (QAction* a : {kopieren_, csv_, drucken_}) a->setEnabled(true);

  // The annual adjustment and the certificate.
  const druck::TLohnkontoTexte& t = *texte_;
  ausgleich_->setRowCount(0);
  if (t.Ausgleich) {
    ausgleichText_->setText(QStringLiteral("Jahresarbeitslohn: %1 %2").arg(t.AusgleichLohn, t.Waehrung));
    for (const QStringList& z : t.AusgleichZeilen) {
      QList<QStandardItem*> zellen;
      for (int i = 1; i < z.size(); ++i) {
        auto* item = new QStandardItem(z[i]);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        zellen << item;
      }
      ausgleich_->appendRow(zellen);
      ausgleich_->setVerticalHeaderItem(ausgleich_->rowCount() - 1, new QStandardItem(z.value(0)));
    }
    ausgleichTabelle_->show();
  } else {
    QString gruende = QStringLiteral("Nicht durchgeführt:");
    for (const QString& g : t.AusgleichGruende) gruende += QStringLiteral("\n\u2013 ") + g;
    ausgleichText_->setText(gruende);
    ausgleichTabelle_->hide();
  }
  bescheinigung_->setRowCount(0);
  if (!t.BescheinigungHinweis.isEmpty()) {
    bescheinigung_->appendRow({new QStandardItem(), new QStandardItem(t.BescheinigungHinweis), new QStandardItem()});
  }
  for (const QStringList& z : t.Bescheinigung) {
    auto* betrag = new QStandardItem(z.value(2));
    betrag->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* zeile = new QStandardItem(z.value(0));
    auto* textItem = new QStandardItem(z.value(1));
    textItem->setToolTip(z.value(1));
    bescheinigung_->appendRow({zeile, textItem, betrag});
  }
}

void TFJahresuebersicht::Umrechnen(bool euro) { modell_->Umrechnen(euro ? 1 / kDMFaktor : kDMFaktor); }

QString TFJahresuebersicht::KopierText() const {
  if (!texte_) return {};
  QStringList zeilen;
  for (const QStringList& z : druck::LohnkontoTabelle(*texte_)) zeilen << z.join(QLatin1Char('\t'));
  return zeilen.join(QStringLiteral("\r\n"));
}

QByteArray TFJahresuebersicht::CsvText() const {
  if (!texte_) return {};
  QString csv;
  for (const QStringList& z : druck::LohnkontoTabelle(*texte_)) {
    QStringList zellen;
    for (const QString& c : z) zellen << CsvFeld(c);
    csv += zellen.join(QLatin1Char(';')) + QStringLiteral("\r\n");
  }
  return csv.toUtf8();
}

bool TFJahresuebersicht::CsvSchreiben(const QString& datei, QString* grund) const {
  const auto fehler = [&](const QString& text) {
    if (grund != nullptr) *grund = text;
    return false;
  };
  if (!texte_) return fehler(QStringLiteral("Es gibt keine gerechnete Jahresübersicht."));
  const QFileInfo info(datei);
  if (info.exists() && !info.isFile()) return fehler(QStringLiteral("Das Ziel ist keine gewöhnliche Datei."));
  QSaveFile f(datei);
  if (!f.open(QIODevice::WriteOnly)) {
    return fehler(QStringLiteral("Sie kann dort nicht angelegt werden (der Ordner fehlt oder ist nicht beschreibbar)."));
  }
  const QByteArray text = CsvText();
  if (f.write(text) != text.size()) {
    f.cancelWriting();
    return fehler(QStringLiteral("Schreibfehler, etwa weil der Datenträger voll ist; eine vorhandene Datei bleibt "
                                 "unverändert."));
  }
  if (!f.commit()) {
    return fehler(QStringLiteral("Sie konnte nicht vollständig geschrieben werden; eine vorhandene Datei bleibt "
                                 "unverändert."));
  }
  return true;
}

void TFJahresuebersicht::Warnen(const QString& titel, const QString& text) {
  QMessageBox::warning(this, titel, text);
}

void TFJahresuebersicht::Kopieren() {
  const QString text = KopierText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void TFJahresuebersicht::AlsCsvSpeichern() {
  if (!texte_) return;
  const QString datei = CsvDateiFragen();
  if (datei.isEmpty()) return;
  QString grund;
  if (!CsvSchreiben(datei, &grund)) {
    Warnen(QStringLiteral("Als CSV speichern"), QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden. %2")
                                                    .arg(QDir::toNativeSeparators(datei), grund));
  }
}

bool TFJahresuebersicht::PdfSchreiben(const QString& datei, QString* grund) {
  if (!texte_) {
    if (grund != nullptr) *grund = QStringLiteral("Es gibt keine gerechnete Jahresübersicht.");
    return false;
  }
  if (maschine_ == nullptr && !eigeneMaschine_) eigeneMaschine_ = std::make_unique<druck::TDruckMaschine>();
  druck::TDruckMaschine& m = maschine_ != nullptr ? *maschine_ : *eigeneMaschine_;
  const int groesse = optionen_ != nullptr ? optionen_->DruckSchriftGroesse() : m.BasisGroesse;
  return druck::LohnkontoAlsPdf(m, datei, std::span(&*texte_, 1), groesse, grund);
}

void TFJahresuebersicht::Drucken() {
  if (!texte_) return;
  QPrinter* drucker = optionen_ != nullptr ? &optionen_->Drucker() : nullptr;
  const bool inDatei = drucker != nullptr && drucker->outputFormat() == QPrinter::PdfFormat &&
                       !drucker->outputFileName().isEmpty();
  if (drucker == nullptr || (!DruckerVorhanden() && !inDatei)) {
    QString datei = PdfDateiFragen();
    if (datei.isEmpty()) return;
    if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) datei += QStringLiteral(".pdf");
    QString grund;
    if (!PdfSchreiben(datei, &grund)) {
      Warnen(QStringLiteral("Drucken"), QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden. %2")
                                            .arg(QDir::toNativeSeparators(datei), grund));
    }
    return;
  }
  drucker->setDocName(QStringLiteral("Lohnkonto %1").arg(texte_->Jahr));
  if (!druck::LohnkontoDrucken(*maschine_, *drucker, *texte_, optionen_->DruckSchriftGroesse())) {
    Warnen(QStringLiteral("Drucken"),
           QStringLiteral("Das Lohnkonto konnte nicht gedruckt werden (Drucker \"%1\").").arg(drucker->printerName()));
  }
}

}  // namespace lst
