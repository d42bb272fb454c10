#include "calc/abrechnung.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/berechnung.h"
#include "calc/pruefung.h"
#include "calc/rechenwerk.h"
#include "geld/geld.h"
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

namespace {

// Pay periods in a year as the flowcharts annualise a wage.
std::int64_t AufsJahr(std::int64_t betrag, std::uint8_t lzz) {
  switch (lzz) {
    case 1: return betrag;
    case 3: return Runden(static_cast<double>(betrag) * 360 / 7);
    case 4: return betrag * 360;
    default: return betrag * 12;
  }
}

// The monthly value of a company car's private use: 1 % of the list price
// rounded down to full 100 EUR (the share of electric and hybrid cars taken
// of it) and 0,03 % of it per km between home and work, rounded to the cent.
std::int64_t DienstwagenMonat(const TAnfrage& a) {
  if (a.DienstwagenListenpreis <= 0) return 0;
  const double liste = static_cast<double>(a.DienstwagenListenpreis / 10000 * 10000) * a.DienstwagenSatz.value_or(1.0);
  return Runden(liste * 0.01 + liste * 0.0003 * std::max(a.DienstwagenKm, 0.0));
}

}  // namespace

namespace {

// Whether a given contribution group decides the insurance of the request.
bool GruppeEntscheidet(const TParameter& p, const TAnfrage& a) {
  return p.Regeln && p.R().Beitragsgruppen && a.Beitragsgruppe;
}

// The group of a request whose insurance already follows its group.
TBeitragsgruppe GruppeDerVersicherten(const TAnfrage& a) {
  if (a.Beitragsgruppe) return *a.Beitragsgruppe;
  TVersicherung v;
  v.Beschaeftigung = a.Beschaeftigung == beGF || a.Beschaeftigung == beHH ? a.Beschaeftigung : beNV;
  v.Aufstockung = a.Aufstockung;
  v.Privat = a.Privat;
  v.BesondereTabelle = a.BesondereTabelle;
  return GruppeDerVersicherung(v);
}

}  // namespace

