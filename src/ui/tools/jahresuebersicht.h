#pragma once
// TFJahresuebersicht "Jahresübersicht": the payroll year of the calculation
// the calculator window shows.  Twelve months of its request, each with a
// regular wage (the window's gross wage until the user types another) and a
// one-off payment, the employment's entry and exit; per month the slip's
// figures, the sum, the annual adjustment and the certificate's lines as
// LohnjahrRechnen and Lohnsteuerbescheinigung return them.

#include <QAbstractTableModel>
#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "calc/lohnjahr.h"
#include "print/lohnkonto_drucken.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class QTableView;

namespace lst {

class TFDruckOptionen;
class TRechnerSchnittstelle;

// The months as a grid: column 0 the month, then the columns of
// druck::LohnkontoSpalten, then the wage free of German tax under a treaty
// (DBA) and under the decree on work abroad (ATE); rows 0 to 11 the months,
// row 12 the sum.  The regular wage, the one-off and the two tax-free wages
// of a month of the employment are editable (amounts in cents of the
// display currency).
class TJahresModell : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kSummenZeile = 12;
  static constexpr int kSpalteLohn = 1;
  static constexpr int kSpalteEinmal = 2;

  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;

  // The window's gross wage for every month the user has not typed one for.
  void Vorgabe(std::int64_t lohnCent);
  // The months the employment covers (others are not editable).
  void Beschaeftigt(int vonMonat, int bisMonat);
  // The figures of a computed year, or none (after an error).
  void Ergebnis(const druck::TLohnkontoTexte* texte);
  // The display currency changed: typed amounts times faktor.
  void Umrechnen(double faktor);

  std::int64_t Lohn(int monat) const { return lohn_[static_cast<std::size_t>(monat - 1)]; }
  std::int64_t Einmalzahlung(int monat) const { return einmal_[static_cast<std::size_t>(monat - 1)]; }
  std::int64_t SteuerfreiDBA(int monat) const { return dba_[static_cast<std::size_t>(monat - 1)]; }
  std::int64_t SteuerfreiATE(int monat) const { return ate_[static_cast<std::size_t>(monat - 1)]; }

  // The columns of the two tax-free wages, after the printout's.
  static int SpalteDBA();
  static int SpalteATE() { return SpalteDBA() + 1; }

 signals:
  // An amount was typed that cannot be taken; the text says why.
  void Abgelehnt(const QString& meldung);
  // A month's input changed.
  void Geaendert();

 private:
  const druck::TLohnkontoZeile* Zeile(int row) const;
  // The typed amounts of a column, or none for a computed column.
  const std::array<std::int64_t, 12>* Eingaben(int spalte) const;
  std::array<std::int64_t, 12>* Eingaben(int spalte);

  std::array<std::int64_t, 12> lohn_{};
  std::array<std::int64_t, 12> einmal_{};
  std::array<std::int64_t, 12> dba_{};
  std::array<std::int64_t, 12> ate_{};
  std::array<bool, 12> getippt_{};
  int von_ = 1, bis_ = 12;
  std::optional<druck::TLohnkontoTexte> texte_;
};

class TFJahresuebersicht : public QDialog {
  Q_OBJECT

 public:
  explicit TFJahresuebersicht(TRechnerSchnittstelle& rechner, QWidget* eltern = nullptr);
  ~TFJahresuebersicht() override;

  // The print engine and options of the application; without, the window
  // prints with an engine of its own and the default printer.
  void DruckAnbinden(druck::TDruckMaschine& maschine, TFDruckOptionen& optionen);

  TJahresModell* Modell() const { return modell_; }
  QTableView* Tabelle() const { return tabelle_; }
  QLineEdit* Eintritt() const { return eintritt_; }
  QLineEdit* Austritt() const { return austritt_; }
  QCheckBox* KeinAusgleich() const { return keinAusgleich_; }

  // The last computation: the request, the year, its texts; empty after an
  // error, which Meldung() names.
  const TLohnjahrAnfrage& Anfrage() const { return anfrage_; }
  const std::optional<TLohnjahr>& Jahr() const { return jahr_; }
  const std::optional<druck::TLohnkontoTexte>& Texte() const { return texte_; }
  QString Meldung() const;

  // The whole overview as the clipboard gets it: tabs between cells, CR LF
  // between lines.
  QString KopierText() const;
  // The same with semicolons as UTF-8 CSV.
  QByteArray CsvText() const;
  // Writes CsvText() to the file; false (and the file untouched) on failure.
  bool CsvSchreiben(const QString& datei, QString* grund = nullptr) const;
  // Writes the printout as PDF.
  bool PdfSchreiben(const QString& datei, QString* grund = nullptr);

  // Dialogs tests replace: the CSV file and the PDF file to write (empty:
  // cancelled), whether a printer is installed.
  std::function<QString()> CsvDateiFragen;
  std::function<QString()> PdfDateiFragen;
  std::function<bool()> DruckerVorhanden;

 public slots:
  // Recomputes from the calculator's calculation and the grid.
  void Neuberechnen();
  void Kopieren();
  void AlsCsvSpeichern();
  void Drucken();
  void Umrechnen(bool euro);

 private:
  void Fehler(const QString& text);
  void Warnen(const QString& titel, const QString& text);

  TRechnerSchnittstelle& rechner_;
  TJahresModell* modell_;
  QTableView* tabelle_;
  QLineEdit* eintritt_;
  QLineEdit* austritt_;
  QCheckBox* keinAusgleich_;
  QLabel* hinweis_;
  QLabel* ausgleichText_;
  QStandardItemModel* ausgleich_;
  QTableView* ausgleichTabelle_;
  QStandardItemModel* bescheinigung_;
  QTableView* bescheinigungTabelle_;
  QAction* kopieren_;
  QAction* csv_;
  QAction* drucken_;
  druck::TDruckMaschine* maschine_ = nullptr;
  TFDruckOptionen* optionen_ = nullptr;
  std::unique_ptr<druck::TDruckMaschine> eigeneMaschine_;

  TLohnjahrAnfrage anfrage_;
  std::optional<TLohnjahr> jahr_;
  std::optional<druck::TLohnkontoTexte> texte_;
  QString meldung_;
};

}  // namespace lst
