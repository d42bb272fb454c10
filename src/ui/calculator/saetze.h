#pragma once
// The contribution rates of the calculator window and the values the user
// stored for the tax year (TUeberschreibungen): loaded from the settings
// when a year is chosen, written back when it is left and when the window
// closes.  The rate fields show the rates of the pay month's parameters; a
// rate the user types goes into the stored values as the year's row (from
// 2014 a value equal to the month's default moves to the row's default, so
// that it follows the month).  The calculation reads the rates from the
// parameters built of these values, never from the fields.

#include <QStringList>

#include <optional>
#include <tuple>

#include "calc/parameter.h"
#include "common/ini_datei.h"
#include "ui/calculator/anfrage_bindung.h"

class QLineEdit;

namespace lst {

struct TEingabeFelder;
class TEditCS;

class TSatzVerwaltung {
 public:
  TSatzVerwaltung(const TDateiNamen& namen, const TEingabeFelder& f);

  // ---- the stored values of the year ----
  // Loads what the settings hold for the year; each damaged value is named
  // in warnungen, its default applies, and it stays in the file unless the
  // user types into its field.
  void Laden(int jahr, QStringList& warnungen);
  int Jahr() const { return jahr_; }
  const TUeberschreibungen& Ueberschreibungen() const { return ue_; }
  // The basic allowance of 2013 (the menu's choice).
  void GrundfreibetragSetzen(int grundfreibetrag) { ue_.Grundfreibetrag = grundfreibetrag; }
  // The ceilings of the year's row, as the ceilings dialog stored them.
  void BBGSetzen(const TBBGTabelle& zeile) { ue_.BBG = zeile; }
  // Writes the year's rates, flat-rate tax, add-on rate and levies into the
  // settings the windows hold (the file is written when the window closes),
  // only while the general table is selected: the special table's zeros
  // never reach the file.  A file that could not be written is named in
  // fehler.
  void Speichern(bool allgemeineTabelle, QStringList& fehler);

  // ---- the rate fields ----
  // Shows the rates in force for the request a under p: each rate of the
  // employment type, a share the contribution group does not levy disabled
  // and empty, a rate of the group's own shown but not typed over, the care
  // rates of Saxony, the fund's add-on rate, the levies, the flat-rate tax.
  // Only when something they depend on changed since they were last shown
  // (year, month, employment, group, Saxony, private insurance, table), so
  // that a rate being typed stays as typed.  True when they were shown.
  bool Zeigen(const TParameter& p, const TAnfrage& a);
  // The surcharge boxes: enabled where their rate is levied, the care
  // surcharge only for the childless.
  void ZuschlagKaestchen(bool kinderlos) const;
  // A surcharge the year does not know shows no check mark; the user's
  // choice comes back with a year that has it (the care surcharge follows
  // the children and the tax class: pvVorgabe).
  void ZuschlaegeDesJahres(const TJahresRegeln& r, bool pvVorgabe) const;
  // The rule of each enabled rate field for its text: a message for each
  // text the calculation would refuse.
  void Pruefen(TMeldungen& meldungen) const;
  // The user typed into the rate field e: the stored values take its rate
  // (a refused one: the default) for the parameters p and the request a.
  void Getippt(QLineEdit* e, const TParameter& p, const TAnfrage& a);
  // Every rate field, for the connections of the window.
  std::vector<TEditCS*> Felder() const;

 private:
  struct TSatzFeld {
    TEditCS* Feld;
    int Art;
    bool AN;
  };
  // What the fields shown depend on.
  using TSchluessel = std::tuple<int, int, int, std::string, bool, bool, bool>;

  std::vector<TSatzFeld> TabellenFelder() const;
  // A damaged stored value under the field's key may be overwritten now.
  void Geaendert(QLineEdit* e, int typ);

  TDateiNamen namen_;
  const TEingabeFelder& f_;
  int jahr_ = 0;
  TUeberschreibungen ue_;
  // As loaded: the flat-rate tax of the year for a refused one.
  TUeberschreibungen geladen_;
  // The damaged values of the year, which the window does not save over.
  TEinstellungsBericht unbrauchbar_;
  std::optional<TSchluessel> gezeigt_;
};

}  // namespace lst
