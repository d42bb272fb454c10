#include "calc/abrechnung.h"

#include <algorithm>
#include <memory>

#include "calc/berechnung.h"
#include "calc/rechenwerk.h"
#include "calc/geld.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/werk.h"

namespace lst {

namespace {

// The working space of the flowcharts, the thread's own.
TFlussplanWerk& Werk() {
  thread_local TFlussplanWerk werk;
  return werk;
}

// The child benefit of a pay period of the given days for n children
// (steps of 0,5), by the amounts of the period.
std::int64_t Kindergeld(const TSVPeriode& periode, int tage, double n) {
  if (n == 0) return 0;
  const TKindergeldSaetze& t = periode.Kindergeld;
  std::int64_t betrag = Runden(n * t.T1);
  if (n > 1) betrag += Runden((n - 1) * (t.T2 - t.T1));
  if (n > 2) betrag += Runden((n - 2) * (t.T3 - t.T2));
  if (n > 3) betrag += Runden((n - 3) * (t.T4 - t.T3));
  return Runden(betrag / 30.0 * tage);
}

}  // namespace

TDatensaetze Aufbereiten(const TParameter& p, const TAnfrage& eingang) {
  const TJahresRegeln& regeln = p.R();
  const TAnfrage a = MitGruppe(p, eingang);
  const int typ = a.Beschaeftigung == beGF || a.Beschaeftigung == beHH ? a.Beschaeftigung : beNV;
  const bool marginal = typ != beNV;
  const bool privat = a.Privat;
  // Children for the care surcharge: child allowances or children under 25.
  const bool kinder = a.ZKF > 0 || a.PVAbschlaege > 0;

  TDatensaetze d;
  d.LZ = {a.LZZ, a.Brutto};
  TLStEingabe& l = d.LSt;
  l.ALTER1 = a.Altersentlastung.has_value();
  l.AJAHR = a.Altersentlastung.value_or(0);
  // The age relief from the year after the 64th birthday (AJAHR) on.
  if (l.ALTER1 && l.AJAHR > p.Jahr) l.ALTER1 = false;
  l.Bekenntnislos = a.Bekenntnislos;
  l.TabArt = a.BesondereTabelle ? 1 : 0;
  l.STKL = a.STKL;
  l.af = a.Faktor.has_value() && a.STKL == 4;
  l.f = a.Faktor.value_or(1.0);
  l.ZKF = a.ZKF;
  l.Freibetrag = a.Freibetrag;
  l.Hinzurechnung = a.Hinzurechnung;
  l.VBEZ = a.VBEZ;
  l.VBEZM = a.VBEZM;
  l.VBEZS = a.VBEZS;
  l.ZMVB = a.ZMVB;
  l.VJAHR = a.VJAHR;
  l.STERBE = a.STERBE;
  l.KiStSatz = a.KiStSatz;
  // The employer's flat-rate tax replaces the wage tax only in marginal
  // employment.
  l.PauschSatzAG = marginal ? a.PauschSatz.value_or(0) : 0;

  // Rates of the employment type in force.
  std::array<TSatzPaar, svAnzahl> zeile = p.Saetze[typ];
  TBeitragsgruppe gruppe;
  if (regeln.Beitragsgruppen) {
    gruppe = BeitragsgruppeDerAnfrage(p, a);
    SaetzeDerGruppe(gruppe, p.Jahr, p.Monat, zeile);
  } else if (l.TabArt != 0) {
    // The special table has no pension or unemployment insurance.
    for (int art : {svRV, svAV}) {
      if (zeile[art].AN >= 0) zeile[art].AN = 0;
      if (zeile[art].AG >= 0) zeile[art].AG = 0;
    }
  }

  TSVEingabe& sv = d.SV;
  sv.Gruppe = gruppe;
  sv.MitGruppe = regeln.Beitragsgruppen;
  sv.Region = a.Region == rgOst ? rgOst : rgWest;
  sv.Aufstockung = a.Aufstockung && marginal && regeln.ArtVorhanden(typ, svRVAuf) && zeile[svRVAuf].AN >= 0;
  sv.Gleitzone = a.Gleitzone;
  sv.RVVerzicht = a.RVVerzicht;
  sv.Saetze = zeile;
  // The surcharges only where the year knows them, whatever stored rates
  // say; the care surcharge only for the childless.
  const bool kv2 = zeile[svKV2].AN >= 0 && regeln.ArtVorhanden(typ, svKV2) && !privat && a.KVZuschlag;
  const bool pv2 = zeile[svPV2].AN >= 0 && regeln.ArtVorhanden(typ, svPV2) && !privat && !kinder && a.PVZuschlag;
  if (!kv2) sv.Saetze[svKV2].AN = 0;
  if (!pv2) sv.Saetze[svPV2].AN = 0;
  const bool sachsen = a.Sachsen && sv.Region == rgOst;
  if (regeln.PeriodenNachMonat) {
    sv.Monat = static_cast<std::uint8_t>(p.Monat);
    sv.Beschaeftigung = static_cast<std::uint8_t>(typ);
    sv.PVAbschlaege = static_cast<std::uint8_t>(std::clamp(a.PVAbschlaege, 0, 4));
    // The levies: the request's, else the stored ones of normal employment,
    // else the default of the employment type.
    sv.U1 = a.U1.value_or(typ == beNV && p.U1NV >= 0 ? p.U1NV / 100 : -1.0);
    sv.U2 = a.U2.value_or(typ == beNV && p.U2NV >= 0 ? p.U2NV / 100 : -1.0);
    if (regeln.KVZusatz) {
      // The fund's add-on rate: the request's, else the stored one of
      // normal employment, else the row's pair (the period's average).
      // Without it neither side pays.
      std::optional<double> zusatz = a.KVZusatz;
      if (!zusatz && typ == beNV && !privat && p.KVZusatzEigen >= 0) zusatz = p.KVZusatzEigen;
      if (kv2 && zusatz) sv.Saetze[svKV2] = ZusatzbeitragSaetze(p.Jahr, sv.Monat, *zusatz);
      if (!kv2 && sv.Saetze[svKV2].AG > 0) sv.Saetze[svKV2].AG = 0;
    }
    if (sachsen && !privat && sv.Saetze[svPV].AN > 0) {
      if (a.SachsenPV) {
        sv.Saetze[svPV] = *a.SachsenPV;
      } else {
        // The period's shift of half a point to the employee.
        SachsenPVSaetze(p.Jahr, sv.Monat, sv.Saetze[svPV]);
      }
    }
  } else if (sachsen && !privat) {
    if (a.SachsenPV)
      sv.Saetze[svPV] = *a.SachsenPV;
    else
      SachsenPVSaetze(p.Jahr, sv.Saetze[svPV]);
  }
  if (privat) {
    // A subsidy stated as paid makes the insurance one with subsidy.
    const bool gezahlt = regeln.AGZuschussBetrag && a.AGZuschussBetrag.has_value();
    sv.PKV = a.AGZuschuss || gezahlt ? 2 : 1;
    sv.PKPV = a.PrivatBeitrag > 0 ? a.PrivatBeitrag : 0;
    if (a.PrivatBeitragPV) sv.PKPVPflege = std::clamp<std::int64_t>(*a.PrivatBeitragPV, 0, sv.PKPV);
    if (gezahlt) sv.AGZuschuss = std::max<std::int64_t>(*a.AGZuschussBetrag, 0);
  }
  sv.PVS = sachsen;

  d.Zusatz.Kindergeld = 0;
  if (a.Kindergeld) {
    d.Zusatz.Kindergeld = *a.Kindergeld;
  } else if (a.ZKF > 0 && a.STKL <= 4 && a.LZZ >= 1 && a.LZZ <= 4) {
    static constexpr int kTage[] = {360, 30, 7, 1};
    d.Zusatz.Kindergeld = Kindergeld(p.Periode, kTage[a.LZZ - 1], a.ZKF);
  }
  d.Zusatz.AGZusatz = a.AGZusatz;
  d.SonstigeAbzuege = a.SonstigeAbzuege;
  return d;
}

TFlussplan Flussplan(const TParameter& p) {
  TFlussplanWerk& werk = Werk();
  werk.LStJahr = static_cast<std::int16_t>(p.Jahr);
  werk.GFB = p.Grundfreibetrag;
  werk.SoliGeladen = p.SoliProzent;
  return {werk, werk.ProgrammVersion(p.Version)};
}

TAnfrage MitGruppe(const TParameter& p, const TAnfrage& eingang) {
  TAnfrage a = eingang;
  if (!p.Regeln || !p.R().Beitragsgruppen || !a.Beitragsgruppe) return a;
  const TVersicherung v = VersicherungDerGruppe(*a.Beitragsgruppe, a.Beschaeftigung);
  a.Beschaeftigung = v.Beschaeftigung;
  a.Aufstockung = v.Aufstockung;
  if (!v.Privat) {
    a.Privat = false;
    a.AGZuschuss = false;
    a.PrivatBeitrag = 0;
    a.PrivatBeitragPV.reset();
  } else {
    a.Privat = true;
  }
  a.BesondereTabelle = v.BesondereTabelle;
  return a;
}

TBeitragsgruppe BeitragsgruppeDerAnfrage(const TParameter& p, const TAnfrage& eingang) {
  const TAnfrage a = MitGruppe(p, eingang);
  if (a.Beitragsgruppe) return *a.Beitragsgruppe;
  TVersicherung v;
  v.Beschaeftigung = a.Beschaeftigung == beGF || a.Beschaeftigung == beHH ? a.Beschaeftigung : beNV;
  v.Aufstockung = a.Aufstockung;
  v.Privat = a.Privat;
  v.BesondereTabelle = a.BesondereTabelle;
  return GruppeDerVersicherung(v);
}

TBeitrag& TMonatsErgebnis::Beitrag(TSVArt art) {
  switch (art) {
    case svKV: return KV;
    case svPV: return PV;
    case svRV: return RV;
    case svAV: return AV;
    case svRVAuf: return RVAuf;
    case svKV2: return KV2;
    default: return PV2;
  }
}

const TBeitrag& TMonatsErgebnis::Beitrag(TSVArt art) const {
  return const_cast<TMonatsErgebnis*>(this)->Beitrag(art);
}

TMonatsErgebnis Abrechnen(const TParameter& p, const TAnfrage& a, const TJahresStand& bisher) {
  TMonatsErgebnis m;
  m.Stand = bisher;
  if (!p.Lohnsteuer()) return m;
  const TDatensaetze d = Aufbereiten(p, a);
  const TFlussplan f = Flussplan(p);
  TLStZustand& z = f.Zustand;
  TLohnsteuerProgramm* programm = f.Programm;

  TLStErgebnis steuer;
  SteuerRechnen(z, programm, p.BBG, d.LZ, d.LSt, steuer, d.SV);
  m.Version = p.Version;
  m.RE4 = d.LZ.RE4;
  m.LSt = steuer.LSt;
  m.LStPausch = steuer.LStPausch;
  m.Soli = steuer.Soli;
  m.SoliPausch = steuer.SoliPausch;
  m.BK = steuer.BK;
  m.BKPausch = steuer.BKPausch;
  m.KiSt = steuer.KiSt;
  m.KiStPausch = steuer.KiStPausch;
  m.SteuerSumme = steuer.SteuerSumme;
  m.SteuerSummePausch = steuer.SteuerSummePausch;
  m.BruttoNachSteuer = steuer.BruttoNachSteuer;
  m.BruttoPlusPausch = steuer.BruttoPlusPausch;
  const bool flussplan = !(d.LSt.PauschSatzAG > 0) && !(d.LSt.PauschSatzLSt > 0);
  if (programm != nullptr && flussplan) {
    m.TarifX = programm->LetzteTarifeinheit();
    m.KZTAB = programm->LetzterKZTAB();
  }

  if (p.R().Vorhanden) {
    TSVErgebnis sv;
    SVRechnen(p.Jahr, p.Periode, p.BBG, d.LZ, d.SV, sv);
    for (int art = 0; art < svAnzahl; ++art) {
      m.Beitrag(static_cast<TSVArt>(art)) = {sv.AN(art), sv.AG(art)};
    }
    m.SVSummeAN = sv.SVSummeAN();
    m.SVSummeAG = sv.SVSummeAG();
    m.BE = sv.BE;
    m.BE_AN = sv.BE_AN;
    m.U1_AG = sv.U1_AG;
    m.U2_AG = sv.U2_AG;
    m.IGU_AG = sv.IGU_AG;
    m.PKVZuschuss_AG = sv.PKVZuschuss_AG;
    if (d.SV.MitGruppe) m.Beitragsgruppe = d.SV.Gruppe;
    m.Saetze = AngewandteSaetze(p.Jahr, d.SV);
  }
  m.Kindergeld = d.Zusatz.Kindergeld;
  m.AGZusatz = d.Zusatz.AGZusatz;
  m.SonstigeAbzuege = d.SonstigeAbzuege;
  m.Netto = m.BruttoNachSteuer - m.SVSummeAN - m.SonstigeAbzuege;
  // The employer's subsidy to a private insurance is paid out with the net
  // wage, tax-free and free of contributions: it raises the payout and the
  // employer's cost, not the net wage.
  m.AGGesamt = m.BruttoPlusPausch + m.SVSummeAG + m.PKVZuschuss_AG;
  m.Auszahlung = m.Netto + m.Kindergeld + m.PKVZuschuss_AG;
  m.AGGesamtPlus = m.AGGesamt + m.AGZusatz;
  m.AGGesamtUmlagen = m.AGGesamt + m.U1_AG + m.U2_AG + m.IGU_AG;

  TJahresStand& s = m.Stand;
  s.Monate += 1;
  s.Brutto += m.RE4;
  s.SVEntgeltKV += std::min(m.RE4, BBGFuerZeitraum(p.BBG, d.LZ.LZZ, d.SV.Region)[bbgKV]);
  s.SVEntgeltRV += std::min(m.RE4, BBGFuerZeitraum(p.BBG, d.LZ.LZZ, d.SV.Region)[bbgRV]);
  s.LSt += m.LSt;
  s.Soli += m.Soli;
  s.KiSt += m.KiSt;
  s.SVSummeAN += m.SVSummeAN;
  s.SVSummeAG += m.SVSummeAG;
  return m;
}

const std::array<TErgebnisFeld, 40>& ErgebnisFelder() {
  using M = TMonatsErgebnis;
  static const std::array<TErgebnisFeld, 40> felder = {{
      {"RE4", &M::RE4},
      {"LSt", &M::LSt},
      {"LStPausch", &M::LStPausch},
      {"Soli", &M::Soli},
      {"SoliPausch", &M::SoliPausch},
      {"BK", &M::BK},
      {"BKPausch", &M::BKPausch},
      {"KiSt", &M::KiSt},
      {"KiStPausch", &M::KiStPausch},
      {"SteuerSumme", &M::SteuerSumme},
      {"SteuerSummePausch", &M::SteuerSummePausch},
      {"BruttoNachSteuer", &M::BruttoNachSteuer},
      {"BruttoPlusPausch", &M::BruttoPlusPausch},
      {"KV_AN", nullptr, &M::KV, false},
      {"KV_AG", nullptr, &M::KV, true},
      {"PV_AN", nullptr, &M::PV, false},
      {"PV_AG", nullptr, &M::PV, true},
      {"RV_AN", nullptr, &M::RV, false},
      {"RV_AG", nullptr, &M::RV, true},
      {"AV_AN", nullptr, &M::AV, false},
      {"AV_AG", nullptr, &M::AV, true},
      {"RVAuf_AN", nullptr, &M::RVAuf, false},
      {"RVAuf_AG", nullptr, &M::RVAuf, true},
      {"KV2_AN", nullptr, &M::KV2, false},
      {"KV2_AG", nullptr, &M::KV2, true},
      {"PV2_AN", nullptr, &M::PV2, false},
      {"PV2_AG", nullptr, &M::PV2, true},
      {"SVSummeAN", &M::SVSummeAN},
      {"SVSummeAG", &M::SVSummeAG},
      {"Netto", &M::Netto},
      {"AGGesamt", &M::AGGesamt},
      {"Auszahlung", &M::Auszahlung},
      {"AGGesamtPlus", &M::AGGesamtPlus},
      {"BE", &M::BE},
      {"BE_AN", &M::BE_AN},
      {"U1_AG", &M::U1_AG},
      {"U2_AG", &M::U2_AG},
      {"IGU_AG", &M::IGU_AG},
      {"AGGesamtUmlagen", &M::AGGesamtUmlagen},
      {"PKVZuschuss_AG", &M::PKVZuschuss_AG},
  }};
  return felder;
}

}  // namespace lst
