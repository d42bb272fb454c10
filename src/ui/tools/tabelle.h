#pragma once
// TFTabelle: a table of text cells with copy to the clipboard and saving as
// CSV.  Serves the wage-tax table and the income-tax table.

#include <QDialog>
#include <QStringList>

#include <string>
#include <vector>

class QAction;
class QTableWidget;

namespace lst {

class TFTabelle : public QDialog {
  Q_OBJECT

 public:
  explicit TFTabelle(QWidget* eltern = nullptr);

  // Caption, head row and data rows; the cells of a previous table are
  // replaced.
  void Fuellen(const QString& titel, const QStringList& kopf,
               const std::vector<std::vector<std::string>>& zeilen);
  // Column widths at least these (pixels); the contents may widen them.
  void Spaltenbreiten(const std::vector<int>& breiten);

  QTableWidget* Gitter() const { return gitter_; }

  // The selected data rows, all columns, as the clipboard gets them:
  // tabs between cells, CR LF between rows, none after the last.
  QString AuswahlText() const;

 public slots:
  void Kopieren1Click();
  // Asks for a file name and saves the whole table.
  void AlsCsvSpeichern();

 public:
  // The whole table with its head row, separated by semicolons, as UTF-8.
  QByteArray CsvText() const;
  // Writes CsvText() to the file; false (and the file untouched) on failure.
  bool CsvSchreiben(const QString& datei) const;

 private:
  void Kontextmenue(const QPoint& stelle);

  QTableWidget* gitter_;
  QAction* kopieren_;
  QAction* csv_;
  std::vector<int> mindestBreiten_;
};

}  // namespace lst
