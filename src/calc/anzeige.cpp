#include "calc/anzeige.h"

#include "geld/geld.h"
#include "calc/jahresregeln.h"

namespace lst {

bool AnzeigeUmgerechnet(int jahr, bool euro) { return euro == DMJahr(jahr); }

const char* Waehrungszeichen(bool euro) { return euro ? "EUR" : "DM"; }

double AnzeigeWert(int jahr, bool euro, std::int64_t cent) {
  double betrag = static_cast<double>(cent);
  if (euro && DMJahr(jahr)) {
    betrag /= kDMFaktor;
  } else if (!euro && !DMJahr(jahr)) {
    betrag *= kDMFaktor;
  }
  return betrag / 100;
}

std::int64_t InCent(int jahr, bool euro, double betrag) {
  if (euro && DMJahr(jahr)) {
    betrag *= kDMFaktor;
  } else if (!euro && !DMJahr(jahr)) {
    betrag /= kDMFaktor;
  }
  return Runden(betrag * 100);
}

std::int64_t AnzeigeCent(int jahr, bool euro, std::int64_t cent) {
  if (!AnzeigeUmgerechnet(jahr, euro)) return cent;
  return Runden(AnzeigeWert(jahr, euro, cent) * 100);
}

std::int64_t AusAnzeigeCent(int jahr, bool euro, std::int64_t anzeigeCent) {
  if (!AnzeigeUmgerechnet(jahr, euro)) return anzeigeCent;
  // The double of a typed amount with two decimals, as the input fields read it.
  return InCent(jahr, euro, static_cast<double>(anzeigeCent) / 100);
}

std::int64_t AnzeigeUntergrenze(int jahr, bool euro, std::int64_t cent) {
  std::int64_t e = AnzeigeCent(jahr, euro, cent);
  if (!AnzeigeUmgerechnet(jahr, euro)) return e;
  while (AusAnzeigeCent(jahr, euro, e) < cent) ++e;
  while (AusAnzeigeCent(jahr, euro, e - 1) >= cent) --e;
  return e;
}

std::int64_t AnzeigeObergrenze(int jahr, bool euro, std::int64_t cent) {
  std::int64_t e = AnzeigeCent(jahr, euro, cent);
  if (!AnzeigeUmgerechnet(jahr, euro)) return e;
  while (AusAnzeigeCent(jahr, euro, e) > cent) --e;
  while (AusAnzeigeCent(jahr, euro, e + 1) <= cent) ++e;
  return e;
}

TMonatsErgebnis AnzeigeErgebnis(const TParameter& p, bool euro, const TMonatsErgebnis& m,
                                const TGetippteBetraege& getippt) {
  const int jahr = p.Jahr;
  const auto c = [&](std::int64_t cent) { return AnzeigeCent(jahr, euro, cent); };
  TMonatsErgebnis a = m;
  // The regular wage as typed; the taxable wage is it where nothing else
  // is part of it.
  a.LaufenderLohn = getippt.Brutto.value_or(c(m.LaufenderLohn));
  a.RE4 = m.RE4 == m.LaufenderLohn ? a.LaufenderLohn : c(m.RE4);
  a.SonstigeAbzuege = getippt.SonstigeAbzuege.value_or(c(m.SonstigeAbzuege));
  a.Kindergeld = getippt.Kindergeld.value_or(c(m.Kindergeld));
  a.AGZusatz = c(m.AGZusatz);
  // Typed amounts equal the stored ones where nothing is converted; the
  // sums stay the core's.
  if (!AnzeigeUmgerechnet(jahr, euro)) return a;
  a.LSt = c(m.LSt);
  a.LStPausch = c(m.LStPausch);
  a.Soli = c(m.Soli);
  a.SoliPausch = c(m.SoliPausch);
  a.BK = c(m.BK);
  a.BKPausch = c(m.BKPausch);
  a.KiSt = c(m.KiSt);
  a.KiStPausch = c(m.KiStPausch);
  for (std::int64_t TMonatsErgebnis::*f :
       {&TMonatsErgebnis::LSt_sonstig, &TMonatsErgebnis::Soli_sonstig, &TMonatsErgebnis::KiSt_sonstig,
        &TMonatsErgebnis::AnteiligeBBG_KV, &TMonatsErgebnis::AnteiligeBBG_RV, &TMonatsErgebnis::Einmalzahlung_KV,
        &TMonatsErgebnis::Einmalzahlung_RV, &TMonatsErgebnis::SonstigerBezug, &TMonatsErgebnis::Abfindung,
        &TMonatsErgebnis::GWV, &TMonatsErgebnis::Sachbezug, &TMonatsErgebnis::Steuerfrei, &TMonatsErgebnis::VWL_AG,
        &TMonatsErgebnis::Entgeltumwandlung, &TMonatsErgebnis::BAVZuschuss_AG, &TMonatsErgebnis::VWLSparbetrag,
        &TMonatsErgebnis::SVBrutto_KV, &TMonatsErgebnis::SVBrutto_RV, &TMonatsErgebnis::Aktivrente_steuerfrei}) {
    a.*f = c(m.*f);
  }
  // The gross wages from their shown parts.
  a.Gesamtbrutto = a.LaufenderLohn + a.SonstigerBezug + a.Abfindung + a.VWL_AG + a.GWV + a.Sachbezug + a.Steuerfrei;
  a.SteuerBrutto = m.SteuerBrutto == m.LaufenderLohn ? a.LaufenderLohn : c(m.SteuerBrutto);
  a.SteuerSumme = a.LSt + a.KiSt + a.Soli;
  a.SteuerSummePausch = a.LStPausch + a.KiStPausch + a.SoliPausch;
  a.BruttoNachSteuer = a.Gesamtbrutto - a.SteuerSumme;
  a.BruttoPlusPausch = a.Gesamtbrutto + a.SteuerSummePausch;
  // The contribution lines, then the sums without the top-up entries, as
  // the contributions form them.
  for (int art = 0; art < svAnzahl; ++art) {
    const TBeitrag& b = m.Beitrag(static_cast<TSVArt>(art));
    a.Beitrag(static_cast<TSVArt>(art)) = {c(b.AN), c(b.AG)};
  }
  a.SVSummeAN = a.KV.AN + a.PV.AN + a.RV.AN + a.AV.AN + a.KV2.AN + a.PV2.AN;
  a.SVSummeAG = a.KV.AG + a.PV.AG + a.RV.AG + a.AV.AG + a.KV2.AG + a.PV2.AG;
  a.BE = c(m.BE);
  a.BE_AN = c(m.BE_AN);
  a.U1_AG = c(m.U1_AG);
  a.U2_AG = c(m.U2_AG);
  a.IGU_AG = c(m.IGU_AG);
  a.PKVZuschuss_AG = c(m.PKVZuschuss_AG);
  a.Netto = a.BruttoNachSteuer - a.SVSummeAN - a.SonstigeAbzuege - a.GWV - a.Sachbezug - a.Entgeltumwandlung;
  a.AGGesamt = a.BruttoPlusPausch - a.GWV + a.SVSummeAG + a.PKVZuschuss_AG + a.BAVZuschuss_AG;
  a.Auszahlung = a.Netto + a.Kindergeld + a.PKVZuschuss_AG - a.VWLSparbetrag;
  a.AGGesamtPlus = a.AGGesamt + a.AGZusatz;
  a.AGGesamtUmlagen = a.AGGesamt + a.U1_AG + a.U2_AG + a.IGU_AG;
  return a;
}

}  // namespace lst
