#include "calc/rechnung.h"

#include <algorithm>
#include <string>

#include "calc/berechnung.h"
#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"

namespace lst {

std::string KontextEinstellen(TRechenKontext& k, const TRechnung& r) {
  const TJahresRegeln& regeln = JahresRegeln(r.Jahr);
  if (!regeln.Lohnsteuer) return "Keine Lohnsteuer für " + std::to_string(r.Jahr) + " vorhanden.";
  if (r.Version >= 0) {
    if (r.Version >= kAnzahlLStVersionen) return "Unbekannter Programmablaufplan.";
    const TLStVersion& v = kLStVersionen[r.Version];
    if (v.Jahr != r.Jahr) {
      return std::string("Der Programmablaufplan ") + v.Schluessel + " gehört zum Jahr " +
             std::to_string(v.Jahr) + ", nicht zu " + std::to_string(r.Jahr) + ".";
    }
  }
  k.LStJahr = static_cast<std::int16_t>(r.Jahr);
  k.LStMonat = static_cast<std::uint8_t>(r.Monat < 1 ? 1 : r.Monat > 12 ? 12 : r.Monat);
  k.LStVersion = r.Version;
  k.EuroAnzeige = r.EuroAnzeige;
  k.ArbeitnehmerSicht = r.ArbeitnehmerSicht;
  if (regeln.GrundfreibetragWahl) k.GFB = r.Grundfreibetrag == 8004 ? 8004 : 8130;
  const int gewaehlt = k.VersionFuer(r.Jahr);
  if (gewaehlt >= 0 && k.ProgrammVersion(gewaehlt) == nullptr) {
    return std::string("Für den Programmablaufplan ") + kLStVersionen[gewaehlt].Schluessel +
           " ist noch kein Programm vorhanden.";
  }
  return {};
}

std::string RegelnAnwenden(TRechenKontext& k, TRechnung& r) {
  std::string fehler = KontextEinstellen(k, r);
  if (fehler.empty()) EingabeRegelnAnwenden(k, r);
  return fehler;
}

TBeitragsgruppe BeitragsgruppeDerRechnung(const TRechnung& r) {
  if (r.Beitragsgruppe) return *r.Beitragsgruppe;
  TVersicherung v;
  v.Beschaeftigung = r.Beschaeftigung;
  v.Aufstockung = r.Aufstockung;
  v.Privat = r.Privat != 0;
  v.BesondereTabelle = r.LSt.TabArt != 0;
  return GruppeDerVersicherung(v);
}

namespace {

// The inputs a given group decides, set in the request.
void GruppeEinsetzen(TRechnung& r, const TVersicherung& v) {
  r.Beschaeftigung = v.Beschaeftigung;
  r.Aufstockung = v.Aufstockung;
  if (!v.Privat) {
    r.Privat = 0;
    r.PrivatBeitrag = 0;
    r.PrivatBeitragPV.reset();
  } else if (r.Privat == 0) {
    r.Privat = 1;
  }
  r.LSt.TabArt = v.BesondereTabelle ? 1 : 0;
}

}  // namespace

std::string BeitragsgruppeUebernehmen(TRechnung& r) {
  if (!r.Beitragsgruppe) return {};
  const TBeitragsgruppe g = *r.Beitragsgruppe;
  const TVersicherung v = VersicherungDerGruppe(g, r.Beschaeftigung);
  std::string f = BeitragsgruppePruefen(g, r.Jahr, r.Monat, v.Beschaeftigung, v.Privat);
  if (!f.empty()) return f;
  GruppeEinsetzen(r, v);
  return {};
}

void EingabeRegelnAnwenden(TRechenKontext& k, TRechnung& r) {
  const TJahresRegeln& regeln = JahresRegeln(r.Jahr);
  if (regeln.Beitragsgruppen && r.Beitragsgruppe) GruppeEinsetzen(r, VersicherungDerGruppe(*r.Beitragsgruppe, r.Beschaeftigung));
  const int typ = r.Beschaeftigung == beGF || r.Beschaeftigung == beHH ? r.Beschaeftigung : beNV;
  const bool marginal = typ != beNV;
  const bool privat = r.Privat != 0;
  const bool kinder = r.LSt.ZKF > 0 || r.PVAbschlaege > 0;
  TLStEingabe& l = r.LSt;

  // The employer's flat-rate tax replaces the wage tax only in marginal
  // employment.
  if (!marginal) l.PauschSatzAG = 0;
  // The age relief from the year after the 64th birthday (AJAHR) on.
  if (l.ALTER1 && l.AJAHR > r.Jahr) l.ALTER1 = false;

  // Rates of the employment type in force.
  std::array<TSatzPaar, svAnzahl> zeile = k.SVSatzTabelle[typ];
  TBeitragsgruppe gruppe;
  if (regeln.Beitragsgruppen) {
    // From 2014 the contribution group decides which branches levy what.
    gruppe = BeitragsgruppeDerRechnung(r);
    SaetzeDerGruppe(gruppe, r.Jahr, k.LStMonat, zeile);
  } else if (l.TabArt != 0) {
    // The special table has no pension or unemployment insurance.
    for (int art : {svRV, svAV}) {
      if (zeile[art].AN >= 0) zeile[art].AN = 0;
      if (zeile[art].AG >= 0) zeile[art].AG = 0;
    }
  }

  TSVEingabe& sv = r.SV;
  sv = TSVEingabe{};
  sv.Gruppe = gruppe;
  sv.MitGruppe = regeln.Beitragsgruppen;
  sv.Region = r.Region == rgOst ? rgOst : rgWest;
  sv.Aufstockung = r.Aufstockung && marginal && regeln.ArtVorhanden(typ, svRVAuf) && zeile[svRVAuf].AN >= 0;
  sv.Gleitzone = r.Gleitzone;
  sv.RVVerzicht = r.RVVerzicht;
  sv.Saetze = zeile;
  // The surcharges only where the year knows them, whatever a settings file
  // says; the care surcharge only for the childless.
  const bool kv2 = zeile[svKV2].AN >= 0 && regeln.ArtVorhanden(typ, svKV2) && !privat && r.KVZuschlag;
  const bool pv2 = zeile[svPV2].AN >= 0 && regeln.ArtVorhanden(typ, svPV2) && !privat && !kinder && r.PVZuschlag;
  if (!kv2) sv.Saetze[svKV2].AN = 0;
  if (!pv2) sv.Saetze[svPV2].AN = 0;
  const bool sachsen = r.Sachsen && sv.Region == rgOst;
  if (regeln.PeriodenNachMonat) {
    // The rule period of the pay month: the flowchart's month.
    sv.Monat = k.LStMonat;
    sv.Beschaeftigung = static_cast<std::uint8_t>(typ);
    sv.PVAbschlaege = static_cast<std::uint8_t>(r.PVAbschlaege < 0 ? 0 : r.PVAbschlaege > 4 ? 4 : r.PVAbschlaege);
    sv.U1 = r.U1;
    sv.U2 = r.U2;
    if (regeln.KVZusatz) {
      // The fund's add-on rate: the typed one, else the row's pair (the
      // period's average, or the settings').  Without it neither side pays.
      if (kv2 && r.KVZusatz) sv.Saetze[svKV2] = ZusatzbeitragSaetze(r.Jahr, sv.Monat, *r.KVZusatz);
      if (!kv2 && sv.Saetze[svKV2].AG > 0) sv.Saetze[svKV2].AG = 0;
    }
    if (sachsen && !privat && sv.Saetze[svPV].AN > 0) {
      if (r.SachsenPV) {
        sv.Saetze[svPV] = *r.SachsenPV;
      } else {
        // The period's shift of half a point to the employee.
        SachsenPVSaetze(r.Jahr, sv.Monat, sv.Saetze[svPV]);
      }
    }
  } else if (sachsen && !privat) {
    if (r.SachsenPV)
      sv.Saetze[svPV] = *r.SachsenPV;
    else
      SachsenPVSaetze(r.Jahr, sv.Saetze[svPV]);
  }
  if (privat) {
    // A subsidy stated as paid makes the insurance one with subsidy.
    const bool gezahlt = regeln.AGZuschussBetrag && r.AGZuschussBetrag.has_value();
    sv.PKV = r.Privat == 2 || gezahlt ? 2 : 1;
    sv.PKPV = r.PrivatBeitrag > 0 ? r.PrivatBeitrag : 0;
    if (r.PrivatBeitragPV) sv.PKPVPflege = std::clamp<std::int64_t>(*r.PrivatBeitragPV, 0, sv.PKPV);
    if (gezahlt) sv.AGZuschuss = std::max<std::int64_t>(*r.AGZuschussBetrag, 0);
  }
  sv.PVS = sachsen;

  // The wage-tax inputs that follow from the insurance.
  if (!regeln.Vorhanden) {
    // Years with the wage tax alone: the flowchart's own inputs.
    l.KVZ = r.KVZusatz.value_or(DurchschnittlicherZusatzbeitrag(r.Jahr));
    l.PVZ = !privat && !kinder && r.PVZuschlag;
    l.PVA = static_cast<std::uint8_t>(r.PVAbschlaege);
    // Their wage tax reads these from the social-insurance record.
    sv.Monat = k.LStMonat;
    sv.Saetze[svKV2] = ZusatzbeitragSaetze(r.Jahr, sv.Monat, l.KVZ);
    sv.Saetze[svPV2].AN = l.PVZ ? SVSaetzeStandard(r.Jahr, sv.Monat)[beNV][svPV2].AN : 0;
    sv.PVAbschlaege = l.PVA;
  } else if (regeln.EingabenAusSV) {
    // The flowchart reads these from the social-insurance record; kept here
    // as well for the tools that show the tax inputs.
    const TSatzPaar& zb = sv.Saetze[svKV2];
    l.KVZ = regeln.KVZusatz ? ((zb.AN > 0 ? zb.AN : 0) + (zb.AG > 0 ? zb.AG : 0)) * 100 : 0;
    l.PVZ = sv.Saetze[svPV2].AN > 0;
    l.PVA = regeln.PVAbschlaege ? sv.PVAbschlaege : 0;
  } else {
    l.KVZ = 0;
    l.PVZ = sv.Saetze[svPV2].AN > 0;
    l.PVA = 0;
  }

  r.Zusatz.Kindergeld = 0;
  if (r.Kindergeld) {
    r.Zusatz.Kindergeld = *r.Kindergeld;
  } else if (kinder && l.STKL <= 4 && r.LZ.LZZ >= 1 && r.LZ.LZZ <= 4) {
    static constexpr int kTage[] = {360, 30, 7, 1};
    r.Zusatz.Kindergeld = KindergeldBerechnen(k, kTage[r.LZ.LZZ - 1], l.ZKF);
  }
  r.Zusatz.AGZusatz = r.AGZusatz;
}

std::int64_t GesamtBerechnen(TRechenKontext& k, const TRechnung& r, TGesamtErgebnis& erg) {
  return GesamtBerechnen(k, r.Jahr, r.LZ, r.LSt, erg, r.Zusatz, r.SonstigeAbzuege, r.SV);
}

std::int64_t SteuerBerechnen(TRechenKontext& k, const TRechnung& r, TLStErgebnis& erg) {
  return SteuerBerechnen(k, r.Jahr, r.LZ, r.LSt, erg, r.SV);
}

}  // namespace lst
