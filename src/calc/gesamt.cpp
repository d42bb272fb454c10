// The whole single calculation and the net-to-gross search.

#include "calc/berechnung.h"
#include "calc/sozialversicherung.h"

namespace lst {

std::int64_t GesamtBerechnen(TRechenKontext& k, int jahr, const TLohnZeitraum& lz,
                             const TLStEingabe& lst, TGesamtErgebnis& erg,
                             const TZusatzBetraege& zusatz, std::int64_t sonstigeAbzuege,
                             const TSVEingabe& sv) {
  erg = TGesamtErgebnis{};
  if (jahr > kLetztesJahr) KeineSozialversicherung(jahr);
  SteuerBerechnen(k, jahr, lz, lst, erg.LSt, sv);
  SVBerechnen(k, jahr, lz, sv, erg.SV);
  erg.Netto = erg.LSt.BruttoNachSteuer - erg.SV.SVSummeAN() - sonstigeAbzuege;
  erg.AGGesamt = erg.LSt.BruttoPlusPausch + erg.SV.SVSummeAG();
  erg.Auszahlung = erg.Netto + zusatz.Kindergeld;
  erg.AGGesamtPlus = erg.AGGesamt + zusatz.AGZusatz;
  return erg.AGGesamtPlus;
}

// Bisection between lower and upper gross wage, halving until the compared
// amount meets the wish to the cent or the interval cannot be halved any
// more.  Visits the same gross wages in the same order as halving by
// recursion would and returns what that would return: the midpoint of the
// deepest step (0 only when the first interval is empty).
std::int64_t WunschBrutto(TRechenKontext& k, int jahr, TLohnZeitraum& lz, const TLStEingabe& lst,
                          TGesamtErgebnis& erg, std::int64_t wunsch, bool arbeitnehmerSicht,
                          const TZusatzBetraege& zusatz, std::int64_t sonstigeAbzuege,
                          const TSVEingabe& sv) {
  k.LStJahr = static_cast<std::int16_t>(jahr);
  // Work on copies of the input records, as the window's records must stay.
  const TLStEingabe eingabe = lst;
  const TSVEingabe svEingabe = sv;
  std::int64_t oben = 3 * wunsch;                  // A
  std::int64_t unten = Runden(3.0 * wunsch / 4);   // B
  std::int64_t gefunden = 0;
  while (unten <= oben) {
    const std::int64_t mitte = (oben + unten) / 2;
    lz.RE4 = mitte;
    GesamtBerechnen(k, jahr, lz, eingabe, erg, zusatz, sonstigeAbzuege, svEingabe);
    const std::int64_t wert = arbeitnehmerSicht ? erg.Netto : erg.AGGesamt;
    if (mitte != 0) gefunden = mitte;
    if (wert == wunsch || oben == unten || mitte == unten || mitte == oben) break;
    if (wunsch < wert) {
      oben = mitte;
    } else {
      unten = mitte;
    }
  }
  lz.RE4 = gefunden;
  return gefunden;
}

}  // namespace lst
