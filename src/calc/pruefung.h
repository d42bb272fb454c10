#pragma once
// One validation of a request for the parameters of its month: which inputs
// the year, the pay month's period or the person do not have, which do not
// fit together, and what is computed as asked but worth a warning.  The
// calculator window enables, disables and marks its fields from here; the
// command line and batch refuse or warn from here.  The years and months in
// the messages come from the tables of the law.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/abrechnung.h"

namespace lst {

// The inputs a finding can name.
enum class TFeld {
  Jahr, Monat, Zeitraum, Brutto, Steuerklasse, Kinderfreibetraege, Kirchensteuer, Faktor, Freibetrag,
  Hinzurechnung, Versorgungsbezug, VersorgungMonat, VersorgungSonder, Versorgungsmonate, Versorgungsbeginn,
  Sterbegeld, Altersentlastung, BesondereTabelle, Region, Sachsen, Minijob, Haushalt, Aufstockung,
  Pauschsteuer, Gleitzone, RVVerzicht, Privat, PrivatPV, AGZuschuss, AGZuschussBetrag, KVZuschlag,
  PVZuschlag, KVZusatz, PVAbschlaege, U1, U2, Beitragsgruppe, Kindergeld, SonstigeAbzuege,
  SonstigerBezug, Jahresarbeitslohn, BisherigeSonstigeBezuege, SVTage, SVEntgeltBisherKV, SVEntgeltBisherRV,
  VorjahrSVTage, VorjahrSVEntgeltKV, VorjahrSVEntgeltRV, VorjahrKVZusatz, Abfindung, Fuenftelregelung,
  DienstwagenListenpreis, DienstwagenKm, DienstwagenSatz, Sachbezug, Steuerfrei, Entgeltumwandlung, VWLAG,
  VWLSparbetrag, Teilmonat, Aktivrente, Bundesland,
  Anzahl
};

// The field's name in the messages' placeholders: "{KVZusatz}".
const char* FeldKennung(TFeld f);

enum class TSchwere { Fehler, Warnung };

// One finding: the input it is about, whether the request is refused or
// only warned of, and the message.  The message names inputs by
// placeholders ("{Aufstockung} gilt nur mit {Minijob} oder {Haushalt}"),
// which each front fills with its own names (BefundText).
struct TBefund {
  TFeld Feld = TFeld::Jahr;
  TSchwere Schwere = TSchwere::Fehler;
  std::string Meldung;
};

struct TPruefOptionen {
  // The gross is searched (net-to-gross), not stated: no test against it.
  bool BruttoGesucht = false;
  // A warning also for an ordinary employment whose wage does not exceed
  // the limit of marginal employment (a minijob, perhaps): the calculator
  // window marks its minijob boxes with it.
  bool MinijobHinweis = false;
};

// Every finding of the request, errors first, in a fixed order.
std::vector<TBefund> Pruefen(const TParameter& p, const TAnfrage& a, const TPruefOptionen& o = {});

// Whether the year, the pay month's period and the person have the input
// at all; where not, the reason in words (with placeholders), else "".  The
// window disables a field that is not available.
std::string NichtVerfuegbar(const TParameter& p, const TAnfrage& a, TFeld f);

// The message with every placeholder replaced: a field by the front's name
// of it, an amount ("{Betrag:12345}", cents of the year's currency) by the
// front's text of it.
std::string BefundText(const TBefund& b, const std::function<std::string(TFeld)>& name,
                       const std::function<std::string(std::int64_t)>& betrag);
std::string BefundText(std::string_view meldung, const std::function<std::string(TFeld)>& name,
                       const std::function<std::string(std::int64_t)>& betrag);

// The first error, or nullptr.
const TBefund* ErsterFehler(const std::vector<TBefund>& befunde);

}  // namespace lst
