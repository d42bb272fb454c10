// The whole single calculation and the net-to-gross search.

#include "calc/berechnung.h"
#include "calc/sozialversicherung.h"

#include <algorithm>
#include <string>

#include "common/zahlen.h"

namespace lst {

std::int64_t GesamtBerechnen(TRechenKontext& k, int jahr, const TLohnZeitraum& lz,
                             const TLStEingabe& lst, TGesamtErgebnis& erg,
                             const TZusatzBetraege& zusatz, std::int64_t sonstigeAbzuege,
                             const TSVEingabe& sv) {
  erg = TGesamtErgebnis{};
  if (jahr > kLetztesJahr && !SVVorhanden(jahr)) KeineSozialversicherung(jahr);
  SteuerBerechnen(k, jahr, lz, lst, erg.LSt, sv);
  SVBerechnen(k, jahr, lz, sv, erg.SV);
  erg.Netto = erg.LSt.BruttoNachSteuer - erg.SV.SVSummeAN() - sonstigeAbzuege;
  erg.AGGesamt = erg.LSt.BruttoPlusPausch + erg.SV.SVSummeAG();
  erg.Auszahlung = erg.Netto + zusatz.Kindergeld;
  erg.AGGesamtPlus = erg.AGGesamt + zusatz.AGZusatz;
  erg.AGGesamtUmlagen = erg.AGGesamt + erg.SV.UmlagenAG();
  return erg.AGGesamtPlus;
}

namespace {

// The compared amount of the view for one gross wage; erg receives the result.
struct TSuche {
  TRechenKontext& k;
  int jahr;
  TLohnZeitraum& lz;
  const TLStEingabe eingabe;  // copies: the caller's records stay as they are
  const TSVEingabe svEingabe;
  const TZusatzBetraege& zusatz;
  std::int64_t sonstigeAbzuege;
  bool arbeitnehmerSicht;
  TGesamtErgebnis& erg;

  std::int64_t Wert(std::int64_t brutto) {
    lz.RE4 = brutto;
    GesamtBerechnen(k, jahr, lz, eingabe, erg, zusatz, sonstigeAbzuege, svEingabe);
    return arbeitnehmerSicht ? erg.Netto : erg.AGGesamt;
  }
};

std::string Betrag(TRechenKontext& k, std::int64_t cent) {
  const double wert = AusCent(k, cent);
  return CentAlsText(Runden(wert * 100)) + " " + k.Waehrung;
}

[[noreturn]] void Unerreichbar(TRechenKontext& k, bool arbeitnehmerSicht, std::int64_t wunsch,
                               std::int64_t brutto, std::int64_t wert) {
  const std::string was = arbeitnehmerSicht ? "Der Wunsch-Nettolohn von " + Betrag(k, wunsch) + " ist"
                                            : "Die gewünschten Lohnkosten von " + Betrag(k, wunsch) + " sind";
  const std::string ergebnis = (arbeitnehmerSicht ? "einen Nettolohn von " : "Lohnkosten von ") + Betrag(k, wert);
  const std::string grund = brutto == 0
      ? "schon ein Bruttolohn von " + Betrag(k, 0) + " ergibt " + ergebnis
      : "auch ein Bruttolohn von " + Betrag(k, brutto) + " ergibt nur " + ergebnis;
  throw TLStFehler(was + " mit keinem Bruttolohn erreichbar: " + grund + ".");
}

}  // namespace

TWunschErgebnis WunschBruttoSuchen(TRechenKontext& k, int jahr, TLohnZeitraum& lz,
                                   const TLStEingabe& lst, TGesamtErgebnis& erg,
                                   std::int64_t wunsch, bool arbeitnehmerSicht,
                                   const TZusatzBetraege& zusatz, std::int64_t sonstigeAbzuege,
                                   const TSVEingabe& sv) {
  k.LStJahr = static_cast<std::int16_t>(jahr);
  if (wunsch <= 0) {
    throw TLStFehler(arbeitnehmerSicht ? "Der Wunsch-Nettolohn muss größer als 0 sein."
                                       : "Die gewünschten Lohnkosten müssen größer als 0 sein.");
  }
  TSuche s{k, jahr, lz, lst, sv, zusatz, sonstigeAbzuege, arbeitnehmerSicht, erg};
  // The first window, 0.75 to 3 times the wish, holds the answer for every
  // ordinary pay slip.  Large deductions or additions push the answer out of
  // it: then the window moves down to 0 or doubles upwards.
  std::int64_t oben = wunsch > kGroessterWunschBrutto / 3 ? kGroessterWunschBrutto : 3 * wunsch;
  std::int64_t unten = std::min(Runden(3.0 * static_cast<double>(wunsch) / 4), oben);
  std::int64_t wertUnten = s.Wert(unten);
  if (wertUnten > wunsch && unten > 0) {
    oben = unten;
    unten = 0;
    wertUnten = s.Wert(0);
  }
  if (wertUnten > wunsch) Unerreichbar(k, arbeitnehmerSicht, wunsch, 0, wertUnten);
  if (wertUnten == wunsch) return {unten, true, wertUnten};
  std::int64_t wertOben = s.Wert(oben);
  while (wertOben < wunsch) {
    if (oben >= kGroessterWunschBrutto) Unerreichbar(k, arbeitnehmerSicht, wunsch, oben, wertOben);
    unten = oben;
    wertUnten = wertOben;
    oben = oben > kGroessterWunschBrutto / 2 ? kGroessterWunschBrutto : 2 * oben;
    wertOben = s.Wert(oben);
  }
  if (wertOben == wunsch) return {oben, true, wertOben};
  // Now wertUnten < wunsch < wertOben: halve until the wish is met or the
  // two ends lie one cent apart.
  while (oben - unten > 1) {
    const std::int64_t mitte = unten + (oben - unten) / 2;
    const std::int64_t wert = s.Wert(mitte);
    if (wert == wunsch) return {mitte, true, wert};
    if (wert < wunsch) {
      unten = mitte;
      wertUnten = wert;
    } else {
      oben = mitte;
      wertOben = wert;
    }
  }
  // No gross meets the wish to the cent: the nearer end (the lower one when
  // both lie equally far).
  const bool obenNaeher = wertOben - wunsch < wunsch - wertUnten;
  const std::int64_t brutto = obenNaeher ? oben : unten;
  const std::int64_t wert = s.Wert(brutto);
  return {brutto, false, wert};
}

std::int64_t WunschBrutto(TRechenKontext& k, int jahr, TLohnZeitraum& lz, const TLStEingabe& lst,
                          TGesamtErgebnis& erg, std::int64_t wunsch, bool arbeitnehmerSicht,
                          const TZusatzBetraege& zusatz, std::int64_t sonstigeAbzuege,
                          const TSVEingabe& sv) {
  return WunschBruttoSuchen(k, jahr, lz, lst, erg, wunsch, arbeitnehmerSicht, zusatz,
                            sonstigeAbzuege, sv)
      .Brutto;
}

}  // namespace lst
