#pragma once
// The inputs of one calculation as the command line takes them: every input
// of the calculator window, by long option (berechnen, wunschnetto) or by
// column (batch).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/datensaetze.h"
#include "calc/pruefung.h"
#include "calc/satzeingabe.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "lohnsteuer/versionen.h"

namespace lst::cli {

// What the user asked for, before it is turned into the calculation records.
struct TEingabe {
  int Jahr = kLetztesLStJahr;         // the newest year carried
  bool JahrGesetzt = false;
  int Monat = 12;                    // pay month: chooses the flowchart from 2014
  std::string Version;               // flowchart key, e.g. "2015dez"
  std::optional<double> KVZusatz;    // additional health rate in percent (from 2015)
  int PVAbschlaege = 0;              // care discounts for the 2nd to 5th child (from July 2023)
  std::optional<double> U1;          // employer's levies in percent (from 2014)
  std::optional<double> U2;
  std::optional<double> AGZuschussBetrag;  // employer's monthly subsidy (2026)
  std::uint8_t LZZ = 2;
  double Brutto = 0;                 // in the display currency
  std::uint8_t STKL = 1;
  double ZKF = 0;
  double KiStProzent = kKirchensteuerVorgabe;
  bool KiStGesetzt = false;          // --kirchensteuer given: wins over the state's rate
  std::optional<TBundesland> Bundesland;
  bool Aktivrente = false;           // past the regular retirement age (from 2026)
  bool Bekenntnislos = false;
  std::optional<double> Faktor;
  double Freibetrag = 0;
  double Hinzurechnung = 0;
  double Versorgungsbezug = 0;       // VBEZ
  double VersorgungMonat = 0;        // VBEZM
  double VersorgungSonder = 0;       // VBEZS
  int VersorgungMonate = 12;         // ZMVB (yearly pay period only)
  int Versorgungsbeginn = 0;         // VJAHR
  double Sterbegeld = 0;             // STERBE (yearly pay period only)
  std::optional<int> Altersentlastung;  // AJAHR
  bool BesondereTabelle = false;
  std::uint8_t Region = 1;           // 0 Ost, 1 West
  bool Sachsen = false;
  bool Minijob = false;
  bool Haushalt = false;
  bool Aufstockung = false;
  std::optional<double> PauschProzent;
  bool Gleitzone = false;
  bool KeineRVReduzierung = false;
  std::optional<double> PrivatBeitrag;  // monthly, typed amount
  std::optional<double> PrivatBeitragPV;  // its care part, where given apart
  std::optional<TBeitragsgruppe> Beitragsgruppe;
  bool AGZuschuss = false;
  bool OhneKVZuschlag = false;
  bool OhnePVZuschlag = false;
  double SonstigeAbzuege = 0;
  // One-off payments, severance, benefits in kind, tax-free pay (amounts
  // in the display currency, see BetragsOptionen).
  std::optional<double> SonstigerBezug;
  std::optional<double> Jahresarbeitslohn;
  std::optional<double> BisherigeSonstigeBezuege;
  std::optional<int> SVTage;
  std::optional<double> SVEntgeltBisherKV;
  std::optional<double> SVEntgeltBisherRV;
  int VorjahrSVTage = 360;
  std::optional<double> VorjahrSVEntgeltKV;
  std::optional<double> VorjahrSVEntgeltRV;
  std::optional<double> VorjahrKVZusatz;
  std::optional<double> Abfindung;
  bool Fuenftelregelung = false;
  std::optional<double> Dienstwagen;      // gross list price
  double DienstwagenKm = 0;
  std::optional<double> DienstwagenSatz;
  std::optional<double> Sachbezug;
  std::optional<double> Steuerfrei;
  std::optional<double> Entgeltumwandlung;
  std::optional<double> VWLAG;
  std::optional<double> VWLSparbetrag;
  std::optional<double> Kindergeld;
  std::optional<int> Teilmonat;      // calendar days of a part month
  std::optional<int> Grundfreibetrag;
  bool DM = false;                   // amounts typed and shown in DM
  // jahresvergleich: with --dm the years from 2002 are shown in DM too.
  bool DMJedesJahr = false;
  bool Einstellungen = false;        // rates and ceilings from the settings file
  std::string Einstellungsdatei;     // another settings file
  bool Arbeitgeber = false;          // wunschnetto: planned employer cost
  bool BruttoGesucht = false;        // wunschnetto: the gross is searched, not typed
};

// One long option or batch column.
struct TOption {
  const char* Name;
  bool MitWert;
  const char* Hilfe;
};
const std::vector<TOption>& Optionen();

// The options that state an amount of the pay beside the regular wage, each
// with the request's input it fills: one table for the option, its help,
// its value and its name in the messages.
struct TBetragsOption {
  const char* Name;
  TFeld Feld;
  std::optional<double> TEingabe::*Wert;
  const char* Hilfe;
};
const std::vector<TBetragsOption>& BetragsOptionen();

// Sets one option from its value (empty for a flag given on the command
// line); returns an empty string or a German message.
std::string OptionSetzen(TEingabe& e, std::string_view name, std::string_view wert);

// Reads a flag cell of a batch row: "1", "ja", "x", "true" set; "", "0",
// "nein", "false" leave it unset.
std::optional<bool> SchalterLesen(std::string_view wert);

// The values a user stored for a year, read from a settings file once per
// file and year, so that a batch reads each year's settings once.
struct TGeladeneEinstellungen {
  std::string Datei;
  int Jahr = 0;
  TUeberschreibungen Ue;
};
struct TEinstellungsSpeicher {
  std::vector<TGeladeneEinstellungen> Eintraege;
};

// The parameters of the options' year and pay month (with the settings
// file's values under --einstellungen) and the request of the options, for
// Abrechnen.  Returns an empty string or a German message for inputs that do
// not fit together.
// The warnings of the request (computed as asked, but worth a word) go to
// warnungen where given.
std::string Vorbereiten(const TEingabe& e, TParameter& p, TAnfrage& a, TEinstellungsSpeicher* speicher = nullptr,
                        std::vector<std::string>* warnungen = nullptr);

// A finding of the core's checks as the command line words it: the inputs
// by their options, amounts in the display currency (DM with --dm).
std::string BefundText(const TBefund& b, const TParameter& p, bool dm);

// The year to calculate: --jahr, or the year of --pap.
int JahrDerEingabe(const TEingabe& e);

// A year with wage tax but without social insurance (none at present): only
// wage tax, surcharge and church tax are calculated.
bool NurSteuer(int jahr);

}  // namespace lst::cli
