#pragma once
// The request of the calculator window bound to its controls.  One table
// names, for every input of TAnfrage, the control that states it, how its
// value is read from the control (and, where the window writes a request
// back, into it), the controls that go with it, and what becomes of its
// value when the year, the pay month's period or the person do not have
// it.  The window gathers the request through the table, enables and
// disables the controls by the core's NichtVerfuegbar and marks the
// findings of Pruefen on the controls the table names; no other code copies
// between the controls and the request.

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/pruefung.h"

class QAbstractButton;
class QWidget;

namespace lst {

struct TEingabeFelder;
class TEditCS;

// Messages of the window's own about a control's text (a rate that breaks
// its rule), shown like the findings.
using TMeldungen = std::vector<std::pair<QWidget*, QString>>;

class TAnfrageBindung {
 public:
  explicit TAnfrageBindung(const TEingabeFelder& f);

  // The request the controls state, for the parameters p and amounts typed
  // in the display currency (euro).  A text the calculation cannot take (a
  // church-tax rate out of range) gives the default and a message in
  // meldungen.
  TAnfrage Sammeln(const TParameter& p, bool euro, TMeldungen& meldungen) const;

  // Writes the inputs felder of a into their controls, without their
  // signals.
  void Schreiben(const TAnfrage& a, const TParameter& p, bool euro, std::initializer_list<TFeld> felder) const;

  // Enables the controls of the inputs that apply to a under p; disables
  // the others with the core's reason as their tooltip and, where the table
  // says so, empties them.  True when a control changed its state, so that
  // the request is to be gathered again.
  bool Freigeben(const TParameter& p, const TAnfrage& a) const;

  // Marks the findings and the window's own messages: red with the message
  // as tooltip; every other control of the table loses its mark.
  void Markieren(const std::vector<TBefund>& befunde, const TMeldungen& meldungen, const TParameter& p,
                 bool euro) const;

  // The control that states the input f (nullptr: none in the window).
  QWidget* Steuerelement(TFeld f) const;

  // The caption of an input, as the messages name it.
  std::string Name(TFeld f) const;
  // A message of the core with the captions and the amounts of the display
  // currency filled in.
  QString Text(std::string_view meldung, const TParameter& p, bool euro) const;

  // The typed amounts multiplied by faktor: a change of the display
  // currency (DM and Euro), so that the same money stays entered.
  void BetraegeUmrechnen(double faktor) const;
  // The amounts of a pay period turned into those of another (days per
  // pay period, by the index of the pay-period list).
  void ZeitraumUmrechnen(int von, int nach) const;

  // The contribution group typed by the user (from 2014), in force until a
  // box of the insurance is clicked; a refused text stays in the field,
  // red, with its message.
  std::optional<TBeitragsgruppe> Gruppe;
  QString GruppeMeldung;

 private:
  struct TBindung {
    std::optional<TFeld> Feld;
    // The control that is enabled with the input; its accessible name is
    // the input's caption unless Name says otherwise.
    QWidget* Steuer = nullptr;
    QString Name;
    // The controls that show its findings (Steuer unless given).
    std::vector<QWidget*> Markiert;
    // Enabled and disabled with it.
    std::vector<QWidget*> Mit;
    // A field of the input enabled only while its box is ticked.
    QWidget* Unterfeld = nullptr;
    QAbstractButton* Schalter = nullptr;
    // Further inputs it needs (the waiver needs the zone).
    std::vector<TFeld> AuchVon;
    // Enabled by the rates shown (the surcharge boxes), not by this table.
    bool FreigabeAusSaetzen = false;
    // An amount typed in the display currency; one of the pay period.
    TEditCS* Betrag = nullptr;
    bool ProZeitraum = false;
    std::function<void(TAnfrage&)> Lesen;
    std::function<void(const TAnfrage&)> Schreiben;
    // What the control shows when the input does not apply.
    std::function<void()> Leeren;
  };

  // What Lesen and Schreiben see besides the controls.
  struct TUmgebung {
    const TParameter* P = nullptr;
    bool Euro = true;
    TMeldungen* Meldungen = nullptr;
  };

  std::int64_t Cent(const TEditCS* e) const;
  // An amount typed in the display currency in cents of the currency of
  // the year jahr (the previous year's amounts: of that year's).
  std::int64_t Cent(const TEditCS* e, int jahr) const;
  void Binden(TBindung b) { bindungen_.push_back(std::move(b)); }

  const TEingabeFelder& f_;
  std::vector<TBindung> bindungen_;
  // Every control a message can stand on.
  std::vector<QWidget*> markierbar_;
  // The reason each input does not apply, as last shown (with the pay
  // month, whose captions it names): the text is made anew only when it
  // changes.
  mutable std::vector<std::string> gruende_;
  mutable TUmgebung u_;
};

}  // namespace lst
