#pragma once
// Results of one calculation as text, JSON or CSV cells.

#include <string>
#include <utility>
#include <vector>

#include "calc/datensaetze.h"
#include "calc/kontext.h"

namespace lst::cli {

// Every result amount by the record's field names, in cents of the year's
// currency: RE4, the tax record, the social-insurance entries, Netto,
// AGGesamt, Auszahlung, AGGesamtPlus.
std::vector<std::pair<std::string, std::int64_t>> ErgebnisFelder(std::int64_t re4,
                                                                 const TGesamtErgebnis& erg);

// One JSON object of ErgebnisFelder.
std::string AlsJson(std::int64_t re4, const TGesamtErgebnis& erg);

// The result lines of the calculator window, employee and employer side by
// side, amounts in the display currency.
std::string AlsText(TRechenKontext& k, std::int64_t re4, const TGesamtErgebnis& erg,
                    std::int64_t sonstigeAbzuege, std::int64_t kindergeld, bool pauschsteuer);

// The years with wage tax only (from 2014): the tax lines, the flowchart
// used and a note that the social insurance is missing.
std::string AlsTextNurSteuer(TRechenKontext& k, std::int64_t re4, const TLStErgebnis& erg);
// The same as JSON: RE4, the tax record and "Programmablaufplan".
std::string AlsJsonNurSteuer(const TRechenKontext& k, std::int64_t re4, const TLStErgebnis& erg);
// The fields of the tax record, by name (RE4 first).
std::vector<std::pair<std::string, std::int64_t>> SteuerFelder(std::int64_t re4, const TLStErgebnis& erg);

}  // namespace lst::cli
