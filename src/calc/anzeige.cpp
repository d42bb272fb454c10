#include "calc/anzeige.h"

#include "calc/geld.h"
#include "calc/jahresregeln.h"

namespace lst {

bool AnzeigeUmgerechnet(const TRechenKontext& k) {
  return k.EuroAnzeige == DMJahr(k.LStJahr);
}

std::int64_t AnzeigeCent(TRechenKontext& k, std::int64_t cent) {
  const double betrag = AusCent(k, cent);
  if (!AnzeigeUmgerechnet(k)) return cent;
  return Runden(betrag * 100);
}

std::int64_t AusAnzeigeCent(const TRechenKontext& k, std::int64_t anzeigeCent) {
  if (!AnzeigeUmgerechnet(k)) return anzeigeCent;
  // The double of a typed amount with two decimals, as the input fields read it.
  return InCent(k, static_cast<double>(anzeigeCent) / 100);
}

std::int64_t AnzeigeUntergrenze(TRechenKontext& k, std::int64_t cent) {
  std::int64_t e = AnzeigeCent(k, cent);
  if (!AnzeigeUmgerechnet(k)) return e;
  while (AusAnzeigeCent(k, e) < cent) ++e;
  while (AusAnzeigeCent(k, e - 1) >= cent) --e;
  return e;
}

std::int64_t AnzeigeObergrenze(TRechenKontext& k, std::int64_t cent) {
  std::int64_t e = AnzeigeCent(k, cent);
  if (!AnzeigeUmgerechnet(k)) return e;
  while (AusAnzeigeCent(k, e) > cent) --e;
  while (AusAnzeigeCent(k, e + 1) <= cent) ++e;
  return e;
}

namespace {

// The sums of a tax record from its lines, both columns.
void SteuerSummen(TLStErgebnis& s, std::int64_t re4) {
  for (int spalte = 0; spalte < 2; ++spalte) s[8 + spalte] = s[0 + spalte] + s[2 + spalte] + s[6 + spalte];
  s.BruttoNachSteuer = re4 - s.SteuerSumme;
  s.BruttoPlusPausch = re4 + s.SteuerSummePausch;
}

}  // namespace

TLStErgebnis AnzeigeSteuer(TRechenKontext& k, std::int64_t re4Anzeige, const TLStErgebnis& erg) {
  TLStErgebnis s = erg;
  AusCent(k, 0);  // the currency symbol
  if (!AnzeigeUmgerechnet(k)) return s;
  for (int i = 0; i < 8; ++i) s[i] = AnzeigeCent(k, erg[i]);
  SteuerSummen(s, re4Anzeige);
  return s;
}

TAnzeigeErgebnis AnzeigeErgebnis(TRechenKontext& k, std::int64_t re4, const TGesamtErgebnis& erg,
                                 std::int64_t sonstigeAbzuege, const TZusatzBetraege& zusatz,
                                 const TGetippteBetraege& getippt) {
  TAnzeigeErgebnis a;
  a.RE4 = getippt.Brutto.value_or(AnzeigeCent(k, re4));
  a.SonstigeAbzuege = getippt.SonstigeAbzuege.value_or(AnzeigeCent(k, sonstigeAbzuege));
  a.Kindergeld = getippt.Kindergeld.value_or(AnzeigeCent(k, zusatz.Kindergeld));
  a.AGZusatz = AnzeigeCent(k, zusatz.AGZusatz);
  a.Waehrung = k.Waehrung;
  TGesamtErgebnis& g = a.Ergebnis;
  if (!AnzeigeUmgerechnet(k)) {
    g = erg;
    // Typed amounts equal the stored ones here; the sums stay the core's.
    return a;
  }
  g.LSt = AnzeigeSteuer(k, a.RE4, erg.LSt);
  // The contribution lines, then the sums without the top-up entries, as
  // the contributions form them.
  for (int art = 0; art < svAnzahl; ++art) {
    g.SV.AN(art) = AnzeigeCent(k, erg.SV.AN(art));
    g.SV.AG(art) = AnzeigeCent(k, erg.SV.AG(art));
  }
  g.SV.SVSummeAN() = 0;
  g.SV.SVSummeAG() = 0;
  for (int art : {svKV, svPV, svRV, svAV, svKV2, svPV2}) {
    g.SV.SVSummeAN() += g.SV.AN(art);
    g.SV.SVSummeAG() += g.SV.AG(art);
  }
  g.Netto = g.LSt.BruttoNachSteuer - g.SV.SVSummeAN() - a.SonstigeAbzuege;
  g.AGGesamt = g.LSt.BruttoPlusPausch + g.SV.SVSummeAG();
  g.Auszahlung = g.Netto + a.Kindergeld;
  g.AGGesamtPlus = g.AGGesamt + a.AGZusatz;
  return a;
}

}  // namespace lst