namespace {

// The records of a request whose insurance follows its group already.
TDatensaetze AufbereitenMitGruppe(const TParameter& p, const TAnfrage& a, std::int64_t bavZuschuss) {
  const TJahresRegeln& regeln = p.R();
  const int typ = a.Beschaeftigung == beGF || a.Beschaeftigung == beHH ? a.Beschaeftigung : beNV;
  const bool marginal = typ != beNV;
  const bool privat = a.Privat;
  // Children for the care surcharge: child allowances or children under 25.
  const bool kinder = a.ZKF > 0 || a.PVAbschlaege > 0;

  TDatensaetze d;
  // The current wage: the regular pay, the company car and the benefits in
  // kind above their exemption limit, the employer's capital-forming
  // benefit; deferred compensation with the employer's subsidy leaves the
  // taxable and the liable wage as far as each is free.
  const TLohnRegeln& lr = p.Periode.Lohn;
  d.GWV = MonatFuerZeitraum(DienstwagenMonat(a), a.LZZ);
  const bool sachbezugFrei =
      lr.SachbezugFreigrenze >= 0 && a.Sachbezug <= MonatFuerZeitraum(lr.SachbezugFreigrenze, a.LZZ);
  d.SachbezugPflichtig = sachbezugFrei ? 0 : a.Sachbezug;
  d.BAVZuschuss = bavZuschuss;
  if (a.Entgeltumwandlung > 0 || bavZuschuss > 0) {
    const std::int64_t rvJahr = 12 * p.Periode.RVWest;
    const std::int64_t steuerfrei =
        MonatFuerZeitraum(Runden(static_cast<double>(rvJahr) * lr.BAVSteuerfreiProzent / 100 / 12) + lr.BAVSteuerfreiZusatz,
                          a.LZZ);
    const std::int64_t svFrei =
        MonatFuerZeitraum(Runden(static_cast<double>(rvJahr) * lr.BAVSVFreiProzent / 100 / 12), a.LZZ);
    const std::int64_t beitrag = a.Entgeltumwandlung + bavZuschuss;
    d.BAVSteuerfrei = std::min(beitrag, steuerfrei);
    d.BAVSVFrei = std::min(beitrag, svFrei);
  }
  const std::int64_t laufend = a.Brutto + d.GWV + d.SachbezugPflichtig + a.VWLAG + bavZuschuss;
  d.LZ = {a.LZZ, laufend - d.BAVSteuerfrei};
  d.SVEntgelt = laufend - d.BAVSVFrei;
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
  // A one-off payment and a severance: taxed by the yearly difference;
  // a severance up to 2024 with the one-fifth rule where asked.  The
  // compensation leaves the provision allowance's base.
  const bool fuenftel = a.Abfindung > 0 && a.Fuenftelregelung && p.Version >= 0 && kLStVersionen[p.Version].MitVMT;
  l.SONSTB = a.SonstigerBezug + (fuenftel ? 0 : a.Abfindung);
  l.SONSTENT = fuenftel ? 0 : a.Abfindung;
  l.VMT = fuenftel ? a.Abfindung : 0;
  l.ENTSCH = l.VMT;
  if (a.Aktivrente && NichtVerfuegbar(p, a, TFeld::Aktivrente).empty()) {
    // The Aktivrente leaves the flowchart's wages: the current wage first
    // (pension payments in it are no pay for work done past the retirement
    // age), what the pay period's amount leaves of it the one-off of the
    // same pay period (not a severance).  Age relief and provision allowance
    // follow from the rest, as the flowchart computes both from RE4.
    const std::int64_t grenze = AktivrenteFuerZeitraum(regeln, a.LZZ);
    d.AktivrenteLaufend = std::clamp<std::int64_t>(d.LZ.RE4 - std::max<std::int64_t>(a.VBEZ, 0), 0, grenze);
    d.AktivrenteSonstig = std::clamp<std::int64_t>(a.SonstigerBezug, 0, grenze - d.AktivrenteLaufend);
    d.LZ.RE4 -= d.AktivrenteLaufend;
    l.SONSTB -= d.AktivrenteSonstig;
  }
  if (l.SONSTB > 0 || l.VMT > 0) {
    l.JRE4 = a.Jahresarbeitslohn.value_or(AufsJahr(d.LZ.RE4, a.LZZ) + a.BisherigeSonstigeBezuege);
    l.JVBEZ = AufsJahr(a.VBEZ, a.LZZ);
    l.JFREIB = AufsJahr(a.Freibetrag, a.LZZ);
    l.JHINZU = AufsJahr(a.Hinzurechnung, a.LZZ);
  }

  // Rates of the employment type in force.
  TSVEingabe& sv = d.SV;
  std::array<TSatzPaar, svAnzahl>& zeile = sv.Saetze;
  zeile = p.Saetze[typ];
  TBeitragsgruppe gruppe;
  if (regeln.Beitragsgruppen) {
    gruppe = GruppeDerVersicherten(a);
    SaetzeDerGruppe(gruppe, p.Periode, zeile);
  } else if (l.TabArt != 0) {
    // The special table has no pension or unemployment insurance.
    for (int art : {svRV, svAV}) {
      if (zeile[art].AN >= 0) zeile[art].AN = 0;
      if (zeile[art].AG >= 0) zeile[art].AG = 0;
    }
  }

  sv.Gruppe = gruppe;
  sv.MitGruppe = regeln.Beitragsgruppen;
  sv.Region = a.Region == rgOst ? rgOst : rgWest;
  sv.Aufstockung = a.Aufstockung && marginal && regeln.ArtVorhanden(typ, svRVAuf) && zeile[svRVAuf].AN >= 0;
  sv.Gleitzone = a.Gleitzone;
  sv.RVVerzicht = a.RVVerzicht;
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
      if (kv2 && zusatz) sv.Saetze[svKV2] = ZusatzbeitragSaetze(p.Periode, *zusatz);
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

}  // namespace

TDatensaetze Aufbereiten(const TParameter& p, const TAnfrage& eingang, std::int64_t bavZuschuss) {
  // A copy only where the group changes the insurance: a slip is computed
  // millions of times in a batch.
  if (GruppeEntscheidet(p, eingang) || eingang.Bundesland) {
    TAnfrage a = GruppeEntscheidet(p, eingang) ? MitGruppe(p, eingang) : eingang;
    if (eingang.Bundesland) a = MitBundesland(a);
    return AufbereitenMitGruppe(p, a, bavZuschuss);
  }
  return AufbereitenMitGruppe(p, eingang, bavZuschuss);
}

TFlussplan Flussplan(const TParameter& p) {
  TFlussplanWerk& werk = Werk();
  werk.LStJahr = static_cast<std::int16_t>(p.Jahr);
  werk.GFB = p.Grundfreibetrag;
  werk.SoliGeladen = p.SoliProzent;
  return {werk, werk.ProgrammVersion(p.Version)};
}

TAnfrage MitBundesland(const TAnfrage& eingang) {
  TAnfrage a = eingang;
  if (!a.Bundesland) return a;
  const TBundeslandDaten& land = BundeslandDaten(*a.Bundesland);
  a.Region = land.Ost ? rgOst : rgWest;
  a.Sachsen = land.Sachsen;
  if (!a.KiStSatzAngegeben) a.KiStSatz = land.KiStProzent / 100.0;
  return a;
}

std::int64_t AktivrenteFuerZeitraum(const TJahresRegeln& r, std::uint8_t lzz) {
  // The year's amount in the proportions the flowchart takes a year's
  // amounts for a pay period (section 39b (2) sentence 9 EStG): a twelfth
  // for the month, 7/360 for the week, 1/360 for the day, to the cent.
  const double jahr = static_cast<double>(r.AktivrenteMonat) * 12;
  switch (lzz) {
    case 1: return Runden(jahr);
    case 3: return Runden(jahr * 7 / 360);
    case 4: return Runden(jahr / 360);
    default: return r.AktivrenteMonat;
  }
}

const TAnfrage& MitGruppe(const TParameter& p, const TAnfrage& eingang, std::optional<TAnfrage>& platz) {
  if (!GruppeEntscheidet(p, eingang)) return eingang;
  return platz.emplace(MitGruppe(p, eingang));
}

TAnfrage MitGruppe(const TParameter& p, const TAnfrage& eingang) {
  TAnfrage a = eingang;
  if (!GruppeEntscheidet(p, a)) return a;
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
  if (!GruppeEntscheidet(p, eingang)) return GruppeDerVersicherten(eingang);
  std::optional<TAnfrage> platz;
  return GruppeDerVersicherten(MitGruppe(p, eingang, platz));
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

namespace {

// The contributions of one run of the social insurance into the result's
// lines, added to what they hold.
void BeitraegeAddieren(const TSVErgebnis& sv, TMonatsErgebnis& m) {
  for (int art = 0; art < svAnzahl; ++art) {
    TBeitrag& b = m.Beitrag(static_cast<TSVArt>(art));
    b.AN += sv.AN(art);
    b.AG += sv.AG(art);
  }
  m.SVSummeAN += sv.SVSummeAN();
  m.SVSummeAG += sv.SVSummeAG();
  m.IGU_AG += sv.IGU_AG;
}

// Whether the request's health insurance is statutory with a contribution
// to pay (also the employer's flat rate of a minijob).
bool KVVersichert(const TSVEingabe& sv) {
  return sv.PKV == 0 && (sv.Saetze[svKV].AN >= 0 || sv.Saetze[svKV].AG >= 0);
}

// The pro-rated yearly ceiling of a monthly ceiling for the contribution
// days: yearly ceiling x days / 360, rounded once (section 23a (3) SGB IV).
std::int64_t AnteiligeGrenze(std::int64_t monatsGrenze, int tage) {
  return Runden(static_cast<double>(monatsGrenze) * 12 * tage / 360);
}

// The contribution days from the start of the year to the end of the pay
// period by default: 30 a month; a week or a day as if it were the first
// of its month.
int TageBisher(std::uint8_t lzz, int monat) {
  switch (lzz) {
    case 1: return 360;
    case 3: return 30 * (monat - 1) + 7;
    case 4: return 30 * (monat - 1) + 1;
    default: return 30 * monat;
  }
}

// A one-off payment under section 23a SGB IV: the pro-rated ceilings of KV
// and RV, the liable wage of the year so far (earlier pay periods), the
// liable parts.
struct TEinmalzahlungSV {
  std::int64_t GrenzeKV = 0, GrenzeRV = 0;
  std::int64_t KV = 0, RV = 0;
};

// The liable parts of a one-off: what the pro-rated ceiling leaves of the
// liable wage before and of this pay period, never more than the payment.
TEinmalzahlungSV EinmalzahlungVerteilen(std::int64_t betrag, std::int64_t grenzeKV, std::int64_t grenzeRV,
                                        std::int64_t bisherKV, std::int64_t bisherRV) {
  TEinmalzahlungSV e;
  e.GrenzeKV = grenzeKV;
  e.GrenzeRV = grenzeRV;
  e.KV = std::clamp<std::int64_t>(grenzeKV - bisherKV, 0, betrag);
  e.RV = std::clamp<std::int64_t>(grenzeRV - bisherRV, 0, betrag);
  return e;
}

// The employer's subsidy to deferred compensation (section 1a (1a)
// BetrAVG): 15 % of the converted amount, as far as the conversion saves
// him contributions.
std::int64_t BAVZuschuss(const TParameter& p, const TBBGTabelle& bbg, const TAnfrage& a, const TDatensaetze& mit) {
  if (!p.Periode.Lohn.BAVZuschussPflicht || a.Entgeltumwandlung <= 0 || !p.R().Vorhanden) return 0;
  TAnfrage ohne = a;
  ohne.Entgeltumwandlung = 0;
  const TDatensaetze d = Aufbereiten(p, ohne);
  TSVErgebnis vorher, nachher;
  SVRechnen(p.Jahr, p.Periode, bbg, {d.LZ.LZZ, d.SVEntgelt}, d.SV, vorher);
  SVRechnen(p.Jahr, p.Periode, bbg, {mit.LZ.LZZ, mit.SVEntgelt}, mit.SV, nachher);
  const std::int64_t erspart = vorher.SVSummeAG() - nachher.SVSummeAG();
  return std::clamp<std::int64_t>(Runden(a.Entgeltumwandlung * 0.15), 0, std::max<std::int64_t>(erspart, 0));
}

// The calendar days of a part month, 0 for a whole pay period.
int Teiltage(const TAnfrage& a) { return a.Teilmonat && a.LZZ == 2 ? std::clamp(*a.Teilmonat, 1, 30) : 0; }

// The ceilings of a pay month: a part month's are the month's x days / 30
// (the pro-rated yearly ceiling of its days); the limit of marginal
// employment stays the month's.
TBBGTabelle GrenzenDesMonats(const TParameter& p, int teiltage) {
  TBBGTabelle bbg = p.BBG;
  if (teiltage > 0) {
    for (int art : {bbgKV, bbgPV, bbgRV, bbgAV}) {
      for (std::int64_t& grenze : bbg[art]) grenze = AnteiligeGrenze(grenze, teiltage);
    }
  }
  return bbg;
}

// The records of a request with the employer's subsidy to deferred
// compensation found.
TDatensaetze MitBAVZuschuss(const TParameter& p, const TBBGTabelle& bbg, const TAnfrage& a) {
  TDatensaetze d = Aufbereiten(p, a);
  if (const std::int64_t z = BAVZuschuss(p, bbg, a, d); z > 0) d = Aufbereiten(p, a, z);
  return d;
}

}  // namespace

std::int64_t LaufenderSteuerlohn(const TParameter& p, const TAnfrage& a) {
  return MitBAVZuschuss(p, GrenzenDesMonats(p, Teiltage(a)), a).LZ.RE4;
}

TMonatsErgebnis Abrechnen(const TParameter& p, const TAnfrage& a, const TJahresStand& bisher) {
  TMonatsErgebnis m;
  m.Stand = bisher;
  if (!p.Lohnsteuer()) return m;
  const int teiltage = Teiltage(a);
  // A part month's ceilings; a whole month's are the parameters'.
  TBBGTabelle anteilig;
  if (teiltage > 0) anteilig = GrenzenDesMonats(p, teiltage);
  const TBBGTabelle& bbg = teiltage > 0 ? anteilig : p.BBG;
  TDatensaetze d = MitBAVZuschuss(p, bbg, a);
  const TFlussplan f = Flussplan(p);
  TLStZustand& z = f.Zustand;
  TLohnsteuerProgramm* programm = f.Programm;

  // ---- the taxes: the current wage, the one-off and the severance --------
  TLStErgebnis steuer;
  const std::int64_t sonstigeSteuerpflichtig = d.LSt.SONSTB + d.LSt.VMT;
  const bool pauschal = d.LSt.PauschSatzAG > 0 || d.LSt.PauschSatzLSt > 0;
  if (teiltage > 0 && !pauschal) {
    // A part month by the day table: a day's wage (cut to the cent), a
    // day's allowance and addition (the month's thirtieth), the pensions'
    // share of the day; the day's taxes times the days.  The one-off's tax
    // is the yearly difference and stays as it is.
    TLohnZeitraum tag{4, d.LZ.RE4 / teiltage};
    TLStEingabe e = d.LSt;
    e.Freibetrag /= 30;
    e.Hinzurechnung /= 30;
    e.VBEZ /= teiltage;
    SteuerRechnen(z, programm, p.BBG, tag, e, steuer, d.SV);
    for (std::int64_t* betrag : {&steuer.LSt, &steuer.Soli, &steuer.BK, &steuer.KiSt}) *betrag *= teiltage;
  } else {
    SteuerRechnen(z, programm, p.BBG, d.LZ, d.LSt, steuer, d.SV);
  }
  // The private contributions the flowchart deducted (certificate line 28;
  // the flowcharts of the years with a certificate here set them on every
  // run).
  if (!pauschal && programm != nullptr && p.R().Bescheinigung) {
    m.VKV = z.LStVar.VKVLZZ * (teiltage > 0 ? teiltage : 1) + z.LStVar.VKVSONST;
  }
  if (pauschal) {
    // A flat rate covers the one-off paid with the wage as well.
    if (d.LSt.PauschSatzAG > 0) steuer.LStPausch = Runden(d.LSt.PauschSatzAG * (d.LZ.RE4 + sonstigeSteuerpflichtig));
    if (d.LSt.PauschSatzLSt > 0) {
      const std::int64_t lst = Runden(d.LSt.PauschSatzLSt * (d.LZ.RE4 + sonstigeSteuerpflichtig));
      m.LSt_sonstig = lst - steuer.LSt;
      steuer.LSt = lst;
    }
  } else if (sonstigeSteuerpflichtig > 0) {
    // The flowchart's taxes on the one-off (STS ...) and on the multi-year
    // pay (STV ...); church tax on each base cut on its own.
    const TLStVariablen& v = z.LStVar;
    m.AbfindungFuenftel = d.LSt.VMT;
    m.LSt_fuenftel = v.STV;
    m.Soli_fuenftel = v.SOLZV;
    m.KiSt_fuenftel = Abschneiden(v.BKV * d.LSt.KiStSatz);
    m.LSt_sonstig = v.STS + m.LSt_fuenftel;
    m.Soli_sonstig = v.SOLZS + m.Soli_fuenftel;
    m.KiSt_sonstig = Abschneiden(v.BKS * d.LSt.KiStSatz) + m.KiSt_fuenftel;
    steuer.LSt += m.LSt_sonstig;
    steuer.Soli += m.Soli_sonstig;
    steuer.KiSt += m.KiSt_sonstig;
    steuer.BK += v.BKS + v.BKV;
  }
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
  m.SteuerSumme = m.LSt + m.Soli + m.KiSt;
  m.SteuerSummePausch = m.LStPausch + m.SoliPausch + m.KiStPausch;
  if (programm != nullptr && !pauschal) {
    m.TarifX = programm->LetzteTarifeinheit();
    m.KZTAB = programm->LetzterKZTAB();
  }

  // ---- the parts of the pay ---------------------------------------------
  m.LaufenderLohn = a.Brutto;
  m.SonstigerBezug = a.SonstigerBezug;
  m.Abfindung = a.Abfindung;
  m.GWV = d.GWV;
  m.Sachbezug = a.Sachbezug;
  m.Steuerfrei = a.Steuerfrei;
  m.VWL_AG = a.VWLAG;
  m.Entgeltumwandlung = a.Entgeltumwandlung;
  m.BAVZuschuss_AG = d.BAVZuschuss;
  m.VWLSparbetrag = a.VWLSparbetrag;
  m.Gesamtbrutto = a.Brutto + a.SonstigerBezug + a.Abfindung + a.VWLAG + d.GWV + a.Sachbezug + a.Steuerfrei;
  m.SteuerBrutto = d.LZ.RE4 + sonstigeSteuerpflichtig;
  m.Aktivrente_steuerfrei = d.AktivrenteLaufend + d.AktivrenteSonstig;

  // ---- the social insurance ---------------------------------------------
  const TBBGZeitraum grenze = BBGFuerZeitraum(bbg, d.LZ.LZZ, d.SV.Region);
  const std::int64_t laufendKV = std::min(d.SVEntgelt, grenze[bbgKV]);
  const std::int64_t laufendRV = std::min(d.SVEntgelt, grenze[bbgRV]);
  // The contribution days to the end of the pay period: as stated, else
  // those the year's earlier slips carried, else the whole year so far.
  const bool stand = bisher.Monate > 0;
  int tage = TageBisher(d.LZ.LZZ, p.Monat);
  if (a.SVTage) tage = *a.SVTage;
  else if (stand) tage = std::min(bisher.SVTage + (teiltage > 0 ? teiltage : TageBisher(d.LZ.LZZ, 1)), 360);
  if (p.R().Vorhanden) {
    const bool kv = KVVersichert(d.SV);
    const int region = d.SV.Region == rgOst ? rgOst : rgWest;
    TLohnZeitraum svLohn{d.LZ.LZZ, d.SVEntgelt};
    // The one-off's liable parts join the records' insurance.
    TSVEingabe& sv = d.SV;
    if (a.SonstigerBezug > 0) {
      // The liable wage before this pay period: as stated, else what the
      // year's earlier slips carried, else the current wage for every
      // earlier month.
      const int monateVorher = d.LZ.LZZ == 1 ? 0 : p.Monat - 1;
      const std::int64_t monatKV = std::min(MonatsEntgelt(d.LZ.LZZ, d.SVEntgelt), p.BBG[bbgKV][region]);
      const std::int64_t monatRV = std::min(MonatsEntgelt(d.LZ.LZZ, d.SVEntgelt), p.BBG[bbgRV][region]);
      const std::int64_t vorherKV = a.SVEntgeltBisherKV.value_or(stand ? bisher.SVEntgeltKV : monateVorher * monatKV);
      const std::int64_t vorherRV = a.SVEntgeltBisherRV.value_or(stand ? bisher.SVEntgeltRV : monateVorher * monatRV);
      TEinmalzahlungSV e = EinmalzahlungVerteilen(a.SonstigerBezug, AnteiligeGrenze(p.BBG[bbgKV][region], tage),
                                                  AnteiligeGrenze(p.BBG[bbgRV][region], tage),
                                                  vorherKV + laufendKV, vorherRV + laufendRV);
      // The March clause (section 23a (4), (5) SGB IV): paid in the first
      // quarter beyond what the ceiling leaves, the payment belongs to the
      // previous year's last pay period where the person was employed then.
      // The health ceiling decides for everybody insured in health.
      const bool ueber = kv ? e.KV < a.SonstigerBezug : e.RV < a.SonstigerBezug;
      const TParameter& vp = StandardParameter(p.Jahr - 1, 12);
      if (d.LZ.LZZ != 1 && p.Monat <= 3 && a.VorjahrSVTage > 0 && ueber && vp.Regeln && vp.R().Vorhanden &&
          vp.Lohnsteuer()) {
        m.Maerzklausel = true;
        TAnfrage va = a;
        va.KVZusatz = a.VorjahrKVZusatz;
        va.SonstigerBezug = 0;
        va.Abfindung = 0;
        va.Gleitzone = false;
        va.AGZuschussBetrag.reset();
        va.PrivatBeitrag = 0;
        va.PrivatBeitragPV.reset();
        const TDatensaetze vd = Aufbereiten(vp, va);
        const int vtage = std::min(a.VorjahrSVTage, 360);
        const std::int64_t vmonatKV = std::min(MonatsEntgelt(d.LZ.LZZ, d.SVEntgelt), vp.BBG[bbgKV][region]);
        const std::int64_t vmonatRV = std::min(MonatsEntgelt(d.LZ.LZZ, d.SVEntgelt), vp.BBG[bbgRV][region]);
        e = EinmalzahlungVerteilen(
            a.SonstigerBezug, AnteiligeGrenze(vp.BBG[bbgKV][region], vtage), AnteiligeGrenze(vp.BBG[bbgRV][region], vtage),
            a.VorjahrSVEntgeltKV.value_or(Runden(static_cast<double>(vmonatKV) * vtage / 30)),
            a.VorjahrSVEntgeltRV.value_or(Runden(static_cast<double>(vmonatRV) * vtage / 30)));
        TSVEingabe vsv = vd.SV;
        vsv.EinmalKV = KVVersichert(vsv) ? e.KV : 0;
        vsv.EinmalRV = e.RV;
        vsv.U1 = vsv.U2 = 0;
        // Its contributions stand in the lines with this pay period's.
        BeitraegeAddieren(SVRechnen(vp.Jahr, vp.Periode, vp.BBG, {d.LZ.LZZ, 0}, vsv), m);
      } else {
        sv.EinmalKV = kv ? e.KV : 0;
        sv.EinmalRV = e.RV;
      }
      m.AnteiligeBBG_KV = e.GrenzeKV;
      m.AnteiligeBBG_RV = e.GrenzeRV;
      m.Einmalzahlung_KV = kv ? e.KV : 0;
      m.Einmalzahlung_RV = e.RV;
    }
    const TSVErgebnis erg = SVRechnen(p.Jahr, p.Periode, bbg, svLohn, sv);
    BeitraegeAddieren(erg, m);
    m.BE = erg.BE;
    m.BE_AN = erg.BE_AN;
    m.U1_AG = erg.U1_AG;
    m.U2_AG = erg.U2_AG;
    m.PKVZuschuss_AG = erg.PKVZuschuss_AG;
    m.PKVZuschussPV_AG = erg.PKVZuschussPV_AG;
    if (d.SV.MitGruppe) m.Beitragsgruppe = d.SV.Gruppe;
    m.Saetze = AngewandteSaetze(p.Periode, d.SV);
    m.SVBrutto_KV = kv ? laufendKV + m.Einmalzahlung_KV : 0;
    m.SVBrutto_RV = laufendRV + m.Einmalzahlung_RV;
  }

  // ---- net wage, payout, the employer's cost ------------------------------
  m.Kindergeld = d.Zusatz.Kindergeld;
  m.AGZusatz = d.Zusatz.AGZusatz;
  m.SonstigeAbzuege = d.SonstigeAbzuege;
  m.BruttoNachSteuer = m.Gesamtbrutto - m.SteuerSumme;
  m.BruttoPlusPausch = m.Gesamtbrutto + m.SteuerSummePausch;
  // The company car and the benefits in kind are not paid out, the
  // converted pay goes to the pension.
  m.Netto = m.BruttoNachSteuer - m.SVSummeAN - m.SonstigeAbzuege - m.GWV - m.Sachbezug - m.Entgeltumwandlung;
  // The employer's subsidy to a private insurance is paid out with the net
  // wage, tax-free and free of contributions: it raises the payout and the
  // employer's cost, not the net wage.  The savings amount goes to the
  // employee's contract.  The company car's value is no cost of wages; the
  // subsidy to deferred compensation is.
  m.AGGesamt = m.BruttoPlusPausch - m.GWV + m.SVSummeAG + m.PKVZuschuss_AG + m.BAVZuschuss_AG;
  m.Auszahlung = m.Netto + m.Kindergeld + m.PKVZuschuss_AG - m.VWLSparbetrag;
  m.AGGesamtPlus = m.AGGesamt + m.AGZusatz;
  m.AGGesamtUmlagen = m.AGGesamt + m.U1_AG + m.U2_AG + m.IGU_AG;

  TJahresStand& s = m.Stand;
  s.Monate += 1;
  s.Brutto += m.RE4;
  s.SonstigeBezuege += sonstigeSteuerpflichtig;
  s.SVEntgeltKV += m.Maerzklausel ? laufendKV : laufendKV + m.Einmalzahlung_KV;
  s.SVEntgeltRV += m.Maerzklausel ? laufendRV : laufendRV + m.Einmalzahlung_RV;
  s.SVTage = tage;
  s.LSt += m.LSt;
  s.Soli += m.Soli;
  s.KiSt += m.KiSt;
  s.SVSummeAN += m.SVSummeAN;
  s.SVSummeAG += m.SVSummeAG;
  return m;
}

const std::array<TErgebnisFeld, 62>& ErgebnisFelder() {
  using M = TMonatsErgebnis;
  static const std::array<TErgebnisFeld, 62> felder = {{
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
      {"LSt_sonstig", &M::LSt_sonstig},
      {"Soli_sonstig", &M::Soli_sonstig},
      {"KiSt_sonstig", &M::KiSt_sonstig},
      {"AnteiligeBBG_KV", &M::AnteiligeBBG_KV},
      {"AnteiligeBBG_RV", &M::AnteiligeBBG_RV},
      {"Einmalzahlung_KV", &M::Einmalzahlung_KV},
      {"Einmalzahlung_RV", &M::Einmalzahlung_RV},
      {"LaufenderLohn", &M::LaufenderLohn},
      {"SonstigerBezug", &M::SonstigerBezug},
      {"Abfindung", &M::Abfindung},
      {"GWV", &M::GWV},
      {"Sachbezug", &M::Sachbezug},
      {"Steuerfrei", &M::Steuerfrei},
      {"VWL_AG", &M::VWL_AG},
      {"Entgeltumwandlung", &M::Entgeltumwandlung},
      {"BAVZuschuss_AG", &M::BAVZuschuss_AG},
      {"VWLSparbetrag", &M::VWLSparbetrag},
      {"SteuerBrutto", &M::SteuerBrutto},
      {"SVBrutto_KV", &M::SVBrutto_KV},
      {"SVBrutto_RV", &M::SVBrutto_RV},
      {"Gesamtbrutto", &M::Gesamtbrutto},
      {"Aktivrente_steuerfrei", &M::Aktivrente_steuerfrei},
  }};
  return felder;
}

}  // namespace lst
