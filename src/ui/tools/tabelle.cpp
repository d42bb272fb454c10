#include "ui/tools/tabelle.h"
#include "ui/tools/anzeige.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace lst {

TFTabelle::TFTabelle(QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("FTabelle"));
  setWindowTitle(QStringLiteral("Steuertabelle"));
  setModal(true);
  resize(358, 480);

  gitter_ = new QTableWidget(this);
  gitter_->setObjectName(QStringLiteral("SGTabelle"));
  gitter_->setSelectionBehavior(QAbstractItemView::SelectRows);
  gitter_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  gitter_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  gitter_->verticalHeader()->setVisible(false);
  gitter_->verticalHeader()->setDefaultSectionSize(std::max(15, fontMetrics().height() + 4));
  gitter_->horizontalHeader()->setSectionsMovable(true);
  gitter_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  gitter_->horizontalHeader()->setHighlightSections(false);
  gitter_->setShowGrid(true);
  gitter_->setWordWrap(false);
  gitter_->setToolTip(QStringLiteral("Kopieren mit rechter Maustaste"));
  gitter_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(gitter_, &QWidget::customContextMenuRequested, this, &TFTabelle::Kontextmenue);

  kopieren_ = new QAction(QStringLiteral("&Kopieren"), this);
  kopieren_->setObjectName(QStringLiteral("Kopieren1"));
  kopieren_->setShortcut(QKeySequence::Copy);
  kopieren_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(kopieren_, &QAction::triggered, this, &TFTabelle::Kopieren1Click);
  gitter_->addAction(kopieren_);
  csv_ = new QAction(QStringLiteral("Als CSV speichern..."), this);
  csv_->setObjectName(QStringLiteral("AlsCsvSpeichern1"));
  connect(csv_, &QAction::triggered, this, &TFTabelle::AlsCsvSpeichern);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(gitter_);
}

void TFTabelle::Fuellen(const QString& titel, const QStringList& kopf,
                        const std::vector<std::vector<std::string>>& zeilen) {
  setWindowTitle(titel);
  gitter_->clearContents();
  gitter_->setColumnCount(static_cast<int>(kopf.size()));
  gitter_->setHorizontalHeaderLabels(kopf);
  gitter_->setRowCount(static_cast<int>(zeilen.size()));
  for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
    const auto& zeile = zeilen[static_cast<std::size_t>(r)];
    for (int c = 0; c < static_cast<int>(kopf.size()); ++c) {
      const QString text = c < static_cast<int>(zeile.size())
                               ? QString::fromStdString(zeile[static_cast<std::size_t>(c)])
                               : QString();
      auto* zelle = new QTableWidgetItem(text);
      zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      gitter_->setItem(r, c, zelle);
    }
  }
  // Widths: the contents, at least the designed widths.
  gitter_->resizeColumnsToContents();
  int gesamt = 0;
  for (int c = 0; c < gitter_->columnCount(); ++c) {
    int b = gitter_->columnWidth(c) + 8;
    if (c < static_cast<int>(mindestBreiten_.size())) b = std::max(b, mindestBreiten_[static_cast<std::size_t>(c)]);
    gitter_->setColumnWidth(c, b);
    gesamt += b;
  }
  const int rand = gitter_->frameWidth() * 2 + gitter_->verticalScrollBar()->sizeHint().width() + 2;
  resize(std::max(gesamt + rand, 200), height());
  gitter_->clearSelection();
  if (gitter_->rowCount() > 0) gitter_->scrollToTop();
}

void TFTabelle::Spaltenbreiten(const std::vector<int>& breiten) { mindestBreiten_ = breiten; }

QString TFTabelle::AuswahlText() const {
  std::set<int> zeilen;
  for (const QModelIndex& i : gitter_->selectionModel()->selectedIndexes()) zeilen.insert(i.row());
  QString text;
  bool erste = true;
  const QHeaderView* kopf = gitter_->horizontalHeader();
  for (int r : zeilen) {
    if (!erste) text += QStringLiteral("\r\n");
    erste = false;
    // Left to right as the user sees the columns (they may have been moved).
    for (int v = 0; v < gitter_->columnCount(); ++v) {
      const int c = kopf->logicalIndex(v);
      if (v > 0) text += QChar('\t');
      const QTableWidgetItem* zelle = gitter_->item(r, c);
      if (zelle != nullptr) text += zelle->text();
    }
  }
  return text;
}

void TFTabelle::Kopieren1Click() {
  const QString text = AuswahlText();
  if (text.isEmpty()) return;
  QApplication::clipboard()->setText(text);
}

QByteArray TFTabelle::CsvText() const {
  QString csv;
  const QHeaderView* spalten = gitter_->horizontalHeader();
  for (int v = 0; v < gitter_->columnCount(); ++v) {
    if (v > 0) csv += QChar(';');
    const QTableWidgetItem* kopf = gitter_->horizontalHeaderItem(spalten->logicalIndex(v));
    csv += CsvFeld(kopf != nullptr ? kopf->text() : QString());
  }
  csv += QStringLiteral("\r\n");
  for (int r = 0; r < gitter_->rowCount(); ++r) {
    for (int v = 0; v < gitter_->columnCount(); ++v) {
      const int c = spalten->logicalIndex(v);
      if (v > 0) csv += QChar(';');
      const QTableWidgetItem* zelle = gitter_->item(r, c);
      csv += CsvFeld(zelle != nullptr ? zelle->text() : QString());
    }
    csv += QStringLiteral("\r\n");
  }
  return csv.toUtf8();
}

bool TFTabelle::CsvSchreiben(const QString& datei) const {
  QSaveFile f(datei);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray text = CsvText();
  if (f.write(text) != text.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

void TFTabelle::AlsCsvSpeichern() {
  QString vorschlag = windowTitle();
  vorschlag.replace(QChar('/'), QChar('-'));
  vorschlag.remove(QRegularExpression(QStringLiteral("[\\\\:*?\"<>|]")));
  vorschlag = vorschlag.simplified() + QStringLiteral(".csv");
  const QString datei = QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"), vorschlag,
                                                     QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"));
  if (datei.isEmpty()) return;
  if (!CsvSchreiben(datei)) {
    QMessageBox::warning(this, QStringLiteral("Als CSV speichern"),
                         QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.").arg(datei));
  }
}

void TFTabelle::Kontextmenue(const QPoint& stelle) {
  QMenu menue(this);
  menue.setObjectName(QStringLiteral("PopupMenu1"));
  kopieren_->setEnabled(!gitter_->selectionModel()->selectedIndexes().isEmpty());
  menue.addAction(kopieren_);
  menue.addSeparator();
  menue.addAction(csv_);
  menue.exec(gitter_->viewport()->mapToGlobal(stelle));
  kopieren_->setEnabled(true);
}

}  // namespace lst
